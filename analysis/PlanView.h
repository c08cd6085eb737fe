// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The screening plume seen from above: C/C0 over the distance s from the
// source and the lateral distance y at the water table (z = 0), coloured on a
// logarithmic scale, with the contour C = CA, the source and the receptor.
// The picture is sampled once per contaminant and then painted into any
// rectangle of any painter (widget, image, SVG).
#pragma once

#include <QImage>
#include <QLineF>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "analysis/PlumeProfile.h"

class QFontMetricsF;
class QPainter;
struct PlumeProfile;

class PlanViewPicture {
 public:
  static constexpr int kColumns = 240;
  static constexpr int kRows = 101;  // odd: the middle row is the centre line

  // Samples `profile.plan` over (0, sMax] x [-yMax, yMax]; the colour scale
  // runs from `lower` (a power of ten below 1) to 1.
  void setProfile(const PlumeProfile& profile, double lower);
  void clear();
  bool isEmpty() const { return field_.isNull(); }

  void paint(QPainter& painter, const QRectF& target) const;
  // Puts the plot between `left` and `right` (from the target's left edge)
  // when they leave room for the axis labels and the legend, so that the
  // plan lines up with a chart above it; not numbers: automatic.
  void setPlotSpan(double left, double right);
  std::pair<double, double> plotSpan() const { return {spanLeft_, spanRight_}; }
  // Room the legend needs right of the plot, in the painter's font.
  static double legendRoom(const QFontMetricsF& metrics);

  // What was sampled, for those who check the picture.
  const QImage& field() const { return field_; }
  const std::vector<QLineF>& contour() const { return contour_; }  // in (s, y)
  double valueAt(int column, int row) const { return values_[static_cast<size_t>(row) * kColumns + column]; }
  double sAt(int column) const { return sMax_ * (column + 0.5) / kColumns; }
  double yAt(int row) const { return yMax_ * (1.0 - 2.0 * (row + 0.5) / kRows); }
  // Colour of a value on the scale; white below it.
  QColor colourOf(double value) const;
  // The sample under a point of the last painted rectangle: its s, y and
  // C/C0. False outside the plot.
  bool sampleAt(QPointF point, double* s, double* y, double* value) const;

 private:
  void traceContour();

  QString title_;
  double sMax_ = 1.0;
  double yMax_ = 1.0;
  double x_ = 0.0;
  double caRatio_ = 0.0;
  double sourceHalfWidth_ = 0.0;
  double lower_ = 1e-6;
  std::vector<double> values_;
  std::vector<PlumeProfile::FieldPoint> wells_;  // the site's wells with their measurements
  QImage field_;
  std::vector<QLineF> contour_;
  mutable QRectF plot_;  // where the last paint put the samples
  double spanLeft_ = std::numeric_limits<double>::quiet_NaN();
  double spanRight_ = std::numeric_limits<double>::quiet_NaN();
};

// The picture in a widget.
class PlanViewWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PlanViewWidget(QWidget* parent = nullptr);
  PlanViewPicture& picture() { return picture_; }
  // Call after changing the picture: repaints it.
  void pictureChanged();
  // As PlanViewPicture::setPlotSpan, in this widget's coordinates.
  void setPlotSpan(double left, double right);
  QSize sizeHint() const override { return {760, 300}; }
  QSize minimumSizeHint() const override { return {360, 150}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  PlanViewPicture picture_;
  QPixmap cache_;
};
