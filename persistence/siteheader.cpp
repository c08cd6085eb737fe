// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/siteheader.h"

#include <algorithm>
#include <map>

#include "diagnostics/text.h"
#include "engine/project/recordtext.h"

namespace {

std::string Quoted(const std::string& latin1) {
  std::string quoted = "\"";
  quoted += RecordTextToUtf8(latin1);
  quoted += '"';
  return quoted;
}

// The first record of one line, parsed with the separator that line uses.
std::vector<std::string> LineFields(const std::string& line) {
  const CsvTable table = ParseCsv(line, DetectCsvSeparator(line));
  return table.records.empty() ? std::vector<std::string>{} : table.records[0].fields;
}

// The decoded lines of a table's top, to look for its header in.
std::vector<std::string> TopLines(const std::string& bytes) {
  std::string text;
  std::vector<CsvCharacterError> ignored;
  DecodeSpreadsheetText(bytes, &text, &ignored);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size() && lines.size() < static_cast<size_t>(kSiteHeaderSearchLines)) {
    const size_t end = std::min(text.find('\n', start), text.size());
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

void BlankLinesAboveSiteHeader(std::string* bytes, const SiteColumnMap* mapped,
                               std::vector<std::string>* notes) {
  const std::vector<std::string> lines = TopLines(*bytes);
  size_t first = 0;
  while (first < lines.size() && TrimBlanks(lines[first]).empty()) ++first;
  if (first == lines.size() || IsSiteHeader(LineFields(lines[first]), mapped)) return;
  size_t header = first + 1;
  while (header < lines.size() && !IsSiteHeader(LineFields(lines[header]), mapped)) ++header;
  if (header == lines.size()) return;
  // The byte-order mark stays: it tells the encoding of what follows.
  const bool mark = bytes->compare(0, 3, "\xEF\xBB\xBF") == 0;
  size_t at = 0;
  for (size_t k = 0; k < header; ++k) at = bytes->find('\n', at) + 1;
  *bytes =
      (mark ? std::string("\xEF\xBB\xBF") : std::string()) + std::string(header, '\n') + bytes->substr(at);
  if (notes)
    notes->push_back("the " +
                     (header - first == 1 ? std::string("line") : std::to_string(header - first) + " lines") +
                     " above the header on line " + std::to_string(header + 1) + " are not read");
}

bool NameSiteColumns(CsvTable* table, size_t header, const SiteColumnMap* mapped,
                     const std::vector<std::string>& limitNames, SiteHeaderResult* result,
                     const std::function<void(int line, const std::string& reason)>& refuse) {
  CsvRecord& head = table->records[header];
  const std::vector<SiteColumn> columns = SiteHeaderColumns(head.fields, mapped);
  bool ok = true;
  std::map<std::string, size_t> byRole;
  std::vector<bool> keep(columns.size(), true);
  for (size_t k = 0; k < columns.size(); ++k) {
    const std::string& role = columns[k].role;
    if (role.empty()) continue;
    if (role == "skip") {
      keep[k] = false;
      result->skipped.push_back(TrimBlanks(head.fields[k]));
      continue;
    }
    const auto [first, isNew] = byRole.emplace(role, k);
    // A table with two detection-limit columns is refused by its reader, in
    // its own words.
    if (!isNew && role != "detectionLimit") {
      refuse(head.line, "columns " + Quoted(TrimBlanks(head.fields[first->second])) + " and " +
                            Quoted(TrimBlanks(head.fields[k])) + " both give the " + role);
      ok = false;
    }
  }
  if (!ok) return false;
  const size_t width = head.fields.size();
  if (!result->skipped.empty()) {
    std::vector<CsvRecord> records;
    for (size_t r = 0; r < table->records.size(); ++r) {
      CsvRecord record = table->records[r];
      if (r >= header && record.fields.size() != width &&
          !(record.fields.size() == 1 && TrimBlanks(record.fields[0]).empty())) {
        refuse(record.line,
               std::to_string(record.fields.size()) + " fields for " + std::to_string(width) + " columns");
        ok = false;
        continue;
      }
      if (r >= header && record.fields.size() == width) {
        std::vector<std::string> fields;
        for (size_t k = 0; k < width; ++k)
          if (keep[k]) fields.push_back(record.fields[k]);
        record.fields = fields;
      }
      records.push_back(record);
    }
    if (!ok) return false;
    table->records = records;
  }
  CsvRecord& named = table->records[header];
  size_t field = 0;
  for (size_t k = 0; k < width; ++k) {
    if (!keep[k]) continue;
    const std::string& role = columns[k].role;
    const std::string key = SiteColumnKey(TrimBlanks(named.fields[field]));
    if (role == "head") {
      // Left as written: a wide table reads it as its heads' analyte column.
      result->headField = field;
      result->headUnit = columns[k].unit;
    } else if (!role.empty() &&
               !(role == "detectionLimit" && std::count(limitNames.begin(), limitNames.end(), key))) {
      named.fields[field] = role;
    }
    ++field;
  }
  return true;
}

std::vector<std::string> UnrecognisedSiteColumns(const std::string& bytes, const SiteColumnMap* mapped) {
  std::string text = bytes;
  BlankLinesAboveSiteHeader(&text, mapped, nullptr);
  for (const std::string& line : TopLines(text)) {
    const std::vector<std::string> fields = LineFields(line);
    // A report line above the header has one text at most.
    if (std::count_if(fields.begin(), fields.end(),
                      [](const std::string& f) { return !TrimBlanks(f).empty(); }) < 2)
      continue;
    const std::vector<SiteColumn> columns = SiteHeaderColumns(fields, mapped);
    auto has = [&](const char* role) {
      return std::any_of(columns.begin(), columns.end(), [&](const SiteColumn& c) { return c.role == role; });
    };
    // A wide table's other columns are its analytes, named as the lab likes.
    if (has("well") && has("date") && !has("analyte") && !has("easting") && !has("northing") && !has("s"))
      return {};
    std::vector<std::string> names;
    for (size_t k = 0; k < fields.size(); ++k)
      if (columns[k].role.empty() && !TrimBlanks(fields[k]).empty())
        names.push_back(RecordTextToUtf8(TrimBlanks(fields[k])));
    return names;
  }
  return {};
}
