// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/core/calc.h"
#include "engine/project/extras.h"
#include "engine/project/redoxchange.h"
#include "engine/project/settings.h"
#include "engine/site/redox.h"
#include "support/projects.h"

namespace {

struct Preset {
  int bit;
  double value;
};

Contaminant Make(const char* name, int assess, int selected, std::vector<Preset> presets) {
  Contaminant c{};
  std::snprintf(c.name, sizeof c.name, "%s", name);
  c.assess = assess;
  for (const Preset& p : presets) virelo_SetLambda(&c, p.bit, p.value);
  c.lambdaSelected = static_cast<int16_t>(selected);
  return c;
}

constexpr int kBoth = kAssessPlumeLength | kAssessAttenuationFactor;

// A methanogenic aquifer whose chlorinated ethenes use the methanogenic
// presets, as the database gives them none under mixed plumes.
ProjectHandle Ethenes() {
  Aquifer aquifer{};
  aquifer.redoxCondition = kRedoxMethane;
  Contaminant user = Make("Benzene", kBoth, kLambdaUser, {{kLambdaUser, 0.004}, {kLambdaMethane, 0.01}});
  return ProjectHolding(
      aquifer,
      {
          Make("Vinyl chloride", kBoth, kLambdaMethane, {{kLambdaAerobic, 0.087}, {kLambdaMethane, 0.003}}),
          Make("Tetrachloroethene (PCE)", kAssessPlumeLength, kLambdaMethane,
               {{kLambdaSulfate, 0.010}, {kLambdaMethane, 0.010}}),
          user, Make("Toluene", 0, kLambdaMethane, {{kLambdaMethane, 0.037}}),  // not assessed
          Make("Mixed", kBoth, kLambdaMethane, {{kLambdaMethane, 0.002}, {kLambdaMixedPlumes, 0.001}}),
          Make("No value", kBoth, kLambdaMethane, {}),  // selects a preset it does not have
      });
}

}  // namespace

TEST(RedoxChange, ListsTheAssessedPresetsANewConditionChangesOrTakesAway) {
  ProjectHandle project = Ethenes();
  const std::vector<RedoxLambdaChange> mixed = RedoxLambdaChanges(*project, kRedoxMixedPlumes);
  ASSERT_EQ(mixed.size(), 3u);
  EXPECT_EQ(mixed[0].contaminant, 0);  // vinyl chloride: none under mixed plumes
  EXPECT_EQ(mixed[0].fromCondition, kRedoxMethane);
  EXPECT_DOUBLE_EQ(mixed[0].from, 0.003);
  EXPECT_FALSE(mixed[0].hasTo);
  EXPECT_EQ(mixed[1].contaminant, 1);  // PCE: none either
  EXPECT_FALSE(mixed[1].hasTo);
  EXPECT_EQ(mixed[2].contaminant, 4);  // another value
  EXPECT_TRUE(mixed[2].hasTo);
  EXPECT_DOUBLE_EQ(mixed[2].from, 0.002);
  EXPECT_DOUBLE_EQ(mixed[2].to, 0.001);

  // The same value under another condition is no change; the present one none at all.
  const std::vector<RedoxLambdaChange> sulfate = RedoxLambdaChanges(*project, kRedoxSulfateIndex);
  ASSERT_EQ(sulfate.size(), 2u);
  EXPECT_EQ(sulfate[0].contaminant, 0);
  EXPECT_EQ(sulfate[1].contaminant, 4);
  EXPECT_TRUE(RedoxLambdaChanges(*project, kRedoxMethane).empty());
  EXPECT_TRUE(RedoxLambdaChanges(*project, -1).empty());
  EXPECT_TRUE(RedoxLambdaChanges(*project, kRedoxConditionCount).empty());
}

