// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/project/records.h"
#include "engine/site/redox.h"
#include "engine/site/solventscore.h"

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
  EXPECT_STREQ(Text(Make(0.2, 0.1, 3.1, 20, 0.3)), "ANAEROBIC-FE");            // Fe/H2S above 10
  EXPECT_STREQ(Text(Make(0.2, 0.1, 3.0, 20, 0.3)), "ANAEROBIC-MIXED-PLUMES");  // 10 itself is mixed
  EXPECT_STREQ(Text(Make(0.2, 0.1, 0.29, 20, 1.0)), "ANAEROBIC-SO4");          // below 0.3
  EXPECT_STREQ(Text(Make(0.2, 0.1, 0.3, 20, 1.0)), "ANAEROBIC-MIXED-PLUMES");  // 0.3 itself too
  EXPECT_STREQ(Text(Make(0.2, 0.1, 1.0, 20, 1.0)), "ANAEROBIC-MIXED-PLUMES");  // 1
}

TEST(Redox, MissingOrUndecidingIndicatorsLeaveTheStepUnknown) {
  EXPECT_STREQ(Text(Make(-1, 3.0, 0.02, 40)), "UNKOWN / VARIABLE");
  EXPECT_STREQ(Text(Make(0.2, -1, 0.02, 40)), "UNKOWN / VARIABLE");
  EXPECT_STREQ(Text(Make(0.2, 0.1, -1, 40)), "UNKOWN / VARIABLE");
  EXPECT_STREQ(Text(Make(0.2, 0.1, 3.0, -1)), "UNKOWN / VARIABLE");
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
  // ... at 1 mg/L only at least 3: iron and/or sulfate reduction, as without sulfide.
  in.sulfide.value = 1.0;
  EXPECT_STREQ(Text(in), "ANAEROBIC-MIXED-PLUMES");
  // A limit of 0.3 puts the ratio above 10 (the sulfide lies below its
  // limit); one of 0.31 leaves it open, below 10 possible.
  in.sulfide.value = 0.3;
  EXPECT_STREQ(Text(in), "ANAEROBIC-FE");
  in.sulfide.value = 0.31;
  EXPECT_STREQ(Text(in), "ANAEROBIC-MIXED-PLUMES");
  // Near 0.3 a non-detect bounds the ratio from below only: never
  // sulfate-reducing, whichever side of 0.3 iron over the limit falls.
  in.iron.value = 0.29;
  in.sulfide.value = 1.0;
  EXPECT_STREQ(Text(in), "ANAEROBIC-MIXED-PLUMES");
  in.iron.value = 0.31;
  EXPECT_STREQ(Text(in), "ANAEROBIC-MIXED-PLUMES");
}

// Methane of exactly 0.5 mg/L is no methane in the redox class as in the
// solvent score; above it is both. Methane beside a sulfate not measured
// says nothing of a sulfate used up.
TEST(Redox, MethaneReadsTheSameInTheClassAndTheScore) {
  RedoxIndicators in = Make(0.2, 0.1, 0.05, 0.3);
  in.methane = {true, 0.5, false};
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxUnknown);
  const auto methanePoints = [](const RedoxIndicators& sample) {
    for (const SolventPoints& row : ScoreSolvent(sample).used)
      if (row.parameter == "CH4") return row.points;
    return -99;
  };
  EXPECT_EQ(methanePoints(in), 0);
  in.methane.value = 0.51;
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxMethane);
  EXPECT_EQ(methanePoints(in), 3);
  // Not detected at 0.5: below the level in both.
  in.methane = {true, 0.5, true};
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxUnknown);
  EXPECT_EQ(methanePoints(in), 0);

  in = Make(0.2, 0.1, 0.05, -1);
  in.methane = {true, 2.0, false};
  const RedoxClass c = ClassifyRedoxWithBasis(in);
  EXPECT_EQ(c.condition, kRedoxUnknown);
  EXPECT_NE(c.missing.find("SO4"), std::string::npos) << c.missing;
}

