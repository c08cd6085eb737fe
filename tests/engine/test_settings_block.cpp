// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The settings block behind the last record of a project file: written only
// when needed, never touching the bytes before it, and when damaged costing
// the settings but never the project.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "persistence/crc32.h"
#include "persistence/filekind.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/file_bytes.h"
#include "tests/engine/support/project_files.h"

namespace fs = std::filesystem;

namespace {

Project* SampleProject() {
  Project* p = virelo_AllocateProject();
  CopyBounded(p->title, "Tank farm", sizeof p->title);
  p->aquifer.distanceX = 120;
  p->contaminants = virelo_AllocateContaminants(3);
  p->contaminantCount = 3;
  const char* names[] = {"Benzene", "\xC4thylbenzol", "MTBE"};  // Latin-1 A umlaut
  for (int k = 0; k < 3; ++k) {
    CopyBounded(p->contaminants[k].name, names[k], kNameCapacity);
    p->contaminants[k].c0 = 10.0 * (k + 1);
    p->contaminants[k].assess = kAssessAttenuationFactor;
  }
  return p;
}

void ChooseSettings(Project* p) {
  ProjectSettings& s = virelo_Extras(p).settings;
  s.concentrationUnit = "mg/m\xC2\xB3";  // mg/m³
  s.verdictBasis = VerdictBasis::Worse;
  s.plumeRange = 2;
  s.afRange = 3;
  SetLambdaSource(&s, "\xC4thylbenzol", "Field study 2019,\nwell B7");
}

uint32_t U32At(const Bytes& b, size_t at) {
  return static_cast<uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                               (static_cast<uint32_t>(b[at + 3]) << 24));
}

void PutU32At(Bytes* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*b)[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A block around `payload` as the program would write it.
Bytes BlockWith(const std::string& payload, uint16_t version = 1) {
  Bytes block = {0x89,
                 'V',
                 'S',
                 'E',
                 'T',
                 0x0D,
                 0x0A,
                 0x1A,
                 static_cast<unsigned char>(version),
                 static_cast<unsigned char>(version >> 8),
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0};
  PutU32At(&block, 10, static_cast<uint32_t>(payload.size()));
  PutU32At(&block, 14, Crc32(payload.data(), payload.size()));
  block.insert(block.end(), payload.begin(), payload.end());
  return block;
}

class SettingsBlockTest : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    RemoveReportCallbacks();
  }

  Bytes Saved(Project* p, const std::string& name) {
    EXPECT_EQ(virelo_SaveProject(p, Path(name).c_str()), 1);
    return readAll(Path(name));
  }
  // Loads `bytes`; returns what the engine reported.
  std::string Load(const Bytes& bytes, Project** loaded) {
    writeAll(Path("in.vrp"), bytes);
    testing::internal::CaptureStdout();
    *loaded = virelo_LoadProject(Path("in.vrp").c_str(), "rb");
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
  }
};

