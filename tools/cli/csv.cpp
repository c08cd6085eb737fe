// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/csv.h"

namespace {

enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

}  // namespace

CsvTable ParseCsv(std::string_view text) {
  CsvTable table;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

  int line = 1;
  CsvRecord record;
  record.line = 1;
  std::string field;
  State state = State::FieldStart;
  bool recordOpen = false;  // something of the current record has been read

  auto endField = [&] {
    record.fields.push_back(std::move(field));
    field.clear();
  };
  auto endRecord = [&] {
    endField();
    table.records.push_back(std::move(record));
    record = CsvRecord{};
    recordOpen = false;
    state = State::FieldStart;
  };
  auto fail = [&](const std::string& message) {
    table.ok = false;
    table.errorLine = record.line;
    table.error = message;
    return table;
  };

  for (size_t k = 0; k < text.size(); ++k) {
    const char ch = text[k];
    if (!recordOpen) {
      record.line = line;
      recordOpen = true;
    }
    const bool lineEnd = ch == '\n' || (ch == '\r' && (k + 1 >= text.size() || text[k + 1] == '\n'));
    switch (state) {
      case State::FieldStart:
      case State::Unquoted:
        if (ch == '"') {
          if (state == State::Unquoted) return fail("quote inside an unquoted field");
          state = State::Quoted;
        } else if (ch == ',') {
          endField();
          state = State::FieldStart;
        } else if (lineEnd) {
          if (ch == '\r') ++k;
          ++line;
          endRecord();
        } else {
          field.push_back(ch);
          state = State::Unquoted;
        }
        break;
      case State::Quoted:
        if (ch == '"') {
          state = State::QuoteInQuoted;
        } else {
          if (ch == '\n') ++line;
          field.push_back(ch);
        }
        break;
      case State::QuoteInQuoted:
        if (ch == '"') {
          field.push_back('"');
          state = State::Quoted;
        } else if (ch == ',') {
          endField();
          state = State::FieldStart;
        } else if (lineEnd) {
          if (ch == '\r') ++k;
          ++line;
          endRecord();
        } else {
          return fail("text after a closing quote");
        }
        break;
    }
  }
  if (state == State::Quoted) return fail("unterminated quote");
  if (recordOpen) endRecord();
  return table;
}

std::string CsvQuote(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (char ch : field) {
    if (ch == '"') quoted.push_back('"');
    quoted.push_back(ch);
  }
  quoted.push_back('"');
  return quoted;
}

std::string CsvJoin(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) line.push_back(',');
    line += CsvQuote(fields[k]);
  }
  return line;
}

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (unsigned char ch : latin1) {
    if (ch < 0x80) {
      utf8.push_back(static_cast<char>(ch));
    } else {
      utf8.push_back(static_cast<char>(0xC0 | (ch >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
  }
  return utf8;
}

bool Utf8ToLatin1(std::string_view utf8, std::string* latin1) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t k = 0; k < utf8.size(); ++k) {
    const unsigned char ch = static_cast<unsigned char>(utf8[k]);
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
      continue;
    }
    // Only two-byte sequences with lead bytes C2 and C3 map into Latin-1;
    // C0 and C1 would be overlong encodings, longer sequences lie above U+07FF.
    if ((ch != 0xC2 && ch != 0xC3) || k + 1 >= utf8.size()) return false;
    const unsigned char next = static_cast<unsigned char>(utf8[k + 1]);
    if ((next & 0xC0) != 0x80) return false;
    out.push_back(static_cast<char>(((ch & 0x1F) << 6) | (next & 0x3F)));
    ++k;
  }
  if (latin1) *latin1 = std::move(out);
  return true;
}
