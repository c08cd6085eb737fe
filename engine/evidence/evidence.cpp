// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One verdict per row: the models under the basis, the decay chain and the
// wells, the worst of them, and the words that say which made it worse.
#include "engine/evidence/evidence.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kVelocityThreshold = 1e-40;

// Red < Yellow < Green: the smaller class is the worse verdict. Problems
// alone is no class to compare with.
bool IsWorse(AssessmentClass a, AssessmentClass b) {
  if (a == AssessmentClass::Problems || b == AssessmentClass::Problems) return false;
  return static_cast<int>(a) < static_cast<int>(b);
}

AssessmentClass WorseOf(AssessmentClass a, AssessmentClass b) {
  if (a == AssessmentClass::Problems) return b;
  if (b == AssessmentClass::Problems) return a;
  return IsWorse(b, a) ? b : a;
}

// The larger of two concentrations or ratios; undefined where either is.
double LargerOf(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return kNaN;
  return std::max(a, b);
}

// The worse of two ratios of one assessment: the larger, but for the
// attenuation factor's infinite ratio, which means that nothing arrives and
// is the best there is.
double WorseRatio(double a, double b, bool plumeLength) {
  if (std::isnan(a) || std::isnan(b)) return kNaN;
  if (!plumeLength) {
    if (std::isinf(a)) return b;
    if (std::isinf(b)) return a;
  }
  return std::max(a, b);
}

bool NeedsExact(VerdictBasis basis) {
  return basis != VerdictBasis::Screening;
}

double Velocity(const Aquifer& a) {
  return a.gradientI * a.conductivityKf / a.porosityNe;
}

// The value of a chain species under the basis.
double UnderBasis(double screening, double exact, VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return screening;
    case VerdictBasis::Exact: return exact;
    case VerdictBasis::Worse: break;
  }
  return LargerOf(screening, exact);
}

// ---- Plug flow along a chain -------------------------------------------------

// C_i at the travel time tau (s = v tau) under plug flow.
double PlugFlowAt(const Aquifer& aquifer, const ResolvedChain& chain, int species, double tau) {
  const double v = Velocity(aquifer);
  std::vector<double> c(static_cast<size_t>(chain.size()));
  ChainConcentrations(aquifer, chain, ChainModel::PlugFlow, tau * v, c.data());
  return c[static_cast<size_t>(species)];
}

// The farthest travel time at which f(tau) >= target, by bisection between
// a time where it holds and a later one where it does not.
template <typename F>
double LastCrossing(F f, double target, double holds, double fails) {
  for (int k = 0; k < 200 && fails - holds > 1e-14 * fails; ++k) {
    const double mid = 0.5 * (holds + fails);
    (f(mid) >= target ? holds : fails) = mid;
  }
  return holds;
}

}  // namespace

VerdictOptions VerdictOptionsOf(const Project& project) {
  const ProjectSettings& settings = virelo_SettingsOf(project);
  VerdictOptions options;
  options.plumeRange = AssessmentRangeOf(settings.plumeRange);
  options.afRange = AssessmentRangeOf(settings.afRange);
  options.basis = settings.verdictBasis;
  return options;
}

std::string VerdictReasonWords(unsigned reasons) {
  std::string words;
  const std::pair<unsigned, const char*> all[] = {
      {kReasonExact, "exact"}, {kReasonChain, "chain"}, {kReasonWells, "wells"}};
  for (const auto& [bit, word] : all) {
    if (!(reasons & bit)) continue;
    if (!words.empty()) words.push_back(' ');
    words += word;
  }
  return words;
}

std::vector<ChainLink> ChainLinksOf(const Project& project, int contaminantIndex) {
  std::vector<ChainLink> links;
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(project).chains;
  for (size_t k = 0; k < chains.size(); ++k) {
    ChainLink link;
    // The species' checks only: the attenuation factor's rows need the
    // aquifer's checks anyway, and plug flow does without dispersivities.
    if (!ResolveChainSpecies(project, chains[k], &link.chain).empty()) continue;
    for (int i = 0; i < link.chain.size(); ++i) {
      if (link.chain.contaminantIndex[static_cast<size_t>(i)] != contaminantIndex) continue;
      link.chainIndex = static_cast<int>(k);
      link.species = i;
      links.push_back(link);
      break;
    }
  }
  return links;
}

