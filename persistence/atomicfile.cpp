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
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

// Folder part of a path, up to and including its last separator; empty for a
// bare file name (the current folder).
std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The last part of a path: the file name.
std::string nameOf(const std::string& path) {
  return path.substr(folderOf(path).size());
}

// The folder, opened for the *at() calls: a target may use all 4095 bytes
// a path can have, and the path of its temporary beside it would not fit,
// so the temporary is only ever named relative to its folder.
int openFolder(const std::string& folder) {
  return open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

void removeTemporary(const std::string& temporaryPath) {
  const int folder = openFolder(folderOf(temporaryPath));
  if (folder < 0) return;
  unlinkat(folder, nameOf(temporaryPath).c_str(), 0);
  close(folder);
}

// A symbolic link is saved through the link: the file it
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

// Creates ".<name>.tmp-<6 random characters>" in `folder`, the name cut so
// that the whole stays within the 255 bytes a file name may have.
int createTemporary(int folder, const std::string& name, std::string* temporaryName) {
  constexpr size_t kMaxName = 255, kDecoration = 1 + 5 + 6;  // ".", ".tmp-", suffix
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate(1, '.');
    candidate.append(name, 0, kMaxName - kDecoration);
    candidate += ".tmp-";
    for (int k = 0; k < 6; ++k) candidate += kLetters[random() % (sizeof kLetters - 1)];
    const int fd = openat(folder, candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) {
      *temporaryName = candidate;
      return fd;
    }
  }
  return -1;
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
  // A longer path or name could still be made relative to its folder, but
  // never be opened again by its path.
  if (targetPath.size() >= PATH_MAX || name.size() > NAME_MAX) {
    errno = ENAMETOOLONG;
    return nullptr;
  }

  // Only a regular file we may write is replaced: a folder, a device or a
  // read-only file stays as it is.
  struct stat existing {};
  const bool exists = stat(targetPath.c_str(), &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || !writable(targetPath, existing))) return nullptr;

  // Hidden and recognisable, in the same folder so the rename stays on one
  // file system.
  const int folderFd = openFolder(folder);
  if (folderFd < 0) return nullptr;
  std::string temporaryName;
  const int fd = createTemporary(folderFd, name, &temporaryName);
  if (fd < 0) {
    close(folderFd);
    return nullptr;
  }
  takeOverAttributes(fd, exists ? &existing : nullptr);

  FILE* file = fdopen(fd, "wb");
  if (!file) {
    close(fd);
    unlinkat(folderFd, temporaryName.c_str(), 0);
    close(folderFd);
    return nullptr;
  }
  close(folderFd);
  *temporaryPath = folder + temporaryName;
  return file;
}

int AtomicFileCommit(FILE* file, const std::string& temporaryPath, const char* target) {
  if (!file) {
    if (!temporaryPath.empty()) removeTemporary(temporaryPath);
    return 0;
  }
  bool ok = fflush(file) == 0 && ferror(file) == 0;
  ok = ok && fsync(fileno(file)) == 0;
  ok = (fclose(file) == 0) && ok;
  const std::string targetPath = target ? resolvedTarget(target) : std::string();
  // The temporary was made in the target's folder; a target that has moved
  // to another folder since is not replaced.
  ok = ok && !targetPath.empty() && folderOf(targetPath) == folderOf(temporaryPath);
  const int folder = ok ? openFolder(folderOf(targetPath)) : -1;
  ok = ok && folder >= 0 &&
       renameat(folder, nameOf(temporaryPath).c_str(), folder, nameOf(targetPath).c_str()) == 0;
  if (!ok) {
    if (folder >= 0) close(folder);
    removeTemporary(temporaryPath);
    return 0;
  }
  // Makes the rename itself durable. Best effort: a folder that cannot be
  // synced does not make an otherwise complete save fail.
  fsync(folder);
  close(folder);
  return 1;
}

void AtomicFileDiscard(FILE* file, const std::string& temporaryPath) {
  if (file) fclose(file);
  if (!temporaryPath.empty()) removeTemporary(temporaryPath);
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
