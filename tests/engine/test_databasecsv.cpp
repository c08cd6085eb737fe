// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "diagnostics/util.h"
#include "persistence/databasecsv.h"

namespace {

const std::string kHeader =
    "group,name,literaturePlumeLength,literatureEntries,lambdaUnknown,lambdaAerobic,lambdaNitrate,lambdaIron,"
    "lambdaSulfate,lambdaMixedPlumes,lambdaMethane\n";

// A row keeps the table's own source text only while every value the table
// lists is unchanged; any edit, and any value the table lacks, turns it into
// one part per value so that the edited one says it has no source.
TEST(DatabaseCsv, RowSourceNamesEveryEditedValue) {
  LiteratureTable table(1);
  Contaminant& listed = table[0].values;
  CopyBounded(listed.name, "Benzene", sizeof listed.name);
  virelo_SetContaminantValue(&listed, kValueLiteraturePlumeLength, 100.0);
  virelo_SetContaminantValue(&listed, kValueLiteratureEntries, 5);
  virelo_SetLambda(&listed, kLambdaAerobic, 0.01);
  table[0].source = "Survey 2020";
  const std::string both = "Plume length: Survey 2020; lambdaAerobic: Survey 2020";

  Contaminant c = listed;
  virelo_SetLambda(&c, kLambdaUser, 0.5);  // the user's own constant is no database value
  EXPECT_EQ(RowSource(table, c), "Survey 2020");
  c = listed;
  virelo_SetContaminantValue(&c, kValueLiteraturePlumeLength, 120.0);
  EXPECT_EQ(RowSource(table, c), "Plume length: edited value, no source; lambdaAerobic: Survey 2020");
  c = listed;
  virelo_SetContaminantValue(&c, kValueLiteratureEntries, 6);
  EXPECT_EQ(RowSource(table, c), both);
  c = listed;
  virelo_SetLambda(&c, kLambdaAerobic, 0.02);
  EXPECT_EQ(RowSource(table, c), "Plume length: Survey 2020; lambdaAerobic: edited value, no source");
  c = listed;
  virelo_SetLambda(&c, kLambdaIron, 0.03);
  EXPECT_EQ(RowSource(table, c), both + "; lambdaIron: edited value, no source");
  c = listed;
  CopyBounded(c.name, "Toluene", sizeof c.name);
  EXPECT_EQ(RowSource(table, c),
            "Plume length: edited value, no source; lambdaAerobic: edited value, no source");
}

// The reader on its own, not only behind db-import: a zero byte in a cell is
// refused with its place, and a semicolon table reads decimal commas.
TEST(DatabaseCsv, ZeroByteAndDecimalCommas) {
  std::vector<Contaminant> rows;
  std::ostringstream err;
  const std::string zero =
      kHeader + "BTEX,Benzene,,,0.1,,,,,,\n" + std::string("BTEX,Ben\0zol,,,0.1,,,,,,\n", 25);
  EXPECT_FALSE(ReadDatabaseCsv(zero, "in", &rows, err));
  EXPECT_EQ(err.str(), "in:3: column 9: a zero byte is no character\n");
  EXPECT_TRUE(rows.empty());

  std::string semicolons = kHeader;
  for (char& ch : semicolons)
    if (ch == ',') ch = ';';
  semicolons += "PAH;Naphthalin;1,5;;;0,25;;;;;1e-3\n";
  err.str("");
  ASSERT_TRUE(ReadDatabaseCsv(semicolons, "in", &rows, err)) << err.str();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].literaturePlumeLength, 1.5);
  EXPECT_EQ(rows[0].lambdaAerobic, 0.25);
  EXPECT_EQ(rows[0].lambdaMethane, 1e-3);
  EXPECT_EQ(rows[0].lambdaMask, kLambdaAerobic | kLambdaMethane);
}

}  // namespace
