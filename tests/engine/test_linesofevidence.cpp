// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The lines of evidence: every light equals the one of the face that holds
// its evidence (the verdict of `assess`, the times of `timing`), the
// geochemistry reads the solvent score and the database's presets under the
// redox condition the wells suggest, and a line without data has no light
// and says what it needs.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <regex>
#include <set>

#include "engine/case/linesofevidence.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/verdict.h"
#include "engine/project/extras.h"
#include "engine/site/massdischarge.h"
#include "persistence/csv.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/projects.h"

namespace {

using Table = std::vector<std::map<std::string, std::string>>;

// A command's CSV as rows keyed by the header's names.
Table CsvOf(const std::vector<std::string>& args) {
  const CliResult run = Cli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  const CsvTable table = ParseCsv(run.out);
  EXPECT_TRUE(table.ok);
  Table rows;
  for (size_t k = 1; k < table.records.size(); ++k) {
    std::map<std::string, std::string> row;
    for (size_t c = 0; c < table.records[0].fields.size() && c < table.records[k].fields.size(); ++c)
      row[table.records[0].fields[c]] = table.records[k].fields[c];
    rows.push_back(row);
  }
  return rows;
}

TEST(LinesOfEvidence, EveryLightEqualsItsSource) {
  for (const char* example : {"petrol-station.vrp", "dry-cleaner.vrp", "fuel-depot.vrp"}) {
    SCOPED_TRACE(example);
    const std::string path = std::string(VIRELO_SOURCE_DIR) + "/examples/" + example;
    const Table evidence = CsvOf({"evidence", path, "--csv"});
    std::map<std::string, std::string> verdicts;
    for (const auto& row : CsvOf({"assess", path, "--csv"}))
      if (row.at("assessment") == "AF") verdicts[row.at("name")] = row.at("verdict");
    // The plume's light: the summary rows of `stability`, after their own header.
    std::map<std::string, std::string> plumes;
    {
      const CsvTable table = ParseCsv(Cli({"stability", path, "--csv"}).out);
      size_t header = table.records.size();
      for (size_t k = 0; k < table.records.size(); ++k)
        if (!table.records[k].fields.empty() && table.records[k].fields.back() == "light") header = k;
      for (size_t k = header + 1; k < table.records.size(); ++k) {
        std::string light = table.records[k].fields.back();
        if (!light.empty()) light[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(light[0])));
        plumes[table.records[k].fields.front()] = light.empty() ? "none" : light;
      }
    }
    std::map<std::string, std::map<std::string, std::string>> times;
    for (const auto& row : CsvOf({"timing", path, "--csv"})) times[row.at("name")] = row;

    // Five lines per contaminant assessed by its attenuation factor, in order.
    ASSERT_EQ(evidence.size(), 5 * verdicts.size());
    const char* const lines[] = {"plume behaviour", "mass discharge", "geochemistry", "model", "time frame"};
    int timed = 0;
    for (size_t k = 0; k < evidence.size(); ++k) {
      const auto& row = evidence[k];
      const std::string& name = row.at("contaminant");
      EXPECT_EQ(row.at("line"), lines[k % 5]) << name;
      EXPECT_FALSE(row.at("reading").empty());
      EXPECT_FALSE(row.at("section").empty());
      if (row.at("line") == "model") {
        ASSERT_TRUE(verdicts.count(name)) << name;
        EXPECT_EQ(row.at("light"), verdicts[name]) << name;
      }
      if (row.at("line") == "time frame" && times.count(name)) {
        const auto& t = times[name];
        const bool exact = !t.at("exceedExact").empty();
        const std::string exceed = exact ? t.at("exceedExact") : t.at("exceedScreening");
        const std::string want = exceed.empty()                              ? "Green"
                                 : exact && !t.at("belowAgainExact").empty() ? "Yellow"
                                                                             : "Red";
        EXPECT_EQ(row.at("light"), want) << name;
        ++timed;
      }
      // The plume line's light is the plume's as a whole.
      if (row.at("line") == "plume behaviour")
        EXPECT_EQ(row.at("light"), plumes.count(name) ? plumes[name] : "none") << name;
    }
    EXPECT_EQ(timed, static_cast<int>(times.size()));
    if (std::string(example) == "petrol-station.vrp") EXPECT_EQ(plumes.size(), 5u);
  }
}

