// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Everything a project keeps beyond the fields of the original file format.
// Each capability defines its own struct in its own header and adds one
// member here; the project file keeps all of them in one tagged settings
// block after the last contaminant record (persistence/extras_json.h lists
// the sections).
#pragma once

#include <map>
#include <string>
#include <vector>

#include <map>
#include <string>
#include "engine/project/analytenames.h"
#include "engine/project/chain.h"

#include "engine/project/fulltexts.h"
#include "engine/project/monitoring.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "engine/project/sitedata.h"
#include "engine/project/transport.h"
#include "engine/project/uncertainty.h"

struct ProjectExtras {
  ProjectSettings settings;
  SiteData site;
  AnalyteAliases analyteAliases;  // saved with the site data
  // The roles of table columns no recognised name gives (the header as it
  // is matched, to the role), saved with the site data.
  std::map<std::string, std::string> siteColumns;
  std::vector<DecayChain> chains;
  UncertaintyPlan uncertainty;
  TransportInputs transport;
  FullTexts texts;
  MonitoringSettings monitoring;

  // Not saved: set when the project was loaded from a file whose settings
  // block could not be read. The project part was opened with the defaults
  // in place of the lost settings; a save that would overwrite the block
  // must ask first.
  bool settingsUnreadable = false;
  std::string settingsProblem;  // why, for the user (ASCII)
};

// The project's extras, created (with every default) on first use, so that
// a project that never uses any keeps a null pointer and stays calloc-able.
ProjectExtras& virelo_Extras(Project* project);
// The project's extras for reading: the defaults when it has none.
const ProjectExtras& virelo_ExtrasOf(const Project& project);
// The settings for reading; the defaults when the project has none.
inline const ProjectSettings& virelo_SettingsOf(const Project& project) {
  return virelo_ExtrasOf(project).settings;
}
// Releases the extras (virelo_FreeProject calls it).
void virelo_FreeExtras(Project* project);
