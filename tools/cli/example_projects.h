// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The example projects shipped in examples/, made from a contaminant
// database by our own persistence code so that they always match the file
// format and the bundled database.
#pragma once

#include <string>
#include <vector>

struct ExampleProject {
  const char* fileName;  // e.g. "worked-example.vrp"
  const char* summary;   // one line for examples/README.md
};

// The projects WriteExampleProjects makes, in the order it makes them.
const std::vector<ExampleProject>& ExampleProjects();

// Loads the database at `databasePath` and writes every example project
// into `folder`. Reports through the engine; returns 1 when all were written.
int WriteExampleProjects(const char* databasePath, const char* folder);
