// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The JSON form of the site's map (engine/project/sitemap.h) and of a well's map
// coordinates, as keys of the "site" object and of its wells:
//   "site": {..., "source": {"easting", "northing"}, "flowAzimuth": deg,
//            "flowAzimuthOrigin": {"value", "text"}, "gradientOrigin": {"value", "text"}}
//   "wells": [{..., "easting", "northing"}]
// Each key is written only when set, so a site without a map is written as
// it was before sites had one.
#pragma once

#include <string>
#include <vector>

#include "engine/project/sitedata.h"
#include "persistence/extras_json.h"

// The optional keys the map adds to the "site" object and to each well.
const std::vector<std::string>& SiteMapKeys();
const std::vector<std::string>& SiteWellMapKeys();

void SiteMapToJson(const SiteMap& map, ExtrasJson* site);
bool SiteMapFromJson(const ExtrasJson& site, const std::string& path, SiteMap* map, JsonFault* fault);
void SiteWellMapToJson(const SiteWell& well, ExtrasJson* object);
bool SiteWellMapFromJson(const ExtrasJson& object, const std::string& path, SiteWell* well, JsonFault* fault);
