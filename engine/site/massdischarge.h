// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The mass of a contaminant the groundwater carries through a transect of
// wells across the flow per day, and how it changes over the rounds and
// from one transect to the next downstream.
//
// Each well stands for the strip of the transect halfway to its neighbours
// across the flow; an outer well's strip reaches as far beyond it as
// halfway to its inner neighbour. The advective flux through a strip is
// C Kf i w b; dispersive flux is neglected.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "engine/project/monitoring.h"
#include "engine/project/records.h"
#include "engine/project/sitedata.h"
#include "engine/site/plumemass.h"
#include "engine/site/sitestats.h"

struct MassDischargeOptions {
  int roundDays = 30;                                              // as the plume's rounds
  double conductivity = std::numeric_limits<double>::quiet_NaN();  // Kf [m/d]
  double gradient = std::numeric_limits<double>::quiet_NaN();      // i [-]
  double thickness = std::numeric_limits<double>::quiet_NaN();     // b [m]; NaN: per metre of thickness
};

struct TransectRound {
  std::string date;  // the round's first day
  double day = 0.0;
  double discharge = 0.0;       // Md with non-detects as 0 [g/d]
  double dischargeUpper = 0.0;  // with non-detects at their reporting limit
};

struct TransectDischarge {
  std::string name;
  std::vector<std::string> wells;  // across the flow, by y
  std::vector<double> widths;      // [m], each well's strip
  double s = 0.0;                  // the wells' mean distance along the flow [m]
  std::vector<TransectRound> rounds;
  std::vector<std::string> leftOut;  // rounds missing a well, named (ASCII)
  MannKendallResult trend;           // of Md over the rounds
};

// One transect beside the next downstream, on the latest round both hold.
struct TransectDecline {
  std::string upstream, downstream;
  std::string date;
  double distance = 0.0;                                    // [m] between their mean s
  double ratio = std::numeric_limits<double>::quiet_NaN();  // Md downstream / Md upstream
};

struct MassDischargeResult {
  std::string contaminant;
  bool perMetreThickness = false;
  std::vector<TransectDischarge> transects;  // in the order along the flow
  std::vector<TransectDecline> declines;
  std::string problem;  // why there is no result, for people; empty when there is one
};

// The strip widths of wells at offsets y across the flow, in the order given.
// False when fewer than two wells or two at one offset.
bool TransectWidths(const std::vector<double>& y, std::vector<double>* widths);

MassDischargeResult MassDischargeOf(const SiteData& site, const std::string& contaminant,
                                    const std::vector<Transect>& transects,
                                    const MassDischargeOptions& options);

// The light of the discharge over the rounds and along the flow: red where
// the discharge through any transect is Increasing or Probably Increasing;
// green where it is Decreasing or Probably Decreasing at the transect
// farthest downstream that has a trend, or falls from every transect to the
// next on the latest round both hold; yellow where a trend or a decline is
// known otherwise; none where neither is. A falling discharge is what the
// plume loses on its way; a growing one feeds the receptor whatever single
// wells say.
PlumeLight MassDischargeLight(const MassDischargeResult& result);

// Kf, i, b and the round length as the project holds them.
MassDischargeOptions MassDischargeOptionsFor(const Project& project);
