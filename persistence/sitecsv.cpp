// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Reading and writing the site tables.
#include "persistence/sitecsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <tuple>

#include "diagnostics/text.h"
#include "engine/project/analytenames.h"
#include "engine/project/labunits.h"
#include "engine/project/sitemap.h"
#include "persistence/csv.h"
#include "persistence/labsample.h"
#include "persistence/siteheader.h"
#include "persistence/widetable.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Quoted(const std::string& latin1) {
  return QuotedSiteText(latin1);
}

// A sample's value in ug/L (ORP as it is), to compare values given in
// different units.
double InUg(const SiteSample& s) {
  double value = s.value;
  ConvertSiteValue(s.value, s.unit, kUnitUgL, &value);
  return value;
}

// The names labs give the column of detection limits, lower case: the
// English, the German Bestimmungs- and Nachweisgrenze, the Dutch
// rapportagegrens.
const std::vector<std::string>& DetectionLimitColumns() {
  static const std::vector<std::string> names = {
      "detectionlimit",    "detection limit", "limit",          "dl", "lod", "loq", "bg", "ng", "rg",
      "bestimmungsgrenze", "nachweisgrenze",  "rapportagegrens"};
  return names;
}

// One row of a wells table: placed by s (and y) or on the map by easting and
// northing. Each unsound cell goes to `bad`; false when any did.
bool ReadWellRow(const std::function<std::string(const char*)>& cell, char separator, SiteWell* well,
                 const std::function<void(const char*, const std::string&)>& bad) {
  bool ok = true;
  auto fail = [&](const char* column, const std::string& reason) {
    bad(column, reason);
    ok = false;
  };
  SiteWell& w = *well;
  w.name = TrimBlanks(cell("well"));
  if (w.name.empty()) fail("well", "the well's name is empty");
  const bool hasE = !TrimBlanks(cell("easting")).empty(), hasN = !TrimBlanks(cell("northing")).empty();
  if (hasE || hasN) {
    // s and y follow from the site's map once the rows are merged.
    w.mapped = true;
    if (!ParseSiteNumber(cell("easting"), separator, &w.easting) || !std::isfinite(w.easting))
      fail("easting", Quoted(cell("easting")) + " is not a number");
    if (!ParseSiteNumber(cell("northing"), separator, &w.northing) || !std::isfinite(w.northing))
      fail("northing", Quoted(cell("northing")) + " is not a number");
  } else if (!ParseSiteNumber(cell("s"), separator, &w.s) || !std::isfinite(w.s)) {
    fail("s", Quoted(cell("s")) + " is not a number");
  }
  if (!w.mapped && !TrimBlanks(cell("y")).empty() &&
      (!ParseSiteNumber(cell("y"), separator, &w.y) || !std::isfinite(w.y)))
    fail("y", Quoted(cell("y")) + " is not a number");
  if (!ParseSiteFlag(cell("inFit"), true, &w.inFit))
    fail("inFit", Quoted(cell("inFit")) + " is neither yes nor no");
  return ok;
}

// The columns of detection limits among a table's (lower-case) columns.
std::vector<std::string> LimitColumnsOf(const std::map<std::string, size_t>& index) {
  std::vector<std::string> found;
  for (const std::string& name : DetectionLimitColumns())
    if (index.count(name)) found.push_back(name);
  return found;
}

