// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/case/linesofevidence.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "engine/core/verdict.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "engine/project/recordtext.h"
#include "engine/project/settings.h"
#include "engine/site/massdischarge.h"
#include "engine/site/plumemass.h"
#include "engine/site/redox.h"
#include "engine/site/sitefit.h"
#include "engine/site/siteproject.h"
#include "engine/site/solventscore.h"

namespace {

// The database's group of chlorinated aliphatics, which the solvent score
// speaks for.
constexpr int32_t kChlorinatedGroup = 2;

std::string Number(double v) {
  return FormatConcentration(v);
}

// A time in days, with years beside it once it runs past one.
std::string Days(double days) {
  std::string text = Number(days) + " d";
  if (days >= 365.25) text += " (" + Number(days / 365.25) + " years)";
  return text;
}

// Where the plume's mass and its discharge over the rounds are shown.
constexpr char kPlumeSection[] = "The plume as a whole";

// A trend class as the trend tables name it, or that there is none.
std::string TrendWords(TrendClass trend) {
  const std::string text = TrendClassText(trend);
  return text.empty() ? "without a trend class" : text;
}

EvidenceRow Row(EvidenceLine line, const std::string& name, const char* section) {
  EvidenceRow row;
  row.line = line;
  row.contaminant = name;
  row.section = section;
  return row;
}

void Light(EvidenceRow& row, AssessmentClass light) {
  row.hasLight = true;
  row.light = light;
}

// The plume as a whole over the sampling rounds (its mass and centre of
// mass, which give the light), with the wells' own trends beside: single
// wells show where the plume changes, not whether it shrinks.
EvidenceRow PlumeRow(const Project& project, const std::string& record, const std::string& name) {
  EvidenceRow row = Row(EvidenceLine::kPlume, name, "Site data: Trends");
  const SiteData& site = virelo_ExtrasOf(project).site;
  if (site.samples.empty()) {
    row.reading = "No monitoring rounds: import the wells' monitoring data to see the plume over time.";
    return row;
  }
  const PlumeMassResult plume = PlumeMassOf(site, record, PlumeMassOptionsFor(project, record));
  if (!plume.rounds.empty()) row.section = kPlumeSection;
  if (plume.light != PlumeLight::kNone) {
    Light(row, plume.light == PlumeLight::kGreen    ? AssessmentClass::Green
               : plume.light == PlumeLight::kYellow ? AssessmentClass::Yellow
                                                    : AssessmentClass::Red);
    row.reading = "Over " + std::to_string(plume.rounds.size()) + " rounds: the plume's mass " +
                  TrendWords(plume.mass.mannKendall.trend) + ", its centre of mass " +
                  TrendWords(plume.centreS.mannKendall.trend) + ".";
  } else {
    row.reading =
        plume.rounds.size() < 4
            ? "No light: the plume's mass needs four sampling rounds of the same wells, the site has " +
                  std::to_string(plume.rounds.size()) + "."
            : std::string("No light: the plume's mass could not be computed.");
  }
  const std::vector<TimeFit> fits = FitTimes(site, record, SiteFitOptionsFor(project, record, 90));
  std::map<TrendClass, int> counts;
  for (const TimeFit& fit : fits) ++counts[fit.mannKendall.trend];
  std::string classes;
  for (TrendClass trend : {TrendClass::kDecreasing, TrendClass::kProbablyDecreasing, TrendClass::kStable,
                           TrendClass::kNoTrend, TrendClass::kProbablyIncreasing, TrendClass::kIncreasing}) {
    if (!counts[trend]) continue;
    classes += (classes.empty() ? "" : ", ") + std::to_string(counts[trend]) + " " + TrendClassText(trend);
  }
  if (!classes.empty()) row.reading += " Wells: " + classes + ".";
  return row;
}

// The mass the groundwater carries through the project's transects, with
// the light of MassDischargeLight.
EvidenceRow DischargeRow(const Project& project, const std::string& record, const std::string& name) {
  EvidenceRow row = Row(EvidenceLine::kDischarge, name, kPlumeSection);
  const ProjectExtras& extras = virelo_ExtrasOf(project);
  if (extras.site.samples.empty()) {
    row.reading = "No monitoring rounds: import the wells' monitoring data and name a transect.";
    return row;
  }
  if (extras.monitoring.transects.empty()) {
    row.reading = "No transect: name wells across the flow as a transect (Site data: Plume as a whole).";
    return row;
  }
  const MassDischargeResult r =
      MassDischargeOf(extras.site, record, extras.monitoring.transects, MassDischargeOptionsFor(project));
  if (!r.problem.empty()) {
    row.reading = "No mass discharge: " + RecordTextToUtf8(r.problem);
    return row;
  }
  const char* unit = r.perMetreThickness ? " g/d per m of thickness" : " g/d";
  std::string parts;
  for (const TransectDischarge& t : r.transects) {
    parts += (parts.empty() ? "" : "; ") + RecordTextToUtf8(t.name);
    if (t.rounds.empty()) {
      parts += " has no round with all its wells";
      continue;
    }
    parts += " " + Number(t.rounds.back().discharge) + unit + " on " + t.rounds.back().date;
    if (t.trend.trend != TrendClass::kNone) parts += ", " + TrendWords(t.trend.trend);
  }
  std::string declines;
  for (const TransectDecline& d : r.declines) {
    if (!std::isfinite(d.ratio)) continue;
    declines += " From " + RecordTextToUtf8(d.upstream) + " to " + RecordTextToUtf8(d.downstream) + " it " +
                (d.ratio < 1.0 ? "falls" : "grows") + " to " + Number(100.0 * d.ratio) + " % over " +
                Number(d.distance) + " m.";
  }
  row.reading = "Mass discharge: " + parts + "." + declines;
  const PlumeLight light = MassDischargeLight(r);
  if (light == PlumeLight::kNone) {
    row.reading +=
        " No light: a trend needs four rounds with all of a transect's wells, and a decline two "
        "transects sampled in one round.";
  } else {
    Light(row, light == PlumeLight::kGreen    ? AssessmentClass::Green
               : light == PlumeLight::kYellow ? AssessmentClass::Yellow
                                              : AssessmentClass::Red);
  }
  return row;
}

// The redox condition the wells suggest, the solvent score for a
// chlorinated aliphatic, and λ from the wells against the project's.
EvidenceRow GeochemistryRow(const Project& project, const Contaminant& c, const std::string& record,
                            const std::string& name) {
  EvidenceRow row = Row(EvidenceLine::kGeochemistry, name, "Site data: Redox");
  const SiteData& site = virelo_ExtrasOf(project).site;
  const std::vector<RedoxReading> readings = ReadRedox(site);
  if (readings.empty()) {
    row.reading = "No redox indicators: measure oxygen, nitrate, iron(II), sulfate, sulfide and methane.";
    return row;
  }
  std::string why;
  const int condition = SuggestRedox(site, readings, &why);
  row.reading = std::string("The wells suggest ") + kRedoxConditions[condition].text + ".";
  if (c.group == kChlorinatedGroup) {
    // The best-scoring latest reading of a well: dechlorination shows in
    // the plume's core, not at its fringe or upstream.
    std::map<std::string, const RedoxReading*> latest;
    for (const RedoxReading& r : readings) latest[r.well] = &r;  // ordered by date within a well
    int best = 0;
    std::string bestWell;
    bool scored = false;
    const SolventBackground background = SolventBackgroundOf(project);
    for (const auto& [well, r] : latest) {
      // With the daughters, as the Site data window scores the same reading.
      const SolventScore score = ScoreSolvent(
          r->indicators, SolventDaughtersAt(site, virelo_ExtrasOf(project).chains, r->well, r->date),
          background);
      if (!score.scored) continue;
      if (!scored || score.total > best) best = score.total, bestWell = well;
      scored = true;
    }
    if (scored) {
      row.reading += " Solvent score " + std::to_string(best) + " at " + bestWell + " (" +
                     SolventReadingWord(best) + " evidence of dechlorination).";
      Light(row, best > 14  ? AssessmentClass::Green
                 : best > 5 ? AssessmentClass::Yellow
                            : AssessmentClass::Red);
    } else {
      row.reading += " No solvent score: none of its parameters is measured.";
    }
  } else if (condition != kRedoxUnknown) {
    // The literature's decay constant under the suggested condition: zero
    // means the contaminant is not known to degrade under it.
    Contaminant copy = c;
    const double* preset = virelo_LambdaField(&copy, kRedoxConditions[condition].lambdaBit);
    const bool has = preset && (c.lambdaMask & kRedoxConditions[condition].lambdaBit);
    if (has && *preset > 0) {
      row.reading += " The literature gives it a decay constant of " + Number(*preset) + " 1/d there.";
      Light(row, AssessmentClass::Green);
    } else if (has) {
      row.reading += " The literature gives it no decay there.";
      Light(row, AssessmentClass::Red);
    } else {
      row.reading += " The database has no decay constant of it for that condition.";
    }
  } else {
    row.reading += " The condition is not clear enough to judge degradation.";
    Light(row, AssessmentClass::Yellow);
  }
  if (!site.samples.empty()) {
    const DistanceFit fit = FitDistance(site, record, SiteFitOptionsFor(project, record, 90));
    double typed = 0.0;
    if (fit.hasLambda && virelo_GetLambda(&c, &typed))
      row.reading += " λ from the wells " + Number(fit.lambda) + " 1/d (" + Number(fit.lambdaLow) + " to " +
                     Number(fit.lambdaHigh) + "), the project's " + Number(typed) + " 1/d.";
  }
  return row;
}

EvidenceRow ModelRow(const RowVerdict& verdict, const std::string& name) {
  EvidenceRow row = Row(EvidenceLine::kModel, name, "Results");
  if (verdict.verdict == AssessmentClass::Problems) {
    row.reading = "No verdict: the inputs have problems (see the Results page).";
    return row;
  }
  Light(row, verdict.verdict);
  row.reading = std::string("Attenuation factor ") + AssessmentClassName(verdict.verdict);
  const std::string reasons = VerdictReasonWords(verdict.reasons);
  row.reading += reasons.empty() ? std::string(" by the models.")
                                 : " (worse than the screening model by: " + reasons + ").";
  return row;
}

// When the receptor first exceeds CA and whether it falls back, and when
// a fading source meets its target.
EvidenceRow TimeRow(const TimeInputs& in, const TransientTimes& t, const std::string& name) {
  EvidenceRow row = Row(EvidenceLine::kTimeFrame, name, "Time");
  if (!in.usable) {
    row.reading = "No time frame: " + in.problem;
    return row;
  }
  const std::optional<double> exceed = t.exceedExact ? t.exceedExact : t.exceedScreening;
  const std::optional<double> below = t.exceedExact ? t.belowAgainExact : t.belowAgainScreening;
  if (!exceed) {
    Light(row, AssessmentClass::Green);
    row.reading = "The receptor stays below CA at all times.";
  } else if (below) {
    Light(row, AssessmentClass::Yellow);
    row.reading = "The receptor exceeds CA from " + Days(*exceed) + " to " + Days(*below) + ".";
  } else {
    Light(row, AssessmentClass::Red);
    row.reading = "The receptor first exceeds CA after " + Days(*exceed) + " and stays above it.";
  }
  if (in.timing.chain)
    row.reading += " The times follow its decay chain.";
  else if (t.sourceTimeToTarget && *t.sourceTimeToTarget > 0)
    row.reading += " The source meets its target after " + Days(*t.sourceTimeToTarget) + ".";
  else if (t.sourceTimeToTarget)
    row.reading += " The source is at its target already.";
  else
    row.reading += " The source is constant: it meets no target by decay alone.";
  return row;
}

}  // namespace

