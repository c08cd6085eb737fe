// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Laboratory tables as labs deliver them: their names, units and dates, the
// wide form, and the project's own aliases from the table to the file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "engine/project/extras.h"
#include "engine/project/labdates.h"
#include "engine/project/labunits.h"
#include "persistence/analytenames.h"
#include "persistence/databasecsv.h"
#include "persistence/projectfile.h"
#include "persistence/sitecsv.h"
#include "persistence/widetable.h"
#include "tests/engine/support/cli_run.h"
#include "tools/cli/cli_common.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Reads the tables in order into one site, or returns the messages.
SiteData Import(const std::vector<std::pair<std::string, std::string>>& tables, std::string* errors = nullptr,
                const SiteCsvOptions& options = {}) {
  SiteCsvRows rows;
  std::ostringstream err;
  bool ok = true;
  for (const auto& [name, text] : tables) ok = ReadSiteCsv(text, name, &rows, err, options) && ok;
  SiteData site;
  if (ok) MergeSiteRows(SiteData{}, rows, false, &site, err);
  if (errors) *errors = err.str();
  return site;
}

const char* kWells = "well,s,y,inFit\nMW1,0,0,yes\nMW2,20,0,yes\nMW3,40,0,yes\n";

TEST(LabDates, FormsLabsPrint) {
  struct Case {
    const char* text;
    SlashedDates order;
    LabDateResult result;
    const char* iso;
  } cases[] = {
      {"2024-05-12", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"2024-05-12T10:30", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"2024-05-12 10:30:15", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"2024-05-12T10:30:15.250Z", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"2024-05-12T10:30:15+02:00", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"12.05.2024", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"2.5.2024", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-02"},
      {"12.05.2024 08:15", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"12-05-2024", SlashedDates::kRefused, LabDateResult::kRead, "2024-05-12"},
      {"05/04/2024", SlashedDates::kRefused, LabDateResult::kAmbiguous, ""},
      {"05/04/2024", SlashedDates::kDayMonth, LabDateResult::kRead, "2024-04-05"},
      {"05/04/2024", SlashedDates::kMonthDay, LabDateResult::kRead, "2024-05-04"},
      {"13/04/2024", SlashedDates::kMonthDay, LabDateResult::kNotADate, ""},
      {"29.02.2023", SlashedDates::kRefused, LabDateResult::kNotADate, ""},
      {"29.02.2024", SlashedDates::kRefused, LabDateResult::kRead, "2024-02-29"},
      {"2024-05-12T25:00", SlashedDates::kRefused, LabDateResult::kNotADate, ""},
      {"2024-05-12x", SlashedDates::kRefused, LabDateResult::kNotADate, ""},
      {"12.05.24", SlashedDates::kRefused, LabDateResult::kNotADate, ""},
      {"12.05.2024garbage", SlashedDates::kRefused, LabDateResult::kNotADate, ""},
      {"123.05.2024", SlashedDates::kRefused, LabDateResult::kNotADate, ""},
      {"", SlashedDates::kRefused, LabDateResult::kNotADate, ""},
  };
  for (const Case& c : cases) {
    std::string iso;
    EXPECT_EQ(ReadLabDate(c.text, c.order, &iso), c.result) << c.text;
    if (c.result == LabDateResult::kRead) {
      EXPECT_EQ(iso, c.iso) << c.text;
    }
  }
}

TEST(LabUnits, SpellingsAndConversions) {
  struct Case {
    const char* text;
    const char* unit;
    double divisor;
    bool note;
  } cases[] = {
      {"ug/L", kUnitUgL, 1, false},    {"UG/l", kUnitUgL, 1, false}, {" \xB5g/l ", kUnitUgL, 1, false},
      {"\xB5G/L", kUnitUgL, 1, false}, {"mg/l", kUnitMgL, 1, false}, {"ng/L", kUnitUgL, 1000, false},
      {"mV", kUnitMv, 1, false},       {"ppb", kUnitUgL, 1, true},   {"PPM", kUnitMgL, 1, true},
  };
  for (const Case& c : cases) {
    LabUnit unit;
    ASSERT_TRUE(ReadLabUnit(c.text, &unit)) << c.text;
    EXPECT_STREQ(unit.unit, c.unit) << c.text;
    EXPECT_EQ(unit.divisor, c.divisor) << c.text;
    EXPECT_EQ(unit.note != nullptr, c.note) << c.text;
  }
  for (const char* bad : {"ppt", "ug/kg", "g/L", "", "ug"}) {
    LabUnit unit;
    EXPECT_FALSE(ReadLabUnit(bad, &unit)) << bad;
  }

  // Through a whole table: the Greek mu in UTF-8, ng/L stored as ug/L (a
  // whole number of ng/L gives the double nearest its ug/L value), and ppb
  // read with one note for the table, not one per row.
  std::vector<std::string> notes;
  SiteCsvOptions options;
  options.notes = &notes;
  std::string errors;
  const SiteData site = Import({{"wells.csv", kWells},
                                {"lab.csv",
                                 "well,date,analyte,value,unit\n"
                                 "MW1,2024-05-12,Benzene,12,\xCE\xBCg/l\n"
                                 "MW2,2024-05-12,Benzene,50,ng/L\n"
                                 "MW3,2024-05-12,Benzene,7,ppb\n"
                                 "MW3,2024-05-12,Toluene,8,ppb\n"}},
                               &errors, options);
  ASSERT_EQ(errors, "");
  ASSERT_EQ(site.samples.size(), 4u);
  EXPECT_EQ(site.samples[0].unit, "ug/L");
  EXPECT_EQ(site.samples[0].value, 12.0);
  EXPECT_EQ(site.samples[1].unit, "ug/L");
  EXPECT_EQ(site.samples[1].value, 0.05);
  EXPECT_EQ(site.samples[2].unit, "ug/L");
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0], "lab.csv: ppb is read as ug/L, as for water");
}

