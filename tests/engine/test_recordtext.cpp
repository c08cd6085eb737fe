// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The records' single-byte texts: Windows-1252 both ways, the closest form
// of what it cannot hold, and the full forms kept beside the project file's
// fields through save, load, JSON and the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "engine/project/recordtext.h"
#include "persistence/extras_json.h"
#include "persistence/project_json.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/file_bytes.h"

namespace fs = std::filesystem;

namespace {

// "Mill Lane – Phase 2" with the en dash as UTF-8 and as Windows-1252.
const std::string kEnDashUtf8 = "Mill Lane \xE2\x80\x93 Phase 2";
const std::string kEnDashRecord = "Mill Lane \x96 Phase 2";
// "Site α ≤ 5 µg/l" (Greek alpha, less-or-equal, micro sign).
const std::string kAlphaUtf8 = "Site \xCE\xB1 \xE2\x89\xA4 5 \xC2\xB5g/l";

Project* SmallProject(const char* title) {
  Project* p = virelo_AllocateProject();
  CopyBounded(p->title, title, sizeof p->title);
  p->aquifer.distanceX = 100;
  p->contaminants = virelo_AllocateContaminants(2);
  p->contaminantCount = 2;
  CopyBounded(p->contaminants[0].name, "Benzene", kNameCapacity);
  CopyBounded(p->contaminants[1].name, "MTBE", kNameCapacity);
  for (int k = 0; k < 2; ++k) p->contaminants[k].assess = kAssessAttenuationFactor;
  return p;
}

bool Contains(const Bytes& bytes, const std::string& text) {
  const Bytes wanted(text.begin(), text.end());
  return std::search(bytes.begin(), bytes.end(), wanted.begin(), wanted.end()) != bytes.end();
}

std::string TempPath(const std::string& name) {
  return (fs::temp_directory_path() / ("virelo-recordtext-" + std::to_string(getpid()) + "-" + name))
      .string();
}

}  // namespace

TEST(RecordText, EveryByteIsACharacterOfWindows1252) {
  std::string all;
  for (int ch = 1; ch < 256; ++ch) all.push_back(static_cast<char>(ch));
  std::string back;
  ASSERT_TRUE(Utf8ToRecordText(RecordTextToUtf8(all), &back));
  EXPECT_EQ(back, all);

  EXPECT_EQ(RecordTextToUtf8("\x96"), "\xE2\x80\x93");                    // en dash
  EXPECT_EQ(RecordTextToUtf8("\x80"), "\xE2\x82\xAC");                    // euro sign
  EXPECT_EQ(RecordTextToUtf8("\x93x\x94"), "\xE2\x80\x9Cx\xE2\x80\x9D");  // curly quotes
  EXPECT_EQ(RecordTextToUtf8("\x8A\x9F"), "\xC5\xA0\xC5\xB8");            // S caron, Y diaeresis
  EXPECT_EQ(RecordTextToUtf8("\x81"), "\xC2\x81");                        // unassigned: kept as its control
  EXPECT_EQ(RecordTextToUtf8("\xC4thylbenzol"), "\xC3\x84thylbenzol");    // the Latin-1 letters are unchanged

  EXPECT_TRUE(Utf8ToRecordText("\xE2\x82\xAC 5", &back));
  EXPECT_EQ(back, "\x80 5");
  EXPECT_FALSE(Utf8ToRecordText("\xC2\x80", &back));      // the control 0x80 is the euro sign's byte
  EXPECT_FALSE(Utf8ToRecordText("\xCE\xB1", &back));      // alpha
  EXPECT_FALSE(Utf8ToRecordText("\xC4thyl", &back));      // single bytes are not UTF-8
  EXPECT_FALSE(Utf8ToRecordText("\xC1\x81", &back));      // overlong "A"
  EXPECT_FALSE(Utf8ToRecordText("\xED\xA0\x80", &back));  // a surrogate
  EXPECT_FALSE(Utf8ToRecordText("end\xE2\x80", &back));   // cut sequence
  EXPECT_EQ(back, "\x80 5");                              // unchanged after a refusal
}

