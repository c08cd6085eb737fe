// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "engine/core/breakeven.h"
#include "engine/core/calc.h"
#include "engine/core/validation.h"
#include "tests/engine/support/worked_example.h"

namespace {

const AssessmentRange kRange = kAssessmentRanges[0].range;  // 0.3 .. 2.0

Contaminant MakeContaminant(double c0, double ca, double lambda) {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, c0);
  virelo_SetContaminantValue(&c, kValueCa, ca);
  virelo_SetLambda(&c, kLambdaUser, lambda);
  c.lambdaSelected = kLambdaUser;
  c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  return c;
}

// Green, Yellow and Red for each assessment on the worked-example aquifer,
// whose dispersivities are those that "Approximate by x" gives for x 100.
struct Scenario {
  bool plumeLength;
  Contaminant contaminant;
  AssessmentClass cls;
};
std::vector<Scenario> Scenarios() {
  return {{true, MakeContaminant(100, 1, 0.01), AssessmentClass::Green},
          {true, MakeContaminant(100, 1, 0.002), AssessmentClass::Yellow},
          {true, MakeContaminant(100, 1, 0.0005), AssessmentClass::Red},
          {false, MakeContaminant(100, 1, 0.01), AssessmentClass::Green},
          {false, MakeContaminant(10, 1, 0.001), AssessmentClass::Yellow},
          {false, MakeContaminant(100, 1, 0.001), AssessmentClass::Red}};
}

// One input changed, written out here independently of the engine's own
// bookkeeping.
void Change(Aquifer& a, Contaminant& c, bool approximate, BreakEvenInput input, double value) {
  double* fields[] = {&a.distanceX,
                      &a.conductivityKf,
                      &a.gradientI,
                      &a.porosityNe,
                      &c.lambdaUser,
                      &a.dispersivityAx,
                      &a.dispersivityAy,
                      &a.dispersivityAz,
                      &a.sourceThicknessSy,
                      &a.sourceWidthSz,
                      &c.c0,
                      &c.ca};
  *fields[static_cast<int>(input)] = value;
  if (input == BreakEvenInput::X && approximate) {
    // As the Aquifer page stores them: x/10, x/100, x/1000 to three decimals.
    double* dispersivities[] = {&a.dispersivityAx, &a.dispersivityAy, &a.dispersivityAz};
    double d = value;
    for (double* field : dispersivities) {
      d /= 10.0;
      char text[64];
      std::snprintf(text, sizeof text, "%.3f", d);
      *field = std::strtod(text, nullptr);
    }
  }
}

// The class the results page shows with one input changed.
AssessmentClass ClassWith(Aquifer a, Contaminant c, bool approximate, bool plumeLength, BreakEvenInput input,
                          double value) {
  Change(a, c, approximate, input, value);
  ContaminantResult r{};
  if (plumeLength) {
    virelo_math_CalcPlumeLength(&a, &c, &r);
    return ClassifyPlumeLength(r.plumeLengthRatio, kRange);
  }
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  return ClassifyAttenuationFactor(r.sourceRatio, kRange);
}

const BreakEven& Entry(const BreakEvenTable& table, BreakEvenInput input) {
  for (const BreakEven& entry : table.inputs)
    if (entry.input == input) return entry;
  ADD_FAILURE() << "no entry " << BreakEvenInputName(input);
  return table.inputs.front();
}

