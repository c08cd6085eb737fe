// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteCharts.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysis/ChartNumbers.h"
#include "engine/site/sitelambda.h"
#include "platform/DecimalSign.h"
#include "platform/Platform.h"

namespace {

const QColor kPoints(0x1f, 0x5f, 0xa8);
const QColor kFit(0xc0, 0x39, 0x2b);

QScatterSeries* Markers(const QString& name, bool open) {
  auto* s = new QScatterSeries;
  s->setName(name);
  s->setMarkerSize(10.0);
  s->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  s->setPen(QPen(kPoints, 1.6));
  s->setBrush(open ? QBrush(Qt::white) : QBrush(kPoints));
  return s;
}

QLineSeries* Line(const QString& name, const QColor& colour, Qt::PenStyle style) {
  auto* s = new QLineSeries;
  s->setName(name);
  QPen pen(colour, style == Qt::SolidLine ? 2.0 : 1.4, style);
  s->setPen(pen);
  return s;
}

// A log axis over the values with a margin, on whole decades.
QLogValueAxis* ConcentrationAxis(double low, double high) {
  auto* axis = new QLogValueAxis;
  axis->setTitleText(QStringLiteral("C [\u00b5g/L]"));
  axis->setLabelFormat(QStringLiteral("%.6g"));
  if (!(low > 0.0) || !std::isfinite(high)) low = 1.0, high = 10.0;
  axis->setRange(std::pow(10.0, std::floor(std::log10(low))),
                 std::pow(10.0, std::ceil(std::log10(high) + 1e-9)));
  axis->setMinorTickCount(-1);
  return axis;
}

QChart* NewChart(const QString& title) {
  auto* chart = WithShownNumbers(new QChart);
  chart->setTitle(title);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  return chart;
}

// 1, 2 or 5 times a power of ten, the nearest at or above `rough`.
double NiceStep(double rough) {
  const double decade = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * decade >= rough) return m * decade;
  return 10.0 * decade;
}

QString Short(double value) {
  return ShownNumbers(QString::number(value, 'g', 2));
}

}  // namespace

QChart* BuildSiteDecayChart(const DistanceFit& fit) {
  QChart* chart =
      NewChart(QCoreApplication::translate("SiteCharts", "%1 on %2")
                   .arg(fromRecordText(fit.contaminant.c_str()), QString::fromLatin1(fit.date.c_str())));
  auto* detected = Markers(QCoreApplication::translate("SiteCharts", "Detected"), false);
  auto* below = Markers(QCoreApplication::translate("SiteCharts", "Not detected (limit)"), true);
  double low = INFINITY, high = 0.0, sMin = INFINITY, sMax = -INFINITY;
  for (const auto* list : {&fit.points, &fit.nonDetects})
    for (const SitePoint& p : *list) {
      (list == &fit.points ? detected : below)->append(p.s, p.value);
      low = std::min(low, p.value);
      high = std::max(high, p.value);
      sMin = std::min(sMin, p.s);
      sMax = std::max(sMax, p.s);
    }
  if (!std::isfinite(sMin)) sMin = 0.0, sMax = 100.0;
  if (sMax <= sMin) sMax = sMin + 1.0;
  chart->addSeries(detected);
  if (below->count() > 0)
    chart->addSeries(below);
  else
    delete below;

  const LineFit& l = fit.line;
  if (l.ok) {
    // The fit, and the lines of the interval's slopes through the centre
    // of the points, where the fit is best known.
    double mean = 0.0;
    for (const SitePoint& p : fit.points) mean += p.s;
    mean /= static_cast<double>(fit.points.size());
    const double centre = l.intercept + l.slope * mean;
    auto add = [&](double slope, const QString& name, const QColor& colour, Qt::PenStyle style) {
      auto* line = Line(name, colour, style);
      for (double s : {sMin, sMax}) {
        const double c = std::exp(centre + slope * (s - mean));
        line->append(s, c);
        low = std::min(low, c);
        high = std::max(high, c);
      }
      chart->addSeries(line);
      return line;
    };
    add(l.slope, QCoreApplication::translate("SiteCharts", "Fit, slope %1 1/m").arg(Short(l.slope)), kFit,
        Qt::SolidLine);
    if (std::isfinite(l.slopeLow)) {
      add(l.slopeLow,
          QCoreApplication::translate("SiteCharts", "%1 % interval of the slope").arg(fit.levelPercent), kFit,
          Qt::DashLine);
      add(l.slopeHigh, QString(), kFit, Qt::DashLine);
      chart->legend()->markers(chart->series().last()).first()->setVisible(false);
    }
  }
  // The axis starts at the nearest well in the fit, not at a round number
  // before it: wells far from the source would otherwise crowd into a
  // corner. Ticks stay on round distances.
  double nearest = sMin;
  if (!fit.points.empty()) {
    nearest = INFINITY;
    for (const SitePoint& p : fit.points) nearest = std::min(nearest, p.s);
  }
  auto* sAxis = new QValueAxis;
  sAxis->setTitleText(QCoreApplication::translate("SiteCharts", "Distance from the source s [m]"));
  sAxis->setLabelFormat(QStringLiteral("%.6g"));
  const double span = std::max(sMax - nearest, 1.0);
  const double pad = 0.03 * span;  // room for the nearest marker
  sAxis->setRange(nearest - pad, sMax + pad);
  const double step = NiceStep(span / 5.0);
  sAxis->setTickType(QValueAxis::TicksDynamic);
  sAxis->setTickInterval(step);
  sAxis->setTickAnchor(std::ceil((nearest - pad) / step) * step);
  QLogValueAxis* cAxis = ConcentrationAxis(low, high);
  chart->addAxis(sAxis, Qt::AlignBottom);
  chart->addAxis(cAxis, Qt::AlignLeft);
  for (QAbstractSeries* s : chart->series()) {
    s->attachAxis(sAxis);
    s->attachAxis(cAxis);
  }
  return chart;
}

