// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/core/exact.h"
#include "engine/project/chain.h"
#include "tests/engine/support/worked_example.h"

namespace {

// Unless said otherwise, references come from the mpmath scripts below
// (mp.dps = 30 or 40), which solve the chain the way Sun et al. (1999) do:
// transform, solve each a_i with the single-species formula, back-substitute.
//   sun(G, k, y, C0): c_ij = prod_l=j..i-1 y[l+1] k[l] / (k[l] - k[i]),
//     a_i0 = C0_i + sum_j<i c_ij C0_j,  a_i = a_i0 G(k_i),
//     C_i = a_i - sum_j<i c_ij C_j
//   1-D:  G(k) = exp(s/(2 ax) (1 - sqrt(1 + 4 ax k / v)))
//   exact 3-D: G(k) = s/(2 sqrt(pi ax v)) quad(tau^-1.5 exp(-k tau -
//     (s - v tau)^2/(4 ax v tau)) erf(Sy/(2 sqrt(ay v tau))) erf(Sz/(2 sqrt(az v tau))),
//     [0] + linspace(p/8, 4p, 81) + [inf]),  p = s/v/sqrt(1 + 4 ax k/v)
//   screening 3-D: the 1-D G times erf(Sy/(2 sqrt(ay s))) erf(Sz/(2 sqrt(az s)))
// Equal rates use the limit: C2 = C10 y k (-G'(k)), C3 = C10 y2 y3 k^2 G''(k)/2
// (mpmath diff, or quad with the extra factor tau for the exact G').
const double kMw[] = {165.822, 131.38, 96.938, 62.496, 28.054};

Aquifer OneDimensional(double v, double ax) {
  Aquifer a{};
  a.conductivityKf = v;
  a.gradientI = a.porosityNe = 1.0;
  a.dispersivityAx = ax;
  a.sourceThicknessSy = 10.0;
  a.sourceWidthSz = 5.0;
  a.distanceX = 100.0;
  return a;
}

ResolvedChain Chain(const std::vector<double>& k, const std::vector<double>& c0, bool endProduct = false) {
  ResolvedChain r;
  for (size_t i = 0; i < k.size(); ++i) {
    r.names.emplace_back(1, static_cast<char>('A' + i));
    r.contaminantIndex.push_back(endProduct && i + 1 == k.size() ? -1 : static_cast<int>(i));
    r.rate.push_back(k[i]);
    r.c0.push_back(c0[i]);
    r.ca.push_back(1.0);
    r.yield.push_back(i == 0 ? 1.0 : kMw[i] / kMw[i - 1]);
  }
  r.endProduct = endProduct;
  return r;
}

std::vector<double> At(const Aquifer& a, const ResolvedChain& chain, ChainModel model, double s) {
  std::vector<double> c(static_cast<size_t>(chain.size()));
  ChainConcentrations(a, chain, model, s, c.data());
  return c;
}

void ExpectRelative(const std::vector<double>& got, const std::vector<double>& want, double tolerance,
                    const char* what) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i)
    EXPECT_NEAR(got[i], want[i], tolerance * std::fabs(want[i])) << what << " species " << i;
}

constexpr ChainModel kModels[] = {ChainModel::Screening, ChainModel::Exact};

TEST(DecayChain, ChainBOnTheCentreLineUnderBothModels) {
  // Without lateral spreading the exact integral is the closed form, so both
  // models must give the published chain-B values (reproduced by sun(...) with
  // the 1-D G).
  const Aquifer a = OneDimensional(0.2, 5.0);
  const ResolvedChain chain = Chain({0.005, 0.003, 0.002, 0.001, 0.0}, {100, 50, 10, 0, 0}, true);
  for (ChainModel model : kModels) {
    ExpectRelative(At(a, chain, model, 10.0),
                   {79.8719969081, 57.4216745623, 14.811528425, 0.906248585451, 0.0212377757597}, 1e-10,
                   "x 10");
    ExpectRelative(At(a, chain, model, 100.0),
                   {10.5668471454, 40.1368746932, 39.273182102, 15.6091874534, 1.75797957005}, 1e-10,
                   "x 100");
  }
  // s = 0 is the source itself.
  ExpectRelative(At(a, chain, ChainModel::Exact, 0.0), {100, 50, 10, 0, 0}, 0.0, "source");
}