// The model's line under every range `assess` is given: its light is the
// verdict there, and the ranges do change it (TCE of the fuel depot is Red
// under the default range and Yellow under 0,1 < ... < 10,0).
TEST(LinesOfEvidence, TheModelLineReadsTheRangeAssessIsGiven) {
  const std::string path = std::string(VIRELO_SOURCE_DIR) + "/examples/fuel-depot.vrp";
  std::set<std::string> lightsOfTce;
  for (const char* range : {"0", "1", "2", "3"}) {
    SCOPED_TRACE(range);
    std::map<std::string, std::string> verdicts;
    for (const auto& row : CsvOf({"assess", path, "--csv", "--af-range", range, "--plume-range", range}))
      if (row.at("assessment") == "AF") verdicts[row.at("name")] = row.at("verdict");
    int models = 0;
    for (const auto& row : CsvOf({"evidence", path, "--csv", "--plume-range", range, "--af-range", range})) {
      if (row.at("line") != "model") continue;
      EXPECT_EQ(row.at("light"), verdicts.at(row.at("contaminant"))) << row.at("contaminant");
      if (row.at("contaminant") == "Trichloroethene (TCE)") lightsOfTce.insert(row.at("light"));
      ++models;
    }
    EXPECT_EQ(models, static_cast<int>(verdicts.size()));
  }
  EXPECT_EQ(lightsOfTce, (std::set<std::string>{"Red", "Yellow"}));
  EXPECT_EQ(Cli({"evidence", path, "--af-range", "4"}).status, 2);
}

// A well's indicators for the solvent score.
void AddWater(SiteData& site, const char* well, const char* date,
              const std::vector<std::pair<const char*, double>>& values) {
  for (const auto& [analyte, value] : values)
    site.samples.push_back(
        {well, date, analyte, value, analyte == std::string("ORP") ? "mV" : "mg/L", false});
}

const EvidenceRow* Find(const std::vector<EvidenceRow>& rows, const std::string& name, EvidenceLine line) {
  for (const EvidenceRow& row : rows)
    if (row.contaminant == name && row.line == line) return &row;
  return nullptr;
}

