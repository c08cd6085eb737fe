// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// JSON codec of a project's site data (engine/project/sitedata.h):
//   "site": {"wells": [{"name", "s", "y", "inFit"}],
//            "samples": [{"well", "date", "analyte", "value", "unit", "nonDetect"}]}
// The project file's settings block holds the samples in a denser form,
//   "site": {"wells": [...], "sampleTable": {"dates": [..], "analytes": [..], "rows": "w,d,a,u,n,value;..."}}
// with each row's well, date, analyte and unit as indexes into the wells,
// the two lists and the units ug/L, mg/L, mV, m: a site's hundred thousand
// samples then load and save in a few milliseconds instead of a second.
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <unordered_set>

#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "persistence/analytealiases_json.h"
#include "persistence/csv.h"
#include "persistence/extras_json.h"
#include "persistence/sitecolumns_json.h"
#include "persistence/sitemap_json.h"

namespace {

constexpr const char* kSiteKey = "site";
// New units go at the end: a table-form file refers to them by index.
constexpr const char* kUnits[] = {kUnitUgL, kUnitMgL, kUnitMv, kUnitM, kUnitNone, kUnitCelsius};
constexpr size_t kUnitCount = sizeof kUnits / sizeof kUnits[0];

int UnitIndex(const std::string& unit) {
  for (int k = 0; k < int(kUnitCount); ++k)
    if (unit == kUnits[k]) return k;
  return 0;
}

bool IsDefault(const Project& project) {
  return virelo_ExtrasOf(project).site.empty() && virelo_ExtrasOf(project).analyteAliases.empty() &&
         virelo_ExtrasOf(project).siteColumns.empty();
}

ExtrasJson WellsJson(const SiteData& site) {
  ExtrasJson wells = ExtrasJson::array();
  for (const SiteWell& w : site.wells) {
    wells.push_back({{"name", RecordTextToUtf8(w.name)}, {"s", w.s}, {"y", w.y}, {"inFit", w.inFit}});
    SiteWellMapToJson(w, &wells.back());
  }
  return wells;
}

void ToJson(const Project& project, ExtrasJson* object) {
  const SiteData& site = virelo_ExtrasOf(project).site;
  if (IsDefault(project)) return;
  ExtrasJson samples = ExtrasJson::array();
  for (const SiteSample& s : site.samples)
    samples.push_back({{"well", RecordTextToUtf8(s.well)},
                       {"date", s.date},
                       {"analyte", RecordTextToUtf8(s.analyte)},
                       {"value", s.value},
                       {"unit", s.unit},
                       {"nonDetect", s.nonDetect}});
  (*object)[kSiteKey] = {{"wells", WellsJson(site)}, {"samples", samples}};
  SiteMapToJson(site.map, &(*object)[kSiteKey]);
  AnalyteAliasesToJson(virelo_ExtrasOf(project).analyteAliases, &(*object)[kSiteKey]);
  SiteColumnsToJson(virelo_ExtrasOf(project).siteColumns, &(*object)[kSiteKey]);
}

void ToPayload(const Project& project, ExtrasJson* object) {
  const SiteData& site = virelo_ExtrasOf(project).site;
  if (IsDefault(project)) return;
  std::map<std::string, size_t> wellIndex, dateIndex, analyteIndex;
  ExtrasJson dates = ExtrasJson::array(), analytes = ExtrasJson::array();
  for (size_t k = 0; k < site.wells.size(); ++k) wellIndex.emplace(site.wells[k].name, k);
  std::string rows;
  rows.reserve(site.samples.size() * 20);
  char buffer[64];
  for (const SiteSample& s : site.samples) {
    const auto d = dateIndex.emplace(s.date, dateIndex.size());
    if (d.second) dates.push_back(s.date);
    const auto a = analyteIndex.emplace(s.analyte, analyteIndex.size());
    if (a.second) analytes.push_back(RecordTextToUtf8(s.analyte));
    const auto w = wellIndex.find(s.well);
    rows += std::to_string(w == wellIndex.end() ? site.wells.size() : w->second);
    rows += ',';
    rows += std::to_string(d.first->second);
    rows += ',';
    rows += std::to_string(a.first->second);
    rows += ',';
    rows += char('0' + UnitIndex(s.unit));
    rows += s.nonDetect ? ",1," : ",0,";
    // The shortest text that reads back as the same double.
    rows.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, s.value).ptr);
    rows += ';';
  }
  (*object)[kSiteKey] = {{"wells", WellsJson(site)},
                         {"sampleTable", {{"dates", dates}, {"analytes", analytes}, {"rows", rows}}}};
  SiteMapToJson(site.map, &(*object)[kSiteKey]);
  AnalyteAliasesToJson(virelo_ExtrasOf(project).analyteAliases, &(*object)[kSiteKey]);
  SiteColumnsToJson(virelo_ExtrasOf(project).siteColumns, &(*object)[kSiteKey]);
}

