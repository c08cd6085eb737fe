// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/projects.h"

namespace {

constexpr int kBenzene = 0;                                   // in examples/petrol-station.vrp
constexpr int kTba = 5;                                       // a contaminant the wells hold no samples of
const AssessmentRange kRange03 = kAssessmentRanges[0].range;  // 0.3 .. 2
const AssessmentRange kRange02 = kAssessmentRanges[3].range;  // 0.2 .. 5
const AssessmentRange kRange01 = kAssessmentRanges[2].range;  // 0.1 .. 10

// The petrol station's benzene on its latest round, 2023-12-12, at the five
// wells in the fit (MW6 upstream is not detected): s = 0, 25, 50, 80, 120 m,
// y = 0, 1.5, -2, 3, -1 m, 1760, 772, 455, 188, 45.2 ug/L. The references
// below were computed once with mpmath (mp.dps = 30): least squares of ln C
// on s; the 90 % interval with Student's t for 3 degrees of freedom
// (2.3533634348); the ends turned about the centroid (mean s, mean ln C);
// x = 300 m. The models at each well with C0 2400, v 0.08 m/d, ax 10, ay 1,
// az 0.1 m, Sy 10, Sz 3 m: the screening formula, and the exact value by
//   s/(2 sqrt(pi ax v)) quad(f, [0] + linspace(T/8, 4T, 161) + [inf]),
//   f(tau) = tau^-1.5 exp(-lam tau - (s - v tau)^2/(4 ax v tau))
//            (erf((|y|+Sy)/d) - erf((|y|-Sy)/d))/2 erf(Sz/(2 sqrt(az v tau))),
//   d = 2 sqrt(ay v tau), T = s / v / sqrt(1 + 4 ax lam / v).
constexpr double kSlope = -0.029824711786595239, kSlopeLow = -0.033106289479339669,
                 kSlopeHigh = -0.026543134093850810;
constexpr double kAtReceptor = 0.23478704518464687;  // ug/L
constexpr double kAtSteeper = 0.10507689105052536, kAtFlatter = 0.52461541291729908;

struct WellExpected {
  const char* name;
  double s, y, measured, screening, exact;  // ug/L
};

void ExpectWells(const WellsEvidence& e, const std::vector<WellExpected>& want) {
  ASSERT_EQ(e.wells.size(), want.size());
  for (size_t k = 0; k < want.size(); ++k) {
    const WellComparison& w = e.wells[k];
    const WellExpected& x = want[k];
    EXPECT_EQ(w.well, x.name);
    EXPECT_EQ(w.s, x.s) << x.name;
    EXPECT_EQ(w.y, x.y) << x.name;
    EXPECT_DOUBLE_EQ(w.measured, x.measured) << x.name;
    EXPECT_NEAR(w.screening, x.screening, 1e-9 * x.screening) << x.name;
    EXPECT_NEAR(w.exact, x.exact, 1e-8 * x.exact) << x.name;
  }
}

TEST(WellsEvidence, ExtrapolatesTheDistanceFitToTheReceptor) {
  ProjectHandle petrol = LoadExample("petrol-station.vrp");
  ASSERT_NE(petrol.get(), nullptr);
  const WellsEvidence e = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Screening);
  ASSERT_TRUE(e.hasFit);
  ASSERT_TRUE(e.hasClass);
  EXPECT_TRUE(e.warnings.empty());
  EXPECT_EQ(e.date, "2023-12-12");
  EXPECT_EQ(e.levelPercent, kWellsLevelPercent);
  EXPECT_NEAR(e.slope, kSlope, 1e-14);
  EXPECT_NEAR(e.slopeLow, kSlopeLow, 1e-12);
  EXPECT_NEAR(e.slopeHigh, kSlopeHigh, 1e-12);
  EXPECT_NEAR(e.concentration, kAtReceptor, 1e-11 * kAtReceptor);
  // The steeper end of the slope gives the lower concentration beyond the
  // wells, and so the better class.
  EXPECT_NEAR(e.concentrationLow, kAtSteeper, 1e-10 * kAtSteeper);
  EXPECT_NEAR(e.concentrationHigh, kAtFlatter, 1e-10 * kAtFlatter);
  // CA is 1 ug/L: ratios 0.105, 0.235 and 0.525.
  EXPECT_EQ(e.clsAtLow, AssessmentClass::Green);
  EXPECT_EQ(e.cls, AssessmentClass::Green);
  EXPECT_EQ(e.clsAtHigh, AssessmentClass::Yellow);
  const WellsEvidence e02 = WellsEvidenceOf(*petrol, kBenzene, kRange02, VerdictBasis::Screening);
  EXPECT_EQ(e02.clsAtLow, AssessmentClass::Green);
  EXPECT_EQ(e02.cls, AssessmentClass::Yellow);
  EXPECT_EQ(e02.clsAtHigh, AssessmentClass::Yellow);
  const WellsEvidence e01 = WellsEvidenceOf(*petrol, kBenzene, kRange01, VerdictBasis::Screening);
  EXPECT_EQ(e01.clsAtLow, AssessmentClass::Yellow);
  EXPECT_EQ(e01.cls, AssessmentClass::Yellow);

