// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The layers' include rules, read from the sources themselves: the core
// (diagnostics, engine, persistence) builds without Qt and knows nothing of
// the windows above it, and no window includes the application or the
// report, which open windows and print them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Include {
  std::string file;  // relative to the source folder
  int line;
  std::string target;  // as written between the quotes or brackets
};

// Every #include of the .h and .cpp files under folder (recursively).
std::vector<Include> IncludesOf(const std::string& folder, size_t* files) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
  std::vector<Include> found;
  const fs::path root = fs::path(VIRELO_SOURCE_DIR);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
    ++*files;
    std::ifstream in(entry.path());
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
      std::smatch match;
      if (std::regex_search(text, match, kInclude))
        found.push_back({fs::relative(entry.path(), root).string(), line, match[1].str()});
    }
  }
  return found;
}

// A Qt header: <QString>, <QtCore/qglobal.h>, <qstring.h>.
bool IsQt(const std::string& target) {
  static const std::regex kQt(R"(^(Qt[A-Za-z]*(/.*)?|Q[A-Z][A-Za-z]*(\.h)?|q[a-z0-9_]+\.h)$)");
  return std::regex_match(target, kQt);
}

bool IsUnder(const std::string& target, const std::vector<std::string>& folders) {
  for (const std::string& folder : folders)
    if (target.rfind(folder + "/", 0) == 0) return true;
  return false;
}

// The folders each layer must not include.
const std::map<std::string, std::vector<std::string>> kForbidden = {
    {"diagnostics", {"engine", "persistence", "platform", "pages", "analysis", "app", "report", "tools"}},
    {"engine", {"persistence", "platform", "pages", "analysis", "app", "report", "tools"}},
    {"persistence", {"platform", "pages", "analysis", "app", "report", "tools"}},
    {"platform", {"pages", "analysis", "app", "report", "tools"}},
    {"analysis", {"pages", "app", "report", "tools"}},
    {"pages", {"app", "report", "tools"}},
};

TEST(Layers, CoreIncludesNoQt) {
  for (const std::string folder : {"diagnostics", "engine", "persistence"}) {
    size_t files = 0;
    for (const Include& include : IncludesOf(folder, &files))
      EXPECT_FALSE(IsQt(include.target))
          << include.file << ":" << include.line << " includes <" << include.target << ">";
    // A wrong source folder would find nothing and pass.
    EXPECT_GE(files, 5u) << folder;
  }
}

TEST(Layers, IncludesPointDownwards) {
  for (const auto& [folder, forbidden] : kForbidden) {
    size_t files = 0;
    const std::vector<Include> includes = IncludesOf(folder, &files);
    EXPECT_GE(files, 4u) << folder;
    for (const Include& include : includes)
      EXPECT_FALSE(IsUnder(include.target, forbidden))
          << include.file << ":" << include.line << " includes \"" << include.target << "\"";
  }
}

// The engine's sub-folders by capability, lowest first. A folder includes its
// own and those of lower rank, never one of its rank or above: the project's
// data below the calculation, chains and site data beside each other, the
// evidence above both, uncertainty and time beside each other above it, and
// the case on top.
const std::map<std::string, int> kEngineRanks = {
    {"project", 0},  {"core", 1},        {"chains", 2}, {"site", 2},
    {"evidence", 3}, {"uncertainty", 4}, {"time", 4},   {"case", 5},
};

// "core" of "engine/core/calc.h"; "" for a path not in an engine sub-folder.
std::string EngineFolderOf(const std::string& path) {
  if (!IsUnder(path, {"engine"})) return {};
  const size_t slash = path.find('/', 7);
  return slash == std::string::npos ? std::string() : path.substr(7, slash - 7);
}

TEST(Layers, EngineFoldersIncludeDownwards) {
  size_t files = 0;
  const std::vector<Include> includes = IncludesOf("engine", &files);
  EXPECT_GE(files, 40u);
  std::set<std::string> used;
  for (const Include& include : includes) {
    const std::string from = EngineFolderOf(include.file);
    used.insert(from);
    EXPECT_TRUE(kEngineRanks.count(from)) << include.file << " lies in no engine sub-folder";
    if (!IsUnder(include.target, {"engine"})) continue;
    const std::string to = EngineFolderOf(include.target);
    EXPECT_TRUE(kEngineRanks.count(to)) << include.file << ":" << include.line << " includes \""
                                        << include.target << "\", in no engine sub-folder";
    if (from == to || !kEngineRanks.count(from) || !kEngineRanks.count(to)) continue;
    EXPECT_LT(kEngineRanks.at(to), kEngineRanks.at(from))
        << include.file << ":" << include.line << " includes \"" << include.target << "\"";
  }
  // A folder renamed or emptied leaves its rank behind.
  for (const auto& [folder, rank] : kEngineRanks) EXPECT_TRUE(used.count(folder)) << "engine/" << folder;
}

