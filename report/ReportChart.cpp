// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/ReportChart.h"
#include "engine/project/recordtext.h"

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QPainter>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysis/CentrelineChart.h"
#include "engine/core/exact.h"
#include "platform/DecimalSign.h"

namespace {

// Points along the centre line, up to a quarter beyond the receptor.
constexpr int kPointsToReceptor = 40;
constexpr int kPointsBeyond = 10;
constexpr int kPoints = kPointsToReceptor + kPointsBeyond;
constexpr int kExactPoints = kPoints / 2;
// Below this C/C0 nothing of interest is left to draw on a log scale.
constexpr double kSmallestShown = 1e-15;

QFont chartFont(double pixelSize, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  return font;
}

QLineSeries* line(const QString& name, const QColor& colour, Qt::PenStyle style, double width) {
  auto* series = new QLineSeries;
  series->setName(name);
  QPen pen(colour);
  pen.setWidthF(width);
  pen.setStyle(style);
  series->setPen(pen);
  return series;
}

// Round steps for the distance axis: 1, 2 or 5 times a power of ten.
double tickStep(double right) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(right / 5)));
  for (double factor : {1.0, 2.0, 5.0})
    if (right / (factor * magnitude) <= 7) return factor * magnitude;
  return 10 * magnitude;
}

}  // namespace

struct ReportChartPainter::Parts {
  QGraphicsScene scene;
  QChart* chart = new QChart;  // owned by the scene
  // The colours and line styles of the plume view's chart, so that paper
  // and screen read alike.
  QLineSeries* screening = line(QCoreApplication::translate("ReportChart", "Screening model"),
                                QColor(0x1f, 0x5f, 0xa8), Qt::SolidLine, 1.3);
  QLineSeries* exact = line(QCoreApplication::translate("ReportChart", "Exact solution"),
                            QColor(0xd9, 0x5f, 0x0e), Qt::DashLine, 1.3);
  QLineSeries* limit = line(QStringLiteral("CA/C0"), QColor(0xc0, 0x1c, 0x28), Qt::DashDotLine, 0.9);
  QLineSeries* receptor = line(QCoreApplication::translate("ReportChart", "Receptor"),
                               QColor(0x44, 0x44, 0x44), Qt::DashLine, 0.9);
  QValueAxis* distance = new QValueAxis;
  QLogValueAxis* concentration = new QLogValueAxis;
};

ReportChartPainter::ReportChartPainter(QChar decimalSign)
    : parts_(std::make_unique<Parts>()), decimalSign_(decimalSign) {
  Parts& p = *parts_;
  QChart* chart = p.chart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setTitleFont(chartFont(9, true));
  chart->legend()->hide();
  for (QLineSeries* series : {p.screening, p.exact, p.limit, p.receptor}) chart->addSeries(series);

  p.distance->setTitleText(QCoreApplication::translate("ReportChart", "Distance from the source s [m]"));
  p.distance->setLabelFormat(QStringLiteral("%.4g"));
  p.distance->setTickType(QValueAxis::TicksDynamic);
  p.distance->setTickAnchor(0);
  p.concentration->setTitleText(QStringLiteral("C/C0"));
  p.concentration->setBase(10);
  // Decades as a reader writes them: 1, 0.1, 0.001, and the exponent form
  // only from 1e-05 on, where the zeros would have to be counted. The
  // precision is written out: localised, a bare "%g" loses its digits.
  p.concentration->setLabelFormat(QStringLiteral("%.6g"));
  p.concentration->setMinorTickCount(0);
  for (QAbstractAxis* axis :
       {static_cast<QAbstractAxis*>(p.distance), static_cast<QAbstractAxis*>(p.concentration)}) {
    axis->setLabelsFont(chartFont(7));
    axis->setTitleFont(chartFont(7.5));
    // A number is shown whole or not at all: the chart, made once and
    // reused, would otherwise cut a label to "..." where the previous
    // contaminant's labels were narrower.
    axis->setTruncateLabels(false);
  }
  chart->addAxis(p.distance, Qt::AlignBottom);
  chart->addAxis(p.concentration, Qt::AlignLeft);
  if (decimalSign != QLatin1Char('.')) {
    // The axes' numbers with a decimal comma and, as everywhere in the
    // report, without grouping.
    QLocale comma(QLocale::German);
    comma.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(comma);
    chart->setLocalizeNumbers(true);
  }
  for (QLineSeries* series : {p.screening, p.exact, p.limit, p.receptor}) {
    series->attachAxis(p.distance);
    series->attachAxis(p.concentration);
  }
  p.scene.addItem(chart);
}

