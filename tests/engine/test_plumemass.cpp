// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plume's mass and centre of mass: rounds, the well set, the two
// estimators against exact integrals, and the light over the rounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/site/plumemass.h"

namespace {

constexpr double kNe = 0.25, kB = 3.0;

// The integrals of C, C s, C y, C s^2, C y^2 over a rectangle by a tensor
// Gauss-Legendre rule of three points, exact for the cubic integrands of a
// linear field.
std::vector<double> RectangleIntegrals(double s0, double s1, double y0, double y1,
                                       double (*c)(double, double)) {
  const double x[3] = {-std::sqrt(0.6), 0.0, std::sqrt(0.6)}, w[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
  std::vector<double> sum(5, 0.0);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const double s = 0.5 * (s0 + s1) + 0.5 * (s1 - s0) * x[i], y = 0.5 * (y0 + y1) + 0.5 * (y1 - y0) * x[j];
      const double weight = w[i] * w[j] * 0.25 * (s1 - s0) * (y1 - y0), v = c(s, y);
      const double terms[5] = {v, v * s, v * y, v * s * s, v * y * y};
      for (int k = 0; k < 5; ++k) sum[k] += weight * terms[k];
    }
  }
  return sum;
}

double LinearField(double s, double y) {
  return 40.0 - 0.3 * s + 0.5 * y;
}

TEST(PlumeMoments, DelaunayMomentsOfALinearFieldAreItsIntegralOverTheHull) {
  // Three transects across the flow (one a corner short of a grid, so
  // points share circles and lie off them) and two wells between them.
  const double at[][2] = {{0, -20},   {0, 0},    {0, 20},  {50, -20}, {50, 0},  {50, 20},
                          {100, -20}, {100, 20}, {100, 5}, {27, 7},   {71, -12}};
  std::vector<PlumeWellValue> wells;
  for (const auto& p : at)
    wells.push_back({"W", p[0], p[1], LinearField(p[0], p[1]), LinearField(p[0], p[1]) + 1.0});
  PlumeMoments m;
  ASSERT_TRUE(PlumeMomentsOf(wells, false, kNe, kB, &m));
  const std::vector<double> i = RectangleIntegrals(0, 100, -20, 20, LinearField);
  EXPECT_NEAR(m.mass, kNe * kB * 1e-6 * i[0], 1e-12 * m.mass);
  EXPECT_NEAR(m.centreS, i[1] / i[0], 1e-9);
  EXPECT_NEAR(m.centreY, i[2] / i[0], 1e-9);
  EXPECT_NEAR(m.spreadS, std::sqrt(i[3] / i[0] - std::pow(i[1] / i[0], 2)), 1e-9);
  EXPECT_NEAR(m.spreadY, std::sqrt(i[4] / i[0] - std::pow(i[2] / i[0], 2)), 1e-9);
  // The upper bound adds 1 ug/L over the hull's 4000 m2.
  EXPECT_NEAR(m.massUpper - m.mass, kNe * kB * 1e-6 * 4000.0, 1e-12);
}

// The Delaunay triangles found the slow way: three wells form one when no
// other well lies inside their circumcircle (the wells below are in general
// position, no four on a circle). Over each, the linear field integrates to
// A (c1 + c2 + c3) / 3, and C s to A / 12 (sum c_i s_i + sum c_i sum s_i).
struct BruteForce {
  double c = 0.0, cs = 0.0, cy = 0.0;
  int triangles = 0;
};

BruteForce BruteForceDelaunay(const std::vector<PlumeWellValue>& w) {
  BruteForce out;
  const size_t n = w.size();
  for (size_t i = 0; i < n; ++i)
    for (size_t j = i + 1; j < n; ++j)
      for (size_t k = j + 1; k < n; ++k) {
        const double ax = w[i].s, ay = w[i].y, bx = w[j].s, by = w[j].y, cx = w[k].s, cy = w[k].y;
        const double d = 2.0 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
        if (d == 0.0) continue;
        const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
        const double ux = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
        const double uy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
        const double r2 = (ax - ux) * (ax - ux) + (ay - uy) * (ay - uy);
        bool empty = true;
        for (size_t m = 0; m < n && empty; ++m)
          if (m != i && m != j && m != k)
            empty = (w[m].s - ux) * (w[m].s - ux) + (w[m].y - uy) * (w[m].y - uy) >= r2 * (1.0 - 1e-12);
        if (!empty) continue;
        const double area = 0.5 * std::fabs(d) / 2.0;
        const double sc = w[i].value + w[j].value + w[k].value;
        out.c += area * sc / 3.0;
        out.cs += area / 12.0 * (w[i].value * ax + w[j].value * bx + w[k].value * cx + sc * (ax + bx + cx));
        out.cy += area / 12.0 * (w[i].value * ay + w[j].value * by + w[k].value * cy + sc * (ay + by + cy));
        ++out.triangles;
      }
  return out;
}

