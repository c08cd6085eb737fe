// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary bytes to the project-file loader: every input must be
// either loaded or refused with a report, without a crash or a leak.
#include <cstddef>
#include <cstdint>

#include "engine/project/records.h"
#include "fuzz/fuzz_input.h"
#include "persistence/projectfile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return fuzz_input::Initialise("virelo-fuzz-project");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!fuzz_input::Fill(data, size)) return 0;
  Project* project = virelo_LoadProject(fuzz_input::Path(), "rb");
  if (project) {
    // A loaded project is consistent: its list matches its count and no file
    // is left open.
    if (project->file || project->contaminantCount < 0 ||
        (project->contaminantCount > 0 && !project->contaminants))
      __builtin_trap();
    for (int i = 0; i < project->contaminantCount; ++i) {
      if (project->contaminants[i].name[kNameCapacity - 1] != '\0') __builtin_trap();
    }
  }
  virelo_FreeProject(project);
  return 0;
}
