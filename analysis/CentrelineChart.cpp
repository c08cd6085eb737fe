// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/CentrelineChart.h"
#include "analysis/ChartNumbers.h"
#include "platform/DecimalSign.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

QPen seriesPen(QColor colour, qreal width, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(colour, width, style);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// A number as people read it on a chart: three significant digits.
QString shortNumber(double v) {
  return ShownNumbers(QString::number(v, 'g', 3));
}

QLineSeries* addLine(QChart* chart, const char* objectName, const QString& legend, const QPen& pen) {
  auto* series = new QLineSeries;
  series->setObjectName(QString::fromLatin1(objectName));
  series->setName(legend);
  series->setPen(pen);
  chart->addSeries(series);
  return series;
}

}  // namespace

CentrelineAxis CentrelineAxisRange(const PlumeProfile& profile) {
  double anchor = profile.caRatio > 0.0 ? profile.caRatio : 1.0;
  for (double v : {profile.screeningAtX, profile.exactAtX})
    if (v > 0.0 && std::isfinite(v)) anchor = std::min(anchor, v);
  double smallest = anchor;
  double largest = 1.0;
  for (const std::vector<double>* curve : {&profile.screening, &profile.exact})
    for (double v : *curve)
      if (v > 0.0 && std::isfinite(v)) {
        smallest = std::min(smallest, v);
        largest = std::max(largest, v);
      }
  // Down to the smallest value shown, but no more than four decades below
  // the values that decide the verdict.
  const double lower = std::pow(10.0, std::floor(std::log10(std::max({smallest, anchor * 1e-4, 1e-300}))));
  const double upper = std::pow(10.0, std::ceil(std::log10(largest)));
  return {lower < upper ? lower : upper / 10.0, upper};
}

namespace {

// The wells' measurements: filled where detected, open at the detection
// limit where not; `shown` lifts a value below the chart to its floor.
template <typename Shown>
void AddFieldWells(QChart* chart, const PlumeProfile& profile, Shown shown) {
  for (bool nonDetect : {false, true}) {
    QList<QPointF> points;
    for (const PlumeProfile::FieldPoint& f : profile.field)
      if (f.nonDetect == nonDetect && f.s <= profile.sMax) points.append({f.s, shown(f.ratio)});
    if (points.isEmpty()) continue;
    auto* wells = new QScatterSeries;
    wells->setObjectName(QLatin1String(nonDetect ? centreline::kFieldNonDetect : centreline::kFieldDetected));
    wells->setName(
        nonDetect
            ? QCoreApplication::translate("CentrelineChart", "Not detected (limit)")
            : QCoreApplication::translate("CentrelineChart", "Measured C/C0, %1").arg(profile.fieldDate));
    wells->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    wells->setMarkerSize(9.0);
    wells->setPen(QPen(QColor(0x11, 0x11, 0x11), 1.4));
    wells->setBrush(nonDetect ? QBrush(Qt::white) : QBrush(QColor(0x11, 0x11, 0x11)));
    wells->replace(points);
    chart->addSeries(wells);
  }
}

}  // namespace

