// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What a Monte Carlo run says about its draws: the percentiles at their
// positions between the order statistics, a concentration the model cannot
// give counted as the worst, the bounds of a truncated lognormal, and the
// sign and order of each input's influence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "engine/core/distributions.h"
#include "engine/evidence/evidence.h"
#include "engine/uncertainty/montecarlo.h"
#include "engine/uncertainty/montecarlo_stats.h"
#include "tests/engine/support/worked_example.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kBoth = kAssessPlumeLength | kAssessAttenuationFactor;

Project* OneContaminant(double c0, double ca, double lambda) {
  Project* p = virelo_AllocateProject();
  p->aquifer = WorkedExampleAquifer();
  p->contaminants = virelo_AllocateContaminants(1);
  p->contaminantCount = 1;
  Contaminant& c = p->contaminants[0];
  std::strcpy(c.name, "Benzene");
  virelo_SetContaminantValue(&c, kValueC0, c0);
  virelo_SetContaminantValue(&c, kValueCa, ca);
  virelo_SetLambda(&c, kLambdaUser, lambda);
  c.lambdaSelected = kLambdaUser;
  c.assess = kBoth;
  return p;
}

// Linear between the order statistics: position p (n - 1) from the smallest.
double Between(const std::vector<double>& sorted, double p) {
  const double at = p * static_cast<double>(sorted.size() - 1);
  const size_t low = static_cast<size_t>(at);
  if (low + 1 >= sorted.size()) return sorted[low];
  return sorted[low] + (at - static_cast<double>(low)) * (sorted[low + 1] - sorted[low]);
}

// C0 drawn uniformly, everything else fixed: the ratios and concentrations
// of each draw come from the per-draw assessment of the drawn C0, and the
// run's percentiles must sit at the positions of the reference. With 11
// and 20 samples no percentile falls on an order statistic but the median
// of 11, so a position off by one sample, or p n instead of p (n - 1),
// shows.
TEST(MonteCarloStatistics, PercentilesSitBetweenTheRightOrderStatistics) {
  Project* project = OneContaminant(100, 1, 0.01);
  for (int n : {11, 20}) {
    UncertaintyPlan plan;
    plan.samples = n;
    plan.seed = 5;
    plan.inputs = {{UncertainInput::C0, "Benzene", DistributionKind::Uniform, {50, 150}}};
    UncertaintyOptions options;
    options.keepRatios = true;
    const UncertaintyRun run = RunUncertainty(*project, plan, options);
    ASSERT_TRUE(run.problems.empty());
    ASSERT_EQ(run.rows.size(), 2u);

    std::string why;
    const Sampler c0 = Sampler::Make(DistributionKind::Uniform, {50, 150}, &why);
    const uint64_t start = StreamStart(plan.seed, InputStream(UncertainInput::C0, "Benzene"));
    for (const UncertaintyRow& row : run.rows) {
      std::vector<double> ratios, concentrations;
      for (int k = 0; k < n; ++k) {
        Contaminant drawn = project->contaminants[0];
        virelo_SetContaminantValue(&drawn, kValueC0, c0.Quantile(UniformAt(start, static_cast<uint64_t>(k))));
        const ModelAssessment m =
            AssessModels(project->aquifer, drawn, row.plumeLength, {}, VerdictOptions{});
        ratios.push_back(m.ratio);
        concentrations.push_back(m.concentration);
      }
      std::sort(ratios.begin(), ratios.end());
      std::sort(concentrations.begin(), concentrations.end());
      ASSERT_LT(ratios.front(), ratios.back());
      EXPECT_EQ(row.sortedRatios, ratios) << n;
      const double levels[3] = {0.05, 0.5, 0.95};
      for (int p = 0; p < 3; ++p) {
        EXPECT_NEAR(row.ratio[p], Between(ratios, levels[p]), 1e-12 * ratios.back()) << n << " " << p;
        EXPECT_NEAR(row.concentration[p], Between(concentrations, levels[p]), 1e-12 * concentrations.back())
            << n << " " << p;
      }
    }
  }
  virelo_FreeProject(project);
}

