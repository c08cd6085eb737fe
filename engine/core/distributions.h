// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The random numbers of an uncertainty run and their transforms into the
// input distributions, written out here so that one seed gives the same
// numbers with every compiler, library and machine (the standard library's
// distributions are free to differ between versions).
#pragma once

#include <cstdint>
#include <string>

#include "engine/project/uncertainty.h"

// The SplitMix64 output function (Steele, Lea and Flood 2014): a bijective
// mix of 64 bits that passes BigCrush when applied to an arithmetic sequence.
uint64_t SplitMix64Mix(uint64_t z);

// The random numbers of one input are the SplitMix64 sequence whose start is
// derived from the run's seed and the input's stream; sample k takes output
// k of it. A value so depends only on seed, input and sample index: not on
// the number of threads, on which other inputs are uncertain, or on the
// number of samples (a longer run extends a shorter one).
uint64_t StreamStart(uint64_t seed, uint64_t stream);
// The stream of an input: its name and, for lambda, C0 and CA, the
// contaminant's name (FNV-1a of both, mixed).
uint64_t InputStream(UncertainInput input, const std::string& contaminant);
// Output `index` of the sequence, as a uniform number in the open interval
// (0, 1): the top 52 bits, centred in their cell, (2k + 1) 2^-53. Every such
// number is a double, so 0 and 1 never occur and u and 1 - u are drawn
// alike. The extremes are kUniformLowest and 1 - kUniformLowest.
double UniformAt(uint64_t start, uint64_t index);
constexpr double kUniformLowest = 0x1p-53;

// The standard normal distribution. NormalQuantile is Acklam's rational
// approximation refined by one Halley step on the complementary error
// function, good to a few units in the last place over (0, 1); 0 and 1 give
// -inf and +inf.
double NormalCdf(double z);
double NormalSurvival(double z);  // 1 - NormalCdf(z), without cancellation
double NormalQuantile(double p);

// One input distribution ready for drawing: its parameters checked once and
// its truncation turned into an interval of probabilities.
class Sampler {
 public:
  // An empty `problem` means the parameters are usable; otherwise it says in
  // words what is wrong with them (without naming the input).
  static Sampler Make(DistributionKind kind, const std::vector<double>& params, std::string* problem);

  // The value at probability u in (0, 1); increasing in u.
  double Quantile(double u) const;
  // The smallest and largest value a draw can give: the quantiles of the
  // extreme uniform numbers.
  double Lowest() const { return Quantile(kUniformLowest); }
  double Highest() const { return Quantile(1.0 - kUniformLowest); }
  bool IsFixed() const { return kind_ == DistributionKind::Fixed; }

 private:
  DistributionKind kind_ = DistributionKind::Fixed;
  double a_ = 0.0, b_ = 0.0, c_ = 0.0;  // kind-specific, see Make
  // Normal and lognormal: the standard-normal interval of the truncation,
  // as probabilities from below (pLow_, pHigh_) or, when the whole interval
  // lies above the median, from above (upper_ = true, survival values), so
  // that a far upper tail keeps its digits.
  double pLow_ = 0.0, pHigh_ = 1.0;
  bool truncated_ = false, upper_ = false;
  double truncatedHigh_ = 0.0;  // the truncation's max; its min is in c_
};

// The lognormal whose central `confidence` interval (0.9 for a 90 %
// interval) is [low, high]: median sqrt(low high) and geometric sd
// (high/low)^(1 / (2 z)), z the normal quantile of (1 + confidence) / 2.
// Offered for a decay constant the site's wells give with an interval.
// False when 0 < low < high and 0 < confidence < 1 do not hold.
bool LogNormalFromInterval(double low, double high, double confidence, double* median, double* geometricSd);
