// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/sitemap.h"

#include <cmath>
#include <numbers>

#include "engine/project/sitedata.h"

bool SiteWellPlaced(const SiteWell& well, const SiteMap& map) {
  return !well.mapped || SiteMapPlacesWells(map);
}

std::vector<std::string> UnplacedWells(const SiteData& site) {
  std::vector<std::string> names;
  for (const SiteWell& w : site.wells)
    if (!SiteWellPlaced(w, site.map)) names.push_back(w.name);
  return names;
}

std::string UnplacedWellsText(const std::vector<std::string>& wells) {
  if (wells.empty()) return {};
  std::string names;
  for (size_t k = 0; k < wells.size(); ++k)
    names += (k == 0 ? "" : k + 1 == wells.size() ? " and " : ", ") + wells[k];
  const bool one = wells.size() == 1;
  return std::string(one ? "Well " : "Wells ") + names + (one ? " is" : " are") +
         " surveyed on the map and " + (one ? "waits" : "wait") +
         " for its source point and flow direction (Site data window, Flow field tab: Place wells); " +
         (one ? "it is" : "they are") + " left out until then.";
}

bool NormalizeAzimuth(double degrees, double* normalized) {
  if (!std::isfinite(degrees)) return false;
  double a = std::fmod(degrees, 360.0);
  if (a < 0.0) a += 360.0;
  // fmod of a tiny negative value plus 360 rounds to 360 itself.
  if (a >= 360.0) a = 0.0;
  *normalized = a;
  return true;
}

void MapToFlowAxes(const SiteMap& map, double easting, double northing, double* s, double* y) {
  const double theta = map.flowAzimuth * std::numbers::pi / 180.0;
  // Downstream unit vector (east, north) = (sin, cos); its left-hand normal
  // is (-cos, sin).
  const double de = easting - map.sourceEasting, dn = northing - map.sourceNorthing;
  const double se = std::sin(theta), ce = std::cos(theta);
  *s = de * se + dn * ce;
  *y = -de * ce + dn * se;
}

bool DeriveWellOffsets(SiteData* site) {
  bool any = false;
  for (const SiteWell& w : site->wells) any = any || w.mapped;
  if (!any) return true;
  if (!SiteMapPlacesWells(site->map)) return false;
  for (SiteWell& w : site->wells)
    if (w.mapped) MapToFlowAxes(site->map, w.easting, w.northing, &w.s, &w.y);
  return true;
}
