// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli decay: a contaminant's decay constant from the site's wells
// (concentration against distance, Buscheck-Alcantar), with its interval.
#include <cmath>
#include <ostream>

#include "engine/project/extras.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

namespace {

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& t : texts) joined += (joined.empty() ? "" : "; ") + t;
  return joined;
}

}  // namespace

const std::vector<std::string>& DecayCsvColumns() {
  static const std::vector<std::string> columns = {
      "contaminant", "date",      "n",          "slope",    "slopeLow", "slopeHigh", "bulkK",
      "lambda",      "lambdaLow", "lambdaHigh", "halfLife", "r2",       "warnings"};
  return columns;
}

std::string DecayUsage() {
  return "  decay FILE.vrp --contaminant NAME [--date YYYY-MM-DD] [--level 80|90|95] [--csv]\n"
         "      The decay constant of NAME from the site's wells on one date (default:\n"
         "      the latest with three detected values at wells in the fit): the slope\n"
         "      of ln C against s [1/m] with its interval, the bulk rate [1/d] and\n"
         "      lambda after Buscheck and Alcantar [1/d] with its interval. Exits 1\n"
         "      with the warnings when the data give no lambda.\n";
}

int RunDecay(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  int level = 90;
  if (!ParseCliArguments(args,
                         {{"--contaminant", true}, {"--date", true}, {"--level", true}, {"--csv", false}},
                         &parsed, &error) ||
      !TakeLevelOption(parsed, &level, &error))
    return UsageError(error, err);
  std::string name;
  if (!TakeFitTarget(parsed, "decay", &name, &error)) return UsageError(error, err);

  ProjectHandle project = LoadSiteProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  SiteFitOptions options = SiteFitOptionsFor(*project, name, level);
  if (parsed.values.count("--date")) options.date = parsed.values.at("--date");
  const DistanceFit fit = FitDistance(virelo_ExtrasOf(*project).site, name, options);

  const LineFit& l = fit.line;
  if (parsed.has("--csv")) {
    out << CsvJoin(DecayCsvColumns()) << "\n";
    out << CsvJoin({RecordTextToUtf8(name), fit.date, std::to_string(fit.points.size()),
                    SiteCsvNumber(l.ok ? l.slope : NAN), SiteCsvNumber(l.slopeLow),
                    SiteCsvNumber(l.slopeHigh), SiteCsvNumber(fit.bulkK), SiteCsvNumber(fit.lambda),
                    SiteCsvNumber(fit.lambdaLow), SiteCsvNumber(fit.lambdaHigh), SiteCsvNumber(fit.halfLife),
                    SiteCsvNumber(l.r2), Joined(fit.warnings)})
        << "\n";
  } else {
    out << RecordTextToUtf8(name) << " on " << (fit.date.empty() ? "no date" : fit.date) << ", "
        << fit.points.size() << " wells, " << level << " % interval\n";
    if (l.ok) out << "  slope        " << SiteCsvNumber(l.slope) << " 1/m\n";
    if (l.ok && fit.points.size() >= 3)
      out << "  interval     " << SiteCsvNumber(l.slopeLow) << " to " << SiteCsvNumber(l.slopeHigh)
          << " 1/m\n"
          << "  R2           " << SiteCsvNumber(l.r2) << "\n";
    if (std::isfinite(fit.bulkK)) out << "  bulk rate k  " << SiteCsvNumber(fit.bulkK) << " 1/d\n";
    if (fit.hasLambda)
      out << "  lambda       " << SiteCsvNumber(fit.lambda) << " 1/d (" << SiteCsvNumber(fit.lambdaLow)
          << " to " << SiteCsvNumber(fit.lambdaHigh) << ")\n"
          << "  half-life    " << SiteCsvNumber(fit.halfLife) << " d\n";
    for (const SitePoint& p : fit.nonDetects)
      out << "  not detected " << RecordTextToUtf8(p.well) << " (< " << SiteCsvNumber(p.value) << " ug/L)\n";
  }
  out.flush();
  if (!fit.hasLambda) {
    for (const std::string& w : fit.warnings) err << "virelo-cli: " << RecordTextToUtf8(w) << "\n";
    return kCliFailed;
  }
  return out ? kCliOk : kCliFailed;
}
