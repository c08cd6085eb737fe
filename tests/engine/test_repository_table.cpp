// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The README's repository table is where a newcomer finds a module: every
// module (a .h or .cpp base name) of the core folders and of the analysis
// windows is named in its folder's row, in backticks, and the row names no
// module that is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
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

// The modules of a folder and its sub-folders, each with the sub-folder it
// lies in ("" directly in the folder).
std::map<std::string, std::string> ModulesOf(const std::string& folder) {
  std::map<std::string, std::string> modules;
  const fs::path root = fs::path(VIRELO_SOURCE_DIR) / folder;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    const std::string extension = entry.path().extension().string();
    if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp"))
      modules[entry.path().stem().string()] = fs::relative(entry.path().parent_path(), root).string();
  }
  for (auto& [module, sub] : modules)
    if (sub == ".") sub.clear();
  return modules;
}

// The part of a row that names a sub-folder's modules: from "`sub/`" to the
// next sub-folder's name; the whole row for "".
std::string SegmentOf(const std::string& row, const std::string& sub) {
  if (sub.empty()) return row;
  const size_t start = row.find("`" + sub + "/`");
  if (start == std::string::npos) return {};
  static const std::regex kSub("`[a-z_]+/`");
  std::smatch next;
  const std::string rest = row.substr(start + sub.size() + 3);
  return std::regex_search(rest, next, kSub) ? rest.substr(0, next.position(0)) : rest;
}

TEST(RepositoryTable, NamesEveryModuleOfItsFolder) {
  for (const std::string folder : {"engine", "persistence", "analysis"}) {
    const std::string row = RowOf(folder);
    ASSERT_FALSE(row.empty()) << "the README has no row for " << folder << "/";
    const std::map<std::string, std::string> modules = ModulesOf(folder);
    EXPECT_GE(modules.size(), 10u) << folder;
    for (const auto& [module, sub] : modules)
      EXPECT_NE(SegmentOf(row, sub).find("`" + module + "`"), std::string::npos)
          << folder << "/" << (sub.empty() ? "" : sub + "/") << module
          << " is not named in the README's repository table under its folder";
    // Every name in backticks is a module: one renamed or removed leaves no
    // stale entry behind.
    static const std::regex kName("`([A-Za-z_][A-Za-z0-9_]*)`");
    for (auto it = std::sregex_iterator(row.begin(), row.end(), kName); it != std::sregex_iterator(); ++it)
      EXPECT_TRUE(modules.count((*it)[1].str()))
          << "the " << folder << "/ row names `" << (*it)[1].str() << "`, no module there";
  }
}

}  // namespace
