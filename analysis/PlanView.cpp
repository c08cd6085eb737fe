// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/PlanView.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/PlumeProfile.h"
#include "platform/DecimalSign.h"

namespace {

// Ticks at 1, 2 or 5 times a power of ten, at most about `count` of them.
std::vector<double> niceTicks(double lo, double hi, int count) {
  std::vector<double> ticks;
  if (!(hi > lo) || count < 1) return ticks;
  const double rough = (hi - lo) / count;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  double step = magnitude;
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * magnitude >= rough) {
      step = m * magnitude;
      break;
    }
  for (double t = std::ceil(lo / step) * step; t <= hi + step * 1e-9; t += step)
    ticks.push_back(std::fabs(t) < step * 1e-9 ? 0.0 : t);
  return ticks;
}

QString tickText(double v) {
  return QString::number(v, 'g', 6);
}

// Pale where little arrives, dark red where the plume is strong.
constexpr std::array<QRgb, 6> kScale = {0xfff7dc, 0xfde38a, 0xf9a94a, 0xe0602e, 0xae2335, 0x5a0f3c};

// The scale in 256 steps, interpolated once.
const std::array<QRgb, 256>& scaleTable() {
  static const std::array<QRgb, 256> table = [] {
    std::array<QRgb, 256> t{};
    for (size_t k = 0; k < t.size(); ++k) {
      const double at = static_cast<double>(k) / (t.size() - 1) * (kScale.size() - 1);
      const size_t i = std::min(static_cast<size_t>(at), kScale.size() - 2);
      const double f = at - static_cast<double>(i);
      auto mix = [f](int a, int b) { return static_cast<int>(std::lround(a + f * (b - a))); };
      t[k] = qRgb(mix(qRed(kScale[i]), qRed(kScale[i + 1])), mix(qGreen(kScale[i]), qGreen(kScale[i + 1])),
                  mix(qBlue(kScale[i]), qBlue(kScale[i + 1])));
    }
    return t;
  }();
  return table;
}

}  // namespace

QColor PlanViewPicture::colourOf(double value) const {
  if (!(value >= lower_)) return Qt::white;
  const double t = std::clamp(std::log10(value / lower_) / -std::log10(lower_), 0.0, 1.0);
  return QColor(scaleTable()[static_cast<size_t>(std::lround(t * 255.0))]);
}

void PlanViewPicture::clear() {
  values_.clear();
  contour_.clear();
  wells_.clear();
  field_ = QImage();
  title_.clear();
}

void PlanViewPicture::setProfile(const PlumeProfile& profile, double lower) {
  title_ =
      QCoreApplication::translate("PlanViewWidget", "%1: screening plume in plan at the water table (z = 0)")
          .arg(profile.name);
  sMax_ = profile.sMax > 0.0 ? profile.sMax : 1.0;
  yMax_ = profile.yMax > 0.0 ? profile.yMax : 1.0;
  x_ = profile.x;
  caRatio_ = profile.caRatio;
  sourceHalfWidth_ = profile.sourceHalfWidth;
  wells_ = profile.field;
  lower_ = (lower > 0.0 && lower < 1.0) ? lower : 1e-6;
  values_.assign(static_cast<size_t>(kColumns) * kRows, 0.0);
  field_ = QImage(kColumns, kRows, QImage::Format_RGB32);
  // The plume is symmetric about the centre line: sample one half and mirror.
  for (int column = 0; column < kColumns; ++column) {
    const double s = sAt(column);
    for (int row = 0; row <= kRows / 2; ++row) {
      const double v = profile.plan ? profile.plan(s, yAt(row)) : 0.0;
      const QRgb colour = colourOf(v).rgb();
      for (int r : {row, kRows - 1 - row}) {
        values_[static_cast<size_t>(r) * kColumns + column] = v;
        field_.setPixel(column, r, colour);
      }
    }
  }
  traceContour();
}

