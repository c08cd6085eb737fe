// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Uncertainty" window: the project's input distributions in an editor,
// a Monte Carlo run on a worker thread with progress and Cancel, and per
// result the class probabilities, a histogram of the ratio on a log axis
// coloured by class, and the inputs ranked by their influence.
//
// The distributions belong to the project and are edited in place; the
// results of a run are not kept with the project.
#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "engine/chain.h"
#include "engine/montecarlo.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class RatioHistogram;

// A finished run with the inputs it was drawn from, so that a page showing
// its probabilities can tell when they no longer belong to the project.
struct UncertaintyRecord {
  std::shared_ptr<const UncertaintyRun> run;
  Aquifer aquifer{};
  int16_t approximateDispersivity = 0;
  std::vector<Contaminant> contaminants;
  std::vector<DecayChain> chains;  // a chain species' probabilities come from its chain
  UncertaintyPlan plan;
  AssessmentRange plumeLengthRange{}, attenuationRange{};
  UncertaintyModel verdictBasis = UncertaintyModel::Screening;

  // Whether the project's inputs, distributions, ranges and verdict basis
  // are still those of the run.
  bool Holds(const Project& project, const UncertaintyOptions& options) const;
  // "G 0.83 · Y 0.15 · R 0.02" for one assessment of a contaminant (under
  // the verdict basis for an attenuation factor); empty when it has none.
  QString Probabilities(int contaminantIndex, bool plumeLength) const;
};

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
  bool running() const { return worker_.joinable(); }
  // The last run that completed, or null.
  std::shared_ptr<const UncertaintyRun> lastRun() const { return lastRun_; }
  // The same with the inputs it was drawn from.
  std::shared_ptr<const UncertaintyRecord> lastRecord() const { return lastRecord_; }

  // Adds one row to the editor (for a lognormal offered from site data).
  void AddDistribution(const InputDistribution& distribution);
  // The problems of the current distributions, in words.
  const std::vector<std::string>& problems() const { return problems_; }

  QTableWidget* distributionsTable() const { return distributions_; }
  QTableWidget* resultsTable() const { return results_; }
  QTableWidget* rankingTable() const { return ranking_; }
  RatioHistogram* histogram() const { return histogram_; }
  QPushButton* runButton() const { return runButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QProgressBar* progressBar() const { return progress_; }
  QLabel* problemsLabel() const { return problemsLabel_; }

 signals:
  // A run completed; its results are in lastRun().
  void runFinished();
  // The distributions, the number of samples or the seed changed.
  void planChanged();

 protected:
  void reject() override;

 private:
  void addRow(const InputDistribution& distribution);
  // offer: the input or contaminant was just chosen, so a lambda the site's
  // wells give with an interval fills the row.
  void rowChanged(int row, bool offer = false);
  void offerSiteLambda(int row);
  void readPlan();
  void finish(std::shared_ptr<UncertaintyRun> run);
  void fillResults();
  void showRow(int row);
  void setRunning(bool running);

  const Project* project_;
  UncertaintyPlan* plan_;
  UncertaintyOptions options_;
  std::vector<std::string> problems_;
  std::vector<std::string> formProblems_;
  std::shared_ptr<const UncertaintyRun> lastRun_;
  std::shared_ptr<const UncertaintyRecord> lastRecord_;
  std::shared_ptr<UncertaintyRecord> pending_;
  std::thread worker_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  bool filling_ = false;

  QTableWidget* distributions_ = nullptr;
  QSpinBox* samples_ = nullptr;
  QLineEdit* seed_ = nullptr;
  QLabel* problemsLabel_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTableWidget* results_ = nullptr;
  QTableWidget* ranking_ = nullptr;
  QLabel* rowHeading_ = nullptr;
  RatioHistogram* histogram_ = nullptr;
};
