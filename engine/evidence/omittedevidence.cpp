// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/evidence/omittedevidence.h"

#include <cstring>
#include <set>

#include "engine/chains/chaincalc.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"

namespace {

bool Assessed(const Contaminant& c) {
  return (c.assess & (kAssessPlumeLength | kAssessAttenuationFactor)) != 0;
}

// The assessed species of every chain the verdicts cannot use, each once,
// in project order.
OmittedEvidence ChainsLeftOut(const Project& project) {
  OmittedEvidence entry{kChainNotUsed, kProblemChainNotUsed, {}};
  std::set<std::string> names;
  for (const DecayChain& chain : virelo_ExtrasOf(project).chains) {
    ResolvedChain resolved;
    if (ResolveChainSpecies(project, chain, &resolved).empty()) continue;
    names.insert(chain.species.begin(), chain.species.end());
  }
  for (int k = 0; project.contaminants && k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    const std::string name(c.name, strnlen(c.name, sizeof c.name));
    if (Assessed(c) && names.count(name)) entry.contaminants.push_back(name);
  }
  return entry;
}

}  // namespace

std::vector<OmittedEvidence> OmittedEvidenceOf(const Project& project, AssessmentRange afRange,
                                               VerdictBasis basis) {
  std::vector<OmittedEvidence> found = OmittedWellsOf(project, afRange, basis);
  OmittedEvidence chains = ChainsLeftOut(project);
  if (!chains.contaminants.empty()) found.push_back(std::move(chains));
  return found;
}

std::vector<OmittedEvidence> OmittedWellsOf(const Project& project, AssessmentRange afRange,
                                            VerdictBasis basis) {
  std::vector<OmittedEvidence> entries;
  for (const WellsOmissionEntry& entry : kWellsOmissions) entries.push_back({entry.bit, entry.code, {}});
  if (!project.contaminants || virelo_ExtrasOf(project).site.samples.empty()) return {};
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    if (!Assessed(c)) continue;
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
  std::string text =
      omitted.reason == kChainNotUsed ? "Judged without their decay chain: " : "Wells not compared: ";
  for (size_t k = 0; k < omitted.contaminants.size(); ++k) {
    if (k > 0) text += ", ";
    text += omitted.contaminants[k];
  }
  return text + ".";
}
