// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Comma-separated tables as RFC 4180 writes them (quoted fields, doubled
// quotes, commas and line breaks inside quotes), also with the semicolons of
// spreadsheets set to a decimal comma, and the conversion between the
// encodings of such tables and the single-byte texts of Virelo's records
// (of which imported fields use the Latin-1 letters).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/project/recordtext.h"  // the records' texts, which readers and writers convert

struct CsvRecord {
  int line = 0;  // physical line (1-based) on which the record starts
  std::vector<std::string> fields;
};

struct CsvTable {
  std::vector<CsvRecord> records;
  // Set when the text could not be read to its end; `errorLine` is the line
  // on which the unreadable record starts.
  bool ok = true;
  int errorLine = 0;
  std::string error;
};

// Splits `text` into records of fields divided by `separator`. Line ends are
// LF or CR LF; a final line end is optional. A byte-order mark at the start
// is skipped. A quote inside an unquoted field, text after a closing quote,
// and a quote left open at the end of the text stop the parse with an error;
// the records read before it are kept.
CsvTable ParseCsv(std::string_view text, char separator = ',');

// The separator of a table: ';' when its first non-blank line holds more
// semicolons than commas outside quotes, else ','.
char DetectCsvSeparator(std::string_view text);

// A character that Latin-1 cannot hold, or a byte that is no character.
struct CsvCharacterError {
  int line = 0;    // 1-based
  int column = 0;  // 1-based, in characters
  std::string message;
};

// Text as spreadsheets write it, to Latin-1: UTF-8 (with or without a
// byte-order mark, which is dropped) when the bytes are valid UTF-8 or begin
// with the mark; otherwise Windows-1252, whose letters above 0x9F are
// Latin-1's. Returns false with every character that Latin-1 cannot hold
// (named in UTF-8 with its code point) and every zero byte in `errors`.
bool DecodeSpreadsheetText(std::string_view bytes, std::string* latin1,
                           std::vector<CsvCharacterError>* errors);

// The start that every reader of a spreadsheet table shares: the bytes
// decoded to Latin-1 (DecodeSpreadsheetText), each character that Latin-1
// cannot hold handed to `refuse` as "column N: <message>" on its line, the
// separator detected, the records parsed, and blank records before the
// header skipped. Whether the parse reached the end (table.ok) is left to
// the reader, which words it where its messages want it.
struct CsvTablePrologue {
  char separator = ',';
  CsvTable table;
  size_t header = 0;        // the header record's index; records.size() when there is none
  int characterErrors = 0;  // how many characters were refused
};
CsvTablePrologue ReadCsvTablePrologue(std::string_view bytes,
                                      const std::function<void(int line, const std::string& reason)>& refuse);

// A record that is one field of nothing but spaces and tabs: a blank line.
bool IsBlankCsvRecord(const CsvRecord& record);

// One field, quoted when it holds a comma, a quote, CR or LF.
std::string CsvQuote(std::string_view field);
// Fields joined by commas, each quoted where needed, without line end.
std::string CsvJoin(const std::vector<std::string>& fields);