// A decay constant so large that the exact solution's integral is
// undefined (its rate times the distance overflows), while the screening
// formula lets nothing arrive. Under the exact basis, and under the worse
// of the two models, every draw is then undefined: Red, exceeding CA, and
// the worst ratio and concentration at every percentile; the screening row
// of the same draws is Green with nothing arriving.
TEST(MonteCarloStatistics, UndefinedConcentrationsCountAsTheWorst) {
  Project* project = OneContaminant(100, 1, 1e307);
  const ModelAssessment single =
      AssessModels(project->aquifer, project->contaminants[0], false, {}, {{}, {}, VerdictBasis::Exact});
  ASSERT_TRUE(std::isnan(single.concentration));  // the premise
  UncertaintyPlan plan;
  plan.samples = 40;
  plan.inputs = {{UncertainInput::C0, "Benzene", DistributionKind::Uniform, {50, 150}}};
  for (UncertaintyModel basis : {UncertaintyModel::Exact, UncertaintyModel::Worse}) {
    UncertaintyOptions options;
    options.verdictBasis = basis;
    const UncertaintyRun run = RunUncertainty(*project, plan, options);
    ASSERT_TRUE(run.problems.empty());
    ASSERT_EQ(run.rows.size(), 3u);  // PL, AF, AF under the basis
    const UncertaintyRow& screening = run.rows[1];
    const UncertaintyRow& undefined = run.rows[2];
    ASSERT_EQ(undefined.model, basis);
    EXPECT_EQ(undefined.pRed, 1.0);
    EXPECT_EQ(undefined.pExceed, 1.0);
    for (int p = 0; p < 3; ++p) {
      EXPECT_EQ(undefined.ratio[p], kInf) << p;
      EXPECT_EQ(undefined.concentration[p], kInf) << p;
    }
    EXPECT_EQ(screening.pGreen, 1.0);
    EXPECT_EQ(screening.pExceed, 0.0);
    for (int p = 0; p < 3; ++p) {
      EXPECT_EQ(screening.ratio[p], 0.0) << p;
      EXPECT_EQ(screening.concentration[p], 0.0) << p;
    }
  }
  virelo_FreeProject(project);
}

// A truncated lognormal draws within its bounds, reaches them at the
// extreme uniform numbers, and puts its median where the truncated normal
// of the logarithm has it. References from mpmath (mp.dps = 30), q the
// standard normal quantile and N its distribution function:
//   median 1, gsd 2 on [0.5, 4]: exp(ln2 q(N(-1) + 0.5 (N(2) - N(-1))))
//     = 1.12596651040942419548
//   median 1, gsd 2 on [0, 10] (no lower bound in the logarithm):
//     exp(ln2 q(0.5 N(ln10/ln2))) = 0.999611762400759933057
TEST(MonteCarloStatistics, TruncatedLogNormalKeepsItsBounds) {
  std::string why;
  const Sampler inside = Sampler::Make(DistributionKind::LogNormal, {1, 2, 0.5, 4}, &why);
  ASSERT_EQ(why, "");
  EXPECT_NEAR(inside.Quantile(0.5), 1.12596651040942419548, 1e-13);
  EXPECT_GE(inside.Lowest(), 0.5);
  EXPECT_LE(inside.Highest(), 4.0);
  EXPECT_NEAR(inside.Lowest(), 0.5, 1e-12);
  EXPECT_NEAR(inside.Highest(), 4.0, 1e-12);
  const Sampler fromZero = Sampler::Make(DistributionKind::LogNormal, {1, 2, 0, 10}, &why);
  ASSERT_EQ(why, "");
  EXPECT_NEAR(fromZero.Quantile(0.5), 0.999611762400759933057, 1e-13);
  EXPECT_GT(fromZero.Lowest(), 0.0);
  EXPECT_NEAR(fromZero.Highest(), 10.0, 1e-11);
  // A far lower tail keeps its bounds too; there the smallest uniform number
  // lies measurably above the bound, where mpmath puts it:
  //   exp(ln1000 + ln2 q(a + 2^-53 (b - a))), a, b = N((ln1, ln10 - ln1000)/ln2)
  //   = 1.00001085853955898057
  const Sampler low = Sampler::Make(DistributionKind::LogNormal, {1000, 2, 1, 10}, &why);
  ASSERT_EQ(why, "");
  EXPECT_GE(low.Lowest(), 1.0);
  EXPECT_LE(low.Highest(), 10.0);
  EXPECT_NEAR(low.Lowest(), 1.00001085853955898057, 1e-13);
  EXPECT_NEAR(low.Highest(), 10.0, 1e-9);

  // The checks before a run go by the bounds: a porosity lognormal within
  // (0, 1] is usable, one that can draw above 1 is not.
  Project* project = OneContaminant(100, 1, 0.01);
  UncertaintyPlan plan;
  plan.inputs = {{UncertainInput::Ne, "", DistributionKind::LogNormal, {0.25, 1.5, 0.1, 0.4}}};
  EXPECT_TRUE(CheckUncertaintyPlan(*project, plan).empty());
  plan.inputs[0].params = {0.25, 1.5};
  EXPECT_EQ(CheckUncertaintyPlan(*project, plan).size(), 1u);
  plan.inputs[0].params = {0.25, 1.5, 0.1, 1.5};
  EXPECT_EQ(CheckUncertaintyPlan(*project, plan).size(), 1u);
  // Every draw of a run lies within the bounds, whatever it does to the ratio.
  plan.inputs[0].params = {0.25, 1.5, 0.2, 0.3};
  plan.samples = 400;
  UncertaintyOptions options;
  options.keepRatios = true;
  const UncertaintyRun run = RunUncertainty(*project, plan, options);
  ASSERT_TRUE(run.problems.empty());
  ASSERT_EQ(run.rows.size(), 2u);
  // The plume length goes as 1/ne: its ratios lie between those of the bounds.
  Contaminant& c = project->contaminants[0];
  Aquifer bound = project->aquifer;
  bound.porosityNe = 0.3;
  const double shortest = AssessModels(bound, c, true, {}, {}).ratio;
  bound.porosityNe = 0.2;
  const double longest = AssessModels(bound, c, true, {}, {}).ratio;
  ASSERT_EQ(run.rows[0].sortedRatios.size(), 400u);
  EXPECT_GE(run.rows[0].sortedRatios.front(), shortest * (1 - 1e-12));
  EXPECT_LE(run.rows[0].sortedRatios.back(), longest * (1 + 1e-12));
  virelo_FreeProject(project);
}

