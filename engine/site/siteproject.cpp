// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/siteproject.h"

#include <cstring>

#include "engine/core/distributions.h"
#include "engine/project/extras.h"
#include "engine/project/projectunit.h"

SiteFitOptions SiteFitOptionsFor(const Project& project, const std::string& contaminant, int levelPercent) {
  SiteFitOptions o;
  o.levelPercent = levelPercent;
  const Aquifer& a = project.aquifer;
  auto set = [&](uint16_t bits) { return (a.setMask & bits) == bits; };
  // The velocity the models use, v = Kf i / ne.
  if (set(kAquiferKf | kAquiferI | kAquiferNe) && a.porosityNe > 0.0)
    o.velocity = a.gradientI * a.conductivityKf / a.porosityNe;
  if (set(kAquiferAx)) o.dispersivityAx = a.dispersivityAx;
  // The model's Sy is the source's half-width across the flow.
  if (set(kAquiferSy)) o.sourceHalfWidth = a.sourceThicknessSy;
  if (set(kAquiferX)) o.receptorDistance = a.distanceX;
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    if (contaminant != std::string(c.name, strnlen(c.name, sizeof c.name))) continue;
    // The project's unit is free text; a CA in a unit Virelo cannot relate
    // to the samples gives no time to reach it rather than a wrong one. The
    // site tables' own units keep CA as entered; any other is taken to ug/L.
    const ConcentrationUnit unit = ProjectConcentrationUnit(project);
    if ((c.valueMask & kValueCa) && unit.known) {
      if (unit.divisor == 1.0 && (unit.micrograms == 1.0 || unit.micrograms == 1000.0)) {
        o.ca = c.ca;
        o.caUnit = unit.micrograms == 1.0 ? kUnitUgL : kUnitMgL;
      } else {
        ToMicrogramsPerLitre(c.ca, unit, &o.ca);
        o.caUnit = kUnitUgL;
      }
    }
    break;
  }
  return o;
}

SolventBackground SolventBackgroundOf(const Project& project) {
  // The wells the user marked; none marked, the wells upstream of the source.
  const ProjectExtras& extras = virelo_ExtrasOf(project);
  return SolventBackgroundFor(extras.site, extras.monitoring.backgroundWells);
}

bool SiteLambdaLogNormalFor(const Project& project, const std::string& contaminant,
                            SiteLambdaLogNormal* out) {
  constexpr int kLevel = 90;
  const SiteData& site = virelo_ExtrasOf(project).site;
  const DistanceFit fit = FitDistance(site, contaminant, SiteFitOptionsFor(project, contaminant, kLevel));
  if (!fit.hasLambda || !fit.warnings.empty()) return false;
  SiteLambdaLogNormal offer;
  offer.low = fit.lambdaLow;
  offer.high = fit.lambdaHigh;
  offer.levelPercent = fit.levelPercent;
  // A lower end at or below zero has no lognormal; LogNormalFromInterval says so.
  if (!LogNormalFromInterval(offer.low, offer.high, offer.levelPercent / 100.0, &offer.median,
                             &offer.geometricSd))
    return false;
  *out = offer;
  return true;
}
