// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli show, project-export and project-import: the JSON form holds
// the whole file, and a bad field is refused with its JSON path.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/file_bytes.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

const std::string kSource = VIRELO_SOURCE_DIR;

struct CliResult {
  int status;
  std::string out, err;
};

CliResult Cli(std::vector<std::string> args) {
  args.insert(args.begin(), "virelo-cli");
  std::ostringstream out, err;
  testing::internal::CaptureStdout();  // engine reports
  const int status = RunCli(args, out, err);
  testing::internal::GetCapturedStdout();
  return {status, out.str(), err.str()};
}

std::string Text(const Bytes& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

class ProjectJsonTest : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    RemoveReportCallbacks();
  }

  // Exports `vrp`, imports the JSON again and returns the file written.
  Bytes RoundTrip(const std::string& vrp) {
    const CliResult exported = Cli({"project-export", vrp});
    EXPECT_EQ(exported.status, 0) << exported.err;
    writeAll(Path("site.json"), Bytes(exported.out.begin(), exported.out.end()));
    fs::remove(Path("again.vrp"));
    const CliResult imported = Cli({"project-import", Path("site.json"), Path("again.vrp")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    return readAll(Path("again.vrp"));
  }
};

double FromBits(uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

TEST_F(ProjectJsonTest, ExportThenImportGivesTheSameFileByteForByte) {
  for (const char* example : {"/examples/worked-example.vrp", "/examples/fuel-depot.vrp"}) {
    const Bytes original = readAll(kSource + example);
    ASSERT_GT(original.size(), static_cast<size_t>(kProjectHeaderSize)) << example;
    EXPECT_TRUE(RoundTrip(kSource + example) == original) << example;
  }

  // Values no page would write but a file can hold: the extremes of the
  // finite doubles, full masks, out-of-table codes, the extremes of every
  // integer field, texts that fill their fields with Latin-1. (Infinite and
  // undefined values are refused on import; see below.)
  Project* p = virelo_AllocateProject();
  std::memset(p->title, '\xFC', kTitleCapacity - 1);
  CopyBounded(p->description, "Line one\r\n\"quoted\" \\ and\ttab", sizeof p->description);
  CopyBounded(p->author, "S\xFC\x64 \xA9", sizeof p->author);
  p->approximateDispersivity = -32768;
  const double doubles[] = {-0.0,
                            -DBL_MAX,
                            -std::numeric_limits<double>::denorm_min(),
                            DBL_MIN,
                            FromBits(0x800fffffffffffffu),
                            std::numeric_limits<double>::denorm_min(),
                            DBL_MAX,
                            0.1,
                            1.0 / 3.0};
  p->aquifer.distanceX = doubles[0];
  p->aquifer.conductivityKf = doubles[1];
  p->aquifer.porosityNe = doubles[2];
  p->aquifer.gradientI = doubles[3];
  p->aquifer.dispersivityAx = doubles[4];
  p->aquifer.dispersivityAy = doubles[5];
  p->aquifer.dispersivityAz = doubles[6];
  p->aquifer.sourceWidthSz = doubles[7];
  p->aquifer.sourceThicknessSy = doubles[8];
  p->aquifer.setMask = 0xFFFF;
  p->aquifer.redoxCondition = 9;
  p->contaminants = virelo_AllocateContaminants(2);
  p->contaminantCount = 2;
  Contaminant& c = p->contaminants[0];
  c.group = INT32_MIN;
  std::memset(c.name, 'n', kNameCapacity - 1);
  c.lambdaUser = 12345678.9;
  c.lambdaMethane = 1e-300;
  c.lambdaMask = 0xFFFF;
  c.lambdaSelected = -1;
  c.literatureEntries = 32767;
  c.valueMask = 0x8001;
  c.assess = INT32_MAX;
  p->contaminants[1].c0 = doubles[4];
  p->contaminants[1].literatureEntries = -32768;
  ASSERT_EQ(virelo_SaveProject(p, Path("odd.vrp").c_str()), 1);
  virelo_FreeProject(p);
  const Bytes odd = readAll(Path("odd.vrp"));
  EXPECT_TRUE(RoundTrip(Path("odd.vrp")) == odd);

  // "-" reads the JSON form from standard input, for pipelines.
  const std::string command = std::string(VIRELO_CLI_PATH) + " project-import - '" + Path("piped.vrp") +
                              "' < '" + Path("site.json") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(readAll(Path("piped.vrp")) == odd);
}

TEST_F(ProjectJsonTest, BadFieldIsRefusedWithItsPath) {
  const std::string good = Cli({"project-export", kSource + "/examples/worked-example.vrp"}).out;
  const Json json = Json::parse(good);
  struct Case {
    std::string path;  // where the fault is, as the message must name it
    std::string text;  // the JSON form with the fault
  };
  auto with = [&](const char* pointer, const Json& value) {
    Json changed = json;
    changed[Json::json_pointer(pointer)] = value;
    return Case{pointer, changed.dump(1)};
  };
  auto without = [&](const char* parent, const char* key) {
    Json changed = json;
    changed[Json::json_pointer(parent)].erase(key);
    return Case{std::string(parent) + "/" + key + ": missing", changed.dump()};
  };
  auto replaced = [&](const std::string& from, const std::string& to, const std::string& path) {
    std::string text = good;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return Case{path, text.replace(at, from.size(), to)};
  };
  const std::vector<Case> cases = {
      with("/aquifer/conductivityKf", "fast"),
      with("/aquifer/redoxCondition", 32768),
      with("/contaminants/1/lambdaMask", 65536),
      with("/contaminants/0/valueMask", -1),
      with("/contaminants/2/assess", 1.5),
      with("/contaminants/3/name", std::string(kNameCapacity, 'x')),
      with("/title", std::string(250, 'x') + "\xCE\xB1\xCE\xB1"),  // too long in its single-byte form
      with("/author", std::string("a\0b", 3)),
      with("/format", "VIRELO 2.0"),
      with("/contaminants", Json::array()),
      with("/contaminants/0/c0", "0x12"),
      // No input may be infinite or undefined, however the JSON spells it.
      with("/aquifer/distanceX", "inf"),
      with("/aquifer/sourceThicknessSy", "-inf"),
      with("/contaminants/0/c0", "nan"),
      with("/contaminants/0/lambdaUser", "0x7ff0000000000000"),
      with("/aquifer/kf", 1.0),
      without("/aquifer", "setMask"),
      replaced("\"distanceX\": 100.0", "\"distanceX\": 1e400", "number overflow parsing '1e400'"),
      replaced("\"setMask\"", "\"distanceX\": 1, \"setMask\"", "\"distanceX\" appears twice"),
      replaced("\"aquifer\": {", "\"aquifer\": {,", "line 8"),
  };
  writeAll(Path("old.vrp"), readAll(kSource + "/examples/fuel-depot.vrp"));
  for (const Case& bad : cases) {
    writeAll(Path("bad.json"), Bytes(bad.text.begin(), bad.text.end()));
    const CliResult run = Cli({"project-import", Path("bad.json"), Path("old.vrp")});
    EXPECT_EQ(run.status, 1) << bad.path;
    EXPECT_NE(run.err.find(bad.path), std::string::npos) << bad.path << "\n" << run.err;
    EXPECT_TRUE(readAll(Path("old.vrp")) == readAll(kSource + "/examples/fuel-depot.vrp")) << bad.path;
  }
}

// The file counts contaminants in 16 bits: 32767 are written and read back,
// a 32768th is refused by the import, and a count field of -32768 by the
// loader.
TEST_F(ProjectJsonTest, ContaminantCountOf32767) {
  Json json = Json::parse(Cli({"project-export", kSource + "/examples/worked-example.vrp"}).out);
  json["contaminants"] = Json::array();
  for (int k = 0; k < 32768; ++k) json["contaminants"].push_back(nullptr);  // the count is checked first
  const std::string text = json.dump();
  writeAll(Path("many.json"), Bytes(text.begin(), text.end()));
  const CliResult refused = Cli({"project-import", Path("many.json"), Path("many.vrp")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("/contaminants: more than 32767"), std::string::npos) << refused.err;
  EXPECT_FALSE(fs::exists(Path("many.vrp")));

  Project* p = virelo_AllocateProject();
  p->contaminants = virelo_AllocateContaminants(32767);
  p->contaminantCount = 32767;
  ASSERT_EQ(virelo_SaveProject(p, Path("many.vrp").c_str()), 1);
  virelo_FreeProject(p);
  Bytes file = readAll(Path("many.vrp"));
  ASSERT_EQ(file.size(), static_cast<size_t>(kProjectHeaderSize + 32767 * kContaminantRecordSize));
  p = virelo_LoadProject(Path("many.vrp").c_str(), "rb");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->contaminantCount, 32767);
  virelo_FreeProject(p);

  file[kProjectHeaderSize - 2] = 0x00;  // count 0x8000
  file[kProjectHeaderSize - 1] = 0x80;
  writeAll(Path("many.vrp"), file);
  testing::internal::CaptureStdout();
  p = virelo_LoadProject(Path("many.vrp").c_str(), "rb");
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(p, nullptr);
}

// With "Approximate by x" set, a JSON form whose x moved on without its
// dispersivities is written with the ones x gives, and the user is told.
// A binary file with stale values is assessed with current ones and stays
// unchanged.
TEST_F(ProjectJsonTest, StaleDispersivitiesAreBroughtUpToDate) {
  Json json = Json::parse(Cli({"project-export", kSource + "/examples/worked-example.vrp"}).out);
  json["approximateDispersivity"] = 1;
  json["aquifer"]["distanceX"] = 200.0;  // ax 10, ay 1, az 0.1 stay from x = 100
  const std::string text = json.dump(2);
  writeAll(Path("stale.json"), Bytes(text.begin(), text.end()));
  const CliResult run = Cli({"project-import", Path("stale.json"), Path("site.vrp")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("follow x = 200 m: ax = 20 m (stored: 10 m), ay = 2 m (stored: 1 m), "
                         "az = 0.2 m (stored: 0.1 m); the project is written"),
            std::string::npos)
      << run.err;
  Project* p = virelo_LoadProject(Path("site.vrp").c_str(), "rb");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->aquifer.dispersivityAx, 20.0);
  EXPECT_EQ(p->aquifer.dispersivityAy, 2.0);
  EXPECT_EQ(p->aquifer.dispersivityAz, 0.2);

  // The same values stale in a binary file: assessed as the page would show
  // them, with a note, and the file left alone.
  p->aquifer.dispersivityAx = 5.0;
  ASSERT_EQ(virelo_SaveProject(p, Path("stale.vrp").c_str()), 1);
  virelo_FreeProject(p);
  const Bytes before = readAll(Path("stale.vrp"));
  const CliResult assessed = Cli({"assess", Path("stale.vrp"), "--csv"});
  const CliResult current = Cli({"assess", Path("site.vrp"), "--csv"});
  ASSERT_EQ(assessed.status, 0);
  EXPECT_EQ(assessed.out, current.out);
  EXPECT_NE(assessed.err.find("ax = 20 m (stored: 5 m), ay = 2 m (stored: 2 m), az = 0.2 m (stored: 0.2 m) "
                              "(the file is unchanged)"),
            std::string::npos)
      << assessed.err;
  EXPECT_TRUE(readAll(Path("stale.vrp")) == before);
}

// Another project under the target's name is kept unless --force is given;
// the same project may be written again.
TEST_F(ProjectJsonTest, ImportKeepsADifferentProjectWithoutForce) {
  const std::string json = Cli({"project-export", kSource + "/examples/worked-example.vrp"}).out;
  writeAll(Path("site.json"), Bytes(json.begin(), json.end()));
  const Bytes depot = readAll(kSource + "/examples/fuel-depot.vrp");
  writeAll(Path("depot.vrp"), depot);
  const CliResult refused = Cli({"project-import", Path("site.json"), Path("depot.vrp")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("exists and holds a different project; use --force"), std::string::npos)
      << refused.err;
  EXPECT_TRUE(readAll(Path("depot.vrp")) == depot);

  EXPECT_EQ(Cli({"project-import", Path("site.json"), Path("depot.vrp"), "--force"}).status, 0);
  const Bytes worked = readAll(kSource + "/examples/worked-example.vrp");
  EXPECT_TRUE(readAll(Path("depot.vrp")) == worked);
  const CliResult again = Cli({"project-import", Path("site.json"), Path("depot.vrp")});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_TRUE(readAll(Path("depot.vrp")) == worked);
}

// The settings ride along as top-level keys (and a source per contaminant),
// written only where they differ from the defaults; a bad one is refused
// with its path like any other field.
TEST_F(ProjectJsonTest, SettingsTravelAsTopLevelKeysAndComeBackUnchanged) {
  const Json plain = Json::parse(Cli({"project-export", kSource + "/examples/fuel-depot.vrp"}).out);
  Json withSettings;
  for (const auto& item : plain.items()) {
    withSettings[item.key()] = item.value();
    if (item.key() == "approximateDispersivity") {
      withSettings["concentrationUnit"] = "mg/L";
      withSettings["ranges"] = {{"plumeLength", 0}, {"attenuationFactor", 2}};
      withSettings["verdictBasis"] = "exact";
    }
  }
  withSettings["contaminants"][1]["lambdaSource"] = "Site study 2021, \u00a7 4.2\nsecond line";
  withSettings["contaminants"][1]["lambdaInterval"] = {
      {"lambda", 0.003}, {"low", 0.00125}, {"high", 0.0625}, {"level", 90}};
  const std::string text = withSettings.dump(2) + "\n";
  writeAll(Path("set.json"), Bytes(text.begin(), text.end()));
  ASSERT_EQ(Cli({"project-import", Path("set.json"), Path("set.vrp")}).status, 0);
  const CliResult exported = Cli({"project-export", Path("set.vrp")});
  EXPECT_EQ(exported.out, text);
  EXPECT_TRUE(RoundTrip(Path("set.vrp")) == readAll(Path("set.vrp")));
  // The project part is the file without settings.
  const Bytes original = readAll(kSource + "/examples/fuel-depot.vrp");
  const Bytes withBlock = readAll(Path("set.vrp"));
  ASSERT_GT(withBlock.size(), original.size());
  EXPECT_TRUE(Bytes(withBlock.begin(), withBlock.begin() + static_cast<long>(original.size())) == original);

  // Default values given explicitly mean the same as none.
  Json explicitDefaults = plain;
  explicitDefaults["verdictBasis"] = "screening";
  explicitDefaults["ranges"] = {{"plumeLength", 0}};
  explicitDefaults["concentrationUnit"] = "\u00b5g/L";
  explicitDefaults["contaminants"][0]["lambdaSource"] = "";
  const std::string defaults = explicitDefaults.dump();
  writeAll(Path("defaults.json"), Bytes(defaults.begin(), defaults.end()));
  ASSERT_EQ(Cli({"project-import", Path("defaults.json"), Path("defaults.vrp")}).status, 0);
  EXPECT_TRUE(readAll(Path("defaults.vrp")) == original);

  auto refused = [&](const char* pointer, const Json& value, const std::string& message) {
    Json changed = withSettings;
    changed[Json::json_pointer(pointer)] = value;
    const std::string bad = changed.dump();
    writeAll(Path("bad.json"), Bytes(bad.begin(), bad.end()));
    const CliResult run = Cli({"project-import", Path("bad.json"), Path("bad.vrp")});
    EXPECT_EQ(run.status, 1) << pointer;
    EXPECT_NE(run.err.find(message), std::string::npos) << pointer << "\n" << run.err;
    EXPECT_FALSE(fs::exists(Path("bad.vrp"))) << pointer;
  };
  refused("/ranges/plumeLength", 4, "/ranges/plumeLength: expected a whole number from 0 to 3");
  refused("/ranges/attenuationFactor", -1, "/ranges/attenuationFactor: expected a whole number");
  refused("/ranges/attenuationFactor", 1.0, "/ranges/attenuationFactor: expected a whole number");
  refused("/ranges/colour", 1, "/ranges/colour: unknown field");
  refused("/verdictBasis", "Exact", "/verdictBasis: expected \"screening\", \"exact\" or \"worse\"");
  refused("/concentrationUnit", std::string(25, 'g'), "/concentrationUnit: longer than 24 characters");
  refused("/concentrationUnit", "mg\tL", "/concentrationUnit: holds a control character");
  refused("/contaminants/2/lambdaSource", 1, "/contaminants/2/lambdaSource: expected a string");
  refused("/contaminants/2/lambdaSorce", "x", "/contaminants/2/lambdaSorce: unknown field");
  refused("/contaminants/1/lambdaInterval/level", 85,
          "/contaminants/1/lambdaInterval/level: expected 80, 90 or 95");
  refused("/contaminants/1/lambdaInterval/low", 0.01,
          "/contaminants/1/lambdaInterval: expected low <= lambda");
  refused("/contaminants/1/lambdaInterval/high", "0.1",
          "/contaminants/1/lambdaInterval/high: expected a positive");
  // Two contaminants of one name cannot keep two different sources.
  Json twins = withSettings;
  twins["contaminants"][2]["name"] = twins["contaminants"][1]["name"];
  twins["contaminants"][2]["lambdaSource"] = "another study";
  const std::string twinsText = twins.dump();
  writeAll(Path("bad.json"), Bytes(twinsText.begin(), twinsText.end()));
  const CliResult twinRun = Cli({"project-import", Path("bad.json"), Path("bad.vrp")});
  EXPECT_NE(twinRun.err.find("/contaminants/2/lambdaSource: differs"), std::string::npos) << twinRun.err;
}

TEST_F(ProjectJsonTest, ImportKeepsFilesThatAreNotProjects) {
  const std::string json = Cli({"project-export", kSource + "/examples/worked-example.vrp"}).out;
  writeAll(Path("site.json"), Bytes(json.begin(), json.end()));
  writeAll(Path("table.csv"), Bytes{'a', ',', 'b', '\n'});
  EXPECT_EQ(Cli({"project-import", Path("site.json"), Path("site.json")}).status, 1);
  EXPECT_EQ(Text(readAll(Path("site.json"))), json);
  const CliResult refused = Cli({"project-import", Path("site.json"), Path("table.csv")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("not a project file"), std::string::npos) << refused.err;
  EXPECT_EQ(Text(readAll(Path("table.csv"))), "a,b\n");
  EXPECT_EQ(Cli({"project-import", Path("site.json"), Path("table.csv"), "--force"}).status, 0);
  EXPECT_TRUE(readAll(Path("table.csv")) == readAll(kSource + "/examples/worked-example.vrp"));
}

TEST_F(ProjectJsonTest, ShowListsEveryInputWithItsUnitAndOrigin) {
  const std::string site = kSource + "/examples/fuel-depot.vrp";
  const CliResult text = Cli({"show", site});
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* line :
       {"  Kf  hydraulic conductivity          5 m/d\n", "  ne  effective porosity              0.2\n",
        "      redox condition                 ANAEROBIC-SO4 (sulfate-reducing)\n",
        "      dispersivities                  approximated from x",
        "  ay  dispersivity across, horizontal 2.5 m\n",
        "  Sz  thickness below water table     4 m\n  Sy  half the width across the flow  10 m\n"
        "  W   source width across the flow    20 m (2 Sy)\n",
        "Contaminants with project inputs: 6 of ",
        "    C0         700\n    CA         15\n    lambda     0.0005 1/d, user-defined\n",
        "    lambda     0.008 1/d, preset for ANAEROBIC-SO4\n",
        "  Vinyl chloride (Chlorinated Aliphatics)\n    assessed   plume length\n"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;
  }

  const CliResult json = Cli({"show", site, "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const Json shown = Json::parse(json.out);
  EXPECT_EQ(shown["aquifer"]["Kf"], Json({{"value", 5.0}, {"unit", "m/d"}}));
  EXPECT_EQ(shown["aquifer"]["redoxCondition"]["words"], "sulfate-reducing");
  EXPECT_EQ(shown["aquifer"]["dispersivitiesApproximated"], true);
  ASSERT_EQ(shown["contaminants"].size(), 6u);
  EXPECT_EQ(
      shown["contaminants"][0]["decayConstant"],
      Json({{"value", 0.008}, {"unit", "1/d"}, {"origin", "preset"}, {"redoxCondition", "ANAEROBIC-SO4"}}));
  EXPECT_EQ(shown["contaminants"][4]["decayConstant"]["value"], nullptr);  // vinyl chloride: no preset
}

}  // namespace
