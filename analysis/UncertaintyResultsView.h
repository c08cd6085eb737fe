// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The results of the last uncertainty run: per row of the run its class
// probabilities, their standard error and the ratio's percentiles, and for
// the marked row a sentence, the histogram of its ratios on a log axis
// coloured by class, and its inputs ranked by their influence.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <memory>

#include "engine/uncertainty/montecarlo.h"

class QAbstractTableModel;
class QLabel;
class QTableView;
class QTableWidget;
class RatioHistogram;
class UncertaintyResultsModel;

class UncertaintyResultsView : public QGroupBox {
  Q_OBJECT
 public:
  explicit UncertaintyResultsView(QWidget* parent = nullptr);

  // Shows `run` (null: nothing) with its contaminants' names, one per
  // contaminant of the project, and each histogram against its side's
  // range in `options`; marks the first row.
  void Show(std::shared_ptr<const UncertaintyRun> run, const QStringList& contaminantNames,
            const UncertaintyOptions& options);
  // A sentence in place of the marked row's, after the results went.
  void ShowNote(const QString& note);

  QTableView* resultsTable() const { return results_; }
  QAbstractTableModel* resultsModel() const;
  QTableWidget* rankingTable() const { return ranking_; }
  RatioHistogram* histogram() const { return histogram_; }
  QLabel* rowHeading() const { return rowHeading_; }

 private:
  void showRow(int row);

  std::shared_ptr<const UncertaintyRun> run_;
  QStringList names_;
  UncertaintyOptions options_;
  UncertaintyResultsModel* model_ = nullptr;
  QTableView* results_ = nullptr;
  QLabel* rowHeading_ = nullptr;
  RatioHistogram* histogram_ = nullptr;
  QTableWidget* ranking_ = nullptr;
};
