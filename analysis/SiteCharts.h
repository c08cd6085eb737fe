// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The charts of the site data, for the window and the report: ln C against
// distance with the fit and its band, and C against time at one well.
// Detected values are filled markers, non-detects (at their detection
// limit) open ones.
#pragma once

#include <QString>

#include "engine/site/sitefit.h"

class QChart;

// Concentration [ug/L] on a log axis against s [m]; the fit line and the
// lines of the slope's interval through the centre of the points.
QChart* BuildSiteDecayChart(const DistanceFit& fit);
// Concentration [ug/L] on a log axis against the sampling date, with the
// trend line of the time fit.
QChart* BuildSiteTrendChart(const TimeFit& fit);

// The source text of a decay constant taken from a fit: "site wells
// MW1–MW4, 2024-05-12, Buscheck–Alcantar, 90 % interval 0.0031–0.0062 1/d".
QString SiteLambdaSource(const DistanceFit& fit);