TEST(AnalyteNames, BundledTableMatchesLabSpellings) {
  // The resource the programs compile in reads without a fault, and every
  // name it gives is one the database, the indicators or the heads know:
  // otherwise a lab name would map to a name nothing uses.
  AnalyteNameTable table;
  std::ostringstream err;
  ASSERT_TRUE(ReadAnalyteNamesCsv(ReadFile(VIRELO_SOURCE_DIR "/resources/analyte-names.csv"), &table, err))
      << err.str();
  EXPECT_EQ(table.byKey, BundledAnalyteNames().byKey);
  std::vector<Contaminant> database;
  ASSERT_TRUE(ReadDatabaseCsv(ReadFile(VIRELO_SOURCE_DIR "/resources/generic-contaminants.csv"), "db",
                              &database, err))
      << err.str();
  std::set<std::string> known = {"Ethene", "Head"};
  for (const Contaminant& c : database) known.insert(c.name);
  for (const char* indicator : kSiteIndicators) known.insert(indicator);
  for (const std::string& name : table.names) EXPECT_TRUE(known.count(name)) << name;
  EXPECT_GE(table.names.size(), database.size());

  const AnalyteResolver& bundled = BundledAnalyteResolver();
  struct Case {
    const char* written;
    const char* analyte;  // null: no name matches
  } cases[] = {
      {"Tetrachloroethene", "Tetrachloroethene (PCE)"},
      {"  tetrachloroethene (pce) ", "Tetrachloroethene (PCE)"},
      {"PER", "Tetrachloroethene (PCE)"},
      {"127-18-4", "Tetrachloroethene (PCE)"},
      {"Iron (II)", "Iron(II)"},
      {"Iron  (II)", "Iron(II)"},
      {"Fe2+", "Iron(II)"},
      {"Benzol", "Benzene"},
      {"benzeen", "Benzene"},
      {"sulphate", "Sulfate"},
      {"GEL\xD6STER SAUERSTOFF", "Oxygen"},  // Latin-1 capitals fold too
      {"Redoxpotential", "ORP"},
      {"Iron", nullptr},  // total iron is not iron(II)
      {"Fe", nullptr},
      {"Tetrachlorethylen-X", nullptr},
  };
  for (const Case& c : cases) {
    bool known = false;
    const std::string analyte = bundled.Resolve(c.written, &known);
    EXPECT_EQ(known, c.analyte != nullptr) << c.written;
    if (c.analyte) {
      EXPECT_EQ(analyte, c.analyte) << c.written;
    }
  }

  // The project's aliases come first, then its contaminants, then the table.
  AnalyteAliases aliases;
  aliases.Set("PER", "Trichloroethene (TCE)");
  aliases.Set("per ", "Benzene");  // the same name again replaces the first
  ASSERT_EQ(aliases.entries.size(), 1u);
  const AnalyteResolver project = {&BundledAnalyteNames(), &aliases, {"My solvent"}};
  EXPECT_EQ(project.Resolve("Per"), "Benzene");
  EXPECT_EQ(project.Resolve("my  SOLVENT"), "My solvent");
  const std::vector<std::string> targets = project.Targets();
  EXPECT_EQ(targets.front(), "My solvent");
  EXPECT_EQ(std::count(targets.begin(), targets.end(), "Oxygen"), 1);
}

