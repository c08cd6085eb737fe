// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/PlumeProfile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/case/projectcase.h"
#include "engine/core/exact.h"
#include "engine/project/assessment.h"
#include "engine/project/extras.h"
#include "engine/project/projectunit.h"
#include "engine/project/records.h"
#include "engine/project/transport.h"
#include "engine/site/sitefit.h"
#include "platform/Platform.h"

namespace {

const ContaminantResult* viewableResult(const Project& project, int resultIndex) {
  if (!project.results || resultIndex < 0 || resultIndex >= project.resultCount) return nullptr;
  const ContaminantResult& r = project.results[resultIndex];
  if (!project.contaminants || r.contaminantIndex < 0 || r.contaminantIndex >= project.contaminantCount)
    return nullptr;
  const Contaminant& c = project.contaminants[r.contaminantIndex];
  if (!(c.assess & kAssessAttenuationFactor) || HasAttenuationFactorProblems(r)) return nullptr;
  return &r;
}

}  // namespace

bool HasPlumeProfile(const Project& project, int resultIndex) {
  return viewableResult(project, resultIndex) != nullptr;
}

bool BuildPlumeProfile(const Project& project, int resultIndex, int points, PlumeProfile* profile) {
  const ContaminantResult* r = viewableResult(project, resultIndex);
  if (!r || !profile || points < 1) return false;
  const Contaminant& c = project.contaminants[r->contaminantIndex];
  const Aquifer a = project.aquifer;
  // The decay constant the steady results were computed with.
  const Contaminant steady = CaseModel(project, r->contaminantIndex);
  double lambda = 0.0;
  virelo_GetLambda(&steady, &lambda);

  PlumeProfile& p = *profile;
  p.name = fromRecordText(c.name);
  p.resultIndex = resultIndex;
  p.x = a.distanceX;
  p.caRatio = c.ca / c.c0;
  const bool plugFlow = (c.assess & kAssessPlumeLength) && !HasPlumeLengthProblems(*r);
  p.plugFlowLength = plugFlow ? r->plumeLength : std::numeric_limits<double>::quiet_NaN();
  p.sMax = 2.0 * p.x;
  if (plugFlow && r->plumeLength > p.sMax && r->plumeLength <= 10.0 * p.x) {
    // Past the plume's end, to a round distance the axes can end on.
    const double past = 1.1 * r->plumeLength;
    const double step = std::pow(10.0, std::floor(std::log10(past))) / 4.0;
    p.sMax = std::ceil(past / step) * step;
  }

  p.s.resize(points);
  p.screening.resize(points);
  p.exact.resize(points);
  if (!virelo_math_CentreLineProfile(&a, lambda, p.sMax, points, p.s.data(), p.screening.data(),
                                     p.exact.data()))
    return false;
  p.screeningAtX = r->relativeConcentration;
  p.exactAtX =
      r->exactComputed ? r->exactRelativeConcentration : virelo_math_ExactConcentration(&a, lambda, p.x);

  p.sourceHalfWidth = std::max(0.0, a.sourceThicknessSy);
  const double spread = 4.0 * std::sqrt(std::max(0.0, a.dispersivityAy) * p.sMax);
  // Some room beside an unspread source too, so that its edges show.
  p.yMax = std::max(p.sourceHalfWidth + spread, 1.25 * p.sourceHalfWidth);
  if (!(p.yMax > 0.0)) p.yMax = std::max(1.0, 0.05 * p.sMax);
  p.plan = [a, lambda](double s, double y) {
    return virelo_math_ScreeningConcentrationOffAxis(&a, lambda, s, y);
  };

  // Field data, so that the models can be held against the wells: only
  // where the samples' units convert to the project's.
  p.field.clear();
  p.fieldNote.clear();
  const SiteData& site = virelo_ExtrasOf(project).site;
  const ConcentrationUnit unit = ProjectConcentrationUnit(project);
  const std::string name(c.name, strnlen(c.name, sizeof c.name));
  if (!site.samples.empty() && unit.known && c.c0 > 0.0) {
    const std::string date = DefaultFitDate(site, name);
    p.fieldDate = QString::fromLatin1(date.c_str());
    std::vector<std::string> unplaced;
    for (const SiteSample& sample : site.samples) {
      const SiteWell* well = site.FindWell(sample.well);
      double value = 0.0;
      if (sample.analyte == name && sample.date == date && well && !SiteWellPlaced(*well, site.map)) {
        if (std::find(unplaced.begin(), unplaced.end(), well->name) == unplaced.end())
          unplaced.push_back(well->name);
        continue;
      }
      if (sample.analyte != name || sample.date != date || !well || well->s < 0.0 ||
          !SampleValueIn(sample.value, sample.unit, unit, &value) || !(value > 0.0))
        continue;
      p.field.push_back(
          {fromRecordText(well->name.c_str()), well->s, well->y, value / c.c0, sample.nonDetect});
    }
    p.fieldNote = fromRecordText(UnplacedWellsText(unplaced).c_str());
  }
  return true;
}
