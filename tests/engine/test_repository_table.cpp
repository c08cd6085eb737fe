// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The README's repository table is where a newcomer finds a module: every
// module (a .h or .cpp base name) of the core folders and of the analysis
// windows is named in its folder's row, in backticks, and the row names no
// module that is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// The README's table row of one folder ("| `engine/` | ... |").
std::string RowOf(const std::string& folder) {
  std::ifstream in(fs::path(VIRELO_SOURCE_DIR) / "README.md");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("| `" + folder + "/` |", 0) == 0) return line;
  return {};
}

std::set<std::string> ModulesOf(const std::string& folder) {
  std::set<std::string> modules;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(VIRELO_SOURCE_DIR) / folder)) {
    const std::string extension = entry.path().extension().string();
    if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp"))
      modules.insert(entry.path().stem().string());
  }
  return modules;
}

TEST(RepositoryTable, NamesEveryModuleOfItsFolder) {
  for (const std::string folder : {"engine", "persistence", "analysis"}) {
    const std::string row = RowOf(folder);
    ASSERT_FALSE(row.empty()) << "the README has no row for " << folder << "/";
    const std::set<std::string> modules = ModulesOf(folder);
    EXPECT_GE(modules.size(), 10u) << folder;
    for (const std::string& module : modules)
      EXPECT_NE(row.find("`" + module + "`"), std::string::npos)
          << folder << "/" << module << " is not named in the README's repository table";
    // Every name in backticks is a module: one renamed or removed leaves no
    // stale entry behind.
    static const std::regex kName("`([A-Za-z_][A-Za-z0-9_]*)`");
    for (auto it = std::sregex_iterator(row.begin(), row.end(), kName); it != std::sregex_iterator(); ++it)
      EXPECT_TRUE(modules.count((*it)[1].str()))
          << "the " << folder << "/ row names `" << (*it)[1].str() << "`, no module there";
  }
}

}  // namespace
