// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/TimeWindow.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/TimeCharts.h"
#include "analysis/TimingTableModel.h"
#include "engine/case/projectcase.h"
#include "engine/project/extras.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

constexpr int kIdTimeWindow = 1800;
constexpr int kIdTimeContaminant = 1801;
constexpr int kIdTimeSlider = 1802;
constexpr int kIdTimeTable = 1803;

QChartView* NewChartView() {
  auto* view = new QChartView;
  view->setRenderHint(QPainter::Antialiasing);
  // Small enough that the table of all contaminants fits below both charts on
  // a laptop's 768 pixels.
  view->setMinimumSize(380, 200);
  return view;
}

// Gives the table the height of its header and `rows` rows (at most
// kRowsShown), so that the charts take the rest of a short screen and every
// contaminant's times show without scrolling.
void FitTableToRows(QTableView* table, int rows) {
  constexpr int kRowsShown = 8;
  const int shown = std::clamp(rows, 1, kRowsShown);
  const int height = table->horizontalHeader()->sizeHint().height() +
                     shown * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth() +
                     table->horizontalScrollBar()->sizeHint().height();
  table->setFixedHeight(height);
}

QTableView* NewTimingTable(TimingTableModel* model, int rows) {
  auto* table = new QTableView;
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setControlId(table, kIdTimeTable);
  FitTableToRows(table, rows);
  return table;
}

}  // namespace

void RunTimeWindow(const Project& project, QWidget* parent) {
  TimeWindow window(project, parent);
  Platform::instance().execDialog(&window);
}

TimeWindow::TimeWindow(const Project& project, QWidget* parent)
    : QDialog(parent), unit_(QString::fromStdString(virelo_SettingsOf(project).concentrationUnit)) {
  setWindowTitle(tr("Time"));
  setControlId(this, kIdTimeWindow);
  AnswerF1WithManual(this, kIdTimeWindow);
  for (TimeInputs& in : ProjectCase(project).TimeRows())
    if (in.usable) inputs_list_.push_back(std::move(in));

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("Contaminant:")));
  contaminants_ = new QComboBox;
  setControlId(contaminants_, kIdTimeContaminant);
  for (const TimeInputs& in : inputs_list_)
    contaminants_->addItem(contaminantNameOf(project, in.timing.name));
  top->addWidget(contaminants_, 1);
  layout->addLayout(top);
  inputs_ = new QLabel;
  inputs_->setWordWrap(true);
  inputs_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(inputs_);

  auto* charts = new QHBoxLayout;
  breakthrough_ = NewChartView();
  profile_ = NewChartView();
  charts->addWidget(breakthrough_);
  charts->addWidget(profile_);
  layout->addLayout(charts, 1);
  auto* sliderRow = new QHBoxLayout;
  sliderRow->addWidget(new QLabel(tr("Time:")));
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setRange(1, kSliderSteps);
  slider_->setValue(kSliderSteps / 2);
  setControlId(slider_, kIdTimeSlider);
  sliderRow->addWidget(slider_, 1);
  sliderLabel_ = new QLabel;
  sliderLabel_->setMinimumWidth(90);
  sliderRow->addWidget(sliderLabel_);
  layout->addLayout(sliderRow);

  model_ = new TimingTableModel(this);
  model_->setProject(&project);
  table_ = NewTimingTable(model_, static_cast<int>(inputs_list_.size()));
  layout->addWidget(table_);

  auto* bottom = new QHBoxLayout;
  status_ = new QLabel;
  status_->setWordWrap(true);
  bottom->addWidget(status_, 1);
  progress_ = new QProgressBar;
  progress_->setRange(0, 1000);
  bottom->addWidget(progress_);
  run_ = new QPushButton(tr("Run"));
  cancel_ = new QPushButton(tr("Cancel"));
  bottom->addWidget(run_);
  bottom->addWidget(cancel_);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
  for (QWidget* button : {static_cast<QWidget*>(run_), static_cast<QWidget*>(cancel_)})
    setControlId(button, kIdTimeWindow);
  for (QAbstractButton* button : close->buttons()) setControlId(button, kIdTimeWindow);
  bottom->addWidget(close);
  layout->addLayout(bottom);

  controller_ = new RunController(this);
  connect(controller_, &RunController::progressChanged, this,
          [this](double share) { progress_->setValue(static_cast<int>(share * 1000.0)); });
  connect(controller_, &RunController::runningChanged, this, [this](bool running) {
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    progress_->setVisible(running);
  });
  connect(controller_, &RunController::finished, this, [this](RunController::Outcome outcome) {
    if (outcome == RunController::Outcome::Cancelled)
      status_->setText(tr("Cancelled: press Run to compute the times again."));
    else if (outcome == RunController::Outcome::Failed)
      status_->setText(tr("The times could not be computed (out of memory)."));
  });
  connect(run_, &QPushButton::clicked, this, &TimeWindow::run);
  connect(cancel_, &QPushButton::clicked, controller_, &RunController::Cancel);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(contaminants_, &QComboBox::currentIndexChanged, this, &TimeWindow::showContaminant);
  connect(slider_, &QSlider::valueChanged, this, &TimeWindow::drawProfile);
  cancel_->setEnabled(false);
  progress_->setVisible(false);
  if (inputs_list_.empty()) {
    status_->setText(
        tr("No contaminant is assessed by the attenuation factor without problems: there is "
           "no receptor concentration to follow over time."));
    run_->setEnabled(false);
  }
  // Wide enough for the table's columns on a laptop's 1366 pixels.
  OpenAtSessionSize(this, QSize(1340, 820));
  showContaminant(contaminants_->currentIndex());
  run();
}

