// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One question, one answer: every command that classes a row of a project
// gives the class the engine's verdict gives it, whatever the decay
// convention, the verdict basis, the chains, the wells and the spelling of
// the concentration unit. A face that assembled the case itself and forgot
// a piece of it (R under "dissolved and sorbed", the wells under "ug/l")
// disagrees here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/evidence/evidence.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/transport.h"
#include "engine/project/uncertainty.h"
#include "engine/uncertainty/montecarlo.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tests/support/CaseVariants.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::vector<std::string>> RowsByName(const std::string& csv, size_t nameColumns) {
  std::map<std::string, std::vector<std::string>> rows;
  const CsvTable table = ParseCsv(csv);
  EXPECT_TRUE(table.ok);
  for (size_t k = 1; k < table.records.size(); ++k) {
    const std::vector<std::string>& fields = table.records[k].fields;
    if (fields.size() < nameColumns) continue;
    std::string key = fields[0];
    if (nameColumns > 1) key += " " + fields[1];
    rows[key] = fields;
  }
  return rows;
}

std::string ClassWord(AssessmentClass c) {
  return c == AssessmentClass::Problems ? "" : AssessmentClassName(c);
}

class OneAnswer : public ProjectFilesTest {
 protected:
  // Checks every command's class of every row of the variant against the
  // engine's verdict.
  void Check(const CaseVariant& v) {
    SCOPED_TRACE(v.Label());
    Project* project = virelo_LoadProject(v.example.c_str(), "rb");
    ASSERT_NE(project, nullptr);
    v.ApplyTo(project);
    const std::string path = (dir_ / "variant.vrp").string();
    ASSERT_EQ(virelo_SaveProject(project, path.c_str()), 1);
    virelo_math_CalcAll(project);
    virelo_math_CalcExactAll(project, 0);
    const std::vector<RowVerdict> verdicts = ProjectVerdicts(*project, VerdictOptionsOf(*project));

    const CliResult assess = Cli({"assess", path, "--csv"});
    ASSERT_EQ(assess.status, 0) << assess.err;
    const CliResult breakeven = Cli({"breakeven", path, "--csv"});
    ASSERT_EQ(breakeven.status, 0) << breakeven.err;
    const CliResult uncertainty = Cli({"uncertainty", path, "--csv", "--samples", "4"});
    ASSERT_EQ(uncertainty.status, 0) << uncertainty.err;
    const auto assessRows = RowsByName(assess.out, 2);
    const auto breakevenRows = RowsByName(breakeven.out, 2);
    const auto uncertaintyRows = RowsByName(uncertainty.out, 2);

    for (const RowVerdict& verdict : verdicts) {
      const std::string name = project->contaminants[verdict.contaminantIndex].name;
      const std::string key = name + (verdict.plumeLength ? " PL" : " AF");
      SCOPED_TRACE(key);
      ASSERT_TRUE(assessRows.count(key));
      const std::vector<std::string>& a = assessRows.at(key);
      // assess: the verdict and the models' class.
      EXPECT_EQ(a[17], ClassWord(verdict.verdict));
      if (verdict.verdict == AssessmentClass::Problems) continue;
      EXPECT_EQ(a[2], ClassWord(verdict.models.screeningClass));
      // breakeven: the class its values move is the screening class.
      if (breakevenRows.count(key))
        EXPECT_EQ(breakevenRows.at(key)[2], ClassWord(verdict.models.screeningClass));
      // uncertainty without distributions: the verdict's class with
      // probability 1.
      ASSERT_TRUE(uncertaintyRows.count(key));
      const std::vector<std::string>& u = uncertaintyRows.at(key);
      const int column = verdict.verdict == AssessmentClass::Green    ? 2
                         : verdict.verdict == AssessmentClass::Yellow ? 3
                                                                      : 4;
      EXPECT_EQ(u[static_cast<size_t>(column)], "1")
          << "pGreen,pYellow,pRed = " << u[2] << "," << u[3] << "," << u[4];
    }
    CheckChains(v, path, *project, verdicts);
    CheckSameAsMicrograms(v, verdicts);
    virelo_FreeProject(project);
  }

