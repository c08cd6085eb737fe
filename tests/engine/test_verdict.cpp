// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The verdict in concentrations: receptor concentrations of both models, the
// remedial target, the class under each verdict basis, and the mark for rows
// whose two models fall on opposite sides of CA.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/verdict.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const AssessmentRange kRange0 = {0.3, 2.0};

Contaminant WithConcentrations(double c0, double ca) {
  Contaminant c{};
  c.c0 = c0;
  c.ca = ca;
  return c;
}

// A result as the calculation leaves it: the screening and exact relative
// concentrations, with AF = 1/(C/C0), C = CA AF and C0/C derived.
ContaminantResult Result(const Contaminant& c, double screening, double exact) {
  ContaminantResult r{};
  r.relativeConcentration = screening;
  r.attenuationFactor = 1.0 / screening;
  r.receptorConcentration = c.c0 * screening;
  r.acceptableSourceConcentration = c.ca * r.attenuationFactor;
  r.sourceRatio = c.c0 / r.acceptableSourceConcentration;
  r.exactComputed = 1;
  r.exactRelativeConcentration = exact;
  r.exactAttenuationFactor = 1.0 / exact;
  r.exactSourceRatio = c.c0 / (c.ca * r.exactAttenuationFactor);
  return r;
}

TEST(Verdict, ConcentrationsAndTargetOfBothModels) {
  // C0 = 500, CA = 10: the screening model predicts 500 * 0.0196 = 9.8 at the
  // receptor (C0/C 0.98), the exact solution 500 * 0.0232 = 11.6 (1.16).
  const Contaminant c = WithConcentrations(500.0, 10.0);
  const ContaminantResult r = Result(c, 0.0196, 0.0232);
  const ReceptorConcentrations at = ReceptorConcentrationsOf(c, r);
  EXPECT_TRUE(at.hasExact);
  EXPECT_DOUBLE_EQ(at.screening, 9.8);
  EXPECT_DOUBLE_EQ(at.exact, 11.6);
  // C = CA AF: 10 / 0.0196 = 510.2 by screening, 10 / 0.0232 = 431.0 exact;
  // the worse of the two is the stricter, lower target.
  EXPECT_DOUBLE_EQ(TargetConcentration(c, r, VerdictBasis::Screening), 10.0 / 0.0196);
  EXPECT_DOUBLE_EQ(TargetConcentration(c, r, VerdictBasis::Exact), 10.0 / 0.0232);
  EXPECT_DOUBLE_EQ(TargetConcentration(c, r, VerdictBasis::Worse), 10.0 / 0.0232);
  const ContaminantResult swapped = Result(c, 0.0232, 0.0196);
  EXPECT_DOUBLE_EQ(TargetConcentration(c, swapped, VerdictBasis::Worse), 10.0 / 0.0232);

  // Both Yellow in range 0, yet the exact prediction exceeds CA: marked, in
  // both orders; rows on one side of CA, or exactly at it, are not.
  EXPECT_TRUE(StraddlesAcceptable(c, r));
  EXPECT_TRUE(StraddlesAcceptable(c, swapped));
  EXPECT_FALSE(StraddlesAcceptable(c, Result(c, 0.018, 0.019)));
  EXPECT_FALSE(StraddlesAcceptable(c, Result(c, 0.021, 0.03)));
  EXPECT_FALSE(StraddlesAcceptable(c, Result(c, 0.02, 0.019)));     // screening exactly at CA
  EXPECT_TRUE(StraddlesAcceptable(c, Result(c, 0.02, 0.0200001)));  // exact just above it
}

TEST(Verdict, ClassUnderEachBasis) {
  const Contaminant c = WithConcentrations(1.0, 1.0);
  // Screening Green (C0/C 0.2), exact Yellow (0.5): the basis decides.
  ContaminantResult r = Result(c, 0.2, 0.5);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Screening), AssessmentClass::Green);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Exact), AssessmentClass::Yellow);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Worse), AssessmentClass::Yellow);
  // The other way round the worse is still the worse.
  r = Result(c, 3.0, 0.2);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Screening), AssessmentClass::Red);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Exact), AssessmentClass::Green);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Worse), AssessmentClass::Red);

  // Without an exact value an exact or worse verdict cannot be given; the
  // screening Green must not stand in for it.
  r = Result(c, 0.2, 0.5);
  r.exactComputed = 0;
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Screening), AssessmentClass::Green);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Exact), AssessmentClass::Problems);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Worse), AssessmentClass::Problems);
  EXPECT_TRUE(std::isnan(TargetConcentration(c, r, VerdictBasis::Worse)));
  EXPECT_FALSE(ReceptorConcentrationsOf(c, r).hasExact);
  EXPECT_FALSE(StraddlesAcceptable(c, Result(c, 0.2, 0.5)));
  // A row with problems has no verdict under any basis.
  r = Result(c, 0.2, 0.5);
  r.afAquiferProblemCount = 1;
  for (VerdictBasis basis : {VerdictBasis::Screening, VerdictBasis::Exact, VerdictBasis::Worse})
    EXPECT_EQ(VerdictClass(r, kRange0, basis), AssessmentClass::Problems);
  EXPECT_FALSE(ReceptorConcentrationsOf(c, r).hasExact);
}

