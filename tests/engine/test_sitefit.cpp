// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/site/sitefit.h"
#include "engine/site/sitestats.h"

namespace {

// Wells MW1..MWn on the centre line at the given distances.
SiteData Wells(const std::vector<double>& s) {
  SiteData site;
  for (size_t k = 0; k < s.size(); ++k) site.wells.push_back({"MW" + std::to_string(k + 1), s[k], 0.0, true});
  return site;
}

void Add(SiteData* site, const std::string& well, const std::string& date, double value,
         const std::string& unit = kUnitUgL, bool nonDetect = false, const std::string& analyte = "Benzene") {
  site->samples.push_back({well, date, analyte, value, unit, nonDetect});
}

// The textbook line: x = 0..80 m, C = 1000, 420, 200, 75, 40.
SiteData TextbookSite() {
  SiteData site = Wells({0, 20, 40, 60, 80});
  const double c[] = {1000, 420, 200, 75, 40};
  for (int k = 0; k < 5; ++k) Add(&site, "MW" + std::to_string(k + 1), "2024-05-12", c[k]);
  return site;
}

SiteFitOptions Flow() {
  SiteFitOptions o;
  o.velocity = 0.04;
  o.dispersivityAx = 10.0;
  o.sourceHalfWidth = 10.0;
  o.receptorDistance = 100.0;
  return o;
}

TEST(SiteStatistics, StudentQuantilesMatchHighPrecisionValues) {
  // mpmath: findroot(lambda t: betainc(d/2, 1/2, 0, d/(d+t**2), regularized=True) - (1-level), 2)
  struct Case {
    int dof;
    double level, t;
  } cases[] = {{1, 0.8, 3.0776835371752534026},   {1, 0.95, 12.706204736174704646},
               {2, 0.9, 2.919985580353725687},    {3, 0.9, 2.3533634348018238777},
               {5, 0.95, 2.5705818356363155147},  {30, 0.8, 1.3104150253913955782},
               {200, 0.9, 1.6525081009108775476}, {200, 0.95, 1.9718962236339093822}};
  for (const Case& c : cases)
    EXPECT_NEAR(StudentTwoSidedQuantile(c.dof, c.level), c.t, 1e-10 * c.t) << c.dof << " " << c.level;
  EXPECT_TRUE(std::isnan(StudentTwoSidedQuantile(0, 0.9)));
}

TEST(SiteDistanceFit, TextbookLineGivesPublishedSlopeIntervalAndBuscheckAlcantar) {
  const DistanceFit fit = FitDistance(TextbookSite(), "Benzene", Flow());
  ASSERT_TRUE(fit.hasLambda) << (fit.warnings.empty() ? "" : fit.warnings[0]);
  EXPECT_EQ(fit.date, "2024-05-12");
  EXPECT_EQ(fit.line.n, 5);
  EXPECT_NEAR(fit.line.slope, -0.04080259124, 1e-11);
  EXPECT_NEAR(fit.line.slopeSe, 0.0013619275, 1e-10);
  EXPECT_NEAR(fit.line.t, 2.3533634, 1e-7);
  EXPECT_NEAR(fit.line.slopeLow, -0.044007702, 1e-9);
  EXPECT_NEAR(fit.line.slopeHigh, -0.037597481, 1e-9);
  EXPECT_NEAR(fit.line.r2, 0.99666876999043989, 1e-12);  // mpmath, 30 digits
  EXPECT_NEAR(fit.bulkK, 0.04080259124 * 0.04, 1e-12);
  // The steeper end of the slope's interval is the faster decay.
  EXPECT_DOUBLE_EQ(fit.lambdaHigh, BuscheckAlcantarLambda(fit.line.slopeLow, 0.04, 10.0));
  EXPECT_DOUBLE_EQ(fit.lambdaLow, BuscheckAlcantarLambda(fit.line.slopeHigh, 0.04, 10.0));
  EXPECT_LT(fit.lambdaLow, fit.lambda);
  EXPECT_LT(fit.lambda, fit.lambdaHigh);
  EXPECT_DOUBLE_EQ(fit.halfLife, std::log(2.0) / fit.lambda);
  // The screening exponent of the worked example, inverted (mpmath: 0.0100000000000000010).
  EXPECT_NEAR(BuscheckAlcantarLambda(-0.11583123951777, 0.04, 10.0), 0.01, 1e-15);

  // A wider level widens the interval; values in mg/L are the same line.
  SiteFitOptions o = Flow();
  o.levelPercent = 95;
  SiteData mixed = TextbookSite();
  mixed.samples[1].value = 0.42;
  mixed.samples[1].unit = kUnitMgL;
  const DistanceFit wide = FitDistance(mixed, "Benzene", o);
  EXPECT_NEAR(wide.line.slope, fit.line.slope, 1e-12);
  EXPECT_LT(wide.line.slopeLow, fit.line.slopeLow);
  EXPECT_GT(wide.lambdaHigh, fit.lambdaHigh);
}

TEST(SiteDistanceFit, DefaultDateNeedsThreeDetectsAtFitWellsAndNonDetectsAreListed) {
  SiteData site = TextbookSite();
  site.wells.push_back({"OFF", 30, 0, false});
  // A later round with two detects, a non-detect and a well outside the fit.
  Add(&site, "MW1", "2024-11-02", 900);
  Add(&site, "MW2", "2024-11-02", 400);
  Add(&site, "MW3", "2024-11-02", 5, kUnitUgL, true);
  Add(&site, "OFF", "2024-11-02", 300);
  EXPECT_EQ(DefaultFitDate(site, "Benzene"), "2024-05-12");
  Add(&site, "MW4", "2024-11-02", 80);
  EXPECT_EQ(DefaultFitDate(site, "Benzene"), "2024-11-02");
  const DistanceFit fit = FitDistance(site, "Benzene", Flow());
  EXPECT_EQ(fit.points.size(), 3u);
  ASSERT_EQ(fit.nonDetects.size(), 1u);
  EXPECT_EQ(fit.nonDetects[0].well, "MW3");
  EXPECT_TRUE(DefaultFitDate(site, "Toluene").empty());
}

TEST(SiteDistanceFit, EachDoubtGivesAWordedWarningInsteadOfLambda) {
  struct Case {
    const char* what;
    void (*spoil)(SiteData*, SiteFitOptions*);
    const char* words;
  } cases[] = {
      {"two points", [](SiteData* s, SiteFitOptions*) { s->samples.resize(2); }, "Fewer than three"},
      {"rising",
       [](SiteData* s, SiteFitOptions*) {
         s->samples[4].value = 5000;
         s->samples[3].value = 3000;
       },
       "does not fall"},
      {"interval reaches 0",
       [](SiteData* s, SiteFitOptions*) {
         s->samples[2].value = 20;
         s->samples[4].value = 900;
       },
       "contains 0"},
      {"off the centre line", [](SiteData* s, SiteFitOptions*) { s->wells[2].y = -10.5; },
       "off the centre line"},
      {"beyond the receptor", [](SiteData*, SiteFitOptions* o) { o->receptorDistance = 70; },
       "beyond the receptor"},
      {"no ax", [](SiteData*, SiteFitOptions* o) { o->dispersivityAx = NAN; }, "dispersivity ax"},
      {"increasing at a fit well",
       [](SiteData* s, SiteFitOptions*) {
         const char* dates[] = {"2022-01-10", "2022-06-10", "2023-01-10", "2023-06-10"};
         for (int k = 0; k < 4; ++k) Add(s, "MW2", dates[k], 100 + 50 * k);
       },
       "Increasing"},
  };
  for (const Case& c : cases) {
    SiteData site = TextbookSite();
    SiteFitOptions options = Flow();
    c.spoil(&site, &options);
    options.date = "2024-05-12";
    const DistanceFit fit = FitDistance(site, "Benzene", options);
    EXPECT_FALSE(fit.hasLambda) << c.what;
    EXPECT_TRUE(std::isnan(fit.lambda)) << c.what;
    ASSERT_FALSE(fit.warnings.empty()) << c.what;
    EXPECT_NE(fit.warnings[0].find(c.words), std::string::npos) << c.what << ": " << fit.warnings[0];
  }
  // A well placed by the map lies off the line through the flow azimuth:
  // the warning says so after its usual words; a well given by s and y
  // keeps them alone.
  {
    SiteData site = TextbookSite();
    site.wells[2].y = -15.61;
    site.map.hasAzimuth = true;
    site.map.flowAzimuth = 244.0;
    SiteFitOptions options = Flow();
    options.date = "2024-05-12";
    const std::string plain = FitDistance(site, "Benzene", options).warnings.at(0);
    EXPECT_EQ(plain, "Well MW3 lies 15.61 m off the centre line, more than the source half-width Sy = 10 m.");
    site.map.hasSource = true;
    site.wells[2].mapped = true;
    const std::string hinted = FitDistance(site, "Benzene", options).warnings.at(0);
    EXPECT_EQ(hinted.rfind(plain.substr(0, plain.size() - 1), 0), 0u) << hinted;
    EXPECT_NE(hinted.find("; the flow azimuth (244\xb0) places the wells and may be the cause: check it on "
                          "Flow field."),
              std::string::npos)
        << hinted;
    // Without a direction the map places it nowhere yet: it waits out of the
    // fit, which says so rather than fit the wells left as if complete.
    site.map.hasAzimuth = false;
    const DistanceFit waiting = FitDistance(site, "Benzene", options);
    ASSERT_EQ(waiting.warnings.size(), 1u);
    EXPECT_EQ(waiting.warnings[0], UnplacedWellsText({"MW3"}));
    EXPECT_FALSE(waiting.hasLambda);
    EXPECT_TRUE(std::none_of(waiting.points.begin(), waiting.points.end(),
                             [](const SitePoint& p) { return p.well == "MW3"; }));
  }
  // A well outside the fit may lie anywhere.
  SiteData site = TextbookSite();
  site.wells.push_back({"FAR", 500, 80, false});
  Add(&site, "FAR", "2024-05-12", 3000);
  EXPECT_TRUE(FitDistance(site, "Benzene", Flow()).hasLambda);
}

TEST(SiteTimeFit, PointRateHalfLifeAndTimeToCa) {
  // C = 800 exp(-0.002 t) at MW1 every 100 days, a non-detect between.
  SiteData site = Wells({10});
  const char* dates[] = {"2020-01-01", "2020-04-10", "2020-07-19", "2020-10-27", "2021-02-04"};
  for (int k = 0; k < 5; ++k) Add(&site, "MW1", dates[k], 800 * std::exp(-0.002 * 100 * k));
  Add(&site, "MW1", "2020-03-01", 1, kUnitUgL, true);
  SiteFitOptions o;
  o.ca = 0.1;  // mg/L = 100 ug/L
  o.caUnit = kUnitMgL;
  const std::vector<TimeFit> fits = FitTimes(site, "Benzene", o);
  ASSERT_EQ(fits.size(), 1u);
  const TimeFit& f = fits[0];
  EXPECT_EQ(f.points.size(), 5u);
  EXPECT_EQ(f.nonDetects.size(), 1u);
  EXPECT_NEAR(f.kPoint, 0.002, 1e-12);
  EXPECT_NEAR(f.kPointLow, 0.002, 1e-9);  // a perfect line: no width
  EXPECT_NEAR(f.halfLife, std::log(2.0) / 0.002, 1e-6);
  // 800 -> 100 takes ln 8 / 0.002 = 1039.7 days from the first sample.
  EXPECT_NEAR(f.daysToCa, std::log(8.0) / 0.002 - 400, 1e-6);
  EXPECT_EQ(f.caDate, "2022-11-06");  // 640 days after 2021-02-04 (Python datetime)
  EXPECT_EQ(f.mannKendall.trend, TrendClass::kDecreasing);
}

TEST(MannKendall, TiesByHandExactTailsAndTheDecisionMatrix) {
  // Worked by hand: 10, 8, 8, 6, 7, 5 in time order.
  //   pairs from 10: -5; from the first 8: 0 - 3 = -3; second 8: -3; 6: +1 - 1 = 0; 7: -1; S = -12.
  //   one tie of two: Var = (6*5*17 - 2*1*9) / 18 = 492 / 18 = 27.333...
  //   Z = (12 - 1) / sqrt(27.333) = 2.104, one-sided confidence Phi(Z) = 0.98231 (mpmath ncdf).
  //   mean 7.3333, sample sd 1.7512, COV 0.23880: Decreasing.
  const MannKendallResult r = MannKendall({10, 8, 8, 6, 7, 5});
  EXPECT_EQ(r.s, -12);
  EXPECT_NEAR(r.variance, 492.0 / 18.0, 1e-12);
  EXPECT_FALSE(r.exact);
  EXPECT_NEAR(r.confidence, 0.98231091401857321, 1e-12);
  EXPECT_NEAR(r.cov, 0.23879864611933996, 1e-12);
  EXPECT_EQ(r.trend, TrendClass::kDecreasing);

  // Exact tails, counted over all permutations (Python itertools) and as
  // Kendall's tables give them: n=5, S=8: 5/120; n=9, S=20: 8095/362880.
  const MannKendallResult five = MannKendall({1, 2, 3, 5, 4});
  EXPECT_EQ(five.s, 8);
  EXPECT_TRUE(five.exact);
  EXPECT_NEAR(five.confidence, 1.0 - 5.0 / 120.0, 1e-15);
  EXPECT_EQ(five.trend, TrendClass::kIncreasing);
  const MannKendallResult nine = MannKendall({9, 7, 8, 5, 6, 1, 2, 3, 4});  // S = -20
  EXPECT_EQ(nine.s, -20);
  EXPECT_NEAR(nine.confidence, 1.0 - 8095.0 / 362880.0, 1e-15);
  EXPECT_TRUE(std::isnan(MannKendall({3, 2, 1}).confidence));
  EXPECT_EQ(MannKendall({3, 2, 1}).trend, TrendClass::kNone);

  // The matrix at and beside its edges.
  EXPECT_EQ(ClassifyTrend(5, 0.951, 0.2), TrendClass::kIncreasing);
  EXPECT_EQ(ClassifyTrend(5, 0.95, 0.2), TrendClass::kProbablyIncreasing);
  EXPECT_EQ(ClassifyTrend(5, 0.90, 0.2), TrendClass::kProbablyIncreasing);
  EXPECT_EQ(ClassifyTrend(5, 0.899, 0.2), TrendClass::kNoTrend);
  EXPECT_EQ(ClassifyTrend(-5, 0.899, 1.0), TrendClass::kNoTrend);
  EXPECT_EQ(ClassifyTrend(-5, 0.899, 0.99), TrendClass::kStable);
  EXPECT_EQ(ClassifyTrend(0, 0.4, 0.5), TrendClass::kStable);
  EXPECT_EQ(ClassifyTrend(-5, 0.90, 3.0), TrendClass::kProbablyDecreasing);
  EXPECT_EQ(ClassifyTrend(-5, 0.96, 3.0), TrendClass::kDecreasing);
}

}  // namespace

