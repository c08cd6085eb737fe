// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A decay chain's species over time: against an independent solution of the
// coupled equations, against the steady chain it must approach, and on the
// dry cleaner as `timing` and `breakthrough` give it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/project/extras.h"
#include "engine/time/timeinputs.h"
#include "engine/time/timing_table.h"
#include "engine/time/transientchain.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tools/cli/cli_common.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// PCE -> TCE -> cis-DCE style chain along a 1-D column (no transverse
// spreading): x 100 m, v 0.1 m/d, ax 10 m, R 2.
TransientChain Column(std::vector<double> lambda, std::vector<double> c0, std::vector<double> ks) {
  TransientChain c;
  c.inputs.x = 100.0;
  c.inputs.v = 0.1;
  c.inputs.R = 2.0;
  c.inputs.ax = 10.0;
  c.names = {"PCE", "TCE", "DCE"};
  c.lambda = lambda;
  c.c0 = c0;
  c.yield = {1.0, 0.8, 0.6};
  c.ks = ks;
  c.ownR = {2.0, 2.0, 2.0};
  return c;
}

struct Reference {
  const char* name;
  TransientChain chain;
  double t, species1, species2;
};

// The exact solution: the 1-D semi-infinite chain with a fixed-concentration
// source solved in Laplace space as a matrix function,
// C(x, p) = expm(x (v - sqrtm(v^2 + 4 D (R p + L))) / (2 D)) C0 / (p + ks),
// inverted by Talbot's method in mpmath (30 digits): no transformation of the
// chain and no Bateman solution is involved.
TEST(TransientChain, ExactAgreesWithLaplaceInversionOfTheCoupledEquations) {
  const TransientChain distinct = Column({0.002, 0.001, 0.0005}, {10, 2, 0}, {0, 0, 0});
  const TransientChain equal = Column({0.001, 0.001, 0.001}, {10, 0, 0}, {0, 0, 0});
  TransientChain strong = Column({0.05, 0.02, 0.01}, {10, 0, 0}, {0, 0, 0});
  strong.inputs.ax = 5.0;
  strong.inputs.R = 1.5;
  const TransientChain fading = Column({0.002, 0.001, 0.0005}, {10, 2, 0}, {0.0002, 0.0002, 0});
  const Reference cases[] = {
      {"distinct", distinct, 1500, 1.6372103010982057, 0.42073261956830542},
      {"distinct", distinct, 4000, 4.2481161610157428, 1.859839069508711},
      {"distinct", distinct, 20000, 4.3024640843829699, 1.9494378360400753},
      {"equal rates", equal, 1500, 0.8388931422043913, 0.14906871815977681},
      {"equal rates", equal, 4000, 2.6444790727444592, 0.75993414561239599},
      {"equal rates", equal, 20000, 2.7050641849234499, 0.80179027377140887},
      {"strong decay", strong, 1500, 5.711403393633895e-5, 0.0078163407952252244},
      {"strong decay", strong, 4000, 5.7115621573848757e-5, 0.007873370628994271},
      {"fading source", fading, 1500, 1.5327630731267966, 0.39746322086131749},
      {"fading source", fading, 4000, 2.7557345610310794, 1.2880103807370773},
  };
  for (const Reference& r : cases) {
    EXPECT_NEAR(TransientChainExact(r.chain, 1, 100.0, r.t), r.species1, 1e-8 * r.species1) << r.name << r.t;
    EXPECT_NEAR(TransientChainExact(r.chain, 2, 100.0, r.t), r.species2, 1e-8 * r.species2) << r.name << r.t;
  }
}

// The screening form of the chain: the divided differences taken in mpmath
// at 60 digits by the plain recursion (rates a millionth apart included),
// from 1/2 erfc((x - u t P) / (2 sqrt(ax u t))) exp(x (1 - P) / (2 ax)).
TEST(TransientChain, ScreeningAgreesWithHighPrecisionDividedDifferences) {
  const TransientChain distinct = Column({0.002, 0.001, 0.0005}, {10, 2, 0}, {0, 0, 0});
  const TransientChain close = Column({0.001, 0.001000001, 0.000999999}, {10, 0, 0}, {0, 0, 0});
  const TransientChain fading = Column({0.002, 0.001, 0.0005}, {10, 2, 0}, {0.0002, 0.0002, 0});
  const Reference cases[] = {
      {"distinct", distinct, 1500, 1.3090611468041725, 0.29649582062098425},
      {"distinct", distinct, 4000, 4.2030798641573829, 1.7961600034364002},
      {"close", close, 1500, 0.64251446970573194, 0.10029372421664094},
      {"close", close, 4000, 2.5973493905412796, 0.73017623983749034},
      {"fading", fading, 1500, 1.3090611468041725, 0.29649582062098425},
      {"fading", fading, 4000, 2.8174086880334454, 1.2040020561908618},
  };
  for (const Reference& r : cases) {
    EXPECT_NEAR(TransientChainScreening(r.chain, 1, 100.0, r.t), r.species1, 1e-9 * r.species1)
        << r.name << r.t;
    EXPECT_NEAR(TransientChainScreening(r.chain, 2, 100.0, r.t), r.species2, 1e-9 * r.species2)
        << r.name << r.t;
  }
  // Where the parent's source fades faster than a daughter decays (ks above
  // lambda / R), the screening form gives no value and says why.
  const TransientChain quick = Column({0.002, 0.001, 0.0005}, {10, 0, 0}, {0.0004, 0, 0});
  EXPECT_EQ(TransientChainScreeningReason(quick, 1), nullptr);
  EXPECT_NE(TransientChainScreeningReason(quick, 2), nullptr);
  EXPECT_TRUE(std::isnan(TransientChainScreening(quick, 2, 100.0, 4000.0)));
  EXPECT_GT(TransientChainExact(quick, 2, 100.0, 4000.0), 0.0);
}

