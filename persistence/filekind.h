// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Which kind of file a path holds. A project and a contaminant database begin
// with the same format text; only the length behind their counts tells them
// apart (1879 + 216 n bytes against 12 + 216 n, never equal). A project may
// end in a settings block, which begins with a tag of its own.
#pragma once

#include <string>

enum class VireloFileKind {
  Unreadable,  // cannot be opened or read (errno says why)
  NotVirelo,   // does not begin with the format text
  Damaged,     // begins with it, but its length fits neither kind
  Project,
  Database,
};

VireloFileKind virelo_FileKind(const char* path);

// "a project", "a contaminant database", "not a Virelo file", ...
const char* virelo_FileKindText(VireloFileKind kind);

// "NAME is a contaminant database, not a project" when the file at `path` is
// of another kind than `wanted`; "NAME is not a Virelo file" and "NAME is a
// damaged Virelo file ..." likewise. Empty when the kind is `wanted` or the
// file cannot be read. `name` is the path as the user should see it.
std::string virelo_WrongKindText(const char* path, const std::string& name, VireloFileKind wanted);
