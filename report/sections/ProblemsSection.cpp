// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The problems that keep a result from a verdict, in words, per contaminant
// and assessment.
#include <QCoreApplication>

#include "engine/core/validation.h"
#include "engine/evidence/omittedevidence.h"
#include "engine/project/extras.h"
#include "platform/EngineText.h"
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
  report.add(QStringLiteral("<p>%1</p>")
                 .arg((plume ? QCoreApplication::translate("ReportProblems",
                                                           "<b>Plume length of %1</b>: %2 problem(s)")
                             : QCoreApplication::translate("ReportProblems",
                                                           "<b>Attenuation factor of %1</b>: %2 problem(s)"))
                          .arg(contaminantName(report.project(), report.contaminantOf(r).name),
                               QString::number(aquiferCount + contaminantCount))));
  if (report.verdict(r, plume).verdict != AssessmentClass::Problems)
    report.add(QStringLiteral("<p>%1</p>")
                   .arg(QCoreApplication::translate(
                       "ReportProblems",
                       "These hold for its single-species model only: its decay chain gives the verdict.")));
  report.add(QStringLiteral("<ol>"));
  char text[256];
  for (int k = 0; aquifer && k < aquiferCount; ++k)
    if (virelo_GetProblemText(aquifer[k], text))
      report.add(QStringLiteral("<li>%1</li>").arg(report.num(esc(EngineTerm(text)))));
  for (int k = 0; contaminant && k < contaminantCount; ++k)
    if (virelo_GetProblemText(contaminant[k], text))
      report.add(QStringLiteral("<li>%1</li>").arg(report.num(esc(EngineTerm(text)))));
  report.add(QStringLiteral("</ol>"));
}

// The evidence the verdicts leave out: each reason's problem with the
// contaminants it concerns. The verdicts stand; the list says what they
// could not take in.
bool omittedEvidence(ReportContext& report) {
  const std::vector<OmittedEvidence>& omitted = report.evaluated().Omitted();
  if (omitted.empty()) return false;
  report.add(
      QStringLiteral("<p>%1</p><ol>")
          .arg(QCoreApplication::translate(
              "ReportProblems", "<b>Evidence left out of the verdicts</b>: the verdicts stand without it.")));
  char text[256];
  for (const OmittedEvidence& entry : omitted) {
    if (!virelo_GetProblemText(entry.code, text)) continue;
    report.add(QStringLiteral("<li>%1</li>")
                   .arg(QCoreApplication::translate("ReportProblems", "Problem %1: %2 %3"))
                   .arg(QString::number(entry.code), report.num(esc(EngineTerm(text))),
                        report.num(esc(EngineText(OmittedContaminantsText(entry))))));
  }
  report.add(QStringLiteral("</ol>"));
  return true;
}

}  // namespace

void WriteProblemsSection(ReportContext& report) {
  report.heading(3, QCoreApplication::translate("ReportProblems", "Problems"), "problems");
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
                   ? QStringLiteral("<p>%1</p>")
                         .arg(QCoreApplication::translate("ReportProblems",
                                                          "None: every assessment has complete inputs."))
                   : QStringLiteral("<p>%1</p>")
                         .arg(QCoreApplication::translate("ReportProblems", "None: nothing is assessed.")));
}
