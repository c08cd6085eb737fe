// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/flowdirection.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>

#include "diagnostics/text.h"
#include "engine/project/recordtext.h"
#include "engine/project/sitemap.h"
#include "engine/site/flowfield.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Weighted unit vectors summed; the mean azimuth and the mean resultant
// length. False when the weights vanish or the vectors cancel.
bool WeightedMean(const std::vector<double>& azimuths, const std::vector<double>& weights, double* mean,
                  double* resultant) {
  double se = 0.0, sn = 0.0, sw = 0.0;
  for (size_t k = 0; k < azimuths.size(); ++k) {
    se += weights[k] * std::sin(azimuths[k] * kDegree);
    sn += weights[k] * std::cos(azimuths[k] * kDegree);
    sw += weights[k];
  }
  if (!(sw > 0.0)) return false;
  *resultant = std::min(1.0, std::hypot(se, sn) / sw);
  // Vectors that cancel to rounding have no direction.
  if (!(*resultant > 1e-9)) return false;
  return NormalizeAzimuth(std::atan2(se, sn) / kDegree, mean);
}

std::string Degrees(double azimuth) {
  char text[32];
  FormatCNumber(text, sizeof text, "%.4g", azimuth + 0.0);
  return std::string(text) + "\xb0";
}

}  // namespace

bool SummarizeAzimuths(const std::vector<double>& azimuths, AzimuthSpread* spread) {
  if (azimuths.size() < 2) return false;
  AzimuthSpread out;
  out.n = static_cast<int>(azimuths.size());
  if (!WeightedMean(azimuths, std::vector<double>(azimuths.size(), 1.0), &out.mean, &out.resultant))
    return false;
  out.circularSd = std::sqrt(std::max(0.0, -2.0 * std::log(out.resultant))) / kDegree;
  // The smallest arc holding them all leaves out the widest gap between
  // neighbours around the circle.
  std::vector<double> sorted(azimuths.size());
  for (size_t k = 0; k < azimuths.size(); ++k) NormalizeAzimuth(azimuths[k], &sorted[k]);
  std::sort(sorted.begin(), sorted.end());
  double gap = sorted.front() + 360.0 - sorted.back();
  out.first = sorted.front(), out.last = sorted.back();
  for (size_t k = 1; k < sorted.size(); ++k) {
    if (sorted[k] - sorted[k - 1] > gap) {
      gap = sorted[k] - sorted[k - 1];
      out.first = sorted[k], out.last = sorted[k - 1];
    }
  }
  out.arc = 360.0 - gap;
  *spread = out;
  return true;
}

bool SummarizeFlowDates(const SiteData& site, AzimuthSpread* spread) {
  std::vector<double> azimuths;
  for (const std::string& date : FlowFieldDates(site)) {
    FlowFieldFit fit;
    std::string why;
    if (FitFlowField(HeadsOn(site, date), &fit, &why)) azimuths.push_back(fit.azimuth);
  }
  return SummarizeAzimuths(azimuths, spread);
}

namespace {

// Each mapped well's mean concentration of the analyte [ug/L] over all
// dates, a non-detect as zero; wells without a sample are absent.
std::map<std::string, double> MeanConcentrations(const SiteData& site, const std::string& analyte) {
  std::map<std::string, std::pair<double, int>> sums;
  for (const SiteSample& s : site.samples) {
    double ugL = 0.0;
    if (s.analyte != analyte || !std::isfinite(s.value) || !ConvertSiteValue(s.value, s.unit, kUnitUgL, &ugL))
      continue;
    const SiteWell* w = site.FindWell(s.well);
    if (!w || !w->mapped) continue;
    auto& [sum, n] = sums[s.well];
    sum += s.nonDetect ? 0.0 : std::max(0.0, ugL);
    ++n;
  }
  std::map<std::string, double> means;
  for (const auto& [well, sn] : sums) means[well] = sn.first / sn.second;
  return means;
}

}  // namespace

