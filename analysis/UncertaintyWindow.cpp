// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/UncertaintyWindow.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <charconv>

#include "analysis/DistributionDelegate.h"
#include "analysis/DistributionTableModel.h"
#include "analysis/RatioHistogram.h"
#include "analysis/UncertaintyResultsView.h"
#include "engine/case/projectcase.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

// Help identifier of the window: F1 opens its section of the manual.
constexpr int kIdUncertainty = 1600;
// What's-this texts of its parts.
enum ControlId {
  kIdDistributions = 1601,
  kIdSamples,
  kIdSeed,
  kIdRun,
  kIdResults,
  kIdHistogram,
  kIdRanking,
};

}  // namespace

UncertaintyWindow::UncertaintyWindow(const Project* project, UncertaintyPlan* plan,
                                     UncertaintyOptions options, QWidget* parent)
    : QDialog(parent), project_(project), plan_(plan), options_(std::move(options)) {
  setWindowTitle(tr("Uncertainty"));
  setObjectName(QStringLiteral("uncertaintyWindow"));
  AnswerF1WithManual(this, kIdUncertainty);
  options_.keepRatios = true;

  QWidget* editor = buildEditor();

  // The run.
  runButton_ = new QPushButton(tr("&Run"));
  runButton_->setObjectName(QStringLiteral("uncertaintyRun"));
  cancelButton_ = new QPushButton(tr("&Cancel run"));
  cancelButton_->setObjectName(QStringLiteral("uncertaintyCancel"));
  cancelButton_->setEnabled(false);
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("uncertaintyProgress"));
  progress_->setRange(0, 1000);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  connect(runButton_, &QPushButton::clicked, this, &UncertaintyWindow::Run);
  connect(cancelButton_, &QPushButton::clicked, this, &UncertaintyWindow::CancelRun);
  connect(&controller_, &RunController::progressChanged, this,
          [this](double share) { progress_->setValue(static_cast<int>(share * 1000)); });
  connect(&controller_, &RunController::runningChanged, this, &UncertaintyWindow::setRunning);
  connect(&controller_, &RunController::finished, this, &UncertaintyWindow::ended);
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(runButton_);
  runRow->addWidget(progress_, 1);
  runRow->addWidget(cancelButton_);

  results_ = new UncertaintyResultsView;
  for (const auto& [widget, id] : {std::pair<QWidget*, int>{runButton_, kIdRun},
                                   {cancelButton_, kIdRun},
                                   {progress_, kIdRun},
                                   {results_->resultsTable(), kIdResults},
                                   {results_->histogram(), kIdHistogram},
                                   {results_->rankingTable(), kIdRanking}})
    setControlId(widget, id);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &UncertaintyWindow::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(editor, 2);
  layout->addLayout(runRow);
  layout->addWidget(results_, 5);
  layout->addWidget(buttons);
  OpenAtSessionSize(this, QSize(1000, 820));

  for (const InputDistribution& d : plan_->inputs) model_->AddRow(d);
  readPlan();
}

