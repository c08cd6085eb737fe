// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Times at the receptor and at the source: each found time must give the
// concentration it names when fed back into the curves, and a time that does
// not occur must be empty, never 0.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/time/timing.h"
#include "engine/time/timing_table.h"
#include "engine/time/transient.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TransientInputs WorkedExample() {
  TransientInputs in;
  in.x = 100.0;
  in.v = 0.04;
  in.ax = 10.0;
  in.ay = 1.0;
  in.az = 0.1;
  in.width = 20.0;
  in.thickness = 5.0;
  in.lambda = 0.01;
  return in;
}

// The high-dispersivity example: ax = x = 100 m, ay = 10, az = 1 m,
// lambda = 5e-4/d, the worked example's source.
TransientInputs HighDispersivity() {
  TransientInputs in = WorkedExample();
  in.ax = 100.0;
  in.ay = 10.0;
  in.az = 1.0;
  in.lambda = 5e-4;
  return in;
}

TEST(TransientTiming, ScreeningRunsLateAtHighDispersivity) {
  const TransientTimes r = TransientTiming(HighDispersivity(), 100.0, 1.0, kInf);
  // 50 % of steady state where x = u t P: 100 / (0.04 sqrt(6)) d.
  ASSERT_TRUE(r.t50Screening && r.t50Exact);
  EXPECT_NEAR(*r.t50Screening, 100.0 / (0.04 * std::sqrt(6.0)), 1e-9);
  // The exact time: root of C(t) = C(inf) / 2 with both taken from the
  // mpmath kernel of test_transient.cpp (C(inf) as C at 1e7 d).
  EXPECT_NEAR(*r.t50Exact, 443.32062780156452, 1e-6);
  EXPECT_NEAR(r.peakExact, 0.089569522647127098, 1e-9 * r.peakExact);
  EXPECT_GT(*r.t50Screening / *r.t50Exact, 2.3);
  // Steady state: the screening value 8.6 times below the exact at ax = x
  // for the worked example's decay rate.
  TransientInputs fast = HighDispersivity();
  fast.lambda = 0.01;
  EXPECT_NEAR(TransientExact(fast, kInf) / TransientScreening(fast, kInf), 8.6, 0.05);
}

TEST(TransientTiming, FoundTimesGiveTheConcentrationsTheyName) {
  for (double R : {1.0, 3.0}) {
    TransientInputs in = WorkedExample();
    in.R = R;
    const double c0 = 100.0, ca = 1e-4;
    const TransientTimes r = TransientTiming(in, c0, ca, kInf);
    const double steadyS = TransientScreening(in, kInf), steadyE = TransientExact(in, kInf);
    ASSERT_TRUE(r.t50Screening && r.t95Screening && r.t50Exact && r.t95Exact);
    EXPECT_NEAR(TransientScreening(in, *r.t50Screening) / steadyS, 0.5, 1e-12);
    EXPECT_NEAR(TransientScreening(in, *r.t95Screening) / steadyS, 0.95, 1e-12);
    EXPECT_NEAR(TransientExact(in, *r.t50Exact) / steadyE, 0.5, 1e-9);
    EXPECT_NEAR(TransientExact(in, *r.t95Exact) / steadyE, 0.95, 1e-9);
    ASSERT_TRUE(r.exceedScreening && r.exceedExact);
    EXPECT_NEAR(TransientScreening(in, *r.exceedScreening) * c0 / ca, 1.0, 1e-9);
    EXPECT_NEAR(TransientExact(in, *r.exceedExact) * c0 / ca, 1.0, 1e-9);
    EXPECT_EQ(r.frontTime, 2500.0 * R);
    ASSERT_TRUE(r.fullLengthTime);
    EXPECT_NEAR(*r.fullLengthTime, std::log(c0 / ca) * R / 0.01, 1e-9);
    // A constant source: the peak is the steady value, never reached.
    EXPECT_EQ(r.peakExact, steadyE);
    EXPECT_EQ(r.peakScreening, steadyS);
    EXPECT_FALSE(r.peakTimeExact || r.belowAgainExact || r.sourceTimeToTarget);
  }
  // Sorption only delays: every time scales with R under the default.
  const TransientTimes one = TransientTiming(WorkedExample(), 100.0, 1e-4, kInf);
  TransientInputs retarded = WorkedExample();
  retarded.R = 3.0;
  const TransientTimes three = TransientTiming(retarded, 100.0, 1e-4, kInf);
  EXPECT_NEAR(*three.t50Exact / *one.t50Exact, 3.0, 1e-8);
  EXPECT_NEAR(*three.exceedExact / *one.exceedExact, 3.0, 1e-8);
  EXPECT_NEAR(*three.t95Screening / *one.t95Screening, 3.0, 1e-12);
}

