// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// site-import of laboratory tables as labs deliver them, through to the
// saved project: names mapped on the command line become the project's
// aliases in its file and its JSON form, and nothing is written on a refusal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/project/extras.h"
#include "persistence/extras_json.h"
#include "persistence/project_json.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const char* kWells = "well,s,y,inFit\nMW1,0,0,yes\nMW2,20,0,yes\n";

class LabCli : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    CopyExample("worked-example.vrp", "p.vrp");
    Write("wells.csv", kWells);
  }
};

TEST_F(LabCli, MapOptionSavesAliasesThatLaterImportsAndTheJsonKeep) {
  // "Per-X" is no name the table knows; 3 samples of it, one line for them.
  Write("lab.csv",
        "well;date;Benzol [\xC2\xB5g/l];Per-X [\xC2\xB5g/l]\n"
        "MW1;12.05.2024;10;5\nMW2;12.05.2024;<1;3\nMW2;13.05.2024;;2\n");
  const CliResult first = Cli({"site-import", Path("p.vrp"), Path("lab.csv"), Path("wells.csv")});
  ASSERT_EQ(first.status, kCliOk) << first.err;
  EXPECT_EQ(first.err,
            "virelo-cli: warning: \"Per-X\": 3 samples of an analyte no name matches, kept as written "
            "(--map \"Per-X=NAME\" names it)\n");

  // Mapping it later renames the samples held, and the alias is saved.
  Write("more.csv", "well,date,analyte,value,unit\nMW1,2024-06-01,per-x,4,ug/L\n");
  const CliResult mapped = Cli({"site-import", Path("p.vrp"), Path("more.csv"), "--map",
                                "Per-X=tetrachloroethene", "--map", "Benzol=Benzene"});
  ASSERT_EQ(mapped.status, kCliOk) << mapped.err;
  EXPECT_EQ(mapped.err, "");
  ProjectHandle project = LoadProjectFile(Path("p.vrp"));
  ASSERT_TRUE(project);
  const ProjectExtras& extras = virelo_ExtrasOf(*project);
  ASSERT_EQ(extras.analyteAliases.entries.size(), 2u);
  EXPECT_EQ(extras.analyteAliases.entries[0], (AnalyteAlias{"Per-X", "Tetrachloroethene (PCE)"}));
  int pce = 0;
  for (const SiteSample& s : extras.site.samples) {
    EXPECT_NE(s.analyte, "Per-X");
    pce += s.analyte == "Tetrachloroethene (PCE)";
  }
  EXPECT_EQ(pce, 4);

  // The JSON form holds the aliases in the site object and reads them back.
  const std::string json = ProjectToJson(*project);
  EXPECT_NE(json.find("\"aliases\": {\n      \"Per-X\": \"Tetrachloroethene (PCE)\""), std::string::npos)
      << json;
  ProjectHandle back(virelo_AllocateProject());
  std::string error;
  ASSERT_TRUE(ProjectFromJson(json, back.get(), &error)) << error;
  EXPECT_EQ(virelo_ExtrasOf(*back).analyteAliases, extras.analyteAliases);
  EXPECT_EQ(virelo_ExtrasOf(*back).site, extras.site);

  // Aliases alone, without site data, still make a settings block.
  virelo_Extras(back.get()).site = SiteData{};
  ASSERT_FALSE(ExtrasAreDefault(*back));
  ASSERT_TRUE(virelo_SaveProject(back.get(), Path("aliases.vrp").c_str()));
  ProjectHandle again = LoadProjectFile(Path("aliases.vrp"));
  ASSERT_TRUE(again);
  EXPECT_EQ(virelo_ExtrasOf(*again).analyteAliases, extras.analyteAliases);

  // Two keys that match alike are refused, naming the second.
  std::string twice = json;
  twice.replace(twice.find("\"Per-X\": "), 9, "\"per-x\": \"Benzene\",\n      \"Per-X\": ");
  ProjectHandle refused(virelo_AllocateProject());
  EXPECT_FALSE(ProjectFromJson(twice, refused.get(), &error));
  EXPECT_NE(error.find("/site/aliases/Per-X: a second alias"), std::string::npos) << error;
}

TEST_F(LabCli, ProjectWithoutAliasesKeepsItsSiteObjectAsBefore) {
  Write("lab.csv", "well,date,analyte,value,unit\nMW1,2024-05-12,Benzol,10,ug/L\n");
  ASSERT_EQ(Cli({"site-import", Path("p.vrp"), Path("lab.csv"), Path("wells.csv")}).status, kCliOk);
  ProjectHandle project = LoadProjectFile(Path("p.vrp"));
  ASSERT_TRUE(project);
  EXPECT_TRUE(virelo_ExtrasOf(*project).analyteAliases.empty());
  EXPECT_EQ(virelo_ExtrasOf(*project).site.samples.at(0).analyte, "Benzene");
  const std::string payload = ExtrasToPayload(*project);
  EXPECT_EQ(payload.find("aliases"), std::string::npos) << payload;
  // Saved again unchanged, the file is the same byte for byte.
  ASSERT_TRUE(virelo_SaveProject(project.get(), Path("again.vrp").c_str()));
  EXPECT_EQ(Read(Path("again.vrp")), Read(Path("p.vrp")));
}

