// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The receptor over time against independent references. Every reference
// value below was computed once with python3-mpmath at 40 digits: the
// patch-source kernel x / (2 sqrt(pi D tau^3)) exp(-mu tau - (x - u tau)^2 /
// (4 D tau)) erf(W/2 / (2 sqrt(ay u tau))) erf(H / (2 sqrt(az u tau))),
// times exp(-ks (t - tau)) for a fading source, integrated over tau in
// [0, t] by tanh-sinh quadrature on a dense set of breakpoints in physical
// variables (not the substitution the engine uses); the 1-D values are the
// closed form with decay (Ogata-Banks with first-order decay).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/time/transient.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The manual's worked example at v = Kf i / ne = 0.04 m/d: x = 100 m,
// ax = 10, ay = 1, az = 0.1 m, a source 20 m wide and 5 m thick, 0.01/d.
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

struct Reference {
  const char* regime;
  double ax, ay, az, lambda, R;
  DecayOf decayOf;
  double ks, t, value;
};

void ExpectRelative(double value, double reference, double tolerance, const char* what) {
  EXPECT_LE(std::fabs(value - reference), tolerance * std::fabs(reference))
      << what << ": " << value << " against " << reference;
}

TEST(TransientExact, MatchesHighPrecisionReferenceInTheHardRegimes) {
  const DecayOf kD = DecayOf::Dissolved;
  const Reference cases[] = {
      {"before the front", 10, 1, 0.1, 0.01, 1, kD, 0, 1000, 6.6081214703299686e-6},
      {"at the plug-flow front", 10, 1, 0.1, 0.01, 1, kD, 0, 2500, 7.2036513009165717e-6},
      {"long after the front", 10, 1, 0.1, 0.01, 1, kD, 0, 50000, 7.2036514746049073e-6},
      {"tiny dispersivity, just before", 0.01, 0.001, 0.0001, 0.01, 1, kD, 0, 2400, 8.3280024874996631e-14},
      {"tiny dispersivity, at the front", 0.01, 0.001, 0.0001, 0.01, 1, kD, 0, 2500, 9.4656507059890242e-12},
      {"tiny dispersivity, just after", 0.01, 0.001, 0.0001, 0.01, 1, kD, 0, 2600, 1.4766576690109284e-11},
      {"huge dispersivity, early", 1000, 100, 10, 0.01, 1, kD, 0, 10, 0.00028280967132309953},
      {"huge dispersivity, late", 1000, 100, 10, 0.01, 1, kD, 0, 1000, 0.045674289731274635},
      {"far before the front", 10, 1, 0.1, 0.01, 1, kD, 0, 100, 2.5566738543847627e-27},
      {"very far before the front", 10, 1, 0.1, 0.01, 1, kD, 0, 20, 7.2864065394452502e-136},
      {"strong decay", 10, 1, 0.1, 1.0, 1, kD, 0, 3000, 2.9452660141026362549e-67},
      {"retarded, R = 3.7", 10, 1, 0.1, 0.01, 3.7, kD, 0, 9250, 7.2036513009165717e-6},
      {"both phases decay, R = 2", 10, 1, 0.1, 0.01, 2, DecayOf::DissolvedAndSorbed, 0, 5000,
       1.4221850349789993e-8},
      {"source fades faster than the plume", 10, 1, 0.1, 0.01, 1, kD, 0.05, 3000, 2.0009257973206861e-16},
      {"source fades faster, late", 10, 1, 0.1, 0.01, 1, kD, 0.05, 10000, 1.8055005866941752e-50},
      {"source fades slower than the plume", 10, 1, 0.1, 0.01, 1, kD, 0.002, 5000, 1.5332920319553398e-9},
      {"source fading where both forms meet", 10, 1, 0.1, 0.01, 1, kD, 0.011, 5000, 7.1296767081575338e-24},
      {"huge dispersivity, fading source", 1000, 100, 10, 0.01, 1, kD, 0.011, 300, 0.0033369666870435375},
      {"huge dispersivity, fast fading", 1000, 100, 10, 0.01, 1, kD, 0.2, 50, 0.0029575360528062091},
      {"no transverse spreading", 10, 0, 0, 0.01, 1, kD, 0, 2000, 9.3219995249638275e-6},
  };
  for (const Reference& r : cases) {
    TransientInputs in = WorkedExample();
    in.ax = r.ax, in.ay = r.ay, in.az = r.az, in.lambda = r.lambda, in.R = r.R;
    in.decayOf = r.decayOf, in.ks = r.ks;
    ExpectRelative(TransientExact(in, r.t), r.value, 1e-8, r.regime);
  }
}

