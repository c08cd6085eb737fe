// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/settings.h"

#include <cmath>

#include "engine/project/assessment.h"
#include "engine/project/extras.h"

const char* VerdictBasisKey(VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return "screening";
    case VerdictBasis::Exact: return "exact";
    case VerdictBasis::Worse: return "worse";
  }
  return "screening";
}

bool VerdictBasisFromKey(const std::string& key, VerdictBasis* basis) {
  for (int k = 0; k < kVerdictBasisCount; ++k) {
    const auto candidate = static_cast<VerdictBasis>(k);
    if (key == VerdictBasisKey(candidate)) {
      *basis = candidate;
      return true;
    }
  }
  return false;
}

const char* VerdictBasisText(VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return "screening model";
    case VerdictBasis::Exact: return "exact solution";
    case VerdictBasis::Worse: return "worse of the two";
  }
  return "screening model";
}

std::string LambdaSourceOf(const ProjectSettings& settings, const char* name) {
  const auto found = settings.lambdaSources.find(name ? name : "");
  return found == settings.lambdaSources.end() ? std::string() : found->second;
}

void SetLambdaSource(ProjectSettings* settings, const char* name, const std::string& text) {
  if (!name) return;
  if (text.empty()) {
    settings->lambdaSources.erase(name);
  } else {
    settings->lambdaSources[name] = text;
  }
}

bool IsAcceptedSaturatedThickness(double value) {
  return std::isfinite(value) && value > 0.0;
}

bool IsAssessmentRangeIndex(int index) {
  return index >= 0 && index < kAssessmentRangeCount;
}

bool SettingsAreDefault(const Project& project) {
  const ProjectSettings& s = virelo_SettingsOf(project);
  const ProjectSettings defaults;
  if (s.concentrationUnit != defaults.concentrationUnit || s.verdictBasis != defaults.verdictBasis ||
      s.plumeRange != defaults.plumeRange || s.afRange != defaults.afRange ||
      s.saturatedThickness != defaults.saturatedThickness)
    return false;
  for (int k = 0; k < project.contaminantCount; ++k) {
    if (!LambdaSourceOf(s, project.contaminants[k].name).empty()) return false;
    if (s.lambdaIntervals.count(project.contaminants[k].name)) return false;
  }
  return true;
}
