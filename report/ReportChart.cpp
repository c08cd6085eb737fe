// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/ReportChart.h"

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "engine/exact.h"

namespace {

// Points along the centre line, up to a quarter beyond the receptor.
constexpr int kPointsToReceptor = 40;
constexpr int kPointsBeyond = 10;
// Below this C/C0 nothing of interest is left to draw on a log scale.
constexpr double kSmallestShown = 1e-15;

QFont chartFont(double pixelSize, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  return font;
}

}  // namespace

QChart* BuildReportCentrelineChart(const Aquifer& aquifer, const Contaminant& contaminant) {
  const double x = aquifer.distanceX;
  if (!(x > 0) || !std::isfinite(x) || !(contaminant.c0 > 0)) return nullptr;

  double lambda = 0.0;
  virelo_GetLambda(&contaminant, &lambda);
  constexpr int kPoints = kPointsToReceptor + kPointsBeyond;
  const double right = x * kPoints / kPointsToReceptor;
  double s[kPoints], screening[kPoints], exact[kPoints];
  if (!virelo_math_CentreLineProfile(&aquifer, lambda, right, kPoints, s, screening, exact)) return nullptr;

  auto* line = new QLineSeries;
  line->setName(QStringLiteral("screening C/C0"));
  auto* exactLine = new QLineSeries;
  exactLine->setName(QStringLiteral("exact C/C0"));
  double lowest = 1.0;
  for (int k = 0; k < kPoints; ++k) {
    if (std::isfinite(screening[k]) && screening[k] >= kSmallestShown) {
      lowest = std::min(lowest, screening[k]);
      line->append(s[k], screening[k]);
    }
    if (std::isfinite(exact[k]) && exact[k] >= kSmallestShown) {
      lowest = std::min(lowest, exact[k]);
      exactLine->append(s[k], exact[k]);
    }
  }
  const double acceptable = contaminant.ca / contaminant.c0;
  if (acceptable > kSmallestShown) lowest = std::min(lowest, acceptable);
  const double bottom = std::pow(10.0, std::floor(std::log10(lowest)));

  auto* chart = new QChart;
  chart->setTitle(QString::fromLatin1(contaminant.name));
  chart->setTitleFont(chartFont(9, true));
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->legend()->setFont(chartFont(7));
  chart->legend()->setAlignment(Qt::AlignBottom);

  QPen linePen(QColor(0x1f, 0x4e, 0x9a));
  linePen.setWidthF(1.2);
  line->setPen(linePen);
  chart->addSeries(line);
  QPen exactPen(QColor(0x2e, 0x8b, 0x57));
  exactPen.setWidthF(1.2);
  exactPen.setStyle(Qt::DashDotLine);
  exactLine->setPen(exactPen);
  chart->addSeries(exactLine);

  auto* limit = new QLineSeries;
  limit->setName(QStringLiteral("CA/C0 (acceptable at the receptor)"));
  QPen limitPen(QColor(0xb0, 0x20, 0x20));
  limitPen.setWidthF(0.9);
  limitPen.setStyle(Qt::DashLine);
  limit->setPen(limitPen);
  if (acceptable > kSmallestShown) {
    limit->append(0, acceptable);
    limit->append(right, acceptable);
  }
  chart->addSeries(limit);

  auto* receptor = new QLineSeries;
  receptor->setName(QStringLiteral("receptor at x"));
  QPen receptorPen(QColor(0x40, 0x40, 0x40));
  receptorPen.setWidthF(0.9);
  receptorPen.setStyle(Qt::DotLine);
  receptor->setPen(receptorPen);
  receptor->append(x, bottom);
  receptor->append(x, 1.0);
  chart->addSeries(receptor);

  auto* distanceAxis = new QValueAxis;
  distanceAxis->setTitleText(QStringLiteral("Distance from the source [m]"));
  distanceAxis->setRange(0, right);
  distanceAxis->setLabelFormat(QStringLiteral("%.4g"));
  // Ticks at round distances from the source.
  const double magnitude = std::pow(10.0, std::floor(std::log10(right / 5)));
  double step = magnitude;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * magnitude;
    if (right / step <= 7) break;
  }
  distanceAxis->setTickType(QValueAxis::TicksDynamic);
  distanceAxis->setTickAnchor(0);
  distanceAxis->setTickInterval(step);
  auto* concentrationAxis = new QLogValueAxis;
  concentrationAxis->setTitleText(QStringLiteral("C/C0"));
  concentrationAxis->setBase(10);
  concentrationAxis->setRange(bottom, 1.0);
  concentrationAxis->setLabelFormat(QStringLiteral("%.0e"));
  concentrationAxis->setMinorTickCount(0);
  for (QAbstractAxis* axis :
       {static_cast<QAbstractAxis*>(distanceAxis), static_cast<QAbstractAxis*>(concentrationAxis)}) {
    axis->setLabelsFont(chartFont(7));
    axis->setTitleFont(chartFont(7.5));
  }
  chart->addAxis(distanceAxis, Qt::AlignBottom);
  chart->addAxis(concentrationAxis, Qt::AlignLeft);
  for (QLineSeries* series : {line, exactLine, limit, receptor}) {
    series->attachAxis(distanceAxis);
    series->attachAxis(concentrationAxis);
  }
  return chart;
}

void PaintReportChart(QChart* chart, QPainter* painter, const QRectF& target) {
  if (!chart || !painter) return;
  QGraphicsScene scene;
  scene.addItem(chart);
  chart->setGeometry(QRectF(QPointF(0, 0), target.size()));
  // The chart lays itself out on posted events; a report has no event loop
  // of its own in between, so the layout is made now.
  chart->layout()->activate();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  scene.render(painter, target, QRectF(QPointF(0, 0), target.size()));
  scene.removeItem(chart);
}
