// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <string>

#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "engine/site/sitelambda.h"
#include "engine/site/siteproject.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli_common.h"

namespace {

// The worked example (benzene, v = 0.04 m/d, ax = 10 m) with the textbook
// wells: 1000, 420, 200, 75, 40 ug/L at 0..80 m.
ProjectHandle WithWells() {
  ProjectHandle project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/worked-example.vrp", "rb"));
  SiteData& site = virelo_Extras(project.get()).site;
  const double c[] = {1000, 420, 200, 75, 40};
  for (int k = 0; k < 5; ++k) {
    const std::string well = "MW" + std::to_string(k + 1);
    site.wells.push_back({well, 20.0 * k, 0.0, true});
    site.samples.push_back({well, "2024-05-12", "Benzene", c[k], kUnitUgL, false});
  }
  return project;
}

Contaminant* Benzene(Project* project) {
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::string(project->contaminants[k].name) == "Benzene") return &project->contaminants[k];
  return nullptr;
}

TEST(SiteLambda, TakesValueSourceAndIntervalAndSaysWhenTheRateIsApparent) {
  ProjectHandle project = WithWells();
  ASSERT_TRUE(project);
  const DistanceFit fit =
      FitDistance(virelo_ExtrasOf(*project).site, "Benzene", SiteFitOptionsFor(*project, "Benzene", 80));
  ASSERT_TRUE(fit.hasLambda);
  project->modified = 0;
  ASSERT_EQ(UseSiteLambda(project.get(), fit), Benzene(project.get()));
  EXPECT_EQ(project->modified, 1);
  EXPECT_EQ(Benzene(project.get())->lambdaUser, fit.lambda);
  const ProjectSettings& settings = virelo_SettingsOf(*project);
  const std::string source = LambdaSourceOf(settings, "Benzene");
  EXPECT_EQ(source, SiteLambdaSourceText(fit));
  EXPECT_EQ(source.rfind("site wells MW1\xE2\x80\x93MW5, 2024-05-12, Buscheck\xE2\x80\x93"
                         "Alcantar, 80 % interval 0.0021\xE2\x80\x93",
                         0),
            0u)
      << source;
  EXPECT_EQ(settings.lambdaIntervals.at("Benzene").level, 80);
  EXPECT_EQ(settings.lambdaIntervals.at("Benzene").low, fit.lambdaLow);

  // As a daughter in a chain, the source says the rate is apparent.
  virelo_Extras(project.get()).chains.push_back({{"Toluene", "Benzene"}, {1.0}});
  ASSERT_TRUE(UseSiteLambda(project.get(), fit));
  EXPECT_EQ(LambdaSourceOf(virelo_SettingsOf(*project), "Benzene"),
            source + "; apparent rate of a daughter product (formation minus decay)");

  // A fit of a contaminant the project lacks changes nothing.
  DistanceFit other = fit;
  other.contaminant = "Xylene";
  EXPECT_EQ(UseSiteLambda(project.get(), other), nullptr);
  EXPECT_EQ(virelo_SettingsOf(*project).lambdaIntervals.count("Xylene"), 0u);
}

TEST(SiteLambda, SourceTextNamesFewWellsAndWritesSmallEndsAsPrintfDoes) {
  DistanceFit fit;
  fit.date = "2024-01-10";
  fit.levelPercent = 90;
  // A Latin-1 letter and a Windows-1252 en dash in the names of the wells.
  fit.points = {{"B\xE4", "", 30}, {"MW1", "", 0}, {"MW\x96North", "", 10}};
  fit.lambdaLow = 2.7e-05;
  fit.lambdaHigh = 0.00351;
  EXPECT_EQ(SiteLambdaSourceText(fit),
            "site wells MW1, MW\xE2\x80\x93North, B\xC3\xA4, 2024-01-10, Buscheck\xE2\x80\x93"
            "Alcantar, 90 % interval 2.7e-05\xE2\x80\x93"
            "0.0035 1/d");
}

}  // namespace
