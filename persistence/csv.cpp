// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/csv.h"

#include <cstdint>
#include <cstdio>

#include "diagnostics/text.h"

namespace {

enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

}  // namespace

CsvTable ParseCsv(std::string_view text, char separator) {
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
        } else if (ch == separator) {
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
        } else if (ch == separator) {
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

char DetectCsvSeparator(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  int commas = 0, semicolons = 0;
  bool quoted = false;
  for (char ch : text) {
    if (ch == '"') quoted = !quoted;
    if (quoted) continue;
    if (ch == '\n') {
      if (commas || semicolons) break;  // the header line
      continue;
    }
    if (ch == ',') ++commas;
    if (ch == ';') ++semicolons;
  }
  return semicolons > commas ? ';' : ',';
}

namespace {

// The code point of the UTF-8 sequence at `k` and its length; length 0 when
// the bytes there are no well-formed UTF-8 (overlong forms, surrogates and
// values above U+10FFFF included).
size_t DecodeUtf8(std::string_view text, size_t k, uint32_t* codePoint) {
  const unsigned char lead = static_cast<unsigned char>(text[k]);
  size_t length = 0;
  uint32_t value = 0, minimum = 0;
  if (lead < 0x80) {
    *codePoint = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (k + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    const unsigned char next = static_cast<unsigned char>(text[k + i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *codePoint = value;
  return length;
}

bool IsUtf8(std::string_view text) {
  uint32_t codePoint;
  for (size_t k = 0, length; k < text.size(); k += length) {
    length = DecodeUtf8(text, k, &codePoint);
    if (length == 0) return false;
  }
  return true;
}

// Windows-1252's characters for the bytes 0x80 to 0x9F; 0 where it has none.
constexpr uint16_t kWindows1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string EncodeUtf8(uint32_t codePoint) {
  std::string out;
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
  return out;
}

// Typographic punctuation that spreadsheets and word processors put in for
// the plain marks (an en dash for "-" in a remark or for "not measured", curly
// quotes around a name): the records hold Latin-1, so these are stored as the
// plain marks rather than refusing a table for them. Empty where there is none.
const char* PlainPunctuation(uint32_t codePoint) {
  switch (codePoint) {
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212: return "-";
    case 0x2018:
    case 0x2019:
    case 0x201A:
    case 0x2039:
    case 0x203A: return "'";
    case 0x201C:
    case 0x201D:
    case 0x201E: return "\"";
    case 0x2026: return "...";
    default: return "";
  }
}

std::string OutsideLatin1(uint32_t codePoint) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(codePoint));
  return "the character \"" + EncodeUtf8(codePoint) + "\" (" + hex + ") is outside Latin-1";
}

}  // namespace

bool DecodeSpreadsheetText(std::string_view bytes, std::string* latin1,
                           std::vector<CsvCharacterError>* errors) {
  const bool bom = bytes.substr(0, 3) == "\xEF\xBB\xBF";
  if (bom) bytes.remove_prefix(3);
  const bool utf8 = bom || IsUtf8(bytes);
  std::string out;
  out.reserve(bytes.size());
  std::vector<CsvCharacterError> found;
  int line = 1, column = 0;
  for (size_t k = 0, length = 1; k < bytes.size(); k += length) {
    ++column;
    const unsigned char byte = static_cast<unsigned char>(bytes[k]);
    uint32_t codePoint = byte;
    length = 1;
    if (utf8 && byte >= 0x80) {
      length = DecodeUtf8(bytes, k, &codePoint);
      if (length == 0) {
        char text[96];
        std::snprintf(text, sizeof text, "byte 0x%02X is not UTF-8, though the text begins as UTF-8", byte);
        found.push_back({line, column, text});
        out.push_back('?');
        length = 1;
        continue;
      }
    } else if (!utf8 && byte >= 0x80 && byte <= 0x9F) {
      codePoint = kWindows1252[byte - 0x80];
      if (codePoint == 0) {
        char text[64];
        std::snprintf(text, sizeof text, "byte 0x%02X is no character in Windows-1252", byte);
        found.push_back({line, column, text});
        out.push_back('?');
        continue;
      }
    }
    if (codePoint == 0) {
      // A record's texts end at a zero byte: the rest of a name would vanish.
      found.push_back({line, column, "a zero byte is no character"});
      out.push_back('?');
      continue;
    }
    if (codePoint > 0xFF && *PlainPunctuation(codePoint)) {
      out += PlainPunctuation(codePoint);
      continue;
    }
    if (codePoint > 0xFF) {
      found.push_back({line, column, OutsideLatin1(codePoint)});
      out.push_back('?');
      continue;
    }
    out.push_back(static_cast<char>(codePoint));
    if (codePoint == '\n') ++line, column = 0;
  }
  if (errors) *errors = found;
  *latin1 = std::move(out);
  return found.empty();
}

CsvTablePrologue ReadCsvTablePrologue(
    std::string_view bytes, const std::function<void(int line, const std::string& reason)>& refuse) {
  CsvTablePrologue prologue;
  std::string text;
  std::vector<CsvCharacterError> characters;
  DecodeSpreadsheetText(bytes, &text, &characters);
  for (const CsvCharacterError& e : characters)
    refuse(e.line, "column " + std::to_string(e.column) + ": " + e.message);
  prologue.characterErrors = static_cast<int>(characters.size());
  prologue.separator = DetectCsvSeparator(text);
  prologue.table = ParseCsv(text, prologue.separator);
  const std::vector<CsvRecord>& records = prologue.table.records;
  while (prologue.header < records.size() && IsBlankCsvRecord(records[prologue.header])) ++prologue.header;
  return prologue;
}

bool IsBlankCsvRecord(const CsvRecord& record) {
  return record.fields.size() == 1 && TrimBlanks(record.fields[0]).empty();
}
