// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli: see tools/cli/cli.h.
#include <iostream>

#include "tools/cli/cli.h"

int main(int argc, char** argv) {
  return RunCli(argc, argv, std::cout, std::cerr);
}
