// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Where the site lies on the map: the source point and the direction the
// groundwater flows, from which the distances along and across the plume
// follow for every well surveyed in map coordinates.
//
// Axes: s runs from the source downstream along the flow azimuth; y is
// positive to the LEFT looking downstream. That is the side the plan of the
// plume draws upwards when the flow runs from left to right, and the models
// are symmetric in y, so only the plan and the tables see the sign.
#pragma once

#include <string>
#include <vector>

struct SiteWell;
struct SiteData;

// Where a value the project took from the heads came from. It speaks for the
// value only while the value is still `value`: a later hand edit ends the
// claim without anyone having to remember to drop it.
struct SiteValueOrigin {
  double value = 0.0;
  std::string text;  // UTF-8, for people; empty is no origin
  bool empty() const { return text.empty(); }
  bool operator==(const SiteValueOrigin&) const = default;
};

struct SiteMap {
  bool hasSource = false;
  double sourceEasting = 0.0;  // [m]
  double sourceNorthing = 0.0;
  bool hasAzimuth = false;
  double flowAzimuth = 0.0;        // degrees clockwise from north, [0, 360)
  SiteValueOrigin azimuthOrigin;   // of flowAzimuth
  SiteValueOrigin gradientOrigin;  // of the aquifer's hydraulic gradient i
  bool empty() const { return *this == SiteMap{}; }
  bool operator==(const SiteMap&) const = default;
};

// Whether the map places wells: a source and an azimuth are both known.
inline bool SiteMapPlacesWells(const SiteMap& map) {
  return map.hasSource && map.hasAzimuth;
}

// Whether a well has its s and y: given so, or surveyed on a map that
// places wells. A surveyed well on a map without a source point or an
// azimuth reads s = y = 0, which no model or fit may take for its place.
bool SiteWellPlaced(const SiteWell& well, const SiteMap& map);

// The names of the site's wells that wait for the map, in table order.
std::vector<std::string> UnplacedWells(const SiteData& site);

// What every face says of wells left out because they wait for the map
// (in the names' Latin-1, as the fits' warnings): the wells named, and
// where to give the map. Empty for none.
std::string UnplacedWellsText(const std::vector<std::string>& wells);

// An azimuth brought into [0, 360); false for a value that is not finite.
bool NormalizeAzimuth(double degrees, double* normalized);

// The distance along the flow (s) and across it (y, positive to the left
// looking downstream) of a map point. The map must place wells.
void MapToFlowAxes(const SiteMap& map, double easting, double northing, double* s, double* y);

// Sets s and y of every well surveyed in map coordinates from the map. False,
// changing nothing, when some are and the map does not place wells.
bool DeriveWellOffsets(SiteData* site);

// Whether an origin speaks for the value (see SiteValueOrigin).
inline bool OriginHolds(const SiteValueOrigin& origin, double value) {
  return !origin.empty() && origin.value == value;
}
