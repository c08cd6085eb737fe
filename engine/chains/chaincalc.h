// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Concentrations of every species of a decay chain along and beside the
// centre line, under the screening formula and the exact patch-source
// solution.
//
// Each species i decays at its own first-order rate k_i, and species i - 1
// forms it at y_i k_i-1 C_i-1 (y_i the mass yield). After Sun, Petersen,
// Clement and Skeen (1999) the chain becomes independent single-species
// problems: a_1 = C_1, a_i = C_i + sum_j<i c_ij C_j with
// c_ij = prod_l=j..i-1 y_l+1 k_l / (k_l - k_i); each a_i obeys the
// single-species equation with rate k_i and source a_i0, and back-substitution
// gives C_i. Written out, the back-substitution is
//   C_i(s) = sum_j<=i C_j0 prod_l=j..i-1 (y_l+1 k_l) (-1)^(i-j) G[k_j .. k_i](s),
// G(k, s) the single-species C/C0 of rate k and G[...] its divided difference
// in k. That form is what is evaluated: the factors 1/(k_l - k_i) of the
// transformation cancel catastrophically when two rates are close, while the
// divided differences are taken from Taylor coefficients there, and every term
// of the sum is positive.
//
// The chain is steady, as the single-species model is: retardation drops
// out, and under the project's decay convention (engine/project/transport.h) each
// species decays at lambda, or at lambda R under "decay of dissolved and
// sorbed phase", where the sorbed mass decays and forms its daughter too.
// Concentrations are in the project's unit.
#pragma once

#include <string>
#include <vector>

#include "engine/project/assessment.h"
#include "engine/project/chain.h"
#include "engine/project/records.h"

// PlugFlow is the Bateman solution along the travel time s / v, without
// dispersion: the plume-length model's kernel exp(-k s / v) in the same
// transformation.
enum class ChainModel { Screening = 0, Exact = 1, PlugFlow = 2 };

// A chain with the project's values attached.
struct ResolvedChain {
  std::vector<std::string> names;
  std::vector<int> contaminantIndex;  // -1 for the end product
  std::vector<double> rate;           // k_i in 1/d: lambda, or lambda R (0 for the end product)
  std::vector<double> c0;             // source concentration, 0 where unset
  std::vector<double> ca;             // acceptable concentration, NaN for the end product
  std::vector<double> yield;          // yield[0] = 1, yield[i] from species i - 1
  bool endProduct = false;

  int size() const { return static_cast<int>(names.size()); }
};

// Checks a chain against the project and attaches its values. Returns the
// problems, one sentence each; when there are none, *out holds the chain.
// The aquifer must pass the attenuation-factor checks.
std::vector<std::string> ResolveChain(const Project& project, const DecayChain& chain, ResolvedChain* out);
// The same checks of the species, yields and source concentrations, without
// the aquifer's: plug flow along a chain needs only the flow velocity.
std::vector<std::string> ResolveChainSpecies(const Project& project, const DecayChain& chain,
                                             ResolvedChain* out);

// Every species' concentration at distance s >= 0 on the centre line under
// one model, into out[0 .. size - 1]. s = 0 gives the source values.
void ChainConcentrations(const Aquifer& aquifer, const ResolvedChain& chain, ChainModel model, double s,
                         double* out);
// The same at distance y beside the centre line (s > 0; plug flow ignores
// y), each species spreading across the flow as the single-species model of
// its rate does. y = 0 gives ChainConcentrations to the last bit.
void ChainConcentrationsAt(const Aquifer& aquifer, const ResolvedChain& chain, ChainModel model, double s,
                           double y, double* out);

// The centre line in `points` steps s[k] = to (k + 1) / points, with the
// screening and exact concentrations of species i at point k in
// screening[k * size + i] and exact[k * size + i]. Any array may be null.
// Returns 1, or 0 (reported) for points < 1 or a `to` that is not a positive
// finite number.
int ChainProfile(const Aquifer& aquifer, const ResolvedChain& chain, double to, int points, double* s,
                 double* screening, double* exact);

// The class of a concentration c against the acceptable concentration ca:
// the assessment range applied to c / ca, as the attenuation factor applies it
// to the same ratio of a single species (Green at or below the lower bound,
// Yellow up to the upper, Red above). A concentration above ca is never
// Green, 0 is Green, and an undefined ratio is Red; no ca > 0 is Problems.
AssessmentClass ClassifyChainConcentration(double c, double ca, AssessmentRange range);

struct ChainReceptorRow {
  std::string name;
  bool endProduct = false;
  double ca = 0.0;  // NaN for the end product
  double screening = 0.0, exact = 0.0;
  AssessmentClass screeningClass = AssessmentClass::Problems;
  AssessmentClass exactClass = AssessmentClass::Problems;
  // The attenuation-factor class of the contaminant assessed on its own,
  // Problems when its own inputs do not allow that (a daughter without C0).
  AssessmentClass singleClass = AssessmentClass::Problems;
};

// Every species at the receptor distance x of the project, classified.
std::vector<ChainReceptorRow> ChainAtReceptor(const Project& project, const ResolvedChain& chain,
                                              AssessmentRange range);

// A contaminant whose class in a decay chain is worse than its class alone:
// Yellow or Red in the chain where alone it is better, or where alone it
// cannot be assessed at all (a daughter without a source concentration).
struct ChainWarning {
  int contaminantIndex = -1;
  int chain = 0;  // index into the chain list
  double screening = 0.0, exact = 0.0;
  AssessmentClass chainClass = AssessmentClass::Problems;  // under the screening formula
  AssessmentClass exactClass = AssessmentClass::Problems;
  AssessmentClass singleClass = AssessmentClass::Problems;
};
// Every such contaminant of every chain without problems, in chain order.
std::vector<ChainWarning> ChainWarnings(const Project& project, const std::vector<DecayChain>& chains,
                                        AssessmentRange range);