  // Every well with a detected value on the fit's date, with that date's
  // value (MW4 had 161 in June), in the order of the site's wells.
  ASSERT_NO_FATAL_FAILURE(ExpectWells(e, {{"MW1", 0, 0, 1760, 2400, 2400},
                                          {"MW2", 25, 1.5, 772, 999.8157456, 1193.81306},
                                          {"MW3", 50, -2, 455, 394.2455445, 532.5574466},
                                          {"MW4", 80, 3, 188, 150.0576539, 210.0308567},
                                          {"MW5", 120, -1, 45.2, 49.1912076, 70.3354046}}));
  for (const WellComparison& w : e.wells) {
    EXPECT_TRUE(w.inFit) << w.well;
    EXPECT_FALSE(w.underpredicted) << w.well;
  }
  EXPECT_FALSE(e.underpredicts);
  EXPECT_NEAR(e.wells[3].factor, 188 / 150.0576539, 1e-9);
}

TEST(WellsEvidence, MtbeOutrunsTheModelsAndIsYellowByTheWells) {
  // MTBE on the same round: 781, 562, 335, 254, 191 ug/L; C0 900, CA 15,
  // lambda 0.0021 1/d; references as above (mpmath).
  ProjectHandle petrol = LoadExample("petrol-station.vrp");
  ASSERT_NE(petrol.get(), nullptr);
  const int mtbe = 4;
  const WellsEvidence e = WellsEvidenceOf(*petrol, mtbe, kRange03, VerdictBasis::Worse);
  ASSERT_TRUE(e.hasClass);
  EXPECT_NEAR(e.slope, -0.011990478624843686, 1e-14);
  EXPECT_NEAR(e.concentration, 19.717287366601414, 1e-11 * 19.7);
  EXPECT_NEAR(e.concentrationLow, 8.5084596941365754, 1e-10 * 8.5);
  EXPECT_NEAR(e.concentrationHigh, 45.692338575106998, 1e-10 * 45.7);
  // Ratios to CA 0.567, 1.31 and 3.05: above CA is never Green.
  EXPECT_EQ(e.clsAtLow, AssessmentClass::Yellow);
  EXPECT_EQ(e.cls, AssessmentClass::Yellow);
  EXPECT_EQ(e.clsAtHigh, AssessmentClass::Red);
  ASSERT_NO_FATAL_FAILURE(ExpectWells(e, {{"MW1", 0, 0, 781, 900, 900},
                                          {"MW2", 25, 1.5, 562, 358.6404401, 430.9748625},
                                          {"MW3", 50, -2, 335, 135.2739276, 184.8856479},
                                          {"MW4", 80, 3, 254, 48.81520089, 69.37329477},
                                          {"MW5", 120, -1, 191, 14.90449424, 21.70392715}}));
  // Beyond twice the larger model at MW4 (3.66) and MW5 (8.80), not at MW3
  // (1.81; 2.48 against the screening value alone).
  std::vector<bool> marked;
  for (const WellComparison& w : e.wells) marked.push_back(w.underpredicted);
  EXPECT_EQ(marked, (std::vector<bool>{false, false, false, true, true}));
  EXPECT_NEAR(e.wells[3].factor, 254 / 69.37329477, 1e-8);
  EXPECT_TRUE(e.underpredicts);
}

