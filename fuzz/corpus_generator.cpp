// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Writes the fuzzers' seed files with Virelo's own writers:
//   virelo_fuzz_corpus <project folder> <database folder> [<settings block folder>]
#include <cstdio>
#include <string>

#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "persistence/database.h"
#include "persistence/extras_json.h"
#include "persistence/projectfile.h"
#include "persistence/settingsblock.h"

namespace {

Project* sampleProject(int count) {
  Project* p = virelo_AllocateProject();
  CopyBounded(p->title, "Seed project", sizeof p->title);
  CopyBounded(p->description, "Two lines\r\nof description", sizeof p->description);
  CopyBounded(p->author, "Seed", sizeof p->author);
  virelo_SetAquiferValue(&p->aquifer, kAquiferX, 250.0);
  virelo_SetAquiferValue(&p->aquifer, kAquiferKf, 8.64);
  virelo_SetAquiferValue(&p->aquifer, kAquiferNe, 0.25);
  virelo_SetAquiferValue(&p->aquifer, kAquiferI, 0.003);
  p->aquifer.redoxCondition = 1;
  p->approximateDispersivity = 1;
  p->contaminants = virelo_AllocateContaminants(count);
  p->contaminantCount = static_cast<int16_t>(count);
  for (int i = 0; i < count; ++i) {
    Contaminant& c = p->contaminants[i];
    c.group = i % 8;
    std::snprintf(c.name, sizeof c.name, "Seed substance %d", i);
    virelo_SetLambda(&c, kLambdaAerobic, 0.01 * (i + 1));
    virelo_SetLambda(&c, kLambdaUser, 0.2);
    c.lambdaSelected = kLambdaAerobic;
    virelo_SetContaminantValue(&c, kValueLiteraturePlumeLength, 100.0 + i);
    virelo_SetContaminantValue(&c, kValueC0, 10.0);
    virelo_SetContaminantValue(&c, kValueCa, 0.01);
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  return p;
}

// Every setting away from its default, so each codec path has a seed.
void chooseSettings(Project* p) {
  ProjectSettings& s = virelo_Extras(p).settings;
  s.concentrationUnit = "mg/m\xC2\xB3";
  s.verdictBasis = VerdictBasis::Worse;
  s.plumeRange = 2;
  s.afRange = 3;
  SetLambdaSource(&s, p->contaminants[0].name, "Seed study,\nline two");
}

bool writeFile(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s PROJECT_DIR DATABASE_DIR [SETTINGS_DIR]\n", argv[0]);
    return 2;
  }
  const std::string projects = argv[1], databases = argv[2];
  int failures = 0;
  for (int count : {1, 3}) {
    Project* p = sampleProject(count);
    failures += !virelo_SaveProject(p, (projects + "/seed-" + std::to_string(count) + ".vrp").c_str());
    failures +=
        !virelo_SaveDatabaseFile(p, (databases + "/seed-" + std::to_string(count) + ".vrc").c_str(), "seed");
    virelo_FreeProject(p);
  }
  Project* empty = virelo_AllocateProject();
  failures += !virelo_SaveDatabaseFile(empty, (databases + "/seed-empty.vrc").c_str(), "seed");
  virelo_FreeProject(empty);

  // A project with a settings block, and the block alone in both forms the
  // settings fuzzer reads: raw (first byte even) and as a payload (odd).
  Project* withSettings = sampleProject(3);
  chooseSettings(withSettings);
  failures += !virelo_SaveProject(withSettings, (projects + "/seed-settings.vrp").c_str());
  if (argc == 4) {
    const std::string settings = argv[3];
    failures +=
        !writeFile(settings + "/seed-block.bin", std::string(1, '\0') + EncodeSettingsBlock(*withSettings));
    failures += !writeFile(settings + "/seed-payload.bin", "\x01" + ExtrasToPayload(*withSettings));
    failures += !writeFile(settings + "/seed-none.bin", std::string(1, '\0'));
  }
  virelo_FreeProject(withSettings);
  return failures == 0 ? 0 : 1;
}
