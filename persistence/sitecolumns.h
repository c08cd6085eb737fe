// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The column names laboratories and surveyors write in English, German and
// Dutch, and the role each plays in a site table (well, date, value, ...),
// so that a lab's export reads as it is delivered. The manual lists the same
// table; a name not in it is mapped by the project's column mappings.
#pragma once

#include <map>
#include <string>
#include <vector>

// A column's role: the long table's column names ("well", "date", "analyte",
// "value", "unit", "nonDetect", "detectionLimit"), the wells table's ("s",
// "y", "inFit", "easting", "northing"), "head" for a survey's heads, and
// "skip" for a column the readers do not use (remarks, ground level).
// The empty role is a column no name matches.
const std::vector<std::string>& SiteColumnRoles();

// Mapped names to roles, keyed by SiteColumnKey of the name: the project's
// own and those given to one import.
using SiteColumnMap = std::map<std::string, std::string>;

// A header's name as it is matched: lower case (Latin-1 letters included),
// underscores as blanks, blanks trimmed and collapsed.
std::string SiteColumnKey(const std::string& latin1);

// The role of one column, the unit a bracket in its name gives ("Head
// [m NAP]"), or "" for none.
struct SiteColumn {
  std::string role;
  std::string unit;
};

// The roles of a header's fields (Latin-1): the mapped names first, then the
// recognised ones. A bare "x" and "y" are easting and northing where the
// header has no "s"; with "s", "y" is the offset it always was.
std::vector<SiteColumn> SiteHeaderColumns(const std::vector<std::string>& header,
                                          const SiteColumnMap* mapped);

// Whether a header (Latin-1 fields) names a well column, which every site
// table has: the row a table's header is on.
bool IsSiteHeader(const std::vector<std::string>& header, const SiteColumnMap* mapped);

// The recognised names of one role, for the manual and the window.
std::vector<std::string> SiteColumnNames(const std::string& role);

// "Name=role,Name=role" (UTF-8, as typed) into `map`; false with the reason
// in `error` for a pair without "=" or with no role SiteColumnRoles has.
bool ParseSiteColumnMappings(const std::string& utf8, SiteColumnMap* map, std::string* error);
