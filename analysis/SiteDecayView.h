// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Decay constant" part of the Site data window: one contaminant's
// concentration-distance fit on one date, its numbers and warnings, and the
// button that makes its lambda the contaminant's user-defined decay constant.
#pragma once

#include <QWidget>

#include "engine/project/records.h"
#include "engine/site/sitefit.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;

class SiteDecayView : public QWidget {
  Q_OBJECT
 public:
  explicit SiteDecayView(Project* project, QWidget* parent = nullptr);

  void Refresh();
  // Sets the fit's lambda as the contaminant's user decay constant, selects
  // it and records its source. For a daughter in one of the project's
  // chains it first asks, since the fit gives an apparent rate. False when
  // the fit gives none, the project has no contaminant of that name or the
  // user declines.
  bool UseAsDecayConstant();

  const DistanceFit& fit() const { return fit_; }
  QComboBox* contaminantCombo() const { return contaminant_; }
  QComboBox* dateCombo() const { return date_; }
  QComboBox* levelCombo() const { return level_; }
  QLabel* numbersLabel() const { return numbers_; }
  QLabel* warningsLabel() const { return warnings_; }
  QPushButton* useButton() const { return use_; }
  QChartView* chartView() const { return chartView_; }

 signals:
  void projectChanged();

 private:
  void fillDates();
  void refit();
  bool UseSiteLambdaWouldApply() const;

  Project* project_;
  DistanceFit fit_;
  QComboBox* contaminant_ = nullptr;
  QComboBox* date_ = nullptr;
  QComboBox* level_ = nullptr;
  QLabel* numbers_ = nullptr;
  QLabel* warnings_ = nullptr;
  QPushButton* use_ = nullptr;
  QChartView* chartView_ = nullptr;
  bool filling_ = false;
};
