// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The concentration of a decay chain's species over time, under the
// transient screening form and the exact transient solution of
// engine/time/transient.h.
//
// The chain shares one retardation factor R, so that every species moves at
// the same retarded velocity. Then the transformation of Sun et al. (1999)
// behind engine/chains/chaincalc.h carries over to the transient equation
// unchanged: each transformed concentration obeys the single-species
// transient equation with its own rate and source, and
//   C_i(x, t) = sum_j<=i C_j0 prod_l=j..i-1 (y_l+1 z_l) (-1)^(i-j) G[z_j .. z_i](x, t),
// G the single-species C/C0 of engine/time/transient.h as a function of the
// scaled rate z = lambdaEff x / v (lambdaEff under the project's decay
// convention) and G[...] its divided difference in z. A source that fades
// at its own rate ks_j only changes the terms it feeds.
//
// - Exact solution: the divided differences of the kernel's exp(-z s) are
//   the Bateman solution of the chain along the dimensionless travel time s,
//   so the receptor is the dispersion kernel without decay integrated
//   against the Bateman solution; every term is positive, equal or close
//   rates need no care.
// - Screening form: G = 1/2 erfc(w(z)) exp(phi(z)) eY eZ times the source's
//   lagged multiplier; its divided differences come from Taylor series where
//   rates are close, as in engine/chains/chaincalc.cpp.
//
// Concentrations are in the project's unit. All functions are reentrant.
#pragma once

#include <string>
#include <vector>

#include "engine/time/transient.h"

struct TransientChain {
  // Geometry, seepage velocity, the chain's one R and the decay convention;
  // its lambda and ks are not read (each species has its own below).
  TransientInputs inputs;
  std::vector<std::string> names;  // as the project record keeps them
  std::vector<double> lambda;      // dissolved-phase decay rate of each species [1/d]
  std::vector<double> c0;          // source concentration, 0 where a species has none
  std::vector<double> yield;       // yield[0] = 1, yield[i] from species i - 1
  std::vector<double> ks;          // source decay rate of each species [1/d], 0: constant
  std::vector<double> ownR;        // each species' own retardation factor, for the user

  int size() const { return static_cast<int>(names.size()); }
};

// Species `species` at distance x >= 0 on the centre line and time t (days
// since the source appeared; +inf for the steady state of the constant
// sources). Screening is NaN where TransientChainScreeningReason gives a
// reason; both are NaN for undefined inputs.
double TransientChainScreening(const TransientChain& chain, int species, double x, double t);
double TransientChainExact(const TransientChain& chain, int species, double x, double t);

// Null where the screening form gives species `species` a value, else why
// not: a source feeding it fades faster than one of the species between
// decays (see TransientScreeningReason).
const char* TransientChainScreeningReason(const TransientChain& chain, int species);

// How the sources that feed species `species` (those with C0 > 0 up to it)
// behave over time: all constant (the receptor rises towards its steady
// value), all fading (it rises to a peak and falls away), or some of each
// (it rises and falls towards the steady value of the constant ones).
enum class ChainFeed { Constant, Fading, Mixed };
ChainFeed TransientChainFeed(const TransientChain& chain, int species);
