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
// finally points to (which need not exist yet) is replaced and the link
// stays. Empty for a chain of links that never ends.
std::string resolvedTarget(const char* target) {
  std::string path = target;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::vector<char> text(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4095) + 1);
    const ssize_t length = readlink(path.c_str(), text.data(), text.size());
    if (length <= 0 || static_cast<size_t>(length) >= text.size()) return path;
    const std::string next(text.data(), static_cast<size_t>(length));
    path = next[0] == '/' ? next : folderOf(path) + next;
  }
  return {};
}

// The process's umask, read once before main() runs: reading it means
// setting it, and doing that at every save would hand any file another
// thread creates meanwhile a umask of 0.
const mode_t kProcessUmask = [] {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}();
mode_t ProcessUmask() {
  return kProcessUmask;
}

// Whether the file we would replace may be written. access() lets root
// write anything, so a file whose mode bits forbid writing to us (or, for
// root, to everyone) counts as read-only as well: it was marked so on
// purpose and must not be replaced behind its owner's back.
bool writable(const std::string& path, const struct stat& info) {
  if (access(path.c_str(), W_OK) != 0) return false;
  if (info.st_uid == geteuid()) return (info.st_mode & S_IWUSR) != 0;
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// The new file takes the place of the old one with its owner, group and
// permission bits. Owner and group are set where we may (root may set both,
// a member of the old file's group may set the group); the bits always.
// Without an old file: the usual 0666 less the process's umask.
void takeOverAttributes(int fd, const struct stat* existing) {
  if (existing) {
    if (fchown(fd, existing->st_uid, existing->st_gid) != 0) {
      if (fchown(fd, static_cast<uid_t>(-1), existing->st_gid) != 0) {
        // Neither is ours to set: the file stays ours, as a fresh one would.
      }
    }
    // Read, write and execute bits only: a set-user-ID bit would turn a
    // file the user saves into something else.
    fchmod(fd, existing->st_mode & 0777);
    return;
  }
  fchmod(fd, 0666 & ~ProcessUmask());
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
  if (targetPath.empty()) return nullptr;
  const std::string folder = folderOf(targetPath);
  std::string name = targetPath.substr(folder.size());
  if (name.empty()) return nullptr;  // a folder is no file to replace

  // Only a regular file we may write is replaced: a folder, a device or a
  // read-only file stays as it is.
  struct stat existing {};
  const bool exists = stat(targetPath.c_str(), &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || !writable(targetPath, existing))) return nullptr;

  // Hidden and recognisable, in the same folder so the rename stays on one
  // file system.
  std::string pattern = folder + "." + name + ".tmp-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = mkostemp(buffer.data(), O_CLOEXEC);
  if (fd < 0) return nullptr;
  takeOverAttributes(fd, exists ? &existing : nullptr);

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

FILE* OpenRegularFile(const char* path, const char* mode) {
  if (!path || !mode) return nullptr;
  FILE* file = fopen(path, mode);
  if (!file) return nullptr;
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    fclose(file);
    errno = EISDIR;
    return nullptr;
  }
  return file;
}
