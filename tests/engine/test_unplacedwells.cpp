// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A well surveyed on the map before the map has a source point and a flow
// direction has no s or y yet: it reads 0, the source itself. Every reader of
// the wells' places must leave it out and say so, never take it for a well
// at the source; once the map places it, it counts like any other.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "engine/site/massdischarge.h"
#include "engine/site/plumemass.h"
#include "engine/site/sitefit.h"
#include "tests/engine/support/projects.h"

namespace {

constexpr int kBenzene = 0;  // in examples/petrol-station.vrp
const AssessmentRange kRange = kAssessmentRanges[0].range;

// MW4 (s = 80, y = 3 in the example) surveyed instead: with the source at the
// origin and the flow due east, easting 80 and northing 3 put it back there.
SiteData* SurveyMw4(Project* project) {
  SiteData* site = &virelo_Extras(project).site;
  for (SiteWell& w : site->wells) {
    if (w.name != "MW4") continue;
    w.mapped = true;
    w.easting = 80.0;
    w.northing = 3.0;
    w.s = w.y = 0.0;  // what a survey read before the map leaves
  }
  site->map.hasSource = true;
  site->map.sourceEasting = site->map.sourceNorthing = 0.0;
  site->map.hasAzimuth = false;
  return site;
}

bool Names(const std::string& text, const char* well) {
  return text.find(well) != std::string::npos && text.find("Place wells") != std::string::npos;
}

TEST(UnplacedWells, WellsEvidenceNamesTheWaitingWellAndGivesNoClass) {
  ProjectHandle petrol = LoadExample("petrol-station.vrp");
  ASSERT_NE(petrol.get(), nullptr);
  const WellsEvidence before = WellsEvidenceOf(*petrol, kBenzene, kRange, VerdictBasis::Screening);
  ASSERT_TRUE(before.hasClass);
  SiteData* site = SurveyMw4(petrol.get());
  EXPECT_EQ(UnplacedWells(*site), std::vector<std::string>{"MW4"});

  const WellsEvidence waiting = WellsEvidenceOf(*petrol, kBenzene, kRange, VerdictBasis::Screening);
  ASSERT_TRUE(waiting.hasFit);
  EXPECT_FALSE(waiting.hasClass);
  EXPECT_TRUE(waiting.omitted & kWellsFitWarnings);
  EXPECT_TRUE(std::any_of(waiting.warnings.begin(), waiting.warnings.end(),
                          [](const std::string& w) { return Names(w, "MW4"); }));
  // Not held against the model at the source, where it would read far
  // below it and hide an underprediction downstream.
  ASSERT_EQ(waiting.wells.size(), before.wells.size() - 1);
  for (const WellComparison& w : waiting.wells) EXPECT_NE(w.well, "MW4");

  // Placed by the map, it is the example's MW4 again.
  site->map.hasAzimuth = true;
  site->map.flowAzimuth = 90.0;
  ASSERT_TRUE(DeriveWellOffsets(site));
  const WellsEvidence placed = WellsEvidenceOf(*petrol, kBenzene, kRange, VerdictBasis::Screening);
  EXPECT_TRUE(placed.hasClass);
  EXPECT_TRUE(UnplacedWells(*site).empty());
  EXPECT_NEAR(placed.slope, before.slope, 1e-12);
  ASSERT_EQ(placed.wells.size(), before.wells.size());
  EXPECT_NEAR(placed.wells[3].s, 80.0, 1e-12);
  EXPECT_NEAR(placed.wells[3].y, 3.0, 1e-12);
}

TEST(UnplacedWells, PlumeMassAndTransectsLeaveTheWaitingWellOutAndSaySo) {
  ProjectHandle petrol = LoadExample("petrol-station.vrp");
  ASSERT_NE(petrol.get(), nullptr);
  const SiteData held = virelo_ExtrasOf(*petrol).site;
  const SiteData& site = *SurveyMw4(petrol.get());
  const PlumeMassOptions options = PlumeMassOptionsFor(*petrol, "Benzene");

  const PlumeMassResult before = PlumeMassOf(held, "Benzene", options);
  ASSERT_NE(std::find(before.wells.begin(), before.wells.end(), "MW4"), before.wells.end());
  const PlumeMassResult waiting = PlumeMassOf(site, "Benzene", options);
  EXPECT_EQ(std::find(waiting.wells.begin(), waiting.wells.end(), "MW4"), waiting.wells.end());
  EXPECT_EQ(waiting.wells.size(), before.wells.size() - 1);
  EXPECT_TRUE(std::any_of(waiting.leftOut.begin(), waiting.leftOut.end(),
                          [](const std::string& w) { return Names(w, "MW4"); }));
  // A contaminant never measured at the waiting well has nothing to miss.
  for (const std::string& w : PlumeMassOf(site, "Nothing measured", options).leftOut)
    EXPECT_EQ(w.find("MW4"), std::string::npos) << w;

  const MassDischargeOptions flux = MassDischargeOptionsFor(*petrol);
  const std::vector<Transect> across = {{"T1", {"MW3", "MW4"}}};
  EXPECT_TRUE(MassDischargeOf(held, "Benzene", across, flux).problem.empty());
  const MassDischargeResult refused = MassDischargeOf(site, "Benzene", across, flux);
  EXPECT_TRUE(Names(refused.problem, "MW4")) << refused.problem;
  EXPECT_EQ(refused.problem.rfind("Transect T1: Well MW4 is surveyed", 0), 0u) << refused.problem;
}

TEST(UnplacedWells, TextNamesOneOrManyWells) {
  EXPECT_EQ(UnplacedWellsText({}), "");
  EXPECT_EQ(UnplacedWellsText({"PB1"}),
            "Well PB1 is surveyed on the map and waits for its source point and flow direction (Site data "
            "window, Flow field tab: Place wells); it is left out until then.");
  const std::string three = UnplacedWellsText({"PB1", "PB2", "PB3"});
  EXPECT_EQ(three.rfind("Wells PB1, PB2 and PB3 are surveyed on the map and wait for", 0), 0u) << three;
  EXPECT_NE(three.find("they are left out until then."), std::string::npos) << three;
}

}  // namespace
