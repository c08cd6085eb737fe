// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "engine/core/calc.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/lambdainterval.h"
#include "tests/engine/support/worked_example.h"

namespace {

const AssessmentRange kRange = kAssessmentRanges[0].range;  // 0.3 .. 2.0

Contaminant Benzene(double c0, double ca, double lambda) {
  Contaminant c{};
  std::strcpy(c.name, "Benzene");
  virelo_SetContaminantValue(&c, kValueC0, c0);
  virelo_SetContaminantValue(&c, kValueCa, ca);
  virelo_SetLambda(&c, kLambdaUser, lambda);
  c.lambdaSelected = kLambdaUser;
  c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  return c;
}

// The class the full calculation gives with lambda set by hand, as a user
// would type it: the reference the interval's ends must agree with.
AssessmentClass Direct(Contaminant c, double lambda, bool plume) {
  virelo_SetLambda(&c, kLambdaUser, lambda);
  Project* p = virelo_AllocateProject();
  p->aquifer = WorkedExampleAquifer();
  p->contaminants = static_cast<Contaminant*>(std::calloc(1, sizeof(Contaminant)));
  p->contaminants[0] = c;
  p->contaminantCount = 1;
  EXPECT_TRUE(virelo_math_CalcAll(p));
  const ContaminantResult& r = p->results[0];
  const AssessmentClass cls = plume ? ClassifyPlumeLength(r.plumeLengthRatio, kRange)
                                    : ClassifyAttenuationFactor(r.sourceRatio, kRange);
  virelo_FreeProject(p);
  return cls;
}

TEST(LambdaInterval, AHandEditSupersedesTheWellsValue) {
  Project* project = virelo_AllocateProject();
  project->contaminants = virelo_AllocateContaminants(1);
  project->contaminantCount = 1;
  Contaminant& c = project->contaminants[0];
  std::strcpy(c.name, "Benzene");
  virelo_SetLambda(&c, kLambdaUser, 0.0031);
  virelo_SetLambda(&c, kLambdaAerobic, 0.1);
  c.lambdaSelected = kLambdaUser;
  // Nothing recorded: nothing superseded.
  EXPECT_EQ(SupersededLambdaInterval(*project, c), nullptr);
  virelo_Extras(project).settings.lambdaIntervals["Benzene"] = {0.0031, 0.0027, 0.0035, 90};
  EXPECT_EQ(SupersededLambdaInterval(*project, c), nullptr);
  EXPECT_NE(ActiveLambdaInterval(*project, c), nullptr);
  // Selecting a preset leaves the user value the wells' own.
  c.lambdaSelected = kLambdaAerobic;
  EXPECT_EQ(SupersededLambdaInterval(*project, c), nullptr);
  c.lambdaSelected = kLambdaUser;
  virelo_SetLambda(&c, kLambdaUser, 0.0040);
  ASSERT_NE(SupersededLambdaInterval(*project, c), nullptr);
  EXPECT_EQ(SupersededLambdaInterval(*project, c)->lambda, 0.0031);
  EXPECT_EQ(ActiveLambdaInterval(*project, c), nullptr);
  virelo_FreeProject(project);
}

}  // namespace

// On the worked-example aquifer lambda 0.01 / 0.002 / 0.0005 1/d gives a
// Green / Yellow / Red plume length for C0 100, CA 1 (the break-even scenarios):
// an interval across both bounds must show both ends, each at its own end.
TEST(LambdaInterval, EndsAreTheClassesOfTheFullCalculation) {
  const Aquifer aquifer = WorkedExampleAquifer();
  const Contaminant c = Benzene(100, 1, 0.002);
  const SiteLambdaInterval wide{0.002, 0.0005, 0.01, 90};
  const LambdaIntervalClasses plume = ClassesOverLambdaInterval(aquifer, c, wide, true, kRange);
  EXPECT_EQ(plume.current, AssessmentClass::Yellow);
  EXPECT_EQ(plume.atLow, AssessmentClass::Red);
  EXPECT_EQ(plume.atHigh, AssessmentClass::Green);
  EXPECT_EQ(LambdaIntervalSentence(plume, 90), "Yellow; Green to Red over the 90 % interval of \xCE\xBB");
  for (bool side : {true, false}) {
    const LambdaIntervalClasses got = ClassesOverLambdaInterval(aquifer, c, wide, side, kRange);
    EXPECT_EQ(got.atLow, Direct(c, wide.low, side)) << side;
    EXPECT_EQ(got.atHigh, Direct(c, wide.high, side)) << side;
    EXPECT_EQ(got.current, Direct(c, wide.lambda, side)) << side;
  }
  // Far from any bound the verdict holds across the interval.
  const SiteLambdaInterval narrow{0.01, 0.009, 0.011, 95};
  EXPECT_EQ(LambdaIntervalSentence(
                ClassesOverLambdaInterval(aquifer, Benzene(100, 1, 0.01), narrow, false, kRange), 95),
            "Green; Green over the whole 95 % interval of \xCE\xBB");
}

// The interval speaks only for the lambda it was recorded with: a hand edit
// or another selected decay constant ends it.
TEST(LambdaInterval, AppliesOnlyWhileTheRecordedLambdaIsSelected) {
  Project* p = virelo_AllocateProject();
  p->aquifer = WorkedExampleAquifer();
  p->contaminants = static_cast<Contaminant*>(std::calloc(1, sizeof(Contaminant)));
  p->contaminants[0] = Benzene(100, 1, 0.002);
  p->contaminantCount = 1;
  Contaminant& c = p->contaminants[0];
  EXPECT_EQ(LambdaIntervalSentenceOf(*p, c, true, kRange), "");
  virelo_Extras(p).settings.lambdaIntervals["Benzene"] = {0.002, 0.0005, 0.01, 90};
  EXPECT_FALSE(SettingsAreDefault(*p));
  EXPECT_EQ(LambdaIntervalSentenceOf(*p, c, true, kRange),
            "Yellow; Green to Red over the 90 % interval of \xCE\xBB");
  virelo_SetLambda(&c, kLambdaUser, 0.0021);
  EXPECT_EQ(ActiveLambdaInterval(*p, c), nullptr);
  virelo_SetLambda(&c, kLambdaUser, 0.002);
  virelo_SetLambda(&c, kLambdaAerobic, 0.002);
  c.lambdaSelected = kLambdaAerobic;
  EXPECT_EQ(ActiveLambdaInterval(*p, c), nullptr);
  c.lambdaSelected = kLambdaUser;
  EXPECT_NE(ActiveLambdaInterval(*p, c), nullptr);
  virelo_FreeProject(p);
}