TEST(PlumeMoments, TheTrianglesAreDelaunays) {
  // A thin rhombus whose wells in (s, y) order join the long diagonal
  // first: the Delaunay mesh takes the short one, and with 1 ug/L at its
  // ends and 0 at the others the mass is twice the long diagonal's.
  std::vector<PlumeWellValue> rhombus = {
      {"A", 0, 0, 1, 1}, {"B", 1, -10, 0, 0}, {"D", 1, 10, 0, 0}, {"C", 2, 0, 1, 1}};
  PlumeMoments m;
  ASSERT_TRUE(PlumeMomentsOf(rhombus, false, kNe, kB, &m));
  EXPECT_NEAR(m.mass, kNe * kB * 1e-6 * 40.0 / 3.0, 1e-15);
  EXPECT_NEAR(m.centreS, 1.0, 1e-12);
  EXPECT_NEAR(m.centreY, 0.0, 1e-12);

  // A scattered network with a curved plume on it, against the slow way.
  const double at[][2] = {{3, 2},   {17, -9},  {29, 14}, {41, -3},  {52, 21},  {64, -17},
                          {71, 6},  {83, -11}, {96, 13}, {12, 23},  {37, -22}, {58, 1},
                          {77, 25}, {101, -4}, {46, 9},  {24, -14}, {88, -24}, {6, -19}};
  std::vector<PlumeWellValue> wells;
  for (const auto& p : at) {
    const double c = 500.0 * std::exp(-std::pow(p[0] - 40.0, 2) / 900.0 - std::pow(p[1] - 3.0, 2) / 150.0);
    wells.push_back({"W", p[0], p[1], c, c});
  }
  const BruteForce slow = BruteForceDelaunay(wells);
  ASSERT_GT(slow.triangles, 18);
  ASSERT_TRUE(PlumeMomentsOf(wells, false, kNe, kB, &m));
  EXPECT_NEAR(m.mass, kNe * kB * 1e-6 * slow.c, 1e-12 * m.mass);
  EXPECT_NEAR(m.centreS, slow.cs / slow.c, 1e-9);
  EXPECT_NEAR(m.centreY, slow.cy / slow.c, 1e-9);
}

TEST(PlumeMoments, LineFormIntegratesAlongTheRowPerMetreOfWidth) {
  // C falls linearly 100 -> 40 -> 0 over s = 10, 40, 50; the wells lie in
  // any order and a little off the centre line.
  std::vector<PlumeWellValue> wells = {{"B", 40, 1, 40, 40}, {"A", 10, -1, 100, 100}, {"C", 50, 0, 0, 5}};
  PlumeMoments m;
  ASSERT_TRUE(PlumeMomentsOf(wells, true, kNe, kB, &m));
  // Hand integrals: int C = 30 * 70 + 10 * 20 = 2300; int C s over the two
  // pieces = 30 * (100 * 30 + 40 * 60) / 6 ... written out exactly:
  const double c = 2100.0 + 200.0;
  const double cs =
      30.0 / 6.0 * (100.0 * (2 * 10 + 40) + 40.0 * (10 + 2 * 40)) + 10.0 / 6.0 * (40.0 * (2 * 40 + 50));
  EXPECT_NEAR(m.mass, kNe * kB * 1e-6 * c, 1e-15);
  EXPECT_NEAR(m.centreS, cs / c, 1e-12);
  EXPECT_TRUE(std::isnan(m.centreY));
  EXPECT_NEAR(m.massUpper - m.mass, kNe * kB * 1e-6 * 10.0 * 5.0 / 2.0, 1e-15);
  EXPECT_TRUE(WellsInARow({10, 40, 50}, {-1, 1, 0}));
  EXPECT_FALSE(WellsInARow({10, 40, 50}, {-3, 3, 0}));
}

