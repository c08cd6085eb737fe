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

TEST(Csv, SpreadsheetTextBecomesLatin1OrNamesWhatCannot) {
  // The separator is the header's, not that of a quoted header cell.
  EXPECT_EQ(DetectCsvSeparator("\xEF\xBB\xBF"
                               "a;b;c\n1,5;2;3\n"),
            ';');
  EXPECT_EQ(DetectCsvSeparator("\n\"x;y;z\",b\n"), ',');
  EXPECT_EQ(ParseCsv("a;\"b;c\"\n", ';').records.at(0).fields, (Fields{"a", "b;c"}));

  std::string latin1;
  std::vector<CsvCharacterError> errors;
  EXPECT_TRUE(
      DecodeSpreadsheetText("\xEF\xBB\xBF"
                            "S\xC3\xBC"
                            "d",
                            &latin1, &errors));
  EXPECT_EQ(latin1,
            "S\xFC"
            "d");
  EXPECT_TRUE(
      DecodeSpreadsheetText("S\xFC"
                            "d \xB5g",
                            &latin1, &errors));  // Windows-1252
  EXPECT_EQ(latin1,
            "S\xFC"
            "d \xB5g");

  // Columns count characters: the emoji is the third of its line.
  EXPECT_FALSE(DecodeSpreadsheetText("ab\n\xC3\xA4x\xF0\x9F\x98\x80\n", &latin1, &errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].line, 2);
  EXPECT_EQ(errors[0].column, 3);
  EXPECT_EQ(errors[0].message, "the character \"\xF0\x9F\x98\x80\" (U+1F600) is outside Latin-1");
  EXPECT_EQ(latin1, "ab\n\xE4x?\n");
  // Windows-1252 quotes and en dash read as their plain marks; a byte it
  // leaves undefined is refused; a broken byte after a UTF-8 byte-order mark.
  EXPECT_FALSE(DecodeSpreadsheetText("\x93x\x94\x96\x81", &latin1, &errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].message, "byte 0x81 is no character in Windows-1252");
  EXPECT_EQ(latin1, "\"x\"-?");
  EXPECT_FALSE(DecodeSpreadsheetText("\xEF\xBB\xBFok\xFF", &latin1, &errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].column, 3);
}

// A carriage return is data inside quotes, and outside them unless a line
// feed follows it or the text ends with it: a lone one neither splits a
// record nor may an ending one stay behind in the last field.
TEST(Csv, CarriageReturns) {
  CsvTable t = ParseCsv("a,\"x\ry\"\r\nb,\"\r\"\r\n\"q\"\r\nlast,cut\r");
  ASSERT_TRUE(t.ok);
  ASSERT_EQ(t.records.size(), 4u);
  EXPECT_EQ(t.records[0].fields, (Fields{"a", "x\ry"}));
  EXPECT_EQ(t.records[1].fields, (Fields{"b", "\r"}));
  EXPECT_EQ(t.records[2].fields, (Fields{"q"}));
  EXPECT_EQ(t.records[3].fields, (Fields{"last", "cut"}));
  EXPECT_EQ(t.records[3].line, 4);

  t = ParseCsv("a\rb,c\nd,e");
  ASSERT_TRUE(t.ok);
  ASSERT_EQ(t.records.size(), 2u);
  EXPECT_EQ(t.records[0].fields, (Fields{"a\rb", "c"}));
  EXPECT_EQ(t.records[1].line, 2);
  EXPECT_EQ(ParseCsv("a\rb").records.at(0).fields, (Fields{"a\rb"}));  // not the end: a byte follows
  EXPECT_EQ(CsvQuote("a\rb"), "\"a\rb\"");                             // written so that it reads back
}

// The header alone decides, by the separators outside quotes; a tie and an
// empty text are comma tables.
TEST(Csv, SeparatorDetection) {
  EXPECT_EQ(DetectCsvSeparator("a;b,c\n1;2;3;4\n"), ',');
  EXPECT_EQ(DetectCsvSeparator("a;b;c,d\n"), ';');
  EXPECT_EQ(DetectCsvSeparator("a,b,c\n1;2;3;4;5;6\n"), ',');
  EXPECT_EQ(DetectCsvSeparator("\r\n  \n\"a,b,c\";d;e\r\n"), ';');
  EXPECT_EQ(DetectCsvSeparator("group;name"), ';');
  EXPECT_EQ(DetectCsvSeparator(""), ',');
}

// A zero byte would end a name in its record, silently cutting off the rest:
// it is named with its place like any byte that is no character.
TEST(Csv, ZeroByteIsRefused) {
  std::string latin1;
  std::vector<CsvCharacterError> errors;
  EXPECT_FALSE(DecodeSpreadsheetText(std::string("a,b\nBen\0zene,1\n", 15), &latin1, &errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].line, 2);
  EXPECT_EQ(errors[0].column, 4);
  EXPECT_EQ(latin1, "a,b\nBen?zene,1\n");
}

// After a byte-order mark, every malformed sequence is named (overlong
// forms, surrogates, beyond U+10FFFF) rather than decoded into some other
// character, and the byte after a bad one is read as itself. Windows-1252
// leaves five bytes undefined.
TEST(Csv, MalformedUtf8AndUndefinedWindows1252) {
  std::string latin1;
  std::vector<CsvCharacterError> errors;
  for (const char* bad : {"\xC1\x81", "\xE0\x80\x81", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    EXPECT_FALSE(DecodeSpreadsheetText(std::string("\xEF\xBB\xBFx") + bad, &latin1, &errors)) << bad;
    ASSERT_FALSE(errors.empty()) << bad;
    EXPECT_EQ(errors[0].column, 2) << bad;
    EXPECT_NE(errors[0].message.find("is not UTF-8"), std::string::npos) << errors[0].message;
  }
  EXPECT_FALSE(
      DecodeSpreadsheetText("\xEF\xBB\xBF"
                            "a\xFF"
                            "bc",
                            &latin1, &errors));
  EXPECT_EQ(latin1, "a?bc");
  for (const char* undefined : {"\x81", "\x8D", "\x8F", "\x90", "\x9D"}) {
    EXPECT_FALSE(DecodeSpreadsheetText(std::string("x") + undefined, &latin1, &errors)) << undefined;
    EXPECT_EQ(latin1, "x?");
  }
  EXPECT_FALSE(DecodeSpreadsheetText("\x8A\x9A\x9F", &latin1, &errors));  // all outside Latin-1
  EXPECT_EQ(errors.size(), 3u);
}

}  // namespace
