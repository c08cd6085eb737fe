// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Every limit the engine enforces, probed on both sides: the 1e-10 input
// thresholds, the 1e-30 and 1e-40 thresholds of the calculation, the switch
// to exponent format, the assessment ranges, the bits of every mask, the
// 16-bit counts and the 4096-byte paths.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/core/calc.h"
#include "engine/core/validation.h"
#include "engine/project/assessment.h"
#include "persistence/database.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/worked_example.h"

namespace {

using Codes = std::vector<int>;
constexpr double kInf = std::numeric_limits<double>::infinity();

double Below(double v) {
  return std::nextafter(v, -kInf);
}
double Above(double v) {
  return std::nextafter(v, kInf);
}

template <typename Record>
Codes Check(int (*check)(const Record*, ProblemCode**), const Record& record) {
  ProblemCode* codes = nullptr;
  const int count = check(&record, &codes);
  Codes out(codes, codes + (codes ? count : 0));
  std::free(codes);
  return out;
}

Contaminant CompleteContaminant() {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaUser, 0.01);
  c.lambdaSelected = kLambdaUser;
  return c;
}

// Each value that must be "> 0.0" passes at exactly 1e-10 and fails just
// below it; ax is tested on its magnitude.
TEST(Limits, InputThresholdsOfOneTenBillionth) {
  struct AquiferCase {
    const char* name;
    double Aquifer::*field;
    double atLimit;
    Codes below;  // attenuation-factor check, just past the limit
  };
  const AquiferCase aquiferCases[] = {
      {"x", &Aquifer::distanceX, 1e-10, {510}},       {"i", &Aquifer::gradientI, 1e-10, {521}},
      {"Kf", &Aquifer::conductivityKf, 1e-10, {531}}, {"ne", &Aquifer::porosityNe, 1e-10, {541}},
      {"ax", &Aquifer::dispersivityAx, 1e-10, {570}},
  };
  for (const AquiferCase& c : aquiferCases) {
    Aquifer a = WorkedExampleAquifer();
    a.*c.field = c.atLimit;
    EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{}) << c.name;
    a.*c.field = c.atLimit > 0 ? Below(c.atLimit) : Above(c.atLimit);
    EXPECT_EQ(Check(virelo_CheckAquiferAF, a), c.below) << c.name;
  }
  // ax is tested on its magnitude as well; any negative value is refused
  // on its own, so a negative ax short of the limit gives both codes.
  Aquifer a = WorkedExampleAquifer();
  a.dispersivityAx = -1e-10;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{590});
  a.dispersivityAx = Above(-1e-10);
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), (Codes{570, 590}));
  // ne has an upper limit too: 1.0 passes, the next double does not.
  a = WorkedExampleAquifer();
  a.porosityNe = Above(1.0);
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), Codes{541});

  struct ContaminantCase {
    const char* name;
    std::function<void(Contaminant&, double)> set;
    Codes below;
  };
  const ContaminantCase contaminantCases[] = {
      {"C0", [](Contaminant& c, double v) { c.c0 = v, c.ca = std::min(c.ca, v); }, {10, 20}},
      {"CA", [](Contaminant& c, double v) { c.ca = v; }, {20}},
      {"lambda", [](Contaminant& c, double v) { c.lambdaUser = v; }, {30}},
  };
  for (const ContaminantCase& c : contaminantCases) {
    Contaminant contaminant = CompleteContaminant();
    c.set(contaminant, 1e-10);
    EXPECT_EQ(Check(virelo_CheckContaminant, contaminant), Codes{}) << c.name;
    c.set(contaminant, Below(1e-10));
    EXPECT_EQ(Check(virelo_CheckContaminant, contaminant), c.below) << c.name;
  }
}

ContaminantResult Attenuation(const Aquifer& a, double lambda) {
  Contaminant c = CompleteContaminant();
  c.lambdaUser = lambda;
  ContaminantResult r{};
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  return r;
}

// Below a seepage velocity of 1e-40 in magnitude nothing is computed; at
// 1e-40 it is. A decay constant of 0 keeps the exponential at 1, so that a
// computed concentration shows.
TEST(Limits, VelocityThreshold) {
  Aquifer a = WorkedExampleAquifer();
  a.conductivityKf = 1.0;
  a.porosityNe = 1.0;
  for (double i : {1e-40, -1e-40}) {
    a.gradientI = i;
    EXPECT_GT(Attenuation(a, 0.0).relativeConcentration, 0.0) << i;
    a.gradientI = i > 0 ? Below(i) : Above(i);
    EXPECT_EQ(Attenuation(a, 0.0).relativeConcentration, 0.0) << i;
  }
}

