// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plume's stability on a large network: 30 wells in a field across and
// along the flow, 40 sampling rounds, 10 contaminants (12,000 samples):
// every contaminant's rounds, Delaunay moments and trends, as `virelo-cli
// stability` computes them. Target: under 200 ms. Run in Release.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "engine/site/plumemass.h"
#include "engine/site/sitefit.h"

namespace {

constexpr int kWells = 30, kRounds = 40, kContaminants = 10;

SiteData LargeSite() {
  SiteData site;
  // Six transects of five wells, a little irregular so that few triangles
  // share a circle.
  for (int w = 0; w < kWells; ++w) {
    const double s = 25.0 * (w / 5) + 3.0 * std::sin(w), y = -40.0 + 20.0 * (w % 5) + 2.0 * std::cos(w);
    site.wells.push_back({"MW" + std::to_string(w + 1), s, y});
  }
  site.samples.reserve(kWells * kRounds * kContaminants);
  for (int r = 0; r < kRounds; ++r) {
    for (int w = 0; w < kWells; ++w) {
      // A well's samples of one round are taken over a week.
      const std::string date = SiteDateText(19000 + 91 * r + w % 7);
      const SiteWell& well = site.wells[w];
      for (int a = 0; a < kContaminants; ++a) {
        const double c =
            3000.0 *
            std::exp(-0.0004 * 91 * r - std::pow((well.s - 50.0) / 40.0, 2) - std::pow(well.y / 20.0, 2)) *
            (1.0 + 0.1 * std::sin(w + a + r));
        site.samples.push_back(
            {well.name, date, "Contaminant " + std::to_string(a + 1), c < 1.0 ? 1.0 : c, kUnitUgL, c < 1.0});
      }
    }
  }
  return site;
}

void BM_Stability(benchmark::State& state) {
  const SiteData site = LargeSite();
  PlumeMassOptions options;
  options.porosity = 0.25;
  options.thickness = 3.0;
  options.retardedVelocity = 0.08;
  for (auto _ : state) {
    for (const std::string& name : SiteContaminants(site)) {
      const PlumeMassResult r = PlumeMassOf(site, name, options);
      benchmark::DoNotOptimize(r.rounds.data());
    }
  }
}
BENCHMARK(BM_Stability)->Unit(benchmark::kMillisecond);

}  // namespace
