// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The marks Dutch and German laboratories write in place of a number, their
// surveyors' head units and their spreadsheets' Windows-1252 punctuation, read
// from the table into the site's samples.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/project/labunits.h"
#include "persistence/sitecsv.h"

namespace {

const char* kWells = "well;s;y\nPb1;0;0\nPb2;20;0\n";

struct Imported {
  SiteData site;
  std::string errors;
  std::vector<std::string> notes;
};

Imported Import(const std::string& lab) {
  Imported result;
  SiteCsvOptions options;
  options.notes = &result.notes;
  SiteCsvRows rows;
  std::ostringstream err;
  const bool ok = ReadSiteCsv(kWells, "wells.csv", &rows, err, options) &&
                  ReadSiteCsv(lab, "lab.csv", &rows, err, options);
  if (ok) MergeSiteRows(SiteData{}, rows, false, &result.site, err);
  result.errors = err.str();
  return result;
}

TEST(LabMarks, NotDeterminedRowsAreSkippedAndCountedOnce) {
  // A Dutch long table: "n.b." and "n.a." and a Windows-1252 en dash (0x96)
  // where the lab did not determine the analyte.
  const Imported dutch = Import(
      "well;date;analyte;value;unit\n"
      "Pb1;12-05-2024;benzeen;12,5;\xB5g/l\n"
      "Pb1;12-05-2024;tolueen;n.b.;\xB5g/l\n"
      "Pb2;12-05-2024;benzeen;N.B.;\xB5g/l\n"
      "Pb2;12-05-2024;tolueen;n.a.;\xB5g/l\n"
      "Pb2;12-05-2024;ijzer (II);\x96;mg/l\n"
      "Pb2;12-05-2024;ijzer(II);3,4;mg/l\n");
  ASSERT_EQ(dutch.errors, "");
  ASSERT_EQ(dutch.site.samples.size(), 2u);
  EXPECT_EQ(dutch.site.samples[0].analyte, "Benzene");
  EXPECT_EQ(dutch.site.samples[0].value, 12.5);
  EXPECT_EQ(dutch.site.samples[1].well, "Pb2");
  EXPECT_EQ(dutch.site.samples[1].analyte, "Iron(II)");
  EXPECT_EQ(dutch.site.samples[1].value, 3.4);
  EXPECT_EQ(dutch.notes, std::vector<std::string>{"lab.csv: 4 values not determined (n.b.) were skipped"});

  // The wide form: a dash is no measurement as an empty cell is, unsaid;
  // "n.b." is counted.
  const Imported wide = Import(
      "well;date;Benzol [\xB5g/l];Eisen (II) [mg/l]\n"
      "Pb1;12.05.2024;n.b.;1,2\n"
      "Pb2;12.05.2024;-;n.b.\n");
  ASSERT_EQ(wide.errors, "");
  ASSERT_EQ(wide.site.samples.size(), 1u);
  EXPECT_EQ(wide.site.samples[0].analyte, "Iron(II)");
  EXPECT_EQ(wide.notes, std::vector<std::string>{"lab.csv: 2 values not determined (n.b.) were skipped"});

  // A number the lab did give is still read as one; a word that is no mark
  // still refuses the table.
  const Imported word = Import("well;date;analyte;value;unit\nPb1;12-05-2024;benzeen;volgt;\xB5g/l\n");
  EXPECT_EQ(word.errors, "lab.csv:2: value: \"volgt\" is not a finite number\n");
  EXPECT_TRUE(word.site.empty());
}

TEST(LabMarks, NotDetectedTakesTheLimitColumnAndIsRefusedWithoutOne) {
  // A German table: "n.n." and "< BG" at the Bestimmungsgrenze of their row,
  // a number below it as written, and a plain value not marked.
  const Imported german = Import(
      "well;date;analyte;value;unit;BG\n"
      "Pb1;12.05.2024;Benzol;n.n.;\xB5g/l;0,5\n"
      "Pb1;12.05.2024;Toluol;< BG;\xB5g/l;<1\n"
      "Pb2;12.05.2024;Benzol;<0,2;\xB5g/l;0,5\n"
      "Pb2;12.05.2024;Toluol;7,5;\xB5g/l;1\n");
  ASSERT_EQ(german.errors, "");
  ASSERT_EQ(german.site.samples.size(), 4u);
  const struct {
    const char* well;
    const char* analyte;
    double value;
    bool nonDetect;
  } expected[] = {{"Pb1", "Benzene", 0.5, true},
                  {"Pb1", "Toluene", 1.0, true},
                  {"Pb2", "Benzene", 0.2, true},
                  {"Pb2", "Toluene", 7.5, false}};
  for (const auto& e : expected) {
    bool found = false;
    for (const SiteSample& s : german.site.samples) {
      if (s.well != e.well || s.analyte != e.analyte) continue;
      found = true;
      EXPECT_EQ(s.value, e.value) << e.well << " " << e.analyte;
      EXPECT_EQ(s.nonDetect, e.nonDetect) << e.well << " " << e.analyte;
    }
    EXPECT_TRUE(found) << e.well << " " << e.analyte;
  }

  // Without a limit the row has no value to keep: refused, naming the
  // column that would give it, in the long and the wide form alike.
  const Imported noColumn = Import("well;date;analyte;value;unit\nPb1;12.05.2024;Benzol;n.n.;\xB5g/l\n");
  EXPECT_EQ(
      noColumn.errors,
      "lab.csv:2: value: \"n.n.\" is not detected but gives no limit: write the limit as \"<0.5\" or give a "
      "detectionLimit column\n");
  EXPECT_TRUE(noColumn.site.empty());
  const Imported emptyLimit =
      Import("well;date;analyte;value;unit;detectionLimit\nPb1;12.05.2024;Benzol;<BG;\xB5g/l;\n");
  EXPECT_NE(emptyLimit.errors.find("lab.csv:2: value: \"<BG\" is not detected but gives no limit"),
            std::string::npos)
      << emptyLimit.errors;
  const Imported wide = Import("well;date;Benzol [\xB5g/l]\nPb1;12.05.2024;n.n.\n");
  EXPECT_NE(
      wide.errors.find("lab.csv:2: \"Benzol [\xC2\xB5g/l]\": \"n.n.\" is not detected but gives no limit"),
      std::string::npos)
      << wide.errors;
  const Imported badLimit =
      Import("well;date;analyte;value;unit;BG\nPb1;12.05.2024;Benzol;n.n.;\xB5g/l;ca. 1\n");
  EXPECT_EQ(badLimit.errors, "lab.csv:2: detectionLimit: \"ca. 1\" is not a finite number\n");
}

TEST(LabMarks, HeadUnitsAboveADatumAreMetres) {
  for (const char* written : {"m NAP", "m+NAP", "m NHN", "m \xFC. NN", "mNN", "m a.s.l.", "m ASL", "mAOD"}) {
    LabUnit unit;
    ASSERT_TRUE(ReadLabUnit(written, &unit)) << written;
    EXPECT_STREQ(unit.unit, kUnitM) << written;
  }
  // Depths below ground are no head: "m -mv" stays unknown.
  LabUnit unit;
  EXPECT_FALSE(ReadLabUnit("m -mv", &unit));

  // Through both forms, a UTF-8 umlaut in the header's unit as well.
  const Imported wide = Import("well;date;Grundwasserstand [m \xC3\xBC. NN]\nPb1;12.05.2024;-1,25\n");
  ASSERT_EQ(wide.errors, "");
  ASSERT_EQ(wide.site.samples.size(), 1u);
  EXPECT_EQ(wide.site.samples[0].analyte, "Head");
  EXPECT_EQ(wide.site.samples[0].unit, "m");
  EXPECT_EQ(wide.site.samples[0].value, -1.25);
  const Imported lon = Import("well;date;analyte;value;unit\nPb2;12-05-2024;stijghoogte;0,85;m+NAP\n");
  ASSERT_EQ(lon.errors, "");
  ASSERT_EQ(lon.site.samples.size(), 1u);
  EXPECT_EQ(lon.site.samples[0].unit, "m");
  EXPECT_EQ(lon.site.samples[0].value, 0.85);
}

TEST(LabMarks, Windows1252PunctuationReadsAsItsPlainMarks) {
  // An en dash and curly quotes from a Windows spreadsheet, in a well's name
  // in both tables: they meet as the same well.
  SiteCsvRows rows;
  std::ostringstream err;
  ASSERT_TRUE(
      ReadSiteCsv("well;s\nPb\x96"
                  "3 (\x91oud\x92);5\n",
                  "wells.csv", &rows, err))
      << err.str();
  ASSERT_TRUE(
      ReadSiteCsv("well;date;Benzol [\xB5g/l]\nPb\x96"
                  "3 (\x91oud\x92);12.05.2024;2\n",
                  "lab.csv", &rows, err))
      << err.str();
  SiteData site;
  ASSERT_TRUE(MergeSiteRows(SiteData{}, rows, false, &site, err)) << err.str();
  ASSERT_EQ(site.samples.size(), 1u);
  EXPECT_EQ(site.samples[0].well, "Pb-3 ('oud')");
  // The same marks in UTF-8 read alike; a character with no plain form still
  // refuses the table.
  SiteCsvRows utf8;
  EXPECT_TRUE(
      ReadSiteCsv("well;s\nPb\xE2\x80\x93"
                  "4;5\n",
                  "wells.csv", &utf8, err))
      << err.str();
  ASSERT_EQ(utf8.wells.size(), 1u);
  EXPECT_EQ(utf8.wells[0].name, "Pb-4");
  std::ostringstream refused;
  EXPECT_FALSE(ReadSiteCsv("well;s\nPb\xE2\x82\xAC;5\n", "wells.csv", &utf8, refused));
  EXPECT_NE(refused.str().find("outside Latin-1"), std::string::npos) << refused.str();
}

}  // namespace