TEST(TransientTiming, TimesThatDoNotOccurAreEmpty) {
  // The receptor never exceeds CA when the steady value stays below it.
  TransientInputs in = WorkedExample();
  TransientTimes r = TransientTiming(in, 100.0, 1.0, 50.0);
  EXPECT_FALSE(r.exceedScreening || r.exceedExact || r.belowAgainExact);
  EXPECT_FALSE(r.sourceTimeToTarget);  // a constant source never fades
  EXPECT_TRUE(r.t50Exact);
  // Without decay no plug-flow plume stops growing.
  in.lambda = 0.0;
  EXPECT_FALSE(TransientTiming(in, 100.0, 1.0, 50.0).fullLengthTime);
  // A fading source has no steady value to take 50 % of.
  in = WorkedExample();
  in.ks = 0.001;
  r = TransientTiming(in, 100.0, 1.0, 1.0);
  EXPECT_FALSE(r.t50Screening || r.t50Exact || r.t95Screening || r.t95Exact);
  // and a source already at its target needs no time at all: 0, not empty.
  r = TransientTiming(in, 100.0, 1.0, 200.0);
  ASSERT_TRUE(r.sourceTimeToTarget);
  EXPECT_EQ(*r.sourceTimeToTarget, 0.0);
  r = TransientTiming(in, 100.0, 1.0, 4.0);
  ASSERT_TRUE(r.sourceTimeToTarget);
  EXPECT_NEAR(*r.sourceTimeToTarget, std::log(25.0) / 0.001, 1e-9);
}

TEST(TransientTiming, FadingSourceRisesToAPeakAndFallsBelowAgain) {
  // A source fading slower than the plume decays: both models, with a CA
  // the receptor exceeds for a while.
  TransientInputs in = WorkedExample();
  in.ay = in.az = 0.0;  // keep the receptor well above CA / C0
  in.ks = 0.002;
  const double c0 = 100.0, ca = 1e-4;
  const TransientTimes r = TransientTiming(in, c0, ca, 1.0);
  ASSERT_EQ(r.screeningReason, nullptr);
  for (bool exact : {false, true}) {
    auto c = [&](double t) { return exact ? TransientExact(in, t) : TransientScreening(in, t); };
    const auto& peakTime = exact ? r.peakTimeExact : r.peakTimeScreening;
    const double peak = exact ? r.peakExact : r.peakScreening;
    ASSERT_TRUE(peakTime);
    EXPECT_EQ(c(*peakTime), peak);
    EXPECT_LE(c(*peakTime * 0.99), peak);
    EXPECT_LE(c(*peakTime * 1.01), peak);
    const auto& up = exact ? r.exceedExact : r.exceedScreening;
    const auto& down = exact ? r.belowAgainExact : r.belowAgainScreening;
    ASSERT_TRUE(up && down) << exact;
    EXPECT_LT(*up, *peakTime);
    EXPECT_GT(*down, *peakTime);
    EXPECT_NEAR(c(*up) * c0 / ca, 1.0, 1e-8);
    EXPECT_NEAR(c(*down) * c0 / ca, 1.0, 1e-8);
  }
  // The screening peak, lagged from the plug-flow front, sits there; the
  // exact one comes earlier, before the front.
  EXPECT_NEAR(*r.peakTimeScreening, r.frontTime, 1e-6 * r.frontTime);
  EXPECT_LT(*r.peakTimeExact, r.frontTime);
}

