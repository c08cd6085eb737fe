// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// "Decay of dissolved and sorbed phase" on every face that computes a
// steady result: assess, breakeven, uncertainty, the decay chains and a
// decay constant taken from the wells all decay at lambda R, and report the
// lambda the user types.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/transport.h"
#include "engine/site/sitefit.h"
#include "engine/site/siteproject.h"
#include "engine/uncertainty/lambdainterval.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tools/cli/cli_common.h"

namespace fs = std::filesystem;

namespace {

const std::string kSource = VIRELO_SOURCE_DIR;
const std::string kFuelDepot = kSource + "/examples/fuel-depot.vrp";
const std::string kDryCleaner = kSource + "/examples/dry-cleaner.vrp";
const std::string kPetrolStation = kSource + "/examples/petrol-station.vrp";

// The sorption of the fuel depot's benzene: rho_b 1.8 kg/L, foc 0.01,
// Koc 60 L/kg.
constexpr double kBulkDensity = 1.8, kOrganicCarbon = 0.01, kBenzeneKoc = 60.0;

std::vector<std::vector<std::string>> Records(const std::string& text) {
  const CsvTable table = ParseCsv(text);
  EXPECT_TRUE(table.ok);
  std::vector<std::vector<std::string>> records;
  for (const auto& record : table.records) records.push_back(record.fields);
  return records;
}

// Rows of a CSV keyed by their first two cells ("Benzene PL"), as maps from
// the header's column names.
std::map<std::string, std::map<std::string, std::string>> Keyed(const std::string& csv) {
  std::map<std::string, std::map<std::string, std::string>> rows;
  const auto records = Records(csv);
  for (size_t k = 1; k < records.size(); ++k) {
    auto& row = rows[records[k][0] + " " + records[k][1]];
    for (size_t c = 0; c < records[0].size() && c < records[k].size(); ++c)
      row[records[0][c]] = records[k][c];
  }
  return rows;
}

int IndexOf(const Project& p, const std::string& name) {
  for (int k = 0; k < p.contaminantCount; ++k)
    if (name == p.contaminants[k].name) return k;
  return -1;
}

double LambdaOf(const Contaminant& c) {
  double lambda = 0.0;
  virelo_GetLambda(&c, &lambda);
  return lambda;
}

double Velocity(const Aquifer& a) {
  return a.conductivityKf * a.gradientI / a.porosityNe;
}

void SetSorbed(Project* p, DecayOf decayOf, const std::map<std::string, double>& koc) {
  TransportInputs& t = virelo_Extras(p).transport;
  t.aquifer = {kBulkDensity, kOrganicCarbon, decayOf};
  for (const auto& [name, value] : koc) {
    ContaminantTransport c;
    c.koc = value;
    SetContaminantTransport(&t, name.c_str(), c);
  }
}

class DecayConvention : public ProjectFilesTest {
 protected:
  std::string FuelDepot(DecayOf decayOf) {
    return SavedCopy(kFuelDepot, decayOf == DecayOf::Dissolved ? "dissolved.vrp" : "sorbed.vrp",
                     [&](Project* p) {
                       SetSorbed(p, decayOf, {{"Benzene", kBenzeneKoc}});
                     });
  }
};

}  // namespace

