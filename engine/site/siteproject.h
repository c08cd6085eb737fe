// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the site fits take from the project itself: the aquifer's flow
// velocity, dispersivity, source half-width and receptor distance, and a
// contaminant's CA in the project's concentration unit.
#pragma once

#include <string>

#include "engine/project/records.h"
#include "engine/site/sitefit.h"
#include "engine/site/solventscore.h"

// The background water the solvent score's rows against background compare
// with, for every window, the report and the command line alike: the wells
// the user marks as background, or the wells upstream of the source.
SolventBackground SolventBackgroundOf(const Project& project);

// `contaminant` is a name as the records hold it (Latin-1); level 80, 90 or 95.
SiteFitOptions SiteFitOptionsFor(const Project& project, const std::string& contaminant, int levelPercent);

// The lognormal the Uncertainty window offers for a contaminant's lambda:
// the distance fit the Site data window shows first (default date, 90 %),
// turned into the lognormal whose 90 % interval is the fit's interval.
struct SiteLambdaLogNormal {
  double median = 0.0, geometricSd = 0.0;  // [1/d], [-]
  double low = 0.0, high = 0.0;            // the fit's interval [1/d]
  int levelPercent = 90;
};
// False when the site data give no lambda with an interval for the
// contaminant, or give one with warnings: a fit the user is warned about
// should not turn silently into a default.
bool SiteLambdaLogNormalFor(const Project& project, const std::string& contaminant, SiteLambdaLogNormal* out);