QChart* BuildCentrelineChart(const PlumeProfile& profile) {
  auto* chart = WithShownNumbers(new QChart);
  chart->setTitle(QCoreApplication::translate("CentrelineChart", "%1: concentration on the centre line")
                      .arg(profile.name));
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  // A narrow window shortens the entries ("Screening m..."); the whole name
  // shows under the pointer.
  chart->legend()->setShowToolTips(true);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);

  const CentrelineAxis range = CentrelineAxisRange(profile);
  // A point below the axis is drawn just beneath it (and so cut off) rather
  // than dropped, so that a curve leaves the chart where it crosses the axis.
  const double below = range.lower / 10.0;
  auto shown = [below](double v) { return (v > below && std::isfinite(v)) ? v : below; };

  auto* screening = addLine(chart, centreline::kScreening,
                            QCoreApplication::translate("CentrelineChart", "Screening model"),
                            seriesPen(QColor(0x1f, 0x5f, 0xa8), 2.2));
  auto* exact =
      addLine(chart, centreline::kExact, QCoreApplication::translate("CentrelineChart", "Exact solution"),
              seriesPen(QColor(0xd9, 0x5f, 0x0e), 2.2, Qt::DashLine));
  QList<QPointF> screeningPoints;
  QList<QPointF> exactPoints;
  screeningPoints.reserve(static_cast<qsizetype>(profile.s.size()));
  exactPoints.reserve(static_cast<qsizetype>(profile.s.size()));
  for (size_t k = 0; k < profile.s.size(); ++k) {
    screeningPoints.append({profile.s[k], shown(profile.screening[k])});
    exactPoints.append({profile.s[k], shown(profile.exact[k])});
  }
  screening->replace(screeningPoints);
  exact->replace(exactPoints);

  auto* acceptable =
      addLine(chart, centreline::kAcceptable, QStringLiteral("CA/C0 = %1").arg(shortNumber(profile.caRatio)),
              seriesPen(QColor(0xc0, 0x1c, 0x28), 1.5, Qt::DashDotLine));
  acceptable->append(0.0, shown(profile.caRatio));
  acceptable->append(profile.sMax, shown(profile.caRatio));

  auto* receptor = addLine(
      chart, centreline::kReceptor,
      QCoreApplication::translate("CentrelineChart", "Receptor, x = %1 m").arg(shortNumber(profile.x)),
      seriesPen(QColor(0x44, 0x44, 0x44), 1.5, Qt::DashLine));
  receptor->append(profile.x, range.lower);
  receptor->append(profile.x, range.upper);

  const double d = profile.plugFlowLength;
  if (std::isfinite(d)) {
    const bool onChart = d <= profile.sMax;
    auto* plug = addLine(
        chart, centreline::kPlugFlow,
        QCoreApplication::translate("CentrelineChart", "Plug-flow length, d = %1 m%2")
            .arg(shortNumber(d),
                 onChart ? QString() : QCoreApplication::translate("CentrelineChart", " (beyond the chart)")),
        seriesPen(QColor(0x2e, 0x8b, 0x3e), 1.8, Qt::DotLine));
    if (onChart) {
      plug->append(d, range.lower);
      plug->append(d, range.upper);
    }
  }

  AddFieldWells(chart, profile, shown);

  auto* sAxis = new QValueAxis;
  sAxis->setTitleText(QCoreApplication::translate("CentrelineChart", "Distance from the source s [m]"));
  sAxis->setRange(0.0, profile.sMax);
  sAxis->setLabelFormat(QStringLiteral("%.6g"));
  // Ticks at round distances from the source, about six of them.
  const double rough = profile.sMax / 6.0;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  double step = 10.0 * magnitude;
  for (double m : {1.0, 2.0, 2.5, 5.0})
    if (m * magnitude >= rough) {
      step = m * magnitude;
      break;
    }
  sAxis->setTickType(QValueAxis::TicksDynamic);
  sAxis->setTickAnchor(0.0);
  sAxis->setTickInterval(step);
  auto* cAxis = new QLogValueAxis;
  cAxis->setTitleText(QStringLiteral("C/C0"));
  const double decades = std::log10(range.upper / range.lower);
  // About a dozen labels at most; wider spans label every second or third decade.
  cAxis->setBase(std::pow(10.0, std::max(1.0, std::ceil(decades / 12.0))));
  cAxis->setRange(range.lower, range.upper);
  cAxis->setLabelFormat(QStringLiteral("%.6g"));
  cAxis->setMinorTickCount(decades <= 6.0 ? -1 : 0);
  // Solid, faint minor lines: the dashed default costs more to draw than
  // both curves together.
  cAxis->setMinorGridLinePen(QPen(QColor(0xec, 0xec, 0xec), 1.0));
  chart->addAxis(sAxis, Qt::AlignBottom);
  chart->addAxis(cAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(sAxis);
    series->attachAxis(cAxis);
  }
  return chart;
}

QChart* BuildCentrelineChart(const Project& project, int resultIndex, int points) {
  PlumeProfile profile;
  if (!BuildPlumeProfile(project, resultIndex, points, &profile)) return nullptr;
  return BuildCentrelineChart(profile);
}

void RenderChart(QChart* chart, QPainter* painter, const QRectF& target) {
  if (!chart || !painter) return;
  QGraphicsScene scene;
  scene.addItem(chart);
  chart->setGeometry(QRectF(QPointF(0, 0), target.size()));
  // A chart drawn into a report or a file is read, not hovered over: every
  // label is shown whole, and an axis title too long for its side is set
  // smaller rather than cut to "Concentration [µ...". The chart lays itself
  // out on posted events; there are none here, so it is laid out now.
  for (QAbstractAxis* axis : chart->axes()) axis->setTruncateLabels(false);
  for (int round = 0; round < 3; ++round) {
    chart->layout()->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    bool shrunk = false;
    for (QAbstractAxis* axis : chart->axes()) {
      if (axis->titleText().isEmpty() || !axis->isTitleVisible()) continue;
      const double room =
          axis->orientation() == Qt::Vertical ? chart->plotArea().height() : chart->plotArea().width();
      QFont font = axis->titleFont();
      const double needed = QFontMetricsF(font).horizontalAdvance(axis->titleText());
      if (room <= 0 || needed <= room || font.pointSizeF() <= 5.0) continue;
      font.setPointSizeF(std::max(5.0, font.pointSizeF() * room / needed * 0.95));
      axis->setTitleFont(font);
      shrunk = true;
    }
    if (!shrunk) break;
  }
  scene.setSceneRect(chart->geometry());
  scene.render(painter, target, scene.sceneRect());
  scene.removeItem(chart);
}
