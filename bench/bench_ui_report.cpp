// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Speed of the assessment report: a 200-contaminant project, every
// contaminant assessed for both results (so 200 centre-line charts), from
// the computed project to the PDF on disk. It should take at most 3 s.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>
#include <memory>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/records.h"
#include "report/AssessmentReport.h"

namespace {

struct ProjectDeleter {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};

std::unique_ptr<Project, ProjectDeleter> assessedProject(int count) {
  std::unique_ptr<Project, ProjectDeleter> project(virelo_AllocateProject());
  std::snprintf(project->title, sizeof project->title, "Benchmark site with %d contaminants", count);
  project->contaminants = virelo_AllocateContaminants(count);
  Aquifer& a = project->aquifer;
  virelo_SetAquiferValue(&a, kAquiferX, 250.0);
  virelo_SetAquiferValue(&a, kAquiferKf, 5.0);
  virelo_SetAquiferValue(&a, kAquiferI, 0.004);
  virelo_SetAquiferValue(&a, kAquiferNe, 0.2);
  virelo_SetAquiferValue(&a, kAquiferAx, 25.0);
  virelo_SetAquiferValue(&a, kAquiferAy, 2.5);
  virelo_SetAquiferValue(&a, kAquiferAz, 0.25);
  virelo_SetAquiferValue(&a, kAquiferSz, 20.0);
  virelo_SetAquiferValue(&a, kAquiferSy, 4.0);
  a.redoxCondition = 1;
  for (int i = 0; i < count; ++i) {
    Contaminant& c = project->contaminants[i];
    c.group = i % 8;
    std::snprintf(c.name, sizeof c.name, "Contaminant %d", i);
    virelo_SetContaminantValue(&c, kValueC0, 10.0 + i % 170);
    virelo_SetContaminantValue(&c, kValueCa, 0.1 + (i % 7) * 0.5);
    virelo_SetLambda(&c, kLambdaAerobic, 0.0005 * (1 + i % 50));
    c.lambdaSelected = kLambdaAerobic;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
    project->contaminantCount++;
  }
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 0);
  return project;
}

void BM_ReportPdf(benchmark::State& state) {
  auto project = assessedProject(static_cast<int>(state.range(0)));
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("report.pdf"));
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
  for (auto _ : state) {
    QString error;
    if (!WriteReportPdf(*project, settings, path, &error)) state.SkipWithError("the report was not written");
  }
}
BENCHMARK(BM_ReportPdf)->Arg(200)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The document alone, laid out and paginated on A4, without painting: the
// part of the report's time that the sections and the page breaks take.
void BM_ReportLayout(benchmark::State& state) {
  auto project = assessedProject(static_cast<int>(state.range(0)));
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
  for (auto _ : state) {
    auto doc = BuildReportDocument(*project, settings, QSizeF(481.9, 746.0));
    benchmark::DoNotOptimize(doc->pageCount());
  }
}
BENCHMARK(BM_ReportLayout)->Arg(200)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