// A Gaussian plume sampled at 17 wells: the change of mass between two
// rounds, relative to the first, against the true change of the whole
// Gaussian. The estimate misses the tails beyond the wells and cuts the
// peak's curvature, but both rounds alike: what the trend reads is the change.
double GaussianMass(double peak, double sigmaS, double sigmaY) {
  return peak * 2.0 * M_PI * sigmaS * sigmaY;
}

std::vector<PlumeWellValue> GaussianRound(double peak, double centre, double sigmaS, double sigmaY) {
  const double at[][2] = {{-40, 0},  {0, -30}, {0, 0},   {0, 30},    {20, -15}, {20, 15},
                          {40, -30}, {40, 0},  {40, 30}, {60, -15},  {60, 15},  {80, -30},
                          {80, 0},   {80, 30}, {100, 0}, {120, -30}, {120, 30}};
  std::vector<PlumeWellValue> wells;
  for (const auto& p : at) {
    const double c =
        peak * std::exp(-0.5 * std::pow((p[0] - centre) / sigmaS, 2) - 0.5 * std::pow(p[1] / sigmaY, 2));
    wells.push_back({"W", p[0], p[1], c, c});
  }
  return wells;
}

TEST(PlumeMoments, GaussianPlumeChangeOfMassWithinTwoPercent) {
  PlumeMoments first, second;
  ASSERT_TRUE(PlumeMomentsOf(GaussianRound(1000, 40, 30, 15), false, kNe, kB, &first));
  ASSERT_TRUE(PlumeMomentsOf(GaussianRound(600, 40, 29, 14.5), false, kNe, kB, &second));
  const double trueChange = GaussianMass(600, 29, 14.5) / GaussianMass(1000, 30, 15) - 1.0;
  EXPECT_NEAR(second.mass / first.mass - 1.0, trueChange, 0.02 * std::fabs(trueChange));
  EXPECT_NEAR(first.centreS, 40.0, 2.0);
  EXPECT_NEAR(first.centreY, 0.0, 1e-9);  // the network is symmetric across the flow
}

TEST(PlumeRounds, DatesWithinTheWindowOfThePreviousDateJoinOneRound) {
  // 10 days apart: one round; a chain of 25-day steps stays one round;
  // 31 days from the round's last date opens the next one.
  EXPECT_EQ(GroupRounds({100, 110}, 30), (std::vector<int>{0, 0}));
  EXPECT_EQ(GroupRounds({175, 100, 125, 150, 206, 206}, 30), (std::vector<int>{0, 0, 0, 0, 1, 1}));
  EXPECT_EQ(GroupRounds({100, 110}, 5), (std::vector<int>{0, 1}));
}

// Wells in a row along the flow; one sampling a day per round, 90 days apart.
SiteData RowSite(const std::vector<std::vector<double>>& byRound, const std::vector<std::string>& skip = {}) {
  SiteData site;
  site.wells = {{"U", -10, 0}, {"A", 10, 0}, {"B", 40, 0}, {"C", 80, 0}};
  site.wells[0].inFit = false;
  for (size_t r = 0; r < byRound.size(); ++r) {
    const std::string date = SiteDateText(18000 + 90 * long(r) + long(r % 2) * 10);
    for (size_t w = 0; w < byRound[r].size(); ++w) {
      const std::string& well = site.wells[w].name;
      if (std::find(skip.begin(), skip.end(), well + "@" + std::to_string(r)) != skip.end()) continue;
      site.samples.push_back({well, date, "Benzene", byRound[r][w], kUnitUgL, false});
    }
  }
  return site;
}