TEST(RecordText, ClosestFormSaysWhatItReplaced) {
  std::vector<RecordTextReplacement> replaced;
  EXPECT_EQ(
      ClosestRecordText("\xCE\xB1-HCH, \xCE\xB1 \xE2\x89\xA4 CO\xE2\x82\x82 \xE2\x80\x93 \xC5\x81\xC3\xB3"
                        "d\xC5\xBA",
                        &replaced),
      "alpha-HCH, alpha <= CO2 \x96 L\xF3"
      "dz");
  ASSERT_EQ(replaced.size(), 5u);  // alpha once, though it appears twice; the en dash is held
  EXPECT_EQ(replaced[0].character, "\xCE\xB1");
  EXPECT_EQ(replaced[0].stored, "alpha");
  EXPECT_EQ(DescribeReplacements({replaced[1]}), "\"\xE2\x89\xA4\" as \"<=\"");

  replaced.clear();
  // Greek mu is the micro sign of a unit; a minus sign is a hyphen.
  EXPECT_EQ(ClosestRecordText("5 \xCE\xBCg/l \xE2\x88\x92"
                              "1",
                              &replaced),
            "5 \xB5g/l -1");
  EXPECT_EQ(replaced.size(), 2u);
  replaced.clear();
  // No plain spelling: '?', and a byte that is no UTF-8 too - but both said.
  EXPECT_EQ(ClosestRecordText("well \xF0\x9F\x92\xA7 \xFF", &replaced), "well ? ?");
  ASSERT_EQ(replaced.size(), 2u);
  EXPECT_EQ(replaced[0].stored, "?");
  replaced.clear();
  EXPECT_EQ(ClosestRecordText(kEnDashUtf8, &replaced), kEnDashRecord);
  EXPECT_TRUE(replaced.empty());

  // Cut in whole characters, by the size of the closest form.
  EXPECT_EQ(FittingStart("ab\xCE\xB1"
                         "c",
                         3),
            "ab");
  EXPECT_EQ(FittingStart("ab\xCE\xB1"
                         "c",
                         7),
            "ab\xCE\xB1");
  EXPECT_EQ(FittingStart("\xE2\x80\x93\xE2\x80\x93", 1), "\xE2\x80\x93");
}

TEST(FullTexts, FittingTextsLeaveNoTraceBeyondTheRecord) {
  Project* p = SmallProject("");
  EXPECT_TRUE(SetProjectTextUtf8(p, ProjectTextField::kTitle, kEnDashUtf8).empty());
  EXPECT_EQ(std::string(p->title), kEnDashRecord);
  EXPECT_EQ(p->extras, nullptr);  // stays calloc-able: no settings block will be written
  EXPECT_EQ(ProjectTextUtf8(*p, ProjectTextField::kTitle), kEnDashUtf8);
  EXPECT_TRUE(SetContaminantNameUtf8(p, 1,
                                     "M\xC3\xA4"
                                     "thylether")
                  .empty());
  EXPECT_EQ(p->extras, nullptr);
  virelo_FreeProject(p);
}

TEST(FullTexts, AFullFormCountsOnlyWhileTheRecordHoldsItsClosestForm) {
  Project* p = SmallProject("");
  const auto replaced = SetProjectTextUtf8(p, ProjectTextField::kAuthor, "J. \xC5\x81ukasz");
  ASSERT_EQ(replaced.size(), 1u);
  EXPECT_EQ(std::string(p->author), "J. Lukasz");
  EXPECT_EQ(ProjectTextUtf8(*p, ProjectTextField::kAuthor), "J. \xC5\x81ukasz");
  EXPECT_EQ(ProjectTextUtf8(*p, ProjectTextField::kTitle), "");
  // Some other code changes the record: its own text is shown, never the old one.
  CopyBounded(p->author, "K. Meyer", sizeof p->author);
  EXPECT_EQ(ProjectTextUtf8(*p, ProjectTextField::kAuthor), "K. Meyer");
  EXPECT_TRUE(ExtrasAreDefault(*p));
  // Setting a fitting text again drops the full form.
  SetProjectTextUtf8(p, ProjectTextField::kAuthor, "J. \xC5\x81ukasz");
  EXPECT_FALSE(ExtrasAreDefault(*p));
  SetProjectTextUtf8(p, ProjectTextField::kAuthor, "J. Lukasz");
  EXPECT_TRUE(virelo_Extras(p).texts.author.empty());
  EXPECT_TRUE(ExtrasAreDefault(*p));

  // Cut to the record's capacity in whole characters of the full form.
  std::string longTitle(kTitleCapacity - 2, 'x');
  longTitle += "\xCE\xB2\xCE\xB2";  // beta: four bytes each in the record
  SetProjectTextUtf8(p, ProjectTextField::kTitle, longTitle);
  EXPECT_EQ(std::string(p->title), std::string(kTitleCapacity - 2, 'x'));
  EXPECT_EQ(ProjectTextUtf8(*p, ProjectTextField::kTitle), std::string(kTitleCapacity - 2, 'x'));
  virelo_FreeProject(p);
}

