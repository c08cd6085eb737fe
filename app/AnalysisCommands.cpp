// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/AnalysisCommands.h"

#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "pages/CPropResults.h"

void ConnectResultsPageCommands(MainDialog& window) {
  CPropResults* page = window.pageTabs ? window.pageTabs->resultsPage : nullptr;
  if (!page) return;
  QObject::connect(page, &CPropResults::uncertaintyRequested, &window,
                   [&window] { ShowUncertainty(window); });
  QObject::connect(page, &CPropResults::chainRequested, &window, [&window] { OpenDecayChain(window); });
  QObject::connect(page, &CPropResults::plumeRequested, &window,
                   [&window](int resultIndex) { OpenPlumeView(window, resultIndex); });
  QObject::connect(page, &CPropResults::robustnessRequested, &window,
                   [&window](int resultIndex, int side) { OpenRobustness(window, resultIndex, side); });
}
