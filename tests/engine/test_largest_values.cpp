// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project file and its JSON form at the largest value each of their
// rules accepts, and one step beyond: a chain of five contaminants with its
// end product, intervals at 95 and 80 %, a unit of 24 characters and a
// source of 2000 that hold more bytes than characters, the largest sample
// count and seed. A rule that counts bytes where it means characters, or
// stops one short, shows only at its edge.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/project/assessment.h"
#include "engine/project/extras.h"
#include "persistence/csv.h"
#include "persistence/extras_json.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/file_bytes.h"
#include "tests/engine/support/project_files.h"
#include "tests/engine/support/worked_example.h"
#include "tools/cli/cli.h"

namespace fs = std::filesystem;

namespace {

// 24 characters, 28 bytes in UTF-8.
const std::string kLongestUnit =
    "\xC2\xB5g/m\xC2\xB3 Bodenluft, S\xC3\xBC"
    "d-\xC3\x96st";
// Record names are Latin-1: "Trichloräthen".
const char* const kNames[] = {"Tetrachlorethen", "Trichlor\xE4then", "cis-Dichlorethen",
                              "Vinylchlorid",    "Chlorethan",       "Benzol"};

// 2000 characters (a line end among them), 3997 bytes in UTF-8.
std::string LongestSource() {
  std::string text;
  for (int k = 0; k < 1998; ++k) text += "\xC3\xA4";
  return text + "\nx";
}

class LargestValues : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    RemoveReportCallbacks();
  }

  // Six assessed contaminants on the worked example's aquifer, and every
  // extra at its largest.
  static Project* LargestProject() {
    Project* p = virelo_AllocateProject();
    CopyBounded(p->title, "Largest values", sizeof p->title);
    p->aquifer = WorkedExampleAquifer();
    p->contaminants = virelo_AllocateContaminants(6);
    p->contaminantCount = 6;
    for (int k = 0; k < 6; ++k) {
      Contaminant& c = p->contaminants[k];
      CopyBounded(c.name, kNames[k], kNameCapacity);
      virelo_SetContaminantValue(&c, kValueC0, k == 0 ? 5000.0 : 10.0);
      virelo_SetContaminantValue(&c, kValueCa, 1.0 + k);
      virelo_SetLambda(&c, kLambdaUser, 0.002 * (k + 1));
      c.lambdaSelected = kLambdaUser;
      c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
    }
    ProjectExtras& extras = virelo_Extras(p);
    extras.chains = {{{kNames[0], kNames[1], kNames[2], kNames[3], kNames[4], kChainEndProduct},
                      {0.79, 0.74, 0.64, 0.45, 0.5}}};
    ProjectSettings& s = extras.settings;
    s.concentrationUnit = kLongestUnit;
    s.plumeRange = kAssessmentRangeCount - 1;
    s.afRange = kAssessmentRangeCount - 1;
    s.verdictBasis = VerdictBasis::Worse;
    SetLambdaSource(&s, kNames[1], LongestSource());
    s.lambdaIntervals[kNames[1]] = {0.004, 0.00125, 0.0625, 95};
    // An interval's ends may be its lambda itself.
    s.lambdaIntervals[kNames[2]] = {0.006, 0.006, 0.006, 80};
    extras.uncertainty.samples = kMaxUncertaintySamples;
    extras.uncertainty.seed = UINT64_MAX;
    extras.uncertainty.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {1, 2, 0.1, 10}},
                                 {UncertainInput::C0, kNames[1], DistributionKind::Uniform, {5, 15}}};
    extras.site.wells = {{"MW \xC4", 0.0, -2.5, true}, {"MW2", 40.0, 0.0, false}};
    extras.site.samples = {{"MW \xC4", "2024-02-29", kNames[1], 12.5, "ug/L", false},
                           {"MW2", "2024-02-29", "ORP", -120.0, "mV", false}};
    return p;
  }
};