// The en dash title of a project that needs nothing else is written in the
// file's own field, with no settings block, and shown back in full by every
// reader: load, the JSON form, and the command line's show.
TEST(FullTexts, EnDashTitleRoundTripsWithoutASettingsBlock) {
  Project* p = SmallProject("");
  SetProjectTextUtf8(p, ProjectTextField::kTitle, kEnDashUtf8);
  const std::string path = TempPath("dash.vrp");
  ASSERT_EQ(virelo_SaveProject(p, path.c_str()), 1);
  const Bytes bytes = readAll(path);
  EXPECT_TRUE(Contains(bytes, kEnDashRecord));
  EXPECT_FALSE(Contains(bytes, "VSET"));  // no settings block

  // The same project with a Latin-1 title gives the same file but for the
  // title's own bytes: nothing else changed in the layout.
  Project* plain = SmallProject("Mill Lane - Phase 2");
  const std::string plainPath = TempPath("plain.vrp");
  ASSERT_EQ(virelo_SaveProject(plain, plainPath.c_str()), 1);
  Bytes plainBytes = readAll(plainPath);
  ASSERT_EQ(plainBytes.size(), bytes.size());
  size_t differences = 0;
  for (size_t k = 0; k < bytes.size(); ++k) differences += bytes[k] != plainBytes[k];
  EXPECT_EQ(differences, 1u);

  Project* loaded = virelo_LoadProject(path.c_str(), "rb");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(ProjectTextUtf8(*loaded, ProjectTextField::kTitle), kEnDashUtf8);
  const std::string json = ProjectToJson(*loaded);
  EXPECT_NE(json.find("\"title\": \"" + kEnDashUtf8 + "\""), std::string::npos) << json;

  Project* fromJson = virelo_AllocateProject();
  std::string error;
  ASSERT_TRUE(ProjectFromJson(json, fromJson, &error)) << error;
  EXPECT_EQ(std::string(fromJson->title), kEnDashRecord);
  EXPECT_TRUE(ExtrasAreDefault(*fromJson));

  const CliResult shown = Cli({"show", path});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find(kEnDashUtf8), std::string::npos) << shown.out;

  virelo_FreeProject(fromJson);
  virelo_FreeProject(loaded);
  virelo_FreeProject(plain);
  virelo_FreeProject(p);
  std::remove(path.c_str());
  std::remove(plainPath.c_str());
}

// Files written before held the bytes 0x80-0x9F only where a Windows
// program put its code page's characters there: they read as those.
TEST(FullTexts, OlderFilesBytesAreReadAsWindows1252) {
  Project* p = SmallProject("\x93Tank farm\x94 \x80 2.5m");
  CopyBounded(p->contaminants[0].name,
              "Tri\x96"
              "chlor",
              kNameCapacity);
  const std::string path = TempPath("old.vrp");
  ASSERT_EQ(virelo_SaveProject(p, path.c_str()), 1);
  Project* loaded = virelo_LoadProject(path.c_str(), "rb");
  ASSERT_NE(loaded, nullptr);
  const std::string json = ProjectToJson(*loaded);
  EXPECT_NE(json.find("\xE2\x80\x9CTank farm\xE2\x80\x9D \xE2\x82\xAC 2.5m"), std::string::npos) << json;
  EXPECT_NE(json.find("Tri\xE2\x80\x93"
                      "chlor"),
            std::string::npos);
  virelo_FreeProject(loaded);
  virelo_FreeProject(p);
  std::remove(path.c_str());
}

