// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project's decay chains: each chain with its yields, the chart of every
// species along the centre line and the table at the receptor. A project
// without a chain gets no section.
#include <QChart>
#include <QCoreApplication>
#include <QFont>
#include <QLegend>
#include <cmath>

#include "analysis/CentrelineChart.h"
#include "analysis/ChainChart.h"
#include "engine/case/projectcase.h"
#include "engine/chains/chaincalc.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "report/ReportSection.h"
#include "report/sections/ChartLanguage.h"

namespace {

// The chart in the document, as wide as the text, drawn as the page is.
QString ChartHtml(ReportContext& report, const ChainCurves& curves) {
  QChart* chart = BuildChainChart(curves);
  WithReportDecimalSign(chart, report.settings().decimalSign);
  // Laid out a little wider than the page shows it, with a smaller legend,
  // so that the species' names stay whole.
  QFont legend = chart->legend()->font();
  legend.setPointSizeF(legend.pointSizeF() * 0.85);
  chart->legend()->setFont(legend);
  return QStringLiteral("<p align=\"center\">%1</p>")
      .arg(report.drawing(ChartDrawing(chart, QSizeF(860, 280)), 480, 156));
}

QString Number(const ReportContext& report, double v) {
  return report.num(resultValue(v, "%.4g", "%.3E"));
}

// The plume length of each species assessed for it, by plug flow along the
// chain: the evidence of a plume-length verdict the chain made worse.
void chainPlumeLengths(ReportContext& report, int chainIndex) {
  QString rows;
  for (const ContaminantResult* r : report.resultsWith(kAssessPlumeLength)) {
    const RowVerdict& v = report.verdict(*r, true);
    if (!v.models.inChain || v.models.chainIndex != chainIndex) continue;
    const double x = report.project().aquifer.distanceX;
    rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td>%4<td>%5</td></tr>")
                .arg(contaminantName(report.project(), report.contaminantOf(*r).name),
                     report.num(resultValue(v.models.chainValue, "%.2f", "%.2E")),
                     report.num(resultValue(v.models.chainValue / x, "%.7f", "%.4E")),
                     classCell(v.models.chainClass), report.num(resultValue(r->plumeLength, "%.2f", "%.2E")));
  }
  if (rows.isEmpty()) return;
  report.lead(QCoreApplication::translate(
      "ReportChain",
      "<p>Plume length along the chain: plug flow, each species by the Bateman solution along the travel "
      "time s/v; d is the farthest s at which the species stays at or above its CA, d/x is classed with "
      "the plume-length range. For the parent it is its own plume length.</p>"));
  report.openTable(tableStart());
  report.add(QStringLiteral(
                 "<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"34%\">%1</th><th align=\"left\" "
                 "width=\"17%\">d [m]</th><th align=\"left\" width=\"17%\">d/x</th><th align=\"left\" "
                 "width=\"14%\">%2</th><th align=\"left\" width=\"18%\">%3</th></tr></thead>")
                 .arg(QCoreApplication::translate("ReportChain", "Species"),
                      QCoreApplication::translate("ReportChain", "Class"),
                      QCoreApplication::translate("ReportChain", "Alone: d [m]")));
  report.add(rows);
  report.closeTable(QStringLiteral("wnnnn"));
}

// How sorption enters the chain, as the project's inputs have it.
QString sorptionWords(const Project& project) {
  if (TransportOf(project).aquifer.decayOf == DecayOf::DissolvedAndSorbed)
    return QCoreApplication::translate(
        "ReportChain", "decay of the dissolved and the sorbed phase, each species at its own &#955;&#183;R");
  if (TransportIsDefault(project))
    return QCoreApplication::translate("ReportChain", "decay in the dissolved phase and no retardation");
  return QCoreApplication::translate(
      "ReportChain", "decay in the dissolved phase only, so that sorption changes no steady concentration");
}

}  // namespace

