// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Distance and time fits of a contaminant's site data, with the reasons a
// fit gives no decay constant.
#include "engine/site/sitefit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <unordered_map>

#include "diagnostics/text.h"
#include "engine/project/decimalform.h"
#include "engine/site/flowdirection.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr long kNoDay = std::numeric_limits<long>::min();

std::string Number(double value) {
  char buffer[64];
  FormatCNumber(buffer, sizeof buffer, "%.4g", value + 0.0);
  return buffer;
}

// Every sample of the wanted analytes (all that are no indicator when
// `only` is null) at a known well with a readable date, in ug/L, in one pass
// over the samples; a sample in a unit that is no concentration is left out.
std::vector<ContaminantSeries> Gather(const SiteData& site, const std::string* only) {
  std::unordered_map<std::string, const SiteWell*> wells;
  for (const SiteWell& well : site.wells) wells.emplace(well.name, &well);
  std::unordered_map<std::string, long> days;  // a site has few sampling dates
  std::unordered_map<std::string, size_t> index;
  std::vector<ContaminantSeries> series;
  if (only) {
    series.push_back({*only, {}});
    index.emplace(*only, 0);
  }
  for (const SiteSample& sample : site.samples) {
    auto at = index.find(sample.analyte);
    if (at == index.end()) {
      if (only || IsSiteIndicator(sample.analyte)) continue;
      at = index.emplace(sample.analyte, series.size()).first;
      series.push_back({sample.analyte, {}});
    }
    const auto well = wells.find(sample.well);
    auto date = days.find(sample.date);
    if (date == days.end()) {
      long parsed = 0;
      date = days.emplace(sample.date, ParseSiteDate(sample.date, &parsed) ? parsed : kNoDay).first;
    }
    double value = 0.0;
    if (well == wells.end() || date->second == kNoDay || sample.unit == kUnitMv ||
        !ConvertSiteValue(sample.value, sample.unit, kUnitUgL, &value))
      continue;
    series[at->second].points.push_back(
        {sample.well, sample.date, well->second->s, double(date->second), value, sample.nonDetect});
  }
  return series;
}

// The wells by name, looked up once per point.
using WellIndex = std::unordered_map<std::string, const SiteWell*>;
WellIndex IndexWells(const SiteData& site) {
  WellIndex index;
  for (const SiteWell& well : site.wells) index.emplace(well.name, &well);
  return index;
}

// A well surveyed in map coordinates has no s until the map gives a source
// point and a direction; till then it stays out of the fit.
bool InFit(const WellIndex& wells, const SiteMap& map, const std::string& well) {
  const auto found = wells.find(well);
  const SiteWell* w = found == wells.end() ? nullptr : found->second;
  return w && w->inFit && SiteWellPlaced(*w, map);
}

// Values that are one number as entered (17.3 ug/L beside 0.0173 mg/L) give
// a level line, not one tilted by the conversion's last bit.
void LevelIfEqual(const std::vector<SitePoint>& points, std::vector<double>* lnC) {
  if (points.empty()) return;
  for (const SitePoint& p : points)
    if (DecimalForm(p.value) != DecimalForm(points.front().value)) return;
  for (double& y : *lnC) y = lnC->front();
}

// The end of the warning on a mapped well off the centre line: the flow
// azimuth places it, so the direction may be wrong rather than the well;
// the other direction the site gives is named with its value. (Warnings are
// Latin-1 record text, hence the degree sign as \xb0.)
std::string OffLineCause(const SiteData& site, const std::string& contaminant) {
  const std::string other = OtherFlowDirections(site, contaminant);
  return "; the flow azimuth (" + Number(site.map.flowAzimuth) +
         "\xb0) places the wells and may be the cause" +
         (other.empty() ? std::string(": check it on Flow field.")
                        : ": " + other + " would place them otherwise (check on Flow field).");
}

bool Usable(const SitePoint& p) {
  return !p.nonDetect && p.value > 0.0 && std::isfinite(p.value);
}

}  // namespace

std::vector<std::string> SiteContaminants(const SiteData& site) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (const SiteSample& sample : site.samples)
    if (!IsSiteIndicator(sample.analyte) && seen.insert(sample.analyte).second)
      names.push_back(sample.analyte);
  return names;
}

namespace {

std::string DefaultDateOf(const SiteData& site, const WellIndex& wells,
                          const std::vector<SitePoint>& points) {
  std::map<std::string, int> detected;  // ordered by date: ISO dates sort as text
  std::string latest;
  for (const SitePoint& p : points) {
    if (p.date > latest) latest = p.date;
    if (Usable(p) && InFit(wells, site.map, p.well)) ++detected[p.date];
  }
  for (auto it = detected.rbegin(); it != detected.rend(); ++it)
    if (it->second >= 3) return it->first;
  return latest;
}

}  // namespace