// The lab export of a dry cleaner as the lab sends it: German names, the
// micro sign as "µg/l" in UTF-8, DD.MM.YYYY dates, "<" non-detects, a unit
// row under the header, and the same data in the long form Virelo writes.
// A survey table (coordinates, heads) joins `tables` as one more entry.
struct LabExport {
  std::vector<std::pair<std::string, std::string>> wide, longForm;
};
LabExport DryCleanerExport() {
  LabExport data;
  data.wide = {{"wells.csv", kWells},
               {"lab.csv",
                "well;date;Tetrachlorethen [\xC2\xB5g/l];Trichlorethen;Vinylchlorid "
                "(\xC2\xB5g/l);Eisen(II);Sulfat;Methan\n"
                ";;;\xC2\xB5g/l;;mg/l;mg/l;mg/l\n"
                "MW1;12.05.2024;1200;85,5;<0,5;2,4;18;0,9\n"
                "MW2;12.05.2024;420;31;1,2;;22;-\n"
                "MW3;12.05.2024;<1;<1;<0,5;0,3;35;\n"
                "MW1;03.11.2023;1500;;;;;\n"}};
  data.longForm = {{"wells.csv", kWells},
                   {"lab.csv",
                    "well,date,analyte,value,unit,nonDetect\n"
                    "MW1,2023-11-03,Tetrachloroethene (PCE),1500,ug/L,\n"
                    "MW1,2024-05-12,Tetrachloroethene (PCE),1200,ug/L,\n"
                    "MW1,2024-05-12,Trichloroethene (TCE),85.5,ug/L,\n"
                    "MW1,2024-05-12,Vinyl chloride,0.5,ug/L,yes\n"
                    "MW1,2024-05-12,Iron(II),2.4,mg/L,\n"
                    "MW1,2024-05-12,Sulfate,18,mg/L,\n"
                    "MW1,2024-05-12,Methane,0.9,mg/L,\n"
                    "MW2,2024-05-12,Tetrachloroethene (PCE),420,ug/L,\n"
                    "MW2,2024-05-12,Trichloroethene (TCE),31,ug/L,\n"
                    "MW2,2024-05-12,Vinyl chloride,1.2,ug/L,\n"
                    "MW2,2024-05-12,Sulfate,22,mg/L,\n"
                    "MW3,2024-05-12,Tetrachloroethene (PCE),1,ug/L,yes\n"
                    "MW3,2024-05-12,Trichloroethene (TCE),1,ug/L,yes\n"
                    "MW3,2024-05-12,Vinyl chloride,0.5,ug/L,yes\n"
                    "MW3,2024-05-12,Iron(II),0.3,mg/L,\n"
                    "MW3,2024-05-12,Sulfate,35,mg/L,\n"}};
  return data;
}

// The samples as a set: the wide form gives them row by row, the long form
// in its own order, and the order means nothing to any result.
std::multiset<std::tuple<std::string, std::string, std::string, double, std::string, bool>> Samples(
    const SiteData& site) {
  std::multiset<std::tuple<std::string, std::string, std::string, double, std::string, bool>> set;
  for (const SiteSample& s : site.samples)
    set.emplace(s.well, s.date, s.analyte, s.value, s.unit, s.nonDetect);
  return set;
}

TEST(WideTable, LabExportEqualsTheLongFormImport) {
  const LabExport data = DryCleanerExport();
  std::string errors;
  const SiteData wide = Import(data.wide, &errors);
  ASSERT_EQ(errors, "");
  const SiteData longForm = Import(data.longForm, &errors);
  ASSERT_EQ(errors, "");
  EXPECT_EQ(wide.wells, longForm.wells);
  EXPECT_EQ(wide.samples.size(), 16u);
  EXPECT_EQ(Samples(wide), Samples(longForm));
  // The tables Virelo writes of the wide import read back as the same site.
  std::ostringstream wells, samples;
  WriteSiteWellsCsv(wide, wells);
  WriteSiteSamplesCsv(wide, samples);
  EXPECT_EQ(Import({{"w.csv", wells.str()}, {"s.csv", samples.str()}}), wide);
}

