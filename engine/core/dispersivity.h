// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The dispersivities that "Approximate by x" derives from the distance x.
// Every place that derives them (the Aquifer page, project-import, loading a
// project, the break-even values, the report) goes through this one function,
// so that the results never rest on other dispersivities than the ones shown.
#pragma once

#include "engine/project/records.h"

// ax = x/10, ay = ax/10, az = ay/10, each rounded to three decimals the way
// the Aquifer page writes them into its fields and reads them back: to the
// nearest thousandth, an exact half away from zero. A value whose three
// decimals would not fit a field (beyond about 1e46) is kept as it is.
void virelo_DispersivitiesFromX(double x, double* ax, double* ay, double* az);

// With "Approximate by x" set and an x that is entered, finite and above 0,
// sets ax, ay and az (with their bits) to the values derived from x. Returns
// 1 and marks the project modified when a stored value was stale, else 0.
int virelo_RefreshApproximatedDispersivities(Project* project);
