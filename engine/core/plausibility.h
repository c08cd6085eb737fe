// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Plausibility warnings on the aquifer: values that the input checks accept
// but that lie outside what aquifers usually show, such as a conductivity
// typed in m/s into the m/d field. A warning is a word to the user, never a
// problem: it changes no result and no verdict.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/project/records.h"

// The thresholds; the manual gives the typical ranges behind them.
constexpr double kPlausibleKfLowest = 1e-3;  // m/d
constexpr double kPlausibleKfHighest = 1e4;  // m/d
constexpr double kPlausibleGradientHighest = 0.1;
constexpr double kPlausiblePorosityLowest = 0.01;
constexpr double kPlausiblePorosityHighest = 0.5;
constexpr double kPlausibleVelocityLowest = 1e-4;   // m/d
constexpr double kPlausibleVelocityHighest = 10.0;  // m/d

struct PlausibilityWarning {
  uint16_t fields;  // the AquiferBit of every value the warning is about
  // True when only the attenuation factor uses those values (the
  // dispersivities), so the plume length is not concerned.
  bool attenuationFactorOnly;
  std::string text;  // one sentence, ASCII, numbers with a decimal point
};

// The warnings for the entered, finite values of `aquifer`, in the order of
// the Aquifer page: Kf, i, ne, seepage velocity, ax, ay, az. A value whose
// bit is clear, or that the input checks refuse anyway (Kf <= 0, ne outside
// 0 < ne <= 1), raises none.
std::vector<PlausibilityWarning> virelo_CheckPlausibility(const Aquifer& aquifer);