TEST(RedoxChange, KeepingMakesThePresentValuesTheUsersOwnWithTheirSource) {
  ProjectHandle project = Ethenes();
  ProjectSettings& settings = virelo_Extras(project.get()).settings;
  settings.lambdaIntervals["Vinyl chloride"] = {0.05, 0.04, 0.06, 90};  // of an older fitted value
  const std::vector<RedoxLambdaChange> acted =
      ApplyRedoxCondition(project.get(), kRedoxMixedPlumes, RedoxPresetChoice::KeepPresent);
  EXPECT_EQ(acted.size(), 3u);
  EXPECT_EQ(project->aquifer.redoxCondition, kRedoxMixedPlumes);
  EXPECT_EQ(project->modified, 1);
  const Contaminant* c = project->contaminants;
  for (int k : {0, 1, 4}) {
    SCOPED_TRACE(c[k].name);
    EXPECT_EQ(c[k].lambdaSelected, kLambdaUser);
    EXPECT_TRUE(c[k].lambdaMask & kLambdaUser);
  }
  double lambda = 0.0;
  EXPECT_TRUE(virelo_GetLambda(&c[0], &lambda));
  EXPECT_DOUBLE_EQ(lambda, 0.003);
  EXPECT_TRUE(virelo_GetLambda(&c[4], &lambda));
  EXPECT_DOUBLE_EQ(lambda, 0.002);  // its own, not the new preset
  EXPECT_EQ(LambdaSourceOf(settings, "Vinyl chloride"),
            "preset of the database under ANAEROBIC-CH4, kept as the user's value when the redox "
            "condition became ANAEROBIC-MIXED-PLUMES");
  EXPECT_FALSE(LambdaSourceOf(settings, "Mixed").empty());
  EXPECT_EQ(settings.lambdaIntervals.count("Vinyl chloride"), 0u);
  // The user's own value stays; what is not assessed follows the condition.
  EXPECT_EQ(c[2].lambdaSelected, kLambdaUser);
  EXPECT_DOUBLE_EQ(c[2].lambdaUser, 0.004);
  EXPECT_TRUE(LambdaSourceOf(settings, "Benzene").empty());
  EXPECT_EQ(c[3].lambdaSelected, 0);
  EXPECT_EQ(c[5].lambdaSelected, 0);
}

TEST(RedoxChange, TakingTheNewPresetsLeavesThoseWithoutNone) {
  ProjectHandle project = Ethenes();
  ApplyRedoxCondition(project.get(), kRedoxMixedPlumes, RedoxPresetChoice::TakeNewPresets);
  const Contaminant* c = project->contaminants;
  EXPECT_EQ(c[0].lambdaSelected, 0);
  EXPECT_EQ(c[1].lambdaSelected, 0);
  EXPECT_EQ(c[4].lambdaSelected, kLambdaMixedPlumes);
  EXPECT_FALSE(c[0].lambdaMask & kLambdaUser);
  EXPECT_TRUE(virelo_SettingsOf(*project).lambdaSources.empty());

  // A condition outside the table changes nothing.
  ProjectHandle other = Ethenes();
  EXPECT_TRUE(ApplyRedoxCondition(other.get(), 9, RedoxPresetChoice::KeepPresent).empty());
  EXPECT_EQ(other->aquifer.redoxCondition, kRedoxMethane);
  EXPECT_EQ(other->contaminants[0].lambdaSelected, kLambdaMethane);
  EXPECT_EQ(other->modified, 0);
}

// The petrol station's fuel compounds use the presets of an unknown
// condition; its wells suggest iron reduction, under which MTBE has none.
// Keeping the present values keeps every result the verdict rests on.
TEST(RedoxChange, KeepingLeavesTheExamplesResultsAsTheyWere) {
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  const std::vector<RedoxLambdaChange> changes = RedoxLambdaChanges(*project, kRedoxIronIndex);
  std::vector<std::string> lost, changed;
  for (const RedoxLambdaChange& change : changes)
    (change.hasTo ? changed : lost).push_back(project->contaminants[change.contaminant].name);
  EXPECT_EQ(lost, std::vector<std::string>{"MTBE"});
  EXPECT_EQ(changed, (std::vector<std::string>{"Benzene", "Toluene", "Ethylbenzene", "Xylenes"}));

  virelo_math_CalcAll(project.get());
  std::vector<double> before;
  for (int k = 0; k < project->resultCount; ++k)
    before.insert(before.end(), {project->results[k].plumeLength, project->results[k].attenuationFactor});
  ASSERT_EQ(before.size(), 10u);  // one result for each of the five
  ApplyRedoxCondition(project.get(), kRedoxIronIndex, RedoxPresetChoice::KeepPresent);
  EXPECT_TRUE(RedoxLambdaChanges(*project, kRedoxIronIndex).empty());
  virelo_FreeResults(project.get());
  virelo_math_CalcAll(project.get());
  std::vector<double> after;
  for (int k = 0; k < project->resultCount; ++k)
    after.insert(after.end(), {project->results[k].plumeLength, project->results[k].attenuationFactor});
  EXPECT_EQ(after, before);
}
