// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The computations behind the `breakthrough` and `timing` commands and the
// Time window: plain per-contaminant inputs in, rows and curves out, so that
// the caller only maps the project onto TimingInput.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/timing.h"
#include "engine/transient.h"

struct TimingInput {
  std::string name;
  TransientInputs inputs;
  double c0 = 0.0;      // source concentration
  double ca = 0.0;      // acceptable concentration at the receptor (same unit)
  double target = 0.0;  // remedial target of the source, CA * AF of the verdict basis
};

struct TimingRow {
  std::string name;
  double retardation = 1.0;
  double sourceDecay = 0.0;  // ks [1/d]; 0 for a constant source
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

// `points` times until `until` (until (k + 1) / points), both models; empty
// for points < 1 or an until that is not a positive finite number.
std::vector<BreakthroughPoint> ComputeBreakthrough(const TransientInputs& in, double until, int points);
