// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli timing: when the plume reaches the receptor and when the
// source meets its target, one row per contaminant.
#include <iostream>

#include "engine/case/projectcase.h"
#include "engine/project/fulltexts.h"
#include "engine/time/timeinputs.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/time_common.h"

namespace {

const char* const kColumns[] = {"name",        "retardation",        "frontTime", "t50Screening",
                                "t50Exact",    "t95Screening",       "t95Exact",  "exceedScreening",
                                "exceedExact", "belowAgainExact",    "peakExact", "peakTimeExact",
                                "sourceDecay", "sourceTimeToTarget", "chain",     "peakExactConcentration",
                                "note"};

// The species a daughter is followed through, parent first.
std::string ChainField(const Project& project, const TimingInput& input) {
  if (!input.chain) return {};
  std::string names;
  for (int i = 0; i <= input.species; ++i)
    names += (i ? " > " : "") + ContaminantNameUtf8(project, input.chain->names[i].c_str());
  return names;
}

// Why a model gives no value, and how the row was computed where that is
// not the contaminant alone: an empty time then never reads as "never".
std::string NoteField(const TimeInputs& in) {
  std::string note;
  if (const char* reason = CurveScreeningReason(in.timing))
    note = std::string("no screening values: ") + reason;
  if (!in.chainBasis.empty()) note += (note.empty() ? "" : " ") + in.chainBasis;
  return note;
}

std::vector<std::string> Fields(const Project& project, const TimeInputs& in, const TimingRow& row) {
  const TransientTimes& t = row.times;
  // A chain species' peak is a concentration already; alone it is C/C0.
  const double peak = row.chain ? t.peakExact : in.timing.c0 * t.peakExact;
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
          row.chain ? std::string() : ValueField(t.peakExact),
          TimeField(t.peakTimeExact),
          FormatDouble(row.sourceDecay),
          TimeField(t.sourceTimeToTarget),
          ChainField(project, in.timing),
          ValueField(peak),
          NoteField(in)};
}

}  // namespace

std::string TimingUsage() {
  return "  timing FILE.vrp [--csv]\n"
         "      When the plume reaches the receptor (plug-flow front, 50 % and 95 %\n"
         "      of the steady value, first above CA, back below CA, peak) under the\n"
         "      transient screening form and the exact solution, and when a decaying\n"
         "      source meets its remedial target, in days; one row per contaminant\n"
         "      assessed by the attenuation factor. A daughter of a decay chain is\n"
         "      followed through its chain (column chain; its peak is a concentration\n"
         "      in the project's unit, peakExact C/C0 only for a contaminant alone).\n"
         "      A time that does not occur is empty; note says where a model gives\n"
         "      no value.\n";
}

int RunTiming(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--csv", false}}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("timing takes one file name", err);
  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;

  std::vector<TimeInputs> used;
  std::vector<TimingInput> inputs;
  for (TimeInputs& in : ProjectCase(*project).TimeRows()) {
    if (in.usable) {
      inputs.push_back(in.timing);
      used.push_back(std::move(in));
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
    for (size_t k = 0; k < rows.size(); ++k) out << CsvJoin(Fields(*project, used[k], rows[k])) << "\n";
  } else {
    out << "Times in days since the source appeared; \"-\" where a time does not occur.\n\n";
    for (size_t r = 0; r < rows.size(); ++r) {
      const TimingRow& row = rows[r];
      const std::vector<std::string> fields = Fields(*project, used[r], row);
      out << ContaminantNameUtf8(*project, row.name.c_str()) << "\n";
      for (size_t k = 1; k < fields.size(); ++k) {
        std::string label = header[k];
        label.resize(24, ' ');
        out << "  " << label << (fields[k].empty() ? "-" : fields[k]) << "\n";
      }
    }
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
