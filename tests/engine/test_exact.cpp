// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "tests/engine/support/worked_example.h"

namespace {

// An aquifer with v = kf (i = ne = 1) and the given dispersivities and source.
Aquifer Plain(double v, double ax, double ay, double az, double sy, double sz) {
  Aquifer a{};
  a.conductivityKf = v;
  a.gradientI = a.porosityNe = 1.0;
  a.dispersivityAx = ax;
  a.dispersivityAy = ay;
  a.dispersivityAz = az;
  a.sourceThicknessSy = sy;
  a.sourceWidthSz = sz;
  a.distanceX = 100.0;
  return a;
}

Contaminant WithLambda(double c0, double lambda) {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, c0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaUser, lambda);
  c.lambdaSelected = kLambdaUser;
  c.assess = kAssessAttenuationFactor;
  return c;
}

TEST(ExactSolution, EqualsClosedFormWithoutTransverseSpreading) {
  // ay = az = 0: only longitudinal dispersion and decay remain, whose
  // integral is exp(s/(2ax) (1 - sqrt(1 + 4 ax lambda/v))); lambda = 0 gives 1.
  for (double ax : {0.1, 1.0, 10.0, 100.0}) {
    for (double lambda : {0.0, 1e-4, 0.01, 0.3}) {
      for (double s : {10.0, 100.0, 1000.0}) {
        const Aquifer a = Plain(0.04, ax, 0.0, 0.0, 10.0, 5.0);
        const double closed = std::exp(s / (2.0 * ax) * (1.0 - std::sqrt(1.0 + 4.0 * ax * lambda / 0.04)));
        EXPECT_NEAR(virelo_math_ExactConcentration(&a, lambda, s), closed, 1e-12 * closed + 1e-300)
            << "ax " << ax << " lambda " << lambda << " s " << s;
      }
    }
  }
}

TEST(ExactSolution, MatchesHighPrecisionReferences) {
  // Each reference is the defining integral over tau, computed once with
  // mpmath (mp.dps = 30) as
  //   s/(2 sqrt(pi ax v)) * quad(f, [0] + linspace(p/8, 4p, 161) + [inf])
  // with f(tau) = tau^-1.5 exp(-lam tau - (s - v tau)^2/(4 ax v tau))
  //               erf(Sy/(2 sqrt(ay v tau))) erf(Sz/(2 sqrt(az v tau)))
  // and p = s/v/sqrt(1 + 4 ax lam/v); 80 breakpoints instead of 161 agree
  // to 1e-21 or better.
  struct Case {
    double s, v, lambda, ax, ay, az, sy, sz, reference;
  };
  const Case cases[] = {
      {100, 0.04, 0.01, 10, 1, 0.1, 10, 5, 7.2036514746049073e-6},        // the worked example
      {100, 0.1, 0.001, 0.1, 0.01, 0.001, 2, 1, 0.30267528430059762},     // ax/s = 1e-3
      {5, 0.2, 0.05, 50, 5, 0.5, 3, 2, 0.60304695005288917},              // ax/s = 10
      {50, 0.04, 1, 5, 0.5, 0.05, 10, 5, 3.6926817019342473e-47},         // strong decay
      {200, 0.5, 0.002, 20, 2, 0.2, 0.01, 0.005, 8.0609166416300804e-8},  // small source
  };
  for (const Case& c : cases) {
    const Aquifer a = Plain(c.v, c.ax, c.ay, c.az, c.sy, c.sz);
    EXPECT_NEAR(virelo_math_ExactConcentration(&a, c.lambda, c.s), c.reference, 1e-9 * c.reference) << c.s;
  }
}

