// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The generic contaminant database: where it is found, how it is loaded into
// and saved from a project's contaminant list, engine start-up and new
// projects.
#include "persistence/database.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "persistence/atomicfile.h"
#include "persistence/projectfile.h"

char genericDataPath[kPathCapacity];

namespace {

// Set by virelo_SetModulePathOverride; empty means /proc/self/exe decides.
std::string g_modulePathOverride;

bool isSeparator(char c) {
  return c == '/' || c == '\\';
}

// Copies `text` into a kPathCapacity buffer; a path too long for it is
// refused rather than cut, since a cut path names another file.
bool storePath(char* buffer, const std::string& text) {
  if (text.size() >= static_cast<size_t>(kPathCapacity)) {
    buffer[0] = '\0';
    return false;
  }
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return true;
}

// mkdir -p: every missing folder along the path is created; folders that
// exist already are fine.
void makeFolders(const std::string& path) {
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i == path.size() || isSeparator(path[i])) {
      const std::string prefix = path.substr(0, i);
      if (!prefix.empty() && !isSeparator(prefix.back())) mkdir(prefix.c_str(), 0777);
    }
  }
}

// A candidate counts only when it is a regular file we may read: a folder
// of that name opens on Linux but yields no data.
bool isReadableFile(const char* path) {
  FILE* file = fopen(path, "rb");
  if (!file) return false;
  struct stat info {};
  const bool regular = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
  fclose(file);
  return regular;
}

// Base of the per-user folder: $XDG_DATA_HOME, else $HOME/.local/share.
// Empty when neither names an absolute folder.
std::string userDataBase() {
  const char* xdg = getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = getenv("HOME");
  if (home && home[0] != '\0') {
    std::string base(home);
    while (base.size() > 1 && isSeparator(base.back())) base.pop_back();
    return base + (base == "/" ? "" : "/") + ".local/share";
  }
  return {};
}

std::string joinPath(std::string folder, const char* name) {
  if (!folder.empty() && !isSeparator(folder.back())) folder += '/';
  return folder + name;
}

// Removes "." and ".." lexically, so that the installed data folder reads
// /usr/share/virelo rather than /usr/bin/../share/virelo.
std::string lexicallyNormal(const std::string& path) {
  std::vector<std::string> parts;
  size_t begin = 0;
  while (begin <= path.size()) {
    size_t end = path.find('/', begin);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(begin, end - begin);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
      } else if (path.empty() || path[0] != '/') {
        parts.push_back(part);
      }
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    begin = end + 1;
  }
  std::string result = !path.empty() && path[0] == '/' ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) result += (i ? "/" : "") + parts[i];
  if (!parts.empty() && !path.empty() && path.back() == '/') result += '/';
  return result;
}

// The places a file installed with the program may live, in search order:
// beside the executable (a build tree, or an install that keeps everything
// in one folder), then the installed data folder.
std::vector<std::string> installedCandidates(const char* name) {
  char modulePath[kPathCapacity];
  virelo_GetModulePath(modulePath);
  char dataPath[kPathCapacity];
  virelo_GetInstalledDataPath(dataPath);
  std::vector<std::string> candidates{std::string(modulePath) + name};
  if (dataPath[0] != '\0') candidates.push_back(std::string(dataPath) + name);
  return candidates;
}

// The start-up search: the per-user database, then the installed copies.
// Each candidate is traced when `trace` is set. Empty when none is found.
std::string searchDatabase(bool trace) {
  const ReportCallbacks* callbacks = ActiveReportCallbacks();
  char folder[kPathCapacity];
  w32_GetApplicationDataPath(folder, kUserFolderName);
  std::vector<std::string> candidates;
  if (folder[0] != '\0') candidates.push_back(joinPath(folder, kDatabaseFileName));
  for (std::string& candidate : installedCandidates(kDatabaseFileName))
    candidates.push_back(std::move(candidate));
  for (const std::string& candidate : candidates) {
    if (trace) ReportDebug(callbacks, "virelo_w32_FindGenericData", "Searching in \"%s\"", candidate.c_str());
    if (candidate.size() < static_cast<size_t>(kPathCapacity) && isReadableFile(candidate.c_str()))
      return candidate;
  }
  return {};
}

