#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "engine/calc.h"
#include "engine/validation.h"

namespace {

Aquifer ExampleAquifer() {
  Aquifer a{};
  virelo_SetAquiferValue(&a, kAquiferX, 100.0);
  virelo_SetAquiferValue(&a, kAquiferKf, 1.0);
  virelo_SetAquiferValue(&a, kAquiferI, 0.01);
  virelo_SetAquiferValue(&a, kAquiferNe, 0.25);
  virelo_SetAquiferValue(&a, kAquiferAx, 10.0);
  virelo_SetAquiferValue(&a, kAquiferAy, 1.0);
  virelo_SetAquiferValue(&a, kAquiferAz, 0.1);
  virelo_SetAquiferValue(&a, kAquiferSz, 5.0);
  virelo_SetAquiferValue(&a, kAquiferSy, 10.0);
  return a;
}

Contaminant ExampleContaminant(int assess) {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaUser, 0.01);
  c.lambdaSelected = kLambdaUser;
  c.assess = assess;
  return c;
}

struct CalcAllTest : testing::Test {
  Project* project = virelo_AllocateProject();
  void SetUp() override { project->aquifer = ExampleAquifer(); }
  void TearDown() override { virelo_FreeProject(project); }
  void SetContaminants(const std::vector<Contaminant>& list) {
    project->contaminants = virelo_AllocateContaminants(static_cast<long>(list.size()));
    for (size_t k = 0; k < list.size(); ++k) project->contaminants[k] = list[k];
    project->contaminantCount = static_cast<int16_t>(list.size());
  }
};

std::vector<int> Codes(const ProblemCode* codes, int count) {
  return codes ? std::vector<int>(codes, codes + count) : std::vector<int>{};
}

TEST(SeriesErf, ValuesAndLimits) {
  EXPECT_EQ(SeriesErf(0.0), 0.0);
  EXPECT_NEAR(SeriesErf(0.5), 0.5204998778, 1e-10);
  EXPECT_NEAR(SeriesErf(1.0), 0.8427007929, 1e-10);
  for (double z : {5.0, 7.0, 8.0, 10.0, 30.0, -6.0}) EXPECT_EQ(SeriesErf(z), std::erf(z)) << z;
  EXPECT_LE(SeriesErf(8.0), 1.0);
  EXPECT_EQ(SeriesErf(std::numeric_limits<double>::infinity()), 1.0);
  EXPECT_EQ(SeriesErf(-std::numeric_limits<double>::infinity()), 1.0);
  EXPECT_EQ(SeriesErf(std::nan("")), 1.0);
}

