// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli new: an empty project written as File > New and then Save
// would write it, for scripts that build a project step by step.
#include <filesystem>
#include <ostream>

#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "persistence/database.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

std::string NewProjectUsage() {
  return "  new FILE.vrp [--title T] [--unit U]\n"
         "      Writes a new project as File > New and Save do: the contaminant\n"
         "      database's contaminants, no inputs yet, the title T (NewProject by\n"
         "      default) and the concentration unit U (ug/L by default). An existing\n"
         "      file is never replaced.\n";
}

int RunNewProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--title", true}, {"--unit", true}}, &parsed, &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("new takes one project file", err);
  const std::string& path = parsed.files[0];
  std::error_code code;
  if (std::filesystem::exists(path, code) || code) {
    err << "virelo-cli: " << path << " exists already; new writes only a file that does not\n";
    return kCliFailed;
  }
  if (parsed.values.count("--unit")) {
    const std::string& unit = parsed.values.at("--unit");
    if (unit.empty() || unit.find_first_of("\r\n\t") != std::string::npos)
      return UsageError("--unit takes a concentration unit such as ug/L or mg/L", err);
  }
  // The program's start-up chooses the database a new project takes its
  // contaminants from; the command line chooses the same one.
  if (!genericDataPath[0]) virelo_LocateGenericData(genericDataPath);
  ProjectHandle project(virelo_NewProject());
  if (!project) return kCliFailed;
  if (parsed.values.count("--title"))
    SetProjectTextUtf8(project.get(), ProjectTextField::kTitle, parsed.values.at("--title"));
  if (parsed.values.count("--unit"))
    virelo_Extras(project.get()).settings.concentrationUnit = parsed.values.at("--unit");
  if (!virelo_SaveProject(project.get(), path.c_str())) return WriteFailure(path, "the save failed", err);
  out << path << ": a new project\n";
  return kCliOk;
}
