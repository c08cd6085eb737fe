// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Transient screening form and exact transient patch-source solution at the
// receptor, for a constant or a first-order decaying source.
#include "engine/time/transient.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/core/exact.h"
#include "engine/core/quadrature.h"

namespace {

using virelo_quadrature::AdaptiveIntegral;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kVelocityThreshold = 1e-40;
constexpr double kInvSqrtPi = 0.564189583547756286948079451560772586;
constexpr double kRelTolerance = 1e-12;

bool AnyUndefined(const TransientInputs& in, double t) {
  for (double value : {in.x, in.v, in.R, in.ax, in.ay, in.az, in.width, in.thickness, in.lambda, in.ks, t}) {
    if (std::isnan(value)) return true;
  }
  return false;
}

// The erf argument of a transverse factor times the square root of the
// dimensionless travel time, or infinity when that factor is 1 (no
// spreading), as the steady solutions treat it.
double ErfScale(double half, double dispersivity, double x) {
  const double b = half / (2.0 * std::sqrt(dispersivity * x));
  return std::isfinite(b) ? b : kInf;
}

double ErfFactor(double scale, double r) {
  return std::isfinite(scale) ? std::erf(scale / r) : 1.0;
}

// ---- Exact transient solution -----------------------------------------------
//
// In the dimensionless travel time s = u tau / x (u = v / R), with
// B = x / (4 ax), k = lambdaEff x / v and, for a decaying source,
// kappa = ks x R / v, the receptor at T = u t / x sees
//   C/C0 = sqrt(B/pi) exp(2B - kappa T)
//          Int_0^T s^-3/2 exp(-A s - B/s) erf(by/sqrt s) erf(bz/sqrt s) ds,
// A = k - kappa + B: the source's fading exp(-ks (t - tau)) only shifts the
// decay rate of the kernel (Duhamel's convolution), and kappa = 0 is the
// constant source.
//
// A > 0: the steady solution's substitution w = sqrt(A s) - sqrt(B/s) maps
// the kernel onto exp(-w^2) times a smooth factor; the receptor time becomes
// the upper end W = sqrt(A T) - sqrt(B/T). Once W > 0 the integrand's peak
// lies inside and its largest value is taken out; before that (far before
// the front, or a source that fades faster than the plume spreads) the value
// at the upper end is taken out, and the integrand falls away from it like
// exp(2 W d - d^2) in d = W - w.
//
// A <= 0 (the source fades faster than the kernel decays): the integrand
// grows all the way to T. In z = 1/s it is z^-1/2 exp(-A/z - B z) on
// [1/T, inf), which falls at least like exp(-B (z - 1/T)) from its value at
// the end.
struct Kernel {
  double B, k, kappa, T;
  double by, bz;
};

// The smooth factor of the w form, 2 erf(by/r) erf(bz/r) / (sqrtA r^2 + sqrtB)
// with r = sqrt(s).
struct PeakForm {
  double sqrtA, sqrtB, c, by, bz;  // c = 4 sqrt(A B)

