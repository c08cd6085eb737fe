// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/cli_common.h"

#include <sys/stat.h>
#include <cerrno>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "diagnostics/report.h"
#include "diagnostics/text.h"
#include "diagnostics/util.h"
#include "engine/core/calc.h"
#include "engine/core/dispersivity.h"
#include "engine/project/extras.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "persistence/settingsblock.h"
#include "tools/cli/cli.h"

bool ParseCliArguments(const std::vector<std::string>& args, const std::vector<CliOption>& options,
                       CliArguments* parsed, std::string* error) {
  for (size_t k = 2; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg.size() < 2 || arg[0] != '-') {
      parsed->files.push_back(arg);
      continue;
    }
    const CliOption* match = nullptr;
    std::string value;
    bool inlineValue = false;
    for (const CliOption& option : options) {
      if (arg == option.name) {
        match = &option;
      } else if (option.takesValue && arg.rfind(option.name + "=", 0) == 0) {
        match = &option;
        value = arg.substr(option.name.size() + 1);
        inlineValue = true;
      }
      if (match) break;
    }
    if (!match) {
      *error = "unknown option \"" + arg + "\"";
      return false;
    }
    if (!match->takesValue) {
      parsed->flags.insert(match->name);
      continue;
    }
    if (!inlineValue) {
      if (k + 1 >= args.size()) {
        *error = match->name + " needs a value";
        return false;
      }
      value = args[++k];
    }
    parsed->values[match->name] = value;
  }
  return true;
}

int UsageError(const std::string& message, std::ostream& err) {
  err << "virelo-cli: " << message << "\nsee virelo-cli --help\n";
  return kCliUsage;
}

namespace {

std::string g_engineReports;

// The engine's own text blocks, as it prints them without callbacks.
void KeepError(const char* message, const char* module, int32_t errNo, uint32_t uid) {
  char block[1024];
  std::snprintf(block, sizeof block, "Error in Module %s - UID=%x - ErrNo=%d\nMessage:\n%s\n\n", module,
                static_cast<unsigned>(uid), static_cast<int>(errNo), message ? message : "");
  g_engineReports += block;
}
void KeepWarning(const char* message, const char* module, uint32_t uid) {
  char block[1024];
  std::snprintf(block, sizeof block, "WARNING[%s] - UID=%x\nMessage:\n%s\n\n", module,
                static_cast<unsigned>(uid), message ? message : "");
  g_engineReports += block;
}
// The engine's progress lines are not for the user of a command line.
void DropDebug(const char*, const char*, uint32_t) {}

}  // namespace

EngineReportCapture::EngineReportCapture() {
  if (const ReportCallbacks* active = ActiveReportCallbacks()) {
    hadRecord_ = true;
    saved_ = *active;
  }
  g_engineReports.clear();
  SetInstalledReportHandlers(KeepError, KeepWarning, DropDebug);
  InstallReportCallbacks();
}

EngineReportCapture::~EngineReportCapture() {
  // What a process embedding the command line had installed comes back.
  if (hadRecord_) {
    SetInstalledReportHandlers(saved_.onError, saved_.onWarning, saved_.onDebug);
    InstallReportCallbacks();
  } else {
    RemoveReportCallbacks();
  }
  SetInstalledReportHandlers(nullptr, nullptr, PrintDebugLine);
}

std::string TakeEngineReports() {
  std::string reports;
  reports.swap(g_engineReports);
  return reports;
}

int ReadFailure(const std::string& path, const std::string& reason, std::ostream& err) {
  err << "virelo-cli: cannot read " << path << ": " << reason << "\n" << TakeEngineReports();
  return kCliFailed;
}

int WriteFailure(const std::string& path, const std::string& reason, std::ostream& err) {
  err << "virelo-cli: cannot write " << path << ": " << reason << "\n" << TakeEngineReports();
  return kCliFailed;
}

std::string ReadFailureReason(const std::string& path, VireloFileKind wanted) {
  const VireloFileKind kind = virelo_FileKind(path.c_str());
  if (kind == VireloFileKind::Unreadable) return std::strerror(errno);
  if (kind != wanted) return virelo_WrongKindText(path.c_str(), path, wanted);
  return std::string("it is ") + virelo_FileKindText(kind) + " but could not be loaded";
}

namespace {

bool ParseRangeIndex(const std::string& text, int* index) {
  if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kAssessmentRangeCount) return false;
  *index = text[0] - '0';
  return true;
}

}  // namespace

bool TakeRangeOptions(const CliArguments& parsed, int* plumeRange, int* afRange, std::string* error) {
  *plumeRange = *afRange = 0;
  for (const char* option : {"--plume-range", "--af-range"}) {
    const auto found = parsed.values.find(option);
    if (found == parsed.values.end()) continue;
    int* index = std::string(option) == "--plume-range" ? plumeRange : afRange;
    if (!ParseRangeIndex(found->second, index)) {
      *error = std::string(option) + " takes 0 to " + std::to_string(kAssessmentRangeCount - 1) + ", not \"" +
               found->second + "\"";
      return false;
    }
  }
  return true;
}

void UseSavedRanges(const CliArguments& parsed, const Project& project, int* plumeRange, int* afRange) {
  // The ranges saved with the project are the ones its report was made
  // with; an option given on the command line still wins.
  const ProjectSettings& settings = virelo_SettingsOf(project);
  if (!parsed.has("--plume-range") && IsAssessmentRangeIndex(settings.plumeRange))
    *plumeRange = settings.plumeRange;
  if (!parsed.has("--af-range") && IsAssessmentRangeIndex(settings.afRange)) *afRange = settings.afRange;
}

