// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project's input distributions in its file and its JSON form, and the
// uncertainty command.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/project/extras.h"
#include "persistence/csv.h"
#include "persistence/extras_json.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli.h"

namespace fs = std::filesystem;

namespace {

const std::string kSiteExample = std::string(VIRELO_SOURCE_DIR) + "/examples/fuel-depot.vrp";

// The CSV's rows, header excluded, each made as wide as the header: a short
// row fails the test here instead of a column being read past its end.
std::vector<std::vector<std::string>> Rows(const std::string& csv) {
  const CsvTable table = ParseCsv(csv);
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

class UncertaintyFileTest : public ProjectFilesTest {
 protected:
  // The site example with `plan`, one contaminant renamed to a Latin-1 name,
  // and the assessment ranges given.
  std::string SaveWith(const UncertaintyPlan& plan, const std::string& name, int plumeRange = 0,
                       int afRange = 0) {
    Project* project = virelo_LoadProject(kSiteExample.c_str(), "rb");
    EXPECT_NE(project, nullptr);
    std::strcpy(project->contaminants[0].name, "Benzol \xC4");
    virelo_Extras(project).uncertainty = plan;
    virelo_Extras(project).settings.plumeRange = plumeRange;
    virelo_Extras(project).settings.afRange = afRange;
    EXPECT_EQ(virelo_SaveProject(project, Path(name).c_str()), 1);
    virelo_FreeProject(project);
    return Path(name);
  }
};

UncertaintyPlan SitePlan() {
  UncertaintyPlan plan;
  plan.samples = 3000;
  plan.seed = 18446744073709551615ULL;  // the largest seed survives both forms
  plan.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {5, 2}},
                 {UncertainInput::Ne, "", DistributionKind::Normal, {0.2, 0.04, 0.1, 0.35}},
                 {UncertainInput::Width, "", DistributionKind::Uniform, {15, 25}},
                 {UncertainInput::Lambda, "Benzol \xC4", DistributionKind::LogNormal, {0.008, 2.5}},
                 {UncertainInput::C0, "MTBE", DistributionKind::Fixed, {}}};
  return plan;
}

// The distributions come back from the project file and through
// project-export and project-import unchanged, names in their encodings.
TEST_F(UncertaintyFileTest, DistributionsSurviveTheFileAndTheJsonForm) {
  const std::string file = SaveWith(SitePlan(), "site.vrp");
  Project* loaded = virelo_LoadProject(file.c_str(), "rb");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(virelo_ExtrasOf(*loaded).uncertainty, SitePlan());
  virelo_FreeProject(loaded);

  const CliResult exported = Cli({"project-export", file});
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_NE(
      exported.out.find("\"uncertainty\": {\n    \"samples\": 3000,\n    \"seed\": 18446744073709551615,"),
      std::string::npos)
      << exported.out.substr(exported.out.find("uncertainty"), 300);
  EXPECT_NE(
      exported.out.find("{\n        \"input\": \"Kf\",\n        \"contaminant\": null,\n        \"kind\": "
                        "\"lognormal\",\n        \"params\": [\n          5.0,\n          2.0\n        ]"),
      std::string::npos);
  EXPECT_NE(exported.out.find("\"contaminant\": \"Benzol \xC3\x84\""), std::string::npos);
  std::ofstream(Path("site.json")) << exported.out;
  ASSERT_EQ(Cli({"project-import", Path("site.json"), Path("again.vrp")}).status, 0);
  EXPECT_EQ(Cli({"project-export", Path("again.vrp")}).out, exported.out);

  // Without distributions nothing is kept: the file is the one without them.
  SaveWith(UncertaintyPlan{}, "plain.vrp");
  Project* plain = virelo_LoadProject(Path("plain.vrp").c_str(), "rb");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->extras, nullptr);
  virelo_FreeProject(plain);
}

