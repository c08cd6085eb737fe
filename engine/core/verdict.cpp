// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/core/verdict.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/exact.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool HasExact(const ContaminantResult& result) {
  return result.exactComputed && !HasAttenuationFactorProblems(result);
}

// Red < Yellow < Green: the smaller class is the worse verdict.
AssessmentClass Worse(AssessmentClass a, AssessmentClass b) {
  return static_cast<int>(a) < static_cast<int>(b) ? a : b;
}

// CA * AF; where the receptor sees less than 1e-30 of C0 the attenuation
// factor is stored as 0 ("nothing arrives"), yet any source up to CA / (C/C0)
// still meets CA, and that is the target to give, not "remove it all".
double Target(double ca, double attenuationFactor, double relative) {
  if (attenuationFactor != 0.0 || !(relative >= 0.0)) return ca * attenuationFactor;
  return relative > 0.0 ? ca / relative : std::numeric_limits<double>::infinity();
}

}  // namespace

ReceptorConcentrations ReceptorConcentrationsOf(const Contaminant& contaminant,
                                                const ContaminantResult& result) {
  ReceptorConcentrations r{contaminant.c0 * result.relativeConcentration, kNaN, HasExact(result)};
  if (r.hasExact) r.exact = contaminant.c0 * result.exactRelativeConcentration;
  return r;
}

double TargetConcentration(const Contaminant& contaminant, const ContaminantResult& result,
                           VerdictBasis basis) {
  const double screening = Target(contaminant.ca, result.attenuationFactor, result.relativeConcentration);
  if (basis == VerdictBasis::Screening) return screening;
  if (!HasExact(result)) return kNaN;
  const double exact =
      Target(contaminant.ca, result.exactAttenuationFactor, result.exactRelativeConcentration);
  if (basis == VerdictBasis::Exact) return exact;
  // std::min would hand back whichever argument is not NaN when the first is.
  if (std::isnan(screening) || std::isnan(exact)) return kNaN;
  return std::min(screening, exact);
}

AssessmentClass VerdictClass(const ContaminantResult& result, AssessmentRange range, VerdictBasis basis) {
  if (HasAttenuationFactorProblems(result)) return AssessmentClass::Problems;
  const AssessmentClass screening = ClassifyAttenuationFactor(result.sourceRatio, range);
  if (basis == VerdictBasis::Screening) return screening;
  const AssessmentClass exact = ClassifyExactAttenuationFactor(result, range);
  if (basis == VerdictBasis::Exact || exact == AssessmentClass::Problems) return exact;
  return Worse(screening, exact);
}

bool StraddlesAcceptable(const Contaminant& contaminant, const ContaminantResult& result) {
  const ReceptorConcentrations r = ReceptorConcentrationsOf(contaminant, result);
  if (!r.hasExact || std::isnan(r.screening) || std::isnan(r.exact) || std::isnan(contaminant.ca))
    return false;
  return (r.screening > contaminant.ca) != (r.exact > contaminant.ca);
}

std::string FormatConcentration(double value) {
  if (value == 0.0) return "0";
  const double magnitude = std::fabs(value);
  if (std::isfinite(value) && magnitude >= 1e-3 && magnitude < 1e6) {
    // Four significant digits: as many decimals as the leading digit leaves.
    const int decimals = std::clamp(3 - static_cast<int>(std::floor(std::log10(magnitude))), 0, 6);
    const std::string format = "%." + std::to_string(decimals) + "f";
    return FormatResultValue(value, format.c_str(), format.c_str());
  }
  return FormatResultValue(value, "%.3E", "%.3E");
}