TEST(Calculation, AttenuationFactorEdgeCases) {
  const Contaminant c = ExampleContaminant(kAssessAttenuationFactor);
  Aquifer a = ExampleAquifer();
  a.sourceThicknessSy = 0.0;  // no source thickness: nothing arrives
  ContaminantResult r{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  EXPECT_EQ(r.relativeConcentration, 0.0);
  EXPECT_EQ(r.attenuationFactor, 0.0);
  EXPECT_EQ(r.acceptableSourceConcentration, 0.0);
  EXPECT_TRUE(std::isinf(r.sourceRatio) && r.sourceRatio > 0);

  a = ExampleAquifer();
  a.dispersivityAy = 0.0;  // no transverse spreading in y: that factor is 1
  r = ContaminantResult{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  EXPECT_NEAR(r.relativeConcentration, 3.57335e-6 / 0.5204999, 1e-10);

  a = ExampleAquifer();
  a.dispersivityAx = -5.0;  // passes the checks, but 1 + 4 ax lambda / v < 0
  r = ContaminantResult{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  EXPECT_TRUE(std::isnan(r.attenuationFactor));
  EXPECT_TRUE(std::isnan(r.sourceRatio));  // undefined, not "nothing arrives"

  a = ExampleAquifer();
  a.gradientI = 1e-30;
  a.conductivityKf = 1e-12;
  r = ContaminantResult{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  EXPECT_EQ(r.relativeConcentration, 0.0);
  EXPECT_EQ(r.receptorConcentration, 0.0);
  EXPECT_EQ(r.attenuationFactor, 0.0);
}

TEST_F(CalcAllTest, WorkedExamples) {
  Contaminant equal = ExampleContaminant(kAssessPlumeLength);
  equal.ca = equal.c0;
  SetContaminants({ExampleContaminant(kAssessPlumeLength | kAssessAttenuationFactor), equal});
  ASSERT_EQ(virelo_math_CalcAll(project), 1);
  ASSERT_EQ(project->resultCount, 2);
  const ContaminantResult& r = project->results[0];
  EXPECT_NEAR(r.plumeLength, std::log(100.0) * 100.0 * 0.04, 1e-12);
  EXPECT_NEAR(r.plumeLength, 18.42, 0.005);
  EXPECT_NEAR(r.plumeLengthRatio, 0.1842, 0.00005);
  EXPECT_NEAR(r.relativeConcentration, 3.57335e-6, 1e-11);
  EXPECT_NEAR(r.attenuationFactor, 279849.4, 0.1);
  EXPECT_NEAR(r.receptorConcentration, 3.57335e-4, 1e-9);
  EXPECT_NEAR(r.acceptableSourceConcentration, 279849.4, 0.1);
  EXPECT_NEAR(r.sourceRatio, 3.57335e-4, 1e-9);
  // Both assessments in one record, the contaminant's problems listed for each.
  EXPECT_NE(r.plContaminantProblems, nullptr);
  EXPECT_NE(r.afContaminantProblems, nullptr);
  EXPECT_EQ(r.plContaminantProblemCount + r.afContaminantProblemCount + r.plAquiferProblemCount +
                r.afAquiferProblemCount,
            0);
  EXPECT_EQ(project->results[1].contaminantIndex, 1);
  EXPECT_EQ(project->results[1].plumeLength, 0.0);
  EXPECT_EQ(project->results[1].afAquiferProblems, nullptr);
}

TEST_F(CalcAllTest, ProblemsPerAssessment) {
  Contaminant noC0 = ExampleContaminant(kAssessPlumeLength | kAssessAttenuationFactor);
  virelo_ClearContaminantValue(&noC0, kValueC0);
  Contaminant neither = ExampleContaminant(4);
  SetContaminants({ExampleContaminant(0), ExampleContaminant(kAssessPlumeLength | kAssessAttenuationFactor),
                   noC0, neither, ExampleContaminant(kAssessAttenuationFactor)});
  project->aquifer.setMask &= ~kAquiferAx;
  project->aquifer.dispersivityAx = 0.0;
  ASSERT_EQ(virelo_math_CalcAll(project), 1);
  ASSERT_EQ(project->resultCount, 4);

  const ContaminantResult& both = project->results[0];
  EXPECT_EQ(both.contaminantIndex, 1);
  EXPECT_GT(both.plumeLength, 0.0);
  EXPECT_EQ(Codes(both.afAquiferProblems, both.afAquiferProblemCount), (std::vector<int>{560, 570}));
  EXPECT_EQ(both.attenuationFactor, 0.0);
  EXPECT_EQ(both.sourceRatio, 0.0);

  const ContaminantResult& missing = project->results[1];
  EXPECT_EQ(Codes(missing.plContaminantProblems, missing.plContaminantProblemCount),
            (std::vector<int>{10, 20}));
  EXPECT_EQ(Codes(missing.afContaminantProblems, missing.afContaminantProblemCount),
            (std::vector<int>{10, 20}));
  EXPECT_EQ(missing.plAquiferProblemCount, 0);
  EXPECT_EQ(missing.plumeLength, 0.0);

  const ContaminantResult& none = project->results[2];
  EXPECT_EQ(none.contaminantIndex, 3);
  EXPECT_EQ(none.plAquiferProblems, nullptr);
  EXPECT_EQ(none.afContaminantProblems, nullptr);

  const ContaminantResult& afOnly = project->results[3];
  EXPECT_EQ(afOnly.plAquiferProblems, nullptr);
  EXPECT_EQ(afOnly.afAquiferProblemCount, 2);
  EXPECT_EQ(afOnly.relativeConcentration, 0.0);
}

TEST_F(CalcAllTest, NothingAssessed) {
  SetContaminants({ExampleContaminant(0), ExampleContaminant(0)});
  EXPECT_EQ(virelo_math_CalcAll(project), 1);
  EXPECT_EQ(project->resultCount, 0);
  EXPECT_EQ(project->results, nullptr);
  EXPECT_EQ(virelo_math_CalcAll(nullptr), 0);
}

}  // namespace
