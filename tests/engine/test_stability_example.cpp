// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The petrol station's benzene plume as a whole: its mass per round from
// the engine, from the saved thickness and through virelo-cli stability,
// against values computed once with python3/mpmath (40 digits) from the
// example's samples as `virelo-cli project-export` writes them: the
// trapezoid integral of C along s over MW1-MW5 per round, ne = 0.25,
// b = 3 m, and its first and second moments.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/project/extras.h"
#include "engine/site/plumemass.h"
#include "persistence/project_json.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"

namespace {

struct RoundReference {
  const char* date;
  double mass, centreS, spreadS;  // [kg/m], [m], [m]
};
const RoundReference kBenzene[] = {
    {"2022-03-15", 0.063892125, 29.447203000369764, 25.730544855141419},
    {"2022-06-14", 0.059672625, 30.115913704148259, 27.640857399432111},
    {"2022-09-13", 0.05568525, 31.824248791196951, 26.411607192629823},
    {"2022-12-13", 0.05778225, 28.918201523824358, 26.13907282662849},
    {"2023-03-14", 0.052108875, 31.143723118182843, 27.76341517309656},
    {"2023-06-13", 0.05097375, 31.059123568503396, 25.916999380503046},
    {"2023-09-12", 0.051625875, 28.903517373797539, 26.708191131753149},
    {"2023-12-12", 0.045972375, 31.927964891959574, 27.476109982071082},
};
constexpr double kDrift = 0.001469583662434967;   // [m/d], least squares on days
constexpr double kHalfLife = 1559.7801873317496;  // [d], ln 2 over the slope of ln M0
// v = Kf i / ne = 4 * 0.005 / 0.25 m/d over R = 1 + rho_b Koc foc / ne with
// the example's rho_b 1.7 kg/L, foc 0.001 and benzene's Koc 61.7 L/kg.
constexpr double kRetardedVelocity = 0.08 / (1.0 + 1.7 * 61.7 * 0.001 / 0.25);

void ExpectBenzene(const PlumeMassResult& r) {
  EXPECT_EQ(r.estimator, "line");
  EXPECT_FALSE(r.perMetreThickness);
  EXPECT_EQ(r.wells, (std::vector<std::string>{"MW1", "MW2", "MW3", "MW4", "MW5"}));  // MW6 is upstream
  ASSERT_EQ(r.rounds.size(), std::size(kBenzene));
  for (size_t k = 0; k < r.rounds.size(); ++k) {
    EXPECT_EQ(r.rounds[k].date, kBenzene[k].date);
    EXPECT_NEAR(r.rounds[k].moments.mass, kBenzene[k].mass, 1e-9 * kBenzene[k].mass) << k;
    EXPECT_NEAR(r.rounds[k].moments.centreS, kBenzene[k].centreS, 1e-9) << k;
    EXPECT_NEAR(r.rounds[k].moments.spreadS, kBenzene[k].spreadS, 1e-9) << k;
  }
  EXPECT_EQ(r.mass.mannKendall.s, -24);
  EXPECT_EQ(r.mass.mannKendall.trend, TrendClass::kDecreasing);
  EXPECT_EQ(r.centreS.mannKendall.s, 4);
  EXPECT_EQ(r.centreS.mannKendall.trend, TrendClass::kNoTrend);
  EXPECT_NEAR(r.drift, kDrift, 1e-12);
  EXPECT_NEAR(r.halfLife, kHalfLife, 1e-9 * kHalfLife);
  EXPECT_LT(r.halfLifeLow, r.halfLife);
  EXPECT_GT(r.halfLifeHigh, r.halfLife);
  EXPECT_NEAR(r.retardedVelocity, kRetardedVelocity, 1e-12);
  EXPECT_EQ(r.light, PlumeLight::kGreen);
}

using StabilityExample = ProjectFilesTest;

TEST_F(StabilityExample, BenzeneMassFallsWhileItsCentreStands) {
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  virelo_Extras(project.get()).settings.saturatedThickness = 3.0;
  const SiteData& site = virelo_ExtrasOf(*project).site;
  ExpectBenzene(PlumeMassOf(site, "Benzene", PlumeMassOptionsFor(*project, "Benzene")));

  // The thickness travels with the file and its JSON form.
  const std::string path = Save(project.get(), "b.vrp");
  ProjectHandle reopened = LoadProjectFile(path);
  ASSERT_TRUE(reopened);
  EXPECT_EQ(virelo_SettingsOf(*reopened).saturatedThickness, 3.0);
  ExpectBenzene(
      PlumeMassOf(virelo_ExtrasOf(*reopened).site, "Benzene", PlumeMassOptionsFor(*reopened, "Benzene")));
  const std::string json = ProjectToJson(*reopened);
  EXPECT_NE(json.find("\"saturatedThickness\": 3.0"), std::string::npos);
  ProjectHandle fromJson(virelo_AllocateProject());
  std::string error;
  ASSERT_TRUE(ProjectFromJson(json, fromJson.get(), &error)) << error;
  EXPECT_EQ(virelo_SettingsOf(*fromJson).saturatedThickness, 3.0);
  EXPECT_EQ(fromJson->aquifer.conductivityKf, 4.0);

  // Without b the same rounds are per metre of thickness.
  virelo_Extras(project.get()).settings.saturatedThickness = 0.0;
  const PlumeMassResult perMetre = PlumeMassOf(site, "Benzene", PlumeMassOptionsFor(*project, "Benzene"));
  ASSERT_EQ(perMetre.rounds.size(), std::size(kBenzene));
  EXPECT_TRUE(perMetre.perMetreThickness);
  EXPECT_NEAR(perMetre.rounds[0].moments.mass, kBenzene[0].mass / 3.0, 1e-12);
}

TEST_F(StabilityExample, ThicknessOutOfRangeInJsonIsRefused) {
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  std::string json = ProjectToJson(*project);
  const size_t at = json.find("\"conductivityKf\"");
  ASSERT_NE(at, std::string::npos);
  json.insert(at, "\"saturatedThickness\": -2, ");
  ProjectHandle back(virelo_AllocateProject());
  std::string error;
  EXPECT_FALSE(ProjectFromJson(json, back.get(), &error));
  EXPECT_NE(error.find("/aquifer/saturatedThickness"), std::string::npos) << error;
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    rows.push_back(fields);
  }
  return rows;
}

