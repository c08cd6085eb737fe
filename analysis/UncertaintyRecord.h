// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The record of an uncertainty run: the run with the inputs it was drawn
// from, so that a page showing its probabilities can tell when they no
// longer belong to the project, and the copy of the project a run reads
// while the pages go on editing the original.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/montecarlo.h"

struct UncertaintyRecord {
  std::shared_ptr<const UncertaintyRun> run;
  Aquifer aquifer{};
  int16_t approximateDispersivity = 0;
  std::vector<Contaminant> contaminants;
  std::vector<DecayChain> chains;  // a chain species' probabilities come from its chain
  // Sorption and the decay convention: under decay of the sorbed phase too
  // every draw decays at lambda R.
  TransportInputs transport;
  UncertaintyPlan plan;
  AssessmentRange plumeLengthRange{}, attenuationRange{};
  UncertaintyModel verdictBasis = UncertaintyModel::Screening;

  // The inputs of a run of `plan` on the project as it is now, without a run.
  static UncertaintyRecord Of(const Project& project, const UncertaintyPlan& plan,
                              const UncertaintyOptions& options);

  // Whether the project's inputs (transport inputs included), `plan`, the ranges and the verdict basis
  // are still those recorded.
  bool Matches(const Project& project, const UncertaintyPlan& plan, const UncertaintyOptions& options) const;
  // Whether there is a run and the project with its own plan matches it.
  bool Holds(const Project& project, const UncertaintyOptions& options) const;
  // "G 0.83 · Y 0.15 · R 0.02" for one assessment of a contaminant (under
  // the verdict basis for an attenuation factor); empty when it has none.
  QString Probabilities(int contaminantIndex, bool plumeLength) const;
};

// Field by field, every number by its bits: a difference anywhere, even one
// that does not matter, only hides the probabilities until the next run,
// while the padding between fields, which a copy need not keep, is no
// difference at all.
bool SameAquifer(const Aquifer& a, const Aquifer& b);
bool SameContaminant(const Contaminant& a, const Contaminant& b);

// What a run reads, copied when it starts: the record's inputs, a project
// made of them (the contaminants, the decay chains and the transport
// inputs; no results, no file) and the options of the run.
struct UncertaintySnapshot {
  UncertaintySnapshot(const Project& from, const UncertaintyPlan& plan, const UncertaintyOptions& options);
  // The project points into the snapshot itself.
  UncertaintySnapshot(const UncertaintySnapshot&) = delete;
  UncertaintySnapshot& operator=(const UncertaintySnapshot&) = delete;

  UncertaintyRecord record;
  UncertaintyOptions options;
  Project project{};
  ProjectExtras extras;
};
