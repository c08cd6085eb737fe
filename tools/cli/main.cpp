// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli: see tools/cli/cli.h.
#include <iostream>

#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

#ifdef VIRELO_CLI_REPORT
std::string ReportUsage();
int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
#endif

int main(int argc, char** argv) {
#ifdef VIRELO_CLI_REPORT
  AddCliCommand({"report", ReportUsage, RunReport});
#endif
  return RunCli(argc, argv, std::cout, std::cerr);
}
