// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Seeded uniform numbers and the inverse distribution functions that turn
// them into input values.
#include "engine/core/distributions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr uint64_t kGolden = 0x9e3779b97f4a7c15ULL;  // SplitMix64's increment
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSqrt2 = 1.41421356237309504880;
constexpr double kSqrt2Pi = 2.50662827463100050242;

uint64_t Fnv1a(uint64_t hash, const std::string& text) {
  for (unsigned char ch : text) {
    hash ^= ch;
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

// Acklam's approximation for p <= 0.5 (relative error below 1.15e-9),
// then one Halley step, which brings it to the accuracy of erfc.
double LowerNormalQuantile(double p) {
  static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                                 1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
  static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                 6.680131188771972e+01, -1.328068155288572e+01};
  static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                 -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
  static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                 3.754408661907416e+00};
  double x;
  if (p < 0.02425) {
    const double q = std::sqrt(-2.0 * std::log(p));
    x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
        ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1.0);
  } else {
    const double q = p - 0.5, r = q * q;
    x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
        (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1.0);
  }
  // x <= 0 here, where erfc(-x/sqrt 2) keeps its relative accuracy.
  const double e = 0.5 * std::erfc(-x / kSqrt2) - p;
  const double u = e * kSqrt2Pi * std::exp(0.5 * x * x);
  if (std::isfinite(u)) x -= u / (1.0 + 0.5 * x * u);
  return x;
}

}  // namespace

