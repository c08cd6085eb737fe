// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What a project keeps of how its rounds are read: the round length, the
// transects and the background wells survive the project file and its JSON
// form, a project without them is written as before, files holding what the
// window would refuse are refused, and the commands and the lines of
// evidence read the transects and the round length the project keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/project/extras.h"
#include "engine/project/monitoring.h"
#include "engine/site/massdischarge.h"
#include "engine/site/plumemass.h"
#include "engine/site/siteproject.h"
#include "engine/site/solventscore.h"
#include "persistence/project_json.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/file_bytes.h"
#include "tests/engine/support/project_files.h"
#include "tests/engine/support/transect_site.h"

namespace {

using Monitoring = ProjectFilesTest;

MonitoringSettings Chosen() {
  MonitoringSettings m;
  m.roundDays = 7;
  m.transects = {{"up", {"A1", "A2", "A3", "A4"}}, {"down", {"B4", "B1", "B2", "B3"}}};
  m.backgroundWells = {"A1"};
  return m;
}

TEST(TransectText, ParsesWhatTheWindowAndTheCommandTake) {
  Transect t;
  std::string why;
  ASSERT_TRUE(ParseTransectText(" up = A1, A2 ,A3", &t, &why)) << why;
  EXPECT_EQ(t.name, "up");
  EXPECT_EQ(t.wells, (std::vector<std::string>{"A1", "A2", "A3"}));
  EXPECT_EQ(TransectText(t), "up=A1,A2,A3");
  EXPECT_FALSE(ParseTransectText("up=A1", &t, &why));
  EXPECT_FALSE(ParseTransectText("=A1,A2", &t, &why));
  EXPECT_FALSE(ParseTransectText("A1,A2", &t, &why));
  EXPECT_NE(TransectProblem({"up", {"A1", "A1"}}, {}).find("twice"), std::string::npos);
  EXPECT_NE(TransectProblem({"up", {"A1", "A2"}}, {{"up", {"B1", "B2"}}}).find("already"), std::string::npos);
  EXPECT_EQ(TransectProblem({"up", {"A1", "A2"}}, {{"down", {"B1", "B2"}}}), "");
  EXPECT_TRUE(IsAcceptedRoundDays(0));
  EXPECT_FALSE(IsAcceptedRoundDays(-1));
  EXPECT_FALSE(IsAcceptedRoundDays(kMaxRoundDays + 1));
}

TEST_F(Monitoring, KeptByTheFileAndItsJsonAndAbsentWhenUnused) {
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  // Unused: the file is written byte for byte as the example's was saved.
  const std::string plain = Save(project.get(), "plain.vrp");
  EXPECT_EQ(ProjectToJson(*project).find("\"monitoring\""), std::string::npos);

  virelo_Extras(project.get()).monitoring = Chosen();
  const std::string path = Save(project.get(), "kept.vrp");
  ProjectHandle back = LoadProjectFile(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(virelo_ExtrasOf(*back).monitoring, Chosen());
  ProjectHandle fromJson(virelo_AllocateProject());
  std::string error;
  ASSERT_TRUE(ProjectFromJson(ProjectToJson(*back), fromJson.get(), &error)) << error;
  EXPECT_EQ(virelo_ExtrasOf(*fromJson).monitoring, Chosen());

  // Back to the defaults: the same bytes as never set.
  virelo_Extras(back.get()).monitoring = MonitoringSettings{};
  EXPECT_EQ(readAll(Save(back.get(), "again.vrp")), readAll(plain));
}

TEST_F(Monitoring, JsonThatTheWindowWouldRefuseIsRefused) {
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  const std::string json = ProjectToJson(*project);
  const size_t at = json.find('{') + 1;
  const struct {
    const char* section;
    const char* where;
  } cases[] = {
      {R"("monitoring": {"roundDays": 4000},)", "/monitoring/roundDays"},
      {R"("monitoring": {"roundDays": 2.5},)", "/monitoring/roundDays"},
      {R"("monitoring": {"transects": [{"name": "up", "wells": ["A1"]}]},)", "/monitoring/transects/0"},
      {R"("monitoring": {"transects": [{"name": "up", "wells": ["A1", "A2"]},
                                       {"name": "up", "wells": ["B1", "B2"]}]},)",
       "/monitoring/transects/1"},
      {R"("monitoring": {"transects": [{"name": "", "wells": ["A1", "A2"]}]},)",
       "/monitoring/transects/0/name"},
      {R"("monitoring": {"backgroundWells": "A1"},)", "/monitoring/backgroundWells"},
      {R"("monitoring": {"window": 3},)", "/monitoring/window"},
  };
  for (const auto& c : cases) {
    std::string text = json;
    text.insert(at, c.section);
    ProjectHandle back(virelo_AllocateProject());
    std::string error;
    EXPECT_FALSE(ProjectFromJson(text, back.get(), &error)) << c.section;
    EXPECT_NE(error.find(c.where), std::string::npos) << error;
  }
}