TEST(DecayChain, ThreeDimensionalChainAgainstTheTransformation) {
  // Worked-example aquifer (v 0.04, ax 10, ay 1, az 0.1, Sy 10, Sz 5);
  // k = [0.002, 0.001, 0.0005], C0 = [100, 20, 0], sun(...) with the 3-D G.
  const Aquifer a = WorkedExampleAquifer();
  const ResolvedChain chain = Chain({0.002, 0.001, 0.0005}, {100, 20, 0});
  ExpectRelative(At(a, chain, ChainModel::Screening, 30.0),
                 {25.686336615262, 33.137933443074, 12.9863011362937}, 1e-12, "screening 30");
  ExpectRelative(At(a, chain, ChainModel::Screening, 100.0),
                 {0.986130307501834, 7.06017574176056, 11.1464176118704}, 1e-12, "screening 100");
  ExpectRelative(At(a, chain, ChainModel::Exact, 30.0), {30.038085090327, 35.4673292209219, 11.9833172458001},
                 1e-9, "exact 30");
  ExpectRelative(At(a, chain, ChainModel::Exact, 100.0),
                 {1.48104894376858, 9.23787011009835, 12.6249940955431}, 1e-9, "exact 100");

  // The parent does not feel its daughters: it is the single-species result.
  for (double s : {1.0, 30.0, 250.0}) {
    EXPECT_EQ(At(a, chain, ChainModel::Screening, s)[0],
              100.0 * virelo_math_ScreeningConcentration(&a, 0.002, s));
    EXPECT_NEAR(At(a, chain, ChainModel::Exact, s)[0], 100.0 * virelo_math_ExactConcentration(&a, 0.002, s),
                1e-13 * At(a, chain, ChainModel::Exact, s)[0]);
  }
}

TEST(DecayChain, MolarBalanceEqualsTheUndecayedPlume) {
  // With molar-mass yields, moles are only passed down the chain and the end
  // product keeps them: sum C_i MW_1/MW_i is the plume of a non-decaying
  // species from the same molar source. Rates include two close pairs.
  const Aquifer a = WorkedExampleAquifer();
  const ResolvedChain chain =
      Chain({0.004, 0.004 * (1 + 1e-7), 0.0009, 0.0009 * (1 - 1e-3), 0.0}, {80, 30, 5, 0, 0}, true);
  double moles0 = 0.0;
  for (int i = 0; i < 5; ++i) moles0 += chain.c0[i] * kMw[0] / kMw[i];
  for (ChainModel model : kModels) {
    for (double s : {5.0, 60.0, 400.0}) {
      const std::vector<double> c = At(a, chain, model, s);
      double moles = 0.0;
      for (int i = 0; i < 5; ++i) moles += c[i] * kMw[0] / kMw[i];
      const double undecayed = model == ChainModel::Screening ? virelo_math_ScreeningConcentration(&a, 0.0, s)
                                                              : virelo_math_ExactConcentration(&a, 0.0, s);
      EXPECT_NEAR(moles, moles0 * undecayed, 1e-9 * moles)
          << "model " << static_cast<int>(model) << " s " << s;
    }
  }
}

TEST(DecayChain, EqualAndNearlyEqualRatesKeepTheirDigits) {
  // v 0.2, ax 5, x 100, C0 = [100, 0], TCE/PCE yield. The plain
  // transformation gives 17.102 here in double precision.
  const Aquifer a = OneDimensional(0.2, 5.0);
  for (ChainModel model : kModels) {
    EXPECT_NEAR(At(a, Chain({0.005, 0.005}, {100, 0}), model, 100.0)[1], 17.0894038486915, 1e-11);
    for (double d : {1e-12, -1e-12, 1e-15})
      EXPECT_NEAR(At(a, Chain({0.005, 0.005 * (1 + d)}, {100, 0}), model, 100.0)[1], 17.0894038486915, 1e-9);
    // Either side of the switch between series and differences:
    // sun(...) at k2 = 0.005 (1 + d).
    const double d[] = {1e-8, 1e-6, 1e-4};
    const double want[] = {17.089403660032309, 17.089384982789733, 17.087517407126099};
    for (int n = 0; n < 3; ++n)
      EXPECT_NEAR(At(a, Chain({0.005, 0.005 * (1 + d[n])}, {100, 0}), model, 100.0)[1], want[n],
                  1e-10 * want[n])
          << d[n];
    // Three equal rates, with and without a source of the middle species:
    // C3 = 100 y2 y3 k^2 G''/2 (+ 30 y3 k (-G')).
    EXPECT_NEAR(At(a, Chain({0.005, 0.005, 0.005}, {100, 0, 0}), model, 100.0)[2], 13.920111418860438, 1e-10);
    EXPECT_NEAR(At(a, Chain({0.005, 0.005, 0.005}, {100, 30, 0}), model, 100.0)[2], 18.694588981532135,
                1e-10);
    // Five rates, some within the series' reach of each other and some not.
    ExpectRelative(
        At(a, Chain({0.005, 0.00515, 0.0053, 0.00531, 0.0056}, {100, 20, 5, 1, 0}), model, 100.0),
        {10.56684714536437, 18.524818349498037, 16.79353276545008, 10.005675937473335, 3.2574034639444684},
        1e-10, "mixed");
  }
  // With lateral spreading the exact model needs the derivative of its own
  // integral: k1 = k2 = 0.001, worked-example aquifer, s 100.
  const Aquifer w = WorkedExampleAquifer();
  EXPECT_NEAR(At(w, Chain({0.001, 0.001}, {100, 0}), ChainModel::Exact, 100.0)[1], 8.3632260690444679, 1e-9);
  EXPECT_NEAR(At(w, Chain({0.001, 0.001}, {100, 0}), ChainModel::Screening, 100.0)[1], 6.7673904570066533,
              1e-12);
}