TEST(Verdict, UndefinedValuesNeverGiveGreen) {
  const Contaminant c = WithConcentrations(1.0, 1.0);
  // An undefined exact concentration beside a Green screening one.
  ContaminantResult r = Result(c, 0.1, kNaN);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Exact), AssessmentClass::Red);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Worse), AssessmentClass::Red);
  EXPECT_TRUE(std::isnan(TargetConcentration(c, r, VerdictBasis::Worse)));
  EXPECT_FALSE(StraddlesAcceptable(c, r));
  // And the other way round.
  r = Result(c, kNaN, 0.1);
  EXPECT_EQ(VerdictClass(r, kRange0, VerdictBasis::Worse), AssessmentClass::Red);
  EXPECT_TRUE(std::isnan(TargetConcentration(c, r, VerdictBasis::Worse)));
  // An undefined CA marks nothing.
  EXPECT_FALSE(StraddlesAcceptable(WithConcentrations(1.0, kNaN), Result(c, 0.5, 2.0)));
  // A receptor concentration beyond every double is still above CA.
  const Contaminant huge = WithConcentrations(1e308, 1.0);
  EXPECT_TRUE(StraddlesAcceptable(huge, Result(huge, 10.0, 1e-320)));
  EXPECT_EQ(ReceptorConcentrationsOf(huge, Result(huge, 10.0, 0.5)).screening, kInf);
}

TEST(Verdict, ConcentrationsShowFourSignificantDigits) {
  EXPECT_EQ(FormatConcentration(19.7424), "19.74");
  EXPECT_EQ(FormatConcentration(0.0100129), "0.01001");
  EXPECT_EQ(FormatConcentration(0.001), "0.001000");
  EXPECT_EQ(FormatConcentration(353883.83), "353884");
  EXPECT_EQ(FormatConcentration(-2.5), "-2.500");
  EXPECT_EQ(FormatConcentration(999999.0), "999999");
  EXPECT_EQ(FormatConcentration(1e6), "1.000E+06");
  EXPECT_EQ(FormatConcentration(0.00099949), "9.995E-04");
  EXPECT_EQ(FormatConcentration(1.3033752e19), "1.303E+19");
  EXPECT_EQ(FormatConcentration(0.0), "0");
  EXPECT_EQ(FormatConcentration(kNaN), "infinite!");
  EXPECT_EQ(FormatConcentration(kInf), "infinite!");
}

TEST(Verdict, TargetBeyondTheAttenuationFactorsRange) {
  // Below 1e-30 of C0 at the receptor the calculation stores AF = 0; the
  // target is still CA / (C/C0), the largest source that meets CA, under
  // every basis, taken from the real calculation of a strongly decaying case.
  Aquifer a{};
  a.distanceX = 500.0;
  a.conductivityKf = 1.0;
  a.gradientI = 0.01;
  a.porosityNe = 0.25;
  a.dispersivityAx = 50.0;
  a.dispersivityAy = 5.0;
  a.dispersivityAz = 0.5;
  a.sourceThicknessSy = 10.0;
  a.sourceWidthSz = 5.0;
  Contaminant c = WithConcentrations(1e6, 1.0);
  virelo_SetLambda(&c, kLambdaUser, 0.5);
  c.lambdaSelected = kLambdaUser;
  ContaminantResult r{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  virelo_math_CalcExactAttenuationFactor(&a, &c, &r);
  ASSERT_GT(r.relativeConcentration, 0.0);
  ASSERT_LT(r.relativeConcentration, 1e-30);
  ASSERT_EQ(r.attenuationFactor, 0.0);
  EXPECT_DOUBLE_EQ(TargetConcentration(c, r, VerdictBasis::Screening), 1.0 / r.relativeConcentration);
  EXPECT_DOUBLE_EQ(TargetConcentration(c, r, VerdictBasis::Exact), 1.0 / r.exactRelativeConcentration);
  EXPECT_DOUBLE_EQ(TargetConcentration(c, r, VerdictBasis::Worse),
                   std::min(1.0 / r.relativeConcentration, 1.0 / r.exactRelativeConcentration));
  // Nothing at all arrives: every source meets CA.
  ContaminantResult none = Result(c, 0.5, 0.5);
  none.relativeConcentration = 0.0;
  none.attenuationFactor = 0.0;
  EXPECT_EQ(TargetConcentration(c, none, VerdictBasis::Screening), kInf);
}

}  // namespace