TEST_F(SettingsBlockTest, BlockOnlyWhenNeededAndBehindTheUnchangedProject) {
  // The published check value of CRC-32 (the "123456789" test vector).
  EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);

  Project* p = SampleProject();
  const Bytes plain = Saved(p, "plain.vrp");
  ASSERT_EQ(plain.size(), 1879u + 3u * 216u);

  // Settings at their defaults, and a source for a substance no longer in the
  // list, leave the file as it always was.
  virelo_Extras(p).settings.concentrationUnit = kDefaultConcentrationUnit;
  SetLambdaSource(&virelo_Extras(p).settings, "Toluene", "removed long ago");
  EXPECT_TRUE(Saved(p, "defaults.vrp") == plain);

  ChooseSettings(p);
  const Bytes withBlock = Saved(p, "block.vrp");
  ASSERT_GT(withBlock.size(), plain.size() + 18);
  EXPECT_TRUE(Bytes(withBlock.begin(), withBlock.begin() + plain.size()) == plain);
  const size_t at = plain.size();
  EXPECT_EQ(withBlock[at], 0x89);
  EXPECT_EQ(withBlock[at + 8] | (withBlock[at + 9] << 8), 1);
  EXPECT_EQ(U32At(withBlock, at + 10), withBlock.size() - at - 18);
  EXPECT_EQ(U32At(withBlock, at + 14), Crc32(withBlock.data() + at + 18, withBlock.size() - at - 18));
  EXPECT_EQ(virelo_FileKind(Path("block.vrp").c_str()), VireloFileKind::Project);
  virelo_FreeProject(p);

  Project* loaded = nullptr;
  EXPECT_EQ(Load(withBlock, &loaded), "");
  ASSERT_NE(loaded, nullptr);
  const ProjectExtras& extras = virelo_ExtrasOf(*loaded);
  EXPECT_FALSE(extras.settingsUnreadable);
  EXPECT_EQ(extras.settings.concentrationUnit, "mg/m\xC2\xB3");
  EXPECT_EQ(extras.settings.verdictBasis, VerdictBasis::Worse);
  EXPECT_EQ(extras.settings.plumeRange, 2);
  EXPECT_EQ(extras.settings.afRange, 3);
  EXPECT_EQ(LambdaSourceOf(extras.settings, "\xC4thylbenzol"), "Field study 2019,\nwell B7");
  EXPECT_EQ(LambdaSourceOf(extras.settings, "Toluene"), "");
  EXPECT_EQ(LambdaSourceOf(extras.settings, "Benzene"), "");
  // Saved again unchanged, the file is the same.
  EXPECT_TRUE(Saved(loaded, "again.vrp") == withBlock);
  virelo_FreeProject(loaded);

  // Each setting on its own is enough to be saved, and comes back.
  const std::vector<void (*)(ProjectSettings*)> alone = {
      [](ProjectSettings* s) { s->concentrationUnit = "ng/L"; },
      [](ProjectSettings* s) { s->verdictBasis = VerdictBasis::Exact; },
      [](ProjectSettings* s) { s->plumeRange = 1; },
      [](ProjectSettings* s) { s->afRange = 2; },
      [](ProjectSettings* s) { SetLambdaSource(s, "MTBE", "x"); },
      [](ProjectSettings* s) { s->saturatedThickness = 3.5; },
  };
  for (size_t k = 0; k < alone.size(); ++k) {
    Project* one = SampleProject();
    alone[k](&virelo_Extras(one).settings);
    const ProjectSettings chosen = virelo_SettingsOf(*one);
    const Bytes bytes = Saved(one, "one.vrp");
    virelo_FreeProject(one);
    EXPECT_GT(bytes.size(), plain.size()) << k;
    ASSERT_EQ(Load(bytes, &one), "") << k;
    const ProjectSettings& back = virelo_SettingsOf(*one);
    EXPECT_EQ(back.concentrationUnit, chosen.concentrationUnit) << k;
    EXPECT_EQ(back.verdictBasis, chosen.verdictBasis) << k;
    EXPECT_EQ(back.plumeRange, chosen.plumeRange) << k;
    EXPECT_EQ(back.afRange, chosen.afRange) << k;
    EXPECT_EQ(back.lambdaSources, chosen.lambdaSources) << k;
    EXPECT_EQ(back.saturatedThickness, chosen.saturatedThickness) << k;
    virelo_FreeProject(one);
  }
}