// A relative concentration above 1e-30 gives AF = 1 / c, one at or below it
// AF = 0. With the exponential at 1 and ay = 0 the concentration is erf(Sz),
// which falls through 1e-30 as Sz shrinks; the two neighbouring values of Sz
// that straddle it probe both sides.
TEST(Limits, ReciprocalThreshold) {
  Aquifer a = WorkedExampleAquifer();
  a.distanceX = 1.0;
  a.dispersivityAz = 0.25;  // 4 az x = 1
  a.dispersivityAy = 0.0;   // that factor is 1
  a.conductivityKf = 1e30;  // a vanishing decay term
  auto at = [&](double sz) {
    a.sourceWidthSz = sz;
    return Attenuation(a, 1e-10);
  };
  double low = 0.0, high = 1e-29;
  ASSERT_GT(at(high).relativeConcentration, 1e-30);
  for (int step = 0; step < 200; ++step) {
    const double middle = low + (high - low) / 2;
    if (middle == low || middle == high) break;
    (at(middle).relativeConcentration > 1e-30 ? high : low) = middle;
  }
  const ContaminantResult under = at(low), over = at(high);
  ASSERT_LE(under.relativeConcentration, 1e-30);
  ASSERT_GT(over.relativeConcentration, 1e-30);
  ASSERT_LT(over.relativeConcentration, 1.0000001e-30);  // the two straddle the limit closely
  EXPECT_EQ(under.attenuationFactor, 0.0);
  // The ratio still counts what arrives: C0 c / CA, not "nothing arrives".
  EXPECT_NEAR(under.sourceRatio / (100.0 * under.relativeConcentration), 1.0, 1e-12);
  EXPECT_EQ(over.attenuationFactor, 1.0 / over.relativeConcentration);
}

