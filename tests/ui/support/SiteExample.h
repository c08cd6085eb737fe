// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The petrol-station example, the project with site data that the Site
// data, laboratory-import and flow-field tests start from.
#pragma once

#include <memory>

#include "engine/project/records.h"
#include "persistence/projectfile.h"

struct ProjectFree {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using Owned = std::unique_ptr<Project, ProjectFree>;

inline Owned Example() {
  return Owned(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
}
