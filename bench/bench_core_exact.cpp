// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The exact centre-line solution: filling it in for the largest project a
// list can hold, one centre-line profile as a chart draws it, and the exact
// value beside the centre line at a site's wells.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "bench/large_project.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/records.h"

namespace {

// Argument: the thread count handed to virelo_math_CalcExactAll (0: the
// machine's hardware threads).
void BM_CalcExactAllLargeProject(benchmark::State& state) {
  Project* project = MakeLargeProject();
  virelo_math_CalcAll(project);
  const int threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(virelo_math_CalcExactAll(project, threads));
    benchmark::ClobberMemory();
  }
  state.counters["results"] = project->resultCount;
  state.counters["threads"] = threads > 0 ? threads : static_cast<int>(std::thread::hardware_concurrency());
  virelo_FreeProject(project);
}
BENCHMARK(BM_CalcExactAllLargeProject)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// 200 points from the source to twice the receptor distance, both curves.
void BM_CentreLineProfile200(benchmark::State& state) {
  Aquifer a{};
  SetWorkedExampleAquifer(a);
  std::vector<double> s(200), screening(200), exact(200);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        virelo_math_CentreLineProfile(&a, 0.01, 200.0, 200, s.data(), screening.data(), exact.data()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CentreLineProfile200)->Unit(benchmark::kMillisecond);

// 200 wells across the plume at the receptor distance, from the centre line
// to ten source half-widths beside it, where the values become tiny.
void BM_OffAxisAcrossThePlume200(benchmark::State& state) {
  Aquifer a{};
  SetWorkedExampleAquifer(a);
  for (auto _ : state) {
    double sum = 0.0;
    for (int k = 0; k < 200; ++k)
      sum += virelo_math_ExactConcentrationOffAxis(&a, 0.01, a.distanceX, a.sourceThicknessSy * k / 20.0);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_OffAxisAcrossThePlume200)->Unit(benchmark::kMillisecond);

}  // namespace
