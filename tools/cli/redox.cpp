// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli redox: the redox condition each well's indicators suggest, and
// the one suggested for the aquifer.
#include <ostream>

#include "engine/project/extras.h"
#include "engine/site/redox.h"
#include "engine/site/siteproject.h"
#include "engine/site/solventscore.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/site_common.h"

std::string RedoxUsage() {
  return "  redox FILE.vrp [--csv]\n"
         "      The redox condition of each well and sampling date with indicators,\n"
         "      by the thresholds of the USGS redox framework, and the condition\n"
         "      suggested for the aquifer. Each class names the indicators it rests\n"
         "      on and those missing; beside it stands the chlorinated-solvent\n"
         "      screening score (Wiedemeier et al. 1998), its reading and the\n"
         "      screening rows without points: not measured, or not scored. Rows\n"
         "      against background compare with the wells upstream of the source.\n";
}

int RunRedox(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--csv", false}}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("redox takes one project file", err);
  ProjectHandle project = LoadSiteProject(parsed.files[0], err);
  if (!project) return kCliFailed;
  const SiteData& site = virelo_ExtrasOf(*project).site;
  const std::vector<RedoxReading> readings = ReadRedox(site);
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(*project).chains;
  const SolventBackground background = SolventBackgroundOf(*project);
  auto scored = [&](const RedoxReading& r) {
    return ScoreSolvent(r.indicators, SolventDaughtersAt(site, chains, r.well, r.date), background);
  };
  if (readings.empty()) {
    err << "virelo-cli: " << parsed.files[0] << " holds no indicators at its wells\n";
    return kCliFailed;
  }
  if (parsed.has("--csv")) {
    out << "well,date,class,basis,missing,solventScore,solventReading,solventUnscored\n";
    for (const RedoxReading& r : readings) {
      const SolventScore score = scored(r);
      out << CsvJoin({RecordTextToUtf8(r.well), r.date, kRedoxConditions[r.condition].text, r.basis,
                      r.missing, score.scored ? std::to_string(score.total) : "",
                      score.scored ? SolventReadingWord(score.total) : "", SolventUnscoredText(score)})
          << "\n";
    }
  } else {
    for (const RedoxReading& r : readings) {
      out << RecordTextToUtf8(r.well) << "  " << r.date << "  " << kRedoxConditions[r.condition].text << "  ("
          << r.rule << ")\n";
      if (!r.basis.empty()) out << "    rests on " << r.basis << "\n";
      if (!r.missing.empty()) out << "    missing " << r.missing << "\n";
      const SolventScore score = scored(r);
      if (score.scored)
        out << "    solvent score " << score.total << ", " << SolventReadingText(score.total) << " ("
            << SolventPointsText(score) << ")\n";
      if (!score.missing.empty())
        out << "    solvent rows not measured " << SolventMissingText(score) << "\n";
    }
    if (!readings.empty()) {
      out << "Solvent screening rows not scored:\n";
      const SolventScore any = scored(readings.front());
      for (const SolventRowLeftOut& row : any.leftOut) out << "  " << row.row << ": " << row.reason << "\n";
      out << "Solvent screening background: " << SolventBackgroundText(background) << "\n";
    }
    std::string reason;
    const int suggested = SuggestRedox(site, readings, &reason);
    out << "Suggested redox condition: " << kRedoxConditions[suggested].text << "\n";
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
