// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A decay chain's species over time: the exact solution as the dispersion
// kernel integrated against the Bateman solution, the screening form from
// divided differences of the single-species form in the rate.
#include "engine/time/transientchain.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/quadrature.h"
#include "engine/project/chain.h"

namespace {

using virelo_quadrature::AdaptiveIntegral;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInvSqrtPi = 0.564189583547756286948079451560772586;
constexpr double kVelocityThreshold = 1e-40;
constexpr int kMax = kChainMaxSpecies + 1;  // the end product may follow
constexpr int kTaylorTerms = 24;
// Most Taylor terms a cluster of close rates gets beyond its own order.
constexpr int kMaxExtraTerms = 30;

using Matrix = std::array<std::array<double, kMax>, kMax>;

bool Usable(const TransientChain& c, int species, double x, double t) {
  const TransientInputs& in = c.inputs;
  if (species < 0 || species >= c.size() || c.size() > kMax) return false;
  for (double value : {x, t, in.v, in.R, in.ax, in.ay, in.az, in.width, in.thickness})
    if (std::isnan(value)) return false;
  for (int j = 0; j <= species; ++j)
    for (double value : {c.lambda[j], c.c0[j], c.yield[j], c.ks[j]})
      if (std::isnan(value)) return false;
  return x >= 0.0 && in.R > 0.0;
}

double EffectiveRate(const TransientChain& c, int i) {
  return c.inputs.decayOf == DecayOf::DissolvedAndSorbed ? c.lambda[i] * c.inputs.R : c.lambda[i];
}

// The scaled rates z_i = lambdaEff_i x / v of species 0..last.
std::vector<double> ScaledRates(const TransientChain& c, int last, double x) {
  std::vector<double> z(static_cast<size_t>(last) + 1);
  for (int i = 0; i <= last; ++i) z[i] = EffectiveRate(c, i) * x / c.inputs.v;
  return z;
}

// The sources' values at the source itself.
double AtSource(const TransientChain& c, int species, double t) {
  return c.c0[species] * (std::isinf(t) ? (c.ks[species] > 0.0 ? 0.0 : 1.0) : std::exp(-c.ks[species] * t));
}

// ---- Exact solution ---------------------------------------------------------
//
// In the dimensionless travel time s = u tau / x the Bateman system
// dN_i/ds = -z_i N_i + y_i z_i-1 N_i-1 has N(s) = exp(L s) N(0) with L lower
// bidiagonal. L + z_max I is not negative anywhere, so exp(L s) is taken as
// exp(-z_max s) exp((L + z_max I) s) by scaling and squaring with sums of
// positive numbers only: every entry keeps its relative accuracy, however
// close or equal the rates are and however strong the decay.
Matrix BatemanMatrix(const std::vector<double>& z, const std::vector<double>& yield, double s) {
  const int n = static_cast<int>(z.size());
  const double top = *std::max_element(z.begin(), z.end());
  double norm = 0.0;
  for (int i = 0; i < n; ++i) norm = std::max(norm, ((top - z[i]) + (i > 0 ? yield[i] * z[i - 1] : 0.0)) * s);
  const int squarings = norm > 0.5 ? static_cast<int>(std::ceil(std::log2(norm / 0.5))) : 0;
  const double h = std::ldexp(s, -squarings);
  Matrix sum{}, term{};
  for (int i = 0; i < n; ++i) sum[i][i] = term[i][i] = 1.0;
  for (int m = 1; m <= kTaylorTerms; ++m) {
    // term <- term P / m with P bidiagonal: P[i][i] = (top - z_i) h, P[i][i-1] = y_i z_i-1 h.
    Matrix next{};
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j <= i; ++j) {
        double value = term[i][j] * (top - z[j]) * h;
        if (j + 1 <= i) value += term[i][j + 1] * yield[j + 1] * z[j] * h;
        next[i][j] = value / m;
      }
    }
    term = next;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j <= i; ++j) sum[i][j] += term[i][j];
  }
  const double scale = std::exp(-top * h);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j <= i; ++j) sum[i][j] *= scale;
  for (int q = 0; q < squarings; ++q) {
    Matrix square{};
    for (int i = 0; i < n; ++i)
      for (int j = 0; j <= i; ++j)
        for (int k = j; k <= i; ++k) square[i][j] += sum[i][k] * sum[k][j];
    sum = square;
  }
  return sum;
}

