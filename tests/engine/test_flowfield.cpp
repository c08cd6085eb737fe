// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/flowfield.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// Six wells of a survey in UTM metres, irregularly placed over 160 x 190 m.
const double kWellsEN[6][2] = {{512030.0, 5702110.0},  {512085.5, 5702160.25}, {512140.0, 5702095.5},
                               {512060.75, 5702230.0}, {512190.0, 5702185.0},  {512115.25, 5702040.0}};

// Heads on the plane falling at gradient i towards `azimuth` degrees.
std::vector<HeadPoint> Plane(double i, double azimuth, double level = 50.0) {
  const double t = azimuth * std::numbers::pi / 180.0;
  std::vector<HeadPoint> points;
  for (int k = 0; k < 6; ++k) {
    const double e = kWellsEN[k][0], n = kWellsEN[k][1];
    points.push_back({"MW" + std::to_string(k + 1), e, n,
                      level - i * (std::sin(t) * (e - 512000.0) + std::cos(t) * (n - 5702000.0))});
  }
  return points;
}

double AngleApart(double a, double b) {
  const double d = std::fabs(a - b);
  return std::min(d, 360.0 - d);
}

}  // namespace

TEST(FlowField, AnInclinedPlaneGivesItsGradientAndAzimuthInEveryQuadrant) {
  for (double azimuth : {0.0, 37.0, 90.0, 135.5, 180.0, 231.25, 270.0, 359.999}) {
    for (double i : {0.0005, 0.004, 0.03}) {
      FlowFieldFit fit;
      std::string why;
      ASSERT_TRUE(FitFlowField(Plane(i, azimuth), &fit, &why)) << why;
      EXPECT_EQ(fit.n, 6);
      EXPECT_NEAR(fit.gradient, i, 1e-9 * i) << azimuth;
      EXPECT_LT(AngleApart(fit.azimuth, azimuth), 1e-9) << azimuth << " " << i;
      EXPECT_GE(fit.azimuth, 0.0);
      EXPECT_LT(fit.azimuth, 360.0);
      EXPECT_LT(fit.rmsResidual, 1e-12);
    }
  }
}

TEST(FlowField, NoisyHeadsGiveTheLeastSquaresPlane) {
  // The plane i = 0.004 towards 37 deg through 50 m at (512000, 5702000),
  // plus 12, -7, 3, -15, 9, -2 mm, rounded to the micrometre.
  const double heads[6] = {49.588383, 49.275254, 49.360905, 49.104014, 48.96063, 49.592782};
  std::vector<HeadPoint> points;
  for (int k = 0; k < 6; ++k) points.push_back({"W", kWellsEN[k][0], kWellsEN[k][1], heads[k]});
  FlowFieldFit fit;
  std::string why;
  ASSERT_TRUE(FitFlowField(points, &fit, &why)) << why;
  // An independent fit: mpmath at 50 digits, normal equations of h = a + bE + cN
  // on the uncentred coordinates.
  EXPECT_NEAR(fit.gradient, 0.0040210436906361549, 1e-12);
  EXPECT_NEAR(fit.azimuth, 36.026515517217556, 1e-9);
  EXPECT_NEAR(fit.rmsResidual, 0.0081754704179252021, 1e-12);
  ASSERT_EQ(fit.residuals.size(), 6u);
  double sum = 0.0;
  for (double r : fit.residuals) sum += r;
  EXPECT_NEAR(sum, 0.0, 1e-12);  // a plane with an intercept leaves no mean residual
}

// Heads of the plane i = 0.004 towards 244 deg through 20 m at the first
// well, plus 3, -2, 4, -5, 1, -1 mm, rounded to the micrometre.
std::vector<HeadPoint> WithResiduals(const double (&en)[6][2], const double (&heads)[6]) {
  std::vector<HeadPoint> points;
  for (int k = 0; k < 6; ++k)
    points.push_back({"PB" + std::to_string(k + 1), 431200.0 + en[k][0], 6120400.0 + en[k][1], heads[k]});
  return points;
}
// Six wells along a plume, within a few metres of one line.
const double kRowEN[6][2] = {{0, 0}, {40, 25}, {85, 47}, {130, 72}, {170, 101}, {215, 122}};
const double kRowHeads[6] = {20.003, 20.185644, 20.392004, 20.588624, 20.789282, 20.985888};
// Six wells spread over 200 x 150 m.
const double kSpreadEN[6][2] = {{0, 0}, {150, -20}, {40, 130}, {170, 110}, {90, 60}, {-30, 70}};
const double kSpreadHeads[6] = {20.003, 20.502207, 20.37576, 20.799063, 20.429775, 20.013889};

