// Feeds arbitrary bytes to the database loader, into a project that already
// holds a list: a refused file must leave that list exactly as it was.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/records.h"
#include "persistence/database.h"

namespace {

int g_input = -1;
std::string g_path;

void ignoreError(const char*, const char*, int32_t, uint32_t) {}
void ignoreText(const char*, const char*, uint32_t) {}

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
  SetInstalledReportHandlers(ignoreError, ignoreText, ignoreText);
  InstallReportCallbacks();
  g_input = memfd_create("virelo-fuzz-database", 0);
  if (g_input < 0) return 1;
  g_path = "/proc/self/fd/" + std::to_string(g_input);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (ftruncate(g_input, 0) != 0) return 0;
  if (size > 0 && pwrite(g_input, data, size, 0) != static_cast<ssize_t>(size)) return 0;
  Project* project = projectWithList();
  Contaminant* before = project->contaminants;
  if (virelo_LoadDatabaseFile(project, g_path.c_str(), "fuzz")) {
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
