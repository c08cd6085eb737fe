// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli project-export: a project file in its JSON form.
#include <iostream>

#include "persistence/project_json.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

std::string ProjectExportUsage() {
  return "  project-export FILE.vrp\n"
         "      Writes the whole project as JSON to standard output; project-import\n"
         "      turns it back into the same file.\n";
}

int RunProjectExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("project-export takes one file name", err);
  // The file as it is, also where its dispersivities are stale: the import
  // brings them up to date and says so.
  ProjectHandle project = LoadAssessedProject(parsed.files[0], err, false);
  if (!project) return kCliFailed;
  out << ProjectToJson(*project);
  out.flush();
  return out ? kCliOk : kCliFailed;
}