// What the form cannot hold is refused with the place it stands.
TEST(UncertaintyJson, RefusesWhatItCannotHold) {
  const std::string kf = R"("input": "Kf", "contaminant": null, "kind": "lognormal")";
  const struct {
    std::string section;
    const char* where;
  } cases[] = {
      {R"({"samples": 0})", "/uncertainty/samples"},
      {R"({"samples": 1000001})", "/uncertainty/samples"},
      {R"({"seed": -1})", "/uncertainty/seed"},
      {R"({"samples": 10, "mean": 1})", "/uncertainty/mean"},
      {R"({"inputs": {}})", "/uncertainty/inputs"},
      {R"({"inputs": [{"input": "K", "contaminant": null, "kind": "fixed", "params": []}]})",
       "/uncertainty/inputs/0/input"},
      {R"({"inputs": [{"input": "Kf", "contaminant": "MTBE", "kind": "fixed", "params": []}]})",
       "/uncertainty/inputs/0/contaminant"},
      {R"({"inputs": [{"input": "CA", "contaminant": null, "kind": "fixed", "params": []}]})",
       "/uncertainty/inputs/0/contaminant"},
      {R"({"inputs": [{"input": "Kf", "contaminant": null, "kind": "weibull", "params": []}]})",
       "/uncertainty/inputs/0/kind"},
      {"{\"inputs\": [{" + kf + R"(, "params": [1, "2"]}]})", "/uncertainty/inputs/0/params/1"},
      {"{\"inputs\": [{" + kf + R"(, "params": [1, 2, 3, 4, 5]}]})", "/uncertainty/inputs/0/params"},
      {"{\"inputs\": [{" + kf + "}]}", "/uncertainty/inputs/0/params"},
      // A key the entry does not know, beside complete ones.
      {"{\"inputs\": [{" + kf + R"(, "params": [1, 2], "unit": "m/d"}]})", "/uncertainty/inputs/0/unit"},
  };
  for (const auto& c : cases) {
    Project* project = virelo_AllocateProject();
    std::string reason;
    EXPECT_FALSE(ExtrasFromPayload("{\"uncertainty\": " + c.section + "}", project, &reason)) << c.section;
    EXPECT_EQ(reason.rfind(std::string(c.where) + ":", 0), 0u) << reason;
    EXPECT_TRUE(virelo_ExtrasOf(*project).uncertainty.IsDefault()) << c.section;
    virelo_FreeProject(project);
  }
}

