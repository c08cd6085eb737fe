// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Screening concentration at any point, and the exact centre-line solution of
// the patch source by adaptive Gauss-Kronrod quadrature.
#include "engine/core/exact.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

#include "diagnostics/report.h"
#include "engine/core/calc.h"
#include "engine/core/exactseries.h"
#include "engine/core/quadrature.h"
#include "engine/project/transport.h"

namespace {

using virelo_quadrature::AdaptiveIntegral;

constexpr double kVelocityThreshold = 1e-40;
constexpr double kReciprocalThreshold = 1e-30;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Velocity(const Aquifer& a) {
  return a.gradientI * a.conductivityKf / a.porosityNe;
}

// The decay-and-dispersion factor of the screening formula, written as the
// attenuation factor writes it so that both round alike.
double ScreeningExponent(const Aquifer& a, double lambda, double v, double s) {
  const double ax = a.dispersivityAx;
  return (1.0 - std::sqrt(1.0 + (4.0 / v) * ax * lambda)) * (s / (2.0 * ax));
}

// 1/2 [erf((y+half)/d) - erf((y-half)/d)] for d = 2 sqrt(a s). Far from the
// centre both erf values are close to 1, so the difference is taken of the
// complementary functions there, where it keeps its digits.
double SpreadFactor(double half, double dispersivity, double s, double y) {
  const double d = std::sqrt(dispersivity * s * 4.0);
  y = std::fabs(y);
  if (!(d > 0.0) || !std::isfinite(d)) {
    // No spreading: the source's width travels unchanged.
    if (y < half) return 1.0;
    return y == half ? 0.5 : 0.0;
  }
  const double upper = (y + half) / d, lower = (y - half) / d;
  if (lower > 0.0) return 0.5 * (std::erfc(lower) - std::erfc(upper));
  return 0.5 * (std::erf(upper) - std::erf(lower));
}

// ---- Exact centre-line solution --------------------------------------------
//
// With t = v tau / s, alpha = ax/s and k = lambda s / v the integral becomes
//   C/C0 = 1/(2 sqrt(pi alpha)) Int_0^inf t^-3/2 exp(-k t - (1-t)^2/(4 alpha t))
//          erf(by/sqrt t) erf(bz/sqrt t) dt,   by = Sy/(2 sqrt(ay s)), ...
// The exponent is -(A t + B/t) + 2B with A = k + B, B = 1/(4 alpha). Taking
// out its largest value E0 = 2B - 2 sqrt(AB) (the screening exponent) and
// substituting u = sqrt(A t) - sqrt(B/t), r = sqrt t, maps the half-line onto
// the whole line and the peak (t = sqrt(B/A), that is tau = s/v without
// decay) onto u = 0:
//   C/C0 = exp(E0) sqrt(B/pi) Int exp(-u^2) 2 erf(by/r) erf(bz/r) / (sqrt(A) r^2 + sqrt(B)) du.
// The factor beside exp(-u^2) is smooth, bounded by 2/sqrt(B), and grows at
// most like u^2 relative to its value at the peak, so |u| <= 12 holds all but
// a fraction below 1e-55 of the integral, whatever the source size.
//
// A decay chain needs the derivatives in k as well: the n-th Taylor
// coefficient in k is the same integral with the extra factor (-t)^n/n!
// (power = n), where t = r^2.
struct ExactIntegrand {
  double sqrtA, sqrtB, c;  // c = 4 sqrt(AB)
  double by, bz;           // erf arguments times r; infinite when that factor is 1
  bool spreadY, spreadZ;
  int power;            // 0 for the concentration itself
  double invFactorial;  // 1/power!

