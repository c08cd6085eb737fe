// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli: assessments of a project file and the conversion of the
// generic contaminant database to and from CSV, without the desktop program.
//
// Results go to `out`, every report to `err`: a file that cannot be read or
// written is reported by one line "virelo-cli: cannot read FILE: reason",
// followed by the engine's own report where it has one.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/project/records.h"
#include "persistence/databasecsv.h"

// Exit statuses.
constexpr int kCliOk = 0;
constexpr int kCliFailed = 1;  // a file could not be read or written
constexpr int kCliUsage = 2;   // the command line could not be understood

// Runs one command line (argv[0] is the program name).
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage text printed by --help.
std::string CliUsage();

// The header of `assess --csv`, in column order.
const std::vector<std::string>& AssessCsvColumns();
