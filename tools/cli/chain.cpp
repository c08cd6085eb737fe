// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli chain: every species of a project's decay chain along the
// centre line, or at the receptor with its classes, under the screening
// formula and the exact solution.
#include <cmath>
#include <iostream>
#include <vector>

#include "engine/case/projectcase.h"
#include "engine/chains/chaincalc.h"
#include "engine/project/extras.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/curve_options.h"

namespace {

std::string ClassText(const ChainReceptorRow& row, AssessmentClass c) {
  return row.endProduct ? std::string() : AssessmentClassName(c);
}

// Aligned columns for reading; --csv gives the same columns comma-separated.
void WriteRows(const std::vector<std::vector<std::string>>& rows, bool csv, std::ostream& out) {
  if (csv) {
    for (const auto& row : rows) out << CsvJoin(row) << "\n";
    return;
  }
  std::vector<size_t> width;
  for (const auto& row : rows) {
    width.resize(std::max(width.size(), row.size()));
    for (size_t k = 0; k < row.size(); ++k) width[k] = std::max(width[k], row[k].size());
  }
  for (const auto& row : rows) {
    std::string line;
    for (size_t k = 0; k < row.size(); ++k) line += row[k] + std::string(width[k] - row[k].size() + 2, ' ');
    out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
  }
}

}  // namespace

std::string ChainUsage() {
  return "  chain FILE.vrp [--chain N] [--points N] [--to S] [--receptor] [--af-range N] [--csv]\n"
         "      Every species of the project's decay chain N (default 1) along the\n"
         "      centre line, screening formula and exact solution, in the project's\n"
         "      concentration unit, at N points s = S k/N up to S metres (default\n"
         "      twice the receptor distance): columns species,s,screening,exact.\n"
         "      --receptor gives instead each species at the receptor with its class\n"
         "      and its class assessed on its own: columns\n"
         "      species,ca,screening,screeningClass,exact,exactClass,singleClass.\n"
         "      The attenuation-factor range N (default: the project's) classifies.\n";
}

int RunChain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args,
                         {{"--chain", true},
                          {"--points", true},
                          {"--to", true},
                          {"--receptor", false},
                          {"--af-range", true},
                          {"--csv", false}},
                         &parsed, &error)) {
    return UsageError(error, err);
  }
  if (parsed.files.size() != 1) return UsageError("chain takes one file name", err);
  long chainNumber = 1;
  if (parsed.values.count("--chain") &&
      (!ParseWholeNumber(parsed.values.at("--chain"), &chainNumber) || chainNumber < 1))
    return UsageError("--chain takes a chain number from 1, not \"" + parsed.values.at("--chain") + "\"",
                      err);
  long points = 0;
  double to = 0.0;
  bool toGiven = false;
  if (!CurvePointsOption(parsed, &points, &error) ||
      !PositiveOption(parsed, "--to", "a distance in metres", &to, &toGiven, &error))
    return UsageError(error, err);
  const bool receptor = parsed.has("--receptor");
  if (receptor && (parsed.values.count("--points") || toGiven))
    return UsageError("--receptor takes neither --points nor --to", err);
  int plumeIndex = 0, afIndex = 0;
  if (!TakeRangeOptions(parsed, &plumeIndex, &afIndex, &error)) return UsageError(error, err);

  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(*project).chains;
  if (chains.empty()) {
    err << "virelo-cli: " << parsed.files[0] << " has no decay chain\n";
    return kCliFailed;
  }
  if (chainNumber > static_cast<long>(chains.size())) {
    err << "virelo-cli: " << parsed.files[0] << " has " << chains.size() << " decay chain"
        << (chains.size() == 1 ? "" : "s") << ", not " << chainNumber << "\n";
    return kCliFailed;
  }
  const ProjectCase evaluated(*project);
  ResolvedChain chain;
  const std::vector<std::string> problems = evaluated.Chain(chains[chainNumber - 1], &chain);
  if (!problems.empty()) {
    err << "virelo-cli: decay chain " << chainNumber << " cannot be computed:\n";
    for (const std::string& text : problems) err << "    " << RecordTextToUtf8(text) << "\n";
    return kCliFailed;
  }
  if (!parsed.values.count("--af-range")) afIndex = virelo_SettingsOf(*project).afRange;

  const bool csv = parsed.has("--csv");
  std::vector<std::vector<std::string>> rows;
  if (receptor) {
    rows.push_back({"species", "ca", "screening", "screeningClass", "exact", "exactClass", "singleClass"});
    for (const ChainReceptorRow& row : evaluated.ChainRows(chain, AssessmentRangeOf(afIndex))) {
      rows.push_back({RecordTextToUtf8(row.name), row.endProduct ? "" : FormatDouble(row.ca),
                      FormatDouble(row.screening), ClassText(row, row.screeningClass),
                      FormatDouble(row.exact), ClassText(row, row.exactClass),
                      ClassText(row, row.singleClass)});
    }
  } else {
    if (!toGiven) to = 2.0 * project->aquifer.distanceX;
    const size_t n = static_cast<size_t>(points), species = static_cast<size_t>(chain.size());
    std::vector<double> s(n), screening(n * species), exact(n * species);
    if (!ChainProfile(project->aquifer, chain, to, static_cast<int>(points), s.data(), screening.data(),
                      exact.data()))
      return kCliFailed;
    rows.push_back({"species", "s", "screening", "exact"});
    for (size_t i = 0; i < species; ++i) {
      for (size_t k = 0; k < n; ++k) {
        rows.push_back({RecordTextToUtf8(chain.names[i]), FormatDouble(s[k]),
                        FormatDouble(screening[k * species + i]), FormatDouble(exact[k * species + i])});
      }
    }
  }
  WriteRows(rows, csv, out);
  out.flush();
  return out ? kCliOk : kCliFailed;
}
