// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "persistence/sitecsv.h"

namespace {

const char* kWells = "well,s,y,inFit\nMW1,0,0,yes\nMW2,25.5,-3,\nMW3,60,1.5,no\n";

SiteData Read(const std::string& wells, const std::string& lab, std::string* errors = nullptr) {
  SiteCsvRows rows;
  std::ostringstream err;
  SiteData site;
  if (ReadSiteCsv(lab, "lab.csv", &rows, err) && ReadSiteCsv(wells, "wells.csv", &rows, err))
    MergeSiteRows(SiteData{}, rows, false, &site, err);
  if (errors) *errors = err.str();
  return site;
}

TEST(SiteCsv, SpreadsheetDialectsNonDetectsAndRoundTrip) {
  // Semicolons with decimal commas in Windows-1252 (micro sign 0xB5), a "<"
  // non-detect, and the wells table given after the samples that need it.
  const std::string lab =
      "Well;Date;Analyte;Value;Unit;NonDetect\r\n"
      "MW1;2024-05-12;Benzene;1200,5;\xB5g/L;\r\n"
      "MW2;2024-05-12;Benzene;<0,5;ug/L;\r\n"
      "MW2;2024-05-12;Iron(II);2,5;mg/L;no\r\n"
      "MW3;2024-05-12;ORP;-120;mV;0\r\n"
      "MW3;2024-05-12;Toluene;3;ug/L;ND\r\n"
      "MW3;2000-02-29;Toluene;3;ug/L;ND\r\n";
  std::string errors;
  const SiteData site = Read(kWells, lab, &errors);
  EXPECT_EQ(errors, "");
  ASSERT_EQ(site.wells.size(), 3u);
  EXPECT_EQ(site.wells[1], (SiteWell{"MW2", 25.5, -3.0, true}));
  EXPECT_FALSE(site.wells[2].inFit);
  ASSERT_EQ(site.samples.size(), 6u);
  EXPECT_EQ(site.samples[0], (SiteSample{"MW1", "2024-05-12", "Benzene", 1200.5, "ug/L", false}));
  EXPECT_EQ(site.samples[1], (SiteSample{"MW2", "2024-05-12", "Benzene", 0.5, "ug/L", true}));
  EXPECT_DOUBLE_EQ(site.samples[3].value, -120.0);
  EXPECT_TRUE(site.samples[4].nonDetect);

  std::ostringstream wells, samples;
  WriteSiteWellsCsv(site, wells);
  WriteSiteSamplesCsv(site, samples);
  EXPECT_EQ(samples.str().substr(0, 38), "well,date,analyte,value,unit,nonDetect");
  EXPECT_EQ(Read(wells.str(), samples.str()), site);
}

const char* kNoSamples = "well,date,analyte,value,unit,nonDetect\n";

// An upstream well whose row says nothing of the fit stays out of it; one
// the table puts in stays in, and a downstream well without a word goes in.
TEST(SiteCsv, UpstreamWellsWithoutInFitStayOutOfTheFit) {
  std::string errors;
  const SiteData site = Read("well,s,y,inFit\nMW0,-40,0,\nMW1,0,0,\nMW9,-20,0,yes\n", kNoSamples, &errors);
  EXPECT_EQ(errors, "");
  ASSERT_EQ(site.wells.size(), 3u);
  EXPECT_FALSE(site.wells[0].inFit);
  EXPECT_TRUE(site.wells[1].inFit);
  EXPECT_TRUE(site.wells[2].inFit);
  // A table without the column at all reads the same way.
  const SiteData bare = Read("well;s;y\nMW0;-40;0\nMW1;12,5;1\n", kNoSamples, &errors);
  ASSERT_EQ(bare.wells.size(), 2u);
  EXPECT_FALSE(bare.wells[0].inFit);
  EXPECT_TRUE(bare.wells[1].inFit);
}

TEST(SiteCsv, BadRowsAreRefusedByRowAndFieldAndNothingIsAdded) {
  struct Case {
    const char* row;
    const char* message;
  } cases[] = {
      {"MW1,2024-05-12,Benzene,3,ppt,", "lab.csv:3: unit: unknown unit \"ppt\""},
      {"MW1,2023-02-29,Benzene,3,ug/L,", "lab.csv:3: date: \"2023-02-29\" is not a date"},
      {"MW1,12.05.24,Benzene,3,ug/L,", "lab.csv:3: date:"},
      {"MW1,1900-02-29,Benzene,3,ug/L,", "lab.csv:3: date:"},
      {"MW1,2024-05-12,Benzene,-3,ug/L,", "lab.csv:3: value: \"-3\" is negative"},
      {"MW1,2024-05-12,Benzene,inf,ug/L,", "lab.csv:3: value: \"inf\" is not a finite number"},
      {"MW1,2024-05-12,Benzene,nan,ug/L,", "lab.csv:3: value:"},
      {"MW1,2024-05-12,Benzene,3,mV,", "lab.csv:3: unit:"},
      {"MW9,2024-05-12,Benzene,3,ug/L,", "lab.csv:3: well: \"MW9\" is no known well"},
      {"MW1,2024-05-12,Benzene,3,ug/L,maybe", "lab.csv:3: nonDetect:"},
      {"MW1,2024-05-12,Benzene,0.011,mg/L,",
       "lab.csv:3: value: \"Benzene\" at \"MW1\" on 2024-05-12 has another "
       "value than on lab.csv:2"},
  };
  for (const Case& c : cases) {
    const std::string lab =
        std::string("well,date,analyte,value,unit,nonDetect\nMW1,2024-05-12,Benzene,10,ug/L,\n") + c.row +
        "\n";
    std::string errors;
    const SiteData site = Read(kWells, lab, &errors);
    EXPECT_EQ(errors.rfind(c.message, 0), 0u) << c.row << " -> " << errors;
    EXPECT_TRUE(site.empty()) << c.row;
  }
  // The same sample twice, also in another unit, is one sample.
  const SiteData twice = Read(kWells,
                              "well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,10,ug/L\n"
                              "MW1,2024-05-12,Benzene,0.01,mg/L\n");
  EXPECT_EQ(twice.samples.size(), 1u);

  // Against the project: a conflicting value leaves it as it was; --replace
  // starts afresh and may then drop wells.
  SiteData project = twice;
  SiteCsvRows rows;
  std::ostringstream err;
  ASSERT_TRUE(
      ReadSiteCsv("well,date,analyte,value,unit\nMW1,2024-05-12,Benzene,11,ug/L\n", "new.csv", &rows, err));
  SiteData merged = project;
  EXPECT_FALSE(MergeSiteRows(project, rows, false, &merged, err));
  EXPECT_NE(err.str().find("new.csv:2: value:"), std::string::npos);
  EXPECT_EQ(merged, twice);
  EXPECT_FALSE(MergeSiteRows(project, rows, true, &merged, err));  // no wells left for MW1
  ASSERT_TRUE(ReadSiteCsv(kWells, "wells.csv", &rows, err));
  ASSERT_TRUE(MergeSiteRows(project, rows, true, &merged, err));
  ASSERT_FALSE(merged.samples.empty());
  EXPECT_EQ(merged.samples[0].value, 11.0);

  // A table that is neither kind, and a header without the unit.
  for (const char* table : {"name,value\nx,1\n", "well,date,analyte,value\nMW1,2024-05-12,Benzene,1\n"}) {
    SiteCsvRows none;
    std::ostringstream e;
    EXPECT_FALSE(ReadSiteCsv(table, "t.csv", &none, e));
    EXPECT_EQ(e.str().rfind("t.csv:1: ", 0), 0u) << e.str();
    EXPECT_TRUE(none.samples.empty() && none.wells.empty());
  }
}

}  // namespace
