// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/sitemap_options.h"

#include <charconv>
#include <cmath>

namespace {

bool Number(const std::string& text, double* value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(*value);
}

}  // namespace

bool TakeSiteMapOptions(const CliArguments& parsed, SiteMap* map, std::string* error) {
  if (const auto source = parsed.values.find("--source"); source != parsed.values.end()) {
    const std::string& text = source->second;
    const size_t comma = text.find(',');
    if (comma == std::string::npos || !Number(text.substr(0, comma), &map->sourceEasting) ||
        !Number(text.substr(comma + 1), &map->sourceNorthing)) {
      *error = "--source takes the source point as EASTING,NORTHING in metres, not \"" + text + "\"";
      return false;
    }
    map->hasSource = true;
  }
  if (const auto azimuth = parsed.values.find("--flow-azimuth"); azimuth != parsed.values.end()) {
    double degrees = 0.0;
    if (!Number(azimuth->second, &degrees) || !NormalizeAzimuth(degrees, &map->flowAzimuth)) {
      *error = "--flow-azimuth takes degrees clockwise from north, not \"" + azimuth->second + "\"";
      return false;
    }
    map->hasAzimuth = true;
  }
  return true;
}

SiteMap MergedSiteMap(const SiteMap& held, const SiteMap& given) {
  SiteMap map = held;
  if (given.hasSource) {
    map.hasSource = true;
    map.sourceEasting = given.sourceEasting;
    map.sourceNorthing = given.sourceNorthing;
  }
  if (given.hasAzimuth) {
    map.hasAzimuth = true;
    map.flowAzimuth = given.flowAzimuth;
    if (!OriginHolds(map.azimuthOrigin, map.flowAzimuth)) map.azimuthOrigin = {};
  }
  return map;
}
