// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/ChainChart.h"
#include "analysis/ChartNumbers.h"
#include "platform/Platform.h"

#include <QChart>
#include <QCoreApplication>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

QLineSeries* addLine(QChart* chart, const QString& objectName, const QString& legend, const QPen& pen) {
  auto* series = new QLineSeries;
  series->setObjectName(objectName);
  series->setName(legend);
  series->setPen(pen);
  chart->addSeries(series);
  return series;
}

QPen linePen(QColor colour, qreal width, Qt::PenStyle style) {
  QPen pen(colour, width, style);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

}  // namespace

QColor ChainSpeciesColour(int i) {
  // Told apart also in print and by most colour-blind readers.
  static const QColor colours[] = {QColor(0x1f, 0x5f, 0xa8), QColor(0xd9, 0x5f, 0x0e),
                                   QColor(0x2e, 0x8b, 0x3e), QColor(0xc0, 0x1c, 0x28),
                                   QColor(0x6a, 0x3d, 0x9a), QColor(0x55, 0x55, 0x55)};
  return colours[static_cast<size_t>(std::clamp(i, 0, 5))];
}

ChainCurves BuildChainCurves(const Project& project, const ResolvedChain& chain, const QString& unit,
                             int points) {
  ChainCurves c;
  const size_t n = static_cast<size_t>(chain.size());
  for (size_t i = 0; i < n; ++i) c.names.push_back(fromRecordText(chain.names[i].c_str()));
  c.ca = chain.ca;
  c.x = project.aquifer.distanceX;
  c.sMax = 2.0 * c.x;
  c.unit = unit;
  c.s.resize(static_cast<size_t>(points));
  std::vector<double> screening(static_cast<size_t>(points) * n), exact(static_cast<size_t>(points) * n);
  ChainProfile(project.aquifer, chain, c.sMax, points, c.s.data(), screening.data(), exact.data());
  c.screening.assign(n, std::vector<double>(static_cast<size_t>(points)));
  c.exact = c.screening;
  for (size_t k = 0; k < static_cast<size_t>(points); ++k) {
    for (size_t i = 0; i < n; ++i) {
      c.screening[i][k] = screening[k * n + i];
      c.exact[i][k] = exact[k * n + i];
    }
  }
  // The source itself starts every curve.
  c.s.insert(c.s.begin(), 0.0);
  for (size_t i = 0; i < n; ++i) {
    c.screening[i].insert(c.screening[i].begin(), chain.c0[i]);
    c.exact[i].insert(c.exact[i].begin(), chain.c0[i]);
  }
  return c;
}

QChart* BuildChainChart(const ChainCurves& curves) {
  auto* chart = WithShownNumbers(new QChart);
  chart->setTitle(QCoreApplication::translate(
      "ChainChart", "Concentrations on the centre line (solid: screening, dashed: exact, dotted: each CA)"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);

  // Whole decades from the largest value down to below the smallest CA,
  // at most eight decades: a daughter that is only just forming near the
  // source would otherwise squash the part that decides the verdict.
  double largest = 0.0, anchor = HUGE_VAL;
  for (size_t i = 0; i < curves.names.size(); ++i) {
    for (const auto* curve : {&curves.screening[i], &curves.exact[i]})
      for (double v : *curve)
        if (std::isfinite(v)) largest = std::max(largest, v);
    if (curves.ca[i] > 0.0) anchor = std::min(anchor, curves.ca[i]);
  }
  if (!(largest > 0.0)) largest = 1.0;
  if (!std::isfinite(anchor)) anchor = largest;
  const double upper = std::pow(10.0, std::ceil(std::log10(largest)));
  double lower = std::pow(10.0, std::floor(std::log10(std::min(anchor, largest))) - 1.0);
  lower = std::max(lower, upper * 1e-8);
  const double below = lower / 10.0;
  auto shown = [below](double v) { return (v > below && std::isfinite(v)) ? v : below; };

  for (size_t i = 0; i < curves.names.size(); ++i) {
    const QColor colour = ChainSpeciesColour(static_cast<int>(i));
    auto* screening = addLine(chart, QStringLiteral("screening:%1").arg(i), curves.names[i],
                              linePen(colour, 2.2, Qt::SolidLine));
    auto* exact = addLine(chart, QStringLiteral("exact:%1").arg(i),
                          curves.names[i] + QCoreApplication::translate("ChainChart", ", exact"),
                          linePen(colour, 1.8, Qt::DashLine));
    QList<QPointF> a, b;
    for (size_t k = 0; k < curves.s.size(); ++k) {
      a.append({curves.s[k], shown(curves.screening[i][k])});
      b.append({curves.s[k], shown(curves.exact[i][k])});
    }
    screening->replace(a);
    exact->replace(b);
    chart->legend()->markers(exact).first()->setVisible(false);
    if (curves.ca[i] > 0.0) {
      auto* ca = addLine(chart, QStringLiteral("ca:%1").arg(i), curves.names[i] + QStringLiteral(" CA"),
                         linePen(colour, 1.2, Qt::DotLine));
      ca->append(0.0, shown(curves.ca[i]));
      ca->append(curves.sMax, shown(curves.ca[i]));
      chart->legend()->markers(ca).first()->setVisible(false);
    }
  }
  auto* receptor = addLine(
      chart, QStringLiteral("receptor"),
      QCoreApplication::translate("ChainChart", "Receptor, x = %1 m").arg(QString::number(curves.x, 'g', 3)),
      linePen(QColor(0x44, 0x44, 0x44), 1.5, Qt::DashDotLine));
  receptor->append(curves.x, lower);
  receptor->append(curves.x, upper);

  auto* sAxis = new QValueAxis;
  sAxis->setTitleText(QCoreApplication::translate("ChainChart", "Distance from the source s [m]"));
  sAxis->setRange(0.0, curves.sMax);
  sAxis->setLabelFormat(QStringLiteral("%.6g"));
  auto* cAxis = new QLogValueAxis;
  cAxis->setTitleText(curves.unit.isEmpty()
                          ? QCoreApplication::translate("ChainChart", "Concentration")
                          : QCoreApplication::translate("ChainChart", "Concentration [%1]").arg(curves.unit));
  cAxis->setRange(lower, upper);
  cAxis->setLabelFormat(QStringLiteral("%.6g"));
  cAxis->setMinorTickCount(-1);
  cAxis->setMinorGridLinePen(QPen(QColor(0xec, 0xec, 0xec), 1.0));
  chart->addAxis(sAxis, Qt::AlignBottom);
  chart->addAxis(cAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(sAxis);
    series->attachAxis(cAxis);
  }
  return chart;
}