TEST(WellsEvidence, MarksTheWellsTheModelUnderpredictsUnderTheBasis) {
  ProjectHandle petrol = LoadExample("petrol-station.vrp");
  ASSERT_NE(petrol.get(), nullptr);
  // A faster decay through the selected constant (the "unknown" one here)
  // sets the models well beneath the wells; the fit does not change.
  Contaminant& benzene = petrol->contaminants[kBenzene];
  ASSERT_EQ(benzene.lambdaSelected, kLambdaUnknown);
  virelo_SetLambda(&benzene, kLambdaUnknown, 0.004);
  const std::vector<WellExpected> want = {{"MW1", 0, 0, 1760, 2400, 2400},
                                          {"MW2", 25, 1.5, 772, 657.0852085, 826.5832161},
                                          {"MW3", 50, -2, 455, 170.2825841, 253.6838952},
                                          {"MW4", 80, 3, 188, 39.165498, 62.32921339},
                                          {"MW5", 120, -1, 45.2, 6.559273435, 10.95190857}};
  auto marked = [](const WellsEvidence& e) {
    std::vector<std::string> names;
    for (const WellComparison& w : e.wells)
      if (w.underpredicted) names.push_back(w.well);
    return names;
  };
  const WellsEvidence screening = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Screening);
  ASSERT_NO_FATAL_FAILURE(ExpectWells(screening, want));
  // MW3: 455 against 170 screening (2.67) but 254 exact (1.79).
  EXPECT_EQ(marked(screening), (std::vector<std::string>{"MW3", "MW4", "MW5"}));
  EXPECT_TRUE(screening.underpredicts);
  EXPECT_NEAR(screening.wells[2].factor, 455 / 170.2825841, 1e-8);
  const WellsEvidence exact = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Exact);
  EXPECT_EQ(marked(exact), (std::vector<std::string>{"MW4", "MW5"}));
  ASSERT_EQ(exact.wells.size(), 5u);
  EXPECT_NEAR(exact.wells[2].factor, 455 / 253.6838952, 1e-8);
  // The worse basis divides by the larger model value, here the exact one.
  const WellsEvidence worse = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Worse);
  EXPECT_EQ(marked(worse), (std::vector<std::string>{"MW4", "MW5"}));
  ASSERT_EQ(worse.wells.size(), 5u);
  EXPECT_NEAR(worse.wells[3].factor, 188 / 62.32921339, 1e-8);
  EXPECT_EQ(worse.cls, screening.cls);  // the wells' class knows no model

  // A well left out of the fit is still compared, but not marked.
  virelo_Extras(petrol.get()).site.wells[4].inFit = false;
  const WellsEvidence without = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Screening);
  ASSERT_EQ(without.wells.size(), 5u);
  EXPECT_FALSE(without.wells[4].inFit);
  EXPECT_GT(without.wells[4].factor, kUnderpredictionFactor);
  EXPECT_FALSE(without.wells[4].underpredicted);
  EXPECT_EQ(marked(without), (std::vector<std::string>{"MW3", "MW4"}));
  EXPECT_NE(without.slope, screening.slope);  // four wells in the fit now

  // Without the inputs the models need, no model values and no marks; the
  // wells' own class stands.
  Aquifer& aquifer = petrol->aquifer;
  aquifer.setMask = static_cast<uint16_t>(aquifer.setMask & ~kAquiferAz);
  const WellsEvidence unmodelled = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Worse);
  EXPECT_TRUE(unmodelled.hasClass);
  ASSERT_EQ(unmodelled.wells.size(), 5u);
  for (const WellComparison& w : unmodelled.wells) {
    EXPECT_TRUE(std::isnan(w.screening) && std::isnan(w.exact) && std::isnan(w.factor)) << w.well;
    EXPECT_FALSE(w.underpredicted) << w.well;
  }
  EXPECT_FALSE(unmodelled.underpredicts);
  aquifer.setMask = static_cast<uint16_t>(aquifer.setMask | kAquiferAz);
  virelo_ClearContaminantValue(&benzene, kValueC0);
  const WellsEvidence noC0 = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Screening);
  ASSERT_EQ(noC0.wells.size(), 5u);
  EXPECT_TRUE(std::isnan(noC0.wells[3].screening));
  EXPECT_FALSE(noC0.underpredicts);
}

