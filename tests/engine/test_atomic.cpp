// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Replacing a file only when its new contents were written completely.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "persistence/atomicfile.h"

namespace fs = std::filesystem;

namespace {

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/virelo-atomic-XXXXXX";
    dir = mkdtemp(pattern);
    target = dir + "/target.vrp";
    std::ofstream(target) << "old contents";
  }
  void TearDown() override { fs::remove_all(dir); }

  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    return names;
  }

  std::string dir, target;
};

TEST_F(AtomicFileTest, CommitReplacesTheTargetAndKeepsItsPermissions) {
  chmod(target.c_str(), 0640);
  std::string temporary;
  FILE* file = AtomicFileOpen(target.c_str(), &temporary);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(fs::path(temporary).parent_path(), fs::path(dir));
  fputs("new contents", file);
  // Until the commit the old file is all anyone sees.
  EXPECT_EQ(readAll(target), "old contents");
  ASSERT_EQ(AtomicFileCommit(file, temporary, target.c_str()), 1);
  EXPECT_EQ(readAll(target), "new contents");
  EXPECT_EQ(entries(), std::vector<std::string>{"target.vrp"});
  struct stat info {};
  stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  // A new file gets the usual permissions, not the temporary's private ones.
  const std::string fresh = dir + "/fresh.vrp";
  file = AtomicFileOpen(fresh.c_str(), &temporary);
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(AtomicFileCommit(file, temporary, fresh.c_str()), 1);
  const mode_t mask = umask(0);
  umask(mask);
  stat(fresh.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0666u & ~mask);
}

// Through a relative link to a link, and through a link whose file does not
// exist yet: the links stay, the file at the end is written.
TEST_F(AtomicFileTest, SymbolicLinkStaysALink) {
  fs::create_directory(dir + "/sub");
  const std::string inner = dir + "/sub/inner.vrp", link = dir + "/link.vrp";
  fs::create_symlink("../target.vrp", inner);
  fs::create_symlink("sub/inner.vrp", link);
  const std::string dangling = dir + "/dangling.vrp";
  fs::create_symlink("later.vrp", dangling);
  for (const std::string& path : {link, dangling}) {
    std::string temporary;
    FILE* file = AtomicFileOpen(path.c_str(), &temporary);
    ASSERT_NE(file, nullptr) << path;
    fputs("through the link", file);
    ASSERT_EQ(AtomicFileCommit(file, temporary, path.c_str()), 1);
    EXPECT_TRUE(fs::is_symlink(path));
  }
  EXPECT_TRUE(fs::is_symlink(inner));
  EXPECT_EQ(readAll(target), "through the link");
  EXPECT_EQ(readAll(dir + "/later.vrp"), "through the link");
}

// A read-only file is refused and left as it is. The mode bits decide, not
// access(), which lets root write anything; the owner and group of a file
// we may write are handed on (only root can test the owner).
TEST_F(AtomicFileTest, ReadOnlyRefusedOwnerAndGroupKept) {
  std::string temporary;
  for (mode_t mode : {0444, 0400, 0000}) {
    chmod(target.c_str(), mode);
    EXPECT_EQ(AtomicFileOpen(target.c_str(), &temporary), nullptr) << std::oct << mode;
    struct stat info {};
    stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, mode);
  }
  EXPECT_EQ(readAll(target), "old contents");
  EXPECT_EQ(entries(), std::vector<std::string>{"target.vrp"});

  chmod(target.c_str(), 0664);
  if (geteuid() != 0) GTEST_SKIP() << "owner and group can only be handed on by root";
  ASSERT_EQ(chown(target.c_str(), 4321, 8765), 0);
  FILE* file = AtomicFileOpen(target.c_str(), &temporary);
  ASSERT_NE(file, nullptr);  // root may write another's file with a write bit
  ASSERT_EQ(AtomicFileCommit(file, temporary, target.c_str()), 1);
  struct stat info {};
  stat(target.c_str(), &info);
  EXPECT_EQ(info.st_uid, 4321u);
  EXPECT_EQ(info.st_gid, 8765u);
  EXPECT_EQ(info.st_mode & 07777, 0664u);
}

// Which write bit makes a file writable: for our own file the owner's
// alone; for another's any of the three (root writes it through the group's
// or others' bit, as access() says). Set-user-ID, set-group-ID and sticky
// bits are never carried to the new file: a saved project must not become
// something that runs with its owner's rights.
TEST_F(AtomicFileTest, WriteBitsDecideAndSpecialBitsAreDropped) {
  std::string temporary;
  const auto opens = [&](mode_t mode) {
    chmod(target.c_str(), mode);
    FILE* file = AtomicFileOpen(target.c_str(), &temporary);
    AtomicFileDiscard(file, temporary);
    return file != nullptr;
  };
  EXPECT_TRUE(opens(0600));
  EXPECT_TRUE(opens(0200));
  EXPECT_FALSE(opens(0466));  // ours, and only the group and others may write
  EXPECT_FALSE(opens(0577));

  for (mode_t mode : {04755, 02775, 01644, 07666}) {
    chmod(target.c_str(), mode);
    FILE* file = AtomicFileOpen(target.c_str(), &temporary);
    ASSERT_NE(file, nullptr) << std::oct << mode;
    ASSERT_EQ(AtomicFileCommit(file, temporary, target.c_str()), 1);
    struct stat info {};
    stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, mode & 0777) << std::oct << mode;
  }

  if (geteuid() != 0) GTEST_SKIP() << "only root can hand a file to another owner";
  ASSERT_EQ(chown(target.c_str(), 4321, 8765), 0);
  EXPECT_TRUE(opens(0460));
  EXPECT_TRUE(opens(0406));
  EXPECT_TRUE(opens(0200));
  EXPECT_FALSE(opens(0444));
}

