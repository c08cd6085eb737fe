// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Speed of the contaminants and results pages with the largest contaminant
// list a project holds (32767): rebuilding the tree, applying the page after
// an aquifer change, and a full results refresh (calculation and both lists),
// each including the repaint that follows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/project/records.h"
#include "pages/CPropConts.h"
#include "pages/CPropResults.h"

namespace {

constexpr int kLargest = 32767;

class NullHost : public PageHost {
 public:
  int CommitPageEdits() override { return 1; }
  void MarkContaminantsPageModified() override {}
};

struct ProjectDeleter {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};

std::unique_ptr<Project, ProjectDeleter> largeProject(int count) {
  std::unique_ptr<Project, ProjectDeleter> project(virelo_AllocateProject());
  project->contaminants = virelo_AllocateContaminants(count);
  Aquifer& a = project->aquifer;
  virelo_SetAquiferValue(&a, kAquiferX, 100.0);
  virelo_SetAquiferValue(&a, kAquiferKf, 8.64);
  virelo_SetAquiferValue(&a, kAquiferI, 0.001);
  virelo_SetAquiferValue(&a, kAquiferNe, 0.2);
  virelo_SetAquiferValue(&a, kAquiferAx, 10.0);
  virelo_SetAquiferValue(&a, kAquiferAy, 1.0);
  virelo_SetAquiferValue(&a, kAquiferAz, 0.1);
  virelo_SetAquiferValue(&a, kAquiferSz, 10.0);
  virelo_SetAquiferValue(&a, kAquiferSy, 2.0);
  a.redoxCondition = 1;
  for (int i = 0; i < count; ++i) {
    Contaminant& c = project->contaminants[i];
    c.group = i % 8;
    std::snprintf(c.name, sizeof c.name, "Contaminant %d", i);
    virelo_SetContaminantValue(&c, kValueC0, 10.0 + i % 17);
    virelo_SetContaminantValue(&c, kValueCa, 0.1);
    virelo_SetLambda(&c, kLambdaAerobic, 0.001 * (1 + i % 50));
    c.lambdaSelected = kLambdaAerobic;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;  // every contaminant in both lists
    project->contaminantCount++;
  }
  return project;
}

void BM_RebuildContaminantTree(benchmark::State& state) {
  NullHost host;
  CPropConts page(&host);
  page.resize(680, 460);
  page.show();
  auto project = largeProject(static_cast<int>(state.range(0)));
  page.ShowProject(project.get());
  for (auto _ : state) {
    page.RebuildContaminantTree(project.get());
    page.ExpandAll();  // the worst case for the repaint: every entry reachable
    QApplication::processEvents();
  }
}
BENCHMARK(BM_RebuildContaminantTree)->Arg(1000)->Arg(kLargest)->Unit(benchmark::kMillisecond);

void BM_ApplyContaminantsPage(benchmark::State& state) {
  NullHost host;
  CPropConts page(&host);
  page.resize(680, 460);
  page.show();
  auto project = largeProject(static_cast<int>(state.range(0)));
  page.RebuildContaminantTree(project.get());
  page.ShowProject(project.get());
  page.ExpandAll();
  int redox = 0;
  for (auto _ : state) {
    project->aquifer.redoxCondition = static_cast<int16_t>(redox++ % 7);
    page.ApplyToProject(project.get());
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ApplyContaminantsPage)->Arg(kLargest)->Unit(benchmark::kMillisecond);

void BM_RefreshResults(benchmark::State& state) {
  NullHost host;
  CPropResults page(&host);
  page.resize(680, 460);
  page.show();
  auto project = largeProject(static_cast<int>(state.range(0)));
  page.ShowProject(project.get());
  for (auto _ : state) {
    page.RefreshResults();
    QApplication::processEvents();
  }
  state.counters["rows"] = 2.0 * project->resultCount;  // one row in each list
}
BENCHMARK(BM_RefreshResults)->Arg(1000)->Arg(kLargest)->Unit(benchmark::kMillisecond);

}  // namespace
