// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The generic contaminant database: the search for it, new projects, loading
// and saving the per-user copy.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/project/records.h"
#include "persistence/database.h"
#include "persistence/filekind.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/file_bytes.h"
#include "tools/cli/cli.h"

namespace fs = std::filesystem;

namespace {

// An environment variable set for one test and put back afterwards.
class ScopedEnv {
 public:
  explicit ScopedEnv(const char* name) : name_(name) {
    if (const char* value = getenv(name)) old_ = value;
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }
  void set(const std::string& value) { setenv(name_, value.c_str(), 1); }
  void unset() { unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

Contaminant entry(int i) {
  Contaminant c{};
  c.group = i % 8;
  std::snprintf(c.name, sizeof c.name, "Substance %d", i);
  c.lambdaUnknown = 0.01 * (i + 1);
  c.lambdaAerobic = 0.02 * (i + 1);
  c.lambdaIron = 0.03 * (i + 1);
  c.lambdaUser = 0.7;
  c.lambdaMask = kLambdaUnknown | kLambdaAerobic | kLambdaIron | kLambdaUser;
  c.lambdaSelected = kLambdaUser;
  c.literaturePlumeLength = 120.5 + i;
  c.literatureEntries = static_cast<int16_t>(3 + i);
  c.ca = 0.1;
  c.c0 = 50.0;
  c.valueMask = kValueLiteraturePlumeLength | kValueLiteratureEntries | kValueC0 | kValueCa;
  c.assess = kAssessPlumeLength;
  return c;
}

Project* projectWith(int count) {
  Project* p = virelo_AllocateProject();
  if (count > 0) {
    p->contaminants = virelo_AllocateContaminants(count);
    for (int i = 0; i < count; ++i) p->contaminants[i] = entry(i);
  }
  p->contaminantCount = static_cast<int16_t>(count);
  return p;
}

std::string warningBlock(const std::string& module, const std::string& message) {
  return "WARNING[" + module + "] - UID=0\nMessage:\n" + message + "\n\n";
}
std::string debugBlock(const std::string& module, const std::string& message) {
  return "Debug [" + module + "] - UID=0\nMessage:\n" + message + "\n\n";
}

// Each test gets its own per-user folder ($XDG_DATA_HOME) and its own
// "folder of the executable"; reports go to standard output.
class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/virelo-database-XXXXXX";
    root = mkdtemp(pattern);
    dataHome = root + "/data";
    exeDir = root + "/bin/";
    fs::create_directories(dataHome);
    fs::create_directories(exeDir);
    xdg.set(dataHome);
    virelo_SetModulePathOverride(exeDir.c_str());
    RemoveReportCallbacks();
  }
  void TearDown() override {
    virelo_SetModulePathOverride(nullptr);
    std::memset(genericDataPath, 0, sizeof genericDataPath);
    fs::remove_all(root);
  }

  std::string userDatabase() const { return dataHome + "/Virelo/generic.vrc"; }
  std::string installedDatabase() const { return exeDir + "generic.vrc"; }

  // Writes a database file of `count` entries with our own writer.
  void writeDatabase(const std::string& path, int count) {
    Project* p = projectWith(count);
    fs::create_directories(fs::path(path).parent_path());
    ASSERT_EQ(virelo_SaveDatabaseFile(p, path.c_str(), "test"), 1);
    virelo_FreeProject(p);
  }

  std::string capture(const std::function<void()>& action) {
    testing::internal::CaptureStdout();
    action();
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
  }

