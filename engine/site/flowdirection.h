// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The flow direction beyond one date's plane through the heads: how the
// heads' azimuth holds over the sampling dates, and the plume's own axis,
// the direction in which the concentrations lie from the source point.
// Either may place the wells; the two side by side tell whether they agree.
#pragma once

#include <string>
#include <vector>

#include "engine/project/sitedata.h"

// The circular mean of several azimuths and their circular standard
// deviation sqrt(-2 ln R) (R the mean resultant length of their unit
// vectors), in degrees; with it the smallest arc that holds them all.
struct AzimuthSpread {
  int n = 0;
  double mean = 0.0;        // degrees clockwise from north, [0, 360)
  double circularSd = 0.0;  // [deg]
  double resultant = 0.0;   // R, 1 when all agree
  // The arc from `first` clockwise to `last` holding every azimuth.
  double first = 0.0, last = 0.0, arc = 0.0;
};

// False for fewer than two azimuths or ones that cancel (no mean direction).
bool SummarizeAzimuths(const std::vector<double>& azimuths, AzimuthSpread* spread);

// The heads' azimuth of every date FitFlowField accepts, summarised; false
// when fewer than two dates give one.
bool SummarizeFlowDates(const SiteData& site, AzimuthSpread* spread);

// The plume axis: the concentration-weighted circular mean of the bearings
// from the source point to the wells in map coordinates. A well weighs its
// mean concentration of the analyte over all dates (a non-detect counts as
// zero), so the wells that hold the plume pull the axis towards them.
struct PlumeAxis {
  std::string analyte;     // Latin-1
  int wells = 0;           // wells with a detection that set the axis
  double azimuth = 0.0;    // degrees clockwise from north, [0, 360)
  double resultant = 0.0;  // weighted mean resultant length, 1 on one bearing
};

// The concentration analytes detected at two or more wells in map
// coordinates, those at the most wells first (then by name).
std::vector<std::string> PlumeAxisAnalytes(const SiteData& site);

// Fits the axis; false, with `why` a sentence for the user, without a source
// point, with fewer than two wells detecting the analyte, or with wells
// that surround the source evenly.
bool FitPlumeAxis(const SiteData& site, const std::string& analyte, PlumeAxis* axis, std::string* why);

// Where a flow azimuth taken from the plume axis comes from, as the map's
// origin records it (UTF-8, as origins are).
std::string PlumeAxisOriginText(const PlumeAxis& axis);

// The flow directions other than the one the map holds, for a sentence: "the
// plume axis of TCE (212\xb0)" or "the heads' azimuth of 2024-05-02
// (201\xb0)", joined by " or "; empty when there is none. `analyte` is the
// plume's. Wells thrown off the centre line by one direction may sit on it
// under the other.
std::string OtherFlowDirections(const SiteData& site, const std::string& analyte);
