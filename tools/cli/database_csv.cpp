// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The database CSV: one row per contaminant, the decay constants by redox
// condition, and the literature source of each row.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <iostream>

#include "diagnostics/util.h"
#include "engine/records.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/csv.h"

namespace {

// Database columns of the decay constants, in CSV order, with their bits.
struct LambdaColumn {
  const char* name;
  uint16_t bit;
};
constexpr LambdaColumn kLambdaColumns[] = {
    {"lambdaUnknown", kLambdaUnknown}, {"lambdaAerobic", kLambdaAerobic},
    {"lambdaNitrate", kLambdaNitrate}, {"lambdaIron", kLambdaIron},
    {"lambdaSulfate", kLambdaSulfate}, {"lambdaMixedPlumes", kLambdaMixedPlumes},
    {"lambdaMethane", kLambdaMethane},
};

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool ParseDoubleCell(const std::string& cell, double* value) {
  const std::string text = TrimBlanks(cell);
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end && !text.empty();
}

bool ParseIntCell(const std::string& cell, int* value) {
  const std::string text = TrimBlanks(cell);
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end && !text.empty();
}

int GroupCode(const std::string& name) {
  for (const ContaminantGroup* g = kContaminantGroups; g->code != -1; ++g) {
    if (name == g->name) return g->code;
  }
  return -1;
}

}  // namespace

const std::vector<std::string>& DatabaseCsvColumns() {
  static const std::vector<std::string> columns = {"group",
                                                   "name",
                                                   "literaturePlumeLength",
                                                   "literatureEntries",
                                                   "lambdaUnknown",
                                                   "lambdaAerobic",
                                                   "lambdaNitrate",
                                                   "lambdaIron",
                                                   "lambdaSulfate",
                                                   "lambdaMixedPlumes",
                                                   "lambdaMethane",
                                                   "source"};
  return columns;
}

void WriteDatabaseCsv(const Contaminant* contaminants, int count, std::ostream& out) {
  out << CsvJoin(DatabaseCsvColumns()) << "\n";
  for (int k = 0; k < count; ++k) {
    Contaminant c = contaminants[k];
    const char* group = virelo_GroupName(c.group);
    std::vector<std::string> fields;
    fields.push_back(group ? std::string(group) : std::to_string(c.group));
    fields.push_back(Latin1ToUtf8(std::string(c.name, strnlen(c.name, sizeof c.name))));
    fields.push_back((c.valueMask & kValueLiteraturePlumeLength) ? FormatDouble(c.literaturePlumeLength)
                                                                 : "");
    fields.push_back((c.valueMask & kValueLiteratureEntries) ? std::to_string(c.literatureEntries) : "");
    for (const LambdaColumn& column : kLambdaColumns) {
      fields.push_back((c.lambdaMask & column.bit) ? FormatDouble(*virelo_LambdaField(&c, column.bit)) : "");
    }
    fields.push_back("");  // source: documentation of the literature table only
    out << CsvJoin(fields) << "\n";
  }
}

bool ReadDatabaseCsv(const std::string& text, const std::string& source,
                     std::vector<Contaminant>* contaminants, std::ostream& err) {
  contaminants->clear();
  const CsvTable table = ParseCsv(text);
  int refused = 0;
  auto refuse = [&](int line, const std::string& reason) {
    err << source << ":" << line << ": " << reason << "\n";
    ++refused;
  };
  auto blank = [](const CsvRecord& r) { return r.fields.size() == 1 && TrimBlanks(r.fields[0]).empty(); };

  size_t next = 0;
  while (next < table.records.size() && blank(table.records[next])) ++next;
  if (next == table.records.size()) {
    if (table.ok)
      refuse(1, "no header row");
    else
      refuse(table.errorLine, table.error);
    return false;
  }

  // The header names the columns; their order is free, every column but
  // "source" is required.
  const CsvRecord& header = table.records[next++];
  std::map<std::string, size_t> index;
  for (size_t k = 0; k < header.fields.size(); ++k) {
    const std::string name = TrimBlanks(header.fields[k]);
    const auto& known = DatabaseCsvColumns();
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      refuse(header.line, "unknown column \"" + name + "\"");
    } else if (!index.emplace(name, k).second) {
      refuse(header.line, "column \"" + name + "\" appears twice");
    }
  }
  for (const std::string& name : DatabaseCsvColumns()) {
    if (name != "source" && !index.count(name)) refuse(header.line, "missing column \"" + name + "\"");
  }
  if (refused) return false;

  std::vector<Contaminant> rows;
  for (; next < table.records.size(); ++next) {
    const CsvRecord& record = table.records[next];
    if (blank(record)) continue;
    if (record.fields.size() < header.fields.size()) {
      refuse(record.line, "missing column: " + std::to_string(record.fields.size()) + " of " +
                              std::to_string(header.fields.size()) + " fields");
      continue;
    }
    if (record.fields.size() > header.fields.size()) {
      refuse(record.line, "too many fields: " + std::to_string(record.fields.size()) + " for " +
                              std::to_string(header.fields.size()) + " columns");
      continue;
    }
    auto cell = [&](const char* name) -> const std::string& { return record.fields[index.at(name)]; };

    Contaminant c;
    std::memset(&c, 0, sizeof c);
    bool ok = true;
    const std::string groupName = TrimBlanks(cell("group"));
    const int group = GroupCode(groupName);
    if (group < 0) {
      refuse(record.line, "unknown group \"" + groupName + "\"");
      ok = false;
    }
    c.group = group;

    std::string name;
    if (!Utf8ToLatin1(cell("name"), &name)) {
      refuse(record.line, "the name is not UTF-8 text or holds a character outside Latin-1");
      ok = false;
    } else if (name.find('\0') != std::string::npos) {
      refuse(record.line, "the name holds a zero byte");
      ok = false;
    } else if (name.size() > static_cast<size_t>(kNameCapacity - 1)) {
      refuse(record.line, "the name has " + std::to_string(name.size()) + " characters, at most " +
                              std::to_string(kNameCapacity - 1) + " fit");
      ok = false;
    } else {
      CopyBounded(c.name, name.c_str(), sizeof c.name);
    }

    auto number = [&](const char* column, double* value) {
      if (TrimBlanks(cell(column)).empty()) return false;
      if (ParseDoubleCell(cell(column), value)) return true;
      refuse(record.line, std::string(column) + ": \"" + cell(column) + "\" is not a number");
      ok = false;
      return false;
    };
    double value = 0.0;
    if (number("literaturePlumeLength", &value))
      virelo_SetContaminantValue(&c, kValueLiteraturePlumeLength, value);
    if (!TrimBlanks(cell("literatureEntries")).empty()) {
      int entries = 0;
      if (!ParseIntCell(cell("literatureEntries"), &entries) || entries < -32768 || entries > 32767) {
        refuse(record.line, "literatureEntries: \"" + cell("literatureEntries") + "\" is not a whole number");
        ok = false;
      } else {
        virelo_SetContaminantValue(&c, kValueLiteratureEntries, entries);
      }
    }
    for (const LambdaColumn& column : kLambdaColumns) {
      if (number(column.name, &value)) virelo_SetLambda(&c, column.bit, value);
    }
    if (ok) rows.push_back(c);
  }
  if (!table.ok) refuse(table.errorLine, table.error);
  if (refused) return false;
  *contaminants = std::move(rows);
  return true;
}
