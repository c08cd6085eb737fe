// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Time window: for each contaminant assessed by the attenuation factor,
// the breakthrough curve at the receptor under both models, the centre line
// at a time the user picks, the timing table of all of them and the inputs
// they rest on (R with its basis, the decay convention, the source).
#pragma once

#include <QDialog>
#include <vector>

#include "analysis/RunController.h"
#include "engine/project/records.h"
#include "engine/time/timeinputs.h"

class QChartView;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTableView;
class TimingTableModel;

// Opens the window modally (through the Platform) over the project.
void RunTimeWindow(const Project& project, QWidget* parent);

class TimeWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPoints = 200;
  static constexpr int kSliderSteps = 100;

  // Reads the project when constructed and starts the computation of every
  // contaminant's times and curve.
  explicit TimeWindow(const Project& project, QWidget* parent = nullptr);

  // Starts (again) the computation of all rows and curves.
  void run();

  QComboBox* contaminantBox() const { return contaminants_; }
  QSlider* timeSlider() const { return slider_; }
  QTableView* table() const { return table_; }
  TimingTableModel* model() const { return model_; }
  QChartView* breakthroughView() const { return breakthrough_; }
  QChartView* profileView() const { return profile_; }
  QLabel* inputsLabel() const { return inputs_; }
  QPushButton* runButton() const { return run_; }
  QPushButton* cancelButton() const { return cancel_; }
  RunController* controller() const { return controller_; }
  // The time the centre line is drawn at [d].
  double profileTime() const;

 private:
  struct Result {
    std::vector<TimingRow> rows;
    std::vector<std::vector<BreakthroughPoint>> curves;
    std::vector<double> until;
  };
  void showContaminant(int choice);
  void drawProfile();

  QString unit_;
  std::vector<TimeInputs> inputs_list_;  // the usable ones, in the chooser's order
  Result result_;
  bool haveResult_ = false;
  RunController* controller_ = nullptr;
  QComboBox* contaminants_ = nullptr;
  QLabel* inputs_ = nullptr;
  QLabel* status_ = nullptr;
  QChartView* breakthrough_ = nullptr;
  QChartView* profile_ = nullptr;
  QSlider* slider_ = nullptr;
  QLabel* sliderLabel_ = nullptr;
  QTableView* table_ = nullptr;
  TimingTableModel* model_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* run_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
