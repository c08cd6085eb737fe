// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The largest project a list can hold, for the benchmarks: 32767
// contaminants, all assessed both ways with complete inputs, each with its
// own decay constant, in the aquifer of the worked example.
#pragma once

#include <cstdio>

#include "engine/project/records.h"

// x 100 m, v 0.04 m/d, ax 10, ay 1, az 0.1, Sz 5, Sy 10.
inline void SetWorkedExampleAquifer(Aquifer& a) {
  const int bits[] = {kAquiferX,  kAquiferKf, kAquiferI,  kAquiferNe, kAquiferAx,
                      kAquiferAy, kAquiferAz, kAquiferSz, kAquiferSy};
  const double values[] = {100.0, 1.0, 0.01, 0.25, 10.0, 1.0, 0.1, 5.0, 10.0};
  for (int k = 0; k < 9; ++k) virelo_SetAquiferValue(&a, bits[k], values[k]);
}

inline Project* MakeLargeProject() {
  constexpr int kCount = 32767;
  Project* project = virelo_AllocateProject();
  SetWorkedExampleAquifer(project->aquifer);
  project->contaminants = virelo_AllocateContaminants(kCount);
  project->contaminantCount = kCount;
  for (int k = 0; k < kCount; ++k) {
    Contaminant& c = project->contaminants[k];
    std::snprintf(c.name, sizeof c.name, "Contaminant %d", k);
    virelo_SetContaminantValue(&c, kValueC0, 100.0 + k);
    virelo_SetContaminantValue(&c, kValueCa, 1.0);
    virelo_SetLambda(&c, kLambdaAerobic, 0.001 + 1e-6 * k);
    c.lambdaSelected = kLambdaAerobic;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  return project;
}
