// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The names table (resources/analyte-names.csv: name,cas,synonyms with the
// synonyms divided by semicolons), compiled into the programs so that every
// import reads names alike, wherever the data files were installed.
#pragma once

#include <iosfwd>
#include <string>

#include "engine/project/analytenames.h"
#include "engine/project/sitedata.h"

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
