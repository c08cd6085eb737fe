// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plume view of a result: its centre line and plan view.
#include "analysis/PlumeView.h"
#include "app/AnalysisCommands.h"
#include "app/MainDialog.h"
#include "engine/project/extras.h"
#include "platform/Platform.h"

void OpenPlumeView(MainDialog& window, int resultIndex) {
  Project* project = window.project;
  if (!project || !project->results) return;
  window.CommitPageEdits();
  // The project's range of the attenuation factor, as the results page shows it.
  const int range = virelo_SettingsOf(*project).afRange;
  PlumeView view(project, kAssessmentRanges[IsAssessmentRangeIndex(range) ? range : 0].range, resultIndex,
                 &window);
  Platform::instance().execDialog(&view);
}
