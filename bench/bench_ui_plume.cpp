// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Speed of the plume view at 200 points on the centre line: a redraw after
// another contaminant was picked (both curves with the exact solution's
// 200 integrals, the chart, the plan's samples and contour, then the
// repaint), and a repaint alone, as when the window is resized or uncovered.
// Both should stay within one frame (16 ms). The repaint renders the whole
// window into a picture, which the offscreen platform cannot skip.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "analysis/PlumeView.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/records.h"

namespace {

struct ProjectDeleter {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};

// The worked example's aquifer with two contaminants of different decay.
std::unique_ptr<Project, ProjectDeleter> plumeProject() {
  std::unique_ptr<Project, ProjectDeleter> project(virelo_AllocateProject());
  project->contaminants = virelo_AllocateContaminants(2);
  Aquifer& a = project->aquifer;
  const int bits[] = {kAquiferX,  kAquiferKf, kAquiferI,  kAquiferNe, kAquiferAx,
                      kAquiferAy, kAquiferAz, kAquiferSz, kAquiferSy};
  const double values[] = {100.0, 1.0, 0.01, 0.25, 10.0, 1.0, 0.1, 5.0, 10.0};
  for (int k = 0; k < 9; ++k) virelo_SetAquiferValue(&a, bits[k], values[k]);
  for (int i = 0; i < 2; ++i) {
    Contaminant& c = project->contaminants[project->contaminantCount++];
    std::strcpy(c.name, i == 0 ? "Benzene" : "MTBE");
    virelo_SetContaminantValue(&c, kValueC0, 100.0);
    virelo_SetContaminantValue(&c, kValueCa, 1.0);
    virelo_SetLambda(&c, kLambdaAerobic, i == 0 ? 0.01 : 0.001);
    c.lambdaSelected = kLambdaAerobic;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

void BM_PlumeViewRedraw(benchmark::State& state) {
  auto project = plumeProject();
  PlumeView view(project.get(), kAssessmentRanges[0].range, 0);
  view.show();
  QApplication::processEvents();
  int result = 0;
  for (auto _ : state) {
    result ^= 1;
    view.showResult(result);
    benchmark::DoNotOptimize(view.grab());
  }
  state.counters["points"] = PlumeView::kPoints;
}
BENCHMARK(BM_PlumeViewRedraw)->Unit(benchmark::kMillisecond);

void BM_PlumeViewRepaint(benchmark::State& state) {
  auto project = plumeProject();
  PlumeView view(project.get(), kAssessmentRanges[0].range, 0);
  view.show();
  QApplication::processEvents();
  for (auto _ : state) benchmark::DoNotOptimize(view.grab());
}
BENCHMARK(BM_PlumeViewRepaint)->Unit(benchmark::kMillisecond);

// The profile alone: both curves at 200 points, without any drawing.
void BM_PlumeProfile(benchmark::State& state) {
  auto project = plumeProject();
  PlumeProfile profile;
  for (auto _ : state) benchmark::DoNotOptimize(BuildPlumeProfile(*project, 0, PlumeView::kPoints, &profile));
}
BENCHMARK(BM_PlumeProfile)->Unit(benchmark::kMillisecond);

}  // namespace
