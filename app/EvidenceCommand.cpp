// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Lines of evidence...: the case an authority weighs, line by line.
#include "analysis/EvidenceWindow.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "engine/core/exact.h"
#include "pages/CPropResults.h"

void OpenEvidence(MainDialog& window) {
  Project* project = window.project;
  if (!project || !window.pageTabs->resultsPage) return;
  CPropResults* results = window.pageTabs->resultsPage;
  // The lines read the verdicts the Results page shows: it commits every
  // page's edits and recomputes, and the exact solution joins where the
  // basis needs it.
  results->ShowProject(project);
  virelo_math_CalcExactAll(project, 0);
  window.foldPageFlags();
  VerdictOptions options = VerdictOptionsOf(*project);
  options.plumeRange = results->plumeRange();
  options.afRange = results->afRange();
  RunEvidenceWindow(*project, options, &window);
}
