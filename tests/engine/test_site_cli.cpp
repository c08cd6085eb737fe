// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const char* kWells = "well,s,y,inFit\nMW1,0,0,yes\nMW2,20,0,yes\nMW3,40,0,yes\nMW4,60,0,yes\nMW5,80,0,yes\n";
// The textbook line on 2024-05-12, a non-detect at MW5 on an earlier date,
// and indicators of an iron-reducing well.
const char* kLab =
    "well;date;analyte;value;unit;nonDetect\n"
    "MW1;2024-05-12;Benzene;1000;ug/L;\nMW2;2024-05-12;Benzene;420;ug/L;\nMW3;2024-05-12;Benzene;0,2;mg/L;\n"
    "MW4;2024-05-12;Benzene;75;ug/L;\nMW5;2024-05-12;Benzene;40;\xB5g/L;\nMW5;2023-05-12;Benzene;<1;ug/L;\n"
    "MW1;2024-05-12;Oxygen;0,2;mg/L;\nMW1;2024-05-12;Nitrate-N;0,1;mg/L;\nMW1;2024-05-12;Iron(II);3;mg/L;\n"
    "MW1;2024-05-12;Sulfate;20;mg/L;\nMW1;2024-05-12;Sulfide;0,1;mg/L;\n";

class SiteCli : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    // The worked example's aquifer: v = 0.04 m/d, ax = 10 m, Sy = 10 m, x = 100 m.
    CopyExample("worked-example.vrp", "p.vrp");
    Write("wells.csv", kWells);
    Write("lab.csv", kLab);
  }
};

TEST_F(SiteCli, ImportThenDecayTrendAndRedoxGiveTheirTables) {
  // The laboratory table may come before the wells it names.
  const CliResult import = Cli({"site-import", Path("p.vrp"), Path("lab.csv"), Path("wells.csv")});
  ASSERT_EQ(import.status, kCliOk) << import.err;

  const CliResult decay = Cli({"decay", Path("p.vrp"), "--contaminant", "Benzene", "--csv"});
  ASSERT_EQ(decay.status, kCliOk) << decay.err;
  std::istringstream lines(decay.out);
  std::string header, row;
  std::getline(lines, header);
  std::getline(lines, row);
  EXPECT_EQ(
      header,
      "contaminant,date,n,slope,slopeLow,slopeHigh,bulkK,lambda,lambdaLow,lambdaHigh,halfLife,r2,warnings");
  // Slope and interval as mpmath gives them (see the engine's tests); lambda
  // = 0.04/40 ((1 + 20 * 0.0408025912373875)^2 - 1) = 0.00229804423016963 (mpmath).
  EXPECT_EQ(row.rfind("Benzene,2024-05-12,5,-0.0408025912373875", 0), 0u) << row;
  EXPECT_NE(row.find(",-0.04400770171286"), std::string::npos) << row;
  EXPECT_NE(row.find(",0.0022980442301696"), std::string::npos) << row;
  // Its interval, the slope's ends mapped (mpmath): the shallower end gives the lower lambda.
  const size_t low = row.find(",0.00206932745433323"), high = row.find(",0.00253497919253405");
  EXPECT_NE(low, std::string::npos) << row;
  EXPECT_NE(high, std::string::npos) << row;
  EXPECT_LT(low, high) << row;
  EXPECT_EQ(row.back(), ',');  // no warnings

  const CliResult trend = Cli({"trend", Path("p.vrp"), "--csv", "--level", "95"});
  ASSERT_EQ(trend.status, kCliOk) << trend.err;
  EXPECT_EQ(trend.out.substr(0, trend.out.find('\n')),
            "well,contaminant,n,kPoint,kPointLow,kPointHigh,halfLife,mannKendallS,confidence,cov,trend");
  EXPECT_NE(trend.out.find("\nMW5,Benzene,1,"), std::string::npos);  // the non-detect is not counted

  const CliResult redox = Cli({"redox", Path("p.vrp")});
  ASSERT_EQ(redox.status, kCliOk) << redox.err;
  EXPECT_NE(redox.out.find("MW1  2024-05-12  ANAEROBIC-FE"), std::string::npos) << redox.out;
  EXPECT_EQ(redox.out.substr(redox.out.rfind("Suggested")), "Suggested redox condition: ANAEROBIC-FE\n");
  // O2 3 + NO3 (0.1 N is 0.44 NO3) 2 + Fe(II) 3 = 8; sulfate at 20 is not below 20.
  EXPECT_EQ(Cli({"redox", Path("p.vrp"), "--csv"}).out,
            "well,date,class,basis,missing,solventScore,solventReading,solventUnscored\n"
            "MW1,2024-05-12,ANAEROBIC-FE,Fe(II)/H2S,Mn;CH4,8,limited,CH4;ORP;TOC;temperature;C2H4/C2H6;"
            "pH;CO2;alkalinity;chloride;H2;VFA;BTEX;daughter products\n");

  // The tables come back as they went in, in the project's units.
  const CliResult wells = Cli({"site-export", Path("p.vrp"), "--wells"});
  EXPECT_EQ(wells.out,
            "well,s,y,inFit\nMW1,0,0,true\nMW2,20,0,true\nMW3,40,0,true\nMW4,60,0,true\nMW5,80,0,true\n");
  const CliResult samples = Cli({"site-export", Path("p.vrp"), "--samples"});
  EXPECT_NE(samples.out.find("\nMW3,2024-05-12,Benzene,0.20000000000000001,mg/L,false\n"), std::string::npos)
      << samples.out;
  EXPECT_NE(samples.out.find("\nMW5,2023-05-12,Benzene,1,ug/L,true\n"), std::string::npos);
}

