// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The names table (resources/analyte-names.csv: name,cas,synonyms with the
// synonyms divided by semicolons), compiled into the programs so that every
// import reads names alike, wherever the data files were installed.
#pragma once

#include <iosfwd>
#include <string>

#include "engine/analytenames.h"
#include "engine/sitedata.h"

// Reads a names table; false with each unsound row in `err`.
bool ReadAnalyteNamesCsv(const std::string& bytes, AnalyteNameTable* table, std::ostream& err);

// The bundled table (empty, should the bundled text ever be unsound: the
// tests read it and would say so).
const AnalyteNameTable& BundledAnalyteNames();

// The resolver of an import into `project`: its aliases, its contaminants'
// names and the bundled table.
struct Project;
struct ProjectExtras;
AnalyteResolver ProjectAnalyteResolver(const Project& project);

// Gives every sample named `name` (matched as names are) the analyte
// `analyte`, as a new alias does for the samples already held. A sample that
// would then be a second value of one well, date and analyte is refused,
// named in `err`, and `site` stays as it was; the same value twice is kept
// once. Returns how many samples were renamed, or -1 when refused.
int RenameSiteAnalyte(SiteData* site, const std::string& name, const std::string& analyte, std::ostream& err);