TEST(TransientExact, OneDimensionalLimitIsTheClosedForm) {
  // ay = az = 0 leaves 1-D dispersion with decay; references from the closed
  // form 1/2 [exp((v-w)x/2D) erfc((x-wt)/2sqrt(Dt)) + exp((v+w)x/2D)
  // erfc((x+wt)/2sqrt(Dt))], w = v sqrt(1 + 4 lambda D / v^2), in mpmath.
  struct Case {
    double ax, lambda, t, value;
  } cases[] = {
      {10, 0.01, 1000, 8.3942827849960317e-6}, {10, 0.01, 2500, 9.3220872385351127e-6},
      {10, 0.01, 20, 7.2864065394301827e-136}, {0.01, 0.01, 2450, 2.0951763735379323e-12},
      {1000, 0.01, 50, 0.085815759251454371},  {10, 0.0, 4000, 0.902965329166376},
  };
  for (const Case& c : cases) {
    TransientInputs in = WorkedExample();
    in.ay = in.az = 0.0;
    in.ax = c.ax, in.lambda = c.lambda;
    ExpectRelative(TransientExact(in, c.t), c.value, 1e-8, "1-D");
  }
}

TEST(TransientLimits, EndInTodaysSteadyValuesUnderBothConventions) {
  for (DecayOf decayOf : {DecayOf::Dissolved, DecayOf::DissolvedAndSorbed}) {
    for (double R : {1.0, 4.5}) {
      for (double ax : {0.05, 10.0, 100.0}) {
        TransientInputs in = WorkedExample();
        in.R = R, in.ax = ax, in.decayOf = decayOf;
        const Aquifer a = TransientAquifer(in);
        const double rate = decayOf == DecayOf::Dissolved ? in.lambda : in.lambda * R;
        // The screening form at t = inf is the steady screening function.
        EXPECT_EQ(TransientScreening(in, kInf), virelo_math_ScreeningConcentration(&a, rate, in.x));
        EXPECT_EQ(TransientExact(in, kInf), virelo_math_ExactConcentration(&a, rate, in.x));
        // and long after the front both have arrived at it.
        const double late = 1e3 * in.x * R / in.v;
        ExpectRelative(TransientScreening(in, late), TransientScreening(in, kInf), 1e-12, "screening late");
        ExpectRelative(TransientExact(in, late), TransientExact(in, kInf), 1e-9, "exact late");
      }
    }
  }
}

TEST(TransientLimits, SteadyScreeningIsTheAttenuationFactorBitForBit) {
  // The project's aquifer (i, Kf, ne rather than v) through the inputs the
  // window builds: the steady end of the curve is the verdict's value.
  Aquifer a{};
  a.distanceX = 100.0;
  a.conductivityKf = 1.0;
  a.gradientI = 0.01;
  a.porosityNe = 0.25;
  a.dispersivityAx = 10.0;
  a.dispersivityAy = 1.0;
  a.dispersivityAz = 0.1;
  a.sourceThicknessSy = 10.0;
  a.sourceWidthSz = 5.0;
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaUser, 0.01);
  c.lambdaSelected = kLambdaUser;
  ContaminantResult r{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  virelo_math_CalcExactAttenuationFactor(&a, &c, &r);
  const TransientInputs in = TransientInputsFrom(a, 0.01, 2.0, DecayOf::Dissolved, 0.0);
  EXPECT_EQ(in.width, 20.0);
  EXPECT_EQ(in.thickness, 5.0);
  EXPECT_EQ(TransientScreening(in, kInf), r.relativeConcentration);
  EXPECT_EQ(TransientExact(in, kInf), r.exactRelativeConcentration);
}

