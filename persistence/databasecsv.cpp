// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The database CSV: one row per contaminant, the decay constants by redox
// condition, and the literature source of each row.
#include "persistence/databasecsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "diagnostics/text.h"
#include "diagnostics/util.h"
#include "persistence/csv.h"
#include "persistence/database.h"

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
// How the literature table labels the part of a source that belongs to the
// literature plume length.
constexpr const char* kPlumeLengthLabel = "Plume length";

// A number cell; with a semicolon table, a decimal comma stands for the point.
bool ParseDoubleCell(const std::string& cell, char separator, double* value) {
  std::string text = TrimBlanks(cell);
  if (separator == ';') std::replace(text.begin(), text.end(), ',', '.');
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

// A Latin-1 text in double quotes, as messages show it (UTF-8).
std::string Quoted(const std::string& latin1) {
  std::string text(1, '"');
  text += RecordTextToUtf8(latin1);
  text += '"';
  return text;
}

int GroupCode(const std::string& name) {
  for (const ContaminantGroup* g = kContaminantGroups; g->code != -1; ++g) {
    if (name == g->name) return g->code;
  }
  return -1;
}

// The parts of a source text, "label: text", divided by "; " outside
// parentheses (a citation may hold a semicolon of its own).
std::vector<std::string> SourceParts(const std::string& source) {
  std::vector<std::string> parts;
  int depth = 0;
  size_t start = 0;
  for (size_t k = 0; k < source.size(); ++k) {
    if (source[k] == '(') ++depth;
    if (source[k] == ')' && depth > 0) --depth;
    if (depth == 0 && source.compare(k, 2, "; ") == 0) {
      parts.push_back(source.substr(start, k - start));
      start = k + 2;
    }
  }
  parts.push_back(source.substr(start));
  return parts;
}

// Whether `part` lists `value` under `label` in the tabulated form
// "lambdaSulfate 0.008", as a source that gives several values at once does.
bool ListsValue(const std::string& part, const std::string& label, double value) {
  const std::string key = label + " ";
  for (size_t at = part.find(key); at != std::string::npos; at = part.find(key, at + 1)) {
    // from_chars, not strtod: a desktop that writes a decimal comma must not
    // change how the literature table reads.
    const char* number = part.data() + at + key.size();
    double listed = 0.0;
    const auto [end, error] = std::from_chars(number, part.data() + part.size(), listed);
    if (error == std::errc() && end != number && listed == value) return true;
  }
  return false;
}

// The source of `value` under `label`: the part that tabulates exactly this
// value, else the part labelled `label` (without its label), else the whole
// text. The tabulated form comes first because a row may keep an older,
// labelled source for a value that a newer table has replaced; naming that
// one would credit the new value to a source that never gave it.
std::string SourcePart(const std::string& source, const std::string& label, double value) {
  const std::vector<std::string> parts = SourceParts(source);
  for (const std::string& part : parts)
    if (ListsValue(part, label, value)) return part;
  const std::string prefix = label + ": ";
  for (const std::string& part : parts)
    if (part.compare(0, prefix.size(), prefix) == 0) return part.substr(prefix.size());
  return source;
}

const LiteratureRow* FindRow(const LiteratureTable& table, const Contaminant& c) {
  for (const LiteratureRow& row : table)
    if (std::strncmp(row.values.name, c.name, sizeof c.name) == 0) return &row;
  return nullptr;
}

// Whether `c` holds the value of `lambdaBit` (0: the literature plume
// length), and which.
bool ValueOf(const Contaminant& c, uint16_t lambdaBit, double* value) {
  if (lambdaBit == 0) {
    *value = c.literaturePlumeLength;
    return c.valueMask & kValueLiteraturePlumeLength;
  }
  *value = *virelo_LambdaField(const_cast<Contaminant*>(&c), lambdaBit);
  return c.lambdaMask & lambdaBit;
}

bool SameValues(const Contaminant& a, const Contaminant& b) {
  const uint16_t literature = kValueLiteraturePlumeLength | kValueLiteratureEntries;
  const uint16_t presets = static_cast<uint16_t>(~kLambdaUser & 0xFF);
  if ((a.valueMask & literature) != (b.valueMask & literature) ||
      (a.lambdaMask & presets) != (b.lambdaMask & presets))
    return false;
  if ((a.valueMask & kValueLiteraturePlumeLength) && a.literaturePlumeLength != b.literaturePlumeLength)
    return false;
  if ((a.valueMask & kValueLiteratureEntries) && a.literatureEntries != b.literatureEntries) return false;
  double x, y;
  for (const LambdaColumn& column : kLambdaColumns)
    if (ValueOf(a, column.bit, &x) && ValueOf(b, column.bit, &y) && x != y) return false;
  return true;
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

void WriteDatabaseCsv(const Contaminant* contaminants, int count, std::ostream& out,
                      const LiteratureTable* table) {
  out << CsvJoin(DatabaseCsvColumns()) << "\n";
  for (int k = 0; k < count; ++k) {
    Contaminant c = contaminants[k];
    const char* group = virelo_GroupName(c.group);
    std::vector<std::string> fields;
    fields.push_back(group ? std::string(group) : std::to_string(c.group));
    fields.push_back(RecordTextToUtf8(std::string(c.name, strnlen(c.name, sizeof c.name))));
    fields.push_back((c.valueMask & kValueLiteraturePlumeLength) ? RoundTripNumber(c.literaturePlumeLength)
                                                                 : "");
    fields.push_back((c.valueMask & kValueLiteratureEntries) ? std::to_string(c.literatureEntries) : "");
    for (const LambdaColumn& column : kLambdaColumns) {
      fields.push_back((c.lambdaMask & column.bit) ? RoundTripNumber(*virelo_LambdaField(&c, column.bit))
                                                   : "");
    }
    fields.push_back(table ? RecordTextToUtf8(RowSource(*table, c)) : "");
    out << CsvJoin(fields) << "\n";
  }
}

bool ReadDatabaseCsv(const std::string& bytes, const std::string& source,
                     std::vector<Contaminant>* contaminants, std::ostream& err,
                     std::vector<std::string>* sources, std::vector<LiteratureSorption>* sorption) {
  contaminants->clear();
  if (sources) sources->clear();
  int refused = 0;
  auto refuse = [&](int line, const std::string& reason) {
    err << source << ":" << line << ": " << reason << "\n";
    ++refused;
  };

  // Everything below works on Latin-1, the text of the records.
  const CsvTablePrologue prologue = ReadCsvTablePrologue(bytes, refuse);
  const char separator = prologue.separator;
  const CsvTable& table = prologue.table;
  size_t next = prologue.header;
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
    const bool sorptionColumn = name == kKocColumn || name == kKocSourceColumn;
    if (!sorptionColumn && std::find(known.begin(), known.end(), name) == known.end()) {
      refuse(header.line, "unknown column " + Quoted(name));
    } else if (!index.emplace(name, k).second) {
      refuse(header.line, "column \"" + name + "\" appears twice");
    }
  }
  for (const std::string& name : DatabaseCsvColumns()) {
    if (name != "source" && !index.count(name)) refuse(header.line, "missing column \"" + name + "\"");
  }
  if (refused > prologue.characterErrors) return false;

  std::vector<Contaminant> rows;
  std::vector<std::string> rowSources;
  std::vector<LiteratureSorption> rowSorption;
  std::map<std::pair<int, std::string>, int> firstLine;  // (group, name) -> line
  for (; next < table.records.size(); ++next) {
    const CsvRecord& record = table.records[next];
    if (IsBlankCsvRecord(record)) continue;
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
    auto quoted = [&](const char* name) { return Quoted(cell(name)); };

    Contaminant c;
    std::memset(&c, 0, sizeof c);
    bool ok = true;
    auto bad = [&](const std::string& reason) {
      refuse(record.line, reason);
      ok = false;
    };
    const std::string groupName = TrimBlanks(cell("group"));
    const int group = GroupCode(groupName);
    if (group < 0) bad("unknown group " + quoted("group"));
    c.group = group;

    const std::string name = TrimBlanks(cell("name"));
    if (name.empty()) {
      bad("the name is empty");
    } else if (name.size() > static_cast<size_t>(kNameCapacity - 1)) {
      bad("the name has " + std::to_string(name.size()) + " characters, at most " +
          std::to_string(kNameCapacity - 1) + " fit");
    } else {
      CopyBounded(c.name, name.c_str(), sizeof c.name);
      if (group >= 0) {
        const auto [at, isNew] = firstLine.emplace(std::make_pair(group, name), record.line);
        if (!isNew)
          bad(Quoted(name) + " appears twice in the group " + groupName + ", on lines " +
              std::to_string(at->second) + " and " + std::to_string(record.line));
      }
    }

    // An empty cell is an absent value; a present one must be a finite
    // number within its range.
    auto number = [&](const char* column, bool zeroAllowed, double* value) {
      if (TrimBlanks(cell(column)).empty()) return false;
      if (!ParseDoubleCell(cell(column), separator, value) || !std::isfinite(*value)) {
        bad(std::string(column) + ": " + quoted(column) + " is not a number");
        return false;
      }
      if (*value < 0.0 || (*value == 0.0 && !zeroAllowed)) {
        bad(std::string(column) + ": " + quoted(column) + (zeroAllowed ? " is below 0" : " is not above 0"));
        return false;
      }
      return true;
    };
    double value = 0.0;
    if (number("literaturePlumeLength", true, &value))
      virelo_SetContaminantValue(&c, kValueLiteraturePlumeLength, value);
    if (!TrimBlanks(cell("literatureEntries")).empty()) {
      int entries = 0;
      if (!ParseIntCell(cell("literatureEntries"), &entries) || entries < 0 || entries > 32767) {
        bad("literatureEntries: " + quoted("literatureEntries") + " is not a whole number from 0 to 32767");
      } else {
        virelo_SetContaminantValue(&c, kValueLiteratureEntries, entries);
      }
    }
    for (const LambdaColumn& column : kLambdaColumns) {
      if (number(column.name, false, &value)) virelo_SetLambda(&c, column.bit, value);
    }
    LiteratureSorption sorbs;
    if (index.count(kKocColumn) && number(kKocColumn, true, &value)) sorbs.koc = value;
    if (index.count(kKocSourceColumn)) sorbs.source = TrimBlanks(cell(kKocSourceColumn));
    if (ok) {
      rows.push_back(c);
      rowSources.push_back(index.count("source") ? cell("source") : "");
      rowSorption.push_back(sorbs);
    }
  }
  if (!table.ok) refuse(table.errorLine, table.error);
  if (refused) return false;
  *contaminants = std::move(rows);
  if (sources) *sources = std::move(rowSources);
  if (sorption) *sorption = std::move(rowSorption);
  return true;
}

bool LoadBundledLiteratureTable(LiteratureTable* table) {
  table->clear();
  // The table lies beside the installed database: in the build tree beside
  // the executable, once installed in the data folder.
  char path[kPathCapacity];
  virelo_FindInstalledFile(kLiteratureTableFileName, path);
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes, refusals;
  bytes << in.rdbuf();
  std::vector<Contaminant> values;
  std::vector<std::string> sources;
  std::vector<LiteratureSorption> sorption;
  if (!ReadDatabaseCsv(bytes.str(), kLiteratureTableFileName, &values, refusals, &sources, &sorption))
    return false;
  for (size_t k = 0; k < values.size(); ++k) table->push_back({values[k], sources[k], sorption[k]});
  return true;
}

std::string ValueSource(const LiteratureTable& table, const Contaminant& c, uint16_t lambdaBit) {
  double value = 0.0, listed = 0.0;
  if (!ValueOf(c, lambdaBit, &value)) return "";
  const LiteratureRow* row = FindRow(table, c);
  if (!row || !ValueOf(row->values, lambdaBit, &listed) || listed != value) return kNoSourceText;
  std::string label = kPlumeLengthLabel;
  for (const LambdaColumn& column : kLambdaColumns)
    if (column.bit == lambdaBit) label = column.name;
  return SourcePart(row->source, label, value);
}

std::string RowSource(const LiteratureTable& table, const Contaminant& c) {
  const LiteratureRow* row = FindRow(table, c);
  if (row && SameValues(row->values, c)) return row->source;
  std::string text;
  auto add = [&](const std::string& label, uint16_t bit) {
    const std::string source = ValueSource(table, c, bit);
    if (source.empty()) return;
    if (!text.empty()) text += "; ";
    text += label + ": " + source;
  };
  add(kPlumeLengthLabel, 0);
  for (const LambdaColumn& column : kLambdaColumns) add(column.name, column.bit);
  return text;
}

const LiteratureSorption* LiteratureKoc(const LiteratureTable& table, const char* name) {
  for (const LiteratureRow& row : table)
    if (name && std::strcmp(row.values.name, name) == 0 && row.sorption.koc) return &row.sorption;
  return nullptr;
}
