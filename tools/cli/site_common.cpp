// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/site_common.h"

#include <cmath>
#include <cstring>
#include <ostream>

#include "engine/extras.h"
#include "persistence/projectfile.h"

ProjectHandle LoadSiteProject(const std::string& path, std::ostream& err) {
  ProjectHandle project(virelo_LoadProject(path.c_str(), "rb"));
  if (!project) ReadFailure(path, ReadFailureReason(path, VireloFileKind::Project), err);
  return project;
}

bool TakeLevelOption(const CliArguments& parsed, int* level, std::string* error) {
  *level = 90;
  const auto found = parsed.values.find("--level");
  if (found == parsed.values.end()) return true;
  for (int allowed : {80, 90, 95})
    if (found->second == std::to_string(allowed)) return *level = allowed, true;
  *error = "--level takes 80, 90 or 95, not \"" + found->second + "\"";
  return false;
}

std::string SiteCsvNumber(double value) {
  return std::isfinite(value) ? FormatDouble(value + 0.0) : "";  // never "-0"
}
