// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/timeinputs.h"

#include <cmath>
#include <cstdlib>

#include "engine/assessment.h"
#include "engine/calc.h"
#include "engine/evidence.h"
#include "engine/exact.h"
#include "engine/validation.h"
#include "engine/verdict.h"

namespace {

// The same checks as the assessment's attenuation factor: where they find a
// problem, the steady value and so every time is undefined.
bool HasProblems(const Aquifer& aquifer, const Contaminant& contaminant) {
  ProblemCode* codes = nullptr;
  int count = virelo_CheckAquiferAF(&aquifer, &codes);
  std::free(codes);
  if (count != 0) return true;
  codes = nullptr;
  count = virelo_CheckContaminant(&contaminant, &codes);
  std::free(codes);
  return count != 0;
}

}  // namespace

TimeInputs TimeInputsOf(const Project& project, int contaminantIndex) {
  TimeInputs out;
  if (contaminantIndex < 0 || contaminantIndex >= project.contaminantCount) return out;
  const Contaminant& contaminant = project.contaminants[contaminantIndex];
  const Aquifer& aquifer = project.aquifer;
  out.timing.name = contaminant.name;

  out.usable = !HasProblems(aquifer, contaminant);
  ContaminantResult r{};
  r.contaminantIndex = static_cast<int16_t>(contaminantIndex);
  if (out.usable) virelo_math_CalcAttenuationFactor(&aquifer, &contaminant, &r);
  const VerdictBasis basis = VerdictOptionsOf(project).basis;
  if (out.usable && basis != VerdictBasis::Screening)
    virelo_math_CalcExactAttenuationFactor(&aquifer, &contaminant, &r);

  double lambda = 0.0;
  virelo_GetLambda(&contaminant, &lambda);
  const double R = 1.0;
  const DecayOf decayOf = DecayOf::Dissolved;
  const double ks = 0.0;
  out.retardationBasis = "R = 1: no sorption";
  out.sourceBasis = "constant source";
  out.timing.inputs = TransientInputsFrom(aquifer, lambda, R, decayOf, ks);
  out.timing.c0 = contaminant.c0;
  out.timing.ca = contaminant.ca;
  out.timing.target = out.usable ? TargetConcentration(contaminant, r, basis) : NAN;
  return out;
}

std::vector<int> TimeContaminantsOf(const Project& project) {
  std::vector<int> indices;
  for (int k = 0; k < project.contaminantCount; ++k) {
    if (project.contaminants[k].assess & kAssessAttenuationFactor) indices.push_back(k);
  }
  return indices;
}

const char* DecayOfName(DecayOf decayOf) {
  return decayOf == DecayOf::DissolvedAndSorbed ? "Decay of dissolved and sorbed phase"
                                                : "Decay of the dissolved phase only";
}
