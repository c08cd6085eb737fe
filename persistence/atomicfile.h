// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Replacing a file only when the new contents were written completely.
#pragma once

#include <cstdio>
#include <string>

// Opens a temporary file in the folder of `target`. Returns null on failure.
FILE* AtomicFileOpen(const char* target, std::string* temporaryPath);
// Flushes, syncs and closes `file`, then renames the temporary over the
// target. Returns 1 on success; on failure removes the temporary, returns 0.
int AtomicFileCommit(FILE* file, const std::string& temporaryPath, const char* target);
// Closes `file` (when not null) and removes the temporary.
void AtomicFileDiscard(FILE* file, const std::string& temporaryPath);
