// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A decay chain's centre line as the chain window draws it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/large_project.h"
#include "engine/chains/chaincalc.h"
#include "engine/project/records.h"

namespace {

// PCE -> TCE -> cis-DCE -> VC -> ethene in the worked-example aquifer, 200
// points from the source to twice the receptor distance, both models.
void BM_ChainProfile200(benchmark::State& state) {
  Aquifer a{};
  SetWorkedExampleAquifer(a);
  ResolvedChain chain;
  chain.names = {"PCE", "TCE", "cis-DCE", "VC", "Ethene"};
  chain.contaminantIndex = {0, 1, 2, 3, -1};
  chain.rate = {0.005, 0.003, 0.002, 0.001, 0.0};
  chain.c0 = {100.0, 50.0, 10.0, 0.0, 0.0};
  chain.ca = {0.01, 0.01, 0.05, 0.002, 0.0};
  chain.yield = {1.0, 131.38 / 165.822, 96.938 / 131.38, 62.496 / 96.938, 28.054 / 62.496};
  chain.endProduct = true;
  const int points = 200;
  std::vector<double> s(points), screening(points * 5), exact(points * 5);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChainProfile(a, chain, 200.0, points, s.data(), screening.data(), exact.data()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ChainProfile200)->Unit(benchmark::kMillisecond);

}  // namespace
