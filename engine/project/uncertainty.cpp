// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Names of the uncertain inputs and of the distribution kinds.
#include "engine/project/uncertainty.h"

namespace {

constexpr const char* kInputNames[kUncertainInputCount] = {"x",  "Kf",    "i",         "ne",     "ax", "ay",
                                                           "az", "width", "thickness", "lambda", "C0", "CA"};
constexpr const char* kKindNames[] = {"fixed", "uniform", "loguniform", "triangular", "normal", "lognormal"};

}  // namespace

const char* UncertainInputName(UncertainInput input) {
  const int k = static_cast<int>(input);
  return k >= 0 && k < kUncertainInputCount ? kInputNames[k] : "";
}

std::optional<UncertainInput> UncertainInputFromName(const std::string& name) {
  for (int k = 0; k < kUncertainInputCount; ++k)
    if (name == kInputNames[k]) return static_cast<UncertainInput>(k);
  return std::nullopt;
}

bool IsContaminantInput(UncertainInput input) {
  return input == UncertainInput::Lambda || input == UncertainInput::C0 || input == UncertainInput::CA;
}

const char* DistributionKindName(DistributionKind kind) {
  const auto k = static_cast<size_t>(kind);
  return k < std::size(kKindNames) ? kKindNames[k] : "";
}

std::optional<DistributionKind> DistributionKindFromName(const std::string& name) {
  for (size_t k = 0; k < std::size(kKindNames); ++k)
    if (name == kKindNames[k]) return static_cast<DistributionKind>(k);
  return std::nullopt;
}

std::string UncertainInputLabel(const InputDistribution& distribution) {
  switch (distribution.input) {
    case UncertainInput::Width: return "source width";
    case UncertainInput::Thickness: return "source thickness";
    default: break;
  }
  std::string label = UncertainInputName(distribution.input);
  if (IsContaminantInput(distribution.input)) label += " of " + distribution.contaminant;
  return label;
}
