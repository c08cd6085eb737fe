// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The problems that keep a result from a verdict, in words, per contaminant
// and assessment.
#include "engine/core/validation.h"
#include "engine/evidence/omittedevidence.h"
#include "engine/project/extras.h"
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

// The evidence the verdicts leave out: each reason's problem with the
// contaminants it concerns. The verdicts stand; the list says what they
// could not take in.
bool omittedEvidence(ReportContext& report) {
  const std::vector<OmittedEvidence>& omitted = report.evaluated().Omitted();
  if (omitted.empty()) return false;
  report.add(
      QStringLiteral("<p><b>Evidence left out of the verdicts</b>: the verdicts stand without "
                     "it.</p><ol>"));
  char text[256];
  for (const OmittedEvidence& entry : omitted) {
    if (!virelo_GetProblemText(entry.code, text)) continue;
    report.add(
        QStringLiteral("<li>Problem %1: %2 %3</li>")
            .arg(QString::number(entry.code), record(text), record(OmittedContaminantsText(entry).c_str())));
  }
  report.add(QStringLiteral("</ol>"));
  return true;
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
  any = omittedEvidence(report) || any;
  if (!any)
    report.add(report.project().resultCount > 0
                   ? QStringLiteral("<p>None: every assessment has complete inputs.</p>")
                   : QStringLiteral("<p>None: nothing is assessed.</p>"));
}
