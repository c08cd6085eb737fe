// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The modal "Robustness" view of one assessment of one result: for each
// input the current value, the values at which the class would change and
// their factors to the current value, nearest first, beside a tornado chart
// of those factors on a log scale.
#pragma once

#include <QDialog>
#include <QString>

#include "engine/core/breakeven.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QChart;
class QChartView;

class RobustnessDialog : public QDialog {
  Q_OBJECT
 public:
  // Shows the result at resultIndex of project, its plume length or its
  // attenuation factor, against kAssessmentRanges[rangeIndex]. The project
  // is read again on every Refresh, so the view never shows stale values.
  RobustnessDialog(const Project* project, int resultIndex, bool plumeLength, int rangeIndex,
                   QWidget* parent = nullptr);

  // Recomputes everything from the project's current inputs and range.
  void Refresh();

  int rangeIndex() const;
  const BreakEvenTable& breakEvens() const { return table_; }  // inputs in the shown order
  QTableWidget* table() const { return tableWidget_; }
  QChart* chart() const { return chart_; }
  QLabel* verdictLabel() const { return verdict_; }

  // Two significant digits after a multiplication sign: "×0.31", "×4.2".
  static QString factorText(double factor);

 signals:
  // The user chose another assessment range in the view; the results page
  // follows it.
  void rangeChosen(int rangeIndex);

 private:
  void fillTable();
  void fillChart();

  const Project* project_;
  int resultIndex_;
  bool plumeLength_;
  BreakEvenTable table_;
  QLabel* icon_ = nullptr;
  QLabel* heading_ = nullptr;
  QLabel* verdict_ = nullptr;
  QComboBox* rangeCombo_ = nullptr;
  QTableWidget* tableWidget_ = nullptr;
  QChartView* chartView_ = nullptr;
  QChart* chart_ = nullptr;
};