TEST(ExactSolution, BesideTheCentreLineMatchesHighPrecisionReferences) {
  // The defining integral with the width factor of a point beside the centre
  // line, computed once with mpmath (mp.dps = 30) as
  //   s/(2 sqrt(pi ax v)) * quad(f, [0] + linspace(T/8, 4T, 161) + [inf])
  // with f(tau) = tau^-1.5 exp(-lam tau - (s - v tau)^2/(4 ax v tau))
  //               Y(tau) erf(Sz/(2 sqrt(az v tau))),
  //   Y = (erf(up) - erf(lo))/2, or (erfc(lo) - erfc(up))/2 where lo > 0,
  //   up, lo = (|y| +- Sy)/(2 sqrt(ay v tau)) (with ay = 0: Y = 1 inside,
  //   1/2 at the edge), T the largest f(tau) of the grid
  //   tau = p 10^linspace(-3, 3, 601), p = s/v/sqrt(1 + 4 ax lam/v): far
  //   beside the plume the water arrives late. 320 breakpoints agree to
  //   2e-14 or better. The implementation agrees to about 4e-14.
  struct Case {
    double s, v, lambda, ax, ay, az, sy, sz, y, reference;
  };
  const Case cases[] = {
      {100, 0.04, 0.01, 10, 1, 0.1, 10, 5, 5, 6.401572947634106e-6},      // the worked example, inside
      {100, 0.04, 0.01, 10, 1, 0.1, 10, 5, 10, 4.4073476804504157e-6},    // at the source's edge
      {100, 0.04, 0.01, 10, 1, 0.1, 10, 5, -30, 5.1721911278306915e-8},   // beside it
      {100, 0.04, 0.01, 10, 1, 0.1, 10, 5, 100, 4.0977608409259942e-22},  // far beside it
      {100, 0.1, 0.001, 0.1, 0.01, 0.001, 2, 1, 1, 0.26695673814041326},  // ax/s = 1e-3
      {100, 0.1, 0.001, 0.1, 0.01, 0.001, 2, 1, 3, 0.085847758199178649},
      {100, 0.1, 0.001, 0.1, 0.01, 0.001, 2, 1, 8, 4.1658329659096017e-6},
      {5, 0.2, 0.05, 50, 5, 0.5, 3, 2, 2, 0.50090970265391379},  // ax/s = 10
      {5, 0.2, 0.05, 50, 5, 0.5, 3, 2, 10, 0.0066838844453141858},
      {5, 0.2, 0.05, 50, 5, 0.5, 3, 2, 200, 3.0206788817985163e-24},
      {5, 0.2, 0.05, 50, 5, 0.5, 3, 2, 1000, 4.1061952279604214e-104},  // its weight lies past u = 12
      {50, 0.04, 1, 5, 0.5, 0.05, 10, 5, 12, 3.3283101267130045e-48},   // strong decay
      {50, 0.04, 1, 5, 0.5, 0.05, 10, 5, 30, 1.4661988174315165e-78},
      {100, 0.04, 0.01, 10, 0, 0.1, 10, 5, 9, 8.9181761942794139e-6},  // ay = 0: width unspread
      {100, 0.04, 0.01, 10, 0, 0.1, 10, 5, 10, 4.459088097139707e-6},
  };
  for (const Case& c : cases) {
    const Aquifer a = Plain(c.v, c.ax, c.ay, c.az, c.sy, c.sz);
    EXPECT_NEAR(virelo_math_ExactConcentrationOffAxis(&a, c.lambda, c.s, c.y), c.reference,
                1e-10 * c.reference)
        << "s " << c.s << " y " << c.y;
  }
}