// The modules of `folder` that include each other, directly or through
// others of the folder (a module: a .h and its .cpp), one cycle per entry.
std::vector<std::vector<std::string>> IncludeCycles(const std::string& folder) {
  const auto moduleOf = [](const std::string& path) { return path.substr(0, path.rfind('.')); };
  std::map<std::string, std::set<std::string>> edges;
  size_t files = 0;
  for (const Include& include : IncludesOf(folder, &files)) {
    const std::string from = moduleOf(include.file), to = moduleOf(include.target);
    if (from != to && IsUnder(include.target, {folder})) edges[from].insert(to);
  }
  // Tarjan's strongly connected components: each of more than one module
  // is a ring.
  std::map<std::string, int> index, low;
  std::vector<std::string> stack;
  std::set<std::string> onStack;
  std::vector<std::vector<std::string>> cycles;
  int next = 0;
  std::function<void(const std::string&)> visit = [&](const std::string& v) {
    index[v] = low[v] = next++;
    stack.push_back(v);
    onStack.insert(v);
    for (const std::string& w : edges[v]) {
      if (!index.count(w)) {
        visit(w);
        low[v] = std::min(low[v], low[w]);
      } else if (onStack.count(w)) {
        low[v] = std::min(low[v], index[w]);
      }
    }
    if (low[v] != index[v]) return;
    std::vector<std::string> component;
    std::string w;
    do {
      w = stack.back();
      stack.pop_back();
      onStack.erase(w);
      component.push_back(w);
    } while (w != v);
    if (component.size() > 1) cycles.push_back(component);
  };
  std::vector<std::string> modules;
  for (const auto& [from, to] : edges) modules.push_back(from);
  for (const std::string& v : modules)
    if (!index.count(v)) visit(v);
  return cycles;
}

// The file readers are layered: the names table below one sample's
// reading, that below the long and wide readers, which share the rows
// they hand on without including each other.
TEST(Layers, PersistenceModulesIncludeNoRing) {
  for (const std::vector<std::string>& cycle : IncludeCycles("persistence")) {
    std::string names;
    for (const std::string& module : cycle) names += " " + module;
    ADD_FAILURE() << "these modules include each other:" << names;
  }
}

// What a face reads from the case (engine/case/projectcase.h) and must not put
// together itself: the decay convention, the chain links, the models'
// assessment, the wells, the verdict of a row, its target and the evidence
// left out; and the break-even values, the chains, the inputs over time and
// the Monte Carlo, which read the project through the case as well. A face that assembles them forgets a
// piece sooner or later.
const char* const kCasePieces[] = {
    "virelo_SteadyContaminant",
    "SteadyContaminantWith",
    "virelo_SteadyDecayFactor",
    "ChainLinksOf",
    "AssessModels",
    "VerdictWithWells",
    "VerdictOfResult",
    "ProjectVerdicts",
    "WellsEvidenceOf",
    "OmittedEvidenceOf",
    "OmittedWellsOf",
    "TargetOfVerdict",
    "ResultBreakEvenValues",
    "ResolveChain",
    "ChainAtReceptor",
    "TimeInputsOf",
    "RunUncertainty",
};

// Calls of a case piece in the .h and .cpp files under `folder`, outside
// comments: "file:line: name".
std::vector<std::string> CasePiecesCalledIn(const std::string& folder, size_t* files) {
  static const std::regex kCall = [] {
    std::string names;
    for (const char* piece : kCasePieces) names += (names.empty() ? "" : "|") + std::string(piece);
    return std::regex("\\b(" + names + ")\\s*\\(");
  }();
  std::vector<std::string> found;
  const fs::path root = fs::path(VIRELO_SOURCE_DIR);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
    ++*files;
    std::ifstream in(entry.path());
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
      const std::string code = text.substr(0, text.find("//"));
      std::smatch match;
      if (std::regex_search(code, match, kCall))
        found.push_back(fs::relative(entry.path(), root).string() + ":" + std::to_string(line) + ": " +
                        match[1].str());
    }
  }
  return found;
}

TEST(Layers, FacesReadTheCase) {
  for (const std::string folder : {"pages", "analysis", "report", "app", "platform", "tools/cli"}) {
    size_t files = 0;
    for (const std::string& call : CasePiecesCalledIn(folder, &files))
      ADD_FAILURE() << call << ": a face reads this from the case (engine/case/projectcase.h)";
    EXPECT_GE(files, 4u) << folder;
  }
  // The engine itself calls them: a scan that finds nothing there is blind.
  size_t files = 0;
  EXPECT_FALSE(CasePiecesCalledIn("engine", &files).empty());
}

// The rule is read from the text as written: a Qt header by any of its
// spellings, and a folder only at the start of the path.
TEST(Layers, RecognisesQtHeadersAndFolders) {
  for (const char* qt : {"QString", "QtCore/qglobal.h", "QWidget.h", "qstring.h", "QtWidgets"})
    EXPECT_TRUE(IsQt(qt)) << qt;
  for (const char* other :
       {"cstdio", "string", "engine/project/records.h", "nlohmann/json.hpp", "queue", "locale.h"})
    EXPECT_FALSE(IsQt(other)) << other;
  EXPECT_TRUE(IsUnder("app/Commands.h", {"app", "report"}));
  EXPECT_FALSE(IsUnder("pages/approximation.h", {"app"}));
  EXPECT_FALSE(IsUnder("engine/report.h", {"report"}));
  EXPECT_EQ(EngineFolderOf("engine/core/calc.h"), "core");
  EXPECT_EQ(EngineFolderOf("engine/calc.h"), "");
  EXPECT_EQ(EngineFolderOf("persistence/csv.h"), "");
}

}  // namespace