TEST_F(SettingsBlockTest, DamagedBlockCostsTheSettingsNotTheProject) {
  Project* p = SampleProject();
  const Bytes plain = Saved(p, "plain.vrp");
  ChooseSettings(p);
  const Bytes good = Saved(p, "block.vrp");
  virelo_FreeProject(p);
  const size_t at = plain.size();

  auto flipped = [&](size_t offset) {
    Bytes b = good;
    b[offset] ^= 0x10;
    return b;
  };
  auto cut = [&](size_t size) { return Bytes(good.begin(), good.begin() + static_cast<long>(size)); };
  auto behindProject = [&](const Bytes& block) {
    Bytes b = plain;
    b.insert(b.end(), block.begin(), block.end());
    return b;
  };
  Bytes longer = good;
  longer.push_back(0);
  struct Case {
    const char* what;
    Bytes bytes;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"flipped payload byte", flipped(good.size() - 20), "its checksum does not match its contents"},
      {"flipped checksum byte", flipped(at + 15), "its checksum does not match its contents"},
      {"flipped length byte", flipped(at + 12), "the file ends inside it"},
      {"cut in the tag", cut(at + 3), "the file ends inside it"},
      {"cut in the header", cut(at + 12), "the file ends inside it"},
      {"cut in the payload", cut(good.size() - 1), "the file ends inside it"},
      {"one byte too many", longer, "1 unexpected bytes follow it"},
      {"later format", behindProject(BlockWith("{}", 2)), "later version of Virelo (settings format 2)"},
      {"format 0", behindProject(BlockWith("{}", 0)), "its format number 0 is unknown"},
      {"not JSON", behindProject(BlockWith("{\"verdictBasis\":")), "not valid JSON"},
      {"bad field", behindProject(BlockWith(R"({"verdictBasis":"best"})")), "/verdictBasis: expected"},
      {"bad range", behindProject(BlockWith(R"({"ranges":{"plumeLength":4}})")), "/ranges/plumeLength"},
      {"unknown field", behindProject(BlockWith(R"({"ranges":{},"colour":1})")), "/colour: unknown field"},
      {"bad source", behindProject(BlockWith(R"({"contaminants":{"MTBE":{"lambdaSource":3}}})")),
       "/contaminants/MTBE/lambdaSource: expected a string"},
  };
  for (const Case& c : cases) {
    Project* loaded = nullptr;
    const std::string reported = Load(c.bytes, &loaded);
    ASSERT_NE(loaded, nullptr) << c.what << "\n" << reported;
    EXPECT_EQ(loaded->contaminantCount, 3) << c.what;
    EXPECT_STREQ(loaded->contaminants[1].name, "\xC4thylbenzol") << c.what;
    EXPECT_EQ(loaded->contaminants[2].c0, 30.0) << c.what;
    EXPECT_NE(reported.find("The settings saved with this project could not be read: "), std::string::npos)
        << c.what << "\n"
        << reported;
    EXPECT_NE(reported.find(c.reason), std::string::npos) << c.what << "\n" << reported;
    EXPECT_NE(reported.find(". The project itself was opened."), std::string::npos) << c.what;
    // Nothing half-read is kept, and the project remembers, so a save asks.
    const ProjectExtras& extras = virelo_ExtrasOf(*loaded);
    EXPECT_TRUE(extras.settingsUnreadable) << c.what;
    EXPECT_EQ(extras.settings.concentrationUnit, kDefaultConcentrationUnit) << c.what;
    EXPECT_EQ(extras.settings.verdictBasis, VerdictBasis::Screening) << c.what;
    EXPECT_EQ(extras.settings.plumeRange, 0) << c.what;
    EXPECT_EQ(LambdaSourceOf(extras.settings, "\xC4thylbenzol"), "") << c.what;
    EXPECT_EQ(virelo_FileKind(Path("in.vrp").c_str()), VireloFileKind::Project) << c.what;
    // Once saved, the file holds what the project now holds.
    EXPECT_TRUE(Saved(loaded, "resaved.vrp") == plain) << c.what;
    EXPECT_FALSE(virelo_ExtrasOf(*loaded).settingsUnreadable) << c.what;
    virelo_FreeProject(loaded);
  }

  // Bytes behind the last record that are no settings block still make the
  // file something else than a project.
  for (const Bytes& tail : {Bytes{'x'}, Bytes{0x89, 'V', 'S', 'E', 'X'}, Bytes(77, 0)}) {
    Project* loaded = nullptr;
    const std::string reported = Load(behindProject(tail), &loaded);
    EXPECT_EQ(loaded, nullptr) << tail.size();
    EXPECT_NE(reported.find("This is not a VIRELO 1.0 Projectfile!"), std::string::npos) << reported;
    EXPECT_EQ(virelo_FileKind(Path("in.vrp").c_str()), VireloFileKind::Damaged) << tail.size();
  }
}

}  // namespace
