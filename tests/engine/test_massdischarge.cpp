// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Mass discharge through transects: strip widths, the sum against a hand
// sum, the trend over rounds, the ratio downstream and the command.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/project/extras.h"
#include "engine/site/massdischarge.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tests/engine/support/transect_site.h"

namespace {

TEST(MassDischarge, StripsReachHalfwayAndOuterOnesAsFarBeyond) {
  std::vector<double> w;
  // Given out of order: -5, 12, -15, 0.
  ASSERT_TRUE(TransectWidths({-5, 12, -15, 0}, &w));
  EXPECT_EQ(w, (std::vector<double>{7.5, 12.0, 10.0, 8.5}));
  ASSERT_TRUE(TransectWidths({2, 6}, &w));
  EXPECT_EQ(w, (std::vector<double>{4.0, 4.0}));
  EXPECT_FALSE(TransectWidths({3}, &w));
  EXPECT_FALSE(TransectWidths({3, 1, 3}, &w));
  // Two wells at one offset, wherever they lie in the order across the flow.
  EXPECT_FALSE(TransectWidths({4, 4}, &w));
  EXPECT_FALSE(TransectWidths({9, 1, 1}, &w));
}

// A round is dated by its first day, whichever well was sampled first: here
// the well named first was sampled three days after the other.
TEST(MassDischarge, ARoundIsDatedByItsFirstSample) {
  SiteData site;
  site.wells.push_back({"P", 50.0, -4.0});
  site.wells.push_back({"Q", 50.0, 4.0});
  for (int r = 0; r < 4; ++r) {
    site.samples.push_back({"P", SiteDateText(19003 + 91 * r), "Benzene", 10.0 - r, kUnitUgL, false});
    site.samples.push_back({"Q", SiteDateText(19000 + 91 * r), "Benzene", 20.0 - r, kUnitUgL, false});
  }
  MassDischargeOptions options;
  options.conductivity = 4.0;
  options.gradient = 0.005;
  const MassDischargeResult r = MassDischargeOf(site, "Benzene", {{"t", {"P", "Q"}}}, options);
  ASSERT_TRUE(r.problem.empty()) << r.problem;
  ASSERT_EQ(r.transects.size(), 1u);
  ASSERT_EQ(r.transects[0].rounds.size(), 4u);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(r.transects[0].rounds[k].date, SiteDateText(19000 + 91 * k));
}

TEST(MassDischarge, FourStripsGiveTheHandSumAndTheirTrend) {
  MassDischargeOptions options;
  options.conductivity = 4.0;
  options.gradient = 0.005;
  options.thickness = 3.0;
  const std::vector<Transect> transects = {{"down", {"B1", "B2", "B3", "B4"}},
                                           {"up", {"A1", "A2", "A3", "A4"}}};
  const MassDischargeResult r = MassDischargeOf(TransectSite(), "Benzene", transects, options);
  ASSERT_TRUE(r.problem.empty()) << r.problem;
  ASSERT_EQ(r.transects.size(), 2u);
  const TransectDischarge& up = r.transects[0];
  EXPECT_EQ(up.name, "up");  // ordered along the flow
  ASSERT_EQ(up.rounds.size(), 5u);
  // Kf i b = 0.06 m2/d; C w [ug/L m]: 20*10 + 150*7.5 + 300*8.5 + 0*12, in g/d.
  EXPECT_NEAR(up.rounds[0].discharge, 0.06 * 1e-3 * (200.0 + 1125.0 + 2550.0), 1e-15);
  EXPECT_NEAR(up.rounds[0].dischargeUpper, 0.06 * 1e-3 * (200.0 + 1125.0 + 2550.0 + 96.0), 1e-15);
  EXPECT_EQ(up.trend.trend, TrendClass::kDecreasing);
  const TransectDischarge& down = r.transects[1];
  ASSERT_EQ(down.rounds.size(), 4u);
  ASSERT_EQ(down.leftOut.size(), 1u);
  EXPECT_EQ(down.leftOut[0], "round " + SiteDateText(19182) + ": no value at B2");
  ASSERT_EQ(r.declines.size(), 1u);
  EXPECT_EQ(r.declines[0].date, SiteDateText(19364));
  EXPECT_NEAR(r.declines[0].distance, 140.0 - 61.5, 1e-12);
  // Upstream A4 counts 0 (non-detect), downstream B4 counts 0.4 * 8.
  const double fall = 0.6, upSum = fall * (200.0 + 1125.0 + 2550.0), downSum = 0.4 * (upSum + fall * 96.0);
  EXPECT_NEAR(r.declines[0].ratio, downSum / upSum, 1e-12);

  options.gradient = NAN;
  EXPECT_FALSE(MassDischargeOf(TransectSite(), "Benzene", transects, options).problem.empty());
}

using DischargeCommand = ProjectFilesTest;

TEST_F(DischargeCommand, TakesTransectsAndTheProjectsAquifer) {
  ProjectHandle project = LoadExample("petrol-station.vrp");  // Kf 4 m/d, i 0.005
  ASSERT_TRUE(project);
  virelo_Extras(project.get()).site = TransectSite();
  virelo_Extras(project.get()).settings.saturatedThickness = 3.0;
  const std::string path = Save(project.get(), "t.vrp");
  const CliResult csv = Cli({"discharge", path, "--transect", "up=A1,A2,A3,A4", "--csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
            "contaminant,transect,round,date,discharge,dischargeUpper");
  const std::string first = "Benzene,up,1," + SiteDateText(19000) + ",";
  const size_t at = csv.out.find(first);
  ASSERT_NE(at, std::string::npos) << csv.out;
  EXPECT_NEAR(std::stod(csv.out.substr(at + first.size())), 0.06 * 1e-3 * 3875.0, 1e-15);
  EXPECT_NE(csv.out.find("Benzene,up,61.5,5,Decreasing,-10,"), std::string::npos) << csv.out;

  const CliResult text =
      Cli({"discharge", path, "--transect", "up=A1,A2,A3,A4", "--transect", "down=B1,B2,B3,B4"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("dispersive flux neglected"), std::string::npos);
  EXPECT_NE(text.out.find("left out: round " + SiteDateText(19182) + ": no value at B2"), std::string::npos);
  EXPECT_EQ(Cli({"discharge", path}).status, kCliUsage);
  EXPECT_EQ(Cli({"discharge", path, "--transect", "up=A1"}).status, kCliUsage);
  EXPECT_EQ(Cli({"discharge", path, "--transect", "up=A1,X9"}).status, kCliFailed);
}

}  // namespace
