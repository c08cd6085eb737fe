// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The statistics the Monte Carlo takes of its samples: ranks with ties,
// Spearman's rank correlation and percentiles between order statistics.
// Every function is deterministic: the same values give the same numbers,
// bit for bit, whatever order the samples were computed in.
#pragma once

#include <vector>

// Ranks 1..n of the values, ties sharing their mean rank; with `sorted`,
// also the values in ascending order.
std::vector<double> MonteCarloRanks(const std::vector<double>& values, std::vector<double>* sorted = nullptr);

// The correlation of two rank vectors of one length (Spearman's rho); 0
// when either is constant or there are fewer than two.
double MonteCarloRankCorrelation(const std::vector<double>& x, const std::vector<double>& y);

// Linear between the order statistics (p (n - 1) from the smallest); where
// one neighbour is infinite, the nearer one. 0 for no values.
double MonteCarloPercentile(const std::vector<double>& sorted, double p);

// The same on values in any order, which it reorders.
double MonteCarloPercentileUnsorted(std::vector<double>& values, double p);
