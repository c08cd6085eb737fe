// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Globally adaptive Gauss-Kronrod quadrature, shared by the exact steady and
// transient solutions so that both integrate their kernels alike.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

namespace virelo_quadrature {

// 15-point Kronrod rule with its embedded 7-point Gauss rule.
inline constexpr double kXgk[8] = {0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
                                   0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
                                   0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
                                   0.207784955007898467600689403773245, 0.000000000000000000000000000000000};
inline constexpr double kWgk[8] = {0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
                                   0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
                                   0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
                                   0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
inline constexpr double kWg[4] = {0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
                                  0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

struct Segment {
  double a, b, value, error;
  bool operator<(const Segment& other) const { return error < other.error; }
};

template <class F>
Segment Kronrod15(const F& f, double a, double b) {
  const double centre = 0.5 * (a + b), half = 0.5 * (b - a);
  const double fc = f(centre);
  double kronrod = fc * kWgk[7], gauss = fc * kWg[3], absolute = std::fabs(kronrod);
  double f1[7], f2[7];
  for (int j = 0; j < 7; ++j) {
    const double dx = half * kXgk[j];
    f1[j] = f(centre - dx);
    f2[j] = f(centre + dx);
    kronrod += kWgk[j] * (f1[j] + f2[j]);
    absolute += kWgk[j] * (std::fabs(f1[j]) + std::fabs(f2[j]));
    if (j % 2 == 1) gauss += kWg[j / 2] * (f1[j] + f2[j]);
  }
  const double mean = 0.5 * kronrod;
  double spread = kWgk[7] * std::fabs(fc - mean);
  for (int j = 0; j < 7; ++j) spread += kWgk[j] * (std::fabs(f1[j] - mean) + std::fabs(f2[j] - mean));
  // The error estimate of QUADPACK's qk15: pessimistic for smooth integrands,
  // with a floor at what rounding alone leaves.
  double error = std::fabs((kronrod - gauss) * half);
  spread *= std::fabs(half);
  if (spread != 0.0 && error != 0.0) error = spread * std::min(1.0, std::pow(200.0 * error / spread, 1.5));
  const double absSum = absolute * std::fabs(half);
  constexpr double eps = std::numeric_limits<double>::epsilon();
  if (absSum > std::numeric_limits<double>::min() / (50.0 * eps))
    error = std::max(50.0 * eps * absSum, error);
  return {a, b, kronrod * half, error};
}

// Globally adaptive quadrature over the given breakpoints: the segment with
// the largest error is halved until the estimated error is within the
// relative tolerance.
template <class F>
double AdaptiveIntegral(const F& f, const double* breaks, int breakCount, double relTolerance,
                        double absTolerance) {
  std::priority_queue<Segment> segments;
  double total = 0.0, error = 0.0;
  for (int k = 0; k + 1 < breakCount; ++k) {
    const Segment s = Kronrod15(f, breaks[k], breaks[k + 1]);
    total += s.value;
    error += s.error;
    segments.push(s);
  }
  constexpr int kMaxSegments = 4000;
  while (error > relTolerance * std::fabs(total) && error > absTolerance &&
         static_cast<int>(segments.size()) < kMaxSegments) {
    const Segment worst = segments.top();
    segments.pop();
    const double middle = 0.5 * (worst.a + worst.b);
    const Segment left = Kronrod15(f, worst.a, middle), right = Kronrod15(f, middle, worst.b);
    total += left.value + right.value - worst.value;
    error += left.error + right.error - worst.error;
    segments.push(left);
    segments.push(right);
  }
  // Sum afresh, so that the running updates leave no rounding behind.
  double sum = 0.0;
  while (!segments.empty()) {
    sum += segments.top().value;
    segments.pop();
  }
  return sum;
}

}  // namespace virelo_quadrature
