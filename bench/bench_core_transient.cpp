// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The receptor over time: one breakthrough curve as the Time window draws it
// (both models, 200 points, wanted under 50 ms), and the timing table of 200
// contaminants (wanted under 1 s).
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/time/timing_table.h"
#include "engine/time/transient.h"

namespace {

// The worked example's aquifer at v = 0.04 m/d.
TransientInputs WorkedExample(double lambda, double R, double ks) {
  TransientInputs in;
  in.x = 100.0;
  in.v = 0.04;
  in.ax = 10.0;
  in.ay = 1.0;
  in.az = 0.1;
  in.width = 20.0;
  in.thickness = 5.0;
  in.lambda = lambda;
  in.R = R;
  in.ks = ks;
  return in;
}

// Argument: the source's decay rate in 1/d x 1e4 (0: constant; 500: a
// source fading faster than the plume decays).
void BM_Breakthrough200BothModels(benchmark::State& state) {
  const TransientInputs in = WorkedExample(0.01, 2.0, state.range(0) * 1e-4);
  const double until = DefaultBreakthroughUntil(in);
  for (auto _ : state) {
    std::vector<BreakthroughPoint> curve = ComputeBreakthrough(in, until, 200);
    benchmark::DoNotOptimize(curve.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Breakthrough200BothModels)->Arg(0)->Arg(20)->Arg(500)->Unit(benchmark::kMillisecond);

// 200 contaminants with rates from 1e-4 to 1/d, retardation 1 to 20 and every
// third with a fading source, some faster than the plume decays.
void BM_Timing200Contaminants(benchmark::State& state) {
  std::vector<TimingInput> inputs(200);
  for (int k = 0; k < 200; ++k) {
    TimingInput& input = inputs[k];
    input.name = "Contaminant " + std::to_string(k);
    const double lambda = 1e-4 * std::pow(1e4, k / 199.0);
    const double ks = k % 3 == 0 ? lambda * (0.2 + 0.05 * (k % 40)) : 0.0;
    input.inputs = WorkedExample(lambda, 1.0 + (k % 20), ks);
    input.c0 = 100.0;
    input.ca = 1e-4;
    input.target = 1.0;
  }
  for (auto _ : state) {
    std::vector<TimingRow> rows = ComputeTimingRows(inputs);
    benchmark::DoNotOptimize(rows.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Timing200Contaminants)->Unit(benchmark::kMillisecond);

}  // namespace
