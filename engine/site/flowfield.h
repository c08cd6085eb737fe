// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The flow field from the wells' groundwater heads: the least-squares plane
// h = a + b*E + c*N through the heads of one sampling date gives the
// hydraulic gradient i = |grad h| and the flow azimuth, the direction of
// steepest descent in degrees clockwise from north.
#pragma once

#include <string>
#include <vector>

#include "engine/project/sitedata.h"

// The analyte and unit of a groundwater head in the laboratory table (above
// any datum, as long as every well of a date uses the same one).
constexpr const char* kHeadAnalyte = kIndicatorHead;
constexpr const char* kHeadUnit = kUnitM;

struct HeadPoint {
  std::string well;                                  // Latin-1
  double easting = 0.0, northing = 0.0, head = 0.0;  // [m]
};

// The confidence level of the azimuth's interval.
constexpr double kFlowAzimuthLevel = 0.90;

// Wells nearly in a row: the root mean square distance of the wells across
// their main axis against that along it (both about their centre). Below
// kFlowRowWarned the fit stands with a warning; a squared ratio at or below
// kFlowRowRefused is no plane at all.
constexpr double kFlowRowWarned = 0.1;
constexpr double kFlowRowRefused = 1e-10;

struct FlowFieldFit {
  int n = 0;
  double gradient = 0.0;     // [-]
  double azimuth = 0.0;      // degrees clockwise from north, [0, 360)
  double rmsResidual = 0.0;  // [m], sqrt(sum r^2 / n)
  // The standard errors of the least-squares plane, from the residual
  // variance sum r^2 / (n - 3) carried to i and the azimuth by their first
  // derivatives in (dh/dE, dh/dN). Wells nearly in a row fix the gradient
  // along the row well and the direction badly. NaN with exactly three wells,
  // whose plane fits them exactly and has no residual to judge it by.
  double gradientSe = 0.0;  // [-]
  double azimuthSe = 0.0;   // [deg]
  // The two-sided interval of the azimuth at kFlowAzimuthLevel from
  // Student's t with n - 3 degrees of freedom: azimuth -/+ the half-width,
  // both ends in [0, 360), so that the low end may read larger than the high
  // one across north. A half-width of 180 or more spans every direction
  // and reads 0 to 360.
  double azimuthHalfWidth = 0.0;  // [deg]
  double azimuthLow = 0.0, azimuthHigh = 0.0;
  // The plane: h = head0 + dhdE * (E - centreE) + dhdN * (N - centreN).
  double centreEasting = 0.0, centreNorthing = 0.0, head0 = 0.0, dhdE = 0.0, dhdN = 0.0;
  std::vector<double> residuals;  // measured minus plane, in the points' order
  // The wells' spread along and across their main axis [m] (root mean
  // square distances from their centre), and the sentence warning of wells
  // nearly in a row; empty when they are not.
  double spreadAlong = 0.0, spreadAcross = 0.0;
  std::string warning;
};

// Fits the plane. False, with `why` a sentence for the user, for fewer than
// three points, points on one line (or one spot), or level heads, which have
// no direction of flow.
bool FitFlowField(const std::vector<HeadPoint>& points, FlowFieldFit* fit, std::string* why);

// The heads measured on `date` at the wells surveyed in map coordinates
// (non-detect flags on a head mean nothing and such rows are left out).
std::vector<HeadPoint> HeadsOn(const SiteData& site, const std::string& date);
// The dates, in order, with heads at three or more wells in map coordinates.
std::vector<std::string> FlowFieldDates(const SiteData& site);
// The number of wells with a head on `date` that lack map coordinates.
int HeadsWithoutCoordinates(const SiteData& site, const std::string& date);
