// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Redox rules: the USGS framework's steps, in the order electron acceptors
// are used up, each answered by its indicator or left unknown.
#include "engine/site/redox.h"

#include <map>
#include <set>

#include "engine/project/chain.h"
#include "engine/project/decimalform.h"
#include "engine/project/records.h"

namespace {

enum class Level { kUnknown, kBelow, kAbove };

// Whether an indicator reaches a threshold, on the decimal form of its value
// (a nitrate converted from NO3 or a value converted from ug/L keeps the
// class its entry says). A non-detect is below the threshold only when its
// detection limit is; a limit above the threshold tells nothing.
Level Compare(const Indicator& indicator, double threshold) {
  if (!indicator.present) return Level::kUnknown;
  const double value = DecimalForm(indicator.value);
  if (indicator.nonDetect) return value <= threshold ? Level::kBelow : Level::kUnknown;
  return value >= threshold ? Level::kAbove : Level::kBelow;
}

// Methane counts as present above its level, not at it: the solvent score
// gives its points only above 0.5 mg/L, and a sample must read the same in
// its redox class and its score.
Level CompareMethane(const Indicator& indicator) {
  if (!indicator.present) return Level::kUnknown;
  const double value = DecimalForm(indicator.value);
  if (indicator.nonDetect) return value <= kRedoxMethaneGas ? Level::kBelow : Level::kUnknown;
  return value > kRedoxMethaneGas ? Level::kAbove : Level::kBelow;
}

// Where the solvent screening's further parameters go; null for the
// others (heads, and the parameters the redox class reads itself).
Indicator* SolventSlot(RedoxIndicators* in, const std::string& analyte) {
  const std::pair<const char*, Indicator RedoxIndicators::*> slots[] = {
      {kIndicatorToc, &RedoxIndicators::toc},
      {kIndicatorChloride, &RedoxIndicators::chloride},
      {kChainEndProduct, &RedoxIndicators::ethene},
      {kIndicatorEthane, &RedoxIndicators::ethane},
      {kIndicatorHydrogen, &RedoxIndicators::hydrogen},
      {kIndicatorFattyAcids, &RedoxIndicators::fattyAcids},
      {kIndicatorAlkalinity, &RedoxIndicators::alkalinity},
      {kIndicatorCarbonDioxide, &RedoxIndicators::carbonDioxide},
  };
  for (const auto& [name, member] : slots)
    if (analyte == name) return &(in->*member);
  return nullptr;
}

RedoxClass Unknown(const std::string& why, const std::string& basis = "") {
  return {kRedoxUnknown, why, basis, ""};
}

RedoxClass Class(int condition, const std::string& why, const std::string& basis) {
  return {condition, why, basis, ""};
}

// The framework's indicators the sample lacks.
std::string Missing(const RedoxIndicators& in) {
  std::string missing;
  const std::pair<const Indicator*, const char*> named[] = {
      {&in.oxygen, "O2"},   {&in.nitrateN, "NO3-N"}, {&in.manganese, "Mn"}, {&in.iron, "Fe(II)"},
      {&in.sulfate, "SO4"}, {&in.sulfide, "H2S"},    {&in.methane, "CH4"}};
  for (const auto& [indicator, name] : named)
    if (!indicator->present) {
      if (!missing.empty()) missing += ';';
      missing += name;
    }
  return missing;
}

RedoxClass Decide(const RedoxIndicators& in) {
  const Level o2 = Compare(in.oxygen, kRedoxOxygen);
  const Level no3 = Compare(in.nitrateN, kRedoxNitrateN);
  const Level fe = Compare(in.iron, kRedoxIron);
  // Manganese is seldom measured at these sites and our conditions have no
  // class of its own for it: missing, it does not block a step.
  const Level mn = in.manganese.present ? Compare(in.manganese, kRedoxManganese) : Level::kBelow;
  const bool reducedMetals = fe == Level::kAbove || mn == Level::kAbove;
  const std::string metals = fe == Level::kAbove ? "Fe(II)" : "Mn";

  if (o2 == Level::kUnknown) return Unknown("oxygen missing");
  if (o2 == Level::kAbove) {
    if (fe == Level::kUnknown || mn == Level::kUnknown) return Unknown("oxic; iron(II) missing", "O2");
    if (reducedMetals)
      return Unknown("oxygen with dissolved iron or manganese: mixed oxic-anoxic water", "O2;" + metals);
    return Class(kRedoxAerobic, "oxygen >= 0.5 mg/L, no reduced iron or manganese", "O2");
  }
  if (no3 == Level::kUnknown) return Unknown("anoxic; nitrate missing", "O2");
  if (no3 == Level::kAbove) {
    if (fe == Level::kUnknown || mn == Level::kUnknown)
      return Unknown("nitrate-reducing; iron(II) missing", "NO3-N");
    if (reducedMetals)
      return Class(kRedoxMixedPlumes,
                   "nitrate >= 0.5 mg/L N with iron or manganese: mixed anaerobic processes",
                   "NO3-N;" + metals);
    return Class(kRedoxNitrate, "oxygen < 0.5, nitrate >= 0.5 mg/L N", "NO3-N");
  }
  const Level so4 = Compare(in.sulfate, kRedoxSulfate);
  // Methane where sulfate is used up shows methanogenesis whatever the
  // iron says: the last electron acceptor is reached.
  const bool methanogenic = so4 == Level::kBelow && CompareMethane(in.methane) == Level::kAbove;
  if (fe != Level::kAbove && methanogenic)
    return Class(kRedoxMethane, "sulfate < 0.5 mg/L with methane > 0.5 mg/L: methanogenic", "SO4;CH4");
  if (fe == Level::kUnknown) return Unknown("anoxic, no nitrate; iron(II) missing", "O2;NO3-N");
  if (fe == Level::kBelow) {
    if (mn == Level::kAbove) return Unknown("manganese-reducing: no condition of its own", "Mn");
    return Unknown("suboxic: no electron acceptor shows", "O2;NO3-N;Fe(II)");
  }
  if (so4 == Level::kUnknown) return Unknown("iron-reducing or below; sulfate missing", "Fe(II)");
  if (so4 == Level::kBelow)
    return Class(kRedoxMethane, "iron(II) >= 0.1, sulfate < 0.5 mg/L: methanogenic",
                 methanogenic ? "Fe(II);SO4;CH4" : "Fe(II);SO4");
  // Iron and sulfate both: the iron/sulfide ratio tells which reduction
  // dominates. Without it the framework names the pair of processes,
  // iron and/or sulfate reduction, which is our mixed condition.
  const std::string pair = "Fe(II);SO4";
  if (!in.sulfide.present)
    return Class(
        kRedoxMixedPlumes,
        "iron(II) >= 0.1 and sulfate >= 0.5 mg/L, sulfide not measured: iron and/or sulfate reduction", pair);
  // A non-detect sulfide bounds the ratio from below only: the true sulfide
  // lies below its limit, so iron over the limit at 10 or more puts the
  // ratio above 10, iron-reducing.
  if (in.sulfide.nonDetect || in.sulfide.value <= 0.0) {
    if (in.sulfide.value > 0.0 && DecimalForm(in.iron.value / in.sulfide.value) >= kRedoxIronSulfideIron)
      return Class(kRedoxIronIndex, "iron(II)/sulfide > 10 (sulfide not detected)", "Fe(II)/H2S");
    return Class(kRedoxMixedPlumes,
                 "iron(II) and sulfate; sulfide not detected, ratio open: iron and/or sulfate reduction",
                 pair);
  }
  // The framework calls a ratio iron-reducing only above 10 and
  // sulfate-reducing only below 0.3; 10 and 0.3 themselves are mixed. The
  // ratio's decimal form decides: 0.7 / 0.07 is 10 and 0.03 / 0.1 is 0.3,
  // though the divisions in binary land a hair below.
  const double ratio = DecimalForm(in.iron.value / in.sulfide.value);
  if (ratio > kRedoxIronSulfideIron)
    return Class(kRedoxIronIndex, "iron(II)/sulfide > 10: iron-reducing", "Fe(II)/H2S");
  if (ratio < kRedoxIronSulfideSulfate)
    return Class(kRedoxSulfateIndex, "iron(II)/sulfide < 0.3: sulfate-reducing", "Fe(II)/H2S");
  return Class(kRedoxMixedPlumes, "iron(II)/sulfide from 0.3 to 10: iron and sulfate reduction",
               "Fe(II)/H2S");
}

}  // namespace

