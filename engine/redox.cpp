// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Redox rules: the USGS framework's steps, in the order electron acceptors
// are used up, each answered by its indicator or left unknown.
#include "engine/redox.h"

#include <map>
#include <set>

#include "engine/records.h"

namespace {

enum class Level { kUnknown, kBelow, kAbove };

// Whether an indicator reaches a threshold. A non-detect is below it only
// when its detection limit is; a limit above the threshold tells nothing.
Level Compare(const Indicator& indicator, double threshold) {
  if (!indicator.present) return Level::kUnknown;
  if (indicator.nonDetect) return indicator.value <= threshold ? Level::kBelow : Level::kUnknown;
  return indicator.value >= threshold ? Level::kAbove : Level::kBelow;
}

int Unknown(std::string* rule, const std::string& why) {
  if (rule) *rule = why;
  return kRedoxUnknown;
}

int Class(std::string* rule, int condition, const std::string& why) {
  if (rule) *rule = why;
  return condition;
}

}  // namespace

int ClassifyRedox(const RedoxIndicators& in, std::string* rule) {
  const Level o2 = Compare(in.oxygen, kRedoxOxygen);
  const Level no3 = Compare(in.nitrateN, kRedoxNitrateN);
  const Level fe = Compare(in.iron, kRedoxIron);
  // Manganese is seldom measured at these sites and our conditions have no
  // class of its own for it: missing, it does not block a step.
  const Level mn = in.manganese.present ? Compare(in.manganese, kRedoxManganese) : Level::kBelow;
  const bool reducedMetals = fe == Level::kAbove || mn == Level::kAbove;

  if (o2 == Level::kUnknown) return Unknown(rule, "oxygen missing");
  if (o2 == Level::kAbove) {
    if (fe == Level::kUnknown || mn == Level::kUnknown) return Unknown(rule, "oxic; iron(II) missing");
    if (reducedMetals)
      return Unknown(rule, "oxygen with dissolved iron or manganese: mixed oxic-anoxic water");
    return Class(rule, kRedoxAerobic, "oxygen >= 0.5 mg/L, no reduced iron or manganese");
  }
  if (no3 == Level::kUnknown) return Unknown(rule, "anoxic; nitrate missing");
  if (no3 == Level::kAbove) {
    if (fe == Level::kUnknown || mn == Level::kUnknown)
      return Unknown(rule, "nitrate-reducing; iron(II) missing");
    if (reducedMetals)
      return Class(rule, kRedoxMixedPlumes,
                   "nitrate >= 0.5 mg/L N with iron or manganese: mixed anaerobic processes");
    return Class(rule, kRedoxNitrate, "oxygen < 0.5, nitrate >= 0.5 mg/L N");
  }
  if (fe == Level::kUnknown) return Unknown(rule, "anoxic, no nitrate; iron(II) missing");
  if (fe == Level::kBelow) {
    if (mn == Level::kAbove) return Unknown(rule, "manganese-reducing: no condition of its own");
    return Unknown(rule, "suboxic: no electron acceptor shows");
  }
  const Level so4 = Compare(in.sulfate, kRedoxSulfate);
  if (so4 == Level::kUnknown) return Unknown(rule, "iron-reducing or below; sulfate missing");
  if (so4 == Level::kBelow)
    return Class(rule, kRedoxMethane, "iron(II) >= 0.1, sulfate < 0.5 mg/L: methanogenic");
  // Iron and sulfate both: the iron/sulfide ratio tells which reduction
  // dominates. A non-detect sulfide bounds the ratio from below only.
  if (!in.sulfide.present) return Unknown(rule, "iron(II) and sulfate; sulfide missing");
  if (in.sulfide.nonDetect || in.sulfide.value <= 0.0) {
    if (in.sulfide.value > 0.0 && in.iron.value / in.sulfide.value >= kRedoxIronSulfideIron)
      return Class(rule, kRedoxIronIndex, "iron(II)/sulfide >= 10 (sulfide not detected)");
    return Unknown(rule, "iron(II) and sulfate; sulfide not detected, ratio open");
  }
  const double ratio = in.iron.value / in.sulfide.value;
  if (ratio >= kRedoxIronSulfideIron)
    return Class(rule, kRedoxIronIndex, "iron(II)/sulfide >= 10: iron-reducing");
  if (ratio <= kRedoxIronSulfideSulfate)
    return Class(rule, kRedoxSulfateIndex, "iron(II)/sulfide <= 0.3: sulfate-reducing");
  return Class(rule, kRedoxMixedPlumes, "iron(II)/sulfide between 0.3 and 10: iron and sulfate reduction");
}

