// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Inputs that once slipped through to a verdict: a source of no size, an
// infinite or undefined value, a ratio that overflows. Each must end without
// a green light. Also the dispersivities derived from x and the plausibility
// warnings, which change no verdict.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/dispersivity.h"
#include "engine/core/plausibility.h"
#include "engine/core/validation.h"
#include "engine/project/assessment.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tests/engine/support/worked_example.h"
#include "tools/cli/cli.h"

namespace fs = std::filesystem;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");
const AssessmentRange kRange = kAssessmentRanges[0].range;  // 0.3 .. 2.0

// The worked example (section "Worked example" of the manual) with one
// contaminant assessed both ways.
ProjectHandle Worked(double c0 = 100.0, double ca = 1.0, double lambda = 0.01) {
  return ProjectOf(WorkedExampleAquifer(),
                   {{"Benzene", c0, ca, lambda, kAssessPlumeLength | kAssessAttenuationFactor}});
}

struct Verdicts {
  AssessmentClass plume, af;
  std::vector<int> afCodes;  // aquifer codes, then contaminant codes
  ContaminantResult result;
};

Verdicts Assess(Project& p) {
  virelo_FreeResults(&p);
  EXPECT_EQ(virelo_math_CalcAll(&p), 1);
  const ContaminantResult& r = p.results[0];
  Verdicts v{AssessmentClass::Problems, AssessmentClass::Problems, {}, r};
  if (!HasPlumeLengthProblems(r)) v.plume = ClassifyPlumeLength(r.plumeLengthRatio, kRange);
  if (!HasAttenuationFactorProblems(r)) v.af = ClassifyAttenuationFactor(r.sourceRatio, kRange);
  for (int k = 0; k < r.afAquiferProblemCount; ++k) v.afCodes.push_back(r.afAquiferProblems[k]);
  for (int k = 0; k < r.afContaminantProblemCount; ++k) v.afCodes.push_back(r.afContaminantProblems[k]);
  return v;
}

// A source of no width or no thickness gave c = 0, an infinite ratio and
// green; now it is problem 600 and no verdict, while the plume length,
// which does not use the source, keeps its own.
TEST(ImpossibleInputs, ZeroSourceSizeGivesNoVerdict) {
  for (double Aquifer::*size : {&Aquifer::sourceThicknessSy, &Aquifer::sourceWidthSz}) {
    ProjectHandle p = Worked();
    p->aquifer.*size = 0.0;
    Verdicts v = Assess(*p);
    EXPECT_EQ(v.af, AssessmentClass::Problems);
    EXPECT_EQ(v.afCodes, std::vector<int>{600});
    EXPECT_EQ(v.plume, AssessmentClass::Green);
    char text[256];
    ASSERT_EQ(virelo_GetProblemText(600, text), 1);
    EXPECT_STREQ(text, "Source width and thickness must be greater than 0 for the aquifer!");

    p->aquifer.*size = 1e-10;  // the smallest size the checks accept
    EXPECT_NE(Assess(*p).af, AssessmentClass::Problems);
    p->aquifer.setMask &= ~(kAquiferSy | kAquiferSz);  // not entered: 580 says so, 600 adds nothing
    p->aquifer.*size = 0.0;
    EXPECT_EQ(Assess(*p).afCodes, std::vector<int>{580});
  }
}

// Every comparison with NaN is false and infinity exceeds every bound, so
// each of these once passed the checks; an infinite x made the plume-length
// ratio 0 (green), a NaN Kf ended green as well.
TEST(ImpossibleInputs, InfiniteOrUndefinedInputsGiveNoVerdict) {
  double Aquifer::*const inputs[] = {
      &Aquifer::distanceX,      &Aquifer::conductivityKf, &Aquifer::porosityNe,
      &Aquifer::gradientI,      &Aquifer::dispersivityAx, &Aquifer::dispersivityAy,
      &Aquifer::dispersivityAz, &Aquifer::sourceWidthSz,  &Aquifer::sourceThicknessSy};
  for (double bad : {kInf, -kInf, kNaN}) {
    for (int k = 0; k < 9 + 3; ++k) {
      ProjectHandle p = Worked();
      Contaminant& c = p->contaminants[0];
      if (k < 9)
        p->aquifer.*inputs[k] = bad;
      else
        (k == 9 ? c.c0 : k == 10 ? c.ca : c.lambdaUser) = bad;
      const Verdicts v = Assess(*p);
      const bool plumeInput = k < 4 || k >= 9;  // the plume length does not use ax .. Sy
      EXPECT_EQ(v.plume, plumeInput ? AssessmentClass::Problems : AssessmentClass::Green) << k << " " << bad;
      EXPECT_EQ(v.af, AssessmentClass::Problems) << k << " " << bad;
      EXPECT_EQ(v.afCodes.back(), k < 9 ? 610 : 40) << k << " " << bad;
    }
  }
  // A value that is not entered is reported as missing, not as infinite.
  ProjectHandle p = Worked();
  p->aquifer.distanceX = kInf;
  p->aquifer.setMask &= ~kAquiferX;
  EXPECT_EQ(Assess(*p).afCodes, std::vector<int>{510});
}

