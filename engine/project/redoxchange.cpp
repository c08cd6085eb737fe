// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/redoxchange.h"

#include "engine/project/extras.h"
#include "engine/project/settings.h"

namespace {

// The condition whose preset a lambda bit is, -1 for the user's value or no bit.
int ConditionOfPreset(int bit) {
  for (const RedoxCondition& condition : kRedoxConditions)
    if (condition.lambdaBit == bit) return condition.index;
  return -1;
}

}  // namespace

std::vector<RedoxLambdaChange> RedoxLambdaChanges(const Project& project, int condition) {
  std::vector<RedoxLambdaChange> changes;
  const uint16_t toBit = virelo_RedoxLambdaBit(condition);
  if (toBit == 0 || !project.contaminants) return changes;
  for (int k = 0; k < project.contaminantCount; ++k) {
    Contaminant& c = project.contaminants[k];
    if (!c.assess) continue;
    const int fromCondition = ConditionOfPreset(c.lambdaSelected);
    // Only a preset the contaminant really has is a value to lose: a bit
    // without its value was no decay constant before either.
    if (fromCondition < 0 || !(c.lambdaMask & c.lambdaSelected)) continue;
    RedoxLambdaChange change;
    change.contaminant = k;
    change.fromCondition = fromCondition;
    change.from = *virelo_LambdaField(&c, c.lambdaSelected);
    change.hasTo = (c.lambdaMask & toBit) != 0;
    change.to = change.hasTo ? *virelo_LambdaField(&c, toBit) : 0.0;
    if (change.hasTo && change.to == change.from) continue;
    changes.push_back(change);
  }
  return changes;
}

std::vector<RedoxLambdaChange> ApplyRedoxCondition(Project* project, int condition,
                                                   RedoxPresetChoice choice) {
  const uint16_t toBit = virelo_RedoxLambdaBit(condition);
  if (!project || toBit == 0) return {};
  const std::vector<RedoxLambdaChange> changes = RedoxLambdaChanges(*project, condition);
  project->aquifer.redoxCondition = static_cast<int16_t>(condition);
  for (int k = 0; k < project->contaminantCount; ++k) {
    Contaminant& c = project->contaminants[k];
    if (c.lambdaSelected != kLambdaUser)
      c.lambdaSelected = (c.lambdaMask & toBit) ? static_cast<int16_t>(toBit) : 0;
  }
  if (choice == RedoxPresetChoice::KeepPresent) {
    ProjectSettings& settings = virelo_Extras(project).settings;
    for (const RedoxLambdaChange& change : changes) {
      Contaminant& c = project->contaminants[change.contaminant];
      virelo_SetLambda(&c, kLambdaUser, change.from);
      c.lambdaSelected = kLambdaUser;
      SetLambdaSource(&settings, c.name, KeptPresetSourceText(change.fromCondition, condition));
      // An interval fitted to the wells belonged to the user value this one
      // replaces.
      settings.lambdaIntervals.erase(c.name);
    }
  }
  project->modified = 1;
  return changes;
}

std::string KeptPresetSourceText(int fromCondition, int toCondition) {
  const char* from = virelo_RedoxText(fromCondition);
  const char* to = virelo_RedoxText(toCondition);
  return std::string("preset of the database under ") + (from ? from : "?") +
         ", kept as the user's value when the redox condition became " + (to ? to : "?");
}
