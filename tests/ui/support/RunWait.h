// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How long a UI test waits for a run on the run controller to finish. A run
// that takes two seconds here can take twenty on a loaded CI machine or under
// the sanitizers; the wait only costs time when the run never ends, so it is
// long enough that a slow machine is never mistaken for a hung run.
inline constexpr int kRunFinishesWithinMs = 300000;