  std::string root, dataHome, exeDir;
  ScopedEnv xdg{"XDG_DATA_HOME"};
  ScopedEnv home{"HOME"};
};

TEST_F(DatabaseTest, SearchPrefersThePerUserCopy) {
  writeDatabase(userDatabase(), 2);
  writeDatabase(installedDatabase(), 1);
  std::string out = capture([] { EXPECT_EQ(virelo_w32_FindGenericData(), 1); });
  EXPECT_STREQ(genericDataPath, userDatabase().c_str());
  EXPECT_EQ(out, debugBlock("virelo_w32_FindGenericData", "Searching in \"" + userDatabase() + "\""));

  // Only the installed copy: it is the second candidate.
  fs::remove(userDatabase());
  out = capture([] { EXPECT_EQ(virelo_w32_FindGenericData(), 1); });
  EXPECT_STREQ(genericDataPath, installedDatabase().c_str());
  EXPECT_EQ(out,
            debugBlock("virelo_w32_FindGenericData", "Searching in \"" + userDatabase() + "\"") +
                debugBlock("virelo_w32_FindGenericData", "Searching in \"" + installedDatabase() + "\""));

  // Neither, or a folder where the file should be: nothing is found.
  fs::remove(installedDatabase());
  fs::create_directory(installedDatabase());
  capture([] { EXPECT_EQ(virelo_w32_FindGenericData(), 0); });
  EXPECT_STREQ(genericDataPath, "");
}

// An installation keeps its data in <prefix>/share/virelo beside
// <prefix>/bin: searched after the per-user copy and after the executable's
// own folder (the build tree), for the database, its reset and the manual.
TEST_F(DatabaseTest, InstalledDataFolderIsFoundFromTheExecutable) {
  const std::string dataDir = root + "/share/virelo/";
  char buffer[kPathCapacity];
  virelo_GetInstalledDataPath(buffer);
  EXPECT_EQ(std::string(buffer), dataDir);

  writeDatabase(dataDir + "generic.vrc", 3);
  std::string out = capture([] { EXPECT_EQ(virelo_w32_FindGenericData(), 1); });
  EXPECT_STREQ(genericDataPath, (dataDir + "generic.vrc").c_str());
  const std::string search = "virelo_w32_FindGenericData";
  EXPECT_EQ(out, debugBlock(search, "Searching in \"" + userDatabase() + "\"") +
                     debugBlock(search, "Searching in \"" + installedDatabase() + "\"") +
                     debugBlock(search, "Searching in \"" + dataDir + "generic.vrc\""));
  Project* p = projectWith(1);
  capture([&] { EXPECT_EQ(virelo_LoadApplicationDefaultConts(p), 1); });
  EXPECT_EQ(p->contaminantCount, 3);
  virelo_FreeProject(p);

  // The manual: beside the executable when it is there, else installed;
  // when nowhere, the path beside the executable is what the Help menu names.
  EXPECT_EQ(virelo_FindInstalledFile(kManualFileName, buffer), 0);
  EXPECT_EQ(std::string(buffer), exeDir + "manual.pdf");
  writeAll(dataDir + "manual.pdf", Bytes{'%'});
  EXPECT_EQ(virelo_FindInstalledFile(kManualFileName, buffer), 1);
  EXPECT_EQ(std::string(buffer), dataDir + "manual.pdf");

  // virelo-cli paths tells what was found, without tracing the search; a
  // per-user copy comes first.
  writeDatabase(userDatabase(), 1);
  std::ostringstream cliOut, cliErr;
  out = capture([&] { EXPECT_EQ(RunCli({"virelo-cli", "paths"}, cliOut, cliErr), 0); });
  EXPECT_EQ(out, "");
  EXPECT_EQ(cliOut.str(), "per-user data folder:  " + dataHome + "/Virelo\n" + "installed data folder: " +
                              dataDir + "\n" + "start-up database:     " + userDatabase() + "\n" +
                              "manual:                " + dataDir + "manual.pdf\n");
  EXPECT_EQ(genericDataPath, dataDir + "generic.vrc");
  EXPECT_EQ(RunCli({"virelo-cli", "paths", "x"}, cliOut, cliErr), 2);
}

TEST_F(DatabaseTest, PerUserFolderComesFromTheEnvironment) {
  char buffer[kPathCapacity];
  // $XDG_DATA_HOME, with missing parents created.
  xdg.set(dataHome + "/deep/er");
  EXPECT_EQ(w32_GetApplicationDataPath(buffer, "Virelo"), 1);
  EXPECT_EQ(std::string(buffer), dataHome + "/deep/er/Virelo");
  EXPECT_TRUE(fs::is_directory(buffer));
  EXPECT_EQ(w32_GetApplicationDataPath(buffer, nullptr), 0);
  EXPECT_EQ(std::string(buffer), dataHome + "/deep/er");
  EXPECT_EQ(w32_GetApplicationDataPath(nullptr, "Virelo"), 0);

  // Else $HOME/.local/share.
  xdg.unset();
  home.set(root + "/home");
  EXPECT_EQ(w32_GetApplicationDataPath(buffer, "Virelo"), 1);
  EXPECT_EQ(std::string(buffer), root + "/home/.local/share/Virelo");
  EXPECT_TRUE(fs::is_directory(buffer));

  // Neither: a warning, then the executable's folder.
  xdg.set("");
  home.unset();
  const std::string out = capture([&] { EXPECT_EQ(w32_GetApplicationDataPath(buffer, "Virelo"), 1); });
  EXPECT_EQ(out, warningBlock("w32_GetApplicationDataPath", "Error opening AppData-key!"));
  EXPECT_EQ(std::string(buffer), exeDir + "Virelo");
  EXPECT_TRUE(fs::is_directory(buffer));

  // The warning stays on standard output even with handlers installed.
  static int warnings = 0;
  SetInstalledReportHandlers(
      nullptr, [](const char*, const char*, uint32_t) { ++warnings; }, nullptr);
  InstallReportCallbacks();
  capture([&] { w32_GetApplicationDataPath(buffer, "Virelo"); });
  RemoveReportCallbacks();
  SetInstalledReportHandlers(nullptr, nullptr, PrintDebugLine);
  EXPECT_EQ(warnings, 0);
}

TEST_F(DatabaseTest, ModulePathIsTheExecutablesFolder) {
  char buffer[kPathCapacity];
  virelo_GetModulePath(buffer);
  EXPECT_EQ(std::string(buffer), exeDir);
  virelo_SetModulePathOverride((root + "/other").c_str());  // the separator is added
  virelo_GetModulePath(buffer);
  EXPECT_EQ(std::string(buffer), root + "/other/");

  virelo_SetModulePathOverride(nullptr);
  virelo_GetModulePath(buffer);
  const fs::path self = fs::read_symlink("/proc/self/exe");
  EXPECT_EQ(std::string(buffer), self.parent_path().string() + "/");
}

TEST_F(DatabaseTest, NewProjectCopiesTheDatabase) {
  writeDatabase(installedDatabase(), 3);
  capture([] { virelo_w32_FindGenericData(); });
  Project* p = virelo_NewProject();
  ASSERT_NE(p, nullptr);
  EXPECT_STREQ(p->title, "NewProject");
  EXPECT_STREQ(p->version, "VIRELO 1.0");
  EXPECT_EQ(p->modified, 1);
  EXPECT_EQ(p->aquifer.redoxCondition, 0);
  EXPECT_STREQ(p->path, "");
  ASSERT_EQ(p->contaminantCount, 3);
  for (int i = 0; i < 3; ++i) {
    const Contaminant& c = p->contaminants[i];
    const Contaminant stored = entry(i);
    EXPECT_STREQ(c.name, stored.name);
    EXPECT_EQ(c.group, stored.group);
    EXPECT_EQ(c.literaturePlumeLength, stored.literaturePlumeLength);
    EXPECT_EQ(c.literatureEntries, stored.literatureEntries);
    EXPECT_EQ(c.lambdaIron, stored.lambdaIron);
    // Per-project inputs were blanked on writing and cleared on loading.
    EXPECT_EQ(c.ca, 0.0);
    EXPECT_EQ(c.c0, 0.0);
    EXPECT_EQ(c.lambdaSelected, 0);
    EXPECT_EQ(c.assess, 0);
    EXPECT_EQ(c.lambdaUser, 0.0);
    EXPECT_EQ(c.lambdaMask, kLambdaUnknown | kLambdaAerobic | kLambdaIron);
    EXPECT_EQ(c.valueMask, kValueLiteraturePlumeLength | kValueLiteratureEntries);
  }
  virelo_FreeProject(p);

  // A per-user copy saved now is not used before the next start.
  Project* q = projectWith(1);
  EXPECT_EQ(virelo_SaveDefaultConts(q), 1);
  virelo_FreeProject(q);
  EXPECT_TRUE(fs::exists(userDatabase()));
  p = virelo_NewProject();
  EXPECT_EQ(p->contaminantCount, 3);
  virelo_FreeProject(p);
}

TEST_F(DatabaseTest, NewProjectWithoutDatabaseIsEmpty) {
  capture([] { EXPECT_EQ(virelo_w32_FindGenericData(), 0); });
  Project* p = nullptr;
  const std::string out = capture([&] { p = virelo_NewProject(); });
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(out, warningBlock("virelo_LoadDefaultConts", "No generic contaminant-data found!"));
  EXPECT_EQ(p->contaminantCount, 0);
  EXPECT_EQ(p->contaminants, nullptr);
  EXPECT_EQ(p->modified, 1);
  virelo_FreeProject(p);

  // A damaged database gives an empty list too, and says so.
  writeDatabase(userDatabase(), 2);
  Bytes cut = readAll(userDatabase());
  cut.resize(cut.size() - 1);
  writeAll(userDatabase(), cut);
  capture([] { virelo_w32_FindGenericData(); });
  const std::string damaged = capture([&] { p = virelo_NewProject(); });
  EXPECT_NE(damaged.find("Error reading contaminants from file!"), std::string::npos);
  EXPECT_EQ(p->contaminantCount, 0);
  virelo_FreeProject(p);
}

TEST_F(DatabaseTest, SavedDefaultsRoundTripBlanked) {
  Project* p = projectWith(4);
  p->contaminants[3].name[0] = '\xE4';
  EXPECT_EQ(virelo_SaveDefaultConts(p), 1);
  // The project's own records keep their inputs.
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(p->contaminants[i].assess, kAssessPlumeLength);
    EXPECT_EQ(p->contaminants[i].lambdaUser, 0.7);
    EXPECT_EQ(p->contaminants[i].valueMask & kValueCa, kValueCa);
  }
  const Bytes b = readAll(userDatabase());
  ASSERT_EQ(b.size(), 12u + 4u * 216u);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 10), "VIRELO 1.0");
  EXPECT_EQ(b[10], 4);
  EXPECT_EQ(b[11], 0);

  Project* q = projectWith(0);
  EXPECT_EQ(virelo_LoadDatabaseFile(q, userDatabase().c_str(), "virelo_LoadDefaultConts"), 1);
  ASSERT_EQ(q->contaminantCount, 4);
  for (int i = 0; i < 4; ++i) {
    const Contaminant& c = q->contaminants[i];
    EXPECT_STREQ(c.name, p->contaminants[i].name);
    EXPECT_EQ(c.lambdaAerobic, p->contaminants[i].lambdaAerobic);
    EXPECT_EQ(c.assess, 0);
    EXPECT_EQ(c.lambdaMask & kLambdaUser, 0);
    EXPECT_EQ(c.valueMask & (kValueC0 | kValueCa), 0);
    EXPECT_EQ(c.lambdaSelected, 0);
    EXPECT_EQ(c.c0, 0.0);
  }
  virelo_FreeProject(p);
  virelo_FreeProject(q);
}

