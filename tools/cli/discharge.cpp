// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli discharge: the contaminant mass the groundwater carries through
// transects of wells across the flow, per round, with its trend and its
// change from one transect to the next downstream.
#include <cmath>
#include <ostream>
#include <sstream>

#include "diagnostics/text.h"
#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/site/massdischarge.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

namespace {

const std::vector<std::string> kColumns = {"contaminant", "transect",  "round",
                                           "date",        "discharge", "dischargeUpper"};
const std::vector<std::string> kSummaryColumns = {"contaminant", "transect",     "s",          "rounds",
                                                  "trend",       "mannKendallS", "confidence", "downstream",
                                                  "ratioDate",   "ratio",        "light"};

// NAME=W1,W2,... in UTF-8, into the records' text.
bool ParseTransect(const std::string& text, Transect* out) {
  std::string record, why;
  return Utf8ToRecordText(text, &record) && ParseTransectText(record, out, &why) &&
         TransectProblem(*out, {}).empty();
}

std::vector<std::string> SummaryFields(const MassDischargeResult& r, size_t k) {
  const TransectDischarge& t = r.transects[k];
  const MannKendallResult& mk = t.trend;
  std::vector<std::string> fields = {RecordTextToUtf8(r.contaminant),
                                     RecordTextToUtf8(t.name),
                                     SiteCsvNumber(t.s),
                                     std::to_string(t.rounds.size()),
                                     TrendClassText(mk.trend),
                                     mk.n >= 4 ? std::to_string(mk.s) : "",
                                     SiteCsvNumber(100.0 * mk.confidence),
                                     "",
                                     "",
                                     "",
                                     PlumeLightKey(MassDischargeLight(r))};
  if (k < r.declines.size()) {
    fields[7] = RecordTextToUtf8(r.declines[k].downstream);
    fields[8] = r.declines[k].date;
    fields[9] = SiteCsvNumber(r.declines[k].ratio);
  }
  return fields;
}

void WriteText(const MassDischargeResult& r, std::ostream& out) {
  const std::string unit = r.perMetreThickness ? " g/d per m of thickness" : " g/d";
  const std::string light = PlumeLightKey(MassDischargeLight(r));
  out << RecordTextToUtf8(r.contaminant)
      << " (advective flux only; dispersive flux neglected), light: " << (light.empty() ? "none" : light)
      << "\n";
  for (size_t k = 0; k < r.transects.size(); ++k) {
    const TransectDischarge& t = r.transects[k];
    const std::vector<std::string> f = SummaryFields(r, k);
    out << "  transect " << f[1] << " at s " << SiteTextNumber(t.s) << " m:";
    for (const TransectRound& round : t.rounds)
      out << "\n    " << round.date << "  Md " << SiteTextNumber(round.discharge) << unit
          << " (non-detects at their limit " << SiteTextNumber(round.dischargeUpper) << ")";
    out << "\n    trend: " << (f[4].empty() ? "too few rounds" : f[4]) << "\n";
    for (const std::string& s : t.leftOut) out << "    left out: " << RecordTextToUtf8(s) << "\n";
    if (!f[7].empty())
      out << "    to " << f[7] << ": Md downstream / upstream "
          << (f[9].empty() ? "undefined" : SiteTextNumber(r.declines[k].ratio)) << " on "
          << (f[8].empty() ? "no common round" : f[8]) << "\n";
  }
}

}  // namespace