void TimeWindow::run() {
  if (inputs_list_.empty() || controller_->running()) return;
  auto snapshot = std::make_shared<std::vector<TimeInputs>>(inputs_list_);
  RunController::Job<std::vector<TimeInputs>, Result> job;
  job.input = snapshot;
  job.work = [](const std::vector<TimeInputs>& all, const RunProgress& progress) {
    Result result;
    std::vector<TimingInput> inputs;
    for (const TimeInputs& in : all) inputs.push_back(in.timing);
    // Half the share for the table, half for the curves.
    const double total = static_cast<double>(all.size());
    result.rows = ComputeTimingRows(inputs, [&](int done, int) { return progress(0.5 * done / total); });
    for (size_t k = 0; k < all.size() && result.rows.size() == all.size(); ++k) {
      const double until = DefaultBreakthroughUntil(all[k].timing);
      result.until.push_back(until);
      result.curves.push_back(ComputeBreakthrough(all[k].timing, until, kPoints));
      if (!progress(0.5 + 0.5 * (k + 1) / total)) break;
    }
    return result;
  };
  job.deliver = [this](const std::shared_ptr<const std::vector<TimeInputs>>&, Result&& result) {
    if (result.curves.size() != inputs_list_.size()) return;
    result_ = std::move(result);
    haveResult_ = true;
    model_->setRows(result_.rows);
    status_->clear();
    showContaminant(contaminants_->currentIndex());
  };
  status_->setText(tr("Computing the times of %1 contaminants...").arg(inputs_list_.size()));
  controller_->Start(std::move(job));
}

double TimeWindow::profileTime() const {
  const int choice = contaminants_->currentIndex();
  if (!haveResult_ || choice < 0 || static_cast<size_t>(choice) >= result_.until.size()) return 0.0;
  return result_.until[static_cast<size_t>(choice)] * slider_->value() / kSliderSteps;
}

void TimeWindow::showContaminant(int choice) {
  if (choice < 0 || static_cast<size_t>(choice) >= inputs_list_.size()) {
    inputs_->clear();
    return;
  }
  const TimeInputs& in = inputs_list_[static_cast<size_t>(choice)];
  QString text = QStringLiteral("%1; %2; %3.")
                     .arg(EngineText(in.retardationBasis), EngineTerm(DecayOfName(in.timing.inputs.decayOf)),
                          EngineText(in.sourceBasis));
  if (in.timing.inputs.decayOf == DecayOf::DissolvedAndSorbed)
    text += tr(" The steady values decay at lambda R and so differ from those without sorption.");
  if (!in.chainBasis.empty())
    text += tr("\nDecay chain: %1; in %2.")
                .arg(EngineText(in.chainBasis), unit_.isEmpty() ? tr("the project's unit") : unit_);
  if (const char* reason = CurveScreeningReason(in.timing))
    text += tr("\nNo screening values: ") + EngineText(QString::fromLatin1(reason));
  inputs_->setText(text);
  if (!haveResult_) return;
  const size_t k = static_cast<size_t>(choice);
  QChart* old = breakthrough_->chart();
  breakthrough_->setChart(
      BuildBreakthroughChart(result_.curves[k], CurveScale(in.timing), in.timing.ca, unit_));
  delete old;
  table_->selectRow(choice);
  drawProfile();
}

void TimeWindow::drawProfile() {
  const int choice = contaminants_->currentIndex();
  const double t = profileTime();
  if (!(t > 0.0)) return;
  sliderLabel_->setText(timechart::TimeText(t));
  const TimeInputs& in = inputs_list_[static_cast<size_t>(choice)];
  const double to = 2.0 * in.timing.inputs.x;
  const std::vector<BreakthroughPoint> line = ComputeProfile(in.timing, t, to, kPoints);
  QChart* old = profile_->chart();
  profile_->setChart(BuildTimeProfileChart(line, CurveScale(in.timing), in.timing.ca, unit_, t));
  delete old;
}