void PlanViewPicture::traceContour() {
  // Marching squares between the sample points, interpolated in the
  // logarithm of the concentration, where the plume's edge is smooth.
  contour_.clear();
  if (!(caRatio_ > 0.0)) return;
  const double level = std::log10(caRatio_);
  std::vector<double> logs(values_.size());
  for (size_t i = 0; i < values_.size(); ++i) logs[i] = values_[i] > 0.0 ? std::log10(values_[i]) : -400.0;
  auto logAt = [&logs](int c, int r) { return logs[static_cast<size_t>(r) * kColumns + c]; };
  auto pointOn = [&](int c0, int r0, int c1, int r1) {
    const double a = logAt(c0, r0);
    const double b = logAt(c1, r1);
    const double f = (a == b) ? 0.5 : std::clamp((level - a) / (b - a), 0.0, 1.0);
    return QPointF(sAt(c0) + f * (sAt(c1) - sAt(c0)), yAt(r0) + f * (yAt(r1) - yAt(r0)));
  };
  for (int r = 0; r + 1 < kRows; ++r) {
    for (int c = 0; c + 1 < kColumns; ++c) {
      // Corners in order around the cell; an edge is crossed where its ends
      // lie on different sides of the level.
      const int corner[4][2] = {{c, r}, {c + 1, r}, {c + 1, r + 1}, {c, r + 1}};
      QPointF crossing[4];
      int count = 0;
      for (int e = 0; e < 4; ++e) {
        const auto& p = corner[e];
        const auto& q = corner[(e + 1) % 4];
        if ((logAt(p[0], p[1]) >= level) != (logAt(q[0], q[1]) >= level))
          crossing[count++] = pointOn(p[0], p[1], q[0], q[1]);
      }
      if (count == 2) {
        contour_.emplace_back(crossing[0], crossing[1]);
      } else if (count == 4) {
        // A saddle: the mean of the corners decides which pairs belong together.
        const double mean = (logAt(c, r) + logAt(c + 1, r) + logAt(c + 1, r + 1) + logAt(c, r + 1)) / 4.0;
        const bool firstInside = logAt(c, r) >= level;
        if ((mean >= level) == firstInside) {
          contour_.emplace_back(crossing[0], crossing[1]);
          contour_.emplace_back(crossing[2], crossing[3]);
        } else {
          contour_.emplace_back(crossing[0], crossing[3]);
          contour_.emplace_back(crossing[1], crossing[2]);
        }
      }
    }
  }
}

namespace {

// The titles of the two axes: s below the plot, y turned along its left side.
void DrawAxisTitles(QPainter& painter, const QRectF& plot, const QRectF& target, double line) {
  painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.4, plot.width(), line), Qt::AlignCenter,
                   QCoreApplication::translate("PlanViewWidget", "Distance from the source s [m]"));
  painter.save();
  painter.translate(target.left() + line * 0.2, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-target.height() / 2, 0, target.height(), line), Qt::AlignCenter,
                   QCoreApplication::translate("PlanViewWidget", "Lateral distance y [m]"));
  painter.restore();
}

}  // namespace