std::vector<std::string> PlumeAxisAnalytes(const SiteData& site) {
  std::map<std::string, std::map<std::string, bool>> detectedAt;
  for (const SiteSample& s : site.samples) {
    const SiteWell* w = site.FindWell(s.well);
    if (!w || !w->mapped || s.nonDetect || !(s.value > 0.0) || !IsSiteConcentrationUnit(s.unit) ||
        IsSiteIndicator(s.analyte))
      continue;
    detectedAt[s.analyte][s.well] = true;
  }
  std::vector<std::pair<int, std::string>> ranked;
  for (const auto& [analyte, wells] : detectedAt)
    if (wells.size() >= 2) ranked.emplace_back(-static_cast<int>(wells.size()), analyte);
  std::sort(ranked.begin(), ranked.end());
  std::vector<std::string> names;
  for (const auto& r : ranked) names.push_back(r.second);
  return names;
}

bool FitPlumeAxis(const SiteData& site, const std::string& analyte, PlumeAxis* axis, std::string* why) {
  if (!site.map.hasSource) {
    *why = "The plume axis runs from the source point: give the source point's easting and northing.";
    return false;
  }
  std::vector<double> bearings, weights;
  for (const auto& [name, mean] : MeanConcentrations(site, analyte)) {
    const SiteWell* w = site.FindWell(name);
    const double de = w->easting - site.map.sourceEasting, dn = w->northing - site.map.sourceNorthing;
    // A well at the source point has no bearing from it.
    if (!(mean > 0.0) || (de == 0.0 && dn == 0.0)) continue;
    bearings.push_back(std::atan2(de, dn) / kDegree);
    weights.push_back(mean);
  }
  if (bearings.size() < 2) {
    *why = "The plume axis needs " + analyte +
           " detected at two or more wells in map coordinates away from "
           "the source point; " +
           std::to_string(bearings.size()) + (bearings.size() == 1 ? " is" : " are") + " given.";
    return false;
  }
  PlumeAxis out;
  out.analyte = analyte;
  out.wells = static_cast<int>(bearings.size());
  if (!WeightedMean(bearings, weights, &out.azimuth, &out.resultant)) {
    *why = "The wells detecting " + analyte +
           " surround the source point evenly: their concentrations point in "
           "no one direction.";
    return false;
  }
  *axis = out;
  return true;
}

std::string PlumeAxisOriginText(const PlumeAxis& axis) {
  return "plume axis of " + RecordTextToUtf8(axis.analyte) + " through " + std::to_string(axis.wells) +
         " wells (concentration-weighted mean bearing from the source point)";
}

std::string OtherFlowDirections(const SiteData& site, const std::string& analyte) {
  const SiteMap& map = site.map;
  const bool held = map.hasAzimuth && OriginHolds(map.azimuthOrigin, map.flowAzimuth);
  const bool fromHeads = held && map.azimuthOrigin.text.rfind("heads of ", 0) == 0;
  const bool fromAxis = held && map.azimuthOrigin.text.rfind("plume axis ", 0) == 0;
  std::vector<std::string> others;
  // A direction the map already holds is no alternative to it.
  auto differs = [&](double azimuth) {
    return !map.hasAzimuth || std::fabs(std::remainder(azimuth - map.flowAzimuth, 360.0)) > 0.05;
  };
  if (!fromHeads) {
    const std::vector<std::string> dates = FlowFieldDates(site);
    FlowFieldFit fit;
    std::string why;
    // The latest date, as the Flow field tab first shows.
    if (!dates.empty() && FitFlowField(HeadsOn(site, dates.back()), &fit, &why) && differs(fit.azimuth))
      others.push_back("the heads' azimuth of " + dates.back() + " (" + Degrees(fit.azimuth) + ")");
  }
  if (!fromAxis) {
    PlumeAxis axis;
    std::string why;
    if (FitPlumeAxis(site, analyte, &axis, &why) && differs(axis.azimuth))
      others.push_back("the plume axis of " + analyte + " (" + Degrees(axis.azimuth) + ")");
  }
  std::string text;
  for (const std::string& o : others) text += (text.empty() ? "" : " or ") + o;
  return text;
}