std::vector<RedoxReading> ReadRedox(const SiteData& site) {
  // Per well, per date, the indicators in mg/L.
  std::map<std::string, std::map<std::string, RedoxIndicators>> byWell;
  std::map<std::string, std::map<std::string, Indicator>> nitrateAsNo3;
  for (const SiteSample& sample : site.samples) {
    if (!IsSiteIndicator(sample.analyte)) continue;
    RedoxIndicators& in = byWell[sample.well][sample.date];
    double mgL = 0.0;
    if (!ConvertSiteValue(sample.value, sample.unit, kUnitMgL, &mgL) || sample.unit == kUnitMv) continue;
    const Indicator value{true, mgL, sample.nonDetect};
    const std::string& a = sample.analyte;
    if (a == kIndicatorOxygen)
      in.oxygen = value;
    else if (a == kIndicatorNitrateN)
      in.nitrateN = value;
    else if (a == kIndicatorNitrate)
      nitrateAsNo3[sample.well][sample.date] = {true, mgL * kNitrateToN, sample.nonDetect};
    else if (a == kIndicatorManganese)
      in.manganese = value;
    else if (a == kIndicatorIron)
      in.iron = value;
    else if (a == kIndicatorSulfate)
      in.sulfate = value;
    else if (a == kIndicatorSulfide)
      in.sulfide = value;
  }
  // Nitrate as NO3 serves where the laboratory gave no nitrate as N.
  for (auto& [well, dates] : nitrateAsNo3)
    for (auto& [date, value] : dates)
      if (!byWell[well][date].nitrateN.present) byWell[well][date].nitrateN = value;

  std::vector<RedoxReading> readings;
  std::set<std::string> listed;
  auto add = [&](const std::string& well) {
    if (!listed.insert(well).second) return;
    const auto found = byWell.find(well);
    if (found == byWell.end()) return;
    for (const auto& [date, in] : found->second) {
      RedoxReading r{well, date, kRedoxUnknown, "", in};
      r.condition = ClassifyRedox(in, &r.rule);
      readings.push_back(r);
    }
  };
  for (const SiteWell& well : site.wells) add(well.name);
  for (const auto& entry : byWell) add(entry.first);
  return readings;
}

int SuggestRedox(const SiteData& site, const std::vector<RedoxReading>& readings, std::string* reason) {
  std::map<std::string, const RedoxReading*> latest, latestInFit;
  for (const RedoxReading& r : readings) {
    const SiteWell* well = site.FindWell(r.well);
    for (auto* table : {&latest, &latestInFit}) {
      if (table == &latestInFit && !(well && well->inFit)) continue;
      const RedoxReading*& slot = (*table)[r.well];
      if (!slot || r.date > slot->date) slot = &r;
    }
  }
  const auto& chosen = latestInFit.empty() ? latest : latestInFit;
  std::set<int> anaerobic;
  bool aerobic = false;
  for (const auto& [well, r] : chosen) {
    if (r->condition == kRedoxAerobic)
      aerobic = true;
    else if (r->condition != kRedoxUnknown)
      anaerobic.insert(r->condition);
  }
  auto say = [&](int condition, const std::string& why) {
    if (reason) *reason = why;
    return condition;
  };
  if (anaerobic.size() > 1 || anaerobic.count(kRedoxMixedPlumes))
    return say(kRedoxMixedPlumes, "wells along the plume show different anaerobic conditions");
  // An anaerobic core decides over aerobic fringe wells: its slower decay is
  // the cautious choice.
  if (anaerobic.size() == 1)
    return say(*anaerobic.begin(),
               std::string("the anaerobic wells agree on ") + kRedoxConditions[*anaerobic.begin()].text);
  if (aerobic) return say(kRedoxAerobic, "every classified well is aerobic");
  return say(kRedoxUnknown,
             chosen.empty() ? "no well has indicators" : "no well's indicators decide a condition");
}