void ExpectLargestExtras(const Project& p) {
  const ProjectExtras& e = virelo_ExtrasOf(p);
  ASSERT_FALSE(e.settingsUnreadable) << e.settingsProblem;
  ASSERT_EQ(e.chains.size(), 1u);
  ASSERT_EQ(e.chains[0].species.size(), 6u);
  EXPECT_EQ(e.chains[0].species[1], kNames[1]);
  EXPECT_EQ(e.chains[0].species[5], kChainEndProduct);
  EXPECT_EQ(e.chains[0].yields, (std::vector<double>{0.79, 0.74, 0.64, 0.45, 0.5}));
  EXPECT_EQ(e.settings.concentrationUnit, kLongestUnit);
  EXPECT_EQ(e.settings.plumeRange, kAssessmentRangeCount - 1);
  EXPECT_EQ(e.settings.afRange, kAssessmentRangeCount - 1);
  EXPECT_EQ(LambdaSourceOf(e.settings, kNames[1]), LongestSource());
  ASSERT_EQ(e.settings.lambdaIntervals.size(), 2u);
  EXPECT_EQ(e.settings.lambdaIntervals.at(kNames[1]), (SiteLambdaInterval{0.004, 0.00125, 0.0625, 95}));
  EXPECT_EQ(e.settings.lambdaIntervals.at(kNames[2]), (SiteLambdaInterval{0.006, 0.006, 0.006, 80}));
  EXPECT_EQ(e.uncertainty.samples, kMaxUncertaintySamples);
  EXPECT_EQ(e.uncertainty.seed, UINT64_MAX);
  ASSERT_EQ(e.uncertainty.inputs.size(), 2u);
  EXPECT_EQ(e.uncertainty.inputs[0].params, (std::vector<double>{1, 2, 0.1, 10}));
  EXPECT_EQ(e.uncertainty.inputs[1].contaminant, kNames[1]);
  ASSERT_EQ(e.site.samples.size(), 2u);
  EXPECT_EQ(e.site.samples[0].well, "MW \xC4");
}

TEST_F(LargestValues, FileAndJsonFormKeepEveryExtraAtItsLimit) {
  Project* p = LargestProject();
  ASSERT_EQ(virelo_SaveProject(p, Path("largest.vrp").c_str()), 1);
  virelo_FreeProject(p);

  Project* loaded = virelo_LoadProject(Path("largest.vrp").c_str(), "rb");
  ASSERT_NE(loaded, nullptr);
  ASSERT_NO_FATAL_FAILURE(ExpectLargestExtras(*loaded));
  ASSERT_EQ(virelo_SaveProject(loaded, Path("again.vrp").c_str()), 1);
  virelo_FreeProject(loaded);
  EXPECT_TRUE(readAll(Path("again.vrp")) == readAll(Path("largest.vrp")));

  // The JSON form: export, import, and the same file again.
  const CliResult exported = Cli({"project-export", Path("largest.vrp")});
  ASSERT_EQ(exported.status, kCliOk) << exported.err;
  writeAll(Path("largest.json"), Bytes(exported.out.begin(), exported.out.end()));
  const CliResult imported = Cli({"project-import", Path("largest.json"), Path("imported.vrp")});
  ASSERT_EQ(imported.status, kCliOk) << imported.err;
  EXPECT_TRUE(readAll(Path("imported.vrp")) == readAll(Path("largest.vrp")));
  Project* fromJson = virelo_LoadProject(Path("imported.vrp").c_str(), "rb");
  ASSERT_NE(fromJson, nullptr);
  ASSERT_NO_FATAL_FAILURE(ExpectLargestExtras(*fromJson));
  virelo_FreeProject(fromJson);

  // The five contaminants of the chain and its end product at the receptor.
  const CliResult receptor = Cli({"chain", Path("largest.vrp"), "--receptor", "--csv"});
  ASSERT_EQ(receptor.status, kCliOk) << receptor.err;
  const CsvTable table = ParseCsv(receptor.out);
  ASSERT_TRUE(table.ok);
  ASSERT_EQ(table.records.size(), 7u) << receptor.out;
  for (size_t k = 1; k < 6; ++k) {
    ASSERT_EQ(table.records[k].fields.size(), 7u);
    EXPECT_EQ(table.records[k].fields[0], RecordTextToUtf8(kNames[k - 1]));
    EXPECT_NE(table.records[k].fields[3], "") << k;
  }
  ASSERT_EQ(table.records[6].fields.size(), 7u);
  EXPECT_EQ(table.records[6].fields[0], kChainEndProduct);
  EXPECT_EQ(table.records[6].fields[3], "");
}

