// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli chain: the centre line and the receptor of the example's decay
// chain, and what it says when there is nothing to compute.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/projects.h"
#include "tools/cli/cli.h"

namespace {

const std::string kSource = VIRELO_SOURCE_DIR;
const std::string kSolvent = kSource + "/examples/dry-cleaner.vrp";

std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    rows.push_back(fields);
  }
  return rows;
}

TEST(ChainCli, CentreLineAndReceptorAreTheEnginesValues) {
  ProjectHandle example = LoadProjectFile(kSolvent);
  ResolvedChain chain;
  ASSERT_NE(example.get(), nullptr);
  ASSERT_EQ(virelo_ExtrasOf(*example).chains.size(), 1u);
  ASSERT_TRUE(ResolveChain(*example, virelo_ExtrasOf(*example).chains[0], &chain).empty());

  const CliResult line = Cli({"chain", kSolvent, "--points", "4", "--to", "300", "--csv"});
  ASSERT_EQ(line.status, 0) << line.err;
  const auto rows = Rows(line.out);
  ASSERT_EQ(rows.size(), 1u + 5 * 4);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"species", "s", "screening", "exact"}));
  // Species by species, each at s = 75, 150, 225, 300, read back exactly.
  double c[5], e[5];
  ChainConcentrations(example->aquifer, chain, ChainModel::Screening, 225.0, c);
  ChainConcentrations(example->aquifer, chain, ChainModel::Exact, 225.0, e);
  const auto& vc = rows[1 + 3 * 4 + 2];
  ASSERT_EQ(vc.size(), 4u);
  EXPECT_EQ(vc[0], "Vinyl chloride");
  EXPECT_EQ(std::stod(vc[1]), 225.0);
  EXPECT_EQ(std::stod(vc[2]), c[3]);
  EXPECT_EQ(std::stod(vc[3]), e[3]);

  const CliResult receptor = Cli({"chain", kSolvent, "--receptor", "--csv"});
  ASSERT_EQ(receptor.status, 0) << receptor.err;
  const auto table = Rows(receptor.out);
  ASSERT_EQ(table.size(), 6u);
  for (size_t row : {2u, 4u, 5u}) ASSERT_EQ(table[row].size(), 7u) << row;
  EXPECT_EQ(table[0], (std::vector<std::string>{"species", "ca", "screening", "screeningClass", "exact",
                                                "exactClass", "singleClass"}));
  // VC forms along the path and reaches the well above its CA, although
  // its own small source alone would be harmless there.
  EXPECT_EQ(table[4][0], "Vinyl chloride");
  EXPECT_EQ(table[4][1], "0.5");
  EXPECT_EQ(table[4][3], "Red");
  EXPECT_EQ(table[4][5], "Red");
  EXPECT_EQ(table[4][6], "Green");
  // The end product: concentrations, but no CA and no classes.
  EXPECT_EQ(table[5], (std::vector<std::string>{"Ethene", "", table[5][2], "", table[5][4], "", ""}));
  // Another range gives other classes for the same concentrations: TCE at
  // 0.37 of its CA is Yellow in 0.3..2 and Green in 0.5..2.
  EXPECT_EQ(table[2][3], "Yellow");
  const auto narrow = Rows(Cli({"chain", kSolvent, "--receptor", "--af-range", "1", "--csv"}).out);
  ASSERT_EQ(narrow.size(), 6u);
  ASSERT_EQ(narrow[2].size(), 7u);
  EXPECT_EQ(narrow[2][3], "Green");
  EXPECT_EQ(narrow[2][2], table[2][2]);
}