// The table's records with its header found and its columns named by role:
// false, the reasons given to `refuse`, when there is no header to read. The
// notes of what was passed over go out at once, as they hold whatever the
// rows are.
bool OpenSiteTable(const std::string& bytes, const std::string& source, const SiteCsvOptions& options,
                   const std::function<void(int, const std::string&)>& refuse, CsvTablePrologue* prologue,
                   SiteHeaderResult* named) {
  std::string text = bytes;
  std::vector<std::string> tableNotes;
  BlankLinesAboveSiteHeader(&text, options.columns, &tableNotes);
  *prologue = ReadCsvTablePrologue(text, refuse);
  CsvTable& table = prologue->table;
  if (!table.ok) refuse(table.errorLine, table.error);
  if (prologue->header == table.records.size()) {
    if (table.ok) refuse(1, "no header row");
    return false;
  }
  if (!NameSiteColumns(&table, prologue->header, options.columns, DetectionLimitColumns(), named, refuse))
    return false;
  if (!named->skipped.empty()) {
    std::string list;
    for (const std::string& column : named->skipped) list += (list.empty() ? "" : ", ") + Quoted(column);
    tableNotes.push_back(named->skipped.size() == 1 ? "the column " + list + " is not read"
                                                    : "the columns " + list + " are not read");
  }
  if (options.notes)
    for (const std::string& note : tableNotes) options.notes->push_back(source + ": " + note);
  return true;
}

// A survey's head: a sample of the well on the survey's date. A blank, a
// dash or "n.b." is a well surveyed without its head.
void ReadSurveyHead(const LabSampleCells& cells, char separator, const SiteCsvOptions& options,
                    const SiteCsvRows::Origin& origin, SiteCsvRows* read, std::set<std::string>* notes,
                    const std::function<void(const char*, const std::string&)>& bad) {
  const std::string head = TrimBlanks(cells.value);
  if (head.empty() || head == "-" || IsNotDeterminedMark(head)) return;
  SiteSample sample;
  if (ReadLabSample(cells, separator, options, &sample, notes, bad)) {
    read->samples.push_back(sample);
    read->sampleOrigins.push_back(origin);
  }
}

// Refuses a missing column of the table's kind and a column it has no use
// for: a long laboratory table (`samples`) or a wells table placing its wells
// by s or on the map, with a survey's date where it gives heads.
void CheckSiteColumns(const std::map<std::string, size_t>& index, const CsvRecord& header, bool samples,
                      bool mapColumns, bool heads,
                      const std::function<void(int, const std::string&)>& refuse) {
  std::vector<std::string> known = samples ? SiteSamplesCsvColumns() : SiteWellsMapCsvColumns();
  std::vector<std::string> required =
      samples      ? std::vector<std::string>{"well", "date", "analyte", "value", "unit"}
      : mapColumns ? std::vector<std::string>{"well", "easting", "northing"}
                   : std::vector<std::string>{"well", "s"};
  if (heads) {
    known.push_back("date");
    required.push_back("date");
  }
  for (const std::string& name : required)
    if (!index.count(Lower(name))) refuse(header.line, "missing column \"" + name + "\"");
  for (const auto& [name, k] : index) {
    // Named apart: clang before 16 cannot capture a structured binding.
    const std::string& column = name;
    const std::vector<std::string>& limits = DetectionLimitColumns();
    const bool ok =
        std::any_of(known.begin(), known.end(), [&](const std::string& c) { return Lower(c) == column; }) ||
        (samples && std::find(limits.begin(), limits.end(), column) != limits.end());
    if (!ok) refuse(header.line, "unknown column " + Quoted(TrimBlanks(header.fields[k])));
  }
}

// A number of an exported table: exact, but zero without a sign, since "-0"
// in a table reads as a sign error to anyone checking it.
std::string TableNumber(double value) {
  return RoundTripNumber(value == 0.0 ? 0.0 : value);
}

std::string FlagText(bool flag) {
  return flag ? "true" : "false";
}

}  // namespace

const std::vector<std::string>& SiteWellsCsvColumns() {
  static const std::vector<std::string> columns = {"well", "s", "y", "inFit"};
  return columns;
}

const std::vector<std::string>& SiteWellsMapCsvColumns() {
  static const std::vector<std::string> columns = {"well", "s", "y", "inFit", "easting", "northing"};
  return columns;
}

const std::vector<std::string>& SiteSamplesCsvColumns() {
  static const std::vector<std::string> columns = {"well", "date", "analyte", "value", "unit", "nonDetect"};
  return columns;
}

