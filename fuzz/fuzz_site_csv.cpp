// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary bytes to the reader of the site tables (laboratory or
// wells table, as site-import and the Site data window read them).
//
// A refused table must say why and add no row; an accepted one, merged into
// an empty site (with a well for every well its samples name), must come
// back unchanged through the tables Virelo writes, or a site exported and
// imported again would not be the site the user had.
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>

#include "engine/project/sitedata.h"
#include "persistence/sitecsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  SiteCsvRows rows;
  // A row already held must survive a refusal untouched.
  rows.wells.push_back({"held", 1.0, 2.0, false});
  rows.wellOrigins.push_back({"held.csv", 2});
  std::ostringstream err;
  if (!ReadSiteCsv(bytes, "fuzz.csv", &rows, err)) {
    if (err.str().empty() || rows.wells.size() != 1 || rows.wellOrigins.size() != 1 ||
        !rows.samples.empty() || !rows.sampleOrigins.empty())
      __builtin_trap();
    return 0;
  }
  if (!err.str().empty()) __builtin_trap();
  if (rows.wells.size() != rows.wellOrigins.size() || rows.samples.size() != rows.sampleOrigins.size())
    __builtin_trap();

  // Every sample's well, so that a laboratory table alone can be merged.
  std::set<std::string> named;
  for (const SiteWell& w : rows.wells) named.insert(w.name);
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
