// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The screening attenuation factor beside the exact centre-line solution of
// the same source, with a mark where the two disagree; the screening result
// stays the verdict.
#include <QCoreApplication>

#include "engine/core/exact.h"
#include "report/ReportSection.h"

void WriteExactSection(ReportContext& report) {
  report.heading(3, QCoreApplication::translate("ReportExact", "Comparison with the exact solution"),
                 "exact");
  std::vector<const ContaminantResult*> list;
  for (const ContaminantResult* r : report.resultsWith(kAssessAttenuationFactor))
    if (!HasAttenuationFactorProblems(*r)) list.push_back(r);
  if (list.empty()) {
    report.add(QStringLiteral("<p><i>%1</i></p>")
                   .arg(QCoreApplication::translate("ReportExact", "No attenuation factor to compare.")));
    return;
  }
  report.lead(
      QStringLiteral("<p>%1</p>")
          .arg(QCoreApplication::translate(
                   "ReportExact",
                   "The screening formula approximates the steady-state centre-line solution of the same "
                   "source; the exact solution is computed by numerical integration (section %1). The "
                   "screening "
                   "result stays the verdict. <b>!!</b> marks a result whose exact class is worse than its "
                   "screening class; <b>!</b> marks one whose class is the same but whose concentrations at "
                   "the "
                   "receptor differ by more than a factor %2.")
                   .arg(report.ref("methods-af"))
                   .arg(report.num(QString::number(kExactDifferenceFactor)))));
  report.openTable(tableStart());
  report.add(QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"28%\">%1</th><th "
                            "align=\"left\" width=\"16%\">%2</th><th align=\"left\" width=\"13%\">%3</th>"
                            "<th align=\"left\" width=\"16%\">%4</th><th align=\"left\" width=\"13%\">%5</th>"
                            "<th align=\"left\" width=\"14%\">%6</th></tr></thead>")
                 .arg(QCoreApplication::translate("ReportExact", "Contaminant"),
                      QCoreApplication::translate("ReportExact", "Screening C0/C"),
                      QCoreApplication::translate("ReportExact", "Screening class"),
                      QCoreApplication::translate("ReportExact", "Exact C0/C"),
                      QCoreApplication::translate("ReportExact", "Exact class"),
                      QCoreApplication::translate("ReportExact", "Mark")));
  const AssessmentRange range = report.afRange();
  for (const ContaminantResult* r : list) {
    const AssessmentClass screening = ClassifyAttenuationFactor(r->sourceRatio, range);
    if (!r->exactComputed) {
      report.add(QStringLiteral("<tr><td>%1</td><td>%2</td>%3<td colspan=\"3\"><i>%4</i></td></tr>")
                     .arg(contaminantName(report.project(), report.contaminantOf(*r).name),
                          report.num(resultValue(r->sourceRatio, "%.7f", "%.4E")), classCell(screening),
                          QCoreApplication::translate("ReportExact", "not computed")));
      continue;
    }
    QString mark = QStringLiteral("<td>-</td>");
    switch (CompareExactWithScreening(*r, range)) {
      case ExactComparison::WorseClass:
        mark = QStringLiteral("<td bgcolor=\"#f3b6b0\"><b>!! %1</b></td>")
                   .arg(QCoreApplication::translate("ReportExact", "worse"));
        break;
      case ExactComparison::Differs:
        mark = QStringLiteral("<td bgcolor=\"#fbe3c4\"><b>!</b> %1</td>")
                   .arg(QCoreApplication::translate("ReportExact", "differs"));
        break;
      case ExactComparison::None: break;
    }
    report.add(QStringLiteral("<tr><td>%1</td><td>%2</td>%3<td>%4</td>%5%6</tr>")
                   .arg(contaminantName(report.project(), report.contaminantOf(*r).name),
                        report.num(resultValue(r->sourceRatio, "%.7f", "%.4E")), classCell(screening),
                        report.num(resultValue(r->exactSourceRatio, "%.7f", "%.4E")),
                        classCell(ClassifyExactAttenuationFactor(*r, range)), mark));
  }
  report.closeTable(QStringLiteral("wnnnnn"));
}