bool ReadSiteCsv(const std::string& text, const std::string& source, SiteCsvRows* rows, std::ostream& err,
                 const SiteCsvOptions& options) {
  std::string bytes = text;
  ReplaceGreekMu(&bytes);
  int refused = 0;
  auto refuse = [&](int line, const std::string& reason) {
    err << source << ":" << line << ": " << reason << "\n";
    ++refused;
  };
  CsvTablePrologue prologue;
  SiteHeaderResult named;
  if (!OpenSiteTable(bytes, source, options, refuse, &prologue, &named)) return false;
  const char separator = prologue.separator;
  CsvTable& table = prologue.table;
  size_t next = prologue.header;

  // The header tells the kind of table; column names are matched without
  // regard to case, in any order.
  const CsvRecord& header = table.records[next++];
  std::map<std::string, size_t> index;
  for (size_t k = 0; k < header.fields.size(); ++k) {
    if (k == named.headField) continue;
    if (!index.emplace(Lower(TrimBlanks(header.fields[k])), k).second)
      refuse(header.line, "column " + Quoted(TrimBlanks(header.fields[k])) + " appears twice");
  }
  const bool samples = index.count("date") && index.count("analyte");
  // A survey places wells and may give their heads on its dates; any other
  // table with a well and a date is a wide laboratory table.
  const bool placed = index.count("s") || index.count("easting") || index.count("northing");
  if (!samples && !placed && index.count("well") && index.count("date"))
    return !refused && ReadWideSiteTable(table, next - 1, separator, source, options, rows, err);
  const size_t headField = samples ? std::string::npos : named.headField;
  if (samples && named.headField != std::string::npos)
    refuse(header.line, "unknown column " + Quoted(TrimBlanks(header.fields[named.headField])));
  // A wells table places its wells by s (and y) or on the map by easting and
  // northing; a table may hold both kinds of row.
  const bool mapColumns = !samples && (index.count("easting") || index.count("northing"));
  if (!samples && !index.count("s") && !mapColumns) {
    refuse(header.line,
           "not a site table: the tables read are a long laboratory table (well,date,analyte,value,unit"
           "[,nonDetect]), a wide table (well;date;a column per analyte), a wells table (well,s,y,inFit) "
           "and a survey (well,easting,northing[,date,head])");
    return false;
  }
  CheckSiteColumns(index, header, samples, mapColumns, headField != std::string::npos, refuse);
  if (refused) return false;
  // At most one column of detection limits, whatever the lab calls it.
  const std::vector<std::string> limits = samples ? LimitColumnsOf(index) : std::vector<std::string>{};
  if (limits.size() > 1) return refuse(header.line, "two columns of detection limits"), false;

  SiteCsvRows read;
  std::set<std::string> notes;
  int notDetermined = 0;
  for (; next < table.records.size(); ++next) {
    const CsvRecord& record = table.records[next];
    if (IsBlankCsvRecord(record)) continue;
    if (record.fields.size() != header.fields.size()) {
      refuse(record.line, std::to_string(record.fields.size()) + " fields for " +
                              std::to_string(header.fields.size()) + " columns");
      continue;
    }
    auto has = [&](const char* column) { return index.count(Lower(column)) > 0; };
    auto cell = [&](const char* column) {
      return has(column) ? record.fields[index.at(Lower(column))] : std::string();
    };
    bool ok = true;
    auto bad = [&](const char* column, const std::string& reason) {
      refuse(record.line, std::string(column) + ": " + reason);
      ok = false;
    };
    if (!samples) {
      SiteWell w;
      if (ReadWellRow(cell, separator, &w, bad)) {
        read.wells.push_back(w);
        read.wellOrigins.push_back({source, record.line, !TrimBlanks(cell("inFit")).empty()});
      }
      if (headField != std::string::npos) {
        const LabSampleCells cells = {cell("well"),
                                      cell("date"),
                                      kIndicatorHead,
                                      record.fields[headField],
                                      named.headUnit.empty() ? kUnitM : named.headUnit,
                                      "",
                                      ""};
        ReadSurveyHead(cells, separator, options, {source, record.line}, &read, &notes, bad);
      }
      continue;
    }

    if (IsNotDeterminedMark(cell("value"))) {
      ++notDetermined;
      continue;
    }
    SiteSample sample;
    const LabSampleCells cells = {cell("well"),
                                  cell("date"),
                                  cell("analyte"),
                                  cell("value"),
                                  cell("unit"),
                                  cell("nonDetect"),
                                  limits.empty() ? std::string() : record.fields[index.at(limits[0])]};
    ok = ReadLabSample(cells, separator, options, &sample, &notes, bad) && ok;
    if (ok) {
      read.samples.push_back(sample);
      read.sampleOrigins.push_back({source, record.line});
    }
  }
  if (refused) return false;
  if (notDetermined) notes.insert(NotDeterminedNote(notDetermined));
  if (options.notes)
    for (const std::string& note : notes) options.notes->push_back(source + ": " + note);
  auto append = [](auto& to, const auto& from) { to.insert(to.end(), from.begin(), from.end()); };
  append(rows->wells, read.wells);
  append(rows->wellOrigins, read.wellOrigins);
  append(rows->samples, read.samples);
  append(rows->sampleOrigins, read.sampleOrigins);
  return true;
}

