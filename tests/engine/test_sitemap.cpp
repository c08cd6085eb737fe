// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Wells on the map: their s and y from the source and the flow azimuth, as
// the tables, the project's JSON and the command line carry them.
#include "engine/project/sitemap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "persistence/extras_json.h"
#include "persistence/projectfile.h"
#include "persistence/sitecsv.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli_common.h"

namespace fs = std::filesystem;

TEST(SiteMap, SAlongTheFlowAndYPositiveToTheLeftLookingDownstream) {
  SiteMap map;
  map.hasSource = map.hasAzimuth = true;
  map.sourceEasting = 1000.0;
  map.sourceNorthing = 2000.0;
  double s = 0.0, y = 0.0;
  // Flow to the east: north is on the left.
  map.flowAzimuth = 90.0;
  MapToFlowAxes(map, 1100.0, 2000.0, &s, &y);
  EXPECT_NEAR(s, 100.0, 1e-12);
  EXPECT_NEAR(y, 0.0, 1e-12);
  MapToFlowAxes(map, 1050.0, 2030.0, &s, &y);
  EXPECT_NEAR(s, 50.0, 1e-12);
  EXPECT_NEAR(y, 30.0, 1e-12);
  // Flow to the north: west is on the left; upstream is negative s.
  map.flowAzimuth = 0.0;
  MapToFlowAxes(map, 990.0, 1980.0, &s, &y);
  EXPECT_NEAR(s, -20.0, 1e-12);
  EXPECT_NEAR(y, 10.0, 1e-12);
  // Flow to the south-west (225 deg): a well 3-4-5 off.
  map.flowAzimuth = 225.0;
  MapToFlowAxes(map, 1000.0 - 50.0 * std::sqrt(0.5), 2000.0 - 50.0 * std::sqrt(0.5), &s, &y);
  EXPECT_NEAR(s, 50.0, 1e-12);
  EXPECT_NEAR(y, 0.0, 1e-12);

  double a = 0.0;
  EXPECT_TRUE(NormalizeAzimuth(-90.0, &a));
  EXPECT_EQ(a, 270.0);
  EXPECT_TRUE(NormalizeAzimuth(720.0, &a));
  EXPECT_EQ(a, 0.0);
  EXPECT_TRUE(NormalizeAzimuth(-1e-300, &a));
  EXPECT_LT(a, 360.0);
  EXPECT_FALSE(NormalizeAzimuth(NAN, &a));
}

namespace {

const char* kSurvey =
    "well,easting,northing,inFit\n"
    "MW1,512030,5702110,yes\nMW2,512085.5,5702160.25,yes\nMW3,512140,5702095.5,no\n";
// Heads on 2024-05-12 on the plane i = 0.004 towards 37 deg (see the flow
// field's tests), beside a concentration.
const char* kHeads =
    "well,date,analyte,value,unit,nonDetect\n"
    "MW1,2024-05-12,Head,49.576382572800945,m,\nMW2,2024-05-12,Head,49.282253900141685,m,\n"
    "MW3,2024-05-12,Head,49.357904822196787,m,\nMW1,2024-05-12,Benzene,120,ug/L,\n";

SiteMap Placed(double e, double n, double azimuth) {
  SiteMap map;
  map.hasSource = map.hasAzimuth = true;
  map.sourceEasting = e;
  map.sourceNorthing = n;
  map.flowAzimuth = azimuth;
  return map;
}

}  // namespace