TEST_F(SiteCli, RefusalsExitCodesAndAnUnchangedProject) {
  const std::string before = Read(Path("p.vrp"));
  std::ofstream(Path("bad.csv"), std::ios::binary)
      << "well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,3,ppt\nMW2,2024-13-01,Benzene,3,ug/L\n";
  const CliResult bad = Cli({"site-import", Path("p.vrp"), Path("wells.csv"), Path("bad.csv")});
  EXPECT_EQ(bad.status, kCliFailed);
  EXPECT_NE(bad.err.find("bad.csv:2: unit: unknown unit \"ppt\""), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("bad.csv:3: date:"), std::string::npos) << bad.err;
  EXPECT_EQ(Read(Path("p.vrp")), before);

  ASSERT_EQ(Cli({"site-import", Path("p.vrp"), Path("wells.csv"), Path("lab.csv")}).status, kCliOk);
  for (const std::vector<std::string>& usage :
       {std::vector<std::string>{"decay", Path("p.vrp")},
        {"decay", Path("p.vrp"), "--contaminant", "Benzene", "--level", "85"},
        {"decay", Path("p.vrp"), "--contaminant", "Benzene", "--date", "12.05.2024"},
        {"site-export", Path("p.vrp")},
        {"site-export", Path("p.vrp"), "--wells", "--samples"},
        {"site-import", Path("p.vrp")}})
    EXPECT_EQ(Cli(usage).status, kCliUsage) << usage[0] << " " << usage.back();

  // A date with too few points, and a contaminant without samples: no
  // lambda, exit 1, the reason on standard error.
  const CliResult early =
      Cli({"decay", Path("p.vrp"), "--contaminant", "Benzene", "--date", "2023-05-12", "--csv"});
  EXPECT_EQ(early.status, kCliFailed);
  EXPECT_NE(early.err.find("Fewer than three"), std::string::npos) << early.err;
  EXPECT_EQ(Cli({"decay", Path("p.vrp"), "--contaminant", "Toluene"}).status, kCliFailed);
  EXPECT_EQ(Cli({"trend", Path("p.vrp"), "--contaminant", "Toluene"}).status, kCliFailed);

  // --replace drops what was there; without it a conflicting value is refused.
  std::ofstream(Path("other.csv"), std::ios::binary)
      << "well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,999,ug/L\n";
  EXPECT_EQ(Cli({"site-import", Path("p.vrp"), Path("other.csv")}).status, kCliFailed);
  EXPECT_EQ(Cli({"site-import", Path("p.vrp"), Path("wells.csv"), Path("other.csv"), "--replace"}).status,
            kCliOk);
  EXPECT_EQ(Cli({"site-export", Path("p.vrp"), "--samples"}).out,
            "well,date,analyte,value,unit,nonDetect\nMW1,2024-05-12,Benzene,999,ug/L,false\n");
}