  double operator()(double u) const {
    const double root = std::sqrt(u * u + c);
    // u + root loses its digits for large negative u: use c / (root - u).
    const double r = (u >= 0.0 ? u + root : c / (root - u)) / (2.0 * sqrtA);
    double value = 2.0 * std::exp(-u * u) / (sqrtA * r * r + sqrtB);
    if (spreadY) value *= std::erf(by / r);
    if (spreadZ) value *= std::erf(bz / r);
    if (power > 0) value *= std::pow(-r * r, power) * invFactorial;
    return value;
  }
};

// The erf argument times r (see above), or infinity when that factor is 1:
// a dispersivity of 0 or an argument that is not a number, as in SeriesErf.
double ErfScale(double half, double dispersivity, double s) {
  const double b = half / (2.0 * std::sqrt(dispersivity * s));
  return std::isfinite(b) ? b : std::numeric_limits<double>::infinity();
}

// Sets up the integral for one point. Returns false with the final value in
// *early when no integral is needed (undefined inputs, no flow, the source
// itself, or a value that underflows).
bool PrepareExact(const Aquifer& a, double lambda, double s, ExactIntegrand* f, double* factor,
                  double* early) {
  const double v = Velocity(a);
  if (std::isnan(v) || std::isnan(lambda) || std::isnan(s)) return *early = kNaN, false;
  if (v < kVelocityThreshold) return *early = 0.0, false;
  if (s == 0.0) return *early = 1.0, false;
  const double ax = a.dispersivityAx;
  if (!(s > 0.0) || !std::isfinite(s) || !(ax > 0.0) || !std::isfinite(ax)) return *early = kNaN, false;

  const double alpha = ax / s, k = lambda * s / v;
  const double B = 1.0 / (4.0 * alpha), A = k + B;
  if (!(A > 0.0) || !std::isfinite(A) || !(B > 0.0) || !std::isfinite(B)) return *early = kNaN, false;
  // E0 = (1 - sqrt(1 + 4 alpha k)) / (2 alpha), in a form without cancellation.
  const double e0 = -2.0 * k / (1.0 + std::sqrt(1.0 + 4.0 * alpha * k));
  const double scale = std::exp(e0);
  if (scale == 0.0) return *early = 0.0, false;

  *f = ExactIntegrand{};
  f->sqrtA = std::sqrt(A);
  f->sqrtB = std::sqrt(B);
  f->c = 4.0 * f->sqrtA * f->sqrtB;
  f->by = ErfScale(a.sourceThicknessSy, a.dispersivityAy, s);
  f->bz = ErfScale(a.sourceWidthSz, a.dispersivityAz, s);
  f->spreadY = std::isfinite(f->by);
  f->spreadZ = std::isfinite(f->bz);
  f->invFactorial = 1.0;
  constexpr double kInvSqrtPi = 0.564189583547756286948079451560772586;
  *factor = scale * f->sqrtB * kInvSqrtPi;
  return true;
}

// Breakpoints at the peak and at a few widths either side; beyond 12 the
// Gaussian leaves nothing a double can hold beside the peak's share.
const double kBreaks[] = {-12.0, -6.0, -3.0, -1.5, 0.0, 1.5, 3.0, 6.0, 12.0};

double ExactConcentration(const Aquifer& a, double lambda, double s) {
  ExactIntegrand f;
  double factor = 0.0, early = 0.0;
  if (!PrepareExact(a, lambda, s, &f, &factor, &early)) return early;
  // Below 1e-300 in C/C0 nothing is worth a further step.
  const double integral = AdaptiveIntegral(f, kBreaks, 9, 1e-12, 1e-300 / factor);
  return factor * integral;
}

// ---- Beside the centre line ------------------------------------------------
//
// Off the centre line the width factor erf(by/r) becomes the spread factor
// 1/2 [erf(yu/r) - erf(yl/r)], yu = (|y| + Sy)/(2 sqrt(ay s)) and
// yl = (|y| - Sy)/(2 sqrt(ay s)). Beyond the source's edge (yl > 0) it is the
// difference of two erfc values, which keeps its digits however small it gets;
// there it falls like exp(-yl^2/r^2), moving the weight of the integrand out
// to larger r (later arrival) and away from the centre line's breakpoints.
struct OffAxisIntegrand {
  ExactIntegrand base;  // with the width factor left out
  double upper, lower;  // yu, yl