// A title and a name beyond Windows-1252: the file's fields hold the closest
// forms that older readers show, the settings block the full ones, and
// the JSON form and the command line show the full ones again.
TEST(FullTexts, BeyondWindows1252TheFullFormTravelsInTheSettings) {
  Project* p = SmallProject("");
  SetProjectTextUtf8(p, ProjectTextField::kTitle, kAlphaUtf8);
  SetContaminantNameUtf8(p, 0, "\xCE\xB3-HCH");  // gamma-HCH
  EXPECT_EQ(std::string(p->contaminants[0].name), "gamma-HCH");
  const std::string path = TempPath("alpha.vrp");
  ASSERT_EQ(virelo_SaveProject(p, path.c_str()), 1);
  const Bytes bytes = readAll(path);
  EXPECT_TRUE(Contains(bytes, "Site alpha <= 5 \xB5g/l"));
  EXPECT_TRUE(Contains(bytes, "VSET"));
  EXPECT_TRUE(Contains(bytes, kAlphaUtf8));

  Project* loaded = virelo_LoadProject(path.c_str(), "rb");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(ProjectTextUtf8(*loaded, ProjectTextField::kTitle), kAlphaUtf8);
  EXPECT_EQ(ContaminantNameUtf8(*loaded, 0), "\xCE\xB3-HCH");
  EXPECT_EQ(ContaminantNameUtf8(*loaded, 1), "MTBE");

  // JSON shows the full forms and reads them back into the same file.
  const std::string json = ProjectToJson(*loaded);
  EXPECT_NE(json.find("\"title\": \"" + kAlphaUtf8 + "\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"name\": \"\xCE\xB3-HCH\""), std::string::npos);
  EXPECT_EQ(json.find("\"texts\""), std::string::npos);  // no second copy in the JSON form
  const std::string jsonPath = TempPath("alpha.json");
  const std::string again = TempPath("again.vrp");
  {
    std::ofstream out(jsonPath, std::ios::binary);
    out << json;
  }
  const CliResult imported = Cli({"project-import", jsonPath, again});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(readAll(again), bytes);
  // ... and says what the single-byte fields keep.
  EXPECT_NE(
      imported.err.find("title: the project file's single-byte field keeps \"Site alpha <= 5 \xC2\xB5g/l\""),
      std::string::npos)
      << imported.err;
  EXPECT_NE(imported.err.find("\"\xCE\xB3\" as \"gamma\""), std::string::npos) << imported.err;

  const CliResult shown = Cli({"show", again});
  EXPECT_NE(shown.out.find(kAlphaUtf8), std::string::npos) << shown.out;

  virelo_FreeProject(loaded);
  virelo_FreeProject(p);
  for (const std::string& f : {path, jsonPath, again}) std::remove(f.c_str());
}

TEST(FullTexts, SettingsBlockTextsAreCheckedWhenRead) {
  Project* p = SmallProject("Site alpha");
  std::string reason;
  EXPECT_FALSE(ExtrasFromPayload("{\"texts\":{\"subtitle\":\"x\"}}", p, &reason));
  EXPECT_EQ(reason, "/texts/subtitle: unknown field");
  EXPECT_FALSE(ExtrasFromPayload("{\"texts\":{\"title\":5}}", p, &reason));
  EXPECT_EQ(reason, "/texts/title: expected a string");
  EXPECT_FALSE(ExtrasFromPayload("{\"texts\":{\"names\":{\"\":\"x\"}}}", p, &reason));
  EXPECT_EQ(reason, "/texts/names/: not a contaminant name");
  ASSERT_TRUE(ExtrasFromPayload("{\"texts\":{\"title\":\"Site \xCE\xB1\"}}", p, &reason)) << reason;
  EXPECT_EQ(ProjectTextUtf8(*p, ProjectTextField::kTitle), "Site \xCE\xB1");
  // A full form that does not stand for the record's text is not shown.
  ASSERT_TRUE(ExtrasFromPayload("{\"texts\":{\"title\":\"Other \xCE\xB1\"}}", p, &reason)) << reason;
  EXPECT_EQ(ProjectTextUtf8(*p, ProjectTextField::kTitle), "Site alpha");
  virelo_FreeProject(p);
}
