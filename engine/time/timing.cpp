// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Arrival, breakthrough, exceedance, peak and source times at the receptor.
#include "engine/time/timing.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Where a concentration underflows its log stands in for minus infinity, so
// that the root finder keeps a finite, ordered function.
double SafeLog(double c) {
  return c > 0.0 ? std::log(c) : -1e4;
}

// z with erfc(z) = y for 0 < y < 2, by bisection: erfc is monotone and
// cheap, and bisection cannot miss in the far tails where Newton's steps
// overflow.
double InverseErfc(double y) {
  double lo = -27.0, hi = 27.0;
  for (int k = 0; k < 200 && hi - lo > 1e-15 * std::max(1.0, std::fabs(lo)); ++k) {
    const double middle = 0.5 * (lo + hi);
    (std::erfc(middle) > y ? lo : hi) = middle;
  }
  return 0.5 * (lo + hi);
}

// The root of f in [a, b] with f(a), f(b) of opposite signs (Brent's method);
// f works in log t, so tolerance 1e-11 is a relative one in t.
template <class F>
double Brent(const F& f, double a, double b, double fa, double fb) {
  constexpr double kTolerance = 1e-11;
  double c = a, fc = fa, d = b - a, e = d;
  for (int iteration = 0; iteration < 200; ++iteration) {
    if ((fb > 0.0) == (fc > 0.0)) c = a, fc = fa, d = e = b - a;
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b, b = c, c = a;
      fa = fb, fb = fc, fc = fa;
    }
    const double tolerance = 2.0 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 0.5 * kTolerance;
    const double m = 0.5 * (c - b);
    if (std::fabs(m) <= tolerance || fb == 0.0) return b;
    if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
      double p, q;
      const double s = fb / fa;
      if (a == c) {
        p = 2.0 * m * s;
        q = 1.0 - s;
      } else {
        const double qa = fa / fc, r = fb / fc;
        p = s * (2.0 * m * qa * (qa - r) - (b - a) * (r - 1.0));
        q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0) q = -q;
      p = std::fabs(p);
      if (2.0 * p < std::min(3.0 * m * q - std::fabs(tolerance * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = m, e = m;
      }
    } else {
      d = m, e = m;
    }
    a = b, fa = fb;
    b += std::fabs(d) > tolerance ? d : (m > 0.0 ? tolerance : -tolerance);
    fb = f(b);
  }
  return b;
}

// The time at which c crosses `level` inside [lo, hi], where c - level
// changes sign once.
template <class C>
double CrossingIn(const C& c, double level, double lo, double hi) {
  const double logLevel = std::log(level);
  auto f = [&](double y) { return SafeLog(c(std::exp(y))) - logLevel; };
  const double a = std::log(lo), b = std::log(hi);
  return std::exp(Brent(f, a, b, f(a), f(b)));
}

// The time at which an increasing c first reaches level, searched outwards
// from `start` by doubling or halving. Empty when no bracket is found.
template <class C>
std::optional<double> RisingCrossing(const C& c, double level, double start) {
  if (!(level > 0.0) || !(start > 0.0) || !std::isfinite(start)) return std::nullopt;
  double lo = start, hi = start;
  if (c(start) >= level) {
    for (int k = 0; c(lo) >= level; ++k) {
      if (k == 400) return std::nullopt;
      hi = lo, lo *= 0.5;
    }
  } else {
    for (int k = 0; c(hi) < level; ++k) {
      if (k == 400) return std::nullopt;
      lo = hi, hi *= 2.0;
    }
  }
  return CrossingIn(c, level, lo, hi);
}

struct Scan {
  double peak = 0.0;
  std::optional<double> peakTime, exceed, below;
};