// Without any distribution every sample is the project: the command's class
// probabilities are 1 for the class assess gives, and its median ratio is
// assess's ratio, row by row.
TEST_F(UncertaintyFileTest, CommandAgreesWithAssessAndRepeatsItself) {
  const std::string plain = SaveWith(UncertaintyPlan{}, "plain.vrp");
  // The wide ranges (0.1 .. 10) part Red from exceeding CA (a ratio above 1).
  const CliResult run =
      Cli({"uncertainty", plain, "--csv", "--samples", "20", "--plume-range", "2", "--af-range", "2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "name,assessment,pGreen,pYellow,pRed,pExceed,p05,p50,p95,se");
  const auto rows = Rows(run.out);
  const auto assessed = Rows(Cli({"assess", plain, "--csv", "--plume-range", "2", "--af-range", "2"}).out);
  ASSERT_EQ(rows.size(), assessed.size());
  int compared = 0, exceedingButNotRed = 0;
  for (size_t k = 0; k < rows.size(); ++k) {
    const auto &u = rows[k], &a = assessed[k];
    ASSERT_EQ(u.size(), 10u);
    ASSERT_EQ(a.size(), AssessCsvColumns().size());
    ASSERT_EQ(u[0], a[0]);
    ASSERT_EQ(u[1], a[1]);
    if (a[2] == "Problems") {
      EXPECT_EQ(u[2], "");
      continue;
    }
    EXPECT_EQ(u[2], a[2] == "Green" ? "1" : "0") << u[0];
    EXPECT_EQ(u[3], a[2] == "Yellow" ? "1" : "0") << u[0];
    EXPECT_EQ(u[4], a[2] == "Red" ? "1" : "0") << u[0];
    EXPECT_EQ(u[7], a[1] == "PL" ? a[4] : a[9]) << u[0];
    const bool exceeds = std::stod(u[7]) > 1.0;
    EXPECT_EQ(u[5], exceeds ? "1" : "0") << u[0];
    exceedingButNotRed += exceeds && a[2] != "Red";
    EXPECT_EQ(u[9], "0");
    ++compared;
  }
  EXPECT_GE(compared, 8);
  EXPECT_GE(exceedingButNotRed, 1);

  const std::string site = SaveWith(SitePlan(), "site.vrp");
  const CliResult first = Cli({"uncertainty", site, "--csv"});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(Cli({"uncertainty", site, "--csv"}).out, first.out);
  EXPECT_NE(Cli({"uncertainty", site, "--csv", "--seed", "7"}).out, first.out);
  EXPECT_EQ(Cli({"uncertainty", site, "--csv", "--seed", "18446744073709551615"}).out, first.out);
  const auto spread = Rows(first.out);
  ASSERT_FALSE(spread.empty());
  ASSERT_EQ(spread[0].size(), 10u);
  EXPECT_NE(spread[0][2], "1");  // Benzol: uncertain enough to leave its class now and then
  EXPECT_NE(Cli({"uncertainty", site}).out.find("lambda of Benzol \xC3\x84: lognormal 0.008, 2.5"),
            std::string::npos);

  EXPECT_EQ(Cli({"uncertainty", site, "--samples", "0"}).status, kCliUsage);
  EXPECT_EQ(Cli({"uncertainty", site, "--seed", "-3"}).status, kCliUsage);
  UncertaintyPlan refused = SitePlan();
  refused.inputs[1].params = {0.2, 0.1};  // an untruncated porosity
  const CliResult problems = Cli({"uncertainty", SaveWith(refused, "refused.vrp"), "--csv"});
  EXPECT_EQ(problems.status, kCliFailed);
  EXPECT_EQ(problems.out, "");
  EXPECT_NE(problems.err.find("  ne: the normal distribution can draw values from"), std::string::npos)
      << problems.err;
}

// Without range options the command classes each row with the range saved
// for its assessment: the plume lengths with the plume-length range, the
// factors with the attenuation-factor range, never with the defaults. The
// saved ranges (1 and 2) are chosen so that both the defaults and the two
// swapped give other classes.
TEST_F(UncertaintyFileTest, RowsAreClassedWithTheSavedRangeOfTheirAssessment) {
  const std::string saved = SaveWith(UncertaintyPlan{}, "ranges.vrp", 1, 2);
  auto classes = [](const std::vector<std::vector<std::string>>& rows, bool fromUncertainty) {
    std::vector<std::string> out;
    for (const auto& row : rows) {
      EXPECT_GE(row.size(), 5u);
      if (row.size() < 5)
        return std::vector<std::string>{"a row of " + std::to_string(row.size()) + " fields"};
      if (!fromUncertainty) {
        out.push_back(row[0] + " " + row[1] + " " + row[2]);
      } else if (row[2].empty()) {
        out.push_back(row[0] + " " + row[1] + " Problems");
      } else {
        out.push_back(row[0] + " " + row[1] + " " +
                      (row[2] == "1"   ? "Green"
                       : row[3] == "1" ? "Yellow"
                       : row[4] == "1" ? "Red"
                                       : "?"));
      }
    }
    return out;
  };
  const CliResult run = Cli({"uncertainty", saved, "--csv", "--samples", "10"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto drawn = classes(Rows(run.out), true);
  auto assessed = [&](const char* plume, const char* af) {
    return classes(Rows(Cli({"assess", saved, "--csv", "--plume-range", plume, "--af-range", af}).out),
                   false);
  };
  EXPECT_EQ(drawn, assessed("1", "2"));
  EXPECT_NE(drawn, assessed("0", "0"));
  EXPECT_NE(drawn, assessed("2", "1"));
  EXPECT_NE(drawn, assessed("1", "0"));  // the factors alone would show it
  EXPECT_NE(drawn, assessed("0", "2"));  // and the plume lengths alone
  // An option still wins over the saved range.
  const auto given = classes(
      Rows(Cli({"uncertainty", saved, "--csv", "--samples", "10", "--plume-range", "0", "--af-range", "0"})
               .out),
      true);
  EXPECT_EQ(given, assessed("0", "0"));
  // The table names the ranges it used.
  const CliResult table = Cli({"uncertainty", saved, "--samples", "10"});
  EXPECT_NE(table.out.find(
                "plume length range 1 (0,5  < ... < 2,0), attenuation factor range 2 (0,1  < ... < 10,0)"),
            std::string::npos)
      << table.out;
}

}  // namespace