TEST(BreakEven, InputsInTheirOrderAndClassesAsTheResultsPage) {
  std::string plume, attenuation;
  for (const Scenario& s : Scenarios()) {
    const BreakEvenTable t =
        BreakEvenValues(WorkedExampleAquifer(), s.contaminant, false, s.plumeLength, kRange);
    EXPECT_EQ(t.cls, s.cls);
    std::string& names = s.plumeLength ? plume : attenuation;
    names.clear();
    for (const BreakEven& entry : t.inputs) names += std::string(BreakEvenInputName(entry.input)) + ",";
    for (const BreakEven& entry : t.inputs) {
      // Green has no better class, Red no worse one.
      EXPECT_EQ(entry.worseAt.has_value() && s.cls == AssessmentClass::Red, false);
      EXPECT_EQ(entry.betterAt.has_value() && s.cls == AssessmentClass::Green, false);
    }
  }
  EXPECT_EQ(plume, "x,Kf,i,ne,lambda,C0,CA,");
  EXPECT_EQ(attenuation, "x,Kf,i,ne,lambda,ax,ay,az,Sy,Sz,C0,CA,");

  Aquifer incomplete = WorkedExampleAquifer();
  incomplete.setMask &= static_cast<uint16_t>(~kAquiferKf);
  const BreakEvenTable none = BreakEvenValues(incomplete, Scenarios()[0].contaminant, false, true, kRange);
  EXPECT_EQ(none.cls, AssessmentClass::Problems);
  EXPECT_TRUE(none.inputs.empty());
}

TEST(BreakEven, ClosedFormsAgreeWithTheSearch) {
  int compared = 0;
  for (const Scenario& s : Scenarios()) {
    if (!s.plumeLength) continue;
    const Aquifer a = WorkedExampleAquifer();
    const BreakEvenTable closed = BreakEvenValues(a, s.contaminant, false, true, kRange);
    const BreakEvenTable search =
        BreakEvenValues(a, s.contaminant, false, true, kRange, BreakEvenMethod::Search);
    ASSERT_EQ(closed.inputs.size(), search.inputs.size());
    for (size_t k = 0; k < closed.inputs.size(); ++k) {
      for (auto member : {&BreakEven::worseAt, &BreakEven::betterAt}) {
        const auto& x = closed.inputs[k].*member;
        const auto& y = search.inputs[k].*member;
        ASSERT_EQ(x.has_value(), y.has_value()) << BreakEvenInputName(closed.inputs[k].input);
        if (!x) continue;
        EXPECT_NEAR(*x / *y, 1.0, 1e-11) << BreakEvenInputName(closed.inputs[k].input);
        ++compared;
      }
    }
  }
  EXPECT_GE(compared, 20);
}

// Just beyond a break-even value on the worse side the class is one worse;
// at it and just before it the better class holds. Both assessments, every
// input, with and without "Approximate by x".
TEST(BreakEven, TheClassChangesExactlyAtTheValue) {
  int checked = 0;
  for (bool approximate : {false, true}) {
    for (const Scenario& s : Scenarios()) {
      const Aquifer a = WorkedExampleAquifer();
      const Contaminant& c = s.contaminant;
      const BreakEvenTable t = BreakEvenValues(a, c, approximate, s.plumeLength, kRange);
      ASSERT_EQ(t.cls, s.cls);
      for (const BreakEven& e : t.inputs) {
        const auto better = [](AssessmentClass k) {
          return static_cast<AssessmentClass>(static_cast<int>(k) + 1);
        };
        const auto worse = [](AssessmentClass k) {
          return static_cast<AssessmentClass>(static_cast<int>(k) - 1);
        };
        const char* name = BreakEvenInputName(e.input);
        if (e.worseAt) {
          const double at = *e.worseAt;
          const double up = at > e.value ? 1 : -1;  // the worse side
          EXPECT_EQ(ClassWith(a, c, approximate, s.plumeLength, e.input, at), s.cls) << name;
          EXPECT_EQ(ClassWith(a, c, approximate, s.plumeLength, e.input, at * (1 - up * 1e-9)), s.cls)
              << name;
          EXPECT_EQ(ClassWith(a, c, approximate, s.plumeLength, e.input, at * (1 + up * 1e-9)), worse(s.cls))
              << name;
          ++checked;
        }
        if (e.betterAt) {
          const double at = *e.betterAt;
          const double up = at > e.value ? -1 : 1;
          EXPECT_EQ(ClassWith(a, c, approximate, s.plumeLength, e.input, at), better(s.cls)) << name;
          EXPECT_EQ(ClassWith(a, c, approximate, s.plumeLength, e.input, at * (1 + up * 1e-9)), s.cls)
              << name;
          ++checked;
        }
      }
    }
  }
  EXPECT_GE(checked, 80);

  // Moving x moves the approximated dispersivities with it, so the
  // attenuation factor reaches its bound at another distance.
  const Contaminant c = Scenarios()[3].contaminant;
  const BreakEvenTable alone = BreakEvenValues(WorkedExampleAquifer(), c, false, false, kRange);
  const BreakEvenTable moved = BreakEvenValues(WorkedExampleAquifer(), c, true, false, kRange);
  ASSERT_TRUE(Entry(alone, BreakEvenInput::X).worseAt && Entry(moved, BreakEvenInput::X).worseAt);
  EXPECT_GT(
      std::fabs(*Entry(alone, BreakEvenInput::X).worseAt / *Entry(moved, BreakEvenInput::X).worseAt - 1),
      1e-3);
}

