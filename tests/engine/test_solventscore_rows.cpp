// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The screening rows beyond the redox indicators: TOC, temperature and
// ethene/ethane, the rows left out, and how lab tables reach them.
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

Indicator At(double value, bool nonDetect = false) {
  return {true, value, nonDetect};
}

const SolventPoints* Row(const SolventScore& score, const std::string& parameter) {
  for (const SolventPoints& p : score.used)
    if (p.parameter == parameter) return &p;
  return nullptr;
}

int Points(const SolventScore& score, const std::string& parameter) {
  const SolventPoints* row = Row(score, parameter);
  if (!row) ADD_FAILURE() << parameter << " not scored";
  return row ? row->points : 0;
}

// Water that dechlorinates: every redox row at its best, with TOC,
// a warm aquifer and ethene.
RedoxIndicators Dechlorinating() {
  RedoxIndicators in;
  in.oxygen = At(0.2);
  in.nitrateN = At(0.1);
  in.iron = At(2.0);
  in.sulfate = At(5.0);
  in.sulfide = At(1.5);
  in.methane = At(1.0);
  in.orp = At(-150.0);
  in.toc = At(30.0);
  in.temperature = At(22.0);
  in.ethene = At(0.2);
  return in;
}

TEST(SolventScoreRows, ADechlorinatingSiteReachesStrongEvidence) {
  const SolventScore score = ScoreSolvent(Dechlorinating());
  // 3 + 2 + 3 + 2 + 3 + 3 + 2 + TOC 2 + temperature 1 + ethene 3.
  EXPECT_EQ(score.total, 24);
  EXPECT_STREQ(SolventReadingWord(score.total), "strong");
  EXPECT_TRUE(score.missing.empty());
  EXPECT_EQ(SolventPointsText(score),
            "O2 3, NO3 2, Fe(II) 3, SO4 2, H2S 3, CH4 3, ORP 2, TOC 2, temperature 1, C2H4/C2H6 3");
  // Without the new rows the same water stays at the old ceiling.
  RedoxIndicators redoxOnly = Dechlorinating();
  redoxOnly.toc = redoxOnly.temperature = redoxOnly.ethene = Indicator{};
  redoxOnly.doc = At(30.0);
  EXPECT_EQ(ScoreSolvent(redoxOnly).total, 20);
}

TEST(SolventScoreRows, TemperatureAndOrganicCarbonOnTheirThresholds) {
  RedoxIndicators in;
  for (auto [t, points] : {std::pair{20.0, 0}, {20.1, 1}, {-1.0, 0}}) {
    in.temperature = At(t);
    EXPECT_EQ(Points(ScoreSolvent(in), "temperature"), points) << t;
  }
  // A TOC, where measured, decides over the DOC it contains.
  in.doc = At(25.0);
  EXPECT_EQ(Points(ScoreSolvent(in), "DOC"), 2);
  in.toc = At(15.0);
  SolventScore score = ScoreSolvent(in);
  EXPECT_EQ(Points(score, "TOC"), 0);
  EXPECT_EQ(Row(score, "DOC"), nullptr);
  in.toc = At(50.0, true);  // not detected at 50: could be 10
  EXPECT_EQ(Points(ScoreSolvent(in), "TOC"), 0);
}

TEST(SolventScoreRows, EtheneAndEthaneAddUpAndNonDetectsNeverEarn) {
  RedoxIndicators in;
  struct Case {
    Indicator ethene, ethane;
    int points;
    bool nonDetect;
  } cases[] = {
      {At(0.01), {}, 0, false},  // at the threshold: nothing
      {At(0.011), {}, 2, false},
      {At(0.1), {}, 2, false},
      {{}, At(0.15), 3, false},               // ethane alone answers the row
      {At(0.06), At(0.05), 3, false},         // 0.11 together
      {At(0.5, true), {}, 0, true},           // a limit above the threshold earns nothing
      {At(0.005, true), At(0.02), 2, false},  // the detected gas counts, the limit adds nothing
      {At(0.02), At(0.5, true), 2, false},
      {At(0.09, true), At(0.02), 2, false},  // 0.02, not the limit plus 0.02
  };
  for (const Case& c : cases) {
    in.ethene = c.ethene;
    in.ethane = c.ethane;
    const SolventScore score = ScoreSolvent(in);
    const SolventPoints* row = Row(score, "C2H4/C2H6");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->points, c.points) << row->value;
    EXPECT_EQ(row->nonDetect, c.nonDetect) << row->value;
  }
  in.ethene = At(0.011);
  in.ethane = At(0.02);
  EXPECT_DOUBLE_EQ(Row(ScoreSolvent(in), "C2H4/C2H6")->value, 0.031);
}

