// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/sitelambda.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "diagnostics/text.h"
#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/project/transport.h"

namespace {

// Well names are record texts; the source text is UTF-8.
std::string Utf8(const std::string& recordText) {
  return RecordTextToUtf8(recordText);
}

// Two significant digits, as "%.2g" prints them, whatever the locale.
std::string Short(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 2).ptr;
  std::string text(buffer, end);
  // to_chars writes e-5 where printf writes e-05.
  const size_t e = text.find('e');
  if (e != std::string::npos && text.size() - e == 3) text.insert(e + 2, 1, '0');
  return text;
}

constexpr const char* kEnDash = "\xE2\x80\x93";

}  // namespace

std::string SiteLambdaSourceText(const DistanceFit& fit) {
  std::vector<const SitePoint*> points;
  for (const SitePoint& p : fit.points) points.push_back(&p);
  std::sort(points.begin(), points.end(), [](const SitePoint* a, const SitePoint* b) { return a->s < b->s; });
  std::string wells;
  if (points.size() > 3) {
    wells = Utf8(points.front()->well) + kEnDash + Utf8(points.back()->well);
  } else {
    for (const SitePoint* p : points) wells += (wells.empty() ? "" : ", ") + Utf8(p->well);
  }
  return "site wells " + wells + ", " + Utf8(fit.date) + ", Buscheck" + kEnDash + "Alcantar, " +
         std::to_string(fit.levelPercent) + " % interval " + Short(fit.lambdaLow) + kEnDash +
         Short(fit.lambdaHigh) + " 1/d";
}

const DecayChain* ChainWithDaughter(const Project& project, const std::string& name) {
  for (const DecayChain& chain : virelo_ExtrasOf(project).chains)
    for (size_t k = 1; k < chain.species.size(); ++k)
      if (chain.species[k] == name) return &chain;
  return nullptr;
}

SiteLambdaTaken SiteLambdaFor(const Project& project, const DistanceFit& fit) {
  SiteLambdaTaken taken;
  // Site names are Latin-1 as the records' are; the transport inputs are
  // keyed by the record's name.
  const std::string name = fit.contaminant.substr(0, kNameCapacity - 1);
  taken.factor = virelo_SteadyDecayFactor(project, name.c_str());
  taken.lambda = fit.lambda / taken.factor;
  taken.low = fit.lambdaLow / taken.factor;
  taken.high = fit.lambdaHigh / taken.factor;
  return taken;
}

std::string SiteLambdaConventionText(const SiteLambdaTaken& taken) {
  if (taken.factor == 1.0) return {};
  char r[32];
  FormatCNumber(r, sizeof r, "%.4g", taken.factor);
  return std::string("; \xCE\xBB = \xCE\xBB_fit / R, R = ") + r + " (decay of dissolved and sorbed phase)";
}

Contaminant* UseSiteLambda(Project* project, const DistanceFit& fit) {
  if (!fit.hasLambda) return nullptr;
  for (int k = 0; k < project->contaminantCount; ++k) {
    Contaminant& c = project->contaminants[k];
    if (fit.contaminant != std::string(c.name, strnlen(c.name, sizeof c.name))) continue;
    const SiteLambdaTaken taken = SiteLambdaFor(*project, fit);
    std::string source = SiteLambdaSourceText(fit) + SiteLambdaConventionText(taken);
    // The source keeps saying that a daughter's rate is an apparent one.
    if (ChainWithDaughter(*project, fit.contaminant))
      source += "; apparent rate of a daughter product (formation minus decay)";
    virelo_SetLambda(&c, kLambdaUser, taken.lambda);
    c.lambdaSelected = kLambdaUser;
    SetLambdaSource(&virelo_Extras(project).settings, c.name, source);
    // The interval goes with it, so that the results can say how far the
    // verdict holds across it.
    virelo_Extras(project).settings.lambdaIntervals[c.name] = {taken.lambda, taken.low, taken.high,
                                                               fit.levelPercent};
    project->modified = 1;
    return &c;
  }
  return nullptr;
}
