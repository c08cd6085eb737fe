// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The exact centre-line solution: filling it in for the largest project a
// list can hold, and one centre-line profile as a chart draws it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "engine/calc.h"
#include "engine/exact.h"
#include "engine/records.h"

namespace {

// The aquifer of the worked example: x 100 m, v 0.04 m/d, ax 10, ay 1, az 0.1, Sz 5, Sy 10.
void SetWorkedExampleAquifer(Aquifer& a) {
  const int bits[] = {kAquiferX,  kAquiferKf, kAquiferI,  kAquiferNe, kAquiferAx,
                      kAquiferAy, kAquiferAz, kAquiferSz, kAquiferSy};
  const double values[] = {100.0, 1.0, 0.01, 0.25, 10.0, 1.0, 0.1, 5.0, 10.0};
  for (int k = 0; k < 9; ++k) virelo_SetAquiferValue(&a, bits[k], values[k]);
}

// 32767 contaminants, all assessed both ways, each with its own decay constant.
Project* MakeLargeProject() {
  constexpr int kCount = 32767;
  Project* project = virelo_AllocateProject();
  SetWorkedExampleAquifer(project->aquifer);
  project->contaminants = virelo_AllocateContaminants(kCount);
  project->contaminantCount = kCount;
  for (int k = 0; k < kCount; ++k) {
    Contaminant& c = project->contaminants[k];
    std::snprintf(c.name, sizeof c.name, "Contaminant %d", k);
    virelo_SetContaminantValue(&c, kValueC0, 100.0 + k);
    virelo_SetContaminantValue(&c, kValueCa, 1.0);
    virelo_SetLambda(&c, kLambdaAerobic, 0.001 + 1e-6 * k);
    c.lambdaSelected = kLambdaAerobic;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  return project;
}

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

}  // namespace