// Benzene's plume length is Green wherever it is shown, and the break-even
// values are values of the inputs as typed: at the break-even lambda,
// lambda R puts the plume length exactly on the class bound, and at the
// break-even ne the R of that ne does.
TEST_F(DecayConvention, FuelDepotBenzeneIsGreenOnEveryFaceAndBreaksEvenInTypedLambda) {
  const std::string sorbed = FuelDepot(DecayOf::DissolvedAndSorbed);
  ProjectHandle project(virelo_LoadProject(sorbed.c_str(), "rb"));
  ASSERT_TRUE(project);
  const int index = IndexOf(*project, "Benzene");
  ASSERT_GE(index, 0);
  const Contaminant& benzene = project->contaminants[index];
  const Aquifer& a = project->aquifer;
  const double s = kBulkDensity * kBenzeneKoc * kOrganicCarbon;  // R = 1 + s / ne
  const double r = 1.0 + s / a.porosityNe;
  const double logRatio = std::log(benzene.c0 / benzene.ca), lambda = LambdaOf(benzene);
  const AssessmentRange range = VerdictOptionsOf(*project).plumeRange;

  // The verdict's model concentration at the receptor is the plug flow's of
  // lambda R, as its class is.
  ASSERT_EQ(virelo_math_CalcAll(project.get()), 1);
  for (int k = 0; k < project->resultCount; ++k) {
    if (project->results[k].contaminantIndex != index) continue;
    const RowVerdict verdict =
        VerdictOfResult(*project, project->results[k], true, VerdictOptionsOf(*project));
    EXPECT_EQ(verdict.models.cls, AssessmentClass::Green);
    EXPECT_NEAR(verdict.models.concentration, benzene.c0 * std::exp(-lambda * r * a.distanceX / Velocity(a)),
                1e-12 * benzene.c0);
  }

  const auto assessed = Keyed(Cli({"assess", sorbed, "--csv"}).out);
  ASSERT_TRUE(assessed.count("Benzene PL"));
  EXPECT_EQ(assessed.at("Benzene PL").at("class"), "Green");
  EXPECT_EQ(assessed.at("Benzene PL").at("verdict"), "Green");
  // 88.63 m without sorbed decay (the example as shipped), R times shorter.
  EXPECT_NEAR(std::stod(assessed.at("Benzene PL").at("plumeLength")), 88.625960447201152 / r, 1e-9);

  const CliResult breakeven = Cli({"breakeven", sorbed, "--csv"});
  ASSERT_EQ(breakeven.status, 0) << breakeven.err;
  std::map<std::string, std::vector<std::string>> inputs;  // Benzene PL's rows by input
  for (const auto& row : Records(breakeven.out))
    if (row.size() == 7 && row[0] == "Benzene" && row[1] == "PL") inputs[row[3]] = row;
  ASSERT_TRUE(inputs.count("lambda") && inputs.count("ne")) << breakeven.out;
  EXPECT_EQ(inputs["lambda"][2], "Green");
  // The value shown is the lambda typed, not lambda R.
  EXPECT_EQ(std::stod(inputs["lambda"][4]), lambda);
  const double lambdaAt = std::stod(inputs["lambda"][5]);
  EXPECT_NEAR(logRatio * Velocity(a) / (lambdaAt * r * a.distanceX), range.lower, 1e-12 * range.lower);
  // ne moves R as well (ne R = ne + s): here no porosity up to 1 makes
  // the plume any longer than ln(C0/CA) Kf i / (lambda s x), which is Green.
  ASSERT_LT(logRatio * a.conductivityKf * a.gradientI / (lambda * s * a.distanceX), range.lower);
  EXPECT_EQ(inputs["ne"][5], "");

  // Every sample of a run without distributions is the project.
  const auto uncertain = Keyed(Cli({"uncertainty", sorbed, "--csv", "--samples", "20"}).out);
  ASSERT_TRUE(uncertain.count("Benzene PL"));
  EXPECT_EQ(uncertain.at("Benzene PL").at("pGreen"), "1");

  // Under the default convention Koc only retards: the example's Yellow.
  const std::string dissolved = FuelDepot(DecayOf::Dissolved);
  EXPECT_EQ(Keyed(Cli({"assess", dissolved, "--csv"}).out).at("Benzene PL").at("class"), "Yellow");
  std::string plain;
  for (const auto& row : Records(Cli({"breakeven", dissolved, "--csv"}).out))
    if (row.size() == 7 && row[0] == "Benzene" && row[1] == "PL" && row[3] == "lambda") plain = row[2];
  EXPECT_EQ(plain, "Yellow");
  EXPECT_EQ(
      Keyed(Cli({"uncertainty", dissolved, "--csv", "--samples", "20"}).out).at("Benzene PL").at("pYellow"),
      "1");
}

