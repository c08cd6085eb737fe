// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The aquifer values that the checks accept but that aquifers seldom show,
// such as a conductivity typed in m/s into the m/d field. Words for the
// reader to check, never a problem: they change no verdict.
#include <QCoreApplication>

#include "engine/core/plausibility.h"
#include "report/ReportSection.h"

void WritePlausibilitySection(ReportContext& report) {
  report.heading(3, QCoreApplication::translate("ReportPlausibility", "Plausibility warnings"),
                 "plausibility");
  const std::vector<PlausibilityWarning> warnings = virelo_CheckPlausibility(report.project().aquifer);
  if (warnings.empty()) {
    report.add(QStringLiteral("<p>%1</p>")
                   .arg(QCoreApplication::translate(
                       "ReportPlausibility", "None: every aquifer value lies within the usual ranges.")));
    return;
  }
  report.add(QStringLiteral("<p>%1</p><ul>")
                 .arg(QCoreApplication::translate(
                     "ReportPlausibility",
                     "These values pass the checks but are unusual for an aquifer; they change no verdict. "
                     "Check that each was entered as meant.")));
  for (const PlausibilityWarning& warning : warnings)
    report.add(QStringLiteral("<li>%1</li>").arg(report.num(esc(QString::fromStdString(warning.text)))));
  report.add(QStringLiteral("</ul>"));
}
