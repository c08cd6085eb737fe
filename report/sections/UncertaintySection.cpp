// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The probability of each class under the project's input distributions:
// the distributions, the probabilities of every result and the histograms
// of their ratios. A project without distributions has no such section, so
// its report reads as before. The run is made afresh, with the project's
// seed, so the report repeats the numbers of the Uncertainty window.
#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "analysis/RatioHistogram.h"
#include "engine/case/projectcase.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/montecarlo.h"
#include "report/ReportSection.h"

namespace {

// Histograms beyond this many rows would fill pages without telling more.
constexpr int kMostHistograms = 24;

QString Share(const ReportContext& report, double p) {
  return report.num(QString::number(p, 'f', 3));
}

QString Value(const ReportContext& report, double v) {
  return report.num(resultValue(v, "%.3g", "%.3g"));
}

// "PL", "AF", "AF exact", "AF worse": short enough for the table.
QString AssessmentKey(const UncertaintyRow& row) {
  if (row.plumeLength) return QStringLiteral("PL");
  switch (row.model) {
    case UncertaintyModel::Exact: return QCoreApplication::translate("ReportUncertainty", "AF exact");
    case UncertaintyModel::Worse: return QCoreApplication::translate("ReportUncertainty", "AF worse");
    default: return QStringLiteral("AF");
  }
}

QString AssessmentText(const UncertaintyRow& row) {
  if (row.plumeLength) return QCoreApplication::translate("ReportUncertainty", "plume length");
  switch (row.model) {
    case UncertaintyModel::Exact:
      return QCoreApplication::translate("ReportUncertainty", "attenuation factor, exact solution");
    case UncertaintyModel::Worse:
      return QCoreApplication::translate("ReportUncertainty", "attenuation factor, worse of the two models");
    default: return QCoreApplication::translate("ReportUncertainty", "attenuation factor");
  }
}

QString Parameters(const ReportContext& report, const InputDistribution& d) {
  QStringList values;
  for (double v : d.params) values << Value(report, v);
  return values.join(QStringLiteral(", "));
}

// The histograms stand side by side, this many to a row, all drawn alike,
// so that the results compare at a glance and eight take two rows.
constexpr int kHistogramsPerRow = 4;

// A histogram drawn small on the page: laid out at 480 by 264 with
// lettering to match and scaled down, so that it reads as the window's.
QString HistogramHtml(ReportContext& report, const UncertaintyRow& row, AssessmentRange range) {
  RatioHistogramData data;
  data.sortedRatios = row.sortedRatios;
  data.range = range;
  data.plumeLength = row.plumeLength;
  data.decimalSign = report.settings().decimalSign;
  const auto draw = [data = std::move(data)](QPainter* painter, const QRectF& target) {
    const QRectF laidOut(0, 0, 480, 264);
    painter->save();
    painter->translate(target.topLeft());
    painter->scale(target.width() / laidOut.width(), target.height() / laidOut.height());
    QFont font;
    font.setPixelSize(20);
    painter->setFont(font);
    RatioHistogram::Paint(*painter, laidOut, data);
    painter->restore();
  };
  return report.drawing(draw, 90, 49.5);
}

// One histogram of the grid: the contaminant and assessment it belongs to,
// the chart, the shares of the classes and the inputs that move the ratio.
QString HistogramCell(ReportContext& report, const UncertaintyRow& row, AssessmentRange range) {
  const Project& project = report.project();
  QString influences;
  for (const InputInfluence& influence : row.ranking)
    influences += QStringLiteral("%1%2 %3; ")
                      .arg(QLatin1String(UncertainInputName(influence.input)),
                           influence.otherSpecies.empty()
                               ? QString()
                               : QCoreApplication::translate("ReportUncertainty", " of %1")
                                     .arg(contaminantName(project, influence.otherSpecies.c_str())),
                           report.num(QString::number(influence.rankCorrelation, 'f', 2)));
  const QString shares =
      QCoreApplication::translate("ReportUncertainty", "Green %1, Yellow %2, Red %3. Rank correlation: %4")
          .arg(Share(report, row.pGreen), Share(report, row.pYellow), Share(report, row.pRed),
               influences.isEmpty() ? QCoreApplication::translate("ReportUncertainty", "none")
                                    : influences.chopped(2));
  return QStringLiteral(
             "<td width=\"25%\" valign=\"top\"><p><b>%1</b>, %2</p><p>%3</p>"
             "<p style=\"font-size: 7pt\">%4</p></td>")
      .arg(contaminantName(project, project.contaminants[row.contaminantIndex].name), AssessmentText(row),
           HistogramHtml(report, row, range), shares);
}

// The inputs drawn, each with its distribution and parameters.
void WriteDistributions(ReportContext& report, const UncertaintyPlan& plan) {
  report.openTable(tableStart());
  report.add(QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th></tr>")
                 .arg(QCoreApplication::translate("ReportUncertainty", "Input"),
                      QCoreApplication::translate("ReportUncertainty", "Distribution"),
                      QCoreApplication::translate("ReportUncertainty", "Parameters")));
  for (const InputDistribution& d : plan.inputs) {
    const std::string label = UncertainInputLabel(d);
    report.add(
        QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
            .arg(record(label.c_str()), QLatin1String(DistributionKindName(d.kind)), Parameters(report, d)));
  }
  report.closeTable(QStringLiteral("wnw"));
}

// The probability of each class for every result, with the ratio's spread.
void WriteProbabilities(ReportContext& report, const UncertaintyRun& run) {
  // A point smaller, with widths that hold a contaminant's name and its
  // three ratios on one line each (a header word's width is the least its
  // column gets), so that a row is a line.
  QString table = tableStart();
  table.replace(QLatin1String("style=\""), QLatin1String("style=\"font-size: 7.5pt; "));
  report.openTable(table);
  report.add(QStringLiteral("<thead><tr><th width=\"22%\">%1</th><th width=\"10%\">%2</th>"
                            "<th width=\"9%\">%3</th><th width=\"9%\">%4</th>"
                            "<th width=\"7%\">%5</th><th width=\"7%\">P(C &gt; CA)</th>"
                            "<th width=\"6%\">&#177;&#160;se</th><th width=\"30%\">%6</th></tr></thead>")
                 .arg(QCoreApplication::translate("ReportUncertainty", "Contaminant"),
                      QCoreApplication::translate("ReportUncertainty", "Assessment"),
                      QCoreApplication::translate("ReportUncertainty", "P(Green)"),
                      QCoreApplication::translate("ReportUncertainty", "P(Yellow)"),
                      QCoreApplication::translate("ReportUncertainty", "P(Red)"),
                      QCoreApplication::translate("ReportUncertainty", "Ratio 5 / 50 / 95&#160;%")));
  for (const UncertaintyRow& row : run.rows) {
    const QString name =
        contaminantName(report.project(), report.project().contaminants[row.contaminantIndex].name);
    if (row.HasProblems()) {
      report.add(QStringLiteral("<tr><td>%1</td><td>%2</td><td colspan=\"6\">%3</td></tr>")
                     .arg(name, AssessmentKey(row),
                          QCoreApplication::translate("ReportUncertainty", "problems (see %1)")
                              .arg(report.ref("problems"))));
      continue;
    }
    report.add(QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td>"
                              "<td>%7</td><td>%8 / %9 / %10</td></tr>")
                   .arg(name, AssessmentKey(row), Share(report, row.pGreen), Share(report, row.pYellow),
                        Share(report, row.pRed), Share(report, row.pExceed),
                        Share(report, row.LargestStandardError()), Value(report, row.ratio[0]),
                        Value(report, row.ratio[1]))
                   .arg(Value(report, row.ratio[2])));
  }
  report.closeTable(QStringLiteral("wnnnnnnn"));
}

}  // namespace

