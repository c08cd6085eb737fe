// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What a project says about the uncertainty of its inputs: a probability
// distribution for any of the inputs that enter a verdict, the number of
// samples to draw and the seed that makes a run repeatable. Kept with the
// project; the results of a run are not (engine/uncertainty/montecarlo.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The inputs that may get a distribution. Width is the source's full width
// across the flow, W = 2 Sy (the model holds the half-width Sy = W/2);
// thickness is the source's thickness, held as Sz. Lambda, C0 and CA belong
// to one contaminant each.
enum class UncertainInput { X, Kf, I, Ne, Ax, Ay, Az, Width, Thickness, Lambda, C0, CA };
constexpr int kUncertainInputCount = 12;
// "x", "Kf", "i", "ne", "ax", "ay", "az", "width", "thickness", "lambda",
// "C0", "CA": the names the project's JSON uses.
const char* UncertainInputName(UncertainInput input);
std::optional<UncertainInput> UncertainInputFromName(const std::string& name);
// Lambda, C0 and CA.
bool IsContaminantInput(UncertainInput input);

enum class DistributionKind { Fixed, Uniform, LogUniform, Triangular, Normal, LogNormal };
// "fixed", "uniform", "loguniform", "triangular", "normal", "lognormal".
const char* DistributionKindName(DistributionKind kind);
std::optional<DistributionKind> DistributionKindFromName(const std::string& name);

// One input's distribution. The parameters, in the input's own unit:
//   fixed       none: the input keeps the project's value
//   uniform     min, max
//   loguniform  min, max
//   triangular  min, mode, max
//   normal      mean, sd [, min, max]            optional truncation
//   lognormal   median, geometric sd [, min, max] optional truncation
// The geometric sd is the factor of one standard deviation on the log
// scale, exp(sigma_ln); a factor of 2 means "within a factor 2 at one sigma".
struct InputDistribution {
  UncertainInput input = UncertainInput::Kf;
  // For lambda, C0 and CA the contaminant's name exactly as the project's
  // contaminant record holds it (Latin-1); empty for the other inputs.
  std::string contaminant;
  DistributionKind kind = DistributionKind::Fixed;
  std::vector<double> params;

  bool operator==(const InputDistribution&) const = default;
};

constexpr int kDefaultUncertaintySamples = 1000;
constexpr uint64_t kDefaultUncertaintySeed = 1;
constexpr int kMaxUncertaintySamples = 1000000;

struct UncertaintyPlan {
  int samples = kDefaultUncertaintySamples;
  uint64_t seed = kDefaultUncertaintySeed;
  std::vector<InputDistribution> inputs;

  bool operator==(const UncertaintyPlan&) const = default;
  // Nothing to keep: a project with this plan is written as before.
  bool IsDefault() const { return *this == UncertaintyPlan{}; }
};

// "Kf", "source width", "lambda of Benzene" (the name as stored): how a
// message names the input of a distribution.
std::string UncertainInputLabel(const InputDistribution& distribution);