// A value is never missing where the class can change. Every input is
// scanned over the whole range the input checks accept (a log grid from
// 1e-10 to 1e12, and the ends 0, 1, C0 and CA): wherever the scan meets a
// worse (better) class, the worse (better) break-even value must exist, lie
// on that side of the current value and be no farther from it.
TEST(BreakEven, PresentWhereverTheClassCanChange) {
  std::vector<Scenario> scenarios = Scenarios();
  // A Green plume far from its bound and a Red attenuation factor whose
  // Yellow lies close by: small and large factors alike.
  scenarios.push_back({true, MakeContaminant(1e4, 1e-3, 1.0), AssessmentClass::Green});
  scenarios.push_back({false, MakeContaminant(60, 1, 0.001), AssessmentClass::Red});
  int present = 0;
  for (bool approximate : {false, true}) {
    for (const Scenario& s : scenarios) {
      const Aquifer a = WorkedExampleAquifer();
      const Contaminant& c = s.contaminant;
      const BreakEvenTable t = BreakEvenValues(a, c, approximate, s.plumeLength, kRange);
      ASSERT_EQ(t.cls, s.cls);
      std::vector<double> grid = {0.0, 1.0, c.c0, c.ca};
      for (double v = 1e-10; v < 1e12; v *= std::pow(10.0, 1.0 / 8)) grid.push_back(v);
      for (const BreakEven& e : t.inputs) {
        const char* name = BreakEvenInputName(e.input);
        for (double v : grid) {
          Aquifer changedA = a;
          Contaminant changedC = c;
          Change(changedA, changedC, approximate, e.input, v);
          const int problems = virelo_CheckContaminant(&changedC, nullptr) +
                               (s.plumeLength ? virelo_CheckAquiferPlumeLength(&changedA, nullptr)
                                              : virelo_CheckAquiferAF(&changedA, nullptr));
          if (problems != 0) continue;
          const AssessmentClass cls = ClassWith(a, c, approximate, s.plumeLength, e.input, v);
          if (cls == s.cls) continue;
          const std::optional<double>& at = cls < s.cls ? e.worseAt : e.betterAt;
          ASSERT_TRUE(at.has_value()) << name << " at " << v << (cls < s.cls ? " worse" : " better")
                                      << (approximate ? " approximated" : "") << " class " << int(s.cls);
          EXPECT_EQ(v > e.value, *at > e.value) << name << " at " << v;
          EXPECT_LE(std::fabs(*at - e.value), std::fabs(v - e.value)) << name << " at " << v;
          ++present;
        }
      }
    }
  }
  EXPECT_GT(present, 1000);
}

// A project's result has break-even values only for an assessment it is
// marked for and that has no problems; each of the two conditions alone
// empties the table.
TEST(BreakEven, ResultsOnlyForAssessedSoundResults) {
  Project project{};
  Contaminant c = MakeContaminant(100, 1, 0.01);
  c.assess = kAssessPlumeLength;
  project.contaminants = &c;
  project.contaminantCount = 1;
  project.aquifer = WorkedExampleAquifer();
  ContaminantResult r{};
  r.contaminantIndex = 0;
  EXPECT_EQ(ResultBreakEvenValues(project, r, true, kRange).inputs.size(), 7u);
  EXPECT_TRUE(ResultBreakEvenValues(project, r, false, kRange).inputs.empty());  // not marked
  r.plContaminantProblemCount = 1;
  EXPECT_TRUE(ResultBreakEvenValues(project, r, true, kRange).inputs.empty());
  r.plContaminantProblemCount = 0;
  r.contaminantIndex = 1;
  EXPECT_TRUE(ResultBreakEvenValues(project, r, true, kRange).inputs.empty());
}

