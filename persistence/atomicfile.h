// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Replacing a file only when the new contents were written completely.
#pragma once

#include <cstdio>
#include <string>

// Opens a temporary file in the folder of `target` (of the file it names
// when it is a symbolic link), with the permission bits, owner and group of
// the file it will replace. Returns null when the target exists but is not a
// regular file we may write (a folder, a read-only file) or when no
// temporary can be made there.
FILE* AtomicFileOpen(const char* target, std::string* temporaryPath);
// Flushes, syncs and closes `file`, then renames the temporary over the
// target. Returns 1 on success; on failure removes the temporary, returns 0.
int AtomicFileCommit(FILE* file, const std::string& temporaryPath, const char* target);
// Closes `file` (when not null) and removes the temporary.
void AtomicFileDiscard(FILE* file, const std::string& temporaryPath);
// fopen for reading that refuses what is not a regular file: on Linux a
// folder opens, and then only fails to read.
FILE* OpenRegularFile(const char* path, const char* mode);
