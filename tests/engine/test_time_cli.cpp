// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli breakthrough and timing: that each row and curve belongs to the
// contaminant it names, with the project's aquifer, and that the source's
// target follows the verdict basis.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/verdict.h"
#include "engine/project/extras.h"
#include "engine/time/timeinputs.h"
#include "engine/time/transient.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/projects.h"
#include "tools/cli/cli_common.h"

namespace {

const std::string kExample = std::string(VIRELO_SOURCE_DIR) + "/examples/dry-cleaner.vrp";

std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    bool quoted = false;
    std::string cell;
    for (char c : line) {
      if (c == '"') {
        quoted = !quoted;
      } else if (c == ',' && !quoted) {
        fields.push_back(cell);
        cell.clear();
      } else {
        cell += c;
      }
    }
    fields.push_back(cell);
    rows.push_back(fields);
  }
  return rows;
}

double Number(const std::string& field) {
  return field.empty() ? NAN : std::stod(field);
}

TEST(TimeCli, TimingRowsAreThoseOfEachContaminantsOwnInputs) {
  ProjectHandle example = LoadProjectFile(kExample);
  ASSERT_NE(example.get(), nullptr);
  const std::vector<int> indices = TimeContaminantsOf(*example);
  ASSERT_GE(indices.size(), 2u);

  const CliResult run = Cli({"timing", kExample, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Rows(run.out);
  ASSERT_EQ(rows.size(), indices.size() + 1);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "name,retardation,frontTime,t50Screening,t50Exact,t95Screening,t95Exact,exceedScreening,"
            "exceedExact,belowAgainExact,peakExact,peakTimeExact,sourceDecay,sourceTimeToTarget,chain,"
            "peakExactConcentration,note");
  int chains = 0;
  for (size_t k = 0; k < indices.size(); ++k) {
    const TimeInputs in = TimeInputsOf(*example, indices[k]);
    // A daughter is followed through its chain, any other contaminant alone.
    const TransientTimes t = ComputeTimingRows({in.timing}).front().times;
    if (!in.timing.chain) {
      EXPECT_EQ(t.exceedExact,
                TransientTiming(in.timing.inputs, in.timing.c0, in.timing.ca, in.timing.target).exceedExact);
    }
    const auto& row = rows[k + 1];
    ASSERT_EQ(row.size(), 17u) << k;
    chains += in.timing.chain ? 1 : 0;
    EXPECT_EQ(row[14].empty(), !in.timing.chain) << k;
    const double peak = in.timing.chain ? t.peakExact : in.timing.c0 * t.peakExact;
    EXPECT_NEAR(Number(row[15]), peak, 1e-15 * peak) << k;
    EXPECT_EQ(row[0], example->contaminants[indices[k]].name);
    EXPECT_DOUBLE_EQ(Number(row[2]), t.frontTime);
    // Each time in its own column, empty exactly where it does not occur.
    const std::optional<double> times[] = {t.t50Screening,    t.t50Exact,    t.t95Screening,   t.t95Exact,
                                           t.exceedScreening, t.exceedExact, t.belowAgainExact};
    for (int c = 0; c < 7; ++c)
      EXPECT_EQ(row[3 + c], times[c] ? FormatDouble(*times[c]) : "") << k << " " << c;
    if (in.timing.chain) {
      EXPECT_EQ(row[10], "") << "a chain species has no C/C0";
    } else {
      EXPECT_NEAR(Number(row[10]), t.peakExact, 1e-15 * t.peakExact);
    }
    EXPECT_EQ(Number(row[1]), in.timing.inputs.R);
    EXPECT_EQ(Number(row[12]), in.timing.inputs.ks);
    EXPECT_EQ(row[13], t.sourceTimeToTarget ? FormatDouble(*t.sourceTimeToTarget) : "");
  }
  EXPECT_GE(chains, 2) << "the dry cleaner's daughters follow their chain";
}

TEST(TimeCli, BreakthroughIsTheNamedContaminantsCurveAtTheReceptor) {
  ProjectHandle example = LoadProjectFile(kExample);
  ASSERT_NE(example.get(), nullptr);
  const std::vector<int> indices = TimeContaminantsOf(*example);
  ASSERT_GE(indices.size(), 2u);
  const int last = indices.back();  // not the first, so a wrong pick shows
  const std::string name = example->contaminants[last].name;
  const TimeInputs in = TimeInputsOf(*example, last);
  ASSERT_TRUE(in.usable);

  // The first contaminant is followed alone, in C/C0.
  const int first = indices.front();
  const TimeInputs alone = TimeInputsOf(*example, first);
  ASSERT_FALSE(alone.timing.chain);
  const CliResult run = Cli({"breakthrough", kExample, "--contaminant", example->contaminants[first].name,
                             "--until", "9000", "--points", "3", "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Rows(run.out);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "t,screening,exact");
  EXPECT_EQ(rows[3][0], "9000");
  for (int k = 1; k <= 3; ++k) {
    const double t = 3000.0 * k;
    EXPECT_DOUBLE_EQ(Number(rows[k][0]), t);
    EXPECT_DOUBLE_EQ(Number(rows[k][1]), TransientScreening(alone.timing.inputs, t));
    EXPECT_DOUBLE_EQ(Number(rows[k][2]), TransientExact(alone.timing.inputs, t));
  }
  // Long after arrival the curve is that of the project's own aquifer and
  // decay rate: PCE's source fades by mass balance, so it has fallen far
  // below the steady exact value of a constant source.
  ASSERT_GT(alone.timing.inputs.ks, 0.0);
  const CliResult late = Cli({"breakthrough", kExample, "--contaminant", example->contaminants[first].name,
                              "--until", "1e7", "--points", "1", "--csv"});
  ASSERT_EQ(late.status, 0) << late.err;
  ContaminantResult r{};
  virelo_math_CalcExactAttenuationFactor(&example->aquifer, &example->contaminants[first], &r);
  const double lateExact = Number(Rows(late.out)[1][2]);
  EXPECT_DOUBLE_EQ(lateExact, TransientExact(alone.timing.inputs, 1e7));
  EXPECT_LT(lateExact, 1e-6 * r.exactRelativeConcentration);
  EXPECT_EQ(TransientExact(alone.timing.inputs, INFINITY), 0.0);
  TransientInputs constant = alone.timing.inputs;
  constant.ks = 0.0;
  EXPECT_NEAR(TransientExact(constant, 1e7), r.exactRelativeConcentration,
              1e-9 * r.exactRelativeConcentration);

  // The last is a daughter: its curve is its chain's, in concentrations.
  ASSERT_TRUE(in.timing.chain);
  const CliResult chain =
      Cli({"breakthrough", kExample, "--contaminant", name, "--until", "9000", "--points", "3", "--csv"});
  ASSERT_EQ(chain.status, 0) << chain.err;
  const auto chainRows = Rows(chain.out);
  ASSERT_EQ(chainRows.size(), 4u);
  EXPECT_EQ(chainRows[0], (std::vector<std::string>{"t", "screeningConcentration", "exactConcentration"}));
  const double x = example->aquifer.distanceX;
  for (int k = 1; k <= 3; ++k) {
    EXPECT_DOUBLE_EQ(Number(chainRows[k][1]),
                     TransientChainScreening(*in.timing.chain, in.timing.species, x, 3000.0 * k));
    EXPECT_DOUBLE_EQ(Number(chainRows[k][2]),
                     TransientChainExact(*in.timing.chain, in.timing.species, x, 3000.0 * k));
  }
}

TEST(TimeCli, SourceTargetFollowsTheVerdictBasis) {
  ProjectHandle example = LoadProjectFile(kExample);
  ASSERT_NE(example.get(), nullptr);
  const int k = TimeContaminantsOf(*example).front();
  const Contaminant& c = example->contaminants[k];
  ContaminantResult r{};
  virelo_math_CalcAttenuationFactor(&example->aquifer, &c, &r);
  virelo_math_CalcExactAttenuationFactor(&example->aquifer, &c, &r);
  ASSERT_NE(TargetConcentration(c, r, VerdictBasis::Screening),
            TargetConcentration(c, r, VerdictBasis::Exact));
  for (VerdictBasis basis : {VerdictBasis::Screening, VerdictBasis::Exact, VerdictBasis::Worse}) {
    virelo_Extras(example.get()).settings.verdictBasis = basis;
    const TimeInputs in = TimeInputsOf(*example, k);
    EXPECT_DOUBLE_EQ(in.timing.target, TargetConcentration(c, r, basis)) << VerdictBasisKey(basis);
    EXPECT_EQ(in.timing.c0, c.c0);
    EXPECT_EQ(in.timing.ca, c.ca);
  }
}

TEST(TimeCli, RefusesWhatItCannotAnswer) {
  EXPECT_NE(Cli({"breakthrough", kExample, "--contaminant", "Nothing such"}).status, 0);
  EXPECT_NE(Cli({"breakthrough", kExample}).status, 0);
  ProjectHandle example = LoadProjectFile(kExample);
  const std::string name = example->contaminants[TimeContaminantsOf(*example)[0]].name;
  for (const char* until : {"0", "-5", "inf", "12x"}) {
    const CliResult run = Cli({"breakthrough", kExample, "--contaminant", name, "--until", until});
    EXPECT_NE(run.status, 0) << until;
    EXPECT_NE(run.err.find("--until"), std::string::npos) << until;
  }
  EXPECT_NE(Cli({"timing", kExample, "--points", "3"}).status, 0);
  EXPECT_NE(Cli({"timing"}).status, 0);
}

}  // namespace
