// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Trends and redox" part of the Site data window: concentration against
// time at one well with its Mann-Kendall class, the trends of every well, the
// indicators' redox class per well and date, and the suggested redox
// condition, which reaches the aquifer only through "Apply to aquifer".
#pragma once

#include <QWidget>
#include <vector>

#include "engine/project/records.h"
#include "engine/project/redoxchange.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class SiteTrendsView : public QWidget {
  Q_OBJECT
 public:
  explicit SiteTrendsView(Project* project, QWidget* parent = nullptr);

  void Refresh();
  // Sets the aquifer's redox condition to the suggested one. When that
  // changes or takes away the preset decay constant of assessed
  // contaminants, it first asks whether to keep their present values; false
  // when the indicators suggest none or the user cancels.
  bool ApplyRedox();

  int suggestedRedox() const { return suggested_; }
  QComboBox* contaminantCombo() const { return contaminant_; }
  QComboBox* wellCombo() const { return well_; }
  QTableWidget* trendTable() const { return trendTable_; }
  QTableWidget* redoxTable() const { return redoxTable_; }
  QLabel* suggestionLabel() const { return suggestion_; }
  QPushButton* applyButton() const { return apply_; }
  // What the last "Apply to aquifer" did; hidden until then.
  QLabel* appliedLabel() const { return applied_; }
  QChartView* chartView() const { return chartView_; }

 signals:
  void projectChanged();

 private:
  void fillTrends();
  void showWell();
  QString AppliedText(const QString& to, const std::vector<RedoxLambdaChange>& changes,
                      RedoxPresetChoice choice) const;

  Project* project_;
  int suggested_ = 0;
  QComboBox* contaminant_ = nullptr;
  QComboBox* well_ = nullptr;
  QTableWidget* trendTable_ = nullptr;
  QTableWidget* redoxTable_ = nullptr;
  QLabel* suggestion_ = nullptr;
  QPushButton* apply_ = nullptr;
  QLabel* applied_ = nullptr;
  QChartView* chartView_ = nullptr;
  bool filling_ = false;
};
