// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/massdischarge.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "engine/project/extras.h"
#include "engine/site/plumemass.h"
#include "engine/site/sitefit.h"

namespace {

// ug/L times m3/d in g/d.
constexpr double kGramsPerUgLCubicMetre = 1e-3;

struct Tally {
  double value = 0.0, upper = 0.0;
  int count = 0;
};

}  // namespace

bool TransectWidths(const std::vector<double>& y, std::vector<double>* widths) {
  const size_t n = y.size();
  if (n < 2) return false;
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t(0));
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return y[a] < y[b]; });
  for (size_t k = 0; k + 1 < n; ++k)
    if (y[order[k]] == y[order[k + 1]]) return false;
  widths->assign(n, 0.0);
  for (size_t k = 0; k < n; ++k) {
    const double below = k > 0 ? y[order[k]] - y[order[k - 1]] : y[order[k + 1]] - y[order[k]];
    const double above = k + 1 < n ? y[order[k + 1]] - y[order[k]] : y[order[k]] - y[order[k - 1]];
    (*widths)[order[k]] = 0.5 * (below + above);
  }
  return true;
}

MassDischargeResult MassDischargeOf(const SiteData& site, const std::string& contaminant,
                                    const std::vector<Transect>& transects,
                                    const MassDischargeOptions& options) {
  MassDischargeResult r;
  r.contaminant = contaminant;
  if (!(options.conductivity > 0.0) || !std::isfinite(options.gradient)) {
    r.problem = "The mass discharge needs the aquifer's Kf and i.";
    return r;
  }
  r.perMetreThickness = !(options.thickness > 0.0);
  const double b = r.perMetreThickness ? 1.0 : options.thickness;
  const double flux = options.conductivity * options.gradient * b * kGramsPerUgLCubicMetre;
  // One round grouping for all transects, so that their rounds compare.
  std::set<std::string> wanted;
  for (const Transect& t : transects) wanted.insert(t.wells.begin(), t.wells.end());
  std::vector<const SitePoint*> points;
  std::vector<long> days;
  const ContaminantSeries series = GatherSeries(site, contaminant);  // the points below point into it
  for (const SitePoint& p : series.points) {
    if (!wanted.count(p.well) || !std::isfinite(p.value)) continue;
    points.push_back(&p);
    days.push_back(long(p.day));
  }
  const std::vector<int> roundOf = GroupRounds(days, options.roundDays);
  std::map<int, long> firstDay;
  std::map<int, std::map<std::string, Tally>> tallies;
  for (size_t k = 0; k < points.size(); ++k) {
    auto [at, added] = firstDay.emplace(roundOf[k], days[k]);
    if (!added) at->second = std::min(at->second, days[k]);
    Tally& t = tallies[roundOf[k]][points[k]->well];
    t.value += points[k]->nonDetect ? 0.0 : points[k]->value;
    t.upper += points[k]->value;
    ++t.count;
  }
  for (const Transect& named : transects) {
    TransectDischarge t;
    t.name = named.name;
    std::vector<double> y;
    for (const std::string& name : named.wells) {
      const SiteWell* well = site.FindWell(name);
      if (!well) {
        r.problem = "Transect " + named.name + ": no well " + name + ".";
        return r;
      }
      if (!SiteWellPlaced(*well, site.map)) {
        r.problem = "Transect " + named.name + ": " + UnplacedWellsText({name});
        return r;
      }
      t.wells.push_back(name);
      y.push_back(well->y);
      t.s += well->s / double(named.wells.size());
    }
    if (!TransectWidths(y, &t.widths)) {
      r.problem =
          "Transect " + named.name + ": two wells or more at distinct offsets across the flow are needed.";
      return r;
    }
    for (const auto& [round, wells] : tallies) {
      TransectRound out{SiteDateText(firstDay[round]), double(firstDay[round])};
      std::string missing;
      size_t found = 0;
      for (size_t k = 0; k < t.wells.size(); ++k) {
        const auto at = wells.find(t.wells[k]);
        if (at == wells.end()) {
          missing += (missing.empty() ? "" : ", ") + t.wells[k];
          continue;
        }
        ++found;
        out.discharge += at->second.value / at->second.count * t.widths[k] * flux;
        out.dischargeUpper += at->second.upper / at->second.count * t.widths[k] * flux;
      }
      if (!missing.empty()) {
        // A round of other transects only is none of this one's.
        if (found > 0) t.leftOut.push_back("round " + out.date + ": no value at " + missing);
        continue;
      }
      t.rounds.push_back(out);
    }
    std::vector<double> values;
    for (const TransectRound& round : t.rounds) values.push_back(round.discharge);
    t.trend = MannKendall(values);
    r.transects.push_back(std::move(t));
  }
  std::stable_sort(r.transects.begin(), r.transects.end(),
                   [](const TransectDischarge& a, const TransectDischarge& b) { return a.s < b.s; });
  for (size_t k = 0; k + 1 < r.transects.size(); ++k) {
    const TransectDischarge &up = r.transects[k], &down = r.transects[k + 1];
    TransectDecline d{up.name, down.name, "", down.s - up.s};
    for (auto a = up.rounds.rbegin(); a != up.rounds.rend() && d.date.empty(); ++a) {
      for (const TransectRound& b : down.rounds) {
        if (b.date != a->date) continue;
        d.date = a->date;
        if (a->discharge > 0.0) d.ratio = b.discharge / a->discharge;
      }
    }
    r.declines.push_back(d);
  }
  return r;
}

PlumeLight MassDischargeLight(const MassDischargeResult& r) {
  auto falls = [](TrendClass t) {
    return t == TrendClass::kDecreasing || t == TrendClass::kProbablyDecreasing;
  };
  auto rises = [](TrendClass t) {
    return t == TrendClass::kIncreasing || t == TrendClass::kProbablyIncreasing;
  };
  bool anyRise = false, anyTrend = false, downstreamFalls = false;
  for (const TransectDischarge& t : r.transects) {  // in the order along the flow
    if (t.trend.trend == TrendClass::kNone) continue;
    anyRise = anyRise || rises(t.trend.trend);
    anyTrend = true;
    downstreamFalls = falls(t.trend.trend);
  }
  bool declineKnown = !r.declines.empty(), allDecline = declineKnown;
  for (const TransectDecline& d : r.declines) {
    if (!std::isfinite(d.ratio)) {
      declineKnown = allDecline = false;
      break;
    }
    allDecline = allDecline && d.ratio < 1.0;
  }
  if (anyRise) return PlumeLight::kRed;
  if (downstreamFalls || allDecline) return PlumeLight::kGreen;
  return anyTrend || declineKnown ? PlumeLight::kYellow : PlumeLight::kNone;
}

MassDischargeOptions MassDischargeOptionsFor(const Project& project) {
  MassDischargeOptions o;
  const Aquifer& a = project.aquifer;
  if (a.setMask & kAquiferKf) o.conductivity = a.conductivityKf;
  if (a.setMask & kAquiferI) o.gradient = a.gradientI;
  const double b = virelo_SettingsOf(project).saturatedThickness;
  if (IsAcceptedSaturatedThickness(b)) o.thickness = b;
  o.roundDays = virelo_ExtrasOf(project).monitoring.roundDays;
  return o;
}