// An absolute link target is taken as it stands, not below the link's
// folder: the file it names is replaced in its own folder.
TEST_F(AtomicFileTest, AbsoluteLinkTarget) {
  fs::create_directory(dir + "/data");
  fs::create_directory(dir + "/links");
  const std::string real = dir + "/data/real.vrp", link = dir + "/links/link.vrp";
  std::ofstream(real) << "old";
  fs::create_symlink(real, link);
  std::string temporary;
  FILE* file = AtomicFileOpen(link.c_str(), &temporary);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(fs::path(temporary).parent_path(), fs::path(dir + "/data"));
  fputs("through an absolute link", file);
  ASSERT_EQ(AtomicFileCommit(file, temporary, link.c_str()), 1);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::read_symlink(link), fs::path(real));
  EXPECT_EQ(readAll(real), "through an absolute link");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir + "/links"), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir + "/data"), fs::directory_iterator()), 1);
}

// A path fills 4096 bytes with its terminator, a file name 255 bytes: a
// target of exactly those lengths is saved (its temporary must fit as
// well), one byte more is refused.
TEST_F(AtomicFileTest, LongestPathAndNameAreSaved) {
  const std::string longName = dir + "/" + std::string(255, 'n');
  std::string deep = dir;
  while (deep.size() + 1 + 200 < 4095 - 10) {
    deep += "/" + std::string(200, 'd');
    ASSERT_TRUE(fs::create_directory(deep));
  }
  const std::string longest = deep + "/" + std::string(4095 - deep.size() - 1, 'f');
  ASSERT_EQ(longest.size(), 4095u);
  for (const std::string& path : {longName, longest}) {
    std::string temporary;
    FILE* file = AtomicFileOpen(path.c_str(), &temporary);
    ASSERT_NE(file, nullptr) << path.size();
    fputs("long", file);
    ASSERT_EQ(AtomicFileCommit(file, temporary, path.c_str()), 1) << path.size();
    FILE* back = OpenRegularFile(path.c_str(), "rb");
    ASSERT_NE(back, nullptr);
    char text[8] = "";
    EXPECT_EQ(fread(text, 1, sizeof text, back), 4u);
    fclose(back);
    EXPECT_STREQ(text, "long");
  }
  std::string temporary;
  EXPECT_EQ(AtomicFileOpen((longest + "x").c_str(), &temporary), nullptr);
  EXPECT_EQ(AtomicFileOpen((longName + "x").c_str(), &temporary), nullptr);
  EXPECT_EQ(std::distance(fs::directory_iterator(deep), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, DiscardLeavesTheTargetAlone) {
  std::string temporary;
  FILE* file = AtomicFileOpen(target.c_str(), &temporary);
  ASSERT_NE(file, nullptr);
  fputs("half a file", file);
  AtomicFileDiscard(file, temporary);
  EXPECT_EQ(readAll(target), "old contents");
  EXPECT_EQ(entries(), std::vector<std::string>{"target.vrp"});
}

TEST_F(AtomicFileTest, WriteFailureIsNotACommit) {
  std::string temporary;
  FILE* file = AtomicFileOpen(target.c_str(), &temporary);
  ASSERT_NE(file, nullptr);
  const std::string big(8000, 'x');
  fputs(big.c_str(), file);

  // A file size limit makes the disk refuse the bytes, as a full disk would.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int committed = AtomicFileCommit(file, temporary, target.c_str());
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  EXPECT_EQ(committed, 0);
  EXPECT_EQ(readAll(target), "old contents");
  EXPECT_EQ(entries(), std::vector<std::string>{"target.vrp"});
}

TEST_F(AtomicFileTest, ImpossibleTargetsAreRefused) {
  std::string temporary = "stale";
  EXPECT_EQ(AtomicFileOpen((dir + "/missing/x.vrp").c_str(), &temporary), nullptr);
  EXPECT_EQ(temporary, "");
  EXPECT_EQ(AtomicFileOpen((target + "/x.vrp").c_str(), &temporary), nullptr);
  EXPECT_EQ(AtomicFileOpen((dir + "/").c_str(), &temporary), nullptr);
  EXPECT_EQ(AtomicFileOpen(nullptr, &temporary), nullptr);

  // A folder of the target's name, directly or behind a link, is no file.
  const std::string folder = dir + "/folder";
  fs::create_directory(folder);
  fs::create_symlink(folder, dir + "/to-folder");
  EXPECT_EQ(AtomicFileOpen(folder.c_str(), &temporary), nullptr);
  EXPECT_EQ(AtomicFileOpen((dir + "/to-folder").c_str(), &temporary), nullptr);
  EXPECT_EQ(entries().size(), 3u);
  // Nor is a link that leads back to itself.
  fs::create_symlink("loop", dir + "/loop");
  EXPECT_EQ(AtomicFileOpen((dir + "/loop").c_str(), &temporary), nullptr);

  // Reading refuses a folder too.
  EXPECT_EQ(OpenRegularFile(folder.c_str(), "rb"), nullptr);
  FILE* file = OpenRegularFile(target.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  fclose(file);
}

}  // namespace