TEST(SiteMap, AWellsTableOnTheMapIsPlacedByTheSitesMapOnceItHasOne) {
  SiteCsvRows rows;
  std::ostringstream err;
  ASSERT_TRUE(ReadSiteCsv(kSurvey, "survey.csv", &rows, err)) << err.str();
  ASSERT_TRUE(ReadSiteCsv(kHeads, "heads.csv", &rows, err)) << err.str();
  ASSERT_EQ(rows.wells.size(), 3u);
  EXPECT_TRUE(rows.wells[0].mapped);
  EXPECT_EQ(rows.wells[1].northing, 5702160.25);
  EXPECT_FALSE(rows.wells[2].inFit);
  EXPECT_EQ(rows.samples[0].unit, kUnitM);

  // Before any map the survey keeps its coordinates and waits for one.
  SiteData merged;
  ASSERT_TRUE(MergeSiteRows(SiteData{}, rows, false, &merged, err)) << err.str();
  EXPECT_TRUE(merged.wells[1].mapped);
  EXPECT_EQ(merged.wells[1].easting, 512085.5);
  EXPECT_EQ(merged.wells[1].northing, 5702160.25);
  EXPECT_FALSE(SiteMapPlacesWells(merged.map));

  SiteData site;
  site.map = Placed(512030.0, 5702110.0, 90.0);
  err.str("");
  ASSERT_TRUE(MergeSiteRows(site, rows, false, &merged, err)) << err.str();
  EXPECT_EQ(merged.map, site.map);
  EXPECT_NEAR(merged.wells[0].s, 0.0, 1e-9);
  EXPECT_NEAR(merged.wells[1].s, 55.5, 1e-9);
  EXPECT_NEAR(merged.wells[1].y, 50.25, 1e-9);  // north of an eastward flow: left
  EXPECT_NEAR(merged.wells[2].y, -14.5, 1e-9);

  // A replace keeps the map; a new azimuth places the wells again.
  merged.map.flowAzimuth = 0.0;
  ASSERT_TRUE(DeriveWellOffsets(&merged));
  EXPECT_NEAR(merged.wells[1].s, 50.25, 1e-9);
  EXPECT_NEAR(merged.wells[1].y, -55.5, 1e-9);
  SiteData replaced;
  ASSERT_TRUE(MergeSiteRows(merged, rows, true, &replaced, err)) << err.str();
  EXPECT_EQ(replaced.map, merged.map);
  EXPECT_NEAR(replaced.wells[1].s, 50.25, 1e-9);

  // The exported table reads back to the same wells; a site without map
  // coordinates exports the columns it always had.
  std::ostringstream out;
  WriteSiteWellsCsv(replaced, out);
  EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "well,s,y,inFit,easting,northing");
  SiteCsvRows again;
  ASSERT_TRUE(ReadSiteCsv(out.str(), "export.csv", &again, err)) << err.str();
  SiteData back;
  ASSERT_TRUE(MergeSiteRows(replaced, again, true, &back, err)) << err.str();
  EXPECT_EQ(back.wells, replaced.wells);
  SiteData plain;
  plain.wells.push_back({"MW9", 12.5, -3.0, true});
  std::ostringstream plainOut;
  WriteSiteWellsCsv(plain, plainOut);
  EXPECT_EQ(plainOut.str(), "well,s,y,inFit\nMW9,12.5,-3,true\n");
}

TEST(SiteMap, HeadsAreMetresAndMayLieBelowTheirDatum) {
  SiteCsvRows rows;
  std::ostringstream err;
  EXPECT_TRUE(ReadSiteCsv("well,date,analyte,value,unit\nMW1,2024-05-12,Head,-2.5,m\n", "a.csv", &rows, err))
      << err.str();
  EXPECT_FALSE(
      ReadSiteCsv("well,date,analyte,value,unit\nMW1,2024-05-12,Head,2.5,mg/L\n", "b.csv", &rows, err));
  EXPECT_NE(err.str().find("b.csv:2: unit: Head is given in m"), std::string::npos) << err.str();
  EXPECT_FALSE(
      ReadSiteCsv("well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,2.5,m\n", "c.csv", &rows, err));
  EXPECT_NE(err.str().find("c.csv:2: unit: \"m\" is no concentration unit"), std::string::npos) << err.str();
  EXPECT_FALSE(
      ReadSiteCsv("well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,-2.5,ug/L\n", "d.csv", &rows, err));
  double converted = 0.0;
  EXPECT_FALSE(ConvertSiteValue(2.0, kUnitM, kUnitMgL, &converted));
  EXPECT_TRUE(IsSiteIndicator("Head"));
}