// C0 / CA beyond the double range overflowed the source ratio to infinity,
// which reads "nothing arrives" and is green. Reference values: mpmath at
// 40 digits, c = exp(5*(1-sqrt(11)))*erf(0.5)*erf(5/(2*sqrt(10)))
// = 3.57335054135901e-6, and the ratio C0*c/CA.
TEST(ImpossibleInputs, OverflowingRatiosAreNeverGreen) {
  {  // The receptor gets 3.6e299; the ratio 3.6e309 is beyond a double.
    ProjectHandle p = Worked(1e305, 1e-10);
    const Verdicts v = Assess(*p);
    EXPECT_EQ(v.af, AssessmentClass::Red);
    EXPECT_EQ(v.result.sourceRatio, DBL_MAX);
    EXPECT_NEAR(v.result.receptorConcentration / 3.57335054135901e299, 1.0, 1e-10);
    // ln(1e315) * 0.04 / 0.01 = 2901.2572171725 m, ratio 29: red, and finite.
    EXPECT_EQ(v.plume, AssessmentClass::Red);
    EXPECT_NEAR(v.result.plumeLength, 2901.2572171724976, 1e-8);
  }
  {  // C0 / CA overflows, the ratio 3.573e304 itself does not.
    ProjectHandle p = Worked(1e300, 1e-10);
    EXPECT_NEAR(Assess(*p).result.sourceRatio / 3.57335054135901e304, 1.0, 1e-10);
  }
  {  // CA * AF overflowed to infinity and the ratio to 0, green; it is 0.6075.
    ProjectHandle p = Worked(1.7e308, 1e303);
    const Verdicts v = Assess(*p);
    EXPECT_NEAR(v.result.sourceRatio, 0.60746959203103172, 1e-10);
    EXPECT_EQ(v.af, AssessmentClass::Yellow);
  }
  {  // Below 1e-30 of C0 at the receptor (x = 1000: c = 2.4231047922355e-52),
     // yet C0 is 1e310 times CA: the ratio 2.4e258 is red, not "nothing arrives".
    ProjectHandle p = Worked(1e300, 1e-10);
    p->aquifer.distanceX = 1000.0;
    const Verdicts v = Assess(*p);
    EXPECT_EQ(v.result.attenuationFactor, 0.0);
    EXPECT_NEAR(v.result.sourceRatio / 2.423104792235486e258, 1.0, 1e-9);
    EXPECT_EQ(v.af, AssessmentClass::Red);
  }
  // Nothing at all arrives: still the infinite ratio; an undefined or
  // negative concentration is undefined, never green.
  EXPECT_EQ(virelo_math_SourceRatio(100.0, 1.0, 0.0), kInf);
  EXPECT_TRUE(std::isnan(virelo_math_SourceRatio(100.0, 1.0, kNaN)));
  EXPECT_TRUE(std::isnan(virelo_math_SourceRatio(100.0, 1.0, -1e-3)));
}