// use-decay takes the fit decay gives, and writes lambda, its source and its
// interval; a fit with warnings or a contaminant the project lacks leaves
// the file as it was.
TEST_F(SiteCli, UseDecaySetsTheFitsLambdaOrRefusesNamingTheWarnings) {
  ASSERT_EQ(Cli({"site-import", Path("p.vrp"), Path("wells.csv"), Path("lab.csv")}).status, kCliOk);
  std::string before = Read(Path("p.vrp"));
  const CliResult early =
      Cli({"use-decay", Path("p.vrp"), "--contaminant", "Benzene", "--date", "2023-05-12"});
  EXPECT_EQ(early.status, kCliFailed);
  EXPECT_NE(early.err.find("Fewer than three detected values at different distances on 2023-05-12"),
            std::string::npos)
      << early.err;
  EXPECT_EQ(Read(Path("p.vrp")), before);
  EXPECT_EQ(Cli({"use-decay", Path("p.vrp"), "--contaminant", "Toluene"}).status, kCliFailed);
  EXPECT_EQ(Cli({"use-decay", Path("p.vrp"), "--contaminant", "Benzene", "--level", "85"}).status, kCliUsage);
  EXPECT_EQ(Cli({"use-decay", Path("p.vrp")}).status, kCliUsage);
  EXPECT_EQ(Read(Path("p.vrp")), before);

  const CliResult used = Cli({"use-decay", Path("p.vrp"), "--contaminant", "Benzene", "--level", "95"});
  ASSERT_EQ(used.status, kCliOk) << used.err;
  ProjectHandle project(virelo_LoadProject(Path("p.vrp").c_str(), "rb"));
  ASSERT_TRUE(project);
  const Contaminant* benzene = nullptr;
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::string(project->contaminants[k].name) == "Benzene") benzene = &project->contaminants[k];
  ASSERT_TRUE(benzene);
  EXPECT_EQ(benzene->lambdaSelected, kLambdaUser);
  // The value decay prints (mpmath, see above), and its 95 % interval.
  EXPECT_NEAR(benzene->lambdaUser, 0.00229804423016963, 1e-15);
  const ProjectSettings& settings = virelo_SettingsOf(*project);
  EXPECT_EQ(LambdaSourceOf(settings, "Benzene")
                .rfind("site wells MW1\xE2\x80\x93MW5, 2024-05-12, Buscheck\xE2\x80\x93"
                       "Alcantar, 95 % interval ",
                       0),
            0u)
      << LambdaSourceOf(settings, "Benzene");
  ASSERT_EQ(settings.lambdaIntervals.count("Benzene"), 1u);
  const SiteLambdaInterval& interval = settings.lambdaIntervals.at("Benzene");
  EXPECT_EQ(interval.level, 95);
  EXPECT_EQ(interval.lambda, benzene->lambdaUser);
  EXPECT_LT(interval.low, 0.00206932745433323);  // wider than the 90 % interval
  EXPECT_GT(interval.high, 0.00253497919253405);
}

// A well whose concentration stays level has a point rate of 0, printed so.
TEST_F(SiteCli, ALevelSeriesPrintsRateZero) {
  std::ofstream(Path("level.csv"), std::ios::binary)
      << "well,date,analyte,value,unit\nMW1,2020-01-01,Benzene,17.3,ug/L\nMW1,2020-06-01,Benzene,17.3,ug/L\n"
         "MW1,2021-01-01,Benzene,0.0173,mg/L\nMW1,2021-06-01,Benzene,17.3,ug/L\n";
  ASSERT_EQ(Cli({"site-import", Path("p.vrp"), Path("wells.csv"), Path("level.csv")}).status, kCliOk);
  const CliResult trend = Cli({"trend", Path("p.vrp"), "--csv"});
  ASSERT_EQ(trend.status, kCliOk) << trend.err;
  EXPECT_NE(trend.out.find("\nMW1,Benzene,4,0,"), std::string::npos) << trend.out;
  EXPECT_EQ(trend.out.find("-0,"), std::string::npos) << trend.out;
}

