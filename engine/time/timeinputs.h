// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The time inputs of one contaminant of a project: what the `breakthrough`
// and `timing` commands, the Time window and the report's Time section all
// read, so that the three never disagree about R, the decay convention, the
// source's decay or its remedial target.
#pragma once

#include <string>
#include <vector>

#include "engine/project/records.h"
#include "engine/time/timing_table.h"

struct TimeInputs {
  // False where the contaminant's attenuation factor cannot be computed
  // (problems with the aquifer or the contaminant): no time is defined then.
  bool usable = false;
  std::string problem;  // why not, for the user
  // The name as the project record keeps it (Latin-1), the transient inputs,
  // C0, CA and the target.
  TimingInput timing;
  // Where R and the source's decay come from, for the user.
  std::string retardationBasis;
  std::string sourceBasis;
  // A daughter of a decay chain: which chain it follows and with which R,
  // or why it cannot follow its chain (then it is followed alone). Empty
  // for a contaminant that is no daughter.
  std::string chainBasis;
};

// The inputs of contaminant `contaminantIndex` of the project. The target is
// that of the row's verdict (TargetOfVerdict: the models' CA * AF under the
// project's verdict basis, or the wells' or a chain's where they decide),
// computed afresh from the inputs (stored results are not needed).
TimeInputs TimeInputsOf(const Project& project, int contaminantIndex);

// Attaches the decay chain a daughter follows (see TimingInput): of the
// chains it stands in, the one that gives it the highest steady receptor
// concentration, as the verdict cites the worst. The chain shares the
// smallest of its species' retardation factors, the earliest arrival.
// Leaves a parent, a contaminant in no chain and one whose chains have
// problems alone, saying why in chainBasis.
void AttachTimeChain(const Project& project, int contaminantIndex, TimeInputs* out);

// The contaminants the time capability covers, in project order: those
// assessed by the attenuation factor, the only assessment that has a
// receptor concentration to follow over time.
std::vector<int> TimeContaminantsOf(const Project& project);

// The decay convention as the window and the report name it.
const char* DecayOfName(DecayOf decayOf);
