// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Monte Carlo of a chain species: every draw goes through the chain,
// with the parent's drawn decay constant, and the class shares match a
// one-input quadrature over the same chain.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/evidence/evidence.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/montecarlo.h"
#include "tests/engine/support/projects.h"
#include "tests/engine/support/worked_example.h"

namespace {

const AssessmentRange kRange = kAssessmentRanges[0].range;  // 0.3 .. 2.0

// Parent A (not assessed, its lambda uncertain) and daughter B (assessed) on
// the worked-example aquifer (v = 0.04 m/d, x = 100 m: 2500 days).
ProjectHandle ChainProject() {
  ProjectHandle p = ProjectOf(
      WorkedExampleAquifer(),
      {{"A", 100.0, 1.0, 0.002, 0}, {"B", 1.0, 0.5, 0.001, kAssessPlumeLength | kAssessAttenuationFactor}});
  virelo_Extras(p.get()).chains.push_back({{"A", "B"}, {0.8}});
  return p;
}

constexpr double kLow = 0.0002, kHigh = 0.02;  // lambda of A, log-uniform

TEST(UncertaintyChain, ADaughtersSharesFollowItsChainAsAQuadratureDoes) {
  ProjectHandle project = ChainProject();
  UncertaintyPlan plan;
  plan.samples = 20000;
  plan.seed = 7;
  plan.inputs.push_back({UncertainInput::Lambda, "A", DistributionKind::LogUniform, {kLow, kHigh}});
  UncertaintyOptions options;
  options.plumeLengthRange = options.attenuationRange = kRange;
  options.threads = 2;
  const UncertaintyRun run = RunUncertainty(*project, plan, options);
  ASSERT_TRUE(run.problems.empty()) << run.problems[0];
  ASSERT_EQ(run.rows.size(), 2u);  // B's plume length and attenuation factor

  // The quadrature: the midpoint rule over the quantile u of lambda_A, each
  // point classed as the verdict classes it.
  std::vector<ChainLink> links = ChainLinksOf(*project, 1);
  ASSERT_EQ(links.size(), 1u);
  constexpr int kPoints = 20000;
  double share[2][4] = {{0, 0, 0, 0}, {0, 0, 0, 0}}, exceed = 0.0;
  const VerdictOptions verdict{kRange, kRange, VerdictBasis::Screening};
  for (int k = 0; k < kPoints; ++k) {
    const double u = (k + 0.5) / kPoints;
    Contaminant a = project->contaminants[0];
    virelo_SetLambda(&a, kLambdaUser, kLow * std::pow(kHigh / kLow, u));
    std::vector<ChainLink> drawn = links;
    RefreshChainSpecies(a, 0, &drawn[0].chain);
    for (int plume = 0; plume < 2; ++plume) {
      const ModelAssessment m =
          AssessModels(project->aquifer, project->contaminants[1], plume == 1, drawn, verdict);
      share[plume][static_cast<int>(m.cls)] += 1.0 / kPoints;
      if (plume == 0 && m.concentration > 0.5) exceed += 1.0 / kPoints;
    }
  }
  // Alone B arrives at 1 * exp(...) well below CA: every share that is not
  // Green comes from A's daughter mass.
  bool sawRed = false;
  for (const UncertaintyRow& row : run.rows) {
    const int plume = row.plumeLength ? 1 : 0;
    const double want[3] = {share[plume][3], share[plume][2], share[plume][1]};
    const double got[3] = {row.pGreen, row.pYellow, row.pRed};
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(got[c], want[c], 4.0 * std::sqrt(want[c] * (1 - want[c]) / plan.samples) + 1e-12)
          << (row.plumeLength ? "PL" : "AF") << " class " << c;
    if (!row.plumeLength) {
      EXPECT_NEAR(row.pExceed, exceed, 4.0 * std::sqrt(exceed * (1 - exceed) / plan.samples) + 1e-12);
    }
    sawRed = sawRed || row.pRed > 0.05;
    // The parent's decay constant drives the daughter's spread, and is
    // named with its species.
    ASSERT_EQ(row.ranking.size(), 1u);
    EXPECT_EQ(row.ranking[0].input, UncertainInput::Lambda);
    EXPECT_EQ(row.ranking[0].otherSpecies, "A");
    EXPECT_GT(std::fabs(row.ranking[0].rankCorrelation), 0.3);
  }
  EXPECT_TRUE(sawRed);
}

TEST(UncertaintyChain, RowsUnderTheBasisGoThroughTheChainToo) {
  ProjectHandle project = ChainProject();
  UncertaintyPlan plan;
  plan.samples = 300;
  plan.inputs.push_back({UncertainInput::Lambda, "A", DistributionKind::LogUniform, {kLow, kHigh}});
  UncertaintyOptions options;
  options.plumeLengthRange = options.attenuationRange = kRange;
  options.verdictBasis = UncertaintyModel::Worse;
  const UncertaintyRun run = RunUncertainty(*project, plan, options);
  ASSERT_TRUE(run.problems.empty()) << run.problems[0];
  ASSERT_EQ(run.rows.size(), 3u);
  const UncertaintyRow& screening = run.rows[1];
  const UncertaintyRow& worse = run.rows[2];
  ASSERT_EQ(worse.model, UncertaintyModel::Worse);
  EXPECT_GT(screening.pRed, 0.0);
  // The worse of both models is never better than the screening model alone.
  EXPECT_GE(worse.pRed, screening.pRed);
  EXPECT_GE(worse.concentration[1], screening.concentration[1]);
}

}  // namespace