TEST(ExactSolution, BesideTheCentreLineLimits) {
  // On the centre line it is the centre-line value itself, bit for bit.
  const Aquifer aquifers[] = {WorkedExampleAquifer(), Plain(0.1, 0.1, 0.01, 0.001, 2, 1),
                              Plain(0.04, 10, 0, 0.1, 10, 5)};
  for (const Aquifer& a : aquifers) {
    for (double s : {0.0, 5.0, 100.0}) {
      EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&a, 0.01, s, 0.0),
                virelo_math_ExactConcentration(&a, 0.01, s));
      EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&a, 0.01, s, 7.0),
                virelo_math_ExactConcentrationOffAxis(&a, 0.01, s, -7.0));
    }
  }
  const Aquifer a = WorkedExampleAquifer();
  // Falling off beside the plume, never to a negative value or zero too soon.
  double previous = virelo_math_ExactConcentration(&a, 0.01, 100.0);
  for (double y : {2.0, 8.0, 15.0, 40.0, 80.0, 150.0}) {
    const double value = virelo_math_ExactConcentrationOffAxis(&a, 0.01, 100.0, y);
    EXPECT_LT(value, previous) << y;
    EXPECT_GT(value, 0.0) << y;
    previous = value;
  }
  // Without transverse spreading the source's width travels unchanged.
  const Aquifer unspread = Plain(0.04, 10, 0, 0.1, 10, 5);
  const double centre = virelo_math_ExactConcentration(&unspread, 0.01, 100.0);
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&unspread, 0.01, 100.0, 9.99), centre);
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&unspread, 0.01, 100.0, 10.0), centre / 2.0);
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&unspread, 0.01, 100.0, 10.01), 0.0);
  // The source plane: the source within its width, half at its edge.
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&a, 0.01, 0.0, 3.0), 1.0);
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&a, 0.01, 0.0, 10.0), 0.5);
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&a, 0.01, 0.0, 11.0), 0.0);
  // Undefined inputs stay undefined; no flow, nothing arrives.
  EXPECT_TRUE(std::isnan(virelo_math_ExactConcentrationOffAxis(&a, 0.01, 100.0, std::nan(""))));
  EXPECT_TRUE(std::isnan(virelo_math_ExactConcentrationOffAxis(&a, 0.01, 0.0, std::nan(""))));
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&a, 0.01, 100.0, -INFINITY), 0.0);
  EXPECT_TRUE(std::isnan(virelo_math_ExactConcentrationOffAxis(&a, 0.01, -1.0, 5.0)));
  EXPECT_TRUE(std::isnan(virelo_math_ExactConcentrationOffAxis(nullptr, 0.01, 100.0, 5.0)));
  Aquifer still = a;
  still.gradientI = 1e-45;
  EXPECT_EQ(virelo_math_ExactConcentrationOffAxis(&still, 0.01, 100.0, 5.0), 0.0);
  // A small ax carries the screening value beside the centre line: both
  // spread the width alike when the arrival time hardly varies.
  Aquifer sharp = a;
  sharp.dispersivityAx = 0.01;
  for (double y : {5.0, 15.0, 30.0}) {
    EXPECT_NEAR(virelo_math_ExactConcentrationOffAxis(&sharp, 0.01, 100.0, y) /
                    virelo_math_ScreeningConcentrationOffAxis(&sharp, 0.01, 100.0, y),
                1.0, 0.01)
        << y;
  }
}

TEST(ExactSolution, ApproachesScreeningAsDispersivityShrinks) {
  Aquifer a = WorkedExampleAquifer();
  double previous = 1e300;
  for (double ax : {1.0, 0.1, 0.01}) {
    a.dispersivityAx = ax;
    const double gap = std::fabs(virelo_math_ExactConcentration(&a, 0.01, 100.0) /
                                     virelo_math_ScreeningConcentration(&a, 0.01, 100.0) -
                                 1.0);
    EXPECT_LT(gap, previous / 5.0) << ax;
    previous = gap;
  }
  EXPECT_LT(previous, 0.01);
}