bool ParseRangedProjectArguments(const std::vector<std::string>& args, const std::string& command,
                                 CliArguments* parsed, int* plumeRange, int* afRange, std::string* error) {
  if (!ParseCliArguments(args, {{"--plume-range", true}, {"--af-range", true}, {"--csv", false}}, parsed,
                         error) ||
      !TakeRangeOptions(*parsed, plumeRange, afRange, error)) {
    return false;
  }
  if (parsed->files.size() != 1) {
    *error = command + " takes one file name";
    return false;
  }
  return true;
}

std::string RangeOptionsUsage() {
  std::string text =
      "      N chooses the assessment range (default: the one saved with the project,\n"
      "      else 0):\n";
  for (int k = 0; k < kAssessmentRangeCount; ++k) {
    text += "        " + std::to_string(k) + "   " + kAssessmentRanges[k].text + "\n";
  }
  return text;
}

std::string FormatDouble(double value) {
  // Zero without its sign: a "-0" in a table reads as a fault to the person
  // checking it, and reading it back gives the same zero to every use.
  return RoundTripNumber(value == 0.0 ? 0.0 : value);
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  // A folder opens as an empty stream; say what it is instead of reading
  // nothing.
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    errno = EISDIR;
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  *text = buffer.str();
  return true;
}

namespace {

void AppendCodes(std::vector<ProblemCode>* codes, const ProblemCode* array, int count) {
  // A check whose array could not be allocated still counts its problems;
  // there are then no codes to list.
  if (!array) return;
  for (int k = 0; k < count; ++k) codes->push_back(array[k]);
}

}  // namespace

std::vector<AssessRow> CollectRows(const Project& project, AssessmentRange plumeRange,
                                   AssessmentRange afRange) {
  std::vector<AssessRow> plume, af;
  for (int k = 0; k < project.resultCount; ++k) {
    const ContaminantResult& r = project.results[k];
    if (r.contaminantIndex < 0 || r.contaminantIndex >= project.contaminantCount) continue;
    const Contaminant& c = project.contaminants[r.contaminantIndex];
    const std::string name = RecordTextToUtf8(c.name);
    if (c.assess & kAssessPlumeLength) {
      AssessRow row{name, true, AssessmentClass::Problems, &r, {}};
      if (HasPlumeLengthProblems(r)) {
        AppendCodes(&row.problems, r.plAquiferProblems, r.plAquiferProblemCount);
        AppendCodes(&row.problems, r.plContaminantProblems, r.plContaminantProblemCount);
      } else {
        row.cls = ClassifyPlumeLength(r.plumeLengthRatio, plumeRange);
      }
      plume.push_back(std::move(row));
    }
    if (c.assess & kAssessAttenuationFactor) {
      AssessRow row{name, false, AssessmentClass::Problems, &r, {}};
      if (HasAttenuationFactorProblems(r)) {
        AppendCodes(&row.problems, r.afAquiferProblems, r.afAquiferProblemCount);
        AppendCodes(&row.problems, r.afContaminantProblems, r.afContaminantProblemCount);
      } else {
        row.cls = ClassifyAttenuationFactor(r.sourceRatio, afRange);
      }
      af.push_back(std::move(row));
    }
  }
  plume.insert(plume.end(), std::make_move_iterator(af.begin()), std::make_move_iterator(af.end()));
  return plume;
}

void ProjectDeleter::operator()(Project* project) const {
  virelo_FreeProject(project);
}

std::string FormatNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool RefreshDispersivities(Project* project, const std::string& source, const std::string& consequence,
                           std::ostream& err) {
  const Aquifer before = project->aquifer;
  if (!virelo_RefreshApproximatedDispersivities(project)) return false;
  const Aquifer& a = project->aquifer;
  auto value = [&](const char* name, uint16_t bit, double now, double stored) {
    return std::string(name) + " = " + FormatNumber(now) +
           " m (stored: " + ((before.setMask & bit) ? FormatNumber(stored) + " m" : std::string("not set")) +
           ")";
  };
  err << "virelo-cli: note: " << source
      << ": \"Approximate by x\" is set, so the dispersivities follow x = " << FormatNumber(a.distanceX)
      << " m: " << value("ax", kAquiferAx, a.dispersivityAx, before.dispersivityAx) << ", "
      << value("ay", kAquiferAy, a.dispersivityAy, before.dispersivityAy) << ", "
      << value("az", kAquiferAz, a.dispersivityAz, before.dispersivityAz) << consequence << "\n";
  return true;
}

ProjectHandle LoadAssessedProject(const std::string& path, std::ostream& err, bool refreshDispersivities) {
  ProjectHandle project(virelo_LoadProject(path.c_str(), "rb"));
  if (!project) {
    ReadFailure(path, ReadFailureReason(path, VireloFileKind::Project), err);
    return nullptr;
  }
  // A project whose settings were lost still opens; the user is told, since
  // the results then use the defaults instead.
  const ProjectExtras& extras = virelo_ExtrasOf(*project);
  if (extras.settingsUnreadable) {
    TakeEngineReports();
    err << "virelo-cli: " << path << ": " << SettingsUnreadableMessage(extras.settingsProblem) << "\n";
  }
  // The results, the inputs shown and the report must rest on the same
  // dispersivities as the Aquifer page would show for this file.
  if (refreshDispersivities) RefreshDispersivities(project.get(), path, " (the file is unchanged)", err);
  virelo_FreeResults(project.get());
  if (!virelo_math_CalcAll(project.get())) {
    err << "virelo-cli: cannot assess " << path << ": the calculation could not be completed\n"
        << TakeEngineReports();
    return nullptr;
  }
  return project;
}
