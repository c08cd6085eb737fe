#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/validation.h"

namespace {

using Codes = std::vector<int>;

template <typename Record>
Codes Check(int (*check)(const Record*, ProblemCode**), const Record& record) {
  ProblemCode* codes = nullptr;
  const int count = check(&record, &codes);
  EXPECT_EQ(check(&record, nullptr), count);
  Codes out;
  if (codes) out.assign(codes, codes + count);
  EXPECT_NE(codes, nullptr);  // zero length still gets an array
  std::free(codes);
  return out;
}

Aquifer CompleteAquifer() {
  Aquifer a{};
  virelo_SetAquiferValue(&a, kAquiferX, 100.0);
  virelo_SetAquiferValue(&a, kAquiferKf, 1.0);
  virelo_SetAquiferValue(&a, kAquiferI, 0.01);
  virelo_SetAquiferValue(&a, kAquiferNe, 0.25);
  virelo_SetAquiferValue(&a, kAquiferAx, 10.0);
  virelo_SetAquiferValue(&a, kAquiferAy, 1.0);
  virelo_SetAquiferValue(&a, kAquiferAz, 0.1);
  virelo_SetAquiferValue(&a, kAquiferSz, 5.0);
  virelo_SetAquiferValue(&a, kAquiferSy, 10.0);
  return a;
}

Contaminant CompleteContaminant() {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaAerobic, 0.01);
  c.lambdaSelected = kLambdaAerobic;
  return c;
}

TEST(Checks, ContaminantCodes) {
  EXPECT_EQ(Check(virelo_CheckContaminant, Contaminant{}), (Codes{10, 20, 30}));
  Contaminant c = CompleteContaminant();
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{});
  c.ca = c.c0;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{});
  c.ca = 100.0001;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{20});
  c = CompleteContaminant();
  c.c0 = 5e-11;
  c.ca = 1e-11;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), (Codes{10, 20}));
  c = CompleteContaminant();
  c.valueMask &= ~kValueCa;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{20});

  // Decay constant: the selection and the stored value count, not the bit of the selection.
  c = CompleteContaminant();
  c.lambdaSelected = kLambdaUser;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{30});
  c.lambdaUser = 0.2;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{});
  c.lambdaSelected = 0;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{30});
  c.lambdaSelected = kLambdaUser;
  c.lambdaMask = 0;
  EXPECT_EQ(Check(virelo_CheckContaminant, c), Codes{30});
}

TEST(Checks, AquiferCodes) {
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, Aquifer{}), (Codes{510, 520, 530, 540}));
  EXPECT_EQ(Check(virelo_CheckAquiferAF, Aquifer{}), (Codes{510, 520, 530, 540, 560, 570, 580}));
  Aquifer a = CompleteAquifer();
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), Codes{});
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{});

  a.porosityNe = 1.0;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{});
  a.porosityNe = 1.0000001;
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), Codes{541});
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{541});
  a.porosityNe = 0.0;
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), Codes{541});

  a = CompleteAquifer();
  a.gradientI = 0.0;
  a.conductivityKf = -1.0;
  a.distanceX = 1e-11;
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), (Codes{510, 521, 531}));
  a.setMask &= ~(kAquiferI | kAquiferKf | kAquiferX);
  a.distanceX = 100.0;
  EXPECT_EQ(Check(virelo_CheckAquiferPlumeLength, a), (Codes{510, 520, 530}));

  a = CompleteAquifer();
  a.dispersivityAx = -5.0;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{});
  a.setMask &= ~kAquiferAy;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{560});
  a = CompleteAquifer();
  a.dispersivityAx = 0.0;  // bit set, value too small
  a.setMask &= ~kAquiferSz;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), (Codes{570, 580}));
  a = CompleteAquifer();
  a.dispersivityAy = 0.0;  // ay, az, Sz and Sy are only required to be set
  a.sourceWidthSz = -1.0;
  EXPECT_EQ(Check(virelo_CheckAquiferAF, a), Codes{});
}

TEST(Checks, ProblemTexts) {
  char text[256];
  ASSERT_EQ(virelo_GetProblemText(10, text), 1);
  EXPECT_STREQ(text, "You didn't set a C0 (concentration at source) > 0.0  for the contaminant!");
  ASSERT_EQ(virelo_GetProblemText(541, text), 1);
  EXPECT_STREQ(text, "Range of ne (effective porosity) is:  0.0 < ne <= 1.0 !");
  ASSERT_EQ(virelo_GetProblemText(580, text), 1);
  EXPECT_STREQ(text, "You have to set Sz and Sy (width and thickness of plume) for the aquifer!");
  std::strcpy(text, "unchanged");
  for (ProblemCode code : {0, -1, 999, 550}) {
    EXPECT_EQ(virelo_GetProblemText(code, text), 0) << code;
    EXPECT_STREQ(text, "unchanged");
  }
  EXPECT_EQ(virelo_GetProblemText(10, nullptr), 0);
}

struct ParseCase {
  const char* text;
  int ok;
  double value;
  const char* after;
};

TEST(ParseNumber, Rules) {
  const ParseCase cases[] = {
      {"  3,5  ", 1, 3.5, "3.5"}, {"2.5E-3", 1, 0.0025, "2.5E-3"},
      {"1e2", 1, 100.0, "1e2"},   {"-0,25", 1, -0.25, "-0.25"},
      {"1-2", 1, 1.0, "1-2"},     {"-", 1, 0.0, "-"},
      {"1e", 1, 1.0, "1e"},       {"1,000.5", 1, 1.0, "1.000.5"},
      {".5", 1, 0.5, ".5"},       {"+3", 0, 0.0, "+3"},
      {"", 0, 0.0, ""},           {"   ", 0, 0.0, ""},
      {"1,5 x", 0, 0.0, "1.5 x"}, {"1 5", 0, 0.0, "1 5"},
      {"inf", 0, 0.0, "inf"},     {"\xB5", 0, 0.0, "\xB5"},
  };
  for (const ParseCase& c : cases) {
    char buffer[64];
    std::strcpy(buffer, c.text);
    double value = 42.0;
    EXPECT_EQ(virelo_ParseNumber(buffer, &value), c.ok) << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    EXPECT_STREQ(buffer, c.after) << c.text;
  }
  char huge[] = "1e999";
  double value = 0.0;
  EXPECT_EQ(virelo_ParseNumber(huge, &value), 1);
  EXPECT_TRUE(std::isinf(value));
}

TEST(ParseNumber, IgnoresDesktopLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
    if (std::setlocale(LC_ALL, name)) {
      switched = true;
      break;
    }
  }
  char text[] = "2,75";
  double value = 0.0;
  EXPECT_EQ(virelo_ParseNumber(text, &value), 1);
  EXPECT_EQ(value, 2.75);
  std::setlocale(LC_ALL, previous.c_str());
  if (!switched) GTEST_SKIP() << "no comma-decimal locale installed";
}

}  // namespace
