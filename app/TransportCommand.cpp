// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Sorption and source...: the transport inputs in their dialog.
#include "analysis/TransportDialog.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"

void OpenTransportInputs(MainDialog& window) {
  Project* project = window.project;
  if (!project) return;
  // The dialog reads ne, the source and C0: pending page edits first.
  window.CommitPageEdits();
  // The decay convention may change the steady results the pages show.
  if (RunTransportDialog(project, &window)) window.RefreshPages();
}