TEST(SolventScoreRows, EveryRowWithoutPointsIsNamed) {
  const SolventScore none = ScoreSolvent(RedoxIndicators{});
  EXPECT_FALSE(none.scored);
  EXPECT_EQ(SolventMissingText(none), "O2;NO3;Fe(II);SO4;H2S;CH4;ORP;TOC;temperature;C2H4/C2H6");
  EXPECT_EQ(SolventUnscoredText(none),
            "O2;NO3;Fe(II);SO4;H2S;CH4;ORP;TOC;temperature;C2H4/C2H6;"
            "pH;CO2;alkalinity;chloride;H2;VFA;BTEX;daughter products");
  // A measured pH is still a row not scored, with its reason.
  RedoxIndicators in = Dechlorinating();
  in.ph = At(4.5);
  const SolventScore score = ScoreSolvent(in);
  EXPECT_EQ(score.total, 24);
  EXPECT_EQ(SolventUnscoredText(score), "pH;CO2;alkalinity;chloride;H2;VFA;BTEX;daughter products");
  EXPECT_NE(SolventLeftOutText(score).find("pH: the points for a pH outside 5 to 9"), std::string::npos);
}

TEST(SolventScoreRows, DaughtersScoreOnlyWhereAChainSaysWhatWasReleased) {
  const char* pce = "Tetrachloroethene (PCE)";
  const char* tce = "Trichloroethene (TCE)";
  SiteData site;
  site.samples = {{"MW1", "2024-05-02", pce, 850.0, kUnitUgL, false},
                  {"MW1", "2024-05-02", tce, 120.0, kUnitUgL, false},
                  {"MW1", "2024-05-02", "cis-1,2-Dichloroethene", 0.3, kUnitMgL, false},
                  {"MW1", "2024-05-02", "Vinyl chloride", 2.0, kUnitUgL, true},
                  {"MW1", "2024-06-01", tce, 80.0, kUnitUgL, false}};
  DecayChain chain{{pce, tce, "cis-1,2-Dichloroethene", "Vinyl chloride", "Ethene"},
                   {0.79, 0.74, 0.64, 0.45}};
  // Without a record of what was released no daughter row is scored.
  EXPECT_TRUE(SolventDaughtersAt(site, {chain}, "MW1", "2024-05-02").empty());
  EXPECT_EQ(ScoreSolvent(Dechlorinating()).leftOut.back().row, std::string("daughter products"));

  // Released: PCE only. TCE and cis-DCE found are daughters, 2 points each;
  // vinyl chloride not detected earns nothing.
  chain.released = {pce};
  const std::vector<SolventDaughter> daughters = SolventDaughtersAt(site, {chain}, "MW1", "2024-05-02");
  ASSERT_EQ(daughters.size(), 3u);  // each row once, in the order of the table
  EXPECT_EQ(daughters[0].row, "TCE");
  EXPECT_EQ(daughters[1].row, "DCE");
  EXPECT_EQ(daughters[2].row, "VC");
  SolventScore score = ScoreSolvent(Dechlorinating(), SolventDaughtersAt(site, {chain}, "MW1", "2024-05-02"));
  EXPECT_EQ(Points(score, "TCE"), 2);
  EXPECT_EQ(Points(score, "DCE"), 2);
  EXPECT_EQ(Points(score, "VC"), 0);
  EXPECT_TRUE(Row(score, "VC")->nonDetect);
  EXPECT_EQ(score.total, 28);
  EXPECT_EQ(score.leftOut.back().row, std::string("DCA/chloroethane"));
  EXPECT_EQ(SolventUnscoredText(score), "pH;CO2;alkalinity;chloride;H2;VFA;BTEX;DCA/chloroethane");

  // Released: PCE and TCE. TCE earns nothing now.
  chain.released = {pce, tce};
  score = ScoreSolvent(Dechlorinating(), SolventDaughtersAt(site, {chain}, "MW1", "2024-05-02"));
  EXPECT_EQ(Points(score, "TCE"), 0);
  EXPECT_EQ(score.total, 26);
  // The rows read the well's own date: on 2024-06-01 only TCE was measured.
  score = ScoreSolvent(RedoxIndicators{}, SolventDaughtersAt(site, {chain}, "MW1", "2024-06-01"));
  EXPECT_EQ(Points(score, "TCE"), 0);
  EXPECT_EQ(SolventMissingText(score), "O2;NO3;Fe(II);SO4;H2S;CH4;ORP;TOC;temperature;C2H4/C2H6;DCE;VC");
}