  double operator()(double u) const {
    const double root = std::sqrt(u * u + base.c);
    const double r = (u >= 0.0 ? u + root : base.c / (root - u)) / (2.0 * base.sqrtA);
    const double spread = lower > 0.0 ? 0.5 * (std::erfc(lower / r) - std::erfc(upper / r))
                                      : 0.5 * (std::erf(upper / r) - std::erf(lower / r));
    return base(u) * spread;
  }
};

// Where exp(-u^2 - yl^2/r^2), the integrand's leading behaviour beyond the
// edge, peaks: the root of u = yl^2 / (r^2 sqrt(u^2 + c)), whose left side
// grows and right side falls with u.
double OffAxisPeak(const ExactIntegrand& f, double lower) {
  const double z = lower * lower;
  auto excess = [&](double u) {
    const double root = std::sqrt(u * u + f.c);
    const double r = (u + root) / (2.0 * f.sqrtA);
    return u - z / (r * r * root);
  };
  double lo = 0.0, hi = 1.0;
  while (excess(hi) < 0.0 && hi < 1e6) lo = hi, hi *= 2.0;
  for (int k = 0; k < 60 && hi - lo > 1e-3; ++k) {
    const double middle = 0.5 * (lo + hi);
    (excess(middle) < 0.0 ? lo : hi) = middle;
  }
  return 0.5 * (lo + hi);
}

// The off-axis integral with the extra factor (-t)^power / power! of the
// Taylor coefficients in the scaled rate; power 0 is the concentration. At
// the source, or where nothing arrives, the value does not vary with the
// rate: only power 0 has one.
double ExactOffAxis(const Aquifer& a, double lambda, double s, double y, int power = 0) {
  const double half = a.sourceThicknessSy;
  if (std::isnan(y)) return kNaN;
  y = std::fabs(y);
  ExactIntegrand f;
  double factor = 0.0, early = 0.0;
  if (!PrepareExact(a, lambda, s, &f, &factor, &early)) {
    // At the source plane the width is the source's own.
    if (early == 1.0 && s == 0.0) early = y < half ? 1.0 : (y == half ? 0.5 : 0.0);
    return power == 0 || std::isnan(early) ? early : 0.0;
  }
  f.power = power;
  for (int n = 2; n <= power; ++n) f.invFactorial /= n;
  if (!f.spreadY) {
    // No spreading across the flow (ay = 0): the source's width travels
    // unchanged, and the centre line's integral serves with a constant factor.
    const double width = y < half ? 1.0 : (y == half ? 0.5 : 0.0);
    if (width == 0.0) return width;
    return width * factor * AdaptiveIntegral(f, kBreaks, 9, 1e-12, 1e-300 / factor);
  }
  const double d = 2.0 * std::sqrt(a.dispersivityAy * s);
  OffAxisIntegrand g{f, (y + half) / d, (y - half) / d};
  g.base.spreadY = false;
  if (std::isnan(g.upper) || std::isnan(g.lower)) return kNaN;
  if (std::isinf(g.lower)) return 0.0;  // infinitely far beside the plume

  // Beyond the edge the peak moves to larger u; breakpoints around it, and an
  // upper end far enough past it that exp(-u^2) leaves nothing behind.
  std::vector<double> breaks(std::begin(kBreaks), std::end(kBreaks));
  if (g.lower > 0.0) {
    const double peak = OffAxisPeak(f, g.lower);
    const double end = std::max(12.0, 12.0 + 1.5 * peak);
    for (double offset : {-2.0, -1.0, -0.5, 0.0, 0.5, 1.0, 2.0, 4.0}) breaks.push_back(peak + offset);
    breaks.push_back(end);
    std::sort(breaks.begin(), breaks.end());
    std::vector<double> kept;
    for (double b : breaks) {
      if (b > end) break;
      if (kept.empty() || b - kept.back() >= 0.25) kept.push_back(b);
    }
    kept.back() = end;
    breaks.swap(kept);
  }
  const double integral =
      AdaptiveIntegral(g, breaks.data(), static_cast<int>(breaks.size()), 1e-12, 1e-300 / factor);
  return factor * integral;
}

void FillExact(const Aquifer& a, const Contaminant& c, ContaminantResult& r) {
  double lambda = 0.0;
  virelo_GetLambda(&c, &lambda);
  const double relative = ExactConcentration(a, lambda, a.distanceX);
  r.exactRelativeConcentration = relative;
  // The same rules as the screening attenuation factor: a vanishing
  // concentration gives AF 0, an undefined one stays undefined, and the
  // ratio is taken so that it cannot overflow into "nothing arrives".
  if (std::isnan(relative)) {
    r.exactAttenuationFactor = relative;
  } else {
    r.exactAttenuationFactor = std::fabs(relative) > kReciprocalThreshold ? 1.0 / relative : 0.0;
  }
  r.exactSourceRatio = virelo_math_SourceRatio(c.c0, c.ca, relative);
  r.exactComputed = 1;
}

}  // namespace

