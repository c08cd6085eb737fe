// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary bytes to the database loader, into a project that already
// holds a list: a refused file must leave that list exactly as it was.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "diagnostics/util.h"
#include "engine/project/records.h"
#include "fuzz/fuzz_input.h"
#include "persistence/database.h"

namespace {

Project* projectWithList() {
  Project* project = virelo_AllocateProject();
  project->contaminants = virelo_AllocateContaminants(2);
  project->contaminantCount = 2;
  CopyBounded(project->contaminants[0].name, "Benzene", kNameCapacity);
  CopyBounded(project->contaminants[1].name, "Toluene", kNameCapacity);
  project->contaminants[1].c0 = 42.0;
  return project;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return fuzz_input::Initialise("virelo-fuzz-database");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!fuzz_input::Fill(data, size)) return 0;
  Project* project = projectWithList();
  Contaminant* before = project->contaminants;
  if (virelo_LoadDatabaseFile(project, fuzz_input::Path(), "fuzz")) {
    for (int i = 0; i < project->contaminantCount; ++i) {
      const Contaminant& c = project->contaminants[i];
      if (c.ca != 0.0 || c.c0 != 0.0 || c.lambdaSelected != 0 || c.name[kNameCapacity - 1] != '\0')
        __builtin_trap();
    }
  } else if (project->contaminants != before || project->contaminantCount != 2 ||
             std::strcmp(project->contaminants[1].name, "Toluene") != 0 ||
             project->contaminants[1].c0 != 42.0) {
    __builtin_trap();
  }
  virelo_FreeProject(project);
  return 0;
}