// A laboratory export naming the new parameters in German and Dutch:
// pH without a unit, temperature in degrees Celsius, ethene and ethane in
// ug/L, TOC.
const char* kWells = "well,s,y,inFit\nMW1,0,0,yes\nMW2,40,0,yes\n";
const char* kLab =
    "well,date,analyte,value,unit,nonDetect\n"
    "MW1,2024-05-02,Oxygen,0.2,mg/L,\nMW1,2024-05-02,Nitrate,0.5,mg/L,\n"
    "MW1,2024-05-02,Iron(II),3.1,mg/L,\nMW1,2024-05-02,Sulfate,8,mg/L,\n"
    "MW1,2024-05-02,Sulfide,1.4,mg/L,\nMW1,2024-05-02,Methane,1.8,mg/L,\n"
    "MW1,2024-05-02,ORP,-180,mV,\nMW1,2024-05-02,totaal organische koolstof,32,mg/L,\n"
    "MW1,2024-05-02,Wassertemperatur,21.5,\xC2\xB0"
    "C,\nMW1,2024-05-02,pH-Wert,6.8,,\n"
    "MW1,2024-05-02,Ethen,150,ug/L,\nMW1,2024-05-02,ethaan,20,ug/L,\n"
    "MW1,2024-05-02,Chlorid,80,mg/L,\n"
    "MW2,2024-05-02,Oxygen,0.3,mg/L,\nMW2,2024-05-02,zuurgraad,4.5,-,\n"
    "MW2,2024-05-02,Temperatur,12,degC,\nMW2,2024-05-02,Ethene,5,ug/L,true\n";

TEST(SolventScoreRows, LabNamesAndUnitsReachTheScoreAndTheCsvNamesWhatIsMissing) {
  const fs::path dir = fs::temp_directory_path() / ("virelo-solvent-rows-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string project = (dir / "p.vrp").string();
  fs::copy_file(std::string(VIRELO_SOURCE_DIR) + "/examples/worked-example.vrp", project);
  std::ofstream(dir / "wells.csv", std::ios::binary) << kWells;
  std::ofstream(dir / "lab.csv", std::ios::binary) << kLab;
  const CliResult import =
      Cli({"site-import", project, (dir / "wells.csv").string(), (dir / "lab.csv").string()});
  ASSERT_EQ(import.status, kCliOk) << import.err;

  // MW1: 3 + 2 + 3 + 2 + 3 + 3 + 2 + TOC 2 + 21.5 degC 1 + 0.17 mg/L ethene and ethane 3 = 24.
  // MW2: oxygen 3; 12 degC earns nothing; ethene not detected at 5 ug/L earns nothing.
  const CliResult csv = Cli({"redox", project, "--csv"});
  ASSERT_EQ(csv.status, kCliOk) << csv.err;
  const std::string leftOut = "pH;CO2;alkalinity;chloride;H2;VFA;BTEX;daughter products";
  EXPECT_NE(csv.out.find("\nMW1,2024-05-02,ANAEROBIC-MIXED-PLUMES,Fe(II)/H2S,Mn,24,strong," + leftOut + "\n"),
            std::string::npos)
      << csv.out;
  EXPECT_NE(csv.out.find(",3,inadequate,NO3;Fe(II);SO4;H2S;CH4;ORP;TOC;" + leftOut + "\n"), std::string::npos)
      << csv.out;

  const CliResult text = Cli({"redox", project});
  ASSERT_EQ(text.status, kCliOk) << text.err;
  EXPECT_NE(text.out.find("    solvent score 24, strong evidence for reductive dechlorination"),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("  pH: the points for a pH outside 5 to 9 were not confirmed in a source\n"),
            std::string::npos)
      << text.out;
  fs::remove_all(dir);
}

}  // namespace