// At long times every species reaches its steady chain concentration
// (engine/chains/chaincalc.h, computed by Taylor series of the steady solutions),
// with transverse spreading, equal and strongly decaying rates.
TEST(TransientChain, LongTimesReachTheSteadyChain) {
  const std::vector<std::vector<double>> rates = {
      {0.002, 0.001, 0.0005}, {0.001, 0.001, 0.001}, {0.05, 0.02, 0.01}, {0.003, 0.0, 0.0}};
  for (const auto& lambda : rates) {
    TransientChain c = Column(lambda, {10, 2, 0.5}, {0, 0, 0});
    c.inputs.ay = 1.0;
    c.inputs.az = 0.1;
    c.inputs.width = 20.0;
    c.inputs.thickness = 3.0;
    const Aquifer aquifer = TransientAquifer(c.inputs);
    ResolvedChain steady;
    steady.names = c.names;
    steady.contaminantIndex = {0, 1, 2};
    steady.rate = lambda;
    steady.c0 = c.c0;
    steady.ca = {1, 1, 1};
    steady.yield = c.yield;
    double screening[3], exact[3];
    ChainConcentrations(aquifer, steady, ChainModel::Screening, 100.0, screening);
    ChainConcentrations(aquifer, steady, ChainModel::Exact, 100.0, exact);
    const double late = 100.0 * 100.0 * 2.0 / 0.1;  // 100 times the front time
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(TransientChainScreening(c, i, 100.0, kInf), screening[i], 1e-12 * screening[i])
          << lambda[0] << " " << i;
      EXPECT_NEAR(TransientChainExact(c, i, 100.0, kInf), exact[i], 1e-8 * exact[i]) << lambda[0] << " " << i;
      EXPECT_NEAR(TransientChainExact(c, i, 100.0, late), exact[i], 1e-6 * exact[i]) << lambda[0] << " " << i;
      EXPECT_NEAR(TransientChainScreening(c, i, 100.0, late), screening[i], 1e-6 * screening[i]) << i;
    }
    // The parent alone is the single-species solution times its C0.
    TransientInputs parent = c.inputs;
    parent.lambda = lambda[0];
    for (double t : {1500.0, 4000.0}) {
      EXPECT_NEAR(TransientChainExact(c, 0, 100.0, t), 10.0 * TransientExact(parent, t),
                  1e-9 * 10.0 * TransientExact(parent, t));
      EXPECT_NEAR(TransientChainScreening(c, 0, 100.0, t), 10.0 * TransientScreening(parent, t),
                  1e-12 * 10.0);
    }
  }
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::string cell;
    bool quoted = false;
    for (char ch : line) {
      if (ch == '"')
        quoted = !quoted;
      else if (ch == ',' && !quoted)
        fields.push_back(cell), cell.clear();
      else
        cell += ch;
    }
    fields.push_back(cell);
    rows.push_back(fields);
  }
  return rows;
}

std::string SavedCopy(Project* project, const char* tag) {
  const std::string path =
      (std::filesystem::temp_directory_path() / (std::string(tag) + std::to_string(::getpid()) + ".vrp"))
          .string();
  return virelo_SaveProject(project, path.c_str()) == 1 ? path : std::string();
}

// The `timing --csv` row of a contaminant, found by its name.
const std::vector<std::string>* RowOf(const std::vector<std::vector<std::string>>& rows,
                                      const std::string& name) {
  for (const auto& r : rows)
    if (!r.empty() && r[0] == name) return &r;
  return nullptr;
}

