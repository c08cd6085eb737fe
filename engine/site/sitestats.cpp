// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Student's t, least-squares lines and the Mann-Kendall test.
#include "engine/site/sitestats.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <utility>

#include "engine/project/decimalform.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The continued fraction of I_x(a, b) (modified Lentz), which converges fast
// for x < (a + 1) / (a + b + 2).
double BetaContinuedFraction(double a, double b, double x) {
  constexpr double kTiny = 1e-300;
  const double qab = a + b, qap = a + 1.0, qam = a - 1.0;
  double c = 1.0, d = 1.0 - qab * x / qap;
  if (std::fabs(d) < kTiny) d = kTiny;
  d = 1.0 / d;
  double h = d;
  for (int m = 1; m <= 10000; ++m) {
    const double m2 = 2.0 * m;
    double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
    d = 1.0 + aa * d;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = 1.0 + aa / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1.0 / d;
    h *= d * c;
    aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
    d = 1.0 + aa * d;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = 1.0 + aa / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1.0 / d;
    const double step = d * c;
    h *= step;
    if (std::fabs(step - 1.0) < 1e-16) break;
  }
  return h;
}

}  // namespace

double RegularizedIncompleteBeta(double a, double b, double x, double y) {
  if (!(a > 0.0 && b > 0.0) || !(x >= 0.0 && y >= 0.0)) return kNaN;
  if (x == 0.0) return 0.0;
  if (y == 0.0) return 1.0;
  const double logFront =
      std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) + a * std::log(x) + b * std::log(y);
  const double front = std::exp(logFront);
  if (x < (a + 1.0) / (a + b + 2.0)) return front * BetaContinuedFraction(a, b, x) / a;
  return 1.0 - front * BetaContinuedFraction(b, a, y) / b;
}

namespace {

// P(|T| > t) for Student's T with nu degrees of freedom.
double TwoSidedTail(double nu, double t) {
  const double t2 = t * t;
  return RegularizedIncompleteBeta(nu / 2.0, 0.5, nu / (nu + t2), t2 / (nu + t2));
}

double ComputeQuantile(int dof, double level) {
  const double nu = dof, tail = 1.0 - level;
  // Bracket, then Newton steps on the tail, kept inside the bracket by
  // bisection; the density is the tail's derivative (up to the factor -2).
  double lo = 0.0, hi = 1.0;
  while (TwoSidedTail(nu, hi) > tail) {
    lo = hi;
    hi *= 2.0;
    if (hi > 1e300) return kNaN;
  }
  const double logNorm = std::lgamma((nu + 1.0) / 2.0) - std::lgamma(nu / 2.0) - 0.5 * std::log(nu * M_PI);
  double t = 0.5 * (lo + hi);
  for (int k = 0; k < 200; ++k) {
    const double f = TwoSidedTail(nu, t) - tail;
    if (f > 0.0)
      lo = t;
    else
      hi = t;
    const double density = std::exp(logNorm - (nu + 1.0) / 2.0 * std::log1p(t * t / nu));
    double next = t + f / (2.0 * density);
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::fabs(next - t) <= 1e-15 * t || hi - lo <= 1e-15 * hi) return next;
    t = next;
  }
  return t;
}

}  // namespace

double StudentTwoSidedQuantile(int dof, double level) {
  if (dof < 1 || !(level > 0.0 && level < 1.0)) return kNaN;
  // Fits ask for few distinct pairs, over and over: keep them per thread.
  thread_local std::map<std::pair<int, double>, double> cache;
  const auto key = std::make_pair(dof, level);
  const auto found = cache.find(key);
  if (found != cache.end()) return found->second;
  const double t = ComputeQuantile(dof, level);
  if (cache.size() < 4096) cache.emplace(key, t);
  return t;
}

LineFit FitLine(const std::vector<double>& x, const std::vector<double>& y, double level) {
  LineFit fit;
  fit.n = static_cast<int>(x.size());
  fit.slopeSe = fit.r2 = fit.t = fit.slopeLow = fit.slopeHigh = kNaN;
  if (fit.n < 2 || y.size() != x.size()) return fit;
  // Centred sums: the x of a time fit are days in the tens of thousands.
  double mx = 0.0, my = 0.0;
  for (int k = 0; k < fit.n; ++k) mx += x[k], my += y[k];
  mx /= fit.n;
  my /= fit.n;
  double sxx = 0.0, sxy = 0.0, syy = 0.0;
  for (int k = 0; k < fit.n; ++k) {
    const double dx = x[k] - mx, dy = y[k] - my;
    sxx += dx * dx;
    sxy += dx * dy;
    syy += dy * dy;
  }
  if (!(sxx > 0.0)) return fit;
  fit.ok = true;
  // Equal values give a level line, not one tilted by the rounding of their mean.
  const bool flat = std::all_of(y.begin(), y.end(), [&](double v) { return v == y[0]; });
  fit.slope = flat ? 0.0 : sxy / sxx;
  fit.intercept = my - fit.slope * mx;
  double sse = 0.0;
  for (int k = 0; k < fit.n; ++k) {
    const double r = y[k] - (fit.intercept + fit.slope * x[k]);
    sse += r * r;
  }
  if (syy > 0.0) fit.r2 = 1.0 - sse / syy;
  if (fit.n >= 3) {
    fit.slopeSe = std::sqrt(sse / (fit.n - 2) / sxx);
    fit.t = StudentTwoSidedQuantile(fit.n - 2, level);
    fit.slopeLow = fit.slope - fit.t * fit.slopeSe;
    fit.slopeHigh = fit.slope + fit.t * fit.slopeSe;
  }
  return fit;
}