  double Inner(double w) const {
    const double root = std::sqrt(w * w + c);
    // w + root loses its digits for negative w, where r = 2 sqrtB / (root - w).
    const double r = w >= 0.0 ? (w + root) / (2.0 * sqrtA) : 2.0 * sqrtB / (root - w);
    return 2.0 / (sqrtA * r * r + sqrtB) * ErfFactor(by, r) * ErfFactor(bz, r);
  }
};

// log of the kernel's exponential at the receptor time, with kappa cancelled:
// -k T - B (T - 1)^2 / T.
double EndExponent(const Kernel& q) {
  return -q.k * q.T - q.B * (q.T - 1.0) * (q.T - 1.0) / q.T;
}

double IntegratePeakForm(const Kernel& q, double A) {
  PeakForm f{std::sqrt(A), std::sqrt(q.B), 0.0, q.by, q.bz};
  f.c = 4.0 * f.sqrtA * f.sqrtB;
  const double upper = f.sqrtA * std::sqrt(q.T) - f.sqrtB / std::sqrt(q.T);
  const double root = std::sqrt(q.B) * kInvSqrtPi;
  if (upper > 0.0) {
    // 2B - 2 sqrt(A B) - kappa T, written without cancellation.
    const double d = q.k - q.kappa;
    const double exponent = -2.0 * d / (1.0 + std::sqrt(1.0 + d / q.B)) - q.kappa * q.T;
    const double factor = root * std::exp(exponent);
    if (factor == 0.0) return 0.0;
    static constexpr double kBreaks[] = {-12.0, -6.0, -3.0, -1.5, 0.0, 1.5, 3.0, 6.0, 12.0};
    double breaks[10];
    int count = 0;
    for (double b : kBreaks) {
      if (b >= upper) break;
      breaks[count++] = b;
    }
    breaks[count++] = std::min(upper, 12.0);
    auto g = [&f](double w) { return std::exp(-w * w) * f.Inner(w); };
    return factor * AdaptiveIntegral(g, breaks, count, kRelTolerance, 1e-300 / factor);
  }
  const double factor = root * std::exp(EndExponent(q));
  if (factor == 0.0) return 0.0;
  const double a = -upper;  // >= 0
  // Beyond end, exp(-2 a d - d^2) < exp(-160) leaves nothing a double keeps.
  const double end = 160.0 / (std::sqrt(a * a + 160.0) + a);
  // 0, then end/64, end/32, .. end: the integrand falls fastest near d = 0.
  double breaks[8] = {0.0};
  for (int j = 1; j < 8; ++j) breaks[j] = end * std::ldexp(1.0, j - 7);
  auto g = [&f, a](double d) { return std::exp(-(2.0 * a + d) * d) * f.Inner(-a - d); };
  return factor * AdaptiveIntegral(g, breaks, 8, kRelTolerance, 1e-300 / factor);
}

double IntegrateEndForm(const Kernel& q, double A) {
  const double factor = std::sqrt(q.B) * kInvSqrtPi * std::exp(EndExponent(q));
  if (factor == 0.0) return 0.0;
  const double Z = 1.0 / q.T;
  const double initialRate = q.B - A * q.T * q.T;  // > 0, as A <= 0
  auto g = [&q, A, Z](double w) {
    const double z = Z + w;
    const double r = 1.0 / std::sqrt(z);
    return r * std::exp(A * q.T * w / z - q.B * w) * ErfFactor(q.by, r) * ErfFactor(q.bz, r);
  };
  const double end = 160.0 / q.B;
  std::vector<double> breaks{0.0};
  for (double b = 0.125 / initialRate; b < end && breaks.size() < 200; b *= 4.0) breaks.push_back(b);
  breaks.push_back(end);
  return factor *
         AdaptiveIntegral(g, breaks.data(), static_cast<int>(breaks.size()), kRelTolerance, 1e-300 / factor);
}

double ExactAt(const TransientInputs& in, double t) {
  if (AnyUndefined(in, t)) return kNaN;
  if (in.v < kVelocityThreshold) return 0.0;
  if (!(in.x >= 0.0) || !(in.ax > 0.0) || !std::isfinite(in.ax) || !(in.R > 0.0)) return kNaN;
  if (std::isinf(t) && t > 0.0) {
    if (in.ks > 0.0) return 0.0;
    const Aquifer a = TransientAquifer(in);
    return virelo_math_ExactConcentration(&a, SteadyDecayRate(in), in.x);
  }
  if (!(t > 0.0)) return 0.0;
  if (in.x == 0.0) return std::exp(-in.ks * t);  // the source itself
  Kernel q{};
  q.B = in.x / (4.0 * in.ax);
  q.k = SteadyDecayRate(in) * in.x / in.v;
  q.kappa = in.ks * in.x * in.R / in.v;
  q.T = in.v * t / (in.R * in.x);
  q.by = ErfScale(0.5 * in.width, in.ay, in.x);
  q.bz = ErfScale(in.thickness, in.az, in.x);
  if (!(q.T > 0.0)) return 0.0;
  if (!std::isfinite(q.B) || !std::isfinite(q.k) || !std::isfinite(q.kappa)) return kNaN;
  const double A = q.k - q.kappa + q.B;
  return A > 0.0 ? IntegratePeakForm(q, A) : IntegrateEndForm(q, A);
}

}  // namespace

