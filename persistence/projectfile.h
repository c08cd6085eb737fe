// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The binary project file (*.vrp) and the contaminant record format shared
// with the database file.
#pragma once

#include <cstdio>

#include "engine/project/records.h"

constexpr long kContaminantRecordSize = 216;
constexpr long kAquiferBlockSize = 80;
constexpr long kProjectHeaderSize = 1879;  // bytes before the first contaminant record

// Saves to `path` (or, when null, to the project's own path; an empty path
// returns 0 silently). Writes a temporary file beside the target and renames
// it over the target only when every step succeeded, so a failed save leaves
// an existing file untouched. Returns 1 on success (modified := 0).
int virelo_SaveProject(Project* project, const char* path);
// Loads a project; null (after reporting) on failure. mode is "rb".
Project* virelo_LoadProject(const char* path, const char* mode);

int virelo_SaveAquifer(Project* project);
int virelo_LoadAquifer(Project* project);
// Writes the count and the records at the current position of `file` (or
// the project's open file). forDatabase blanks the per-project inputs in the
// written copy. Returns 0 for an empty list without writing.
int virelo_SaveContaminants(Project* project, FILE* file, int forDatabase);
// Reads the count and records into a new list; the project's list is
// replaced only on success. Returns 1 or 0.
int virelo_LoadContaminants(Project* project, FILE* file);

// Field-by-field encoding of one record (216 bytes), little-endian.
void virelo_EncodeContaminant(const Contaminant* c, unsigned char out[kContaminantRecordSize]);
void virelo_DecodeContaminant(const unsigned char in[kContaminantRecordSize], Contaminant* c);
