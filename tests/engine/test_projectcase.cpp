// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The case every face reads gives the engine's verdicts, targets and
// omissions, evaluates each row once, and computes with the contaminant
// under the project's decay convention.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/case/projectcase.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
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

// A result the list shows before the exact solution ran gets it from the
// case, as virelo_math_CalcExactAll gives it, for the first contaminant as
// for the rest; a result that has it keeps it.
TEST(ProjectCase, AddExactGivesTheExactSolutionOnce) {
  bool first = false;
  for (const char* example : {"dry-cleaner.vrp", "fuel-depot.vrp"}) {
    SCOPED_TRACE(example);
    ProjectHandle project = CalculatedExample(example);  // with the exact solution
    ASSERT_TRUE(project);
    for (int k = 0; k < project->resultCount; ++k) {
      ContaminantResult r = project->results[k];
      if (!r.exactComputed) continue;
      first = first || r.contaminantIndex == 0;
      ContaminantResult bare = r;
      bare.exactComputed = 0;
      bare.exactAttenuationFactor = bare.exactRelativeConcentration = bare.exactSourceRatio = -1.0;
      ProjectCase::AddExact(*project, bare);
      EXPECT_TRUE(bare.exactComputed);
      EXPECT_EQ(bare.exactRelativeConcentration, r.exactRelativeConcentration) << k;
      EXPECT_EQ(bare.exactAttenuationFactor, r.exactAttenuationFactor) << k;
      // Computed already: left as it is.
      ContaminantResult kept = r;
      kept.exactAttenuationFactor = -2.0;
      ProjectCase::AddExact(*project, kept);
      EXPECT_EQ(kept.exactAttenuationFactor, -2.0);
    }
  }
  EXPECT_TRUE(first);
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

namespace {

// The worse-class reasons of a row the wells and another line make worse
// together: each is named, none hides the other.
TEST(ProjectCase, EveryReasonOfARowMadeWorseIsNamed) {
  WellsEvidence red;
  red.hasFit = true;
  red.hasClass = true;
  red.cls = AssessmentClass::Red;

  // The exact solution and the wells: a fuel-depot row the exact solution
  // makes worse under some attenuation-factor range.
  ProjectHandle depot = CalculatedExample("fuel-depot.vrp");
  ASSERT_TRUE(depot);
  bool sawExact = false;
  for (int af = 0; af < kAssessmentRangeCount && !sawExact; ++af) {
    const VerdictOptions options{kAssessmentRanges[0].range, kAssessmentRanges[af].range,
                                 VerdictBasis::Exact};
    for (int k = 0; k < depot->resultCount && !sawExact; ++k) {
      const ContaminantResult& r = depot->results[k];
      if (!(VerdictWithWells(*depot, r, false, options, nullptr).reasons & kReasonExact)) continue;
      const RowVerdict v = VerdictWithWells(*depot, r, false, options, &red);
      EXPECT_EQ(v.verdict, AssessmentClass::Red);
      EXPECT_EQ(v.reasons, static_cast<unsigned>(kReasonExact | kReasonWells));
      EXPECT_EQ(VerdictReasonWords(v.reasons), "exact wells");
      sawExact = true;
    }
  }
  EXPECT_TRUE(sawExact) << "no fuel-depot row the exact solution makes worse";

  // A chain and the wells: vinyl chloride on the dry cleaner, Red by its
  // chain; wells that say Yellow are named too, since they are worse than
  // its own Green.
  ProjectHandle cleaner = CalculatedExample("dry-cleaner.vrp");
  ASSERT_TRUE(cleaner);
  const VerdictOptions options = VerdictOptionsOf(*cleaner);
  const ContaminantResult* vc = nullptr;
  for (int k = 0; k < cleaner->resultCount; ++k)
    if (std::string(cleaner->contaminants[cleaner->results[k].contaminantIndex].name) == "Vinyl chloride")
      vc = &cleaner->results[k];
  ASSERT_NE(vc, nullptr);
  ASSERT_EQ(VerdictWithWells(*cleaner, *vc, false, options, nullptr).reasons,
            static_cast<unsigned>(kReasonChain));
  WellsEvidence yellow = red;
  yellow.cls = AssessmentClass::Yellow;
  for (const WellsEvidence* wells : {&red, &yellow}) {
    const RowVerdict v = VerdictWithWells(*cleaner, *vc, false, options, wells);
    EXPECT_EQ(v.verdict, AssessmentClass::Red);
    EXPECT_EQ(v.reasons, static_cast<unsigned>(kReasonChain | kReasonWells));
    EXPECT_EQ(VerdictReasonWords(v.reasons), "chain wells");
  }
}

}  // namespace