TEST(ExactSolution, LimitsAndUndefinedInputs) {
  const Aquifer a = WorkedExampleAquifer();
  EXPECT_EQ(virelo_math_ExactConcentration(&a, 0.01, 0.0), 1.0);
  EXPECT_TRUE(std::isnan(virelo_math_ExactConcentration(&a, 0.01, -1.0)));
  EXPECT_TRUE(std::isnan(virelo_math_ExactConcentration(&a, std::nan(""), 100.0)));
  Aquifer still = a;
  still.gradientI = 1e-45;
  EXPECT_EQ(virelo_math_ExactConcentration(&still, 0.01, 100.0), 0.0);
  Aquifer noWidth = a;  // nothing leaves a source without width, in both models
  noWidth.sourceThicknessSy = 0.0;
  EXPECT_EQ(virelo_math_ExactConcentration(&noWidth, 0.01, 100.0), 0.0);
  EXPECT_EQ(virelo_math_ScreeningConcentration(&noWidth, 0.01, 100.0), 0.0);
  Aquifer negativeAx = a;
  negativeAx.dispersivityAx = -10.0;
  EXPECT_TRUE(std::isnan(virelo_math_ExactConcentration(&negativeAx, 0.01, 100.0)));
}

TEST(ScreeningConcentration, CentreLineAndPlanView) {
  const Aquifer a = WorkedExampleAquifer();
  ContaminantResult r{};
  const Contaminant c = WithLambda(100.0, 0.01);
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  EXPECT_EQ(virelo_math_ScreeningConcentration(&a, 0.01, 100.0), r.relativeConcentration);
  EXPECT_EQ(virelo_math_ScreeningConcentrationOffAxis(&a, 0.01, 100.0, 0.0), r.relativeConcentration);
  // Symmetric about the centre line, falling off beside it, and half the
  // centre value's y-factor at the source edge without transverse spreading.
  const double near = virelo_math_ScreeningConcentrationOffAxis(&a, 0.01, 100.0, 5.0);
  EXPECT_EQ(near, virelo_math_ScreeningConcentrationOffAxis(&a, 0.01, 100.0, -5.0));
  EXPECT_LT(virelo_math_ScreeningConcentrationOffAxis(&a, 0.01, 100.0, 60.0), near / 100.0);
  EXPECT_GT(virelo_math_ScreeningConcentrationOffAxis(&a, 0.01, 100.0, 200.0), 0.0);  // no cancellation
  Aquifer unspread = a;
  unspread.dispersivityAy = 0.0;
  const double centre = virelo_math_ScreeningConcentration(&unspread, 0.01, 100.0);
  EXPECT_EQ(virelo_math_ScreeningConcentrationOffAxis(&unspread, 0.01, 100.0, 9.0), centre);
  EXPECT_EQ(virelo_math_ScreeningConcentrationOffAxis(&unspread, 0.01, 100.0, 10.0), centre / 2.0);
  EXPECT_EQ(virelo_math_ScreeningConcentrationOffAxis(&unspread, 0.01, 100.0, 11.0), 0.0);

  // Beside the source the y-factor is a difference of two small values,
  // taken of erfc. Its share of the centre value, from mpmath (dps 40):
  //   d = 20; 0.5*(erfc((y-10)/d) - erfc((y+10)/d)) / erf(10/d)
  const double centreValue = virelo_math_ScreeningConcentration(&a, 0.01, 100.0);
  EXPECT_NEAR(virelo_math_ScreeningConcentrationOffAxis(&a, 0.01, 100.0, 30.0) / centreValue,
              0.14661047828723654175, 1e-14);
  EXPECT_NEAR(virelo_math_ScreeningConcentrationOffAxis(&a, 0.01, 100.0, -200.0) / centreValue /
                  3.6207640378858845743e-41,
              1.0, 1e-12);
}

