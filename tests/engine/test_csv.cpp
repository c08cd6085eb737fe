// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/csv.h"

namespace {

using Fields = std::vector<std::string>;

TEST(Csv, PlainRecordsWithLineNumbersAndEmptyFields) {
  const CsvTable t = ParseCsv("a,b,c\r\n1,,3\n,,\nlast,row");
  ASSERT_TRUE(t.ok);
  ASSERT_EQ(t.records.size(), 4u);
  EXPECT_EQ(t.records[0].fields, (Fields{"a", "b", "c"}));
  EXPECT_EQ(t.records[1].fields, (Fields{"1", "", "3"}));
  EXPECT_EQ(t.records[2].fields, (Fields{"", "", ""}));
  EXPECT_EQ(t.records[3].fields, (Fields{"last", "row"}));  // no final line end
  EXPECT_EQ(t.records[3].line, 4);
}

TEST(Csv, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
  const CsvTable t = ParseCsv(
      "\xEF\xBB\xBFname,note\n"
      "\"1,1-Dichloroethane\",\"say \"\"hi\"\"\"\n"
      "\"two\nlines\",\"crlf\r\ninside\"\n"
      "\"\",after\n");
  ASSERT_TRUE(t.ok);
  ASSERT_EQ(t.records.size(), 4u);
  EXPECT_EQ(t.records[0].fields, (Fields{"name", "note"}));  // byte-order mark skipped
  EXPECT_EQ(t.records[1].fields, (Fields{"1,1-Dichloroethane", "say \"hi\""}));
  EXPECT_EQ(t.records[2].fields, (Fields{"two\nlines", "crlf\r\ninside"}));
  EXPECT_EQ(t.records[2].line, 3);
  // The line breaks inside the quotes count for the records after them.
  EXPECT_EQ(t.records[3].line, 6);
  EXPECT_EQ(t.records[3].fields, (Fields{"", "after"}));
}

TEST(Csv, MalformedQuotesStopWithTheLineOfTheirRecord) {
  CsvTable t = ParseCsv("a,b\n1,2\n3,\"open\nstill open\n");
  EXPECT_FALSE(t.ok);
  EXPECT_EQ(t.errorLine, 3);
  EXPECT_EQ(t.error, "unterminated quote");
  EXPECT_EQ(t.records.size(), 2u);  // what came before is kept

  t = ParseCsv("a,b\n\"x\"y,2\n");
  EXPECT_FALSE(t.ok);
  EXPECT_EQ(t.errorLine, 2);

  t = ParseCsv("a,b\nx\"y,2\n");
  EXPECT_FALSE(t.ok);
  EXPECT_EQ(t.errorLine, 2);
}

TEST(Csv, WrittenFieldsReadBackUnchanged) {
  const Fields fields = {"plain", "with,comma", "with \"quotes\"", "line\nbreak", "cr\rlf", "", " blanks "};
  EXPECT_EQ(CsvQuote("plain"), "plain");
  EXPECT_EQ(CsvQuote("a\"b"), "\"a\"\"b\"");
  const CsvTable t = ParseCsv(CsvJoin(fields) + "\n" + CsvJoin(fields));
  ASSERT_TRUE(t.ok);
  ASSERT_EQ(t.records.size(), 2u);
  EXPECT_EQ(t.records[0].fields, fields);
  EXPECT_EQ(t.records[1].fields, fields);
}

TEST(Csv, Latin1AndUtf8) {
  std::string all;
  for (int ch = 1; ch < 256; ++ch) all.push_back(static_cast<char>(ch));
  std::string back;
  ASSERT_TRUE(Utf8ToLatin1(Latin1ToUtf8(all), &back));
  EXPECT_EQ(back, all);

  EXPECT_EQ(Latin1ToUtf8("\xC4thylbenzol"), "\xC3\x84thylbenzol");
  EXPECT_FALSE(Utf8ToLatin1("\xE2\x82\xAC", &back));  // the euro sign is not Latin-1
  EXPECT_FALSE(Utf8ToLatin1("\xC4thyl", &back));      // Latin-1 bytes are not UTF-8
  EXPECT_FALSE(Utf8ToLatin1("\xC1\x81", &back));      // overlong "A"
  EXPECT_FALSE(Utf8ToLatin1("end\xC3", &back));       // cut sequence
  EXPECT_EQ(back, all);                               // unchanged after a refusal
}

}  // namespace