TEST(SiteMap, TheProjectJsonAndSettingsBlockKeepTheMapAndWriteNothingWithoutIt) {
  Project project{};
  SiteData& site = virelo_Extras(&project).site;
  site.wells.push_back({"MW1", 10.0, 2.0, true});
  site.samples.push_back({"MW1", "2024-05-12", "Head", -1.25, kUnitM, false});
  // Without a map, the site's keys are those of a site before maps.
  ExtrasJson plain = ExtrasJson::object();
  ExtrasToJson(project, &plain);
  EXPECT_EQ(plain["site"].size(), 2u);
  EXPECT_EQ(plain["site"]["wells"][0].size(), 4u);
  EXPECT_EQ(
      ExtrasToPayload(project),
      "{\"site\":{\"wells\":[{\"name\":\"MW1\",\"s\":10.0,\"y\":2.0,\"inFit\":true}],"
      "\"sampleTable\":{\"dates\":[\"2024-05-12\"],\"analytes\":[\"Head\"],\"rows\":\"0,0,0,3,0,-1.25;\"}}}");

  site.map = Placed(512000.0, 5702000.0, 37.5);
  site.map.azimuthOrigin = {37.5, "Heads of 2024-05-12 at 3 wells"};
  site.map.gradientOrigin = {0.004, "Heads of 2024-05-12 at 3 wells, \u00b1 0.008 m"};
  site.wells.push_back({"MW2", 0.0, 0.0, false, true, 512100.0, 5702050.0});
  ASSERT_TRUE(DeriveWellOffsets(&site));
  const SiteData saved = site;

  for (bool payload : {false, true}) {
    std::string text;
    if (payload) {
      text = ExtrasToPayload(project);
    } else {
      ExtrasJson json = ExtrasJson::object();
      ExtrasToJson(project, &json);
      text = json.dump();
    }
    Project read{};
    std::string reason;
    ASSERT_TRUE(ExtrasFromPayload(text, &read, &reason)) << reason << "\n" << text;
    EXPECT_EQ(virelo_ExtrasOf(read).site, saved) << text;
    virelo_FreeExtras(&read);
  }
  // A well on the map in a project without a direction yet reads back with
  // its coordinates, waiting for one.
  ExtrasJson json = ExtrasJson::object();
  ExtrasToJson(project, &json);
  json["site"].erase("flowAzimuth");
  Project read{};
  std::string reason;
  ASSERT_TRUE(ExtrasFromPayload(json.dump(), &read, &reason)) << reason;
  EXPECT_FALSE(virelo_ExtrasOf(read).site.map.hasAzimuth);
  const std::vector<SiteWell>& wells = virelo_ExtrasOf(read).site.wells;
  EXPECT_TRUE(std::any_of(wells.begin(), wells.end(), [](const SiteWell& w) { return w.mapped; }));
  virelo_FreeExtras(&read);
  json["site"]["flowAzimuth"] = 360.0;
  EXPECT_FALSE(ExtrasFromPayload(json.dump(), &read, &reason));
  EXPECT_NE(reason.find("/site/flowAzimuth"), std::string::npos) << reason;
  virelo_FreeExtras(&read);
  virelo_FreeExtras(&project);
}

class FlowCli : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    CopyExample("worked-example.vrp", "p.vrp");
    Write("survey.csv", kSurvey);
    Write("heads.csv", kHeads);
  }
};

