// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/distributions.h"
#include "engine/core/exact.h"
#include "engine/uncertainty/montecarlo.h"
#include "tests/engine/support/projects.h"
#include "tests/engine/support/worked_example.h"

namespace {

const AssessmentRange kRange = kAssessmentRanges[0].range;  // 0.3 .. 2.0

constexpr int kBoth = kAssessPlumeLength | kAssessAttenuationFactor;

InputDistribution Dist(UncertainInput input, DistributionKind kind, std::vector<double> params,
                       std::string contaminant = "") {
  return {input, std::move(contaminant), kind, std::move(params)};
}

double QuantileOf(DistributionKind kind, std::vector<double> params, double u) {
  std::string why;
  const Sampler s = Sampler::Make(kind, params, &why);
  EXPECT_EQ(why, "");
  return s.Quantile(u);
}

// Reference quantiles from mpmath (mp.dps = 30), with
// q(p) = sqrt(2)*erfinv(2p-1):
//   q(2**-53), q(0.001), q(0.3), q(0.975), q(1-2**-53);
//   lognormal median 2, gsd 3 at 0.9: 2*3**q(0.9);
//   normal 0.3, 0.1 truncated to [0.1, 0.35] at 0.25:
//     0.3+0.1*q(a+0.25*(b-a)), a = ncdf(-2), b = ncdf(0.5);
//   lognormal median 1, gsd 2 truncated to [100, 1000] at 0.5 (far upper
//     tail): exp(ln2*-q(Qa-0.5*(Qa-Qb))), Qa = 1-ncdf(ln100/ln2), Qb likewise;
//   triangular 1, 2, 5 at 0.1 and 0.8: 1+sqrt(0.4), 5-sqrt(2.4).
TEST(Uncertainty, TransformsMatchHighPrecisionQuantiles) {
  const double normal[][2] = {{0x1p-53, -8.20953615160138685563},
                              {0.001, -3.09023230616781354154},
                              {0.3, -0.524400512708040784038},
                              {0.975, 1.95996398454005423552},
                              {1.0 - 0x1p-53, 8.20953615160138685563}};
  for (const auto& [p, z] : normal) EXPECT_NEAR(NormalQuantile(p), z, 4e-15 * std::fabs(z)) << p;
  EXPECT_EQ(NormalQuantile(0.0), -INFINITY);

  using K = DistributionKind;
  EXPECT_NEAR(QuantileOf(K::LogNormal, {2, 3}, 0.9), 8.17495718147139400161, 1e-13);
  EXPECT_NEAR(QuantileOf(K::Normal, {0.3, 0.1, 0.1, 0.35}, 0.25), 0.212183913882870917567, 1e-14);
  EXPECT_NEAR(QuantileOf(K::LogNormal, {1, 2, 100, 1000}, 0.5), 107.279061306835858007, 1e-11);
  EXPECT_NEAR(QuantileOf(K::Triangular, {1, 2, 5}, 0.1), 1.63245553203367586640, 1e-14);
  EXPECT_NEAR(QuantileOf(K::Triangular, {1, 2, 5}, 0.8), 3.45080666151703324593, 1e-14);
  EXPECT_NEAR(QuantileOf(K::LogUniform, {0.001, 10}, 0.25), 0.01, 1e-16);
  EXPECT_NEAR(QuantileOf(K::Uniform, {2, 6}, 0.25), 3.0, 1e-15);
  // A truncated draw never leaves its bounds, even at the extremes.
  EXPECT_GE(QuantileOf(K::Normal, {0.3, 0.1, 0.1, 0.35}, kUniformLowest), 0.1);
  EXPECT_LE(QuantileOf(K::LogNormal, {1, 2, 100, 1000}, 1.0 - kUniformLowest), 1000.0);
}

// A site's 90 % interval of lambda, 0.001 to 0.01 1/d, becomes the
// lognormal whose 5th and 95th percentiles are those two values.
TEST(Uncertainty, LogNormalMatchesAnInterval) {
  double median = 0.0, gsd = 0.0;
  ASSERT_TRUE(LogNormalFromInterval(0.001, 0.01, 0.9, &median, &gsd));
  EXPECT_NEAR(median, std::sqrt(1e-5), 1e-15);
  EXPECT_NEAR(QuantileOf(DistributionKind::LogNormal, {median, gsd}, 0.05), 0.001, 1e-15);
  EXPECT_NEAR(QuantileOf(DistributionKind::LogNormal, {median, gsd}, 0.95), 0.01, 1e-14);
  EXPECT_FALSE(LogNormalFromInterval(0.01, 0.001, 0.9, &median, &gsd));
  EXPECT_FALSE(LogNormalFromInterval(0.0, 0.001, 0.9, &median, &gsd));
  EXPECT_FALSE(LogNormalFromInterval(0.001, 0.01, 1.0, &median, &gsd));
}

// A uniform number in (0, 1), never 0 or 1, and a sequence that depends on
// the seed and the stream.
TEST(Uncertainty, GeneratorIsOpenAndSeeded) {
  const uint64_t a = StreamStart(1, InputStream(UncertainInput::Kf, ""));
  const uint64_t b = StreamStart(2, InputStream(UncertainInput::Kf, ""));
  const uint64_t c = StreamStart(1, InputStream(UncertainInput::Lambda, "Benzene"));
  const uint64_t d = StreamStart(1, InputStream(UncertainInput::Lambda, "Toluene"));
  double sum = 0.0;
  int same = 0;
  for (uint64_t k = 0; k < 10000; ++k) {
    const double u = UniformAt(a, k);
    ASSERT_GT(u, 0.0);
    ASSERT_LT(u, 1.0);
    sum += u;
    same += u == UniformAt(b, k) || UniformAt(c, k) == UniformAt(d, k);
  }
  EXPECT_NEAR(sum / 10000, 0.5, 4 * std::sqrt(1.0 / 12 / 10000));
  EXPECT_EQ(same, 0);
}

// Plug-flow plume length d = ln(C0/CA) Kf i / (ne lambda) with i 0.01,
// ne 0.25, C0/CA 100, x 100 m, Kf and lambda lognormal with medians 1 m/d
// and 0.01 1/d and sigma_ln = ln 10 / (2 1.645). ln d is normal with mean
// ln(ln(100) 0.04 / 0.01) and sd sqrt(2) sigma_ln, so by mpmath:
//   P(d > 100) = 1-ncdf((ln(100)-m)/S) = 0.0437088853749972128975
//   P(d <= 30) = 0.688910255621707955005, P(d > 200) = 0.00798742348015084569932
// Spearman's rho of Kf (and of lambda) with d: (6/pi) asin(1/(2 sqrt 2))
// = 0.690160368487847655641 for a bivariate normal of correlation 1/sqrt 2.
TEST(Uncertainty, PlugFlowProbabilitiesAgreeWithQuadrature) {
  ProjectHandle project = ProjectOf(WorkedExampleAquifer(), {{"Benzene", 100, 1, 0.01, kAssessPlumeLength}});
  const double gsd = std::exp(std::log(10.0) / (2 * 1.645));
  UncertaintyPlan plan;
  plan.samples = 20000;
  plan.seed = 7;
  plan.inputs = {Dist(UncertainInput::Kf, DistributionKind::LogNormal, {1.0, gsd}),
                 Dist(UncertainInput::Lambda, DistributionKind::LogNormal, {0.01, gsd}, "Benzene")};
  const UncertaintyRun run = RunUncertainty(*project, plan, {});
  ASSERT_TRUE(run.problems.empty());
  ASSERT_EQ(run.rows.size(), 1u);
  const UncertaintyRow& row = run.rows[0];
  EXPECT_EQ(row.samples, 20000);
  EXPECT_NEAR(row.pExceed, 0.0437088853749972128975, 4 * row.StandardError(0.0437088853749972));
  EXPECT_NEAR(row.pGreen, 0.688910255621707955005, 4 * row.StandardError(0.688910255621708));
  EXPECT_NEAR(row.pRed, 0.00798742348015084569932, 4 * row.StandardError(0.00798742348015085));
  EXPECT_DOUBLE_EQ(row.pGreen + row.pYellow + row.pRed, 1.0);
  EXPECT_NEAR(row.LargestStandardError(), row.StandardError(row.pGreen), 1e-12);

  // The median ratio is the median plume length over x (18.42 m / 100 m);
  // the receptor concentration C0 (CA/C0)^(1/ratio) rises with the ratio,
  // so its percentiles are those of the ratio carried over.
  EXPECT_NEAR(row.ratio[1] / (std::log(100.0) * 0.04 / 0.01 / 100), 1.0, 0.04);
  EXPECT_LT(row.ratio[0], row.ratio[1]);
  EXPECT_LT(row.ratio[1], row.ratio[2]);
  for (int p = 0; p < 3; ++p)
    EXPECT_NEAR(std::log(row.concentration[p]), std::log(100 * std::pow(0.01, 1 / row.ratio[p])), 0.05) << p;

  ASSERT_EQ(row.ranking.size(), 2u);
  for (const InputInfluence& influence : row.ranking) {
    const double expected =
        influence.input == UncertainInput::Kf ? 0.690160368487847655641 : -0.690160368487847655641;
    EXPECT_NEAR(influence.rankCorrelation, expected, 0.02) << UncertainInputName(influence.input);
  }
}

// Two contaminants, both assessments under the "worse" basis, aquifer and
// contaminant draws, dispersivities following x: identical with 1 and 2
// threads, and different under another seed.
TEST(Uncertainty, ThreadsDoNotChangeTheNumbers) {
  ProjectHandle project =
      ProjectOf(WorkedExampleAquifer(), {{"Benzene", 100, 1, 0.01, kBoth}, {"Toluene", 10, 1, 0.001, kBoth}});
  project->approximateDispersivity = 1;
  UncertaintyPlan plan;
  plan.samples = 2500;  // more than one block of work
  plan.seed = 42;
  plan.inputs = {Dist(UncertainInput::X, DistributionKind::Uniform, {60, 140}),
                 Dist(UncertainInput::Kf, DistributionKind::LogUniform, {0.3, 3}),
                 Dist(UncertainInput::Ne, DistributionKind::Normal, {0.25, 0.05, 0.1, 0.4}),
                 Dist(UncertainInput::Width, DistributionKind::Triangular, {2, 6, 12}),
                 Dist(UncertainInput::Lambda, DistributionKind::LogNormal, {0.001, 3}, "Toluene"),
                 Dist(UncertainInput::C0, DistributionKind::Uniform, {50, 150}, "Benzene"),
                 Dist(UncertainInput::C0, DistributionKind::Uniform, {5, 50}, "Toluene")};
  UncertaintyOptions options;
  options.verdictBasis = UncertaintyModel::Worse;
  options.threads = 1;
  const UncertaintyRun one = RunUncertainty(*project, plan, options);
  options.threads = 2;
  const UncertaintyRun two = RunUncertainty(*project, plan, options);
  plan.seed = 43;
  const UncertaintyRun other = RunUncertainty(*project, plan, options);
  ASSERT_TRUE(one.problems.empty()) << one.problems.front();
  ASSERT_EQ(one.rows.size(), 6u);  // PL, AF, AF worse per contaminant
  ASSERT_EQ(two.rows.size(), one.rows.size());
  ASSERT_EQ(other.rows.size(), one.rows.size());
  for (size_t r = 0; r < one.rows.size(); ++r) {
    const UncertaintyRow &a = one.rows[r], &b = two.rows[r];
    EXPECT_EQ(a.pGreen, b.pGreen);
    EXPECT_EQ(a.pYellow, b.pYellow);
    EXPECT_EQ(a.pExceed, b.pExceed);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(a.ratio[p], b.ratio[p]);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(a.concentration[p], b.concentration[p]);
    ASSERT_EQ(a.ranking.size(), b.ranking.size());
    for (size_t k = 0; k < a.ranking.size(); ++k) {
      EXPECT_EQ(a.ranking[k].input, b.ranking[k].input);
      EXPECT_EQ(a.ranking[k].rankCorrelation, b.ranking[k].rankCorrelation);
    }
    EXPECT_NE(a.ratio[1], other.rows[r].ratio[1]);
    EXPECT_NEAR(a.pGreen + a.pYellow + a.pRed, 1.0, 1e-12);
  }
  // The plume length sees only its own inputs; the attenuation factor all.
  EXPECT_EQ(one.rows[0].ranking.size(), 4u);  // x, Kf, ne, C0
  EXPECT_EQ(one.rows[1].ranking.size(), 5u);  // and the width
  EXPECT_EQ(one.rows[3].ranking.size(), 5u);  // x, Kf, ne, lambda, C0
  // Each input pushes the ratio its own way: Kf, C0 and the width up, ne and
  // lambda down.
  for (const UncertaintyRow& row : one.rows) {
    for (const InputInfluence& influence : row.ranking) {
      const UncertainInput in = influence.input;
      if (in == UncertainInput::X) continue;  // the dispersivities move with it
      const bool up = in == UncertainInput::Kf || in == UncertainInput::C0 || in == UncertainInput::Width;
      EXPECT_GT(up ? influence.rankCorrelation : -influence.rankCorrelation, 0.05) << UncertainInputName(in);
    }
  }
  // The worse of two models is never better than the screening model.
  for (size_t r : {1u, 4u}) EXPECT_LE(one.rows[r + 1].pGreen, one.rows[r].pGreen);
}

// Without any spread every draw is the project itself: each row has its
// single verdict with probability 1 and the single ratio as every
// percentile. On a 2 m by 1 m source the exact solution is a class worse
// than the screening formula for the first two contaminants; the fourth
// decays so fast that nothing arrives (an infinite source ratio, counted
// as ratio 0).
TEST(Uncertainty, FixedInputsReproduceTheSingleVerdict) {
  ProjectHandle project = ProjectOf(WorkedExampleAquifer(), {{"A", 1000, 1, 0.002, kBoth},
                                                             {"B", 1000, 1, 0.001, kBoth},
                                                             {"C", 100, 1, 0.0005, kBoth},
                                                             {"Vanishing", 100, 1, 50, kBoth},
                                                             {"Unassessed", 100, 1, 0.01, 0}});
  project->aquifer.sourceThicknessSy = 1;
  project->aquifer.sourceWidthSz = 1;
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  UncertaintyPlan plan;
  plan.samples = 50;
  plan.inputs = {Dist(UncertainInput::Kf, DistributionKind::Fixed, {}),
                 Dist(UncertainInput::Lambda, DistributionKind::Fixed, {}, "C")};
  for (UncertaintyModel basis : {UncertaintyModel::Exact, UncertaintyModel::Worse}) {
    UncertaintyOptions options;
    options.verdictBasis = basis;
    const UncertaintyRun run = RunUncertainty(*project, plan, options);
    ASSERT_EQ(run.rows.size(), 12u);
    int seen[4] = {0, 0, 0, 0}, worseThanScreening = 0;
    for (const UncertaintyRow& row : run.rows) {
      const ContaminantResult& single = project->results[row.contaminantIndex];
      const AssessmentClass screening = ClassifyAttenuationFactor(single.sourceRatio, kRange);
      AssessmentClass cls = screening;
      double ratio = single.sourceRatio;
      if (row.plumeLength) {
        cls = ClassifyPlumeLength(single.plumeLengthRatio, kRange), ratio = single.plumeLengthRatio;
      } else if (row.model != UncertaintyModel::Screening) {
        const AssessmentClass exact = ClassifyExactAttenuationFactor(single, kRange);
        cls = basis == UncertaintyModel::Exact ? exact : std::min(exact, screening);
        ratio = basis == UncertaintyModel::Exact ? single.exactSourceRatio
                                                 : std::max(single.exactSourceRatio, single.sourceRatio);
        worseThanScreening += cls < screening;
        EXPECT_EQ(row.model, basis);
      }
      if (!row.plumeLength && std::isinf(ratio)) ratio = 0.0;
      EXPECT_EQ(row.pGreen, cls == AssessmentClass::Green ? 1.0 : 0.0);
      EXPECT_EQ(row.pYellow, cls == AssessmentClass::Yellow ? 1.0 : 0.0);
      EXPECT_EQ(row.pRed, cls == AssessmentClass::Red ? 1.0 : 0.0);
      EXPECT_EQ(row.LargestStandardError(), 0.0);
      ++seen[static_cast<int>(cls)];
      for (int p = 0; p < 3; ++p) EXPECT_DOUBLE_EQ(row.ratio[p], ratio);
      EXPECT_EQ(row.pExceed, ratio > 1.0 ? 1.0 : 0.0);
    }
    EXPECT_EQ(worseThanScreening, 2);
    EXPECT_GT(seen[1] * seen[2] * seen[3], 0);
  }
}

// x, width and thickness drawn within a hair of 100, 20 and 5 with
// "Approximate by x" on and stale dispersivities in the project: the draws
// must carry ax 10, ay 1, az 0.1, Sy 10 and Sz 5, the worked example.
TEST(Uncertainty, DrawnValuesReachTheModelAsThePagesStoreThem) {
  ProjectHandle project =
      ProjectOf(WorkedExampleAquifer(), {{"Benzene", 100, 1, 0.01, kAssessAttenuationFactor}});
  project->approximateDispersivity = 1;
  project->aquifer.dispersivityAx = 50;  // stale: the draws must replace it
  project->aquifer.sourceThicknessSy = 3;
  project->aquifer.sourceWidthSz = 3;
  UncertaintyPlan plan;
  plan.samples = 20;
  plan.inputs = {Dist(UncertainInput::X, DistributionKind::Uniform, {100, 100 + 1e-9}),
                 Dist(UncertainInput::Width, DistributionKind::Uniform, {20, 20 + 1e-9}),
                 Dist(UncertainInput::Thickness, DistributionKind::Uniform, {5, 5 + 1e-9})};
  const UncertaintyRun run = RunUncertainty(*project, plan, {});
  ASSERT_EQ(run.rows.size(), 1u);
  // The worked example's source ratio, 3.57335e-4 (by hand from its values).
  EXPECT_NEAR(run.rows[0].ratio[1] / 3.57335e-4, 1.0, 1e-5);

  double ax, ay, az;
  DispersivitiesFollowingX(123.4567, &ax, &ay, &az);  // the page's "%.3f"
  EXPECT_EQ(ax, 12.346);
  EXPECT_EQ(ay, 1.235);
  EXPECT_EQ(az, 0.123);
  DispersivitiesFollowingX(0.4, &ax, &ay, &az);
  EXPECT_EQ(az, 0.0);
  // An exact half rounds away from zero, as on the page: 12.3125 -> 12.313.
  DispersivitiesFollowingX(123.125, &ax, &ay, &az);
  EXPECT_EQ(ax, 12.313);
}

// Each refusal, named in words before any draw; and distributions that only
// reach accepted values pass.
TEST(Uncertainty, DistributionsThatCanDrawRefusedValuesAreProblems) {
  ProjectHandle project =
      ProjectOf(WorkedExampleAquifer(), {{"Benzene", 100, 1, 0.01, kBoth}, {"Toluene", 10, 1, 0.001, kBoth}});
  using K = DistributionKind;
  using I = UncertainInput;
  const struct {
    InputDistribution d;
    const char* words;  // empty: no problem
  } cases[] = {
      {Dist(I::Ne, K::Normal, {0.3, 0.1}),
       "ne: the normal distribution can draw values from -0.521 to 1.121"},
      {Dist(I::Ne, K::Normal, {0.3, 0.1, 0.05, 1.0}), ""},
      {Dist(I::Ne, K::Uniform, {0.2, 1.2}), "but ne must be greater than 0 and at most 1"},
      {Dist(I::Kf, K::LogNormal, {1, 2}), ""},
      {Dist(I::Kf, K::LogNormal, {1e-6, 100}), "Kf: the lognormal distribution can draw values from"},
      {Dist(I::Ay, K::Uniform, {0, 2}), ""},
      {Dist(I::Width, K::Uniform, {0, 2}), "source width: the uniform"},
      {Dist(I::Kf, K::LogNormal, {1, 1}), "geometric sd > 1"},
      {Dist(I::I, K::Triangular, {0.01, 0.001, 0.02}), "min <= mode <= max"},
      {Dist(I::I, K::Uniform, {0.01}), "two numbers"},
      {Dist(I::Lambda, K::LogUniform, {0.001, 0.1}, "Benzol"), "lambda of Benzol: the project has no"},
      {Dist(I::Lambda, K::LogUniform, {0.001, 0.1}), "name the contaminant"},
      {Dist(I::CA, K::Uniform, {1, 20}, "Toluene"), "CA must not exceed C0"},
      {Dist(I::CA, K::Uniform, {1, 10}, "Toluene"), ""},
      {Dist(I::Lambda, K::LogNormal, {1e308, 10}, "Toluene"), "too large"},
  };
  for (const auto& c : cases) {
    UncertaintyPlan plan;
    plan.inputs = {c.d};
    const std::vector<std::string> problems = CheckUncertaintyPlan(*project, plan);
    if (*c.words == '\0') {
      EXPECT_TRUE(problems.empty()) << problems.front();
    } else {
      ASSERT_EQ(problems.size(), 1u) << c.words;
      EXPECT_NE(problems[0].find(c.words), std::string::npos) << problems[0];
      EXPECT_FALSE(RunUncertainty(*project, plan, {}).problems.empty());
    }
  }
  // C0 drawn below a fixed CA; a dispersivity that x moves; an input twice.
  UncertaintyPlan plan;
  plan.inputs = {Dist(I::C0, K::Uniform, {0.5, 20}, "Benzene"), Dist(I::Ax, K::Uniform, {1, 5}),
                 Dist(I::Kf, K::Fixed, {}), Dist(I::Kf, K::Fixed, {})};
  project->approximateDispersivity = 1;
  const std::vector<std::string> problems = CheckUncertaintyPlan(*project, plan);
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_NE(problems[0].find("Approximate by x"), std::string::npos);
  EXPECT_NE(problems[1].find("more than one"), std::string::npos);
  EXPECT_NE(problems[2].find("CA of Benzene"), std::string::npos);
}

// The window's Cancel: a run told to stop returns no rows; the input checks'
// own problems stay with their rows.
TEST(Uncertainty, CancelStopsAndCheckedProblemsStay) {
  ProjectHandle project =
      ProjectOf(WorkedExampleAquifer(), {{"Benzene", 100, 1, 0.01, kBoth}, {"NoLambda", 100, 1, 0.0, kBoth}});
  UncertaintyPlan plan;
  plan.samples = 10000;
  plan.inputs = {Dist(UncertainInput::Kf, DistributionKind::LogNormal, {1, 2})};
  int calls = 0;
  UncertaintyOptions options;
  options.progress = [&](double) { return ++calls < 2; };
  const UncertaintyRun cancelled = RunUncertainty(*project, plan, options);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_TRUE(cancelled.rows.empty());

  const UncertaintyRun run = RunUncertainty(*project, plan, {});
  ASSERT_EQ(run.rows.size(), 4u);
  EXPECT_FALSE(run.rows[0].HasProblems());
  EXPECT_EQ(run.rows[2].problems, std::vector<ProblemCode>{30});
  EXPECT_EQ(run.rows[2].samples, 0);
  EXPECT_EQ(run.rows[3].pGreen + run.rows[3].pRed, 0.0);

  // An undefined input (ax not a number) is no evidence that anything
  // attenuates: the checks refuse it (610), so the row has no verdict.
  project->aquifer.dispersivityAx = NAN;
  const UncertaintyRun undefined = RunUncertainty(*project, plan, {});
  ASSERT_EQ(undefined.rows.size(), 4u);
  EXPECT_TRUE(undefined.rows[1].HasProblems());
  EXPECT_EQ(undefined.rows[1].samples, 0);
  EXPECT_EQ(undefined.rows[1].problems, std::vector<ProblemCode>{610});
  EXPECT_EQ(undefined.rows[1].pGreen, 0.0);
}

}  // namespace
