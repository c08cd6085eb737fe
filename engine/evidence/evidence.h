// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One verdict from everything the project knows. A row's verdict is the
// worst of the class under the verdict basis, the class its decay chain
// gives the contaminant, and the class the site's own wells give it; each
// input that made the verdict worse than the screening class is named, so
// that whoever reads the verdict also reads why.
//
// A project without chains or site data keeps exactly the classes of the
// models: the verdict is then the class under the basis (attenuation
// factor) or the plume-length class.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/assessment.h"
#include "engine/project/chain.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"

// The ranges and the basis a verdict is given under.
struct VerdictOptions {
  AssessmentRange plumeRange = kAssessmentRanges[0].range;
  AssessmentRange afRange = kAssessmentRanges[0].range;
  VerdictBasis basis = VerdictBasis::Screening;
};

// The project's saved ranges and basis.
VerdictOptions VerdictOptionsOf(const Project& project);

// The inputs that made a verdict worse than the screening class.
enum VerdictReason : unsigned {
  kReasonExact = 1,  // the exact solution under the basis
  kReasonChain = 2,  // the contaminant's decay chain
  kReasonWells = 4,  // the site's own wells
};
// "exact chain wells" in that order, space-separated; empty for none.
std::string VerdictReasonWords(unsigned reasons);

// A contaminant's place in one of the project's chains, with the chain's
// values resolved from the project (ResolveChain). Chains with problems and
// end products give no link.
struct ChainLink {
  int chainIndex = -1;  // into the project's chain list
  int species = -1;     // into the resolved chain
  ResolvedChain chain;
};
// Every chain link of a contaminant (a contaminant may stand in several
// chains), in chain order.
std::vector<ChainLink> ChainLinksOf(const Project& project, int contaminantIndex);

// Whether a contaminant is named in any of the project's chains: its inputs
// reach the chain's other species.
bool IsChainSpecies(const Project& project, int contaminantIndex);

// The chain's source concentration, rate and CA of one species taken anew
// from its contaminant record (a Monte Carlo draw of it), given as the
// steady models see it (SteadyContaminantWith), so that the rate is lambda R
// under "decay of dissolved and sorbed phase".
void RefreshChainSpecies(const Contaminant& contaminant, int species, ResolvedChain* chain);

// Plug flow along a chain: the farthest s at which species `species` stays at
// or above its CA, C_i(s) by the Bateman solution along the travel time s/v.
// For the parent it equals the single-species plume length. +inf where the
// species never falls below its CA (a rate of 0 on its way), 0 where it never
// reaches it, NaN for undefined inputs.
double ChainPlumeLength(const Aquifer& aquifer, const ResolvedChain& chain, int species);

// One assessment of one contaminant by the models, as every verdict and
// every Monte Carlo draw computes it: the single-species class under the
// basis, and where the contaminant stands in chains, the chain class. The
// contaminant and aquifer must pass the assessment's input checks; the
// contaminant is the one the steady models compute with
// (SteadyContaminantWith), its decay constants under the project's decay
// convention.
struct ModelAssessment {
  AssessmentClass screeningClass = AssessmentClass::Problems;  // PL: the only model
  AssessmentClass basisClass = AssessmentClass::Problems;      // under the basis
  // The ratio the class is read from, under the basis: plume length / x, or
  // C0 / acceptable source concentration (= C(x) / CA).
  double ratio = 0.0;
  // The receptor concentration under the basis, in the project's unit.
  double concentration = 0.0;
  // The chain's class and value (PL: chain plume length [m]; AF: the
  // species' receptor concentration under the basis); Problems and NaN
  // where the contaminant stands in no chain.
  bool inChain = false;
  AssessmentClass chainClass = AssessmentClass::Problems;
  double chainValue = std::numeric_limits<double>::quiet_NaN();
  int chainIndex = -1;  // the chain that gave chainClass (the worst)
  // The worst of basisClass and chainClass, with the ratio and concentration
  // of whichever was worse (both the larger where equal).
  AssessmentClass cls = AssessmentClass::Problems;
  unsigned reasons = 0;  // kReasonExact, kReasonChain
  // False where the contaminant's own inputs allow no single-species model
  // (a daughter formed in the plume: no C0, C0 below CA, or no decay): the
  // screening and basis classes stay Problems, its chains alone give the
  // class, and kReasonChain names them.
  bool singleSpecies = true;
};
// `links` are the contaminant's chain links, their values refreshed from the
// same draw as `contaminant`. `computed`, where given, is the contaminant's
// result of this very calculation (its screening values, and its exact ones
// where the basis needs them), so that the verdict shows the numbers the
// results show; else everything is computed here.
ModelAssessment AssessModels(const Aquifer& aquifer, const Contaminant& contaminant, bool plumeLength,
                             const std::vector<ChainLink>& links, const VerdictOptions& options,
                             const ContaminantResult* computed = nullptr);

// The class a contaminant's chains alone give it, for a contaminant whose own
// inputs allow no single-species model (singleSpecies false). inChain is
// false where no link gives a class.
ModelAssessment AssessChainAlone(const Aquifer& aquifer, bool plumeLength,
                                 const std::vector<ChainLink>& links, const VerdictOptions& options);

// The verdict of one row of the results, with its evidence.
struct RowVerdict {
  int contaminantIndex = -1;
  bool plumeLength = true;
  ModelAssessment models;
  // The wells: their class where the contaminant has a distance fit
  // without warnings (wells.hasClass).
  WellsEvidence wells;
  AssessmentClass verdict = AssessmentClass::Problems;
  unsigned reasons = 0;
};
// The verdicts of every result of a calculated project (virelo_math_CalcAll,
// and virelo_math_CalcExactAll where the basis needs it), in result order.
// Rows with problems keep the verdict Problems and no evidence, but for a
// chain species whose only problems are its own inputs: its chains give it
// their verdict (models.singleSpecies false).
std::vector<RowVerdict> ProjectVerdicts(const Project& project, const VerdictOptions& options);
// The verdict of one result of the project.
RowVerdict VerdictOfResult(const Project& project, const ContaminantResult& result, bool plumeLength,
                           const VerdictOptions& options);
// The same with the wells' evidence of the result's contaminant given (null
// where the project holds no site data of it), so that a caller that reads
// both rows of a contaminant fits its wells once.
RowVerdict VerdictWithWells(const Project& project, const ContaminantResult& result, bool plumeLength,
                            const VerdictOptions& options, const WellsEvidence* wells);