TEST_F(FlowCli, FourHeadsOffAPlaneGiveTheErrorsInTheLastColumns) {
  Write("survey4.csv",
        "well,easting,northing,inFit\n"
        "MW1,512030,5702110,yes\nMW2,512085.5,5702160.25,yes\nMW3,512140,5702095.5,yes\n"
        "MW4,512060.75,5702230,yes\n");
  // The plane's heads plus 12, -7, 3 and -15 mm.
  Write("heads4.csv",
        "well,date,analyte,value,unit,nonDetect\n"
        "MW1,2024-05-12,Head,49.588382572800945,m,\nMW2,2024-05-12,Head,49.275253900141685,m,\n"
        "MW3,2024-05-12,Head,49.360904822196787,m,\nMW4,2024-05-12,Head,49.104014280130543,m,\n");
  const CliResult import = Cli({"site-import", Path("p.vrp"), Path("heads4.csv"), Path("survey4.csv"),
                                "--source", "512030,5702110", "--flow-azimuth", "90"});
  ASSERT_EQ(import.status, kCliOk) << import.err;
  const CliResult flow = Cli({"flow", Path("p.vrp"), "--csv"});
  ASSERT_EQ(flow.status, kCliOk) << flow.err;
  std::istringstream lines(flow.out);
  std::string header, row;
  std::getline(lines, header);
  std::getline(lines, row);
  std::vector<std::string> cells;
  std::istringstream fields(row);
  for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
  ASSERT_EQ(cells.size(), 9u) << row;
  // mpmath at 50 digits, normal equations on the uncentred coordinates, and
  // t = 6.3137515146750 for one degree of freedom at 90 %.
  EXPECT_NEAR(std::stod(cells[2]), 0.004229115996, 1e-11);
  EXPECT_NEAR(std::stod(cells[3]), 36.5751063081, 1e-8);
  EXPECT_NEAR(std::stod(cells[5]), 3.40805302917e-5, 1e-13);
  EXPECT_NEAR(std::stod(cells[6]), 0.367251925262, 1e-9);
  EXPECT_NEAR(std::stod(cells[7]), 34.2563689087137, 1e-8);
  EXPECT_NEAR(std::stod(cells[8]), 38.8938437074999, 1e-8);

  const CliResult text = Cli({"flow", Path("p.vrp")});
  ASSERT_EQ(text.status, kCliOk) << text.err;
  EXPECT_NE(text.out.find("i = 0.00422911"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find(" +/- 3.408e-05, flow azimuth 36.57510"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find(" deg +/- 0.3673 deg (90 %: 34.26 to 38.89 deg)"), std::string::npos) << text.out;
}

TEST_F(FlowCli, ImportOnTheMapThenFlowGivesThePlane) {
  // The survey comes before any direction: the heads already give one.
  const CliResult survey = Cli({"site-import", Path("p.vrp"), Path("heads.csv"), Path("survey.csv")});
  ASSERT_EQ(survey.status, kCliOk) << survey.err;
  const CliResult early = Cli({"flow", Path("p.vrp")});
  ASSERT_EQ(early.status, kCliOk) << early.err;
  EXPECT_NE(early.out.find("gradient i = 0.00400000"), std::string::npos) << early.out;

  const CliResult import =
      Cli({"site-import", Path("p.vrp"), "--source", "512030,5702110", "--flow-azimuth", "-270"});
  ASSERT_EQ(import.status, kCliOk) << import.err;
  {
    ProjectHandle project(virelo_LoadProject(Path("p.vrp").c_str(), "rb"));
    ASSERT_TRUE(project);
    const SiteData& site = virelo_ExtrasOf(*project).site;
    EXPECT_EQ(site.map.flowAzimuth, 90.0);
    ASSERT_EQ(site.wells.size(), 3u);
    EXPECT_NEAR(site.wells[1].s, 55.5, 1e-9);
    EXPECT_NEAR(site.wells[1].y, 50.25, 1e-9);
  }

  const CliResult flow = Cli({"flow", Path("p.vrp"), "--csv"});
  ASSERT_EQ(flow.status, kCliOk) << flow.err;
  std::istringstream lines(flow.out);
  std::string header, row, more;
  std::getline(lines, header);
  std::getline(lines, row);
  EXPECT_EQ(header,
            "date,n,gradient,azimuth,rmsResidual,gradientSe,azimuthSe,azimuthLow,azimuthHigh,warning");
  std::vector<std::string> cells;
  std::istringstream fields(row);
  for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
  // Three wells: the four error cells are empty, and so is the warning.
  ASSERT_EQ(row.substr(row.size() - 5), ",,,,,") << row;
  ASSERT_EQ(cells.size(), 9u) << row;
  EXPECT_EQ(cells[0], "2024-05-12");
  EXPECT_EQ(cells[1], "3");
  EXPECT_NEAR(std::stod(cells[2]), 0.004, 1e-12);
  EXPECT_NEAR(std::stod(cells[3]), 37.0, 1e-9);
  EXPECT_LT(std::stod(cells[4]), 1e-9);
  EXPECT_FALSE(std::getline(lines, more)) << more;

  // The map alone, given again, places the wells anew.
  const CliResult turned = Cli({"site-import", Path("p.vrp"), "--flow-azimuth", "0"});
  ASSERT_EQ(turned.status, kCliOk) << turned.err;
  ProjectHandle project(virelo_LoadProject(Path("p.vrp").c_str(), "rb"));
  ASSERT_TRUE(project);
  EXPECT_NEAR(virelo_ExtrasOf(*project).site.wells[1].s, 50.25, 1e-9);

  EXPECT_EQ(Cli({"flow", Path("p.vrp"), "--date", "2020-01-01", "--csv"}).status, kCliFailed);
  EXPECT_EQ(Cli({"site-import", Path("p.vrp"), "--source", "512030"}).status, kCliUsage);
  EXPECT_EQ(Cli({"site-import", Path("p.vrp"), "--flow-azimuth", "east"}).status, kCliUsage);
}

// The same wells given on the map or by s and y give the same decay constant:
// the map's s is the distance the fit reads.
TEST_F(FlowCli, ASurveyOnTheMapFitsAsItsDistancesDo) {
  const char* lab =
      "well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,1000,ug/L\nMW2,2024-05-12,Benzene,420,ug/L\n"
      "MW3,2024-05-12,Benzene,200,ug/L\nMW4,2024-05-12,Benzene,75,ug/L\nMW5,2024-05-12,Benzene,40,ug/L\n";
  std::ofstream(Path("lab.csv"), std::ios::binary) << lab;
  std::ofstream(Path("along.csv"), std::ios::binary)
      << "well,s,y,inFit\nMW1,0,0,yes\nMW2,20,0,yes\nMW3,40,0,yes\nMW4,60,0,yes\nMW5,80,0,yes\n";
  // Flow due east from MW1: easting minus the source's is s.
  std::ofstream(Path("map.csv"), std::ios::binary)
      << "well,easting,northing\nMW1,512000,5702000\nMW2,512020,5702000\nMW3,512040,5702000\n"
         "MW4,512060,5702000\nMW5,512080,5702000\n";
  fs::copy_file(Path("p.vrp"), Path("q.vrp"));
  ASSERT_EQ(Cli({"site-import", Path("p.vrp"), Path("lab.csv"), Path("along.csv")}).status, kCliOk);
  const CliResult mapped = Cli({"site-import", Path("q.vrp"), Path("lab.csv"), Path("map.csv"), "--source",
                                "512000,5702000", "--flow-azimuth", "90"});
  ASSERT_EQ(mapped.status, kCliOk) << mapped.err;
  const CliResult a = Cli({"decay", Path("p.vrp"), "--contaminant", "Benzene", "--csv"});
  const CliResult b = Cli({"decay", Path("q.vrp"), "--contaminant", "Benzene", "--csv"});
  ASSERT_EQ(a.status, kCliOk) << a.err;
  EXPECT_EQ(a.out, b.out);
  // Turned round, the same wells lie upstream of the source and give no fit.
  ASSERT_EQ(Cli({"site-import", Path("q.vrp"), "--flow-azimuth", "270"}).status, kCliOk);
  EXPECT_NE(Cli({"decay", Path("q.vrp"), "--contaminant", "Benzene", "--csv"}).out, a.out);
}
