// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli uncertainty: the probability of each class of every result,
// drawn from the project's input distributions, as a table or as CSV.
#include <algorithm>
#include <charconv>
#include <iostream>

#include "engine/case/projectcase.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "engine/uncertainty/montecarlo.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

namespace {

// "PL", "AF", "AF exact", "AF worse": the assessment column.
std::string AssessmentKey(const UncertaintyRow& row) {
  if (row.plumeLength) return "PL";
  switch (row.model) {
    case UncertaintyModel::Exact: return "AF exact";
    case UncertaintyModel::Worse: return "AF worse";
    default: return "AF";
  }
}

bool ReadWhole(const std::string& text, uint64_t max, uint64_t* out) {
  const char* end = text.data() + text.size();
  const auto read = std::from_chars(text.data(), end, *out);
  return read.ec == std::errc() && read.ptr == end && *out <= max;
}

std::string Share(double p) {
  return FormatResultValue(p, "%.4f", "%.4f");
}

std::string Value(double v) {
  return FormatResultValue(v, "%.4g", "%.4g");
}

std::string Pad(const std::string& text, size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

void WriteCsv(const Project& project, const UncertaintyRun& run, std::ostream& out) {
  out << "name,assessment,pGreen,pYellow,pRed,pExceed,p05,p50,p95,se\n";
  for (const UncertaintyRow& row : run.rows) {
    const std::string name = RecordTextToUtf8(project.contaminants[row.contaminantIndex].name);
    if (row.HasProblems()) {
      out << CsvJoin({name, AssessmentKey(row), "", "", "", "", "", "", "", ""}) << "\n";
      continue;
    }
    out << CsvJoin({name, AssessmentKey(row), FormatDouble(row.pGreen), FormatDouble(row.pYellow),
                    FormatDouble(row.pRed), FormatDouble(row.pExceed), FormatDouble(row.ratio[0]),
                    FormatDouble(row.ratio[1]), FormatDouble(row.ratio[2]),
                    FormatDouble(row.LargestStandardError())})
        << "\n";
  }
}

void WriteTable(const Project& project, const UncertaintyPlan& plan, const UncertaintyRun& run,
                int plumeIndex, int afIndex, std::ostream& out) {
  out << "Project: " << ProjectTextUtf8(project, ProjectTextField::kTitle) << "\n";
  out << run.samples << " samples (Monte Carlo), seed " << plan.seed << "; plume length range " << plumeIndex
      << " (" << kAssessmentRanges[plumeIndex].text << "), attenuation factor range " << afIndex << " ("
      << kAssessmentRanges[afIndex].text << ")\n";
  if (plan.inputs.empty()) out << "No input has a distribution: every sample is the project itself.\n";
  for (const InputDistribution& d : plan.inputs) {
    out << "  " << RecordTextToUtf8(UncertainInputLabel(d)) << ": " << DistributionKindName(d.kind);
    for (size_t k = 0; k < d.params.size(); ++k) out << (k ? ", " : " ") << Value(d.params[k]);
    out << "\n";
  }
  if (run.rows.empty()) {
    out << "\nNo contaminant is marked for assessment.\n";
    return;
  }
  out << "\nP(class) and P(C > CA) with their largest standard error; percentiles of the ratio.\n";
  out << Pad("Name", 24) << Pad("Assessment", 11) << Pad("Green", 8) << Pad("Yellow", 8) << Pad("Red", 8)
      << Pad("C>CA", 8) << Pad("+-se", 8) << Pad("p05", 11) << Pad("p50", 11) << "p95\n";
  for (const UncertaintyRow& row : run.rows) {
    std::string line = Pad(RecordTextToUtf8(project.contaminants[row.contaminantIndex].name), 24) +
                       Pad(AssessmentKey(row), 11);
    if (row.HasProblems()) {
      out << line << "problems: the project's own inputs are incomplete\n";
      continue;
    }
    out << line << Pad(Share(row.pGreen), 8) << Pad(Share(row.pYellow), 8) << Pad(Share(row.pRed), 8)
        << Pad(Share(row.pExceed), 8) << Pad(Share(row.LargestStandardError()), 8)
        << Pad(Value(row.ratio[0]), 11) << Pad(Value(row.ratio[1]), 11) << Value(row.ratio[2]) << "\n";
  }
}

}  // namespace

std::string UncertaintyUsage() {
  return "  uncertainty FILE.vrp [--samples N] [--seed S] [--plume-range N] [--af-range N] [--csv]\n"
         "      The probability of each class of every result, and of the receptor\n"
         "      concentration exceeding CA, drawn from the project's input\n"
         "      distributions; --samples and --seed replace the project's own.\n" +
         RangeOptionsUsage() +
         "      --csv writes name,assessment,pGreen,pYellow,pRed,pExceed,p05,p50,p95,se.\n";
}

int RunUncertaintyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  const std::vector<CliOption> options = {
      {"--samples", true}, {"--seed", true}, {"--plume-range", true}, {"--af-range", true}, {"--csv", false}};
  int plumeRange = 0, afRange = 0;
  if (!ParseCliArguments(args, options, &parsed, &error) ||
      !TakeRangeOptions(parsed, &plumeRange, &afRange, &error))
    return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("uncertainty needs one project file", err);
  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  UncertaintyPlan plan = virelo_ExtrasOf(*project).uncertainty;
  uint64_t number = 0;
  if (parsed.values.count("--samples")) {
    if (!ReadWhole(parsed.values.at("--samples"), kMaxUncertaintySamples, &number) || number < 1)
      return UsageError("--samples needs a whole number from 1 to " + std::to_string(kMaxUncertaintySamples),
                        err);
    plan.samples = static_cast<int>(number);
  }
  if (parsed.values.count("--seed")) {
    if (!ReadWhole(parsed.values.at("--seed"), UINT64_MAX, &number))
      return UsageError("--seed needs a whole number from 0 to 18446744073709551615", err);
    plan.seed = number;
  }
  UseSavedRanges(parsed, *project, &plumeRange, &afRange);
  UncertaintyOptions run = UncertaintyOptionsOf(*project);
  run.plumeLengthRange = AssessmentRangeOf(plumeRange);
  run.attenuationRange = AssessmentRangeOf(afRange);
  UncertaintyRun result = ProjectCase(*project).Uncertainty(plan, run);
  if (!result.problems.empty()) {
    err << "virelo-cli: the input distributions of " << parsed.files[0] << " have problems:\n";
    for (const std::string& problem : result.problems) err << "  " << RecordTextToUtf8(problem) << "\n";
    return kCliFailed;
  }
  // In the order of assess: every plume length first, then the attenuation
  // factors, each followed by its row under the verdict basis.
  std::stable_partition(result.rows.begin(), result.rows.end(),
                        [](const UncertaintyRow& row) { return row.plumeLength; });
  if (parsed.has("--csv")) {
    WriteCsv(*project, result, out);
  } else {
    WriteTable(*project, plan, result, plumeRange, afRange, out);
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
