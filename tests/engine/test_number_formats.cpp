// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Every number the core writes goes through the one C-locale helper
// (FormatCNumber in diagnostics/text.h, and FormatResultValue above it). A
// bare printf-family call with a floating-point conversion follows the
// process's locale, and the desktop adopts the user's: "2.75" would read
// "2,75" on a German desktop, in a project file, a CSV or a message. The
// rule is read from the sources themselves, so that a new module cannot
// forget it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The code without its comments; string and character literals kept whole.
std::string WithoutComments(const std::string& code) {
  std::string out;
  out.reserve(code.size());
  for (size_t k = 0; k < code.size();) {
    const char c = code[k];
    if (c == '"' || c == '\'') {
      const size_t start = k++;
      while (k < code.size() && code[k] != c) k += code[k] == '\\' ? 2 : 1;
      k = std::min(k + 1, code.size());
      out.append(code, start, k - start);
    } else if (code.compare(k, 2, "//") == 0) {
      k = code.find('\n', k);
      if (k == std::string::npos) k = code.size();
    } else if (code.compare(k, 2, "/*") == 0) {
      const size_t end = code.find("*/", k + 2);
      k = end == std::string::npos ? code.size() : end + 2;
      out += ' ';
    } else {
      out += c;
      ++k;
    }
  }
  return out;
}

// The argument text of the call whose opening bracket stands at `open`, up
// to its closing bracket, with literals skipped while counting.
std::string CallArguments(const std::string& code, size_t open) {
  int depth = 0;
  for (size_t k = open; k < code.size(); ++k) {
    const char c = code[k];
    if (c == '"' || c == '\'') {
      for (++k; k < code.size() && code[k] != c;) k += code[k] == '\\' ? 2 : 1;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return code.substr(open + 1, k - open - 1);
    }
  }
  return code.substr(open + 1);
}

// The locale-bound calls in `code` (comments removed) whose literal formats
// hold a floating-point conversion: each as the call's first line.
std::vector<std::string> LocaleBoundNumberFormats(const std::string& source) {
  static const std::regex kCall(
      R"(\b(?:std::)?(v?s?n?printf|v?fprintf|ReportError|ReportWarning|ReportDebug)\s*\()");
  static const std::regex kFloatConversion(R"(%[-+ #0]*[0-9*]*(\.[0-9*]*)?[lL]?[fFeEgGaA])");
  static const std::regex kLiteral(R"re("((?:[^"\\]|\\.)*)")re");
  const std::string code = WithoutComments(source);
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(code.begin(), code.end(), kCall); it != std::sregex_iterator(); ++it) {
    const size_t open = static_cast<size_t>(it->position() + it->length() - 1);
    const std::string arguments = CallArguments(code, open);
    for (auto lit = std::sregex_iterator(arguments.begin(), arguments.end(), kLiteral);
         lit != std::sregex_iterator(); ++lit) {
      // "%%" is a percent sign, never a conversion.
      const std::string format = std::regex_replace((*lit)[1].str(), std::regex("%%"), "");
      if (std::regex_search(format, kFloatConversion)) {
        found.push_back(it->str() + arguments.substr(0, arguments.find('\n')));
        break;
      }
    }
  }
  return found;
}

TEST(NumberFormats, CoreWritesNumbersThroughTheCLocaleHelper) {
  const fs::path root = fs::path(VIRELO_SOURCE_DIR);
  size_t files = 0;
  for (const char* folder : {"engine", "persistence", "diagnostics"}) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
      const std::string relative = fs::relative(entry.path(), root).string();
      // The helper itself is the one place that may call snprintf with a
      // caller's number format: it sets the C locale's point around it.
      if (relative == "diagnostics/text.cpp") continue;
      ++files;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      for (const std::string& call : LocaleBoundNumberFormats(text.str()))
        ADD_FAILURE() << relative << ": " << call << " formats a number in the desktop's locale";
    }
  }
  // A wrong source folder would find nothing and pass.
  EXPECT_GE(files, 60u);
}

// The reading of the rule: which calls are locale-bound, and what is not.
TEST(NumberFormats, RecognisesLocaleBoundCallsOnly) {
  EXPECT_EQ(LocaleBoundNumberFormats("std::snprintf(b, sizeof b, \"%g\", v);").size(), 1u);
  EXPECT_EQ(LocaleBoundNumberFormats("snprintf(b, n,\n  \"lambda %.4e per day\", v);").size(), 1u);
  EXPECT_EQ(LocaleBoundNumberFormats("std::printf(\"%8.3f\\n\", v);").size(), 1u);
  EXPECT_EQ(LocaleBoundNumberFormats("ReportWarning(cb, \"calc\", \"x = %g\", x);").size(), 1u);
  EXPECT_EQ(LocaleBoundNumberFormats("fprintf(out, \"%Lf\", v);").size(), 1u);
  // Integers, texts, a percent sign, the helper, and a format in a comment.
  EXPECT_TRUE(LocaleBoundNumberFormats("std::snprintf(b, n, \"%04d-%02d-%02d\", y, m, d);").empty());
  EXPECT_TRUE(LocaleBoundNumberFormats("std::snprintf(b, n, \"%s: 100%%f\", name);").empty());
  EXPECT_TRUE(LocaleBoundNumberFormats("FormatCNumber(b, n, \"%.4g\", v);").empty());
  EXPECT_TRUE(LocaleBoundNumberFormats("// std::snprintf(b, n, \"%g\", v);\nint x;").empty());
  EXPECT_TRUE(LocaleBoundNumberFormats("/* snprintf(b, n, \"%f\", v) */ int x;").empty());
  EXPECT_TRUE(LocaleBoundNumberFormats("const char* s = \"%g\"; // no call").empty());
}

}  // namespace
