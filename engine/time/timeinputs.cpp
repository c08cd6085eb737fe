// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/time/timeinputs.h"

#include <cmath>
#include <cstdlib>

#include "diagnostics/text.h"

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/core/verdict.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/verdicttarget.h"
#include "engine/project/assessment.h"
#include "engine/project/transport.h"

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
  if (!out.usable) out.problem = "its attenuation factor cannot be computed";
  const TransportInputs& transport = TransportOf(project);
  const bool transportUsable =
      virelo_CheckSorption(transport.aquifer).empty() &&
      virelo_CheckContaminantTransport(ContaminantTransportOf(transport, contaminant.name)).empty();
  if (!transportUsable) {
    out.usable = false;
    out.problem = "the sorption or source inputs have problems";
  }
  const SourceDecay source = virelo_SourceDecayOf(project, contaminant);
  if (out.usable && !source.problem.empty()) {
    out.usable = false;
    out.problem = source.problem;
  }

  // The target is the steady verdict's: under decay of both phases it is
  // computed at lambda * R, as the assessment computes it.
  const Contaminant steady = virelo_SteadyContaminant(project, contaminant);
  ContaminantResult r{};
  r.contaminantIndex = static_cast<int16_t>(contaminantIndex);
  if (out.usable) virelo_math_CalcAttenuationFactor(&aquifer, &steady, &r);
  const VerdictBasis basis = VerdictOptionsOf(project).basis;
  if (out.usable && basis != VerdictBasis::Screening)
    virelo_math_CalcExactAttenuationFactor(&aquifer, &steady, &r);

  // The transient model applies the convention to the dissolved phase's
  // own rate itself.
  double lambda = 0.0;
  virelo_GetLambda(&contaminant, &lambda);
  const Retardation retardation = virelo_RetardationOf(project, contaminant.name);
  const DecayOf decayOf = transport.aquifer.decayOf;
  const double ks = source.problem.empty() ? source.ks : 0.0;
  out.retardationBasis = RetardationText(retardation);
  // Four significant digits: a sentence for the reader, not a value to
  // compute with (the timing rows carry ks in full).
  auto shown = [](double value) {
    char text[32];
    FormatCNumber(text, sizeof text, "%.4g", value);
    return std::string(text);
  };
  switch (source.kind) {
    case SourceDecayKind::Constant: out.sourceBasis = "constant source"; break;
    case SourceDecayKind::Rate: out.sourceBasis = "source decaying at ks = " + shown(ks) + " 1/d"; break;
    case SourceDecayKind::Mass:
      out.sourceBasis = "source decaying by mass balance: ks = Q C0 / M0 = " + shown(ks) +
                        " 1/d, Q = " + shown(source.flow) + " m3/d";
      break;
  }
  out.timing.inputs = TransientInputsFrom(aquifer, lambda, retardation.value, decayOf, ks);
  out.timing.c0 = contaminant.c0;
  out.timing.ca = contaminant.ca;
  // The target of the row's verdict: where the wells or a chain make it
  // worse than the models, theirs, as the results show it. A daughter its
  // chain alone carries has no source of its own to bring to a target.
  out.timing.target = NAN;
  if (out.usable) {
    const RowVerdict verdict = VerdictOfResult(project, r, false, VerdictOptionsOf(project));
    out.timing.target = TargetOfVerdict(steady, r, verdict, basis).value;
  }
  // A daughter formed in the plume needs no usable inputs of its own: its
  // chain carries it (the chain's checks include the aquifer's).
  if (transportUsable) AttachTimeChain(project, contaminantIndex, &out);
  if (out.timing.chain && !out.usable) {
    out.usable = true;
    out.problem.clear();
  }
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
