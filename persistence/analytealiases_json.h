// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A project's analyte aliases (engine/project/analytenames.h) inside the site data's
// JSON object, in the settings block and the project's JSON form alike:
//   "site": {..., "aliases": {"Benzol": "Benzene", "PER": "Tetrachloroethene (PCE)"}}
// Written only when the project has any.
#pragma once

#include <string>

#include "engine/project/analytenames.h"
#include "persistence/extras_json.h"

constexpr const char* kSiteAliasesKey = "aliases";

void AnalyteAliasesToJson(const AnalyteAliases& aliases, ExtrasJson* site);
// Reads `site`'s aliases, if it has any; `path` is the site object's.
bool AnalyteAliasesFromJson(const ExtrasJson& site, const std::string& path, AnalyteAliases* aliases,
                            JsonFault* fault);
