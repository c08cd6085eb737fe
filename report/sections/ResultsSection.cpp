// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The results as the results page shows them: the class and both values of
// each assessed contaminant, for the plume length and the attenuation factor.
#include "engine/validation.h"
#include "report/ReportSection.h"

namespace {

void resultTable(ReportContext& report, bool plume) {
  const std::vector<const ContaminantResult*> list =
      report.resultsWith(plume ? kAssessPlumeLength : kAssessAttenuationFactor);
  if (list.empty()) {
    report.add(QStringLiteral("<p><i>No contaminant is assessed for its %1.</i></p>")
                   .arg(plume ? QStringLiteral("plume length") : QStringLiteral("attenuation factor")));
    return;
  }
  const AssessmentRange range = report.range(plume);
  report.add(QStringLiteral("<p>Assessment range %1.</p>").arg(report.rangeText(plume)));
  report.add(tableStart());
  report.add(
      QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"38%\">Contaminant</th>"
                     "<th align=\"left\" width=\"14%\">Class</th><th align=\"left\" width=\"24%\">%1</th><th "
                     "align=\"left\" width=\"24%\">%2</th></tr></thead>")
          .arg(plume ? QStringLiteral("d [m]") : QStringLiteral("AF"),
               plume ? QStringLiteral("d/x") : QStringLiteral("C0/C")));
  for (const ContaminantResult* r : list) {
    const bool problems = plume ? HasPlumeLengthProblems(*r) : HasAttenuationFactorProblems(*r);
    AssessmentClass cls = AssessmentClass::Problems;
    QString first, second;
    if (!problems) {
      if (plume) {
        cls = ClassifyPlumeLength(r->plumeLengthRatio, range);
        first = resultValue(r->plumeLength, "%.2f", "%.2E");
        second = resultValue(r->plumeLengthRatio, "%.7f", "%.4E");
      } else {
        cls = ClassifyAttenuationFactor(r->sourceRatio, range);
        first = resultValue(r->attenuationFactor, "%.7f", "%.4E");
        second = resultValue(r->sourceRatio, "%.7f", "%.4E");
      }
    } else {
      first = QStringLiteral("<i>see problems</i>");
    }
    report.add(QStringLiteral("<tr><td>%1</td>%2<td>%3</td><td>%4</td></tr>")
                   .arg(record(report.contaminantOf(*r).name), classCell(cls), first, second));
  }
  report.add(QStringLiteral("</table>"));
  report.add(plume ? QStringLiteral("<p style=\"font-size: 8pt\">d: plume extension; x: distance source - "
                                    "receptor.</p>")
                   : QStringLiteral("<p style=\"font-size: 8pt\">AF: attenuation factor C0/C(x); C0: "
                                    "concentration at the source; C: acceptable concentration at the source "
                                    "(CA &#215; AF).</p>"));
}

}  // namespace

void WriteResultsSection(ReportContext& report) {
  report.heading(2, QStringLiteral("Results"));
  report.heading(3, QStringLiteral("Plume length"));
  resultTable(report, true);
  report.heading(3, QStringLiteral("Attenuation factor"));
  resultTable(report, false);
}