bool MergeSiteRows(const SiteData& site, const SiteCsvRows& rows, bool replace, SiteData* merged,
                   std::ostream& err) {
  SiteData result = replace ? SiteData{} : site;
  result.map = site.map;  // the map is the site's, not the tables'
  int refused = 0;
  auto refuse = [&](const SiteCsvRows::Origin& at, const std::string& reason) {
    err << at.source << ":" << at.line << ": " << reason << "\n";
    ++refused;
  };

  std::map<std::string, size_t> wellAt;
  for (size_t k = 0; k < result.wells.size(); ++k) wellAt.emplace(result.wells[k].name, k);
  std::map<std::string, size_t> rowOfWell;
  for (size_t k = 0; k < rows.wells.size(); ++k) {
    const SiteWell& w = rows.wells[k];
    const auto [first, isNew] = rowOfWell.emplace(w.name, k);
    if (!isNew && !(rows.wells[first->second] == w)) {
      const SiteCsvRows::Origin& o = rows.wellOrigins[first->second];
      refuse(rows.wellOrigins[k], "well: " + Quoted(w.name) + " is given other values on " + o.source + ":" +
                                      std::to_string(o.line));
      continue;
    }
    const auto at = wellAt.find(w.name);
    if (at == wellAt.end()) {
      wellAt.emplace(w.name, result.wells.size());
      result.wells.push_back(w);
    } else {
      result.wells[at->second] = w;
    }
  }

  // Wells surveyed on the map take their s and y from it once it has a
  // source point and a direction; a survey may come before either.
  DeriveWellOffsets(&result);

  // A well upstream of the source whose row did not say: its water is the
  // background, not the plume the decay fit reads.
  for (size_t k = 0; k < rows.wells.size(); ++k) {
    if (rows.wellOrigins[k].inFitGiven) continue;
    const auto at = wellAt.find(rows.wells[k].name);
    if (at != wellAt.end() && result.wells[at->second].s < 0.0) result.wells[at->second].inFit = false;
  }

  // One value per well, date and analyte; the same value again is the same
  // sample, read twice.
  using Key = std::tuple<std::string, std::string, std::string>;
  std::map<Key, size_t> sampleAt;
  for (size_t k = 0; k < result.samples.size(); ++k) {
    const SiteSample& s = result.samples[k];
    sampleAt.emplace(Key{s.well, s.date, s.analyte}, k);
  }
  std::map<Key, size_t> rowOfSample;
  // Samples of wells no table gives: one error naming every such well, not
  // one per sample, which would bury the rest under hundreds of lines.
  std::vector<std::string> unknownWells;
  std::map<std::string, size_t> unknownAt;
  size_t firstUnknown = 0, unknownSamples = 0;
  for (size_t k = 0; k < rows.samples.size(); ++k) {
    const SiteSample& s = rows.samples[k];
    if (!wellAt.count(s.well)) {
      if (unknownSamples++ == 0) firstUnknown = k;
      if (unknownAt.emplace(s.well, unknownWells.size()).second) unknownWells.push_back(s.well);
      continue;
    }
    const Key key{s.well, s.date, s.analyte};
    const auto at = sampleAt.find(key);
    if (at == sampleAt.end()) {
      sampleAt.emplace(key, result.samples.size());
      rowOfSample.emplace(key, k);
      result.samples.push_back(s);
      continue;
    }
    if (SameSiteSampleValue(result.samples[at->second], s)) continue;
    const auto earlier = rowOfSample.find(key);
    const std::string where = earlier != rowOfSample.end()
                                  ? " than on " + rows.sampleOrigins[earlier->second].source + ":" +
                                        std::to_string(rows.sampleOrigins[earlier->second].line)
                                  : " than the project holds";
    refuse(rows.sampleOrigins[k], "value: " + Quoted(s.analyte) + " at " + Quoted(s.well) + " on " + s.date +
                                      " has another value" + where);
  }
  if (!unknownWells.empty()) {
    std::string names;
    for (size_t k = 0; k < unknownWells.size(); ++k)
      names += (k == 0 ? "" : k + 1 == unknownWells.size() ? " and " : ", ") + Quoted(unknownWells[k]);
    const bool one = unknownWells.size() == 1;
    refuse(rows.sampleOrigins[firstUnknown],
           "well: " + names + (one ? " is no known well (add it" : " are no known wells (add them") +
               " with a wells table); " + std::to_string(unknownSamples) +
               (unknownSamples == 1 ? " sample names " : " samples name ") + (one ? "it" : "them"));
  }
  if (refused) return false;
  *merged = std::move(result);
  return true;
}

