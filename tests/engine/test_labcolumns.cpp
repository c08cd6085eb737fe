// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Laboratory and survey files as labs deliver them: their own column names,
// report lines above the header, remarks columns, and the same data as
// Virelo's own tables giving the same site.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "persistence/sitecolumns.h"
#include "persistence/sitecsv.h"
#include "persistence/siteheader.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/site_common.h"

namespace {

const std::string kData = std::string(VIRELO_SOURCE_DIR) + "/tests/engine/data/";

SiteData SiteOf(const std::string& path) {
  ProjectHandle project = LoadSiteProject(path, std::cerr);
  return project ? virelo_ExtrasOf(*project).site : SiteData{};
}

// Reads one table alone; the messages and notes come back too.
bool ReadOne(const std::string& text, SiteCsvRows* rows, std::string* errors, std::vector<std::string>* notes,
             const SiteColumnMap* columns = nullptr) {
  std::ostringstream err;
  SiteCsvOptions options;
  options.notes = notes;
  options.columns = columns;
  const bool ok = ReadSiteCsv(text, "t.csv", rows, err, options);
  *errors = err.str();
  return ok;
}

class LabColumns : public ProjectFilesTest {
 protected:
  // Imports the tables into a fresh copy of the worked example, its map
  // placing the wells from `source` with the flow to the east.
  CliResult Import(const std::string& name, std::vector<std::string> tables, const std::string& source,
                   std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"site-import", CopyExample("worked-example.vrp", name)};
    for (const std::string& table : tables) args.push_back(table);
    for (const std::string& arg : {std::string("--replace"), std::string("--source"), source,
                                   std::string("--flow-azimuth"), std::string("90")})
      args.push_back(arg);
    args.insert(args.end(), extra.begin(), extra.end());
    return Cli(args);
  }
  void ExpectSameSite(const std::string& a, const std::string& b) {
    const SiteData one = SiteOf(Path(a)), two = SiteOf(Path(b));
    ASSERT_FALSE(one.samples.empty());
    EXPECT_EQ(one.wells, two.wells);
    ASSERT_EQ(one.samples.size(), two.samples.size());
    // The order of samples is the tables' order; the samples themselves match.
    for (const SiteSample& s : one.samples)
      EXPECT_NE(std::find(two.samples.begin(), two.samples.end(), s), two.samples.end())
          << s.well << " " << s.date << " " << s.analyte << " " << s.value;
  }
};

TEST_F(LabColumns, DutchLabExportAndRdSurveyReadAsTheLongForm) {
  const CliResult dutch = Import("nl.vrp", {kData + "nl-lab.csv", kData + "nl-survey.csv"}, "155000,463000");
  ASSERT_EQ(dutch.status, kCliOk) << dutch.err;
  EXPECT_NE(dutch.err.find("nl-lab.csv: the column \"Opmerking\" is not read"), std::string::npos)
      << dutch.err;
  EXPECT_NE(dutch.err.find("1 value not determined"), std::string::npos) << dutch.err;
  const CliResult longForm =
      Import("long.vrp", {kData + "nl-lab-long.csv", kData + "nl-wells-long.csv"}, "155000,463000");
  ASSERT_EQ(longForm.status, kCliOk) << longForm.err;
  ExpectSameSite("nl.vrp", "long.vrp");
  // The survey's heads on both dates, in metres, and its wells once each.
  const SiteData site = SiteOf(Path("nl.vrp"));
  EXPECT_EQ(site.wells.size(), 3u);
  int heads = 0;
  for (const SiteSample& s : site.samples) heads += s.analyte == "Head";
  EXPECT_EQ(heads, 6);
}

TEST_F(LabColumns, GermanWideExportWithReportLinesAndUtmWellsReadsAsTheLongForm) {
  const CliResult german =
      Import("de.vrp", {kData + "de-wide.csv", kData + "de-wells.csv"}, "456000,5405000");
  ASSERT_EQ(german.status, kCliOk) << german.err;
  // Each skipped thing is said once, naming it, with the file's own line.
  EXPECT_NE(german.err.find("de-wide.csv: the 2 lines above the header on line 3 are not read"),
            std::string::npos)
      << german.err;
  EXPECT_NE(german.err.find("de-wide.csv: the column \"Bemerkung\" is not read"), std::string::npos);
  EXPECT_NE(german.err.find("de-wells.csv: the column \"Gel\xc3\xa4ndeh\xc3\xb6he\" is not read"),
            std::string::npos);
  const CliResult longForm =
      Import("long.vrp", {kData + "de-lab-long.csv", kData + "de-wells-long.csv"}, "456000,5405000");
  ASSERT_EQ(longForm.status, kCliOk) << longForm.err;
  ExpectSameSite("de.vrp", "long.vrp");
}

