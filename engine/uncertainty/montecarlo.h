// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Uncertainty of the verdicts: every uncertain input is drawn at once, the
// assessments are computed for each draw, and the classes are counted.
//
// Sampling is plain Monte Carlo, not a Latin hypercube: the draws are then
// independent, so the binomial standard error reported with each
// probability is what it claims to be, and a run of 2000 samples contains
// the run of 1000 with the same seed. A Latin hypercube would shrink the
// spread of a mean somewhat but leaves no simple error for a probability.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "engine/project/uncertainty.h"

// The model behind an attenuation-factor verdict: the screening formula, the
// exact centre-line solution, or the worse class of the two.
enum class UncertaintyModel { Screening, Exact, Worse };

struct UncertaintyOptions {
  AssessmentRange plumeLengthRange = kAssessmentRanges[0].range;
  AssessmentRange attenuationRange = kAssessmentRanges[0].range;
  // The project's verdict basis for the attenuation factor. The screening
  // model is always counted; another basis adds rows under that basis.
  UncertaintyModel verdictBasis = UncertaintyModel::Screening;
  int threads = 0;  // 0: the machine's hardware threads
  // Keep every row's ratios (sorted) for a histogram.
  bool keepRatios = false;
  // Called now and then with the share done (0..1), one call at a time but
  // from any of the worker threads; returning false cancels the run.
  std::function<bool(double)> progress;
};

struct InputInfluence {
  UncertainInput input;
  double rankCorrelation;  // Spearman's rho of the drawn values with the ratio
  // For lambda, C0 or CA of another species of the row's decay chain, that
  // species' name as its record holds it (Latin-1); empty for the row's own
  // inputs and the aquifer's.
  std::string otherSpecies;
};

// One assessment of one contaminant under one model.
struct UncertaintyRow {
  int contaminantIndex = -1;
  bool plumeLength = true;
  UncertaintyModel model = UncertaintyModel::Screening;
  // The input checks refuse the project's own values of this assessment (an
  // input without a distribution is missing or out of range): no draws.
  std::vector<ProblemCode> problems;
  int samples = 0;
  // Shares of the samples in each class, and of those whose receptor
  // concentration exceeds CA (an undefined concentration counts as
  // exceeding).
  double pGreen = 0.0, pYellow = 0.0, pRed = 0.0, pExceed = 0.0;
  // The 5th, 50th and 95th percentiles (linear between order statistics) of
  // the ratio the class is read from (plume length / x, or C0 / acceptable
  // source concentration) and of the receptor concentration. A ratio whose
  // acceptable source concentration is 0 (nothing arrives) counts as 0.
  double ratio[3] = {0.0, 0.0, 0.0};
  double concentration[3] = {0.0, 0.0, 0.0};
  // The uncertain inputs of this row, strongest influence first.
  std::vector<InputInfluence> ranking;
  std::vector<double> sortedRatios;  // only with keepRatios

  bool HasProblems() const { return !problems.empty(); }
  // The binomial standard error of a share p of this row's samples.
  double StandardError(double p) const;
  // The largest standard error of the four probabilities.
  double LargestStandardError() const;
};

struct UncertaintyRun {
  // In words (a contaminant named as its record holds it, Latin-1); when
  // there are any, nothing was drawn.
  std::vector<std::string> problems;
  bool cancelled = false;  // rows are then empty
  int samples = 0;
  std::vector<UncertaintyRow> rows;  // in contaminant order: PL, AF, AF under the basis
};

// What is wrong with the distributions before any run, in words: parameters
// that make no distribution, a contaminant the project does not have, an
// input given twice, a distribution that can draw a value the input checks
// refuse (including a CA above C0), and a dispersivity that "Approximate by
// x" derives from x.
std::vector<std::string> CheckUncertaintyPlan(const Project& project, const UncertaintyPlan& plan);

// The index of the contaminant whose record is named `name` (Latin-1), as a
// distribution names the contaminant it belongs to; -1 when there is none.
int UncertaintyContaminantIndex(const Project& project, const std::string& name);

// Runs the plan on every assessed contaminant of the project. The results do
// not depend on options.threads. Runs the input checks once per contaminant
// on the calling thread; the draws run on worker threads.
UncertaintyRun RunUncertainty(const Project& project, const UncertaintyPlan& plan,
                              const UncertaintyOptions& options);

// The model of a verdict basis, and the options a project's saved settings
// give: its assessment ranges and its verdict basis.
UncertaintyModel UncertaintyModelOf(VerdictBasis basis);
UncertaintyOptions UncertaintyOptionsOf(const Project& project);

// The dispersivities "Approximate by x" gives for x, as the Aquifer page
// stores them.
void DispersivitiesFollowingX(double x, double* ax, double* ay, double* az);
