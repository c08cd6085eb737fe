// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Projects for the engine tests: the examples loaded (and computed, as a
// page would show them) and projects built contaminant by contaminant, each
// owned by the handle the command-line tool uses, so that a failed
// assertion never leaks one.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/records.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli_common.h"

inline const std::string kExamplesDir = VIRELO_SOURCE_DIR "/examples/";

// The project file at `path` as it is stored; null when it cannot be read.
inline ProjectHandle LoadProjectFile(const std::string& path) {
  return ProjectHandle(virelo_LoadProject(path.c_str(), "rb"));
}

// One of the examples shipped with Virelo, by its file name.
inline ProjectHandle LoadExample(const std::string& name) {
  return LoadProjectFile(kExamplesDir + name);
}

// The project at `path` with its screening and exact results computed.
inline ProjectHandle LoadCalculated(const std::string& path) {
  ProjectHandle project = LoadProjectFile(path);
  if (project) {
    virelo_math_CalcAll(project.get());
    virelo_math_CalcExactAll(project.get(), 1);
  }
  return project;
}

inline ProjectHandle CalculatedExample(const std::string& name) {
  return LoadCalculated(kExamplesDir + name);
}

// The index of the contaminant called `name`, -1 when there is none.
inline int ContaminantIndex(const Project& project, const char* name) {
  for (int k = 0; k < project.contaminantCount; ++k)
    if (std::strcmp(project.contaminants[k].name, name) == 0) return k;
  return -1;
}

// A new project on `aquifer` holding `contaminants` as given.
inline ProjectHandle ProjectHolding(const Aquifer& aquifer, const std::vector<Contaminant>& contaminants) {
  ProjectHandle project(virelo_AllocateProject());
  project->aquifer = aquifer;
  project->contaminants = virelo_AllocateContaminants(static_cast<long>(contaminants.size()));
  project->contaminantCount = static_cast<int16_t>(contaminants.size());
  for (size_t k = 0; k < contaminants.size(); ++k) project->contaminants[k] = contaminants[k];
  return project;
}

// A contaminant given by its name, C0, CA and a user's decay rate, assessed
// as `assess` says.
struct ContaminantSetup {
  const char* name;
  double c0, ca, lambda;
  int assess;
};

// Writes `setup` over a contaminant as the allocator left it.
inline void ApplySetup(const ContaminantSetup& setup, Contaminant* c) {
  std::snprintf(c->name, sizeof c->name, "%s", setup.name);
  virelo_SetContaminantValue(c, kValueC0, setup.c0);
  virelo_SetContaminantValue(c, kValueCa, setup.ca);
  virelo_SetLambda(c, kLambdaUser, setup.lambda);
  c->lambdaSelected = kLambdaUser;
  c->assess = setup.assess;
}

inline ProjectHandle ProjectOf(const Aquifer& aquifer, const std::vector<ContaminantSetup>& setups) {
  ProjectHandle project(virelo_AllocateProject());
  project->aquifer = aquifer;
  project->contaminants = virelo_AllocateContaminants(static_cast<long>(setups.size()));
  project->contaminantCount = static_cast<int16_t>(setups.size());
  for (size_t k = 0; k < setups.size(); ++k) ApplySetup(setups[k], &project->contaminants[k]);
  return project;
}