TEST_F(LabColumns, ColumnsOptionMapsAnUnknownHeaderAndRefusesABadRole) {
  Write("lab.csv", "Probe;Tag;Stoffname;Resultaat;Eenheid\nPB1;15-03-2021;Benzeen;12;ug/l\n");
  Write("wells.csv", "Peilbuis;X;Y\nPB1;155000;463000\n");
  const std::string project = CopyExample("worked-example.vrp", "p.vrp");
  const CliResult refused = Cli({"site-import", project, Path("lab.csv"), Path("wells.csv"), "--source",
                                 "155000,463000", "--flow-azimuth", "90"});
  EXPECT_EQ(refused.status, kCliFailed);
  // With the roles named, the same files read; the map's bare X and Y are
  // easting and northing.
  const CliResult mapped =
      Cli({"site-import", project, Path("lab.csv"), Path("wells.csv"), "--source", "155000,463000",
           "--flow-azimuth", "90", "--columns", "Probe=well, tag=date,STOFFNAME=analyte"});
  ASSERT_EQ(mapped.status, kCliOk) << mapped.err;
  const SiteData site = SiteOf(project);
  // The mapping is kept with the project, as the window keeps it.
  ProjectHandle saved = LoadSiteProject(project, std::cerr);
  ASSERT_TRUE(saved);
  const std::map<std::string, std::string> kept = {
      {"probe", "well"}, {"tag", "date"}, {"stoffname", "analyte"}};
  EXPECT_EQ(virelo_ExtrasOf(*saved).siteColumns, kept);
  ASSERT_EQ(site.samples.size(), 1u);
  EXPECT_EQ(site.samples[0].well, "PB1");
  EXPECT_EQ(site.samples[0].date, "2021-03-15");
  EXPECT_EQ(site.samples[0].analyte, "Benzene");
  ASSERT_EQ(site.wells.size(), 1u);
  EXPECT_DOUBLE_EQ(site.wells[0].easting, 155000.0);
  EXPECT_DOUBLE_EQ(site.wells[0].northing, 463000.0);

  const CliResult badRole = Cli({"site-import", project, Path("lab.csv"), "--columns", "Probe=location"});
  EXPECT_EQ(badRole.status, kCliUsage);
  EXPECT_NE(badRole.err.find("\"location\" is no column role"), std::string::npos) << badRole.err;
}

TEST(SiteColumnNames, RolesOfTheHeadersLabsWrite) {
  const std::vector<std::string> header = {
      "Monsterpunt", "Probenahmedatum", "PARAMETER",           "Messwert", "Einheit", "X (RD)",
      "Hochwert",    "Bemerkung",       "Stijghoogte [m NAP]", "Whatever"};
  const std::vector<SiteColumn> columns = SiteHeaderColumns(header, nullptr);
  const std::vector<std::string> roles = {"well",    "date",     "analyte", "value", "unit",
                                          "easting", "northing", "skip",    "head",  ""};
  ASSERT_EQ(columns.size(), roles.size());
  for (size_t k = 0; k < roles.size(); ++k) EXPECT_EQ(columns[k].role, roles[k]) << header[k];
  EXPECT_EQ(columns[8].unit, "m NAP");
  // With an s column, y is the offset across the flow, as it always was.
  const std::vector<SiteColumn> offsets = SiteHeaderColumns({"well", "s", "y", "inFit"}, nullptr);
  EXPECT_EQ(offsets[2].role, "y");
  const std::vector<SiteColumn> map = SiteHeaderColumns({"well", "x", "y"}, nullptr);
  EXPECT_EQ(map[1].role, "easting");
  EXPECT_EQ(map[2].role, "northing");
  // A mapping outranks the names table.
  const SiteColumnMap mapped = {{SiteColumnKey("Datum"), "skip"}, {SiteColumnKey("Code"), "well"}};
  const std::vector<SiteColumn> byMap = SiteHeaderColumns({"CODE", "datum"}, &mapped);
  EXPECT_EQ(byMap[0].role, "well");
  EXPECT_EQ(byMap[1].role, "skip");
}

