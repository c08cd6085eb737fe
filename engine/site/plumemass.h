// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Whether the plume as a whole is shrinking, standing or moving: its
// dissolved mass and centre of mass on every sampling round, and their
// trends over the rounds.
//
// A round gathers the samples taken within a few days of each other; every
// round is compared on the same wells, so that a change of mass is a change
// of the plume and not of the network. Between the wells the concentration
// is interpolated linearly on the Delaunay triangles of their positions
// (s along the flow, y across it) over their convex hull; wells nearly in a
// row give the mass per metre of plume width along that row instead.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/project/records.h"
#include "engine/project/sitedata.h"
#include "engine/site/sitestats.h"

struct PlumeMassOptions {
  int roundDays = 30;  // a date within this many days of the round's previous date joins the round
  double porosity = std::numeric_limits<double>::quiet_NaN();   // ne [-]
  double thickness = std::numeric_limits<double>::quiet_NaN();  // b [m]; NaN: per metre of thickness
  // The wells left out by name; unset: the wells out of the decay fit and
  // those upstream of the source (s < 0).
  std::optional<std::vector<std::string>> leftOut;
  int levelPercent = 90;  // of the half-life's and the drift's intervals
  // The retarded seepage velocity v/R [m/d] the drift is set beside; NaN when unknown.
  double retardedVelocity = std::numeric_limits<double>::quiet_NaN();
};

// One well of the set as a round sees it: the mean of its samples in the
// round, non-detects as 0 (value) and as their reporting limit (upper).
struct PlumeWellValue {
  std::string well;
  double s = 0.0, y = 0.0;
  double value = 0.0, upper = 0.0;  // [ug/L]
};

// The spatial moments of one round's concentrations.
struct PlumeMoments {
  double mass = 0.0;       // M0 with non-detects as 0 [kg, or kg/m for the line]
  double massUpper = 0.0;  // M0 with non-detects at their reporting limit
  double centreS = 0.0;    // s of the centre of mass [m]
  double centreY = std::numeric_limits<double>::quiet_NaN();  // NaN for the line
  double spreadS = 0.0;                                       // sigma_s [m]
  double spreadY = std::numeric_limits<double>::quiet_NaN();  // NaN for the line
};

struct PlumeRound {
  std::string date;  // the round's first day, YYYY-MM-DD
  double day = 0.0;  // days since 1970-01-01
  std::vector<PlumeWellValue> wells;
  PlumeMoments moments;
};

enum class PlumeLight { kNone, kGreen, kYellow, kRed };
// "green", "yellow", "red"; "" for kNone.
const char* PlumeLightKey(PlumeLight light);

// A trend over the rounds: Mann-Kendall and a least-squares line with its interval.
struct PlumeTrend {
  MannKendallResult mannKendall;
  LineFit line;  // on days since the first round
};

struct PlumeMassResult {
  std::string contaminant;
  std::string estimator;           // "delaunay" or "line"; empty when no mass could be computed
  bool perMetreThickness = false;  // no b: masses per metre of saturated thickness
  std::vector<std::string> wells;  // the well set, in the order of the site's wells
  std::vector<PlumeRound> rounds;  // compared, in time order
  // Left out, each with why, for people (ASCII): rounds missing a well of
  // the set, wells with too few rounds to keep.
  std::vector<std::string> leftOut;
  PlumeTrend mass, centreS, spreadS;
  // ln 2 over the slope of ln M0 on time, with its interval from the
  // slope's; NaN where the mass does not fall (an open end is +infinity).
  double halfLife = std::numeric_limits<double>::quiet_NaN();  // [d]
  double halfLifeLow = std::numeric_limits<double>::quiet_NaN();
  double halfLifeHigh = std::numeric_limits<double>::quiet_NaN();
  // The slope of the centre of mass on time, with its interval [m/d].
  double drift = std::numeric_limits<double>::quiet_NaN();
  double driftLow = std::numeric_limits<double>::quiet_NaN();
  double driftHigh = std::numeric_limits<double>::quiet_NaN();
  double retardedVelocity = std::numeric_limits<double>::quiet_NaN();  // v/R [m/d]
  PlumeLight light = PlumeLight::kNone;
  std::vector<std::string> notes;  // what limits the result, sentences for people
};

// Rounds of a set of days (any order, repeats allowed): the index of each
// day's round, rounds numbered in time order. A day within `roundDays` of
// the round's previous day joins it.
std::vector<int> GroupRounds(const std::vector<long>& days, int roundDays);

// Whether wells at these positions lie nearly in a row: their hull is
// narrower across the flow than a tenth of its length along it.
bool WellsInARow(const std::vector<double>& s, const std::vector<double>& y);

// The moments of concentrations at wells (s, y), values in ug/L; ne and b
// scale the mass (b = 1 for a mass per metre of thickness). The line form
// when `line` is set. False when fewer than two distinct wells, or three
// not in one line for the Delaunay form.
bool PlumeMomentsOf(const std::vector<PlumeWellValue>& wells, bool line, double porosity, double thickness,
                    PlumeMoments* out);

// The plume's mass and centre of mass of one contaminant over the rounds.
PlumeMassResult PlumeMassOf(const SiteData& site, const std::string& contaminant,
                            const PlumeMassOptions& options);

// The options the project gives: ne, b and the round length from its
// settings, v/R of the contaminant.
PlumeMassOptions PlumeMassOptionsFor(const Project& project, const std::string& contaminant);
