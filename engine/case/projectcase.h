// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One case of a project, as every face reads it: each row's verdict from the
// models, the chains and the wells, its remedial target, the wells' evidence
// of each contaminant, the evidence the verdicts leave out, and the
// contaminant the models compute with (its decay constants under the
// project's decay convention). A face that puts the case together itself
// forgets a piece of it sooner or later (R under "dissolved and sorbed", a
// unit's spelling, a chain); the faces read it from here, and the layer test
// keeps them from reaching for the pieces below.
//
// A case is made for one calculated project (virelo_math_CalcAll) and one
// set of ranges and basis, and evaluates each piece once, when first asked:
// a page showing a few rows of a long list pays for those rows only. It
// reads the project as it is when asked; make a new case after an edit.
// One case belongs to one thread.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/core/breakeven.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/omittedevidence.h"
#include "engine/evidence/verdicttarget.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/records.h"
#include "engine/time/timeinputs.h"
#include "engine/uncertainty/montecarlo.h"

// The contaminant as the steady models compute it: under "decay of
// dissolved and sorbed phase" its decay constants times its R, else the
// record itself.
Contaminant CaseModel(const Project& project, int contaminantIndex);

class ProjectCase {
 public:
  ProjectCase(const Project& project, const VerdictOptions& options);
  // The case under the project's saved ranges and basis.
  explicit ProjectCase(const Project& project);

  const VerdictOptions& options() const { return options_; }
  // Whether any row can have evidence beyond the models (the project holds
  // chains or site data); without, every verdict is the models' class.
  bool HasEvidence() const { return hasEvidence_; }

  // The verdict of a result's row. Where the basis needs the exact
  // solution, the result must hold it (virelo_math_CalcExactAll, or
  // AddExact on the row).
  const RowVerdict& Verdict(const ContaminantResult& result, bool plumeLength);
  // The remedial target of a result's attenuation-factor row: the verdict's
  // (the wells' or the chain's where they decide), with its origin.
  VerdictTarget Target(const ContaminantResult& result);
  // The wells' evidence of a contaminant (hasFit false without site data of
  // it).
  const WellsEvidence& Wells(int contaminantIndex);
  // What the verdicts leave out, with the problems that say so.
  const std::vector<OmittedEvidence>& Omitted();

  // The break-even values of a result's row against a range, under the
  // project's decay convention and reported as values of the inputs the user
  // types (λ, not λ·R).
  BreakEvenTable BreakEven(const ContaminantResult& result, bool plumeLength, AssessmentRange range) const;
  // A decay chain resolved against the project (problems where it cannot be
  // computed), and its species at the receptor under a range.
  std::vector<std::string> Chain(const DecayChain& chain, ResolvedChain* out) const;
  std::vector<ChainReceptorRow> ChainRows(const ResolvedChain& chain, AssessmentRange range) const;
  // One contaminant's inputs over time (through its decay chain where it has
  // one), and those of every contaminant the Time window lists.
  TimeInputs Time(int contaminantIndex) const;
  std::vector<TimeInputs> TimeRows() const;
  // The Monte Carlo of a plan: every draw is the project with the drawn
  // inputs, judged as this case judges it (decay convention, chains, wells).
  UncertaintyRun Uncertainty(const UncertaintyPlan& plan, const UncertaintyOptions& options) const;

  // Adds the exact solution to a result of the project that lacks it, with
  // the contaminant the models compute with.
  static void AddExact(const Project& project, ContaminantResult& result);

 private:
  const Project& project_;
  VerdictOptions options_;
  bool hasEvidence_ = false;
  std::map<std::pair<const ContaminantResult*, bool>, RowVerdict> verdicts_;
  std::map<int, WellsEvidence> wells_;
  std::vector<OmittedEvidence> omitted_;
  bool omittedKnown_ = false;
};
