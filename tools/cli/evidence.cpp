// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli evidence: the lines of evidence of each contaminant assessed by
// its attenuation factor, with their lights, readings and where each is
// shown.
#include <iostream>

#include "engine/case/linesofevidence.h"
#include "engine/core/exact.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

std::string EvidenceUsage() {
  return "  evidence FILE [--plume-range N] [--af-range N] [--csv]\n"
         "      The lines of evidence of every contaminant assessed by the attenuation\n"
         "      factor: plume behaviour (the wells' trends), geochemistry (the redox\n"
         "      condition the wells suggest, the solvent score of a chlorinated\n"
         "      aliphatic, lambda from the wells), the model (the verdict and its\n"
         "      reasons) and the time frame (when the receptor exceeds CA, when the\n"
         "      source meets its target). Each line has a light (Green, Yellow, Red,\n"
         "      or none where its data are missing), a one-sentence reading and the\n"
         "      place that shows its evidence. The lines change no verdict.\n" +
         RangeOptionsUsage() +
         "      The model's line reads the verdict under these ranges, as assess and\n"
         "      report do.\n"
         "      --csv: the header line,contaminant,light,reading,section.\n";
}

int RunEvidence(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  int plumeRange = 0, afRange = 0;
  if (!ParseRangedProjectArguments(args, "evidence", &parsed, &plumeRange, &afRange, &error))
    return UsageError(error, err);
  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  UseSavedRanges(parsed, *project, &plumeRange, &afRange);
  // The verdicts rest on the exact solution under the other bases.
  virelo_math_CalcExactAll(project.get(), 0);
  // The ranges assess and report are given: the model's line is the verdict
  // they show.
  VerdictOptions options = VerdictOptionsOf(*project);
  options.plumeRange = AssessmentRangeOf(plumeRange);
  options.afRange = AssessmentRangeOf(afRange);
  ProjectCase evaluated(*project, options);
  const std::vector<EvidenceRow> rows = LinesOfEvidence(*project, evaluated);
  if (parsed.has("--csv")) {
    out << "line,contaminant,light,reading,section\n";
    for (const EvidenceRow& row : rows)
      out << CsvJoin({EvidenceLineName(row.line), row.contaminant, EvidenceLightName(row), row.reading,
                      row.section})
          << "\n";
  } else if (rows.empty()) {
    out << "No contaminant is assessed by the attenuation factor.\n";
  } else {
    std::string current;
    for (const EvidenceRow& row : rows) {
      if (row.contaminant != current) out << (current.empty() ? "" : "\n") << row.contaminant << "\n";
      current = row.contaminant;
      std::string label = EvidenceLineName(row.line);
      label.resize(17, ' ');
      std::string light = EvidenceLightName(row);
      light.resize(7, ' ');
      out << "  " << label << light << row.reading << " [" << row.section << "]\n";
    }
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