QWidget* UncertaintyWindow::buildEditor() {
  model_ = new DistributionTableModel(project_, this);
  distributions_ = new QTableView;
  distributions_->setObjectName(QStringLiteral("uncertaintyDistributions"));
  distributions_->setModel(model_);
  distributions_->setItemDelegate(new DistributionDelegate(distributions_));
  distributions_->verticalHeader()->setVisible(false);
  distributions_->setSelectionBehavior(QAbstractItemView::SelectRows);
  distributions_->setSelectionMode(QAbstractItemView::SingleSelection);
  distributions_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
  distributions_->setWordWrap(false);
  distributions_->horizontalHeader()->setStretchLastSection(true);
  for (int k = 0; k < DistributionTableModel::kParameterCount; ++k)
    distributions_->setColumnWidth(DistributionTableModel::kFirstParameter + k, 70);
  distributions_->setColumnWidth(DistributionTableModel::kInput, 230);
  distributions_->setColumnWidth(DistributionTableModel::kContaminant, 150);
  distributions_->setColumnWidth(DistributionTableModel::kKind, 100);
  distributions_->verticalHeader()->setDefaultSectionSize(distributions_->fontMetrics().height() + 12);
  // One click edits a cell, and opens a list at once, as in a form.
  connect(distributions_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (!(index.flags() & Qt::ItemIsEditable)) return;
    distributions_->edit(index);
    if (auto* list = qobject_cast<QComboBox*>(distributions_->indexWidget(index))) list->showPopup();
  });
  connect(model_, &DistributionTableModel::edited, this, &UncertaintyWindow::readPlan);
  // A parameter shows whole however many digits it was typed with: its
  // column grows with the widest value, from the width of a short one.
  const auto fitParameters = [this] {
    for (int k = 0; k < DistributionTableModel::kParameterCount; ++k) {
      const int column = DistributionTableModel::kFirstParameter + k;
      distributions_->resizeColumnToContents(column);
      distributions_->setColumnWidth(column, std::max(70, distributions_->columnWidth(column)));
    }
  };
  connect(model_, &QAbstractItemModel::dataChanged, this, fitParameters);
  connect(model_, &QAbstractItemModel::rowsInserted, this, fitParameters);
  connect(model_, &QAbstractItemModel::modelReset, this, fitParameters);

  auto* add = new QPushButton(tr("&Add"));
  add->setObjectName(QStringLiteral("uncertaintyAdd"));
  auto* remove = new QPushButton(tr("Re&move"));
  remove->setObjectName(QStringLiteral("uncertaintyRemove"));
  connect(add, &QPushButton::clicked, this, [this] {
    AddDistribution({UncertainInput::Kf, "", DistributionKind::LogNormal, {}});
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    const int row = distributions_->currentIndex().row();
    if (row < 0) return;
    model_->RemoveRow(row);
    readPlan();
  });
  samples_ = new QSpinBox;
  samples_->setObjectName(QStringLiteral("uncertaintySamples"));
  samples_->setRange(1, kMaxUncertaintySamples);
  samples_->setSingleStep(1000);
  samples_->setValue(plan_->samples);
  seed_ = new QLineEdit(QString::number(plan_->seed));
  seed_->setObjectName(QStringLiteral("uncertaintySeed"));
  seed_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,20}")), seed_));
  seed_->setMaximumWidth(180);
  auto* samplesLabel = new QLabel(tr("&Samples :"));
  samplesLabel->setBuddy(samples_);
  auto* seedLabel = new QLabel(tr("S&eed :"));
  seedLabel->setBuddy(seed_);
  connect(samples_, &QSpinBox::valueChanged, this, [this] { readPlan(); });
  connect(seed_, &QLineEdit::textChanged, this, [this] { readPlan(); });
  auto* editRow = new QHBoxLayout;
  editRow->addWidget(add);
  editRow->addWidget(remove);
  editRow->addStretch(1);
  editRow->addWidget(samplesLabel);
  editRow->addWidget(samples_);
  editRow->addWidget(seedLabel);
  editRow->addWidget(seed_);
  problemsLabel_ = new QLabel;
  problemsLabel_->setObjectName(QStringLiteral("uncertaintyProblems"));
  problemsLabel_->setWordWrap(true);
  problemsLabel_->setTextFormat(Qt::PlainText);
  problemsLabel_->setStyleSheet(QStringLiteral("color: #a02020"));
  auto* box = new QGroupBox(tr("Distributions (every other input keeps its value)"));
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(distributions_, 1);
  layout->addLayout(editRow);
  layout->addWidget(problemsLabel_);
  for (const auto& [widget, id] : {std::pair<QWidget*, int>{distributions_, kIdDistributions},
                                   {add, kIdDistributions},
                                   {remove, kIdDistributions},
                                   {samples_, kIdSamples},
                                   {seed_, kIdSeed}})
    setControlId(widget, id);
  return box;
}

UncertaintyWindow::~UncertaintyWindow() = default;

QTableView* UncertaintyWindow::resultsTable() const {
  return results_->resultsTable();
}
QAbstractTableModel* UncertaintyWindow::resultsModel() const {
  return results_->resultsModel();
}
QTableWidget* UncertaintyWindow::rankingTable() const {
  return results_->rankingTable();
}
RatioHistogram* UncertaintyWindow::histogram() const {
  return results_->histogram();
}
QLabel* UncertaintyWindow::rowHeading() const {
  return results_->rowHeading();
}