TEST(PlumeMass, RoundMissingAWellOfTheSetIsLeftOutAndNamed) {
  PlumeMassOptions options;
  options.porosity = kNe;
  options.thickness = kB;
  const SiteData site =
      RowSite({{5, 100, 50, 10}, {5, 90, 45, 9}, {5, 80, 40, 8}, {5, 70, 35, 7}, {5, 60, 30, 6}}, {"B@2"});
  const PlumeMassResult r = PlumeMassOf(site, "Benzene", options);
  EXPECT_EQ(r.wells, (std::vector<std::string>{"A", "B", "C"}));  // U is upstream and out of the fit
  ASSERT_EQ(r.rounds.size(), 4u);
  ASSERT_EQ(r.leftOut.size(), 1u);
  EXPECT_EQ(r.leftOut[0], "round " + SiteDateText(18180) + ": no value at B");
  EXPECT_EQ(r.estimator, "line");
  EXPECT_EQ(r.mass.mannKendall.trend, TrendClass::kDecreasing);
  EXPECT_EQ(r.light, PlumeLight::kGreen);
  // A halving every 90 days would read about 90 d; here C falls linearly.
  EXPECT_GT(r.halfLife, 0.0);

  // Left out by the user instead, U counts and A does not.
  options.leftOut = std::vector<std::string>{"A"};
  const PlumeMassResult without = PlumeMassOf(site, "Benzene", options);
  EXPECT_EQ(without.wells, (std::vector<std::string>{"U", "B", "C"}));
}

// What the well set leaves out stays out of everything: an upstream well
// sampled between two rounds does not join them into one, a well waiting
// for the map is named only for the contaminant it holds, and without ne (or
// with ne = 0) there is no mass rather than a mass of 0.
TEST(PlumeMass, WellsOutsideTheSetShapeNoRound) {
  PlumeMassOptions options;
  options.porosity = kNe;
  options.thickness = kB;
  SiteData site = RowSite({{5, 100, 50, 10}, {5, 90, 45, 9}, {5, 80, 40, 8}, {5, 70, 35, 7}});
  const PlumeMassResult before = PlumeMassOf(site, "Benzene", options);
  ASSERT_EQ(before.rounds.size(), 4u);
  // U, upstream, sampled every 20 to 25 days between the first two rounds
  // (days 0 and 100): had it counted, its dates would chain them into one.
  for (long day : {18020, 18045, 18070, 18090})
    site.samples.push_back({"U", SiteDateText(day), "Benzene", 5, kUnitUgL, false});
  const PlumeMassResult after = PlumeMassOf(site, "Benzene", options);
  ASSERT_EQ(after.rounds.size(), 4u);
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(after.rounds[k].date, before.rounds[k].date);
    EXPECT_EQ(after.rounds[k].moments.mass, before.rounds[k].moments.mass);
  }

  // A surveyed well the map cannot place yet, holding toluene only.
  SiteWell waiting{"T", 0.0, 0.0};
  waiting.mapped = true;
  site.wells.push_back(waiting);
  site.samples.push_back({"T", SiteDateText(18000), "Toluene", 7, kUnitUgL, false});
  auto namesT = [](const std::string& line) { return line.find("Place wells") != std::string::npos; };
  const PlumeMassResult benzene = PlumeMassOf(site, "Benzene", options);
  EXPECT_FALSE(std::any_of(benzene.leftOut.begin(), benzene.leftOut.end(), namesT));
  const PlumeMassResult toluene = PlumeMassOf(site, "Toluene", options);
  EXPECT_TRUE(std::any_of(toluene.leftOut.begin(), toluene.leftOut.end(), namesT));

  // Two wells are enough for the line form.
  SiteData two;
  two.wells = {{"A", 10, 0}, {"B", 40, 0}};
  for (int r = 0; r < 4; ++r)
    for (const auto& [well, c] : {std::pair<const char*, double>{"A", 100.0 - r}, {"B", 50.0 - r}})
      two.samples.push_back({well, SiteDateText(18000 + 90 * r), "Benzene", c, kUnitUgL, false});
  const PlumeMassResult pair = PlumeMassOf(two, "Benzene", options);
  ASSERT_EQ(pair.rounds.size(), 4u);
  EXPECT_EQ(pair.estimator, "line");
  // 30 m at the mean of 100 and 50 ug/L.
  EXPECT_NEAR(pair.rounds[0].moments.mass, kNe * kB * 1e-6 * 30.0 * 75.0, 1e-15);

  for (double porosity : {0.0, std::nan("")}) {
    options.porosity = porosity;
    const PlumeMassResult none = PlumeMassOf(two, "Benzene", options);
    EXPECT_TRUE(none.rounds.empty());
    ASSERT_FALSE(none.notes.empty());
    EXPECT_EQ(none.notes[0], "No effective porosity ne: no mass.");
  }
}

