// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli trend: the concentration trend at each well: the point decay
// rate of ln C against time and the Mann-Kendall class.
#include <cmath>
#include <ostream>

#include "engine/project/extras.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

const std::vector<std::string>& TrendCsvColumns() {
  static const std::vector<std::string> columns = {"well",       "contaminant", "n",        "kPoint",
                                                   "kPointLow",  "kPointHigh",  "halfLife", "mannKendallS",
                                                   "confidence", "cov",         "trend"};
  return columns;
}

std::string TrendUsage() {
  return "  trend FILE.vrp [--contaminant NAME] [--level 80|90|95] [--csv]\n"
         "      For each well and contaminant (or NAME only): the detected samples n,\n"
         "      the point decay rate of ln C against time [1/d] with its interval, its\n"
         "      half-life [d], Mann-Kendall S, the confidence in a trend [%], the\n"
         "      coefficient of variation and the trend class. Non-detects are left out.\n";
}

int RunTrend(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  int level = 90;
  if (!ParseCliArguments(args, {{"--contaminant", true}, {"--level", true}, {"--csv", false}}, &parsed,
                         &error) ||
      !TakeLevelOption(parsed, &level, &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("trend takes one project file", err);
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

  const bool csv = parsed.has("--csv");
  if (csv) out << CsvJoin(TrendCsvColumns()) << "\n";
  int rows = 0;
  for (const std::string& name : names) {
    for (const TimeFit& f : FitTimes(site, name, SiteFitOptionsFor(*project, name, level))) {
      const MannKendallResult& mk = f.mannKendall;
      const std::vector<std::string> fields = {RecordTextToUtf8(f.well),
                                               RecordTextToUtf8(name),
                                               std::to_string(f.points.size()),
                                               SiteCsvNumber(f.kPoint),
                                               SiteCsvNumber(f.kPointLow),
                                               SiteCsvNumber(f.kPointHigh),
                                               SiteCsvNumber(f.halfLife),
                                               mk.n >= 4 ? std::to_string(mk.s) : "",
                                               SiteCsvNumber(100.0 * mk.confidence),
                                               SiteCsvNumber(mk.cov),
                                               TrendClassText(mk.trend)};
      ++rows;
      if (csv) {
        out << CsvJoin(fields) << "\n";
        continue;
      }
      out << fields[0] << "  " << fields[1] << ": n " << fields[2];
      if (std::isfinite(f.kPoint))
        out << ", k " << fields[3] << " 1/d (" << fields[4] << " to " << fields[5] << ")";
      if (std::isfinite(f.halfLife)) out << ", half-life " << fields[6] << " d";
      if (mk.n >= 4)
        out << ", S " << fields[7] << ", confidence " << fields[8] << " %, COV " << fields[9] << ", "
            << fields[10];
      if (!f.caDate.empty()) out << ", CA reached " << f.caDate;
      out << "\n";
    }
  }
  out.flush();
  if (rows == 0) {
    err << "virelo-cli: " << parsed.files[0] << " holds no samples"
        << (parsed.values.count("--contaminant") ? " of " + parsed.values.at("--contaminant") : std::string())
        << " at its wells\n";
    return kCliFailed;
  }
  return out ? kCliOk : kCliFailed;
}