TEST_F(Monitoring, CommandsAndOptionsReadWhatTheProjectKeeps) {
  ProjectHandle project = LoadExample("petrol-station.vrp");  // Kf 4 m/d, i 0.005
  ASSERT_TRUE(project);
  virelo_Extras(project.get()).site = TransectSite();
  virelo_Extras(project.get()).settings.saturatedThickness = 3.0;
  const std::string bare = Save(project.get(), "bare.vrp");
  virelo_Extras(project.get()).monitoring.transects = Chosen().transects;
  const std::string kept = Save(project.get(), "kept.vrp");

  const CliResult named =
      Cli({"discharge", bare, "--transect", "up=A1,A2,A3,A4", "--transect", "down=B4,B1,B2,B3", "--csv"});
  const CliResult saved = Cli({"discharge", kept, "--csv"});
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(saved.out, named.out);
  EXPECT_EQ(Cli({"discharge", bare}).status, kCliUsage);

  // The round length: 100 days joins the rounds, 91 days apart, into one.
  EXPECT_EQ(PlumeMassOptionsFor(*project, "Benzene").roundDays, kDefaultRoundDays);
  virelo_Extras(project.get()).monitoring.roundDays = 100;
  EXPECT_EQ(PlumeMassOptionsFor(*project, "Benzene").roundDays, 100);
  EXPECT_EQ(MassDischargeOptionsFor(*project).roundDays, 100);
  const std::string shortRounds = Save(project.get(), "short.vrp");
  const CliResult fromProject = Cli({"stability", shortRounds, "--csv"});
  ASSERT_EQ(fromProject.status, 0) << fromProject.err;
  EXPECT_EQ(fromProject.out, Cli({"stability", kept, "--round-days", "100", "--csv"}).out);
  EXPECT_NE(fromProject.out, Cli({"stability", kept, "--csv"}).out);
  // The score's background is the marked wells, the upstream ones without.
  EXPECT_FALSE(SolventBackgroundOf(*project).marked);
  virelo_Extras(project.get()).monitoring.backgroundWells = {"B2", "A1"};
  const SolventBackground background = SolventBackgroundOf(*project);
  EXPECT_TRUE(background.marked);
  EXPECT_EQ(background.wells, (std::vector<std::string>{"A1", "B2"}));  // in the site's order
  // A mark of a well the site no longer holds counts for nothing.
  virelo_Extras(project.get()).monitoring.backgroundWells = {"gone"};
  EXPECT_FALSE(SolventBackgroundOf(*project).marked);

  // The option still overrides the project.
  EXPECT_EQ(Cli({"stability", shortRounds, "--round-days", "30", "--csv"}).out,
            Cli({"stability", kept, "--csv"}).out);
}

// Transects along the flow with these trend classes, and declines between
// neighbours with these ratios (NaN: no common round).
MassDischargeResult Discharge(std::vector<TrendClass> trends, std::vector<double> ratios) {
  MassDischargeResult r;
  for (size_t k = 0; k < trends.size(); ++k) {
    TransectDischarge t;
    t.name = "T" + std::to_string(k + 1);
    t.trend.trend = trends[k];
    r.transects.push_back(t);
  }
  for (double ratio : ratios) r.declines.push_back({"a", "b", "2024-01-01", 50.0, ratio});
  return r;
}

