// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Which phase first-order decay acts on, shared by the project's transport
// inputs (engine/transport.h) and the transient solutions
// (engine/transient.h), so that the choice the user saves is the one the
// curves compute with.
#pragma once

enum class DecayOf {
  Dissolved = 0,           // decay acts on the dissolved phase only (default)
  DissolvedAndSorbed = 1,  // decay acts on both phases
};