std::string DischargeUsage() {
  return "  discharge FILE.vrp [--transect NAME=W1,W2,... [--transect ...]] [--contaminant NAME]\n"
         "            [--round-days N] [--thickness B] [--csv]\n"
         "      The mass discharge Md = sum of C Kf i w b [g/d] through each transect of\n"
         "      wells across the flow (default: the transects the project keeps) per\n"
         "      round (dates within N days; default: the project's, 30 unless set); each\n"
         "      well stands for the strip w halfway to its neighbours, an outer well's\n"
         "      strip reaching as far beyond it. Advective flux only: the dispersive\n"
         "      flux is neglected. B is the saturated thickness [m] (default: the\n"
         "      project's). CSV: one row per transect and round (contaminant, transect,\n"
         "      round, date, discharge, dischargeUpper with non-detects at their limit),\n"
         "      then a second header and one row per transect along the flow: its mean\n"
         "      s [m], rounds, the Mann-Kendall trend of Md (trend, mannKendallS,\n"
         "      confidence [%]) and Md of the next transect downstream over its own\n"
         "      (downstream, ratioDate, ratio) on the latest round both hold, and the\n"
         "      contaminant's light (green, yellow, red; empty without a trend or a decline).\n";
}

int RunDischarge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // --transect repeats; the option parser keeps one value per option, so
  // the transects are taken here first.
  std::vector<std::string> rest;
  std::vector<Transect> transects;
  for (size_t k = 0; k < args.size(); ++k) {
    if (args[k] != "--transect") {
      rest.push_back(args[k]);
      continue;
    }
    Transect t;
    if (k + 1 >= args.size() || !ParseTransect(args[k + 1], &t))
      return UsageError("--transect takes NAME=W1,W2,... with two wells or more", err);
    transects.push_back(t);
    ++k;
  }
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(
          rest, {{"--contaminant", true}, {"--round-days", true}, {"--thickness", true}, {"--csv", false}},
          &parsed, &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("discharge takes one project file", err);
  int roundDays = -1;  // the project's
  if (parsed.values.count("--round-days")) {
    char* end = nullptr;
    const std::string& text = parsed.values.at("--round-days");
    const double days = ParseCNumber(text.c_str(), &end);
    if (text.empty() || *end || !(days >= 0.0 && days <= 3650.0) || days != std::floor(days))
      return UsageError("--round-days takes a whole number of days from 0 to 3650", err);
    roundDays = int(days);
  }
  double thickness = NAN;
  if (parsed.values.count("--thickness")) {
    char* end = nullptr;
    const std::string& text = parsed.values.at("--thickness");
    thickness = ParseCNumber(text.c_str(), &end);
    if (text.empty() || *end || !IsAcceptedSaturatedThickness(thickness))
      return UsageError("--thickness takes a positive number of metres", err);
  }
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
  if (transects.empty()) transects = virelo_ExtrasOf(*project).monitoring.transects;
  if (transects.empty())
    return UsageError("the project keeps no transect: name one with --transect NAME=W1,W2,...", err);
  MassDischargeOptions options = MassDischargeOptionsFor(*project);
  if (roundDays >= 0) options.roundDays = roundDays;
  if (std::isfinite(thickness)) options.thickness = thickness;

  std::vector<MassDischargeResult> results;
  for (const std::string& name : names) {
    results.push_back(MassDischargeOf(site, name, transects, options));
    if (!results.back().problem.empty()) {
      err << "virelo-cli: " << parsed.files[0] << ": " << RecordTextToUtf8(results.back().problem) << "\n";
      return kCliFailed;
    }
  }
  if (parsed.has("--csv")) {
    out << CsvJoin(kColumns) << "\n";
    for (const MassDischargeResult& r : results)
      for (const TransectDischarge& t : r.transects)
        for (size_t k = 0; k < t.rounds.size(); ++k)
          out << CsvJoin({RecordTextToUtf8(r.contaminant), RecordTextToUtf8(t.name), std::to_string(k + 1),
                          t.rounds[k].date, SiteCsvNumber(t.rounds[k].discharge),
                          SiteCsvNumber(t.rounds[k].dischargeUpper)})
              << "\n";
    out << CsvJoin(kSummaryColumns) << "\n";
    for (const MassDischargeResult& r : results)
      for (size_t k = 0; k < r.transects.size(); ++k) out << CsvJoin(SummaryFields(r, k)) << "\n";
  } else {
    for (const MassDischargeResult& r : results) WriteText(r, out);
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
