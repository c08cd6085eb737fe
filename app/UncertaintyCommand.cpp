// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Uncertainty...: the Uncertainty window, opened from the results
// page so that the page shows the probabilities of the run.
#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "pages/CPropResults.h"

void ShowUncertainty(MainDialog& window) {
  if (!window.project || !window.pageTabs || !window.pageTabs->resultsPage) return;
  window.ViewPage(PageTabs::kPageCount - 1);
  window.pageTabs->resultsPage->ShowUncertainty();
}
