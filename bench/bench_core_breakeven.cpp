// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Break-even values of every input of every result, both assessments, for a
// project of 200 contaminants and for the largest one a list can hold
// (32767). Decay constants and concentrations spread over several decades,
// so that the results are green, yellow and red.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/core/breakeven.h"
#include "engine/project/records.h"

namespace {

Aquifer SiteAquifer() {
  Aquifer a{};
  const int bits[] = {kAquiferX,  kAquiferKf, kAquiferI,  kAquiferNe, kAquiferAx,
                      kAquiferAy, kAquiferAz, kAquiferSz, kAquiferSy};
  const double values[] = {250.0, 5.0, 0.004, 0.2, 25.0, 2.5, 0.25, 20.0, 4.0};
  for (int k = 0; k < 9; ++k) virelo_SetAquiferValue(&a, bits[k], values[k]);
  return a;
}

std::vector<Contaminant> Contaminants(int count) {
  std::vector<Contaminant> list(static_cast<size_t>(count));
  uint64_t state = 12345;
  auto uniform = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  };
  for (Contaminant& c : list) {
    const double c0 = std::pow(10.0, 4.0 * uniform());
    virelo_SetContaminantValue(&c, kValueC0, c0);
    virelo_SetContaminantValue(&c, kValueCa, c0 * std::pow(10.0, -4.0 * uniform()));
    virelo_SetLambda(&c, kLambdaUser, std::pow(10.0, -5.0 + 3.5 * uniform()));
    c.lambdaSelected = kLambdaUser;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  return list;
}

void BM_BreakEvenAllInputs(benchmark::State& state) {
  const Aquifer aquifer = SiteAquifer();
  const std::vector<Contaminant> list = Contaminants(static_cast<int>(state.range(0)));
  const AssessmentRange range = kAssessmentRanges[0].range;
  int classes[4] = {};
  long values = 0;
  for (auto _ : state) {
    for (int& count : classes) count = 0;
    values = 0;
    for (const Contaminant& c : list) {
      for (bool plumeLength : {true, false}) {
        const BreakEvenTable table = BreakEvenValues(aquifer, c, true, plumeLength, range);
        ++classes[static_cast<int>(table.cls)];
        for (const BreakEven& e : table.inputs) values += e.worseAt.has_value() + e.betterAt.has_value();
        benchmark::DoNotOptimize(table);
      }
    }
  }
  state.counters["green"] = classes[3];
  state.counters["yellow"] = classes[2];
  state.counters["red"] = classes[1];
  state.counters["values"] = static_cast<double>(values);
}
BENCHMARK(BM_BreakEvenAllInputs)->Arg(200)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
