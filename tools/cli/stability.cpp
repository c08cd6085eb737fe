// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli stability: whether the plume as a whole shrinks, stands or
// moves: its mass and centre of mass per sampling round and their trends.
#include <cmath>
#include <ostream>
#include <sstream>

#include "diagnostics/text.h"
#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/site/plumemass.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

namespace {

// A number's text read in the C locale; false for anything else.
bool ReadNumber(const std::string& text, double* value) {
  char* end = nullptr;
  *value = ParseCNumber(text.c_str(), &end);
  return !text.empty() && end && *end == '\0' && std::isfinite(*value);
}

const std::vector<std::string> kRoundColumns = {"contaminant", "round",   "date",      "wells",
                                                "estimator",   "mass",    "massUpper", "centreS",
                                                "centreY",     "spreadS", "spreadY"};
const std::vector<std::string> kSummaryColumns = {
    "contaminant",    "rounds",      "estimator",   "massUnit",         "massTrend",   "massS",
    "massConfidence", "centreTrend", "spreadTrend", "halfLife",         "halfLifeLow", "halfLifeHigh",
    "drift",          "driftLow",    "driftHigh",   "retardedVelocity", "light"};

std::string MassUnit(const PlumeMassResult& r) {
  std::string unit = r.estimator == "line" ? "kg/m" : "kg";
  if (r.perMetreThickness) unit += " per m of thickness";
  return unit;
}

// Numbers round-trip in the CSV; the text gives them as people read them.
using NumberText = std::string (*)(double);

std::vector<std::string> SummaryFields(const PlumeMassResult& r, NumberText number = SiteCsvNumber) {
  const MannKendallResult& mk = r.mass.mannKendall;
  return {RecordTextToUtf8(r.contaminant),
          std::to_string(r.rounds.size()),
          r.estimator,
          MassUnit(r),
          TrendClassText(mk.trend),
          mk.n >= 4 ? std::to_string(mk.s) : "",
          number(100.0 * mk.confidence),
          TrendClassText(r.centreS.mannKendall.trend),
          TrendClassText(r.spreadS.mannKendall.trend),
          number(r.halfLife),
          number(r.halfLifeLow),
          r.halfLifeHigh == INFINITY ? "inf" : number(r.halfLifeHigh),
          number(r.drift),
          number(r.driftLow),
          number(r.driftHigh),
          number(r.retardedVelocity),
          PlumeLightKey(r.light)};
}

std::vector<std::string> RoundFields(const PlumeMassResult& r, size_t k, NumberText number = SiteCsvNumber) {
  const PlumeRound& round = r.rounds[k];
  const PlumeMoments& m = round.moments;
  return {RecordTextToUtf8(r.contaminant),
          std::to_string(k + 1),
          round.date,
          std::to_string(round.wells.size()),
          r.estimator,
          number(m.mass),
          number(m.massUpper),
          number(m.centreS),
          number(m.centreY),
          number(m.spreadS),
          number(m.spreadY)};
}

void WriteText(const PlumeMassResult& r, int level, std::ostream& out) {
  out << RecordTextToUtf8(r.contaminant) << ": ";
  if (r.estimator.empty()) {
    out << "no mass\n";
  } else {
    out << r.rounds.size() << " rounds, " << r.wells.size() << " wells (";
    for (size_t k = 0; k < r.wells.size(); ++k) out << (k ? ", " : "") << RecordTextToUtf8(r.wells[k]);
    out << "), estimator " << r.estimator << ", mass in " << MassUnit(r) << "\n";
  }
  for (size_t k = 0; k < r.rounds.size(); ++k) {
    const std::vector<std::string> f = RoundFields(r, k, SiteTextNumber);
    out << "  " << f[2] << "  M0 " << f[5] << " (non-detects at their limit " << f[6] << "), centre s "
        << f[7] << " m, spread s " << f[9] << " m\n";
  }
  if (!r.rounds.empty()) {
    const std::vector<std::string> f = SummaryFields(r, SiteTextNumber);
    out << "  mass: " << (f[4].empty() ? "no trend test" : f[4]);
    if (!f[5].empty()) out << " (S " << f[5] << ", confidence " << f[6] << " %)";
    out << "; centre of mass: " << f[7] << "; spread: " << f[8] << "\n";
    if (std::isfinite(r.halfLife))
      out << "  half-life " << f[9] << " d (" << level << " %: " << f[10] << " to " << f[11] << ")\n";
    if (std::isfinite(r.drift))
      out << "  drift " << f[12] << " m/d (" << level << " %: " << f[13] << " to " << f[14]
          << "), beside v/R " << (f[15].empty() ? "unknown" : f[15] + " m/d") << "\n";
    if (r.light != PlumeLight::kNone) out << "  light: " << f[16] << "\n";
  }
  for (const std::string& s : r.leftOut) out << "  left out: " << RecordTextToUtf8(s) << "\n";
  for (const std::string& s : r.notes) out << "  " << s << "\n";
}

}  // namespace