TEST_F(DatabaseTest, EmptyDatabaseIsTwelveBytesAndLoads) {
  Project* empty = projectWith(0);
  const std::string path = root + "/empty.vrc";
  EXPECT_EQ(virelo_SaveDatabaseFile(empty, path.c_str(), "test"), 1);
  EXPECT_EQ(readAll(path), (Bytes{'V', 'I', 'R', 'E', 'L', 'O', ' ', '1', '.', '0', 0, 0}));

  Project* p = projectWith(2);
  p->modified = 0;
  EXPECT_EQ(virelo_LoadDatabaseFile(p, path.c_str(), "virelo_LoadDefaultConts"), 1);
  EXPECT_EQ(p->contaminantCount, 0);
  EXPECT_EQ(p->modified, 1);

  // The per-user copy of an empty list is a valid file, too.
  EXPECT_EQ(virelo_SaveDefaultConts(empty), 1);
  EXPECT_EQ(readAll(userDatabase()).size(), 12u);
  virelo_FreeProject(empty);
  virelo_FreeProject(p);
}

TEST_F(DatabaseTest, BadDatabasesLeaveTheListAlone) {
  writeDatabase(installedDatabase(), 2);
  const Bytes whole = readAll(installedDatabase());

  Project* p = projectWith(5);
  p->modified = 0;
  auto expectUntouched = [&](const std::string& what) {
    ASSERT_EQ(p->contaminantCount, 5) << what;
    EXPECT_EQ(p->contaminants[4].c0, 50.0) << what;  // not even the inputs are cleared
    EXPECT_EQ(p->modified, 0) << what;
  };
  const char* module = "virelo_LoadApplicationDefaultConts";

  // Cut inside the records.
  writeAll(installedDatabase(), Bytes(whole.begin(), whole.end() - 5));
  std::string out = capture([&] { EXPECT_EQ(virelo_LoadApplicationDefaultConts(p), 0); });
  EXPECT_NE(out.find("Error reading contaminants from file!"), std::string::npos);
  expectUntouched("cut");

  // Wrong format text, and a file shorter than it.
  for (const Bytes& bad :
       {Bytes{'V', 'I', 'R', 'E', 'L', 'O', ' ', '2', '.', '0', 0, 0}, Bytes{'V', 'I', 'R'}}) {
    writeAll(installedDatabase(), bad);
    out = capture([&] { EXPECT_EQ(virelo_LoadApplicationDefaultConts(p), 0); });
    EXPECT_EQ(out, debugBlock("", "Apppath: " + exeDir) +
                       warningBlock(module, "This is not a valid contaminant-file!"));
    expectUntouched("format");
  }

  // Negative count.
  Bytes negative = whole;
  negative[10] = 0xFE;
  negative[11] = 0xFF;
  writeAll(installedDatabase(), negative);
  out = capture([&] { EXPECT_EQ(virelo_LoadApplicationDefaultConts(p), 0); });
  EXPECT_NE(out.find("Memory allocation for contaminants failed"), std::string::npos);
  expectUntouched("negative");

  // Missing, under a path that looks like a format.
  const std::string odd = root + "/%s%d/generic.vrc";
  out = capture([&] { EXPECT_EQ(virelo_LoadDatabaseFile(p, odd.c_str(), module), 0); });
  EXPECT_EQ(out, warningBlock(module, "Error opening generic data: " + odd + "!"));
  expectUntouched("missing");

  // And the good file still loads.
  writeAll(installedDatabase(), whole);
  capture([&] { EXPECT_EQ(virelo_LoadApplicationDefaultConts(p), 1); });
  EXPECT_EQ(p->contaminantCount, 2);
  virelo_FreeProject(p);
}