TEST(FlowField, StandardErrorsOfGradientAndAzimuthFromTheResiduals) {
  FlowFieldFit row, spread;
  std::string why;
  ASSERT_TRUE(FitFlowField(WithResiduals(kRowEN, kRowHeads), &row, &why)) << why;
  ASSERT_TRUE(FitFlowField(WithResiduals(kSpreadEN, kSpreadHeads), &spread, &why)) << why;
  // An independent computation: mpmath at 50 digits, the full 3 x 3 normal
  // equations of h = a + bE + cN on the uncentred coordinates, s^2 =
  // sum r^2 / 3 times the (b, c) block of (X'X)^-1, carried by the first
  // derivatives of |(b, c)| and atan2(-b, -c); the t of 3 degrees of freedom
  // at 90 % two-sided, 2.3533634348018, by root-finding on mpmath's betainc.
  EXPECT_NEAR(row.gradient, 0.0039800250503286, 1e-12);
  EXPECT_NEAR(row.azimuth, 240.662946857278, 1e-6);
  EXPECT_NEAR(row.gradientSe, 2.0470661841099e-5, 1e-10);
  EXPECT_NEAR(row.azimuthSe, 12.7659814709085, 1e-6);
  EXPECT_NEAR(row.azimuthLow, 210.619952854284, 1e-5);
  EXPECT_NEAR(row.azimuthHigh, 270.705940860272, 1e-5);
  EXPECT_NEAR(spread.gradient, 0.00397582334066805, 1e-12);
  EXPECT_NEAR(spread.azimuth, 243.837329546786, 1e-6);
  EXPECT_NEAR(spread.gradientSe, 1.99020988613726e-5, 1e-10);
  EXPECT_NEAR(spread.azimuthSe, 0.342280169742663, 1e-7);
  // The same residuals: a row fixes the gradient as well as a spread does,
  // but the direction far worse.
  EXPECT_GT(row.azimuthSe, 20.0 * spread.azimuthSe);
  EXPECT_LT(spread.azimuthLow, spread.azimuth);
  EXPECT_GT(spread.azimuthHigh, spread.azimuth);
}

TEST(FlowField, AzimuthIntervalAcrossNorthAndOverEveryDirection) {
  // The row's heads turned by 120 deg: the flow towards about 0.66 deg, and
  // the interval wraps through north.
  std::vector<HeadPoint> points = WithResiduals(kRowEN, kRowHeads);
  const double t = 120.0 * std::numbers::pi / 180.0;
  for (HeadPoint& p : points) {
    const double e = p.easting - 431200.0, n = p.northing - 6120400.0;
    p.easting = 431200.0 + e * std::cos(t) + n * std::sin(t);
    p.northing = 6120400.0 - e * std::sin(t) + n * std::cos(t);
  }
  FlowFieldFit fit;
  std::string why;
  ASSERT_TRUE(FitFlowField(points, &fit, &why)) << why;
  EXPECT_NEAR(fit.azimuth, 0.662946857278, 1e-6);
  EXPECT_NEAR(fit.azimuthSe, 12.7659814709085, 1e-6);
  EXPECT_NEAR(fit.azimuthLow, 360.0 - 29.380047145716, 1e-5);
  EXPECT_NEAR(fit.azimuthHigh, 30.705940860272, 1e-5);

  // Heads that barely fall across the row, with the same millimetres of
  // scatter, leave the direction open.
  std::vector<HeadPoint> noisy = WithResiduals(kRowEN, kRowHeads);
  const double scatter[6] = {0.003, -0.002, 0.004, -0.005, 0.001, -0.001};
  for (int k = 0; k < 6; ++k) noisy[k].head = 20.0 + 0.0002 * kRowEN[k][0] + scatter[k];
  ASSERT_TRUE(FitFlowField(noisy, &fit, &why)) << why;
  EXPECT_GE(fit.azimuthHalfWidth, 180.0);
  EXPECT_EQ(fit.azimuthLow, 0.0);
  EXPECT_EQ(fit.azimuthHigh, 360.0);
}

