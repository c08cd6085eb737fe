// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli use-decay: a contaminant's decay constant from the site's wells
// made its user-defined one, as the Site data window's "Use as decay
// constant" does, so that a script need not edit the project by hand.
#include <ostream>

#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "engine/site/sitelambda.h"
#include "persistence/csv.h"
#include "persistence/projectfile.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

std::string UseDecayUsage() {
  return "  use-decay FILE.vrp --contaminant NAME [--date YYYY-MM-DD] [--level 80|90|95]\n"
         "      Makes the lambda of NAME from the site's wells (as decay gives it) the\n"
         "      contaminant's user-defined decay constant, with its source and its\n"
         "      interval, and saves the project in place. Under decay of dissolved and\n"
         "      sorbed phase the wells' rate is lambda * R, and lambda_fit / R is taken.\n"
         "      A fit with warnings is refused, naming them, and nothing is written.\n";
}

int RunUseDecay(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  int level = 90;
  if (!ParseCliArguments(args, {{"--contaminant", true}, {"--date", true}, {"--level", true}}, &parsed,
                         &error) ||
      !TakeLevelOption(parsed, &level, &error))
    return UsageError(error, err);
  std::string name;
  if (!TakeFitTarget(parsed, "use-decay", &name, &error)) return UsageError(error, err);

  const std::string& path = parsed.files[0];
  ProjectHandle project = LoadSiteProject(path, err);
  if (!project) return kCliFailed;
  if (virelo_ExtrasOf(*project).settingsUnreadable) {
    err << "virelo-cli: " << path << ": its settings block cannot be read ("
        << virelo_ExtrasOf(*project).settingsProblem << "); saving would lose it\n";
    return kCliFailed;
  }
  SiteFitOptions options = SiteFitOptionsFor(*project, name, level);
  if (parsed.values.count("--date")) options.date = parsed.values.at("--date");
  const DistanceFit fit = FitDistance(virelo_ExtrasOf(*project).site, name, options);
  if (!fit.hasLambda || !fit.warnings.empty()) {
    for (const std::string& w : fit.warnings) err << "virelo-cli: " << RecordTextToUtf8(w) << "\n";
    err << "virelo-cli: the fit of " << RecordTextToUtf8(name) << " gives no decay constant to use; " << path
        << " is left unchanged\n";
    return kCliFailed;
  }
  const SiteLambdaTaken taken = SiteLambdaFor(*project, fit);
  const Contaminant* c = UseSiteLambda(project.get(), fit);
  if (!c) {
    err << "virelo-cli: " << path << " has no contaminant called " << RecordTextToUtf8(name) << "\n";
    return kCliFailed;
  }
  if (!virelo_SaveProject(project.get(), path.c_str())) return WriteFailure(path, "the save failed", err);
  out << RecordTextToUtf8(name) << ": lambda = " << SiteCsvNumber(taken.lambda) << " 1/d ("
      << fit.levelPercent << " % interval " << SiteCsvNumber(taken.low) << " to " << SiteCsvNumber(taken.high)
      << "), now its user-defined decay constant\n";
  // Under decay of the sorbed phase too the wells measure lambda R.
  if (taken.factor != 1.0)
    out << "  the wells' rate " << SiteCsvNumber(fit.lambda)
        << " 1/d is lambda * R with R = " << SiteCsvNumber(taken.factor)
        << " (decay of dissolved and sorbed phase): lambda = " << SiteCsvNumber(fit.lambda) << " / "
        << SiteCsvNumber(taken.factor) << "\n";
  if (ChainWithDaughter(*project, name))
    out << "  " << RecordTextToUtf8(name)
        << " is a daughter product in a decay chain: this is an apparent rate (formation minus decay)\n";
  return kCliOk;
}
