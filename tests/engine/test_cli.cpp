// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/breakeven.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "persistence/csv.h"
#include "persistence/database.h"
#include "persistence/filekind.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/example_projects.h"

namespace fs = std::filesystem;

namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
  std::string engine;  // what the engine printed to C standard output
};

CliRun RunArgs(std::vector<std::string> args) {
  args.insert(args.begin(), "virelo-cli");
  std::ostringstream out, err;
  testing::internal::CaptureStdout();
  const int status = RunCli(args, out, err);
  const std::string engine = testing::internal::GetCapturedStdout();
  return {status, out.str(), err.str(), engine};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class CliTest : public ProjectFilesTest {
 protected:
};

const std::string kSource = VIRELO_SOURCE_DIR;
const std::string kWorkedExample = kSource + "/examples/worked-example.vrp";
const std::string kSiteExample = kSource + "/examples/fuel-depot.vrp";
const std::string kHeader =
    "group,name,literaturePlumeLength,literatureEntries,lambdaUnknown,lambdaAerobic,lambdaNitrate,lambdaIron,"
    "lambdaSulfate,lambdaMixedPlumes,lambdaMethane,source\n";

// The CSV rows of `assess --csv` as fields, header excluded. Every row is
// made as wide as the header, so that a short row fails the test here
// instead of a column being read past its end.
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  const CsvTable table = ParseCsv(text);
  EXPECT_TRUE(table.ok);
  const size_t columns = table.records.empty() ? 0 : table.records[0].fields.size();
  std::vector<std::vector<std::string>> rows;
  for (size_t k = 1; k < table.records.size(); ++k) {
    rows.push_back(table.records[k].fields);
    EXPECT_EQ(rows.back().size(), columns) << "row " << k;
    rows.back().resize(columns);
  }
  return rows;
}

// ---------------------------------------------------------------------------
// Command line

