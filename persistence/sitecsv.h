// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The site data as spreadsheet tables: a laboratory table in long form,
// one sample per row (well,date,analyte,value,unit,nonDetect), and a wells
// table (well,s,y,inFit, or well,easting,northing,inFit), each recognised by
// its header. Tables are read as
// the database CSV is (comma or semicolon with decimal comma, UTF-8 or
// Windows-1252) and written in UTF-8.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/project/sitedata.h"
#include "persistence/labsample.h"
#include "persistence/siterows.h"

// The headers written, in column order.
const std::vector<std::string>& SiteWellsCsvColumns();
const std::vector<std::string>& SiteSamplesCsvColumns();
// A wells table may place wells on the map instead (easting,northing [m]);
// their s and y then follow from the site's source point and flow azimuth.
const std::vector<std::string>& SiteWellsMapCsvColumns();

// Reads one table into `rows` (appending): a long laboratory table, a wide
// one (well,date and a column per analyte) or a wells table. Every unsound
// row is written to `err` as "<source>:<line>: <field>: <reason>"; returns
// false when any was, and then adds nothing.
bool ReadSiteCsv(const std::string& bytes, const std::string& source, SiteCsvRows* rows, std::ostream& err,
                 const SiteCsvOptions& options = {});

// The site data after adding `rows` to `site` (or replacing it with them):
// a well named again takes the new values; a sample repeated with the same
// value is kept once. Refuses, naming row and field, a sample of a well
// neither holds, a second value for one well, date and analyte, and a well
// given twice with different values among the rows, and wells in map
// coordinates when the site's map does not place wells. False, with `merged`
// untouched, when anything was refused.
bool MergeSiteRows(const SiteData& site, const SiteCsvRows& rows, bool replace, SiteData* merged,
                   std::ostream& err);

// Whether two samples of one well, date and analyte give the same value, so
// that the second is the first read again: the same non-detect flag and,
// converted to one unit, values within rounding of each other.
bool SameSiteSampleValue(const SiteSample& a, const SiteSample& b);

// Gives every sample named `name` (matched as names are) the analyte
// `analyte`, as a new alias does for the samples already held. A sample that
// would then be a second value of one well, date and analyte is refused,
// named in `err`, and `site` stays as it was; the same value twice is kept
// once. Returns how many samples were renamed, or -1 when refused.
int RenameSiteAnalyte(SiteData* site, const std::string& name, const std::string& analyte, std::ostream& err);

void WriteSiteWellsCsv(const SiteData& site, std::ostream& out);
void WriteSiteSamplesCsv(const SiteData& site, std::ostream& out);
