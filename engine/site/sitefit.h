// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A contaminant's decay constant from the site's own wells, and the trend at
// each well.
//
// The distance fit regresses ln C on s along the centre line on one sampling
// date; its slope m gives the bulk attenuation rate k = -m v and, corrected
// for longitudinal dispersion after Buscheck and Alcantar (1995), the
// biodegradation rate lambda = v / (4 ax) ((1 + 2 ax (-m))^2 - 1) that the
// transport model takes. The time fit at one well gives a point decay rate,
// which is no lambda: it mixes decay with the shrinking of the source.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "engine/project/sitedata.h"
#include "engine/site/sitestats.h"

// What the fits take from the project besides the site data. NaN means not
// set; a check that needs a missing value is left out.
struct SiteFitOptions {
  int levelPercent = 90;  // 80, 90 or 95
  std::string date;       // the distance fit's date; empty: the default date
  double velocity = std::numeric_limits<double>::quiet_NaN();          // v [m/d]
  double dispersivityAx = std::numeric_limits<double>::quiet_NaN();    // ax [m]
  double sourceHalfWidth = std::numeric_limits<double>::quiet_NaN();   // Sy [m]
  double receptorDistance = std::numeric_limits<double>::quiet_NaN();  // x [m]
  double ca = std::numeric_limits<double>::quiet_NaN();                // acceptable concentration, in caUnit
  std::string caUnit = kUnitUgL;
};

// One sample of the contaminant as a fit sees it, in ug/L.
struct SitePoint {
  std::string well;
  std::string date;
  double s = 0.0;
  double day = 0.0;  // days since 1970-01-01
  double value = 0.0;
  bool nonDetect = false;
};

struct DistanceFit {
  std::string contaminant;
  std::string date;
  int levelPercent = 90;
  std::vector<SitePoint> points;                           // the detected values in the fit
  std::vector<SitePoint> nonDetects;                       // left out, listed
  LineFit line;                                            // ln C [ug/L] on s [m]
  double bulkK = 0.0;                                      // [1/d], NaN without v
  bool hasLambda = false;                                  // false: the warnings say why
  double lambda = 0.0, lambdaLow = 0.0, lambdaHigh = 0.0;  // [1/d]
  double halfLife = 0.0;                                   // ln 2 / lambda [d]
  std::vector<std::string> warnings;
};

// The samples of one contaminant as the fits read them: at known wells,
// with readable dates, in ug/L. Gathering is a pass over every sample;
// whoever fits many contaminants gathers them all in one pass.
struct ContaminantSeries {
  std::string contaminant;
  std::vector<SitePoint> points;  // in the order of the samples
};
// Every analyte that is no indicator, in the order first met.
std::vector<ContaminantSeries> GatherSeries(const SiteData& site);
ContaminantSeries GatherSeries(const SiteData& site, const std::string& contaminant);

// The default date: the latest with at least three detected values of the
// contaminant at wells in the fit; else the latest date with any value of
// it; empty when there is none.
std::string DefaultFitDate(const SiteData& site, const std::string& contaminant);
// lambda of Buscheck and Alcantar from a slope m [1/m].
double BuscheckAlcantarLambda(double slope, double velocity, double ax);
DistanceFit FitDistance(const SiteData& site, const std::string& contaminant, const SiteFitOptions& options);
DistanceFit FitDistance(const SiteData& site, const ContaminantSeries& series, const SiteFitOptions& options);

struct TimeFit {
  std::string well;
  std::string contaminant;
  std::vector<SitePoint> points;  // detected, in time order
  std::vector<SitePoint> nonDetects;
  LineFit line;                                            // ln C [ug/L] on days since the first sample
  double kPoint = 0.0, kPointLow = 0.0, kPointHigh = 0.0;  // [1/d], NaN below three points
  double halfLife = 0.0;                                   // ln 2 / kPoint [d]; NaN unless kPoint > 0
  // When the trend line reaches CA: days after the last sample (0 when it
  // is below already, NaN when never or without CA) and that date.
  double daysToCa = 0.0;
  std::string caDate;
  MannKendallResult mannKendall;
};
// One fit per well that has values of the contaminant, in the order of the wells.
std::vector<TimeFit> FitTimes(const SiteData& site, const std::string& contaminant,
                              const SiteFitOptions& options);
std::vector<TimeFit> FitTimes(const SiteData& site, const ContaminantSeries& series,
                              const SiteFitOptions& options);

// The contaminants the site data hold samples of (analytes that are no
// indicator), in the order first met.
std::vector<std::string> SiteContaminants(const SiteData& site);