double virelo_math_ScreeningConcentration(const Aquifer* aquifer, double lambda, double s) {
  if (!aquifer) return kNaN;
  const Aquifer& a = *aquifer;
  const double v = Velocity(a);
  if (std::fabs(v) < kVelocityThreshold) return 0.0;
  const double eY = SeriesErf(a.sourceThicknessSy / std::sqrt(a.dispersivityAy * s * 4.0));
  const double eZ = SeriesErf(a.sourceWidthSz / std::sqrt(a.dispersivityAz * s * 4.0));
  return std::exp(ScreeningExponent(a, lambda, v, s)) * eZ * eY;
}

double virelo_math_ScreeningConcentrationOffAxis(const Aquifer* aquifer, double lambda, double s, double y) {
  if (!aquifer) return kNaN;
  if (y == 0.0) return virelo_math_ScreeningConcentration(aquifer, lambda, s);
  const Aquifer& a = *aquifer;
  const double v = Velocity(a);
  if (std::fabs(v) < kVelocityThreshold) return 0.0;
  const double eY = SpreadFactor(a.sourceThicknessSy, a.dispersivityAy, s, y);
  const double eZ = SeriesErf(a.sourceWidthSz / std::sqrt(a.dispersivityAz * s * 4.0));
  return std::exp(ScreeningExponent(a, lambda, v, s)) * eZ * eY;
}

double virelo_math_ExactConcentration(const Aquifer* aquifer, double lambda, double s) {
  return aquifer ? ExactConcentration(*aquifer, lambda, s) : kNaN;
}

double virelo_math_ExactConcentrationOffAxis(const Aquifer* aquifer, double lambda, double s, double y) {
  if (!aquifer) return kNaN;
  if (y == 0.0) return ExactConcentration(*aquifer, lambda, s);
  return ExactOffAxis(*aquifer, lambda, s, y);
}

void virelo_math_CalcExactAttenuationFactor(const Aquifer* aquifer, const Contaminant* contaminant,
                                            ContaminantResult* result) {
  if (aquifer && contaminant && result) FillExact(*aquifer, *contaminant, *result);
}

int virelo_math_CalcExactAll(Project* project, int threadCount) {
  if (!project) return 0;
  std::vector<int> jobs;
  for (int k = 0; k < project->resultCount; ++k) {
    ContaminantResult& r = project->results[k];
    r.exactComputed = 0;
    const int index = r.contaminantIndex;
    if (index < 0 || index >= project->contaminantCount || !project->contaminants) continue;
    if (!(project->contaminants[index].assess & kAssessAttenuationFactor)) continue;
    if (HasAttenuationFactorProblems(r)) continue;
    jobs.push_back(k);
  }
  const Aquifer aquifer = project->aquifer;
  std::atomic<size_t> next{0};
  constexpr size_t kBlock = 64;
  auto work = [&]() {
    for (;;) {
      const size_t first = next.fetch_add(kBlock);
      if (first >= jobs.size()) return;
      const size_t last = std::min(jobs.size(), first + kBlock);
      for (size_t j = first; j < last; ++j) {
        ContaminantResult& r = project->results[jobs[j]];
        FillExact(aquifer, virelo_SteadyContaminant(*project, project->contaminants[r.contaminantIndex]), r);
      }
    }
  };
  size_t threads = threadCount > 0 ? static_cast<size_t>(threadCount) : std::thread::hardware_concurrency();
  threads = std::clamp<size_t>(threads, 1, jobs.size() / kBlock + 1);
  std::vector<std::thread> helpers;
  for (size_t t = 1; t < threads; ++t) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // the threads already running, and this one, share the rest
    }
  }
  work();
  for (std::thread& helper : helpers) helper.join();
  return 1;
}