TEST(MassDischargeLight, RisesAnywhereFallsDownstreamOrAlongTheFlow) {
  using T = TrendClass;
  const double kNoRound = NAN;
  const struct {
    std::vector<T> trends;
    std::vector<double> ratios;
    PlumeLight light;
  } cases[] = {
      {{T::kDecreasing, T::kIncreasing}, {0.5}, PlumeLight::kRed},
      {{T::kProbablyIncreasing, T::kDecreasing}, {0.5}, PlumeLight::kRed},
      {{T::kNone, T::kProbablyDecreasing}, {}, PlumeLight::kGreen},
      // The farthest downstream trend speaks, not the upstream one.
      {{T::kDecreasing, T::kStable}, {}, PlumeLight::kYellow},
      {{T::kStable, T::kDecreasing, T::kNone}, {}, PlumeLight::kGreen},
      // A fall from every transect to the next is enough; one rise is not.
      {{T::kDecreasing, T::kStable}, {0.5}, PlumeLight::kGreen},
      {{T::kNone, T::kNone, T::kNone}, {0.5, 0.9}, PlumeLight::kGreen},
      {{T::kNone, T::kNone, T::kNone}, {0.5, 1.2}, PlumeLight::kYellow},
      {{T::kNone, T::kNone}, {1.0}, PlumeLight::kYellow},
      {{T::kNone, T::kNone, T::kNone}, {0.5, kNoRound}, PlumeLight::kNone},
      {{T::kNone, T::kNone}, {}, PlumeLight::kNone},
      {{T::kNoTrend}, {}, PlumeLight::kYellow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.trends.size() << " transects, " << c.ratios.size()
                                    << " ratios, first " << TrendClassText(c.trends.front()));
    EXPECT_EQ(MassDischargeLight(Discharge(c.trends, c.ratios)), c.light);
  }
}

// The evidence's discharge line, read from `evidence --csv`.
std::string DischargeLine(const std::string& path, std::string* reading) {
  const CliResult run = Cli({"evidence", path, "--csv"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string key = "mass discharge,Benzene,";
  const size_t at = run.out.find(key);
  if (at == std::string::npos) return "missing";
  const size_t comma = run.out.find(',', at + key.size());
  *reading = run.out.substr(comma + 1, run.out.find('\n', comma) - comma - 1);
  return run.out.substr(at + key.size(), comma - at - key.size());
}

TEST_F(Monitoring, TheDischargeLineReadsTheKeptTransects) {
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  virelo_Extras(project.get()).site = TransectSite();
  virelo_Extras(project.get()).settings.saturatedThickness = 3.0;
  std::string reading;
  EXPECT_EQ(DischargeLine(Save(project.get(), "none.vrp"), &reading), "none");
  EXPECT_NE(reading.find("No transect"), std::string::npos) << reading;

  // Both transects fall, and the downstream one carries 40 % of the upstream.
  virelo_Extras(project.get()).monitoring.transects = Chosen().transects;
  EXPECT_EQ(DischargeLine(Save(project.get(), "falls.vrp"), &reading), "Green");
  EXPECT_NE(reading.find("up "), std::string::npos) << reading;
  EXPECT_NE(reading.find("From up to down it falls to 4"), std::string::npos) << reading;
  // The same light as the command that shows the discharge.
  const CliResult command = Cli({"discharge", Save(project.get(), "falls.vrp"), "--csv"});
  EXPECT_NE(command.out.find(",green\n"), std::string::npos) << command.out;

  // A downstream transect whose discharge grows is Red, whatever the decline.
  virelo_Extras(project.get()).site = TransectSite(0.2);
  EXPECT_EQ(DischargeLine(Save(project.get(), "grows.vrp"), &reading), "Red");
  EXPECT_NE(reading.find("down "), std::string::npos) << reading;

  // A transect naming a well the site lacks says so, with no light.
  virelo_Extras(project.get()).monitoring.transects = {{"x", {"A1", "Z9"}}};
  EXPECT_EQ(DischargeLine(Save(project.get(), "unknown.vrp"), &reading), "none");
  EXPECT_NE(reading.find("Z9"), std::string::npos) << reading;
}

}  // namespace
