// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The table and the CSV form of each command, on the same project, must
// say the same: a column swapped or a row dropped in one form only would
// pass every test that looks at one form alone. And the limits of db-import.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "engine/project/records.h"
#include "persistence/csv.h"
#include "persistence/database.h"
#include "persistence/project_json.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli.h"

namespace fs = std::filesystem;

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string RunCommand(std::vector<std::string> args, int* status = nullptr) {
  args.insert(args.begin(), "virelo-cli");
  std::ostringstream out, err;
  testing::internal::CaptureStdout();
  const int code = RunCli(args, out, err);
  testing::internal::GetCapturedStdout();
  if (status) *status = code;
  return out.str() + err.str();
}

// The CSV's rows, header excluded, each made as wide as the header: a short
// row fails the test here instead of a column being read past its end.
Rows CsvBody(const std::string& text) {
  const CsvTable table = ParseCsv(text);
  EXPECT_TRUE(table.ok);
  const size_t columns = table.records.empty() ? 0 : table.records[0].fields.size();
  Rows rows;
  for (size_t k = 1; k < table.records.size(); ++k) {
    rows.push_back(table.records[k].fields);
    EXPECT_EQ(rows.back().size(), columns) << "row " << k;
    rows.back().resize(columns);
  }
  return rows;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Table cells are divided by two blanks or more; names hold single ones.
std::vector<std::string> Cells(const std::string& line) {
  static const std::regex gap("  +");
  std::vector<std::string> cells;
  for (std::sregex_token_iterator it(line.begin(), line.end(), gap, -1), end; it != end; ++it)
    if (!it->str().empty()) cells.push_back(*it);
  return cells;
}

size_t CharacterColumn(const std::string& utf8, size_t bytes) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.begin() + static_cast<long>(bytes),
                    [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

// Whether a table cell is the CSV's number as the table prints it: the
// same printf form, read off the cell ("18.42" is %.2f, "1.8E-03" %.1E).
bool Shows(const std::string& cell, const std::string& csvNumber) {
  const double value = std::stod(csvNumber);
  const size_t point = cell.find('.');
  const size_t exponent = cell.find_first_of("eE");
  char format[16];
  if (exponent != std::string::npos) {
    std::snprintf(format, sizeof format, "%%.%d%c", int(exponent - point - 1), cell[exponent]);
  } else {
    std::snprintf(format, sizeof format, "%%.%df",
                  point == std::string::npos ? 0 : int(cell.size() - point - 1));
  }
  char printed[64];
  std::snprintf(printed, sizeof printed, format, value);
  return cell == printed;
}

const std::string kSource = VIRELO_SOURCE_DIR;
const std::vector<std::string> kProjects = {kSource + "/examples/worked-example.vrp",
                                            kSource + "/examples/fuel-depot.vrp"};
const std::vector<std::vector<std::string>> kRanges = {{}, {"--plume-range", "2", "--af-range", "1"}};

TEST(CliForms, AssessTableAndCsvAgree) {
  int compared = 0, reasoned = 0;
  std::vector<std::string> projects = kProjects;
  // With a decay chain and with wells: the verdict and why.
  projects.push_back(kSource + "/examples/dry-cleaner.vrp");
  projects.push_back(kSource + "/examples/petrol-station.vrp");
  for (const std::string& project : projects) {
    for (const auto& range : kRanges) {
      std::vector<std::string> args = {"assess", project};
      args.insert(args.end(), range.begin(), range.end());
      const std::vector<std::string> table = Lines(RunCommand(args));
      args.push_back("--csv");
      const Rows csv = CsvBody(RunCommand(args));
      // The rows of the table's two sections, each with its problem lines.
      std::vector<std::vector<std::string>> rows;
      std::vector<std::string> problems;
      std::string section;
      for (const std::string& line : table) {
        if (line == "Plume length" || line == "Attenuation factor") {
          section = line == "Plume length" ? "PL" : "AF";
        } else if (section.empty() || line.empty() || line.rfind("Contaminant", 0) == 0) {
          continue;
        } else if (line.rfind("    problem ", 0) == 0) {
          ASSERT_FALSE(problems.empty()) << line;  // a problem line belongs to the row above it
          problems.back() += (problems.back().empty() ? "" : " ") + line.substr(12, line.find(':') - 12);
        } else {
          rows.push_back(Cells(line));
          rows.back().insert(rows.back().begin() + 1, section);
          problems.emplace_back();
        }
      }
      ASSERT_EQ(rows.size(), csv.size()) << project;
      for (size_t k = 0; k < rows.size(); ++k) {
        const auto& t = rows[k];
        const auto& c = csv[k];
        ASSERT_GE(t.size(), 3u);
        ASSERT_EQ(c.size(), AssessCsvColumns().size());
        EXPECT_EQ(t[0], c[0]);
        EXPECT_EQ(t[1], c[1]);
        EXPECT_EQ(t[2], c[2]) << c[0];
        EXPECT_EQ(problems[k], c[10]) << c[0];
        if (c[2] == "Problems") {
          EXPECT_EQ(t.size(), 3u);
          continue;
        }
        ASSERT_GE(t.size(), 6u) << c[0];
        ASSERT_LE(t.size(), 7u) << c[0];
        // d and d/x; AF and C0/C; the verdict.
        EXPECT_TRUE(Shows(t[3], c[1] == "PL" ? c[3] : c[6])) << t[3] << " " << c[0];
        EXPECT_TRUE(Shows(t[4], c[1] == "PL" ? c[4] : c[9])) << t[4] << " " << c[0];
        EXPECT_EQ(t[5], c[17]) << c[0];
        // Why: "chain Red, wells Yellow", the reasons' words with their classes.
        std::string words;
        if (t.size() == 7) {
          ++reasoned;
          std::istringstream why(t[6]);
          for (std::string word, cls; why >> word >> cls;) {
            if (!cls.empty() && cls.back() == ',') cls.pop_back();
            words += (words.empty() ? "" : " ") + word;
            if (word == "chain") EXPECT_EQ(cls, c[18]) << c[0];
            if (word == "wells") EXPECT_EQ(cls, c[20]) << c[0];
          }
        }
        EXPECT_EQ(words, c[22]) << c[0];
        ++compared;
      }
    }
  }
  EXPECT_GE(compared, 20);
  EXPECT_GE(reasoned, 4);  // three species of the chain and MTBE's wells
}

TEST(CliForms, BreakevenTableAndCsvAgree) {
  static const std::regex at("^(\\S+)(?: \\(\u00d7(\\S+)\\))?$");
  int compared = 0;
  for (const std::string& project : kProjects) {
    for (const auto& range : kRanges) {
      std::vector<std::string> args = {"breakeven", project};
      args.insert(args.end(), range.begin(), range.end());
      const std::vector<std::string> table = Lines(RunCommand(args));
      args.push_back("--csv");
      const Rows csv = CsvBody(RunCommand(args));
      size_t next = 0;  // the CSV row of the table's next input line
      std::vector<size_t> headings;
      std::string result;
      bool fragileShown = false;
      double nearest = INFINITY;  // over the result's inputs, from the CSV
      auto endResult = [&] {
        if (!result.empty()) {
          EXPECT_EQ(fragileShown, nearest <= 2.0) << result;
        }
        nearest = INFINITY;
      };
      for (const std::string& line : table) {
        static const std::regex heading(R"(^(.+), (plume length|attenuation factor): (\w+)(.*)$)");
        std::smatch m;
        if (std::regex_match(line, m, heading)) {
          endResult();
          result = m[1].str() + (m[2] == "plume length" ? " PL " : " AF ") + m[3].str();
          fragileShown = m[4].str().rfind(", fragile", 0) == 0;
          if (m[4] == " (no break-even values)") result.clear();
          continue;
        }
        if (line.rfind("  ", 0) != 0) continue;
        const std::vector<std::string> cells = Cells(line);
        ASSERT_EQ(cells.size(), 4u) << line;
        // Each cell under its heading, counted in characters (the factor's
        // multiplication sign takes two bytes).
        std::vector<size_t> starts;
        for (size_t k = 0, from = 0; k < cells.size(); ++k) {
          from = line.find(cells[k], from);
          starts.push_back(CharacterColumn(line, from));
          from += cells[k].size();
        }
        if (cells[0] == "Input") {
          headings = starts;
          continue;
        }
        EXPECT_EQ(starts, headings) << line;
        ASSERT_LT(next, csv.size()) << line;
        const auto& c = csv[next++];
        ASSERT_GE(c.size(), 7u) << line;
        EXPECT_EQ(c[0] + " " + c[1] + " " + c[2], result);
        EXPECT_EQ(cells[0], c[3]);
        char value[32];
        std::snprintf(value, sizeof value, "%.6g", std::stod(c[4]));
        EXPECT_EQ(cells[1], value) << result << " " << c[3];
        // Worse then better: each "-" exactly where the CSV cell is empty,
        // else the value and its factor to the current value.
        for (int side = 0; side < 2; ++side) {
          const std::string& csvAt = c[5 + side];
          const std::string& cell = cells[2 + side];
          if (csvAt.empty()) {
            EXPECT_EQ(cell, "-") << result << " " << c[3];
            continue;
          }
          std::smatch parts;
          ASSERT_TRUE(std::regex_match(cell, parts, at)) << cell;
          std::snprintf(value, sizeof value, "%.6g", std::stod(csvAt));
          EXPECT_EQ(parts[1].str(), value) << result << " " << c[3] << (side ? " better" : " worse");
          const double factor = std::stod(csvAt) / std::stod(c[4]);
          ASSERT_TRUE(parts[2].matched) << cell;
          EXPECT_NEAR(std::stod(parts[2].str()) / factor, 1.0, 0.051) << cell;
          nearest = std::min(nearest, std::max(factor, 1.0 / factor));
        }
        ++compared;
      }
      endResult();
      EXPECT_EQ(next, csv.size()) << project;
    }
  }
  EXPECT_GE(compared, 100);
}

TEST(CliForms, ProfileTableAndCsvAgree) {
  const std::vector<std::string> args = {"profile",  kProjects[0], "--contaminant", "Benzene",
                                         "--points", "7",          "--to",          "350"};
  const std::vector<std::string> table = Lines(RunCommand(args));
  std::vector<std::string> csvArgs = args;
  csvArgs.push_back("--csv");
  const Rows csv = CsvBody(RunCommand(csvArgs));
  ASSERT_EQ(csv.size(), 7u);
  size_t next = 0;
  std::vector<size_t> columns;  // where the header's cells begin
  for (const std::string& line : table) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() != 4) continue;
    size_t from = 0;
    for (size_t k = 0; k < cells.size(); ++k) {
      from = line.find(cells[k], from);
      if (cells[0] == "s [m]") {
        columns.push_back(from);
      } else {
        EXPECT_EQ(from, columns.at(k)) << line;  // each value under its heading
      }
      from += cells[k].size();
    }
    if (cells[0] == "s [m]") continue;
    ASSERT_LT(next, csv.size());
    const auto& c = csv[next++];
    ASSERT_EQ(c.size(), 3u) << line;
    EXPECT_TRUE(Shows(cells[0], c[0])) << line;
    EXPECT_TRUE(Shows(cells[1], c[1])) << line;
    EXPECT_TRUE(Shows(cells[2], c[2])) << line;
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.3f", std::stod(c[2]) / std::stod(c[1]));
    EXPECT_EQ(cells[3], ratio) << line;
  }
  EXPECT_EQ(next, csv.size());

  // One point is a profile too: the receptor's own value.
  csvArgs[5] = "1";
  EXPECT_EQ(CsvBody(RunCommand(csvArgs)).size(), 1u);
}