bool IsChainSpecies(const Project& project, int contaminantIndex) {
  if (!project.contaminants || contaminantIndex < 0 || contaminantIndex >= project.contaminantCount)
    return false;
  const char* name = project.contaminants[contaminantIndex].name;
  const std::string own(name, strnlen(name, kNameCapacity));
  for (const DecayChain& chain : virelo_ExtrasOf(project).chains)
    if (std::find(chain.species.begin(), chain.species.end(), own) != chain.species.end()) return true;
  return false;
}

void RefreshChainSpecies(const Contaminant& c, int species, ResolvedChain* chain) {
  const size_t i = static_cast<size_t>(species);
  double lambda = 0.0;
  virelo_GetLambda(&c, &lambda);
  chain->rate[i] = lambda;
  chain->c0[i] = (c.valueMask & kValueC0) ? c.c0 : 0.0;
  chain->ca[i] = (c.valueMask & kValueCa) ? c.ca : 0.0;
}

double ChainPlumeLength(const Aquifer& aquifer, const ResolvedChain& chain, int species) {
  const size_t i = static_cast<size_t>(species);
  const double ca = chain.ca[i], v = Velocity(aquifer);
  if (std::isnan(v) || !(ca > 0.0)) return kNaN;
  // No flow carries nothing anywhere, as for a single species.
  if (std::fabs(v) < kVelocityThreshold) return 0.0;
  // The rates that carry mass to the species: those of every species from
  // the first with a source on. A species that does not decay passes nothing
  // on, so the species sees only what starts below it.
  double slowest = kInf, slowestUpstream = kInf;
  bool fed = false;
  for (int j = 0; j <= species; ++j) {
    if (chain.c0[static_cast<size_t>(j)] > 0.0) fed = true;
    if (!fed) continue;
    const double k = chain.rate[static_cast<size_t>(j)];
    if (j < species && !(k > 0.0)) {
      slowest = slowestUpstream = kInf;
      fed = false;
      continue;
    }
    slowest = std::min(slowest, k);
    if (j < species) slowestUpstream = std::min(slowestUpstream, k);
  }
  if (!fed) return 0.0;
  if (!(slowest > 0.0)) {
    // The species itself does not decay: it only gathers what its parents
    // pass on, and once at CA it stays there.
    const double late = std::isfinite(slowestUpstream) ? 1e3 / slowestUpstream : 0.0;
    return chain.c0[i] >= ca || PlugFlowAt(aquifer, chain, species, late) >= ca ? kInf : 0.0;
  }
  auto f = [&](double tau) { return PlugFlowAt(aquifer, chain, species, tau); };
  // Beyond (i)/k_min every term tau^m exp(-xi tau) of the Bateman solution
  // (m <= i, xi >= k_min) falls: the last crossing is there or before.
  const double settled = std::max(1.0, static_cast<double>(species)) / slowest;
  double holds = -1.0, fails = 0.0;
  if (f(settled) >= ca) {
    double later = 2.0 * settled;
    for (int k = 0; k < 2000 && f(later) >= ca; ++k) later *= 2.0;
    if (!(f(later) < ca)) return kInf;
    holds = settled, fails = later;
  } else {
    // The last grid point at or above CA, on a linear grid and on a
    // geometric one near the source where a fast parent feeds a peak early.
    constexpr int kPoints = 2000;
    std::vector<double> grid;
    for (int k = 0; k <= kPoints; ++k) grid.push_back(settled * k / kPoints);
    for (int k = 0; k < kPoints; ++k) grid.push_back(settled * std::pow(10.0, -12.0 * (k + 1) / kPoints));
    std::sort(grid.begin(), grid.end());
    for (size_t k = grid.size(); k-- > 0;) {
      if (f(grid[k]) >= ca) {
        holds = grid[k];
        fails = k + 1 < grid.size() ? grid[k + 1] : settled;
        break;
      }
    }
    if (holds < 0.0) return 0.0;
  }
  return LastCrossing(f, ca, holds, fails) * v;
}