namespace {

// Values as a table's text gives them, read the way the importer reads them.
double Typed(const char* text) {
  return std::strtod(text, nullptr);
}

TEST(SiteBoundaries, ClassesFollowTheDecimalFormsOfTheEnteredValues) {
  // A COV of exactly 1: mean 2.8, sample sd 2.8. The sums give 0.9999999999999998
  // and the class "Stable"; a COV of 1 is "No Trend".
  const MannKendallResult cov = MannKendall({Typed("7"), Typed("1.4"), Typed("1.4"), Typed("1.4")});
  EXPECT_EQ(cov.s, -3);
  EXPECT_EQ(cov.trend, TrendClass::kNoTrend);
  EXPECT_EQ(MannKendall({7, 1.4, 1.4, 1.5}).trend, TrendClass::kStable);  // COV 0.98

  // Through the site data: 0.1234 mg/L and 123.4 ug/L at one well are a tie
  // once both are in ug/L (0.1234 * 1000 = 123.39999999999999).
  SiteData site = Wells({0});
  Add(&site, "MW1", "2020-01-01", 200);
  Add(&site, "MW1", "2020-04-01", 150);
  Add(&site, "MW1", "2020-07-01", Typed("0.1234"), kUnitMgL);
  Add(&site, "MW1", "2020-10-01", Typed("123.4"));
  Add(&site, "MW1", "2021-01-01", 100);
  const std::vector<TimeFit> fits = FitTimes(site, "Benzene", SiteFitOptions{});
  ASSERT_EQ(fits.size(), 1u);
  EXPECT_EQ(fits[0].mannKendall.s, -9);
  EXPECT_FALSE(fits[0].mannKendall.exact);  // a tie: the normal approximation
  EXPECT_NEAR(fits[0].mannKendall.variance, (5 * 4 * 15 - 2 * 1 * 9) / 18.0, 1e-12);
}

TEST(SiteBoundaries, LevelSeriesHaveRateZeroNotMinusZero) {
  SiteData site = Wells({0});
  for (const char* date : {"2020-01-01", "2020-06-01", "2021-01-01", "2021-06-01"})
    Add(&site, "MW1", date, 17.3);
  const std::vector<TimeFit> fits = FitTimes(site, "Benzene", SiteFitOptions{});
  ASSERT_EQ(fits.size(), 1u);
  EXPECT_EQ(fits[0].line.slope, 0.0);
  EXPECT_FALSE(std::signbit(fits[0].kPoint));
  EXPECT_FALSE(std::signbit(fits[0].kPointLow));
  EXPECT_FALSE(std::signbit(fits[0].kPointHigh));
}

TEST(SiteBoundaries, ALambdaNeedsThreeDifferentDistances) {
  // Three detected values, but MW2 and MW3 stand at the same 20 m.
  SiteData site = Wells({0, 20, 20});
  Add(&site, "MW1", "2024-05-12", 1000);
  Add(&site, "MW2", "2024-05-12", 300);
  Add(&site, "MW3", "2024-05-12", 310);
  const DistanceFit fit = FitDistance(site, "Benzene", Flow());
  EXPECT_FALSE(fit.hasLambda);
  ASSERT_FALSE(fit.warnings.empty());
  EXPECT_EQ(fit.warnings[0],
            "Fewer than three detected values at different distances on 2024-05-12 at wells in the fit: no "
            "decay constant.");
  // A third distance gives it.
  site.wells[2].s = 40;
  site.samples[2].value = 95;
  const DistanceFit three = FitDistance(site, "Benzene", Flow());
  EXPECT_TRUE(three.hasLambda) << (three.warnings.empty() ? "" : three.warnings[0]);
}

}  // namespace
