// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The concentration at the receptor over time: the transient screening form
// and the exact transient solution of the continuous patch source, with
// retardation and a constant or first-order decaying source.
//
// Transport on the centre line follows
//   R dC/dt = D d2C/dx2 - v dC/dx - lambdaEff C,
// that is, in the retarded velocity u = v / R, dispersion ax u and the decay
// rate mu = lambdaEff / R. Two conventions for lambdaEff:
// - DecayOf::Dissolved (the default): only the dissolved phase decays,
//   lambdaEff = lambda, mu = lambda / R. The steady state does not depend on
//   R, and C(t; R) = C(t / R; 1): sorption only delays the plume.
// - DecayOf::DissolvedAndSorbed: both phases decay, lambdaEff = lambda R,
//   mu = lambda. The steady state is that of the decay rate lambda R without
//   retardation (P = sqrt(1 + 4 lambda R ax / v)).
//
// Every function returns C/C0 on the centre line at distance x and time t
// (days since the source appeared). All functions are reentrant: they keep
// no state between calls.
#pragma once

#include "engine/project/decayof.h"
#include "engine/project/records.h"

struct TransientInputs {
  double x = 0.0;          // distance from the source [m]
  double v = 0.0;          // seepage velocity Kf i / ne [m/d]
  double R = 1.0;          // retardation factor, >= 1
  double ax = 0.0;         // longitudinal dispersivity [m]
  double ay = 0.0;         // horizontal transverse dispersivity [m]; 0: no spreading
  double az = 0.0;         // vertical transverse dispersivity [m]; 0: no spreading
  double width = 0.0;      // source width W across the flow [m]; its half W/2 spreads with ay
  double thickness = 0.0;  // source thickness H below the water table [m]; spreads with az
  double lambda = 0.0;     // first-order decay rate of the dissolved phase [1/d]
  DecayOf decayOf = DecayOf::Dissolved;
  double ks = 0.0;  // first-order decay rate of the source [1/d]; 0: constant source
};

// The inputs of one contaminant from the project's aquifer: v is computed as
// the steady attenuation factor computes it, so that the steady limits below
// are bit for bit today's values.
TransientInputs TransientInputsFrom(const Aquifer& aquifer, double lambda, double R, DecayOf decayOf,
                                    double ks);

// The decay rate mu of the convention in the retarded frame [1/d].
double TransientDecayRate(const TransientInputs& in);

// The decay rate the steady solutions (at velocity v, without retardation)
// need to give the steady state of this convention: lambda, or lambda R.
double SteadyDecayRate(const TransientInputs& in);

// An aquifer that carries the inputs' geometry at velocity v (i = ne = 1,
// Kf = v), for the steady functions of engine/core/exact.h.
Aquifer TransientAquifer(const TransientInputs& in);

// Whether the screening form gives a value: not where the source fades
// faster than the plume decays (ks > mu), because the lagged multiplier
// exp(-ks (t - x R / v)) then underestimates the receptor by orders of
// magnitude. Reason is null when it gives one, else a sentence for the user.
bool TransientScreeningDefined(const TransientInputs& in);
const char* TransientScreeningReason(const TransientInputs& in);

// Screening form
//   1/2 exp(x (1 - P) / (2 ax)) erfc((x - u t P) / (2 sqrt(ax u t))) eY eZ
//   * exp(-ks max(0, t - x R / v)),
// with P = sqrt(1 + 4 mu ax / u). The lag is taken as 0 before the plug-flow
// arrival: water arriving then left the source before it began to fade. For
// a constant source, t = +inf gives virelo_math_ScreeningConcentration at
// SteadyDecayRate exactly. NaN where TransientScreeningDefined is false or an
// input is undefined; 0 for t <= 0 (at x > 0) and for v below 1e-40.
double TransientScreening(const TransientInputs& in, double t);

// Exact solution: the patch-source kernel integrated over the travel time
// from 0 to t; for a decaying source Duhamel's convolution of
// exp(-ks t) with the same kernel. Relative accuracy about 1e-10 where the
// value is above 1e-300. For a constant source, t = +inf gives
// virelo_math_ExactConcentration at SteadyDecayRate; a decaying source gives
// 0 there. ax <= 0, a negative x or an undefined input gives NaN.
double TransientExact(const TransientInputs& in, double t);

// The breakthrough curve at the receptor: t[k] = until (k + 1) / points (the
// last exactly until), with
// both models there (screening NaN where it gives no value). Any array may be
// null. Returns 1, or 0 for points < 1 or an until that is not a positive
// finite number.
int TransientBreakthrough(const TransientInputs& in, double until, int points, double* t, double* screening,
                          double* exact);

// The centre line at time t: s[k] = to (k + 1) / points with both models.
// Same rules as TransientBreakthrough.
int TransientProfile(const TransientInputs& in, double t, double to, int points, double* s, double* screening,
                     double* exact);
