// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/uncertainty/lambdainterval.h"

#include <algorithm>
#include <cstring>

#include "engine/core/calc.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"

namespace {

AssessmentClass ClassWith(const Aquifer& aquifer, const TransportInputs& transport, Contaminant typed,
                          double lambda, bool plume, AssessmentRange range) {
  typed.lambdaUser = lambda;
  typed.lambdaSelected = kLambdaUser;
  // The interval holds typed values of lambda; the models see each under
  // the project's decay convention, as the results do.
  const Contaminant contaminant = SteadyContaminantWith(transport, aquifer, typed);
  ContaminantResult result{};
  if (plume) {
    virelo_math_CalcPlumeLength(&aquifer, &contaminant, &result);
    return ClassifyPlumeLength(result.plumeLengthRatio, range);
  }
  virelo_math_CalcAttenuationFactor(&aquifer, &contaminant, &result);
  return ClassifyAttenuationFactor(result.sourceRatio, range);
}

}  // namespace

const SiteLambdaInterval* ActiveLambdaInterval(const Project& project, const Contaminant& contaminant) {
  const ProjectSettings& settings = virelo_SettingsOf(project);
  const auto found = settings.lambdaIntervals.find(
      std::string(contaminant.name, strnlen(contaminant.name, sizeof contaminant.name)));
  if (found == settings.lambdaIntervals.end()) return nullptr;
  double selected = 0.0;
  if (contaminant.lambdaSelected != kLambdaUser || !virelo_GetLambda(&contaminant, &selected) ||
      selected != found->second.lambda)
    return nullptr;
  return &found->second;
}

const SiteLambdaInterval* SupersededLambdaInterval(const Project& project, const Contaminant& contaminant) {
  const ProjectSettings& settings = virelo_SettingsOf(project);
  const auto found = settings.lambdaIntervals.find(
      std::string(contaminant.name, strnlen(contaminant.name, sizeof contaminant.name)));
  if (found == settings.lambdaIntervals.end()) return nullptr;
  // Only the user λ was taken from the wells: a preset in use is no claim of theirs.
  if (!(contaminant.lambdaMask & kLambdaUser) || contaminant.lambdaUser == found->second.lambda)
    return nullptr;
  return &found->second;
}

namespace {

LambdaIntervalClasses ClassesOver(const Aquifer& a, const TransportInputs& t, const Contaminant& contaminant,
                                  const SiteLambdaInterval& interval, bool plume, AssessmentRange range) {
  LambdaIntervalClasses classes;
  classes.current = ClassWith(a, t, contaminant, interval.lambda, plume, range);
  classes.atLow = ClassWith(a, t, contaminant, interval.low, plume, range);
  classes.atHigh = ClassWith(a, t, contaminant, interval.high, plume, range);
  return classes;
}

}  // namespace

LambdaIntervalClasses ClassesOverLambdaInterval(const Project& project, const Contaminant& contaminant,
                                                const SiteLambdaInterval& interval, bool plume,
                                                AssessmentRange range) {
  return ClassesOver(project.aquifer, TransportOf(project), contaminant, interval, plume, range);
}

LambdaIntervalClasses ClassesOverLambdaInterval(const Aquifer& aquifer, const Contaminant& contaminant,
                                                const SiteLambdaInterval& interval, bool plume,
                                                AssessmentRange range) {
  return ClassesOver(aquifer, TransportInputs{}, contaminant, interval, plume, range);
}

std::string LambdaIntervalSentence(const LambdaIntervalClasses& classes, int level) {
  // Green is the highest class: the better end is the larger.
  const AssessmentClass better = std::max(classes.atLow, classes.atHigh);
  const AssessmentClass worse = std::min(classes.atLow, classes.atHigh);
  std::string text = std::string(AssessmentClassName(classes.current)) + "; " + AssessmentClassName(better);
  if (better == worse) {
    text += " over the whole ";
  } else {
    text += std::string(" to ") + AssessmentClassName(worse) + " over the ";
  }
  return text + std::to_string(level) + " % interval of \xCE\xBB";
}

std::string LambdaIntervalSentenceOf(const Project& project, const Contaminant& contaminant, bool plume,
                                     AssessmentRange range) {
  const SiteLambdaInterval* interval = ActiveLambdaInterval(project, contaminant);
  if (!interval) return {};
  return LambdaIntervalSentence(ClassesOverLambdaInterval(project, contaminant, *interval, plume, range),
                                interval->level);
}
