// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Rows of receptor times and breakthrough curves for many contaminants.
#include "engine/timing_table.h"

#include <algorithm>
#include <cmath>

std::vector<TimingRow> ComputeTimingRows(const std::vector<TimingInput>& inputs,
                                         const TimingProgress& progress) {
  std::vector<TimingRow> rows;
  rows.reserve(inputs.size());
  const int total = static_cast<int>(inputs.size());
  for (const TimingInput& input : inputs) {
    TimingRow row;
    row.name = input.name;
    row.retardation = input.inputs.R;
    row.sourceDecay = input.inputs.ks;
    row.times = TransientTiming(input.inputs, input.c0, input.ca, input.target);
    rows.push_back(std::move(row));
    if (progress && !progress(static_cast<int>(rows.size()), total)) break;
  }
  return rows;
}

double DefaultBreakthroughUntil(const TransientInputs& in) {
  const double front = in.x * in.R / in.v;
  if (in.ks > 0.0) return std::max(2.0 * front, front + 5.0 / in.ks);
  const std::optional<double> t95 = ScreeningFractionTime(in, 0.95);
  return 2.0 * std::max(front, t95.value_or(front));
}

std::vector<BreakthroughPoint> ComputeBreakthrough(const TransientInputs& in, double until, int points) {
  std::vector<BreakthroughPoint> curve;
  if (points < 1 || !(until > 0.0) || !std::isfinite(until)) return curve;
  std::vector<double> t(points), screening(points), exact(points);
  TransientBreakthrough(in, until, points, t.data(), screening.data(), exact.data());
  curve.reserve(points);
  for (int k = 0; k < points; ++k) curve.push_back({t[k], screening[k], exact[k]});
  return curve;
}