  // Every spelling of the unit gives the verdicts and the wells' classes of
  // "\u00b5g/L" (mg/l with C0 and CA in mg/l too): the wells' evidence is
  // read whatever case, micro sign or litre letter the user typed.
  void CheckSameAsMicrograms(const CaseVariant& v, const std::vector<RowVerdict>& verdicts) {
    std::vector<std::string> classes;
    for (const RowVerdict& verdict : verdicts)
      classes.push_back(ClassWord(verdict.verdict) + "/" +
                        (verdict.wells.hasClass ? ClassWord(verdict.wells.cls) : "-"));
    CaseVariant reference = v;
    reference.unit = "\xC2\xB5g/L";
    reference.milligrams = false;
    const std::string key = reference.Label();
    if (v.unit == reference.unit) {
      reference_[key] = classes;
    } else if (reference_.count(key)) {
      EXPECT_EQ(classes, reference_[key]);
    }
  }

  std::map<std::string, std::vector<std::string>> reference_;

  // chain --receptor: each species' class under the basis is the chain
  // class assess gives it (one chain per project here).
  void CheckChains(const CaseVariant& v, const std::string& path, const Project& project,
                   const std::vector<RowVerdict>& verdicts) {
    if (!v.chains || virelo_ExtrasOf(project).chains.size() != 1) return;
    const CliResult chain = Cli({"chain", path, "--receptor", "--csv"});
    ASSERT_EQ(chain.status, 0) << chain.err;
    const auto species = RowsByName(chain.out, 1);
    for (const RowVerdict& verdict : verdicts) {
      if (verdict.plumeLength || !verdict.models.inChain) continue;
      const std::string name = project.contaminants[verdict.contaminantIndex].name;
      ASSERT_TRUE(species.count(name)) << name;
      const std::string screening = species.at(name)[3], exact = species.at(name)[5];
      const std::string underBasis = v.basis == VerdictBasis::Screening             ? screening
                                     : v.basis == VerdictBasis::Exact               ? exact
                                     : (screening == "Red" || exact == "Red")       ? "Red"
                                     : (screening == "Yellow" || exact == "Yellow") ? "Yellow"
                                                                                    : screening;
      EXPECT_EQ(underBasis, ClassWord(verdict.models.chainClass)) << name;
    }
  }
};

TEST_F(OneAnswer, EveryCommandGivesTheVerdictsClass) {
  const std::vector<CaseVariant> variants = CaseVariants(VIRELO_SOURCE_DIR, true);
  ASSERT_EQ(variants.size(), 216u);
  for (const CaseVariant& v : variants) {
    Check(v);
    if (HasFatalFailure()) return;
  }
}

}  // namespace

namespace {

// A draw's receptor is the drawn x: the wells' line is extrapolated to it,
// not to the project's. Every contaminant of the petrol station drawn at a
// fixed x' takes exactly the verdict the project has when x' is typed.
TEST(OneAnswerDraws, WellsFollowTheDrawnReceptor) {
  const std::string example = std::string(VIRELO_SOURCE_DIR) + "/examples/petrol-station.vrp";
  for (double x : {150.0, 450.0, 600.0}) {
    SCOPED_TRACE(x);
    Project* project = virelo_LoadProject(example.c_str(), "rb");
    ASSERT_NE(project, nullptr);
    UncertaintyPlan plan;
    plan.samples = 8;
    // A range a micrometre wide: every draw is x to the class.
    plan.inputs.push_back({UncertainInput::X, "", DistributionKind::Uniform, {x, x + 1e-6}});
    UncertaintyOptions options = UncertaintyOptionsOf(*project);
    options.threads = 1;
    const UncertaintyRun run = RunUncertainty(*project, plan, options);
    ASSERT_TRUE(run.problems.empty()) << run.problems.front();
    // The same project with x typed.
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, x);
    virelo_math_CalcAll(project);
    virelo_math_CalcExactAll(project, 1);
    const std::vector<RowVerdict> verdicts = ProjectVerdicts(*project, VerdictOptionsOf(*project));
    int wellsDecided = 0;
    for (const UncertaintyRow& row : run.rows) {
      if (row.HasProblems() || row.model != UncertaintyModel::Screening) continue;
      for (const RowVerdict& v : verdicts) {
        if (v.contaminantIndex != row.contaminantIndex || v.plumeLength != row.plumeLength) continue;
        const double p = v.verdict == AssessmentClass::Green    ? row.pGreen
                         : v.verdict == AssessmentClass::Yellow ? row.pYellow
                                                                : row.pRed;
        EXPECT_EQ(p, 1.0) << project->contaminants[v.contaminantIndex].name
                          << (v.plumeLength ? " PL" : " AF");
        if (v.reasons & kReasonWells) ++wellsDecided;
      }
    }
    // MTBE's wells decide at 150 m; at 450 m and beyond they fall below CA.
    if (x == 150.0) EXPECT_GT(wellsDecided, 0);
    virelo_FreeProject(project);
  }
}

}  // namespace
