// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Project file: byte layout, round trip, refusal of damaged files, and saves
// that fail without harming the file already on disk.
#include <dirent.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/project/records.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/file_bytes.h"

namespace {

class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/virelo-projectfile-XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  // Names in the folder, to see that no temporary file stays behind.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  std::string path_;
};

uint16_t u16At(const Bytes& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t u32At(const Bytes& b, size_t at) {
  return static_cast<uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                               (static_cast<uint32_t>(b[at + 3]) << 24));
}
double doubleAt(const Bytes& b, size_t at) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(b[at + i]) << (8 * i);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}
std::string textAt(const Bytes& b, size_t at, size_t size) {
  std::string s(reinterpret_cast<const char*>(b.data() + at), size);
  return s.substr(0, s.find('\0'));
}

std::string errorBlock(const std::string& module, const std::string& message) {
  return "Error in Module " + module + " - UID=0 - ErrNo=0\nMessage:\n" + message + "\n\n";
}

// Every value distinct, so a field read from the wrong place shows.
Contaminant sampleContaminant(int i) {
  Contaminant c{};
  c.group = i % 8;
  std::snprintf(c.name, sizeof c.name, "Contaminant %d", i);
  c.lambdaUnknown = 0.001 * (i + 1);
  c.lambdaAerobic = 0.002 * (i + 1);
  c.lambdaNitrate = 0.003 * (i + 1);
  c.lambdaSulfate = 0.004 * (i + 1);
  c.lambdaIron = 0.005 * (i + 1);
  c.lambdaMethane = 0.006 * (i + 1);
  c.lambdaMixedPlumes = 0.007 * (i + 1);
  c.lambdaUser = 0.5 + i;
  c.lambdaMask = 0xFF;
  c.lambdaSelected = 1;
  c.literaturePlumeLength = 100.25 + i;
  c.literatureEntries = static_cast<int16_t>(7 + i);
  c.ca = 0.01 * (i + 1);
  c.c0 = 10.0 * (i + 1);
  c.valueMask = kValueLiteraturePlumeLength | kValueLiteratureEntries | kValueC0 | kValueCa;
  c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  return c;
}

Project* sampleProject(int contaminants) {
  Project* p = virelo_AllocateProject();
  CopyBounded(p->title, "Former gasworks", sizeof p->title);
  CopyBounded(p->description, "Line one\r\nLine two", sizeof p->description);
  CopyBounded(p->author, "A. Hydro", sizeof p->author);
  CopyBounded(p->organisation, "Groundwater Office", sizeof p->organisation);
  CopyBounded(p->version, kFormatText, sizeof p->version);
  Aquifer& a = p->aquifer;
  a.distanceX = 250;
  a.conductivityKf = 8.64;
  a.porosityNe = 0.25;
  a.gradientI = 0.003;
  a.dispersivityAx = 25;
  a.dispersivityAy = 2.5;
  a.dispersivityAz = 0.25;
  a.sourceWidthSz = 40;
  a.sourceThicknessSy = 5;
  a.setMask = 0x3EF;
  a.redoxCondition = 5;
  p->approximateDispersivity = 1;
  p->contaminants = virelo_AllocateContaminants(contaminants);
  p->contaminantCount = static_cast<int16_t>(contaminants);
  for (int i = 0; i < contaminants; ++i) p->contaminants[i] = sampleContaminant(i);
  return p;
}

void expectSameContaminant(const Contaminant& a, const Contaminant& b) {
  EXPECT_EQ(a.group, b.group);
  EXPECT_STREQ(a.name, b.name);
  EXPECT_EQ(a.lambdaUnknown, b.lambdaUnknown);
  EXPECT_EQ(a.lambdaAerobic, b.lambdaAerobic);
  EXPECT_EQ(a.lambdaNitrate, b.lambdaNitrate);
  EXPECT_EQ(a.lambdaSulfate, b.lambdaSulfate);
  EXPECT_EQ(a.lambdaIron, b.lambdaIron);
  EXPECT_EQ(a.lambdaMethane, b.lambdaMethane);
  EXPECT_EQ(a.lambdaMixedPlumes, b.lambdaMixedPlumes);
  EXPECT_EQ(a.lambdaUser, b.lambdaUser);
  EXPECT_EQ(a.lambdaMask, b.lambdaMask);
  EXPECT_EQ(a.lambdaSelected, b.lambdaSelected);
  EXPECT_EQ(a.literaturePlumeLength, b.literaturePlumeLength);
  EXPECT_EQ(a.literatureEntries, b.literatureEntries);
  EXPECT_EQ(a.ca, b.ca);
  EXPECT_EQ(a.c0, b.c0);
  EXPECT_EQ(a.valueMask, b.valueMask);
  EXPECT_EQ(a.assess, b.assess);
}