TEST(LinesOfEvidence, ChlorinatedSpeciesReadTheBestWellsLatestSolventScore) {
  ProjectHandle cleaner = CalculatedExample("dry-cleaner.vrp");
  ASSERT_TRUE(cleaner);
  SiteData& site = virelo_Extras(cleaner.get()).site;
  site.wells = {{"PB1", 10.0, 0.0}, {"PB2", 40.0, 0.0}};
  // PB1 dechlorinating at its latest date (3+2+3+2+3+3+2+2 = 20 points),
  // oxic before; PB2 oxic throughout (-3).
  AddWater(site, "PB1", "2023-01-10", {{"Oxygen", 6.0}});
  AddWater(site, "PB1", "2024-01-10",
           {{"Oxygen", 0.2},
            {"Nitrate", 0.5},
            {"Iron(II)", 2.0},
            {"Sulfate", 10.0},
            {"Sulfide", 1.5},
            {"Methane", 0.8},
            {"ORP", -150.0},
            {"DOC", 25.0}});
  AddWater(site, "PB2", "2024-01-10", {{"Oxygen", 6.0}, {"Nitrate", 3.0}, {"Iron(II)", 0.05}});
  ProjectCase evaluated(*cleaner);
  std::vector<EvidenceRow> rows = LinesOfEvidence(*cleaner, evaluated);
  const EvidenceRow* vc = Find(rows, "Vinyl chloride", EvidenceLine::kGeochemistry);
  ASSERT_NE(vc, nullptr);
  ASSERT_TRUE(vc->hasLight) << vc->reading;
  EXPECT_EQ(vc->light, AssessmentClass::Green);
  EXPECT_NE(vc->reading.find("Solvent score 20 at PB1"), std::string::npos) << vc->reading;

  // The class bounds of the protocol's reading: 15 adequate (Green), 14
  // limited (Yellow), 5 inadequate (Red).
  struct Case {
    std::vector<std::pair<const char*, double>> water;
    int score;
    AssessmentClass light;
  };
  const Case cases[] = {
      {{{"Oxygen", 0.2},
        {"Iron(II)", 2.0},
        {"Sulfide", 1.5},
        {"Methane", 0.8},
        {"Nitrate", 0.5},
        {"DOC", 25.0}},
       16,
       AssessmentClass::Green},
      {{{"Oxygen", 0.2},
        {"Iron(II)", 2.0},
        {"Sulfide", 1.5},
        {"Methane", 0.8},
        {"Nitrate", 0.5},
        {"ORP", 0.0}},
       15,
       AssessmentClass::Green},
      {{{"Oxygen", 0.2}, {"Iron(II)", 2.0}, {"Sulfide", 1.5}, {"Methane", 0.8}, {"Nitrate", 0.5}},
       14,
       AssessmentClass::Yellow},
      {{{"Oxygen", 0.2}, {"Nitrate", 0.5}}, 5, AssessmentClass::Red},
      {{{"Oxygen", 0.2}, {"Sulfate", 10.0}, {"Nitrate", 0.5}}, 7, AssessmentClass::Yellow},
  };
  for (const Case& c : cases) {
    site.samples.clear();
    AddWater(site, "PB1", "2024-01-10", c.water);
    ProjectCase again(*cleaner);
    rows = LinesOfEvidence(*cleaner, again);
    const EvidenceRow* row = Find(rows, "Vinyl chloride", EvidenceLine::kGeochemistry);
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->hasLight);
    EXPECT_EQ(row->light, c.light) << row->reading;
    EXPECT_NE(row->reading.find("Solvent score " + std::to_string(c.score) + " "), std::string::npos)
        << row->reading;
  }
}

// The geochemistry line scores a well as the Site data window does: its
// alkalinity against the wells upstream of the source, and the daughters
// of the solvents a chain records as released.
TEST(LinesOfEvidence, TheSolventScoreTakesTheBackgroundAndTheDaughters) {
  ProjectHandle cleaner = CalculatedExample("dry-cleaner.vrp");
  ASSERT_TRUE(cleaner);
  ProjectExtras& extras = virelo_Extras(cleaner.get());
  ASSERT_FALSE(extras.chains.empty());
  SiteData& site = extras.site;
  site.wells = {{"PB0", -20.0, 0.0}, {"PB1", 10.0, 0.0}};
  AddWater(site, "PB0", "2024-01-10", {{"Oxygen", 8.0}, {"Alkalinity", 100.0}});
  // 3 + 2 + 3 + 2 + 3 + 3 + 2 + 2 = 20 from the redox rows and DOC.
  AddWater(site, "PB1", "2024-01-10",
           {{"Oxygen", 0.2},
            {"Nitrate", 0.5},
            {"Iron(II)", 2.0},
            {"Sulfate", 10.0},
            {"Sulfide", 1.5},
            {"Methane", 0.8},
            {"ORP", -150.0},
            {"DOC", 25.0},
            {"Alkalinity", 250.0}});
  const DecayChain& chain = extras.chains.front();
  ASSERT_GE(chain.species.size(), 2u);
  site.samples.push_back({"PB1", "2024-01-10", chain.species[1], 0.4, "mg/L", false});
  auto reading = [&] {
    ProjectCase evaluated(*cleaner);
    const std::vector<EvidenceRow> rows = LinesOfEvidence(*cleaner, evaluated);
    const EvidenceRow* vc = Find(rows, "Vinyl chloride", EvidenceLine::kGeochemistry);
    return vc ? vc->reading : std::string("no row");
  };
  // Alkalinity 250 above twice 100: 21; the chain records no release yet.
  EXPECT_NE(reading().find("Solvent score 21 at PB1 (strong"), std::string::npos) << reading();
  extras.chains.front().released = {chain.species[0]};
  EXPECT_NE(reading().find("Solvent score 23 at PB1"), std::string::npos) << reading();
}

