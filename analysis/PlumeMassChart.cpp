// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/PlumeMassChart.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysis/ChartNumbers.h"
#include "engine/site/plumemass.h"
#include "platform/Platform.h"

QChart* BuildPlumeMassChart(const PlumeMassResult& r) {
  auto* chart = WithShownNumbers(new QChart);
  chart->setTitle(QCoreApplication::translate("PlumeMassChart", "%1: dissolved mass per round")
                      .arg(fromRecordText(r.contaminant.c_str())));
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  auto ms = [](double day) { return day * 86400000.0; };
  auto* mass = new QLineSeries;
  mass->setName(QCoreApplication::translate("PlumeMassChart", "Mass, non-detects as 0"));
  mass->setPen(QPen(QColor(0x1f, 0x5f, 0xa8), 2.0));
  mass->setPointsVisible(true);
  auto* upper = new QLineSeries;
  upper->setName(QCoreApplication::translate("PlumeMassChart", "Non-detects at their limit"));
  upper->setPen(QPen(QColor(0x80, 0x80, 0x80), 1.4, Qt::DashLine));
  double high = 0.0, first = INFINITY, last = -INFINITY;
  bool anyUpper = false;
  for (const PlumeRound& round : r.rounds) {
    mass->append(ms(round.day), round.moments.mass);
    upper->append(ms(round.day), round.moments.massUpper);
    anyUpper = anyUpper || round.moments.massUpper > round.moments.mass;
    high = std::max({high, round.moments.mass, round.moments.massUpper});
    first = std::min(first, round.day);
    last = std::max(last, round.day);
  }
  chart->addSeries(mass);
  if (anyUpper)
    chart->addSeries(upper);
  else
    delete upper;
  if (!std::isfinite(first)) first = 0.0, last = 365.0;
  if (last <= first) last = first + 30.0;
  auto* tAxis = new QDateTimeAxis;
  tAxis->setTitleText(QCoreApplication::translate("PlumeMassChart", "Round"));
  tAxis->setFormat(QStringLiteral("yyyy-MM"));
  const double pad = 0.04 * (last - first);
  tAxis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms(first - pad)), Qt::UTC),
                  QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms(last + pad)), Qt::UTC));
  tAxis->setTickCount(3);  // room for whole dates in a narrow window
  auto* mAxis = new QValueAxis;
  QString unit = r.estimator == "line" ? QStringLiteral("kg/m") : QStringLiteral("kg");
  if (r.perMetreThickness) unit += QCoreApplication::translate("PlumeMassChart", " per m of b");
  mAxis->setTitleText(QStringLiteral("M0 [%1]").arg(unit));
  mAxis->setRange(0.0, high > 0.0 ? 1.1 * high : 1.0);
  mAxis->setTickCount(5);
  mAxis->applyNiceNumbers();
  mAxis->setLabelFormat(QStringLiteral("%.3g"));
  chart->addAxis(tAxis, Qt::AlignBottom);
  chart->addAxis(mAxis, Qt::AlignLeft);
  for (QAbstractSeries* s : chart->series()) {
    s->attachAxis(tAxis);
    s->attachAxis(mAxis);
  }
  return chart;
}
