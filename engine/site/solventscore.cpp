// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The protocol's screening points, row by row.
#include "engine/site/solventscore.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "diagnostics/text.h"
#include "engine/project/decimalform.h"
#include "engine/project/recordtext.h"

namespace {

std::string Number(double value) {
  char buffer[64];
  FormatCNumber(buffer, sizeof buffer, "%.4g", value + 0.0);
  return buffer;
}

// The decimal form of a value, with what a non-detect says: only that the
// value lies below its limit.
struct Reading {
  bool present = false;
  double value = 0.0;
  bool nonDetect = false;
  // Surely below `threshold` (a strict "<" row).
  bool below(double threshold) const {
    return present && (nonDetect ? value <= threshold : value < threshold);
  }
  // Surely above (a strict ">" row); a non-detect never is.
  bool above(double threshold) const { return present && !nonDetect && value > threshold; }
};

Reading Read(const Indicator& in, double factor = 1.0) {
  return {in.present, DecimalForm(in.value * factor), in.nonDetect};
}

// Ethene and ethane together: the detected amounts added. Only when neither
// was detected is the sum a non-detect, below the larger limit.
Reading Ethenes(const Indicator& ethene, const Indicator& ethane) {
  Reading sum;
  bool detected = false;
  for (const Indicator* gas : {&ethene, &ethane}) {
    if (!gas->present) continue;
    if (!gas->nonDetect) {
      if (!detected) sum.value = 0.0;
      detected = true;
      sum.value += gas->value;
    } else if (!detected) {
      sum.value = std::max(sum.value, gas->value);
    }
    sum.present = true;
  }
  sum.nonDetect = sum.present && !detected;
  sum.value = DecimalForm(sum.value);
  return sum;
}

// The daughter rows, in the order of the table.
constexpr const char* kDaughterRows[] = {"TCE", "DCE", "VC"};

// The daughter row a chain species stands for, by its molar mass (which
// ChainMolarMass gives by name); null for any other species.
const char* DaughterRow(const std::string& species) {
  const double mass = ChainMolarMass(species);
  if (mass == ChainMolarMass("TCE")) return "TCE";
  if (mass == ChainMolarMass("DCE")) return "DCE";
  if (mass == ChainMolarMass("VC")) return "VC";
  return nullptr;
}

// The background level of one parameter: the median of each background
// well's latest value. The median, not the mean, so that one background
// well with water of its own (a road's salt, a spring) does not set the
// level for the site; the latest value of each well, so that a well sampled
// less often still counts and the level is today's upstream water.
Indicator BackgroundLevel(const std::vector<RedoxReading>& readings, const std::vector<std::string>& wells,
                          Indicator RedoxIndicators::*member) {
  std::map<std::string, Indicator> latest;  // readings run by date within a well
  for (const RedoxReading& r : readings)
    if ((r.indicators.*member).present && std::find(wells.begin(), wells.end(), r.well) != wells.end())
      latest[r.well] = r.indicators.*member;
  if (latest.empty()) return {};
  std::vector<double> values;
  bool limit = false;
  for (const auto& [well, value] : latest) {
    values.push_back(value.value);
    limit = limit || value.nonDetect;
  }
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
  return {true, DecimalForm(median), limit};
}

}  // namespace

SolventBackground SolventBackgroundFor(const SiteData& site, const std::vector<std::string>& marked) {
  SolventBackground background;
  // Marks of wells the site no longer holds count for nothing; where none
  // is left, the upstream wells serve, and the text says which.
  for (const SiteWell& well : site.wells)
    if (std::find(marked.begin(), marked.end(), well.name) != marked.end())
      background.wells.push_back(well.name);
  background.marked = !background.wells.empty();
  if (!background.marked) {
    for (const SiteWell& well : site.wells)
      if (well.s < 0.0) background.wells.push_back(well.name);
  }
  if (background.wells.empty()) return background;
  const std::vector<RedoxReading> readings = ReadRedox(site);
  background.alkalinity = BackgroundLevel(readings, background.wells, &RedoxIndicators::alkalinity);
  return background;
}

std::string SolventBackgroundText(const SolventBackground& background) {
  if (background.wells.empty())
    return "no background well: none is marked and none lies upstream of the source";
  std::string wells;
  for (const std::string& w : background.wells) wells += (wells.empty() ? "" : ", ") + RecordTextToUtf8(w);
  const std::string which = (background.marked ? "marked " : "upstream ") + wells;
  if (!background.alkalinity.present) return "alkalinity not measured in a background well (" + which + ")";
  return std::string("alkalinity ") + (background.alkalinity.nonDetect ? "below " : "") +
         Number(background.alkalinity.value) + " mg/L (median of the latest values at " + which + ")";
}

std::vector<SolventDaughter> SolventDaughtersAt(const SiteData& site, const std::vector<DecayChain>& chains,
                                                const std::string& well, const std::string& date) {
  std::vector<SolventDaughter> daughters;
  for (const DecayChain& chain : chains) {
    if (chain.released.empty()) continue;
    for (const std::string& species : chain.species) {
      const char* row = DaughterRow(species);
      if (!row || std::any_of(daughters.begin(), daughters.end(),
                              [&](const SolventDaughter& d) { return d.row == row; }))
        continue;
      SolventDaughter d{row, {}, false};
      d.released = std::find(chain.released.begin(), chain.released.end(), species) != chain.released.end();
      for (const SiteSample& s : site.samples) {
        double mgL = 0.0;
        if (s.well == well && s.date == date && s.analyte == species &&
            ConvertSiteValue(s.value, s.unit, kUnitMgL, &mgL))
          d.measured = {true, mgL, s.nonDetect};
      }
      daughters.push_back(d);
    }
  }
  // In the order of the table, as the other rows.
  std::vector<SolventDaughter> ordered;
  for (const char* row : kDaughterRows)
    for (const SolventDaughter& d : daughters)
      if (d.row == row) ordered.push_back(d);
  return ordered;
}

