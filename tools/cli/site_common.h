// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the site-data commands share: the project's own inputs to the fits
// and the reading of the level and contaminant options.
#pragma once

#include <iosfwd>
#include <string>

#include "engine/project/records.h"
#include "engine/site/siteproject.h"
#include "tools/cli/cli_common.h"

// A loaded project, not assessed (the site commands need no results).
ProjectHandle LoadSiteProject(const std::string& path, std::ostream& err);

// --level: 80, 90 (the default) or 95. False with `error` set otherwise.
bool TakeLevelOption(const CliArguments& parsed, int* level, std::string* error);

// What a fit of one contaminant needs, as decay and use-decay read it: one
// project file, --contaminant NAME (returned as the record's text) and a
// well-formed --date where one is given. False with `error` set otherwise.
bool TakeFitTarget(const CliArguments& parsed, const std::string& command, std::string* name,
                   std::string* error);

// A number of a CSV row: 17 significant digits, empty when undefined.
std::string SiteCsvNumber(double value);
// A number of the text output, as people read it: 4 significant digits,
// empty when undefined.
std::string SiteTextNumber(double value);
