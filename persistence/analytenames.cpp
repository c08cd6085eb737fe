// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/analytenames.h"

#include <map>
#include <ostream>
#include <sstream>
#include <tuple>

#include "diagnostics/text.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "persistence/csv.h"

// The bundled table's text, generated from resources/analyte-names.csv.
extern const char kBundledAnalyteNamesCsv[];

bool ReadAnalyteNamesCsv(const std::string& bytes, AnalyteNameTable* table, std::ostream& err) {
  int refused = 0;
  auto refuse = [&](int line, const std::string& reason) {
    err << "analyte-names.csv:" << line << ": " << reason << "\n";
    ++refused;
  };
  const CsvTablePrologue prologue = ReadCsvTablePrologue(bytes, refuse);
  if (!prologue.table.ok) refuse(prologue.table.errorLine, prologue.table.error);
  if (prologue.header == prologue.table.records.size()) return false;
  AnalyteNameTable read;
  for (size_t k = prologue.header + 1; k < prologue.table.records.size(); ++k) {
    const CsvRecord& record = prologue.table.records[k];
    if (IsBlankCsvRecord(record)) continue;
    if (record.fields.size() != 3) {
      refuse(record.line, "expected name,cas,synonyms");
      continue;
    }
    const std::string name = TrimBlanks(record.fields[0]);
    std::vector<std::string> spellings = {name, TrimBlanks(record.fields[1])};
    std::istringstream synonyms(record.fields[2]);
    for (std::string synonym; std::getline(synonyms, synonym, ';');) spellings.push_back(synonym);
    for (const std::string& spelling : spellings)
      if (!read.Add(name, spelling)) refuse(record.line, "\"" + spelling + "\" stands for two analytes");
  }
  if (refused) return false;
  *table = std::move(read);
  return true;
}

const AnalyteNameTable& BundledAnalyteNames() {
  static const AnalyteNameTable table = [] {
    AnalyteNameTable read;
    std::ostringstream err;
    ReadAnalyteNamesCsv(kBundledAnalyteNamesCsv, &read, err);
    return read;
  }();
  return table;
}

AnalyteResolver ProjectAnalyteResolver(const Project& project) {
  AnalyteResolver resolver;
  resolver.table = &BundledAnalyteNames();
  resolver.aliases = &virelo_ExtrasOf(project).analyteAliases;
  for (int k = 0; k < project.contaminantCount; ++k)
    resolver.projectNames.push_back(project.contaminants[k].name);
  return resolver;
}
