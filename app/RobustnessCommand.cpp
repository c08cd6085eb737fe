// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Robustness" view of one assessment of a result: how far each input
// is from changing its class.
#include "analysis/RobustnessDialog.h"
#include "app/AnalysisCommands.h"
#include "app/MainDialog.h"
#include "engine/project/extras.h"
#include "pages/CPropResults.h"
#include "platform/Platform.h"

void OpenRobustness(MainDialog& window, int resultIndex, int side) {
  Project* project = window.project;
  if (!project || !project->results || resultIndex < 0 || resultIndex >= project->resultCount) return;
  window.CommitPageEdits();
  const bool plume = side == CPropResults::PlumeLengthSide;
  const ProjectSettings& settings = virelo_SettingsOf(*project);
  const int range = plume ? settings.plumeRange : settings.afRange;
  RobustnessDialog dialog(project, resultIndex, plume, IsAssessmentRangeIndex(range) ? range : 0, &window);
  // A range chosen in the view is the side's range from then on: the
  // project keeps it and the pages show it, the results page with the
  // margins it gives; the view reads the new results after.
  QObject::connect(&dialog, &RobustnessDialog::rangeChosen, &window, [&window, project, plume](int entry) {
    ProjectSettings& saved = virelo_Extras(project).settings;
    int& chosen = plume ? saved.plumeRange : saved.afRange;
    if (chosen != entry) {
      chosen = entry;
      project->modified = 1;
    }
    window.RefreshPages();
  });
  Platform::instance().execDialog(&dialog);
}