// The ranking: each input's rank correlation with the ratio carries the sign
// of its effect, and the inputs come strongest first by its size, whatever
// the sign. CA lowers both ratios, the gradient raises both; the source's
// thickness raises the attenuation factor's and is not an input of the
// plume length.
TEST(MonteCarloStatistics, RankingCarriesSignsAndComesStrongestFirst) {
  Project* project = OneContaminant(100, 1, 0.01);
  UncertaintyPlan plan;
  plan.samples = 2000;
  plan.seed = 11;
  plan.inputs = {{UncertainInput::I, "", DistributionKind::Uniform, {0.008, 0.012}},
                 {UncertainInput::Thickness, "", DistributionKind::Uniform, {2, 8}},
                 {UncertainInput::CA, "Benzene", DistributionKind::LogUniform, {0.1, 10}}};
  const UncertaintyRun run = RunUncertainty(*project, plan, {});
  ASSERT_TRUE(run.problems.empty());
  ASSERT_EQ(run.rows.size(), 2u);
  for (const UncertaintyRow& row : run.rows) {
    ASSERT_EQ(row.ranking.size(), row.plumeLength ? 2u : 3u);
    for (size_t k = 0; k < row.ranking.size(); ++k) {
      const InputInfluence& influence = row.ranking[k];
      const double rho = influence.rankCorrelation;
      if (k > 0) EXPECT_GE(std::fabs(row.ranking[k - 1].rankCorrelation), std::fabs(rho));
      EXPECT_TRUE(influence.otherSpecies.empty());
      switch (influence.input) {
        case UncertainInput::CA: EXPECT_LT(rho, -0.5) << row.plumeLength; break;
        case UncertainInput::I: EXPECT_GT(rho, 0.05) << row.plumeLength; break;
        case UncertainInput::Thickness:
          EXPECT_FALSE(row.plumeLength);
          EXPECT_GT(rho, 0.05);
          break;
        default: ADD_FAILURE() << UncertainInputName(influence.input);
      }
    }
    // CA spans two decades and speaks loudest, with a negative sign.
    EXPECT_EQ(row.ranking[0].input, UncertainInput::CA);
  }
  virelo_FreeProject(project);
}

}  // namespace

// Tied values share the mean of the ranks they occupy, so that a ranking
// over inputs drawn from a discrete or clipped distribution stays unbiased;
// a percentile beside an infinite draw takes the nearer order statistic.
TEST(MonteCarloStatistics, TiesShareTheirMeanRankAndInfiniteNeighboursAreNotBlended) {
  std::vector<double> sorted;
  const std::vector<double> ranks = MonteCarloRanks({3.0, 1.0, 3.0, 2.0, 3.0}, &sorted);
  EXPECT_EQ(ranks, (std::vector<double>{4.0, 1.0, 4.0, 2.0, 4.0}));
  EXPECT_EQ(sorted, (std::vector<double>{1.0, 2.0, 3.0, 3.0, 3.0}));
  EXPECT_EQ(MonteCarloRanks({5.0, 5.0}), (std::vector<double>{1.5, 1.5}));

  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> values = {1.0, 2.0, inf};
  EXPECT_EQ(MonteCarloPercentile(values, 0.7), 2.0);   // at 1.4: nearer to 2
  EXPECT_EQ(MonteCarloPercentile(values, 0.8), inf);   // at 1.6: nearer to inf
  EXPECT_EQ(MonteCarloPercentile(values, 0.25), 1.5);  // finite neighbours blend
}
