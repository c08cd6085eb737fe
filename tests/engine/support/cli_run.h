// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Runs virelo-cli in the test's own process, as a user would call it, and
// keeps what it writes apart: the result on `out`, messages on `err`. What
// the engine's reports print to standard output is swallowed.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/cli.h"

struct CliResult {
  int status;
  std::string out, err;
};

inline CliResult Cli(std::vector<std::string> args) {
  args.insert(args.begin(), "virelo-cli");
  std::ostringstream out, err;
  testing::internal::CaptureStdout();
  const int status = RunCli(args, out, err);
  testing::internal::GetCapturedStdout();
  return {status, out.str(), err.str()};
}