TEST_F(DatabaseTest, FailedSaveKeepsTheOldDatabase) {
  Project* p = projectWith(2);
  ASSERT_EQ(virelo_SaveDefaultConts(p), 1);
  const Bytes before = readAll(userDatabase());

  // The per-user folder's name is taken by a file.
  xdg.set(root + "/blocked");
  fs::create_directories(root + "/blocked");
  writeAll(root + "/blocked/Virelo", Bytes{1, 2, 3});
  const std::string out = capture([&] { EXPECT_EQ(virelo_SaveDefaultConts(p), 0); });
  EXPECT_EQ(out, "Error in Module virelo_SaveDefaultConts - UID=0 - ErrNo=0\nMessage:\nError creating: \"" +
                     root + "/blocked/Virelo/generic.vrc\"\n\n");

  // A folder where the file should be cannot be replaced.
  xdg.set(dataHome);
  const std::string folder = root + "/folder.vrc";
  fs::create_directory(folder);
  capture([&] { EXPECT_EQ(virelo_SaveDatabaseFile(p, folder.c_str(), "test"), 0); });
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(readAll(userDatabase()), before);
  virelo_FreeProject(p);
}

TEST_F(DatabaseTest, InitInstallsCallbacksAndSearches) {
  writeDatabase(userDatabase(), 1);
  capture([] { EXPECT_EQ(virelo_Init(), 1); });
  EXPECT_NE(ActiveReportCallbacks(), nullptr);
  EXPECT_STREQ(genericDataPath, userDatabase().c_str());
  virelo_Exit();
  EXPECT_EQ(ActiveReportCallbacks(), nullptr);
}

