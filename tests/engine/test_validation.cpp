// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/core/validation.h"
#include "tests/engine/support/worked_example.h"

namespace {

using Codes = std::vector<int>;

// Runs a check with and without the output array; both must agree.
template <typename Record>
Codes Check(int (*check)(const Record*, ProblemCode**), const Record& record) {
  ProblemCode* codes = nullptr;
  const int count = check(&record, &codes);
  EXPECT_EQ(check(&record, nullptr), count);
  EXPECT_NE(codes, nullptr);  // zero length still gets an array
  Codes out(codes, codes + count);
  std::free(codes);
  return out;
}

Contaminant CompleteContaminant() {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaAerobic, 0.01);
  c.lambdaSelected = kLambdaAerobic;
  return c;
}

TEST(Checks, Contaminant) {
  EXPECT_EQ(Check(virelo_CheckContaminant, Contaminant{}), (Codes{10, 20, 30}));
  Contaminant c = CompleteContaminant();
  c.ca = c.c0;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{});
  c.ca = 100.0001;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{20});
  c.c0 = c.ca = 5e-11;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), (Codes{10, 20}));

  c = CompleteContaminant();
  c.lambdaSelected = kLambdaUser;  // selected, never set: value 0
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{30});
  c.lambdaUser = 0.2;  // its bit still missing, but the mask is not empty
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{});
  c.lambdaMask = 0;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{30});
}

TEST(Checks, Aquifer) {
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, Aquifer{}), (Codes{510, 520, 530, 540}));
  EXPECT_EQ(Check(virelo_CheckAquiferAF, Aquifer{}), (Codes{510, 520, 530, 540, 560, 570, 580}));
  Aquifer a = WorkedExampleAquifer();
  a.porosityNe = 1.0;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{});
  a.porosityNe = 1.0000001;
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), Codes{541});
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{541});
  a.porosityNe = 0.0;
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), Codes{541});

  a = WorkedExampleAquifer();
  a.gradientI = 0.0;
  a.conductivityKf = -1.0;
  a.distanceX = 1e-11;
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), (Codes{510, 521, 531}));
  a.setMask &= ~(kAquiferI | kAquiferKf);
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), (Codes{510, 520, 530}));

  a = WorkedExampleAquifer();
  a.dispersivityAy = 0.0;  // ay and az need only be set and not negative
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{});
  // A negative ax passes 570 (the test is on the magnitude) but not 590; so
  // does each of the others, alone.
  a.dispersivityAx = -5.0;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{590});
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), Codes{});
  for (double Aquifer::*field : {&Aquifer::dispersivityAy, &Aquifer::dispersivityAz,
                                 &Aquifer::sourceThicknessSy, &Aquifer::sourceWidthSz}) {
    Aquifer b = WorkedExampleAquifer();
    b.*field = -1e-12;
    EXPECT_EQ(Check(virelo_CheckAquiferAF, b), Codes{590});
  }
  a.setMask &= ~kAquiferAy;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), (Codes{560, 590}));
  a = WorkedExampleAquifer();
  a.dispersivityAx = 0.0;
  a.setMask &= ~kAquiferSz;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), (Codes{570, 580}));
}

TEST(Checks, ProblemTexts) {
  char text[256];
  ASSERT_EQ(virelo_GetProblemText(10, text), 1);
  EXPECT_STREQ(text, "You didn't set a C0 (concentration at source) > 0.0  for the contaminant!");
  ASSERT_EQ(virelo_GetProblemText(541, text), 1);
  EXPECT_STREQ(text, "Range of ne (effective porosity) is:  0.0 < ne <= 1.0 !");
  std::strcpy(text, "unchanged");
  for (ProblemCode code : {0, -1, 999, 550}) EXPECT_EQ(virelo_GetProblemText(code, text), 0) << code;
  EXPECT_STREQ(text, "unchanged");
  EXPECT_EQ(virelo_GetProblemText(10, nullptr), 0);
}

// Every code a check raises reaches the user as a sentence: an empty record
// raises the "not set" codes of every field, a record of impossible values
// the range codes.
TEST(Checks, EveryRaisedCodeHasItsText) {
  Codes raised;
  const Aquifer unset{};
  Aquifer impossible{};
  for (int bit : {kAquiferX, kAquiferKf, kAquiferI, kAquiferNe, kAquiferAx, kAquiferAy, kAquiferAz,
                  kAquiferSz, kAquiferSy})
    virelo_SetAquiferValue(&impossible, bit, -1.0);
  for (const Aquifer& a : {unset, impossible}) {
    for (int code : Check(virelo_CheckAquiferPlumeLength, a)) raised.push_back(code);
    for (int code : Check(virelo_CheckAquiferAF, a)) raised.push_back(code);
  }
  Contaminant negative{};
  virelo_SetContaminantValue(&negative, kValueC0, -1.0);
  virelo_SetContaminantValue(&negative, kValueCa, -1.0);
  for (const Contaminant& c : {Contaminant{}, negative})
    for (int code : Check(virelo_CheckContaminant, c)) raised.push_back(code);
  ASSERT_GE(raised.size(), 8u);
  for (int code : raised) {
    char text[256] = "";
    EXPECT_EQ(virelo_GetProblemText(code, text), 1) << code;
    EXPECT_GT(std::strlen(text), 10u) << code;
  }
}

TEST(ParseNumber, Rules) {
  struct {
    const char* text;
    int ok;
    double value;
    const char* after;
  } const cases[] = {
      {"  3,5  ", 1, 3.5, "3.5"},
      {"2.5E-3", 1, 0.0025, "2.5E-3"},
      {"-0,25", 1, -0.25, "-0.25"},
      {"1-2", 1, 1.0, "1-2"},
      {"-", 1, 0.0, "-"},
      {"1e", 1, 1.0, "1e"},
      {"1,000.5", 0, 0.0, "1.000.5"},  // two separators: no number, not 1.0
      {"1.234,5", 0, 0.0, "1.234.5"},
      {"1,2,3", 0, 0.0, "1.2.3"},
      {"1E400", 0, 0.0, "1E400"},  // beyond a double: refused, not infinite
      {"-1e999", 0, 0.0, "-1e999"},
      {"1e-400", 1, 0.0, "1e-400"},  // an underflow is an ordinary 0
      {"+3", 0, 0.0, "+3"},
      {"   ", 0, 0.0, ""},
      {"1,5 x", 0, 0.0, "1.5 x"},
      {"inf", 0, 0.0, "inf"},
      {"\xB5", 0, 0.0, "\xB5"},
  };
  for (const auto& c : cases) {
    char buffer[64];
    std::strcpy(buffer, c.text);
    double value = 42.0;
    EXPECT_EQ(virelo_ParseNumber(buffer, &value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_STREQ(buffer, c.after) << c.text;
  }
}

}  // namespace