// One step beyond each limit is refused, in the settings block's payload
// and in the JSON form alike, with the place named.
TEST_F(LargestValues, OneStepBeyondIsRefusedWhereItStands) {
  const std::string names = "[\"A\",\"B\",\"C\",\"D\",\"E\",\"F\",\"Ethene\"]";
  const std::string tooLongUnit = kLongestUnit + "x";
  // As JSON strings, the line end escaped.
  const std::string longest = ExtrasJson(LongestSource()).dump();
  const std::string longer = ExtrasJson(LongestSource() + "x").dump();
  const struct {
    std::string payload;
    const char* where;
  } refused[] = {
      {"{\"chains\":[{\"species\":" + names + ",\"yields\":[1,1,1,1,1,1]}]}",
       "/chains/0/species: more than 6"},
      {"{\"concentrationUnit\":\"" + tooLongUnit + "\"}", "/concentrationUnit: longer than 24 characters"},
      {R"({"contaminants":{"B":{"lambdaSource":)" + longer + "}}}",
       "/contaminants/B/lambdaSource: longer than 2000 characters"},
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":1,"low":0.5,"high":2,"level":94}}}})",
       "/contaminants/B/lambdaInterval/level: expected 80, 90 or 95"},
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":1,"low":0.5,"high":2,"level":96}}}})",
       "/contaminants/B/lambdaInterval/level"},
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":1,"low":0.5,"high":2,"level":100}}}})",
       "/contaminants/B/lambdaInterval/level"},
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":1,"low":0.5,"high":2,"level":90.5}}}})",
       "/contaminants/B/lambdaInterval/level"},
      // Lambda outside its own interval, on either side.
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":2.5,"low":0.5,"high":2,"level":90}}}})",
       "/contaminants/B/lambdaInterval: expected low <= lambda <= high"},
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":0.4,"low":0.5,"high":2,"level":90}}}})",
       "/contaminants/B/lambdaInterval: expected low <= lambda <= high"},
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":1,"low":0,"high":2,"level":90}}}})",
       "/contaminants/B/lambdaInterval/low: expected a positive number"},
      // Unknown keys inside a contaminant's object and inside its interval.
      {R"({"contaminants":{"B":{"lambdaSorce":"x"}}})", "/contaminants/B/lambdaSorce: unknown field"},
      {R"({"contaminants":{"B":{"lambdaInterval":{"lambda":1,"low":0.5,"high":2,"level":90,"n":5}}}})",
       "/contaminants/B/lambdaInterval/n: unknown field"},
      {R"({"ranges":{"plumeLength":0,"attenuationFactor":4}})", "/ranges/attenuationFactor"},
  };
  for (const auto& c : refused) {
    Project* project = virelo_AllocateProject();
    std::string reason;
    EXPECT_FALSE(ExtrasFromPayload(c.payload, project, &reason)) << c.where;
    EXPECT_EQ(reason.rfind(c.where, 0), 0u) << reason;
    virelo_FreeProject(project);
  }
  // The same limits accepted at their edge.
  const std::string accepted[] = {
      "{\"chains\":[{\"species\":[\"A\",\"B\",\"C\",\"D\",\"E\",\"Ethene\"],\"yields\":[1,1,1,1,1]}]}",
      "{\"concentrationUnit\":\"" + kLongestUnit + "\"}",
      R"({"contaminants":{"B":{"lambdaSource":)" + longest + "}}}",
      R"({"contaminants":{"B":{"lambdaInterval":{"lambda":2,"low":0.5,"high":2,"level":95}}}})",
      R"({"contaminants":{"B":{"lambdaInterval":{"lambda":0.5,"low":0.5,"high":2,"level":80}}}})",
      R"({"ranges":{"plumeLength":3,"attenuationFactor":3}})",
  };
  for (const std::string& payload : accepted) {
    Project* project = virelo_AllocateProject();
    std::string reason;
    EXPECT_TRUE(ExtrasFromPayload(payload, project, &reason)) << payload.substr(0, 120) << "\n" << reason;
    virelo_FreeProject(project);
  }

  // Through project-import: the unit one character too long, the interval
  // at a level the fits do not offer; nothing is written.
  Project* p = LargestProject();
  ASSERT_EQ(virelo_SaveProject(p, Path("largest.vrp").c_str()), 1);
  virelo_FreeProject(p);
  const std::string json = Cli({"project-export", Path("largest.vrp")}).out;
  const struct {
    std::string from, to;
    const char* message;
  } edits[] = {
      {"\"concentrationUnit\": \"" + kLongestUnit + "\"", "\"concentrationUnit\": \"" + tooLongUnit + "\"",
       "/concentrationUnit: longer than 24 characters"},
      {"\"level\": 95", "\"level\": 99", "/contaminants/1/lambdaInterval/level: expected 80, 90 or 95"},
      {"\"Ethene\"", "\"Benzol\"", ""},  // six contaminants: a file may hold it, the calculation refuses
  };
  for (const auto& e : edits) {
    std::string text = json;
    const size_t at = text.find(e.from);
    ASSERT_NE(at, std::string::npos) << e.from;
    text.replace(at, e.from.size(), e.to);
    writeAll(Path("edited.json"), Bytes(text.begin(), text.end()));
    fs::remove(Path("edited.vrp"));
    const CliResult run = Cli({"project-import", Path("edited.json"), Path("edited.vrp")});
    if (*e.message == '\0') {
      ASSERT_EQ(run.status, kCliOk) << run.err;
      const CliResult chain = Cli({"chain", Path("edited.vrp"), "--receptor"});
      EXPECT_EQ(chain.status, kCliFailed);
      EXPECT_NE(chain.err.find("A decay chain takes 2 to 5 contaminants; this one has 6."), std::string::npos)
          << chain.err;
      continue;
    }
    EXPECT_EQ(run.status, kCliFailed) << e.to;
    EXPECT_NE(run.err.find(e.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Path("edited.vrp")));
  }
}

}  // namespace
