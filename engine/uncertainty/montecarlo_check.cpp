// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The checks of an uncertainty plan before any run: every distribution must
// make one and must draw only values the input checks accept, so that a run
// never meets a draw it cannot compute.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "diagnostics/text.h"
#include "engine/core/distributions.h"
#include "engine/project/records.h"
#include "engine/uncertainty/montecarlo.h"

namespace {

constexpr double kMinimum = 1e-10;  // "greater than 0" in the input checks
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Number(double v) {
  char text[32];
  FormatCNumber(text, sizeof text, "%.4g", v);
  return text;
}

bool Assessed(const Project& project, int index) {
  return index >= 0 && project.contaminants[index].assess != 0;
}

// The values the input checks accept, as an interval and in words.
struct Accepted {
  double low, high;
  const char* words;
};
Accepted AcceptedValues(UncertainInput input) {
  switch (input) {
    case UncertainInput::Ne: return {kMinimum, 1.0, "greater than 0 and at most 1"};
    case UncertainInput::Ay:
    case UncertainInput::Az: return {0.0, kInf, "0 or more"};
    default: return {kMinimum, kInf, "greater than 0"};
  }
}

bool IsDispersivity(UncertainInput input) {
  return input == UncertainInput::Ax || input == UncertainInput::Ay || input == UncertainInput::Az;
}

}  // namespace

std::vector<std::string> CheckUncertaintyPlan(const Project& project, const UncertaintyPlan& plan) {
  std::vector<std::string> problems;
  if (plan.samples < 1 || plan.samples > kMaxUncertaintySamples)
    problems.push_back("The number of samples must lie between 1 and " +
                       std::to_string(kMaxUncertaintySamples) + ".");
  const bool followX = project.approximateDispersivity != 0;
  for (size_t n = 0; n < plan.inputs.size(); ++n) {
    const InputDistribution& d = plan.inputs[n];
    const std::string label = UncertainInputLabel(d);
    const bool perContaminant = IsContaminantInput(d.input);
    if (perContaminant && d.contaminant.empty()) {
      problems.push_back(label + ": name the contaminant it belongs to.");
      continue;
    }
    if (!perContaminant && !d.contaminant.empty()) {
      problems.push_back(label + ": only lambda, C0 and CA belong to a contaminant.");
      continue;
    }
    const int index = perContaminant ? UncertaintyContaminantIndex(project, d.contaminant) : -1;
    if (perContaminant && index < 0) {
      problems.push_back(label + ": the project has no contaminant of that name.");
      continue;
    }
    const bool twice = std::any_of(
        plan.inputs.begin(), plan.inputs.begin() + static_cast<long>(n),
        [&](const InputDistribution& e) { return e.input == d.input && e.contaminant == d.contaminant; });
    if (twice) {
      problems.push_back(label + " has more than one distribution.");
      continue;
    }
    std::string why;
    const Sampler sampler = Sampler::Make(d.kind, d.params, &why);
    if (!why.empty()) {
      problems.push_back(label + ": " + why + ".");
      continue;
    }
    if (sampler.IsFixed()) continue;
    if (followX && IsDispersivity(d.input)) {
      problems.push_back(
          label +
          ": \"Approximate by x\" derives the dispersivities from x, so this distribution would be "
          "ignored. Give x a distribution instead, or switch the approximation off.");
      continue;
    }
    if (d.input == UncertainInput::Lambda &&
        !virelo_LambdaField(&project.contaminants[index], project.contaminants[index].lambdaSelected)) {
      problems.push_back(label + ": the contaminant has no decay constant selected that this could replace.");
      continue;
    }
    const double low = sampler.Lowest(), high = sampler.Highest();
    const Accepted accepted = AcceptedValues(d.input);
    if (!std::isfinite(low) || !std::isfinite(high)) {
      problems.push_back(label + ": the " + DistributionKindName(d.kind) +
                         " distribution can draw values too large to compute with. Narrow or truncate it.");
    } else if (low < accepted.low || high > accepted.high) {
      problems.push_back(label + ": the " + DistributionKindName(d.kind) +
                         " distribution can draw values from " + Number(low) + " to " + Number(high) +
                         ", but " + label + " must be " + accepted.words + ". Narrow or truncate it.");
    }
  }
  // CA must not exceed C0 in any draw: compare the largest CA with the
  // smallest C0 that can meet in one sample.
  if (project.contaminants) {
    for (int k = 0; k < project.contaminantCount; ++k) {
      const Contaminant& c = project.contaminants[k];
      if (!Assessed(project, k)) continue;
      double largestCa = c.ca, smallestC0 = c.c0;
      bool drawn = false;
      for (const InputDistribution& d : plan.inputs) {
        if (d.contaminant != c.name || (d.input != UncertainInput::C0 && d.input != UncertainInput::CA))
          continue;
        std::string why;
        const Sampler s = Sampler::Make(d.kind, d.params, &why);
        if (!why.empty() || s.IsFixed()) continue;
        drawn = true;
        if (d.input == UncertainInput::CA) largestCa = s.Highest();
        if (d.input == UncertainInput::C0) smallestC0 = s.Lowest();
      }
      if (drawn && largestCa > smallestC0)
        problems.push_back(std::string("CA of ") + c.name + ": a draw can give CA up to " +
                           Number(largestCa) + " with C0 as low as " + Number(smallestC0) +
                           ", but CA must not exceed C0. Narrow or truncate the two.");
    }
  }
  return problems;
}