// The values "Approximate by x" stores, as the Aquifer page rounds them:
// three decimals, an exact half away from zero (the page's toolkit prints
// 0.0625 as 0.063; the C library would give 0.062).
TEST(Dispersivity, FromXAsThePageStoresThem) {
  struct Case {
    double x, ax, ay, az;
  } const cases[] = {
      {100.0, 10.0, 1.0, 0.1},      {62.5, 6.25, 0.625, 0.063}, {-62.5, -6.25, -0.625, -0.063},
      {1.234, 0.123, 0.012, 0.001}, {0.6, 0.06, 0.006, 0.001},  {0.004, 0.0, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    double ax = -1, ay = -1, az = -1;
    virelo_DispersivitiesFromX(c.x, &ax, &ay, &az);
    EXPECT_EQ(ax, c.ax) << c.x;
    EXPECT_EQ(ay, c.ay) << c.x;
    EXPECT_EQ(az, c.az) << c.x;
  }
  double ax = 0.0;  // too long for three decimals in a field: kept as it is
  virelo_DispersivitiesFromX(1e60, &ax, nullptr, nullptr);
  EXPECT_EQ(ax, 1e59);

  ProjectHandle p = Worked();
  p->approximateDispersivity = 1;
  p->aquifer.distanceX = 62.5;
  p->modified = 0;
  EXPECT_EQ(virelo_RefreshApproximatedDispersivities(p.get()), 1);
  EXPECT_EQ(p->modified, 1);
  EXPECT_EQ(p->aquifer.dispersivityAz, 0.063);
  p->modified = 0;
  EXPECT_EQ(virelo_RefreshApproximatedDispersivities(p.get()), 0);  // current now
  EXPECT_EQ(p->modified, 0);
  p->aquifer.setMask &= ~kAquiferAy;  // a value missing is stale too
  EXPECT_EQ(virelo_RefreshApproximatedDispersivities(p.get()), 1);
  EXPECT_TRUE(p->aquifer.setMask & kAquiferAy);

  p->aquifer.distanceX = 300.0;
  p->approximateDispersivity = 0;  // the user's own values
  EXPECT_EQ(virelo_RefreshApproximatedDispersivities(p.get()), 0);
  EXPECT_EQ(p->aquifer.dispersivityAx, 6.25);
}

// Each threshold on both sides, on the worked example (x = 100 m) with one
// or two inputs changed; v = Kf i / ne.
TEST(Plausibility, EachThresholdOnBothSides) {
  struct Case {
    double kf, i, ne, ax, ay, az;
    const char* warning;  // a piece of the one expected warning, or "" for none
  } const cases[] = {
      {2e-4, 0.1, 0.2, 10, 1, 0.1,
       "Kf = 0.0002 m/d is below 0.001 m/d, as tight as silt or clay: entered in m/s? "
       "1e-4 m/s = 8.64 m/d"},
      {1e-3, 0.1, 0.2, 10, 1, 0.1, ""},
      {1e4, 1e-4, 0.5, 10, 1, 0.1, ""},
      {2e4, 1e-4, 0.5, 10, 1, 0.1, "Kf = 20000 m/d is above 10000 m/d"},
      {1, 0.1, 0.25, 10, 1, 0.1, ""},
      {1, 0.5, 0.25, 10, 1, 0.1, "i = 0.5 is above 0.1"},
      {1, 0.01, 0.01, 10, 1, 0.1, ""},
      {1, 0.005, 0.005, 10, 1, 0.1, "ne = 0.005 is below 0.01"},
      {1, 0.1, 0.5, 10, 1, 0.1, ""},
      {1, 0.1, 0.6, 10, 1, 0.1, "ne = 0.6 is above 0.5"},
      {250, 0.01, 0.25, 10, 1, 0.1, ""},
      {300, 0.01, 0.25, 10, 1, 0.1, "v = Kf * i / ne = 12 m/d is above 10 m/d"},
      {0.0025, 0.01, 0.25, 10, 1, 0.1, ""},
      {0.002, 0.01, 0.25, 10, 1, 0.1, "v = Kf * i / ne = 8e-05 m/d is below 0.0001 m/d"},
      {1, 0.01, 0.25, 100, 1, 0.1, ""},
      {1, 0.01, 0.25, 150, 1, 0.1, "ax = 150 m is greater than the distance x = 100 m"},
      {1, 0.01, 0.25, 10, 10, 0.1, ""},
      {1, 0.01, 0.25, 10, 12, 0.1, "ay = 12 m is greater than ax = 10 m"},
      {1, 0.01, 0.25, 10, 1, 1, ""},
      {1, 0.01, 0.25, 10, 1, 1.5, "az = 1.5 m is greater than ay = 1 m"},
  };
  for (const Case& c : cases) {
    Aquifer a = WorkedExampleAquifer();
    std::tie(a.conductivityKf, a.gradientI, a.porosityNe) = std::tie(c.kf, c.i, c.ne);
    std::tie(a.dispersivityAx, a.dispersivityAy, a.dispersivityAz) = std::tie(c.ax, c.ay, c.az);
    const std::vector<PlausibilityWarning> w = virelo_CheckPlausibility(a);
    ASSERT_EQ(w.size(), *c.warning ? 1u : 0u) << c.kf << " " << c.ax << ": " << (w.empty() ? "" : w[0].text);
    if (*c.warning) {
      EXPECT_NE(w[0].text.find(c.warning), std::string::npos) << w[0].text;
    }
  }
  // Values not entered, or refused by the checks anyway, raise nothing.
  Aquifer a = WorkedExampleAquifer();
  a.conductivityKf = 2e-4;
  a.setMask &= ~kAquiferKf;
  a.porosityNe = 1.5;
  EXPECT_TRUE(virelo_CheckPlausibility(a).empty());
}

// ---------------------------------------------------------------------------
// The same traps through virelo-cli.

class ImpossibleInputsCli : public ProjectFilesTest {};

// assess --csv: no verdict and the code for a source of no size; the
// plausibility warnings go to standard error only.
TEST_F(ImpossibleInputsCli, AssessGivesProblemsAndWarnsOnStandardError) {
  ProjectHandle p = Worked();
  p->aquifer.sourceWidthSz = 0.0;
  CliResult run = Cli({"assess", Save(p.get(), "flat.vrp"), "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\nBenzene,AF,Problems,,,,,,,,600,"), std::string::npos) << run.out;

  p = Worked();
  p->aquifer.conductivityKf = 2e-4;
  const std::string path = Save(p.get(), "slow.vrp");
  run = Cli({"assess", path, "--csv"});
  EXPECT_EQ(run.err, "virelo-cli: warning: " + path +
                         ": Kf = 0.0002 m/d is below 0.001 m/d, as tight as silt or clay: entered in m/s? "
                         "1e-4 m/s = 8.64 m/d\nvirelo-cli: warning: " +
                         path +
                         ": The seepage velocity v = Kf * i / ne = 8e-06 m/d is below 0.0001 m/d: "
                         "check Kf, i and ne\n");
  EXPECT_EQ(run.out.find("warning"), std::string::npos);
}

}  // namespace