// Reports go to standard output, where the tests read them.
class ProjectFileTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveReportCallbacks(); }

  // Loads `bytes` from a file; returns what was printed. `loaded` gets the
  // project (or null), owned by the caller.
  std::string loadBytes(const Bytes& bytes, Project** loaded) {
    const std::string path = dir.file("input.vrp");
    writeAll(path, bytes);
    testing::internal::CaptureStdout();
    *loaded = virelo_LoadProject(path.c_str(), "rb");
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
  }

  Bytes savedBytes(Project* p) {
    const std::string path = dir.file("saved.vrp");
    EXPECT_EQ(virelo_SaveProject(p, path.c_str()), 1);
    return readAll(path);
  }

  TempDir dir;
};

TEST_F(ProjectFileTest, WrittenFileHasTheFixedLayout) {
  Project* p = sampleProject(3);
  p->modified = 1;
  const Bytes b = savedBytes(p);
  ASSERT_EQ(b.size(), 1879u + 3u * 216u);
  EXPECT_EQ(p->modified, 0);
  EXPECT_EQ(p->file, nullptr);

  EXPECT_EQ(std::string(b.begin(), b.begin() + 10), "VIRELO 1.0");
  EXPECT_EQ(textAt(b, 10, 254), "Former gasworks");
  EXPECT_EQ(doubleAt(b, 264), 250.0);
  EXPECT_EQ(doubleAt(b, 264 + 8), 8.64);
  EXPECT_EQ(doubleAt(b, 264 + 64), 5.0);
  EXPECT_EQ(u16At(b, 264 + 72), 0x3EF);
  EXPECT_EQ(u16At(b, 264 + 74), 5);
  EXPECT_EQ(u32At(b, 264 + 76), 0u);
  EXPECT_EQ(textAt(b, 344, 1023), "Line one\r\nLine two");
  EXPECT_EQ(textAt(b, 1367, 254), "A. Hydro");
  EXPECT_EQ(textAt(b, 1621, 254), "Groundwater Office");
  EXPECT_EQ(u16At(b, 1875), 1);
  EXPECT_EQ(u16At(b, 1877), 3);

  const size_t second = 1879 + 216;
  EXPECT_EQ(u32At(b, second), 1u);
  EXPECT_EQ(textAt(b, second + 4, 100), "Contaminant 1");
  EXPECT_EQ(doubleAt(b, second + 104), 0.002);
  EXPECT_EQ(doubleAt(b, second + 152), 0.014);
  EXPECT_EQ(doubleAt(b, second + 160), 1.5);
  EXPECT_EQ(u16At(b, second + 168), 0xFF);
  EXPECT_EQ(u16At(b, second + 170), 1);
  EXPECT_EQ(doubleAt(b, second + 176), 101.25);
  EXPECT_EQ(u16At(b, second + 184), 8);
  EXPECT_EQ(doubleAt(b, second + 192), 0.02);
  EXPECT_EQ(doubleAt(b, second + 200), 20.0);
  EXPECT_EQ(u16At(b, second + 208), 30);
  EXPECT_EQ(u32At(b, second + 212), 3u);
  // Reserved bytes and text padding are zero.
  for (size_t at : {second + 172, second + 186, second + 191, second + 210, second + 211})
    EXPECT_EQ(b[at], 0) << "offset " << at;
  EXPECT_EQ(b[10 + 253], 0);
  virelo_FreeProject(p);
}

