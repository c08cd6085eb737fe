// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The generic contaminant database "generic.vrc", the search for it, engine
// start-up and the creation of new projects.
#pragma once

#include "engine/project/records.h"

constexpr const char* kDatabaseFileName = "generic.vrc";
constexpr const char* kUserFolderName = "Virelo";

// Full path of the database chosen at start-up, or empty. Like the module
// path override below, set before any other thread runs and only read after.
// Every other function here may be called from any thread.
extern char genericDataPath[kPathCapacity];

// Installs the report callbacks and searches the database. Returns 1.
int virelo_Init();
// Removes the report callbacks.
void virelo_Exit();

// The start-up search: the per-user database, then beside the executable,
// then the installed data folder; each candidate is traced. Returns 1 and
// sets genericDataPath when a database was found, else 0.
int virelo_w32_FindGenericData();
// Fills buffer (kPathCapacity bytes) with the per-user data folder base
// ($XDG_DATA_HOME, else $HOME/.local/share, else the executable's folder
// after a warning); with a folder name appends "/name", creates it and
// returns 1; without one returns 0.
int w32_GetApplicationDataPath(char* buffer, const char* folderName);
// Directory of the running executable, with its trailing "/".
void virelo_GetModulePath(char* buffer);
// Makes virelo_GetModulePath answer `directory` (a trailing "/" is added)
// instead of the folder of /proc/self/exe; null or empty restores the real
// folder. For tests and for installs whose data lives apart from the binary.
void virelo_SetModulePathOverride(const char* directory);

// Where an installation keeps its data, relative to the executable's folder.
constexpr const char* kInstalledDataFolder = "../share/virelo/";
constexpr const char* kManualFileName = "manual.pdf";

// The installed data folder: the executable's folder joined with
// kInstalledDataFolder, "." and ".." removed, with a trailing "/".
void virelo_GetInstalledDataPath(char* buffer);
// Looks for a file installed with the program: beside the executable (the
// build tree), then in the installed data folder. Fills buffer (kPathCapacity
// bytes) with the first that is a readable file and returns 1; when none is,
// fills it with the path beside the executable and returns 0.
int virelo_FindInstalledFile(const char* name, char* buffer);
// The database start-up would choose now (per-user copy, then the installed
// ones), without tracing and without changing genericDataPath. Returns 1 and
// the path, or 0 and an empty buffer.
int virelo_LocateGenericData(char* buffer);

int virelo_LoadDefaultConts(Project* project);
// Loads the installed copy (virelo_FindInstalledFile), never the per-user one.
int virelo_LoadApplicationDefaultConts(Project* project);
// Writes the per-user database atomically. Returns 1 only when every record
// was written.
int virelo_SaveDefaultConts(Project* project);
Project* virelo_NewProject();

// Loads a database file at `path` into the project (format text checked,
// per-project inputs cleared). Reports under `module`. Returns 1 or 0.
int virelo_LoadDatabaseFile(Project* project, const char* path, const char* module);
// Writes a database file atomically at `path`. Returns 1 or 0.
int virelo_SaveDatabaseFile(Project* project, const char* path, const char* module);
