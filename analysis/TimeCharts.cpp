// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/TimeCharts.h"
#include "analysis/ChartNumbers.h"
#include "platform/DecimalSign.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QValueAxis>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace {

// A logarithmic axis cannot show 0: points before anything arrives are left
// out rather than drawn at an invented floor.
void Append(QLineSeries* series, double x, double c) {
  if (std::isfinite(c) && c > 0.0) series->append(x, c);
}

constexpr const char* kDaysPerUnit = "daysPerUnit";

// `perUnit` divides the x values: 365.25 turns days into years.
QChart* Build(const std::vector<BreakthroughPoint>& points, double c0, double ca, const QString& unit,
              const QString& xTitle, const QString& title, double perUnit = 1.0) {
  auto* chart = WithShownNumbers(new QChart);
  chart->setTitle(title);
  chart->setProperty(kDaysPerUnit, perUnit);
  auto* screening = new QLineSeries;
  screening->setObjectName(QString::fromLatin1(timechart::kScreening));
  screening->setName(QCoreApplication::translate("TimeCharts", "Screening form"));
  screening->setPen(QPen(QColor(0x1f, 0x77, 0xb4), 2));
  auto* exact = new QLineSeries;
  exact->setObjectName(QString::fromLatin1(timechart::kExact));
  exact->setName(QCoreApplication::translate("TimeCharts", "Exact solution"));
  exact->setPen(QPen(QColor(0xff, 0x7f, 0x0e), 2, Qt::DashLine));
  double lowest = ca > 0.0 ? ca : 1.0, highest = ca > 0.0 ? ca : 1.0;
  double last = 1.0;
  for (const BreakthroughPoint& p : points) {
    Append(screening, p.t / perUnit, c0 * p.screening);
    Append(exact, p.t / perUnit, c0 * p.exact);
    last = std::max(last, p.t / perUnit);
  }
  for (const QLineSeries* series : {screening, exact}) {
    for (const QPointF& q : series->points()) {
      lowest = std::min(lowest, q.y());
      highest = std::max(highest, q.y());
    }
  }
  auto* acceptable = new QLineSeries;
  acceptable->setObjectName(QString::fromLatin1(timechart::kAcceptable));
  acceptable->setName(QStringLiteral("CA"));
  acceptable->setPen(QPen(QColor(0xd6, 0x27, 0x28), 1.5, Qt::DashDotLine));
  if (ca > 0.0 && std::isfinite(ca)) {
    acceptable->append(0.0, ca);
    acceptable->append(last, ca);
  }
  auto* xAxis = new QValueAxis;
  xAxis->setTitleText(xTitle);
  xAxis->setLabelFormat(QStringLiteral("%.6g"));
  xAxis->setRange(0.0, last);
  // Round ticks (200, 400 d; 20, 40 years), as a reader counts time.
  xAxis->applyNiceNumbers();
  auto* cAxis = new QLogValueAxis;
  cAxis->setTitleText(unit.isEmpty()
                          ? QCoreApplication::translate("TimeCharts", "Concentration")
                          : QCoreApplication::translate("TimeCharts", "Concentration [%1]").arg(unit));
  cAxis->setLabelFormat(QStringLiteral("%.6g"));
  // Whole decades, at most eight below the highest value, so that a curve
  // that begins at nothing does not squash the part that matters.
  const double upper = std::pow(10.0, std::ceil(std::log10(highest)));
  const double lower = std::max(std::pow(10.0, std::floor(std::log10(lowest))), upper * 1e-8);
  cAxis->setRange(lower, upper > lower ? upper : lower * 10.0);
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(cAxis, Qt::AlignLeft);
  for (QLineSeries* series : {screening, exact, acceptable}) {
    chart->addSeries(series);
    series->attachAxis(xAxis);
    series->attachAxis(cAxis);
  }
  return chart;
}

}  // namespace

double timechart::DaysPerUnit(const QChart* chart) {
  const QVariant value = chart ? chart->property(kDaysPerUnit) : QVariant();
  return value.isValid() ? value.toDouble() : 1.0;
}

QString timechart::TimeText(double days) {
  const QString inDays = QString::number(days, 'f', days < 10.0 ? 1 : 0) + QStringLiteral(" d");
  if (!(days > kYearsFromDays)) return ShownNumbers(inDays);
  return ShownNumbers(QCoreApplication::translate("TimeCharts", "%1 years (%2)")
                          .arg(QString::number(days / 365.25, 'g', 3), inDays));
}

QChart* BuildBreakthroughChart(const std::vector<BreakthroughPoint>& curve, double c0, double ca,
                               const QString& unit) {
  double last = 0.0;
  for (const BreakthroughPoint& p : curve) last = std::max(last, p.t);
  const bool years = last > timechart::kYearsFromDays;
  return Build(curve, c0, ca, unit,
               years ? QCoreApplication::translate("TimeCharts", "Time since the source appeared [years]")
                     : QCoreApplication::translate("TimeCharts", "Time since the source appeared [d]"),
               QCoreApplication::translate("TimeCharts", "At the receptor"), years ? 365.25 : 1.0);
}

QChart* BuildTimeProfileChart(const std::vector<BreakthroughPoint>& line, double c0, double ca,
                              const QString& unit, double atTime) {
  return Build(
      line, c0, ca, unit, QCoreApplication::translate("TimeCharts", "Distance from the source [m]"),
      QCoreApplication::translate("TimeCharts", "Centre line after %1").arg(timechart::TimeText(atTime)));
}
