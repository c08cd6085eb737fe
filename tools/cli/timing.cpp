// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli timing: when the plume reaches the receptor and when the
// source meets its target, one row per contaminant.
#include <iostream>

#include "engine/fulltexts.h"
#include "engine/timeinputs.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/time_common.h"

namespace {

const char* const kColumns[] = {"name",        "retardation",       "frontTime", "t50Screening",
                                "t50Exact",    "t95Screening",      "t95Exact",  "exceedScreening",
                                "exceedExact", "belowAgainExact",   "peakExact", "peakTimeExact",
                                "sourceDecay", "sourceTimeToTarget"};

std::vector<std::string> Fields(const Project& project, const TimingRow& row) {
  const TransientTimes& t = row.times;
  return {ContaminantNameUtf8(project, row.name.c_str()),
          FormatDouble(row.retardation),
          FormatDouble(t.frontTime),
          TimeField(t.t50Screening),
          TimeField(t.t50Exact),
          TimeField(t.t95Screening),
          TimeField(t.t95Exact),
          TimeField(t.exceedScreening),
          TimeField(t.exceedExact),
          TimeField(t.belowAgainExact),
          ValueField(t.peakExact),
          TimeField(t.peakTimeExact),
          FormatDouble(row.sourceDecay),
          TimeField(t.sourceTimeToTarget)};
}

}  // namespace

std::string TimingUsage() {
  return "  timing FILE.vrp [--csv]\n"
         "      When the plume reaches the receptor (plug-flow front, 50 % and 95 %\n"
         "      of the steady value, first above CA, back below CA, peak) under the\n"
         "      transient screening form and the exact solution, and when a decaying\n"
         "      source meets its remedial target, in days; one row per contaminant\n"
         "      assessed by the attenuation factor. A time that does not occur is\n"
         "      empty.\n";
}

int RunTiming(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--csv", false}}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("timing takes one file name", err);
  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;

  std::vector<TimingInput> inputs;
  for (int k : TimeContaminantsOf(*project)) {
    TimeInputs in = TimeInputsOf(*project, k);
    if (in.usable) {
      inputs.push_back(std::move(in.timing));
    } else {
      err << "virelo-cli: \"" << ContaminantNameUtf8(*project, in.timing.name.c_str())
          << "\" is left out: " << in.problem << "\n";
    }
  }
  const std::vector<TimingRow> rows = ComputeTimingRows(inputs);
  const bool csv = parsed.has("--csv");
  std::vector<std::string> header(std::begin(kColumns), std::end(kColumns));
  if (csv) {
    out << CsvJoin(header) << "\n";
    for (const TimingRow& row : rows) out << CsvJoin(Fields(*project, row)) << "\n";
  } else {
    out << "Times in days since the source appeared; \"-\" where a time does not occur.\n\n";
    for (const TimingRow& row : rows) {
      const std::vector<std::string> fields = Fields(*project, row);
      out << ContaminantNameUtf8(*project, row.name.c_str()) << "\n";
      for (size_t k = 1; k < fields.size(); ++k) {
        std::string label = header[k];
        label.resize(20, ' ');
        out << "  " << label << (fields[k].empty() ? "-" : fields[k]) << "\n";
      }
    }
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
