// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli assess and the one verdict: a project without chains or site
// data prints every value it printed before, and the examples with a decay
// chain and with wells give the verdict with its evidence and reasons.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/chains/chaincalc.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"

namespace fs = std::filesystem;

namespace {

const std::string kSource = VIRELO_SOURCE_DIR;
const std::string kFuelDepot = kSource + "/examples/fuel-depot.vrp";
const std::string kDryCleaner = kSource + "/examples/dry-cleaner.vrp";
const std::string kPetrolStation = kSource + "/examples/petrol-station.vrp";

const char* const kNewColumns = ",chainClass,chainValue,wellsClass,wellsConcentration,reasons,targetOrigin";
constexpr size_t kOldColumnCount = 18, kColumnCount = 24;
constexpr size_t kTarget = 15, kVerdict = 17, kChainClass = 18, kChainValue = 19, kWellsClass = 20,
                 kWellsConcentration = 21, kReasons = 22, kTargetOrigin = 23;

// `assess --csv` of examples/fuel-depot.vrp as the command printed it before
// verdicts took in chains and wells: with its saved settings (screening
// basis, range 0 on both sides), with --plume-range 3 --af-range 2, and saved
// with the exact and the worse basis.
const char* const kFuelDepotHeader =
    "name,assessment,class,plumeLength,plumeLengthRatio,relativeConcentration,attenuationFactor,"
    "receptorConcentration,acceptableSourceConcentration,sourceRatio,problems,exactRelativeConcentration,"
    "exactSourceRatio,exactClass,receptorConcentrationExact,targetConcentration,verdictBasis,verdict\n";
const char* const kFuelDepotPlumeRows =
    "Benzene,PL,Yellow,88.625960447201152,0.35450384178880462,,,,,,,,,,,,,\n"
    "Toluene,PL,Green,2.3472374719465194,0.0093889498877860779,,,,,,,,,,,,,\n"
    "MTBE,PL,Red,768.60602678823898,3.0744241071529559,,,,,,,,,,,,,\n"
    "Vinyl chloride,PL,Problems,,,,,,,,30,,,,,,,\n"
    "Naphthalene,PL,Yellow,241.41568686511511,0.96566274746046044,,,,,,,,,,,,,\n";
const char* const kFuelDepotScreening =
    "Benzene,AF,Green,,,2.8257860852771389e-06,353883.82907332666,0.0033909433023325665,353883.82907332666,"
    "0.003390943302332567,,8.3441391444110439e-06,0.010012966973293253,Green,0.010012966973293253,"
    "353883.82907332666,screening,Green\n"
    "Toluene,AF,Green,,,5.3706714778400326e-17,18619645683525932,1.6112014433520098e-13,"
    "1.3033751978468153e+19,2.301716347645728e-16,,3.4497744242576272e-16,1.478474753253269e-15,Green,"
    "1.0349323272772882e-12,1.3033751978468153e+19,screening,Green\n"
    "MTBE,AF,Yellow,,,0.020232838448822919,49.424602609733029,14.162986914176043,741.36903914599543,"
    "0.94419912761173619,,0.028203468453464477,1.3161618611616757,Yellow,19.742427917425132,"
    "741.36903914599543,screening,Yellow\n"
    "Trichloroethene (TCE),AF,Red,,,0.024902084730551676,40.157280437373494,37.353127095827517,"
    "200.78640218686746,7.4706254191655033,,0.033746578803128646,10.123973640938594,Red,50.61986820469297,"
    "200.78640218686746,screening,Red\n"
    "Naphthalene,AF,Green,,,0.0016012383030891435,624.51666193019389,0.40030957577228587,"
    "1249.0333238603878,0.20015478788614294,,0.0029764287103386899,0.37205358879233624,Yellow,"
    "0.74410717758467249,1249.0333238603878,screening,Green\n";
const char* const kFuelDepotOtherRanges =
    "Benzene,PL,Yellow,88.625960447201152,0.35450384178880462,,,,,,,,,,,,,\n"
    "Toluene,PL,Green,2.3472374719465194,0.0093889498877860779,,,,,,,,,,,,,\n"
    "MTBE,PL,Yellow,768.60602678823898,3.0744241071529559,,,,,,,,,,,,,\n"
    "Vinyl chloride,PL,Problems,,,,,,,,30,,,,,,,\n"
    "Naphthalene,PL,Yellow,241.41568686511511,0.96566274746046044,,,,,,,,,,,,,\n"
    "Benzene,AF,Green,,,2.8257860852771389e-06,353883.82907332666,0.0033909433023325665,353883.82907332666,"
    "0.003390943302332567,,8.3441391444110439e-06,0.010012966973293253,Green,0.010012966973293253,"
    "353883.82907332666,screening,Green\n"
    "Toluene,AF,Green,,,5.3706714778400326e-17,18619645683525932,1.6112014433520098e-13,"
    "1.3033751978468153e+19,2.301716347645728e-16,,3.4497744242576272e-16,1.478474753253269e-15,Green,"
    "1.0349323272772882e-12,1.3033751978468153e+19,screening,Green\n"
    "MTBE,AF,Yellow,,,0.020232838448822919,49.424602609733029,14.162986914176043,741.36903914599543,"
    "0.94419912761173619,,0.028203468453464477,1.3161618611616757,Yellow,19.742427917425132,"
    "741.36903914599543,screening,Yellow\n"
    "Trichloroethene (TCE),AF,Yellow,,,0.024902084730551676,40.157280437373494,37.353127095827517,"
    "200.78640218686746,7.4706254191655033,,0.033746578803128646,10.123973640938594,Red,50.61986820469297,"
    "200.78640218686746,screening,Yellow\n"
    "Naphthalene,AF,Yellow,,,0.0016012383030891435,624.51666193019389,0.40030957577228587,"
    "1249.0333238603878,0.20015478788614294,,0.0029764287103386899,0.37205358879233624,Yellow,"
    "0.74410717758467249,1249.0333238603878,screening,Yellow\n";
// The exact and the worse basis differ only in their key and give the same
// classes here: the exact class is never better than the screening one.
std::string FuelDepotUnderBasis(const char* key) {
  const std::string rows =
      "Benzene,AF,Green,,,2.8257860852771389e-06,353883.82907332666,0.0033909433023325665,"
      "353883.82907332666,0.003390943302332567,,8.3441391444110439e-06,0.010012966973293253,Green,"
      "0.010012966973293253,119844.59783005971,@,Green\n"
      "Toluene,AF,Green,,,5.3706714778400326e-17,18619645683525932,1.6112014433520098e-13,"
      "1.3033751978468153e+19,2.301716347645728e-16,,3.4497744242576272e-16,1.478474753253269e-15,Green,"
      "1.0349323272772882e-12,2.0291181796636925e+18,@,Green\n"
      "MTBE,AF,Yellow,,,0.020232838448822919,49.424602609733029,14.162986914176043,741.36903914599543,"
      "0.94419912761173619,,0.028203468453464477,1.3161618611616757,Yellow,19.742427917425132,"
      "531.84947889476405,@,Yellow\n"
      "Trichloroethene (TCE),AF,Red,,,0.024902084730551676,40.157280437373494,37.353127095827517,"
      "200.78640218686746,7.4706254191655033,,0.033746578803128646,10.123973640938594,Red,"
      "50.61986820469297,148.16316727005375,@,Red\n"
      "Naphthalene,AF,Green,,,0.0016012383030891435,624.51666193019389,0.40030957577228587,"
      "1249.0333238603878,0.20015478788614294,,0.0029764287103386899,0.37205358879233624,Yellow,"
      "0.74410717758467249,671.94621294068168,@,Yellow\n";
  std::string text = std::string(kFuelDepotHeader) + kFuelDepotPlumeRows;
  for (char ch : rows) ch == '@' ? text += key : text += ch;
  return text;
}

std::vector<std::vector<std::string>> Records(const std::string& text) {
  const CsvTable table = ParseCsv(text);
  EXPECT_TRUE(table.ok);
  std::vector<std::vector<std::string>> records;
  for (const auto& record : table.records) records.push_back(record.fields);
  return records;
}

int Rank(const std::string& cls) {
  return cls == "Red" ? 1 : cls == "Yellow" ? 2 : cls == "Green" ? 3 : 0;
}

class AssessVerdict : public ProjectFilesTest {
 protected:
};

// The rows of `assess --csv` keyed by "name assessment".
std::map<std::string, std::vector<std::string>> ByRow(const std::string& csv) {
  std::map<std::string, std::vector<std::string>> rows;
  const auto records = Records(csv);
  for (size_t k = 1; k < records.size(); ++k) rows[records[k][0] + " " + records[k][1]] = records[k];
  return rows;
}

// ---------------------------------------------------------------------------

// Column for column against the old output: the only new values are the
// appended columns and the verdict of the plume-length rows, which is their
// class. Without chains and site data the appended columns hold only the
// reason "exact", where the basis made the verdict worse than the class.
TEST_F(AssessVerdict, ProjectWithoutChainsOrWellsPrintsEveryOldValue) {
  struct Case {
    std::string label, path;
    std::vector<std::string> options;
    std::string before;
  };
  const std::vector<Case> cases = {
      {"saved settings",
       kFuelDepot,
       {},
       std::string(kFuelDepotHeader) + kFuelDepotPlumeRows + kFuelDepotScreening},
      {"other ranges",
       kFuelDepot,
       {"--plume-range", "3", "--af-range", "2"},
       std::string(kFuelDepotHeader) + kFuelDepotOtherRanges},
      {"exact basis",
       SavedCopy(kFuelDepot, "exact.vrp",
                 [](Project* p) { virelo_Extras(p).settings.verdictBasis = VerdictBasis::Exact; }),
       {},
       FuelDepotUnderBasis("exact")},
      {"worse basis",
       SavedCopy(kFuelDepot, "worse.vrp",
                 [](Project* p) { virelo_Extras(p).settings.verdictBasis = VerdictBasis::Worse; }),
       {},
       FuelDepotUnderBasis("worse")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::vector<std::string> args = {"assess", c.path, "--csv"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliResult run = Cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto before = Records(c.before), after = Records(run.out);
    ASSERT_EQ(after.size(), before.size());
    // The header gains exactly the six columns.
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
              std::string(kFuelDepotHeader).insert(std::string(kFuelDepotHeader).size() - 1, kNewColumns));
    int exactReasons = 0;
    for (size_t k = 1; k < after.size(); ++k) {
      const std::vector<std::string>& old = before[k];
      const std::vector<std::string>& now = after[k];
      SCOPED_TRACE(now[0] + " " + now[1]);
      ASSERT_EQ(old.size(), kOldColumnCount);
      ASSERT_EQ(now.size(), kColumnCount);
      for (size_t f = 0; f < kOldColumnCount; ++f) {
        if (f == kVerdict && now[1] == "PL") continue;
        EXPECT_EQ(now[f], old[f]) << "column " << f;
      }
      if (now[1] == "PL") {
        EXPECT_EQ(old[kVerdict], "");
        EXPECT_EQ(now[kVerdict], now[2] == "Problems" ? "" : now[2]);
        EXPECT_EQ(now[16], "");  // plug flow has no basis
      }
      for (size_t f = kChainClass; f < kReasons; ++f) EXPECT_EQ(now[f], "") << "column " << f;
      // Without chains or wells the target is the models' own.
      EXPECT_EQ(now[kTargetOrigin], now[1] == "AF" ? "from the models" : "");
      const bool worse = now[2] != "Problems" && Rank(now[kVerdict]) < Rank(now[2]);
      EXPECT_EQ(now[kReasons], worse ? "exact" : "");
      exactReasons += worse;
    }
    // Naphthalene's exact class is Yellow where its screening class is Green.
    EXPECT_EQ(exactReasons, c.label == "exact basis" || c.label == "worse basis" ? 1 : 0);
  }
}

// The dry cleaner's chain makes vinyl chloride Red at the receptor, though
// alone it is Green, and the verdict of both assessments is the worse of the
// two, with "chain" as its reason where the chain is worse; the chain's
// values are those of the chain's own command, and the plume length is
// where plug flow along the chain brings the species down to its CA.
TEST_F(AssessVerdict, DecayChainMakesVinylChlorideWorseWithItsReason) {
  const std::string both = SavedCopy(kDryCleaner, "both.vrp", [](Project* p) {
    for (int k = 0; k < p->contaminantCount; ++k)
      if (p->contaminants[k].assess)
        p->contaminants[k].assess = kAssessPlumeLength | kAssessAttenuationFactor;
  });
  const CliResult run = Cli({"assess", both, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto rows = ByRow(run.out);
  ASSERT_TRUE(rows.count("Vinyl chloride AF") && rows.count("Vinyl chloride PL")) << run.out;
  for (const char* key : {"Vinyl chloride AF", "Vinyl chloride PL"}) {
    const std::vector<std::string>& vc = rows[key];
    SCOPED_TRACE(key);
    ASSERT_EQ(vc.size(), kColumnCount);
    ASSERT_NE(vc[kChainClass], "");
    const bool worse = Rank(vc[kChainClass]) < Rank(vc[2]);
    EXPECT_EQ(vc[kVerdict], worse ? vc[kChainClass] : vc[2]);
    EXPECT_EQ(vc[kReasons], worse ? "chain" : "");
    EXPECT_EQ(vc[kWellsClass], "");  // the dry cleaner has no wells
  }
  // At the receptor the chain brings vinyl chloride above its CA; alone it
  // stays well below.
  EXPECT_EQ(rows["Vinyl chloride AF"][2], "Green");
  EXPECT_EQ(rows["Vinyl chloride AF"][kChainClass], "Red");
  EXPECT_EQ(rows["Vinyl chloride AF"][kVerdict], "Red");
  // Formed along the way, a daughter's plume reaches at least as far as its
  // own would.
  EXPECT_LE(Rank(rows["Vinyl chloride PL"][kChainClass]), Rank(rows["Vinyl chloride PL"][2]));
  EXPECT_GE(std::stod(rows["Vinyl chloride PL"][kChainValue]), std::stod(rows["Vinyl chloride PL"][3]));
  EXPECT_EQ(rows["Vinyl chloride AF"][16], "screening");
  EXPECT_EQ(rows["Vinyl chloride PL"][16], "");

  // AF: the species' concentration at the receptor under the screening
  // basis, as `chain --receptor` prints it.
  const CliResult receptor = Cli({"chain", both, "--receptor", "--csv"});
  ASSERT_EQ(receptor.status, 0) << receptor.err;
  const auto chainRows = Records(receptor.out);
  ASSERT_FALSE(chainRows.empty());
  const auto& header = chainRows[0];
  const size_t screening = std::find(header.begin(), header.end(), "screening") - header.begin();
  ASSERT_LT(screening, header.size());
  bool found = false;
  for (const auto& row : chainRows)
    if (row[0] == "Vinyl chloride") {
      found = true;
      EXPECT_EQ(rows["Vinyl chloride AF"][kChainValue], row[screening]);
    }
  EXPECT_TRUE(found) << receptor.out;

  // PL: plug flow along the chain, integrated here on its own (fourth-order
  // Runge-Kutta over the travel time t = s / v, which needs no care where
  // two rates are equal, as TCE's and vinyl chloride's are): at the chain
  // plume length vinyl chloride is at its CA, and its class is that of the
  // length over x.
  Project* project = virelo_LoadProject(both.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  ResolvedChain chain;
  ASSERT_TRUE(ResolveChain(*project, virelo_ExtrasOf(*project).chains.at(0), &chain).empty());
  const Aquifer& a = project->aquifer;
  const double v = a.conductivityKf * a.gradientI / a.porosityNe, x = a.distanceX;
  virelo_FreeProject(project);
  size_t vc = 0;
  for (size_t i = 0; i < chain.names.size(); ++i)
    if (chain.names[i] == "Vinyl chloride") vc = i;
  ASSERT_GE(vc, 1u);
  auto plugFlow = [&](double t) {
    const size_t n = vc + 1;
    std::vector<double> c(chain.c0.begin(), chain.c0.begin() + static_cast<long>(n));
    auto rate = [&](const std::vector<double>& y) {
      std::vector<double> d(n);
      for (size_t i = 0; i < n; ++i)
        d[i] = -chain.rate[i] * y[i] + (i > 0 ? chain.yield[i] * chain.rate[i - 1] * y[i - 1] : 0.0);
      return d;
    };
    const int steps = 20000;
    const double h = t / steps;
    for (int step = 0; step < steps; ++step) {
      auto shifted = [&](const std::vector<double>& d, double f) {
        std::vector<double> y = c;
        for (size_t i = 0; i < n; ++i) y[i] += f * d[i];
        return y;
      };
      const auto k1 = rate(c), k2 = rate(shifted(k1, h / 2)), k3 = rate(shifted(k2, h / 2)),
                 k4 = rate(shifted(k3, h));
      for (size_t i = 0; i < n; ++i) c[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
    }
    return c[vc];
  };
  const double length = std::stod(rows["Vinyl chloride PL"][kChainValue]);
  ASSERT_TRUE(std::isfinite(length) && length > x);
  EXPECT_EQ(rows["Vinyl chloride PL"][kChainClass],
            AssessmentClassName(ClassifyPlumeLength(length / x, kAssessmentRanges[0].range)));
  EXPECT_NEAR(plugFlow(length / v) / chain.ca[vc], 1.0, 1e-6);
  EXPECT_LT(plugFlow(1.01 * length / v), chain.ca[vc]);

  // The parent's chain plume length is its own plume length.
  const std::vector<std::string>& pce = rows["Tetrachloroethene (PCE) PL"];
  ASSERT_EQ(pce.size(), kColumnCount);
  EXPECT_EQ(pce[kChainValue], pce[3]);
  EXPECT_EQ(pce[kChainClass], pce[2]);
  EXPECT_EQ(pce[kReasons], "");

  // The table names the verdict and why.
  const CliResult table = Cli({"assess", both});
  ASSERT_EQ(table.status, 0) << table.err;
  size_t line = table.out.find("\nVinyl chloride ", table.out.find("Attenuation factor\n"));
  ASSERT_NE(line, std::string::npos) << table.out;
  std::string text = table.out.substr(line + 1, table.out.find('\n', line + 1) - line - 1);
  EXPECT_NE(text.find("  Green  "), std::string::npos) << text;
  EXPECT_NE(text.find("Red       chain Red"), std::string::npos) << text;
  EXPECT_NE(table.out.find("Why\n"), std::string::npos) << table.out;
}

// Vinyl chloride with a C0 below its CA, without one, or without decay has
// problems alone, yet its chain brings PCE's mass to the receptor: the row
// keeps its problems, marked as the single-species model's, and takes the
// chain's Red verdict with the chain's value and target.
TEST_F(AssessVerdict, ADaughterFormedInThePlumeTakesItsChainsVerdict) {
  const struct {
    const char* label;
    void (*change)(Contaminant&);
    const char* problems;
  } cases[] = {
      {"c0", [](Contaminant& c) { virelo_SetContaminantValue(&c, kValueC0, 0.3); }, "20"},
      {"unset", [](Contaminant& c) { virelo_ClearContaminantValue(&c, kValueC0); }, "10 20"},
      {"lambda", [](Contaminant& c) { *virelo_LambdaField(&c, c.lambdaSelected) = 0.0; }, "30"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    const std::string path = SavedCopy(kDryCleaner, std::string(test.label) + ".vrp", [&](Project* p) {
      for (int k = 0; k < p->contaminantCount; ++k)
        if (std::string(p->contaminants[k].name) == "Vinyl chloride") test.change(p->contaminants[k]);
    });
    const CliResult run = Cli({"assess", path, "--csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto rows = ByRow(run.out);
    ASSERT_TRUE(rows.count("Vinyl chloride AF")) << run.out;
    const std::vector<std::string>& vc = rows["Vinyl chloride AF"];
    ASSERT_EQ(vc.size(), kColumnCount);
    EXPECT_EQ(vc[2], "Problems");
    EXPECT_EQ(vc[10], test.problems);
    for (size_t f = 5; f <= 9; ++f) EXPECT_EQ(vc[f], "") << f;  // no single-species values
    EXPECT_EQ(vc[kVerdict], "Red");
    EXPECT_EQ(vc[kChainClass], "Red");
    EXPECT_EQ(vc[kReasons], "chain");
    EXPECT_EQ(vc[kTargetOrigin], "from the chain");

    // The chain's value is `chain --receptor`'s.
    const CliResult receptor = Cli({"chain", path, "--receptor", "--csv"});
    ASSERT_EQ(receptor.status, 0) << receptor.err;
    const auto chainRows = Records(receptor.out);
    const auto& header = chainRows.at(0);
    const size_t screening = std::find(header.begin(), header.end(), "screening") - header.begin();
    ASSERT_LT(screening, header.size());
    for (const auto& row : chainRows)
      if (row[0] == "Vinyl chloride") EXPECT_EQ(vc[kChainValue], row[screening]);
    const double c0 = std::string(test.label) == "c0" ? 0.3 : std::string(test.label) == "unset" ? 0.0 : -1.0;
    if (c0 >= 0.0) EXPECT_NEAR(std::stod(vc[kTarget]), c0 * 0.5 / std::stod(vc[kChainValue]), 1e-12);

    // The table gives the verdict beside the problems, and says whose they are.
    const CliResult table = Cli({"assess", path});
    ASSERT_EQ(table.status, 0) << table.err;
    const size_t section = table.out.find("Attenuation factor\n");
    const size_t line = table.out.find("\nVinyl chloride ", section);
    ASSERT_NE(line, std::string::npos) << table.out;
    const std::string text = table.out.substr(line + 1, table.out.find('\n', line + 1) - line - 1);
    EXPECT_NE(text.find("Problems"), std::string::npos) << text;
    EXPECT_NE(text.find("Red       chain Red"), std::string::npos) << text;
    EXPECT_NE(table.out.find("(single-species model only; the verdict is its chain's)", line),
              std::string::npos)
        << table.out;
  }
}

// MTBE at the petrol station: the wells' own decline, extrapolated to the
// receptor, gives 19.7 ug/L against CA 15 (the reference of the wells'
// evidence, from mpmath): Yellow, where the screening model alone gives the
// attenuation factor Green. The wells speak for both rows of MTBE alike; the
// plume length is Yellow anyway, so only the attenuation factor names them.
TEST_F(AssessVerdict, WellsGiveMtbeItsClassAndReason) {
  const CliResult run = Cli({"assess", kPetrolStation, "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto rows = ByRow(run.out);
  for (const char* key : {"MTBE AF", "MTBE PL"}) {
    ASSERT_TRUE(rows.count(key)) << run.out;
    const std::vector<std::string>& mtbe = rows[key];
    SCOPED_TRACE(key);
    ASSERT_EQ(mtbe.size(), kColumnCount);
    EXPECT_EQ(mtbe[kWellsClass], "Yellow");
    EXPECT_NEAR(std::stod(mtbe[kWellsConcentration]), 19.717287366601414, 1e-9 * 19.7);
    EXPECT_EQ(mtbe[kVerdict], "Yellow");
    EXPECT_EQ(mtbe[kChainClass], "");  // no chain at the petrol station
  }
  EXPECT_EQ(rows["MTBE AF"][2], "Green");
  EXPECT_EQ(rows["MTBE AF"][kReasons], "wells");
  EXPECT_EQ(rows["MTBE PL"][2], "Yellow");
  EXPECT_EQ(rows["MTBE PL"][kReasons], "");
  // Every contaminant with samples has a wells class, none made worse but
  // MTBE's attenuation factor.
  for (const auto& [key, row] : rows) {
    EXPECT_NE(row[kWellsClass], "") << key;
    if (key != "MTBE AF") EXPECT_EQ(row[kReasons].find("wells"), std::string::npos) << key;
  }

  const CliResult table = Cli({"assess", kPetrolStation});
  ASSERT_EQ(table.status, 0) << table.err;
  const size_t section = table.out.find("Attenuation factor\n");
  ASSERT_NE(section, std::string::npos);
  EXPECT_NE(
      table.out.find("\nMTBE          Green     6802.0275012      0.0088209         Yellow    wells Yellow\n",
                     section),
      std::string::npos)
      << table.out;
}

}  // namespace
