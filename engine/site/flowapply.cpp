// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/flowapply.h"

#include "diagnostics/text.h"
#include "engine/project/extras.h"
#include "engine/site/flowdirection.h"
#include "engine/site/flowfield.h"

std::string HeadsOriginText(const std::string& date, int wells, double rmsResidual) {
  char rms[32];
  FormatCNumber(rms, sizeof rms, "%.3g", rmsResidual + 0.0);
  return "heads of " + date + " at " + std::to_string(wells) + " wells (least-squares plane, rms residual " +
         rms + " m)";
}

namespace {

bool FitOn(const Project& project, const std::string& date, FlowFieldFit* fit, std::string* why) {
  if (date.empty()) {
    *why = "No date has heads at three or more wells with map coordinates.";
    return false;
  }
  return FitFlowField(HeadsOn(virelo_ExtrasOf(project).site, date), fit, why);
}

// The map's azimuth set with its origin; wells without a source point keep
// their s and y until one is given.
void SetAzimuth(Project* project, double azimuth, const std::string& origin) {
  SiteData& site = virelo_Extras(project).site;
  site.map.hasAzimuth = true;
  site.map.flowAzimuth = azimuth;
  site.map.azimuthOrigin = {azimuth, origin};
  DeriveWellOffsets(&site);
}

}  // namespace

bool ApplyHeadsGradient(Project* project, const std::string& date, std::string* why) {
  FlowFieldFit fit;
  if (!FitOn(*project, date, &fit, why)) return false;
  project->aquifer.gradientI = fit.gradient;
  project->aquifer.setMask |= kAquiferI;
  virelo_Extras(project).site.map.gradientOrigin = {fit.gradient,
                                                    HeadsOriginText(date, fit.n, fit.rmsResidual)};
  return true;
}

bool ApplyHeadsAzimuth(Project* project, const std::string& date, std::string* why) {
  FlowFieldFit fit;
  if (!FitOn(*project, date, &fit, why)) return false;
  SetAzimuth(project, fit.azimuth, HeadsOriginText(date, fit.n, fit.rmsResidual));
  return true;
}

bool ApplyPlumeAxis(Project* project, const std::string& analyte, std::string* why) {
  PlumeAxis axis;
  if (!FitPlumeAxis(virelo_ExtrasOf(*project).site, analyte, &axis, why)) return false;
  SetAzimuth(project, axis.azimuth, PlumeAxisOriginText(axis));
  return true;
}