TEST(FlowField, ThreeWellsHaveNoUncertainty) {
  std::vector<HeadPoint> three = WithResiduals(kSpreadEN, kSpreadHeads);
  three.resize(3);
  FlowFieldFit fit;
  std::string why;
  ASSERT_TRUE(FitFlowField(three, &fit, &why)) << why;
  EXPECT_GT(fit.gradient, 0.0);
  EXPECT_TRUE(std::isnan(fit.gradientSe));
  EXPECT_TRUE(std::isnan(fit.azimuthSe));
  EXPECT_TRUE(std::isnan(fit.azimuthLow));
  EXPECT_TRUE(std::isnan(fit.azimuthHigh));
  // A fourth well gives one degree of freedom and finite errors.
  three.push_back(WithResiduals(kSpreadEN, kSpreadHeads)[3]);
  ASSERT_TRUE(FitFlowField(three, &fit, &why)) << why;
  EXPECT_TRUE(std::isfinite(fit.azimuthSe));
  EXPECT_TRUE(std::isfinite(fit.gradientSe));
}

TEST(FlowField, RefusesWhatFixesNoPlaneWithASentence) {
  FlowFieldFit fit;
  std::string why;
  std::vector<HeadPoint> two = Plane(0.004, 37.0);
  two.resize(2);
  EXPECT_FALSE(FitFlowField(two, &fit, &why));
  EXPECT_NE(why.find("three or more"), std::string::npos) << why;

  // Four wells in a row along a survey line, however the heads fall.
  std::vector<HeadPoint> row;
  for (int k = 0; k < 4; ++k) row.push_back({"W", 512000.0 + 30.0 * k, 5702000.0 + 40.0 * k, 50.0 - 0.1 * k});
  why.clear();
  EXPECT_FALSE(FitFlowField(row, &fit, &why));
  EXPECT_NE(why.find("one line"), std::string::npos) << why;

  // Three at one spot.
  std::vector<HeadPoint> spot(3, HeadPoint{"W", 512000.0, 5702000.0, 50.0});
  why.clear();
  EXPECT_FALSE(FitFlowField(spot, &fit, &why));
  EXPECT_NE(why.find("one line"), std::string::npos) << why;

  why.clear();
  EXPECT_FALSE(FitFlowField(Plane(0.0, 0.0, 48.25), &fit, &why));
  EXPECT_NE(why.find("level"), std::string::npos) << why;
}

// Wells at (along, across) offsets from a UTM point, the survey grid turned
// by `turn` degrees, with heads falling 0.005 along the first axis.
std::vector<HeadPoint> Turned(const std::vector<std::pair<double, double>>& offsets, double turn) {
  const double t = turn * std::numbers::pi / 180.0;
  std::vector<HeadPoint> points;
  for (const auto& [u, v] : offsets)
    points.push_back({"W", 512000.0 + u * std::cos(t) - v * std::sin(t),
                      5702000.0 + u * std::sin(t) + v * std::cos(t), 50.0 - 0.005 * u});
  return points;
}

