// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The site's own wells as evidence for a contaminant's verdict: the distance
// fit extrapolated to the receptor, and the models at each well beside what
// was measured there.
#include "engine/evidence/wellsevidence.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

#include "engine/chains/chaincalc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/projectunit.h"
#include "engine/project/sitedata.h"
#include "engine/project/transport.h"
#include "engine/site/sitefit.h"
#include "engine/site/siteproject.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool HoldsSamplesOf(const SiteData& site, const std::string& name) {
  return std::any_of(site.samples.begin(), site.samples.end(),
                     [&](const SiteSample& sample) { return sample.analyte == name; });
}

// The selected lambda, where the models can take it at a well: the aquifer
// passes the attenuation factor's checks, and C0 and the rate are usable.
bool ModelInputs(const Project& project, const Contaminant& c, double* lambda) {
  if (virelo_CheckAquiferAF(&project.aquifer, nullptr) != 0) return false;
  if (!(c.valueMask & kValueC0) || !(c.c0 > 0.0) || !std::isfinite(c.c0)) return false;
  return virelo_GetLambda(&c, lambda) && *lambda >= 0.0 && std::isfinite(*lambda);
}

// measured / model under the basis; the worse basis divides by the larger
// model value, the one that comes nearer the wells.
double Factor(double measured, double screening, double exact, VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return measured / screening;
    case VerdictBasis::Exact: return measured / exact;
    case VerdictBasis::Worse:
      if (std::isnan(screening) || std::isnan(exact)) return kNaN;
      return measured / std::max(screening, exact);
  }
  return kNaN;
}

// The fit's line extrapolated to the receptor, and its class there.
void Extrapolate(const Project& project, const Contaminant& c, const DistanceFit& fit,
                 const ConcentrationUnit& unit, AssessmentRange afRange, WellsEvidence* e) {
  const Aquifer& a = project.aquifer;
  if (!(a.setMask & kAquiferX) || !std::isfinite(a.distanceX)) return;
  const double x = a.distanceX;
  // The ends of the slope's interval turn the line about the fit's centroid,
  // where the line is best known.
  double meanS = 0.0, meanLn = 0.0;
  for (const SitePoint& p : fit.points) {
    meanS += p.s;
    meanLn += std::log(p.value);
  }
  meanS /= static_cast<double>(fit.points.size());
  meanLn /= static_cast<double>(fit.points.size());
  auto at = [&](double lnUgL, double* out) {
    // C(x) in ug/L, then in the project's unit.
    return FromMicrogramsPerLitre(std::exp(lnUgL), unit, out);
  };
  double centre = kNaN, low = kNaN, high = kNaN;
  if (!at(fit.line.intercept + fit.line.slope * x, &centre) ||
      !at(meanLn + fit.line.slopeLow * (x - meanS), &low) ||
      !at(meanLn + fit.line.slopeHigh * (x - meanS), &high) || !std::isfinite(centre))
    return;
  const double ca = (c.valueMask & kValueCa) ? c.ca : kNaN;
  const AssessmentClass cls = ClassifyChainConcentration(centre, ca, afRange);
  if (cls == AssessmentClass::Problems) return;
  e->concentration = centre;
  e->concentrationLow = low;
  e->concentrationHigh = high;
  e->cls = cls;
  e->clsAtLow = ClassifyChainConcentration(low, ca, afRange);
  e->clsAtHigh = ClassifyChainConcentration(high, ca, afRange);
  e->hasClass = true;
}

// The value of a chain species under the basis.
double UnderBasis(double screening, double exact, VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return screening;
    case VerdictBasis::Exact: return exact;
    case VerdictBasis::Worse: break;
  }
  if (std::isnan(screening) || std::isnan(exact)) return kNaN;
  return std::max(screening, exact);
}

// The chain a chain species is held against the wells with: of the chains
// that can be computed, the one whose concentration at the receptor under
// the basis is highest, which is the chain the verdict cites. False where
// the contaminant stands in no such chain.
bool ChainAtWells(const Project& project, int contaminantIndex, VerdictBasis basis, ResolvedChain* chain,
                  int* species, int* chainIndex) {
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(project).chains;
  double highest = -1.0;
  for (size_t k = 0; k < chains.size(); ++k) {
    ResolvedChain resolved;
    if (!ResolveChain(project, chains[k], &resolved).empty()) continue;
    const auto at =
        std::find(resolved.contaminantIndex.begin(), resolved.contaminantIndex.end(), contaminantIndex);
    if (at == resolved.contaminantIndex.end()) continue;
    const size_t i = static_cast<size_t>(at - resolved.contaminantIndex.begin());
    std::vector<double> screening(resolved.names.size()), exact(resolved.names.size(), kNaN);
    const double x = project.aquifer.distanceX;
    ChainConcentrations(project.aquifer, resolved, ChainModel::Screening, x, screening.data());
    if (basis != VerdictBasis::Screening)
      ChainConcentrations(project.aquifer, resolved, ChainModel::Exact, x, exact.data());
    const double value = UnderBasis(screening[i], exact[i], basis);
    if (*chainIndex >= 0 && !(value > highest)) continue;
    highest = value;
    *chain = std::move(resolved);
    *species = static_cast<int>(i);
    *chainIndex = static_cast<int>(k);
  }
  return *chainIndex >= 0;
}

