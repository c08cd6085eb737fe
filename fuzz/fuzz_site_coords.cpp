// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary bytes to the reader of wells tables in map coordinates and
// to the flow field: the first line, if it is "E,N,AZIMUTH", is the site's
// map; the rest is a table as site-import reads it.
//
// An accepted table must place every well on the map where the map says (a
// survey read before the map keeps its coordinates unplaced), come
// back unchanged through the table Virelo writes, and give the plane through
// heads at its wells either a finite gradient with an azimuth in [0, 360) or a
// sentence saying why not.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "engine/project/sitedata.h"
#include "engine/project/sitemap.h"
#include "engine/site/flowfield.h"
#include "persistence/sitecsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t newline = bytes.find('\n');
  SiteData site;
  std::string table = bytes;
  if (newline != std::string::npos) {
    std::istringstream first(bytes.substr(0, newline));
    char comma1 = 0, comma2 = 0;
    double e = 0, n = 0, a = 0;
    if (first >> e >> comma1 >> n >> comma2 >> a && comma1 == ',' && comma2 == ',' && std::isfinite(e) &&
        std::isfinite(n) && NormalizeAzimuth(a, &site.map.flowAzimuth)) {
      site.map.hasSource = site.map.hasAzimuth = true;
      site.map.sourceEasting = e;
      site.map.sourceNorthing = n;
      table = bytes.substr(newline + 1);
    }
  }
  if (site.map.hasAzimuth && !(site.map.flowAzimuth >= 0.0 && site.map.flowAzimuth < 360.0)) __builtin_trap();

  SiteCsvRows rows;
  std::ostringstream err;
  if (!ReadSiteCsv(table, "fuzz.csv", &rows, err)) {
    if (err.str().empty() || !rows.wells.empty() || !rows.samples.empty()) __builtin_trap();
    return 0;
  }
  SiteData merged;
  std::ostringstream mergeErr;
  if (!MergeSiteRows(site, rows, false, &merged, mergeErr)) {
    if (mergeErr.str().empty()) __builtin_trap();
    return 0;
  }
  if (!(merged.map == site.map)) __builtin_trap();
  for (const SiteWell& w : merged.wells) {
    // A survey may come before the map: its wells keep their coordinates
    // and wait for a source point and direction to be placed.
    if (!w.mapped || !SiteMapPlacesWells(merged.map)) continue;
    double s = 0, y = 0;
    MapToFlowAxes(merged.map, w.easting, w.northing, &s, &y);
    if (!(s == w.s || (std::isnan(s) && std::isnan(w.s))) ||
        !(y == w.y || (std::isnan(y) && std::isnan(w.y))))
      __builtin_trap();
  }

  // Written and read again, the wells are the same (s and y derived anew).
  std::ostringstream out;
  WriteSiteWellsCsv(merged, out);
  SiteCsvRows again;
  std::ostringstream againErr;
  SiteData back;
  const bool finite = [&] {
    for (const SiteWell& w : merged.wells)
      if (!std::isfinite(w.s) || !std::isfinite(w.y)) return false;
    return true;
  }();
  if (finite) {
    if (!ReadSiteCsv(out.str(), "wells.csv", &again, againErr) ||
        !MergeSiteRows(site, again, false, &back, againErr) || !(back.wells == merged.wells))
      __builtin_trap();
  }

  // Heads made up from the wells' own coordinates: any plane or none.
  std::vector<HeadPoint> points;
  for (const SiteWell& w : merged.wells)
    if (w.mapped)
      points.push_back({w.name, w.easting, w.northing, std::fmod(w.easting * 0.001 + w.northing, 97.0)});
  FlowFieldFit fit;
  std::string why;
  if (FitFlowField(points, &fit, &why)) {
    if (!(fit.gradient > 0.0) || !(fit.azimuth >= 0.0 && fit.azimuth < 360.0) ||
        fit.n != int(points.size()) || fit.residuals.size() != points.size())
      __builtin_trap();
  } else if (why.empty()) {
    __builtin_trap();
  }
  return 0;
}