TEST_F(ProjectFileTest, RoundTripKeepsEveryField) {
  Project* p = sampleProject(4);
  // Texts that fill their fields come back whole: the file keeps every
  // character and the record's last byte terminates them.
  std::memset(p->title, 'T', 254);
  p->title[254] = '\0';
  std::memset(p->description, 'D', 1023);
  p->description[1023] = '\0';
  std::memset(p->author, '\xE9', 254);  // Latin-1 'é'
  p->author[254] = '\0';
  p->contaminants[2].name[0] = '\xFC';
  const std::string path = dir.file("round.vrp");
  ASSERT_EQ(virelo_SaveProject(p, path.c_str()), 1);
  EXPECT_STREQ(p->path, path.c_str());

  Project* q = virelo_LoadProject(path.c_str(), "rb");
  ASSERT_NE(q, nullptr);
  EXPECT_STREQ(q->title, p->title);
  EXPECT_EQ(std::strlen(q->title), 254u);
  EXPECT_STREQ(q->description, p->description);
  EXPECT_STREQ(q->author, p->author);
  EXPECT_STREQ(q->organisation, p->organisation);
  EXPECT_STREQ(q->version, "VIRELO 1.0");
  EXPECT_STREQ(q->path, path.c_str());
  EXPECT_EQ(q->file, nullptr);
  EXPECT_EQ(q->modified, 1);  // the shell clears it after a successful open
  EXPECT_EQ(q->approximateDispersivity, 1);
  EXPECT_EQ(std::memcmp(&q->aquifer.distanceX, &p->aquifer.distanceX, 9 * sizeof(double)), 0);
  EXPECT_EQ(q->aquifer.setMask, p->aquifer.setMask);
  EXPECT_EQ(q->aquifer.redoxCondition, p->aquifer.redoxCondition);
  EXPECT_EQ(q->results, nullptr);
  ASSERT_EQ(q->contaminantCount, 4);
  for (int i = 0; i < 4; ++i) expectSameContaminant(q->contaminants[i], p->contaminants[i]);
  virelo_FreeProject(p);
  virelo_FreeProject(q);
}

TEST_F(ProjectFileTest, EveryTruncationIsRefusedWithTheFailingField) {
  Project* p = sampleProject(2);
  const Bytes whole = savedBytes(p);
  virelo_FreeProject(p);
  ASSERT_EQ(whole.size(), 1879u + 2u * 216u);

  // Cut one file shorter step by step (rewriting it for every length would
  // make the file system flush each time).
  const std::string path = dir.file("cut.vrp");
  writeAll(path, whole);
  for (size_t length = whole.size(); length-- > 0;) {
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(length)), 0);
    std::string expected;
    if (length < 264)
      expected = errorBlock("virelo_LoadProject", "This is not a VIRELO 1.0 Projectfile!");
    else if (length < 344)
      expected = errorBlock("virelo_LoadAquifer", "Error reading Aquifer-data!");
    else if (length < 1877)
      expected = errorBlock("virelo_LoadProject", "Error reading project!");
    else if (length < 1879)
      expected = errorBlock("virelo_LoadContaminants", "Error reading number of contaminants!");
    else
      expected = errorBlock("virelo_LoadContaminants", "Error reading contaminants from file!");
    testing::internal::CaptureStdout();
    Project* loaded = virelo_LoadProject(path.c_str(), "rb");
    fflush(stdout);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(loaded, nullptr) << "length " << length;
    ASSERT_EQ(out, expected) << "length " << length;
    virelo_FreeProject(loaded);
  }
}

TEST_F(ProjectFileTest, WrongFormatTextIsRefused) {
  Project* p = sampleProject(1);
  const Bytes whole = savedBytes(p);
  virelo_FreeProject(p);
  for (const char* header : {"VIRELO 1.1", "virelo 1.0", "VIRELO 1.0"}) {
    Bytes b = whole;
    std::memcpy(b.data(), header, 10);
    Project* loaded = nullptr;
    const std::string out = loadBytes(b, &loaded);
    if (std::strcmp(header, kFormatText) == 0) {
      EXPECT_NE(loaded, nullptr);
      EXPECT_EQ(out, "");
    } else {
      EXPECT_EQ(loaded, nullptr);
      EXPECT_EQ(out, errorBlock("virelo_LoadProject", "This is not a VIRELO 1.0 Projectfile!")) << header;
    }
    virelo_FreeProject(loaded);
  }
}