TEST_F(CliTest, UsageErrorsExitTwoWithAHintOnStandardError) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"frobnicate"},
      {"assess"},
      {"assess", "a.vrp", "b.vrp"},
      {"assess", "a.vrp", "--plume-range", "4"},
      {"assess", "a.vrp", "--af-range"},
      {"assess", "a.vrp", "--af-range=x"},
      {"assess", "a.vrp", "--colour"},
      {"db-export", "a.vrc", "--csv"},  // --csv belongs to assess
      {"db-import", "only-one.csv"},
      {"profile", kWorkedExample},
      {"profile", kWorkedExample, "--contaminant", "benzene"},  // names match exactly
      {"profile", kWorkedExample, "--contaminant", "Benzene", "--points", "0"},
      {"profile", kWorkedExample, "--contaminant", "Benzene", "--points", "2x"},
      {"profile", kWorkedExample, "--contaminant", "Benzene", "--to", "0"},
  };
  for (const auto& args : bad) {
    const CliRun run = RunArgs(args);
    EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
    EXPECT_EQ(run.err.rfind("virelo-cli: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.substr(run.err.find('\n') + 1), "see virelo-cli --help\n") << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(CliTest, HelpAndVersion) {
  CliRun run = RunArgs({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, CliUsage());
  EXPECT_NE(run.out.find("0,1  < ... < 10,0"), std::string::npos);
  run = RunArgs({"assess", "x.vrp", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  run = RunArgs({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "virelo-cli 1.0.0.1\n");
}

TEST_F(CliTest, LoadFailuresSayWhyOnStandardErrorAndExitOne) {
  // One plain line first, then the engine's own report; nothing on either
  // standard output, so a redirected table stays clean.
  const std::string missing = Path("missing.vrp");
  CliRun run = RunArgs({"assess", missing, "--csv"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "virelo-cli: cannot read " + missing +
                         ": No such file or directory\n"
                         "Error in Module virelo_LoadProject - UID=0 - ErrNo=0\nMessage:\nError opening: \"" +
                         missing + "\"\n\n");
  EXPECT_EQ(run.out + run.engine, "");

  WriteFile(Path("other.vrp"), "VIRELO 2.0 and then some more bytes");
  run = RunArgs({"assess", Path("other.vrp"), "--csv"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("virelo-cli: cannot read " + Path("other.vrp") + ": " + Path("other.vrp") +
                              " is not a Virelo file\nError in Module virelo_LoadProject",
                          0),
            0u)
      << run.err;
  EXPECT_NE(run.err.find("This is not a VIRELO 1.0 Projectfile!"), std::string::npos);
  EXPECT_EQ(run.out + run.engine, "");

  // A database given as a project and a project given as a database.
  fs::copy_file(std::string(VIRELO_BINARY_DIR) + "/generic.vrc", Path("generic.vrc"));
  run = RunArgs({"assess", Path("generic.vrc")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "virelo-cli: cannot read " + Path("generic.vrc") + ": " +
                                                       Path("generic.vrc") +
                                                       " is a contaminant database, not a project");
  EXPECT_EQ(run.out + run.engine, "");
  run = RunArgs({"db-export", kWorkedExample});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "virelo-cli: cannot read " + kWorkedExample + ": " +
                                                       kWorkedExample +
                                                       " is a project, not a contaminant database");
  EXPECT_EQ(run.out + run.engine, "");

  run = RunArgs({"db-export", Path("missing.vrc")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.err.rfind("virelo-cli: cannot read " + Path("missing.vrc") + ": No such file or directory\n", 0),
      0u);
  EXPECT_NE(run.err.find("Error opening generic data: "), std::string::npos);
  EXPECT_EQ(run.out + run.engine, "");
}

// ---------------------------------------------------------------------------
// assess

TEST_F(CliTest, WorkedExampleAsTable) {
  const CliRun run = RunArgs({"assess", kWorkedExample});
  ASSERT_EQ(run.status, 0) << run.err << run.engine;
  EXPECT_EQ(run.engine, "");
  EXPECT_NE(run.out.find("Project: Worked example\n"), std::string::npos);
  EXPECT_NE(run.out.find("0,3  < ... < 2,0"), std::string::npos);
  // d "%.2f", d/x "%.7f"; AF and C0/C "%.7f", C0/C in exponent form below 1e-7 only.
  // The verdict follows; nothing made it worse than the class, so no "Why".
  EXPECT_NE(run.out.find("Benzene      Green     18.42             0.1842068         Green\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Benzene      Green     279849.3986038    0.0003573         Green\n"),
            std::string::npos)
      << run.out;
  EXPECT_LT(run.out.find("Plume length\n"), run.out.find("Attenuation factor\n"));
  // The legend states the rule the classification applies to C0 / C.
  EXPECT_NE(run.out.find("Green C0 <= 0.3 C, Yellow 0.3 C < C0 <= 2.0 C, Red C0 > 2.0 C\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("AF                C0/C              Verdict   Why\n"), std::string::npos)
      << run.out;
}

TEST_F(CliTest, WorkedExampleAsCsv) {
  const CliRun run = RunArgs({"assess", kWorkedExample, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err << run.engine;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
            "name,assessment,class,plumeLength,plumeLengthRatio,relativeConcentration,attenuationFactor,"
            "receptorConcentration,acceptableSourceConcentration,sourceRatio,problems,"
            "exactRelativeConcentration,exactSourceRatio,exactClass,"
            "receptorConcentrationExact,targetConcentration,verdictBasis,verdict,"
            "chainClass,chainValue,wellsClass,wellsConcentration,reasons,targetOrigin\n");
  const auto rows = CsvRows(run.out);
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(rows[0].size(), 24u);
  EXPECT_EQ(rows[0][0], "Benzene");
  EXPECT_EQ(rows[0][1], "PL");
  EXPECT_EQ(rows[0][2], "Green");
  EXPECT_NEAR(std::stod(rows[0][3]), 18.4207, 1e-4);
  EXPECT_NEAR(std::stod(rows[0][4]), 0.184207, 1e-6);
  for (int k = 5; k <= 16; ++k) EXPECT_EQ(rows[0][k], "") << k;   // the other assessment's columns
  EXPECT_EQ(rows[0][17], "Green");                                // the verdict, without a basis
  for (int k = 18; k <= 23; ++k) EXPECT_EQ(rows[0][k], "") << k;  // no chain, wells, reason or target

  EXPECT_EQ(rows[1][1], "AF");
  EXPECT_EQ(rows[1][2], "Green");
  EXPECT_EQ(rows[1][3], "");
  EXPECT_EQ(rows[1][4], "");
  EXPECT_NEAR(std::stod(rows[1][5]), 3.57335e-6, 1e-10);
  EXPECT_NEAR(std::stod(rows[1][6]), 279849.4, 0.05);
  EXPECT_NEAR(std::stod(rows[1][7]), 3.57335e-4, 1e-8);
  EXPECT_NEAR(std::stod(rows[1][8]), 279849.4, 0.05);
  EXPECT_NEAR(std::stod(rows[1][9]), 3.57335e-4, 1e-8);
  // %.17g: the printed number is the computed double.
  EXPECT_EQ(rows[1][6], "279849.39860383293");
  EXPECT_NEAR(std::stod(rows[1][11]), 7.2036515e-6, 1e-12);
  EXPECT_NEAR(std::stod(rows[1][12]), 7.2036515e-4, 1e-10);
  EXPECT_EQ(rows[1][13], "Green");
  // C0 = 100 at the source: the exact solution predicts 7.2e-4 at the
  // receptor; without saved settings the verdict is the screening one.
  EXPECT_NEAR(std::stod(rows[1][14]), 7.2036515e-4, 1e-10);
  EXPECT_EQ(rows[1][15], rows[1][8]);
  EXPECT_EQ(rows[1][16], "screening");
  EXPECT_EQ(rows[1][17], "Green");
  for (int k = 18; k <= 22; ++k) EXPECT_EQ(rows[1][k], "") << k;
  EXPECT_EQ(rows[1][23], "from the models");
}

// A project's saved ranges and verdict basis are used unless an option says
// otherwise; the verdict columns follow the basis.
TEST_F(CliTest, SavedSettingsChooseRangesAndVerdict) {
  auto saveWith = [&](const std::string& name, VerdictBasis basis) {
    Project* project = virelo_LoadProject(kSiteExample.c_str(), "rb");
    EXPECT_NE(project, nullptr);
    ProjectSettings& settings = virelo_Extras(project).settings;
    settings.plumeRange = 2;
    settings.afRange = 3;
    settings.verdictBasis = basis;
    EXPECT_EQ(virelo_SaveProject(project, Path(name).c_str()), 1);
    virelo_FreeProject(project);
    return Path(name);
  };
  const std::string exact = saveWith("exact.vrp", VerdictBasis::Exact);
  const std::string worse = saveWith("worse.vrp", VerdictBasis::Worse);
  auto leading = [](const std::string& csv) {  // the columns that do not depend on the basis
    std::vector<std::vector<std::string>> rows = CsvRows(csv);
    for (auto& row : rows) row.resize(15);
    return rows;
  };
  const std::string explicitRanges =
      RunArgs({"assess", kSiteExample, "--csv", "--plume-range", "2", "--af-range", "3"}).out;
  EXPECT_EQ(leading(RunArgs({"assess", exact, "--csv"}).out), leading(explicitRanges));
  EXPECT_EQ(leading(RunArgs({"assess", exact, "--csv", "--af-range", "0"}).out),
            leading(RunArgs({"assess", kSiteExample, "--csv", "--plume-range", "2"}).out));
  EXPECT_EQ(RunArgs({"breakeven", worse, "--csv"}).out,
            RunArgs({"breakeven", kSiteExample, "--csv", "--plume-range=2", "--af-range=3"}).out);
  EXPECT_NE(RunArgs({"assess", worse}).out.find("Attenuation factor range 3"), std::string::npos);

  auto rank = [](const std::string& cls) { return cls == "Red" ? 1 : cls == "Yellow" ? 2 : 3; };
  int verdicts = 0;
  for (const std::string& file : {exact, worse}) {
    const bool isExact = file == exact;
    for (const auto& row : CsvRows(RunArgs({"assess", file, "--csv"}).out)) {
      if (row[13].empty()) {  // no exact value: no verdict columns but a PL row's verdict
        for (int k = 14; k <= 16; ++k) EXPECT_EQ(row[k], "") << row[0] << " " << k;
        EXPECT_EQ(row[17], row[1] == "PL" && row[2] != "Problems" ? row[2] : "") << row[0];
        continue;
      }
      ++verdicts;
      const double relative = std::stod(row[5]), exactRelative = std::stod(row[11]);
      const double target = std::stod(row[8]), c0 = std::stod(row[7]) / relative;
      const double exactTarget = target * relative / exactRelative;  // CA / exact C/C0
      EXPECT_NEAR(std::stod(row[14]), c0 * exactRelative, 1e-12 * c0 * exactRelative) << row[0];
      EXPECT_EQ(row[16], isExact ? "exact" : "worse");
      if (isExact) {
        EXPECT_EQ(row[17], row[13]) << row[0];
        EXPECT_NEAR(std::stod(row[15]), exactTarget, 1e-12 * exactTarget) << row[0];
      } else {
        EXPECT_EQ(row[17], rank(row[2]) < rank(row[13]) ? row[2] : row[13]) << row[0];
        EXPECT_NEAR(std::stod(row[15]), std::min(target, exactTarget), 1e-12 * target) << row[0];
      }
    }
  }
  EXPECT_GE(verdicts, 8);  // four attenuation-factor rows with values, in each file
}

TEST_F(CliTest, ProfileAlongTheCentreLine) {
  const auto assessed = CsvRows(RunArgs({"assess", kWorkedExample, "--csv"}).out);
  CliRun run =
      RunArgs({"profile", kWorkedExample, "--contaminant", "Benzene", "--points", "4", "--to=200", "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "s,screening,exact\n");
  const auto rows = CsvRows(run.out);
  ASSERT_EQ(rows.size(), 4u);
  ASSERT_EQ(assessed.size(), 2u);
  ASSERT_EQ(assessed[1].size(), AssessCsvColumns().size());
  EXPECT_EQ(rows[0][0], "50");
  // At the receptor both curves print the assessment's own values.
  EXPECT_EQ(rows[1], (std::vector<std::string>{"100", assessed[1][5], assessed[1][11]}));

  run = RunArgs({"profile", kWorkedExample, "--contaminant", "Benzene", "--csv"});
  const auto byDefault = CsvRows(run.out);
  ASSERT_EQ(byDefault.size(), 200u);
  ASSERT_FALSE(byDefault.back().empty());  // 200 points up to twice x
  EXPECT_EQ(byDefault.back()[0], "200");
  run = RunArgs({"profile", kWorkedExample, "--contaminant", "Benzene"});
  EXPECT_NE(run.out.find("exact/screening"), std::string::npos) << run.out;

  run = RunArgs({"profile", kSiteExample, "--contaminant", "Vinyl chloride"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("problem 30: You have to set/select a lambda"), std::string::npos) << run.err;
}

TEST_F(CliTest, RangeOptionsChooseTheClassification) {
  auto classes = [](const CliRun& run) {
    std::vector<std::string> out;
    for (const auto& row : CsvRows(run.out)) out.push_back(row[0] + " " + row[1] + " " + row[2]);
    return out;
  };
  const std::vector<std::string> byDefault = classes(RunArgs({"assess", kSiteExample, "--csv"}));
  const std::vector<std::string> expected = {
      "Benzene PL Yellow",          "Toluene PL Green",      "MTBE PL Red",
      "Vinyl chloride PL Problems", "Naphthalene PL Yellow", "Benzene AF Green",
      "Toluene AF Green",           "MTBE AF Yellow",        "Trichloroethene (TCE) AF Red",
      "Naphthalene AF Green"};
  EXPECT_EQ(byDefault, expected);

  // Range 2 (0.1 to 10): MTBE's plume (d/x 3.07) becomes yellow, naphthalene's
  // C0/C of 0.2002 lies above 0.1; range 3 (0.2 to 5) keeps TCE (C0/C 7.47) red
  // and turns naphthalene, just above 0.2, yellow.
  const auto wide = classes(RunArgs({"assess", kSiteExample, "--csv", "--plume-range", "2", "--af-range=2"}));
  ASSERT_EQ(wide.size(), expected.size());
  EXPECT_EQ(wide[2], "MTBE PL Yellow");
  EXPECT_EQ(wide[9], "Naphthalene AF Yellow");
  const auto third = classes(RunArgs({"assess", "--af-range", "3", kSiteExample, "--csv"}));
  ASSERT_EQ(third.size(), expected.size());
  EXPECT_EQ(third[2], "MTBE PL Red");
  EXPECT_EQ(third[8], "Trichloroethene (TCE) AF Red");
  EXPECT_EQ(third[9], "Naphthalene AF Yellow");

  const CliRun table = RunArgs({"assess", kSiteExample, "--plume-range", "1"});
  EXPECT_NE(table.out.find("Plume length range 1 (0,5  < ... < 2,0): Green d <= 0.5 x"), std::string::npos);
  EXPECT_NE(table.out.find("Attenuation factor range 0 (0,3  < ... < 2,0)"), std::string::npos);
}

TEST_F(CliTest, ProblemsListAquiferCodesFirst) {
  Project* project = virelo_LoadProject(kWorkedExample.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  project->aquifer.setMask &= ~(kAquiferSz | kAquiferSy);
  for (int k = 0; k < project->contaminantCount; ++k) {
    if (project->contaminants[k].assess) virelo_ClearContaminantValue(&project->contaminants[k], kValueC0);
  }
  const std::string path = Path("problems.vrp");
  ASSERT_EQ(virelo_SaveProject(project, path.c_str()), 1);
  virelo_FreeProject(project);

  CliRun run = RunArgs({"assess", path, "--csv"});
  ASSERT_EQ(run.status, 0);
  const auto rows = CsvRows(run.out);
  ASSERT_EQ(rows.size(), 2u);
  // No verdict and no evidence: every column but the problems is empty.
  EXPECT_EQ(rows[0],
            (std::vector<std::string>{"Benzene", "PL", "Problems", "", "", "", "", "", "", "", "10 20", "",
                                      "",        "",   "",         "", "", "", "", "", "", "", "",      ""}));
  EXPECT_EQ(rows[1], (std::vector<std::string>{"Benzene", "AF", "Problems",  "", "", "", "", "",
                                               "",        "",   "580 10 20", "", "", "", "", "",
                                               "",        "",   "",          "", "", "", "", ""}));

  run = RunArgs({"assess", path});
  const size_t af = run.out.find("Attenuation factor\n");
  ASSERT_NE(af, std::string::npos);
  const std::string afPart = run.out.substr(af);
  EXPECT_NE(afPart.find(
                "Benzene      Problems\n"
                "    problem 580: You have to set Sz and Sy (width and thickness of plume) for the aquifer!\n"
                "    problem 10: You didn't set a C0 (concentration at source) > 0.0  for the contaminant!\n"
                "    problem 20: You need a CA  (accepted concentration at receptor) > 0.0 and <=C0 for the "
                "contaminant!\n"),
            std::string::npos)
      << afPart;

  // A negative dispersivity: no verdict for the attenuation factor, only 590.
  project = virelo_LoadProject(kWorkedExample.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  project->aquifer.dispersivityAz = -0.1;
  ASSERT_EQ(virelo_SaveProject(project, path.c_str()), 1);
  virelo_FreeProject(project);
  const auto negative = CsvRows(RunArgs({"assess", path, "--csv"}).out);
  ASSERT_EQ(negative.size(), 2u);
  EXPECT_NE(negative[0][2], "Problems");
  EXPECT_EQ(negative[1],
            (std::vector<std::string>{"Benzene", "AF", "Problems", "", "", "", "", "", "", "", "590", "",
                                      "",        "",   "",         "", "", "", "", "", "", "", "",    ""}));
}

TEST_F(CliTest, NothingAssessed) {
  Project* project = virelo_LoadProject(kWorkedExample.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  for (int k = 0; k < project->contaminantCount; ++k) project->contaminants[k].assess = 0;
  const std::string path = Path("idle.vrp");
  ASSERT_EQ(virelo_SaveProject(project, path.c_str()), 1);
  virelo_FreeProject(project);

  CliRun run = RunArgs({"assess", path, "--csv"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);  // the header alone
  run = RunArgs({"assess", path});
  EXPECT_NE(run.out.find("No contaminant is marked for assessment."), std::string::npos);
}

TEST_F(CliTest, TheBuiltProgramWritesUtf8Names) {
  // A name with Latin-1 letters, through the real executable and its pipes.
  WriteFile(Path("db.csv"), kHeader + "Other,\xC3\x84thylbenzol,,,0.01,,,,,,,\n");
  const std::string command = std::string(VIRELO_CLI_PATH) + " db-import '" + Path("db.csv") + "' '" +
                              Path("db.vrc") + "' && " + VIRELO_CLI_PATH + " db-export '" + Path("db.vrc") +
                              "'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0);
  // Beside the built program lies the bundled table, which does not know it.
  EXPECT_EQ(output,
            kHeader + "Other,\xC3\x84thylbenzol,,,0.01,,,,,,,\"lambdaUnknown: edited value, no source\"\n");
}

// ---------------------------------------------------------------------------
// db-import and db-export

TEST_F(CliTest, ImportRefusesUnreadableRowsAndWritesNothing) {
  const std::string longName(100, 'n');
  WriteFile(Path("bad.csv"), kHeader +                                    // line 1
                                 "BTEX,Benzene,,,0.001,,,,,,,fine\n"      // 2
                                 "Metals,Lead,,,,,,,,,,unknown group\n"   // 3
                                 "BTEX,Toluene,12x,,,,,,,,,bad number\n"  // 4
                                 "BTEX," +
                                 longName +
                                 ",,,,,,,,,,too long\n"                // 5
                                 "BTEX,Xylenes,,,,,\n"                 // 6: missing columns
                                 "\n"                                  // 7: blank, skipped
                                 "BTEX,Euro\xE2\x82\xAC,,,,,,,,,,\n"   // 8: not Latin-1
                                 "BTEX,Ethylbenzene,,2.5,,,,,,,,\n"    // 9: entries not whole
                                 "BTEX,A,,,-0.5,,,,,,,\n"              // 10
                                 "BTEX,B,,,,0,,,,,,\n"                 // 11
                                 "BTEX,C,,,,,nan,,,,,\n"               // 12
                                 "BTEX,D,,,,,,inf,,,,\n"               // 13
                                 "BTEX,E,-1,,,,,,,,,\n"                // 14
                                 "BTEX,F,,-3,,,,,,,,\n"                // 15
                                 "BTEX, ,,,0.1,,,,,,,\n"               // 16
                                 "BTEX,Benzene,,,0.002,,,,,,,\n"       // 17
                                 "PAH,Benzene,,,,,,,,,,other group\n"  // 18
                                 "PAH,Anthracene,1e400,,,,,,,,,\n"     // 19: beyond a double
                                 "PAH,Pyrene,,,,-0.002,,,,,,\n"        // 20: a negative decay constant
                                 "PAH,\"Naphthalene,,,,,,,,,,\n");     // 21: open quote
  // An existing database stays as it was.
  const std::string out = Path("out.vrc");
  fs::copy_file(std::string(VIRELO_BINARY_DIR) + "/generic.vrc", out);
  const std::string before = ReadFile(out);
  const CliRun run = RunArgs({"db-import", Path("bad.csv"), out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.err.substr(0, run.err.find('\n')),
      "virelo-cli: cannot read " + Path("bad.csv") + ": some rows are not sound; nothing written to " + out);
  for (const char* line :
       {":3: unknown group \"Metals\"", ":4: literaturePlumeLength", ":5: the name has 100",
        ":6: missing column", ":8: column 10: the character \"\xE2\x82\xAC\" (U+20AC) is outside Latin-1",
        ":9: literatureEntries", ":10: lambdaUnknown: \"-0.5\" is not above 0",
        ":11: lambdaAerobic: \"0\" is not above 0", ":12: lambdaNitrate: \"nan\" is not a number",
        ":13: lambdaIron: \"inf\" is not a number", ":14: literaturePlumeLength: \"-1\" is below 0",
        ":15: literatureEntries: \"-3\"", ":16: the name is empty",
        ":17: \"Benzene\" appears twice in the group BTEX, on lines 2 and 17", ":21: unterminated quote",
        ":19: literaturePlumeLength: \"1e400\" is not a number",
        ":20: lambdaAerobic: \"-0.002\" is not above 0"}) {
    EXPECT_NE(run.err.find(line), std::string::npos) << line << "\n" << run.err;
  }
  for (const char* line : {":2:", ":7:", ":18:"}) EXPECT_EQ(run.err.find(line), std::string::npos) << line;
  EXPECT_EQ(ReadFile(out), before);

  // A table whose header lacks a value column cannot be read at all.
  WriteFile(Path("short.csv"), "group,name,literaturePlumeLength\nBTEX,Benzene,1\n");
  const CliRun header = RunArgs({"db-import", Path("short.csv"), Path("new.vrc")});
  EXPECT_EQ(header.status, 1);
  EXPECT_NE(header.err.find(":1: missing column \"lambdaUnknown\""), std::string::npos) << header.err;
  EXPECT_FALSE(fs::exists(Path("new.vrc")));
}

TEST_F(CliTest, ImportNeverReplacesItsInputOrAnotherKindOfFile) {
  const std::string table = kHeader + "BTEX,Benzene,,,0.001,,,,,,,\n";
  WriteFile(Path("in.csv"), table);
  fs::create_directories(dir_ / "sub");
  fs::create_hard_link(Path("in.csv"), Path("sub/link.csv"));
  fs::copy_file(kWorkedExample, Path("site.vrp"));
  WriteFile(Path("notes.csv"), "my notes\n");
  auto refused = [&](const std::vector<std::string>& args, const std::string& path, const std::string& line) {
    const std::string before = ReadFile(path);
    const CliRun run = RunArgs(args);
    EXPECT_EQ(run.status, 1) << testing::PrintToString(args);
    EXPECT_EQ(run.err, line + "\n");
    EXPECT_EQ(ReadFile(path), before) << path;
  };
  // The input itself, under its own name, another path and a hard link.
  for (const std::string& same : {Path("in.csv"), Path("sub/../in.csv"), Path("sub/link.csv")})
    refused({"db-import", Path("in.csv"), same, "--force"}, Path("in.csv"),
            "virelo-cli: cannot write " + same + ": it is the table being read, " + Path("in.csv"));
  // A project and any other file, unless --force says so.
  refused({"db-import", Path("in.csv"), Path("site.vrp")}, Path("site.vrp"),
          "virelo-cli: cannot write " + Path("site.vrp") + ": " + Path("site.vrp") +
              " is a project, not a contaminant database; --force replaces it");
  refused({"db-import", Path("in.csv"), Path("notes.csv")}, Path("notes.csv"),
          "virelo-cli: cannot write " + Path("notes.csv") + ": " + Path("notes.csv") +
              " exists and is not a contaminant database; --force replaces it");
  ASSERT_EQ(RunArgs({"db-import", Path("in.csv"), Path("site.vrp"), "--force"}).status, 0);
  EXPECT_EQ(virelo_FileKind(Path("site.vrp").c_str()), VireloFileKind::Database);
  // A database is replaced without asking; given first, it is no table.
  ASSERT_EQ(RunArgs({"db-import", Path("in.csv"), Path("site.vrp")}).status, 0);
  refused({"db-import", Path("site.vrp"), Path("in.csv")}, Path("in.csv"),
          "virelo-cli: cannot read " + Path("site.vrp") + ": " + Path("site.vrp") +
              " is a contaminant database, not a CSV table (db-import reads FILE.csv and writes OUT.vrc)");
}

TEST_F(CliTest, ImportReadsWhatSpreadsheetsWrite) {
  // The same table as a German spreadsheet writes it (byte-order mark,
  // semicolons, decimal commas, CR LF) and in Windows-1252, comma separated.
  WriteFile(Path("utf8.csv"), kHeader +
                                  "Other,S\xC3\xBC"
                                  "d,12.5,3,0.001899,,,,0.003,,,\"a, b\"\n");
  std::string semicolons = "\xEF\xBB\xBF" + kHeader;
  std::replace(semicolons.begin(), semicolons.end(), ',', ';');
  semicolons.pop_back();
  semicolons +=
      "\r\nOther;S\xC3\xBC"
      "d;12,5;3;0,001899;;;;0,003;;;\"a; b\"\r\n";
  WriteFile(Path("semicolon.csv"), semicolons);
  WriteFile(Path("cp1252.csv"), kHeader +
                                    "Other,S\xFC"
                                    "d,12.5,3,1.899e-3,,,,0.003,,,\"a, b\"\n");
  ASSERT_EQ(RunArgs({"db-import", Path("utf8.csv"), Path("utf8.vrc")}).status, 0);
  for (const char* name : {"semicolon", "cp1252"}) {
    const CliRun run =
        RunArgs({"db-import", Path(std::string(name) + ".csv"), Path(std::string(name) + ".vrc")});
    EXPECT_EQ(run.status, 0) << name << "\n" << run.err;
    EXPECT_EQ(ReadFile(Path(std::string(name) + ".vrc")), ReadFile(Path("utf8.vrc"))) << name;
  }
  // But the euro sign of Windows-1252 has no place in Latin-1.
  WriteFile(Path("euro.csv"), kHeader +
                                  "Other,S\xFC"
                                  "d \x80,,,,,,,,,,\n");
  const CliRun run = RunArgs({"db-import", Path("euro.csv"), Path("euro.vrc")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(Path("euro.csv") +
                         ":2: column 11: the character \"\xE2\x82\xAC\" (U+20AC) is outside Latin-1"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(Path("euro.vrc")));
}

TEST_F(CliTest, ExportNamesTheSourceOfEveryValue) {
  // The bundled table lies beside the build's generic.vrc, where the
  // command line looks for it.
  virelo_SetModulePathOverride(VIRELO_BINARY_DIR);
  std::vector<Contaminant> bundled;
  std::vector<std::string> sources;
  std::ostringstream err;
  ASSERT_TRUE(ReadDatabaseCsv(ReadFile(kSource + "/resources/generic-contaminants.csv"), "source", &bundled,
                              err, &sources));
  CliRun run = RunArgs({"db-export", std::string(VIRELO_BINARY_DIR) + "/generic.vrc"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<Contaminant> exported;
  std::vector<std::string> exportedSources;
  ASSERT_TRUE(ReadDatabaseCsv(run.out, "export", &exported, err, &exportedSources));
  EXPECT_EQ(exportedSources, sources);

  // An edited decay constant loses its source, the other keeps it; a
  // contaminant of one's own has none. Benzene's sulfate value comes from a
  // table that replaced an older, labelled single-site value: the table is
  // named, not the source that gave another number.
  WriteFile(Path("edited.csv"), kHeader +
                                    "BTEX,Benzene,,,0.002,,,,0.008,,,\n"
                                    "Other,Own,,,0.1,,,,,,,\n"
                                    "Compounds,MTBE,5,,0.0021,,,,,,,\n");
  ASSERT_EQ(RunArgs({"db-import", Path("edited.csv"), Path("edited.vrc")}).status, 0);
  run = RunArgs({"db-export", Path("edited.vrc")});
  virelo_SetModulePathOverride(nullptr);
  const auto rows = CsvRows(run.out);
  ASSERT_EQ(rows.size(), 3u);
  ASSERT_EQ(rows[0].size(), 12u);
  EXPECT_EQ(
      rows[0][11],
      "lambdaUnknown: edited value, no source; lambdaSulfate: Suarez and Rifai 1999 (Bioremediation Journal "
      "3(4):337-362), as tabulated, indicative, from laboratory and field data, in SKB Cahier 'Natuurlijke "
      "Afbraak: Het is niet niks!' (van Ras, Roosma, Volkers, SKB Gouda 2007), section 2.4, Tabel 4 (k in "
      "1/d): lambdaAerobic 0.335, lambdaNitrate 0.008, lambdaIron 0.009, lambdaSulfate 0.008");
  EXPECT_EQ(rows[1][11], "lambdaUnknown: edited value, no source");
  // A citation's own semicolon does not end its part.
  EXPECT_EQ(
      rows[2][11],
      "Plume length: edited value, no source; lambdaUnknown: bulk field attenuation rate 0.0021 1/d (site A; "
      "0.0048 1/d at site B, slower value taken), redox not stated (Natural attenuation of MTBE at two "
      "petroleum-hydrocarbon spill sites, J. Hazard. Mater. 125 (2005) 10-16)");
}

TEST_F(CliTest, EmptyCellsAreAbsentValuesAndColumnOrderIsFree) {
  WriteFile(Path("db.csv"),
            "name,group,lambdaSulfate,lambdaUnknown,lambdaAerobic,lambdaNitrate,lambdaIron,lambdaMixedPlumes,"
            "lambdaMethane,literaturePlumeLength,literatureEntries\n"
            "Benzene,BTEX,0.003,,,,,,,,\n"
            "\"1,1-Dichloroethane\",Chlorinated Aliphatics,,,,,,,,830.6,24\n");
  ASSERT_EQ(RunArgs({"db-import", Path("db.csv"), Path("db.vrc")}).status, 0);
  Project* project = virelo_AllocateProject();
  ASSERT_EQ(virelo_LoadDatabaseFile(project, Path("db.vrc").c_str(), "test"), 1);
  ASSERT_EQ(project->contaminantCount, 2);
  const Contaminant& benzene = project->contaminants[0];
  EXPECT_STREQ(benzene.name, "Benzene");
  EXPECT_EQ(benzene.group, 0);
  EXPECT_EQ(benzene.lambdaMask, kLambdaSulfate);
  EXPECT_EQ(benzene.lambdaSulfate, 0.003);
  EXPECT_EQ(benzene.valueMask, 0);
  const Contaminant& dca = project->contaminants[1];
  EXPECT_STREQ(dca.name, "1,1-Dichloroethane");
  EXPECT_EQ(dca.group, 2);
  EXPECT_EQ(dca.lambdaMask, 0);
  EXPECT_EQ(dca.valueMask, kValueLiteraturePlumeLength | kValueLiteratureEntries);
  EXPECT_EQ(dca.literaturePlumeLength, 830.6);
  EXPECT_EQ(dca.literatureEntries, 24);
  virelo_FreeProject(project);
}

TEST_F(CliTest, ExportThenImportChangesNoValue) {
  // Awkward values: shortest decimals that are not exact, extremes, zero
  // where it is allowed, quotes and commas and Latin-1 letters in names.
  WriteFile(Path("db.csv"),
            kHeader +
                "Other,\"say \"\"x\"\", y\",0.1,7,0.3333333333333333,1e-300,2.5,1.7976931348623157e308,"
                "4.9406564584124654e-324,0.0018990000000000001,,doc\n"
                "Pesticides,\xC3\xA4\xC3\xB6\xC3\xBC,0,0,,,,,,,,\n");
  ASSERT_EQ(RunArgs({"db-import", Path("db.csv"), Path("a.vrc")}).status, 0);
  const CliRun exported = RunArgs({"db-export", Path("a.vrc")});
  ASSERT_EQ(exported.status, 0);
  EXPECT_EQ(exported.out.substr(0, kHeader.size()), kHeader);
  WriteFile(Path("a.csv"), exported.out);
  ASSERT_EQ(RunArgs({"db-import", Path("a.csv"), Path("b.vrc")}).status, 0);
  EXPECT_EQ(ReadFile(Path("a.vrc")), ReadFile(Path("b.vrc")));
  EXPECT_EQ(RunArgs({"db-export", Path("b.vrc")}).out, exported.out);
}

TEST_F(CliTest, BundledDatabaseHoldsTheValuesOfItsSource) {
  // The literature table as read directly ...
  std::vector<Contaminant> expected;
  std::ostringstream err;
  ASSERT_TRUE(
      ReadDatabaseCsv(ReadFile(kSource + "/resources/generic-contaminants.csv"), "source", &expected, err))
      << err.str();
  ASSERT_GT(expected.size(), 10u);
  // ... and the database the build made of it, exported and read back.
  const CliRun run = RunArgs({"db-export", std::string(VIRELO_BINARY_DIR) + "/generic.vrc"});
  ASSERT_EQ(run.status, 0) << run.engine;
  std::vector<Contaminant> exported;
  ASSERT_TRUE(ReadDatabaseCsv(run.out, "export", &exported, err)) << err.str();
  ASSERT_EQ(exported.size(), expected.size());
  for (size_t k = 0; k < expected.size(); ++k) {
    const Contaminant& a = exported[k];
    const Contaminant& b = expected[k];
    EXPECT_STREQ(a.name, b.name);
    EXPECT_EQ(a.group, b.group) << b.name;
    EXPECT_EQ(a.valueMask, b.valueMask) << b.name;
    EXPECT_EQ(a.literaturePlumeLength, b.literaturePlumeLength) << b.name;
    EXPECT_EQ(a.literatureEntries, b.literatureEntries) << b.name;
    EXPECT_EQ(a.lambdaMask, b.lambdaMask) << b.name;
    for (int bit = kLambdaUnknown; bit <= kLambdaMixedPlumes; bit <<= 1) {
      EXPECT_EQ(*virelo_LambdaField(const_cast<Contaminant*>(&a), bit),
                *virelo_LambdaField(const_cast<Contaminant*>(&b), bit))
          << b.name << " lambda bit " << bit;
    }
  }
}

TEST_F(CliTest, CommittedExamplesAreWhatTheGeneratorWrites) {
  ASSERT_EQ(WriteExampleProjects((std::string(VIRELO_BINARY_DIR) + "/generic.vrc").c_str(), dir_.c_str()), 1);
  for (const ExampleProject& example : ExampleProjects()) {
    const std::string committed = ReadFile(kSource + "/examples/" + example.fileName);
    ASSERT_FALSE(committed.empty()) << example.fileName;
    EXPECT_TRUE(committed == ReadFile(dir_ / example.fileName))
        << example.fileName
        << " is out of date: build the target example_projects and copy its files to examples/";
  }
}

// ---------------------------------------------------------------------------
// breakeven

// One row per result without problems and input, in the order of assess,
// each number the engine's double; a table that shows the factors.
TEST_F(CliTest, BreakevenListsTheEnginesValuesInResultOrder) {
  const CliRun run = RunArgs({"breakeven", kSiteExample, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err << run.engine;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
            "name,assessment,class,input,value,worseAt,betterAt\n");
  std::vector<std::string> order;
  for (const auto& row : CsvRows(run.out)) {
    ASSERT_EQ(row.size(), 7u);
    const std::string result = row[0] + " " + row[1] + " " + row[2];
    if (order.empty() || order.back() != result) order.push_back(result);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Benzene PL Yellow", "Toluene PL Green", "MTBE PL Red",
                                             "Naphthalene PL Yellow", "Benzene AF Green", "Toluene AF Green",
                                             "MTBE AF Yellow", "Trichloroethene (TCE) AF Red",
                                             "Naphthalene AF Green"}));
  EXPECT_EQ(CsvRows(run.out).size(), 4 * 7 + 5 * 12u);

  Project* project = virelo_LoadProject(kSiteExample.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  const Contaminant* benzene = project->contaminants;
  while (std::strcmp(benzene->name, "Benzene") != 0) ++benzene;
  const BreakEvenTable table = BreakEvenValues(
      project->aquifer, *benzene, project->approximateDispersivity != 0, false, kAssessmentRanges[0].range);
  virelo_FreeProject(project);
  const auto rows = CsvRows(run.out);
  ASSERT_EQ(rows.size(), 4 * 7 + 5 * 12u);
  ASSERT_GE(rows[28].size(), 7u);
  ASSERT_LE(28 + table.inputs.size(), rows.size());
  ASSERT_EQ(rows[28][0] + rows[28][1] + rows[28][3], "BenzeneAFx");
  for (size_t k = 0; k < table.inputs.size(); ++k) {
    const BreakEven& e = table.inputs[k];
    const auto& row = rows[28 + k];
    EXPECT_EQ(row[3], BreakEvenInputName(e.input));
    EXPECT_EQ(row[5], e.worseAt ? FormatDouble(*e.worseAt) : "") << row[3];
    EXPECT_EQ(row[6], e.betterAt ? FormatDouble(*e.betterAt) : "") << row[3];
  }
  EXPECT_EQ(rows[7][6], "");  // Toluene's plume is green: nothing better

  const CliRun text = RunArgs({"breakeven", kSiteExample, "--af-range", "2"});
  EXPECT_NE(text.out.find("Vinyl chloride, plume length: Problems (no break-even values)"),
            std::string::npos);
  EXPECT_NE(text.out.find("  Kf      5             10.3556 (\u00d72.1)              1.55334 (\u00d70.31)\n"),
            std::string::npos)
      << text.out;
}

}  // namespace