// The survey of the same wells: on the map (source at MW1, flow due east,
// so easting gives s and northing y, MW3 10 m left of the centre line) and
// their heads of the sampling day in a wide table, below the datum. The
// plane through them falls 0.004 per m to the east and 0.003 to the north:
// i = 0.005, flow toward azimuth atan2(0.004, 0.003) = 53.130102354155979
// degrees (mpmath).
void AddSurvey(LabExport* data) {
  auto replaceWells = [](std::vector<std::pair<std::string, std::string>>* tables, const char* wells) {
    for (auto& [name, text] : *tables)
      if (name == "wells.csv") text = wells;
  };
  replaceWells(&data->wide,
               "well,easting,northing,inFit\nMW1,512000,5702000,yes\nMW2,512020,5702000,yes\n"
               "MW3,512040,5702010,yes\n");
  data->wide.push_back({"heads.csv",
                        "well;date;Head [m]\nMW1;12.05.2024;-0,5\nMW2;12.05.2024;-0,58\n"
                        "MW3;12.05.2024;-0,69\n"});
  replaceWells(&data->longForm, "well,s,y,inFit\nMW1,0,0,yes\nMW2,20,0,yes\nMW3,40,10,yes\n");
  data->longForm.push_back({"heads.csv",
                            "well,date,analyte,value,unit\nMW1,2024-05-12,Head,-0.5,m\n"
                            "MW2,2024-05-12,Head,-0.58,m\nMW3,2024-05-12,Head,-0.69,m\n"});
}

// Both forms through site-import into a project: the survey and the wide
// lab table in one command give the site the long form gives, and `flow`
// finds the plane in the heads the wide table carried.
TEST(WideTable, SurveyAndLabExportInOneImportEqualTheLongFormAndGiveThePlane) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("virelo-labtables-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  LabExport data = DryCleanerExport();
  AddSurvey(&data);
  auto import = [&](const std::string& project,
                    const std::vector<std::pair<std::string, std::string>>& tables,
                    std::vector<std::string> options) {
    const std::string path = (dir / project).string();
    fs::copy_file(std::string(VIRELO_SOURCE_DIR) + "/examples/worked-example.vrp", path);
    std::vector<std::string> args = {"site-import", path};
    for (const auto& [name, text] : tables) {
      const std::string table = (dir / (project + "-" + name)).string();
      std::ofstream(table, std::ios::binary) << text;
      args.push_back(table);
    }
    args.insert(args.end(), options.begin(), options.end());
    const CliResult result = Cli(args);
    EXPECT_EQ(result.status, kCliOk) << result.err;
    return path;
  };
  const std::string wide =
      import("wide.vrp", data.wide, {"--source", "512000,5702000", "--flow-azimuth", "90"});
  const std::string longForm = import("long.vrp", data.longForm, {});

  ProjectHandle a(virelo_LoadProject(wide.c_str(), "rb")), b(virelo_LoadProject(longForm.c_str(), "rb"));
  ASSERT_TRUE(a && b);
  const SiteData& onMap = virelo_ExtrasOf(*a).site;
  const SiteData& along = virelo_ExtrasOf(*b).site;
  EXPECT_EQ(onMap.samples.size(), 19u);
  EXPECT_EQ(Samples(onMap), Samples(along));
  ASSERT_EQ(onMap.wells.size(), along.wells.size());
  for (size_t k = 0; k < along.wells.size(); ++k) {
    EXPECT_EQ(onMap.wells[k].name, along.wells[k].name);
    EXPECT_NEAR(onMap.wells[k].s, along.wells[k].s, 1e-9) << along.wells[k].name;
    EXPECT_NEAR(onMap.wells[k].y, along.wells[k].y, 1e-9) << along.wells[k].name;
    EXPECT_EQ(onMap.wells[k].inFit, along.wells[k].inFit);
  }

  const CliResult flow = Cli({"flow", wide, "--csv"});
  ASSERT_EQ(flow.status, kCliOk) << flow.err;
  std::istringstream lines(flow.out);
  std::string header, row;
  std::getline(lines, header);
  std::getline(lines, row);
  EXPECT_EQ(header,
            "date,n,gradient,azimuth,rmsResidual,gradientSe,azimuthSe,azimuthLow,azimuthHigh,warning");
  std::vector<std::string> cells;
  std::istringstream fields(row);
  for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
  // Three wells: the four error cells are empty.
  ASSERT_EQ(row.substr(row.size() - 5), ",,,,,") << row;
  ASSERT_EQ(cells.size(), 9u) << row;
  EXPECT_EQ(cells[0], "2024-05-12");
  EXPECT_EQ(cells[1], "3");
  EXPECT_NEAR(std::stod(cells[2]), 0.005, 1e-12);
  EXPECT_NEAR(std::stod(cells[3]), 53.130102354155979, 1e-8);
  EXPECT_LT(std::stod(cells[4]), 1e-9);
  // The long form has no map, so no head plane.
  EXPECT_NE(Cli({"flow", longForm, "--csv"}).status, kCliOk);
  fs::remove_all(dir);
}

