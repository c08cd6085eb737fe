// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli db-import: a contaminant database from CSV.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <sstream>

#include "diagnostics/util.h"
#include "persistence/database.h"
#include "persistence/filekind.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

std::string DbImportUsage() {
  return "  db-import FILE.csv OUT.vrc [--force]\n"
         "      Writes a contaminant database from CSV (comma or semicolon\n"
         "      separated; UTF-8, Windows-1252 or Latin-1). Any unsound row is\n"
         "      reported with its line number and nothing is written. An existing\n"
         "      OUT.vrc that is not a contaminant database is replaced only\n"
         "      with --force; the input itself never.\n";
}

namespace {

// Why the table at `path` cannot be read: empty when it is a readable file
// that is not one of Virelo's own (arguments given the wrong way round).
std::string InputProblem(const std::string& path) {
  const VireloFileKind kind = virelo_FileKind(path.c_str());
  if (kind == VireloFileKind::Unreadable) return std::strerror(errno);
  if (kind == VireloFileKind::NotVirelo) return "";
  return path + " is " + virelo_FileKindText(kind) +
         ", not a CSV table (db-import reads FILE.csv and writes OUT.vrc)";
}

// Why `outPath` must not be replaced: empty when it may.
std::string OutputProblem(const std::string& csvPath, const std::string& outPath, bool force) {
  struct stat in {};
  struct stat out {};
  if (stat(outPath.c_str(), &out) != 0) return "";  // a new file
  if (stat(csvPath.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
    return "it is the table being read, " + csvPath;
  if (force) return "";
  const VireloFileKind kind = virelo_FileKind(outPath.c_str());
  if (kind == VireloFileKind::Database) return "";
  std::string what = outPath + " exists and is not a contaminant database";
  if (kind == VireloFileKind::Project) what = outPath + " is a project, not a contaminant database";
  if (kind == VireloFileKind::Unreadable)
    what = outPath + " exists and cannot be read (" + std::strerror(errno) + ")";
  return what + "; --force replaces it";
}

}  // namespace

int RunDbImport(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--force"}}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 2) return UsageError("db-import takes two file names", err);
  const std::string& csvPath = parsed.files[0];
  const std::string& outPath = parsed.files[1];

  std::string problem = InputProblem(csvPath);
  std::string text;
  if (problem.empty() && !ReadWholeFile(csvPath, &text)) problem = std::strerror(errno);
  if (problem.empty() && text.find('\0') != std::string::npos)
    problem = csvPath + " holds zero bytes: it is not a CSV table";
  if (!problem.empty()) return ReadFailure(csvPath, problem, err);
  problem = OutputProblem(csvPath, outPath, parsed.has("--force"));
  if (!problem.empty()) return WriteFailure(outPath, problem, err);

  std::vector<Contaminant> records;
  std::ostringstream refusals;
  if (!ReadDatabaseCsv(text, csvPath, &records, refusals)) {
    err << "virelo-cli: cannot read " << csvPath << ": some rows are not sound; nothing written to "
        << outPath << "\n"
        << refusals.str();
    return kCliFailed;
  }
  if (records.empty() || records.size() > 32767) {
    return ReadFailure(csvPath,
                       "a database holds 1 to 32767 contaminants, the table has " +
                           std::to_string(records.size()) + "; nothing written to " + outPath,
                       err);
  }
  Project* project = virelo_AllocateProject();
  if (!project) return WriteFailure(outPath, "out of memory", err);
  project->contaminants = virelo_AllocateContaminants(static_cast<long>(records.size()));
  if (!project->contaminants) {
    virelo_FreeProject(project);
    return WriteFailure(outPath, "out of memory", err);
  }
  std::memcpy(project->contaminants, records.data(), records.size() * sizeof(Contaminant));
  project->contaminantCount = static_cast<int16_t>(records.size());
  CopyBounded(project->version, kFormatText, sizeof project->version);
  errno = 0;
  const int saved = virelo_SaveDatabaseFile(project, outPath.c_str(), "virelo-cli db-import");
  const int reason = errno;
  virelo_FreeProject(project);
  if (!saved)
    return WriteFailure(outPath, reason ? std::strerror(reason) : "the file could not be written", err);
  return kCliOk;
}