ReportChartPainter::~ReportChartPainter() = default;

CentreLineChartPoints CentreLineChartPointsOf(const Aquifer& aquifer, double lambda) {
  CentreLineChartPoints points;
  const double x = aquifer.distanceX;
  if (!(x > 0) || !std::isfinite(x)) return points;
  points.right = x * kPoints / kPointsToReceptor;
  // The exact solution at every second point: each is an integral, they
  // are most of a long report's time, and on a log axis its line is as
  // smooth as the screening model's.
  double s[kPoints], screening[kPoints], sExact[kExactPoints], exact[kExactPoints];
  if (!virelo_math_CentreLineProfile(&aquifer, lambda, points.right, kPoints, s, screening, nullptr) ||
      !virelo_math_CentreLineProfile(&aquifer, lambda, points.right, kExactPoints, sExact, nullptr, exact))
    return {};
  for (int k = 0; k < kPoints; ++k)
    if (std::isfinite(screening[k]) && screening[k] >= kSmallestShown)
      points.screening.append(QPointF(s[k], screening[k]));
  for (int k = 0; k < kExactPoints; ++k)
    if (std::isfinite(exact[k]) && exact[k] >= kSmallestShown)
      points.exact.append(QPointF(sExact[k], exact[k]));
  return points;
}

bool ReportChartPainter::paint(const Aquifer& aquifer, const Contaminant& contaminant, QPainter* painter,
                               const QRectF& target) {
  const double x = aquifer.distanceX;
  if (!painter || !(x > 0) || !std::isfinite(x) || !(contaminant.c0 > 0)) return false;
  double lambda = 0.0;
  virelo_GetLambda(&contaminant, &lambda);
  const CentreLineChartPoints points = CentreLineChartPointsOf(aquifer, lambda);
  if (!(points.right > 0)) return false;
  const double right = points.right;
  double lowest = 1.0;
  for (const QList<QPointF>* line : {&points.screening, &points.exact})
    for (const QPointF& point : *line) lowest = std::min(lowest, point.y());
  const double acceptable = contaminant.ca / contaminant.c0;
  if (acceptable > kSmallestShown) lowest = std::min(lowest, acceptable);
  const double bottom = std::pow(10.0, std::floor(std::log10(lowest)));

  Parts& p = *parts_;
  // Half a page wide, two to a line: the section's text names the lines,
  // the title the contaminant and its acceptable level.
  p.chart->setTitle(QStringLiteral("%1, CA/C0 = %2")
                        .arg(QString::fromStdString(RecordTextToUtf8(contaminant.name)))
                        .arg(WithDecimalSign(QString::number(acceptable, 'g', 3), decimalSign_)));
  p.screening->replace(points.screening);
  p.exact->replace(points.exact);
  p.limit->replace(acceptable > kSmallestShown ? QList<QPointF>{{0, acceptable}, {right, acceptable}}
                                               : QList<QPointF>{});
  p.receptor->replace(QList<QPointF>{{x, bottom}, {x, 1.0}});
  p.distance->setRange(0, right);
  p.distance->setTickInterval(tickStep(right));
  p.concentration->setRange(bottom, 1.0);
  // Every second decade where a label for each would crowd the axis.
  p.concentration->setBase(-std::log10(bottom) > 6 ? 100 : 10);

  p.chart->setGeometry(QRectF(QPointF(0, 0), target.size()));
  // The chart lays itself out on posted events; a report has no event loop
  // in between, so the layout is made now.
  p.chart->layout()->activate();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  p.scene.render(painter, target, QRectF(QPointF(0, 0), target.size()));
  return true;
}

ReportDrawing ChartDrawing(QChart* chart, const QSizeF& laidOut) {
  // Shared by the copies a document's handler makes; gone with the document.
  std::shared_ptr<QChart> owned(chart);
  return [owned, laidOut](QPainter* painter, const QRectF& target) {
    if (!owned || laidOut.isEmpty()) return;
    painter->save();
    painter->translate(target.topLeft());
    painter->scale(target.width() / laidOut.width(), target.height() / laidOut.height());
    RenderChart(owned.get(), painter, QRectF(QPointF(0, 0), laidOut));
    painter->restore();
  };
}