// A text field: UTF-8 to the records' Latin-1, not empty.
bool ReadName(const ExtrasJson& value, const std::string& path, std::string* latin1, JsonFault* fault) {
  if (!value.is_string()) return fault->Fail(path, "expected a string");
  if (!Utf8ToRecordText(value.get_ref<const std::string&>(), latin1))
    return fault->Fail(path, "holds a character Virelo's texts cannot hold");
  if (latin1->empty()) return fault->Fail(path, "is empty");
  for (unsigned char ch : *latin1)
    if (ch < 0x20 || ch == 0x7F) return fault->Fail(path, "holds a control character");
  return true;
}

bool ReadNumber(const ExtrasJson& value, const std::string& path, double* out, JsonFault* fault) {
  if (!value.is_number()) return fault->Fail(path, "expected a number");
  *out = value.get<double>();
  if (!std::isfinite(*out)) return fault->Fail(path, "expected a finite number");
  return true;
}

// `optional` keys may be present; every one of `keys` must be.
bool OnlyKeys(const ExtrasJson& object, const std::string& path, std::initializer_list<const char*> keys,
              JsonFault* fault, const std::vector<std::string>& optional = {}) {
  if (!object.is_object()) return fault->Fail(path, "expected an object");
  for (const auto& item : object.items()) {
    bool known = false;
    for (const char* key : keys) known = known || item.key() == key;
    for (const std::string& key : optional) known = known || item.key() == key;
    if (!known) return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  for (const char* key : keys)
    if (!object.contains(key)) return fault->Fail(path + JsonPointerStep(key), "missing");
  return true;
}

// What every sample must be, in either form.
bool CheckSample(const SiteSample& s, const std::string& path, JsonFault* fault) {
  const char* fixed = FixedSiteUnit(s.analyte);
  if (s.value < 0.0 && !fixed) return fault->Fail(path + "/value", "is negative");
  if (fixed && s.unit != fixed) return fault->Fail(path + "/unit", s.analyte + " is given in " + fixed);
  if (!fixed && !IsSiteConcentrationUnit(s.unit))
    return fault->Fail(path + "/unit", s.unit == kUnitMv  ? "mV is for ORP only"
                                       : s.unit == kUnitM ? "m is for heads only"
                                                          : s.unit + " is no concentration unit");
  return true;
}

bool ReadSamples(const ExtrasJson& list, const std::string& path, SiteData* site, JsonFault* fault) {
  if (!list.is_array()) return fault->Fail(path, "expected an array");
  std::map<std::tuple<std::string, std::string, std::string>, size_t> seen;
  site->samples.reserve(list.size());
  for (size_t k = 0; k < list.size(); ++k) {
    const std::string at = path + "/" + std::to_string(k);
    const ExtrasJson& item = list[k];
    if (!OnlyKeys(item, at, {"well", "date", "analyte", "value", "unit", "nonDetect"}, fault)) return false;
    SiteSample s;
    long day = 0;
    if (!ReadName(item["well"], at + "/well", &s.well, fault)) return false;
    if (!site->FindWell(s.well)) return fault->Fail(at + "/well", "no such well");
    if (!item["date"].is_string() || !ParseSiteDate(item["date"].get_ref<const std::string&>(), &day))
      return fault->Fail(at + "/date", "expected a date YYYY-MM-DD");
    s.date = item["date"].get<std::string>();
    if (!ReadName(item["analyte"], at + "/analyte", &s.analyte, fault)) return false;
    if (!ReadNumber(item["value"], at + "/value", &s.value, fault)) return false;
    const char* unit =
        item["unit"].is_string() ? ParseSiteUnit(item["unit"].get_ref<const std::string&>()) : nullptr;
    if (!unit) return fault->Fail(at + "/unit", "expected ug/L, mg/L, mV, m, - or degC");
    s.unit = unit;
    if (!item["nonDetect"].is_boolean()) return fault->Fail(at + "/nonDetect", "expected true or false");
    s.nonDetect = item["nonDetect"].get<bool>();
    if (!CheckSample(s, at, fault)) return false;
    if (!seen.emplace(std::make_tuple(s.well, s.date, s.analyte), k).second)
      return fault->Fail(at, "a second sample of this well, date and analyte");
    site->samples.push_back(std::move(s));
  }
  return true;
}

bool ReadSampleTable(const ExtrasJson& table, const std::string& path, SiteData* site, JsonFault* fault) {
  if (!OnlyKeys(table, path, {"dates", "analytes", "rows"}, fault)) return false;
  std::vector<std::string> dates, analytes;
  const ExtrasJson& d = table["dates"];
  const ExtrasJson& a = table["analytes"];
  if (!d.is_array() || !a.is_array() || !table["rows"].is_string()) return fault->Fail(path, "malformed");
  // Each date and analyte is listed once: the rows' repeats are found by
  // their indexes, and a second index of one date would let two values of
  // one well, date and analyte in, which no later save could read back.
  std::set<std::string> listed;
  for (size_t k = 0; k < d.size(); ++k) {
    long day = 0;
    const std::string at = path + "/dates/" + std::to_string(k);
    if (!d[k].is_string() || !ParseSiteDate(d[k].get_ref<const std::string&>(), &day))
      return fault->Fail(at, "expected a date YYYY-MM-DD");
    dates.push_back(d[k].get<std::string>());
    if (!listed.insert(dates.back()).second) return fault->Fail(at, "listed twice");
  }
  listed.clear();
  for (size_t k = 0; k < a.size(); ++k) {
    const std::string at = path + "/analytes/" + std::to_string(k);
    analytes.emplace_back();
    if (!ReadName(a[k], at, &analytes.back(), fault)) return false;
    if (!listed.insert(analytes.back()).second) return fault->Fail(at, "listed twice");
  }
  const std::string& rows = table["rows"].get_ref<const std::string&>();
  const char* c = rows.data();
  const char* end = c + rows.size();
  std::unordered_set<uint64_t> seen;
  seen.reserve(rows.size() / 12);
  site->samples.reserve(rows.size() / 12);
  const std::string at = path + "/rows";
  for (size_t row = 0; c < end; ++row) {
    size_t index[5] = {0, 0, 0, 0, 0};
    const size_t limit[5] = {site->wells.size(), dates.size(), analytes.size(), kUnitCount, 2};
    for (int f = 0; f < 5; ++f) {
      const auto r = std::from_chars(c, end, index[f]);
      if (r.ec != std::errc() || r.ptr == end || *r.ptr != ',' || index[f] >= limit[f])
        return fault->Fail(at, "row " + std::to_string(row) + " is malformed");
      c = r.ptr + 1;
    }
    SiteSample s{site->wells[index[0]].name, dates[index[1]], analytes[index[2]], 0.0,
                 kUnits[index[3]],           index[4] == 1};
    const auto r = std::from_chars(c, end, s.value);
    if (r.ec != std::errc() || r.ptr == end || *r.ptr != ';' || !std::isfinite(s.value))
      return fault->Fail(at, "row " + std::to_string(row) + " is malformed");
    c = r.ptr + 1;
    if (!CheckSample(s, at, fault)) return false;
    if (!seen.insert((uint64_t(index[0]) << 42) | (uint64_t(index[1]) << 21) | index[2]).second)
      return fault->Fail(at,
                         "row " + std::to_string(row) + " is a second sample of its well, date and analyte");
    site->samples.push_back(std::move(s));
  }
  return true;
}

bool FromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  SiteData site;
  AnalyteAliases aliases;
  std::map<std::string, std::string> columns;
  if (object.contains(kSiteKey)) {
    const ExtrasJson& json = object[kSiteKey];
    const std::string path = JsonPointerStep(kSiteKey);
    const bool dense = json.is_object() && json.contains("sampleTable");
    // The map's keys and the analyte aliases are both optional members.
    std::vector<std::string> optional = SiteMapKeys();
    optional.push_back(kSiteAliasesKey);
    optional.push_back(kSiteColumnsKey);
    if (!OnlyKeys(json, path, {"wells", dense ? "sampleTable" : "samples"}, fault, optional) ||
        !SiteMapFromJson(json, path, &site.map, fault))
      return false;
    if (!AnalyteAliasesFromJson(json, path, &aliases, fault) ||
        !SiteColumnsFromJson(json, path, &columns, fault))
      return false;
    const ExtrasJson& wells = json["wells"];
    if (!wells.is_array()) return fault->Fail(path + "/wells", "expected an array");
    std::set<std::string> names;
    for (size_t k = 0; k < wells.size(); ++k) {
      const std::string at = path + "/wells/" + std::to_string(k);
      const ExtrasJson& item = wells[k];
      SiteWell w;
      if (!OnlyKeys(item, at, {"name", "s", "y", "inFit"}, fault, SiteWellMapKeys()) ||
          !SiteWellMapFromJson(item, at, &w, fault))
        return false;
      if (!ReadName(item["name"], at + "/name", &w.name, fault) ||
          !ReadNumber(item["s"], at + "/s", &w.s, fault) || !ReadNumber(item["y"], at + "/y", &w.y, fault))
        return false;
      if (!item["inFit"].is_boolean()) return fault->Fail(at + "/inFit", "expected true or false");
      w.inFit = item["inFit"].get<bool>();
      if (!names.insert(w.name).second) return fault->Fail(at + "/name", "a second well of this name");
      site.wells.push_back(std::move(w));
    }
    // Wells on the map stand where the map puts them, whatever s and y say;
    // a map without source point or direction places them not yet.
    DeriveWellOffsets(&site);
    if (dense ? !ReadSampleTable(json["sampleTable"], path + "/sampleTable", &site, fault)
              : !ReadSamples(json["samples"], path + "/samples", &site, fault))
      return false;
  }
  if (!site.empty() || !aliases.empty() || !columns.empty() || project->extras) {
    virelo_Extras(project).site = std::move(site);
    virelo_Extras(project).analyteAliases = std::move(aliases);
    virelo_Extras(project).siteColumns = std::move(columns);
  }
  return true;
}

}  // namespace

const ExtrasSection& SiteJsonSection() {
  static const ExtrasSection section = {
      kSiteKey, {kSiteKey}, {}, IsDefault, ToJson, FromJson, nullptr, nullptr, ToPayload,
  };
  return section;
}
