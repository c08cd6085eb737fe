// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Plume length (plug flow with first-order decay) and attenuation factor
// (steady-state centre-line solution with dispersion and decay).
#include "engine/core/calc.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/core/validation.h"
#include "engine/project/transport.h"

double SeriesErf(double z) {
  // A source extent over a vanishing dispersivity gives an infinite (or
  // undefined) argument: that factor then spreads nothing away, erf = 1.
  // Finite arguments use the library's erf, which stays exact where a power
  // series loses all accuracy (from about 5 on its terms cancel badly).
  if (!std::isfinite(z)) return 1.0;
  return std::erf(z);
}

namespace {

constexpr double kVelocityThreshold = 1e-40;
constexpr double kReciprocalThreshold = 1e-30;

// ln(C0 / CA), also where the quotient itself overflows (C0 = 1e305 with
// CA = 1e-10 is a plume some hundred half-lives long, not an infinite one).
double LogConcentrationRatio(double c0, double ca) {
  const double quotient = c0 / ca;
  return std::isfinite(quotient) ? std::log(quotient) : std::log(c0) - std::log(ca);
}

void CalcPlumeLength(const Aquifer& a, const Contaminant& c, ContaminantResult& r) {
  double lambda = 0.0;
  virelo_GetLambda(&c, &lambda);
  const double v = (a.gradientI / a.porosityNe) * a.conductivityKf;
  r.plumeLength = LogConcentrationRatio(c.c0, c.ca) * (1.0 / lambda) * v;
  r.plumeLengthRatio = r.plumeLength / a.distanceX;
}

void CalcAttenuationFactor(const Aquifer& a, const Contaminant& c, ContaminantResult& r) {
  double lambda = 0.0;
  virelo_GetLambda(&c, &lambda);
  const double x = a.distanceX;
  const double v = a.gradientI * a.conductivityKf / a.porosityNe;
  double relative = 0.0;
  if (!(std::fabs(v) < kVelocityThreshold)) {
    const double eY = SeriesErf(a.sourceThicknessSy / std::sqrt(a.dispersivityAy * x * 4.0));
    const double eZ = SeriesErf(a.sourceWidthSz / std::sqrt(a.dispersivityAz * x * 4.0));
    const double ax = a.dispersivityAx;
    const double e = (1.0 - std::sqrt(1.0 + (4.0 / v) * ax * lambda)) * (x / (2.0 * ax));
    relative = std::exp(e) * eZ * eY;
  }
  r.relativeConcentration = relative;
  r.receptorConcentration = relative * c.c0;
  // A vanishing receptor concentration gives AF 0 (and so an infinite C0 to
  // acceptable-source ratio: nothing arrives). An undefined one, from inputs
  // such as a negative ax that the square root cannot take, stays undefined
  // all the way through, so that it cannot pass for "nothing arrives".
  if (std::isnan(relative)) {
    r.attenuationFactor = relative;
  } else {
    r.attenuationFactor = std::fabs(relative) > kReciprocalThreshold ? 1.0 / relative : 0.0;
  }
  r.acceptableSourceConcentration = c.ca * r.attenuationFactor;
  r.sourceRatio = virelo_math_SourceRatio(c.c0, c.ca, relative);
}

}  // namespace

double virelo_math_SourceRatio(double c0, double ca, double relativeConcentration) {
  const double c = relativeConcentration;
  if (std::isnan(c) || c < 0.0) return std::numeric_limits<double>::quiet_NaN();
  if (c == 0.0) return std::numeric_limits<double>::infinity();
  // The quotient as the results have always shown it, wherever it is
  // representable all the way through.
  if (c > kReciprocalThreshold) {
    const double acceptable = ca * (1.0 / c);
    const double ratio = c0 / acceptable;
    if (acceptable > 0.0 && std::isfinite(acceptable) && std::isfinite(ratio)) return ratio;
  }
  // A receptor concentration below 1e-30 of C0 still counts when C0 is that
  // many times CA; and C0 / CA or CA * AF may overflow. Only a ratio beyond
  // the double range remains, and it is certainly red.
  if (!(c0 > 0.0 && ca > 0.0)) return c0 * c / ca;
  const double logRatio = std::log(c0) - std::log(ca) + std::log(c);
  return logRatio >= std::log(DBL_MAX) ? DBL_MAX : std::exp(logRatio);
}

void virelo_math_CalcPlumeLength(const Aquifer* aquifer, const Contaminant* contaminant,
                                 ContaminantResult* result) {
  if (aquifer && contaminant && result) CalcPlumeLength(*aquifer, *contaminant, *result);
}

void virelo_math_CalcAttenuationFactor(const Aquifer* aquifer, const Contaminant* contaminant,
                                       ContaminantResult* result) {
  if (aquifer && contaminant && result) CalcAttenuationFactor(*aquifer, *contaminant, *result);
}

int virelo_math_CalcAll(Project* project) {
  if (!project) return 0;
  const Aquifer& aquifer = project->aquifer;
  const int count = project->contaminants ? project->contaminantCount : 0;
  // Room for every assessed contaminant at once, so that a large list does
  // not move its results block once per record. Without that room the
  // records are added one by one, and the first that fails ends the pass.
  long capacity = project->resultCount;
  long assessed = 0;
  for (int k = 0; k < count; ++k) assessed += project->contaminants[k].assess != 0;
  if (assessed > 0) {
    void* block =
        std::realloc(project->results, sizeof(ContaminantResult) * static_cast<size_t>(capacity + assessed));
    if (block) {
      project->results = static_cast<ContaminantResult*>(block);
      capacity += assessed;
    }
  }
  for (int k = 0; k < count; ++k) {
    // Under "decay of dissolved and sorbed phase" the steady state decays at
    // lambda * R; otherwise this is the record itself.
    const Contaminant contaminant = virelo_SteadyContaminant(*project, project->contaminants[k]);
    if (contaminant.assess == 0) continue;
    // The count is 16-bit: a list already full of results cannot take more.
    const bool full = project->resultCount == INT16_MAX;
    if (full ||
        (project->resultCount >= capacity && !resizeArray(&project->results, project->resultCount + 1L))) {
      ReportError(ActiveReportCallbacks(), "virelo_math_CalcAll", 0, "Error allocating results!");
      return 0;
    }
    ContaminantResult& r = project->results[project->resultCount];
    ++project->resultCount;
    std::memset(&r, 0, sizeof r);
    r.contaminantIndex = static_cast<int16_t>(k);

    if (contaminant.assess & kAssessPlumeLength) {
      r.plAquiferProblemCount =
          static_cast<int16_t>(virelo_CheckAquiferPlumeLength(&aquifer, &r.plAquiferProblems));
      r.plContaminantProblemCount =
          static_cast<int16_t>(virelo_CheckContaminant(&contaminant, &r.plContaminantProblems));
      if (r.plAquiferProblemCount == 0 && r.plContaminantProblemCount == 0) {
        CalcPlumeLength(aquifer, contaminant, r);
      }
    }
    if (contaminant.assess & kAssessAttenuationFactor) {
      r.afAquiferProblemCount = static_cast<int16_t>(virelo_CheckAquiferAF(&aquifer, &r.afAquiferProblems));
      r.afContaminantProblemCount =
          static_cast<int16_t>(virelo_CheckContaminant(&contaminant, &r.afContaminantProblems));
      if (r.afAquiferProblemCount == 0 && r.afContaminantProblemCount == 0) {
        CalcAttenuationFactor(aquifer, contaminant, r);
      }
    }
  }
  return 1;
}
