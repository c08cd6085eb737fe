// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project's concentration unit read as the lab import reads units, and
// the wells left out of a verdict said where the verdict is: a spelling of
// micrograms per litre must not drop the wells, milligrams must scale them,
// and a unit Virelo cannot relate to the samples (micromoles) must leave
// them out with a problem, the reason and a warning, never silently.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/core/validation.h"
#include "engine/evidence/omittedevidence.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "engine/project/projectunit.h"
#include "engine/project/transport.h"
#include "engine/site/siteproject.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/project_files.h"
#include "tests/engine/support/wells_omissions.h"

namespace fs = std::filesystem;

namespace {

const std::string kPetrolStation = std::string(VIRELO_SOURCE_DIR) + "/examples/petrol-station.vrp";
const std::string kMicro = "\xC2\xB5g/L";  // the project's default, UTF-8
constexpr size_t kClass = 2, kProblems = 10, kVerdict = 17, kWellsClass = 20, kWellsConcentration = 21,
                 kReasons = 22;

TEST(ConcentrationUnit, ReadsEverySpellingAsTheLabImportDoes) {
  struct Spelling {
    std::string text;
    double micrograms, divisor, kgPerCubicMetre;
  };
  const Spelling known[] = {
      {"ug/L", 1, 1, 1e-6},
      {kMicro, 1, 1, 1e-6},
      {"\xB5g/L", 1, 1, 1e-6},
      {"\xC2\xB5g/l", 1, 1, 1e-6},
      {"ug/l", 1, 1, 1e-6},
      {"UG/L", 1, 1, 1e-6},
      {"\xCE\xBCg/L", 1, 1, 1e-6},
      {" \xCE\xBC"
       "G / l ",
       1, 1, 1e-6},
      {"mg/L", 1000, 1, 1e-3},
      {"mg/l", 1000, 1, 1e-3},
      {"MG/L", 1000, 1, 1e-3},
      {"ng/L", 1, 1000, 1e-9},
      {"NG/l", 1, 1000, 1e-9},
      {"g/L", 1e6, 1, 1.0},
      {"g/m3", 1000, 1, 1e-3},
      {"mg/m\xC2\xB3", 1, 1, 1e-6},
      {"mg/m\xB3", 1, 1, 1e-6},
      {"kg/m3", 1e6, 1, 1.0},
  };
  for (const Spelling& s : known) {
    const ConcentrationUnit unit = ReadConcentrationUnit(s.text);
    EXPECT_TRUE(unit.known) << s.text;
    EXPECT_EQ(unit.micrograms, s.micrograms) << s.text;
    EXPECT_EQ(unit.divisor, s.divisor) << s.text;
    EXPECT_EQ(unit.kgPerCubicMetre, s.kgPerCubicMetre) << s.text;
    // The source's mass reads the unit through the same reading.
    EXPECT_EQ(KilogramsPerCubicMetre(s.text), s.kgPerCubicMetre) << s.text;
  }
  // Moles, masses per kilogram of soil, fractions that may be of soil, and
  // what is no unit: none relates to the samples.
  for (const std::string text :
       {kMicromolesPerLitre, std::string("mmol/L"), std::string("\xC2\xB5g/kg"), std::string("mg/kg"),
        std::string("ppb"), std::string("ppm"), std::string(""), std::string("  "), std::string("mV"),
        std::string("m"), std::string("ug/L x"), std::string("\xC2g/L")}) {
    EXPECT_FALSE(ReadConcentrationUnit(text).known) << text;
    EXPECT_EQ(KilogramsPerCubicMetre(text), 0.0) << text;
  }

  // The conversions keep the site tables' bits for ug/L and mg/L.
  const ConcentrationUnit ug = ReadConcentrationUnit("ug/L"), mg = ReadConcentrationUnit("mg/l"),
                          ng = ReadConcentrationUnit("ng/L"), none = ReadConcentrationUnit("umol/L");
  double out = 0.0;
  for (double v : {188.0, 0.1, 45.2, 1.0 / 3.0}) {
    double old = 0.0;
    ASSERT_TRUE(FromMicrogramsPerLitre(v, ug, &out));
    EXPECT_EQ(out, v);
    ASSERT_TRUE(ConvertSiteValue(v, kUnitUgL, kUnitMgL, &old));
    ASSERT_TRUE(FromMicrogramsPerLitre(v, mg, &out));
    EXPECT_EQ(out, old);
    ASSERT_TRUE(ToMicrogramsPerLitre(v, mg, &out));
    ASSERT_TRUE(ConvertSiteValue(v, kUnitMgL, kUnitUgL, &old));
    EXPECT_EQ(out, old);
    ASSERT_TRUE(SampleValueIn(v, kUnitMgL, mg, &out));
    EXPECT_EQ(out, v);
    ASSERT_TRUE(SampleValueIn(v, kUnitMgL, ug, &out));
    EXPECT_EQ(out, v * 1000.0);
    ASSERT_TRUE(FromMicrogramsPerLitre(v, ng, &out));
    EXPECT_EQ(out, v * 1000.0);
    ASSERT_TRUE(SampleValueIn(v, kUnitMgL, ng, &out));
    EXPECT_EQ(out, v * 1e6);
    EXPECT_FALSE(FromMicrogramsPerLitre(v, none, &out));
    EXPECT_FALSE(SampleValueIn(v, kUnitUgL, none, &out));
    EXPECT_FALSE(SampleValueIn(v, kUnitMv, ug, &out));
  }
}

// The site fits' CA (the Site data window's time to reach it) in the
// samples' ug/L: as entered in ug/L and mg/L, scaled from ng/L, none where
// the unit does not relate to the samples.
TEST(ConcentrationUnit, SiteFitsTakeCaInTheProjectsUnit) {
  Project* project = virelo_LoadProject(kPetrolStation.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  const double ca = project->contaminants[0].ca;  // benzene, 1 ug/L as the example holds it
  std::string& unit = virelo_Extras(project).settings.concentrationUnit;
  struct Case {
    std::string unit;
    double inUgL;
  };
  for (const Case& c : {Case{"ug/l", ca}, Case{"\xCE\xBCg/L", ca}, Case{"MG/L", ca * 1000.0},
                        Case{"ng/l", ca / 1000.0}, Case{"g/m\xC2\xB3", ca * 1000.0}}) {
    unit = c.unit;
    const SiteFitOptions o = SiteFitOptionsFor(*project, "Benzene", 90);
    double back = 0.0;
    ASSERT_TRUE(ConvertSiteValue(o.ca, o.caUnit, kUnitUgL, &back)) << c.unit;
    EXPECT_DOUBLE_EQ(back, c.inUgL) << c.unit;
  }
  unit = kMicromolesPerLitre;
  EXPECT_TRUE(std::isnan(SiteFitOptionsFor(*project, "Benzene", 90).ca));
  virelo_FreeProject(project);
}

class ProjectUnit : public ProjectFilesTest {
 protected:
  std::string WithUnit(const std::string& unit) {
    return SavedCopy(kPetrolStation, "unit.vrp",
                     [&](Project* p) { virelo_Extras(p).settings.concentrationUnit = unit; });
  }
};

// The rows of `assess --csv` keyed by "name assessment".
std::map<std::string, std::vector<std::string>> ByRow(const std::string& csv) {
  const CsvTable table = ParseCsv(csv);
  EXPECT_TRUE(table.ok);
  std::map<std::string, std::vector<std::string>> rows;
  for (size_t k = 1; k < table.records.size(); ++k)
    rows[table.records[k].fields[0] + " " + table.records[k].fields[1]] = table.records[k].fields;
  return rows;
}

// The wells of every sampled contaminant, as the verdict compares them.
std::vector<WellsEvidence> WellsOf(const std::string& path) {
  Project* project = virelo_LoadProject(path.c_str(), "rb");
  EXPECT_NE(project, nullptr);
  std::vector<WellsEvidence> all;
  for (int k = 0; project && k < project->contaminantCount; ++k)
    all.push_back(WellsEvidenceOf(*project, k, kAssessmentRanges[0].range, VerdictBasis::Worse));
  virelo_FreeProject(project);
  return all;
}

// Every spelling of micrograms per litre: the same CSV, byte for byte, and
// the same wells, value for value, as the default "µg/L"; MTBE's
// attenuation factor stays Yellow by its wells.
TEST_F(ProjectUnit, EverySpellingOfMicrogramsGivesTheSameVerdictsAndWells) {
  const CliResult reference = Cli({"assess", WithUnit(kMicro), "--csv"});
  ASSERT_EQ(reference.status, 0) << reference.err;
  ASSERT_EQ(reference.err, "");
  EXPECT_EQ(ByRow(reference.out)["MTBE AF"][kVerdict], "Yellow");
  EXPECT_EQ(ByRow(reference.out)["MTBE AF"][kReasons], "wells");
  const std::vector<WellsEvidence> wells = WellsOf(WithUnit(kMicro));
  for (const std::string unit : {std::string("\xC2\xB5g/l"), std::string("ug/L"), std::string("UG/L"),
                                 std::string("\xCE\xBCg/L"), std::string("ug/l")}) {
    SCOPED_TRACE(unit);
    const std::string path = WithUnit(unit);
    const CliResult run = Cli({"assess", path, "--csv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, reference.out);
    const std::vector<WellsEvidence> same = WellsOf(path);
    ASSERT_EQ(same.size(), wells.size());
    for (size_t k = 0; k < wells.size(); ++k) {
      EXPECT_EQ(same[k].hasClass, wells[k].hasClass) << k;
      EXPECT_EQ(same[k].omitted, 0u) << k;
      EXPECT_EQ(same[k].cls, wells[k].cls) << k;
      ASSERT_EQ(same[k].wells.size(), wells[k].wells.size()) << k;
      for (size_t w = 0; w < wells[k].wells.size(); ++w) {
        EXPECT_EQ(same[k].wells[w].measured, wells[k].wells[w].measured);
        EXPECT_EQ(same[k].wells[w].factor, wells[k].wells[w].factor);
      }
    }
  }
}

// In milligrams, with C0 and CA given in milligrams: the same classes and
// verdicts, and the wells' concentrations a thousandth of the micrograms'.
TEST_F(ProjectUnit, MilligramsGiveTheSameVerdictsAndTheWellsInMilligrams) {
  const std::string micro = WithUnit(kMicro);
  const std::string milli = SavedCopy(kPetrolStation, "mg.vrp", [](Project* p) {
    virelo_Extras(p).settings.concentrationUnit = "mg/l";
    for (int k = 0; k < p->contaminantCount; ++k) {
      Contaminant& c = p->contaminants[k];
      if (c.valueMask & kValueC0) virelo_SetContaminantValue(&c, kValueC0, c.c0 / 1000.0);
      if (c.valueMask & kValueCa) virelo_SetContaminantValue(&c, kValueCa, c.ca / 1000.0);
    }
  });
  const CliResult ug = Cli({"assess", micro, "--csv"}), mg = Cli({"assess", milli, "--csv"});
  ASSERT_EQ(mg.status, 0) << mg.err;
  EXPECT_EQ(mg.err, "");
  auto ugRows = ByRow(ug.out), mgRows = ByRow(mg.out);
  ASSERT_EQ(ugRows.size(), mgRows.size());
  ASSERT_EQ(ugRows.size(), 10u);
  for (auto& [key, row] : ugRows) {
    SCOPED_TRACE(key);
    const std::vector<std::string>& other = mgRows[key];
    for (size_t column : {kClass, kProblems, kVerdict, kWellsClass, kReasons})
      EXPECT_EQ(other[column], row[column]) << column;
    ASSERT_NE(row[kWellsConcentration], "");
    const double inMg = std::stod(row[kWellsConcentration]) / 1000.0;
    EXPECT_NEAR(std::stod(other[kWellsConcentration]), inMg, 1e-12 * inMg);
  }
  const std::vector<WellsEvidence> a = WellsOf(micro), b = WellsOf(milli);
  ASSERT_EQ(a.size(), b.size());
  for (size_t k = 0; k < a.size(); ++k) {
    ASSERT_EQ(a[k].wells.size(), b[k].wells.size());
    for (size_t w = 0; w < a[k].wells.size(); ++w) {
      EXPECT_EQ(b[k].wells[w].measured, a[k].wells[w].measured / 1000.0);
      EXPECT_NEAR(b[k].wells[w].screening, a[k].wells[w].screening / 1000.0, 1e-12 * a[k].wells[w].screening);
      EXPECT_NEAR(b[k].wells[w].factor, a[k].wells[w].factor, 1e-12 * a[k].wells[w].factor);
      EXPECT_EQ(b[k].wells[w].underpredicted, a[k].wells[w].underpredicted);
    }
  }
}

// Micromoles: the wells cannot be compared. The problem names every
// sampled contaminant, every row of them says so, no verdict turns into
// Problems, and the exit status stays 0. MTBE's attenuation factor, Yellow
// by its wells, is left with its model's Green, and the warning says it.
TEST_F(ProjectUnit, MicromolesLeaveTheWellsOutWithProblemReasonAndWarning) {
  const CliResult reference = Cli({"assess", kPetrolStation, "--csv"});
  const CliResult run = Cli({"assess", WithUnit(kMicromolesPerLitre), "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string problem = "problem 800: The project's concentration unit is not one Virelo relates";
  ASSERT_NE(run.err.find(problem), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Wells not compared: Benzene, Toluene, Ethylbenzene, Xylenes, MTBE."),
            std::string::npos)
      << run.err;
  auto rows = ByRow(run.out), before = ByRow(reference.out);
  ASSERT_EQ(rows.size(), 10u);
  for (auto& [key, row] : rows) {
    SCOPED_TRACE(key);
    EXPECT_EQ(row[kClass], before[key][kClass]);
    EXPECT_EQ(row[kProblems], "");
    EXPECT_NE(row[kVerdict], "Problems");
    EXPECT_EQ(row[kWellsClass], "");
    EXPECT_NE(row[kReasons].find("wells not compared (unit)"), std::string::npos) << row[kReasons];
  }
  EXPECT_EQ(rows["MTBE AF"][kVerdict], "Green");
  EXPECT_EQ(rows["MTBE AF"][kReasons], "wells not compared (unit)");

  // Only contaminants marked for an assessment are named, whichever.
  Project* project = virelo_LoadProject(kPetrolStation.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  virelo_Extras(project).settings.concentrationUnit = kMicromolesPerLitre;
  project->contaminants[0].assess = 0;                         // benzene
  project->contaminants[4].assess = kAssessAttenuationFactor;  // MTBE
  const std::vector<OmittedEvidence> omitted =
      OmittedEvidenceOf(*project, kAssessmentRanges[0].range, VerdictBasis::Screening);
  virelo_FreeProject(project);
  ASSERT_EQ(omitted.size(), 1u);
  EXPECT_EQ(OmittedContaminantsText(omitted[0]), "Wells not compared: Toluene, Ethylbenzene, Xylenes, MTBE.");

  // The table says it under "Why", and the warning stands on standard
  // error, not in the table.
  const CliResult table = Cli({"assess", WithUnit(kMicromolesPerLitre)});
  ASSERT_EQ(table.status, 0);
  EXPECT_NE(table.out.find("Green     wells not compared (unit)\n"), std::string::npos) << table.out;
  EXPECT_EQ(table.out.find("problem 800"), std::string::npos);
  EXPECT_NE(table.err.find(problem), std::string::npos);
}

// Every reason the wells are left out, one after another: each has a
// problem text, reaches the engine's list with the contaminants it
// concerns, and `assess`'s standard error, without changing its status.
TEST_F(ProjectUnit, EveryReasonForLeavingTheWellsOutReachesAssess) {
  std::vector<ProblemCode> codes;
  for (const WellsOmissionEntry& entry : kWellsOmissions) {
    SCOPED_TRACE(entry.words);
    char text[256] = "";
    ASSERT_EQ(virelo_GetProblemText(entry.code, text), 1);
    for (ProblemCode other : codes) EXPECT_NE(other, entry.code);
    codes.push_back(entry.code);
    Project* project = virelo_LoadProject(kPetrolStation.c_str(), "rb");
    ASSERT_NE(project, nullptr);
    EXPECT_TRUE(OmittedEvidenceOf(*project, kAssessmentRanges[0].range, VerdictBasis::Screening).empty());
    ASSERT_TRUE(LeaveWellsOut(project, entry.bit)) << "no case for this reason";
    const std::vector<OmittedEvidence> omitted =
        OmittedEvidenceOf(*project, kAssessmentRanges[0].range, VerdictBasis::Screening);
    virelo_FreeProject(project);
    const OmittedEvidence* found = nullptr;
    for (const OmittedEvidence& o : omitted)
      if (o.code == entry.code) found = &o;
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(omitted.size(), 1u);  // this reason alone
    EXPECT_EQ(found->reason, entry.bit);
    EXPECT_EQ(found->contaminants.size(), std::size(kPetrolStationSampled));

    const std::string path =
        SavedCopy(kPetrolStation, "left-out.vrp", [&](Project* p) { LeaveWellsOut(p, entry.bit); });
    const CliResult run = Cli({"assess", path, "--csv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("problem " + std::to_string(entry.code) + ": " + text), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("Wells not compared: Benzene,"), std::string::npos) << run.err;
    const std::string words = std::string("(") + entry.words;
    for (auto& [key, row] : ByRow(run.out)) {
      EXPECT_NE(row[kVerdict], "Problems") << key;
      EXPECT_NE(row[kReasons].find("wells not compared"), std::string::npos) << key;
      EXPECT_NE(row[kReasons].find(entry.words), std::string::npos) << key << ": " << row[kReasons];
    }
  }
  // All reasons at once: each is named, in the order of the table, both in
  // the engine's list and in every row's reasons.
  const std::string path = SavedCopy(kPetrolStation, "all.vrp", [](Project* p) {
    for (const WellsOmissionEntry& entry : kWellsOmissions) LeaveWellsOut(p, entry.bit);
  });
  Project* all = virelo_LoadProject(path.c_str(), "rb");
  ASSERT_NE(all, nullptr);
  const std::vector<OmittedEvidence> omitted =
      OmittedEvidenceOf(*all, kAssessmentRanges[0].range, VerdictBasis::Screening);
  virelo_FreeProject(all);
  ASSERT_EQ(omitted.size(), std::size(kWellsOmissions));
  std::string words;
  for (size_t k = 0; k < omitted.size(); ++k) {
    EXPECT_EQ(omitted[k].code, kWellsOmissions[k].code);
    EXPECT_EQ(omitted[k].contaminants.size(), std::size(kPetrolStationSampled));
    words += std::string(k ? ", " : "wells not compared (") + kWellsOmissions[k].words;
  }
  const CliResult run = Cli({"assess", path, "--csv"});
  ASSERT_EQ(run.status, 0);
  for (const WellsOmissionEntry& entry : kWellsOmissions)
    EXPECT_NE(run.err.find("problem " + std::to_string(entry.code) + ":"), std::string::npos) << run.err;
  for (auto& [key, row] : ByRow(run.out)) EXPECT_EQ(row[kReasons], words + ")") << key;
  EXPECT_EQ(WellsOmissionWords(kWellsUnit | kWellsFitWarnings), "wells not compared (unit, fit warnings)");
  EXPECT_EQ(WellsOmissionWords(0), "");
}

}  // namespace