// db-import's limits: a database holds 1 to 32767 contaminants, a count of
// literature entries fits 16 bits, and a zero byte is refused before any
// row is read. Nothing is written when a limit is passed.
class CliLimits : public ProjectFilesTest {
 protected:
  static std::string Table(int rows, const std::string& entries = "3") {
    std::string text =
        "group,name,literaturePlumeLength,literatureEntries,lambdaUnknown,lambdaAerobic,"
        "lambdaNitrate,lambdaIron,lambdaSulfate,lambdaMixedPlumes,lambdaMethane\n";
    for (int k = 0; k < rows; ++k)
      text += "BTEX,Substance " + std::to_string(k) + ",12.5," + entries + ",0.01,,,,,,\n";
    return text;
  }
  int Import(const std::string& text, std::string* output) {
    std::ofstream(Path("in.csv"), std::ios::binary) << text;
    fs::remove(Path("out.vrc"));
    int status = 0;
    *output = RunCommand({"db-import", Path("in.csv"), Path("out.vrc")}, &status);
    return status;
  }
};

TEST_F(CliLimits, RowsAndEntryCounts) {
  std::string output;
  ASSERT_EQ(Import(Table(32767), &output), 0) << output;
  Project* project = virelo_AllocateProject();
  ASSERT_TRUE(virelo_LoadDatabaseFile(project, Path("out.vrc").c_str(), "test"));
  EXPECT_EQ(project->contaminantCount, 32767);
  EXPECT_STREQ(project->contaminants[32766].name, "Substance 32766");
  virelo_FreeProject(project);

  EXPECT_EQ(Import(Table(32768), &output), 1);
  EXPECT_NE(output.find("the table has 32768"), std::string::npos) << output;
  EXPECT_FALSE(fs::exists(Path("out.vrc")));

  ASSERT_EQ(Import(Table(1, "32767"), &output), 0) << output;
  EXPECT_EQ(Import(Table(1, "32768"), &output), 1);
  EXPECT_NE(output.find(":2: literatureEntries: \"32768\" is not a whole number from 0 to 32767"),
            std::string::npos)
      << output;
  EXPECT_FALSE(fs::exists(Path("out.vrc")));
  EXPECT_EQ(Import(Table(1, "-1"), &output), 1);

  EXPECT_EQ(Import(Table(2) + std::string("BTEX,Ben\0zene,1,,0.1,,,,,,\n", 27), &output), 1);
  EXPECT_NE(output.find("zero bytes"), std::string::npos) << output;
  EXPECT_FALSE(fs::exists(Path("out.vrc")));
}

