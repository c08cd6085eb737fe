// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The pieces that the commands of virelo-cli share: argument parsing, number
// formatting, whole-file reading and the rows of an assessed project.
#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "persistence/filekind.h"

// One command: its name, its lines in the usage text, and what runs it with
// the whole command line (args[0] the program, args[1] the command).
struct CliCommand {
  const char* name;
  std::string (*usage)();
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Adds a command that only some builds have (the report needs Qt, which the
// other commands do without); main() calls it before RunCli.
void AddCliCommand(const CliCommand& command);

// An option a command accepts: "--name" alone, or with a value given as
// "--name=value" or "--name value".
struct CliOption {
  std::string name;
  bool takesValue = false;
};

struct CliArguments {
  std::vector<std::string> files;
  std::map<std::string, std::string> values;  // options with a value
  std::set<std::string> flags;                // options without one
  bool has(const std::string& name) const { return flags.count(name) || values.count(name); }
};

// Parses args[2..] against `options`; anything else starting with '-' (but a
// lone "-") is refused. Returns false with `error` set on a usage error.
bool ParseCliArguments(const std::vector<std::string>& args, const std::vector<CliOption>& options,
                       CliArguments* parsed, std::string* error);

// While a command runs, the engine's errors and warnings are kept here rather
// than printed to standard output (where they would end up inside a
// redirected table). Returns them as the engine's text blocks and forgets
// them.
std::string TakeEngineReports();
// Keeps the engine's reports (see above) from construction to destruction,
// then restores the report callbacks that were installed before.
class EngineReportCapture {
 public:
  EngineReportCapture();
  ~EngineReportCapture();
  EngineReportCapture(const EngineReportCapture&) = delete;
  EngineReportCapture& operator=(const EngineReportCapture&) = delete;

 private:
  bool hadRecord_ = false;
  ReportCallbacks saved_;
};

// Prints "virelo-cli: cannot read PATH: REASON" (or "cannot write"), then
// the engine's reports, on `err`. Returns kCliFailed.
int ReadFailure(const std::string& path, const std::string& reason, std::ostream& err);
int WriteFailure(const std::string& path, const std::string& reason, std::ostream& err);
// Why the file at `path` could not be loaded as `wanted`: the system's
// reason when it cannot be opened, the kind of file it is when it is another.
std::string ReadFailureReason(const std::string& path, VireloFileKind wanted);

// Prints the message and a hint to --help; returns kCliUsage.
int UsageError(const std::string& message, std::ostream& err);

// Reads --plume-range and --af-range (0 when absent); false with `error` set
// when a value is not a range number.
bool TakeRangeOptions(const CliArguments& parsed, int* plumeRange, int* afRange, std::string* error);
// Where --plume-range or --af-range was not given, the range saved with the
// project.
void UseSavedRanges(const CliArguments& parsed, const Project& project, int* plumeRange, int* afRange);
// The arguments of a command that reads one project under the two ranges:
// FILE.vrp [--plume-range N] [--af-range N] [--csv]. False with `error` set
// on a usage error.
bool ParseRangedProjectArguments(const std::vector<std::string>& args, const std::string& command,
                                 CliArguments* parsed, int* plumeRange, int* afRange, std::string* error);
// The usage lines of the two range options.
std::string RangeOptionsUsage();

// "%.17g", independent of the C locale: 17 significant digits read back as
// the same double.
std::string FormatDouble(double value);

// The shortest text that reads back as the same double ("0.1", "1e-05"),
// independent of the C locale; for messages.
std::string FormatNumber(double value);

// The whole file as bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* text);

// One assessed result as the commands list it.
struct AssessRow {
  std::string name;  // UTF-8
  bool plumeLength;  // else attenuation factor
  AssessmentClass cls;
  const ContaminantResult* result;
  std::vector<ProblemCode> problems;  // aquifer codes first
};

// The rows of a computed project in result order, plume-length rows first.
std::vector<AssessRow> CollectRows(const Project& project, AssessmentRange plumeRange,
                                   AssessmentRange afRange);

// A project owned by a command; freed with the engine's own function.
struct ProjectDeleter {
  void operator()(Project* project) const;
};
using ProjectHandle = std::unique_ptr<Project, ProjectDeleter>;

// Loads the project file at `path` and computes its results. On failure it
// reports on `err` why the file could not be read (see ReadFailure) and
// returns null; every
// command that reads a project goes through here so that they all say it
// the same way.
//
// With "Approximate by x" set, ax, ay and az are taken from x as the Aquifer
// page would take them, and a note on `err` names any stored value that was
// stale; `refreshDispersivities` false keeps the values as stored (for an
// export of the file as it is).
ProjectHandle LoadAssessedProject(const std::string& path, std::ostream& err,
                                  bool refreshDispersivities = true);

// Brings the dispersivities of a project with "Approximate by x" set up to
// date (virelo_RefreshApproximatedDispersivities); when they were stale,
// says so on `err` under `source`, with the old and the new values, followed
// by `consequence`. Returns whether they were stale.
bool RefreshDispersivities(Project* project, const std::string& source, const std::string& consequence,
                           std::ostream& err);
