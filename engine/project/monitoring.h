// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// How the user has set up the site's monitoring, beside the data itself.
#pragma once

#include <string>
#include <vector>

struct MonitoringSettings {
  // The wells the user marks as background, by name as the site data hold
  // them (Latin-1). Empty: the wells upstream of the source serve
  // (SolventBackgroundFor).
  std::vector<std::string> backgroundWells;
};