QChart* BuildSiteTrendChart(const TimeFit& fit) {
  QChart* chart =
      NewChart(QCoreApplication::translate("SiteCharts", "%1 at %2")
                   .arg(fromRecordText(fit.contaminant.c_str()), fromRecordText(fit.well.c_str())));
  auto ms = [](double day) { return static_cast<double>(day) * 86400000.0; };
  auto* detected = Markers(QCoreApplication::translate("SiteCharts", "Detected"), false);
  auto* below = Markers(QCoreApplication::translate("SiteCharts", "Not detected (limit)"), true);
  double low = INFINITY, high = 0.0, first = INFINITY, last = -INFINITY;
  for (const auto* list : {&fit.points, &fit.nonDetects})
    for (const SitePoint& p : *list) {
      (list == &fit.points ? detected : below)->append(ms(p.day), p.value);
      low = std::min(low, p.value);
      high = std::max(high, p.value);
      first = std::min(first, p.day);
      last = std::max(last, p.day);
    }
  if (!std::isfinite(first)) first = 0.0, last = 365.0;
  if (last <= first) last = first + 30.0;
  chart->addSeries(detected);
  if (below->count() > 0)
    chart->addSeries(below);
  else
    delete below;
  if (fit.line.ok && !fit.points.empty()) {
    const double t0 = fit.points.front().day;
    auto* line = Line(QCoreApplication::translate("SiteCharts", "Trend, k = %1 1/d").arg(Short(fit.kPoint)),
                      kFit, Qt::SolidLine);
    for (double day : {fit.points.front().day, fit.points.back().day}) {
      const double c = std::exp(fit.line.intercept + fit.line.slope * (day - t0));
      line->append(ms(day), c);
      low = std::min(low, c);
      high = std::max(high, c);
    }
    chart->addSeries(line);
  }
  auto* tAxis = new QDateTimeAxis;
  tAxis->setTitleText(QCoreApplication::translate("SiteCharts", "Sampling date"));
  tAxis->setFormat(QStringLiteral("yyyy-MM"));
  const double pad = 0.04 * (last - first);
  tAxis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms(first - pad)), Qt::UTC),
                  QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms(last + pad)), Qt::UTC));
  tAxis->setTickCount(6);
  QLogValueAxis* cAxis = ConcentrationAxis(low, high);
  chart->addAxis(tAxis, Qt::AlignBottom);
  chart->addAxis(cAxis, Qt::AlignLeft);
  for (QAbstractSeries* s : chart->series()) {
    s->attachAxis(tAxis);
    s->attachAxis(cAxis);
  }
  return chart;
}

QString SiteLambdaSource(const DistanceFit& fit) {
  return QString::fromStdString(SiteLambdaSourceText(fit));
}
