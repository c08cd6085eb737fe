// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli apply-flow: the flow field taken into the project as the Flow
// field tab's buttons take it (the heads' gradient as the aquifer's i, the
// heads' azimuth or the plume axis as the flow direction, each with its
// origin), so that a script writes the same project a user would.
#include <ostream>

#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/site/flowapply.h"
#include "engine/site/flowdirection.h"
#include "engine/site/flowfield.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

std::string ApplyFlowUsage() {
  return "  apply-flow FILE.vrp [--date YYYY-MM-DD] [--gradient] [--azimuth]\n"
         "            [--axis [--contaminant NAME]]\n"
         "      Takes the flow field into the project and saves it in place, as the\n"
         "      Flow field tab's buttons do, each value with its origin: --gradient\n"
         "      the heads' gradient as the aquifer's i, --azimuth the heads' azimuth\n"
         "      or --axis the plume axis (of NAME, as flow gives it) as the flow\n"
         "      direction, placing the wells in map coordinates again. The heads are\n"
         "      those of --date, by default the latest date with heads at three wells.\n"
         "      Nothing is written when any of them cannot be taken.\n";
}

int RunApplyFlow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args,
                         {{"--date", true},
                          {"--gradient", false},
                          {"--azimuth", false},
                          {"--axis", false},
                          {"--contaminant", true}},
                         &parsed, &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("apply-flow takes one project file", err);
  const bool gradient = parsed.has("--gradient"), azimuth = parsed.has("--azimuth"),
             axis = parsed.has("--axis");
  if (!gradient && !azimuth && !axis)
    return UsageError("apply-flow needs --gradient, --azimuth or --axis", err);
  if (azimuth && axis) return UsageError("--azimuth and --axis both set the flow direction: give one", err);
  if (parsed.values.count("--contaminant") && !axis) return UsageError("--contaminant goes with --axis", err);
  long day = 0;
  if (parsed.values.count("--date") && !ParseSiteDate(parsed.values.at("--date"), &day))
    return UsageError("--date takes a date YYYY-MM-DD", err);

  const std::string& path = parsed.files[0];
  ProjectHandle project = LoadSiteProject(path, err);
  if (!project) return kCliFailed;
  if (virelo_ExtrasOf(*project).settingsUnreadable) {
    err << "virelo-cli: " << path << ": its settings block cannot be read ("
        << virelo_ExtrasOf(*project).settingsProblem << "); saving would lose it\n";
    return kCliFailed;
  }
  const SiteData& site = virelo_ExtrasOf(*project).site;
  std::string date;
  if (parsed.values.count("--date")) {
    date = parsed.values.at("--date");
  } else if (const std::vector<std::string> dates = FlowFieldDates(site); !dates.empty()) {
    date = dates.back();
  }
  std::string analyte;
  if (parsed.values.count("--contaminant")) {
    if (!Utf8ToRecordText(parsed.values.at("--contaminant"), &analyte))
      return UsageError("--contaminant: the name has characters a project cannot hold", err);
  } else if (const std::vector<std::string> analytes = PlumeAxisAnalytes(site); !analytes.empty()) {
    analyte = analytes.front();
  }
  std::string why;
  const bool ok = (!gradient || ApplyHeadsGradient(project.get(), date, &why)) &&
                  (!azimuth || ApplyHeadsAzimuth(project.get(), date, &why)) &&
                  (!axis || ApplyPlumeAxis(project.get(), analyte, &why));
  if (!ok) {
    // The reasons are sentences; the project's fate follows as one more.
    std::string reason = why.empty() ? "No plume axis to take." : RecordTextToUtf8(why);
    if (!reason.empty() && reason.back() != '.') reason += '.';
    err << "virelo-cli: " << path << ": " << reason << " The project is left unchanged.\n";
    return kCliFailed;
  }
  if (!virelo_SaveProject(project.get(), path.c_str())) return WriteFailure(path, "the save failed", err);
  const SiteMap& map = virelo_ExtrasOf(*project).site.map;
  if (gradient)
    out << "hydraulic gradient i = " << SiteCsvNumber(project->aquifer.gradientI) << " from the "
        << map.gradientOrigin.text << "\n";
  if (azimuth || axis)
    out << "flow azimuth " << SiteCsvNumber(map.flowAzimuth) << " deg from the " << map.azimuthOrigin.text
        << "\n";
  return kCliOk;
}
