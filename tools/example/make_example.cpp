// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Writes the example projects of examples/ from a contaminant database.
// Usage: make_example DATABASE.vrc FOLDER
#include <cstdio>

#include "tools/cli/example_projects.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: make_example DATABASE.vrc FOLDER\n");
    return 2;
  }
  return WriteExampleProjects(argv[1], argv[2]) ? 0 : 1;
}
