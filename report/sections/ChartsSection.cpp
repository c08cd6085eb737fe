// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The centre-line chart of each attenuation factor; the document draws each
// chart where its mark stands.
#include <QCoreApplication>

#include "report/ReportSection.h"

void WriteChartsSection(ReportContext& report) {
  report.heading(2, QCoreApplication::translate("ReportCharts", "Centre-line charts"), "charts");
  report.lead(QCoreApplication::translate(
      "ReportCharts",
      "<p>The concentration on the plume axis relative to the source (C/C0, logarithmic), "
      "from the source to a quarter beyond the receptor: the screening model (solid blue) and the exact "
      "solution (dashed orange), with the acceptable level CA/C0 (dash-dotted red, its value beside the "
      "name) and the receptor at x (dashed grey).</p>"));
  bool any = false;
  // Two charts to a line of the page: a pair that does not fit the width
  // wraps by itself, and a note between them starts a new pair.
  QString pair;
  int inPair = 0;
  const auto flush = [&] {
    if (inPair) report.charts(QStringLiteral("<p align=\"center\">%1</p>").arg(pair));
    pair.clear();
    inPair = 0;
  };
  for (const ContaminantResult* r : report.resultsWith(kAssessAttenuationFactor)) {
    const Contaminant& c = report.contaminantOf(*r);
    if (HasAttenuationFactorProblems(*r)) {
      flush();
      report.add(
          QCoreApplication::translate("ReportCharts",
                                      "<p><b>%1</b>: <i>no chart, the inputs of the attenuation factor "
                                      "have problems (section %2).</i></p>")
              .arg(contaminantName(report.project(), c.name), report.ref("problems")));
      continue;
    }
    any = true;
    pair += QStringLiteral("%1<img src=\"%2%3\">")
                .arg(inPair ? QStringLiteral(" ") : QString(), QLatin1String(kReportChartMark))
                .arg(r->contaminantIndex);
    if (++inPair == 2) flush();
  }
  flush();
  if (!any && report.resultsWith(kAssessAttenuationFactor).empty())
    report.add(QCoreApplication::translate(
        "ReportCharts", "<p><i>No contaminant is assessed for its attenuation factor.</i></p>"));
}