TEST_F(ProjectFileTest, HostileContentsAreReportedNotTrusted) {
  Project* p = sampleProject(1);
  const Bytes whole = savedBytes(p);
  virelo_FreeProject(p);

  // A name with no terminator in its 100 bytes is cut to 99 characters.
  Bytes b = whole;
  std::memset(b.data() + 1879 + 4, 'N', 100);
  Project* loaded = nullptr;
  EXPECT_EQ(loadBytes(b, &loaded), "");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(std::string(loaded->contaminants[0].name), std::string(99, 'N'));
  virelo_FreeProject(loaded);

  // Texts without terminators end inside their buffers, too.
  b = whole;
  std::memset(b.data() + 10, 'x', 254);
  std::memset(b.data() + 344, 'y', 1023 + 254 + 254);
  EXPECT_EQ(loadBytes(b, &loaded), "");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(std::strlen(loaded->title), 254u);
  EXPECT_EQ(std::strlen(loaded->description), 1023u);
  EXPECT_EQ(std::strlen(loaded->organisation), 254u);
  virelo_FreeProject(loaded);

  // A negative count is refused as an impossible list.
  b = whole;
  b[1877] = 0xFF;
  b[1878] = 0xFF;
  EXPECT_EQ(loadBytes(b, &loaded),
            errorBlock("virelo_AllocateContaminants", "Memory allocation for contaminants failed"));
  EXPECT_EQ(loaded, nullptr);

  // The largest count with a single record behind it.
  b = whole;
  b[1877] = 0xFF;
  b[1878] = 0x7F;
  EXPECT_EQ(loadBytes(b, &loaded),
            errorBlock("virelo_LoadContaminants", "Error reading contaminants from file!"));
  EXPECT_EQ(loaded, nullptr);

  // Bytes after the last record: the count belongs to some other file.
  b = whole;
  b.resize(b.size() + 7, 0xAB);
  EXPECT_EQ(loadBytes(b, &loaded), errorBlock("virelo_LoadProject", "This is not a VIRELO 1.0 Projectfile!"));
  EXPECT_EQ(loaded, nullptr);

  // Random files: refused or loaded, never a crash.
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    Bytes junk(random() % 2600);
    for (auto& byte : junk) byte = static_cast<unsigned char>(random());
    if (round % 2 == 0 && junk.size() >= 10) std::memcpy(junk.data(), kFormatText, 10);
    loadBytes(junk, &loaded);
    if (loaded) {
      EXPECT_GE(loaded->contaminantCount, 0);
    }
    virelo_FreeProject(loaded);
  }
}

TEST_F(ProjectFileTest, PathsAreNeverFormats) {
  const std::string path = dir.file("%s%n%d.vrp");
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_LoadProject(path.c_str(), "rb"), nullptr);
  EXPECT_EQ(virelo_LoadProject(nullptr, "rb"), nullptr);  // silently
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            errorBlock("virelo_LoadProject", "Error opening: \"" + path + "\""));

  Project* p = sampleProject(1);
  const std::string missing = dir.file("no-such-folder/%s.vrp");
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, missing.c_str()), 0);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            errorBlock("virelo_SaveProject", "Error creating: \"" + missing + "\""));
  EXPECT_STREQ(p->path, missing.c_str());  // the new name is kept even though the save failed
  virelo_FreeProject(p);
}

TEST_F(ProjectFileTest, SaveWithoutAnyPathTouchesNothing) {
  Project* p = sampleProject(1);
  p->modified = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, nullptr), 0);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(p->modified, 1);
  EXPECT_TRUE(dir.entries().empty());

  // An empty path handed in is no file: refused, and said so.
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, ""), 0);
  fflush(stdout);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Error creating: \"\""), std::string::npos);
  EXPECT_EQ(p->modified, 1);

  // Null projects are refused by every step.
  EXPECT_EQ(virelo_SaveAquifer(nullptr), 0);
  EXPECT_EQ(virelo_LoadAquifer(nullptr), 0);
  EXPECT_EQ(virelo_SaveContaminants(nullptr, stdout, 0), 0);
  EXPECT_EQ(virelo_LoadContaminants(nullptr, stdin), 0);

  // With its own path the project saves there.
  CopyBounded(p->path, dir.file("own.vrp").c_str(), sizeof p->path);
  EXPECT_EQ(virelo_SaveProject(p, nullptr), 1);
  EXPECT_EQ(readAll(dir.file("own.vrp")).size(), 1879u + 216u);
  virelo_FreeProject(p);
}

