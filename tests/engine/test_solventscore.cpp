// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
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

int Points(const SolventScore& score, const std::string& parameter) {
  for (const SolventPoints& p : score.used)
    if (p.parameter == parameter) return p.points;
  ADD_FAILURE() << parameter << " not scored";
  return 0;
}

TEST(SolventScore, EachRowScoresOnItsOwnSideOfItsThreshold) {
  RedoxIndicators in;
  EXPECT_FALSE(ScoreSolvent(in).scored);
  EXPECT_EQ(ScoreSolvent(in).missing.size(), 10u);

  // Oxygen: below 0.5 earns 3, above 5 costs 3; the thresholds themselves earn nothing.
  for (auto [o2, points] : {std::pair{0.49, 3}, {0.5, 0}, {5.0, 0}, {5.01, -3}}) {
    in.oxygen = At(o2);
    EXPECT_EQ(Points(ScoreSolvent(in), "O2"), points) << o2;
  }
  in.oxygen = At(0.5, true);  // not detected at 0.5: below 0.5
  EXPECT_EQ(Points(ScoreSolvent(in), "O2"), 3);
  in.oxygen = At(1.0, true);  // ... at 1: could be 0.7
  EXPECT_EQ(Points(ScoreSolvent(in), "O2"), 0);

  // Nitrate is read as NO3: 0.2 mg/L N is 0.885 mg/L NO3 (2 points),
  // 0.226 mg/L N is 1.0005 mg/L NO3 (none).
  in.nitrateN = At(0.2);
  EXPECT_EQ(Points(ScoreSolvent(in), "NO3"), 2);
  in.nitrateN = At(0.226);
  EXPECT_EQ(Points(ScoreSolvent(in), "NO3"), 0);
  // A nitrate entered as 1 mg/L NO3 and converted to N is 1, not below it.
  in.nitrateN = At(1.0 * kNitrateToN);
  EXPECT_EQ(Points(ScoreSolvent(in), "NO3"), 0);

  // "Above" rows: a non-detect never earns them.
  in.iron = At(1.01);
  in.sulfide = At(1.0);
  in.methane = At(0.51);
  in.doc = At(20.5);
  SolventScore score = ScoreSolvent(in);
  EXPECT_EQ(Points(score, "Fe(II)"), 3);
  EXPECT_EQ(Points(score, "H2S"), 0);
  EXPECT_EQ(Points(score, "CH4"), 3);
  EXPECT_EQ(Points(score, "DOC"), 2);
  in.iron = At(5.0, true);
  EXPECT_EQ(Points(ScoreSolvent(in), "Fe(II)"), 0);

  // ORP: below 50 mV one point, below -100 mV two.
  for (auto [orp, points] : {std::pair{50.0, 0}, {49.0, 1}, {-100.0, 1}, {-101.0, 2}}) {
    in.orp = At(orp);
    EXPECT_EQ(Points(ScoreSolvent(in), "ORP"), points) << orp;
  }
  in.sulfate = At(20.0);
  score = ScoreSolvent(in);
  EXPECT_EQ(Points(score, "SO4"), 0);
  EXPECT_EQ(SolventMissingText(score), "temperature;C2H4/C2H6");
  EXPECT_EQ(SolventPointsText(score), "O2 0, NO3 0, Fe(II) 0, SO4 0, H2S 0, CH4 3, ORP 2, DOC 2");
  EXPECT_EQ(score.total, 7);
}

TEST(SolventScore, TheReadingBandsOfTheTotal) {
  for (auto [total, word] : {std::pair{-3, "inadequate"},
                             {5, "inadequate"},
                             {6, "limited"},
                             {14, "limited"},
                             {15, "adequate"},
                             {20, "adequate"},
                             {21, "strong"}})
    EXPECT_STREQ(SolventReadingWord(total), word) << total;
  EXPECT_EQ(SolventReadingText(9), "limited evidence for reductive dechlorination");
}

