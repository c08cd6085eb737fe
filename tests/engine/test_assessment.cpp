// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <locale.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "engine/project/assessment.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Assessment, ClassesAtTheBounds) {
  const AssessmentRange range = kAssessmentRanges[0].range;
  EXPECT_EQ(ClassifyPlumeLength(0.3, range), AssessmentClass::Green);
  EXPECT_EQ(ClassifyPlumeLength(0.3000001, range), AssessmentClass::Yellow);
  EXPECT_EQ(ClassifyPlumeLength(2.0, range), AssessmentClass::Yellow);
  EXPECT_EQ(ClassifyPlumeLength(2.0000001, range), AssessmentClass::Red);
  EXPECT_EQ(ClassifyPlumeLength(kInf, range), AssessmentClass::Red);
  EXPECT_EQ(ClassifyPlumeLength(std::nan(""), range), AssessmentClass::Red);

  EXPECT_EQ(ClassifyAttenuationFactor(0.3, range), AssessmentClass::Green);
  EXPECT_EQ(ClassifyAttenuationFactor(2.0, range), AssessmentClass::Yellow);
  EXPECT_EQ(ClassifyAttenuationFactor(2.0000001, range), AssessmentClass::Red);
  EXPECT_EQ(ClassifyAttenuationFactor(kInf, range), AssessmentClass::Green);
  EXPECT_EQ(ClassifyAttenuationFactor(std::nan(""), range), AssessmentClass::Red);

  ContaminantResult r{};
  EXPECT_FALSE(HasPlumeLengthProblems(r));
  r.plContaminantProblemCount = 1;  // the count decides, even without an array
  EXPECT_TRUE(HasPlumeLengthProblems(r));
  EXPECT_FALSE(HasAttenuationFactorProblems(r));
  r.afAquiferProblemCount = 2;
  EXPECT_TRUE(HasAttenuationFactorProblems(r));
}

// Every caller that turns a saved index into bounds goes through this one
// lookup: each entry must give its own bounds, and an index a damaged file
// could carry must fall back to the default entry rather than read past the
// table.
TEST(Assessment, RangeOfAnIndex) {
  const double bounds[kAssessmentRangeCount][2] = {{0.3, 2.0}, {0.5, 2.0}, {0.1, 10.0}, {0.2, 5.0}};
  for (int k = 0; k < kAssessmentRangeCount; ++k) {
    EXPECT_EQ(AssessmentRangeOf(k).lower, bounds[k][0]) << k;
    EXPECT_EQ(AssessmentRangeOf(k).upper, bounds[k][1]) << k;
  }
  for (int bad : {-1, kAssessmentRangeCount, kAssessmentRangeCount + 1, std::numeric_limits<int>::min(),
                  std::numeric_limits<int>::max()}) {
    EXPECT_EQ(AssessmentRangeOf(bad).lower, 0.3) << bad;
    EXPECT_EQ(AssessmentRangeOf(bad).upper, 2.0) << bad;
  }
}

TEST(Assessment, ValueFormats) {
  EXPECT_EQ(FormatResultValue(kInf, "%.7f", "%.4E"), "infinite!");
  EXPECT_EQ(FormatResultValue(std::nan(""), "%.7f", "%.4E"), "infinite!");
  EXPECT_EQ(FormatResultValue(0.0, "%.7f", "%.4E"), "0.0000E+00");
  EXPECT_EQ(FormatResultValue(123.456, "%.2f", "%.2E"), "123.46");
  EXPECT_EQ(FormatResultValue(12345678.0, "%.2f", "%.2E"), "1.23E+07");
  EXPECT_EQ(FormatResultValue(0.5, "%.7f", "%.4E"), "0.5000000");
  EXPECT_EQ(FormatResultValue(1e-7, "%.7f", "%.4E"), "1.0000E-07");
  EXPECT_EQ(FormatResultValue(-3e-7, "%.7f", "%.4E"), "-0.0000003");
  EXPECT_EQ(FormatResultValue(1.0, "%0120.1f", "%.2E").size(), 99u);
}

// A desktop whose locale writes a decimal comma still sees points in the
// results. Runs only where such a locale is installed.
TEST(Assessment, ValueFormatsIgnoreTheDesktopLocale) {
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"};
  std::string before = std::setlocale(LC_NUMERIC, nullptr);
  const char* chosen = nullptr;
  for (const char* name : names) {
    if (std::setlocale(LC_NUMERIC, name)) {
      chosen = name;
      break;
    }
  }
  if (!chosen) GTEST_SKIP() << "no locale with a decimal comma installed";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  const std::string fixed = FormatResultValue(123.456, "%.2f", "%.2E");
  const std::string exponent = FormatResultValue(12345678.0, "%.2f", "%.2E");
  std::setlocale(LC_NUMERIC, before.c_str());
  ASSERT_STREQ(probe, "1,5") << chosen;
  EXPECT_EQ(fixed, "123.46");
  EXPECT_EQ(exponent, "1.23E+07");
}

}  // namespace