TEST(DecayChain, ClassesAtTheReceptor) {
  const AssessmentRange r{0.3, 2.0};
  // The ratio C/CA is read like the single-species C0/(CA AF), the same ratio.
  EXPECT_EQ(ClassifyChainConcentration(0.29, 1.0, r), AssessmentClass::Green);
  EXPECT_EQ(ClassifyChainConcentration(0.0, 1.0, r), AssessmentClass::Green);
  EXPECT_EQ(ClassifyChainConcentration(1.9, 1.0, r), AssessmentClass::Yellow);
  EXPECT_EQ(ClassifyChainConcentration(2.1, 1.0, r), AssessmentClass::Red);
  EXPECT_EQ(ClassifyChainConcentration(NAN, 1.0, r), AssessmentClass::Red);
  EXPECT_EQ(ClassifyChainConcentration(1.0, 0.0, r), AssessmentClass::Problems);
  // A wide saved range must not let a species above its CA pass as Green.
  EXPECT_EQ(ClassifyChainConcentration(1.2, 1.0, AssessmentRange{1.5, 3.0}), AssessmentClass::Yellow);

  // VC with no source of its own: alone it cannot be assessed, in the chain
  // it arrives well above its CA.
  Project p{};
  p.aquifer = OneDimensional(0.2, 5.0);
  p.aquifer.distanceX = 100.0;
  p.aquifer.dispersivityAy = p.aquifer.dispersivityAz = 0.0;
  for (int bit : {kAquiferX, kAquiferKf, kAquiferNe, kAquiferI, kAquiferAx, kAquiferAy, kAquiferAz,
                  kAquiferSz, kAquiferSy})
    p.aquifer.setMask |= static_cast<uint16_t>(bit);
  Contaminant list[2] = {};
  const char* names[] = {"TCE", "Vinyl chloride"};
  const double c0[] = {100.0, 0.0}, ca[] = {60.0, 0.5}, k[] = {0.005, 0.001};
  for (int i = 0; i < 2; ++i) {
    std::strcpy(list[i].name, names[i]);
    virelo_SetContaminantValue(&list[i], kValueCa, ca[i]);
    if (c0[i] > 0) virelo_SetContaminantValue(&list[i], kValueC0, c0[i]);
    virelo_SetLambda(&list[i], kLambdaUser, k[i]);
    list[i].lambdaSelected = kLambdaUser;
  }
  p.contaminants = list;
  p.contaminantCount = 2;
  DecayChain chain{{"TCE", "Vinyl chloride", kChainEndProduct}, {}};
  chain.yields = DefaultChainYields(chain.species);
  ResolvedChain resolved;
  ASSERT_TRUE(ResolveChain(p, chain, &resolved).empty());
  const std::vector<ChainReceptorRow> rows = ChainAtReceptor(p, resolved, r);
  ASSERT_EQ(rows.size(), 3u);
  // 100 e^{-2.5}... = 10.57 of TCE at x against CA 60: Green alone and in the chain.
  EXPECT_EQ(rows[0].singleClass, AssessmentClass::Green);
  EXPECT_EQ(rows[0].screeningClass, AssessmentClass::Green);
  EXPECT_EQ(rows[1].singleClass, AssessmentClass::Problems);
  EXPECT_EQ(rows[1].screeningClass, AssessmentClass::Red);
  EXPECT_EQ(rows[1].exactClass, AssessmentClass::Red);
  EXPECT_GT(rows[1].screening, 10.0);
  EXPECT_TRUE(rows[2].endProduct);
  EXPECT_EQ(rows[2].screeningClass, AssessmentClass::Problems);

  // Only VC is worse in the chain than alone; TCE is Green both ways, and a
  // chain with problems warns of nothing.
  const std::vector<DecayChain> chains = {chain, DecayChain{{"TCE", "Benzene"}, {0.5}}};
  const std::vector<ChainWarning> warnings = ChainWarnings(p, chains, r);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].contaminantIndex, 1);
  EXPECT_EQ(warnings[0].chainClass, AssessmentClass::Red);
  EXPECT_EQ(warnings[0].singleClass, AssessmentClass::Problems);
  // Once VC has a source of its own that alone is already Red, the chain
  // adds no warning.
  virelo_SetContaminantValue(&list[1], kValueC0, 100.0);
  EXPECT_TRUE(ChainWarnings(p, chains, r).empty());
}

