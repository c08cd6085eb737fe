// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The case every face reads gives the engine's verdicts, targets and
// omissions, evaluates each row once, and computes with the contaminant
// under the project's decay convention.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/extras.h"
#include "engine/projectcase.h"
#include "engine/transport.h"
#include "tests/engine/support/projects.h"

namespace {

TEST(ProjectCase, GivesTheEnginesVerdictsTargetsAndOmissions) {
  for (const char* example : {"dry-cleaner.vrp", "petrol-station.vrp", "fuel-depot.vrp"}) {
    SCOPED_TRACE(example);
    ProjectHandle project = CalculatedExample(example);
    ASSERT_TRUE(project);
    VerdictOptions options = VerdictOptionsOf(*project);
    options.basis = VerdictBasis::Worse;
    ProjectCase evaluated(*project, options);
    EXPECT_EQ(evaluated.HasEvidence(), std::string(example) != "fuel-depot.vrp");
    const std::vector<RowVerdict> verdicts = ProjectVerdicts(*project, options);
    for (const RowVerdict& v : verdicts) {
      const ContaminantResult* result = nullptr;
      for (int k = 0; k < project->resultCount; ++k)
        if (project->results[k].contaminantIndex == v.contaminantIndex) result = &project->results[k];
      ASSERT_NE(result, nullptr);
      const RowVerdict& read = evaluated.Verdict(*result, v.plumeLength);
      EXPECT_EQ(read.verdict, v.verdict);
      EXPECT_EQ(read.reasons, v.reasons);
      EXPECT_EQ(read.wells.hasClass, v.wells.hasClass);
      // Asked again, the row is not evaluated anew.
      EXPECT_EQ(&evaluated.Verdict(*result, v.plumeLength), &read);
      if (v.plumeLength) continue;
      const VerdictTarget target = evaluated.Target(*result);
      const VerdictTarget expected =
          TargetOfVerdict(CaseModel(*project, v.contaminantIndex), *result, v, options.basis);
      EXPECT_EQ(target.origin, expected.origin);
      EXPECT_TRUE(target.value == expected.value || (std::isnan(target.value) && std::isnan(expected.value)));
    }
    EXPECT_EQ(evaluated.Omitted().size(), OmittedEvidenceOf(*project, options.afRange, options.basis).size());
  }
}

// Under "decay of dissolved and sorbed phase" the models' contaminant
// decays at lambda R; under the default it is the record itself.
TEST(ProjectCase, TheModelsContaminantFollowsTheDecayConvention) {
  ProjectHandle project = LoadExample("fuel-depot.vrp");
  ASSERT_TRUE(project);
  const int benzene = ContaminantIndex(*project, "Benzene");
  ASSERT_GE(benzene, 0);
  double own = 0.0, model = 0.0;
  virelo_GetLambda(&project->contaminants[benzene], &own);
  Contaminant c = CaseModel(*project, benzene);
  virelo_GetLambda(&c, &model);
  EXPECT_EQ(model, own);
  TransportInputs& t = virelo_Extras(project.get()).transport;
  t.aquifer = {1.8, 0.01, DecayOf::DissolvedAndSorbed};
  ContaminantTransport koc;
  koc.koc = 60.0;
  SetContaminantTransport(&t, "Benzene", koc);
  c = CaseModel(*project, benzene);
  virelo_GetLambda(&c, &model);
  const double R = virelo_RetardationOf(*project, "Benzene").value;
  EXPECT_GT(R, 1.0);
  EXPECT_DOUBLE_EQ(model, own * R);
}

}  // namespace
