// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/uncertainty/montecarlo_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

// Sorting (value, index) pairs keeps the order the same on every run and
// the sort close to its memory.
std::vector<double> MonteCarloRanks(const std::vector<double>& values, std::vector<double>* sorted) {
  const size_t n = values.size();
  std::vector<std::pair<double, uint32_t>> order(n);
  for (size_t k = 0; k < n; ++k) order[k] = {values[k], static_cast<uint32_t>(k)};
  std::sort(order.begin(), order.end());
  std::vector<double> rank(n);
  for (size_t first = 0; first < n;) {
    size_t last = first + 1;
    while (last < n && order[last].first == order[first].first) ++last;
    const double mean = 0.5 * static_cast<double>(first + last + 1);
    for (size_t j = first; j < last; ++j) rank[order[j].second] = mean;
    first = last;
  }
  if (sorted) {
    sorted->resize(n);
    for (size_t k = 0; k < n; ++k) (*sorted)[k] = order[k].first;
  }
  return rank;
}

double MonteCarloRankCorrelation(const std::vector<double>& x, const std::vector<double>& y) {
  const size_t n = x.size();
  if (n < 2) return 0.0;
  const double mean = 0.5 * static_cast<double>(n + 1);  // of ranks 1..n, ties or not
  double sxy = 0.0, sxx = 0.0, syy = 0.0;
  for (size_t k = 0; k < n; ++k) {
    const double dx = x[k] - mean, dy = y[k] - mean;
    sxy += dx * dy;
    sxx += dx * dx;
    syy += dy * dy;
  }
  if (!(sxx > 0.0) || !(syy > 0.0)) return 0.0;  // a constant: no influence to see
  return sxy / std::sqrt(sxx * syy);
}

double MonteCarloPercentile(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0.0;
  const double at = p * static_cast<double>(sorted.size() - 1);
  const size_t low = static_cast<size_t>(std::floor(at));
  const size_t high = std::min(low + 1, sorted.size() - 1);
  const double share = at - static_cast<double>(low);
  const double a = sorted[low], b = sorted[high];
  if (share == 0.0 || a == b) return a;
  if (!std::isfinite(a) || !std::isfinite(b)) return share < 0.5 ? a : b;
  return a + share * (b - a);
}

// The two order statistics around the level, found in linear time.
double MonteCarloPercentileUnsorted(std::vector<double>& values, double p) {
  if (values.empty()) return 0.0;
  const double at = p * static_cast<double>(values.size() - 1);
  const size_t low = static_cast<size_t>(std::floor(at));
  auto lowAt = values.begin() + static_cast<long>(low);
  std::nth_element(values.begin(), lowAt, values.end());
  const double a = *lowAt;
  const double b = low + 1 < values.size() ? *std::min_element(lowAt + 1, values.end()) : a;
  const std::vector<double> pair = {a, b};
  return MonteCarloPercentile(pair, at - static_cast<double>(low));
}