void WriteUncertaintySection(ReportContext& report) {
  const Project& project = report.project();
  const UncertaintyPlan& plan = virelo_ExtrasOf(project).uncertainty;
  const bool anyDrawn = std::any_of(plan.inputs.begin(), plan.inputs.end(), [](const InputDistribution& d) {
    return d.kind != DistributionKind::Fixed;
  });
  if (!anyDrawn) return;
  report.heading(3, QCoreApplication::translate("ReportUncertainty", "Uncertainty"), "uncertainty");
  report.lead(QCoreApplication::translate(
                  "ReportUncertainty",
                  "<p>Every input below is drawn from its distribution, all at once and independently "
                  "of each other, in %1 samples (plain Monte Carlo, seed %2); every other input keeps "
                  "its value. Each probability is the share of the samples in that class, &#177; its "
                  "binomial standard error (the largest of the four is given). PL: plume length, AF: "
                  "attenuation factor; "
                  "the ratio is d/x or C0/C.</p>")
                  .arg(plan.samples)
                  .arg(plan.seed));
  WriteDistributions(report, plan);

  UncertaintyOptions options;
  options.plumeLengthRange = report.plumeRange();
  options.attenuationRange = report.afRange();
  options.verdictBasis = UncertaintyModelOf(virelo_SettingsOf(project).verdictBasis);
  options.keepRatios = true;
  const UncertaintyRun run = report.evaluated().Uncertainty(plan, options);
  if (!run.problems.empty()) {
    report.add(QCoreApplication::translate("ReportUncertainty",
                                           "<p><b>No run: the distributions have problems.</b></p><ul>"));
    for (const std::string& problem : run.problems)
      report.add(QStringLiteral("<li>%1</li>").arg(record(problem.c_str())));
    report.add(QStringLiteral("</ul>"));
    return;
  }
  WriteProbabilities(report, run);

  // Each row of the grid is a table of its own, so that a page break falls
  // between rows of histograms and never through one.
  QStringList cells;
  bool cut = false;
  for (const UncertaintyRow& row : run.rows) {
    if (row.HasProblems()) continue;
    if (cells.size() == kMostHistograms) {
      cut = true;
      break;
    }
    cells << HistogramCell(report, row, report.range(row.plumeLength));
  }
  if (cells.isEmpty()) return;
  report.add(QCoreApplication::translate(
      "ReportUncertainty",
      "<p>The ratios of the samples, each bar split by class (Green, Yellow, Red from "
      "the bottom), with the class bounds dashed; under each the shares of the classes "
      "and the rank correlation of each drawn input with the ratio.</p>"));
  for (qsizetype first = 0; first < cells.size(); first += kHistogramsPerRow) {
    QString grid =
        QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (qsizetype k = first; k < first + kHistogramsPerRow; ++k)
      grid += k < cells.size() ? cells[k] : QStringLiteral("<td width=\"25%\"></td>");
    report.keptTable(grid + QStringLiteral("</tr></table>"));
  }
  if (cut)
    report.add(QCoreApplication::translate("ReportUncertainty",
                                           "<p><i>Histograms of the first %1 results only.</i></p>")
                   .arg(kMostHistograms));
}
