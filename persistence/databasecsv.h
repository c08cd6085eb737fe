// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The contaminant database as a CSV table, and the bundled literature table
// (resources/generic-contaminants.csv, installed beside generic.vrc) that
// names the source of every value the bundled database holds.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/project/records.h"

// The file name of the bundled literature table.
constexpr const char* kLiteratureTableFileName = "generic-contaminants.csv";
// What a value has for a source when it is not the bundled table's.
constexpr const char* kNoSourceText = "edited value, no source";

// The header of the database CSV, in column order.
const std::vector<std::string>& DatabaseCsvColumns();

// The literature table's sorption columns: "koc" [L/kg] and "kocSource".
// They are not part of the database (its records hold no Koc): a database
// CSV may have them or not, and db-import reads past them.
constexpr const char* kKocColumn = "koc";
constexpr const char* kKocSourceColumn = "kocSource";
struct LiteratureSorption {
  std::optional<double> koc;  // [L/kg]
  std::string source;         // Latin-1, as in the table
};

struct LiteratureRow {
  Contaminant values;
  std::string source;  // Latin-1, as in the table's "source" column
  LiteratureSorption sorption;
};
using LiteratureTable = std::vector<LiteratureRow>;

// Writes the contaminant list as database CSV (header and one row each, in
// UTF-8). The source column holds RowSource against `table`, or nothing
// when `table` is null.
void WriteDatabaseCsv(const Contaminant* contaminants, int count, std::ostream& out,
                      const LiteratureTable* table = nullptr);

// Reads database CSV as spreadsheets write it (comma or semicolon, UTF-8 or
// Windows-1252) into contaminant records; `sources`, when given, gets each
// row's source column. Every unsound row is written to `err` as
// "<source>:<line>: <reason>"; returns false when any was (then nothing is
// returned).
bool ReadDatabaseCsv(const std::string& text, const std::string& source,
                     std::vector<Contaminant>* contaminants, std::ostream& err,
                     std::vector<std::string>* sources = nullptr,
                     std::vector<LiteratureSorption>* sorption = nullptr);

// Reads the bundled literature table from the folder of the installed
// database (the executable's folder). False when it is missing or unsound.
bool LoadBundledLiteratureTable(LiteratureTable* table);

// The source of one value of `c`: `lambdaBit` names a preset decay constant,
// 0 the literature plume length. The table's text for that value when a row
// of the same name holds the same value, else kNoSourceText; empty when `c`
// has no such value.
std::string ValueSource(const LiteratureTable& table, const Contaminant& c, uint16_t lambdaBit);
// The source column for a whole row: the table's own text when every value
// matches its row; otherwise one "column: source" part per value.
std::string RowSource(const LiteratureTable& table, const Contaminant& c);
// The Koc of a contaminant name (Latin-1) in the table with its source, or
// null when the table has none for it.
const LiteratureSorption* LiteratureKoc(const LiteratureTable& table, const char* name);
