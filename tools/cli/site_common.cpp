// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/site_common.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
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

bool TakeFitTarget(const CliArguments& parsed, const std::string& command, std::string* name,
                   std::string* error) {
  if (parsed.files.size() != 1) return *error = command + " takes one project file", false;
  const auto contaminant = parsed.values.find("--contaminant");
  if (contaminant == parsed.values.end()) return *error = command + " needs --contaminant NAME", false;
  if (!Utf8ToRecordText(contaminant->second, name))
    return *error = "the contaminant's name is not text Virelo can hold", false;
  long day = 0;
  const auto date = parsed.values.find("--date");
  if (date != parsed.values.end() && !ParseSiteDate(date->second, &day))
    return *error = "--date takes a date YYYY-MM-DD", false;
  return true;
}

std::string SiteCsvNumber(double value) {
  return std::isfinite(value) ? FormatDouble(value + 0.0) : "";  // never "-0"
}

std::string SiteTextNumber(double value) {
  if (!std::isfinite(value)) return "";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4g", value + 0.0);
  return buffer;
}