namespace {

// The chain classes of a contaminant's links, folded into *m: the worst
// chain (the higher value where equal) and, where it is worse, the class of
// the assessment. `single` is the contaminant's own result, or null where
// its own inputs allow none and the chain alone gives the class.
void AddChainLinks(const Aquifer& aquifer, bool plumeLength, const std::vector<ChainLink>& links,
                   const VerdictOptions& options, const ContaminantResult* single, ModelAssessment* m) {
  for (const ChainLink& link : links) {
    AssessmentClass cls;
    double value, ratio, concentration;
    const double ca = link.chain.ca[static_cast<size_t>(link.species)];
    if (plumeLength) {
      // The parent's plume is the single species' own, to the last bit.
      const bool own = link.species == 0 && single;
      value = own ? single->plumeLength : ChainPlumeLength(aquifer, link.chain, link.species);
      ratio = own ? single->plumeLengthRatio : value / aquifer.distanceX;
      cls = ClassifyPlumeLength(ratio, options.plumeRange);
      std::vector<double> c(static_cast<size_t>(link.chain.size()));
      ChainConcentrations(aquifer, link.chain, ChainModel::PlugFlow, aquifer.distanceX, c.data());
      concentration = c[static_cast<size_t>(link.species)];
    } else {
      const size_t n = static_cast<size_t>(link.chain.size());
      std::vector<double> screening(n), exact(n, kNaN);
      ChainConcentrations(aquifer, link.chain, ChainModel::Screening, aquifer.distanceX, screening.data());
      if (NeedsExact(options.basis))
        ChainConcentrations(aquifer, link.chain, ChainModel::Exact, aquifer.distanceX, exact.data());
      const size_t i = static_cast<size_t>(link.species);
      value = concentration = UnderBasis(screening[i], exact[i], options.basis);
      ratio = value / ca;
      cls = ClassifyChainConcentration(value, ca, options.afRange);
    }
    if (cls == AssessmentClass::Problems) continue;
    const bool first = !m->inChain;
    m->inChain = true;
    if (first || IsWorse(cls, m->chainClass) || (cls == m->chainClass && value > m->chainValue)) {
      m->chainClass = cls;
      m->chainValue = value;
      m->chainIndex = link.chainIndex;
    }
    if (m->cls == AssessmentClass::Problems || IsWorse(cls, m->cls)) {
      m->cls = cls;
      m->ratio = ratio;
      m->concentration = concentration;
    } else if (cls == m->cls) {
      m->ratio = WorseRatio(m->ratio, ratio, plumeLength);
      m->concentration = LargerOf(m->concentration, concentration);
    }
  }
  // Without a class of its own, the chain is what gives the verdict.
  if (m->inChain && (!single || IsWorse(m->chainClass, m->screeningClass))) m->reasons |= kReasonChain;
}

}  // namespace

ModelAssessment AssessModels(const Aquifer& aquifer, const Contaminant& contaminant, bool plumeLength,
                             const std::vector<ChainLink>& links, const VerdictOptions& options,
                             const ContaminantResult* computed) {
  ModelAssessment m;
  ContaminantResult r{};
  if (computed) r = *computed;
  double lambda = 0.0;
  virelo_GetLambda(&contaminant, &lambda);
  if (plumeLength) {
    if (!computed) virelo_math_CalcPlumeLength(&aquifer, &contaminant, &r);
    m.screeningClass = m.basisClass = ClassifyPlumeLength(r.plumeLengthRatio, options.plumeRange);
    m.ratio = r.plumeLengthRatio;
    m.concentration = contaminant.c0 * std::exp(-lambda * aquifer.distanceX / Velocity(aquifer));
  } else {
    if (!computed) virelo_math_CalcAttenuationFactor(&aquifer, &contaminant, &r);
    if (NeedsExact(options.basis) && !r.exactComputed)
      virelo_math_CalcExactAttenuationFactor(&aquifer, &contaminant, &r);
    m.screeningClass = ClassifyAttenuationFactor(r.sourceRatio, options.afRange);
    const double exactConcentration = r.exactComputed ? contaminant.c0 * r.exactRelativeConcentration : kNaN;
    const double exactRatio = r.exactComputed ? r.exactSourceRatio : kNaN;
    switch (options.basis) {
      case VerdictBasis::Screening:
        m.basisClass = m.screeningClass;
        m.ratio = r.sourceRatio;
        m.concentration = r.receptorConcentration;
        break;
      case VerdictBasis::Exact:
        m.basisClass = ClassifyAttenuationFactor(exactRatio, options.afRange);
        m.ratio = exactRatio;
        m.concentration = exactConcentration;
        break;
      case VerdictBasis::Worse:
        m.basisClass = WorseOf(m.screeningClass, ClassifyAttenuationFactor(exactRatio, options.afRange));
        m.ratio = WorseRatio(r.sourceRatio, exactRatio, false);
        m.concentration = LargerOf(r.receptorConcentration, exactConcentration);
        break;
    }
  }
  m.cls = m.basisClass;
  if (IsWorse(m.basisClass, m.screeningClass)) m.reasons |= kReasonExact;
  AddChainLinks(aquifer, plumeLength, links, options, &r, &m);
  return m;
}