std::vector<ContaminantSeries> GatherSeries(const SiteData& site) {
  return Gather(site, nullptr);
}

ContaminantSeries GatherSeries(const SiteData& site, const std::string& contaminant) {
  return std::move(Gather(site, &contaminant).front());
}

std::string DefaultFitDate(const SiteData& site, const std::string& contaminant) {
  return DefaultDateOf(site, IndexWells(site), GatherSeries(site, contaminant).points);
}

double BuscheckAlcantarLambda(double slope, double velocity, double ax) {
  const double root = 1.0 + 2.0 * ax * -slope;
  return velocity / (4.0 * ax) * (root * root - 1.0);
}

DistanceFit FitDistance(const SiteData& site, const std::string& contaminant, const SiteFitOptions& options) {
  return FitDistance(site, GatherSeries(site, contaminant), options);
}

DistanceFit FitDistance(const SiteData& site, const ContaminantSeries& series,
                        const SiteFitOptions& options) {
  DistanceFit fit;
  fit.contaminant = series.contaminant;
  fit.levelPercent = options.levelPercent;
  const std::vector<SitePoint>& all = series.points;
  const WellIndex wells = IndexWells(site);
  fit.date = options.date.empty() ? DefaultDateOf(site, wells, all) : options.date;
  fit.bulkK = fit.lambda = fit.lambdaLow = fit.lambdaHigh = fit.halfLife = kNaN;

  std::vector<double> s, lnC;
  for (const SitePoint& p : all) {
    if (p.date != fit.date || !InFit(wells, site.map, p.well)) continue;
    if (!Usable(p)) {
      fit.nonDetects.push_back(p);
      continue;
    }
    fit.points.push_back(p);
    s.push_back(p.s);
    lnC.push_back(std::log(p.value));
  }
  LevelIfEqual(fit.points, &lnC);
  fit.line = FitLine(s, lnC, options.levelPercent / 100.0);
  const std::string level = std::to_string(options.levelPercent) + " %";
  auto& warn = fit.warnings;

  // A well waiting for the map may be the one that decides the slope: the
  // fit without it is no evidence of its own, and says so.
  std::vector<std::string> unplaced;
  for (const SitePoint& p : all) {
    const auto found = wells.find(p.well);
    if (p.date != fit.date || found == wells.end() || !found->second->inFit ||
        SiteWellPlaced(*found->second, site.map) ||
        std::find(unplaced.begin(), unplaced.end(), p.well) != unplaced.end())
      continue;
    unplaced.push_back(p.well);
  }

  // Three wells at two distances make a line through two points, whatever
  // the count says: the warning's words are the rule.
  if (std::set<double>(s.begin(), s.end()).size() < 3 || !fit.line.ok) {
    warn.push_back("Fewer than three detected values at different distances on " +
                   (fit.date.empty() ? std::string("any date") : fit.date) +
                   " at wells in the fit: no decay constant.");
  } else if (fit.line.slope >= 0.0) {
    warn.push_back("The concentration does not fall with distance (slope " + Number(fit.line.slope) +
                   " 1/m): no attenuation shown.");
  } else if (!(fit.line.slopeHigh < 0.0)) {
    warn.push_back("The slope's " + level + " interval (" + Number(fit.line.slopeLow) + " to " +
                   Number(fit.line.slopeHigh) + " 1/m) contains 0: no attenuation shown.");
  }
  if (!unplaced.empty()) warn.push_back(UnplacedWellsText(unplaced));

  // Each fit well's series in time order, for its trend.
  std::vector<const SitePoint*> sorted;
  for (const SitePoint& p : all) sorted.push_back(&p);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const SitePoint* a, const SitePoint* b) { return a->day < b->day; });
  std::map<std::string, std::vector<const SitePoint*>> byDay;
  for (const SitePoint* p : sorted) byDay[p->well].push_back(p);
  std::set<std::string> checked;
  for (const SitePoint& p : fit.points) {
    if (!checked.insert(p.well).second) continue;
    const SiteWell* well = wells.at(p.well);
    if (std::isfinite(options.sourceHalfWidth) && std::fabs(well->y) > options.sourceHalfWidth)
      warn.push_back(
          "Well " + well->name + " lies " + Number(std::fabs(well->y)) +
          " m off the centre line, more than the source half-width Sy = " + Number(options.sourceHalfWidth) +
          " m" +
          (well->mapped && site.map.hasAzimuth ? OffLineCause(site, series.contaminant) : std::string(".")));
    if (std::isfinite(options.receptorDistance) && well->s > options.receptorDistance)
      warn.push_back("Well " + well->name + " lies beyond the receptor (s = " + Number(well->s) +
                     " m, x = " + Number(options.receptorDistance) + " m).");
    std::vector<double> values;
    for (const SitePoint* q : byDay[p.well])
      if (Usable(*q)) values.push_back(q->value);
    const MannKendallResult mk = MannKendall(values);
    if (mk.trend == TrendClass::kIncreasing || mk.trend == TrendClass::kProbablyIncreasing)
      warn.push_back(
          "Concentrations at well " + well->name + " are " + TrendClassText(mk.trend) +
          " (Mann-Kendall): the plume may not be at steady state, which the distance method needs.");
  }

  const bool flow = std::isfinite(options.velocity) && options.velocity > 0.0;
  const bool ax = std::isfinite(options.dispersivityAx) && options.dispersivityAx > 0.0;
  if (fit.line.ok && flow) fit.bulkK = (0.0 - fit.line.slope) * options.velocity;
  if (!flow || !ax)
    warn.push_back("No decay constant without the flow velocity v and the dispersivity ax of the aquifer.");
  if (!warn.empty()) return fit;

  fit.hasLambda = true;
  const double v = options.velocity, a = options.dispersivityAx;
  fit.lambda = BuscheckAlcantarLambda(fit.line.slope, v, a);
  // lambda grows as the slope falls, so the interval's ends swap.
  fit.lambdaLow = BuscheckAlcantarLambda(fit.line.slopeHigh, v, a);
  fit.lambdaHigh = BuscheckAlcantarLambda(fit.line.slopeLow, v, a);
  fit.halfLife = std::log(2.0) / fit.lambda;
  return fit;
}