TEST(LinesOfEvidence, OtherContaminantsReadTheirPresetUnderTheSuggestedCondition) {
  ProjectHandle petrol = CalculatedExample("petrol-station.vrp");
  ASSERT_TRUE(petrol);
  // The wells suggest ANAEROBIC-FE: benzene has a preset above 0 there,
  // MTBE none at all.
  ProjectCase evaluated(*petrol);
  std::vector<EvidenceRow> rows = LinesOfEvidence(*petrol, evaluated);
  const EvidenceRow* benzene = Find(rows, "Benzene", EvidenceLine::kGeochemistry);
  const EvidenceRow* mtbe = Find(rows, "MTBE", EvidenceLine::kGeochemistry);
  ASSERT_TRUE(benzene && mtbe);
  EXPECT_TRUE(benzene->hasLight);
  EXPECT_EQ(benzene->light, AssessmentClass::Green);
  EXPECT_NE(benzene->reading.find("ANAEROBIC-FE"), std::string::npos);
  EXPECT_FALSE(mtbe->hasLight) << mtbe->reading;
  // A preset of 0 under the condition: not known to degrade there.
  for (int k = 0; k < petrol->contaminantCount; ++k)
    if (std::string(petrol->contaminants[k].name) == "Benzene")
      *virelo_LambdaField(&petrol->contaminants[k], kLambdaIron) = 0.0;
  ProjectCase again(*petrol);
  rows = LinesOfEvidence(*petrol, again);
  benzene = Find(rows, "Benzene", EvidenceLine::kGeochemistry);
  ASSERT_NE(benzene, nullptr);
  EXPECT_EQ(benzene->light, AssessmentClass::Red) << benzene->reading;
}

