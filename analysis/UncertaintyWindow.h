// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Uncertainty" window: the project's input distributions in an editor
// (analysis/DistributionTableModel.h), a Monte Carlo run on a worker thread
// with progress and Cancel (analysis/RunController.h), and the results of
// the last run (analysis/UncertaintyResultsView.h).
//
// The distributions belong to the project and are edited in place; the
// results of a run are not kept with the project. A run whose inputs the
// project no longer holds when it ends is dropped.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "analysis/RunController.h"
#include "analysis/UncertaintyRecord.h"

class DistributionTableModel;
class QAbstractTableModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTableWidget;
class RatioHistogram;
class UncertaintyResultsView;

class UncertaintyWindow : public QDialog {
  Q_OBJECT
 public:
  // Edits *plan, the distributions of project, and runs them with options
  // (the project's ranges and verdict basis). Both must outlive the window.
  UncertaintyWindow(const Project* project, UncertaintyPlan* plan, UncertaintyOptions options,
                    QWidget* parent = nullptr);
  ~UncertaintyWindow() override;

  // Starts a run of the current distributions (nothing while one runs or
  // while they have problems).
  void Run();
  // Asks a run to stop; its results are dropped.
  void CancelRun();
  bool running() const { return controller_.running(); }
  // The last run that completed, or null.
  std::shared_ptr<const UncertaintyRun> lastRun() const { return lastRun_; }
  // The same with the inputs it was drawn from.
  std::shared_ptr<const UncertaintyRecord> lastRecord() const { return lastRecord_; }

  // Adds one row to the editor (for a lognormal offered from site data).
  void AddDistribution(const InputDistribution& distribution);
  // The problems of the current distributions, in words.
  const std::vector<std::string>& problems() const { return problems_; }

  QTableView* distributionsTable() const { return distributions_; }
  DistributionTableModel* distributionsModel() const { return model_; }
  QTableView* resultsTable() const;
  QAbstractTableModel* resultsModel() const;
  QTableWidget* rankingTable() const;
  RatioHistogram* histogram() const;
  QLabel* rowHeading() const;
  QPushButton* runButton() const { return runButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QProgressBar* progressBar() const { return progress_; }
  QLabel* problemsLabel() const { return problemsLabel_; }
  QSpinBox* samplesBox() const { return samples_; }

 signals:
  // A run completed; its results are in lastRun().
  void runFinished();
  // The distributions, the number of samples or the seed changed.
  void planChanged();

 protected:
  void reject() override;

 private:
  QWidget* buildEditor();
  void readPlan();
  void ended(RunController::Outcome outcome);
  void setRunning(bool running);

  const Project* project_;
  UncertaintyPlan* plan_;
  UncertaintyOptions options_;
  std::vector<std::string> problems_;
  std::shared_ptr<const UncertaintyRun> lastRun_;
  std::shared_ptr<const UncertaintyRecord> lastRecord_;
  bool fresh_ = false;  // the run that ended delivered a record

  DistributionTableModel* model_ = nullptr;
  QTableView* distributions_ = nullptr;
  QSpinBox* samples_ = nullptr;
  QLineEdit* seed_ = nullptr;
  QLabel* problemsLabel_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  UncertaintyResultsView* results_ = nullptr;
  // Last, so that it is destroyed first: its worker is stopped while the
  // window it reports to is whole.
  RunController controller_;
};
