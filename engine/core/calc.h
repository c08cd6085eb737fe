// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Plume length and attenuation factor of every assessed contaminant.
#pragma once

#include "engine/project/records.h"

// Appends one ContaminantResult per contaminant with a non-zero `assess`.
// The caller frees earlier results first. Returns 1 when the pass completed,
// 0 for a null project or when growing the result array failed.
int virelo_math_CalcAll(Project* project);

// The two calculations of one contaminant, without the input checks: they
// fill the plume-length fields, or the attenuation-factor fields, of result.
void virelo_math_CalcPlumeLength(const Aquifer* aquifer, const Contaminant* contaminant,
                                 ContaminantResult* result);
void virelo_math_CalcAttenuationFactor(const Aquifer* aquifer, const Contaminant* contaminant,
                                       ContaminantResult* result);

// The source ratio C0 / (CA * AF), that is C0 * c / CA for the relative
// concentration c at the receptor: +inf when c is 0 (nothing arrives), NaN
// when c is undefined or negative. Where the plain quotient would overflow
// on the way (C0 / CA beyond the double range, or CA * AF), the ratio is
// taken in logarithms; a ratio beyond the largest double is given as the
// largest double, so that it is classed red and never passes for "nothing
// arrives".
double virelo_math_SourceRatio(double c0, double ca, double relativeConcentration);

// Error function used by the attenuation factor: erf(z) for a finite z, 1.0
// for a non-finite one.
double SeriesErf(double z);