TEST(Redox, WithoutSulfideTheUsualIndicatorsStillDecide) {
  // Iron and sulfate above their thresholds: the framework's iron and/or
  // sulfate reduction, our mixed condition.
  RedoxClass c = ClassifyRedoxWithBasis(Make(0.2, 0.1, 3.0, 20));
  EXPECT_EQ(c.condition, kRedoxMixedPlumes);
  EXPECT_EQ(c.basis, "Fe(II);SO4");
  EXPECT_EQ(c.missing, "Mn;H2S;CH4");
  EXPECT_NE(c.rule.find("sulfide not measured"), std::string::npos) << c.rule;

  // Methane where sulfate is used up: methanogenic, even with the iron
  // missing or below its threshold ...
  RedoxIndicators in = Make(0.2, 0.1, -1, 0.3);
  in.methane = {true, 2.0, false};
  c = ClassifyRedoxWithBasis(in);
  EXPECT_EQ(c.condition, kRedoxMethane);
  EXPECT_EQ(c.basis, "SO4;CH4");
  EXPECT_EQ(c.missing, "Mn;Fe(II);H2S");
  in.iron = {true, 0.05, false};
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxMethane);
  // ... but not with sulfate left, nor with methane at or below 0.5 mg/L
  // (a non-detect says nothing above its limit).
  in.sulfate.value = 20;
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxUnknown);
  in.sulfate.value = 0.3;
  in.methane = {true, 0.4, false};
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxUnknown);
  in.methane = {true, 0.6, true};
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxUnknown);
  // Nor in oxic or nitrate-reducing water.
  in = Make(0.2, 2.0, 0.05, 0.3);
  in.methane = {true, 2.0, false};
  EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxNitrate);
  // With iron, methane joins the basis of the framework's own methanogenic step.
  in = Make(0.2, 0.1, 3.0, 0.3);
  in.methane = {true, 2.0, false};
  EXPECT_EQ(ClassifyRedoxWithBasis(in).basis, "Fe(II);SO4;CH4");
}

TEST(Redox, RatioThresholdsFollowTheDecimalForms) {
  // Every two-decimal sulfide with ten times its iron is a ratio of 10,
  // mixed, though 4.7 / 0.47 evaluates to 10.000000000000002 (and 31 more
  // of these land a hair above 10 in binary). A hair above in decimals is
  // iron-reducing.
  char sulfide[16], iron[16];
  for (int k = 1; k <= 299; ++k) {
    std::snprintf(sulfide, sizeof sulfide, "%d.%02d", k / 100, k % 100);
    std::snprintf(iron, sizeof iron, "%d.%d", k / 10, k % 10);
    const RedoxIndicators in = Make(0.2, 0.1, std::strtod(iron, nullptr), 20, std::strtod(sulfide, nullptr));
    EXPECT_EQ(ClassifyRedox(in, nullptr), kRedoxMixedPlumes) << iron << " / " << sulfide;
  }
  EXPECT_EQ(ClassifyRedox(Make(0.2, 0.1, 4.701, 20, 0.47), nullptr), kRedoxIronIndex);
  // 0.408 / 1.36 evaluates to 0.29999999999999993; it is 0.3, mixed. A hair
  // below in decimals is sulfate-reducing.
  EXPECT_EQ(ClassifyRedox(Make(0.2, 0.1, 0.408, 20, 1.36), nullptr), kRedoxMixedPlumes);
  EXPECT_EQ(ClassifyRedox(Make(0.2, 0.1, 0.204, 20, 0.68), nullptr), kRedoxMixedPlumes);
  EXPECT_EQ(ClassifyRedox(Make(0.2, 0.1, 0.4079, 20, 1.36), nullptr), kRedoxSulfateIndex);
  EXPECT_EQ(ClassifyRedox(Make(0.2, 0.1, 0.699, 20, 0.07), nullptr), kRedoxMixedPlumes);
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
