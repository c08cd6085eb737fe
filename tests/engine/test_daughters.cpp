// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A chain species judged by its chain: a daughter formed in the plume gets
// the chain's verdict whatever its own C0 and decay constant, the wells are
// held against the chain beside the centre line, and the remedial target
// follows whatever decides the verdict.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/exactseries.h"
#include "engine/core/verdict.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/verdicttarget.h"
#include "engine/project/extras.h"
#include "engine/time/timeinputs.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/chain_aquifer.h"

namespace {

const std::string kDryCleaner = std::string(VIRELO_SOURCE_DIR) + "/examples/dry-cleaner.vrp";

struct Dry {
  Project* project = virelo_LoadProject(kDryCleaner.c_str(), "rb");
  ~Dry() { virelo_FreeProject(project); }
  int Index(const char* name) const {
    for (int k = 0; k < project->contaminantCount; ++k)
      if (std::strcmp(project->contaminants[k].name, name) == 0) return k;
    return -1;
  }
  Contaminant& Vc() { return project->contaminants[Index("Vinyl chloride")]; }
  void Calculate() {
    virelo_FreeResults(project);
    virelo_math_CalcAll(project);
    virelo_math_CalcExactAll(project, 1);
  }
  const ContaminantResult* ResultOf(int index) const {
    for (int k = 0; k < project->resultCount; ++k)
      if (project->results[k].contaminantIndex == index) return &project->results[k];
    return nullptr;
  }
  // The species' concentration at the receptor in chain `k`, under the basis.
  double AtReceptor(size_t k, int index, VerdictBasis basis) const {
    ResolvedChain chain;
    EXPECT_TRUE(ResolveChain(*project, virelo_ExtrasOf(*project).chains.at(k), &chain).empty());
    std::vector<double> s(chain.names.size()), e(chain.names.size());
    const double x = project->aquifer.distanceX;
    ChainConcentrations(project->aquifer, chain, ChainModel::Screening, x, s.data());
    ChainConcentrations(project->aquifer, chain, ChainModel::Exact, x, e.data());
    for (size_t i = 0; i < chain.names.size(); ++i)
      if (chain.contaminantIndex[i] == index)
        return basis == VerdictBasis::Screening ? s[i]
               : basis == VerdictBasis::Exact   ? e[i]
                                                : std::max(s[i], e[i]);
    return NAN;
  }
};

void SetSelectedLambda(Contaminant& c, double value) {
  *virelo_LambdaField(&c, c.lambdaSelected) = value;
}

void AddWells(Project* project, const char* analyte, const std::vector<std::array<double, 3>>& wells) {
  SiteData& site = virelo_Extras(project).site;
  int n = static_cast<int>(site.wells.size());
  for (const auto& [s, y, value] : wells) {
    SiteWell well;
    well.name = "W" + std::to_string(++n);
    well.s = s;
    well.y = y;
    site.wells.push_back(well);
    site.samples.push_back({well.name, "2024-05-02", analyte, value, "ug/L", false});
  }
}

// Vinyl chloride with a C0 below its CA, without one, or without decay has
// problems alone; its chain still carries PCE's mass to the receptor, far
// above its CA, and that is its verdict under every basis.
TEST(DaughterVerdict, ADaughterWithoutAModelOfItsOwnTakesItsChainsVerdict) {
  const struct {
    const char* label;
    void (*change)(Contaminant&);
  } cases[] = {
      {"C0 0.3 below CA", [](Contaminant& c) { virelo_SetContaminantValue(&c, kValueC0, 0.3); }},
      {"C0 unset", [](Contaminant& c) { virelo_ClearContaminantValue(&c, kValueC0); }},
      {"lambda 0", [](Contaminant& c) { SetSelectedLambda(c, 0.0); }},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    Dry dry;
    ASSERT_NE(dry.project, nullptr);
    const int vc = dry.Index("Vinyl chloride");
    test.change(dry.Vc());
    dry.Calculate();
    const ContaminantResult* r = dry.ResultOf(vc);
    ASSERT_NE(r, nullptr);
    ASSERT_TRUE(HasAttenuationFactorProblems(*r));
    for (VerdictBasis basis : {VerdictBasis::Screening, VerdictBasis::Exact, VerdictBasis::Worse}) {
      VerdictOptions options = VerdictOptionsOf(*dry.project);
      options.basis = basis;
      const RowVerdict v = VerdictOfResult(*dry.project, *r, false, options);
      EXPECT_FALSE(v.models.singleSpecies);
      EXPECT_EQ(v.models.screeningClass, AssessmentClass::Problems);
      ASSERT_TRUE(v.models.inChain);
      EXPECT_EQ(v.models.chainIndex, 0);
      EXPECT_DOUBLE_EQ(v.models.chainValue, dry.AtReceptor(0, vc, basis));
      EXPECT_EQ(v.verdict, AssessmentClass::Red);
      EXPECT_EQ(VerdictReasonWords(v.reasons), "chain");
      // Its target is its share of the chain's sources scaled alike: 0 for
      // a species with no source, C0 CA / C_chain(x) otherwise.
      const VerdictTarget target = TargetOfVerdict(dry.Vc(), *r, v, basis);
      EXPECT_EQ(target.origin, TargetOrigin::Chain);
      const double c0 = (dry.Vc().valueMask & kValueC0) ? dry.Vc().c0 : 0.0;
      EXPECT_DOUBLE_EQ(target.value, c0 * dry.Vc().ca / v.models.chainValue);
      // The plume length's row has the chain's plug flow as its verdict.
      const RowVerdict pl = VerdictOfResult(*dry.project, *r, true, options);
      EXPECT_FALSE(pl.models.singleSpecies);
      EXPECT_TRUE(pl.models.inChain);
      EXPECT_NE(pl.verdict, AssessmentClass::Problems);
      EXPECT_EQ(TargetOfVerdict(dry.Vc(), *r, pl, basis).origin, TargetOrigin::None);
    }
    // ProjectVerdicts gives the row in its place, as the faces read it.
    bool found = false;
    for (const RowVerdict& v : ProjectVerdicts(*dry.project, VerdictOptionsOf(*dry.project)))
      if (v.contaminantIndex == vc && !v.plumeLength) found = v.verdict == AssessmentClass::Red;
    EXPECT_TRUE(found);
  }
}

// What still withholds a verdict: an aquifer with problems, a chain that
// cannot be computed (no decay constant selected), and a contaminant with
// problems that stands in no chain.
TEST(DaughterVerdict, ProblemsTheChainCannotAnswerKeepTheRowWithoutVerdict) {
  Dry dry;
  ASSERT_NE(dry.project, nullptr);
  const int vc = dry.Index("Vinyl chloride");
  virelo_ClearContaminantValue(&dry.Vc(), kValueC0);
  dry.Vc().lambdaSelected = 0;
  dry.Calculate();
  ASSERT_NE(dry.ResultOf(vc), nullptr);
  EXPECT_EQ(VerdictOfResult(*dry.project, *dry.ResultOf(vc), false, VerdictOptionsOf(*dry.project)).verdict,
            AssessmentClass::Problems);

  // A contaminant of no chain: benzene, assessed for the test.
  Dry alone;
  const int benzene = alone.Index("Benzene");
  ASSERT_GE(benzene, 0);
  alone.project->contaminants[benzene].assess = kAssessAttenuationFactor;
  virelo_ClearContaminantValue(&alone.project->contaminants[benzene], kValueC0);
  alone.Calculate();
  ASSERT_NE(alone.ResultOf(benzene), nullptr);
  EXPECT_EQ(VerdictOfResult(*alone.project, *alone.ResultOf(benzene), false, VerdictOptionsOf(*alone.project))
                .verdict,
            AssessmentClass::Problems);

  Dry dryAquifer;
  virelo_ClearContaminantValue(&dryAquifer.Vc(), kValueC0);
  dryAquifer.project->aquifer.setMask =
      static_cast<uint16_t>(dryAquifer.project->aquifer.setMask & ~kAquiferAx);
  dryAquifer.Calculate();
  const ContaminantResult* r = dryAquifer.ResultOf(dryAquifer.Index("Vinyl chloride"));
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(VerdictOfResult(*dryAquifer.project, *r, false, VerdictOptionsOf(*dryAquifer.project)).verdict,
            AssessmentClass::Problems);
}

// Vinyl chloride in two chains: the verdict cites the chain that brings the
// more to the receptor, with that chain's value; the target and the wells
// follow the same chain. The second chain starts at cis-DCE with the
// example's own cis-DCE source only, so it brings less.
TEST(DaughterVerdict, OneContaminantInTwoChainsCitesTheWorseChain) {
  for (bool secondFirst : {false, true}) {
    SCOPED_TRACE(secondFirst ? "short chain listed first" : "short chain listed second");
    Dry dry;
    ASSERT_NE(dry.project, nullptr);
    std::vector<DecayChain>& chains = virelo_Extras(dry.project).chains;
    DecayChain shortChain;
    shortChain.species = {"cis-1,2-Dichloroethene", "Vinyl chloride"};
    shortChain.yields = {chains[0].yields[2]};
    chains.insert(secondFirst ? chains.begin() : chains.end(), shortChain);
    const size_t full = secondFirst ? 1 : 0, partial = secondFirst ? 0 : 1;
    dry.Calculate();
    const int vc = dry.Index("Vinyl chloride");
    const VerdictOptions options = VerdictOptionsOf(*dry.project);
    const double inFull = dry.AtReceptor(full, vc, options.basis);
    const double inPartial = dry.AtReceptor(partial, vc, options.basis);
    ASSERT_GT(inFull, inPartial);
    const RowVerdict v = VerdictOfResult(*dry.project, *dry.ResultOf(vc), false, options);
    EXPECT_EQ(v.models.chainIndex, static_cast<int>(full));
    EXPECT_DOUBLE_EQ(v.models.chainValue, inFull);
    const VerdictTarget target = TargetOfVerdict(dry.Vc(), *dry.ResultOf(vc), v, options.basis);
    EXPECT_EQ(target.origin, TargetOrigin::Chain);
    EXPECT_EQ(target.chainIndex, static_cast<int>(full));
    EXPECT_DOUBLE_EQ(target.value, dry.Vc().c0 * dry.Vc().ca / inFull);
    // The wells are held against the same chain.
    AddWells(dry.project, "Vinyl chloride", {{20.0, 0.0, 200.0}, {90.0, 1.0, 80.0}, {150.0, 0.0, 30.0}});
    const RowVerdict withWells = VerdictOfResult(*dry.project, *dry.ResultOf(vc), false, options);
    EXPECT_EQ(withWells.wells.chainIndex, static_cast<int>(full));
    ResolvedChain chain;
    ASSERT_TRUE(ResolveChain(*dry.project, chains[full], &chain).empty());
    std::vector<double> at(chain.names.size());
    ChainConcentrationsAt(dry.project->aquifer, chain, ChainModel::Screening, 90.0, 1.0, at.data());
    ASSERT_EQ(withWells.wells.wells.size(), 3u);
    EXPECT_DOUBLE_EQ(withWells.wells.wells[1].screening, at[3]);
  }
}

// ---- Beside the centre line --------------------------------------------------

ResolvedChain TwoSpecies(double k0, double k1, double yield) {
  ResolvedChain r;
  r.names = {"A", "B"};
  r.contaminantIndex = {0, 1};
  r.rate = {k0, k1};
  r.c0 = {100.0, 0.0};
  r.ca = {1.0, 1.0};
  r.yield = {1.0, yield};
  return r;
}

// The parent beside the centre line is the single species there; a daughter
// of distinct rates is y k0 C0 (G(k0) - G(k1)) / (k1 - k0) of the single
// species' off-axis solutions G; and the screening formula's spread across
// the flow does not depend on the rate.
TEST(ChainOffAxis, SpeciesBesideTheCentreLineFollowTheSingleSpeciesSolutions) {
  const Aquifer a = ChainAquifer();
  const double k0 = 0.004, k1 = 0.0015, yield = 0.74;
  const ResolvedChain chain = TwoSpecies(k0, k1, yield);
  for (double s : {40.0, 150.0}) {
    for (double y : {0.0, 6.0, 25.0, -25.0}) {
      SCOPED_TRACE("s " + std::to_string(s) + " y " + std::to_string(y));
      double screening[2], exact[2];
      ChainConcentrationsAt(a, chain, ChainModel::Screening, s, y, screening);
      ChainConcentrationsAt(a, chain, ChainModel::Exact, s, y, exact);
      const double g0 = virelo_math_ExactConcentrationOffAxis(&a, k0, s, y);
      const double g1 = virelo_math_ExactConcentrationOffAxis(&a, k1, s, y);
      EXPECT_NEAR(exact[0], 100.0 * g0, 1e-12 * 100.0 * g0);
      const double daughter = yield * k0 * 100.0 * (g0 - g1) / (k1 - k0);
      EXPECT_NEAR(exact[1], daughter, 1e-9 * daughter);
      const double h0 = virelo_math_ScreeningConcentrationOffAxis(&a, k0, s, y);
      const double h1 = virelo_math_ScreeningConcentrationOffAxis(&a, k1, s, y);
      EXPECT_NEAR(screening[0], 100.0 * h0, 1e-12 * 100.0 * h0);
      const double screened = yield * k0 * 100.0 * (h0 - h1) / (k1 - k0);
      EXPECT_NEAR(screening[1], screened, 1e-9 * screened);
      if (y == 0.0) {
        double centre[2];
        ChainConcentrations(a, chain, ChainModel::Exact, s, centre);
        EXPECT_EQ(exact[1], centre[1]);
      }
    }
  }
}

// Where two rates are close the daughter comes from the Taylor series in
// the rate; beside the centre line that series is the off-axis integral's.
// Its first coefficients against the values and central differences in the
// scaled rate z = k s / v (step 1e-3: truncation ~1e-7, the integrals'
// tolerance 1e-12 over the step ~1e-9), and the equal-rate daughter against
// two rates 1e-6 apart (first order in the gap).
TEST(ChainOffAxis, TheSeriesBesideTheCentreLineHoldsWhereRatesCoincide) {
  const Aquifer a = ChainAquifer();
  const double v = a.gradientI * a.conductivityKf / a.porosityNe;
  const double k = 0.003, s = 120.0;
  for (double y : {0.0, 8.0, 30.0}) {
    SCOPED_TRACE("y " + std::to_string(y));
    double coeff[3];
    ASSERT_EQ(virelo_math_ExactConcentrationSeriesOffAxis(&a, k, s, y, 2, coeff), 1);
    EXPECT_NEAR(coeff[0], virelo_math_ExactConcentrationOffAxis(&a, k, s, y), 1e-14 * coeff[0]);
    const double h = 1e-3, dk = h * v / s;
    const double slope = (virelo_math_ExactConcentrationOffAxis(&a, k + dk, s, y) -
                          virelo_math_ExactConcentrationOffAxis(&a, k - dk, s, y)) /
                         (2.0 * h);
    EXPECT_NEAR(coeff[1], slope, 1e-6 * std::fabs(slope));
    EXPECT_LT(coeff[1], 0.0);  // faster decay, less arrives
    // The second coefficient, half the second derivative, from a wider step
    // (1e-2: truncation ~1e-5, quadrature noise ~1e-8 over its square).
    const double w = 1e-2, dw = w * v / s;
    const double curvature = (virelo_math_ExactConcentrationOffAxis(&a, k + dw, s, y) -
                              2.0 * virelo_math_ExactConcentrationOffAxis(&a, k, s, y) +
                              virelo_math_ExactConcentrationOffAxis(&a, k - dw, s, y)) /
                             (2.0 * w * w);
    EXPECT_NEAR(coeff[2], curvature, 1e-4 * std::fabs(curvature));
    double equal[2], apart[2];
    ChainConcentrationsAt(a, TwoSpecies(k, k, 0.8), ChainModel::Exact, s, y, equal);
    ChainConcentrationsAt(a, TwoSpecies(k, k * (1 + 1e-6), 0.8), ChainModel::Exact, s, y, apart);
    EXPECT_NEAR(equal[1], apart[1], 1e-5 * apart[1]);
  }
}

// ---- The wells against the chain -------------------------------------------

// The dry cleaner with a row of wells: vinyl chloride is held against its
// chain at each well's (s, y), and the factor is measured over the chain
// under the basis.
TEST(DaughterWells, AChainSpeciesIsHeldAgainstItsChainAtEachWell) {
  Dry dry;
  ASSERT_NE(dry.project, nullptr);
  // On one line ln C = ln 330 - 0.015 s: a fit without warnings.
  struct {
    double s, y, vc;
  } wells[] = {{10.0, 0.0, 0.0}, {60.0, 1.0, 0.0}, {120.0, -1.5, 0.0}, {160.0, 0.5, 0.0}};
  std::vector<std::array<double, 3>> rows;
  for (auto& w : wells) {
    w.vc = 330.0 * std::exp(-0.015 * w.s);
    rows.push_back({w.s, w.y, w.vc});
  }
  AddWells(dry.project, "Vinyl chloride", rows);
  dry.Calculate();
  const int vc = dry.Index("Vinyl chloride");
  for (VerdictBasis basis : {VerdictBasis::Screening, VerdictBasis::Worse}) {
    VerdictOptions options = VerdictOptionsOf(*dry.project);
    options.basis = basis;
    const RowVerdict v = VerdictOfResult(*dry.project, *dry.ResultOf(vc), false, options);
    ASSERT_EQ(v.wells.wells.size(), 4u);
    EXPECT_EQ(v.wells.chainIndex, 0);
    ResolvedChain chain;
    ASSERT_TRUE(ResolveChain(*dry.project, virelo_ExtrasOf(*dry.project).chains[0], &chain).empty());
    for (size_t k = 0; k < 4; ++k) {
      const WellComparison& w = v.wells.wells[k];
      std::vector<double> s(chain.names.size()), e(chain.names.size());
      ChainConcentrationsAt(dry.project->aquifer, chain, ChainModel::Screening, wells[k].s, wells[k].y,
                            s.data());
      ChainConcentrationsAt(dry.project->aquifer, chain, ChainModel::Exact, wells[k].s, wells[k].y, e.data());
      EXPECT_DOUBLE_EQ(w.screening, s[3]) << w.well;
      EXPECT_DOUBLE_EQ(w.exact, e[3]) << w.well;
      const double model = basis == VerdictBasis::Screening ? s[3] : std::max(s[3], e[3]);
      EXPECT_DOUBLE_EQ(w.factor, wells[k].vc / model) << w.well;
      EXPECT_EQ(w.underpredicted, w.inFit && w.factor > kUnderpredictionFactor) << w.well;
    }
    // The wells' line reaches the receptor at 330 exp(-3) = 16 ug/L against CA 0.5:
    // Red, as the chain, and both are named against vinyl chloride's Green
    // alone. Being no worse than the chain, the wells leave the chain's target.
    ASSERT_TRUE(v.wells.hasClass);
    EXPECT_EQ(v.wells.cls, AssessmentClass::Red);
    EXPECT_EQ(v.models.screeningClass, AssessmentClass::Green);
    EXPECT_EQ(VerdictReasonWords(v.reasons), "chain wells");
    EXPECT_EQ(TargetOfVerdict(dry.Vc(), *dry.ResultOf(vc), v, basis).origin, TargetOrigin::Chain);
  }
}

// Naphthalene at the fuel depot is Green by the screening formula and Yellow
// by the exact solution; wells far above both make it Red. Under the worse
// basis both are named, and the target is the wells': C0 CA / C_wells(x).
// The Time window's "Source at target" reads the same target.
TEST(DaughterWells, WellsWorseThanTheExactSolutionGiveTheTargetAndBothReasons) {
  Project* project =
      virelo_LoadProject((std::string(VIRELO_SOURCE_DIR) + "/examples/fuel-depot.vrp").c_str(), "rb");
  ASSERT_NE(project, nullptr);
  int index = -1;
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::strcmp(project->contaminants[k].name, "Naphthalene") == 0) index = k;
  ASSERT_GE(index, 0);
  virelo_Extras(project).settings.verdictBasis = VerdictBasis::Worse;
  // On one line ln C = ln 900 - 0.002 s: far above both models at the receptor.
  std::vector<std::array<double, 3>> rows;
  for (double s : {10.0, 60.0, 120.0, 160.0}) rows.push_back({s, 0.0, 900.0 * std::exp(-0.002 * s)});
  AddWells(project, "Naphthalene", rows);
  virelo_math_CalcAll(project);
  virelo_math_CalcExactAll(project, 1);
  const ContaminantResult* r = nullptr;
  for (int k = 0; k < project->resultCount; ++k)
    if (project->results[k].contaminantIndex == index) r = &project->results[k];
  ASSERT_NE(r, nullptr);
  const RowVerdict v = VerdictOfResult(*project, *r, false, VerdictOptionsOf(*project));
  const Contaminant& c = project->contaminants[index];
  ASSERT_TRUE(v.wells.hasClass);
  EXPECT_EQ(v.models.screeningClass, AssessmentClass::Green);
  EXPECT_EQ(v.models.basisClass, AssessmentClass::Yellow);
  EXPECT_EQ(v.wells.cls, AssessmentClass::Red);
  EXPECT_EQ(v.verdict, AssessmentClass::Red);
  EXPECT_EQ(VerdictReasonWords(v.reasons), "exact wells");
  const VerdictTarget target = TargetOfVerdict(c, *r, v, VerdictBasis::Worse);
  EXPECT_EQ(target.origin, TargetOrigin::Wells);
  EXPECT_DOUBLE_EQ(target.value, c.c0 * c.ca / v.wells.concentration);
  EXPECT_LT(target.value, TargetConcentration(c, *r, VerdictBasis::Worse));
  EXPECT_STREQ(TargetOriginWords(target.origin), "from the wells");
  const TimeInputs time = TimeInputsOf(*project, index);
  ASSERT_TRUE(time.usable) << time.problem;
  EXPECT_DOUBLE_EQ(time.timing.target, target.value);
  virelo_FreeProject(project);
}

}  // namespace
