// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/core/calc.h"
#include "tests/engine/support/worked_example.h"

namespace {

// The worked example's contaminant: C0 100, CA 1, lambda 0.01 1/d.
Contaminant ExampleContaminant(int assess) {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaUser, 0.01);
  c.lambdaSelected = kLambdaUser;
  c.assess = assess;
  return c;
}

ContaminantResult Attenuation(const Aquifer& a) {
  const Contaminant c = ExampleContaminant(kAssessAttenuationFactor);
  ContaminantResult r{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  return r;
}

struct CalcAllTest : testing::Test {
  Project* project = virelo_AllocateProject();
  void TearDown() override { virelo_FreeProject(project); }
  void Fill(const std::vector<Contaminant>& list) {
    project->aquifer = WorkedExampleAquifer();
    project->contaminants = virelo_AllocateContaminants(static_cast<long>(list.size()));
    for (size_t k = 0; k < list.size(); ++k) project->contaminants[k] = list[k];
    project->contaminantCount = static_cast<int16_t>(list.size());
  }
};

std::vector<int> Codes(const ProblemCode* codes, int count) {
  return std::vector<int>(codes, codes + count);
}

TEST(SeriesErf, AccurateForFiniteArgumentsOneOtherwise) {
  EXPECT_EQ(SeriesErf(0.0), 0.0);
  EXPECT_NEAR(SeriesErf(0.5), 0.5204998778, 1e-10);
  EXPECT_NEAR(SeriesErf(1.0), 0.8427007929, 1e-10);
  for (double z : {5.0, 7.0, 8.0, 10.0, -6.0}) EXPECT_EQ(SeriesErf(z), std::erf(z)) << z;
  EXPECT_EQ(SeriesErf(std::numeric_limits<double>::infinity()), 1.0);
  EXPECT_EQ(SeriesErf(std::nan("")), 1.0);
}

TEST(Calculation, AttenuationFactorEdgeCases) {
  Aquifer a = WorkedExampleAquifer();
  a.sourceThicknessSy = 0.0;  // nothing leaves the source: AF 0, ratio +inf
  ContaminantResult r = Attenuation(a);
  EXPECT_EQ(r.attenuationFactor + r.acceptableSourceConcentration, 0.0);
  EXPECT_EQ(r.sourceRatio, std::numeric_limits<double>::infinity());

  a = WorkedExampleAquifer();
  a.dispersivityAy = 0.0;  // no spreading in y: that factor is 1
  EXPECT_NEAR(Attenuation(a).relativeConcentration, 3.57335e-6 / 0.5204999, 1e-10);

  a = WorkedExampleAquifer();
  a.gradientI = 1e-30;
  a.conductivityKf = 1e-12;  // v below 1e-40
  EXPECT_EQ(Attenuation(a).relativeConcentration, 0.0);

  a = WorkedExampleAquifer();
  a.dispersivityAx = -5.0;  // passes the checks, but 1 + 4 ax lambda / v < 0
  r = Attenuation(a);
  EXPECT_TRUE(std::isnan(r.attenuationFactor));
  EXPECT_TRUE(std::isnan(r.sourceRatio));  // undefined, not "nothing arrives"
}

TEST_F(CalcAllTest, WorkedExamples) {
  Contaminant equal = ExampleContaminant(kAssessPlumeLength);
  equal.ca = equal.c0;
  Fill({ExampleContaminant(kAssessPlumeLength | kAssessAttenuationFactor), equal});
  ASSERT_EQ(virelo_math_CalcAll(project), 1);
  ASSERT_EQ(project->resultCount, 2);
  const ContaminantResult& r = project->results[0];
  EXPECT_NEAR(r.plumeLength, 18.4207, 1e-4);
  EXPECT_NEAR(r.plumeLengthRatio, 0.184207, 1e-6);
  EXPECT_NEAR(r.relativeConcentration, 3.57335e-6, 1e-11);
  EXPECT_NEAR(r.attenuationFactor, 279849.4, 0.1);
  EXPECT_NEAR(r.receptorConcentration, 3.57335e-4, 1e-9);
  EXPECT_NEAR(r.acceptableSourceConcentration, 279849.4, 0.1);
  EXPECT_NEAR(r.sourceRatio, 3.57335e-4, 1e-9);
  EXPECT_EQ(project->results[1].contaminantIndex, 1);
  EXPECT_EQ(project->results[1].plumeLength, 0.0);
}

TEST_F(CalcAllTest, ProblemsPerAssessment) {
  const int both = kAssessPlumeLength | kAssessAttenuationFactor;
  Contaminant noC0 = ExampleContaminant(both);
  virelo_ClearContaminantValue(&noC0, kValueC0);
  Fill({ExampleContaminant(0), ExampleContaminant(both), noC0, ExampleContaminant(4)});
  project->aquifer.setMask &= ~kAquiferAx;
  project->aquifer.dispersivityAx = 0.0;
  ASSERT_EQ(virelo_math_CalcAll(project), 1);
  ASSERT_EQ(project->resultCount, 3);

  const ContaminantResult& first = project->results[0];
  EXPECT_EQ(first.contaminantIndex, 1);
  EXPECT_GT(first.plumeLength, 0.0);  // only the AF aquifer check failed
  EXPECT_EQ(Codes(first.afAquiferProblems, first.afAquiferProblemCount), (std::vector<int>{560, 570}));
  EXPECT_EQ(first.attenuationFactor + first.sourceRatio, 0.0);
  EXPECT_NE(first.plContaminantProblems, nullptr);

  const ContaminantResult& missing = project->results[1];
  EXPECT_EQ(Codes(missing.plContaminantProblems, missing.plContaminantProblemCount),
            (std::vector<int>{10, 20}));
  EXPECT_EQ(Codes(missing.afContaminantProblems, missing.afContaminantProblemCount),
            (std::vector<int>{10, 20}));
  EXPECT_EQ(missing.plumeLength, 0.0);

  const ContaminantResult& neither = project->results[2];  // assess 4: a record, nothing in it
  EXPECT_EQ(neither.contaminantIndex, 3);
  EXPECT_EQ(neither.plAquiferProblems, nullptr);
  EXPECT_EQ(neither.afContaminantProblems, nullptr);
}

TEST_F(CalcAllTest, NothingAssessed) {
  Fill({ExampleContaminant(0)});
  EXPECT_EQ(virelo_math_CalcAll(project), 1);
  EXPECT_EQ(project->results, nullptr);
  EXPECT_EQ(virelo_math_CalcAll(nullptr), 0);
}

}  // namespace