// On the dry cleaner vinyl chloride is formed in the plume: alone it never
// exceeds its CA, through its chain it does under both models, with the
// PCE source fading by mass balance as the example has it.
TEST(TransientChain, DryCleanerDaughtersExceedThroughTheirChain) {
  const std::string file = std::string(VIRELO_SOURCE_DIR) + "/examples/dry-cleaner.vrp";
  Project* project = virelo_LoadProject(file.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  const CliResult run = Cli({"timing", file, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = CsvRows(run.out);
  ASSERT_EQ(virelo_ExtrasOf(*project).chains.size(), 1u);
  ResolvedChain resolved;
  ASSERT_TRUE(ResolveChain(*project, virelo_ExtrasOf(*project).chains[0], &resolved).empty());
  const auto receptor = ChainAtReceptor(*project, resolved, AssessmentRange{0.1, 1.0});
  int exceeding = 0;
  for (int i = 1; i < resolved.size(); ++i) {
    if (resolved.contaminantIndex[i] < 0) continue;
    const TimeInputs in = TimeInputsOf(*project, resolved.contaminantIndex[i]);
    ASSERT_TRUE(in.usable && in.timing.chain) << resolved.names[i];
    EXPECT_EQ(in.timing.species, i);
    const auto* row = RowOf(rows, resolved.names[i]);
    ASSERT_NE(row, nullptr) << resolved.names[i];
    ASSERT_EQ(row->size(), 17u);
    EXPECT_EQ((*row)[1], FormatDouble(in.timing.chain->inputs.R));
    // The note names the chain's R and says the PCE source fades.
    EXPECT_NE((*row)[16].find("the smallest of its species'"), std::string::npos) << (*row)[16];
    EXPECT_NE((*row)[16].find("fades"), std::string::npos) << (*row)[16];
    const double ca = resolved.ca[i];
    if (receptor[i].exact > ca && resolved.names[i] == "Vinyl chloride") {
      ASSERT_FALSE((*row)[7].empty());
      ASSERT_FALSE((*row)[8].empty());
      // At the first exceedance each model's curve is at CA.
      const TimingInput& timing = in.timing;
      const double x = timing.inputs.x;
      EXPECT_NEAR(CurveScreening(timing, x, std::stod((*row)[7])), ca, 1e-6 * ca);
      EXPECT_NEAR(CurveExact(timing, x, std::stod((*row)[8])), ca, 1e-6 * ca);
      ++exceeding;
    }
  }
  EXPECT_EQ(exceeding, 1) << "vinyl chloride's steady chain exceeds its CA";
  virelo_FreeProject(project);
}

// With constant sources, as the steady chain assumes, every daughter's
// breakthrough at 100 times its front time is its chain's receptor
// concentration (chain --receptor), and a time above CA is given wherever
// that concentration exceeds CA.
TEST(TransientChain, DryCleanerWithConstantSourcesReachesTheSteadyChain) {
  Project* project =
      virelo_LoadProject((std::string(VIRELO_SOURCE_DIR) + "/examples/dry-cleaner.vrp").c_str(), "rb");
  ASSERT_NE(project, nullptr);
  for (auto& [name, transport] : virelo_Extras(project).transport.contaminants)
    transport.sourceDecay = SourceDecayKind::Constant;
  const std::string file = SavedCopy(project, "time-chain-");
  ASSERT_FALSE(file.empty());
  const CliResult run = Cli({"timing", file, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = CsvRows(run.out);
  const CliResult steady = Cli({"chain", file, "--receptor", "--csv"});
  ASSERT_EQ(steady.status, 0) << steady.err;
  const auto receptor = CsvRows(steady.out);
  ASSERT_EQ(receptor[0][0], "species");
  ASSERT_EQ(receptor[0][2], "screening");
  ASSERT_EQ(receptor[0][4], "exact");
  int checked = 0, exceeding = 0;
  for (size_t k = 2; k < receptor.size(); ++k) {  // the daughters
    const std::string& name = receptor[k][0];
    const auto* row = RowOf(rows, name);
    if (!row) continue;  // the end product has no row
    const double ca = std::stod(receptor[k][1]), screening = std::stod(receptor[k][2]);
    const double exact = std::stod(receptor[k][4]);
    EXPECT_EQ((*row)[7].empty(), !(screening > ca)) << name;
    EXPECT_EQ((*row)[8].empty(), !(exact > ca)) << name;
    exceeding += exact > ca ? 1 : 0;
    EXPECT_NEAR(std::stod((*row)[15]), exact, 1e-6 * exact) << name;
    const std::string until = FormatDouble(100.0 * std::stod((*row)[2]));
    const CliResult curve =
        Cli({"breakthrough", file, "--contaminant", name, "--until", until, "--points", "1", "--csv"});
    ASSERT_EQ(curve.status, 0) << curve.err;
    const auto points = CsvRows(curve.out);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0][1], "screeningConcentration");
    EXPECT_NEAR(std::stod(points[1][1]), screening, 1e-6 * screening) << name;
    EXPECT_NEAR(std::stod(points[1][2]), exact, 1e-6 * exact) << name;
    ++checked;
  }
  EXPECT_EQ(checked, 3);
  EXPECT_GE(exceeding, 1);
  std::filesystem::remove(file);
  virelo_FreeProject(project);
}

// Vinyl chloride in two chains: it follows the one that gives it the higher
// steady receptor concentration, whichever comes first in the list, and its
// line names that chain.
TEST(TransientChain, ADaughterOfTwoChainsFollowsTheWorse) {
  Project* project =
      virelo_LoadProject((std::string(VIRELO_SOURCE_DIR) + "/examples/dry-cleaner.vrp").c_str(), "rb");
  ASSERT_NE(project, nullptr);
  std::vector<DecayChain>& chains = virelo_Extras(project).chains;
  ASSERT_EQ(chains.size(), 1u);
  const DecayChain full = chains[0];
  const DecayChain shortChain{{"cis-1,2-Dichloroethene", "Vinyl chloride"}, {full.yields[2]}};
  int vc = -1;
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::string(project->contaminants[k].name) == "Vinyl chloride") vc = k;
  ASSERT_GE(vc, 0);
  for (bool shortFirst : {false, true}) {
    chains =
        shortFirst ? std::vector<DecayChain>{shortChain, full} : std::vector<DecayChain>{full, shortChain};
    const TimeInputs in = TimeInputsOf(*project, vc);
    ASSERT_TRUE(in.timing.chain) << shortFirst;
    EXPECT_EQ(in.timing.chain->size(), 4) << shortFirst;
    EXPECT_EQ(in.timing.species, 3) << shortFirst;
    EXPECT_NE(in.chainBasis.find("Tetrachloroethene (PCE) > "), std::string::npos) << in.chainBasis;
    // The short chain alone gives less at the receptor.
    TransientChain alone = *in.timing.chain;
    for (int j = 0; j < 2; ++j) alone.c0[j] = 0.0;
    const double x = alone.inputs.x;
    EXPECT_LT(TransientChainExact(alone, 3, x, kInf), TransientChainExact(*in.timing.chain, 3, x, kInf));
  }
  // With only the short chain, that one is followed.
  chains = {shortChain};
  const TimeInputs in = TimeInputsOf(*project, vc);
  ASSERT_TRUE(in.timing.chain);
  EXPECT_EQ(in.timing.chain->size(), 2);
  EXPECT_EQ(in.timing.species, 1);
  virelo_FreeProject(project);
}

// A fading parent feeding a daughter that also has a constant source of its
// own: the daughter rises, passes the peak the parent's source gives it,
// and settles at what its own source keeps, above CA here. t50 and t95 are
// not given; the first time above CA is where the curve reaches CA.
TEST(TransientChain, MixedSourcesSettleAtWhatTheConstantOnesKeep) {
  for (double ownSource : {0.05, 3.0}) {
    auto chain =
        std::make_shared<TransientChain>(Column({0.002, 0.001, 0.0005}, {10, ownSource, 0}, {0.0005, 0, 0}));
    ASSERT_EQ(TransientChainFeed(*chain, 1), ChainFeed::Mixed);
    ASSERT_EQ(TransientChainFeed(*chain, 0), ChainFeed::Fading);
    const double steady = TransientChainExact(*chain, 1, 100.0, kInf);
    TimingInput input;
    input.name = "TCE";
    input.inputs = chain->inputs;
    input.ca = 0.5 * steady;
    input.chain = chain;
    input.species = 1;
    const TimingRow row = ComputeTimingRows({input}).front();
    ASSERT_TRUE(row.chain);
    const TransientTimes& t = row.times;
    EXPECT_FALSE(t.t50Exact || t.t95Exact || t.t50Screening || t.t95Screening) << ownSource;
    ASSERT_GE(t.peakExact, steady * (1.0 - 1e-12)) << ownSource;
    // The parent's hump rises above what the daughter's own source keeps,
    // even where that source is the larger: the peak has its time.
    ASSERT_TRUE(t.peakTimeExact) << ownSource;
    EXPECT_GT(t.peakExact, steady * (1.0 + 1e-6)) << ownSource;
    EXPECT_NEAR(TransientChainExact(*chain, 1, 100.0, *t.peakTimeExact), t.peakExact, 1e-9 * t.peakExact);
    ASSERT_TRUE(t.exceedExact) << ownSource;
    EXPECT_NEAR(TransientChainExact(*chain, 1, 100.0, *t.exceedExact), input.ca, 1e-6 * input.ca);
    EXPECT_FALSE(t.belowAgainExact) << "it settles above CA";
  }
}

}  // namespace
