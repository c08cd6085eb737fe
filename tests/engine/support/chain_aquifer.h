// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The aquifer on which the built chains are followed: v = i Kf / ne =
// 0.4 m/d, x = 200 m, ax 20, ay 2, az 0.2 m, Sy 10, Sz 5 m.
#pragma once

#include "engine/project/records.h"

inline Aquifer ChainAquifer() {
  Aquifer a{};
  a.conductivityKf = 10.0;
  a.gradientI = 0.01;
  a.porosityNe = 0.25;
  a.dispersivityAx = 20.0;
  a.dispersivityAy = 2.0;
  a.dispersivityAz = 0.2;
  a.sourceThicknessSy = 10.0;
  a.sourceWidthSz = 5.0;
  a.distanceX = 200.0;
  a.setMask = 0xffff;
  return a;
}