TEST(BreakEven, NoAnswerBeyondTheValidRange) {
  // Red plume length at ne 0.999: ne would have to exceed 1 to reach Yellow.
  Aquifer a = WorkedExampleAquifer();
  a.porosityNe = 0.999;
  const BreakEvenTable red = BreakEvenValues(a, MakeContaminant(100, 1, 0.0001), false, true, kRange);
  ASSERT_EQ(red.cls, AssessmentClass::Red);
  EXPECT_FALSE(Entry(red, BreakEvenInput::Ne).betterAt);
  EXPECT_TRUE(Entry(red, BreakEvenInput::Kf).betterAt);

  // Yellow attenuation factor with CA just below C0: even CA = C0 (and any
  // C0 not below CA) leaves the ratio above the lower bound.
  const BreakEvenTable yellow =
      BreakEvenValues(WorkedExampleAquifer(), MakeContaminant(1, 0.999, 1e-5), false, false, kRange);
  ASSERT_EQ(yellow.cls, AssessmentClass::Yellow);
  EXPECT_FALSE(Entry(yellow, BreakEvenInput::CA).betterAt);
  EXPECT_FALSE(Entry(yellow, BreakEvenInput::C0).betterAt);
  EXPECT_TRUE(Entry(yellow, BreakEvenInput::CA).worseAt);
  EXPECT_TRUE(Entry(yellow, BreakEvenInput::Lambda).betterAt);
}

TEST(BreakEven, FactorsAndFragility) {
  BreakEven e{BreakEvenInput::Kf, 2.0, 3.0, 0.5};
  EXPECT_DOUBLE_EQ(*WorseFactor(e), 1.5);
  EXPECT_DOUBLE_EQ(*BetterFactor(e), 0.25);
  EXPECT_DOUBLE_EQ(NearestFactor(e), 1.5);
  EXPECT_TRUE(IsFragile(e));
  e.worseAt.reset();
  EXPECT_DOUBLE_EQ(NearestFactor(e), 4.0);
  EXPECT_FALSE(IsFragile(e));
  e.value = 0.0;  // a source thickness of 0 has no factor
  EXPECT_FALSE(BetterFactor(e));
  EXPECT_TRUE(std::isinf(NearestFactor(e)));
}

// The CLI and the report keep two significant digits; the Results page's
// margin has three, so that a class 5 % from its boundary is not shown as
// sitting on it.
TEST(BreakEven, FactorTextsKeepTheirDigits) {
  EXPECT_EQ(FormatFactor(0.31), "0.31");
  EXPECT_EQ(FormatFactor(4.2), "4.2");
  EXPECT_EQ(FormatFactor(61.0), "61");
  EXPECT_EQ(FormatFactor(1234.0), "1234");
  EXPECT_EQ(FormatMarginFactor(1.05), "1.05");
  EXPECT_EQ(FormatMarginFactor(1.0), "1.00");
  EXPECT_NE(FormatMarginFactor(1.049), FormatMarginFactor(1.0));
  EXPECT_EQ(FormatMarginFactor(9.996), "10.00");  // rounds up across the decade, as printf does
  EXPECT_EQ(FormatMarginFactor(12.34), "12.3");
  EXPECT_EQ(FormatMarginFactor(250.0), "250");
  EXPECT_EQ(FormatMarginFactor(3.1e-8), "3.10e-08");
  EXPECT_EQ(FormatMarginFactor(std::numeric_limits<double>::infinity()), "infinite!");
}

}  // namespace