TEST_F(StabilityExample, CommandWritesTheRoundsAndTheSummary) {
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  virelo_Extras(project.get()).settings.saturatedThickness = 3.0;
  const std::string saved = Save(project.get(), "b.vrp");
  // The saved thickness and the option give the same table.
  const CliResult fromFile = Cli({"stability", saved, "--contaminant", "Benzene", "--csv"});
  const CliResult fromOption = Cli({"stability", kExamplesDir + "petrol-station.vrp", "--contaminant",
                                    "Benzene", "--thickness", "3", "--csv"});
  ASSERT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(fromFile.out, fromOption.out);
  const auto rows = CsvRows(fromFile.out);
  ASSERT_EQ(rows.size(), 1 + std::size(kBenzene) + 2);
  EXPECT_EQ(fromFile.out.substr(0, fromFile.out.find('\n')),
            "contaminant,round,date,wells,estimator,mass,massUpper,centreS,centreY,spreadS,spreadY");
  for (size_t k = 0; k < std::size(kBenzene); ++k) {
    const auto& row = rows[1 + k];
    ASSERT_EQ(row.size(), 11u);
    EXPECT_EQ(row[0], "Benzene");
    EXPECT_EQ(row[1], std::to_string(k + 1));
    EXPECT_EQ(row[2], kBenzene[k].date);
    EXPECT_EQ(row[3], "5");
    EXPECT_EQ(row[4], "line");
    EXPECT_NEAR(std::stod(row[5]), kBenzene[k].mass, 1e-9 * kBenzene[k].mass);
    EXPECT_NEAR(std::stod(row[7]), kBenzene[k].centreS, 1e-9);
    EXPECT_EQ(row[8], "");  // no width in a row of wells
  }
  const auto& header = rows[1 + std::size(kBenzene)];
  const auto& summary = rows.back();
  ASSERT_EQ(header.size(), summary.size());
  auto field = [&](const std::string& name) {
    for (size_t k = 0; k < header.size(); ++k)
      if (header[k] == name) return summary[k];
    ADD_FAILURE() << name;
    return std::string();
  };
  EXPECT_EQ(field("massTrend"), "Decreasing");
  EXPECT_EQ(field("massS"), "-24");
  EXPECT_EQ(field("centreTrend"), "No Trend");
  EXPECT_EQ(field("massUnit"), "kg/m");
  EXPECT_NEAR(std::stod(field("drift")), kDrift, 1e-12);
  EXPECT_NEAR(std::stod(field("halfLife")), kHalfLife, 1e-9 * kHalfLife);
  EXPECT_NEAR(std::stod(field("retardedVelocity")), kRetardedVelocity, 1e-12);
  EXPECT_EQ(field("light"), "green");

  // Readable text by default; wrong options are usage errors.
  const CliResult text = Cli({"stability", saved, "--contaminant", "Benzene"});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("light: green"), std::string::npos) << text.out;
  // Four significant digits, as people read them; the CSV keeps them all.
  EXPECT_NE(text.out.find("mass: Decreasing (S -24, confidence 99.91 %)"), std::string::npos) << text.out;
  EXPECT_EQ(text.out.find("000000"), std::string::npos) << text.out;
  EXPECT_EQ(Cli({"stability", saved, "--round-days", "x"}).status, kCliUsage);
  EXPECT_EQ(Cli({"stability", saved, "--thickness", "-1"}).status, kCliUsage);
}

