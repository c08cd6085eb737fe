// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The computations behind the `breakthrough` and `timing` commands and the
// Time window: plain per-contaminant inputs in, rows and curves out, so that
// the caller only maps the project onto TimingInput.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/time/timing.h"
#include "engine/time/transient.h"
#include "engine/time/transientchain.h"

struct TimingInput {
  std::string name;
  TransientInputs inputs;
  double c0 = 0.0;      // source concentration
  double ca = 0.0;      // acceptable concentration at the receptor (same unit)
  double target = 0.0;  // remedial target of the source, CA * AF of the verdict basis
  // A daughter of a decay chain follows its chain: species `species` of
  // `chain`, in the project's concentration unit. Null for a contaminant
  // followed alone (its curves are C/C0).
  std::shared_ptr<const TransientChain> chain = nullptr;
  int species = -1;
};

// The factor that turns a curve of the input into the project's
// concentration unit: C0 for a contaminant alone, 1 for a chain species.
double CurveScale(const TimingInput& input);

// The input's receptor at distance x and time t under each model: C/C0 alone,
// a concentration along a chain; screening NaN where the form gives none.
double CurveScreening(const TimingInput& input, double x, double t);
double CurveExact(const TimingInput& input, double x, double t);
// Null where the screening form gives values, else why not.
const char* CurveScreeningReason(const TimingInput& input);

struct TimingRow {
  std::string name;
  double retardation = 1.0;
  double sourceDecay = 0.0;  // ks [1/d]; 0 for a constant source
  // Followed through its decay chain: the peaks are concentrations in the
  // project's unit, not C/C0.
  bool chain = false;
  TransientTimes times;
};

// Called after each row with the number done; returning false cancels, and
// the rows computed so far are returned.
using TimingProgress = std::function<bool(int done, int total)>;

// One row per input, in order. Reentrant; the rows of a cancelled run are
// the first `done` ones.
std::vector<TimingRow> ComputeTimingRows(const std::vector<TimingInput>& inputs,
                                         const TimingProgress& progress = {});

struct BreakthroughPoint {
  double t, screening, exact;  // screening NaN where the form gives no value
};

// A span that shows the whole breakthrough: twice the later of the
// plug-flow arrival and the screening form's 95 % time (which runs later than
// the exact one); a fading source adds five of its e-folding times past the
// arrival, so that the fall is seen too.
double DefaultBreakthroughUntil(const TransientInputs& in);
// The same for an input, a chain species taking the latest of its species'.
double DefaultBreakthroughUntil(const TimingInput& input);

// `points` times until `until` (until (k + 1) / points), both models; empty
// for points < 1 or an until that is not a positive finite number.
std::vector<BreakthroughPoint> ComputeBreakthrough(const TransientInputs& in, double until, int points);
// The same for an input, in the unit of its curves (see CurveScale).
std::vector<BreakthroughPoint> ComputeBreakthrough(const TimingInput& input, double until, int points);
// The centre line at time t, s = to (k + 1) / points, in the t of each point.
std::vector<BreakthroughPoint> ComputeProfile(const TimingInput& input, double t, double to, int points);
