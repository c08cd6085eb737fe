// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli site-import: laboratory and wells tables into a project's site
// data, all or nothing.
#include <cerrno>
#include <cstring>
#include <ostream>

#include "engine/extras.h"
#include "persistence/projectfile.h"
#include "persistence/sitecsv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"
#include "tools/cli/sitemap_options.h"

std::string SiteImportUsage() {
  return "  site-import FILE.vrp TABLE.csv... [--replace] [--source E,N] [--flow-azimuth DEG]\n"
         "      Adds the tables' wells and samples to the project's site data (with\n"
         "      --replace, they replace them) and saves the project in place. Each\n"
         "      table is a laboratory table (well,date,analyte,value,unit,nonDetect)\n"
         "      or a wells table (well,s,y,inFit), known by its header. A bad row\n"
         "      is named with its field, and then nothing is written. Wells may be\n"
         "      given by easting,northing [m] instead of s,y: --source sets the\n"
         "      source point and --flow-azimuth the flow direction (degrees clockwise\n"
         "      from north), from which s and y follow (y positive to the left\n"
         "      looking downstream).\n";
}

int RunSiteImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--replace", false}, {"--source", true}, {"--flow-azimuth", true}}, &parsed,
                         &error))
    return UsageError(error, err);
  SiteMap map;
  const bool newMap = parsed.has("--source") || parsed.has("--flow-azimuth");
  if (!TakeSiteMapOptions(parsed, &map, &error)) return UsageError(error, err);
  // The map alone may be given: the wells on it are placed again.
  if (parsed.files.size() < (newMap ? 1u : 2u))
    return UsageError("site-import takes a project file and one or more tables", err);
  const std::string& path = parsed.files[0];
  ProjectHandle project = LoadSiteProject(path, err);
  if (!project) return kCliFailed;
  if (virelo_ExtrasOf(*project).settingsUnreadable) {
    err << "virelo-cli: " << path << ": its settings block cannot be read ("
        << virelo_ExtrasOf(*project).settingsProblem << "); saving would lose it\n";
    return kCliFailed;
  }

  SiteCsvRows rows;
  bool ok = true;
  for (size_t k = 1; k < parsed.files.size(); ++k) {
    std::string bytes;
    if (!ReadWholeFile(parsed.files[k], &bytes)) {
      const int error = errno;
      return ReadFailure(parsed.files[k], std::strerror(error), err);
    }
    ok = ReadSiteCsv(bytes, parsed.files[k], &rows, err) && ok;
  }
  SiteData merged, held = virelo_ExtrasOf(*project).site;
  if (newMap) held.map = MergedSiteMap(held.map, map);
  if (!ok || !MergeSiteRows(held, rows, parsed.has("--replace"), &merged, err)) {
    err << "virelo-cli: " << path << " is left unchanged\n";
    return kCliFailed;
  }
  virelo_Extras(project.get()).site = std::move(merged);
  if (!virelo_SaveProject(project.get(), path.c_str())) return WriteFailure(path, "the save failed", err);
  const SiteData& site = virelo_ExtrasOf(*project).site;
  out << path << ": " << site.wells.size() << " wells, " << site.samples.size() << " samples\n";
  return kCliOk;
}