// Without --af-range the receptor is classed with the attenuation-factor
// range saved with the project: neither the default range nor the saved
// plume-length range. TCE at 0.37 of its CA is Green in 0.5 .. 2.0 (saved
// for the factor) and Yellow in 0.3 .. 2.0 (the default) and in 0.2 .. 5.0
// (saved for the plume length).
TEST(ChainCli, ReceptorIsClassedWithTheSavedFactorRange) {
  Project* project = virelo_LoadProject(kSolvent.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  virelo_Extras(project).settings.plumeRange = 3;
  virelo_Extras(project).settings.afRange = 1;
  const std::string path =
      (std::filesystem::temp_directory_path() / ("chain-ranges-" + std::to_string(::getpid()) + ".vrp"))
          .string();
  ASSERT_EQ(virelo_SaveProject(project, path.c_str()), 1);
  virelo_FreeProject(project);
  const CliResult saved = Cli({"chain", path, "--receptor", "--csv"});
  const CliResult byDefault = Cli({"chain", path, "--receptor", "--csv", "--af-range", "0"});
  const CliResult byPlumeRange = Cli({"chain", path, "--receptor", "--csv", "--af-range", "3"});
  const CliResult table = Cli({"chain", path, "--receptor"});
  std::filesystem::remove(path);
  ASSERT_EQ(saved.status, 0) << saved.err;
  const auto rows = Rows(saved.out);
  ASSERT_EQ(rows.size(), 6u);
  ASSERT_EQ(rows[2].size(), 7u);
  EXPECT_EQ(rows[2][0], "Trichloroethene (TCE)");
  EXPECT_EQ(rows[2][3], "Green");
  for (const CliResult* other : {&byDefault, &byPlumeRange}) {
    const auto otherRows = Rows(other->out);
    ASSERT_EQ(otherRows.size(), 6u);
    ASSERT_EQ(otherRows[2].size(), 7u);
    EXPECT_EQ(otherRows[2][3], "Yellow");
  }
  // The aligned table says the same.
  const size_t line = table.out.find("\nTrichloroethene (TCE) ");
  ASSERT_NE(line, std::string::npos) << table.out;
  const std::string tce = table.out.substr(line + 1, table.out.find('\n', line + 1) - line - 1);
  std::istringstream words(tce.substr(tce.find(')') + 1));
  std::string ca, screening, screeningClass;
  words >> ca >> screening >> screeningClass;
  EXPECT_EQ(screeningClass, "Green") << tce;
}

TEST(ChainCli, ProblemsAndUsage) {
  const CliResult none = Cli({"chain", kSource + "/examples/worked-example.vrp", "--csv"});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("has no decay chain"), std::string::npos) << none.err;
  EXPECT_TRUE(none.out.empty());
  const CliResult second = Cli({"chain", kSolvent, "--chain", "2"});
  EXPECT_EQ(second.status, 1);
  EXPECT_NE(second.err.find("1 decay chain, not 2"), std::string::npos) << second.err;
  for (const std::vector<std::string>& args : {std::vector<std::string>{"chain", kSolvent, "--points", "0"},
                                               {"chain", kSolvent, "--to", "-5"},
                                               {"chain", kSolvent, "--receptor", "--points", "5"},
                                               {"chain", kSolvent, "--chain", "x"},
                                               {"chain"},
                                               {"chain", kSolvent, "--af-range", "7"}})
    EXPECT_EQ(Cli(args).status, 2) << args.back();

  // A chain naming a contaminant the project does not have.
  Project* project = virelo_LoadProject(kSolvent.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  virelo_Extras(project).chains[0].species[2] = "Dichloromethane (typo)";
  const std::string path =
      (std::filesystem::temp_directory_path() / ("chain-cli-" + std::to_string(::getpid()) + ".vrp"))
          .string();
  ASSERT_EQ(virelo_SaveProject(project, path.c_str()), 1);
  virelo_FreeProject(project);
  const CliResult broken = Cli({"chain", path, "--receptor", "--csv"});
  std::filesystem::remove(path);
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find("\"Dichloromethane (typo)\" is not a contaminant of the project"),
            std::string::npos)
      << broken.err;
  EXPECT_TRUE(broken.out.empty());
}

}  // namespace