TEST(SiteColumnNames, HeadersAndRefusals) {
  SiteCsvRows rows;
  std::string errors;
  std::vector<std::string> notes;
  // Two columns of one role: refused naming both.
  EXPECT_FALSE(ReadOne("Peilbuis;Monsterpunt;Datum;Parameter;Waarde;Eenheid\n", &rows, &errors, &notes));
  EXPECT_NE(errors.find("columns \"Peilbuis\" and \"Monsterpunt\" both give the well"), std::string::npos)
      << errors;
  // Nothing a header: the refusal names every form read.
  EXPECT_FALSE(ReadOne("a,b,c\n1,2,3\n", &rows, &errors, &notes));
  for (const char* form : {"long laboratory table", "wide table", "wells table (well,s,y,inFit)",
                           "survey (well,easting,northing"})
    EXPECT_NE(errors.find(form), std::string::npos) << errors;
  // Below report lines (one with commas, which must not set the separator)
  // a message names the file's own line.
  EXPECT_FALSE(ReadOne("Bericht, Labor\n\nMessstelle;Datum;Benzol [ug/L]\nMW1;01.01.2020;abc\n", &rows,
                       &errors, &notes));
  EXPECT_NE(errors.find("t.csv:4: \"Benzol [ug/L]\": \"abc\" is not a finite number"), std::string::npos)
      << errors;
  // A header further down than the lines searched is not looked for.
  std::string far(kSiteHeaderSearchLines, '\n');
  far = "Report\n" + far + "well,s\nMW1,0\n";
  EXPECT_FALSE(ReadOne(far, &rows, &errors, &notes));
  // A row of another length among skipped columns is counted as the file has it.
  EXPECT_FALSE(ReadOne("well,s,Remarks\nMW1,0\n", &rows, &errors, &notes));
  EXPECT_NE(errors.find("t.csv:2: 2 fields for 3 columns"), std::string::npos) << errors;
  EXPECT_TRUE(rows.wells.empty());
  // The unknown columns of a header, for a mapping to name; a wide table's
  // analyte columns are not among them.
  EXPECT_EQ(UnrecognisedSiteColumns("Titel\nCode;Datum;Parameter;Wert;Einheit\n", nullptr),
            std::vector<std::string>{"Code"});
  EXPECT_TRUE(UnrecognisedSiteColumns("Messstelle;Datum;Benzol [ug/L]\n", nullptr).empty());
  EXPECT_EQ(UnrecognisedSiteColumns("Messstelle;Lage\n", nullptr), std::vector<std::string>{"Lage"});
}

TEST(SiteColumnNames, SurveyHeadsNeedTheirDateAndAWellGivenTwiceAlikeIsOne) {
  SiteCsvRows rows;
  std::string errors;
  std::vector<std::string> notes;
  EXPECT_FALSE(ReadOne("well,easting,northing,head\nMW1,1,2,3.5\n", &rows, &errors, &notes));
  EXPECT_NE(errors.find("missing column \"date\""), std::string::npos) << errors;
  // The same well in the survey and a wells table of one import is accepted.
  ASSERT_TRUE(ReadOne("well;easting;northing;date;head\nMW1;1;2;01.02.2023;3,5\nMW1;1;2;01.03.2023;3,4\n",
                      &rows, &errors, &notes))
      << errors;
  ASSERT_TRUE(ReadOne("well,easting,northing\nMW1,1,2\n", &rows, &errors, &notes)) << errors;
  ASSERT_EQ(rows.samples.size(), 2u);
  EXPECT_EQ(rows.samples[1].date, "2023-03-01");
  EXPECT_EQ(rows.samples[1].value, 3.4);
  SiteData site, merged;
  site.map.hasSource = true;
  site.map.hasAzimuth = true;
  site.map.flowAzimuth = 90;
  std::ostringstream err;
  EXPECT_TRUE(MergeSiteRows(site, rows, false, &merged, err)) << err.str();
  EXPECT_EQ(merged.wells.size(), 1u);
}

TEST(SiteValues, NanogramsKeepTheirDecimalFormAndOldDatesAreNamed) {
  SiteCsvRows rows;
  std::string errors;
  std::vector<std::string> notes;
  ASSERT_TRUE(
      ReadOne("well,date,analyte,value,unit\nMW1,2020-01-01,Benzene,123.4,ng/L\n"
              "MW1,2020-02-01,Benzene,7,ng/L\n",
              &rows, &errors, &notes))
      << errors;
  // The doubles typing 0.1234 and 0.007 give (the quotients are one ulp off).
  EXPECT_EQ(rows.samples[0].value, 0.1234);
  EXPECT_EQ(rows.samples[1].value, 0.007);
  EXPECT_FALSE(
      ReadOne("well,date,analyte,value,unit\nMW1,12.05.1895,Benzene,1,ug/L\n", &rows, &errors, &notes));
  EXPECT_NE(errors.find("from 1900 on"), std::string::npos) << errors;
  EXPECT_FALSE(
      ReadOne("well,date,analyte,value,unit\nMW1,32.05.1995,Benzene,1,ug/L\n", &rows, &errors, &notes));
  EXPECT_EQ(errors.find("from 1900 on"), std::string::npos) << errors;
  // A unit row differing from the name's unit only in scale is refused,
  // naming both.
  EXPECT_FALSE(ReadOne("well;date;Benzol [ng/L]\n;;\xb5g/L\nMW1;01.01.2020;5\n", &rows, &errors, &notes));
  EXPECT_NE(errors.find("the unit row says \"\xc2\xb5g/L\" where the name says \"ng/L\""), std::string::npos)
      << errors;
}

TEST(SiteValues, NoTableWritesANegativeZero) {
  SiteData site;
  site.wells.push_back(SiteWell{});
  site.wells[0].name = "MW1";
  site.wells[0].s = -0.0;
  site.wells[0].y = -0.0;
  std::ostringstream out;
  WriteSiteWellsCsv(site, out);
  EXPECT_EQ(out.str().find("-0"), std::string::npos) << out.str();
}

}  // namespace