uint64_t SplitMix64Mix(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

uint64_t StreamStart(uint64_t seed, uint64_t stream) {
  return SplitMix64Mix(seed ^ SplitMix64Mix(stream + kGolden));
}

uint64_t InputStream(UncertainInput input, const std::string& contaminant) {
  const uint64_t offset = 0xcbf29ce484222325ULL;
  return SplitMix64Mix(Fnv1a(Fnv1a(offset, UncertainInputName(input)) ^ 0xff, contaminant));
}

double UniformAt(uint64_t start, uint64_t index) {
  const uint64_t bits = SplitMix64Mix(start + kGolden * (index + 1));
  return (static_cast<double>(bits >> 12) + 0.5) * 0x1p-52;
}

double NormalCdf(double z) {
  return 0.5 * std::erfc(-z / kSqrt2);
}

double NormalSurvival(double z) {
  return 0.5 * std::erfc(z / kSqrt2);
}

double NormalQuantile(double p) {
  if (std::isnan(p)) return p;
  if (p <= 0.0) return -kInf;
  if (p >= 1.0) return kInf;
  // 1 - p is exact for p >= 0.5, so the upper half mirrors the lower.
  return p > 0.5 ? -LowerNormalQuantile(1.0 - p) : LowerNormalQuantile(p);
}

Sampler Sampler::Make(DistributionKind kind, const std::vector<double>& params, std::string* problem) {
  Sampler s;
  s.kind_ = kind;
  std::string why;
  const size_t n = params.size();
  const bool finite = std::all_of(params.begin(), params.end(), [](double v) { return std::isfinite(v); });
  auto need = [&](bool ok, const char* text) {
    if (why.empty() && !ok) why = text;
  };
  switch (kind) {
    case DistributionKind::Fixed: need(n == 0, "a fixed input takes no parameters"); break;
    case DistributionKind::Uniform:
      need(n == 2 && finite, "a uniform distribution needs two numbers, min and max");
      need(n != 2 || params[0] < params[1], "a uniform distribution needs min < max");
      if (why.empty()) s.a_ = params[0], s.b_ = params[1];
      break;
    case DistributionKind::LogUniform:
      need(n == 2 && finite, "a log-uniform distribution needs two numbers, min and max");
      need(n != 2 || (params[0] > 0.0 && params[0] < params[1]),
           "a log-uniform distribution needs 0 < min < max");
      if (why.empty()) s.a_ = std::log(params[0]), s.b_ = std::log(params[1]);
      break;
    case DistributionKind::Triangular:
      need(n == 3 && finite, "a triangular distribution needs three numbers, min, mode and max");
      need(n != 3 || (params[0] <= params[1] && params[1] <= params[2] && params[0] < params[2]),
           "a triangular distribution needs min <= mode <= max and min < max");
      if (why.empty()) s.a_ = params[0], s.b_ = params[1], s.c_ = params[2];
      break;
    case DistributionKind::Normal:
    case DistributionKind::LogNormal: {
      const bool log = kind == DistributionKind::LogNormal;
      need((n == 2 || n == 4) && finite,
           log ? "a lognormal distribution needs median and geometric sd, and "
                 "optionally min and max"
               : "a normal distribution needs mean and sd, and optionally min and max");
      if (!why.empty()) break;
      if (log) {
        need(params[0] > 0.0, "a lognormal distribution needs a median > 0");
        need(params[1] > 1.0, "a lognormal distribution needs a geometric sd > 1 (1 would be a fixed value)");
      } else {
        need(params[1] > 0.0, "a normal distribution needs an sd > 0");
      }
      if (n == 4) need(params[2] < params[3], "the truncation needs min < max");
      if (n == 4 && log)
        need(params[3] > 0.0, "a lognormal distribution truncated at a max <= 0 draws nothing");
      if (!why.empty()) break;
      s.a_ = log ? std::log(params[0]) : params[0];
      s.b_ = log ? std::log(params[1]) : params[1];
      if (n == 4) {
        s.truncated_ = true;
        const double low = log ? (params[2] > 0.0 ? std::log(params[2]) : -kInf) : params[2];
        const double high = log ? std::log(params[3]) : params[3];
        const double zLow = (low - s.a_) / s.b_, zHigh = (high - s.a_) / s.b_;
        s.upper_ = zLow > 0.0;
        s.pLow_ = s.upper_ ? NormalSurvival(zLow) : NormalCdf(zLow);
        s.pHigh_ = s.upper_ ? NormalSurvival(zHigh) : NormalCdf(zHigh);
        s.c_ = params[2];
        need(s.pLow_ != s.pHigh_,
             "the truncation keeps only a part of the distribution too small to draw from");
        if (why.empty()) s.truncatedHigh_ = params[3];
      }
      break;
    }
  }
  if (!why.empty()) s.kind_ = DistributionKind::Fixed;
  if (problem) *problem = why;
  return s;
}

double Sampler::Quantile(double u) const {
  switch (kind_) {
    case DistributionKind::Fixed: return std::numeric_limits<double>::quiet_NaN();
    case DistributionKind::Uniform: return a_ + u * (b_ - a_);
    case DistributionKind::LogUniform: return std::exp(a_ + u * (b_ - a_));
    case DistributionKind::Triangular: {
      const double width = c_ - a_;
      if (u * width < b_ - a_) return a_ + std::sqrt(u * width * (b_ - a_));
      return c_ - std::sqrt((1.0 - u) * width * (c_ - b_));
    }
    case DistributionKind::Normal:
    case DistributionKind::LogNormal: {
      double z;
      if (!truncated_) {
        z = NormalQuantile(u);
      } else if (upper_) {
        z = -NormalQuantile(pLow_ - u * (pLow_ - pHigh_));
      } else {
        z = NormalQuantile(pLow_ + u * (pHigh_ - pLow_));
      }
      double v = a_ + z * b_;
      if (kind_ == DistributionKind::LogNormal) v = std::exp(v);
      // Rounding must never carry a draw past the bounds the user set.
      if (truncated_) v = std::clamp(v, c_, truncatedHigh_);
      return v;
    }
  }
  return std::numeric_limits<double>::quiet_NaN();
}

bool LogNormalFromInterval(double low, double high, double confidence, double* median, double* geometricSd) {
  if (!(low > 0.0 && low < high && std::isfinite(high) && confidence > 0.0 && confidence < 1.0)) return false;
  const double z = NormalQuantile(0.5 + 0.5 * confidence);
  *median = std::sqrt(low) * std::sqrt(high);
  *geometricSd = std::exp(std::log(high / low) / (2.0 * z));
  return true;
}