TEST_F(LabCli, DateOrderMapRefusalsAndUnknownWellsLeaveTheProjectUnchanged) {
  const std::string before = Read(Path("p.vrp"));
  Write("slashed.csv", "well,date,analyte,value,unit\nMW1,05/04/2024,Benzene,10,ug/L\n");
  CliResult run = Cli({"site-import", Path("p.vrp"), Path("slashed.csv"), Path("wells.csv")});
  EXPECT_EQ(run.status, kCliFailed);
  EXPECT_NE(run.err.find("slashed.csv:2: date: \"05/04/2024\" may be day/month or month/day"),
            std::string::npos)
      << run.err;
  run =
      Cli({"site-import", Path("p.vrp"), Path("slashed.csv"), "--map", "Benzol=Nonesuch", Path("wells.csv")});
  EXPECT_EQ(run.status, kCliUsage);
  EXPECT_NE(run.err.find("\"Nonesuch\" is no contaminant or indicator"), std::string::npos) << run.err;
  run = Cli({"site-import", Path("p.vrp"), Path("slashed.csv"), "--date-order", "ymd"});
  EXPECT_EQ(run.status, kCliUsage);
  Write("lab.csv",
        "well,date,analyte,value,unit\nMW7,2024-05-04,Benzene,10,ug/L\nMW9,2024-05-04,Benzene,1,ug/L\n");
  run = Cli({"site-import", Path("p.vrp"), Path("lab.csv"), Path("wells.csv"), "--map", "X=Benzene"});
  EXPECT_EQ(run.status, kCliFailed);
  EXPECT_NE(run.err.find("lab.csv:2: well: \"MW7\" and \"MW9\" are no known wells"), std::string::npos)
      << run.err;
  EXPECT_EQ(Read(Path("p.vrp")), before);

  run = Cli({"site-import", Path("p.vrp"), Path("slashed.csv"), Path("wells.csv"), "--date-order", "mdy"});
  ASSERT_EQ(run.status, kCliOk) << run.err;
  ProjectHandle project = LoadProjectFile(Path("p.vrp"));
  ASSERT_TRUE(project);
  EXPECT_EQ(virelo_ExtrasOf(*project).site.samples.at(0).date, "2024-05-04");
}

}  // namespace

TEST_F(LabCli, DutchAndGermanLabMarksImportAndSayWhatWasSkipped) {
  // A Windows-1252 export with decimal commas: "n.b." and an en dash for not
  // determined, "n.n." at the row's BG, a head above NAP, Fe(II) by its Dutch
  // name.
  Write("lab.csv",
        "well;date;analyte;value;unit;BG\n"
        "MW1;12-05-2024;benzeen;n.b.;\xB5g/l;0,5\n"
        "MW1;12-05-2024;benzeen;n.n.;\xB5g/l;0,5\n"
        "MW2;12-05-2024;benzeen;4,2;\xB5g/l;0,5\n"
        "MW2;12-05-2024;tolueen;\x96;\xB5g/l;0,5\n"
        "MW2;12-05-2024;ijzer (II);1,8;mg/l;0,1\n"
        "MW2;12-05-2024;stijghoogte;-0,35;m NAP;\n");
  const CliResult run = Cli({"site-import", Path("p.vrp"), Path("lab.csv"), Path("wells.csv"), "--replace"});
  ASSERT_EQ(run.status, kCliOk) << run.err;
  EXPECT_EQ(run.err,
            "virelo-cli: note: " + Path("lab.csv") + ": 2 values not determined (n.b.) were skipped\n");
  EXPECT_NE(run.out.find(": 2 wells, 4 samples\n"), std::string::npos) << run.out;
  ProjectHandle project = LoadProjectFile(Path("p.vrp"));
  ASSERT_TRUE(project);
  const std::vector<SiteSample>& samples = virelo_ExtrasOf(*project).site.samples;
  ASSERT_EQ(samples.size(), 4u);
  int seen = 0;
  for (const SiteSample& s : samples) {
    if (s.well == "MW1" && s.analyte == "Benzene") {
      EXPECT_TRUE(s.nonDetect);
      EXPECT_EQ(s.value, 0.5);
      ++seen;
    } else if (s.analyte == "Iron(II)") {
      EXPECT_EQ(s.unit, "mg/L");
      EXPECT_EQ(s.value, 1.8);
      ++seen;
    } else if (s.analyte == "Head") {
      EXPECT_EQ(s.unit, "m");
      EXPECT_EQ(s.value, -0.35);
      ++seen;
    }
  }
  EXPECT_EQ(seen, 3);

  // Not detected without a limit column leaves the project as it was.
  const std::string before = Read(Path("p.vrp"));
  Write("nolimit.csv", "well;date;analyte;value;unit\nMW1;12.05.2024;Benzol;n.n.;\xB5g/l\n");
  const CliResult refused = Cli({"site-import", Path("p.vrp"), Path("nolimit.csv")});
  EXPECT_EQ(refused.status, kCliFailed);
  EXPECT_NE(refused.err.find("nolimit.csv:2: value: \"n.n.\" is not detected but gives no limit"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(Read(Path("p.vrp")), before);
}