void clearProjectInputs(Project* project) {
  for (int i = 0; i < project->contaminantCount; ++i) {
    project->contaminants[i].ca = 0.0;
    project->contaminants[i].c0 = 0.0;
    project->contaminants[i].lambdaSelected = 0;
  }
}

// Whether the file, positioned after its format text, holds more bytes than
// the count that follows announces. Leaves the position where it was. A file
// whose size is unknown (a pipe) is left to the loader.
bool longerThanItsCount(FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const long start = ftell(file);
  unsigned char count[2];
  const bool read = fread(count, 1, sizeof count, file) == sizeof count;
  fseek(file, start, SEEK_SET);
  if (!read) return false;
  const int16_t n = static_cast<int16_t>(count[0] | (count[1] << 8));
  if (n < 0) return false;  // the loader refuses it as an impossible list
  return info.st_size > start + 2 + static_cast<long>(n) * kContaminantRecordSize;
}

}  // namespace

void virelo_SetModulePathOverride(const char* directory) {
  g_modulePathOverride = directory ? directory : "";
  if (!g_modulePathOverride.empty() && !isSeparator(g_modulePathOverride.back())) g_modulePathOverride += '/';
}

void virelo_GetModulePath(char* buffer) {
  if (!buffer) return;
  buffer[0] = '\0';
  if (!g_modulePathOverride.empty()) {
    storePath(buffer, g_modulePathOverride);
    return;
  }
  char executable[kPathCapacity];
  const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
  if (length <= 0) return;
  executable[length] = '\0';
  // Up to and including the last separator: the folder, ready for a file name.
  char* last = nullptr;
  for (char* p = executable; *p; ++p)
    if (isSeparator(*p)) last = p;
  if (!last) return;
  last[1] = '\0';
  storePath(buffer, executable);
}

int w32_GetApplicationDataPath(char* buffer, const char* folderName) {
  if (!buffer) return 0;
  buffer[0] = '\0';

  std::string base = userDataBase();
  if (base.empty()) {
    // No per-user data folder is known: the program's own folder serves.
    ReportWarning(nullptr, "w32_GetApplicationDataPath", "Error opening AppData-key!");
    char modulePath[kPathCapacity];
    virelo_GetModulePath(modulePath);
    base = modulePath;
    while (base.size() > 1 && isSeparator(base.back())) base.pop_back();
  }

  if (!folderName) {
    storePath(buffer, base);
    return 0;
  }
  const std::string folder = joinPath(base, folderName);
  if (!storePath(buffer, folder)) return 0;
  makeFolders(folder);
  return 1;
}

void virelo_GetInstalledDataPath(char* buffer) {
  if (!buffer) return;
  buffer[0] = '\0';
  char modulePath[kPathCapacity];
  virelo_GetModulePath(modulePath);
  if (modulePath[0] == '\0') return;
  storePath(buffer, lexicallyNormal(std::string(modulePath) + kInstalledDataFolder));
}

int virelo_FindInstalledFile(const char* name, char* buffer) {
  if (!name || !buffer) return 0;
  const std::vector<std::string> candidates = installedCandidates(name);
  for (const std::string& candidate : candidates) {
    if (isReadableFile(candidate.c_str()) && storePath(buffer, candidate)) return 1;
  }
  storePath(buffer, candidates.front());
  return 0;
}

int virelo_LocateGenericData(char* buffer) {
  if (!buffer) return 0;
  return storePath(buffer, searchDatabase(false)) && buffer[0] != '\0';
}

int virelo_w32_FindGenericData() {
  const std::string found = searchDatabase(true);
  if (!found.empty() && storePath(genericDataPath, found)) return 1;
  std::memset(genericDataPath, 0, sizeof genericDataPath);
  return 0;
}

int virelo_Init() {
  InstallReportCallbacks();
  virelo_w32_FindGenericData();
  return 1;
}

void virelo_Exit() {
  RemoveReportCallbacks();
}

