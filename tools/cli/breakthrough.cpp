// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli breakthrough: C/C0 at the receptor over time, under the
// transient screening form and the exact solution, for one contaminant.
#include <cmath>
#include <cstdio>
#include <iostream>

#include "diagnostics/util.h"
#include "engine/case/projectcase.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "engine/time/timeinputs.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/curve_options.h"
#include "tools/cli/time_common.h"

namespace {

std::string Printf(const char* format, double value) {
  if (std::isnan(value)) return "-";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

std::string BreakthroughUsage() {
  return "  breakthrough FILE.vrp --contaminant NAME [--until DAYS] [--points N] [--csv]\n"
         "      C/C0 at the receptor over time under the transient screening form\n"
         "      and the exact solution, at N times (default 200) t = DAYS k/N,\n"
         "      k = 1..N (default: long enough to show the whole breakthrough).\n"
         "      --csv writes the columns t,screening,exact; a field is empty where\n"
         "      the model gives no value. A daughter of a decay chain is followed\n"
         "      through its chain, in the project's concentration unit (columns\n"
         "      t,screeningConcentration,exactConcentration).\n";
}

int RunBreakthrough(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args,
                         {{"--contaminant", true}, {"--until", true}, {"--points", true}, {"--csv", false}},
                         &parsed, &error)) {
    return UsageError(error, err);
  }
  if (parsed.files.size() != 1) return UsageError("breakthrough takes one file name", err);
  const auto name = parsed.values.find("--contaminant");
  if (name == parsed.values.end()) return UsageError("breakthrough needs --contaminant NAME", err);
  long points = 0;
  double until = 0.0;
  bool untilGiven = false;
  if (!CurvePointsOption(parsed, &points, &error) ||
      !PositiveOption(parsed, "--until", "a time in days", &until, &untilGiven, &error))
    return UsageError(error, err);

  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  int index = -1;
  for (int k : TimeContaminantsOf(*project)) {
    if (index < 0 && (ContaminantNameUtf8(*project, k) == name->second ||
                      RecordTextToUtf8(project->contaminants[k].name) == name->second))
      index = k;
  }
  if (index < 0) {
    return UsageError(
        "the project has no contaminant named \"" + name->second + "\" assessed by the attenuation factor",
        err);
  }
  const TimeInputs inputs = ProjectCase(*project).Time(index);
  if (!inputs.usable) {
    err << "virelo-cli: no times for \"" << name->second << "\": " << inputs.problem << "\n";
    return kCliFailed;
  }
  const TimingInput& timing = inputs.timing;
  const bool chain = timing.chain != nullptr;
  if (!untilGiven) until = DefaultBreakthroughUntil(timing);
  const std::vector<BreakthroughPoint> curve = ComputeBreakthrough(timing, until, static_cast<int>(points));
  if (curve.empty()) {
    err << "virelo-cli: no breakthrough curve for \"" << name->second << "\"\n";
    return kCliFailed;
  }
  if (parsed.has("--csv")) {
    // A chain species' curve is a concentration, and its columns say so.
    out << (chain ? "t,screeningConcentration,exactConcentration\n" : "t,screening,exact\n");
    for (const BreakthroughPoint& p : curve) {
      out << CsvJoin({FormatDouble(p.t), ValueField(p.screening), ValueField(p.exact)}) << "\n";
    }
  } else {
    const std::string unit = virelo_SettingsOf(*project).concentrationUnit;
    out << "Contaminant: " << name->second << "\n";
    out << "Receptor at x = " << Printf("%.2f", timing.inputs.x) << " m, " << inputs.retardationBasis << ", "
        << inputs.sourceBasis << "\n";
    if (!inputs.chainBasis.empty()) out << "Decay chain: " << inputs.chainBasis << "\n";
    if (const char* reason = CurveScreeningReason(timing)) out << reason << "\n";
    out << (chain ? "C [" + unit + "] at the receptor: screening form and exact solution\n\n"
                  : std::string("C/C0 at the receptor: screening form and exact solution\n\n"));
    out << "t [d]         screening     exact\n";
    for (const BreakthroughPoint& p : curve) {
      std::string line = Printf("%.2f", p.t);
      line.resize(std::max<size_t>(line.size() + 1, 14), ' ');
      std::string s = Printf("%.4E", p.screening);
      s.resize(std::max<size_t>(s.size() + 1, 14), ' ');
      out << line << s << Printf("%.4E", p.exact) << "\n";
    }
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
