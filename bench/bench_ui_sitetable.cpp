// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Speed of one cell edit in the Site data window's laboratory table with
// 120,000 samples (a large laboratory export): the model checks the edited
// row and writes it into the site data, alone and with the table shown and
// repainted. Beside it, what every edit cost when the tables went through
// their CSV text: writing both tables and reading and merging them back.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <memory>
#include <sstream>

#include "analysis/SiteTableModel.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "persistence/sitecsv.h"

namespace {

constexpr int kWells = 100, kDates = 100;
const char* const kAnalytes[] = {"Benzene", "Toluene",  "Ethylbenzene", "Xylenes", "MTBE",    "Oxygen",
                                 "Nitrate", "Iron(II)", "Manganese",    "Sulfate", "Methane", "Naphthalene"};
constexpr int kSamples = kWells * kDates * 12;  // 120,000

struct ProjectDeleter {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using ProjectPtr = std::unique_ptr<Project, ProjectDeleter>;

ProjectPtr siteProject() {
  ProjectPtr project(virelo_AllocateProject());
  SiteData& site = virelo_Extras(project.get()).site;
  for (int w = 0; w < kWells; ++w) site.wells.push_back({"MW" + std::to_string(w + 1), 10.0 * w, 0.0, true});
  char date[16];
  for (int w = 0; w < kWells; ++w)
    for (int d = 0; d < kDates; ++d) {
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", 2000 + d / 12, d % 12 + 1, 1 + w % 28);
      for (const char* analyte : kAnalytes)
        site.samples.push_back({site.wells[static_cast<size_t>(w)].name, date, analyte,
                                1.0 + 0.001 * static_cast<double>(site.samples.size()), kUnitUgL, false});
    }
  return project;
}

// One edit of the value in the middle of the table, between two texts so
// that every edit changes the site data.
void BM_SiteTableEditOneCell(benchmark::State& state) {
  ProjectPtr project = siteProject();
  SiteTableModel model(project.get(), SiteTableModel::Samples);
  if (model.rowCount() != kSamples) state.SkipWithError("wrong table size");
  const QModelIndex cell = model.index(kSamples / 2, 3);
  const QString texts[] = {QStringLiteral("12.5"), QStringLiteral("13.5")};
  int k = 0;
  for (auto _ : state) {
    model.setData(cell, texts[k ^= 1]);
    benchmark::DoNotOptimize(virelo_ExtrasOf(*project).site.samples[kSamples / 2].value);
  }
  if (virelo_ExtrasOf(*project).site.samples[kSamples / 2].value != 12.5 &&
      virelo_ExtrasOf(*project).site.samples[kSamples / 2].value != 13.5)
    state.SkipWithError("the edit was not taken");
}
BENCHMARK(BM_SiteTableEditOneCell)->Unit(benchmark::kMillisecond);

// The same with the table shown, scrolled to the row, and repainted.
void BM_SiteTableEditOneCellShown(benchmark::State& state) {
  ProjectPtr project = siteProject();
  SiteTableModel model(project.get(), SiteTableModel::Samples);
  QTableView view;
  view.setModel(&model);
  view.resize(800, 600);
  view.show();
  const QModelIndex cell = model.index(kSamples / 2, 3);
  view.scrollTo(cell);
  QApplication::processEvents();
  const QString texts[] = {QStringLiteral("12.5"), QStringLiteral("13.5")};
  int k = 0;
  for (auto _ : state) {
    model.setData(cell, texts[k ^= 1]);
    view.viewport()->repaint();
  }
}
BENCHMARK(BM_SiteTableEditOneCellShown)->Unit(benchmark::kMillisecond);

// What each edit cost before: both tables as CSV text, read and merged back.
void BM_SiteTablesThroughCsv(benchmark::State& state) {
  ProjectPtr project = siteProject();
  const SiteData& site = virelo_ExtrasOf(*project).site;
  for (auto _ : state) {
    std::ostringstream wells, samples, err;
    WriteSiteWellsCsv(site, wells);
    WriteSiteSamplesCsv(site, samples);
    SiteCsvRows rows;
    SiteData merged;
    const bool ok = ReadSiteCsv(wells.str(), "wells", &rows, err) &&
                    ReadSiteCsv(samples.str(), "samples", &rows, err) &&
                    MergeSiteRows(SiteData{}, rows, true, &merged, err);
    if (!ok) state.SkipWithError("the tables did not read back");
    benchmark::DoNotOptimize(merged.samples.size());
  }
}
BENCHMARK(BM_SiteTablesThroughCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