// The readings say what the faces holding their evidence show: the wells'
// trend classes of `trend`, λ and its interval of `decay` at 90 %, and the
// times of `timing`, years beside days past one year.
TEST(LinesOfEvidence, ReadingsQuoteTheFacesThatHoldTheirEvidence) {
  const std::string petrol = std::string(VIRELO_SOURCE_DIR) + "/examples/petrol-station.vrp";
  const Table evidence = CsvOf({"evidence", petrol, "--csv"});
  std::map<std::string, std::map<std::string, int>> classes;
  for (const auto& row : CsvOf({"trend", petrol, "--csv"})) ++classes[row.at("contaminant")][row.at("trend")];
  int plumes = 0, lambdas = 0;
  for (const auto& row : evidence) {
    const std::string& name = row.at("contaminant");
    const std::string& reading = row.at("reading");
    if (row.at("line") == "plume behaviour") {
      std::string wells;
      for (const char* trend :
           {"Decreasing", "Probably Decreasing", "Stable", "No Trend", "Probably Increasing", "Increasing"})
        if (classes[name][trend])
          wells += (wells.empty() ? "" : ", ") + std::to_string(classes[name][trend]) + " " + trend;
      ASSERT_FALSE(wells.empty()) << name;
      EXPECT_NE(reading.find(" Wells: " + wells + "."), std::string::npos) << reading;
      ++plumes;
    }
    if (row.at("line") == "geochemistry") {
      const Table decay = CsvOf({"decay", petrol, "--contaminant", name, "--csv", "--level", "90"});
      ASSERT_EQ(decay.size(), 1u) << name;
      const std::string lambda =
          " λ from the wells " + FormatConcentration(std::stod(decay[0].at("lambda"))) + " 1/d (" +
          FormatConcentration(std::stod(decay[0].at("lambdaLow"))) + " to " +
          FormatConcentration(std::stod(decay[0].at("lambdaHigh"))) + "), the project's ";
      EXPECT_NE(reading.find(lambda), std::string::npos) << reading << "\n" << lambda;
      ++lambdas;
    }
  }
  EXPECT_EQ(plumes, 5);
  EXPECT_EQ(lambdas, 5);

  // Times: each "N d" of a time frame with its years exactly when N is a
  // year or more; the source's time to its target as `timing` gives it.
  const std::string cleaner = std::string(VIRELO_SOURCE_DIR) + "/examples/dry-cleaner.vrp";
  std::map<std::string, std::map<std::string, std::string>> times;
  for (const auto& row : CsvOf({"timing", cleaner, "--csv"})) times[row.at("name")] = row;
  const std::regex day("([0-9.]+(?:E[-+][0-9]+)?) d( \\(([0-9.]+) years\\))?");
  int withYears = 0;
  for (const auto& row : CsvOf({"evidence", cleaner, "--csv"})) {
    if (row.at("line") != "time frame") continue;
    const std::string& reading = row.at("reading");
    for (std::sregex_iterator m(reading.begin(), reading.end(), day), end; m != end; ++m) {
      const double days = std::stod((*m)[1]);
      EXPECT_EQ((*m)[2].matched, days >= 365.25) << reading;
      if ((*m)[2].matched) {
        // Both rounded to four digits: the years agree with the days shown
        // to a part in a thousand.
        EXPECT_NEAR(std::stod((*m)[3]), days / 365.25, 1e-3 * days / 365.25) << reading;
        ++withYears;
      }
    }
    const auto& t = times.at(row.at("contaminant"));
    if (!t.at("chain").empty())
      EXPECT_NE(reading.find("The times follow its decay chain."), std::string::npos) << reading;
    else if (t.at("sourceTimeToTarget") == "0")
      EXPECT_NE(reading.find("The source is at its target already."), std::string::npos) << reading;
  }
  EXPECT_GE(withYears, 2);
}

// Wells measured for pH alone give the geochemistry line a reading but no
// solvent score: no well's zero stands in for a score.
TEST(LinesOfEvidence, NoSolventScoreWithoutItsParameters) {
  ProjectHandle cleaner = CalculatedExample("dry-cleaner.vrp");
  ASSERT_TRUE(cleaner);
  SiteData& site = virelo_Extras(cleaner.get()).site;
  site.wells = {{"PB1", 10.0, 0.0}};
  site.samples.push_back({"PB1", "2024-01-10", "pH", 6.5, "-", false});
  ProjectCase evaluated(*cleaner);
  const std::vector<EvidenceRow> rows = LinesOfEvidence(*cleaner, evaluated);
  const EvidenceRow* vc = Find(rows, "Vinyl chloride", EvidenceLine::kGeochemistry);
  ASSERT_NE(vc, nullptr);
  EXPECT_NE(vc->reading.find("No solvent score: none of its parameters is measured."), std::string::npos)
      << vc->reading;
  EXPECT_EQ(vc->reading.find("Solvent score "), std::string::npos) << vc->reading;
  // Nor is there a λ from wells that hold none of it.
  EXPECT_EQ(vc->reading.find("λ from the wells"), std::string::npos) << vc->reading;
}

