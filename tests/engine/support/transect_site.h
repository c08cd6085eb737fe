// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A site of two transects of wells across the flow, for the tests of mass
// discharge and of what a project keeps of its transects.
#pragma once

#include <string>

#include "engine/project/sitedata.h"

// Two transects across the flow, four wells each, sampled in five rounds
// 91 days apart; the downstream one carries 40 % of the upstream discharge.
// `downstreamGrowth` turns the downstream transect's fall over the rounds
// into a rise of that much per round.
inline SiteData TransectSite(double downstreamGrowth = 0.0) {
  SiteData site;
  const double y[] = {-15, -5, 0, 12};
  for (int k = 0; k < 4; ++k) {
    site.wells.push_back({"A" + std::to_string(k + 1), 60.0 + k, y[k]});
    site.wells.push_back({"B" + std::to_string(k + 1), 140.0, y[k]});
  }
  const double c[] = {20, 150, 300, 8};
  for (int r = 0; r < 5; ++r) {
    const std::string date = SiteDateText(19000 + 91 * r), later = SiteDateText(19000 + 91 * r + 3);
    const double fall = 1.0 - 0.1 * r;
    for (int k = 0; k < 4; ++k) {
      // A4 is a non-detect with a reporting limit of 8 ug/L.
      site.samples.push_back(
          {"A" + std::to_string(k + 1), date, "Benzene", c[k] * (k == 3 ? 1.0 : fall), kUnitUgL, k == 3});
      if (r == 2 && k == 1) continue;  // B2 missed in the third round
      site.samples.push_back({"B" + std::to_string(k + 1), later, "Benzene",
                              0.4 * c[k] * (downstreamGrowth > 0.0 ? 1.0 + downstreamGrowth * r : fall),
                              kUnitUgL, false});
    }
  }
  return site;
}
