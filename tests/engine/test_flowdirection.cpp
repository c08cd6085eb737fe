// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/flowdirection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/site/flowfield.h"
#include "engine/site/sitefit.h"

namespace {

const double kSourceE = 512000.0, kSourceN = 5702000.0;

// A well at `distance` metres from the source point on the bearing `azimuth`.
SiteWell WellAt(const std::string& name, double azimuth, double distance) {
  const double t = azimuth * std::numbers::pi / 180.0;
  SiteWell w;
  w.name = name;
  w.mapped = true;
  w.easting = kSourceE + distance * std::sin(t);
  w.northing = kSourceN + distance * std::cos(t);
  return w;
}

void Add(SiteData* site, const std::string& well, const std::string& analyte, double value,
         const char* unit = kUnitUgL, bool nd = false, const std::string& date = "2024-05-02") {
  site->samples.push_back({well, date, analyte, value, unit, nd});
}

}  // namespace

TEST(AzimuthSpread, CircularMeanAndSpreadAcrossNorth) {
  AzimuthSpread spread;
  // 350, 10 and 20: the mean lies near 6.7 deg, not at 126.7 (the plain mean).
  ASSERT_TRUE(SummarizeAzimuths({350.0, 10.0, 20.0}, &spread));
  // Reference: atan2(sum sin, sum cos) and sqrt(-2 ln R) computed in Python
  // (math module) from the same three angles.
  EXPECT_NEAR(spread.mean, 6.70495327058324, 1e-9);
  EXPECT_NEAR(spread.resultant, 0.9764477317276757, 1e-12);
  EXPECT_NEAR(spread.circularSd, 12.509403755030824, 1e-8);
  EXPECT_EQ(spread.n, 3);
  EXPECT_DOUBLE_EQ(spread.first, 350.0);
  EXPECT_DOUBLE_EQ(spread.last, 20.0);
  EXPECT_DOUBLE_EQ(spread.arc, 30.0);
  // Agreeing dates have no spread; one date or opposite ones no mean.
  ASSERT_TRUE(SummarizeAzimuths({244.0, 244.0}, &spread));
  EXPECT_NEAR(spread.mean, 244.0, 1e-9);
  EXPECT_NEAR(spread.circularSd, 0.0, 1e-6);
  EXPECT_FALSE(SummarizeAzimuths({244.0}, &spread));
  EXPECT_FALSE(SummarizeAzimuths({90.0, 270.0}, &spread));
}

TEST(AzimuthSpread, OverTheDatesWhoseHeadsFitAPlane) {
  SiteData site;
  for (int k = 0; k < 4; ++k)
    site.wells.push_back(WellAt("MW" + std::to_string(k + 1), 90.0 * k + 20.0, 50.0));
  // Three dates, the heads falling towards 350, 10 and 20 deg; a fourth
  // date with level heads gives no azimuth and is left out.
  const std::pair<const char*, double> dates[] = {
      {"2023-01-10", 350.0}, {"2023-06-10", 10.0}, {"2024-01-10", 20.0}};
  for (const auto& [date, azimuth] : dates) {
    const double t = azimuth * std::numbers::pi / 180.0;
    for (const SiteWell& w : site.wells)
      Add(&site, w.name, kIndicatorHead,
          50.0 - 0.004 * (std::sin(t) * (w.easting - kSourceE) + std::cos(t) * (w.northing - kSourceN)),
          kUnitM, false, date);
  }
  for (const SiteWell& w : site.wells) Add(&site, w.name, kIndicatorHead, 48.0, kUnitM, false, "2024-06-10");
  AzimuthSpread spread;
  ASSERT_TRUE(SummarizeFlowDates(site, &spread));
  EXPECT_EQ(spread.n, 3);
  EXPECT_NEAR(spread.mean, 6.70495327058324, 1e-7);
}