void PlanViewPicture::paint(QPainter& painter, const QRectF& target) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.fillRect(target, Qt::white);
  painter.setClipRect(target);
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double line = metrics.height();
  const QColor ink(0x30, 0x30, 0x30);
  painter.setPen(ink);

  if (isEmpty()) {
    painter.drawText(target, Qt::AlignCenter,
                     QCoreApplication::translate("PlanViewWidget", "No plume to show"));
    painter.restore();
    return;
  }

  QFont titleFont = painter.font();
  titleFont.setBold(true);
  const std::vector<double> yTicks = niceTicks(-yMax_, yMax_, 4);
  double yLabelWidth = 0.0;
  for (double t : yTicks) yLabelWidth = std::max(yLabelWidth, metrics.horizontalAdvance(tickText(t)));
  const double legendWidth = legendRoom(metrics) - line;
  const double leftRoom = line * 1.4 + yLabelWidth + 6;
  QRectF plot(target.left() + leftRoom, target.top() + line * 1.8,
              target.width() - leftRoom - legendWidth - line, target.height() - line * 1.8 - line * 2.8);
  if (spanLeft_ >= leftRoom && spanRight_ <= target.width() - legendWidth - line &&
      spanRight_ - spanLeft_ > 40) {
    plot.setLeft(target.left() + spanLeft_);
    plot.setRight(target.left() + spanRight_);
  }
  plot_ = plot;
  if (plot.width() < 20 || plot.height() < 20) {
    painter.restore();
    return;
  }

  painter.save();
  painter.setFont(titleFont);
  painter.drawText(QRectF(target.left(), target.top(), target.width(), line * 1.6), Qt::AlignCenter, title_);
  painter.restore();

  // Maps (s, y) to the plot: s grows to the right, y upwards.
  auto toPlot = [&](double s, double y) {
    return QPointF(plot.left() + s / sMax_ * plot.width(),
                   plot.center().y() - y / yMax_ * plot.height() / 2.0);
  };

  painter.drawImage(plot, field_);

  // The source: a bar across its width at s = 0.
  if (sourceHalfWidth_ > 0.0) {
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 5.0, Qt::SolidLine, Qt::FlatCap));
    const double half = std::min(sourceHalfWidth_, yMax_);
    painter.drawLine(toPlot(0.0, half) + QPointF(2.5, 0), toPlot(0.0, -half) + QPointF(2.5, 0));
  }

  // The contour C = CA.
  QPainterPath contour;
  for (const QLineF& segment : contour_) {
    contour.moveTo(toPlot(segment.x1(), segment.y1()));
    contour.lineTo(toPlot(segment.x2(), segment.y2()));
  }
  painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(contour);

  // The monitoring wells with their measurements: filled where detected.
  for (const PlumeProfile::FieldPoint& w : wells_) {
    if (w.s > sMax_ || std::fabs(w.y) > yMax_) continue;
    const QPointF at = toPlot(w.s, w.y);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(w.nonDetect ? QBrush(Qt::white) : QBrush(Qt::black));
    painter.drawEllipse(at, line * 0.22, line * 0.22);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ink);
    painter.drawText(at + QPointF(line * 0.3, -line * 0.25), w.well);
  }

  // The receptor on the centre line.
  const QPointF receptor = toPlot(x_, 0.0);
  const bool receptorShown = x_ >= 0.0 && x_ <= sMax_;
  auto drawReceptor = [&painter](QPointF at, double size) {
    QPolygonF mark;
    mark << at + QPointF(0, -size) << at + QPointF(size, 0) << at + QPointF(0, size)
         << at + QPointF(-size, 0);
    painter.setPen(QPen(Qt::black, 1.4));
    painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
    painter.drawPolygon(mark);
    painter.setBrush(Qt::NoBrush);
  };
  if (receptorShown) {
    drawReceptor(receptor, line * 0.45);
    painter.setPen(ink);
    const QString label = QCoreApplication::translate("PlanViewWidget", "Receptor");
    const double w = metrics.horizontalAdvance(label);
    QRectF box(receptor.x() - w / 2 - 3, receptor.y() - line * 1.7, w + 6, line);
    box.moveLeft(std::clamp(box.left(), plot.left() + 1, plot.right() - box.width() - 1));
    painter.fillRect(box, QColor(255, 255, 255, 200));
    painter.drawText(box, Qt::AlignCenter, label);
  }

  // Frame and axes.
  painter.setPen(QPen(ink, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  for (double t : niceTicks(0.0, sMax_, std::max(2, static_cast<int>(plot.width() / (line * 5))))) {
    const QPointF at = toPlot(t, -yMax_);
    painter.drawLine(at, at + QPointF(0, 4));
    const QString text = tickText(t);
    const double w = metrics.horizontalAdvance(text);
    painter.drawText(QRectF(at.x() - w / 2 - 2, at.y() + 5, w + 4, line), Qt::AlignCenter, text);
  }
  for (double t : yTicks) {
    const QPointF at = toPlot(0.0, t);
    painter.drawLine(at, at - QPointF(4, 0));
    painter.drawText(QRectF(at.x() - 6 - yLabelWidth, at.y() - line / 2, yLabelWidth, line),
                     Qt::AlignRight | Qt::AlignVCenter, tickText(t));
  }
  DrawAxisTitles(painter, plot, target, line);

  // Legend: the colour scale by decades, then the contour and the receptor.
  const double barLeft = plot.right() + line;
  const double decades = -std::log10(lower_);
  const double barTop = plot.top() + line * 1.2;
  const double barHeight = std::max(line * 3, plot.height() - line * 4.6);
  painter.drawText(QRectF(barLeft, plot.top(), legendWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("C/C0"));
  const int steps = 64;
  for (int i = 0; i < steps; ++i) {
    const double t = (i + 0.5) / steps;
    painter.fillRect(
        QRectF(barLeft, barTop + barHeight * (1.0 - (i + 1.0) / steps), line * 0.9, barHeight / steps + 0.5),
        colourOf(lower_ * std::pow(10.0, t * decades)));
  }
  painter.setPen(QPen(ink, 1.0));
  painter.drawRect(QRectF(barLeft, barTop, line * 0.9, barHeight));
  const int labelEvery = std::max(1, static_cast<int>(std::ceil((decades + 1) * line / barHeight)));
  // Labelled from the top, so that 1 is always among the labels.
  for (int k = static_cast<int>(std::lround(decades)); k >= 0; k -= labelEvery) {
    const double y = barTop + barHeight * (1.0 - k / decades);
    painter.drawLine(QPointF(barLeft + line * 0.9, y), QPointF(barLeft + line * 0.9 + 3, y));
    painter.drawText(QRectF(barLeft + line * 0.9 + 5, y - line / 2, legendWidth, line),
                     Qt::AlignLeft | Qt::AlignVCenter, tickText(lower_ * std::pow(10.0, k)));
  }
  const double entryTop = barTop + barHeight + line * 0.6;
  painter.setPen(QPen(Qt::black, 1.8));
  painter.drawLine(QPointF(barLeft, entryTop + line / 2), QPointF(barLeft + line * 1.2, entryTop + line / 2));
  painter.setPen(ink);
  painter.drawText(QRectF(barLeft + line * 1.5, entryTop, legendWidth, line),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("C = CA"));
  drawReceptor(QPointF(barLeft + line * 0.6, entryTop + line * 1.5), line * 0.4);
  painter.setPen(ink);
  painter.drawText(QRectF(barLeft + line * 1.5, entryTop + line, legendWidth, line),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("PlanViewWidget", "Receptor"));
  painter.restore();
}

double PlanViewPicture::legendRoom(const QFontMetricsF& metrics) {
  return std::max(metrics.horizontalAdvance(QCoreApplication::translate("PlanViewWidget", "Receptor ")),
                  metrics.horizontalAdvance(QStringLiteral("0.0001"))) +
         metrics.height() * 3.6;
}

void PlanViewPicture::setPlotSpan(double left, double right) {
  spanLeft_ = left;
  spanRight_ = right;
}

void PlanViewWidget::setPlotSpan(double left, double right) {
  if (picture_.plotSpan() == std::pair(left, right)) return;
  picture_.setPlotSpan(left, right);
  pictureChanged();
}

bool PlanViewPicture::sampleAt(QPointF point, double* s, double* y, double* value) const {
  if (isEmpty() || !plot_.contains(point)) return false;
  const int column =
      std::clamp(static_cast<int>((point.x() - plot_.left()) / plot_.width() * kColumns), 0, kColumns - 1);
  const int row =
      std::clamp(static_cast<int>((point.y() - plot_.top()) / plot_.height() * kRows), 0, kRows - 1);
  *s = sAt(column);
  *y = yAt(row);
  *value = valueAt(column, row);
  return true;
}

PlanViewWidget::PlanViewWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PlanViewWidget::mouseMoveEvent(QMouseEvent* event) {
  double s = 0.0;
  double y = 0.0;
  double value = 0.0;
  if (picture_.sampleAt(event->position(), &s, &y, &value))
    QToolTip::showText(event->globalPosition().toPoint(),
                       ShownNumbers(QStringLiteral("s = %1 m, y = %2 m: C/C0 = %3")
                                        .arg(QString::number(s, 'g', 4), QString::number(y, 'g', 3),
                                             QString::number(value, 'E', 2))),
                       this);
  else
    QToolTip::hideText();
  QWidget::mouseMoveEvent(event);
}

void PlanViewWidget::pictureChanged() {
  cache_ = QPixmap();
  update();
}

void PlanViewWidget::paintEvent(QPaintEvent*) {
  // Painted once per picture and size; uncovering or repainting the window
  // then only copies the pixels.
  const qreal ratio = devicePixelRatioF();
  if (cache_.isNull() || cache_.size() != size() * ratio) {
    cache_ = QPixmap(size() * ratio);
    cache_.setDevicePixelRatio(ratio);
    QPainter painter(&cache_);
    painter.setFont(font());
    picture_.paint(painter, QRectF(QPointF(0, 0), QSizeF(size())));
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, cache_);
}
