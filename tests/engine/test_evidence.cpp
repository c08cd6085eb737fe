// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The one verdict: plug flow along a chain, the models' class under the
// basis, the chain's class and the reasons, on built chains and on the
// dry-cleaner example.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/verdict.h"
#include "engine/evidence/evidence.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/chain_aquifer.h"
#include "tests/engine/support/projects.h"

namespace {

ResolvedChain Chain(const std::vector<double>& c0, const std::vector<double>& k, const std::vector<double>& y,
                    const std::vector<double>& ca) {
  ResolvedChain r;
  for (size_t i = 0; i < k.size(); ++i) {
    r.names.emplace_back(1, static_cast<char>('A' + i));
    r.contaminantIndex.push_back(static_cast<int>(i));
    r.rate.push_back(k[i]);
    r.c0.push_back(c0[i]);
    r.ca.push_back(ca[i]);
    r.yield.push_back(y[i]);
  }
  return r;
}

// References from an mpmath script (mp.dps = 80), independent of the
// divided differences: the Bateman solution with several sources,
//   C_i(t) = sum_j C0_j prod_l=j..i-1 (y_l+1 k_l) sum_m=j..i exp(-k_m t) / prod_p!=m (k_p - k_m),
// equal rates perturbed by j * 1e-25 at mp.dps = 80 (the limit to ~1e-20) and
// checked against the closed forms 80 kt exp(-kt) and 28 (kt)^2 exp(-kt) with
// findroot for the plume lengths, t = s / v; the
// plume length by a scan of 20,000 points over [0, 40 / k_min] and
// bisection to 1e-60 of C_i(t) = CA_i.
struct PlugCase {
  const char* name;
  std::vector<double> c0, k, y, ca;
  std::vector<double> atX, length;
};

const std::vector<PlugCase>& PlugCases() {
  static const std::vector<PlugCase> cases = {
      {"distinct rates, two sources",
       {100, 10, 0, 0},
       {0.01, 0.005, 0.003, 0.002},
       {1, 131.39 / 165.83, 96.94 / 131.39, 62.5 / 96.94},
       {10, 5, 5, 0.5},
       {0.67379469990854664, 12.760606499516706, 25.756242401543633, 13.651899353494664},
       {92.103403719761825, 279.04923567531357, 492.33932872744028, 1234.1482851621706}},
      {"equal rates",
       {100, 0, 0},
       {0.004, 0.004, 0.004},
       {1, 0.8, 0.7},
       {1, 1, 0.5},
       {13.533528323661269, 21.653645317858031, 15.157551722500621},
       {460.51701859880913, 620.78395756734546, 824.44264779577156}},
      {"rates 1e-9 apart",
       {100, 0, 0},
       {0.004, 0.004 * (1 + 1e-9), 0.004 * (1 - 1e-9)},
       {1, 0.8, 0.7},
       {1, 1, 0.5},
       {13.533528323661269, 21.653645296204386, 15.157551737658173},
       {460.51701859880913, 620.78395719735257, 824.44264792780011}},
      {"a fast parent feeds a slow daughter",
       {1000, 0},
       {5.0, 0.001},
       {1, 0.5},
       {1, 2},
       {0.0 /* 1.84e-1083 */, 303.32599505532777},
       {0.55262042231857096, 2208.6643751459654}},
  };
  return cases;
}

TEST(PlugFlowChain, ConcentrationsAndPlumeLengthsMatchTheBatemanSolution) {
  const Aquifer a = ChainAquifer();
  for (const PlugCase& c : PlugCases()) {
    const ResolvedChain chain = Chain(c.c0, c.k, c.y, c.ca);
    std::vector<double> at(c.k.size());
    ChainConcentrations(a, chain, ChainModel::PlugFlow, a.distanceX, at.data());
    for (size_t i = 0; i < at.size(); ++i) {
      // A value below the double range is 0.
      if (c.atX[i] == 0.0) {
        EXPECT_EQ(at[i], 0.0) << c.name << " species " << i;
        continue;
      }
      EXPECT_NEAR(at[i], c.atX[i], 1e-10 * c.atX[i]) << c.name << " species " << i;
      EXPECT_NEAR(ChainPlumeLength(a, chain, static_cast<int>(i)), c.length[i], 1e-9 * c.length[i])
          << c.name << " species " << i;
    }
  }
}

TEST(PlugFlowChain, TheParentsPlumeIsTheSingleSpeciesOne) {
  const Aquifer a = ChainAquifer();
  for (double c0 : {1.0, 100.0, 1e6}) {
    for (double k : {1e-6, 0.004, 3.0}) {
      const ResolvedChain chain = Chain({c0, 0}, {k, 0.001}, {1, 0.8}, {0.5, 1});
      Contaminant c{};
      virelo_SetLambda(&c, kLambdaUser, k);
      c.lambdaSelected = kLambdaUser;
      virelo_SetContaminantValue(&c, kValueC0, c0);
      virelo_SetContaminantValue(&c, kValueCa, 0.5);
      ContaminantResult r{};
      virelo_math_CalcPlumeLength(&a, &c, &r);
      EXPECT_NEAR(ChainPlumeLength(a, chain, 0), r.plumeLength, 1e-12 * r.plumeLength) << c0 << " " << k;
    }
  }
}

TEST(PlugFlowChain, EdgesOfThePlume) {
  const Aquifer a = ChainAquifer();
  // A daughter that never reaches its CA has no plume; one that does not
  // decay keeps what reaches CA for ever.
  EXPECT_EQ(ChainPlumeLength(a, Chain({1, 0}, {0.01, 0.01}, {1, 0.8}, {0.5, 5}), 1), 0.0);
  EXPECT_EQ(ChainPlumeLength(a, Chain({100, 0}, {0.01, 0.0}, {1, 0.8}, {0.5, 5}), 1),
            std::numeric_limits<double>::infinity());
  // A parent that does not decay passes nothing on.
  EXPECT_EQ(ChainPlumeLength(a, Chain({100, 0}, {0.0, 0.01}, {1, 0.8}, {0.5, 0.001}), 1), 0.0);
  // A daughter with its own source above CA starts its plume at the source.
  EXPECT_GT(ChainPlumeLength(a, Chain({0.1, 50}, {0.01, 0.01}, {1, 0.8}, {0.5, 5}), 1), 0.0);
  // A fast daughter with a source of its own falls below CA within a tenth
  // of a day, while its slow parent sets the scale of the search: the
  // crossing must not fall between grid points. mpmath (mp.dps = 40), C(t) =
  // 100 exp(-50 t) + 0.8 0.001 10 / (50 - 0.001) (exp(-0.001 t) - exp(-50 t)),
  // findroot of C(t) = 1, times v = 0.4.
  EXPECT_NEAR(ChainPlumeLength(a, Chain({10, 100}, {0.001, 50}, {1, 0.8}, {0.5, 1}), 1), 0.036842628697741812,
              1e-12);
  // A granddaughter formed and gone within a fifth of a day by two fast
  // species, while a slow parent with a small source sets the scale of the
  // search: a peak of 28.7 against CA 1 that a grid in whole days misses.
  // Same script, C_2(t) above, last crossing by a scan in steps of 1e-4 d and
  // bisection, times v = 0.4.
  EXPECT_NEAR(ChainPlumeLength(a, Chain({1, 100, 0}, {0.001, 50, 40}, {1, 0.8, 0.7}, {0.5, 1, 1}), 2),
              0.055725342460305606, 1e-12);
  Aquifer still = a;
  still.gradientI = 0.0;
  EXPECT_EQ(ChainPlumeLength(still, Chain({100, 0}, {0.01, 0.01}, {1, 0.8}, {0.5, 5}), 1), 0.0);
}

const RowVerdict* Find(const std::vector<RowVerdict>& rows, int index, bool plumeLength) {
  for (const RowVerdict& r : rows)
    if (r.contaminantIndex == index && r.plumeLength == plumeLength) return &r;
  return nullptr;
}

TEST(OneVerdict, TheDryCleanersVinylChlorideFollowsItsChain) {
  ProjectHandle dry = CalculatedExample("dry-cleaner.vrp");
  ASSERT_NE(dry.get(), nullptr);
  const int vc = ContaminantIndex(*dry, "Vinyl chloride");
  ASSERT_GE(vc, 0);
  for (VerdictBasis basis : {VerdictBasis::Screening, VerdictBasis::Exact, VerdictBasis::Worse}) {
    VerdictOptions options = VerdictOptionsOf(*dry);
    options.basis = basis;
    const std::vector<RowVerdict> rows = ProjectVerdicts(*dry, options);
    const RowVerdict* af = Find(rows, vc, false);
    ASSERT_NE(af, nullptr);
    // Alone it passes; in its chain it arrives far above its CA.
    EXPECT_EQ(af->models.screeningClass, AssessmentClass::Green);
    EXPECT_TRUE(af->models.inChain);
    EXPECT_EQ(af->models.chainClass, AssessmentClass::Red);
    EXPECT_EQ(af->verdict, AssessmentClass::Red);
    EXPECT_TRUE(af->reasons & kReasonChain);
    // The chain's value under the basis is the Decay chain window's.
    ResolvedChain chain;
    ASSERT_TRUE(ResolveChain(*dry, virelo_ExtrasOf(*dry).chains[0], &chain).empty());
    std::vector<double> s(static_cast<size_t>(chain.size())), e(s.size());
    ChainConcentrations(dry->aquifer, chain, ChainModel::Screening, dry->aquifer.distanceX, s.data());
    ChainConcentrations(dry->aquifer, chain, ChainModel::Exact, dry->aquifer.distanceX, e.data());
    int species = -1;
    for (int i = 0; i < chain.size(); ++i)
      if (chain.contaminantIndex[static_cast<size_t>(i)] == vc) species = i;
    ASSERT_GE(species, 0);
    const double want = basis == VerdictBasis::Screening ? s[species]
                        : basis == VerdictBasis::Exact   ? e[species]
                                                         : std::max(s[species], e[species]);
    EXPECT_DOUBLE_EQ(af->models.chainValue, want) << VerdictBasisKey(basis);

    const RowVerdict* pl = Find(rows, vc, true);
    if (pl) {
      // The chain keeps vinyl chloride above its CA far beyond x.
      EXPECT_GT(pl->models.chainValue, dry->aquifer.distanceX);
      EXPECT_EQ(pl->verdict, pl->models.chainClass);
      EXPECT_LE(static_cast<int>(pl->verdict), static_cast<int>(pl->models.screeningClass));
    }
  }
}

// A petrol station whose wells lie above the model: benzene's own decline,
// ln C = ln 11.8 - 0.01 (s - 80) (11.8 ug/L at the 80 m well), reaches the
// receptor at 300 m with 11.8 exp(-2.2) = 1.3074 ug/L, above CA 1, while the
// model of a 30 ug/L source arrives far below it.
TEST(OneVerdict, ThePetrolStationsBenzeneFollowsItsWells) {
  ProjectHandle site = CalculatedExample("petrol-station.vrp");
  ASSERT_NE(site.get(), nullptr);
  const int benzene = ContaminantIndex(*site, "Benzene");
  ASSERT_GE(benzene, 0);
  virelo_SetContaminantValue(&site->contaminants[benzene], kValueC0, 30.0);
  SiteData& data = virelo_Extras(site.get()).site;
  const struct {
    const char* well;
    double s;
  } wells[] = {{"MW1", 0}, {"MW2", 25}, {"MW3", 50}, {"MW4", 80}, {"MW5", 120}};
  for (const auto& w : wells) {
    const double value = 11.8 * std::exp(-0.01 * (w.s - 80.0));
    data.samples.push_back({w.well, "2024-03-12", "Benzene", value, "ug/L", false});
  }
  virelo_FreeResults(site.get());
  virelo_math_CalcAll(site.get());
  virelo_math_CalcExactAll(site.get(), 1);
  const std::vector<RowVerdict> rows = ProjectVerdicts(*site, VerdictOptionsOf(*site));
  for (bool plumeLength : {false, true}) {
    const RowVerdict* row = Find(rows, benzene, plumeLength);
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(row->wells.hasClass);
    EXPECT_EQ(row->wells.date, "2024-03-12");
    EXPECT_NEAR(row->wells.concentration, 11.8 * std::exp(-2.2), 1e-9);
    EXPECT_EQ(row->wells.cls, AssessmentClass::Yellow);
    EXPECT_EQ(row->verdict, AssessmentClass::Yellow);
    if (!plumeLength) {
      EXPECT_EQ(row->models.screeningClass, AssessmentClass::Green);
      EXPECT_EQ(VerdictReasonWords(row->reasons), "wells");
    } else {
      // The plug-flow plume, 143 m of 300, is Yellow by itself: the wells
      // agree and make it no worse.
      EXPECT_EQ(row->models.screeningClass, AssessmentClass::Yellow);
      EXPECT_EQ(row->reasons, 0u);
    }
    // Every well with a value on that date is compared; the far ones lie
    // well above the model.
    ASSERT_EQ(row->wells.wells.size(), 5u);
    EXPECT_TRUE(row->wells.underpredicts);
  }
}

TEST(OneVerdict, AProjectWithoutChainsOrWellsKeepsTheModelsVerdict) {
  ProjectHandle depot = CalculatedExample("fuel-depot.vrp");
  ASSERT_NE(depot.get(), nullptr);
  ASSERT_TRUE(virelo_ExtrasOf(*depot).chains.empty());
  bool sawExactReason = false;
  for (int plume = 0; plume < kAssessmentRangeCount; ++plume) {
    for (int af = 0; af < kAssessmentRangeCount; ++af) {
      for (VerdictBasis basis : {VerdictBasis::Screening, VerdictBasis::Exact, VerdictBasis::Worse}) {
        const VerdictOptions options{kAssessmentRanges[plume].range, kAssessmentRanges[af].range, basis};
        const std::vector<RowVerdict> rows = ProjectVerdicts(*depot, options);
        ASSERT_FALSE(rows.empty());
        for (const RowVerdict& row : rows) {
          const ContaminantResult* r = nullptr;
          for (int k = 0; k < depot->resultCount; ++k)
            if (depot->results[k].contaminantIndex == row.contaminantIndex) r = &depot->results[k];
          ASSERT_NE(r, nullptr);
          const bool problems =
              row.plumeLength ? HasPlumeLengthProblems(*r) : HasAttenuationFactorProblems(*r);
          const AssessmentClass want = problems ? AssessmentClass::Problems
                                       : row.plumeLength
                                           ? ClassifyPlumeLength(r->plumeLengthRatio, options.plumeRange)
                                           : VerdictClass(*r, options.afRange, basis);
          EXPECT_EQ(row.verdict, want) << row.contaminantIndex << " " << plume << " " << af;
          EXPECT_FALSE(row.models.inChain);
          EXPECT_FALSE(row.wells.hasClass);
          EXPECT_EQ(row.reasons & ~static_cast<unsigned>(kReasonExact), 0u);
          const bool worse = static_cast<int>(row.verdict) < static_cast<int>(row.models.screeningClass);
          EXPECT_EQ((row.reasons & kReasonExact) != 0, worse);
          sawExactReason = sawExactReason || worse;
        }
      }
    }
  }
  // Naphthalene: Green by the screening formula, Yellow by the exact solution.
  EXPECT_TRUE(sawExactReason);
}

TEST(OneVerdict, IndexesOutsideTheProjectGiveNoVerdict) {
  ProjectHandle dry = CalculatedExample("dry-cleaner.vrp");
  ASSERT_NE(dry.get(), nullptr);
  const int count = dry->contaminantCount;
  EXPECT_FALSE(IsChainSpecies(*dry, -1));
  EXPECT_FALSE(IsChainSpecies(*dry, count));
  EXPECT_TRUE(IsChainSpecies(*dry, ContaminantIndex(*dry, "Vinyl chloride")));
  // A result that names no contaminant of the project is passed over.
  ASSERT_GT(dry->resultCount, 0);
  const size_t before = ProjectVerdicts(*dry, VerdictOptionsOf(*dry)).size();
  const int16_t saved = dry->results[0].contaminantIndex;
  for (int16_t bad : {static_cast<int16_t>(-1), static_cast<int16_t>(count)}) {
    dry->results[0].contaminantIndex = bad;
    EXPECT_EQ(ProjectVerdicts(*dry, VerdictOptionsOf(*dry)).size(), before - 2) << bad;
    const RowVerdict v = VerdictOfResult(*dry, dry->results[0], false, VerdictOptionsOf(*dry));
    EXPECT_EQ(v.verdict, AssessmentClass::Problems);
  }
  dry->results[0].contaminantIndex = saved;
}

TEST(OneVerdict, ReasonWords) {
  EXPECT_EQ(VerdictReasonWords(0), "");
  EXPECT_EQ(VerdictReasonWords(kReasonWells | kReasonExact), "exact wells");
  EXPECT_EQ(VerdictReasonWords(kReasonExact | kReasonChain | kReasonWells), "exact chain wells");
}

TEST(OneVerdict, TheSavedRangesAndBasisAreTheProjects) {
  ProjectHandle depot = CalculatedExample("fuel-depot.vrp");
  ASSERT_NE(depot.get(), nullptr);
  ProjectSettings& settings = virelo_Extras(depot.get()).settings;
  settings.plumeRange = 2;
  settings.afRange = 3;
  settings.verdictBasis = VerdictBasis::Worse;
  const VerdictOptions options = VerdictOptionsOf(*depot);
  EXPECT_EQ(options.plumeRange.lower, kAssessmentRanges[2].range.lower);
  EXPECT_EQ(options.plumeRange.upper, kAssessmentRanges[2].range.upper);
  EXPECT_EQ(options.afRange.lower, kAssessmentRanges[3].range.lower);
  EXPECT_EQ(options.afRange.upper, kAssessmentRanges[3].range.upper);
  EXPECT_EQ(options.basis, VerdictBasis::Worse);
}

}  // namespace