TEST_F(DatabaseTest, ProjectsAndDatabasesAreToldApart) {
  // Sizes on both sides of where one file's count, read by the other
  // loader, points at its end. The titles of the first two projects are
  // empty, so their bytes at the database's count read 0.
  for (int count : {0, 1, 2, 13, 14, 15, 24}) {
    const std::string database = root + "/db" + std::to_string(count) + ".vrc";
    const std::string project = root + "/p" + std::to_string(count) + ".vrp";
    writeDatabase(database, count);
    Project* p = projectWith(count > 0 ? count : 1);
    if (count > 1) CopyBounded(p->title, "\x17", sizeof p->title);
    ASSERT_EQ(virelo_SaveProject(p, project.c_str()), 1);
    virelo_FreeProject(p);

    EXPECT_EQ(virelo_FileKind(database.c_str()), VireloFileKind::Database) << count;
    EXPECT_EQ(virelo_FileKind(project.c_str()), VireloFileKind::Project) << count;
    EXPECT_EQ(virelo_WrongKindText(database.c_str(), "generic.vrc", VireloFileKind::Project),
              "generic.vrc is a contaminant database, not a project");
    EXPECT_EQ(virelo_WrongKindText(project.c_str(), "site.vrp", VireloFileKind::Database),
              "site.vrp is a project, not a contaminant database");
    EXPECT_EQ(virelo_WrongKindText(project.c_str(), "site.vrp", VireloFileKind::Project), "");

    capture([&] { EXPECT_EQ(virelo_LoadProject(database.c_str(), "rb"), nullptr) << count; });
    Project* held = projectWith(5);
    EXPECT_NE(capture([&] {
                EXPECT_EQ(virelo_LoadDatabaseFile(held, project.c_str(), "test"), 0) << count;
              }).find("Error reading contaminants from file!"),
              std::string::npos);
    EXPECT_EQ(held->contaminantCount, 5);
    virelo_FreeProject(held);
  }
  // The bundled database of the build, which once opened as a blank project.
  const std::string bundled = std::string(VIRELO_BINARY_DIR) + "/generic.vrc";
  EXPECT_EQ(virelo_FileKind(bundled.c_str()), VireloFileKind::Database);
  EXPECT_NE(capture([&] { EXPECT_EQ(virelo_LoadProject(bundled.c_str(), "rb"), nullptr); }), "");

  writeAll(root + "/table.csv", Bytes{'g', 'r', 'o', 'u', 'p'});
  EXPECT_EQ(virelo_WrongKindText((root + "/table.csv").c_str(), "table.csv", VireloFileKind::Project),
            "table.csv is not a Virelo file");
  writeAll(root + "/cut.vrc", Bytes{'V', 'I', 'R', 'E', 'L', 'O', ' ', '1', '.', '0', 1, 0});
  EXPECT_EQ(virelo_FileKind((root + "/cut.vrc").c_str()), VireloFileKind::Damaged);
  EXPECT_EQ(virelo_FileKind((root + "/missing.vrp").c_str()), VireloFileKind::Unreadable);
  EXPECT_EQ(virelo_FileKind(root.c_str()), VireloFileKind::Unreadable);
}

}  // namespace