// Peak, first exceedance and fall below `level` of a receptor that rises to
// a single peak and falls away (a fading source): a geometric grid of ten
// steps a decade from tStart until well past the peak, then the peak refined
// by golden-section search and the two crossings by Brent's method.
template <class C>
Scan ScanRiseAndFall(const C& c, double tStart, double level,
                     double tEnd = std::numeric_limits<double>::infinity()) {
  Scan scan;
  const double q = std::pow(10.0, 0.1);
  std::vector<std::pair<double, double>> grid;
  size_t top = 0;
  const bool useLevel = level > 0.0 && std::isfinite(level);
  for (double t = tStart; grid.size() < 700 && (grid.empty() || t <= tEnd); t *= q) {
    const double value = c(t);
    if (std::isnan(value)) return scan.peak = kNaN, scan;
    grid.emplace_back(t, value);
    const size_t j = grid.size() - 1;
    if (value > grid[top].second) top = j;
    const double highest = grid[top].second;
    if (highest > 0.0 && j > top + 2 && value < 0.5 * highest && (!useLevel || value < level)) break;
  }
  if (!(grid[top].second > 0.0)) return scan;
  // Golden-section search for the maximum in log t around the grid's best.
  double a = std::log(grid[top == 0 ? 0 : top - 1].first);
  double b = std::log(grid[std::min(top + 1, grid.size() - 1)].first);
  constexpr double kGolden = 0.6180339887498949;
  double x1 = b - kGolden * (b - a), x2 = a + kGolden * (b - a);
  double f1 = c(std::exp(x1)), f2 = c(std::exp(x2));
  for (int k = 0; k < 80 && b - a > 1e-10; ++k) {
    if (f1 < f2) {
      a = x1, x1 = x2, f1 = f2;
      x2 = a + kGolden * (b - a), f2 = c(std::exp(x2));
    } else {
      b = x2, x2 = x1, f2 = f1;
      x1 = b - kGolden * (b - a), f1 = c(std::exp(x1));
    }
  }
  double peakTime = std::exp(0.5 * (a + b)), peak = c(peakTime);
  if (grid[top].second > peak) peakTime = grid[top].first, peak = grid[top].second;
  scan.peak = peak;
  scan.peakTime = peakTime;
  if (!useLevel || !(peak > level)) return scan;

  // Rising: the last grid point below the level before the peak; before the
  // grid's start the receptor is reached by halving.
  double lo = 0.0, hi = peakTime;
  for (const auto& [t, value] : grid) {
    if (t >= peakTime) break;
    if (value < level)
      lo = t;
    else if (lo > 0.0) {
      hi = t;
      break;
    }
  }
  if (lo == 0.0) {
    lo = tStart;
    for (int k = 0; c(lo) >= level && k < 400; ++k) hi = lo, lo *= 0.5;
  }
  if (c(lo) < level) scan.exceed = CrossingIn(c, level, lo, hi);
  // Falling: the first grid point after the peak below the level.
  lo = peakTime;
  for (const auto& [t, value] : grid) {
    if (t <= peakTime) continue;
    if (value >= level) {
      lo = t;
      continue;
    }
    scan.below = CrossingIn(c, level, lo, t);
    break;
  }
  return scan;
}

}  // namespace

std::optional<double> ScreeningFractionTime(const TransientInputs& in, double fraction) {
  if (!(fraction > 0.0 && fraction < 1.0) || in.ks > 0.0) return std::nullopt;
  const double steady = TransientScreening(in, kInf);
  if (!(steady > 0.0) || !(in.x > 0.0) || !(in.ax > 0.0) || !(in.v > 0.0) || !(in.R > 0.0))
    return std::nullopt;
  // 1/2 erfc(z) = fraction with z = (x - P s^2) / (2 sqrt(ax) s), s^2 = u t:
  // P s^2 + 2 z sqrt(ax) s - x = 0, taken in the form without cancellation.
  const double z = InverseErfc(2.0 * fraction);
  const double P = std::sqrt(1.0 + (4.0 / in.v) * in.ax * SteadyDecayRate(in));
  const double b = z * std::sqrt(in.ax), root = std::sqrt(b * b + P * in.x);
  const double s = b > 0.0 ? in.x / (b + root) : (root - b) / P;
  const double t = s * s * in.R / in.v;
  if (!std::isfinite(t)) return std::nullopt;
  return t;
}

std::optional<double> ExactFractionTime(const TransientInputs& in, double fraction) {
  if (!(fraction > 0.0 && fraction < 1.0) || in.ks > 0.0) return std::nullopt;
  const double steady = TransientExact(in, kInf);
  if (!(steady > 0.0) || !(in.x > 0.0) || !(in.v > 0.0)) return std::nullopt;
  auto c = [&in](double t) { return TransientExact(in, t); };
  return RisingCrossing(c, fraction * steady, in.x * in.R / in.v);
}