// The part of species `species` fed by the sources that fade at rate ks
// (every source with that rate), integrated over the travel time up to T.
double ExactGroup(const TransientChain& c, int species, double x, double t, double ks) {
  const TransientInputs& in = c.inputs;
  const std::vector<double> z = ScaledRates(c, species, x);
  std::vector<double> source(static_cast<size_t>(species) + 1, 0.0);
  bool any = false;
  for (int j = 0; j <= species; ++j) {
    if (c.c0[j] > 0.0 && c.ks[j] == ks) source[j] = c.c0[j], any = true;
  }
  if (!any) return 0.0;
  const double B = x / (4.0 * in.ax);
  const double kappa = ks * x * in.R / in.v;
  const double T = std::isinf(t) ? t : in.v * t / (in.R * x);
  const double by = 0.5 * in.width / (2.0 * std::sqrt(in.ay * x));
  const double bz = in.thickness / (2.0 * std::sqrt(in.az * x));
  auto spread = [](double b, double r) { return std::isfinite(b) ? std::erf(b / r) : 1.0; };
  auto f = [&](double s) {
    if (!(s > 0.0)) return 0.0;
    const double lag = std::isinf(T) ? 0.0 : kappa * (T - s);
    const double kernel = std::sqrt(B / s) * kInvSqrtPi / s * std::exp(-B * (s - 1.0) * (s - 1.0) / s - lag);
    if (kernel == 0.0) return 0.0;
    const double r = std::sqrt(s);
    const Matrix m = BatemanMatrix(z, c.yield, s);
    double sum = 0.0;
    for (int j = 0; j <= species; ++j) sum += m[species][j] * source[j];
    return kernel * sum * spread(by, r) * spread(bz, r);
  };
  // Outside the roots of B (s - 1)^2 / s = 745 the kernel is below the
  // smallest double whatever the decay and the source do.
  const double b = 2.0 * B + 745.0, root = std::sqrt(b * b - 4.0 * B * B);
  const double upper = std::min(T, (b + root) / (2.0 * B)), lower = 2.0 * B / (b + root);
  if (!(upper > lower)) return 0.0;
  // A geometric grid fine enough for the kernel's width 1/sqrt(2B) about its
  // peak, with the peaks of the decaying terms sqrt(B / (B + z)) added.
  std::vector<double> breaks;
  const double ratio = 1.0 + std::min(0.25, 0.5 / std::sqrt(B));
  for (double s = lower; s < upper && breaks.size() < 3000; s *= ratio) breaks.push_back(s);
  for (double rate : z) {
    const double a = B + rate - kappa;
    if (a > 0.0 && std::sqrt(B / a) > lower && std::sqrt(B / a) < upper) breaks.push_back(std::sqrt(B / a));
  }
  breaks.push_back(upper);
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
  return AdaptiveIntegral(f, breaks.data(), static_cast<int>(breaks.size()), 1e-11, 1e-300);
}

// ---- Screening form ---------------------------------------------------------
//
// H(z) = 1/2 erfc(w(z)) exp(phi(z)), with P = sqrt(1 + 4 alpha z),
// alpha = ax / x, phi = (1 - P) / (2 alpha) and w = (1 - T P) / (2 sqrt(alpha T)).
struct ScreeningRate {
  double alpha, T;

  double Value(double z) const {
    const double P = std::sqrt(1.0 + 4.0 * alpha * z);
    const double phi = -2.0 * z / (1.0 + P);
    const double front = std::isinf(T) ? 1.0 : 0.5 * std::erfc((1.0 - T * P) / (2.0 * std::sqrt(alpha * T)));
    return front * std::exp(phi);
  }