void UncertaintyWindow::reject() {
  CancelRun();
  QDialog::reject();
}

void UncertaintyWindow::AddDistribution(const InputDistribution& distribution) {
  model_->AddRow(distribution, true);
  distributions_->setCurrentIndex(model_->index(model_->rowCount() - 1, DistributionTableModel::kInput));
  readPlan();
}

void UncertaintyWindow::readPlan() {
  UncertaintyPlan read;
  std::vector<std::string> problems;
  read.samples = samples_->value();
  uint64_t seed = 0;
  const QByteArray seedText = seed_->text().toLatin1();
  const auto parsed = std::from_chars(seedText.data(), seedText.data() + seedText.size(), seed);
  if (seedText.isEmpty() || parsed.ec != std::errc() || parsed.ptr != seedText.data() + seedText.size()) {
    problems.push_back("The seed must be a whole number from 0 to 18446744073709551615.");
    seed = plan_->seed;
  }
  read.seed = seed;
  read.inputs = model_->Distributions(&problems);
  const std::vector<std::string> checked = CheckUncertaintyPlan(*project_, read);
  problems.insert(problems.end(), checked.begin(), checked.end());
  problems_ = std::move(problems);
  QStringList lines;
  for (const std::string& problem : problems_) lines << fromRecordText(problem.c_str());
  problemsLabel_->setText(lines.join(QLatin1Char('\n')));
  problemsLabel_->setVisible(!lines.isEmpty());
  runButton_->setEnabled(problems_.empty() && !running());
  if (!(read == *plan_)) {
    *plan_ = std::move(read);
    emit planChanged();
  }
}

void UncertaintyWindow::Run() {
  readPlan();
  if (running() || !problems_.empty()) return;
  RunController::Job<UncertaintySnapshot, UncertaintyRun> job;
  job.input = std::make_shared<UncertaintySnapshot>(*project_, *plan_, options_);
  job.work = [](const UncertaintySnapshot& snapshot, const RunProgress& progress) {
    UncertaintyOptions options = snapshot.options;
    options.progress = progress;
    return ProjectCase(snapshot.project).Uncertainty(snapshot.record.plan, options);
  };
  // The samples and the seed stay editable during a run; the project behind
  // the window may change too.
  job.stillHolds = [this](const UncertaintySnapshot& snapshot) {
    return snapshot.record.Matches(*project_, *plan_, options_);
  };
  job.deliver = [this](const std::shared_ptr<const UncertaintySnapshot>& snapshot, UncertaintyRun&& run) {
    if (!run.problems.empty()) return;  // the checks above keep this from happening
    auto record = std::make_shared<UncertaintyRecord>(snapshot->record);
    record->run = std::make_shared<const UncertaintyRun>(std::move(run));
    lastRun_ = record->run;
    lastRecord_ = std::move(record);
    fresh_ = true;
  };
  fresh_ = false;
  controller_.Start(std::move(job));
}

void UncertaintyWindow::CancelRun() {
  controller_.Cancel();
}

void UncertaintyWindow::ended(RunController::Outcome outcome) {
  if (outcome != RunController::Outcome::Delivered || !fresh_) {
    progress_->setValue(0);
    if (outcome == RunController::Outcome::ProjectChanged)
      results_->ShowNote(
          tr("The inputs changed while the run drew its samples; its results were dropped. Run "
             "again."));
    if (outcome == RunController::Outcome::Failed)
      results_->ShowNote(tr("The run needed more memory than there is; try fewer samples."));
    return;
  }
  QStringList names;
  for (int k = 0; project_->contaminants && k < project_->contaminantCount; ++k)
    names << fromRecordText(project_->contaminants[k].name);
  results_->Show(lastRun_, names, options_);
  emit runFinished();
}

void UncertaintyWindow::setRunning(bool running) {
  runButton_->setEnabled(!running && problems_.empty());
  cancelButton_->setEnabled(running);
  distributions_->setEnabled(!running);
}
