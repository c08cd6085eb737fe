// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Full results refresh of the largest project a list can hold: every one of
// 32767 contaminants assessed both ways with complete inputs.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/large_project.h"
#include "engine/core/calc.h"
#include "engine/project/records.h"

namespace {

void BM_CalcAllLargeProject(benchmark::State& state) {
  Project* project = MakeLargeProject();
  for (auto _ : state) {
    virelo_FreeResults(project);
    benchmark::DoNotOptimize(virelo_math_CalcAll(project));
    benchmark::ClobberMemory();
  }
  state.counters["results"] = project->resultCount;
  virelo_FreeProject(project);
}
BENCHMARK(BM_CalcAllLargeProject)->Unit(benchmark::kMillisecond);

}  // namespace
