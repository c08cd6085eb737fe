// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The centre-line chart of each attenuation factor; the document draws each
// chart where its mark stands.
#include "report/ReportSection.h"

void WriteChartsSection(ReportContext& report) {
  report.heading(2, QStringLiteral("Centre-line charts"), "charts");
  report.add(QStringLiteral(
      "<p>The concentration on the plume axis relative to the source (C/C0, logarithmic), "
      "from the source to a quarter beyond the receptor: the screening model (solid) and the exact "
      "solution (dashed), with the acceptable level CA/C0 (dash-dotted) and the receptor at x.</p>"));
  bool any = false;
  for (const ContaminantResult* r : report.resultsWith(kAssessAttenuationFactor)) {
    const Contaminant& c = report.contaminantOf(*r);
    if (HasAttenuationFactorProblems(*r)) {
      report.add(QStringLiteral("<p><b>%1</b>: <i>no chart, the inputs of the attenuation factor have "
                                "problems (section %2).</i></p>")
                     .arg(contaminantName(report.project(), c.name), report.ref("problems")));
      continue;
    }
    any = true;
    report.add(QStringLiteral("<p align=\"center\"><img src=\"%1%2\"></p>")
                   .arg(QLatin1String(kReportChartMark))
                   .arg(r->contaminantIndex));
  }
  if (!any && report.resultsWith(kAssessAttenuationFactor).empty())
    report.add(QStringLiteral("<p><i>No contaminant is assessed for its attenuation factor.</i></p>"));
}
