// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli flow: the hydraulic gradient and flow azimuth from the wells'
// groundwater heads, one least-squares plane per sampling date.
#include <cmath>
#include <ostream>

#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/site/flowdirection.h"
#include "engine/site/flowfield.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

const std::vector<std::string>& FlowCsvColumns() {
  static const std::vector<std::string> columns = {"date",        "n",          "gradient",  "azimuth",
                                                   "rmsResidual", "gradientSe", "azimuthSe", "azimuthLow",
                                                   "azimuthHigh", "warning"};
  return columns;
}

std::string FlowUsage() {
  return "  flow FILE.vrp [--date YYYY-MM-DD] [--contaminant NAME] [--csv]\n"
         "      The hydraulic gradient i and the flow azimuth (degrees clockwise from\n"
         "      north, the direction of steepest descent) of the plane fitted by least\n"
         "      squares to the groundwater heads (analyte Head, unit m) at the wells\n"
         "      with map coordinates, with the root mean square of its residuals [m]\n"
         "      and the standard errors of i and of the azimuth with the azimuth's 90 %\n"
         "      interval (Student's t, n - 3 degrees of freedom; none for three wells):\n"
         "      one row for each date with three or more heads, or for the date given,\n"
         "      with a warning when the wells lie nearly in a row. The text adds the\n"
         "      circular mean azimuth over the dates with its circular standard\n"
         "      deviation, and the plume axis: the concentration-weighted mean bearing\n"
         "      from the source point to the wells detecting NAME (by default the\n"
         "      contaminant detected at the most wells in map coordinates).\n";
}

namespace {

// The lines after the dates: the mean direction over them and the plume
// axis. False when a contaminant asked for by name gives no axis.
bool WriteFlowSummary(const SiteData& site, const CliArguments& parsed, std::ostream& out,
                      std::ostream& err) {
  AzimuthSpread spread;
  if (!parsed.values.count("--date") && SummarizeFlowDates(site, &spread))
    out << "mean over " << spread.n << " dates: flow azimuth " << SiteTextNumber(spread.mean)
        << " deg (circular mean), circular standard deviation " << SiteTextNumber(spread.circularSd)
        << " deg, all within " << SiteTextNumber(spread.first) << " to " << SiteTextNumber(spread.last)
        << " deg\n";
  const bool named = parsed.values.count("--contaminant") != 0;
  std::string analyte;
  if (named) {
    if (!Utf8ToRecordText(parsed.values.at("--contaminant"), &analyte)) analyte.clear();
  } else if (const std::vector<std::string> analytes = PlumeAxisAnalytes(site); !analytes.empty()) {
    analyte = analytes.front();
  }
  if (analyte.empty()) return !named;
  PlumeAxis axis;
  std::string why;
  if (!FitPlumeAxis(site, analyte, &axis, &why)) {
    if (named) err << "virelo-cli: " << RecordTextToUtf8(why) << "\n";
    return !named;
  }
  out << "plume axis of " << RecordTextToUtf8(analyte) << ": flow azimuth " << SiteCsvNumber(axis.azimuth)
      << " deg through " << axis.wells
      << " wells (concentration-weighted mean bearing from the source point), resultant length "
      << SiteTextNumber(axis.resultant) << "\n";
  return true;
}

}  // namespace

int RunFlow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--date", true}, {"--contaminant", true}, {"--csv", false}}, &parsed,
                         &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("flow takes one project file", err);
  long day = 0;
  if (parsed.values.count("--date") && !ParseSiteDate(parsed.values.at("--date"), &day))
    return UsageError("--date takes a date YYYY-MM-DD", err);
  const std::string& path = parsed.files[0];
  ProjectHandle project = LoadSiteProject(path, err);
  if (!project) return kCliFailed;
  const SiteData& site = virelo_ExtrasOf(*project).site;

  std::vector<std::string> dates = parsed.values.count("--date")
                                       ? std::vector<std::string>{parsed.values.at("--date")}
                                       : FlowFieldDates(site);
  if (dates.empty()) {
    err << "virelo-cli: " << path
        << " holds no date with heads at three or more wells in map coordinates (analyte Head, unit m; "
           "wells with easting,northing)\n";
    return kCliFailed;
  }
  const bool csv = parsed.has("--csv");
  if (csv) out << CsvJoin(FlowCsvColumns()) << "\n";
  int failed = 0;
  for (const std::string& date : dates) {
    FlowFieldFit fit;
    std::string why;
    if (!FitFlowField(HeadsOn(site, date), &fit, &why)) {
      err << "virelo-cli: " << path << ": " << date << ": " << why;
      if (const int unplaced = HeadsWithoutCoordinates(site, date))
        err << " " << unplaced << " well(s) with a head have no map coordinates.";
      err << "\n";
      ++failed;
      continue;
    }
    if (csv) {
      // Empty error cells for three wells, which have no residual to judge by.
      out << CsvJoin({date, std::to_string(fit.n), SiteCsvNumber(fit.gradient), SiteCsvNumber(fit.azimuth),
                      SiteCsvNumber(fit.rmsResidual), SiteCsvNumber(fit.gradientSe),
                      SiteCsvNumber(fit.azimuthSe), SiteCsvNumber(fit.azimuthLow),
                      SiteCsvNumber(fit.azimuthHigh), fit.warning})
          << "\n";
    } else {
      out << date << ": " << fit.n << " wells, gradient i = " << SiteCsvNumber(fit.gradient);
      if (std::isfinite(fit.gradientSe)) out << " +/- " << SiteTextNumber(fit.gradientSe);
      out << ", flow azimuth " << SiteCsvNumber(fit.azimuth) << " deg";
      if (!std::isfinite(fit.azimuthSe))
        out << " (3 wells: no uncertainty)";
      else if (fit.azimuthHalfWidth >= 180.0)
        out << " +/- " << SiteTextNumber(fit.azimuthSe) << " deg (90 %: any direction)";
      else
        out << " +/- " << SiteTextNumber(fit.azimuthSe) << " deg (90 %: " << SiteTextNumber(fit.azimuthLow)
            << " to " << SiteTextNumber(fit.azimuthHigh) << " deg)";
      out << ", rms residual " << SiteCsvNumber(fit.rmsResidual) << " m\n";
      if (!fit.warning.empty()) out << "  warning: " << fit.warning << "\n";
    }
  }
  if (!csv && !WriteFlowSummary(site, parsed, out, err)) ++failed;
  out.flush();
  if (!out) return kCliFailed;
  return failed ? kCliFailed : kCliOk;
}
