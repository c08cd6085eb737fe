// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The shared text rules, and the start of reading a spreadsheet table that
// the database and site readers share.
#include <gtest/gtest.h>
#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "diagnostics/text.h"
#include "persistence/csv.h"

namespace {

TEST(Text, TrimBlanksTakesSpacesAndTabsOnly) {
  EXPECT_EQ(TrimBlanks("  \tBenzene \t "), "Benzene");
  EXPECT_EQ(TrimBlanks("cis-1,2-DCE"), "cis-1,2-DCE");
  EXPECT_EQ(TrimBlanks(" \t "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  // A line end inside a quoted cell is text, and so is a space inside.
  EXPECT_EQ(TrimBlanks(" two\nlines\r "), "two\nlines\r");
  EXPECT_EQ(TrimBlanks(" a  b "), "a  b");
}

// The number form of the tables and the command-line tool: what is written
// reads back as the same double, and the text is what "%.17g" writes in the
// C locale, so that existing files and outputs stay byte for byte.
TEST(Text, RoundTripNumberReadsBackExactly) {
  EXPECT_EQ(RoundTripNumber(0.1), "0.10000000000000001");
  EXPECT_EQ(RoundTripNumber(250.0), "250");
  EXPECT_EQ(RoundTripNumber(-0.0), "-0");
  EXPECT_EQ(RoundTripNumber(1e-5), "1.0000000000000001e-05");
  EXPECT_EQ(RoundTripNumber(1e300), "1.0000000000000001e+300");
  const double values[] = {0.1,      1.0 / 3.0, 6.02214076e23, 5e-324, 1.7976931348623157e308,
                           -123.456, 0.3 - 0.1};
  for (double value : values) {
    const std::string text = RoundTripNumber(value);
    double read = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size()) << text;
    EXPECT_EQ(read, value) << text;
    char c[64];
    std::snprintf(c, sizeof c, "%.17g", value);  // the program's locale is "C"
    EXPECT_EQ(text, c);
  }
}

// On a desktop that writes a decimal comma the numbers keep their point, and
// the thread's own locale is back afterwards.
TEST(Text, CNumbersKeepTheirPointOnACommaDesktop) {
  locale_t comma = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
  if (!comma) GTEST_SKIP() << "no de_DE.UTF-8 locale here (tools/test.sh makes one)";
  const locale_t before = uselocale(comma);
  char text[32];
  EXPECT_EQ(FormatCNumber(text, sizeof text, "%.3f", 1.0625), 5);
  EXPECT_STREQ(text, "1.062");
  char* end = nullptr;
  const char* number = "2.5e-3 m";
  EXPECT_EQ(ParseCNumber(number, &end), 2.5e-3);
  EXPECT_EQ(end, number + 6);
  EXPECT_EQ(ParseCNumber("nothing"), 0.0);
  std::snprintf(text, sizeof text, "%.1f", 1.5);
  EXPECT_STREQ(text, "1,5");  // the thread's locale again
  uselocale(before);
  freelocale(comma);
}

struct Refusals {
  std::vector<std::pair<int, std::string>> list;
  auto Collector() {
    return [this](int line, const std::string& reason) { list.emplace_back(line, reason); };
  }
};

TEST(Text, TablePrologueFindsTheHeaderAfterBlankLines) {
  Refusals refused;
  const CsvTablePrologue p = ReadCsvTablePrologue("\n  \n\t\nwell;s\nB1;1,5\n\nB2;2\n", refused.Collector());
  EXPECT_TRUE(refused.list.empty());
  EXPECT_EQ(p.separator, ';');
  ASSERT_TRUE(p.table.ok);
  ASSERT_EQ(p.table.records.size(), 7u);
  EXPECT_EQ(p.header, 3u);
  EXPECT_EQ(p.table.records[p.header].line, 4);
  EXPECT_EQ(p.table.records[p.header].fields, (std::vector<std::string>{"well", "s"}));
  EXPECT_FALSE(IsBlankCsvRecord(p.table.records[4]));
  EXPECT_TRUE(IsBlankCsvRecord(p.table.records[5]));
  EXPECT_EQ(p.characterErrors, 0);
}

TEST(Text, TablePrologueRefusesCharactersByLineAndLeavesTheParseToTheReader) {
  Refusals refused;
  // U+20AC (the euro sign) has no Latin-1 letter; a quote left open ends
  // the parse.
  const CsvTablePrologue p =
      ReadCsvTablePrologue("name,value\nBenzene,1\n\xE2\x82\xAC,2\n\"open,3\n", refused.Collector());
  ASSERT_EQ(refused.list.size(), 1u);
  EXPECT_EQ(refused.list[0].first, 3);
  EXPECT_EQ(refused.list[0].second.rfind("column 1: ", 0), 0u) << refused.list[0].second;
  EXPECT_EQ(p.characterErrors, 1);
  EXPECT_EQ(p.separator, ',');
  EXPECT_FALSE(p.table.ok);
  EXPECT_EQ(p.table.errorLine, 4);
  EXPECT_EQ(p.header, 0u);

  const CsvTablePrologue blank = ReadCsvTablePrologue(" \n\t\n", refused.Collector());
  EXPECT_EQ(blank.header, blank.table.records.size());
  const CsvTablePrologue empty = ReadCsvTablePrologue("", refused.Collector());
  EXPECT_EQ(empty.header, empty.table.records.size());
}

}  // namespace
