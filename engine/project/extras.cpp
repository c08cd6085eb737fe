// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/extras.h"

ProjectExtras& virelo_Extras(Project* project) {
  if (!project->extras) project->extras = new ProjectExtras();
  return *project->extras;
}

const ProjectExtras& virelo_ExtrasOf(const Project& project) {
  static const ProjectExtras defaults;
  return project.extras ? *project.extras : defaults;
}

void virelo_FreeExtras(Project* project) {
  if (!project) return;
  delete project->extras;
  project->extras = nullptr;
}
