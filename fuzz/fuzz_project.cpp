// Feeds arbitrary bytes to the project-file loader: every input must be
// either loaded or refused with a report, without a crash or a leak.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "diagnostics/report.h"
#include "engine/records.h"
#include "persistence/projectfile.h"

namespace {

// The input lives in an anonymous in-memory file, opened by path through
// /proc like any file the user picks.
int g_input = -1;
std::string g_path;

void ignoreError(const char*, const char*, int32_t, uint32_t) {}
void ignoreText(const char*, const char*, uint32_t) {}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Reports are formatted as usual but not printed: the fuzzer's own output
  // stays readable and fast.
  SetInstalledReportHandlers(ignoreError, ignoreText, ignoreText);
  InstallReportCallbacks();
  g_input = memfd_create("virelo-fuzz-project", 0);
  if (g_input < 0) return 1;
  g_path = "/proc/self/fd/" + std::to_string(g_input);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (ftruncate(g_input, 0) != 0) return 0;
  if (size > 0 && pwrite(g_input, data, size, 0) != static_cast<ssize_t>(size)) return 0;
  Project* project = virelo_LoadProject(g_path.c_str(), "rb");
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
