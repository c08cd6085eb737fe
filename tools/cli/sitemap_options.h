// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The site map on the command line: --source E,N and --flow-azimuth DEG.
#pragma once

#include <string>

#include "engine/project/sitemap.h"
#include "tools/cli/cli_common.h"

// Reads the options given into `map` (hasSource / hasAzimuth tell which);
// false with `error` for a value that is no point or no angle.
bool TakeSiteMapOptions(const CliArguments& parsed, SiteMap* map, std::string* error);
// The project's map with the options' values in place. An azimuth given by
// hand ends the claim of an azimuth taken from the heads.
SiteMap MergedSiteMap(const SiteMap& held, const SiteMap& given);
