// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli db-import: a contaminant database from CSV.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "diagnostics/util.h"
#include "persistence/database.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

std::string DbImportUsage() {
  return "  db-import FILE.csv OUT.vrc\n"
         "      Writes a contaminant database from CSV; any unreadable row is\n"
         "      reported with its line number and nothing is written.\n";
}

int RunDbImport(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 2) return UsageError("db-import takes two file names", err);
  const std::string& csvPath = parsed.files[0];
  const std::string& outPath = parsed.files[1];
  std::string text;
  if (!ReadWholeFile(csvPath, &text)) {
    err << "virelo-cli: cannot read \"" << csvPath << "\"\n";
    return kCliFailed;
  }
  std::vector<Contaminant> records;
  if (!ReadDatabaseCsv(text, csvPath, &records, err)) {
    err << "virelo-cli: nothing written to \"" << outPath << "\"\n";
    return kCliFailed;
  }
  if (records.empty() || records.size() > 32767) {
    err << "virelo-cli: " << csvPath << ": a database holds 1 to 32767 contaminants, the table has "
        << records.size() << "; nothing written to \"" << outPath << "\"\n";
    return kCliFailed;
  }
  Project* project = virelo_AllocateProject();
  if (!project) return kCliFailed;
  project->contaminants = virelo_AllocateContaminants(static_cast<long>(records.size()));
  if (!project->contaminants) {
    virelo_FreeProject(project);
    return kCliFailed;
  }
  std::memcpy(project->contaminants, records.data(), records.size() * sizeof(Contaminant));
  project->contaminantCount = static_cast<int16_t>(records.size());
  CopyBounded(project->version, kFormatText, sizeof project->version);
  const int saved = virelo_SaveDatabaseFile(project, outPath.c_str(), "virelo-cli db-import");
  virelo_FreeProject(project);
  if (!saved) {
    std::fflush(stdout);
    err << "virelo-cli: cannot write \"" << outPath << "\"\n";
    return kCliFailed;
  }
  return kCliOk;
}
