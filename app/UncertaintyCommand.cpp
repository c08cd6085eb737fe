// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Uncertainty...: the Uncertainty window on the project's
// distributions. The results page, shown behind it, gives the class
// probabilities of its last run beside the verdicts.
#include "analysis/UncertaintyWindow.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "pages/CPropResults.h"
#include "platform/Platform.h"

void ShowUncertainty(MainDialog& window) {
  Project* project = window.project;
  if (!project || !window.pageTabs || !window.pageTabs->resultsPage) return;
  window.ViewPage(PageTabs::kPageCount - 1);
  // A run reads the inputs as the pages show them.
  window.CommitPageEdits();
  CPropResults* results = window.pageTabs->resultsPage;
  // The project's saved ranges and verdict basis, which the page shows.
  UncertaintyWindow uncertainty(project, &virelo_Extras(project).uncertainty, UncertaintyOptionsOf(*project),
                                &window);
  // The distributions are the project's: editing them is a change to save.
  bool planChanged = false;
  QObject::connect(&uncertainty, &UncertaintyWindow::planChanged, &window, [project, &planChanged] {
    project->modified = 1;
    planChanged = true;
  });
  QObject::connect(&uncertainty, &UncertaintyWindow::runFinished, results,
                   [results, &uncertainty] { results->SetUncertaintyRecord(uncertainty.lastRecord()); });
  Platform::instance().execDialog(&uncertainty);
  // Probabilities of distributions the window changed go from the page; a
  // run alone leaves the page's rows and their marks as they are.
  if (planChanged) window.RefreshPages();
}