  // coeff[n] = (1/n!) d^n H / dz^n at z, n = 0 .. order.
  void Series(double z, int order, double* coeff) const {
    const size_t size = static_cast<size_t>(order) + 1;
    const double W = 1.0 + 4.0 * alpha * z, root = std::sqrt(W);
    // P's coefficients from sqrt(W + 4 alpha h) = sqrt(W) sum binom(1/2, n) (4 alpha h / W)^n.
    std::vector<double> P(size), phi(size), w(size), e(size), g(size), square(size, 0.0), ephi(size);
    P[0] = root;
    double binom = 1.0, power = root;
    for (int n = 1; n <= order; ++n) {
      binom *= (0.5 - (n - 1)) / n;
      power *= 4.0 * alpha / W;
      P[n] = binom * power;
    }
    phi[0] = -2.0 * z / (1.0 + root);
    for (int n = 1; n <= order; ++n) phi[n] = -P[n] / (2.0 * alpha);
    ExpSeries(phi, &ephi);
    if (std::isinf(T)) {
      for (int n = 0; n <= order; ++n) coeff[n] = ephi[n];
      return;
    }
    const double denominator = 2.0 * std::sqrt(alpha * T);
    w[0] = (1.0 - T * P[0]) / denominator;
    for (int n = 1; n <= order; ++n) w[n] = -T * P[n] / denominator;
    // erfc(w)' = -2/sqrt(pi) exp(-w^2) w'.
    for (int n = 0; n <= order; ++n)
      for (int j = 0; j <= n; ++j) square[n] -= w[j] * w[n - j];
    ExpSeries(square, &g);
    e[0] = 0.5 * std::erfc(w[0]);
    for (int n = 1; n <= order; ++n) {
      double sum = 0.0;
      for (int m = 1; m <= n; ++m) sum += m * w[m] * g[n - m];
      e[n] = -kInvSqrtPi * sum / n;
    }
    for (int n = 0; n <= order; ++n) {
      coeff[n] = 0.0;
      for (int j = 0; j <= n; ++j) coeff[n] += e[j] * ephi[n - j];
    }
  }

  // exp of a series: f' = a' f, so n f_n = sum_j j a_j f_n-j.
  static void ExpSeries(const std::vector<double>& a, std::vector<double>* f) {
    (*f)[0] = std::exp(a[0]);
    for (size_t n = 1; n < a.size(); ++n) {
      double sum = 0.0;
      for (size_t j = 1; j <= n; ++j) sum += static_cast<double>(j) * a[j] * (*f)[n - j];
      (*f)[n] = sum / static_cast<double>(n);
    }
  }

  // The scale on which H varies: the branch point of P at z = -1/(4 alpha),
  // the unit scale of exp, and the front's steepness sqrt(alpha T) in z.
  double Radius() const {
    double radius = std::min(1.0, 1.0 / (4.0 * alpha));
    if (std::isfinite(T)) radius = std::min(radius, 1.0 / std::sqrt(alpha * T));
    return radius;
  }
};

// (-1)^n H[z_0 .. z_n] over the rates of species first..last: the ordinary
// recursion across rates at least a tenth of the radius apart, the Taylor
// series at the centre of a cluster of closer ones (the divided difference
// of (z - c)^m over the nodes is the complete symmetric polynomial of their
// offsets).
double SignedDifference(const ScreeningRate& g, const std::vector<double>& zAll, int first, int last) {
  std::vector<double> z(zAll.begin() + first, zAll.begin() + last + 1);
  std::sort(z.begin(), z.end());
  const int m = static_cast<int>(z.size());
  const double radius = g.Radius(), gap = 0.1 * radius;
  std::vector<int> cluster(static_cast<size_t>(m), 0);
  for (int k = 1; k < m; ++k) cluster[k] = cluster[k - 1] + (z[k] - z[k - 1] <= gap ? 0 : 1);
  std::vector<double> table(static_cast<size_t>(m * m));
  for (int width = 0; width < m; ++width) {
    for (int a = 0; a + width < m; ++a) {
      const int b = a + width;
      double& entry = table[static_cast<size_t>(a * m + b)];
      if (width == 0) {
        entry = g.Value(z[a]);
      } else if (cluster[a] == cluster[b]) {
        const double centre = 0.5 * (z[a] + z[b]);
        const double ratio = 0.5 * (z[b] - z[a]) / radius;
        int extra = ratio > 0.0 ? static_cast<int>(std::ceil(-17.0 / std::log10(ratio))) : 1;
        extra = std::clamp(extra, 1, kMaxExtraTerms);
        std::vector<double> coeff(static_cast<size_t>(width + extra) + 1);
        g.Series(centre, static_cast<int>(coeff.size()) - 1, coeff.data());
        std::vector<double> h(static_cast<size_t>(extra) + 1, 0.0);
        h[0] = 1.0;
        for (int k = a; k <= b; ++k)
          for (int p = 1; p <= extra; ++p) h[p] += (z[k] - centre) * h[p - 1];
        double sum = 0.0;
        for (int p = extra; p >= 0; --p) sum += coeff[static_cast<size_t>(width + p)] * h[p];
        entry = sum;
      } else {
        entry = (table[static_cast<size_t>((a + 1) * m + b)] - table[static_cast<size_t>(a * m + b - 1)]) /
                (z[b] - z[a]);
      }
    }
  }
  const double d = table[static_cast<size_t>(m - 1)];
  return (m - 1) % 2 == 0 ? d : -d;
}

}  // namespace