const char* TrendClassText(TrendClass trend) {
  switch (trend) {
    case TrendClass::kIncreasing: return "Increasing";
    case TrendClass::kProbablyIncreasing: return "Probably Increasing";
    case TrendClass::kNoTrend: return "No Trend";
    case TrendClass::kStable: return "Stable";
    case TrendClass::kProbablyDecreasing: return "Probably Decreasing";
    case TrendClass::kDecreasing: return "Decreasing";
    case TrendClass::kNone: break;
  }
  return "";
}

TrendClass ClassifyTrend(long s, double rawConfidence, double rawCov) {
  if (std::isnan(rawConfidence)) return TrendClass::kNone;
  // A COV of values typed as [7, 1.4, 1.4, 1.4] is 1, not the 0.9999999999999998
  // the sums give: the class follows the decimal result.
  const double confidence = DecimalForm(rawConfidence), cov = DecimalForm(rawCov);
  if (s > 0) {
    if (confidence > 0.95) return TrendClass::kIncreasing;
    if (confidence >= 0.90) return TrendClass::kProbablyIncreasing;
    return TrendClass::kNoTrend;
  }
  if (s < 0) {
    if (confidence > 0.95) return TrendClass::kDecreasing;
    if (confidence >= 0.90) return TrendClass::kProbablyDecreasing;
  }
  // No trend shown: a scattered series is no trend, a steady one is stable.
  return cov >= 1.0 ? TrendClass::kNoTrend : TrendClass::kStable;
}

namespace {

// P(S >= s) under no trend for n distinct values, from the counts of
// permutations by their number of inversions (S = n(n-1)/2 - 2 inversions),
// built up one value at a time: adding the n-th value adds 0..n-1 inversions.
double ExactUpperTail(int n, long s) {
  std::vector<double> counts{1.0};
  for (int m = 2; m <= n; ++m) {
    std::vector<double> next(counts.size() + m - 1, 0.0);
    for (size_t k = 0; k < counts.size(); ++k)
      for (int add = 0; add < m; ++add) next[k + add] += counts[k];
    counts.swap(next);
  }
  const long pairs = static_cast<long>(n) * (n - 1) / 2;
  double total = 0.0, tail = 0.0;
  for (size_t inv = 0; inv < counts.size(); ++inv) {
    total += counts[inv];
    if (pairs - 2 * static_cast<long>(inv) >= s) tail += counts[inv];
  }
  return tail / total;
}

}  // namespace

MannKendallResult MannKendall(const std::vector<double>& values) {
  MannKendallResult r;
  r.n = static_cast<int>(values.size());
  r.confidence = kNaN;
  // Ranks on the values' decimal forms: 0.1234 mg/L converted to ug/L is
  // 123.39999999999999, and must still tie with a 123.4 ug/L entered as such.
  std::vector<double> decimal(values.size());
  std::transform(values.begin(), values.end(), decimal.begin(), DecimalForm);
  bool ties = false;
  for (int i = 0; i < r.n; ++i)
    for (int j = i + 1; j < r.n; ++j) {
      if (decimal[j] > decimal[i])
        ++r.s;
      else if (decimal[j] < decimal[i])
        --r.s;
      else
        ties = true;
    }
  double mean = 0.0;
  for (double v : values) mean += v;
  mean = r.n > 0 ? mean / r.n : kNaN;
  double ss = 0.0;
  for (double v : values) ss += (v - mean) * (v - mean);
  r.cov = r.n > 1 ? std::sqrt(ss / (r.n - 1)) / mean : kNaN;

  // Variance with the correction for each group of t equal values.
  const double n = r.n;
  double correction = 0.0;
  if (ties) {
    std::vector<double> sorted = decimal;
    std::sort(sorted.begin(), sorted.end());
    for (size_t k = 0; k < sorted.size();) {
      size_t end = k;
      while (end < sorted.size() && sorted[end] == sorted[k]) ++end;
      const double t = double(end - k);
      correction += t * (t - 1) * (2.0 * t + 5);
      k = end;
    }
  }
  r.variance = (n * (n - 1) * (2 * n + 5) - correction) / 18.0;
  if (r.n < 4) return r;

  if (r.n <= 10 && !ties) {
    r.exact = true;
    r.confidence = 1.0 - ExactUpperTail(r.n, std::abs(r.s));
  } else {
    // Normal approximation with the continuity correction.
    const double z = r.s == 0 || r.variance <= 0.0 ? 0.0 : (std::abs(r.s) - 1) / std::sqrt(r.variance);
    r.confidence = 0.5 * std::erfc(-z / std::sqrt(2.0));
  }
  r.trend = ClassifyTrend(r.s, r.confidence, r.cov);
  return r;
}
