// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A folder of its own for every test that writes files: under the system's
// temporary folder, named by the process and the test so that tests run in
// parallel (ctest runs each in its own process) never share one, and
// removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "persistence/projectfile.h"
#include "tests/engine/support/projects.h"

class ProjectFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "-" + test->name();
    for (char& ch : name)
      if (ch == '/') ch = '-';  // parameterised tests are named "Suite/Test/0"
    dir_ = std::filesystem::temp_directory_path() / ("virelo-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  // A copy of the example `name` (see kExamplesDir) in the folder as `as`.
  std::string CopyExample(const std::string& name, const std::string& as) const {
    std::filesystem::copy_file(kExamplesDir + name, Path(as));
    return Path(as);
  }
  // Saves `project` in the folder as `name`; returns its path.
  std::string Save(Project* project, const std::string& name) const {
    const std::string path = Path(name);
    EXPECT_EQ(virelo_SaveProject(project, path.c_str()), 1);
    return path;
  }
  // The project file `example` changed by `change(Project*)` and saved in
  // the folder as `name`; empty when the example cannot be read.
  template <typename Change>
  std::string SavedCopy(const std::string& example, const std::string& name, Change change) const {
    ProjectHandle project = LoadProjectFile(example);
    EXPECT_TRUE(project) << example;
    if (!project) return {};
    change(project.get());
    return Save(project.get(), name);
  }

  std::filesystem::path dir_;
};
