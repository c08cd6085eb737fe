// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Uncertainty runs at the sizes a user meets: 10,000 draws of 200
// contaminants with both assessments by the screening model, and 1,000 draws
// of 20 contaminants with the exact solution as the verdict basis. Every
// aquifer input and each contaminant's decay constant and C0 are uncertain.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <thread>

#include "bench/large_project.h"
#include "engine/project/records.h"
#include "engine/uncertainty/montecarlo.h"

namespace {

Project* MakeProject(int count) {
  Project* project = virelo_AllocateProject();
  SetWorkedExampleAquifer(project->aquifer);
  project->contaminants = virelo_AllocateContaminants(count);
  project->contaminantCount = static_cast<int16_t>(count);
  for (int k = 0; k < count; ++k) {
    Contaminant& c = project->contaminants[k];
    std::snprintf(c.name, sizeof c.name, "Contaminant %d", k);
    virelo_SetContaminantValue(&c, kValueC0, 100.0 + k);
    virelo_SetContaminantValue(&c, kValueCa, 1.0);
    virelo_SetLambda(&c, kLambdaAerobic, 0.001 + 1e-4 * k);
    c.lambdaSelected = kLambdaAerobic;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  return project;
}

UncertaintyPlan MakePlan(const Project& project, int samples) {
  using I = UncertainInput;
  using K = DistributionKind;
  UncertaintyPlan plan;
  plan.samples = samples;
  plan.inputs = {{I::X, "", K::Uniform, {80, 120}},
                 {I::Kf, "", K::LogNormal, {1, 3}},
                 {I::I, "", K::Triangular, {0.005, 0.01, 0.02}},
                 {I::Ne, "", K::Normal, {0.25, 0.05, 0.1, 0.4}},
                 {I::Ax, "", K::LogUniform, {3, 30}},
                 {I::Ay, "", K::LogUniform, {0.3, 3}},
                 {I::Az, "", K::LogUniform, {0.03, 0.3}},
                 {I::Width, "", K::Uniform, {10, 30}},
                 {I::Thickness, "", K::Uniform, {3, 8}}};
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    plan.inputs.push_back({I::Lambda, c.name, K::LogNormal, {c.lambdaAerobic, 3}});
    plan.inputs.push_back({I::C0, c.name, K::LogUniform, {c.c0, 2 * c.c0}});
  }
  return plan;
}

// Arguments: contaminants, samples, the verdict basis (0 screening, 1
// exact), threads (0: the machine's hardware threads).
void BM_Uncertainty(benchmark::State& state) {
  Project* project = MakeProject(static_cast<int>(state.range(0)));
  const UncertaintyPlan plan = MakePlan(*project, static_cast<int>(state.range(1)));
  UncertaintyOptions options;
  options.verdictBasis = state.range(2) ? UncertaintyModel::Exact : UncertaintyModel::Screening;
  options.threads = static_cast<int>(state.range(3));
  size_t rows = 0;
  for (auto _ : state) {
    const UncertaintyRun run = RunUncertainty(*project, plan, options);
    if (!run.problems.empty()) state.SkipWithError(run.problems.front().c_str());
    rows = run.rows.size();
    benchmark::DoNotOptimize(rows);
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["threads"] =
      state.range(3) > 0 ? static_cast<double>(state.range(3)) : std::thread::hardware_concurrency();
  virelo_FreeProject(project);
}
BENCHMARK(BM_Uncertainty)
    ->Args({200, 10000, 0, 1})
    ->Args({200, 10000, 0, 0})
    ->Args({20, 1000, 1, 1})
    ->Args({20, 1000, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