const char* TransientChainScreeningReason(const TransientChain& chain, int species) {
  if (species < 0 || species >= chain.size()) return nullptr;
  for (int j = 0; j <= species; ++j) {
    if (!(chain.c0[j] > 0.0) || !(chain.ks[j] > 0.0)) continue;
    for (int l = j; l <= species; ++l) {
      TransientInputs in = chain.inputs;
      in.lambda = chain.lambda[l];
      in.ks = chain.ks[j];
      if (!TransientScreeningDefined(in))
        return "A source of the chain fades faster than a species it feeds decays, and there the screening "
               "form's lagged source multiplier underestimates the receptor by orders of magnitude: only "
               "the exact solution gives a value.";
    }
  }
  return nullptr;
}

ChainFeed TransientChainFeed(const TransientChain& chain, int species) {
  bool constant = false, fading = false;
  for (int j = 0; j <= species && j < chain.size(); ++j) {
    if (!(chain.c0[j] > 0.0)) continue;
    (chain.ks[j] > 0.0 ? fading : constant) = true;
  }
  if (fading && constant) return ChainFeed::Mixed;
  return fading ? ChainFeed::Fading : ChainFeed::Constant;
}

double TransientChainExact(const TransientChain& chain, int species, double x, double t) {
  if (!Usable(chain, species, x, t)) return kNaN;
  const TransientInputs& in = chain.inputs;
  if (!(t > 0.0)) return 0.0;
  if (x == 0.0) return AtSource(chain, species, t);
  if (in.v < kVelocityThreshold) return 0.0;
  if (!(in.ax > 0.0) || !std::isfinite(in.ax)) return kNaN;
  double sum = 0.0;
  for (int j = 0; j <= species; ++j) {
    if (!(chain.c0[j] > 0.0)) continue;
    // Each source rate once: the first source that fades at it stands for all.
    bool seen = false;
    for (int k = 0; k < j; ++k) seen = seen || (chain.c0[k] > 0.0 && chain.ks[k] == chain.ks[j]);
    if (seen || (std::isinf(t) && chain.ks[j] > 0.0)) continue;
    sum += ExactGroup(chain, species, x, t, chain.ks[j]);
  }
  return sum;
}

double TransientChainScreening(const TransientChain& chain, int species, double x, double t) {
  if (!Usable(chain, species, x, t) || TransientChainScreeningReason(chain, species)) return kNaN;
  const TransientInputs& in = chain.inputs;
  if (!(t > 0.0)) return 0.0;
  if (x == 0.0) return AtSource(chain, species, t);
  if (std::fabs(in.v) < kVelocityThreshold) return 0.0;
  const ScreeningRate g{in.ax / x, std::isinf(t) ? t : in.v * t / (in.R * x)};
  const std::vector<double> z = ScaledRates(chain, species, x);
  const double eY = SeriesErf(0.5 * in.width / std::sqrt(in.ay * x * 4.0));
  const double eZ = SeriesErf(in.thickness / std::sqrt(in.az * x * 4.0));
  const double arrival = x * in.R / in.v;
  double sum = 0.0;
  for (int j = 0; j <= species; ++j) {
    if (!(chain.c0[j] > 0.0)) continue;
    double production = chain.c0[j];
    if (chain.ks[j] > 0.0)
      production *= std::isinf(t) ? 0.0 : std::exp(-chain.ks[j] * std::max(0.0, t - arrival));
    for (int l = j; l < species; ++l) production *= chain.yield[l + 1] * z[l];
    if (production == 0.0) continue;
    sum += production * SignedDifference(g, z, j, species);
  }
  // Every term is positive in exact arithmetic; what rounding leaves below
  // zero in the far tail is no concentration.
  return sum < 0.0 ? 0.0 : sum * eY * eZ;
}
