// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Taking the flow field into the project: the heads' gradient as the
// aquifer's i, the heads' azimuth or the plume axis as the map's flow
// direction, each with the origin that speaks for it while the value
// stands. The Flow field tab's buttons and virelo-cli apply-flow share these,
// so that both write the same project.
#pragma once

#include <string>

#include "engine/project/records.h"

// The origin recorded for a value taken from the heads of `date`.
std::string HeadsOriginText(const std::string& date, int wells, double rmsResidual);

// Each returns false, changing nothing and with `why` a sentence, when the
// heads of `date` fix no plane or the plume axis cannot be drawn.
bool ApplyHeadsGradient(Project* project, const std::string& date, std::string* why);
// The map's azimuth set, the wells in map coordinates placed again (once a
// source point is known).
bool ApplyHeadsAzimuth(Project* project, const std::string& date, std::string* why);
bool ApplyPlumeAxis(Project* project, const std::string& analyte, std::string* why);
