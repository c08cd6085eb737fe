// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Which phases first-order decay acts on. With sorption, decay of the
// dissolved phase only leaves the steady state unchanged (sorption merely
// delays the plume); decay of the sorbed phase too multiplies the effective
// decay rate by R.
#pragma once

enum class DecayOf {
  Dissolved = 0,           // decay acts on the dissolved phase only (default)
  DissolvedAndSorbed = 1,  // decay acts on both phases
};
