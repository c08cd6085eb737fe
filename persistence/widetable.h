// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A laboratory table in the wide form labs deliver: one row per well and
// date, one column per analyte, "<" before a detection limit. The unit of
// a column comes from its name ("Benzene [ug/L]", "Benzol (µg/l)") or from
// a unit row right below the header (its well and date cells blank). An
// empty cell, or "-", is an analyte not measured in that sample.
#pragma once

#include <iosfwd>
#include <string>

#include "persistence/csv.h"
#include "persistence/labsample.h"
#include "persistence/siterows.h"

// Whether a header of lower-case column names is a wide table's: a well and
// a date column but no analyte column.
bool IsWideSiteHeader(const CsvRecord& header);

// Reads the records after `header` (the header record's index) into `rows`,
// as ReadSiteCsv does: every unsound row or column to `err`, and then
// nothing added.
bool ReadWideSiteTable(const CsvTable& table, size_t header, char separator, const std::string& source,
                       const SiteCsvOptions& options, SiteCsvRows* rows, std::ostream& err);

// A column name with its unit split off: "Benzene [ug/L]" gives "Benzene"
// and "ug/L". A bracket that holds no unit ("Iron (II)") stays in the name.
void SplitWideColumnName(const std::string& column, std::string* name, std::string* unit);