// A drawn ne moves R with it. Koc is chosen so that benzene's plume length
// meets the Green bound at ne* = ne0 - 0.05 (ne0 = 0.2, the project's): with
// ne uniform on ne* -/+ 0.04 half the samples are Green. An R frozen at ne0
// would put the bound near ne* + 0.015 and make about three in ten Green,
// and lambda without R none. The break-even ne is ne* itself.
TEST_F(DecayConvention, MonteCarloAndBreakEvenTakeRFromEachPorosity) {
  double neStar = 0.0;
  const std::string path = SavedCopy(kFuelDepot, "drawn.vrp", [&](Project* p) {
    const Contaminant& c = p->contaminants[IndexOf(*p, "Benzene")];
    const Aquifer& a = p->aquifer;
    const double lower = VerdictOptionsOf(*p).plumeRange.lower;
    // ratio(ne) = k / (ne + s), with s = rho_b Koc foc.
    const double k = std::log(c.c0 / c.ca) * a.conductivityKf * a.gradientI / (LambdaOf(c) * a.distanceX);
    neStar = a.porosityNe - 0.05;
    const double s = k / lower - neStar;
    ASSERT_GT(s, 0.0);
    SetSorbed(p, DecayOf::DissolvedAndSorbed, {{"Benzene", s / (kBulkDensity * kOrganicCarbon)}});
    UncertaintyPlan plan;
    plan.samples = 20000;
    plan.inputs = {{UncertainInput::Ne, "", DistributionKind::Uniform, {neStar - 0.04, neStar + 0.04}}};
    virelo_Extras(p).uncertainty = plan;
  });
  ASSERT_GT(neStar - 0.04, 0.0);
  const CliResult run = Cli({"uncertainty", path, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Keyed(run.out);
  ASSERT_TRUE(rows.count("Benzene PL")) << run.out;
  EXPECT_NEAR(std::stod(rows.at("Benzene PL").at("pGreen")), 0.5, 0.02);

  const CliResult breakeven = Cli({"breakeven", path, "--csv"});
  ASSERT_EQ(breakeven.status, 0) << breakeven.err;
  bool found = false;
  for (const auto& row : Records(breakeven.out)) {
    if (row.size() != 7 || row[0] != "Benzene" || row[1] != "PL" || row[3] != "ne") continue;
    found = true;
    EXPECT_EQ(row[2], "Green");
    ASSERT_FALSE(row[5].empty());
    EXPECT_NEAR(std::stod(row[5]), neStar, 1e-9 * neStar);
  }
  EXPECT_TRUE(found) << breakeven.out;
}

// The dry cleaner's chain under sorbed decay: each species decays at its
// own lambda R, chain --receptor changes with it, and assess reads the
// same chain.
TEST_F(DecayConvention, DryCleanerChainDecaysAtLambdaRAndAgreesWithAssess) {
  std::map<std::string, double> koc;
  {
    ProjectHandle p(virelo_LoadProject(kDryCleaner.c_str(), "rb"));
    ASSERT_TRUE(p);
    for (int k = 0; k < p->contaminantCount; ++k) koc[p->contaminants[k].name] = 100.0;
  }
  auto both = [](Project* p) {
    for (int k = 0; k < p->contaminantCount; ++k)
      if (p->contaminants[k].assess)
        p->contaminants[k].assess = kAssessPlumeLength | kAssessAttenuationFactor;
  };
  const std::string plain = SavedCopy(kDryCleaner, "plain.vrp", both);
  const std::string sorbed = SavedCopy(kDryCleaner, "sorbed.vrp", [&](Project* p) {
    both(p);
    SetSorbed(p, DecayOf::DissolvedAndSorbed, koc);
  });
  const std::string retarded = SavedCopy(kDryCleaner, "retarded.vrp", [&](Project* p) {
    both(p);
    SetSorbed(p, DecayOf::Dissolved, koc);
  });

  auto receptor = [](const std::string& path) {
    const CliResult run = Cli({"chain", path, "--receptor", "--csv"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::map<std::string, std::string> screening;
    const auto records = Records(run.out);
    if (records.empty()) return screening;
    const auto& header = records[0];
    const size_t column = std::find(header.begin(), header.end(), "screening") - header.begin();
    for (size_t k = 1; k < records.size(); ++k)
      if (column < records[k].size()) screening[records[k][0]] = records[k][column];
    return screening;
  };
  const auto before = receptor(plain), after = receptor(sorbed);
  ASSERT_TRUE(after.count("Vinyl chloride"));
  EXPECT_NE(after.at("Vinyl chloride"), before.at("Vinyl chloride"));
  // Koc alone only retards: the steady chain is the plain one.
  EXPECT_EQ(receptor(retarded), before);
  const auto assessed = Keyed(Cli({"assess", sorbed, "--csv"}).out);
  ASSERT_TRUE(assessed.count("Vinyl chloride AF"));
  EXPECT_EQ(assessed.at("Vinyl chloride AF").at("chainValue"), after.at("Vinyl chloride"));

  // Species by species, the rate is its own lambda times its own R: with a
  // different Koc for each, a rate taken with another species' R shows.
  double next = 20.0;
  for (auto& [name, value] : koc) value = next, next *= 2.5;
  ProjectHandle p(virelo_LoadProject(kDryCleaner.c_str(), "rb"));
  ASSERT_TRUE(p);
  SetSorbed(p.get(), DecayOf::DissolvedAndSorbed, koc);
  ResolvedChain chain;
  ASSERT_TRUE(ResolveChain(*p, virelo_ExtrasOf(*p).chains.at(0), &chain).empty());
  int checked = 0;
  for (int i = 0; i < chain.size(); ++i) {
    const int index = chain.contaminantIndex[static_cast<size_t>(i)];
    if (index < 0) continue;
    const Contaminant& c = p->contaminants[index];
    const double r = 1.0 + kBulkDensity * koc.at(c.name) * kOrganicCarbon / p->aquifer.porosityNe;
    EXPECT_DOUBLE_EQ(chain.rate[static_cast<size_t>(i)], LambdaOf(c) * r) << c.name;
    ++checked;
  }
  EXPECT_GE(checked, 3);
}

// use-decay under sorbed decay takes lambda_fit / R, says so in the source,
// and the steady model then falls along the centre line at the fitted
// slope: (sqrt(1 + 4 ax lambda R / v) - 1) / (2 ax) = -m.
TEST_F(DecayConvention, UseDecayTakesTheFittedRateOverR) {
  const std::string path = SavedCopy(kPetrolStation, "wells.vrp", [](Project* p) {
    SetSorbed(p, DecayOf::DissolvedAndSorbed, {{"Benzene", kBenzeneKoc}});
  });
  const CliResult used = Cli({"use-decay", path, "--contaminant", "Benzene"});
  ASSERT_EQ(used.status, 0) << used.err;
  EXPECT_NE(used.out.find("is lambda * R with R = "), std::string::npos) << used.out;

  ProjectHandle project(virelo_LoadProject(path.c_str(), "rb"));
  ASSERT_TRUE(project);
  const int index = IndexOf(*project, "Benzene");
  ASSERT_GE(index, 0);
  const Contaminant& benzene = project->contaminants[index];
  const DistanceFit fit =
      FitDistance(virelo_ExtrasOf(*project).site, "Benzene", SiteFitOptionsFor(*project, "Benzene", 90));
  ASSERT_TRUE(fit.hasLambda);
  const Aquifer& a = project->aquifer;
  const double r = virelo_RetardationOf(*project, "Benzene").value;
  ASSERT_GT(r, 1.5);
  EXPECT_EQ(benzene.lambdaSelected, kLambdaUser);
  EXPECT_NEAR(benzene.lambdaUser, fit.lambda / r, 1e-15);
  const double ax = a.dispersivityAx, v = Velocity(a);
  const double decline = (std::sqrt(1.0 + 4.0 * ax * benzene.lambdaUser * r / v) - 1.0) / (2.0 * ax);
  EXPECT_NEAR(decline, -fit.line.slope, 1e-12 * std::fabs(fit.line.slope));
  // The source says how the constant came from the wells, and the interval
  // recorded with it still speaks for it.
  const std::string source = LambdaSourceOf(virelo_SettingsOf(*project), benzene.name);
  EXPECT_NE(source.find("\xCE\xBB_fit / R"), std::string::npos) << source;
  const SiteLambdaInterval* interval = ActiveLambdaInterval(*project, benzene);
  ASSERT_NE(interval, nullptr);
  EXPECT_NEAR(interval->low, fit.lambdaLow / r, 1e-15);
}

// The wells' comparison and the lambda interval read the lambda the
// results decay at: after use-decay the model at each well is that of
// lambda R, and the interval's class at the lambda taken is the class the
// results give, not that of the typed lambda alone.
TEST_F(DecayConvention, WellsAndTheLambdaIntervalSeeLambdaR) {
  const std::string path = SavedCopy(kPetrolStation, "wells.vrp", [](Project* p) {
    SetSorbed(p, DecayOf::DissolvedAndSorbed, {{"Benzene", kBenzeneKoc}});
  });
  ASSERT_EQ(Cli({"use-decay", path, "--contaminant", "Benzene"}).status, 0);
  ProjectHandle project(virelo_LoadProject(path.c_str(), "rb"));
  ASSERT_TRUE(project);
  const int index = IndexOf(*project, "Benzene");
  ASSERT_GE(index, 0);
  const Contaminant& benzene = project->contaminants[index];
  const Aquifer& a = project->aquifer;
  const double r = virelo_RetardationOf(*project, "Benzene").value;
  const VerdictOptions options = VerdictOptionsOf(*project);

  const WellsEvidence wells = WellsEvidenceOf(*project, index, options.afRange, VerdictBasis::Screening);
  ASSERT_GE(wells.wells.size(), 3u);
  for (const WellComparison& w : wells.wells) {
    SCOPED_TRACE(w.well);
    const double model =
        benzene.c0 * virelo_math_ScreeningConcentrationOffAxis(&a, benzene.lambdaUser * r, w.s, w.y);
    EXPECT_DOUBLE_EQ(w.screening, model);
  }

  virelo_FreeResults(project.get());
  ASSERT_EQ(virelo_math_CalcAll(project.get()), 1);
  const SiteLambdaInterval* interval = ActiveLambdaInterval(*project, benzene);
  ASSERT_NE(interval, nullptr);
  const ContaminantResult* result = nullptr;
  for (int k = 0; k < project->resultCount; ++k)
    if (project->results[k].contaminantIndex == index) result = &project->results[k];
  ASSERT_NE(result, nullptr);
  const AssessmentClass shown = ClassifyPlumeLength(result->plumeLengthRatio, options.plumeRange);
  // The typed lambda alone gives another class, so that the check has teeth.
  ASSERT_NE(ClassesOverLambdaInterval(a, benzene, *interval, true, options.plumeRange).current, shown);
  EXPECT_EQ(ClassesOverLambdaInterval(*project, benzene, *interval, true, options.plumeRange).current, shown);
}
