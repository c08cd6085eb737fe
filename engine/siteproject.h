// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the site fits take from the project itself: the aquifer's flow
// velocity, dispersivity, source half-width and receptor distance, and a
// contaminant's CA in the project's concentration unit.
#pragma once

#include <string>

#include "engine/records.h"
#include "engine/sitefit.h"

// `contaminant` is a name as the records hold it (Latin-1); level 80, 90 or 95.
SiteFitOptions SiteFitOptionsFor(const Project& project, const std::string& contaminant, int levelPercent);
