// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/evidence/verdicttarget.h"

#include <cmath>

#include "engine/core/verdict.h"

namespace {

// Red < Yellow < Green; Problems alone is no class to compare with.
bool IsWorse(AssessmentClass a, AssessmentClass b) {
  if (a == AssessmentClass::Problems || b == AssessmentClass::Problems) return false;
  return static_cast<int>(a) < static_cast<int>(b);
}

// The source concentration that scales a receptor concentration `at` down
// to CA: C0 * CA / at. Nothing arriving leaves any source acceptable.
double Scaled(double c0, double ca, double at) {
  if (std::isnan(at) || std::isnan(c0) || std::isnan(ca)) return std::numeric_limits<double>::quiet_NaN();
  if (at <= 0.0) return std::numeric_limits<double>::infinity();
  return c0 * ca / at;
}

}  // namespace

VerdictTarget TargetOfVerdict(const Contaminant& contaminant, const ContaminantResult& result,
                              const RowVerdict& verdict, VerdictBasis basis) {
  VerdictTarget t;
  if (verdict.plumeLength || verdict.verdict == AssessmentClass::Problems) return t;
  const ModelAssessment& m = verdict.models;
  // A daughter formed only in the plume has no source of its own: its share
  // of the scaled sources is 0.
  const double c0 = (contaminant.valueMask & kValueC0) ? contaminant.c0 : 0.0;
  const double ca = contaminant.ca;
  if (verdict.wells.hasClass && IsWorse(verdict.wells.cls, m.cls)) {
    t.value = Scaled(c0, ca, verdict.wells.concentration);
    t.origin = TargetOrigin::Wells;
    return t;
  }
  if (m.inChain && (!m.singleSpecies || !IsWorse(m.basisClass, m.chainClass))) {
    const double chain = Scaled(c0, ca, m.chainValue);
    const double models = m.singleSpecies ? TargetConcentration(contaminant, result, basis) : chain;
    // Of a chain and a model of the same class, the stricter target.
    if (!m.singleSpecies || IsWorse(m.chainClass, m.basisClass) || chain < models) {
      t.value = chain;
      t.origin = TargetOrigin::Chain;
      t.chainIndex = m.chainIndex;
      return t;
    }
  }
  t.value = TargetConcentration(contaminant, result, basis);
  t.origin = TargetOrigin::Models;
  return t;
}

const char* TargetOriginWords(TargetOrigin origin) {
  switch (origin) {
    case TargetOrigin::None: return "";
    case TargetOrigin::Models: return "from the models";
    case TargetOrigin::Chain: return "from the chain";
    case TargetOrigin::Wells: return "from the wells";
  }
  return "";
}
