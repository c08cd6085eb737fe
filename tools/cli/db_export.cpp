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
         "      Writes a contaminant database as CSV to standard output. The\n"
         "      source column names the literature source of each value that\n"
         "      the bundled table holds, and \"edited value, no source\" for others.\n";
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
    virelo_FreeProject(project);
    return ReadFailure(path, ReadFailureReason(path, VireloFileKind::Database), err);
  }
  // The source column says where each value comes from: the bundled
  // literature table, or nowhere.
  LiteratureTable table;
  const bool haveTable = LoadBundledLiteratureTable(&table);
  if (!haveTable) {
    char path[kPathCapacity];
    virelo_FindInstalledFile(kLiteratureTableFileName, path);
    err << "virelo-cli: cannot read " << path
        << ": the literature table is missing or unsound; the source column stays empty\n";
  }
  WriteDatabaseCsv(project->contaminants, project->contaminantCount, out, haveTable ? &table : nullptr);
  out.flush();
  virelo_FreeProject(project);
  return out ? kCliOk : kCliFailed;
}
