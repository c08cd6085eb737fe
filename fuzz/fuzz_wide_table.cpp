// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary bytes to the reader of wide laboratory tables (a column
// per analyte, units in the column names or a unit row, "<" non-detects),
// behind a well and date header so that every input reaches it. The first
// byte picks the separator and how slashed dates are read.
//
// A refused table must say why and add no row (notes of the columns
// passed over may stand beside it). An accepted one must give
// only samples the project can hold (a stored unit, an ISO date, a finite
// value, negative only for ORP), and merged into an empty site they must
// come back unchanged through the long tables Virelo writes: a wide import
// is then the long import of the same data.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>

#include "engine/project/sitedata.h"
#include "persistence/sitecsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t choice = data[0];
  const char separator = (choice & 1) ? ';' : ',';
  SiteCsvOptions options;
  options.slashed = (choice & 6) == 2   ? SlashedDates::kDayMonth
                    : (choice & 6) == 4 ? SlashedDates::kMonthDay
                                        : SlashedDates::kRefused;
  std::vector<std::string> notes;
  options.notes = &notes;
  const std::string bytes = std::string("well") + separator + "date" + separator +
                            std::string(reinterpret_cast<const char*>(data + 1), size - 1);

  SiteCsvRows rows;
  rows.samples.push_back({"held", "2024-01-01", "Benzene", 1.0, kUnitUgL, false});
  rows.sampleOrigins.push_back({"held.csv", 2});
  std::ostringstream err;
  if (!ReadSiteCsv(bytes, "fuzz.csv", &rows, err, options)) {
    // Notes of what the header passed over may stand beside the refusal:
    // they tell the user what was read of the table, not that rows were.
    if (err.str().empty() || rows.samples.size() != 1 || rows.sampleOrigins.size() != 1 ||
        !rows.wells.empty())
      __builtin_trap();
    return 0;
  }
  if (!err.str().empty() || rows.samples.size() != rows.sampleOrigins.size()) __builtin_trap();
  rows.samples.erase(rows.samples.begin());
  rows.sampleOrigins.erase(rows.sampleOrigins.begin());
  for (const SiteSample& s : rows.samples) {
    long day = 0;
    const bool orp = s.analyte == kIndicatorOrp;
    if (!ParseSiteDate(s.date, &day) || !ParseSiteUnit(s.unit) || ParseSiteUnit(s.unit) != s.unit ||
        !std::isfinite(s.value) || (s.value < 0.0 && !orp) || orp != (s.unit == kUnitMv) || s.well.empty() ||
        s.analyte.empty())
      __builtin_trap();
  }

  std::set<std::string> named;
  for (const SiteSample& s : rows.samples) {
    if (named.insert(s.well).second) {
      rows.wells.push_back({s.well, static_cast<double>(named.size()), 0.0, true});
      rows.wellOrigins.push_back({"added", 0});
    }
  }
  SiteData site;
  std::ostringstream mergeErr;
  if (!MergeSiteRows(SiteData{}, rows, false, &site, mergeErr)) {
    if (mergeErr.str().empty() || !site.empty()) __builtin_trap();
    return 0;
  }
  std::ostringstream wells, samples;
  WriteSiteWellsCsv(site, wells);
  WriteSiteSamplesCsv(site, samples);
  SiteCsvRows again;
  std::ostringstream againErr;
  SiteData back;
  if (!ReadSiteCsv(wells.str(), "wells.csv", &again, againErr) ||
      !ReadSiteCsv(samples.str(), "samples.csv", &again, againErr) ||
      !MergeSiteRows(SiteData{}, again, false, &back, againErr) || !(back == site))
    __builtin_trap();
  return 0;
}