TEST(FlowField, WellsInARowAreJudgedAlikeHoweverTheGridIsTurned) {
  // Three wells on a line and one 10 micrometres off it fix no plane; a row
  // 1 m wide over 100 m fixes one with a warning; a spread needs none.
  const std::vector<std::pair<double, double>> thin = {{0, 0}, {50, 0}, {100, 0}, {50, 1e-5}};
  const std::vector<std::pair<double, double>> row = {
      {0, 0.5}, {25, -0.5}, {50, 0.5}, {75, -0.5}, {100, 0.5}};
  const std::vector<std::pair<double, double>> spread = {{0, 0}, {100, 0}, {0, 60}, {100, 60}, {50, 20}};
  for (double turn : {0.0, 45.0, 90.0, 30.0, 200.0}) {
    FlowFieldFit fit;
    std::string why;
    EXPECT_FALSE(FitFlowField(Turned(thin, turn), &fit, &why)) << turn << ": gradient " << fit.gradient;
    EXPECT_NE(why.find("one line"), std::string::npos) << turn << ": " << why;

    ASSERT_TRUE(FitFlowField(Turned(row, turn), &fit, &why)) << turn << ": " << why;
    EXPECT_NEAR(fit.gradient, 0.005, 1e-12) << turn;
    // rms across: 0.5 m exactly; along: sqrt(1250) m about the centre.
    EXPECT_NEAR(fit.spreadAcross, 0.5 * std::sqrt(24.0 / 25.0), 1e-6) << turn;
    EXPECT_NEAR(fit.spreadAlong, std::sqrt(1250.0), 1e-6) << turn;
    EXPECT_NE(fit.warning.find("nearly in a row"), std::string::npos) << turn << ": " << fit.warning;
    EXPECT_NE(fit.warning.find("0.49 m across"), std::string::npos) << fit.warning;

    ASSERT_TRUE(FitFlowField(Turned(spread, turn), &fit, &why)) << turn << ": " << why;
    EXPECT_TRUE(fit.warning.empty()) << turn << ": " << fit.warning;
  }
  // The warning's edge: across just under and just over a tenth of along.
  for (double v : {4.9, 5.1}) {
    // Along: +/-50 m about the centre, rms 35.36 m; across +/-v, rms v * sqrt(2/4).
    const std::vector<std::pair<double, double>> edge = {{-50, 0}, {50, 0}, {0, v}, {0, -v}};
    FlowFieldFit fit;
    std::string why;
    ASSERT_TRUE(FitFlowField(Turned(edge, 45.0), &fit, &why)) << why;
    EXPECT_EQ(fit.warning.empty(), v * std::sqrt(0.5) >= 0.1 * std::sqrt(1250.0)) << v;
  }
}

TEST(FlowField, TakesTheHeadsOfOneDateAtWellsOnTheMap) {
  SiteData site;
  for (int k = 0; k < 4; ++k) {
    SiteWell w;
    w.name = "MW" + std::to_string(k + 1);
    w.mapped = k < 3;  // MW4 has only s and y
    w.easting = kWellsEN[k][0];
    w.northing = kWellsEN[k][1];
    site.wells.push_back(w);
  }
  const std::vector<HeadPoint> plane = Plane(0.004, 37.0);
  for (int k = 0; k < 4; ++k) {
    site.samples.push_back({site.wells[k].name, "2024-05-12", kIndicatorHead, plane[k].head, kUnitM, false});
    site.samples.push_back(
        {site.wells[k].name, "2023-11-02", kIndicatorHead, plane[k].head + 0.3, kUnitM, false});
  }
  // A second date with only two heads on the map, and a concentration.
  site.samples.push_back({"MW1", "2022-01-10", kIndicatorHead, 50.0, kUnitM, false});
  site.samples.push_back({"MW2", "2022-01-10", kIndicatorHead, 49.0, kUnitM, false});
  site.samples.push_back({"MW3", "2022-01-10", "Benzene", 12.0, kUnitUgL, false});

  EXPECT_EQ(FlowFieldDates(site), (std::vector<std::string>{"2023-11-02", "2024-05-12"}));
  const std::vector<HeadPoint> heads = HeadsOn(site, "2024-05-12");
  ASSERT_EQ(heads.size(), 3u);
  EXPECT_EQ(heads[2].well, "MW3");
  EXPECT_EQ(heads[2].easting, kWellsEN[2][0]);
  EXPECT_EQ(heads[2].head, plane[2].head);
  EXPECT_EQ(HeadsWithoutCoordinates(site, "2024-05-12"), 1);
  FlowFieldFit fit;
  std::string why;
  ASSERT_TRUE(FitFlowField(heads, &fit, &why)) << why;
  EXPECT_NEAR(fit.gradient, 0.004, 1e-12);
  EXPECT_NEAR(fit.azimuth, 37.0, 1e-9);
}
