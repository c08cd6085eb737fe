// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The engine on two threads at once: the Monte Carlo runs on worker threads
// while the interface thread checks and calculates, so each entry point must
// give on either thread exactly the answer it gives alone. tools/test.sh runs
// these tests once more under ThreadSanitizer, which also reports a shared
// buffer that happened not to give a wrong answer this time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "engine/core/breakeven.h"
#include "engine/core/calc.h"
#include "engine/core/validation.h"
#include "engine/uncertainty/montecarlo.h"
#include "tests/engine/support/projects.h"
#include "tests/engine/support/worked_example.h"

namespace {

// "%a" keeps every bit of a value, so two answers compare as texts and a
// difference shows which value it is.
void Append(std::string& out, double value) {
  char text[64];
  std::snprintf(text, sizeof text, " %a", value);
  out += text;
}

void AppendCodes(std::string& out, const ProblemCode* codes, int count) {
  out += " [";
  for (int k = 0; codes && k < count; ++k) out += std::to_string(codes[k]) + (k + 1 < count ? "," : "");
  out += "]";
}

// What one check hands out, with its count.
using Check = std::function<int(ProblemCode**)>;
std::string CheckAnswer(const Check& check) {
  ProblemCode* codes = nullptr;
  const int count = check(&codes);
  std::string out = std::to_string(count);
  AppendCodes(out, codes, count);
  std::free(codes);
  // The count alone, without the codes, must agree as well.
  out += " " + std::to_string(check(nullptr));
  return out;
}

Contaminant MakeContaminant(double c0, double ca, double lambda) {
  Contaminant c{};
  if (c0 != 0.0) virelo_SetContaminantValue(&c, kValueC0, c0);
  if (ca != 0.0) virelo_SetContaminantValue(&c, kValueCa, ca);
  if (lambda != 0.0) {
    virelo_SetLambda(&c, kLambdaUser, lambda);
    c.lambdaSelected = kLambdaUser;
  }
  c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  return c;
}

// Inputs whose problem lists differ from one another in length and codes,
// so that a check handing out another call's findings is seen.
std::vector<Contaminant> Contaminants() {
  return {MakeContaminant(100, 1, 0.01),     MakeContaminant(0, 0, 0),          MakeContaminant(1, 5, 0.01),
          MakeContaminant(100, 1, 0),        MakeContaminant(INFINITY, 1, 0.1), MakeContaminant(3, 0, -1),
          MakeContaminant(1e4, 1e-3, 0.002), MakeContaminant(-5, 2, NAN)};
}

std::vector<Aquifer> Aquifers() {
  std::vector<Aquifer> list(6, WorkedExampleAquifer());
  list[1] = Aquifer{};                       // nothing entered
  list[2].dispersivityAx = -1.0;             // a negative spread
  list[3].porosityNe = 1.5;                  // ne out of range
  list[3].gradientI = 0.0;                   // and no gradient
  list[4].distanceX = INFINITY;              // a value that is not finite
  list[5].setMask = kAquiferX | kAquiferKf;  // half entered
  return list;
}

std::vector<Check> AllChecks() {
  std::vector<Check> checks;
  for (const Contaminant& c : Contaminants())
    checks.push_back([c](ProblemCode** codes) { return virelo_CheckContaminant(&c, codes); });
  for (const Aquifer& a : Aquifers()) {
    checks.push_back([a](ProblemCode** codes) { return virelo_CheckAquiferPlumeLength(&a, codes); });
    checks.push_back([a](ProblemCode** codes) { return virelo_CheckAquiferAF(&a, codes); });
  }
  return checks;
}

// Runs `work(thread)` on two threads that start together and returns the
// number of answers that differed from the single-thread ones.
int OnTwoThreads(const std::function<int(int)>& work) {
  std::latch start(2);
  int wrong[2] = {0, 0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 2; ++t) {
    threads.emplace_back([&, t] {
      start.arrive_and_wait();
      wrong[t] = work(t);
    });
  }
  for (std::thread& thread : threads) thread.join();
  return wrong[0] + wrong[1];
}

TEST(Threads, ChecksGiveEachCallItsOwnProblems) {
  const std::vector<Check> checks = AllChecks();
  std::vector<std::string> alone;
  for (const Check& check : checks) alone.push_back(CheckAnswer(check));
  // The lists really differ, or a mix-up could not show.
  EXPECT_EQ(alone[0], "0 [] 0");
  EXPECT_EQ(alone[1], "3 [10,20,30] 3");
  EXPECT_NE(alone[10], alone[11]);  // an empty aquifer, either way

  const int rounds = 3000;
  const int wrong = OnTwoThreads([&](int thread) {
    int differing = 0;
    const size_t n = checks.size();
    for (int round = 0; round < rounds; ++round) {
      for (size_t k = 0; k < n; ++k) {
        // The two threads walk the list in opposite directions, so that at
        // any moment they check different inputs.
        const size_t index = thread == 0 ? k : n - 1 - k;
        differing += CheckAnswer(checks[index]) != alone[index];
      }
    }
    return differing;
  });
  EXPECT_EQ(wrong, 0);
}

// A project on its own aquifer with its own contaminants, owned by the test.
// A project on `aquifer` holding `list`, the contaminants named C0, C1, ...
ProjectHandle NamedProject(const Aquifer& aquifer, const std::vector<Contaminant>& list) {
  ProjectHandle p = ProjectHolding(aquifer, list);
  for (int k = 0; k < p->contaminantCount; ++k)
    std::snprintf(p->contaminants[k].name, sizeof p->contaminants[k].name, "C%d", k);
  return p;
}

std::string CalcAnswer(Project* project) {
  virelo_FreeResults(project);
  std::string out = std::to_string(virelo_math_CalcAll(project));
  for (int k = 0; k < project->resultCount; ++k) {
    const ContaminantResult& r = project->results[k];
    out += "\n" + std::to_string(r.contaminantIndex);
    for (double v : {r.plumeLength, r.plumeLengthRatio, r.relativeConcentration, r.attenuationFactor,
                     r.receptorConcentration, r.acceptableSourceConcentration, r.sourceRatio})
      Append(out, v);
    AppendCodes(out, r.plContaminantProblems, r.plContaminantProblemCount);
    AppendCodes(out, r.plAquiferProblems, r.plAquiferProblemCount);
    AppendCodes(out, r.afContaminantProblems, r.afContaminantProblemCount);
    AppendCodes(out, r.afAquiferProblems, r.afAquiferProblemCount);
  }
  return out;
}

TEST(Threads, CalculationsOfTwoProjectsDoNotMix) {
  // One project that is complete, one whose aquifer lacks most values: the
  // problem lists of the two differ in every result.
  std::vector<Contaminant> list = Contaminants();
  for (int k = 0; k < 40; ++k) list.push_back(MakeContaminant(10.0 + k, 0.5, 0.001 * (k + 1)));
  ProjectHandle complete = NamedProject(WorkedExampleAquifer(), list);
  ProjectHandle lacking = NamedProject(Aquifers()[5], list);
  Project* projects[2] = {complete.get(), lacking.get()};
  const std::string alone[2] = {CalcAnswer(complete.get()), CalcAnswer(lacking.get())};
  ASSERT_NE(alone[0], alone[1]);
  ASSERT_EQ(complete->resultCount, static_cast<int>(list.size()));

  const int wrong = OnTwoThreads([&](int thread) {
    int differing = 0;
    for (int round = 0; round < 200; ++round) differing += CalcAnswer(projects[thread]) != alone[thread];
    return differing;
  });
  EXPECT_EQ(wrong, 0);
}

std::string BreakEvenAnswer(const Aquifer& aquifer, const Contaminant& c) {
  std::string out;
  for (bool plumeLength : {true, false}) {
    const BreakEvenTable table = BreakEvenValues(aquifer, c, true, plumeLength, kAssessmentRanges[0].range);
    out += AssessmentClassName(table.cls);
    for (const BreakEven& e : table.inputs) {
      Append(out, e.worseAt.value_or(-1.0));
      Append(out, e.betterAt.value_or(-1.0));
    }
    out += "\n";
  }
  return out;
}

// The break-even values run the checks and the page's rounding of
// "Approximate by x" at every step of their searches.
TEST(Threads, BreakEvenValuesOnTwoThreads) {
  const std::vector<Contaminant> list = Contaminants();
  const std::vector<Aquifer> aquifers = {WorkedExampleAquifer(), Aquifers()[2]};
  std::vector<std::string> alone[2];
  for (int t = 0; t < 2; ++t)
    for (const Contaminant& c : list) alone[t].push_back(BreakEvenAnswer(aquifers[t], c));
  EXPECT_EQ(alone[0][0].substr(0, 5), "Green");
  // A negative ax refuses the attenuation factor only.
  EXPECT_TRUE(alone[1][0].starts_with("Green ") && alone[1][0].ends_with("\nProblems\n")) << alone[1][0];

  const int wrong = OnTwoThreads([&](int thread) {
    int differing = 0;
    for (int round = 0; round < 5; ++round)
      for (size_t k = 0; k < list.size(); ++k)
        differing += BreakEvenAnswer(aquifers[thread], list[k]) != alone[thread][k];
    return differing;
  });
  EXPECT_EQ(wrong, 0);
}

std::string UncertaintyAnswer(const Project& project, const UncertaintyPlan& plan) {
  UncertaintyOptions options;
  options.threads = 1;
  const UncertaintyRun run = RunUncertainty(project, plan, options);
  std::string out = std::to_string(run.samples) + " " + std::to_string(run.problems.size());
  for (const UncertaintyRow& row : run.rows) {
    out += "\n" + std::to_string(row.contaminantIndex) + (row.plumeLength ? " PL" : " AF");
    AppendCodes(out, row.problems.data(), static_cast<int>(row.problems.size()));
    for (double v : {row.pGreen, row.pYellow, row.pRed, row.pExceed}) Append(out, v);
    for (int p = 0; p < 3; ++p) Append(out, row.ratio[p]);
    for (int p = 0; p < 3; ++p) Append(out, row.concentration[p]);
  }
  return out;
}

// Two runs of the Monte Carlo at once, each on its own project and plan, the
// one with a contaminant whose own values the checks refuse.
TEST(Threads, MonteCarloRunsOnTwoThreads) {
  ProjectHandle first =
      NamedProject(WorkedExampleAquifer(), {MakeContaminant(100, 1, 0.01), MakeContaminant(0, 0, 0)});
  ProjectHandle second =
      NamedProject(WorkedExampleAquifer(), {MakeContaminant(50, 2, 0.003), MakeContaminant(80, 1, 0.02)});
  UncertaintyPlan plans[2];
  plans[0].samples = 300;
  plans[0].seed = 11;
  plans[0].inputs = {{UncertainInput::Kf, "", DistributionKind::LogUniform, {0.3, 3.0}},
                     {UncertainInput::Lambda, "C0", DistributionKind::LogNormal, {0.01, 2.0}}};
  plans[1].samples = 300;
  plans[1].seed = 12;
  plans[1].inputs = {{UncertainInput::X, "", DistributionKind::Uniform, {60.0, 140.0}},
                     {UncertainInput::C0, "C1", DistributionKind::Uniform, {40.0, 120.0}}};
  const Project* projects[2] = {first.get(), second.get()};
  const std::string alone[2] = {UncertaintyAnswer(*first, plans[0]), UncertaintyAnswer(*second, plans[1])};
  ASSERT_EQ(alone[0].substr(0, 6), "300 0\n") << alone[0];
  ASSERT_EQ(alone[1].substr(0, 6), "300 0\n") << alone[1];
  EXPECT_NE(alone[0].find(" [10,20,30]"), std::string::npos) << alone[0];

  const int wrong = OnTwoThreads([&](int thread) {
    int differing = 0;
    for (int round = 0; round < 4; ++round)
      differing += UncertaintyAnswer(*projects[thread], plans[thread]) != alone[thread];
    return differing;
  });
  EXPECT_EQ(wrong, 0);
}

}  // namespace
