// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The lines of evidence an authority weighs monitored natural attenuation on,
// one row per line and contaminant: how the plume behaves over time, what
// the water's chemistry says of degradation, what the models give at the
// receptor and when. Each row has its light, its reading in one sentence and
// the place that holds the evidence. The rows state the case; they change no
// verdict, which stays the models' with their chains and wells.
#pragma once

#include <string>
#include <vector>

#include "engine/case/projectcase.h"

enum class EvidenceLine { kPlume, kDischarge, kGeochemistry, kModel, kTimeFrame };

struct EvidenceRow {
  EvidenceLine line = EvidenceLine::kModel;
  std::string contaminant;  // UTF-8, as the faces show it
  // Without a light the line has no data or cannot judge; the reading says
  // what would be needed.
  bool hasLight = false;
  AssessmentClass light = AssessmentClass::Problems;
  std::string reading;  // one sentence, UTF-8
  std::string section;  // where the evidence is shown
};

// "plume behaviour", "mass discharge", "geochemistry", "model", "time frame".
const char* EvidenceLineName(EvidenceLine line);
// "Green", "Yellow", "Red", or "none" without a light.
const char* EvidenceLightName(const EvidenceRow& row);

// What the time-frame line reads: each contaminant's time inputs from the
// case and, once computed, the times of the usable ones (in order).
// Computing them is the slow part; a window runs it off the interface
// thread.
struct EvidenceTimes {
  std::vector<int> contaminants;  // indices, as TimeContaminantsOf
  std::vector<TimeInputs> inputs;
  std::vector<TimingRow> rows;  // one per usable input; empty until computed
};
EvidenceTimes EvidenceTimesOf(const Project& project, ProjectCase& evaluated);
// Fills times->rows; false where `progress` cancelled.
bool ComputeEvidenceTimes(EvidenceTimes* times, const TimingProgress& progress = {});

// The rows of every contaminant the project assesses by its attenuation
// factor, line by line in the order above, from the case (the verdicts and
// targets under its ranges and basis) and the computed times. The project
// must be calculated.
std::vector<EvidenceRow> LinesOfEvidence(const Project& project, ProjectCase& evaluated,
                                         const EvidenceTimes& times);
// The same, computing the times first.
std::vector<EvidenceRow> LinesOfEvidence(const Project& project, ProjectCase& evaluated);