TEST_F(StabilityExample, CommandWritesBothCentresAndSpreadsOffARow) {
  // A field falling linearly along the flow, C = 100 - 0.9 s, over a
  // rectangle of wells 100 m long and 20 m across, in two rounds.
  ProjectHandle project = LoadExample("petrol-station.vrp");
  ASSERT_TRUE(project);
  SiteData& site = virelo_Extras(project.get()).site;
  site = SiteData{};
  site.wells = {{"A", 0, -10}, {"B", 0, 10}, {"C", 50, 0}, {"D", 100, -10}, {"E", 100, 10}};
  for (const SiteWell& w : site.wells)
    for (long day : {19000L, 19100L})
      site.samples.push_back({w.name, SiteDateText(day), "Benzene", 100.0 - 0.9 * w.s, kUnitUgL, false});
  const CliResult csv = Cli({"stability", Save(project.get(), "grid.vrp"), "--thickness", "2", "--csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  const auto rows = CsvRows(csv.out);
  ASSERT_GE(rows.size(), 3u);
  const auto& row = rows[1];
  ASSERT_EQ(row.size(), 11u);
  EXPECT_EQ(row[4], "delaunay");
  // M0 = 0.25 * 2 m * 1e-6 * 20 (100 * 100 - 0.45 * 100^2); centre and
  // spread along s from the moments of 100 - 0.9 s on [0, 100]; across the
  // flow the field is even and uniform: centre 0, spread 20 / sqrt(12).
  EXPECT_NEAR(std::stod(row[5]), 0.25 * 2.0 * 1e-6 * 110000.0, 1e-15);
  const double c = 5500.0, cs = 500000.0 - 300000.0, css = 1e8 / 3.0 - 0.9e8 / 4.0;
  EXPECT_NEAR(std::stod(row[7]), cs / c, 1e-9);
  EXPECT_NEAR(std::stod(row[8]), 0.0, 1e-9);
  EXPECT_NEAR(std::stod(row[9]), std::sqrt(css / c - cs * cs / (c * c)), 1e-9);
  EXPECT_NEAR(std::stod(row[10]), 20.0 / std::sqrt(12.0), 1e-9);
}

}  // namespace