// Heads keep their metre in either form, and only heads take it.
TEST(WideTable, HeadsInMetresOnlyAndMayBeNegative) {
  LabUnit unit;
  ASSERT_TRUE(ReadLabUnit(" M ", &unit));
  EXPECT_STREQ(unit.unit, kUnitM);
  struct Case {
    const char* table;
    const char* message;  // the start of the refusal, or null: read
  } cases[] = {
      {"well,date,Head [m]\nMW1,2024-05-12,-1.5\n", nullptr},
      {"well,date,analyte,value,unit\nMW1,2024-05-12,Wasserstand,-1.5,m\n", nullptr},
      {"well,date,Head [mg/L]\nMW1,2024-05-12,1\n", "lab.csv:2: \"Head [mg/L]\": Head is given in m"},
      {"well,date,Benzol [m]\nMW1,2024-05-12,1\n", "lab.csv:2: \"Benzol [m]\": \"m\" is no concentration"},
      {"well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,1,m\n", "lab.csv:2: unit: \"m\" is no conc"},
      {"well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,-1,ug/L\n", "lab.csv:2: value: \"-1\" is neg"},
  };
  for (const Case& c : cases) {
    std::string errors;
    const SiteData site = Import({{"wells.csv", kWells}, {"lab.csv", c.table}}, &errors);
    if (!c.message) {
      ASSERT_EQ(site.samples.size(), 1u) << c.table << errors;
      EXPECT_EQ(site.samples[0].analyte, "Head");
      EXPECT_EQ(site.samples[0].unit, "m");
      EXPECT_EQ(site.samples[0].value, -1.5);
    } else {
      EXPECT_EQ(errors.rfind(c.message, 0), 0u) << c.table << " -> " << errors;
      EXPECT_TRUE(site.empty()) << c.table;
    }
  }
}

TEST(WideTable, UnitsFromNameOrUnitRowAndItsRefusals) {
  std::string name, unit;
  SplitWideColumnName("Benzene [\xB5g/L]", &name, &unit);
  EXPECT_EQ(name, "Benzene");
  EXPECT_EQ(unit, "\xB5g/L");
  SplitWideColumnName("Iron (II)", &name, &unit);  // "(II)" is no unit
  EXPECT_EQ(name, "Iron (II)");
  EXPECT_EQ(unit, "");
  SplitWideColumnName("Fe(II) (mg/l)", &name, &unit);
  EXPECT_EQ(name, "Fe(II)");
  EXPECT_EQ(unit, "mg/l");

  struct Case {
    const char* table;
    const char* message;  // the start of the first refusal
  } cases[] = {
      {"well,date,Benzol\nMW1,2024-05-12,3\n", "lab.csv:1: column \"Benzol\": no unit"},
      {"well,date,Benzol [ug/kg]\nMW1,2024-05-12,3\n", "lab.csv:1: column \"Benzol [ug/kg]\": no unit"},
      {"well,date,Benzol [ug/L]\n,,mg/L\nMW1,2024-05-12,3\n",
       "lab.csv:2: column \"Benzol [ug/L]\": the unit row says \"mg/L\""},
      {"well,date,Benzol\n,,ppt\nMW1,2024-05-12,3\n", "lab.csv:1: column \"Benzol\": unknown unit \"ppt\""},
      {"well,date,Benzol [ug/L],Toluol [ug/L]\nMW1,2024-05-12,n.n.,x\n",
       "lab.csv:2: \"Benzol [ug/L]\": \"n.n.\" is not detected but gives no limit"},
      {"well,date,Benzol [ug/L],Toluol [ug/L]\nMW1,2024-13-12,1,2\n",
       "lab.csv:2: date: \"2024-13-12\" is not a date (YYYY-MM-DD)\n"},  // said once for the row
      {"well,date,Benzol [ug/L]\nMW1,05/12/2024,1\n", "lab.csv:2: date: \"05/12/2024\" may be day/month"},
      {"well,date,Redoxpotential [mg/L]\nMW1,2024-05-12,1\n",
       "lab.csv:2: \"Redoxpotential [mg/L]\": ORP is given in mV"},
      {"well,date,Benzol [ug/L]\nMW1,2024-05-12,1,2\n", "lab.csv:2: 4 fields for 3 columns"},
  };
  for (const Case& c : cases) {
    std::string errors;
    const SiteData site = Import({{"wells.csv", kWells}, {"lab.csv", c.table}}, &errors);
    EXPECT_EQ(errors.rfind(c.message, 0), 0u) << c.table << " -> " << errors;
    EXPECT_TRUE(site.empty()) << c.table;
  }
  std::string errors;
  Import({{"wells.csv", kWells}, {"lab.csv", "well,date,Benzol [ug/L],Toluol [ug/L]\nMW1,2024-13-12,1,2\n"}},
         &errors);
  EXPECT_EQ(errors, "lab.csv:2: date: \"2024-13-12\" is not a date (YYYY-MM-DD)\n");

  // Slashed dates read when the order is given.
  SiteCsvOptions dmy;
  dmy.slashed = SlashedDates::kDayMonth;
  const SiteData site = Import(
      {{"wells.csv", kWells}, {"lab.csv", "well,date,Benzol [ug/L]\nMW1,05/12/2024,1\n"}}, &errors, dmy);
  ASSERT_EQ(site.samples.size(), 1u) << errors;
  EXPECT_EQ(site.samples[0].date, "2024-12-05");
}

