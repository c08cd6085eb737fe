// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli profile: the screening and the exact C/C0 of one contaminant
// along the centre line, from the source to beyond the receptor.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "diagnostics/util.h"
#include "engine/case/projectcase.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/project/transport.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/curve_options.h"

namespace {

// The problem texts of the attenuation-factor inputs of one contaminant,
// found by the same checks as the assessment; empty when there are none.
std::vector<std::string> AttenuationProblems(const Aquifer& aquifer, const Contaminant& contaminant) {
  std::vector<ProblemCode> codes;
  for (int pass = 0; pass < 2; ++pass) {
    ProblemCode* array = nullptr;
    const int count =
        pass == 0 ? virelo_CheckAquiferAF(&aquifer, &array) : virelo_CheckContaminant(&contaminant, &array);
    if (array) codes.insert(codes.end(), array, array + count);
    std::free(array);
    if (count > 0 && !array) codes.push_back(0);  // counted, but no room to list them
  }
  std::vector<std::string> texts;
  for (ProblemCode code : codes) {
    char text[256] = "";
    if (code != 0 && virelo_GetProblemText(code, text)) {
      texts.push_back("problem " + std::to_string(code) + ": " + RecordTextToUtf8(text));
    } else {
      texts.push_back(code != 0 ? "problem " + std::to_string(code) : "the inputs have problems");
    }
  }
  return texts;
}

std::string Printf(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string Pad(const std::string& text, size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

void WriteTable(const std::string& name, const Aquifer& aquifer, const Contaminant& contaminant,
                double lambda, const std::vector<double>& s, const std::vector<double>& screening,
                const std::vector<double>& exact, std::ostream& out) {
  out << "Contaminant: " << name << "\n";
  out << "Receptor at x = " << Printf("%.2f", aquifer.distanceX) << " m, lambda = " << Printf("%g", lambda)
      << " 1/d, CA/C0 = " << FormatResultValue(contaminant.ca / contaminant.c0, "%.7f", "%.4E") << "\n";
  out << "C/C0 on the centre line: screening formula and exact solution\n\n";
  out << Pad("s [m]", 14) << Pad("screening", 14) << Pad("exact", 14) << "exact/screening\n";
  for (size_t k = 0; k < s.size(); ++k) {
    const double ratio = screening[k] != 0.0 ? exact[k] / screening[k] : NAN;
    std::string line = Pad(Printf("%.2f", s[k]), 14) + Pad(Printf("%.4E", screening[k]), 14) +
                       Pad(Printf("%.4E", exact[k]), 14) +
                       (std::isfinite(ratio) ? Printf("%.3f", ratio) : "-");
    out << line << "\n";
  }
}

}  // namespace

std::string ProfileUsage() {
  return "  profile FILE.vrp --contaminant NAME [--points N] [--to S] [--csv]\n"
         "      The screening and the exact C/C0 of one contaminant along the centre\n"
         "      line, at N points (default 200) s = S k/N, k = 1..N, up to S metres\n"
         "      (default twice the receptor distance x). NAME is the contaminant's\n"
         "      exact name; --csv writes the columns s,screening,exact.\n";
}

int RunProfile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args,
                         {{"--contaminant", true}, {"--points", true}, {"--to", true}, {"--csv", false}},
                         &parsed, &error)) {
    return UsageError(error, err);
  }
  if (parsed.files.size() != 1) return UsageError("profile takes one file name", err);
  const auto name = parsed.values.find("--contaminant");
  if (name == parsed.values.end()) return UsageError("profile needs --contaminant NAME", err);
  long points = 0;
  double to = 0.0;
  bool toGiven = false;
  if (!CurvePointsOption(parsed, &points, &error) ||
      !PositiveOption(parsed, "--to", "a distance in metres", &to, &toGiven, &error))
    return UsageError(error, err);

  ProjectHandle project = LoadAssessedProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  const Contaminant* contaminant = nullptr;
  for (int k = 0; k < project->contaminantCount && !contaminant; ++k) {
    if (RecordTextToUtf8(project->contaminants[k].name) == name->second)
      contaminant = &project->contaminants[k];
  }
  if (!contaminant) {
    return UsageError("the project has no contaminant named \"" + name->second + "\"", err);
  }
  const Aquifer& aquifer = project->aquifer;
  const std::vector<std::string> problems = AttenuationProblems(aquifer, *contaminant);
  if (!problems.empty()) {
    err << "virelo-cli: the attenuation factor of \"" << name->second << "\" cannot be computed:\n";
    for (const std::string& text : problems) err << "    " << text << "\n";
    return kCliFailed;
  }
  if (!toGiven) to = 2.0 * aquifer.distanceX;
  double lambda = 0.0;
  const Contaminant steady = CaseModel(*project, static_cast<int>(contaminant - project->contaminants));
  virelo_GetLambda(&steady, &lambda);
  const size_t n = static_cast<size_t>(points);
  std::vector<double> s(n), screening(n), exact(n);
  if (!virelo_math_CentreLineProfile(&aquifer, lambda, to, static_cast<int>(points), s.data(),
                                     screening.data(), exact.data())) {
    std::fflush(stdout);
    return kCliFailed;
  }
  if (parsed.has("--csv")) {
    out << "s,screening,exact\n";
    for (size_t k = 0; k < n; ++k) {
      out << CsvJoin({FormatDouble(s[k]), FormatDouble(screening[k]), FormatDouble(exact[k])}) << "\n";
    }
  } else {
    WriteTable(name->second, aquifer, *contaminant, lambda, s, screening, exact, out);
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