TEST(TransientTiming, FastFadingSourceHasOnlyExactTimes) {
  TransientInputs in = WorkedExample();
  in.ks = 0.05;
  const TransientTimes r = TransientTiming(in, 1e8, 1e-3, 1.0);
  ASSERT_NE(r.screeningReason, nullptr);
  EXPECT_TRUE(std::isnan(r.peakScreening));
  EXPECT_FALSE(r.peakTimeScreening || r.exceedScreening || r.belowAgainScreening);
  ASSERT_TRUE(r.peakTimeExact && r.exceedExact && r.belowAgainExact);
  EXPECT_NEAR(TransientExact(in, *r.belowAgainExact) * 1e8 / 1e-3, 1.0, 1e-8);
  EXPECT_NEAR(*r.sourceTimeToTarget, std::log(1e8) / 0.05, 1e-9);
}

TEST(TimingTable, KeepsEachContaminantsOwnInputsInItsRow) {
  // Rows must not mix up whose inputs they were computed from: each row
  // equals the single computation of its own input.
  std::vector<TimingInput> inputs(3);
  inputs[0] = {"benzene", WorkedExample(), 100.0, 1e-4, 1.0};
  inputs[1] = {"toluene", HighDispersivity(), 50.0, 1e-3, 2.0};
  inputs[1].inputs.R = 2.5;
  inputs[2] = {"MTBE", WorkedExample(), 10.0, 1e-5, 0.5};
  inputs[2].inputs.ks = 0.003;
  const std::vector<TimingRow> rows = ComputeTimingRows(inputs);
  ASSERT_EQ(rows.size(), 3u);
  for (size_t k = 0; k < rows.size(); ++k) {
    const TransientTimes single =
        TransientTiming(inputs[k].inputs, inputs[k].c0, inputs[k].ca, inputs[k].target);
    EXPECT_EQ(rows[k].name, inputs[k].name);
    EXPECT_EQ(rows[k].retardation, inputs[k].inputs.R);
    EXPECT_EQ(rows[k].sourceDecay, inputs[k].inputs.ks);
    EXPECT_EQ(rows[k].times.t50Exact, single.t50Exact);
    EXPECT_EQ(rows[k].times.exceedExact, single.exceedExact);
    EXPECT_EQ(rows[k].times.peakTimeExact, single.peakTimeExact);
    EXPECT_EQ(rows[k].times.sourceTimeToTarget, single.sourceTimeToTarget);
  }
  EXPECT_EQ(rows[1].times.frontTime, 2500.0 * 2.5);
  EXPECT_TRUE(rows[2].times.sourceTimeToTarget);
  // Cancelling after the first row returns that row only.
  int calls = 0;
  const auto cancelled = ComputeTimingRows(inputs, [&](int done, int total) {
    ++calls;
    EXPECT_EQ(total, 3);
    return done < 1;
  });
  EXPECT_EQ(cancelled.size(), 1u);
  EXPECT_EQ(calls, 1);
}

TEST(TimingTable, DefaultSpanShowsTheWholeBreakthrough) {
  // Constant source: the exact curve is within 1 % of its end at the last
  // point; a fading source has fallen well below its peak by then.
  for (double R : {1.0, 6.0}) {
    TransientInputs in = HighDispersivity();
    in.R = R;
    const double until = DefaultBreakthroughUntil(in);
    const std::vector<BreakthroughPoint> curve = ComputeBreakthrough(in, until, 200);
    ASSERT_EQ(curve.size(), 200u);
    EXPECT_EQ(curve.back().t, until);
    EXPECT_GT(curve.back().exact, 0.99 * TransientExact(in, kInf));
    EXPECT_GT(curve.back().screening, 0.95 * TransientScreening(in, kInf));
  }
  TransientInputs fading = WorkedExample();
  fading.ks = 0.05;
  const std::vector<BreakthroughPoint> curve =
      ComputeBreakthrough(fading, DefaultBreakthroughUntil(fading), 100);
  double peak = 0.0;
  for (const BreakthroughPoint& p : curve) {
    peak = std::max(peak, p.exact);
    EXPECT_TRUE(std::isnan(p.screening));  // beyond the screening form
  }
  EXPECT_LT(curve.back().exact, 1e-3 * peak);
  EXPECT_TRUE(ComputeBreakthrough(fading, -1.0, 10).empty());
}

}  // namespace
