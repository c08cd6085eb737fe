// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A project's column mappings (persistence/sitecolumns.h) inside the site
// data's JSON object, in the settings block and the project's JSON form alike:
//   "site": {..., "columns": {"probe": "well", "tag": "date"}}
// keyed by the header as it is matched. Written only when the project has any.
#pragma once

#include <map>
#include <string>

#include "persistence/extras_json.h"

constexpr const char* kSiteColumnsKey = "columns";

void SiteColumnsToJson(const std::map<std::string, std::string>& columns, ExtrasJson* site);
// Reads `site`'s column mappings, if it has any; `path` is the site object's.
bool SiteColumnsFromJson(const ExtrasJson& site, const std::string& path,
                         std::map<std::string, std::string>* columns, JsonFault* fault);
