// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The concentration along and beside the plume: the screening formula of the
// attenuation factor at any distance, and the exact steady-state centre-line
// solution of the same continuous patch source with first-order decay, for
// comparison with the screening verdict.
//
// Distances s and y are in m, lambda in 1/d; every function returns C/C0.
// The screening verdict stays the verdict: nothing here changes the
// screening values, their classes or any file.
#pragma once

#include "engine/project/assessment.h"
#include "engine/project/records.h"

// Screening centre-line concentration at distance s: the attenuation-factor
// formula with x replaced by s, with the same erf mend. At s = x it is the
// result's relativeConcentration, bit for bit. A |v| below 1e-40 gives 0.
double virelo_math_ScreeningConcentration(const Aquifer* aquifer, double lambda, double s);

// Screening concentration C(s, y, 0)/C0 beside the centre line, for the plan
// view: the exponential factor of the centre line times
// 1/2 [erf((y+Sy)/(2 sqrt(ay s))) - erf((y-Sy)/(2 sqrt(ay s)))] times
// erf(Sz/(2 sqrt(az s))). Sy is the half-width of the source and Sz its depth
// below the water table. At y = 0 it equals the centre-line value; with
// ay = 0 the source's width is carried along unspread.
double virelo_math_ScreeningConcentrationOffAxis(const Aquifer* aquifer, double lambda, double s, double y);

// Exact steady-state centre-line concentration of the continuous patch source
// with longitudinal dispersion and first-order decay, by adaptive
// Gauss-Kronrod quadrature: relative error 1e-6 or better (absolute floor
// 1e-300) for 1e-3 <= ax/s <= 10, any lambda >= 0 and any source size. An erf
// factor whose dispersivity is 0 (or not a number) is 1, as in the screening
// formula; a v below 1e-40 gives 0; s = 0 gives 1 (the source itself); a
// negative s, ax <= 0 or an undefined input gives NaN.
double virelo_math_ExactConcentration(const Aquifer* aquifer, double lambda, double s);

// Exact steady-state concentration C(s, y, 0)/C0 beside the centre line, of
// the same source: the width factor of the integrand becomes
// 1/2 [erf((y+Sy)/(2 sqrt(ay v tau))) - erf((y-Sy)/(2 sqrt(ay v tau)))], as
// the screening value beside the centre line has it. At y = 0 it is
// virelo_math_ExactConcentration; with ay = 0 the source's width is carried
// along unspread; at s = 0 it is the source plane (1 within Sy, 1/2 at its
// edge, 0 beyond). Same accuracy as the centre line, also far beside the
// plume where the value is tiny.
double virelo_math_ExactConcentrationOffAxis(const Aquifer* aquifer, double lambda, double s, double y);

// Taylor coefficients of the exact centre-line concentration at s in the
// scaled decay rate kappa = lambda s / v, around lambda: coeff[n] is
// (1/n!) d^n(C/C0)/d kappa^n for n = 0 .. order, coeff[0] being
// virelo_math_ExactConcentration. Decay chains use them where two species
// decay at nearly the same rate. Returns 1, or 0 for a null argument or a
// negative order.
int virelo_math_ExactConcentrationSeries(const Aquifer* aquifer, double lambda, double s, int order,
                                         double* coeff);

// Fills the exact fields of one attenuation-factor result (exactComputed = 1,
// exactRelativeConcentration, exactAttenuationFactor, exactSourceRatio) from
// the exact concentration at x, with the same rules for the attenuation
// factor and the source ratio as the screening values. The caller makes sure
// the inputs have no problems.
void virelo_math_CalcExactAttenuationFactor(const Aquifer* aquifer, const Contaminant* contaminant,
                                            ContaminantResult* result);

// Fills the exact fields of every result of the project that has an
// attenuation factor without problems; call it after virelo_math_CalcAll.
// Other results keep exactComputed = 0. threadCount 0 uses the machine's
// hardware threads; 1 computes on the calling thread. Returns 1, or 0 for a
// null project.
int virelo_math_CalcExactAll(Project* project, int threadCount);

// The centre line in `points` steps: s[k] = to * (k + 1) / points for
// k = 0 .. points - 1, with the screening and the exact C/C0 there. Any of
// the three arrays may be null. Returns 1, or 0 (reported) for a null
// aquifer, points < 1 or a `to` that is not a positive finite number.
int virelo_math_CentreLineProfile(const Aquifer* aquifer, double lambda, double to, int points, double* s,
                                  double* screening, double* exact);

// The class the exact source ratio gets in `range` (the same rule as the
// screening source ratio), or Problems when the result has no exact value.
AssessmentClass ClassifyExactAttenuationFactor(const ContaminantResult& result, AssessmentRange range);

// How the exact solution compares with the screening result of one row.
enum class ExactComparison {
  None = 0,        // no exact value, a better exact class, or the same class within a factor 1.5
  Differs = 1,     // same class, concentrations differ by more than a factor 1.5
  WorseClass = 2,  // the exact class is worse than the screening class
};
ExactComparison CompareExactWithScreening(const ContaminantResult& result, AssessmentRange range);

// The factor beyond which the two concentrations count as different.
constexpr double kExactDifferenceFactor = 1.5;
