// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/core/distributions.h"
#include "engine/project/extras.h"
#include "engine/site/siteproject.h"
#include "persistence/projectfile.h"

namespace {

const std::string kPetrolStation = std::string(VIRELO_SOURCE_DIR) + "/examples/petrol-station.vrp";

TEST(SiteLambdaLogNormal, ReproducesTheSiteIntervalAndIsOfferedOnlyWithSiteData) {
  Project* project = virelo_LoadProject(kPetrolStation.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  SiteLambdaLogNormal offer;
  ASSERT_TRUE(SiteLambdaLogNormalFor(*project, "Benzene", &offer));
  // The interval the Site data window shows for benzene at 90 %.
  EXPECT_EQ(offer.levelPercent, 90);
  EXPECT_NEAR(offer.low, 0.0026871, 1e-7);
  EXPECT_NEAR(offer.high, 0.0035253, 1e-7);
  // Drawn through the same sampler a run uses, so that median and geometric
  // sd in the wrong order or a level taken as 95 % would show: the 5 % and
  // 95 % quantiles must be the interval's ends.
  std::string problem;
  const Sampler sampler =
      Sampler::Make(DistributionKind::LogNormal, {offer.median, offer.geometricSd}, &problem);
  ASSERT_TRUE(problem.empty()) << problem;
  EXPECT_NEAR(sampler.Quantile(0.05), offer.low, 1e-9 * offer.low);
  EXPECT_NEAR(sampler.Quantile(0.95), offer.high, 1e-9 * offer.high);

  // A contaminant of the project the wells hold no samples of, and a name
  // the project does not have, are offered nothing.
  const std::vector<std::string> sampled = SiteContaminants(virelo_ExtrasOf(*project).site);
  int without = 0;
  for (int k = 0; k < project->contaminantCount; ++k) {
    const std::string name = project->contaminants[k].name;
    if (std::find(sampled.begin(), sampled.end(), name) != sampled.end()) continue;
    ++without;
    EXPECT_FALSE(SiteLambdaLogNormalFor(*project, name, &offer)) << name;
  }
  EXPECT_GT(without, 0);
  EXPECT_FALSE(SiteLambdaLogNormalFor(*project, "Vinyl chloride", &offer));
  virelo_FreeProject(project);
}

}  // namespace