std::string StabilityUsage() {
  return "  stability FILE.vrp [--contaminant NAME] [--round-days N] [--thickness B]\n"
         "            [--leave-out W1,W2,...] [--csv]\n"
         "      The plume's dissolved mass M0 = ne b integral of C, its centre of mass\n"
         "      and spread per sampling round (dates within N days form one round;\n"
         "      default: the project's, 30 unless set), on the wells with a value in\n"
         "      every round compared; upstream wells and wells out of the decay fit\n"
         "      are left out unless --leave-out names the wells to leave out. B is the saturated thickness "
         "[m] (default: the\n"
         "      project's). CSV: one row per round (contaminant, round, date, wells,\n"
         "      estimator, mass, massUpper, centreS, centreY, spreadS, spreadY; masses\n"
         "      in kg, kg/m for the line estimator; massUpper with non-detects at their\n"
         "      reporting limit), then a second header and one summary row per\n"
         "      contaminant: rounds, estimator, massUnit, the Mann-Kendall class of the\n"
         "      mass (massTrend, massS, massConfidence [%]), of the centre of mass\n"
         "      (centreTrend) and of the spread (spreadTrend), the mass half-life [d]\n"
         "      with its 90 % interval, the drift of the centre [m/d] with its 90 %\n"
         "      interval, the retarded seepage velocity v/R [m/d] and the light (green,\n"
         "      yellow, red; empty below four rounds).\n";
}

int RunStability(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args,
                         {{"--contaminant", true},
                          {"--round-days", true},
                          {"--thickness", true},
                          {"--leave-out", true},
                          {"--csv", false}},
                         &parsed, &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("stability takes one project file", err);
  int roundDays = -1;  // the project's
  if (parsed.values.count("--round-days")) {
    double days = 0.0;
    if (!ReadNumber(parsed.values.at("--round-days"), &days) || days < 0.0 || days > 3650.0 ||
        days != std::floor(days))
      return UsageError("--round-days takes a whole number of days from 0 to 3650", err);
    roundDays = int(days);
  }
  double thickness = NAN;
  if (parsed.values.count("--thickness") &&
      (!ReadNumber(parsed.values.at("--thickness"), &thickness) || !IsAcceptedSaturatedThickness(thickness)))
    return UsageError("--thickness takes a positive number of metres", err);
  std::vector<std::string> names;
  if (parsed.values.count("--contaminant")) {
    std::string name;
    if (!Utf8ToRecordText(parsed.values.at("--contaminant"), &name))
      return UsageError("the contaminant's name is not text Virelo can hold", err);
    names.push_back(name);
  }
  ProjectHandle project = LoadSiteProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  const SiteData& site = virelo_ExtrasOf(*project).site;
  if (names.empty()) names = SiteContaminants(site);

  std::vector<PlumeMassResult> results;
  for (const std::string& name : names) {
    PlumeMassOptions options = PlumeMassOptionsFor(*project, name);
    if (roundDays >= 0) options.roundDays = roundDays;
    if (std::isfinite(thickness)) options.thickness = thickness;
    if (parsed.values.count("--leave-out")) {
      std::vector<std::string> wells;
      std::stringstream list(parsed.values.at("--leave-out"));
      for (std::string well; std::getline(list, well, ',');) {
        std::string record;
        if (!Utf8ToRecordText(well, &record))
          return UsageError("a well's name is not text Virelo can hold", err);
        wells.push_back(record);
      }
      options.leftOut = wells;
    }
    results.push_back(PlumeMassOf(site, name, options));
  }
  if (parsed.has("--csv")) {
    out << CsvJoin(kRoundColumns) << "\n";
    for (const PlumeMassResult& r : results)
      for (size_t k = 0; k < r.rounds.size(); ++k) out << CsvJoin(RoundFields(r, k)) << "\n";
    out << CsvJoin(kSummaryColumns) << "\n";
    for (const PlumeMassResult& r : results) out << CsvJoin(SummaryFields(r)) << "\n";
  } else {
    for (const PlumeMassResult& r : results) WriteText(r, 90, out);
  }
  out.flush();
  bool any = false;
  for (const PlumeMassResult& r : results) any = any || !r.rounds.empty();
  if (!any) {
    err << "virelo-cli: " << parsed.files[0] << " gives no plume mass: "
        << (results.empty() || results[0].notes.empty() ? "no samples at its wells" : results[0].notes[0])
        << "\n";
    return kCliFailed;
  }
  return out ? kCliOk : kCliFailed;
}
