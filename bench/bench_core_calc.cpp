// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Full results refresh of the largest project a list can hold: every one of
// 32767 contaminants assessed both ways with complete inputs.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "engine/calc.h"
#include "engine/records.h"

namespace {

Project* MakeLargeProject() {
  constexpr int kCount = 32767;
  Project* project = virelo_AllocateProject();
  Aquifer& a = project->aquifer;
  virelo_SetAquiferValue(&a, kAquiferX, 100.0);
  virelo_SetAquiferValue(&a, kAquiferKf, 1.0);
  virelo_SetAquiferValue(&a, kAquiferI, 0.01);
  virelo_SetAquiferValue(&a, kAquiferNe, 0.25);
  virelo_SetAquiferValue(&a, kAquiferAx, 10.0);
  virelo_SetAquiferValue(&a, kAquiferAy, 1.0);
  virelo_SetAquiferValue(&a, kAquiferAz, 0.1);
  virelo_SetAquiferValue(&a, kAquiferSz, 5.0);
  virelo_SetAquiferValue(&a, kAquiferSy, 10.0);
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
