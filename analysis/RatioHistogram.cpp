// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/RatioHistogram.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include "platform/DecimalSign.h"

namespace {

constexpr int kBinCount = 40;
const QColor kGreen(76, 160, 76);
const QColor kYellow(230, 190, 40);
const QColor kRed(214, 69, 65);

QString Number(double v, QChar sign) {
  const QString text = QString::number(v, 'g', 3);
  return sign.isNull() ? ShownNumbers(text) : WithDecimalSign(text, sign);
}

}  // namespace

RatioHistogram::RatioHistogram(QWidget* parent) : QWidget(parent) {
  setMinimumSize(320, 180);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RatioHistogram::setData(RatioHistogramData data) {
  data_ = std::move(data);
  update();
}

RatioHistogram::Bins RatioHistogram::Count(const RatioHistogramData& data, int binCount) {
  Bins bins;
  // The axis spans the drawn ratios and both class bounds, so that the
  // bounds are always in sight.
  double low = std::log10(data.range.lower), high = std::log10(data.range.upper);
  for (double v : data.sortedRatios) {
    if (v > 0.0 && std::isfinite(v)) {
      low = std::min(low, std::log10(v));
      high = std::max(high, std::log10(v));
    }
  }
  low -= 0.1;
  high += 0.1;
  bins.firstEdge = low;
  bins.width = (high - low) / binCount;
  bins.green.assign(static_cast<size_t>(binCount), 0);
  bins.yellow.assign(static_cast<size_t>(binCount), 0);
  bins.red.assign(static_cast<size_t>(binCount), 0);
  for (double v : data.sortedRatios) {
    if (!(v > 0.0)) {
      ++bins.nothingArrives;
      continue;
    }
    if (!std::isfinite(v)) {
      ++bins.undefined;
      continue;
    }
    const int bin = std::clamp(static_cast<int>((std::log10(v) - low) / bins.width), 0, binCount - 1);
    // The class as the results page reads it from the ratio: the bounds
    // themselves belong to the better class.
    std::vector<int>& to = v <= data.range.lower   ? bins.green
                           : v <= data.range.upper ? bins.yellow
                                                   : bins.red;
    ++to[static_cast<size_t>(bin)];
  }
  return bins;
}

void RatioHistogram::Paint(QPainter& painter, const QRectF& area, const RatioHistogramData& data) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(area, Qt::white);
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height();
  const QRectF plot =
      area.adjusted(metrics.horizontalAdvance(QStringLiteral("00000")) + 8, line + 6, -10, -(3.2 * line + 6));
  const Bins bins = Count(data, kBinCount);
  int most = 1;
  for (int k = 0; k < kBinCount; ++k) {
    const size_t b = static_cast<size_t>(k);
    most = std::max(most, bins.green[b] + bins.yellow[b] + bins.red[b]);
  }
  const double lastEdge = bins.firstEdge + bins.width * kBinCount;
  auto xOf = [&](double log10Value) {
    return plot.left() + (log10Value - bins.firstEdge) / (lastEdge - bins.firstEdge) * plot.width();
  };
  auto yOf = [&](double count) { return plot.bottom() - count / most * plot.height(); };

  // The bars, each split by class from the bottom: Green, Yellow, Red.
  for (int k = 0; k < kBinCount; ++k) {
    const size_t b = static_cast<size_t>(k);
    const double left = xOf(bins.firstEdge + bins.width * k),
                 right = xOf(bins.firstEdge + bins.width * (k + 1));
    double base = 0.0;
    for (const auto& [counts, colour] :
         {std::pair{&bins.green, kGreen}, std::pair{&bins.yellow, kYellow}, std::pair{&bins.red, kRed}}) {
      const int n = (*counts)[b];
      if (n == 0) continue;
      painter.fillRect(QRectF(QPointF(left, yOf(base + n)), QPointF(right - 1, yOf(base))), colour);
      base += n;
    }
  }

  // Axes: decades along the bottom, counts up the side.
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  // Every decade gets a tick; labels only as many as fit side by side.
  const int firstDecade = static_cast<int>(std::ceil(bins.firstEdge));
  const double decadeWidth = plot.width() / (lastEdge - bins.firstEdge);
  const int labelEvery =
      std::max(1, static_cast<int>(std::ceil(metrics.horizontalAdvance(QStringLiteral("1e-300")) /
                                             std::max(decadeWidth, 1.0))));
  for (int decade = firstDecade; decade <= std::floor(lastEdge); ++decade) {
    const double x = xOf(decade);
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    if ((decade - firstDecade) % labelEvery != 0) continue;
    const QString label = Number(std::pow(10.0, decade), data.decimalSign);
    painter.drawText(QRectF(x - 60, plot.bottom() + 4, 120, line), Qt::AlignHCenter | Qt::AlignTop, label);
  }
  painter.drawText(QRectF(area.left(), plot.top() - line / 2, plot.left() - area.left() - 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
  painter.drawText(QRectF(area.left(), plot.bottom() - line / 2, plot.left() - area.left() - 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
  painter.drawText(QRectF(plot.left(), plot.bottom() + line + 4, plot.width(), line), Qt::AlignHCenter,
                   data.plumeLength ? tr("d/x (log scale)") : tr("C0/C (log scale)"));

  // The class bounds, dashed, with their values.
  painter.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
  // The lower bound's value stands left of its line, the upper's right, so
  // that close bounds keep their labels apart.
  for (double bound : {data.range.lower, data.range.upper}) {
    const double x = xOf(std::log10(bound));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const bool lower = bound == data.range.lower;
    const QRectF label =
        lower ? QRectF(x - 83, area.top() + 2, 80, line) : QRectF(x + 3, area.top() + 2, 80, line);
    painter.drawText(label, (lower ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                     Number(bound, data.decimalSign));
  }
  painter.setPen(Qt::black);
  QStringList apart;
  if (bins.nothingArrives) apart << tr("%1 with nothing arriving (Green)").arg(bins.nothingArrives);
  if (bins.undefined) apart << tr("%1 undefined (Red)").arg(bins.undefined);
  if (!apart.isEmpty())
    painter.drawText(QRectF(plot.left(), plot.bottom() + 2 * line + 4, plot.width(), line), Qt::AlignLeft,
                     tr("Not drawn: %1").arg(apart.join(QStringLiteral(", "))));
  painter.restore();
}

void RatioHistogram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter, rect(), data_);
}