TEST(ExactSolution, WorkedExampleAndResultFields) {
  Project* p = virelo_AllocateProject();
  p->aquifer = WorkedExampleAquifer();
  // 0: the worked example (same class, twice the concentration); 1: a C0
  // that is Green on screening (ratio 0.25) and Yellow when exact; 2: with
  // problems (no CA); 3..299: many lambdas, to compare threaded and serial.
  const int count = 300;
  p->contaminants = virelo_AllocateContaminants(count);
  p->contaminants[0] = WithLambda(100.0, 0.01);
  p->contaminants[1] = WithLambda(0.25 / 3.5733505e-6, 0.01);
  p->contaminants[2] = WithLambda(100.0, 0.01);
  virelo_ClearContaminantValue(&p->contaminants[2], kValueCa);
  for (int k = 3; k < count; ++k) p->contaminants[k] = WithLambda(100.0, 1e-4 * k);
  p->contaminantCount = count;
  ASSERT_EQ(virelo_math_CalcAll(p), 1);
  ASSERT_EQ(virelo_math_CalcExactAll(p, 1), 1);
  std::vector<ContaminantResult> serial(p->results, p->results + p->resultCount);
  ASSERT_EQ(virelo_math_CalcExactAll(p, 4), 1);

  const AssessmentRange range = kAssessmentRanges[0].range;
  const ContaminantResult& example = p->results[0];
  EXPECT_NEAR(example.relativeConcentration, 3.5733505e-6, 1e-12);
  EXPECT_NEAR(example.exactRelativeConcentration, 7.2036515e-6, 1e-12);
  EXPECT_DOUBLE_EQ(example.exactAttenuationFactor, 1.0 / example.exactRelativeConcentration);
  EXPECT_DOUBLE_EQ(example.exactSourceRatio, 100.0 * example.exactRelativeConcentration);
  EXPECT_EQ(ClassifyExactAttenuationFactor(example, range), AssessmentClass::Green);
  EXPECT_EQ(CompareExactWithScreening(example, range), ExactComparison::Differs);

  EXPECT_EQ(ClassifyAttenuationFactor(p->results[1].sourceRatio, range), AssessmentClass::Green);
  EXPECT_EQ(ClassifyExactAttenuationFactor(p->results[1], range), AssessmentClass::Yellow);
  EXPECT_EQ(CompareExactWithScreening(p->results[1], range), ExactComparison::WorseClass);

  ContaminantResult better{};  // yellow on screening, green when exact: no warning
  better.exactComputed = 1;
  better.relativeConcentration = better.sourceRatio = 0.35;
  better.exactRelativeConcentration = better.exactSourceRatio = 0.1;
  EXPECT_EQ(CompareExactWithScreening(better, range), ExactComparison::None);

  EXPECT_EQ(p->results[2].exactComputed, 0);
  EXPECT_EQ(ClassifyExactAttenuationFactor(p->results[2], range), AssessmentClass::Problems);
  EXPECT_EQ(CompareExactWithScreening(p->results[2], range), ExactComparison::None);

  for (int k = 0; k < p->resultCount; ++k) {
    EXPECT_EQ(p->results[k].exactRelativeConcentration, serial[k].exactRelativeConcentration) << k;
    EXPECT_EQ(p->results[k].exactComputed, k != 2) << k;
  }
  virelo_FreeProject(p);
}

TEST(ExactSolution, ProfileSteps) {
  const Aquifer a = WorkedExampleAquifer();
  double s[4], screening[4], exact[4];
  ASSERT_EQ(virelo_math_CentreLineProfile(&a, 0.01, 200.0, 4, s, screening, exact), 1);
  EXPECT_EQ(s[0], 50.0);
  EXPECT_EQ(s[3], 200.0);
  EXPECT_EQ(screening[1], virelo_math_ScreeningConcentration(&a, 0.01, 100.0));
  EXPECT_EQ(exact[1], virelo_math_ExactConcentration(&a, 0.01, 100.0));
  EXPECT_EQ(virelo_math_CentreLineProfile(&a, 0.01, 200.0, 0, s, screening, exact), 0);
  EXPECT_EQ(virelo_math_CentreLineProfile(&a, 0.01, 0.0, 4, s, screening, exact), 0);
}

}  // namespace