RedoxClass ClassifyRedoxWithBasis(const RedoxIndicators& in) {
  RedoxClass c = Decide(in);
  c.missing = Missing(in);
  return c;
}

int ClassifyRedox(const RedoxIndicators& in, std::string* rule) {
  const RedoxClass c = Decide(in);
  if (rule) *rule = c.rule;
  return c.condition;
}

std::vector<RedoxReading> ReadRedox(const SiteData& site) {
  // Per well, per date, the indicators in mg/L.
  std::map<std::string, std::map<std::string, RedoxIndicators>> byWell;
  std::map<std::string, std::map<std::string, Indicator>> nitrateAsNo3;
  for (const SiteSample& sample : site.samples) {
    // Ethene is a contaminant of the database, not an indicator, but the
    // solvent screening counts it as the end of reductive dechlorination.
    if (!IsSiteIndicator(sample.analyte) && sample.analyte != kChainEndProduct) continue;
    RedoxIndicators& in = byWell[sample.well][sample.date];
    const std::string& a = sample.analyte;
    if (a == kIndicatorOrp) {
      if (sample.unit == kUnitMv) in.orp = {true, sample.value, sample.nonDetect};
      continue;
    }
    if (a == kIndicatorPh || a == kIndicatorTemperature) {
      if (sample.unit == FixedSiteUnit(a))
        (a == kIndicatorPh ? in.ph : in.temperature) = {true, sample.value, sample.nonDetect};
      continue;
    }
    double mgL = 0.0;
    if (!ConvertSiteValue(sample.value, sample.unit, kUnitMgL, &mgL) || sample.unit == kUnitMv) continue;
    const Indicator value{true, mgL, sample.nonDetect};
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
    else if (a == kIndicatorMethane)
      in.methane = value;
    else if (a == kIndicatorDoc)
      in.doc = value;
    else if (Indicator* slot = SolventSlot(&in, a))
      *slot = value;
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
      const RedoxClass c = ClassifyRedoxWithBasis(in);
      readings.push_back({well, date, c.condition, c.rule, in, c.basis, c.missing});
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
