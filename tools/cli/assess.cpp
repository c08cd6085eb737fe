// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli assess: the results of a project, as a table or as CSV.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "diagnostics/util.h"
#include "engine/case/projectcase.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/plausibility.h"
#include "engine/core/validation.h"
#include "engine/core/verdict.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/omittedevidence.h"
#include "engine/evidence/verdicttarget.h"
#include "engine/project/assessment.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

namespace {

// Display width of a UTF-8 text: one column per character.
size_t Columns(const std::string& utf8) {
  return static_cast<size_t>(std::count_if(
      utf8.begin(), utf8.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

std::string Pad(const std::string& text, size_t width) {
  const size_t used = Columns(text);
  return used >= width ? text : text + std::string(width - used, ' ');
}

std::string Printf(const char* format, double a, double b = 0.0) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, a, b);
  return buffer;
}

// Why a verdict is worse than the screening class: each input that made it
// so, with the class it gave ("exact Yellow, chain Red").
std::string WhyText(const RowVerdict& verdict) {
  std::string text;
  auto add = [&text](const char* word, AssessmentClass cls) {
    if (!text.empty()) text += ", ";
    text += std::string(word) + " " + AssessmentClassName(cls);
  };
  if (verdict.reasons & kReasonExact) add("exact", verdict.models.basisClass);
  if (verdict.reasons & kReasonChain) add("chain", verdict.models.chainClass);
  if (verdict.reasons & kReasonWells) add("wells", verdict.wells.cls);
  // Evidence left out is said beside the verdict it might have changed.
  if (verdict.wells.omitted) text += (text.empty() ? "" : ", ") + WellsOmissionWords(verdict.wells.omitted);
  return text;
}

// The reasons' words, and after a semicolon the wells left out: "wells;
// wells not compared (unit)" never arises, "exact; wells not compared
// (fit warnings)" may.
std::string ReasonsField(const RowVerdict& verdict) {
  std::string field = VerdictReasonWords(verdict.reasons);
  if (verdict.wells.omitted) field += (field.empty() ? "" : "; ") + WellsOmissionWords(verdict.wells.omitted);
  return field;
}

// The evidence the verdicts leave out, as warnings: they change no verdict
// and no exit status, but whoever reads the verdicts must know.
void WarnOmittedEvidence(ProjectCase& evaluated, const std::string& path, std::ostream& err) {
  for (const OmittedEvidence& omitted : evaluated.Omitted()) {
    char text[256] = "";
    virelo_GetProblemText(omitted.code, text);
    err << "virelo-cli: warning: " << path << ": problem " << omitted.code << ": " << RecordTextToUtf8(text)
        << " " << RecordTextToUtf8(OmittedContaminantsText(omitted).c_str()) << "\n";
  }
}

void WriteTableSection(const std::vector<AssessRow>& rows, const std::vector<RowVerdict>& verdicts,
                       bool plumeLength, size_t nameWidth, std::ostream& out) {
  const char* valueHeader = plumeLength ? "d [m]" : "AF";
  const char* ratioHeader = plumeLength ? "d/x" : "C0/C";
  const size_t classWidth = 10, valueWidth = 18;
  out << Pad("Contaminant", nameWidth) << "  " << Pad("Class", classWidth) << Pad(valueHeader, valueWidth)
      << Pad(ratioHeader, valueWidth) << Pad("Verdict", classWidth) << "Why\n";
  for (size_t k = 0; k < rows.size(); ++k) {
    const AssessRow& row = rows[k];
    if (row.plumeLength != plumeLength) continue;
    const ContaminantResult& r = *row.result;
    std::string line = Pad(row.name, nameWidth) + "  " + Pad(AssessmentClassName(row.cls), classWidth);
    if (row.cls != AssessmentClass::Problems) {
      if (plumeLength) {
        line += Pad(FormatResultValue(r.plumeLength, "%.2f", "%.2E"), valueWidth) +
                Pad(FormatResultValue(r.plumeLengthRatio, "%.7f", "%.4E"), valueWidth);
      } else {
        line += Pad(FormatResultValue(r.attenuationFactor, "%.7f", "%.4E"), valueWidth) +
                Pad(FormatResultValue(r.sourceRatio, "%.7f", "%.4E"), valueWidth);
      }
      line += Pad(AssessmentClassName(verdicts[k].verdict), classWidth) + WhyText(verdicts[k]);
    } else if (verdicts[k].verdict != AssessmentClass::Problems) {
      // Judged by its chains alone: no values of its own, the chain's verdict.
      line += Pad("", 2 * valueWidth) + Pad(AssessmentClassName(verdicts[k].verdict), classWidth) +
              WhyText(verdicts[k]);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
    const bool chainAlone = !verdicts[k].models.singleSpecies;
    for (ProblemCode code : row.problems) {
      char text[256] = "";
      out << "    problem " << code;
      if (chainAlone) out << " (single-species model only; the verdict is its chain's)";
      if (virelo_GetProblemText(code, text)) out << ": " << RecordTextToUtf8(text);
      out << "\n";
    }
  }
}

void WriteTable(const Project& project, const std::vector<AssessRow>& rows,
                const std::vector<RowVerdict>& verdicts, int plumeIndex, int afIndex, std::ostream& out) {
  const AssessmentRange pl = AssessmentRangeOf(plumeIndex);
  const AssessmentRange af = AssessmentRangeOf(afIndex);
  out << "Project: " << ProjectTextUtf8(project, ProjectTextField::kTitle) << "\n";
  out << "Plume length range " << plumeIndex << " (" << kAssessmentRanges[plumeIndex].text
      << "): " << Printf("Green d <= %.1f x, ", pl.lower)
      << Printf("Yellow %.1f x < d <= %.1f x, ", pl.lower, pl.upper) << Printf("Red d > %.1f x", pl.upper)
      << "\n";
  out << "Attenuation factor range " << afIndex << " (" << kAssessmentRanges[afIndex].text
      << "): " << Printf("Green C0 <= %.1f C, ", af.lower)
      << Printf("Yellow %.1f C < C0 <= %.1f C, ", af.lower, af.upper) << Printf("Red C0 > %.1f C", af.upper)
      << "\n";
  out << "(d plume extension, x distance source-receptor, AF attenuation factor,\n"
         " C acceptable concentration at source = CA x AF, C0 concentration at source;\n"
         " Verdict the worst of the class under the verdict basis ("
      << VerdictBasisKey(virelo_SettingsOf(project).verdictBasis)
      << "), the decay\n"
         " chain and the site's wells, Why what made it worse than the class)\n";

  if (rows.empty()) {
    out << "\nNo contaminant is marked for assessment.\n";
    return;
  }
  size_t nameWidth = Columns("Contaminant");
  bool anyPlume = false, anyAf = false;
  for (const AssessRow& row : rows) {
    nameWidth = std::max(nameWidth, Columns(row.name));
    (row.plumeLength ? anyPlume : anyAf) = true;
  }
  if (anyPlume) {
    out << "\nPlume length\n";
    WriteTableSection(rows, verdicts, true, nameWidth, out);
  }
  if (anyAf) {
    out << "\nAttenuation factor\n";
    WriteTableSection(rows, verdicts, false, nameWidth, out);
  }
}

// A row carries the values of its own assessment only; the other
// assessment's columns, and every value column of a row with problems, stay
// empty, so that an empty cell never passes for a computed 0. The exact
// solution's columns come last, so that scripts reading the earlier columns
// by position keep working; the verdict under the project's basis comes after
// them, beside `class`, which stays the screening class. The evidence of the
// verdict (chain, wells, the reasons) follows the verdict, for the same
// reason.
void WriteCsv(const Project& project, const std::vector<AssessRow>& rows,
              const std::vector<RowVerdict>& verdicts, ProjectCase& evaluated, AssessmentRange afRange,
              std::ostream& out) {
  const VerdictBasis basis = virelo_SettingsOf(project).verdictBasis;
  out << CsvJoin(AssessCsvColumns()) << "\n";
  for (size_t k = 0; k < rows.size(); ++k) {
    const AssessRow& row = rows[k];
    const ContaminantResult& r = *row.result;
    std::vector<std::string> fields = {row.name, row.plumeLength ? "PL" : "AF", AssessmentClassName(row.cls)};
    fields.resize(AssessCsvColumns().size());
    const RowVerdict& verdict = verdicts[k];
    const Contaminant& c = project.contaminants[r.contaminantIndex];
    if (row.cls != AssessmentClass::Problems) {
      if (row.plumeLength) {
        fields[3] = FormatDouble(r.plumeLength);
        fields[4] = FormatDouble(r.plumeLengthRatio);
        // Plug flow has one model: a verdict without a basis.
        fields[17] = AssessmentClassName(verdict.verdict);
      } else {
        fields[5] = FormatDouble(r.relativeConcentration);
        fields[6] = FormatDouble(r.attenuationFactor);
        fields[7] = FormatDouble(r.receptorConcentration);
        fields[8] = FormatDouble(r.acceptableSourceConcentration);
        fields[9] = FormatDouble(r.sourceRatio);
        if (r.exactComputed) {
          fields[11] = FormatDouble(r.exactRelativeConcentration);
          fields[12] = FormatDouble(r.exactSourceRatio);
          fields[13] = AssessmentClassName(ClassifyExactAttenuationFactor(r, afRange));
          fields[14] = FormatDouble(ReceptorConcentrationsOf(c, r).exact);
          fields[16] = VerdictBasisKey(basis);
          fields[17] = AssessmentClassName(verdict.verdict);
        }
      }
    } else if (verdict.verdict != AssessmentClass::Problems) {
      // Judged by its chains alone: the single-species columns stay empty.
      if (!row.plumeLength) fields[16] = VerdictBasisKey(basis);
      fields[17] = AssessmentClassName(verdict.verdict);
    }
    if (row.cls != AssessmentClass::Problems || verdict.verdict != AssessmentClass::Problems) {
      const VerdictTarget target = row.plumeLength ? VerdictTarget{} : evaluated.Target(r);
      if (target.origin != TargetOrigin::None) {
        fields[15] = FormatDouble(target.value);
        fields[23] = TargetOriginWords(target.origin);
      }
      if (verdict.models.inChain) {
        fields[18] = AssessmentClassName(verdict.models.chainClass);
        fields[19] = FormatDouble(verdict.models.chainValue);
      }
      if (verdict.wells.hasClass) {
        fields[20] = AssessmentClassName(verdict.wells.cls);
        fields[21] = FormatDouble(verdict.wells.concentration);
      }
      fields[22] = ReasonsField(verdict);
    }
    std::string codes;
    for (ProblemCode code : row.problems) {
      if (!codes.empty()) codes.push_back(' ');
      codes += std::to_string(code);
    }
    fields[10] = codes;
    out << CsvJoin(fields) << "\n";
  }
}

// The verdict of every row, in row order (Problems for a row with problems
// but that of a chain species judged by its chains), as the case gives it.
std::vector<RowVerdict> VerdictsOf(ProjectCase& evaluated, const std::vector<AssessRow>& rows) {
  std::vector<RowVerdict> verdicts(rows.size());
  for (size_t k = 0; k < rows.size(); ++k)
    verdicts[k] = evaluated.Verdict(*rows[k].result, rows[k].plumeLength);
  return verdicts;
}

}  // namespace

std::string AssessUsage() {
  return "  assess FILE.vrp [--plume-range N] [--af-range N] [--csv]\n"
         "      Computes the plume length and attenuation factor of every contaminant\n"
         "      marked for assessment in the project and classifies each result.\n" +
         RangeOptionsUsage() +
         "      The verdict of a row is the worst of its class under the project's\n"
         "      verdict basis, its decay chain and the site's wells; both forms name\n"
         "      what made it worse.\n"
         "      --csv writes one CSV row per assessment instead of a table.\n";
}

int RunAssess(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  int plumeRange = 0, afRange = 0;
  if (!ParseRangedProjectArguments(args, "assess", &parsed, &plumeRange, &afRange, &error)) {
    return UsageError(error, err);
  }
  const std::string& path = parsed.files[0];
  ProjectHandle project = LoadAssessedProject(path, err);
  if (!project) return kCliFailed;
  UseSavedRanges(parsed, *project, &plumeRange, &afRange);
  // Words that may stop a slip (a Kf typed in m/s); they change no verdict
  // and stay out of the table and the CSV.
  for (const PlausibilityWarning& warning : virelo_CheckPlausibility(project->aquifer))
    err << "virelo-cli: warning: " << path << ": " << warning.text << "\n";
  const AssessmentRange pl = AssessmentRangeOf(plumeRange), af = AssessmentRangeOf(afRange);
  const std::vector<AssessRow> rows = CollectRows(*project, pl, af);
  // The CSV gives the exact solution's values whatever the basis; the table
  // needs them only where the verdict rests on them.
  const bool csv = parsed.has("--csv");
  if (csv || virelo_SettingsOf(*project).verdictBasis != VerdictBasis::Screening)
    virelo_math_CalcExactAll(project.get(), 0);
  VerdictOptions options = VerdictOptionsOf(*project);
  options.plumeRange = pl;
  options.afRange = af;
  ProjectCase evaluated(*project, options);
  WarnOmittedEvidence(evaluated, path, err);
  const std::vector<RowVerdict> verdicts = VerdictsOf(evaluated, rows);
  if (csv) {
    WriteCsv(*project, rows, verdicts, evaluated, af, out);
  } else {
    WriteTable(*project, rows, verdicts, plumeRange, afRange, out);
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}

const std::vector<std::string>& AssessCsvColumns() {
  static const std::vector<std::string> columns = {"name",
                                                   "assessment",
                                                   "class",
                                                   "plumeLength",
                                                   "plumeLengthRatio",
                                                   "relativeConcentration",
                                                   "attenuationFactor",
                                                   "receptorConcentration",
                                                   "acceptableSourceConcentration",
                                                   "sourceRatio",
                                                   "problems",
                                                   "exactRelativeConcentration",
                                                   "exactSourceRatio",
                                                   "exactClass",
                                                   "receptorConcentrationExact",
                                                   "targetConcentration",
                                                   "verdictBasis",
                                                   "verdict",
                                                   "chainClass",
                                                   "chainValue",
                                                   "wellsClass",
                                                   "wellsConcentration",
                                                   "reasons",
                                                   "targetOrigin"};
  return columns;
}
