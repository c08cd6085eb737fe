// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A site table's header as the lab wrote it, brought to the names the site
// readers know: report lines above the header passed over, each column
// named by its role, and the columns no reader uses taken out, each step
// said once in a note.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "persistence/csv.h"
#include "persistence/sitecolumns.h"

// How many lines a table's header may lie below the top of its file.
constexpr int kSiteHeaderSearchLines = 20;

// When the first line of `bytes` is no header but one of the first
// kSiteHeaderSearchLines is, the lines above it are blanked (their line ends
// kept, so that every message names the file's own line) and the note for
// them goes to `notes`.
void BlankLinesAboveSiteHeader(std::string* bytes, const SiteColumnMap* mapped,
                               std::vector<std::string>* notes);

// The table with its header record at `header` renamed by role, its skipped
// columns taken out of every record (a record of another length is refused
// here, counted against the file's columns), and the field of a survey's
// heads with their unit. Two columns of one role are refused, naming both.
struct SiteHeaderResult {
  size_t headField = std::string::npos;
  std::string headUnit;
  std::vector<std::string> skipped;  // the skipped columns' names, as written
};
bool NameSiteColumns(CsvTable* table, size_t header, const SiteColumnMap* mapped,
                     const std::vector<std::string>& limitNames, SiteHeaderResult* result,
                     const std::function<void(int line, const std::string& reason)>& refuse);

// The columns of a header (UTF-8) no role names: what a mapping must name
// before the table reads. Empty when the text has no header.
std::vector<std::string> UnrecognisedSiteColumns(const std::string& bytes, const SiteColumnMap* mapped);
