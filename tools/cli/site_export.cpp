// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli site-export: a project's wells or samples as the table
// site-import reads.
#include <ostream>

#include "engine/project/extras.h"
#include "persistence/sitecsv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

std::string SiteExportUsage() {
  return "  site-export FILE.vrp --wells|--samples\n"
         "      Writes the project's wells table or laboratory table as CSV.\n";
}

int RunSiteExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--wells", false}, {"--samples", false}}, &parsed, &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("site-export takes one project file", err);
  if (parsed.has("--wells") == parsed.has("--samples"))
    return UsageError("site-export takes either --wells or --samples", err);
  ProjectHandle project = LoadSiteProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  const SiteData& site = virelo_ExtrasOf(*project).site;
  if (parsed.has("--wells")) {
    WriteSiteWellsCsv(site, out);
  } else {
    WriteSiteSamplesCsv(site, out);
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
