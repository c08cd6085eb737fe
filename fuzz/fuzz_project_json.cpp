// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary text to the JSON project reader of project-import. A
// refused text must say where it went wrong and leave no contaminant list
// behind; an accepted one must come back unchanged through its own JSON
// form, or the project written would not be the one the user described.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/project/records.h"
#include "persistence/project_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Project* project = virelo_AllocateProject();
  std::string error;
  if (!ProjectFromJson(text, project, &error)) {
    if (error.empty() || project->contaminants || project->contaminantCount != 0) __builtin_trap();
    virelo_FreeProject(project);
    return 0;
  }
  if (project->contaminantCount < 1 || !project->contaminants) __builtin_trap();
  for (int i = 0; i < project->contaminantCount; ++i) {
    if (project->contaminants[i].name[kNameCapacity - 1] != '\0') __builtin_trap();
  }
  const std::string written = ProjectToJson(*project);
  Project* again = virelo_AllocateProject();
  if (!ProjectFromJson(written, again, &error) || ProjectToJson(*again) != written ||
      again->contaminantCount != project->contaminantCount ||
      std::memcmp(&again->aquifer, &project->aquifer, sizeof(Aquifer)) != 0 ||
      std::memcmp(again->contaminants, project->contaminants,
                  sizeof(Contaminant) * static_cast<size_t>(project->contaminantCount)) != 0)
    __builtin_trap();
  virelo_FreeProject(again);
  virelo_FreeProject(project);
  return 0;
}
