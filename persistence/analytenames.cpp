// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/analytenames.h"

#include <map>
#include <ostream>
#include <sstream>
#include <tuple>

#include "diagnostics/text.h"
#include "engine/extras.h"
#include "engine/records.h"
#include "persistence/csv.h"
#include "persistence/labsample.h"
#include "persistence/sitecsv.h"

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

int RenameSiteAnalyte(SiteData* site, const std::string& name, const std::string& analyte,
                      std::ostream& err) {
  const std::string key = AnalyteNameKey(name);
  using Key = std::tuple<std::string, std::string, std::string>;
  std::map<Key, const SiteSample*> held;
  for (const SiteSample& s : site->samples)
    if (AnalyteNameKey(s.analyte) != key) held.emplace(Key{s.well, s.date, s.analyte}, &s);
  std::vector<SiteSample> renamed;
  renamed.reserve(site->samples.size());
  int count = 0, refused = 0;
  for (const SiteSample& s : site->samples) {
    if (AnalyteNameKey(s.analyte) != key) {
      renamed.push_back(s);
      continue;
    }
    SiteSample moved = s;
    moved.analyte = analyte;
    ++count;
    const auto [where, isNew] = held.emplace(Key{moved.well, moved.date, moved.analyte}, &s);
    if (isNew) {
      renamed.push_back(std::move(moved));
    } else if (!SameSiteSampleValue(*where->second, s)) {
      err << "value: " << QuotedSiteText(s.analyte) << " at " << QuotedSiteText(s.well) << " on " << s.date
          << " would be a second value of " << QuotedSiteText(analyte) << "\n";
      ++refused;
    }
  }
  if (refused) return -1;
  site->samples = std::move(renamed);
  return count;
}