// Fixed format strictly inside (1e-7, 1e7), exponent format from either
// bound outwards, for both signs.
TEST(Limits, ExponentFormatSwitch) {
  const struct {
    double value;
    const char* shown;
  } cases[] = {
      // The double just below 1e7 takes the fixed format, which rounds it up.
      {1e7, "1.0000E+07"},    {Below(1e7), "10000000.0000000"},
      {-1e7, "-1.0000E+07"},  {-Below(1e7), "-10000000.0000000"},
      {1e-7, "1.0000E-07"},   {Above(1e-7), "0.0000001"},
      {-1e-7, "-1.0000E-07"}, {-Above(1e-7), "-0.0000001"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatResultValue(c.value, "%.7f", "%.4E"), c.shown) << c.value;
  EXPECT_EQ(FormatResultValue(Below(1e7), "%.2f", "%.2E"), "10000000.00");
  EXPECT_EQ(FormatResultValue(1e7, "%.2f", "%.2E"), "1.00E+07");
}

// Every entry of the range table, on both sides of both bounds, for both
// classifications.
TEST(Limits, EveryAssessmentRange) {
  const struct {
    const char* text;
    double lower, upper;
  } expected[] = {
      {"0,3  < ... < 2,0", 0.3, 2.0},
      {"0,5  < ... < 2,0", 0.5, 2.0},
      {"0,1  < ... < 10,0", 0.1, 10.0},
      {"0,2  < ... < 5,0", 0.2, 5.0},
  };
  ASSERT_EQ(kAssessmentRangeCount, 4);
  for (int k = 0; k < kAssessmentRangeCount; ++k) {
    const AssessmentRangeEntry& entry = kAssessmentRanges[k];
    EXPECT_STREQ(entry.text, expected[k].text) << k;
    EXPECT_EQ(entry.range.lower, expected[k].lower) << k;
    EXPECT_EQ(entry.range.upper, expected[k].upper) << k;
    for (auto classify : {ClassifyPlumeLength, ClassifyAttenuationFactor}) {
      EXPECT_EQ(classify(entry.range.lower, entry.range), AssessmentClass::Green) << k;
      EXPECT_EQ(classify(Above(entry.range.lower), entry.range), AssessmentClass::Yellow) << k;
      EXPECT_EQ(classify(entry.range.upper, entry.range), AssessmentClass::Yellow) << k;
      EXPECT_EQ(classify(Above(entry.range.upper), entry.range), AssessmentClass::Red) << k;
    }
  }
}

// Each bit of each mask reaches its own field and no other; a bit that
// belongs to no field changes nothing; a missing bit raises its problem.
TEST(Limits, EveryBitOfTheMasks) {
  const struct {
    int bit;
    double Aquifer::*field;
    Codes missing;  // attenuation-factor check without this bit
  } aquiferBits[] = {
      {kAquiferX, &Aquifer::distanceX, {510}},          {kAquiferKf, &Aquifer::conductivityKf, {530}},
      {kAquiferNe, &Aquifer::porosityNe, {540}},        {kAquiferI, &Aquifer::gradientI, {520}},
      {kAquiferAx, &Aquifer::dispersivityAx, {560}},    {kAquiferAy, &Aquifer::dispersivityAy, {560}},
      {kAquiferAz, &Aquifer::dispersivityAz, {560}},    {kAquiferSz, &Aquifer::sourceWidthSz, {580}},
      {kAquiferSy, &Aquifer::sourceThicknessSy, {580}},
  };
  for (const auto& b : aquiferBits) {
    Aquifer a{}, expected{};
    virelo_SetAquiferValue(&a, b.bit, 7.5);
    expected.*b.field = 7.5;
    expected.setMask = static_cast<uint16_t>(b.bit);
    EXPECT_EQ(std::memcmp(&a, &expected, sizeof a), 0) << b.bit;
    a = WorkedExampleAquifer();
    a.setMask = static_cast<uint16_t>(a.setMask & ~b.bit);
    EXPECT_EQ(Check(virelo_CheckAquiferAF, a), b.missing) << b.bit;
  }
  for (int bit = 1; bit <= 0x8000; bit <<= 1) {
    if (bit & 0x3EF) continue;  // the nine bits above
    Aquifer a{};
    virelo_SetAquiferValue(&a, bit, 7.5);
    const Aquifer untouched{};
    EXPECT_EQ(std::memcmp(&a, &untouched, sizeof a), 0) << bit;
  }

  const struct {
    int bit;
    double Contaminant::*field;
  } lambdaBits[] = {
      {kLambdaUser, &Contaminant::lambdaUser},       {kLambdaUnknown, &Contaminant::lambdaUnknown},
      {kLambdaAerobic, &Contaminant::lambdaAerobic}, {kLambdaNitrate, &Contaminant::lambdaNitrate},
      {kLambdaSulfate, &Contaminant::lambdaSulfate}, {kLambdaIron, &Contaminant::lambdaIron},
      {kLambdaMethane, &Contaminant::lambdaMethane}, {kLambdaMixedPlumes, &Contaminant::lambdaMixedPlumes},
  };
  for (const auto& b : lambdaBits) {
    Contaminant c{}, expected{};
    virelo_SetLambda(&c, b.bit, 0.25);
    expected.*b.field = 0.25;
    expected.lambdaMask = static_cast<uint16_t>(b.bit);
    EXPECT_EQ(std::memcmp(&c, &expected, sizeof c), 0) << b.bit;
    c.lambdaSelected = static_cast<int16_t>(b.bit);
    double value = 0.0;
    EXPECT_EQ(virelo_GetLambda(&c, &value), 1) << b.bit;
    EXPECT_EQ(value, 0.25) << b.bit;
    virelo_ClearLambda(&c, b.bit);
    EXPECT_EQ(c.*b.field, 0.0) << b.bit;
    EXPECT_EQ(c.lambdaMask, 0) << b.bit;
  }
  for (int bit = 256; bit <= 0x8000; bit <<= 1) {
    Contaminant c{};
    virelo_SetLambda(&c, bit, 0.25);
    EXPECT_EQ(c.lambdaMask, 0) << bit;
  }

  const struct {
    int bit;
    Codes missing;  // contaminant check without this bit
  } valueBits[] = {
      {kValueLiteraturePlumeLength, {}},
      {kValueLiteratureEntries, {}},
      {kValueC0, {10}},
      {kValueCa, {20}},
  };
  for (const auto& b : valueBits) {
    Contaminant c{};
    virelo_SetContaminantValue(&c, b.bit, 3.0);
    EXPECT_EQ(c.valueMask, b.bit) << b.bit;
    const double values[] = {c.literaturePlumeLength, double(c.literatureEntries), c.c0, c.ca};
    EXPECT_EQ(values[0] + values[1] + values[2] + values[3], 3.0) << b.bit;  // one field only
    virelo_ClearContaminantValue(&c, b.bit);
    const Contaminant cleared{};
    EXPECT_EQ(std::memcmp(&c, &cleared, sizeof c), 0) << b.bit;
    c = CompleteContaminant();
    c.valueMask = static_cast<uint16_t>(c.valueMask & ~b.bit);
    EXPECT_EQ(Check(virelo_CheckContaminant, c), b.missing) << b.bit;
  }
}

// The entry count of a contaminant is held in 16 bits, without wrapping.
TEST(Limits, SixteenBitEntryCount) {
  const struct {
    double given;
    int stored;
  } cases[] = {{32767, 32767}, {32768, 32767}, {-32768, -32768}, {-32769, -32768}};
  for (const auto& c : cases) {
    Contaminant contaminant{};
    virelo_SetContaminantValue(&contaminant, kValueLiteratureEntries, c.given);
    EXPECT_EQ(contaminant.literatureEntries, c.stored) << c.given;
  }
}

// The result list, like every list, counts in 16 bits: the 32767th result
// fits, a 32768th is refused.
TEST(Limits, ResultCountOf32767) {
  Project* p = virelo_AllocateProject();
  p->contaminants = virelo_AllocateContaminants(1);
  p->contaminantCount = 1;
  p->contaminants[0] = CompleteContaminant();
  p->contaminants[0].assess = kAssessPlumeLength;
  p->aquifer = WorkedExampleAquifer();
  p->results = static_cast<ContaminantResult*>(std::calloc(32766, sizeof(ContaminantResult)));
  ASSERT_NE(p->results, nullptr);
  p->resultCount = 32766;
  RemoveReportCallbacks();
  testing::internal::CaptureStdout();
  const int first = virelo_math_CalcAll(p);
  const int second = virelo_math_CalcAll(p);
  const std::string reported = testing::internal::GetCapturedStdout();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
  EXPECT_EQ(p->resultCount, 32767);
  EXPECT_NE(reported.find("Error allocating results!"), std::string::npos) << reported;
  virelo_FreeProject(p);
}

// A path is held in 4096 bytes with its terminator: 4095 bytes are kept
// whole, a longer path is refused rather than cut into another file's name.
// The names differ from their first byte after the "/" and each ends in a
// byte of its own, so that a path cut one byte short, or a 4096-byte path cut
// to 4095, can never pass for the name kept.
TEST(Limits, PathsOf4096Bytes) {
  RemoveReportCallbacks();
  Project* p = virelo_AllocateProject();
  const std::string fits = "/" + std::string(kPathCapacity - 3, 'p') + "z";
  const std::string tooLong = "/" + std::string(kPathCapacity - 2, 'q') + "y";
  ASSERT_EQ(fits.size(), 4095u);
  ASSERT_EQ(tooLong.size(), 4096u);
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_SaveProject(p, fits.c_str()), 0);  // no such folder; the name is taken
  const std::string keptName = p->path;
  EXPECT_EQ(virelo_SaveProject(p, tooLong.c_str()), 0);
  const std::string afterRefusal = p->path;
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(keptName, fits);
  EXPECT_EQ(afterRefusal, fits);  // the longer name never replaced it, whole or cut
  virelo_FreeProject(p);

  // The program folder: "/" is added to the override, so 4094 characters fit.
  char folder[kPathCapacity];
  virelo_SetModulePathOverride((std::string(kPathCapacity - 3, 'm') + "n").c_str());
  virelo_GetModulePath(folder);
  EXPECT_EQ(std::string(folder), std::string(kPathCapacity - 3, 'm') + "n/");
  virelo_SetModulePathOverride((std::string(kPathCapacity - 2, 'm') + "n").c_str());
  virelo_GetModulePath(folder);
  EXPECT_STREQ(folder, "");
  virelo_SetModulePathOverride(nullptr);

  // Splitting a path reads at most 4095 bytes of it: the name of the longest
  // path whole, that of a longer one no further than its 4095th byte.
  char name[kPathCapacity];
  SplitPath(fits.c_str(), nullptr, name, nullptr);
  EXPECT_EQ(std::string(name), fits.substr(1));
  SplitPath(tooLong.c_str(), nullptr, name, nullptr);
  EXPECT_EQ(std::string(name), tooLong.substr(1, 4094));
}

}  // namespace
