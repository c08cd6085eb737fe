// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Decay chain...: the project's decay chains in their window.
#include "analysis/ChainWindow.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "engine/project/extras.h"

void OpenDecayChain(MainDialog& window) {
  Project* project = window.project;
  if (!project) return;
  // The window reads the contaminants' values: pending edits of a page
  // belong in them first.
  window.CommitPageEdits();
  const AssessmentRange chosen = AssessmentRangeOf(virelo_SettingsOf(*project).afRange);
  // Changed chains change the marks of the results page.
  if (RunChainWindow(project, chosen, &window)) window.RefreshPages();
}