// Every well with a detected value on the fit's date, in the order of the
// site's wells, with the models there: the contaminant's chain where it
// stands in one (the verdict judges it by the chain), else its own model.
void CompareWells(const Project& project, int contaminantIndex, const SiteData& site,
                  const ContaminantSeries& series, const std::string& date, const ConcentrationUnit& unit,
                  VerdictBasis basis, WellsEvidence* e) {
  // The models at the wells decay as the verdict's do, under the project's
  // decay convention (a chain's rates take it from ResolveChain).
  const Contaminant c = virelo_SteadyContaminant(project, project.contaminants[contaminantIndex]);
  double lambda = 0.0;
  ResolvedChain chain;
  int species = -1;
  const bool inChain = ChainAtWells(project, contaminantIndex, basis, &chain, &species, &e->chainIndex);
  const bool models = inChain || ModelInputs(project, c, &lambda);
  std::vector<double> screening(chain.names.size()), exact(chain.names.size());
  std::set<std::string> seen;
  for (const SiteWell& well : site.wells) {
    if (!seen.insert(well.name).second) continue;  // the first of a name is the one the fits use
    // A well waiting for the map has no place to hold a model against; the
    // fit's warning names it.
    if (!SiteWellPlaced(well, site.map)) continue;
    // Two samples of a well on one day both enter the fit; the comparison
    // takes the higher, the one a model beneath it would fail first.
    double measured = -1.0;
    for (const SitePoint& p : series.points) {
      if (p.well != well.name || p.date != date || p.nonDetect) continue;
      if (p.value > 0.0 && std::isfinite(p.value)) measured = std::max(measured, p.value);
    }
    if (measured < 0.0) continue;
    WellComparison w;
    w.well = well.name;
    w.s = well.s;
    w.y = well.y;
    w.inFit = well.inFit;
    if (!FromMicrogramsPerLitre(measured, unit, &w.measured)) w.measured = kNaN;
    // The models hold downstream of the source only.
    if (models && well.s >= 0.0 && std::isfinite(well.s) && std::isfinite(well.y)) {
      const Aquifer& a = project.aquifer;
      if (inChain) {
        ChainConcentrationsAt(a, chain, ChainModel::Screening, well.s, well.y, screening.data());
        ChainConcentrationsAt(a, chain, ChainModel::Exact, well.s, well.y, exact.data());
        w.screening = screening[static_cast<size_t>(species)];
        w.exact = exact[static_cast<size_t>(species)];
      } else {
        w.screening = c.c0 * virelo_math_ScreeningConcentrationOffAxis(&a, lambda, well.s, well.y);
        w.exact = c.c0 * virelo_math_ExactConcentrationOffAxis(&a, lambda, well.s, well.y);
      }
    } else {
      w.screening = w.exact = kNaN;
    }
    w.factor = Factor(w.measured, w.screening, w.exact, basis);
    // A model of 0 beneath a measured value is the worst underprediction.
    w.underpredicted = w.inFit && w.factor > kUnderpredictionFactor;
    e->underpredicts = e->underpredicts || w.underpredicted;
    e->wells.push_back(std::move(w));
  }
}

// Why a fit gives no class: too few wells where the fit has no line through
// three distances, its other warnings otherwise.
unsigned OmissionsOf(const DistanceFit& fit) {
  if (fit.warnings.empty()) return 0;
  std::set<double> distances;
  for (const SitePoint& p : fit.points) distances.insert(p.s);
  const bool tooFew = distances.size() < 3 || !fit.line.ok;
  // The first warning says so where there are too few; any after it are
  // warnings of their own.
  const size_t others = fit.warnings.size() - (tooFew ? 1u : 0u);
  return (tooFew ? kWellsTooFew : 0u) | (others > 0 ? kWellsFitWarnings : 0u);
}

}  // namespace

std::string WellsOmissionWords(unsigned omitted) {
  std::string words;
  for (const WellsOmissionEntry& entry : kWellsOmissions) {
    if (!(omitted & entry.bit)) continue;
    words += words.empty() ? "wells not compared (" : ", ";
    words += entry.words;
  }
  return words.empty() ? words : words + ")";
}

WellsEvidence WellsEvidenceOf(const Project& project, int contaminantIndex, AssessmentRange afRange,
                              VerdictBasis basis) {
  WellsEvidence e;
  if (!project.contaminants || contaminantIndex < 0 || contaminantIndex >= project.contaminantCount) return e;
  // The models at the wells decay as the verdict's do, under the project's
  // decay convention.
  const Contaminant c = virelo_SteadyContaminant(project, project.contaminants[contaminantIndex]);
  // Records and site tables both hold Latin-1 names.
  const std::string name(c.name, strnlen(c.name, sizeof c.name));
  const SiteData& site = virelo_ExtrasOf(project).site;
  if (name.empty() || !HoldsSamplesOf(site, name)) return e;

  // The fit the Site data window shows first: its default date and level.
  const ContaminantSeries series = GatherSeries(site, name);
  const DistanceFit fit = FitDistance(site, series, SiteFitOptionsFor(project, name, kWellsLevelPercent));
  e.hasFit = true;
  e.warnings = fit.warnings;
  e.date = fit.date;
  e.levelPercent = fit.levelPercent;
  e.slope = fit.line.slope;
  e.slopeLow = fit.line.slopeLow;
  e.slopeHigh = fit.line.slopeHigh;

  // The project's unit is free text; only a concentration Virelo relates to
  // the samples' units can be set against the wells.
  const ConcentrationUnit unit = ProjectConcentrationUnit(project);
  e.omitted = OmissionsOf(fit);
  if (!unit.known) {
    e.omitted |= kWellsUnit;
    e.warnings.push_back("The project's concentration unit \"" +
                         virelo_SettingsOf(project).concentrationUnit +
                         "\" is not one Virelo relates to the samples' units (ng/L, ug/L, mg/L): the wells' "
                         "concentrations cannot be compared with CA.");
  }
  if (e.warnings.empty()) Extrapolate(project, c, fit, unit, afRange, &e);
  CompareWells(project, contaminantIndex, site, series, fit.date, unit, basis, &e);
  return e;
}