TEST(PlumeAxis, ConcentrationWeightedBearingFromTheSource) {
  SiteData site;
  site.map.hasSource = true;
  site.map.sourceEasting = kSourceE, site.map.sourceNorthing = kSourceN;
  site.wells = {WellAt("PB1", 200.0, 30.0), WellAt("PB2", 220.0, 80.0), WellAt("PB3", 260.0, 60.0),
                WellAt("BG", 20.0, 40.0), WellAt("SRC", 0.0, 0.0)};
  Add(&site, "PB1", "TCE", 900.0);
  Add(&site, "PB1", "TCE", 700.0, kUnitUgL, false, "2024-08-02");  // PB1 weighs 800 ug/L
  Add(&site, "PB2", "TCE", 0.3, kUnitMgL);                         // 300 ug/L
  Add(&site, "PB3", "TCE", 100.0);
  Add(&site, "PB3", "TCE", 5.0, kUnitUgL, true, "2024-08-02");  // a non-detect weighs 0: PB3 50
  Add(&site, "BG", "TCE", 1.0, kUnitUgL, true);                 // never detected: no pull
  Add(&site, "SRC", "TCE", 5000.0);                             // at the source: no bearing
  PlumeAxis axis;
  std::string why;
  ASSERT_TRUE(FitPlumeAxis(site, "TCE", &axis, &why)) << why;
  // Reference: atan2(sum w sin b, sum w cos b) with w = 800, 300, 50 and
  // b = 200, 220, 260 deg, computed in Python (math module).
  EXPECT_NEAR(axis.azimuth, 207.50916528105031, 1e-9);
  EXPECT_NEAR(axis.resultant, 0.9708545886696285, 1e-12);
  EXPECT_EQ(axis.wells, 3);
  EXPECT_EQ(PlumeAxisOriginText(axis),
            "plume axis of TCE through 3 wells (concentration-weighted mean bearing from the source point)");

  // Refusals: no source point; one well; wells that cancel.
  SiteData none = site;
  none.map.hasSource = false;
  EXPECT_FALSE(FitPlumeAxis(none, "TCE", &axis, &why));
  EXPECT_NE(why.find("source point"), std::string::npos) << why;
  EXPECT_FALSE(FitPlumeAxis(site, "Benzene", &axis, &why));
  EXPECT_NE(why.find("two or more"), std::string::npos) << why;
  SiteData even = site;
  even.samples.clear();
  even.wells = {WellAt("A", 90.0, 10.0), WellAt("B", 270.0, 20.0)};
  Add(&even, "A", "TCE", 10.0);
  Add(&even, "B", "TCE", 10.0);
  EXPECT_FALSE(FitPlumeAxis(even, "TCE", &axis, &why));
  EXPECT_NE(why.find("evenly"), std::string::npos) << why;

  // The analytes offered: detected at two or more mapped wells, most first;
  // heads and indicators are no plume.
  Add(&site, "PB1", "Benzene", 3.0);
  Add(&site, "PB2", "Benzene", 3.0);
  Add(&site, "PB1", kIndicatorSulfate, 30.0, kUnitMgL);
  Add(&site, "PB2", kIndicatorSulfate, 30.0, kUnitMgL);
  EXPECT_EQ(PlumeAxisAnalytes(site), (std::vector<std::string>{"TCE", "Benzene"}));
}

TEST(PlumeAxis, WellsOffTheCentreLineNameTheOtherDirection) {
  // The plume runs towards 180 deg; the heads, applied as the direction,
  // say 244 deg, which throws PB3 far off the centre line.
  SiteData site;
  site.map.hasSource = true;
  site.map.sourceEasting = kSourceE, site.map.sourceNorthing = kSourceN;
  site.wells = {WellAt("PB1", 180.0, 20.0), WellAt("PB2", 180.0, 50.0), WellAt("PB3", 180.0, 90.0),
                WellAt("MW4", 90.0, 40.0)};
  const double t = 244.0 * std::numbers::pi / 180.0;
  for (const SiteWell& w : site.wells)
    Add(&site, w.name, kIndicatorHead,
        50.0 - 0.004 * (std::sin(t) * (w.easting - kSourceE) + std::cos(t) * (w.northing - kSourceN)),
        kUnitM);
  Add(&site, "PB1", "TCE", 800.0);
  Add(&site, "PB2", "TCE", 300.0);
  Add(&site, "PB3", "TCE", 60.0);
  FlowFieldFit fit;
  std::string why;
  ASSERT_TRUE(FitFlowField(HeadsOn(site, "2024-05-02"), &fit, &why)) << why;
  site.map.hasAzimuth = true;
  site.map.flowAzimuth = fit.azimuth;
  site.map.azimuthOrigin = {fit.azimuth,
                            "heads of 2024-05-02 at 4 wells (least-squares plane, rms residual 0 m)"};
  ASSERT_TRUE(DeriveWellOffsets(&site));
  SiteFitOptions options;
  options.sourceHalfWidth = 10.0;
  options.date = "2024-05-02";
  const DistanceFit decay = FitDistance(site, "TCE", options);
  ASSERT_FALSE(decay.warnings.empty());
  EXPECT_NE(decay.warnings[0].find("Well PB1 lies 17.98 m off the centre line"), std::string::npos)
      << decay.warnings[0];
  EXPECT_NE(decay.warnings[0].find("(244\xb0) places the wells and may be the cause: the plume axis of TCE "
                                   "(180\xb0) would place them otherwise"),
            std::string::npos)
      << decay.warnings[0];

  // Placed by the plume axis, the heads' azimuth is the alternative; typed
  // by hand, both are.
  site.map.flowAzimuth = 200.0;
  site.map.azimuthOrigin = {200.0, "plume axis of TCE through 3 wells"};
  EXPECT_EQ(OtherFlowDirections(site, "TCE"), "the heads' azimuth of 2024-05-02 (244\xb0)");
  site.map.azimuthOrigin = {};
  EXPECT_EQ(OtherFlowDirections(site, "TCE"),
            "the heads' azimuth of 2024-05-02 (244\xb0) or the plume axis of TCE (180\xb0)");
  // A direction the map holds already is no alternative.
  site.map.flowAzimuth = 180.0;
  EXPECT_EQ(OtherFlowDirections(site, "TCE"), "the heads' azimuth of 2024-05-02 (244\xb0)");
}
