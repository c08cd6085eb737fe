// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli: assessments of a project file and the conversion of the
// generic contaminant database to and from CSV, without the desktop program.
//
// Reports of the engine (a project or database that cannot be loaded or
// written) go to C standard output as the engine prints them when no report
// callbacks are installed; everything else goes to `out` and `err`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/records.h"

// Exit statuses.
constexpr int kCliOk = 0;
constexpr int kCliFailed = 1;  // a file could not be read or written
constexpr int kCliUsage = 2;   // the command line could not be understood

// Runs one command line (argv[0] is the program name).
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage text printed by --help and after a usage error.
std::string CliUsage();

// The header of the database CSV, in column order.
const std::vector<std::string>& DatabaseCsvColumns();
// The header of `assess --csv`, in column order.
const std::vector<std::string>& AssessCsvColumns();

// Writes the contaminant list as database CSV (header and one row each).
void WriteDatabaseCsv(const Contaminant* contaminants, int count, std::ostream& out);

// Reads database CSV into contaminant records. Every refused row is written
// to `err` as "<source>:<line>: <reason>"; returns false when any row was
// refused (then `contaminants` is left empty).
bool ReadDatabaseCsv(const std::string& text, const std::string& source,
                     std::vector<Contaminant>* contaminants, std::ostream& err);
