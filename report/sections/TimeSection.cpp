// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Time: when the plume reaches the receptor and a shrinking source its
// target, with one breakthrough chart per contaminant. Only for a project
// that keeps sorption or source inputs: without them every contaminant
// moves with the water from a constant source, the steady report says all
// there is, and its length stays as it was.
#include <QChart>
#include <QCoreApplication>

#include <utility>
#include "analysis/CentrelineChart.h"
#include "analysis/TimeCharts.h"

#include "analysis/TimingTableModel.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "engine/time/timeinputs.h"
#include "platform/EngineText.h"
#include "report/ReportSection.h"
#include "report/sections/ChartLanguage.h"

namespace {

constexpr int kPoints = 200;

// Small enough that several charts share a page.
QString ChartHtml(ReportContext& report, QChart* chart) {
  WithReportDecimalSign(chart, report.settings().decimalSign);
  return QStringLiteral("<p align=\"center\">%1</p>")
      .arg(report.drawing(ChartDrawing(chart, QSizeF(600, 300)), 315, 157.5));
}

}  // namespace

void WriteTimeSection(ReportContext& report) {
  const Project& project = report.project();
  if (TransportIsDefault(project)) return;
  std::vector<TimeInputs> all;
  std::vector<TimingInput> inputs;
  for (TimeInputs& in : report.evaluated().TimeRows()) {
    if (!in.usable) continue;
    inputs.push_back(in.timing);
    all.push_back(std::move(in));
  }
  if (all.empty()) return;
  report.heading(2, QCoreApplication::translate("ReportTime", "Time"), "time");
  report.lead(QCoreApplication::translate(
      "ReportTime",
      "<p>The concentration at the receptor over time on the plume's centre line, under the transient "
      "screening form (Domenico 1987) and the exact solution of the patch source (Wexler 1992), with "
      "retardation R = 1 + &rho;<sub>b</sub> Koc foc / n<sub>e</sub> and a constant or first-order "
      "decaying source. Times are in days since the source appeared; \"-\" where a time does not occur. "
      "A daughter of a decay chain is followed through its chain, in the project's concentration unit. "
      "The steady verdict above does not depend on them.</p>"));
  const std::vector<TimingRow> rows = ComputeTimingRows(inputs);
  // Two tables of the name and at most seven times each: fourteen columns
  // on one page's width would break the numbers inside themselves.
  const int splitAt = 7;
  for (const auto& [first, last] :
       {std::pair{1, splitAt}, std::pair{splitAt, TimingTableModel::ColumnCount()}}) {
    report.openTable(tableStart());
    QString head = QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\">%1</th>")
                       .arg(TimingTableModel::ColumnTitle(0).toHtmlEscaped());
    for (int c = first; c < last; ++c)
      head +=
          QStringLiteral("<th align=\"left\">%1</th>").arg(TimingTableModel::ColumnTitle(c).toHtmlEscaped());
    report.add(head + QStringLiteral("</tr></thead>"));
    for (const TimingRow& row : rows) {
      QString line =
          QStringLiteral("<tr><td>%1</td>").arg(TimingTableModel::CellText(row, 0, &project).toHtmlEscaped());
      for (int c = first; c < last; ++c)
        line += QStringLiteral("<td>%1</td>")
                    .arg(report.num(TimingTableModel::CellText(row, c, &project).toHtmlEscaped()));
      report.add(line + QStringLiteral("</tr>"));
    }
    // The contaminant's name wraps; the times do not.
    report.closeTable(QStringLiteral("w") + QString(last - first, QLatin1Char('n')));
  }
  const QString unit = QString::fromStdString(virelo_SettingsOf(project).concentrationUnit);
  for (const TimeInputs& in : all) {
    const TransientInputs& t = in.timing.inputs;
    report.heading(3, contaminantName(project, in.timing.name.c_str()));
    QString text = QStringLiteral("%1; %2; %3.")
                       .arg(EngineText(in.retardationBasis), EngineTerm(DecayOfName(t.decayOf)),
                            EngineText(in.sourceBasis))
                       .toHtmlEscaped();
    text = report.num(text);
    if (!in.chainBasis.empty())
      text += QCoreApplication::translate("ReportTime", " Decay chain: %1.")
                  .arg(report.num(EngineText(in.chainBasis).toHtmlEscaped()));
    if (const char* reason = CurveScreeningReason(in.timing))
      text += QCoreApplication::translate("ReportTime", " No screening values: %1")
                  .arg(report.num(EngineText(QString::fromLatin1(reason)).toHtmlEscaped()));
    // The inputs lead into the chart: heading, sentence and chart share a page.
    report.lead(QStringLiteral("<p>%1</p>").arg(text));
    report.add(ChartHtml(
        report,
        BuildBreakthroughChart(ComputeBreakthrough(in.timing, DefaultBreakthroughUntil(in.timing), kPoints),
                               CurveScale(in.timing), in.timing.ca, unit)));
  }
}