// The JSON reader of project-import: every text fills its field to the last
// byte before the terminator and one more is refused; so is a literature
// count beyond 16 bits. A text that overran its field would run into the
// next one.
TEST(JsonLimits, TextsAndCountsFillTheirFields) {
  Project* source = virelo_AllocateProject();
  source->contaminants = virelo_AllocateContaminants(1);
  source->contaminantCount = 1;
  const std::string json = ProjectToJson(*source);
  virelo_FreeProject(source);
  EXPECT_EQ(json.substr(0, 14), "{\n  \"format\": ");  // the two-space indent the manual shows
  const struct {
    const char* key;
    int capacity;
    size_t offset;
  } texts[] = {{"\"title\": \"", kTitleCapacity, offsetof(Project, title)},
               {"\"description\": \"", kDescriptionCapacity, offsetof(Project, description)},
               {"\"author\": \"", kAuthorCapacity, offsetof(Project, author)},
               {"\"organisation\": \"", kOrganisationCapacity, offsetof(Project, organisation)},
               {"\"name\": \"", kNameCapacity, 0}};
  for (const auto& text : texts) {
    for (int length : {text.capacity - 1, text.capacity}) {
      std::string changed = json;
      const size_t at = changed.find(text.key);
      ASSERT_NE(at, std::string::npos) << text.key;
      changed.insert(at + std::strlen(text.key), std::string(length, 'x'));
      Project* p = virelo_AllocateProject();
      std::string error;
      const bool read = ProjectFromJson(changed, p, &error);
      EXPECT_EQ(read, length < text.capacity) << text.key << length << error;
      if (read) {
        const char* field =
            text.offset ? reinterpret_cast<const char*>(p) + text.offset : p->contaminants[0].name;
        EXPECT_EQ(std::string(field), std::string(length, 'x')) << text.key;
        EXPECT_EQ(std::string(p->author).find('x') == std::string::npos,
                  std::string(text.key) != "\"author\": \"")
            << text.key;
      }
      virelo_FreeProject(p);
    }
  }
  for (int entries : {32767, 32768}) {
    std::string changed = json;
    const std::string key = "\"literatureEntries\": 0";
    changed.replace(changed.find(key), key.size(), "\"literatureEntries\": " + std::to_string(entries));
    Project* p = virelo_AllocateProject();
    std::string error;
    EXPECT_EQ(ProjectFromJson(changed, p, &error), entries == 32767) << error;
    if (entries == 32768) {
      EXPECT_EQ(error, "/contaminants/0/literatureEntries: expected a whole number from -32768 to 32767");
    }
    virelo_FreeProject(p);
  }
}

}  // namespace
