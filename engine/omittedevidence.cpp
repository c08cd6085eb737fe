// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/omittedevidence.h"

#include <cstring>

#include "engine/extras.h"
#include "engine/wellsevidence.h"

std::vector<OmittedEvidence> OmittedEvidenceOf(const Project& project, AssessmentRange afRange,
                                               VerdictBasis basis) {
  std::vector<OmittedEvidence> entries;
  for (const WellsOmissionEntry& entry : kWellsOmissions) entries.push_back({entry.bit, entry.code, {}});
  if (!project.contaminants || virelo_ExtrasOf(project).site.samples.empty()) return {};
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    if (!(c.assess & (kAssessPlumeLength | kAssessAttenuationFactor))) continue;
    const unsigned omitted = WellsEvidenceOf(project, k, afRange, basis).omitted;
    for (OmittedEvidence& entry : entries)
      if (omitted & entry.reason) entry.contaminants.emplace_back(c.name, strnlen(c.name, sizeof c.name));
  }
  std::vector<OmittedEvidence> found;
  for (OmittedEvidence& entry : entries)
    if (!entry.contaminants.empty()) found.push_back(std::move(entry));
  return found;
}

std::string OmittedContaminantsText(const OmittedEvidence& omitted) {
  std::string text = "Wells not compared: ";
  for (size_t k = 0; k < omitted.contaminants.size(); ++k) {
    if (k > 0) text += ", ";
    text += omitted.contaminants[k];
  }
  return text + ".";
}
