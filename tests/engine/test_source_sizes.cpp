// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Sizes the coding style keeps: no source file of the program over 600
// lines, and no function over 100 lines. A capability that grows past them
// belongs in a file or a function of its own. The few functions longer than
// that when the rule came are listed with their length, which they may not
// exceed; none may join them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kMaxFileLines = 600;
constexpr int kMaxFunctionLines = 100;

const char* const kFolders[] = {"engine",   "persistence", "diagnostics", "platform", "pages",
                                "analysis", "app",         "report",      "tools/cli"};

// The files holding a function longer than kMaxFunctionLines when the rule
// came, with the lines that function then had.
const std::map<std::string, int> kKnownLong = {
    {"pages/CPropAqui.cpp", 204},
    {"pages/ContaminantEditorDialog.cpp", 176},
    {"pages/CPropResultsLayout.cpp", 172},
    {"analysis/PlanView.cpp", 162},
    {"pages/CPropConts.cpp", 138},
    {"persistence/databasecsv.cpp", 132},
    {"pages/CPropProject.cpp", 129},
    {"persistence/sitecsv.cpp", 118},
    {"analysis/ChainWindow.cpp", 111},
};

// The code with comments, string and character literals blanked out, line
// ends kept, so that braces inside them do not count.
std::string Blanked(const std::string& code) {
  std::string out = code;
  for (size_t k = 0; k < out.size();) {
    if (out.compare(k, 2, "//") == 0) {
      while (k < out.size() && out[k] != '\n') out[k++] = ' ';
    } else if (out.compare(k, 2, "/*") == 0) {
      while (k < out.size() && out.compare(k, 2, "*/") != 0) {
        if (out[k] != '\n') out[k] = ' ';
        ++k;
      }
      if (k < out.size()) out[k] = out[k + 1] = ' ', k += 2;
    } else if (out.compare(k, 2, "R\"") == 0) {
      // A raw string: R"delim( ... )delim".
      const size_t open = out.find('(', k);
      const std::string close = ")" + out.substr(k + 2, open - k - 2) + "\"";
      const size_t end = out.find(close, open);
      const size_t stop = end == std::string::npos ? out.size() : end + close.size();
      for (; k < stop; ++k)
        if (out[k] != '\n') out[k] = ' ';
    } else if (out[k] == '"' || out[k] == '\'') {
      const char quote = out[k];
      out[k++] = ' ';
      while (k < out.size() && out[k] != quote && out[k] != '\n') {
        if (out[k] == '\\' && k + 1 < out.size()) out[k++] = ' ';
        out[k++] = ' ';
      }
      if (k < out.size() && out[k] == quote) out[k++] = ' ';
    } else {
      ++k;
    }
  }
  return out;
}

struct Function {
  int firstLine = 0;
  int lines = 0;
};

// The outermost function bodies of a source file: a brace whose text before
// it closes a parameter list (with const, override, noexcept, a trailing
// return type or a constructor's initialisers), not a control statement.
// Lambdas and blocks inside a function count as the function's lines.
std::vector<Function> FunctionsOf(const std::string& code) {
  static const std::regex kSignatureEnd(
      R"(\)\s*(const\s*)?(override\s*)?(noexcept\s*)?(->\s*[\w:<>,\s*&]+)?(:[^;{}]*)?$)");
  static const std::regex kControl(R"(\b(if|for|while|switch|catch)\s*\(.*\)\s*$)");
  const std::string text = Blanked(code);
  std::vector<Function> functions;
  struct Open {
    int line;
    bool function;
  };
  std::vector<Open> open;
  bool insideFunction = false;
  int line = 1;
  size_t statementStart = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (c == '\n') ++line;
    if (c == ';' || c == '}') statementStart = k + 1;
    if (c == '{') {
      std::string before = text.substr(statementStart, k - statementStart);
      const size_t lastBrace = before.find_last_of("{}");
      if (lastBrace != std::string::npos) before = before.substr(lastBrace + 1);
      // Only the last line's statement decides whether it is a control one.
      const std::string lastPart =
          before.substr(before.find_last_of(';') == std::string::npos ? 0 : before.find_last_of(';') + 1);
      const bool function = !insideFunction && std::regex_search(before, kSignatureEnd) &&
                            !std::regex_search(lastPart, kControl);
      open.push_back({line, function});
      if (function) insideFunction = true;
      statementStart = k + 1;
    } else if (c == '}' && !open.empty()) {
      const Open o = open.back();
      open.pop_back();
      if (o.function) {
        functions.push_back({o.line, line - o.line});
        insideFunction = false;
      }
    }
  }
  return functions;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SourceSizes, NoFileOrFunctionOutgrowsItsShare) {
  const fs::path root(VIRELO_SOURCE_DIR);
  size_t files = 0, functions = 0;
  for (const char* folder : kFolders) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
      const std::string relative = fs::relative(entry.path(), root).string();
      const std::string code = Read(entry.path());
      ++files;
      const int lines = static_cast<int>(std::count(code.begin(), code.end(), '\n'));
      EXPECT_LE(lines, kMaxFileLines) << relative << " has " << lines << " lines";
      if (extension != ".cpp") continue;
      const auto known = kKnownLong.find(relative);
      int longest = 0;
      for (const Function& f : FunctionsOf(code)) {
        ++functions;
        longest = std::max(longest, f.lines);
        const int allowed =
            known != kKnownLong.end() ? std::max(kMaxFunctionLines, known->second) : kMaxFunctionLines;
        EXPECT_LE(f.lines, allowed) << relative << ":" << f.firstLine << ": a function of " << f.lines
                                    << " lines";
      }
      // A listed function that was split leaves the list.
      if (known != kKnownLong.end())
        EXPECT_GT(longest, kMaxFunctionLines) << relative << " no longer has a function over "
                                              << kMaxFunctionLines << " lines: take it off the list";
    }
  }
  // A wrong source folder or a scanner that finds no function would pass.
  EXPECT_GE(files, 300u);
  EXPECT_GE(functions, 1500u);
}

// The scanner's reading: function bodies, not control blocks, lambdas or
// braces in texts and comments.
TEST(SourceSizes, FindsFunctionBodiesOnly) {
  const std::string code =
      "namespace {\n"
      "int Small(int a) {\n"
      "  if (a > 0) {\n"
      "    return 1;  // }\n"
      "  }\n"
      "  auto f = [](int b) { return b; };\n"
      "  const char* s = \"{\";\n"
      "  return f(a);\n"
      "}\n"
      "}  // namespace\n"
      "struct S {\n"
      "  int Get() const { return 1; }\n"
      "};\n"
      "Window::Window(QWidget* parent)\n"
      "    : QDialog(parent) {\n"
      "  build();\n"
      "}\n";
  const std::vector<Function> found = FunctionsOf(code);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].firstLine, 2);
  EXPECT_EQ(found[0].lines, 7);
  EXPECT_EQ(found[1].firstLine, 12);
  EXPECT_EQ(found[2].firstLine, 15);
  EXPECT_EQ(found[2].lines, 2);
}

}  // namespace