// A dry cleaner's plume as the laboratory delivered it: PCE and its
// daughters, O2, nitrate as NO3, Fe(II), sulfate, methane (partly in ug/L),
// ORP and DOC, and no sulfide anywhere.
const char* kDryCleanerWells = "well,s,y,inFit\nMW1,0,0,yes\nMW2,30,1,yes\nMW3,70,-2,yes\n";
const char* kDryCleanerLab =
    "well,date,analyte,value,unit,nonDetect\n"
    "MW1,2024-03-05,PCE,850,ug/L,\nMW2,2024-03-05,PCE,120,ug/L,\nMW3,2024-03-05,PCE,9,ug/L,\n"
    "MW1,2024-03-05,Oxygen,0.3,mg/L,\nMW1,2024-03-05,Nitrate,0.8,mg/L,\n"
    "MW1,2024-03-05,Iron(II),2.5,mg/L,\nMW1,2024-03-05,Sulfate,35,mg/L,\n"
    "MW1,2024-03-05,Methane,2.0,mg/L,\nMW1,2024-03-05,ORP,-120,mV,\nMW1,2024-03-05,DOC,25,mg/L,\n"
    "MW2,2024-03-05,Oxygen,200,ug/L,\nMW2,2024-03-05,Nitrate,0.5,mg/L,true\n"
    "MW2,2024-03-05,Iron(II),50,ug/L,\nMW2,2024-03-05,Sulfate,0.2,mg/L,\nMW2,2024-03-05,Methane,3500,ug/L,\n"
    "MW3,2024-03-05,Oxygen,6.1,mg/L,\nMW3,2024-03-05,Nitrate,12,mg/L,\nMW3,2024-03-05,Iron(II),0.02,mg/L,\n"
    "MW3,2024-03-05,Sulfate,40,mg/L,\n";

TEST(SolventScore, ADryCleanerSiteWithoutSulfideGetsClassesAndScores) {
  const fs::path dir = fs::temp_directory_path() / ("virelo-solvent-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string project = (dir / "p.vrp").string();
  fs::copy_file(std::string(VIRELO_SOURCE_DIR) + "/examples/worked-example.vrp", project);
  std::ofstream(dir / "wells.csv", std::ios::binary) << kDryCleanerWells;
  std::ofstream(dir / "lab.csv", std::ios::binary) << kDryCleanerLab;
  ASSERT_EQ(Cli({"site-import", project, (dir / "wells.csv").string(), (dir / "lab.csv").string()}).status,
            kCliOk);

  // MW1: iron and sulfate without sulfide; O2 3 + NO3 2 + Fe 3 + CH4 3 + ORP 2 + DOC 2 = 15.
  // MW2: sulfate used up and 3.5 mg/L methane; O2 3 + NO3 (< 0.5 NO3) 2 + SO4 2 + CH4 3 = 10.
  // MW3: oxic; O2 above 5 costs 3.
  const char* kLeftOut = "pH;CO2;alkalinity;chloride;H2;VFA;BTEX;daughter products";
  const CliResult csv = Cli({"redox", project, "--csv"});
  ASSERT_EQ(csv.status, kCliOk) << csv.err;
  EXPECT_EQ(csv.out,
            "well,date,class,basis,missing,solventScore,solventReading,solventUnscored\n"
            "MW1,2024-03-05,ANAEROBIC-MIXED-PLUMES,Fe(II);SO4,Mn;H2S,15,adequate," +
                std::string("H2S;temperature;C2H4/C2H6;") + kLeftOut +
                "\n"
                "MW2,2024-03-05,ANAEROBIC-CH4,SO4;CH4,Mn;H2S,10,limited," +
                "H2S;ORP;TOC;temperature;C2H4/C2H6;" + kLeftOut +
                "\n"
                "MW3,2024-03-05,AEROBIC,O2,Mn;H2S;CH4,-3,inadequate," +
                "H2S;CH4;ORP;TOC;temperature;C2H4/C2H6;" + kLeftOut + "\n");

  const CliResult text = Cli({"redox", project});
  ASSERT_EQ(text.status, kCliOk) << text.err;
  EXPECT_NE(
      text.out.find("    solvent score 15, adequate evidence for reductive dechlorination (O2 3, NO3 2, "
                    "Fe(II) 3, SO4 0, CH4 3, ORP 2, DOC 2)\n"),
      std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("    rests on SO4;CH4\n"), std::string::npos) << text.out;
  EXPECT_EQ(text.out.substr(text.out.rfind("Suggested")),
            "Suggested redox condition: ANAEROBIC-MIXED-PLUMES\n");
  fs::remove_all(dir);
}

}  // namespace
