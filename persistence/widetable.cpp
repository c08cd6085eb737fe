// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/widetable.h"

#include <ostream>
#include <set>

#include "diagnostics/text.h"
#include "engine/project/labunits.h"
#include "persistence/labsample.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

struct AnalyteColumn {
  size_t field = 0;
  std::string label;  // the header as written, UTF-8, for the messages
  std::string name;   // without its unit
  std::string unit;   // as written
};

}  // namespace

bool IsWideSiteHeader(const CsvRecord& header) {
  std::set<std::string> names;
  for (const std::string& field : header.fields) names.insert(Lower(TrimBlanks(field)));
  return names.count("well") && names.count("date") && !names.count("analyte");
}

void SplitWideColumnName(const std::string& column, std::string* name, std::string* unit) {
  const std::string text = TrimBlanks(column);
  *name = text;
  unit->clear();
  if (text.empty()) return;
  const char close = text.back();
  const char open = close == ']' ? '[' : close == ')' ? '(' : '\0';
  const size_t at = open ? text.rfind(open) : std::string::npos;
  if (at == std::string::npos || at == 0) return;
  const std::string inside = TrimBlanks(text.substr(at + 1, text.size() - at - 2));
  LabUnit parsed;
  if (!ReadLabUnit(inside, &parsed)) return;
  *name = TrimBlanks(text.substr(0, at));
  *unit = inside;
}

bool ReadWideSiteTable(const CsvTable& table, size_t header, char separator, const std::string& source,
                       const SiteCsvOptions& options, SiteCsvRows* rows, std::ostream& err) {
  int refused = 0;
  auto refuse = [&](int line, const std::string& reason) {
    err << source << ":" << line << ": " << reason << "\n";
    ++refused;
  };
  const CsvRecord& head = table.records[header];
  size_t wellField = 0, dateField = 0;
  std::vector<AnalyteColumn> columns;
  for (size_t k = 0; k < head.fields.size(); ++k) {
    const std::string lower = Lower(TrimBlanks(head.fields[k]));
    if (lower == "well") {
      wellField = k;
    } else if (lower == "date") {
      dateField = k;
    } else {
      AnalyteColumn column;
      column.field = k;
      column.label = QuotedSiteText(TrimBlanks(head.fields[k]));
      SplitWideColumnName(head.fields[k], &column.name, &column.unit);
      if (column.name.empty()) refuse(head.line, "column " + std::to_string(k + 1) + " has no name");
      columns.push_back(column);
    }
  }

  // A unit row: the record after the header, with its well and date blank.
  size_t next = header + 1;
  while (next < table.records.size() && IsBlankCsvRecord(table.records[next])) ++next;
  if (next < table.records.size()) {
    const CsvRecord& units = table.records[next];
    if (units.fields.size() == head.fields.size() && TrimBlanks(units.fields[wellField]).empty() &&
        TrimBlanks(units.fields[dateField]).empty()) {
      for (AnalyteColumn& column : columns) {
        const std::string given = TrimBlanks(units.fields[column.field]);
        LabUnit a, b;
        if (column.unit.empty()) {
          column.unit = given;
        } else if (!given.empty() && (!ReadLabUnit(given, &a) || !ReadLabUnit(column.unit, &b) ||
                                      a.unit != b.unit || a.divisor != b.divisor)) {
          refuse(units.line, "column " + column.label + ": the unit row says " + QuotedSiteText(given) +
                                 " where the name says " + QuotedSiteText(column.unit));
        }
      }
      ++next;
    }
  }
  for (const AnalyteColumn& column : columns) {
    LabUnit unit;
    if (column.unit.empty())
      refuse(head.line, "column " + column.label +
                            ": no unit (give it in the name, as \"Benzene [ug/L]\", or in a unit row below "
                            "the header)");
    else if (!ReadLabUnit(column.unit, &unit))
      refuse(head.line, "column " + column.label + ": unknown unit " + QuotedSiteText(column.unit) +
                            " (ug/L, mg/L, mV or m)");
  }
  if (refused) return false;

  SiteCsvRows read;
  std::set<std::string> notes;
  int notDetermined = 0;
  for (; next < table.records.size(); ++next) {
    const CsvRecord& record = table.records[next];
    if (IsBlankCsvRecord(record)) continue;
    if (record.fields.size() != head.fields.size()) {
      refuse(record.line, std::to_string(record.fields.size()) + " fields for " +
                              std::to_string(head.fields.size()) + " columns");
      continue;
    }
    // A bad well or date is said once for the row, not once per analyte.
    std::set<std::string> said;
    for (const AnalyteColumn& column : columns) {
      const std::string value = TrimBlanks(record.fields[column.field]);
      // A dash is no measurement, as an empty cell is; "n.b." is one not
      // determined, counted for the note.
      if (value.empty() || value == "-" || (IsNotDeterminedMark(value) && ++notDetermined)) continue;
      const LabSampleCells cells = {
          record.fields[wellField], record.fields[dateField], column.name, value, column.unit, ""};
      SiteSample sample;
      const bool ok = ReadLabSample(cells, separator, options, &sample, &notes,
                                    [&](const char* field, const std::string& reason) {
                                      const std::string name(field);
                                      const bool ofRow = name == "well" || name == "date";
                                      if (ofRow && !said.insert(name).second) return;
                                      refuse(record.line, (ofRow ? name : column.label) + ": " + reason);
                                    });
      if (ok) {
        read.samples.push_back(sample);
        read.sampleOrigins.push_back({source, record.line});
      }
    }
  }
  if (refused) return false;
  if (notDetermined) notes.insert(NotDeterminedNote(notDetermined));
  if (options.notes)
    for (const std::string& note : notes) options.notes->push_back(source + ": " + note);
  rows->samples.insert(rows->samples.end(), read.samples.begin(), read.samples.end());
  rows->sampleOrigins.insert(rows->sampleOrigins.end(), read.sampleOrigins.begin(), read.sampleOrigins.end());
  return true;
}
