// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli breakeven: for every result and input, the value at which the
// class would change, as a table or as CSV.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "engine/case/projectcase.h"
#include "engine/core/breakeven.h"
#include "engine/project/fulltexts.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

namespace {

const char* AssessmentName(bool plumeLength) {
  return plumeLength ? "plume length" : "attenuation factor";
}

// The widest "Worse at" cell, "-1.23457e+06 (×0.00000012)", has 26
// characters; two blanks more keep it apart from the "Better at" column.
constexpr size_t kWorseAtWidth = 28;

std::string Pad(const std::string& text, size_t width) {
  // Columns count characters, not the bytes of a UTF-8 text.
  const size_t used = static_cast<size_t>(std::count_if(
      text.begin(), text.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
  return used >= width ? text + " " : text + std::string(width - used, ' ');
}

std::string Value(double v) {
  return FormatResultValue(v, "%.6g", "%.6g");
}

// "61.4 (×0.61)", or "-" where the bound cannot be reached.
std::string AtWithFactor(const std::optional<double>& at, const std::optional<double>& factor) {
  if (!at) return "-";
  std::string text = Value(*at);
  if (factor) text += " (\u00d7" + FormatFactor(*factor) + ")";
  return text;
}

void WriteTable(const Project& project, const std::vector<AssessRow>& rows, int plumeIndex, int afIndex,
                std::ostream& out) {
  out << "Project: " << ProjectTextUtf8(project, ProjectTextField::kTitle) << "\n";
  out << "Plume length range " << plumeIndex << " (" << kAssessmentRanges[plumeIndex].text
      << "), attenuation factor range " << afIndex << " (" << kAssessmentRanges[afIndex].text << ")\n";
  out << "Each value is where the class changes while every other input stays as it is, with its\n"
         "factor to the current value; - : no value the input checks accept reaches the bound.\n";
  if (rows.empty()) {
    out << "\nNo contaminant is marked for assessment.\n";
    return;
  }
  for (const AssessRow& row : rows) {
    out << "\n"
        << row.name << ", " << AssessmentName(row.plumeLength) << ": " << AssessmentClassName(row.cls);
    const AssessmentRange range = AssessmentRangeOf(row.plumeLength ? plumeIndex : afIndex);
    const BreakEvenTable table = ProjectCase(project).BreakEven(*row.result, row.plumeLength, range);
    if (table.cls == AssessmentClass::Problems) {
      out << " (no break-even values)\n";
      continue;
    }
    if (IsFragile(table)) out << ", fragile: an input within a factor 2 of a class change";
    out << "\n";
    out << "  " << Pad("Input", 8) << Pad("Value", 14) << Pad("Worse at", kWorseAtWidth) << "Better at\n";
    for (const BreakEven& entry : table.inputs) {
      std::string line = "  " + Pad(BreakEvenInputName(entry.input), 8) + Pad(Value(entry.value), 14) +
                         Pad(AtWithFactor(entry.worseAt, WorseFactor(entry)), kWorseAtWidth) +
                         AtWithFactor(entry.betterAt, BetterFactor(entry));
      out << line << "\n";
    }
  }
}

void WriteCsv(const Project& project, const std::vector<AssessRow>& rows, int plumeIndex, int afIndex,
              std::ostream& out) {
  out << "name,assessment,class,input,value,worseAt,betterAt\n";
  for (const AssessRow& row : rows) {
    const AssessmentRange range = AssessmentRangeOf(row.plumeLength ? plumeIndex : afIndex);
    const BreakEvenTable table = ProjectCase(project).BreakEven(*row.result, row.plumeLength, range);
    for (const BreakEven& entry : table.inputs) {
      out << CsvJoin({row.name, row.plumeLength ? "PL" : "AF", AssessmentClassName(table.cls),
                      BreakEvenInputName(entry.input), FormatDouble(entry.value),
                      entry.worseAt ? FormatDouble(*entry.worseAt) : "",
                      entry.betterAt ? FormatDouble(*entry.betterAt) : ""})
          << "\n";
    }
  }
}

}  // namespace

std::string BreakevenUsage() {
  return "  breakeven FILE.vrp [--plume-range N] [--af-range N] [--csv]\n"
         "      For every result and each of its inputs, the value at which the class\n"
         "      would change (worse and better) while every other input stays as it is.\n" +
         RangeOptionsUsage() + "      --csv writes one CSV row per result and input instead of a table.\n";
}

int RunBreakeven(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  int plumeRange = 0, afRange = 0;
  if (!ParseRangedProjectArguments(args, "breakeven", &parsed, &plumeRange, &afRange, &error)) {
    return UsageError(error, err);
  }
  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  UseSavedRanges(parsed, *project, &plumeRange, &afRange);
  const std::vector<AssessRow> rows =
      CollectRows(*project, AssessmentRangeOf(plumeRange), AssessmentRangeOf(afRange));
  if (parsed.has("--csv")) {
    WriteCsv(*project, rows, plumeRange, afRange, out);
  } else {
    WriteTable(*project, rows, plumeRange, afRange, out);
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
