// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Writing a file beside its target and renaming it over the target only once
// every byte has reached the disk, so that a save that fails half-way never
// leaves a truncated project or database behind.
#include "persistence/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Folder part of a path, up to and including its last separator; empty for a
// bare file name (the current folder).
std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A target that is a symbolic link is saved through the link: the file it
// points to is replaced and the link stays.
std::string resolvedTarget(const char* target) {
  struct stat link {};
  if (lstat(target, &link) == 0 && S_ISLNK(link.st_mode)) {
    if (char* real = realpath(target, nullptr)) {
      std::string resolved(real);
      free(real);
      return resolved;
    }
  }
  return target;
}

// The permissions a freshly created file would get: those of the file being
// replaced, else the usual 0666 less the process's umask.
mode_t targetMode(const char* target) {
  struct stat existing {};
  if (stat(target, &existing) == 0 && S_ISREG(existing.st_mode)) return existing.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Makes the rename itself durable. Best effort: a folder that cannot be
// opened or synced does not make an otherwise complete save fail.
void syncFolder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

FILE* AtomicFileOpen(const char* target, std::string* temporaryPath) {
  if (temporaryPath) temporaryPath->clear();
  if (!target || !*target || !temporaryPath) return nullptr;

  const std::string targetPath = resolvedTarget(target);
  const std::string folder = folderOf(targetPath);
  std::string name = targetPath.substr(folder.size());
  if (name.empty()) return nullptr;  // a folder is no file to replace

  // Hidden and recognisable, in the same folder so the rename stays on one
  // file system.
  std::string pattern = folder + "." + name + ".tmp-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = mkostemp(buffer.data(), O_CLOEXEC);
  if (fd < 0) return nullptr;
  fchmod(fd, targetMode(target));

  FILE* file = fdopen(fd, "wb");
  if (!file) {
    close(fd);
    unlink(buffer.data());
    return nullptr;
  }
  temporaryPath->assign(buffer.data());
  return file;
}

int AtomicFileCommit(FILE* file, const std::string& temporaryPath, const char* target) {
  if (!file) {
    if (!temporaryPath.empty()) unlink(temporaryPath.c_str());
    return 0;
  }
  bool ok = fflush(file) == 0 && ferror(file) == 0;
  ok = ok && fsync(fileno(file)) == 0;
  ok = (fclose(file) == 0) && ok;
  const std::string targetPath = target ? resolvedTarget(target) : std::string();
  ok = ok && !targetPath.empty() && rename(temporaryPath.c_str(), targetPath.c_str()) == 0;
  if (!ok) {
    unlink(temporaryPath.c_str());
    return 0;
  }
  syncFolder(folderOf(targetPath));
  return 1;
}

void AtomicFileDiscard(FILE* file, const std::string& temporaryPath) {
  if (file) fclose(file);
  if (!temporaryPath.empty()) unlink(temporaryPath.c_str());
}