int virelo_LoadDatabaseFile(Project* project, const char* path, const char* module) {
  const ReportCallbacks* callbacks = ActiveReportCallbacks();
  if (!project || !path) return 0;
  FILE* file = OpenRegularFile(path, "rb");
  if (!file) {
    ReportWarning(callbacks, module, "Error opening generic data: %s!", path);
    return 0;
  }
  char header[kFormatTextLength] = {};
  if (fread(header, 1, sizeof header, file) != sizeof header ||
      std::memcmp(header, kFormatText, kFormatTextLength) != 0) {
    ReportWarning(callbacks, module, "This is not a valid contaminant-file!");
    fclose(file);
    return 0;
  }
  // A database ends with its last record. A longer file is another kind of
  // file that begins with the same text (a project): it is refused before
  // the project's list is touched.
  if (longerThanItsCount(file)) {
    ReportError(callbacks, "virelo_LoadContaminants", 0, "Error reading contaminants from file!");
    fclose(file);
    return 0;
  }
  // A damaged list is reported by the loader and leaves the project's list as
  // it was; the caller must not announce a successful load.
  const int loaded = virelo_LoadContaminants(project, file);
  fclose(file);
  if (!loaded) return 0;
  clearProjectInputs(project);
  return 1;
}

int virelo_SaveDatabaseFile(Project* project, const char* path, const char* module) {
  const ReportCallbacks* callbacks = ActiveReportCallbacks();
  if (!project || !path) return 0;
  std::string temporary;
  FILE* file = AtomicFileOpen(path, &temporary);
  if (!file) {
    ReportError(callbacks, module, 0, "Error creating: \"%s\"", path);
    return 0;
  }
  if (fwrite(kFormatText, 1, kFormatTextLength, file) != static_cast<size_t>(kFormatTextLength)) {
    ReportError(callbacks, module, 0, "Error writing file-header!");
    AtomicFileDiscard(file, temporary);
    return 0;
  }
  if (project->contaminantCount > 0) {
    if (!virelo_SaveContaminants(project, file, 1)) {
      AtomicFileDiscard(file, temporary);
      return 0;
    }
  } else {
    // An empty list still makes a file that loads again: the count 0.
    const unsigned char zeroCount[2] = {0, 0};
    if (fwrite(zeroCount, 1, sizeof zeroCount, file) != sizeof zeroCount) {
      ReportError(callbacks, "virelo_SaveContaminants", 0, "Error writing number of contaminants!");
      AtomicFileDiscard(file, temporary);
      return 0;
    }
  }
  if (!AtomicFileCommit(file, temporary, path)) {
    ReportError(callbacks, module, 0, "Error writing: \"%s\"", path);
    return 0;
  }
  return 1;
}

int virelo_LoadDefaultConts(Project* project) {
  if (genericDataPath[0] == '\0') {
    ReportWarning(ActiveReportCallbacks(), "virelo_LoadDefaultConts", "No generic contaminant-data found!");
    return 0;
  }
  return virelo_LoadDatabaseFile(project, genericDataPath, "virelo_LoadDefaultConts");
}

int virelo_LoadApplicationDefaultConts(Project* project) {
  char modulePath[kPathCapacity];
  virelo_GetModulePath(modulePath);
  ReportDebug(ActiveReportCallbacks(), "", "Apppath: %s", modulePath);
  char path[kPathCapacity];
  virelo_FindInstalledFile(kDatabaseFileName, path);
  return virelo_LoadDatabaseFile(project, path, "virelo_LoadApplicationDefaultConts");
}

int virelo_SaveDefaultConts(Project* project) {
  char folder[kPathCapacity];
  if (!w32_GetApplicationDataPath(folder, kUserFolderName)) {
    ReportError(ActiveReportCallbacks(), "virelo_SaveDefaultConts", 0, "Error creating: \"%s\"",
                kDatabaseFileName);
    return 0;
  }
  const std::string path = joinPath(folder, kDatabaseFileName);
  return virelo_SaveDatabaseFile(project, path.c_str(), "virelo_SaveDefaultConts");
}

Project* virelo_NewProject() {
  Project* project = virelo_AllocateProject();
  if (!project) return nullptr;
  CopyBounded(project->title, "NewProject", sizeof project->title);
  CopyBounded(project->version, kFormatText, sizeof project->version);
  // Without a database the project still comes into being, with no
  // contaminants; the load has said why.
  virelo_LoadDefaultConts(project);
  project->modified = 1;
  return project;
}