// A save that fails at any stage leaves the previous file exactly as it was,
// no temporary behind, and the project still marked modified.
TEST_F(ProjectFileTest, FailedSaveKeepsTheOldFile) {
  Project* p = sampleProject(2);
  const std::string path = dir.file("keep.vrp");
  ASSERT_EQ(virelo_SaveProject(p, path.c_str()), 1);
  const Bytes before = readAll(path);

  auto expectUnharmed = [&](const char* what) {
    EXPECT_EQ(readAll(path), before) << what;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"keep.vrp"}) << what;
    EXPECT_EQ(p->file, nullptr) << what;
    EXPECT_EQ(p->modified, 1) << what;
  };

  // An empty list: nothing could read the file back, so it is not written.
  Contaminant* list = p->contaminants;
  p->contaminants = nullptr;
  p->contaminantCount = 0;
  p->modified = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, nullptr), 0);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  expectUnharmed("empty list");
  p->contaminants = list;
  p->contaminantCount = 2;

  // The disk refuses to take the whole file (a file size limit stands in for
  // a full disk, since the tests run as root).
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  testing::internal::CaptureStdout();
  const int saved = virelo_SaveProject(p, nullptr);
  fflush(stdout);
  const std::string out = testing::internal::GetCapturedStdout();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(saved, 0);
  EXPECT_NE(out.find("Error in Module virelo_SaveProject"), std::string::npos) << out;
  expectUnharmed("disk full");

  // The target's name is taken by a folder: the new file cannot replace it.
  const std::string folderTarget = dir.file("folder.vrp");
  std::filesystem::create_directory(folderTarget);
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, folderTarget.c_str()), 0);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            errorBlock("virelo_SaveProject", "Error creating: \"" + folderTarget + "\""));
  EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
  // Nor does a folder open as a project.
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_LoadProject(folderTarget.c_str(), "rb"), nullptr);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            errorBlock("virelo_LoadProject", "Error opening: \"" + folderTarget + "\""));
  std::filesystem::remove(folderTarget);

  // A read-only project file is refused with the same message and stays.
  chmod(path.c_str(), 0444);
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, path.c_str()), 0);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            errorBlock("virelo_SaveProject", "Error creating: \"" + path + "\""));
  expectUnharmed("read-only");
  chmod(path.c_str(), 0644);

  // The folder named in the path is a file.
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, (path + "/inside.vrp").c_str()), 0);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            errorBlock("virelo_SaveProject", "Error creating: \"" + path + "/inside.vrp\""));
  expectUnharmed("folder is a file");
  virelo_FreeProject(p);
}

TEST_F(ProjectFileTest, DatabaseCopyIsBlankedButTheProjectIsNot) {
  Project* p = sampleProject(2);
  const std::string path = dir.file("list.bin");
  FILE* file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(virelo_SaveContaminants(p, file, 1), 1);
  fclose(file);
  for (int i = 0; i < 2; ++i) expectSameContaminant(p->contaminants[i], sampleContaminant(i));

  const Bytes b = readAll(path);
  ASSERT_EQ(b.size(), 2u + 2u * 216u);
  EXPECT_EQ(u16At(b, 0), 2);
  Contaminant written{};
  virelo_DecodeContaminant(b.data() + 2, &written);
  EXPECT_EQ(written.valueMask, kValueLiteraturePlumeLength | kValueLiteratureEntries);
  EXPECT_EQ(written.assess, 0);
  EXPECT_EQ(written.lambdaUser, 0.0);
  EXPECT_EQ(written.lambdaMask, 0xFE);
  // Kept in the file, cleared when a database is loaded.
  EXPECT_EQ(written.c0, 10.0);
  EXPECT_EQ(written.lambdaSelected, 1);

  // Without a file of its own the project has nothing to write to.
  EXPECT_EQ(virelo_SaveContaminants(p, nullptr, 0), 0);
  EXPECT_EQ(virelo_LoadContaminants(p, nullptr), 0);
  virelo_FreeProject(p);
}

TEST_F(ProjectFileTest, FailedListLoadKeepsTheProjectsList) {
  Project* source = sampleProject(2);
  const Bytes whole = savedBytes(source);
  virelo_FreeProject(source);

  Project* p = sampleProject(3);
  p->modified = 0;
  Contaminant* before = p->contaminants;
  // Count 2, one record, and then cut in turn inside the count.
  for (size_t length : {1879u + 216u + 100u, 1879u + 216u, 1879u + 1u}) {
    const std::string path = dir.file("cut.vrp");
    writeAll(path, Bytes(whole.begin(), whole.begin() + static_cast<long>(length)));
    FILE* file = fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    fseek(file, 1877, SEEK_SET);
    testing::internal::CaptureStdout();
    EXPECT_EQ(virelo_LoadContaminants(p, file), 0);
    fflush(stdout);
    testing::internal::GetCapturedStdout();
    fclose(file);
    EXPECT_EQ(p->contaminants, before);
    ASSERT_EQ(p->contaminantCount, 3);
    EXPECT_STREQ(p->contaminants[2].name, "Contaminant 2");
    EXPECT_EQ(p->modified, 0);
  }

  // A complete list replaces the old one and marks the project modified.
  const std::string path = dir.file("whole.vrp");
  writeAll(path, whole);
  FILE* file = fopen(path.c_str(), "rb");
  fseek(file, 1877, SEEK_SET);
  EXPECT_EQ(virelo_LoadContaminants(p, file), 1);
  fclose(file);
  EXPECT_EQ(p->contaminantCount, 2);
  EXPECT_EQ(p->modified, 1);
  virelo_FreeProject(p);
}

}  // namespace
