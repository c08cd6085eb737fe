// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A large site: 100 wells, 40 sampling rounds, 30 analytes (120,000
// samples), saved and loaded with its project, and every contaminant's
// distance fit, time fits and trends. Run in Release.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/project/extras.h"
#include "engine/site/sitefit.h"
#include "persistence/projectfile.h"

namespace {

constexpr int kWells = 100, kRounds = 40, kAnalytes = 30;

// Laboratory values carry three significant digits, as reports give them.
double LabValue(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3g", value);
  return std::atof(buffer);
}

Project* SiteProject() {
  Project* p = virelo_AllocateProject();
  std::snprintf(p->title, sizeof p->title, "Large site");
  const int bits[] = {kAquiferX, kAquiferKf, kAquiferI, kAquiferNe, kAquiferAx, kAquiferSy};
  const double values[] = {2000.0, 1.0, 0.01, 0.25, 10.0, 100.0};
  for (int k = 0; k < 6; ++k) virelo_SetAquiferValue(&p->aquifer, bits[k], values[k]);
  // The analytes are the project's contaminants.
  p->contaminants = virelo_AllocateContaminants(kAnalytes);
  p->contaminantCount = kAnalytes;
  for (int a = 0; a < kAnalytes; ++a) {
    std::snprintf(p->contaminants[a].name, sizeof p->contaminants[a].name, "Contaminant %d", a + 1);
    virelo_SetContaminantValue(&p->contaminants[a], kValueCa, 1.0);
  }
  SiteData& site = virelo_Extras(p).site;
  for (int w = 0; w < kWells; ++w) site.wells.push_back({"MW" + std::to_string(w + 1), 15.0 * w, 0.0, true});
  site.samples.reserve(kWells * kRounds * kAnalytes);
  for (int r = 0; r < kRounds; ++r) {
    const std::string date = SiteDateText(19000 + 91 * r);
    for (int w = 0; w < kWells; ++w)
      for (int a = 0; a < kAnalytes; ++a) {
        const double c =
            5000.0 * std::exp(-0.004 * 15.0 * w - 0.0005 * 91 * r) * (1.0 + 0.1 * std::sin(w + a + r));
        site.samples.push_back({site.wells[w].name, date, "Contaminant " + std::to_string(a + 1), LabValue(c),
                                kUnitUgL, c < 1.0});
      }
  }
  return p;
}

std::string Folder() {
  char pattern[] = "/tmp/virelo-bench-site-XXXXXX";
  return mkdtemp(pattern);
}

void BM_SaveSiteProject(benchmark::State& state) {
  const std::string folder = Folder(), path = folder + "/site.vrp";
  Project* p = SiteProject();
  for (auto _ : state)
    if (!virelo_SaveProject(p, path.c_str())) {
      state.SkipWithError("save failed");
      break;
    }
  std::error_code ignored;
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path, ignored));
  virelo_FreeProject(p);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveSiteProject)->Unit(benchmark::kMillisecond);

void BM_LoadSiteProject(benchmark::State& state) {
  const std::string folder = Folder(), path = folder + "/site.vrp";
  Project* source = SiteProject();
  virelo_SaveProject(source, path.c_str());
  virelo_FreeProject(source);
  for (auto _ : state) {
    Project* loaded = virelo_LoadProject(path.c_str(), "rb");
    if (!loaded || virelo_ExtrasOf(*loaded).site.samples.size() != size_t(kWells * kRounds * kAnalytes))
      state.SkipWithError("load failed");
    virelo_FreeProject(loaded);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadSiteProject)->Unit(benchmark::kMillisecond);

void BM_FitsAndTrendsOfEveryContaminant(benchmark::State& state) {
  Project* p = SiteProject();
  const SiteData& site = virelo_ExtrasOf(*p).site;
  SiteFitOptions options;
  options.velocity = 0.04;
  options.dispersivityAx = 10.0;
  options.sourceHalfWidth = 100.0;
  options.receptorDistance = 2000.0;
  for (auto _ : state) {
    for (const ContaminantSeries& series : GatherSeries(site)) {
      benchmark::DoNotOptimize(FitDistance(site, series, options));
      benchmark::DoNotOptimize(FitTimes(site, series, options));
    }
  }
  virelo_FreeProject(p);
}
BENCHMARK(BM_FitsAndTrendsOfEveryContaminant)->Unit(benchmark::kMillisecond);

}  // namespace