TEST(SiteImportOrder, SamplesOfUnknownWellsGiveOneErrorListingThem) {
  std::string lab = "well,date,analyte,value,unit\n";
  for (int k = 1; k <= 28; ++k) {
    const std::string day = (k < 10 ? "0" : "") + std::to_string(k);
    lab += "MW1,2024-01-" + day + ",Benzene,1,ug/L\n";
    lab += "MW7,2024-01-" + day + ",Benzene,1,ug/L\n";
    lab += "MW8,2024-01-" + day + ",Benzene,1,ug/L\n";
  }
  std::string errors;
  const SiteData site = Import({{"lab.csv", lab}, {"wells.csv", "well,s\nMW1,0\n"}}, &errors);
  EXPECT_TRUE(site.empty());
  EXPECT_EQ(errors,
            "lab.csv:3: well: \"MW7\" and \"MW8\" are no known wells (add them with a wells table); "
            "56 samples name them\n");
  // The wells given in the same import, after the samples, are known.
  const SiteData whole =
      Import({{"lab.csv", lab}, {"wells.csv", "well,s\nMW1,0\nMW7,10\nMW8,20\n"}}, &errors);
  EXPECT_EQ(errors, "");
  EXPECT_EQ(whole.samples.size(), 3u * 28u);
}

TEST(AnalyteNames, RenamingHeldSamplesMeetsTheOnesHeld) {
  SiteData site;
  site.wells = {{"MW1", 0, 0, true}};
  site.samples = {{"MW1", "2024-05-12", "Benzol-X", 3.0, "ug/L", false},
                  {"MW1", "2024-05-13", "Benzene", 3.0, "ug/L", false},
                  {"MW1", "2024-05-13", "benzol-x", 0.003, "mg/L", false},
                  {"MW1", "2024-05-14", "Toluene", 1.0, "ug/L", false}};
  SiteData renamed = site;
  std::ostringstream err;
  // The same value under the new name is the same sample, kept once.
  EXPECT_EQ(RenameSiteAnalyte(&renamed, "BENZOL-X", "Benzene", err), 2);
  ASSERT_EQ(renamed.samples.size(), 3u);
  EXPECT_EQ(renamed.samples[0].analyte, "Benzene");
  EXPECT_EQ(renamed.samples[2].analyte, "Toluene");
  // A second value is refused and nothing changes.
  site.samples[2].value = 0.004;
  renamed = site;
  EXPECT_EQ(RenameSiteAnalyte(&renamed, "Benzol-X", "Benzene", err), -1);
  EXPECT_EQ(renamed, site);
  EXPECT_NE(err.str().find("\"benzol-x\" at \"MW1\" on 2024-05-13 would be a second value of \"Benzene\""),
            std::string::npos)
      << err.str();
}

}  // namespace
