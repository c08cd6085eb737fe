// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Site data: the project's monitoring wells, their decay constants,
// trends and redox indicators.
#include "analysis/SiteDataWindow.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "pages/CPropConts.h"
#include "platform/Platform.h"

void OpenSiteData(MainDialog& window) {
  if (!window.project) return;
  // The fits read the aquifer as the pages show it.
  window.CommitPageEdits();
  SiteDataWindow site(window.project, &window);
  // The pages follow each change at once (the tree's markers among them),
  // not only when the window closes.
  QObject::connect(&site, &SiteDataWindow::projectChanged, &window, [&window] { window.RefreshPages(); });
  Platform::instance().execDialog(&site);
  // A decay constant or redox condition applied in the window shows on the
  // pages, and the results are computed again from it.
  window.MarkContaminantsPageModified();
  window.RefreshPages();
}