TEST(WellsEvidence, ProjectUnitAndFitWarnings) {
  ProjectHandle petrol = LoadExample("petrol-station.vrp");
  ASSERT_NE(petrol.get(), nullptr);
  ProjectSettings& settings = virelo_Extras(petrol.get()).settings;

  // In mg/L the same numbers are C0 2400 and CA 1 mg/L: the wells, in ug/L,
  // lie a thousand times beneath them.
  settings.concentrationUnit = "mg/L";
  const WellsEvidence mg = WellsEvidenceOf(*petrol, kBenzene, kRange01, VerdictBasis::Screening);
  ASSERT_TRUE(mg.hasClass);
  EXPECT_NEAR(mg.concentration, kAtReceptor / 1000, 1e-11 * kAtReceptor / 1000);
  EXPECT_NEAR(mg.concentrationHigh, kAtFlatter / 1000, 1e-10 * kAtFlatter / 1000);
  EXPECT_EQ(mg.cls, AssessmentClass::Green);  // Yellow in ug/L under this range
  ASSERT_EQ(mg.wells.size(), 5u);
  EXPECT_DOUBLE_EQ(mg.wells[3].measured, 0.188);
  EXPECT_NEAR(mg.wells[3].screening, 150.0576539, 1e-6);
  EXPECT_NEAR(mg.wells[3].factor, 0.188 / 150.0576539, 1e-12);

  // A unit the site tables do not know gives no class, and says why.
  settings.concentrationUnit = "ppb";
  const WellsEvidence unknown = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Screening);
  EXPECT_TRUE(unknown.hasFit);
  EXPECT_FALSE(unknown.hasClass);
  EXPECT_EQ(unknown.cls, AssessmentClass::Problems);
  EXPECT_TRUE(std::isnan(unknown.concentration));
  ASSERT_EQ(unknown.warnings.size(), 1u);
  EXPECT_NE(unknown.warnings[0].find("unit"), std::string::npos);
  ASSERT_EQ(unknown.wells.size(), 5u);
  EXPECT_TRUE(std::isnan(unknown.wells[3].measured));
  EXPECT_FALSE(unknown.underpredicts);
  settings.concentrationUnit = "\xC2\xB5g/L";  // the default, as the project holds it

  // A receptor nearer than the farthest well: the fit warns, and a fit with
  // warnings gives no class but keeps them.
  petrol->aquifer.distanceX = 100.0;
  const WellsEvidence warned = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Screening);
  EXPECT_TRUE(warned.hasFit);
  EXPECT_FALSE(warned.hasClass);
  EXPECT_EQ(warned.cls, AssessmentClass::Problems);
  EXPECT_TRUE(std::isnan(warned.concentration));
  ASSERT_EQ(warned.warnings.size(), 1u);
  EXPECT_NE(warned.warnings[0].find("MW5"), std::string::npos);
  EXPECT_NEAR(warned.slope, kSlope, 1e-14);
  EXPECT_EQ(warned.wells.size(), 5u);
  petrol->aquifer.distanceX = 300.0;

  // No CA, no class.
  virelo_ClearContaminantValue(&petrol->contaminants[kBenzene], kValueCa);
  const WellsEvidence noCa = WellsEvidenceOf(*petrol, kBenzene, kRange03, VerdictBasis::Screening);
  EXPECT_TRUE(noCa.hasFit);
  EXPECT_FALSE(noCa.hasClass);
  EXPECT_EQ(noCa.cls, AssessmentClass::Problems);
}

TEST(WellsEvidence, NoSiteDataNoEvidence) {
  ProjectHandle petrol = LoadExample("petrol-station.vrp");
  ASSERT_NE(petrol.get(), nullptr);
  for (int index : {kTba, -1, static_cast<int>(petrol->contaminantCount)}) {
    const WellsEvidence e = WellsEvidenceOf(*petrol, index, kRange03, VerdictBasis::Worse);
    EXPECT_FALSE(e.hasFit) << index;
    EXPECT_FALSE(e.hasClass) << index;
    EXPECT_TRUE(e.wells.empty()) << index;
    EXPECT_TRUE(e.warnings.empty()) << index;
  }
  // Benzene in a project without any site data.
  ProjectHandle worked = LoadExample("worked-example.vrp");
  ASSERT_NE(worked.get(), nullptr);
  EXPECT_FALSE(WellsEvidenceOf(*worked, 0, kRange03, VerdictBasis::Screening).hasFit);
  // Samples of benzene only at wells the table does not hold: the fit finds
  // nothing and says so.
  SiteData& site = virelo_Extras(worked.get()).site;
  site.samples.push_back({"MW9", "2023-12-12", "Benzene", 10.0, "ug/L", false});
  const WellsEvidence stray = WellsEvidenceOf(*worked, 0, kRange03, VerdictBasis::Screening);
  EXPECT_TRUE(stray.hasFit);
  EXPECT_FALSE(stray.hasClass);
  EXPECT_FALSE(stray.warnings.empty());
  EXPECT_TRUE(stray.wells.empty());
}

}  // namespace
