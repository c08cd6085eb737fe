// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Time...: when the plume reaches the receptor and the source its
// target.
#include "analysis/TimeWindow.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"

void OpenTime(MainDialog& window) {
  if (!window.project) return;
  // The window reads the contaminants' values: pending edits of a page
  // belong in them first.
  window.CommitPageEdits();
  RunTimeWindow(*window.project, &window);
}
