// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One sample as a laboratory table gives it, whether a long table's row or a
// wide table's cell: the checks and messages both forms share, so that the
// same data reads to the same samples in either form.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/project/analytenames.h"
#include "engine/project/labdates.h"
#include "engine/project/sitedata.h"
#include "persistence/sitecolumns.h"

// How one import reads names, dates and units.
struct SiteCsvOptions {
  const AnalyteResolver* names = nullptr;  // null: the bundled names table alone
  SlashedDates slashed = SlashedDates::kRefused;
  // Where "<source>: <note>" goes, once per table and kind, when a unit is
  // read in a way worth saying (ppb as ug/L); null: nowhere.
  std::vector<std::string>* notes = nullptr;
  // Header names mapped to roles beyond the recognised ones; null: none.
  const SiteColumnMap* columns = nullptr;
};

// The bundled names table alone, for options that give none.
const AnalyteResolver& BundledAnalyteResolver();

// The cells of one sample, as written (Latin-1).
struct LabSampleCells {
  std::string well, date, analyte, value, unit, nonDetect;
  // The detection limit, where the table has a column for it: the value of a
  // sample the lab marks not detected without a number ("n.n.", "< BG").
  std::string limit;
};

// A value cell that says the lab did not determine the analyte in this sample
// ("n.b.", "n.a.", "-"): no sample, rather than a fault in the table.
bool IsNotDeterminedMark(const std::string& value);
// The note for `count` such cells skipped in one table.
std::string NotDeterminedNote(int count);

// Reads `cells` into `sample`: the date into YYYY-MM-DD, the analyte through
// the names, the value into one of the stored units. Each unsound cell goes
// to `bad` with the long table's column name ("date", "unit", ...) and the
// reason; false when any did. The notes of the units read go into `notes`.
bool ReadLabSample(const LabSampleCells& cells, char separator, const SiteCsvOptions& options,
                   SiteSample* sample, std::set<std::string>* notes,
                   const std::function<void(const char* field, const std::string& reason)>& bad);

// A number cell; in a semicolon table a decimal comma stands for the point.
bool ParseSiteNumber(std::string text, char separator, double* value);
// Yes/no cells as spreadsheets and laboratories write them; empty is `empty`.
bool ParseSiteFlag(const std::string& cell, bool empty, bool* flag);
// A Latin-1 text in quotes, in UTF-8 for the messages.
std::string QuotedSiteText(const std::string& latin1);
