// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/case/projectcase.h"

#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"

Contaminant CaseModel(const Project& project, int contaminantIndex) {
  return virelo_SteadyContaminant(project, project.contaminants[contaminantIndex]);
}

ProjectCase::ProjectCase(const Project& project, const VerdictOptions& options)
    : project_(project), options_(options) {
  const ProjectExtras& extras = virelo_ExtrasOf(project);
  hasEvidence_ = !extras.chains.empty() || !extras.site.samples.empty();
}

ProjectCase::ProjectCase(const Project& project) : ProjectCase(project, VerdictOptionsOf(project)) {}

const RowVerdict& ProjectCase::Verdict(const ContaminantResult& result, bool plumeLength) {
  const auto key = std::make_pair(&result, plumeLength);
  auto found = verdicts_.find(key);
  if (found != verdicts_.end()) return found->second;
  const bool site = !virelo_ExtrasOf(project_).site.samples.empty() && result.contaminantIndex >= 0 &&
                    result.contaminantIndex < project_.contaminantCount;
  const WellsEvidence* wells = site ? &Wells(result.contaminantIndex) : nullptr;
  return verdicts_.emplace(key, VerdictWithWells(project_, result, plumeLength, options_, wells))
      .first->second;
}

VerdictTarget ProjectCase::Target(const ContaminantResult& result) {
  const RowVerdict& verdict = Verdict(result, false);
  if (result.contaminantIndex < 0 || result.contaminantIndex >= project_.contaminantCount) return {};
  return TargetOfVerdict(CaseModel(project_, result.contaminantIndex), result, verdict, options_.basis);
}

const WellsEvidence& ProjectCase::Wells(int contaminantIndex) {
  auto found = wells_.find(contaminantIndex);
  if (found == wells_.end())
    found = wells_
                .emplace(contaminantIndex,
                         WellsEvidenceOf(project_, contaminantIndex, options_.afRange, options_.basis))
                .first;
  return found->second;
}

const std::vector<OmittedEvidence>& ProjectCase::Omitted() {
  if (!omittedKnown_) {
    omitted_ = OmittedEvidenceOf(project_, options_.afRange, options_.basis);
    omittedKnown_ = true;
  }
  return omitted_;
}

void ProjectCase::AddExact(const Project& project, ContaminantResult& result) {
  if (result.exactComputed || result.contaminantIndex < 0 ||
      result.contaminantIndex >= project.contaminantCount)
    return;
  const Contaminant model = CaseModel(project, result.contaminantIndex);
  virelo_math_CalcExactAttenuationFactor(&project.aquifer, &model, &result);
}

BreakEvenTable ProjectCase::BreakEven(const ContaminantResult& result, bool plumeLength,
                                      AssessmentRange range) const {
  return ResultBreakEvenValues(project_, result, plumeLength, range);
}

std::vector<std::string> ProjectCase::Chain(const DecayChain& chain, ResolvedChain* out) const {
  return ResolveChain(project_, chain, out);
}

std::vector<ChainReceptorRow> ProjectCase::ChainRows(const ResolvedChain& chain,
                                                     AssessmentRange range) const {
  return ChainAtReceptor(project_, chain, range);
}

TimeInputs ProjectCase::Time(int contaminantIndex) const {
  return TimeInputsOf(project_, contaminantIndex);
}

std::vector<TimeInputs> ProjectCase::TimeRows() const {
  std::vector<TimeInputs> rows;
  for (int k : TimeContaminantsOf(project_)) rows.push_back(TimeInputsOf(project_, k));
  return rows;
}

UncertaintyRun ProjectCase::Uncertainty(const UncertaintyPlan& plan,
                                        const UncertaintyOptions& options) const {
  return RunUncertainty(project_, plan, options);
}
