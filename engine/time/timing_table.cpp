// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Rows of receptor times and breakthrough curves for many contaminants.
#include "engine/time/timing_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// A chain species' times: its curves against CA, and its own source's time
// to reach its target as a single species has it.
TransientTimes ChainTiming(const TimingInput& input) {
  const TransientChain& chain = *input.chain;
  const int i = input.species;
  const double x = chain.inputs.x;
  ReceptorCurves curves;
  curves.screening = [&](double t) { return TransientChainScreening(chain, i, x, t); };
  curves.exact = [&](double t) { return TransientChainExact(chain, i, x, t); };
  curves.frontTime = x * chain.inputs.R / chain.inputs.v;
  const ChainFeed feed = TransientChainFeed(chain, i);
  curves.fades = feed != ChainFeed::Constant;
  curves.settles = feed == ChainFeed::Mixed;
  // As for a single species: B / 40 of the front time, B = x / (4 ax).
  curves.scanStart = curves.frontTime * std::min(0.05, x / (4.0 * chain.inputs.ax) / 40.0);
  // Forty e-foldings of the slowest fading source past a late arrival.
  double slowest = kInf;
  for (int j = 0; j <= i; ++j)
    if (chain.c0[j] > 0.0 && chain.ks[j] > 0.0) slowest = std::min(slowest, chain.ks[j]);
  curves.scanEnd = 100.0 * curves.frontTime + 40.0 / slowest;
  curves.screeningReason = TransientChainScreeningReason(chain, i);
  TransientTimes times = CurveTiming(curves, input.ca);
  // The source's own time to its target, as TransientTiming gives it.
  const double ks = input.inputs.ks, c0 = input.c0, target = input.target;
  if (ks > 0.0 && target > 0.0 && c0 > 0.0)
    times.sourceTimeToTarget = c0 <= target ? 0.0 : (std::log(c0) - std::log(target)) / ks;
  return times;
}

}  // namespace

double CurveScale(const TimingInput& input) {
  return input.chain ? 1.0 : input.c0;
}

double CurveScreening(const TimingInput& input, double x, double t) {
  if (input.chain) return TransientChainScreening(*input.chain, input.species, x, t);
  TransientInputs at = input.inputs;
  at.x = x;
  return TransientScreening(at, t);
}

double CurveExact(const TimingInput& input, double x, double t) {
  if (input.chain) return TransientChainExact(*input.chain, input.species, x, t);
  TransientInputs at = input.inputs;
  at.x = x;
  return TransientExact(at, t);
}

const char* CurveScreeningReason(const TimingInput& input) {
  return input.chain ? TransientChainScreeningReason(*input.chain, input.species)
                     : TransientScreeningReason(input.inputs);
}

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
    row.chain = input.chain != nullptr;
    row.times =
        row.chain ? ChainTiming(input) : TransientTiming(input.inputs, input.c0, input.ca, input.target);
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

double DefaultBreakthroughUntil(const TimingInput& input) {
  if (!input.chain) return DefaultBreakthroughUntil(input.inputs);
  // The daughter follows its slowest ancestor: the latest span of the
  // species that feed it, each alone at the chain's R.
  const TransientChain& chain = *input.chain;
  double until = 0.0;
  for (int j = 0; j <= input.species; ++j) {
    TransientInputs in = chain.inputs;
    in.lambda = chain.lambda[j];
    in.ks = chain.c0[j] > 0.0 ? chain.ks[j] : 0.0;
    until = std::max(until, DefaultBreakthroughUntil(in));
  }
  return until;
}

std::vector<BreakthroughPoint> ComputeBreakthrough(const TimingInput& input, double until, int points) {
  if (!input.chain) return ComputeBreakthrough(input.inputs, until, points);
  std::vector<BreakthroughPoint> curve;
  if (points < 1 || !(until > 0.0) || !std::isfinite(until)) return curve;
  const double x = input.chain->inputs.x;
  for (int k = 0; k < points; ++k) {
    const double t = k + 1 == points ? until : until * (k + 1) / points;
    curve.push_back({t, CurveScreening(input, x, t), CurveExact(input, x, t)});
  }
  return curve;
}

std::vector<BreakthroughPoint> ComputeProfile(const TimingInput& input, double t, double to, int points) {
  std::vector<BreakthroughPoint> line;
  if (points < 1 || !(to > 0.0) || !std::isfinite(to)) return line;
  for (int k = 0; k < points; ++k) {
    const double s = k + 1 == points ? to : to * (k + 1) / points;
    line.push_back({s, CurveScreening(input, s, t), CurveExact(input, s, t)});
  }
  return line;
}
