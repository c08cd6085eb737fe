// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The statistics behind the site's decay constants and trends: Student's t
// quantiles, least-squares lines with their slope intervals, and the
// Mann-Kendall trend test with the trend classes of monitoring optimisation.
#pragma once

#include <vector>

// The regularised incomplete beta function I_x(a, b) for a, b > 0 and
// 0 <= x <= 1; `y` is 1 - x, passed separately so that x near 1 keeps its
// precision.
double RegularizedIncompleteBeta(double a, double b, double x, double y);

// The t with P(|T| <= t) = level for Student's T with `dof` degrees of
// freedom (level in (0, 1), dof >= 1): the half-width factor of a two-sided
// interval. NaN outside that domain.
double StudentTwoSidedQuantile(int dof, double level);

// Ordinary least squares of y on x.
struct LineFit {
  int n = 0;
  double slope = 0.0;
  double intercept = 0.0;
  double slopeSe = 0.0;   // NaN for fewer than three points
  double r2 = 0.0;        // NaN when y does not vary
  double t = 0.0;         // the t factor of the interval
  double slopeLow = 0.0;  // the slope's two-sided interval at the level asked
  double slopeHigh = 0.0;
  bool ok = false;  // two points or more with x not all equal
};
LineFit FitLine(const std::vector<double>& x, const std::vector<double>& y, double level);

// The trend classes, in the words monitoring reports use.
enum class TrendClass {
  kNone,
  kIncreasing,
  kProbablyIncreasing,
  kNoTrend,
  kStable,
  kProbablyDecreasing,
  kDecreasing
};
// "Increasing", ...; "" for kNone (too few samples for a test).
const char* TrendClassText(TrendClass trend);

struct MannKendallResult {
  int n = 0;
  long s = 0;
  double variance = 0.0;    // of S under no trend, corrected for ties
  double confidence = 0.0;  // in a trend in the direction of S, one-sided, 0..1; NaN when n < 4
  double cov = 0.0;         // coefficient of variation (sample standard deviation / mean)
  bool exact = false;       // confidence from the exact distribution of S
  TrendClass trend = TrendClass::kNone;
};
// The test on values in time order. Four values at least; below that only
// n, S and the COV are filled in.
MannKendallResult MannKendall(const std::vector<double>& values);
// The class of the decision matrix from S, the confidence (0..1) and the COV.
TrendClass ClassifyTrend(long s, double confidence, double cov);
