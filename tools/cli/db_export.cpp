// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli db-export: a contaminant database as CSV.
#include <cstdio>
#include <iostream>

#include "persistence/database.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

std::string DbExportUsage() {
  return "  db-export FILE.vrc\n"
         "      Writes a contaminant database as CSV to standard output.\n";
}

int RunDbExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("db-export takes one file name", err);
  const std::string& path = parsed.files[0];
  Project* project = virelo_AllocateProject();
  if (!project) return kCliFailed;
  if (!virelo_LoadDatabaseFile(project, path.c_str(), "virelo-cli db-export")) {
    std::fflush(stdout);
    err << "virelo-cli: cannot load the database \"" << path << "\"\n";
    virelo_FreeProject(project);
    return kCliFailed;
  }
  WriteDatabaseCsv(project->contaminants, project->contaminantCount, out);
  out.flush();
  virelo_FreeProject(project);
  return out ? kCliOk : kCliFailed;
}
