// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The screening rows against background: which wells make the background,
// what level they give, and how the site tables and the command line reach
// the row.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/site/redox.h"
#include "engine/site/solventscore.h"
#include "tests/engine/support/cli_run.h"

namespace fs = std::filesystem;

namespace {

const char* kDate = "2024-05-02";

SiteSample Alkalinity(const std::string& well, double value, const char* unit = kUnitMgL,
                      bool nonDetect = false, const char* date = kDate) {
  return {well, date, kIndicatorAlkalinity, value, unit, nonDetect};
}

// MW0 upstream of the source, MW1 in the plume, MW2 further down.
SiteData Site() {
  SiteData site;
  site.wells = {{"MW0", -30.0}, {"MW1", 10.0}, {"MW2", 60.0}};
  return site;
}

// The score of a well's reading on kDate, as the windows take it: the
// site's readings and its background.
SolventScore ScoreAt(const SiteData& site, const std::string& well,
                     const std::vector<std::string>& marked = {}) {
  const SolventBackground background = SolventBackgroundFor(site, marked);
  for (const RedoxReading& r : ReadRedox(site))
    if (r.well == well && r.date == kDate) return ScoreSolvent(r.indicators, {}, background);
  ADD_FAILURE() << "no reading at " << well;
  return {};
}

const SolventPoints* Row(const SolventScore& score, const std::string& parameter) {
  for (const SolventPoints& p : score.used)
    if (p.parameter == parameter) return &p;
  return nullptr;
}

const SolventRowLeftOut* LeftOut(const SolventScore& score, const std::string& row) {
  for (const SolventRowLeftOut& r : score.leftOut)
    if (row == r.row) return &r;
  return nullptr;
}

TEST(SolventBackground, AlkalinityEarnsItsPointOnlyAboveTwiceBackground) {
  // Background 100 mg/L upstream; the plume well in ug/L, as laboratories
  // often report it: the row must meet both in mg/L.
  struct Case {
    double ugL;
    bool nonDetect;
    int points;
  } cases[] = {
      {200000.0, false, 0},  // twice background exactly: not above
      {200500.0, false, 1},
      {150000.0, false, 0},
      {500000.0, true, 0},  // a detection limit above the threshold says nothing
  };
  for (const Case& c : cases) {
    SiteData site = Site();
    site.samples = {Alkalinity("MW0", 100.0), Alkalinity("MW1", c.ugL, kUnitUgL, c.nonDetect)};
    const SolventScore score = ScoreAt(site, "MW1");
    const SolventPoints* row = Row(score, "alkalinity");
    ASSERT_NE(row, nullptr) << c.ugL;
    EXPECT_EQ(row->points, c.points) << c.ugL;
    EXPECT_DOUBLE_EQ(row->value, c.ugL / 1000.0);
    EXPECT_EQ(score.total, c.points);
    EXPECT_EQ(LeftOut(score, "alkalinity"), nullptr);
  }
}

TEST(SolventBackground, TheLevelIsTheMedianOfEachBackgroundWellsLatestValue) {
  SiteData site = Site();
  site.wells.push_back({"MW-1", -10.0});
  site.wells.push_back({"MW-2", -50.0});
  site.samples = {Alkalinity("MW0", 300.0, kUnitMgL, false, "2023-05-02"),  // superseded
                  Alkalinity("MW0", 80.0), Alkalinity("MW-1", 100.0),
                  // A background well in salty water does not lift the level.
                  Alkalinity("MW-2", 900.0, kUnitMgL, false, "2022-01-10"), Alkalinity("MW1", 201.0)};
  const SolventBackground background = SolventBackgroundFor(site, {});
  EXPECT_EQ(background.wells, (std::vector<std::string>{"MW0", "MW-1", "MW-2"}));
  EXPECT_FALSE(background.marked);
  ASSERT_TRUE(background.alkalinity.present);
  EXPECT_DOUBLE_EQ(background.alkalinity.value, 100.0);
  EXPECT_EQ(Row(ScoreAt(site, "MW1"), "alkalinity")->points, 1);

  // Two wells: the middle of the pair, in its decimal form.
  site.samples = {Alkalinity("MW0", 100.1), Alkalinity("MW-1", 100.2), Alkalinity("MW1", 200.3)};
  EXPECT_EQ(SolventBackgroundFor(site, {}).alkalinity.value, 100.15);
  EXPECT_EQ(Row(ScoreAt(site, "MW1"), "alkalinity")->points, 0);
  site.samples.back().value = 200.31;
  EXPECT_EQ(Row(ScoreAt(site, "MW1"), "alkalinity")->points, 1);
}

TEST(SolventBackground, ABackgroundNonDetectIsAnUpperBound) {
  // Not detected at 50 mg/L upstream: background is below 50, so only a
  // well above 100 is surely above twice it.
  SiteData site = Site();
  site.samples = {Alkalinity("MW0", 50.0, kUnitMgL, true), Alkalinity("MW1", 100.0)};
  const SolventBackground background = SolventBackgroundFor(site, {});
  EXPECT_TRUE(background.alkalinity.nonDetect);
  EXPECT_NE(SolventBackgroundText(background).find("alkalinity below 50 mg/L"), std::string::npos)
      << SolventBackgroundText(background);
  EXPECT_EQ(Row(ScoreAt(site, "MW1"), "alkalinity")->points, 0);
  site.samples.back().value = 101.0;
  EXPECT_EQ(Row(ScoreAt(site, "MW1"), "alkalinity")->points, 1);
}

TEST(SolventBackground, WithoutABackgroundValueTheRowIsNamedNotScored) {
  // Upstream wells exist but none measured alkalinity: the plume well's
  // own alkalinity cannot be judged, and the row says why rather than
  // counting as not measured at the well.
  SiteData site = Site();
  site.samples = {{"MW0", kDate, kIndicatorOxygen, 6.0, kUnitMgL, false}, Alkalinity("MW1", 400.0)};
  SolventScore score = ScoreAt(site, "MW1");
  EXPECT_EQ(Row(score, "alkalinity"), nullptr);
  ASSERT_NE(LeftOut(score, "alkalinity"), nullptr);
  EXPECT_STREQ(LeftOut(score, "alkalinity")->reason, "not measured in a background well");
  EXPECT_FALSE(score.scored);
  EXPECT_EQ(SolventMissingText(score).find("alkalinity"), std::string::npos);
  EXPECT_EQ(SolventUnscoredText(score).substr(SolventMissingText(score).size()),
            ";pH;CO2;alkalinity;chloride;H2;VFA;BTEX;daughter products");
  // The text the window and the report show names the wells that lack it.
  EXPECT_EQ(SolventBackgroundText(SolventBackgroundFor(site, {})),
            "alkalinity not measured in a background well (upstream MW0)");

  // No well upstream at all, none marked: the reason says so.
  site.wells[0].s = 5.0;
  score = ScoreAt(site, "MW1");
  ASSERT_NE(LeftOut(score, "alkalinity"), nullptr);
  EXPECT_NE(
      std::string(LeftOut(score, "alkalinity")->reason).find("not measured in a background well (no well"),
      std::string::npos);
  EXPECT_EQ(SolventBackgroundText(SolventBackgroundFor(site, {})),
            "no background well: none is marked and none lies upstream of the source");

  // With a background the well's own gap is a row not measured.
  site.wells[0].s = -30.0;
  site.samples = {Alkalinity("MW0", 100.0), {"MW1", kDate, kIndicatorOxygen, 0.2, kUnitMgL, false}};
  score = ScoreAt(site, "MW1");
  EXPECT_NE(SolventMissingText(score).find(";alkalinity;"), std::string::npos) << SolventMissingText(score);
  EXPECT_EQ(LeftOut(score, "alkalinity"), nullptr);
}

TEST(SolventBackground, MarkedWellsReplaceTheUpstreamOnes) {
  SiteData site = Site();
  site.samples = {Alkalinity("MW0", 100.0), Alkalinity("MW2", 300.0), Alkalinity("MW1", 500.0)};
  EXPECT_EQ(Row(ScoreAt(site, "MW1"), "alkalinity")->points, 1);  // against MW0's 100
  const SolventBackground marked = SolventBackgroundFor(site, {"MW2"});
  EXPECT_TRUE(marked.marked);
  EXPECT_EQ(marked.wells, std::vector<std::string>{"MW2"});
  EXPECT_DOUBLE_EQ(marked.alkalinity.value, 300.0);
  EXPECT_EQ(SolventBackgroundText(marked), "alkalinity 300 mg/L (median of the latest values at marked MW2)");
  EXPECT_EQ(Row(ScoreAt(site, "MW1", {"MW2"}), "alkalinity")->points, 0);
  // A marked well without the parameter does not fall back on upstream.
  site.samples[1].analyte = kIndicatorChloride;
  EXPECT_EQ(Row(ScoreAt(site, "MW1", {"MW2"}), "alkalinity"), nullptr);
}

// A dechlorinating plume as the site tables hold it: the redox rows at
// their best, TOC, a warm aquifer, ethene, the daughters of a PCE release,
// chloride and alkalinity well above the upstream water's.
TEST(SolventBackground, ADechlorinatingPlumeWithDaughtersReachesStrongEvidence) {
  const char* pce = "Tetrachloroethene (PCE)";
  const char* tce = "Trichloroethene (TCE)";
  SiteData site = Site();
  auto at = [&](const char* well, const char* analyte, double value, const char* unit = kUnitMgL) {
    site.samples.push_back({well, kDate, analyte, value, unit, false});
  };
  at("MW0", kIndicatorOxygen, 7.5);
  at("MW0", kIndicatorChloride, 10.0);
  at("MW0", kIndicatorAlkalinity, 120.0);
  at("MW1", kIndicatorOxygen, 0.2);
  at("MW1", kIndicatorNitrate, 0.4);
  at("MW1", kIndicatorIron, 2.0);
  at("MW1", kIndicatorSulfate, 5.0);
  at("MW1", kIndicatorSulfide, 1.5);
  at("MW1", kIndicatorMethane, 1.0);
  at("MW1", kIndicatorOrp, -150.0, kUnitMv);
  at("MW1", kIndicatorToc, 30.0);
  at("MW1", kIndicatorTemperature, 22.0, kUnitCelsius);
  at("MW1", "Ethene", 200.0, kUnitUgL);
  at("MW1", kIndicatorChloride, 45.0);
  at("MW1", kIndicatorAlkalinity, 310.0);
  at("MW1", pce, 850.0, kUnitUgL);
  at("MW1", tce, 120.0, kUnitUgL);
  at("MW1", "cis-1,2-Dichloroethene", 300.0, kUnitUgL);
  at("MW1", "Vinyl chloride", 20.0, kUnitUgL);
  DecayChain chain{{pce, tce, "cis-1,2-Dichloroethene", "Vinyl chloride", "Ethene"},
                   {0.79, 0.74, 0.64, 0.45}};
  chain.released = {pce};

  const SolventBackground background = SolventBackgroundFor(site, {});
  SolventScore score;
  for (const RedoxReading& r : ReadRedox(site))
    if (r.well == "MW1")
      score = ScoreSolvent(r.indicators, SolventDaughtersAt(site, {chain}, "MW1", kDate), background);
  // 24 from the redox rows, TOC, temperature and ethene; alkalinity 1;
  // TCE, DCE and VC 2 each.
  EXPECT_EQ(score.total, 31);
  EXPECT_STREQ(SolventReadingWord(score.total), "strong");
  EXPECT_EQ(SolventPointsText(score),
            "O2 3, NO3 2, Fe(II) 3, SO4 2, H2S 3, CH4 3, ORP 2, TOC 2, temperature 1, alkalinity 1, "
            "C2H4/C2H6 3, TCE 2, DCE 2, VC 2");
  EXPECT_TRUE(score.missing.empty());
  // Chloride, measured here and upstream, is still named without points.
  EXPECT_EQ(SolventUnscoredText(score), "pH;CO2;chloride;H2;VFA;BTEX;DCA/chloroethane");
  EXPECT_NE(SolventLeftOutText(score).find("chloride: the points for a chloride above twice background"),
            std::string::npos);
}

// The command line takes the background from the wells upstream of the
// source, and names the rows without points in the CSV.
const char* kWells = "well,s,y,inFit\nMW0,-25,0,no\nMW1,0,0,yes\nMW2,40,0,yes\n";
const char* kLab =
    "well,date,analyte,value,unit,nonDetect\n"
    "MW0,2024-05-02,Oxygen,8.1,mg/L,\nMW0,2024-05-02,KS4.3,95,mg/L,\n"
    "MW1,2024-05-02,Oxygen,0.2,mg/L,\nMW1,2024-05-02,Alkalinity,240,mg/L,\n"
    "MW1,2024-05-02,Chloride,80,mg/L,\n"
    "MW2,2024-05-02,Oxygen,0.3,mg/L,\n";

TEST(SolventBackground, TheCommandLineScoresAgainstTheUpstreamWells) {
  const fs::path dir = fs::temp_directory_path() / ("virelo-solvent-bg-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string project = (dir / "p.vrp").string();
  fs::copy_file(std::string(VIRELO_SOURCE_DIR) + "/examples/worked-example.vrp", project);
  std::ofstream(dir / "wells.csv", std::ios::binary) << kWells;
  std::ofstream(dir / "lab.csv", std::ios::binary) << kLab;
  const CliResult import =
      Cli({"site-import", project, (dir / "wells.csv").string(), (dir / "lab.csv").string()});
  ASSERT_EQ(import.status, kCliOk) << import.err;

  const CliResult csv = Cli({"redox", project, "--csv"});
  ASSERT_EQ(csv.status, kCliOk) << csv.err;
  // MW1: oxygen 3, alkalinity 240 above twice 95 1.
  EXPECT_NE(csv.out.find("\nMW1,2024-05-02,"), std::string::npos) << csv.out;
  EXPECT_NE(csv.out.find(",4,inadequate,NO3;Fe(II);SO4;H2S;CH4;ORP;TOC;temperature;C2H4/C2H6;"
                         "pH;CO2;chloride;H2;VFA;BTEX;daughter products\n"),
            std::string::npos)
      << csv.out;
  // MW2 measured no alkalinity: a row not measured at the well.
  EXPECT_NE(csv.out.find(",3,inadequate,NO3;Fe(II);SO4;H2S;CH4;ORP;TOC;temperature;alkalinity;C2H4/C2H6;"
                         "pH;CO2;chloride;"),
            std::string::npos)
      << csv.out;

  const CliResult text = Cli({"redox", project});
  ASSERT_EQ(text.status, kCliOk) << text.err;
  EXPECT_NE(text.out.find("Solvent screening background: alkalinity 95 mg/L (median of the latest values at "
                          "upstream MW0)\n"),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("  chloride: the points for a chloride above twice background were not confirmed"),
            std::string::npos)
      << text.out;
  fs::remove_all(dir);
}

}  // namespace
