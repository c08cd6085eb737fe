// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/cli.h"

#include <iostream>
#include <sstream>

#include "tools/cli/cli_common.h"

// Each command lives in a source file of its own.
std::string AssessUsage();
int RunAssess(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string BreakevenUsage();
int RunBreakeven(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string DbExportUsage();
int RunDbExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string DbImportUsage();
int RunDbImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string ShowUsage();
int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string ProjectExportUsage();
int RunProjectExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string ProjectImportUsage();
int RunProjectImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string ProfileUsage();
int RunProfile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string SiteImportUsage();
int RunSiteImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string SiteExportUsage();
int RunSiteExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string DecayUsage();
int RunDecay(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string UseDecayUsage();
int RunUseDecay(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string TrendUsage();
int RunTrend(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string RedoxUsage();
int RunRedox(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string UncertaintyUsage();
int RunUncertaintyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string PathsUsage();
int RunPaths(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string BreakthroughUsage();
int RunBreakthrough(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string TimingUsage();
int RunTiming(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string EvidenceUsage();
int RunEvidence(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string FlowUsage();
int RunFlow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string ApplyFlowUsage();
int RunApplyFlow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string NewProjectUsage();
int RunNewProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string ChainUsage();
int RunChain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string StabilityUsage();
int RunStability(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string DischargeUsage();
int RunDischarge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

namespace {

const CliCommand kCommands[] = {
    {"new", NewProjectUsage, RunNewProject},
    {"assess", AssessUsage, RunAssess},
    {"breakeven", BreakevenUsage, RunBreakeven},
    {"db-export", DbExportUsage, RunDbExport},
    {"db-import", DbImportUsage, RunDbImport},
    {"show", ShowUsage, RunShow},
    {"project-export", ProjectExportUsage, RunProjectExport},
    {"project-import", ProjectImportUsage, RunProjectImport},
    {"profile", ProfileUsage, RunProfile},
    {"site-import", SiteImportUsage, RunSiteImport},
    {"site-export", SiteExportUsage, RunSiteExport},
    {"decay", DecayUsage, RunDecay},
    {"use-decay", UseDecayUsage, RunUseDecay},
    {"trend", TrendUsage, RunTrend},
    {"redox", RedoxUsage, RunRedox},
    {"flow", FlowUsage, RunFlow},
    {"apply-flow", ApplyFlowUsage, RunApplyFlow},
    {"stability", StabilityUsage, RunStability},
    {"discharge", DischargeUsage, RunDischarge},
    {"chain", ChainUsage, RunChain},
    {"breakthrough", BreakthroughUsage, RunBreakthrough},
    {"timing", TimingUsage, RunTiming},
    {"evidence", EvidenceUsage, RunEvidence},
    {"uncertainty", UncertaintyUsage, RunUncertaintyCommand},
    {"paths", PathsUsage, RunPaths},
};

// Commands that only some builds have, added by main() before the first run.
std::vector<CliCommand>& addedCommands() {
  static std::vector<CliCommand> commands;
  return commands;
}

}  // namespace

void AddCliCommand(const CliCommand& command) {
  addedCommands().push_back(command);
}

std::string CliUsage() {
  std::ostringstream text;
  text << "Usage: virelo-cli COMMAND [ARGUMENTS]\n"
          "\n"
          "Commands:\n";
  for (const CliCommand& command : kCommands) text << command.usage();
  for (const CliCommand& command : addedCommands()) text << command.usage();
  text << "\n"
          "Options:\n"
          "  --help      show this help and exit\n"
          "  --version   show the version and exit\n"
          "\n"
          "Exit status: 0 success, 1 a file could not be read or written or the\n"
          "inputs of a profile have problems, 2 the command line could not be understood.\n";
  return text.str();
}

namespace {

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  for (size_t k = 1; k < args.size(); ++k) {
    if (args[k] == "--help" || args[k] == "-h") {
      out << CliUsage();
      return kCliOk;
    }
    if (args[k] == "--version") {
      out << "virelo-cli " << VIRELO_VERSION << "\n";
      return kCliOk;
    }
  }
  if (args.size() < 2) return UsageError("no command given", err);
  for (const CliCommand& command : kCommands) {
    if (args[1] == command.name) return command.run(args, out, err);
  }
  for (const CliCommand& command : addedCommands()) {
    if (args[1] == command.name) return command.run(args, out, err);
  }
  return UsageError("unknown command \"" + args[1] + "\"", err);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const EngineReportCapture capture;
  const int status = RunCommandLine(args, out, err);
  // A report no command has printed with its own line (a warning on the
  // way to success) still reaches the user.
  err << TakeEngineReports();
  return status;
}

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::vector<std::string> args;
  for (int k = 0; k < argc; ++k) args.emplace_back(argv[k] ? argv[k] : "");
  return RunCli(args, out, err);
}