bool SameSiteSampleValue(const SiteSample& a, const SiteSample& b) {
  return a.nonDetect == b.nonDetect && (a.unit == kUnitMv) == (b.unit == kUnitMv) &&
         std::fabs(InUg(a) - InUg(b)) <= 1e-12 * std::fabs(InUg(b));
}

void WriteSiteWellsCsv(const SiteData& site, std::ostream& out) {
  // Map coordinates only when a well has them: the table of a site without
  // stays as it always was. A mapped well's s and y are written for people;
  // reading it back derives them again from its easting and northing.
  const bool map =
      std::any_of(site.wells.begin(), site.wells.end(), [](const SiteWell& w) { return w.mapped; });
  out << CsvJoin(map ? SiteWellsMapCsvColumns() : SiteWellsCsvColumns()) << "\n";
  for (const SiteWell& w : site.wells) {
    std::vector<std::string> fields = {RecordTextToUtf8(w.name), TableNumber(w.s), TableNumber(w.y),
                                       FlagText(w.inFit)};
    if (map) {
      fields.push_back(w.mapped ? TableNumber(w.easting) : "");
      fields.push_back(w.mapped ? TableNumber(w.northing) : "");
    }
    out << CsvJoin(fields) << "\n";
  }
}

void WriteSiteSamplesCsv(const SiteData& site, std::ostream& out) {
  out << CsvJoin(SiteSamplesCsvColumns()) << "\n";
  for (const SiteSample& s : site.samples)
    out << CsvJoin({RecordTextToUtf8(s.well), s.date, RecordTextToUtf8(s.analyte), TableNumber(s.value),
                    s.unit, FlagText(s.nonDetect)})
        << "\n";
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