int virelo_math_CentreLineProfile(const Aquifer* aquifer, double lambda, double to, int points, double* s,
                                  double* screening, double* exact) {
  if (!aquifer || points < 1 || !(to > 0.0) || !std::isfinite(to)) {
    ReportError(ActiveReportCallbacks(), "virelo_math_CentreLineProfile", 0,
                "A profile needs an aquifer, at least one point and a positive distance!");
    return 0;
  }
  for (int k = 0; k < points; ++k) {
    const double sk = to * (k + 1) / points;
    if (s) s[k] = sk;
    if (screening) screening[k] = virelo_math_ScreeningConcentration(aquifer, lambda, sk);
    if (exact) exact[k] = ExactConcentration(*aquifer, lambda, sk);
  }
  return 1;
}

int virelo_math_ExactConcentrationSeriesOffAxis(const Aquifer* aquifer, double lambda, double s, double y,
                                                int order, double* coeff) {
  if (!aquifer || !coeff || order < 0) return 0;
  if (y == 0.0) return virelo_math_ExactConcentrationSeries(aquifer, lambda, s, order, coeff);
  for (int n = 0; n <= order; ++n) coeff[n] = ExactOffAxis(*aquifer, lambda, s, y, n);
  return 1;
}

double virelo_math_ScreeningTransverseFactor(const Aquifer* aquifer, double s, double y) {
  if (!aquifer) return kNaN;
  return SpreadFactor(aquifer->sourceThicknessSy, aquifer->dispersivityAy, s, y);
}

int virelo_math_ExactConcentrationSeries(const Aquifer* aquifer, double lambda, double s, int order,
                                         double* coeff) {
  if (!aquifer || !coeff || order < 0) return 0;
  ExactIntegrand f;
  double factor = 0.0, early = 0.0;
  if (!PrepareExact(*aquifer, lambda, s, &f, &factor, &early)) {
    // At the source, or with nothing arriving, the value does not vary with
    // the rate (an undefined value stays undefined throughout).
    coeff[0] = early;
    for (int n = 1; n <= order; ++n) coeff[n] = std::isnan(early) ? early : 0.0;
    return 1;
  }
  for (int n = 0; n <= order; ++n) {
    f.power = n;
    if (n > 0) f.invFactorial /= n;
    // Each coefficient gets its own adaptive pass: the factor t^n moves the
    // weight of the integrand away from the peak as n grows.
    coeff[n] = factor * AdaptiveIntegral(f, kBreaks, 9, 1e-12, 1e-300 / factor);
  }
  return 1;
}

AssessmentClass ClassifyExactAttenuationFactor(const ContaminantResult& result, AssessmentRange range) {
  if (!result.exactComputed || HasAttenuationFactorProblems(result)) return AssessmentClass::Problems;
  return ClassifyAttenuationFactor(result.exactSourceRatio, range);
}

ExactComparison CompareExactWithScreening(const ContaminantResult& result, AssessmentRange range) {
  const AssessmentClass exact = ClassifyExactAttenuationFactor(result, range);
  if (exact == AssessmentClass::Problems) return ExactComparison::None;
  const AssessmentClass screening = ClassifyAttenuationFactor(result.sourceRatio, range);
  // Red < Yellow < Green: a smaller class is a worse verdict.
  if (static_cast<int>(exact) < static_cast<int>(screening)) return ExactComparison::WorseClass;
  if (exact != screening) return ExactComparison::None;  // a better exact class needs no warning
  const double a = std::fabs(result.relativeConcentration), b = std::fabs(result.exactRelativeConcentration);
  if (std::isnan(a) || std::isnan(b)) return ExactComparison::None;
  const double high = std::max(a, b), low = std::min(a, b);
  return high > kExactDifferenceFactor * low ? ExactComparison::Differs : ExactComparison::None;
}