TransientInputs TransientInputsFrom(const Aquifer& aquifer, double lambda, double R, DecayOf decayOf,
                                    double ks) {
  TransientInputs in;
  in.x = aquifer.distanceX;
  in.v = aquifer.gradientI * aquifer.conductivityKf / aquifer.porosityNe;
  in.R = R;
  in.ax = aquifer.dispersivityAx;
  in.ay = aquifer.dispersivityAy;
  in.az = aquifer.dispersivityAz;
  in.width = 2.0 * aquifer.sourceThicknessSy;
  in.thickness = aquifer.sourceWidthSz;
  in.lambda = lambda;
  in.decayOf = decayOf;
  in.ks = ks;
  return in;
}

double TransientDecayRate(const TransientInputs& in) {
  return in.decayOf == DecayOf::DissolvedAndSorbed ? in.lambda : in.lambda / in.R;
}

double SteadyDecayRate(const TransientInputs& in) {
  return in.decayOf == DecayOf::DissolvedAndSorbed ? in.lambda * in.R : in.lambda;
}

Aquifer TransientAquifer(const TransientInputs& in) {
  Aquifer a{};
  a.distanceX = in.x;
  a.conductivityKf = in.v;
  a.gradientI = 1.0;
  a.porosityNe = 1.0;
  a.dispersivityAx = in.ax;
  a.dispersivityAy = in.ay;
  a.dispersivityAz = in.az;
  a.sourceThicknessSy = 0.5 * in.width;
  a.sourceWidthSz = in.thickness;
  return a;
}

bool TransientScreeningDefined(const TransientInputs& in) {
  return !(in.ks > TransientDecayRate(in));
}

const char* TransientScreeningReason(const TransientInputs& in) {
  if (TransientScreeningDefined(in)) return nullptr;
  return "The source fades faster than the plume decays, and there the screening form's lagged source "
         "multiplier underestimates the receptor by orders of magnitude: only the exact solution gives a "
         "value.";
}

double TransientScreening(const TransientInputs& in, double t) {
  if (AnyUndefined(in, t) || !TransientScreeningDefined(in)) return kNaN;
  const Aquifer a = TransientAquifer(in);
  const double lambda = SteadyDecayRate(in);
  const double steady = virelo_math_ScreeningConcentration(&a, lambda, in.x);
  if (std::isinf(t) && t > 0.0) return in.ks > 0.0 ? 0.0 : steady;
  if (!(t > 0.0) || std::fabs(in.v) < kVelocityThreshold) return 0.0;
  if (in.x == 0.0) return std::exp(-in.ks * t);
  const double ut = in.v * t / in.R;
  const double P = std::sqrt(1.0 + (4.0 / in.v) * in.ax * lambda);
  const double front = 0.5 * std::erfc((in.x - ut * P) / (2.0 * std::sqrt(in.ax * ut)));
  double value = front * steady;
  if (in.ks > 0.0) value *= std::exp(-in.ks * std::max(0.0, t - in.x * in.R / in.v));
  return value;
}

double TransientExact(const TransientInputs& in, double t) {
  return ExactAt(in, t);
}

int TransientBreakthrough(const TransientInputs& in, double until, int points, double* t, double* screening,
                          double* exact) {
  if (points < 1 || !(until > 0.0) || !std::isfinite(until)) return 0;
  for (int k = 0; k < points; ++k) {
    // The last point is `until` itself, as the caller asked for it.
    const double tk = k + 1 == points ? until : until * (k + 1) / points;
    if (t) t[k] = tk;
    if (screening) screening[k] = TransientScreening(in, tk);
    if (exact) exact[k] = ExactAt(in, tk);
  }
  return 1;
}

int TransientProfile(const TransientInputs& in, double t, double to, int points, double* s, double* screening,
                     double* exact) {
  if (points < 1 || !(to > 0.0) || !std::isfinite(to)) return 0;
  TransientInputs at = in;
  for (int k = 0; k < points; ++k) {
    at.x = k + 1 == points ? to : to * (k + 1) / points;
    if (s) s[k] = at.x;
    if (screening) screening[k] = TransientScreening(at, t);
    if (exact) exact[k] = ExactAt(at, t);
  }
  return 1;
}