const char* EvidenceLineName(EvidenceLine line) {
  switch (line) {
    case EvidenceLine::kPlume: return "plume behaviour";
    case EvidenceLine::kDischarge: return "mass discharge";
    case EvidenceLine::kGeochemistry: return "geochemistry";
    case EvidenceLine::kModel: return "model";
    case EvidenceLine::kTimeFrame: return "time frame";
  }
  return "";
}

const char* EvidenceLightName(const EvidenceRow& row) {
  return row.hasLight ? AssessmentClassName(row.light) : "none";
}

EvidenceTimes EvidenceTimesOf(const Project& project, ProjectCase& evaluated) {
  EvidenceTimes times;
  times.contaminants = TimeContaminantsOf(project);
  times.inputs = evaluated.TimeRows();
  return times;
}

bool ComputeEvidenceTimes(EvidenceTimes* times, const TimingProgress& progress) {
  std::vector<TimingInput> usable;
  for (const TimeInputs& in : times->inputs)
    if (in.usable) usable.push_back(in.timing);
  times->rows = ComputeTimingRows(usable, progress);
  return times->rows.size() == usable.size();
}

std::vector<EvidenceRow> LinesOfEvidence(const Project& project, ProjectCase& evaluated,
                                         const EvidenceTimes& times) {
  // Each contaminant's time inputs with its computed times, by index.
  std::map<int, std::pair<const TimeInputs*, TransientTimes>> timeOf;
  size_t next = 0;
  for (size_t k = 0; k < times.inputs.size() && k < times.contaminants.size(); ++k) {
    const TimeInputs& in = times.inputs[k];
    if (!in.usable) {
      timeOf[times.contaminants[k]] = {&in, TransientTimes{}};
    } else if (next < times.rows.size()) {
      timeOf[times.contaminants[k]] = {&in, times.rows[next++].times};
    }
  }
  std::vector<EvidenceRow> rows;
  for (int k = 0; k < project.resultCount; ++k) {
    const ContaminantResult& result = project.results[k];
    const int index = result.contaminantIndex;
    if (index < 0 || index >= project.contaminantCount) continue;
    const Contaminant& c = project.contaminants[index];
    if (!(c.assess & kAssessAttenuationFactor)) continue;
    const std::string name = ContaminantNameUtf8(project, index);
    const std::string record(c.name, strnlen(c.name, sizeof c.name));
    rows.push_back(PlumeRow(project, record, name));
    rows.push_back(DischargeRow(project, record, name));
    rows.push_back(GeochemistryRow(project, c, record, name));
    rows.push_back(ModelRow(evaluated.Verdict(result, false), name));
    const auto found = timeOf.find(index);
    if (found != timeOf.end()) {
      rows.push_back(TimeRow(*found->second.first, found->second.second, name));
    } else {
      EvidenceRow row = Row(EvidenceLine::kTimeFrame, name, "Time");
      row.reading = "No time frame: its times are not computed.";
      rows.push_back(row);
    }
  }
  return rows;
}

std::vector<EvidenceRow> LinesOfEvidence(const Project& project, ProjectCase& evaluated) {
  EvidenceTimes times = EvidenceTimesOf(project, evaluated);
  ComputeEvidenceTimes(&times);
  return LinesOfEvidence(project, evaluated, times);
}