TEST(PlumeMass, SamplesReachTheTrianglesInMicrogramsWithNonDetectsAtBothBounds) {
  // Five wells off a row: two across the flow at each end, one between.
  SiteData site;
  site.wells = {{"A", 0, -10}, {"B", 0, 10}, {"C", 50, 0}, {"D", 100, -10}, {"E", 100, 10}};
  const std::string first = SiteDateText(19000), later = SiteDateText(19010), second = SiteDateText(19100);
  // Round one: C = 100 - 0.9 s, B in mg/L and sampled ten days later.
  for (const SiteWell& w : site.wells) {
    const double c = 100.0 - 0.9 * w.s;
    if (w.name == "B")
      site.samples.push_back({"B", later, "Benzene", c / 1000.0, kUnitMgL, false});
    else
      site.samples.push_back({w.name, first, "Benzene", c, kUnitUgL, false});
    // Round two: half of it, with E below its reporting limit of 5 ug/L.
    site.samples.push_back({w.name, second, "Benzene", 0.5 * c, kUnitUgL, w.name == "E"});
  }
  PlumeMassOptions options;
  options.porosity = kNe;
  options.thickness = kB;
  const PlumeMassResult r = PlumeMassOf(site, "Benzene", options);
  EXPECT_EQ(r.estimator, "delaunay");
  ASSERT_EQ(r.rounds.size(), 2u);
  EXPECT_EQ(r.rounds[0].date, first);
  // Over the hull (100 m by 20 m): int C dA = 20 (100 * 100 - 0.45 * 100^2).
  const double linear = 20.0 * (10000.0 - 4500.0), scale = kNe * kB * 1e-6;
  EXPECT_NEAR(r.rounds[0].moments.mass, scale * linear, 1e-12);
  EXPECT_NEAR(r.rounds[0].moments.massUpper, scale * linear, 1e-12);
  EXPECT_NEAR(r.rounds[0].moments.centreY, 0.0, 1e-9);
  // E's 5 ug/L counts in the upper bound only; E's triangles BCE and CDE
  // (500 m2 each) lose the third of 5 ug/L over 1000 m2.
  EXPECT_NEAR(r.rounds[1].moments.massUpper, scale * 0.5 * linear, 1e-12);
  EXPECT_NEAR(r.rounds[1].moments.mass, scale * (0.5 * linear - 5.0 * 1000.0 / 3.0), 1e-12);
  EXPECT_LT(r.rounds[1].moments.centreY, 0.0);  // the missing corner pulls the centre to the other side
}

TEST(PlumeMass, LightFollowsMassAndCentreOfMass) {
  PlumeMassOptions options;
  options.porosity = kNe;
  // Rising mass: red; a standing plume: yellow; three rounds: no light.
  const PlumeMassResult rising =
      PlumeMassOf(RowSite({{0, 10, 5, 1}, {0, 20, 9, 2}, {0, 30, 12, 3}, {0, 40, 20, 4}, {0, 50, 22, 5}}),
                  "Benzene", options);
  EXPECT_EQ(rising.light, PlumeLight::kRed);
  EXPECT_TRUE(rising.perMetreThickness);
  EXPECT_TRUE(std::isnan(rising.halfLife));
  const PlumeMassResult standing =
      PlumeMassOf(RowSite({{0, 10, 5, 1}, {0, 11, 5, 1}, {0, 10, 5, 1}, {0, 11, 5, 1}, {0, 10, 5, 1}}),
                  "Benzene", options);
  EXPECT_EQ(standing.light, PlumeLight::kYellow);
  // The mass falls but moves downstream: the plume is not stable.
  const PlumeMassResult moving =
      PlumeMassOf(RowSite({{0, 100, 10, 1}, {0, 60, 20, 4}, {0, 30, 25, 8}, {0, 10, 20, 12}, {0, 2, 10, 14}}),
                  "Benzene", options);
  EXPECT_EQ(moving.mass.mannKendall.trend, TrendClass::kDecreasing);
  EXPECT_EQ(moving.light, PlumeLight::kRed);
  const PlumeMassResult few =
      PlumeMassOf(RowSite({{0, 10, 5, 1}, {0, 9, 5, 1}, {0, 8, 5, 1}}), "Benzene", options);
  EXPECT_EQ(few.light, PlumeLight::kNone);
  EXPECT_EQ(few.rounds.size(), 3u);
  options.porosity = NAN;
  EXPECT_TRUE(PlumeMassOf(RowSite({{0, 10, 5, 1}}), "Benzene", options).estimator.empty());
}

}  // namespace