TEST(TransientRetardation, DelaysWithoutChangingTheDissolvedDecayCurve) {
  // C(t; R) = C(t / R; 1) when only the dissolved phase decays, in both
  // models and for a fading source too (ks is a rate in real time, so the
  // comparison source fades at ks R).
  for (double ks : {0.0, 0.001}) {
    TransientInputs plain = WorkedExample(), retarded = WorkedExample();
    retarded.R = 3.7;
    retarded.ks = ks;
    plain.ks = ks * 3.7;
    for (double t : {500.0, 2000.0, 9250.0, 40000.0}) {
      ExpectRelative(TransientExact(retarded, t), TransientExact(plain, t / 3.7), 1e-10, "exact");
      ExpectRelative(TransientScreening(retarded, t), TransientScreening(plain, t / 3.7), 1e-12, "screening");
    }
  }
  // Decay of the sorbed phase as well lowers the steady state: the plume
  // decays R times faster per unit of distance travelled.
  TransientInputs both = WorkedExample();
  both.R = 2.0;
  both.decayOf = DecayOf::DissolvedAndSorbed;
  EXPECT_LT(TransientExact(both, kInf), 0.1 * TransientExact(WorkedExample(), kInf));
}

TEST(TransientScreening, IsTheDomenicoFormWithTheLaggedMultiplier) {
  TransientInputs in = WorkedExample();
  const double steady = TransientScreening(in, kInf);
  const double P = std::sqrt(1.0 + 4.0 * 0.01 * 10.0 / 0.04);
  for (double t : {300.0, 1000.0, 2500.0, 8000.0}) {
    const double front = 0.5 * std::erfc((100.0 - 0.04 * t * P) / (2.0 * std::sqrt(10.0 * 0.04 * t)));
    ExpectRelative(TransientScreening(in, t), front * steady, 1e-14, "constant source");
  }
  // A source that fades no faster than the plume: the multiplier
  // exp(-ks (t - x R / v)), taken as 1 before the plug-flow arrival.
  in.ks = 0.004;
  TransientInputs constant = WorkedExample();
  EXPECT_EQ(TransientScreening(in, 2000.0), TransientScreening(constant, 2000.0));
  ExpectRelative(TransientScreening(in, 4000.0),
                 TransientScreening(constant, 4000.0) * std::exp(-0.004 * 1500.0), 1e-14, "lagged");
  EXPECT_TRUE(TransientScreeningDefined(in));
  EXPECT_EQ(TransientScreeningReason(in), nullptr);
}

TEST(TransientScreening, GivesNoValueWhereTheSourceFadesFasterThanThePlumeDecays) {
  // The default convention compares ks with lambda / R: with R = 4 the plume
  // decays at 0.0025/d, so a source fading at 0.004/d is beyond the form.
  TransientInputs in = WorkedExample();
  in.R = 4.0;
  in.ks = 0.004;
  EXPECT_FALSE(TransientScreeningDefined(in));
  ASSERT_NE(TransientScreeningReason(in), nullptr);
  EXPECT_TRUE(std::isnan(TransientScreening(in, 5000.0)));
  EXPECT_GT(TransientExact(in, 20000.0), 0.0);
  // Under decay of both phases the plume decays at lambda itself.
  in.decayOf = DecayOf::DissolvedAndSorbed;
  EXPECT_TRUE(TransientScreeningDefined(in));
  // The example of a source fading five times faster than the plume: the
  // lagged multiplier says 1.8e-60 at 5000 d, the exact convolution 3.9e-26
  // (mpmath above: same kernel).
  TransientInputs fast = WorkedExample();
  fast.ks = 0.05;
  const double lagged = TransientScreening(WorkedExample(), 5000.0) * std::exp(-0.05 * 2500.0);
  ExpectRelative(lagged, 1.8461431965239532e-60, 1e-10, "lagged multiplier");
  ExpectRelative(TransientExact(fast, 5000.0), 3.9295177236217957e-26, 1e-8, "exact");
}

