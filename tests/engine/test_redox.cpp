// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <string>

#include "engine/records.h"
#include "engine/redox.h"

namespace {

// Indicators in mg/L; a negative value is a missing one.
RedoxIndicators Make(double o2, double no3n, double fe, double so4, double h2s = -1, double mn = -1) {
  auto at = [](double v) { return v < 0 ? Indicator{} : Indicator{true, v, false}; };
  return {at(o2), at(no3n), at(mn), at(fe), at(so4), at(h2s)};
}

const char* Text(const RedoxIndicators& in) {
  return kRedoxConditions[ClassifyRedox(in, nullptr)].text;
}

TEST(Redox, FrameworkStepsMapToTheSevenConditions) {
  EXPECT_STREQ(Text(Make(4.0, 3.0, 0.02, 40)), "AEROBIC");
  EXPECT_STREQ(Text(Make(0.5, 0, 0.0, 0)), "AEROBIC");                         // the threshold itself is oxic
  EXPECT_STREQ(Text(Make(4.0, 3.0, 0.5, 40)), "UNKOWN / VARIABLE");            // oxic water with iron: mixed
  EXPECT_STREQ(Text(Make(4.0, 3.0, 0.02, 40, -1, 0.2)), "UNKOWN / VARIABLE");  // ... or manganese
  EXPECT_STREQ(Text(Make(0.2, 2.0, 0.05, 40)), "ANAEROBIC-NO3");
  EXPECT_STREQ(Text(Make(0.2, 2.0, 1.0, 40)), "ANAEROBIC-MIXED-PLUMES");
  EXPECT_STREQ(Text(Make(0.2, 0.1, 0.05, 40)), "UNKOWN / VARIABLE");           // suboxic
  EXPECT_STREQ(Text(Make(0.2, 0.1, 0.05, 40, -1, 0.3)), "UNKOWN / VARIABLE");  // manganese-reducing
  EXPECT_STREQ(Text(Make(0.2, 0.1, 3.0, 0.2)), "ANAEROBIC-CH4");
  EXPECT_STREQ(Text(Make(0.2, 0.1, 3.0, 20, 0.3)), "ANAEROBIC-FE");            // Fe/H2S = 10
  EXPECT_STREQ(Text(Make(0.2, 0.1, 0.3, 20, 1.0)), "ANAEROBIC-SO4");           // 0.3
  EXPECT_STREQ(Text(Make(0.2, 0.1, 1.0, 20, 1.0)), "ANAEROBIC-MIXED-PLUMES");  // 1
}

TEST(Redox, MissingOrUndecidingIndicatorsLeaveTheStepUnknown) {
  EXPECT_STREQ(Text(Make(-1, 3.0, 0.02, 40)), "UNKOWN / VARIABLE");
  EXPECT_STREQ(Text(Make(0.2, -1, 0.02, 40)), "UNKOWN / VARIABLE");
  EXPECT_STREQ(Text(Make(0.2, 0.1, -1, 40)), "UNKOWN / VARIABLE");
  EXPECT_STREQ(Text(Make(0.2, 0.1, 3.0, -1)), "UNKOWN / VARIABLE");
  EXPECT_STREQ(Text(Make(0.2, 0.1, 3.0, 20)), "UNKOWN / VARIABLE");  // sulfide needed
  // An oxygen non-detect below 0.5 is anoxic; one with a limit of 1 tells nothing.
  RedoxIndicators in = Make(0.1, 2.0, 0.05, 40);
  in.oxygen.nonDetect = true;
  EXPECT_STREQ(Text(in), "ANAEROBIC-NO3");
  in.oxygen.value = 1.0;
  EXPECT_STREQ(Text(in), "UNKOWN / VARIABLE");
  // Sulfide not detected at 0.01 with 3 mg/L iron: ratio at least 300.
  in = Make(0.2, 0.1, 3.0, 20, 0.01);
  in.sulfide.nonDetect = true;
  EXPECT_STREQ(Text(in), "ANAEROBIC-FE");
}

TEST(Redox, SiteReadingsConvertUnitsAndSuggestForThePlume) {
  SiteData site;
  site.wells = {{"MW1", 0, 0, true}, {"MW2", 40, 0, true}, {"BG", -50, 0, false}};
  auto add = [&](const char* well, const char* date, const char* analyte, double value, const char* unit) {
    site.samples.push_back({well, date, analyte, value, unit, false});
  };
  // MW1: nitrate given as 2.0 mg/L NO3 is only 0.45 mg/L N, so no nitrate reduction; methanogenic.
  for (auto [a, v, u] : {std::tuple{"Oxygen", 150.0, "ug/L"},
                         {"Nitrate", 2.0, "mg/L"},
                         {"Iron(II)", 2.0, "mg/L"},
                         {"Sulfate", 0.3, "mg/L"},
                         {"ORP", -120.0, "mV"}})
    add("MW1", "2024-05-12", a, v, u);
  // MW2: aerobic on the old date, sulfate-reducing on the latest.
  for (auto [a, v] : {std::pair{"Oxygen", 5.0}, {"Nitrate-N", 3.0}, {"Iron(II)", 0.01}})
    add("MW2", "2023-05-01", a, v, "mg/L");
  for (auto [a, v] :
       {std::pair{"Oxygen", 0.1}, {"Nitrate-N", 0.1}, {"Iron(II)", 0.2}, {"Sulfate", 30.0}, {"Sulfide", 2.0}})
    add("MW2", "2024-05-12", a, v, "mg/L");
  // Background water outside the fit: aerobic, ignored for the plume.
  for (auto [a, v] : {std::pair{"Oxygen", 8.0}, {"Nitrate-N", 3.0}, {"Iron(II)", 0.01}})
    add("BG", "2024-05-12", a, v, "mg/L");

  const std::vector<RedoxReading> readings = ReadRedox(site);
  ASSERT_EQ(readings.size(), 4u);
  EXPECT_EQ(readings[0].well, "MW1");
  EXPECT_EQ(readings[0].condition, kRedoxMethane);
  EXPECT_EQ(readings[1].date, "2023-05-01");
  EXPECT_EQ(readings[1].condition, kRedoxAerobic);
  EXPECT_EQ(readings[2].condition, kRedoxSulfateIndex);
  EXPECT_EQ(readings[3].well, "BG");
  std::string why;
  EXPECT_EQ(SuggestRedox(site, readings, &why), kRedoxMixedPlumes);
  // One anaerobic class among aerobic wells decides for it.
  site.samples.erase(site.samples.begin(), site.samples.begin() + 5);
  EXPECT_EQ(SuggestRedox(site, ReadRedox(site), &why), kRedoxSulfateIndex);
  site.samples.clear();
  EXPECT_EQ(SuggestRedox(site, ReadRedox(site), &why), kRedoxUnknown);
}

}  // namespace
