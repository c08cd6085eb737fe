// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The histogram of one row's ratios from an uncertainty run, on a log axis,
// each bar split by class and the class bounds drawn across. The same
// drawing serves the Uncertainty window and the report.
#pragma once

#include <QChar>
#include <QWidget>
#include <vector>

#include "engine/project/assessment.h"

class QPainter;

struct RatioHistogramData {
  std::vector<double> sortedRatios;  // as the run keeps them: 0 nothing arrives, +inf undefined
  AssessmentRange range{0.3, 2.0};
  bool plumeLength = true;  // names the axis "d/x", else "C0/C"
  QChar decimalSign;        // the numbers' sign; null: the windows' own
};

class RatioHistogram : public QWidget {
  Q_OBJECT
 public:
  explicit RatioHistogram(QWidget* parent = nullptr);
  void setData(RatioHistogramData data);
  const RatioHistogramData& data() const { return data_; }

  // The bars: bin edges in log10 of the ratio, and per bin the number of
  // samples in each class (Green, Yellow, Red). Samples with ratio 0 or an
  // undefined ratio are counted apart.
  struct Bins {
    double firstEdge = 0.0, width = 0.0;  // log10
    std::vector<int> green, yellow, red;
    int nothingArrives = 0, undefined = 0;
  };
  static Bins Count(const RatioHistogramData& data, int binCount);

  // Draws the histogram into `area` of any paint device.
  static void Paint(QPainter& painter, const QRectF& area, const RatioHistogramData& data);

  QSize sizeHint() const override { return {460, 240}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RatioHistogramData data_;
};