// The petrol station's wells as the plume and transect lines read them
// when the data fall short of a light, and the model line of a result the
// models cannot judge.
TEST(LinesOfEvidence, ShortDataAndProblemsSayWhatIsMissing) {
  ProjectHandle petrol = CalculatedExample("petrol-station.vrp");
  ASSERT_TRUE(petrol);
  ProjectExtras& extras = virelo_Extras(petrol.get());
  // A transect of two wells across the flow: its latest Md and trend as
  // the mass discharge gives them.
  extras.monitoring.transects = {{"T1", {"MW2", "MW3"}}};
  const MassDischargeResult md =
      MassDischargeOf(extras.site, "Benzene", extras.monitoring.transects, MassDischargeOptionsFor(*petrol));
  ASSERT_TRUE(md.problem.empty()) << md.problem;
  ASSERT_EQ(md.transects.size(), 1u);
  const TransectDischarge& t = md.transects[0];
  ASSERT_FALSE(t.rounds.empty());
  ASSERT_NE(t.trend.trend, TrendClass::kNone);
  {
    ProjectCase evaluated(*petrol);
    const std::vector<EvidenceRow> rows = LinesOfEvidence(*petrol, evaluated);
    const EvidenceRow* discharge = Find(rows, "Benzene", EvidenceLine::kDischarge);
    ASSERT_NE(discharge, nullptr);
    const std::string unit = md.perMetreThickness ? " g/d per m of thickness" : " g/d";
    EXPECT_NE(discharge->reading.find("Mass discharge: T1 " + FormatConcentration(t.rounds.back().discharge) +
                                      unit + " on " + t.rounds.back().date + ", " +
                                      TrendClassText(t.trend.trend) + "."),
              std::string::npos)
        << discharge->reading;
  }
  // Three rounds left: no light for the plume, and it says how many there are.
  std::vector<SiteSample> kept;
  std::set<std::string> dates;
  for (const SiteSample& sample : extras.site.samples) dates.insert(sample.date);
  ASSERT_GT(dates.size(), 3u);
  const std::string fourth = *std::next(dates.begin(), 3);
  for (const SiteSample& sample : extras.site.samples)
    if (sample.date < fourth) kept.push_back(sample);
  extras.site.samples = kept;
  // And benzene without a source concentration: its result has problems.
  const int benzene = ContaminantIndex(*petrol, "Benzene");
  ASSERT_GE(benzene, 0);
  petrol->contaminants[benzene].c0 = 0.0;
  virelo_FreeResults(petrol.get());
  virelo_math_CalcAll(petrol.get());
  virelo_math_CalcExactAll(petrol.get(), 1);
  ProjectCase evaluated(*petrol);
  const std::vector<EvidenceRow> rows = LinesOfEvidence(*petrol, evaluated);
  const EvidenceRow* plume = Find(rows, "Benzene", EvidenceLine::kPlume);
  ASSERT_NE(plume, nullptr);
  EXPECT_FALSE(plume->hasLight);
  EXPECT_EQ(
      plume->reading.rfind(
          "No light: the plume's mass needs four sampling rounds of the same wells, the site has 3.", 0),
      0u)
      << plume->reading;
  const EvidenceRow* model = Find(rows, "Benzene", EvidenceLine::kModel);
  ASSERT_NE(model, nullptr);
  EXPECT_FALSE(model->hasLight);
  EXPECT_EQ(model->reading, "No verdict: the inputs have problems (see the Results page).");
  const EvidenceRow* time = Find(rows, "Benzene", EvidenceLine::kTimeFrame);
  ASSERT_NE(time, nullptr);
  EXPECT_FALSE(time->hasLight) << time->reading;
  EXPECT_EQ(time->reading.rfind("No time frame: ", 0), 0u) << time->reading;
}

TEST(LinesOfEvidence, LinesWithoutDataHaveNoLightAndSayWhatTheyNeed) {
  ProjectHandle depot = CalculatedExample("fuel-depot.vrp");
  ASSERT_TRUE(depot);
  ProjectCase evaluated(*depot);
  const std::vector<EvidenceRow> rows = LinesOfEvidence(*depot, evaluated);
  ASSERT_FALSE(rows.empty());
  for (const EvidenceRow& row : rows) {
    if (row.line != EvidenceLine::kPlume && row.line != EvidenceLine::kDischarge &&
        row.line != EvidenceLine::kGeochemistry)
      continue;
    EXPECT_FALSE(row.hasLight) << row.contaminant;
    EXPECT_STREQ(EvidenceLightName(row), "none");
    const bool says =
        row.reading.find("import") != std::string::npos || row.reading.find("measure") != std::string::npos;
    EXPECT_TRUE(says) << row.reading;
  }
}

}  // namespace