SolventScore ScoreSolvent(const RedoxIndicators& in, const std::vector<SolventDaughter>& daughters,
                          const SolventBackground& background) {
  SolventScore score;
  auto row = [&](const char* name, const Reading& r, int points) {
    if (!r.present) {
      score.missing.push_back(name);
      return;
    }
    score.scored = true;
    score.total += points;
    score.used.push_back({name, r.value, r.nonDetect, points});
  };
  const Reading o2 = Read(in.oxygen);
  row("O2", o2, o2.below(kSolventOxygenLow) ? 3 : o2.above(kSolventOxygenHigh) ? -3 : 0);
  const Reading no3 = Read(in.nitrateN, 1.0 / kNitrateToN);
  row("NO3", no3, no3.below(kSolventNitrateAsNo3) ? 2 : 0);
  const Reading fe = Read(in.iron);
  row("Fe(II)", fe, fe.above(kSolventIron) ? 3 : 0);
  const Reading so4 = Read(in.sulfate);
  row("SO4", so4, so4.below(kSolventSulfate) ? 2 : 0);
  const Reading h2s = Read(in.sulfide);
  row("H2S", h2s, h2s.above(kSolventSulfide) ? 3 : 0);
  const Reading ch4 = Read(in.methane);
  row("CH4", ch4, ch4.above(kSolventMethane) ? 3 : 0);
  const Reading orp = Read(in.orp);
  row("ORP", orp, orp.below(kSolventOrpLikely) ? 2 : orp.below(kSolventOrpPossible) ? 1 : 0);
  const bool toc = in.toc.present;
  const Reading carbon = Read(toc ? in.toc : in.doc);
  row(toc || !in.doc.present ? "TOC" : "DOC", carbon, carbon.above(kSolventOrganicCarbon) ? 2 : 0);
  const Reading temperature = Read(in.temperature);
  row("temperature", temperature, temperature.above(kSolventTemperature) ? 1 : 0);
  // Against background: a background level that is a detection limit is
  // an upper bound, so a well above twice it is surely above twice
  // background.
  const bool alkalinityBackground = background.alkalinity.present;
  if (alkalinityBackground) {
    const Reading alkalinity = Read(in.alkalinity);
    const double threshold = DecimalForm(kSolventAlkalinityFactor * background.alkalinity.value);
    row("alkalinity", alkalinity, alkalinity.above(threshold) ? 1 : 0);
  }
  const Reading ethenes = Ethenes(in.ethene, in.ethane);
  row("C2H4/C2H6", ethenes,
      ethenes.above(kSolventEthenesHigh)  ? 3
      : ethenes.above(kSolventEthenesLow) ? 2
                                          : 0);
  score.leftOut.assign(std::begin(kSolventRowsLeftOut), std::end(kSolventRowsLeftOut));
  if (!alkalinityBackground) {
    const auto co2 = std::find_if(score.leftOut.begin(), score.leftOut.end(),
                                  [](const SolventRowLeftOut& r) { return std::string(r.row) == "CO2"; });
    score.leftOut.insert(
        co2 + 1, background.wells.empty() ? kSolventAlkalinityNoBackground : kSolventAlkalinityUnmeasured);
  }
  if (!daughters.empty()) {
    for (const char* name : kDaughterRows) {
      const auto d = std::find_if(daughters.begin(), daughters.end(),
                                  [&](const SolventDaughter& x) { return x.row == name; });
      if (d == daughters.end()) {
        score.missing.push_back(name);
        continue;
      }
      const Reading r = Read(d->measured);
      row(name, r, !d->released && r.above(0.0) ? 2 : 0);
    }
    score.leftOut.back() = kSolventEthanesLeftOut;
  }
  return score;
}

const char* SolventReadingWord(int total) {
  if (total <= 5) return "inadequate";
  if (total <= 14) return "limited";
  if (total <= 20) return "adequate";
  return "strong";
}

std::string SolventReadingText(int total) {
  return std::string(SolventReadingWord(total)) + " evidence for reductive dechlorination";
}

std::string SolventPointsText(const SolventScore& score) {
  std::string text;
  for (const SolventPoints& p : score.used)
    text += (text.empty() ? "" : ", ") + p.parameter + " " + std::to_string(p.points);
  return text;
}

std::string SolventMissingText(const SolventScore& score) {
  std::string text;
  for (const std::string& m : score.missing) text += (text.empty() ? "" : ";") + m;
  return text;
}

std::string SolventUnscoredText(const SolventScore& score) {
  std::string text = SolventMissingText(score);
  for (const SolventRowLeftOut& row : score.leftOut) text += (text.empty() ? "" : ";") + std::string(row.row);
  return text;
}

std::string SolventLeftOutText(const SolventScore& score) {
  std::string text;
  for (const SolventRowLeftOut& row : score.leftOut) text += std::string(row.row) + ": " + row.reason + "\n";
  return text;
}
