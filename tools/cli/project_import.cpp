// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli project-import: a project file from its JSON form.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <cstdio>
#include <iostream>
#include <iterator>

#include "engine/project/fulltexts.h"
#include "persistence/filekind.h"
#include "persistence/project_json.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

namespace {

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {
  }, second{};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

// A project file as the program writes it (a database file begins with the
// same text but is laid out differently).
bool LooksLikeProject(const std::string& path) {
  return virelo_FileKind(path.c_str()) == VireloFileKind::Project;
}

// Whether `project`, saved, would give exactly the bytes of the file at
// `path`. The project is saved once to a scratch file for the comparison.
bool WouldWriteSame(Project* project, const std::string& path, bool* same) {
  std::string scratch = (std::filesystem::temp_directory_path() / "virelo-import-XXXXXX").string();
  const int handle = mkstemp(scratch.data());
  if (handle < 0) return false;
  close(handle);
  std::string written, existing;
  const bool saved = virelo_SaveProject(project, scratch.c_str()) == 1 && ReadWholeFile(scratch, &written);
  std::remove(scratch.c_str());
  project->path[0] = '\0';
  if (!saved || !ReadWholeFile(path, &existing)) return false;
  *same = written == existing;
  return true;
}

}  // namespace

std::string ProjectImportUsage() {
  return "  project-import FILE.json OUT.vrp [--force]\n"
         "      Writes the project described by FILE.json (\"-\" reads standard input)\n"
         "      to OUT.vrp. An existing OUT.vrp that holds anything else (another\n"
         "      project, or no project at all) is kept unless --force is given.\n";
}

int RunProjectImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  (void)out;
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--force", false}}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 2) return UsageError("project-import takes a JSON file and a project file", err);
  const std::string& source = parsed.files[0];
  const std::string& target = parsed.files[1];

  std::string text;
  if (source == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else if (!ReadWholeFile(source, &text)) {
    const int error = errno;
    return ReadFailure(source, std::strerror(error), err);
  }
  if (source != "-" && SameFile(source, target)) {
    err << "virelo-cli: " << target << " is the JSON file being read; choose another output\n";
    return kCliFailed;
  }
  struct stat existing {};
  if (!parsed.has("--force") && stat(target.c_str(), &existing) == 0 && !LooksLikeProject(target)) {
    err << "virelo-cli: " << target << " exists and is not a project file; use --force to replace it\n";
    return kCliFailed;
  }

  ProjectHandle project(virelo_AllocateProject());
  if (!project) return kCliFailed;
  if (!ProjectFromJson(text, project.get(), &error)) {
    err << "virelo-cli: " << source << ": " << error << "\n";
    return kCliFailed;
  }
  RefreshDispersivities(project.get(), source, "; the project is written with the values derived from x",
                        err);
  // Another project under the same name is somebody's work: it is replaced
  // only when asked to, as db-import does with a file of another kind.
  bool same = false;
  if (!parsed.has("--force") && stat(target.c_str(), &existing) == 0) {
    if (!WouldWriteSame(project.get(), target, &same)) {
      err << "virelo-cli: cannot compare " << target << " with the imported project\n" << TakeEngineReports();
      return kCliFailed;
    }
    if (!same) {
      err << "virelo-cli: " << target << " exists and holds a different project; use --force to replace it\n";
      return kCliFailed;
    }
  }
  // The engine's own save: written beside the target and renamed over it.
  if (!virelo_SaveProject(project.get(), target.c_str())) {
    std::fflush(stdout);
    err << "virelo-cli: cannot write " << target << "\n";
    return kCliFailed;
  }
  // Older readers see only the single-byte fields: the user learns what
  // they hold where a text did not fit them.
  for (const std::string& note : StoredFormNotes(*project)) err << "virelo-cli: note: " << note << "\n";
  return kCliOk;
}