TEST(TransientEdges, GiveZeroBeforeTheSourceAndNaNForUndefinedInputs) {
  TransientInputs in = WorkedExample();
  EXPECT_EQ(TransientExact(in, 0.0), 0.0);
  EXPECT_EQ(TransientExact(in, -5.0), 0.0);
  EXPECT_EQ(TransientScreening(in, 0.0), 0.0);
  EXPECT_TRUE(std::isnan(TransientExact(in, std::nan(""))));
  in.ks = 0.1;
  EXPECT_EQ(TransientExact(in, kInf), 0.0);  // a fading source leaves nothing behind
  in = WorkedExample();
  in.ax = 0.0;
  EXPECT_TRUE(std::isnan(TransientExact(in, 100.0)));
  in = WorkedExample();
  in.v = 0.0;
  EXPECT_EQ(TransientExact(in, 100.0), 0.0);
  // A source width of zero lets nothing through, as in the steady models.
  in = WorkedExample();
  in.width = 0.0;
  EXPECT_EQ(TransientExact(in, 5000.0), 0.0);
}

TEST(TransientCurves, BreakthroughAndProfileAgreeWithSinglePoints) {
  TransientInputs in = WorkedExample();
  in.R = 2.0;
  std::vector<double> t(50), s(50), e(50);
  ASSERT_EQ(TransientBreakthrough(in, 10000.0, 50, t.data(), s.data(), e.data()), 1);
  EXPECT_EQ(t.front(), 200.0);
  EXPECT_EQ(t.back(), 10000.0);
  for (int k = 0; k < 50; ++k) {
    EXPECT_EQ(e[k], TransientExact(in, t[k]));
    EXPECT_EQ(s[k], TransientScreening(in, t[k]));
    if (k > 0) EXPECT_GE(e[k], e[k - 1] * (1.0 - 1e-12));  // a constant source only rises
  }
  // The profile at time t: the receptor's point is the breakthrough value.
  std::vector<double> x(4), ps(4), pe(4);
  ASSERT_EQ(TransientProfile(in, 6000.0, 200.0, 4, x.data(), ps.data(), pe.data()), 1);
  EXPECT_EQ(x[1], 100.0);
  EXPECT_EQ(pe[1], TransientExact(in, 6000.0));
  EXPECT_GT(pe[0], pe[1]);
  EXPECT_GT(pe[1], pe[3]);
  EXPECT_EQ(TransientBreakthrough(in, 0.0, 10, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(TransientProfile(in, 10.0, 100.0, 0, nullptr, nullptr, nullptr), 0);
}

TEST(TransientThreads, GiveTheSameValuesOnManyThreads) {
  // The window computes curves off the interface thread while the report may
  // compute its own: no shared state may leak between them.
  TransientInputs in = WorkedExample();
  in.ks = 0.02;
  std::vector<double> expected(64);
  for (int k = 0; k < 64; ++k) expected[k] = TransientExact(in, 100.0 * (k + 1));
  std::vector<std::thread> threads;
  std::vector<int> mismatches(4, 0);
  for (int n = 0; n < 4; ++n) {
    threads.emplace_back([&, n] {
      for (int k = 0; k < 64; ++k) mismatches[n] += TransientExact(in, 100.0 * (k + 1)) != expected[k];
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int m : mismatches) EXPECT_EQ(m, 0);
}

}  // namespace
