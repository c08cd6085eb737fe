// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The centre-line chart of one contaminant as the report draws it: the
// screening and the exact C/C0 along the plume axis, the acceptable level
// CA/C0 and the receptor at x. Drawn with the painter it is given, so on a
// PDF or a printer it stays vector graphics.
#pragma once

#include <QChar>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <memory>

#include "engine/project/records.h"

class QChart;
class QPainter;

// The lines of a centre-line chart: C/C0 of the screening model and of the
// exact solution at their points along the axis, up to `right`, a quarter
// beyond the receptor; values too small to show are left out. Empty, with
// `right` 0, without a receptor distance.
struct CentreLineChartPoints {
  QList<QPointF> screening, exact;
  double right = 0.0;
};
CentreLineChartPoints CentreLineChartPointsOf(const Aquifer& aquifer, double lambda);

// Draws the charts of a report one after another with one chart object,
// whose lines and axes are refilled for each contaminant: a report of
// hundreds of contaminants would otherwise spend most of its time building
// charts.
class ReportChartPainter {
 public:
  // `decimalSign` is the sign the report writes numbers with; the axes
  // and the title follow it.
  explicit ReportChartPainter(QChar decimalSign = QLatin1Char('.'));
  ~ReportChartPainter();
  ReportChartPainter(const ReportChartPainter&) = delete;
  ReportChartPainter& operator=(const ReportChartPainter&) = delete;

  // Paints the chart of `contaminant` in `aquifer` into `target` (in the
  // painter's coordinates, which the report lays out in points). Returns
  // false, painting nothing, when there is no line to draw.
  bool paint(const Aquifer& aquifer, const Contaminant& contaminant, QPainter* painter, const QRectF& target);

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  QChar decimalSign_;
};

// A chart of a section as the document paints it: drawn into the rectangle
// the layout gives it, with whatever painter paints the page, so that on a
// PDF its lines and lettering stay paths and text.
using ReportDrawing = std::function<void(QPainter*, const QRectF&)>;

// A chart (the drawing takes it over) laid out at `laidOut`, the size its
// fonts and lines were chosen for, and scaled from there into the target:
// the chart keeps its proportions of lettering to lines at any size.
ReportDrawing ChartDrawing(QChart* chart, const QSizeF& laidOut);
