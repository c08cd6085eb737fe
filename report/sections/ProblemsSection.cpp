// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The problems that keep a result from a verdict, in words, per contaminant
// and assessment.
#include "engine/validation.h"
#include "report/ReportSection.h"

namespace {

void problemList(ReportContext& report, const ContaminantResult& r, bool plume) {
  const ProblemCode* aquifer = plume ? r.plAquiferProblems : r.afAquiferProblems;
  const ProblemCode* contaminant = plume ? r.plContaminantProblems : r.afContaminantProblems;
  const int aquiferCount = std::max<int>(0, plume ? r.plAquiferProblemCount : r.afAquiferProblemCount);
  const int contaminantCount =
      std::max<int>(0, plume ? r.plContaminantProblemCount : r.afContaminantProblemCount);
  if (aquiferCount + contaminantCount == 0) return;
  // One arg() call, so that a "%1" in a contaminant's name stays text.
  report.add(QStringLiteral("<p><b>%1 of %2</b>: %3 problem(s)</p>")
                 .arg(plume ? QStringLiteral("Plume length") : QStringLiteral("Attenuation factor"),
                      contaminantName(report.project(), report.contaminantOf(r).name),
                      QString::number(aquiferCount + contaminantCount)));
  if (report.verdict(r, plume).verdict != AssessmentClass::Problems)
    report.add(
        QStringLiteral("<p>These hold for its single-species model only: its decay chain gives "
                       "the verdict.</p>"));
  report.add(QStringLiteral("<ol>"));
  char text[256];
  for (int k = 0; aquifer && k < aquiferCount; ++k)
    if (virelo_GetProblemText(aquifer[k], text)) report.add(QStringLiteral("<li>%1</li>").arg(record(text)));
  for (int k = 0; contaminant && k < contaminantCount; ++k)
    if (virelo_GetProblemText(contaminant[k], text))
      report.add(QStringLiteral("<li>%1</li>").arg(record(text)));
  report.add(QStringLiteral("</ol>"));
}

}  // namespace

void WriteProblemsSection(ReportContext& report) {
  report.heading(3, QStringLiteral("Problems"), "problems");
  bool any = false;
  for (bool plume : {true, false}) {
    for (const ContaminantResult* r :
         report.resultsWith(plume ? kAssessPlumeLength : kAssessAttenuationFactor)) {
      if (!(plume ? HasPlumeLengthProblems(*r) : HasAttenuationFactorProblems(*r))) continue;
      any = true;
      problemList(report, *r, plume);
    }
  }
  if (!any)
    report.add(report.project().resultCount > 0
                   ? QStringLiteral("<p>None: every assessment has complete inputs.</p>")
                   : QStringLiteral("<p>None: nothing is assessed.</p>"));
}
