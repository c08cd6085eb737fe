// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The aquifer of the worked example, complete for both assessments:
// x 100 m, Kf 1 m/d, i 0.01, ne 0.25, ax 10, ay 1, az 0.1, Sz 5, Sy 10.
#pragma once

#include "engine/project/records.h"

inline Aquifer WorkedExampleAquifer() {
  Aquifer a{};
  const int bits[] = {kAquiferX,  kAquiferKf, kAquiferI,  kAquiferNe, kAquiferAx,
                      kAquiferAy, kAquiferAz, kAquiferSz, kAquiferSy};
  const double values[] = {100.0, 1.0, 0.01, 0.25, 10.0, 1.0, 0.1, 5.0, 10.0};
  for (int k = 0; k < 9; ++k) virelo_SetAquiferValue(&a, bits[k], values[k]);
  return a;
}
