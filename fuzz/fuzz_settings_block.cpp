// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary bytes to the project loader as the settings block behind a
// sound project. The first byte chooses the form: even, the bytes follow the
// last record as they are; odd, they are the payload, wrapped in a header
// with the right length and checksum, so the JSON reader behind the checksum
// is reached too.
//
// Whatever the block, the project part must open; settings that were read
// must survive being written and read again unchanged; settings that were not
// must leave the defaults and a reason behind.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "fuzz/fuzz_input.h"
#include "persistence/crc32.h"
#include "persistence/projectfile.h"
#include "persistence/settingsblock.h"

namespace {

std::string g_project;  // the project part every input is appended to

// A small project with names the payload may refer to.
std::string ProjectPart() {
  Project* p = virelo_AllocateProject();
  p->contaminants = virelo_AllocateContaminants(2);
  p->contaminantCount = 2;
  CopyBounded(p->contaminants[0].name, "Benzene", kNameCapacity);
  CopyBounded(p->contaminants[1].name, "MTBE", kNameCapacity);
  // The save writes beside its target and renames, so it needs a folder.
  char folder[] = "/tmp/virelo-fuzz-XXXXXX";
  if (!mkdtemp(folder)) return {};
  const std::string path = std::string(folder) + "/part.vrp";
  std::string bytes;
  if (virelo_SaveProject(p, path.c_str())) {
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
      char chunk[4096];
      size_t got;
      while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
      std::fclose(file);
    }
  }
  virelo_FreeProject(p);
  std::remove(path.c_str());
  rmdir(folder);
  return bytes;
}

void PutU32(std::string* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool SameSettings(const ProjectSettings& a, const ProjectSettings& b) {
  return a.concentrationUnit == b.concentrationUnit && a.verdictBasis == b.verdictBasis &&
         a.plumeRange == b.plumeRange && a.afRange == b.afRange && a.lambdaSources == b.lambdaSources;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (fuzz_input::Initialise("virelo-fuzz-settings")) return 1;
  g_project = ProjectPart();
  return g_project.empty() ? 1 : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string file = g_project;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) {
    file.append(reinterpret_cast<const char*>(kSettingsTag), kSettingsTagSize);
    file.push_back(static_cast<char>(kSettingsBlockVersion & 0xFF));
    file.push_back(static_cast<char>(kSettingsBlockVersion >> 8));
    PutU32(&file, static_cast<uint32_t>(rest.size()));
    PutU32(&file, Crc32(rest.data(), rest.size()));
  }
  file += rest;
  if (!fuzz_input::Fill(reinterpret_cast<const uint8_t*>(file.data()), file.size())) return 0;

  const size_t behind = file.size() - g_project.size();
  const bool block =
      behind == 0 ||
      IsSettingsBlockStart(reinterpret_cast<const unsigned char*>(file.data()) + g_project.size(), behind);
  Project* project = virelo_LoadProject(fuzz_input::Path(), "rb");
  // A sound project part opens whenever a block is recognised, and only then.
  if ((project != nullptr) != block) __builtin_trap();
  if (!project) return 0;
  if (project->contaminantCount != 2 || project->file) __builtin_trap();

  const ProjectExtras& extras = virelo_ExtrasOf(*project);
  if (extras.settingsUnreadable) {
    if (extras.settingsProblem.empty() || !SameSettings(extras.settings, ProjectSettings{})) __builtin_trap();
  } else {
    const ProjectSettings& s = extras.settings;
    if (!IsAssessmentRangeIndex(s.plumeRange) || !IsAssessmentRangeIndex(s.afRange)) __builtin_trap();
    // What was read is written back and read again unchanged.
    const std::string encoded = EncodeSettingsBlock(*project);
    Project* again = virelo_AllocateProject();
    again->contaminants = project->contaminants;
    again->contaminantCount = project->contaminantCount;
    std::string reason;
    if (!encoded.empty() && !DecodeSettingsBlock(encoded, again, &reason)) __builtin_trap();
    // Sources of names outside the list are not written; compare the rest.
    ProjectSettings kept = s;
    for (auto it = kept.lambdaSources.begin(); it != kept.lambdaSources.end();) {
      const bool listed =
          it->first == project->contaminants[0].name || it->first == project->contaminants[1].name;
      it = listed ? std::next(it) : kept.lambdaSources.erase(it);
    }
    if (!SameSettings(virelo_SettingsOf(*again), kept)) __builtin_trap();
    again->contaminants = nullptr;
    again->contaminantCount = 0;
    virelo_FreeProject(again);
  }
  virelo_FreeProject(project);
  return 0;
}