std::vector<TimeFit> FitTimes(const SiteData& site, const std::string& contaminant,
                              const SiteFitOptions& options) {
  return FitTimes(site, GatherSeries(site, contaminant), options);
}

std::vector<TimeFit> FitTimes(const SiteData& site, const ContaminantSeries& series,
                              const SiteFitOptions& options) {
  const std::string& contaminant = series.contaminant;
  double ca = kNaN;
  if (std::isfinite(options.ca) && options.ca > 0.0 && options.caUnit != kUnitMv)
    ConvertSiteValue(options.ca, options.caUnit, kUnitUgL, &ca);

  // Each well's samples in time order (samples of one day in table order).
  std::unordered_map<std::string, std::vector<const SitePoint*>> byWell;
  for (const SitePoint& p : series.points) byWell[p.well].push_back(&p);
  for (auto& [name, points] : byWell)
    std::stable_sort(points.begin(), points.end(),
                     [](const SitePoint* a, const SitePoint* b) { return a->day < b->day; });
  std::vector<TimeFit> fits;
  for (const SiteWell& well : site.wells) {
    TimeFit fit;
    fit.well = well.name;
    fit.contaminant = contaminant;
    const auto found = byWell.find(well.name);
    if (found == byWell.end()) continue;
    for (const SitePoint* p : found->second) (Usable(*p) ? fit.points : fit.nonDetects).push_back(*p);
    if (fit.points.empty() && fit.nonDetects.empty()) continue;
    std::vector<double> t, lnC, values;
    for (const SitePoint& p : fit.points) {
      t.push_back(p.day - fit.points.front().day);
      lnC.push_back(std::log(p.value));
      values.push_back(p.value);
    }
    LevelIfEqual(fit.points, &lnC);
    fit.line = FitLine(t, lnC, options.levelPercent / 100.0);
    fit.mannKendall = MannKendall(values);
    // 0 - m, not -m: a level series has a rate of 0, never "-0".
    fit.kPoint = fit.line.ok ? 0.0 - fit.line.slope : kNaN;
    fit.kPointLow = 0.0 - fit.line.slopeHigh;
    fit.kPointHigh = 0.0 - fit.line.slopeLow;
    fit.halfLife = fit.kPoint > 0.0 ? std::log(2.0) / fit.kPoint : kNaN;
    fit.daysToCa = kNaN;
    if (fit.line.ok && std::isfinite(ca)) {
      const double lastT = t.back();
      const double lnNow = fit.line.intercept + fit.line.slope * lastT;
      if (lnNow <= std::log(ca)) {
        fit.daysToCa = 0.0;
      } else if (fit.line.slope < 0.0) {
        fit.daysToCa = (std::log(ca) - fit.line.intercept) / fit.line.slope - lastT;
      }
      if (std::isfinite(fit.daysToCa) && fit.daysToCa < 1e7)
        fit.caDate = SiteDateText(static_cast<long>(fit.points.back().day + std::ceil(fit.daysToCa)));
    }
    fits.push_back(std::move(fit));
  }
  return fits;
}