ModelAssessment AssessChainAlone(const Aquifer& aquifer, bool plumeLength,
                                 const std::vector<ChainLink>& links, const VerdictOptions& options) {
  ModelAssessment m;
  m.singleSpecies = false;
  AddChainLinks(aquifer, plumeLength, links, options, nullptr, &m);
  return m;
}

// The verdict of one row; `wells` the contaminant's wells' evidence, fitted
// once for both of its rows.
RowVerdict VerdictWithWells(const Project& project, const ContaminantResult& result, bool plumeLength,
                            const VerdictOptions& options, const WellsEvidence* wells) {
  RowVerdict v;
  v.contaminantIndex = result.contaminantIndex;
  v.plumeLength = plumeLength;
  if (!project.contaminants || result.contaminantIndex < 0 ||
      result.contaminantIndex >= project.contaminantCount)
    return v;
  const bool aquiferProblems =
      plumeLength ? result.plAquiferProblemCount != 0 : result.afAquiferProblemCount != 0;
  const bool ownProblems =
      plumeLength ? result.plContaminantProblemCount != 0 : result.afContaminantProblemCount != 0;
  if (aquiferProblems) return v;
  const std::vector<ChainLink> links = virelo_ExtrasOf(project).chains.empty()
                                           ? std::vector<ChainLink>{}
                                           : ChainLinksOf(project, result.contaminantIndex);
  if (ownProblems) {
    // A daughter formed in the plume may have no source of its own, a C0
    // below its CA, or no decay: the single-species model has nothing to
    // say of it, yet its chain does. Its own problems stay with the
    // single-species row.
    if (links.empty()) return v;
    v.models = AssessChainAlone(project.aquifer, plumeLength, links, options);
    if (!v.models.inChain) {
      v.models = ModelAssessment{};
      return v;
    }
  } else {
    // The models of the row see the decay the results were computed with.
    const Contaminant c = virelo_SteadyContaminant(project, project.contaminants[result.contaminantIndex]);
    v.models = AssessModels(project.aquifer, c, plumeLength, links, options, &result);
  }
  v.verdict = v.models.cls;
  v.reasons = v.models.reasons;
  if (wells) {
    v.wells = *wells;
    if (v.wells.hasClass) {
      v.verdict = WorseOf(v.verdict, v.wells.cls);
      // A row its chains alone judge has no screening class: the wells
      // are named where they are worse than the chains.
      const AssessmentClass measure = v.models.singleSpecies ? v.models.screeningClass : v.models.cls;
      if (IsWorse(v.wells.cls, measure)) v.reasons |= kReasonWells;
    }
  }
  return v;
}

namespace {

// The wells' evidence of a result's contaminant, or none without site data.
std::optional<WellsEvidence> WellsOf(const Project& project, const ContaminantResult& result,
                                     const VerdictOptions& options) {
  if (virelo_ExtrasOf(project).site.samples.empty() || result.contaminantIndex < 0 ||
      result.contaminantIndex >= project.contaminantCount)
    return std::nullopt;
  return WellsEvidenceOf(project, result.contaminantIndex, options.afRange, options.basis);
}

}  // namespace

RowVerdict VerdictOfResult(const Project& project, const ContaminantResult& result, bool plumeLength,
                           const VerdictOptions& options) {
  const std::optional<WellsEvidence> wells = WellsOf(project, result, options);
  return VerdictWithWells(project, result, plumeLength, options, wells ? &*wells : nullptr);
}

std::vector<RowVerdict> ProjectVerdicts(const Project& project, const VerdictOptions& options) {
  std::vector<RowVerdict> verdicts;
  for (int k = 0; project.results && k < project.resultCount; ++k) {
    const ContaminantResult& r = project.results[k];
    if (r.contaminantIndex < 0 || r.contaminantIndex >= project.contaminantCount) continue;
    const int32_t assess = project.contaminants[r.contaminantIndex].assess;
    const std::optional<WellsEvidence> wells = WellsOf(project, r, options);
    const WellsEvidence* w = wells ? &*wells : nullptr;
    if (assess & kAssessPlumeLength) verdicts.push_back(VerdictWithWells(project, r, true, options, w));
    if (assess & kAssessAttenuationFactor)
      verdicts.push_back(VerdictWithWells(project, r, false, options, w));
  }
  return verdicts;
}