TransientTimes TransientTiming(const TransientInputs& in, double c0, double ca, double target) {
  TransientTimes r;
  r.frontTime = in.x * in.R / in.v;
  const double mu = TransientDecayRate(in);
  if (mu > 0.0 && ca > 0.0 && c0 > ca) r.fullLengthTime = (std::log(c0) - std::log(ca)) / mu;
  r.screeningReason = TransientScreeningReason(in);
  if (in.ks > 0.0 && target > 0.0 && c0 > 0.0) {
    r.sourceTimeToTarget = c0 <= target ? 0.0 : (std::log(c0) - std::log(target)) / in.ks;
  }
  const double level = ca / c0;
  auto screening = [&in](double t) { return TransientScreening(in, t); };
  auto exact = [&in](double t) { return TransientExact(in, t); };

  if (!(in.ks > 0.0)) {
    r.t50Screening = ScreeningFractionTime(in, 0.5);
    r.t95Screening = ScreeningFractionTime(in, 0.95);
    r.t50Exact = ExactFractionTime(in, 0.5);
    r.t95Exact = ExactFractionTime(in, 0.95);
    r.peakScreening = TransientScreening(in, kInf);
    r.peakExact = TransientExact(in, kInf);
    if (level > 0.0 && r.peakScreening > level)
      r.exceedScreening = ScreeningFractionTime(in, level / r.peakScreening);
    if (level > 0.0 && r.peakExact > level) r.exceedExact = RisingCrossing(exact, level, r.frontTime);
    return r;
  }
  // A fading source: the receptor rises to a peak and falls away. The grid
  // starts where even the widest plume has hardly arrived: B / 40 of the
  // front time, B = x / (4 ax).
  const double start = r.frontTime * std::min(0.05, in.x / (4.0 * in.ax) / 40.0);
  if (!(start > 0.0) || !std::isfinite(start)) {
    r.peakExact = TransientExact(in, r.frontTime);
    r.peakScreening = r.screeningReason ? kNaN : TransientScreening(in, r.frontTime);
    return r;
  }
  const Scan e = ScanRiseAndFall(exact, start, level);
  r.peakExact = e.peak;
  r.peakTimeExact = e.peakTime;
  r.exceedExact = e.exceed;
  r.belowAgainExact = e.below;
  if (r.screeningReason) {
    r.peakScreening = kNaN;
  } else {
    const Scan s = ScanRiseAndFall(screening, start, level);
    r.peakScreening = s.peak;
    r.peakTimeScreening = s.peakTime;
    r.exceedScreening = s.exceed;
    r.belowAgainScreening = s.below;
  }
  return r;
}

TransientTimes CurveTiming(const ReceptorCurves& curves, double ca) {
  TransientTimes r;
  r.frontTime = curves.frontTime;
  r.screeningReason = curves.screeningReason;
  if (!curves.fades) {
    r.peakScreening = curves.screening(kInf);
    r.peakExact = curves.exact(kInf);
    // The exact receptor of constant sources only rises (every term of the
    // chain is an integral of a positive kernel up to t), so the first
    // crossing searched from the front is the only one.
    auto times = [&](const std::function<double(double)>& c, double steady, std::optional<double>* t50,
                     std::optional<double>* t95, std::optional<double>* exceed) {
      if (!(steady > 0.0) || !std::isfinite(steady)) return;
      *t50 = RisingCrossing(c, 0.5 * steady, r.frontTime);
      *t95 = RisingCrossing(c, 0.95 * steady, r.frontTime);
      if (ca > 0.0 && steady > ca) *exceed = RisingCrossing(c, ca, r.frontTime);
    };
    if (!r.screeningReason)
      times(curves.screening, r.peakScreening, &r.t50Screening, &r.t95Screening, &r.exceedScreening);
    times(curves.exact, r.peakExact, &r.t50Exact, &r.t95Exact, &r.exceedExact);
    return r;
  }
  const double start = curves.scanStart;
  if (!(start > 0.0) || !std::isfinite(start)) {
    r.peakExact = curves.exact(r.frontTime);
    r.peakScreening = r.screeningReason ? kNaN : curves.screening(r.frontTime);
    return r;
  }
  const double end = curves.settles ? curves.scanEnd : kInf;
  // A receptor that settles higher than its earlier peak has the steady
  // value as its peak, approached without a time, as for constant sources.
  auto settle = [&](const std::function<double(double)>& c, Scan* scan) {
    if (!curves.settles) return;
    const double steady = c(kInf);
    if (steady >= scan->peak) scan->peak = steady, scan->peakTime.reset(), scan->below.reset();
    if (!scan->exceed && ca > 0.0 && steady > ca) scan->exceed = RisingCrossing(c, ca, r.frontTime);
  };
  Scan e = ScanRiseAndFall(curves.exact, start, ca, end);
  settle(curves.exact, &e);
  r.peakExact = e.peak;
  r.peakTimeExact = e.peakTime;
  r.exceedExact = e.exceed;
  r.belowAgainExact = e.below;
  if (r.screeningReason) {
    r.peakScreening = kNaN;
  } else {
    Scan s = ScanRiseAndFall(curves.screening, start, ca, end);
    settle(curves.screening, &s);
    r.peakScreening = s.peak;
    r.peakTimeScreening = s.peakTime;
    r.exceedScreening = s.exceed;
    r.belowAgainScreening = s.below;
  }
  return r;
}
