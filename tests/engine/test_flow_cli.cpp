// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli flow and apply-flow on a row of wells along a plume: the row's
// warning in both forms, the mean over the dates, the plume axis, and what
// apply-flow writes and refuses.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/file_bytes.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli_common.h"

namespace {

// Five wells 20 m apart eastwards from the source (1000, 2000), within a
// metre of one line; Benzene falling down the row.
const char* kRow =
    "well,easting,northing,inFit\n"
    "A,1010,2000,yes\nB,1030,2001,yes\nC,1050,1999,yes\nD,1070,2000,yes\nE,1090,2001,yes\n";
// Heads on exact planes: 2024-01-10 falls by (0.002, 0.01) per metre east and
// north (towards 11.31 deg), 2024-07-10 by (0.003, 0.001) (towards 71.57 deg).
std::string Samples() {
  const double e[] = {1010, 1030, 1050, 1070, 1090}, n[] = {2000, 2001, 1999, 2000, 2001};
  const double benzene[] = {100, 50, 20, 10, 5};
  const char* names[] = {"A", "B", "C", "D", "E"};
  std::ostringstream text;
  text.precision(17);
  text << "well,date,analyte,value,unit,nonDetect\n";
  for (int k = 0; k < 5; ++k) {
    text << names[k] << ",2024-01-10,Head," << 50 - 0.002 * (e[k] - 1000) - 0.01 * (n[k] - 2000) << ",m,\n";
    text << names[k] << ",2024-07-10,Head," << 50 - 0.003 * (e[k] - 1000) - 0.001 * (n[k] - 2000) << ",m,\n";
    text << names[k] << ",2024-07-10,Benzene," << benzene[k] << ",ug/L,\n";
  }
  return text.str();
}

class FlowRowCli : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    CopyExample("worked-example.vrp", "p.vrp");
    Write("row.csv", kRow);
    Write("samples.csv", Samples());
    const CliResult import =
        Cli({"site-import", Path("p.vrp"), Path("row.csv"), Path("samples.csv"), "--source", "1000,2000"});
    ASSERT_EQ(import.status, kCliOk) << import.err;
  }
};

}  // namespace

TEST_F(FlowRowCli, TheRowIsWarnedOfAndTheDatesAndPlumeSummarised) {
  const CliResult csv = Cli({"flow", Path("p.vrp"), "--csv"});
  ASSERT_EQ(csv.status, kCliOk) << csv.err;
  std::istringstream lines(csv.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "date,n,gradient,azimuth,rmsResidual,gradientSe,azimuthSe,azimuthLow,azimuthHigh,warning");
  int rows = 0;
  while (std::getline(lines, line)) {
    ++rows;
    EXPECT_NE(line.find(",\"The wells lie nearly in a row ("), std::string::npos) << line;
  }
  EXPECT_EQ(rows, 2);  // the dates only: no summary rows in the CSV

  const CliResult text = Cli({"flow", Path("p.vrp")});
  ASSERT_EQ(text.status, kCliOk) << text.err;
  EXPECT_NE(text.out.find("\n  warning: The wells lie nearly in a row"), std::string::npos) << text.out;
  // Reference: the circular mean and sqrt(-2 ln R) of atan2(0.002, 0.01) and
  // atan2(0.003, 0.001) in degrees, computed in Python (math module):
  // 41.4374918255491 and 30.868519673055093.
  EXPECT_NE(text.out.find("mean over 2 dates: flow azimuth 41.44 deg (circular mean), circular standard "
                          "deviation 30.87 deg, all within 11.31 to 71.57 deg"),
            std::string::npos)
      << text.out;
  // Reference: atan2(sum C sin b, sum C cos b) over the five wells' bearings
  // from the source, in Python: 89.59069747856722.
  EXPECT_NE(text.out.find("plume axis of Benzene: flow azimuth 89.5906974785672"), std::string::npos)
      << text.out;

  // One date: no mean; a contaminant without a plume is an error.
  const CliResult one = Cli({"flow", Path("p.vrp"), "--date", "2024-07-10"});
  EXPECT_EQ(one.out.find("mean over"), std::string::npos) << one.out;
  const CliResult none = Cli({"flow", Path("p.vrp"), "--contaminant", "Toluene"});
  EXPECT_EQ(none.status, kCliFailed);
  EXPECT_NE(none.err.find("Toluene detected at two or more wells"), std::string::npos) << none.err;
}

TEST_F(FlowRowCli, ApplyFlowTakesTheDateAskedForAndPlacesTheWells) {
  const CliResult early =
      Cli({"apply-flow", Path("p.vrp"), "--date", "2024-01-10", "--azimuth", "--gradient"});
  ASSERT_EQ(early.status, kCliOk) << early.err;
  {
    ProjectHandle project(virelo_LoadProject(Path("p.vrp").c_str(), "rb"));
    ASSERT_TRUE(project);
    const SiteData& site = virelo_ExtrasOf(*project).site;
    EXPECT_NEAR(site.map.flowAzimuth, 11.309932474020213, 1e-9);
    EXPECT_NEAR(project->aquifer.gradientI, 0.010198039027185569, 1e-12);  // |(0.002, 0.01)|
    EXPECT_EQ(site.map.azimuthOrigin.text.rfind("heads of 2024-01-10 at 5 wells", 0), 0u)
        << site.map.azimuthOrigin.text;
    EXPECT_EQ(site.map.gradientOrigin.text, site.map.azimuthOrigin.text);
    // Placed by the azimuth: E, 90 m east, lies 90 sin(11.31 deg) along.
    EXPECT_NEAR(site.FindWell("E")->s, 90 * 0.19611613513818404 + 1 * 0.98058067569092, 1e-9);
  }
  const CliResult axis = Cli({"apply-flow", Path("p.vrp"), "--axis"});
  ASSERT_EQ(axis.status, kCliOk) << axis.err;
  {
    ProjectHandle project(virelo_LoadProject(Path("p.vrp").c_str(), "rb"));
    const SiteData& site = virelo_ExtrasOf(*project).site;
    EXPECT_NEAR(site.map.flowAzimuth, 89.59069747856722, 1e-9);
    EXPECT_EQ(
        site.map.azimuthOrigin.text,
        "plume axis of Benzene through 5 wells (concentration-weighted mean bearing from the source point)");
    // The gradient keeps what the heads gave it.
    EXPECT_NEAR(project->aquifer.gradientI, 0.010198039027185569, 1e-12);
  }
  const Bytes before = readAll(Path("p.vrp"));
  const CliResult missing = Cli({"apply-flow", Path("p.vrp"), "--date", "2023-01-01", "--azimuth"});
  EXPECT_EQ(missing.status, kCliFailed);
  EXPECT_NE(missing.err.find("left unchanged"), std::string::npos) << missing.err;
  EXPECT_EQ(readAll(Path("p.vrp")), before);
  EXPECT_EQ(Cli({"apply-flow", Path("p.vrp")}).status, kCliUsage);
  EXPECT_EQ(Cli({"apply-flow", Path("p.vrp"), "--azimuth", "--contaminant", "Benzene"}).status, kCliUsage);
}