// A bad table among several is not forgotten because good ones follow it,
// whichever place it has; a bad row is named once, and nothing is written.
TEST_F(SiteCli, ABadTableIsNotForgottenWhenGoodOnesFollow) {
  const std::string before = Read(Path("p.vrp"));
  std::ofstream(Path("bad.csv"), std::ios::binary)
      << "well,date,analyte,value,unit\nMW1,2024-05-12,Toluene,3,ppt\n";
  std::ofstream(Path("badwells.csv"), std::ios::binary) << "well,s\nMW7,far\n";
  const std::vector<std::vector<std::string>> orders = {
      {Path("bad.csv"), Path("wells.csv"), Path("lab.csv")},
      {Path("wells.csv"), Path("bad.csv"), Path("lab.csv")},
      {Path("badwells.csv"), Path("wells.csv"), Path("lab.csv")},
      {Path("wells.csv"), Path("lab.csv"), Path("badwells.csv")},
  };
  for (const auto& tables : orders) {
    std::vector<std::string> args = {"site-import", Path("p.vrp")};
    args.insert(args.end(), tables.begin(), tables.end());
    const CliResult run = Cli(args);
    EXPECT_EQ(run.status, kCliFailed) << tables[0];
    const bool wells = tables[0] == Path("badwells.csv") || tables[2] == Path("badwells.csv");
    const std::string named = wells ? "badwells.csv:2: s:" : "bad.csv:2: unit:";
    const size_t at = run.err.find(named);
    EXPECT_NE(at, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(named, at + 1), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("is left unchanged"), std::string::npos) << run.err;
    EXPECT_EQ(Read(Path("p.vrp")), before);
  }
  // The good tables alone are taken.
  ASSERT_EQ(Cli({"site-import", Path("p.vrp"), Path("wells.csv"), Path("lab.csv")}).status, kCliOk);
  EXPECT_NE(Read(Path("p.vrp")), before);
}

TEST_F(SiteCli, JsonCarriesTheSiteDataAndTheFileKeepsThemExactly) {
  ASSERT_EQ(Cli({"site-import", Path("p.vrp"), Path("wells.csv"), Path("lab.csv")}).status, kCliOk);
  const CliResult exported = Cli({"project-export", Path("p.vrp")});
  ASSERT_EQ(exported.status, kCliOk);
  EXPECT_NE(exported.out.find("\"site\": {"), std::string::npos);
  EXPECT_NE(exported.out.find("\"nonDetect\": true"), std::string::npos);
  std::ofstream(Path("p.json"), std::ios::binary) << exported.out;
  ASSERT_EQ(Cli({"project-import", Path("p.json"), Path("q.vrp")}).status, kCliOk);
  EXPECT_EQ(Cli({"project-export", Path("q.vrp")}).out, exported.out);
  EXPECT_EQ(Read(Path("q.vrp")), Read(Path("p.vrp")));

  // Loaded from the file, every sample is what was imported.
  Project* loaded = virelo_LoadProject(Path("p.vrp").c_str(), "rb");
  ASSERT_NE(loaded, nullptr);
  const SiteData& site = virelo_ExtrasOf(*loaded).site;
  ASSERT_EQ(site.samples.size(), 11u);
  EXPECT_EQ(site.samples[2], (SiteSample{"MW3", "2024-05-12", "Benzene", 0.2, "mg/L", false}));
  EXPECT_EQ(site.samples[5], (SiteSample{"MW5", "2023-05-12", "Benzene", 1.0, "ug/L", true}));
  virelo_FreeProject(loaded);

  // JSON that breaks the rules of the tables is refused by the same rules.
  struct Case {
    const char* from;
    const char* to;
  } cases[] = {{"\"well\": \"MW2\"", "\"well\": \"MW9\""},
               {"\"date\": \"2024-05-12\"", "\"date\": \"2024-02-30\""},
               {"\"unit\": \"mg/L\"", "\"unit\": \"ppm\""},
               {"\"value\": 1000.0", "\"value\": -1000.0"},
               {"\"inFit\": true", "\"inFit\": 1"},
               // Keys a well or a sample does not know, beside complete ones.
               {"\"inFit\": true", "\"inFit\": true, \"depth\": 3"},
               {"\"nonDetect\": true", "\"nonDetect\": true, \"lab\": \"A\""}};
  for (const Case& c : cases) {
    std::string json = exported.out;
    const size_t at = json.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    json.replace(at, std::string(c.from).size(), c.to);
    std::ofstream(Path("bad.json"), std::ios::binary) << json;
    const CliResult refused = Cli({"project-import", Path("bad.json"), Path("r.vrp")});
    EXPECT_EQ(refused.status, kCliFailed) << c.to;
    EXPECT_NE(refused.err.find("/site/"), std::string::npos) << refused.err;
  }
}

}  // namespace
