// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The pieces a decay chain needs beside the centre line: the exact
// solution's Taylor coefficients in the decay rate at a point (s, y), and
// the screening formula's transverse factor there, which does not depend on
// the rate.
#pragma once

#include "engine/project/records.h"

// As virelo_math_ExactConcentrationSeries, at distance y beside the centre
// line: coeff[0] is virelo_math_ExactConcentrationOffAxis. At y = 0 it is the
// centre line's series. Returns 1, or 0 for a null argument or a negative
// order.
int virelo_math_ExactConcentrationSeriesOffAxis(const Aquifer* aquifer, double lambda, double s, double y,
                                                int order, double* coeff);

// The screening formula's factor across the flow at (s, y),
// 1/2 [erf((y+Sy)/(2 sqrt(ay s))) - erf((y-Sy)/(2 sqrt(ay s)))]: the ratio of
// virelo_math_ScreeningConcentrationOffAxis to the centre line's value
// without that factor.
double virelo_math_ScreeningTransverseFactor(const Aquifer* aquifer, double s, double y);
