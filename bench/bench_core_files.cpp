// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Saving and loading the largest project the file format can hold (32767
// contaminants, about 7 MB). Run in Release; the counters give the file
// size and the process's peak resident memory, to compare with it.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "diagnostics/report.h"
#include "engine/project/records.h"
#include "persistence/projectfile.h"

namespace {

constexpr int kLargestList = 32767;

Project* largestProject() {
  Project* p = virelo_AllocateProject();
  std::snprintf(p->title, sizeof p->title, "Largest project");
  p->contaminants = virelo_AllocateContaminants(kLargestList);
  p->contaminantCount = kLargestList;
  for (int i = 0; i < kLargestList; ++i) {
    Contaminant& c = p->contaminants[i];
    c.group = i % 8;
    std::snprintf(c.name, sizeof c.name, "Contaminant number %d", i);
    virelo_SetLambda(&c, kLambdaAerobic, 0.001 * i);
    virelo_SetContaminantValue(&c, kValueLiteraturePlumeLength, 10.0 + i);
    virelo_SetContaminantValue(&c, kValueC0, 5.0);
  }
  return p;
}

std::string benchFolder() {
  char pattern[] = "/tmp/virelo-bench-XXXXXX";
  return mkdtemp(pattern);
}

double peakResidentBytes() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void BM_SaveLargestProject(benchmark::State& state) {
  const std::string folder = benchFolder();
  const std::string path = folder + "/largest.vrp";
  Project* p = largestProject();
  for (auto _ : state) {
    if (!virelo_SaveProject(p, path.c_str())) state.SkipWithError("save failed");
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["peak_rss_bytes"] = peakResidentBytes();
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
  virelo_FreeProject(p);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveLargestProject)->Unit(benchmark::kMillisecond);

void BM_LoadLargestProject(benchmark::State& state) {
  const std::string folder = benchFolder();
  const std::string path = folder + "/largest.vrp";
  Project* source = largestProject();
  virelo_SaveProject(source, path.c_str());
  virelo_FreeProject(source);
  for (auto _ : state) {
    Project* loaded = virelo_LoadProject(path.c_str(), "rb");
    if (!loaded || loaded->contaminantCount != kLargestList) state.SkipWithError("load failed");
    virelo_FreeProject(loaded);
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["peak_rss_bytes"] = peakResidentBytes();
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadLargestProject)->Unit(benchmark::kMillisecond);

}  // namespace