void WriteChainSection(ReportContext& report) {
  const Project& project = report.project();
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(project).chains;
  if (chains.empty()) return;
  report.heading(2, QCoreApplication::translate("ReportChain", "Decay chain"), "chain");
  const AssessmentRange range = report.afRange();
  report.lead(
      QCoreApplication::translate(
          "ReportChain",
          "<p>Daughters formed along the plume as their parents decay, after Sun et al. (1999)"
          ": one first-order rate per species along the whole path, a serial chain, steady "
          "state, %3. Each species is classified by its "
          "concentration C(x) at the receptor against its own CA: green where C(x) &lt;= %1 CA, yellow "
          "up to %2 CA, red above (never green above CA). \"Alone\" is its class from its own source "
          "concentration only, the class column of the results; the chain's class enters the verdict. Yield: "
          "the mass of a "
          "species formed per mass of the species above it that decays.</p>")
          .arg(report.num(QStringLiteral("%1").arg(range.lower)),
               report.num(QStringLiteral("%1").arg(range.upper)), sorptionWords(project)));
  for (size_t k = 0; k < chains.size(); ++k) {
    const DecayChain& chain = chains[k];
    if (chains.size() > 1)
      report.heading(3, QCoreApplication::translate("ReportChain", "Chain %1").arg(k + 1),
                     chainKey(static_cast<int>(k)).constData());
    const auto yield = [&chain, &report](size_t i) {
      return i == 0 ? QCoreApplication::translate("ReportChain", "parent")
             : i - 1 < chain.yields.size() && std::isfinite(chain.yields[i - 1])
                 ? report.num(QString::number(chain.yields[i - 1], 'g', 6))
                 : QCoreApplication::translate("ReportChain", "not given");
    };
    ResolvedChain resolved;
    const std::vector<std::string> problems = report.evaluated().Chain(chain, &resolved);
    const std::vector<ChainReceptorRow> rows = problems.empty()
                                                   ? report.evaluated().ChainRows(resolved, report.afRange())
                                                   : std::vector<ChainReceptorRow>{};
    if (rows.size() != chain.species.size()) {
      // The yields alone, where the chain gives no row per species.
      report.openTable(tableStart());
      report.add(
          QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"52%\">%1</th>"
                         "<th align=\"left\" width=\"48%\">%2</th></tr></thead>")
              .arg(QCoreApplication::translate("ReportChain", "Species"),
                   QCoreApplication::translate("ReportChain", "Yield (mass per mass of the species above)")));
      for (size_t i = 0; i < chain.species.size(); ++i)
        report.add(QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                       .arg(record(chain.species[i].c_str()), yield(i)));
      report.closeTable(QStringLiteral("wn"));
    }
    if (!problems.empty()) {
      report.add(
          QCoreApplication::translate("ReportChain", "<p><i>The chain cannot be computed:</i></p><ul>"));
      for (const std::string& text : problems)
        report.add(QStringLiteral("<li>%1</li>").arg(record(text.c_str())));
      report.add(QStringLiteral("</ul>"));
      continue;
    }
    report.add(ChartHtml(
        report, BuildChainCurves(project, resolved,
                                 QString::fromStdString(virelo_SettingsOf(project).concentrationUnit))));
    // Each species with its yield (mass per mass of the species above) and
    // its classes at the receptor, in one table.
    const bool withYields = rows.size() == chain.species.size();
    report.openTable(tableStart());
    report.add(
        QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"%1%\">%3</th>%2<th "
                       "align=\"left\" width=\"9%\">CA</th><th align=\"left\" width=\"12%\">%4</th><th "
                       "align=\"left\" width=\"10%\">%5</th><th align=\"left\" width=\"10%\">%6</th><th "
                       "align=\"left\" width=\"15%\">%7</th><th align=\"left\" width=\"10%\">%8</th>"
                       "</tr></thead>")
            .arg(withYields ? 24 : 34)
            .arg(withYields ? QStringLiteral("<th align=\"left\" width=\"10%\">%1</th>")
                                  .arg(QCoreApplication::translate("ReportChain", "Yield"))
                            : QString(),
                 QCoreApplication::translate("ReportChain", "Species"),
                 QCoreApplication::translate("ReportChain", "Screening"),
                 QCoreApplication::translate("ReportChain", "Class"),
                 QCoreApplication::translate("ReportChain", "Exact"),
                 QCoreApplication::translate("ReportChain", "Exact class"),
                 QCoreApplication::translate("ReportChain", "Alone")));
    for (size_t i = 0; i < rows.size(); ++i) {
      const ChainReceptorRow& row = rows[i];
      const QString yieldCell = withYields ? QStringLiteral("<td>%1</td>").arg(yield(i)) : QString();
      if (row.endProduct) {
        report.add(QStringLiteral("<tr><td>%1</td>%2<td>-</td><td>%3</td><td>-</td><td>%4</td>"
                                  "<td>-</td><td>-</td></tr>")
                       .arg(QCoreApplication::translate("ReportChain", "%1 (end product)")
                                .arg(record(row.name.c_str())),
                            yieldCell, Number(report, row.screening), Number(report, row.exact)));
        continue;
      }
      report.add(QStringLiteral("<tr><td>%1</td>%2<td>%3</td><td>%4</td>%5<td>%6</td>%7%8</tr>")
                     .arg(record(row.name.c_str()), yieldCell, Number(report, row.ca),
                          Number(report, row.screening), classCell(row.screeningClass),
                          Number(report, row.exact), classCell(row.exactClass), classCell(row.singleClass)));
    }
    report.closeTable(withYields ? QStringLiteral("wnnnnnnn") : QStringLiteral("wnnnnnn"));
    chainPlumeLengths(report, static_cast<int>(k));
  }
}
