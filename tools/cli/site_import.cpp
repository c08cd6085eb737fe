// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli site-import: laboratory and wells tables into a project's site
// data, all or nothing.
#include <cerrno>
#include <cstring>
#include <ostream>

#include "diagnostics/text.h"
#include "engine/project/extras.h"
#include "persistence/analytenames.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "persistence/sitecolumns.h"
#include "persistence/sitecsv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"
#include "tools/cli/sitemap_options.h"

namespace {

// Each --map "NAME=ANALYTE": the analyte must be one the project, the names
// table or the indicators know, and is taken in the name Virelo uses.
bool TakeMapOptions(const std::vector<std::string>& maps, const AnalyteResolver& resolver,
                    std::vector<AnalyteAlias>* mapped, std::ostream& err) {
  for (const std::string& map : maps) {
    std::string latin1;
    const size_t equals = map.find('=');
    if (equals == std::string::npos || !Utf8ToRecordText(map, &latin1)) {
      UsageError("--map takes NAME=ANALYTE, not \"" + map + "\"", err);
      return false;
    }
    const size_t at = latin1.find('=');
    const std::string name = TrimBlanks(latin1.substr(0, at));
    bool known = false;
    const std::string analyte = resolver.Resolve(latin1.substr(at + 1), &known);
    if (name.empty() || !known) {
      UsageError("--map: \"" + map.substr(equals + 1) + "\" is no contaminant or indicator", err);
      return false;
    }
    mapped->push_back({name, analyte});
  }
  return true;
}

// One line per analyte no name matches, with how many samples name it: the
// samples are kept, but the fits and the redox rules cannot see them.
void ReportUnknownAnalytes(const SiteCsvRows& rows, const AnalyteResolver& resolver, std::ostream& err) {
  std::vector<std::string> analytes;
  analytes.reserve(rows.samples.size());
  for (const SiteSample& s : rows.samples) analytes.push_back(s.analyte);
  for (const auto& [name, count] : UnknownAnalytes(analytes, resolver)) {
    const std::string utf8 = RecordTextToUtf8(name);
    err << "virelo-cli: warning: \"" << utf8 << "\": " << count << (count == 1 ? " sample" : " samples")
        << " of an analyte no name matches, kept as written (--map \"" << utf8 << "=NAME\" names it)\n";
  }
}

}  // namespace

std::string SiteImportUsage() {
  return "  site-import FILE.vrp TABLE.csv... [--replace] [--map \"NAME=ANALYTE\"]...\n"
         "              [--date-order dmy|mdy] [--source E,N] [--flow-azimuth DEG]\n"
         "              [--columns \"NAME=ROLE,...\"]\n"
         "      Adds the tables' wells and samples to the project's site data (with\n"
         "      --replace, they replace them) and saves the project in place. Each\n"
         "      table is a laboratory table (well,date,analyte,value,unit,nonDetect),\n"
         "      a wide one (well,date and a column per analyte, its unit in the\n"
         "      name or a unit row) or a wells table (well,s,y,inFit), known by its\n"
         "      header; all are read before any is merged. A bad row is named with\n"
         "      its field, and then nothing is written. --map saves a laboratory's\n"
         "      name for a contaminant or indicator as the project's alias;\n"
         "      --date-order says how to read slashed dates. Wells may be given by\n"
         "      easting,northing [m] instead of s,y: --source sets the source point\n"
         "      and --flow-azimuth the flow direction (degrees clockwise from north),\n"
         "      from which s and y follow (y positive to the left looking\n"
         "      downstream). Given without tables, they place the wells again.\n"
         "      Column names are read in English, German and Dutch (Messstelle,\n"
         "      Monsterpunt, Resultaat, X (RD), ...); --columns names the role of\n"
         "      others (well, date, analyte, value, unit, nonDetect, detectionLimit,\n"
         "      easting, northing, s, y, inFit, head or skip), kept with the\n"
         "      project for later imports. A survey\n"
         "      (well,easting,northing,date,head) gives wells and their heads.\n";
}

int RunSiteImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // --map may be given many times; the other options once.
  std::vector<std::string> rest, maps;
  for (size_t k = 0; k < args.size(); ++k) {
    if (k >= 2 && args[k] == "--map") {
      if (k + 1 == args.size()) return UsageError("--map takes NAME=ANALYTE", err);
      maps.push_back(args[++k]);
    } else {
      rest.push_back(args[k]);
    }
  }
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(rest,
                         {{"--replace", false},
                          {"--date-order", true},
                          {"--source", true},
                          {"--flow-azimuth", true},
                          {"--columns", true}},
                         &parsed, &error))
    return UsageError(error, err);
  SiteCsvOptions options;
  // Headers the readers do not know, named by their role; the project keeps
  // them with its own, as the window's mapping does.
  SiteColumnMap given;
  if (parsed.has("--columns") && !ParseSiteColumnMappings(parsed.values.at("--columns"), &given, &error))
    return UsageError("--columns: " + error, err);
  if (parsed.values.count("--date-order")) {
    const std::string& order = parsed.values.at("--date-order");
    if (order != "dmy" && order != "mdy") return UsageError("--date-order takes dmy or mdy", err);
    options.slashed = order == "dmy" ? SlashedDates::kDayMonth : SlashedDates::kMonthDay;
  }
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

  // The aliases given join the project's before any table is read, so that
  // they name the samples of this import too.
  AnalyteAliases aliases = virelo_ExtrasOf(*project).analyteAliases;
  AnalyteResolver resolver = ProjectAnalyteResolver(*project);
  resolver.aliases = &aliases;
  std::vector<AnalyteAlias> mapped;
  if (!TakeMapOptions(maps, resolver, &mapped, err)) return kCliUsage;
  for (const AnalyteAlias& alias : mapped) aliases.Set(alias.name, alias.analyte);
  SiteColumnMap columns = virelo_ExtrasOf(*project).siteColumns;
  for (const auto& [key, role] : given) columns[key] = role;
  options.columns = &columns;
  std::vector<std::string> notes;
  options.names = &resolver;
  options.notes = &notes;

  SiteCsvRows rows;
  bool ok = true;
  for (size_t k = 1; k < parsed.files.size(); ++k) {
    std::string bytes;
    if (!ReadWholeFile(parsed.files[k], &bytes)) {
      const int error = errno;
      return ReadFailure(parsed.files[k], std::strerror(error), err);
    }
    ok = ReadSiteCsv(bytes, parsed.files[k], &rows, err, options) && ok;
  }
  SiteData merged, held = virelo_ExtrasOf(*project).site;
  if (newMap) held.map = MergedSiteMap(held.map, map);
  if (!ok || !MergeSiteRows(held, rows, parsed.has("--replace"), &merged, err)) {
    err << "virelo-cli: " << path << " is left unchanged\n";
    return kCliFailed;
  }
  // Samples held under a name given with --map take its analyte, as the
  // window's mapping does.
  for (const AnalyteAlias& alias : mapped) {
    if (RenameSiteAnalyte(&merged, alias.name, alias.analyte, err) < 0) {
      err << "virelo-cli: " << path << " is left unchanged\n";
      return kCliFailed;
    }
  }
  virelo_Extras(project.get()).site = std::move(merged);
  virelo_Extras(project.get()).analyteAliases = aliases;
  virelo_Extras(project.get()).siteColumns = columns;
  if (!virelo_SaveProject(project.get(), path.c_str())) return WriteFailure(path, "the save failed", err);
  const SiteData& site = virelo_ExtrasOf(*project).site;
  out << path << ": " << site.wells.size() << " wells, " << site.samples.size() << " samples\n";
  for (const std::string& note : notes) err << "virelo-cli: note: " << note << "\n";
  if (const auto unplaced = UnplacedWells(site); !unplaced.empty())
    err << "virelo-cli: note: " << RecordTextToUtf8(UnplacedWellsText(unplaced)) << "\n";
  ReportUnknownAnalytes(rows, resolver, err);
  return kCliOk;
}