TEST(DecayChain, ProblemsAndDefaultYields) {
  EXPECT_DOUBLE_EQ(ChainMolarMass("Tetrachloroethene (PCE)"), 165.822);
  EXPECT_DOUBLE_EQ(ChainMolarMass("cis-1,2-Dichloroethene"), 96.938);
  EXPECT_DOUBLE_EQ(ChainMolarMass("Vinyl chloride"), 62.496);
  EXPECT_DOUBLE_EQ(ChainMolarMass("TCE"), 131.38);
  // Chloroethanes are other compounds: no default, the user is asked.
  EXPECT_EQ(ChainMolarMass("1,1,1-Trichloroethane"), 0.0);
  EXPECT_EQ(ChainMolarMass("1,1-Dichloroethane"), 0.0);
  EXPECT_EQ(ChainMolarMass("Tetrachloroethene (TCE)"), 0.0);  // a slip: name and abbreviation disagree
  EXPECT_DOUBLE_EQ(DefaultChainYield("Trichloroethene (TCE)", "Ethene"), 28.054 / 131.38);
  EXPECT_TRUE(std::isnan(DefaultChainYield("Benzene", "Toluene")));

  Project p{};
  p.aquifer = WorkedExampleAquifer();
  Contaminant list[3] = {};
  const char* names[] = {"PCE", "TCE", "Benzene"};
  for (int i = 0; i < 3; ++i) {
    std::strcpy(list[i].name, names[i]);
    virelo_SetContaminantValue(&list[i], kValueCa, 1.0);
    virelo_SetLambda(&list[i], kLambdaUser, 0.001);
    list[i].lambdaSelected = i == 2 ? 0 : kLambdaUser;
  }
  virelo_SetContaminantValue(&list[0], kValueC0, 10.0);
  p.contaminants = list;
  p.contaminantCount = 3;
  auto problems = [&](DecayChain chain) {
    ResolvedChain out;
    return ResolveChain(p, chain, &out).size();
  };
  EXPECT_EQ(problems({{"PCE", "TCE"}, {0.79}}), 0u);
  EXPECT_EQ(problems({{"PCE", "TCE", "Ethene"}, {0.79, 0.2}}), 0u);
  EXPECT_EQ(problems({{"PCE"}, {}}), 1u);                         // too short
  EXPECT_EQ(problems({{"PCE", "TCE"}, {}}), 1u);                  // yield missing
  EXPECT_EQ(problems({{"PCE", "TCE"}, {NAN}}), 1u);               // unknown default left in
  EXPECT_EQ(problems({{"PCE", "Ethene", "TCE"}, {0.2, 4}}), 1u);  // end product not last
  EXPECT_EQ(problems({{"PCE", "TCE", "PCE"}, {0.8, 1.2}}), 1u);   // twice
  EXPECT_EQ(problems({{"PCE", "DCE"}, {0.7}}), 2u);      // not in the project, so one contaminant short
  EXPECT_EQ(problems({{"PCE", "Benzene"}, {0.5}}), 1u);  // no decay constant selected
  EXPECT_EQ(problems({{"TCE", "Benzene"}, {0.5}}), 2u);  // and no source at all
  list[1].ca = -1.0;
  EXPECT_EQ(problems({{"PCE", "TCE"}, {0.79}}), 1u);  // CA not above 0
  list[1].ca = 1.0;
  p.aquifer.setMask = static_cast<uint16_t>(p.aquifer.setMask & ~kAquiferAx);
  EXPECT_GE(problems({{"PCE", "TCE"}, {0.79}}), 1u);  // aquifer incomplete
}

}  // namespace
