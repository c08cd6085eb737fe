// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/EvidenceWindow.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/EngineText.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

constexpr int kIdEvidenceWindow = 1900;
constexpr int kIdEvidenceTable = 1901;

enum Column { kContaminant, kLine, kLight, kReading, kShownIn, kColumnCount };

// The light's cell tint, pale enough to read the word on it; no light stays
// white with its word, so it is never taken for a Green.
QColor LightTint(const EvidenceRow& row) {
  if (!row.hasLight) return QColor(Qt::white);
  switch (row.light) {
    case AssessmentClass::Green: return QColor(0xc8, 0xe6, 0xc9);
    case AssessmentClass::Yellow: return QColor(0xff, 0xf5, 0x9d);
    case AssessmentClass::Red: return QColor(0xef, 0x9a, 0x9a);
    case AssessmentClass::Problems: break;
  }
  return QColor(Qt::white);
}

// Where the desktop shows a line's evidence.
QString DesktopPlace(const EvidenceRow& row) {
  switch (row.line) {
    case EvidenceLine::kPlume:
      return row.section == "Site data: Trends"
                 ? QCoreApplication::translate("EvidenceWindow", "Site data window: Trends")
                 : QCoreApplication::translate("EvidenceWindow", "Site data window: Plume as a whole");
    case EvidenceLine::kDischarge:
      return QCoreApplication::translate("EvidenceWindow", "Site data window: Plume as a whole");
    case EvidenceLine::kGeochemistry:
      return QCoreApplication::translate("EvidenceWindow", "Site data window: Redox");
    case EvidenceLine::kModel: return QCoreApplication::translate("EvidenceWindow", "Results page");
    case EvidenceLine::kTimeFrame: return QCoreApplication::translate("EvidenceWindow", "Time window");
  }
  return {};
}

}  // namespace

void RunEvidenceWindow(const Project& project, const VerdictOptions& options, QWidget* parent) {
  EvidenceWindow window(project, options, parent);
  Platform::instance().execDialog(&window);
}

EvidenceWindow::EvidenceWindow(const Project& project, const VerdictOptions& options, QWidget* parent)
    : QDialog(parent), project_(project), case_(project, options) {
  setWindowTitle(tr("Lines of evidence"));
  setControlId(this, kIdEvidenceWindow);
  AnswerF1WithManual(this, kIdEvidenceWindow);

  auto* layout = new QVBoxLayout(this);
  auto* note =
      new QLabel(tr("Each line of evidence of the contaminants assessed by the attenuation factor, with its "
                    "light and where its evidence is shown. The lines state the case; they change no "
                    "verdict, which stays the one on the Results page."));
  note->setWordWrap(true);
  layout->addWidget(note);

  table_ = new QTableWidget(0, kColumnCount);
  setControlId(table_, kIdEvidenceTable);
  table_->setHorizontalHeaderLabels(
      {tr("Contaminant"), tr("Line"), tr("Light"), tr("Reading"), tr("Shown in")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setWordWrap(true);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setSectionResizeMode(kReading, QHeaderView::Stretch);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(table_, 1);

  status_ = new QLabel;
  layout->addWidget(status_);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QAbstractButton* button : close->buttons()) setControlId(button, kIdEvidenceWindow);
  layout->addWidget(close);
  OpenAtSessionSize(this, QSize(1200, 660));

  // Every line but the time frame shows at once; the times follow.
  times_ = EvidenceTimesOf(project_, case_);
  fill();
  controller_ = new RunController(this);
  RunController::Job<EvidenceTimes, EvidenceTimes> job;
  job.input = std::make_shared<EvidenceTimes>(times_);
  job.work = [](const EvidenceTimes& input, const RunProgress& progress) {
    EvidenceTimes times = input;
    const double total = std::max<size_t>(1, times.inputs.size());
    ComputeEvidenceTimes(&times, [&](int done, int) { return progress(done / total); });
    return times;
  };
  job.deliver = [this](const std::shared_ptr<const EvidenceTimes>&, EvidenceTimes&& times) {
    times_ = std::move(times);
    status_->clear();
    fill();
  };
  status_->setText(tr("Computing the time frames..."));
  controller_->Start(std::move(job));
}

void EvidenceWindow::fill() {
  rows_ = LinesOfEvidence(project_, case_, times_);
  const bool timesKnown = !times_.rows.empty() || times_.inputs.empty();
  table_->setRowCount(0);
  if (rows_.empty()) {
    status_->setText(tr("No contaminant is assessed by the attenuation factor."));
    return;
  }
  table_->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    const EvidenceRow& row = rows_[static_cast<size_t>(r)];
    const bool pending = row.line == EvidenceLine::kTimeFrame && !timesKnown;
    const bool first = r == 0 || rows_[static_cast<size_t>(r - 1)].contaminant != row.contaminant;
    auto* light = new QTableWidgetItem(pending ? QStringLiteral("...") : EngineTerm(EvidenceLightName(row)));
    light->setBackground(pending ? QColor(Qt::white) : LightTint(row));
    light->setTextAlignment(Qt::AlignCenter);
    table_->setItem(r, kContaminant,
                    new QTableWidgetItem(first ? QString::fromStdString(row.contaminant) : QString()));
    table_->setItem(r, kLine, new QTableWidgetItem(EngineTerm(EvidenceLineName(row.line))));
    table_->setItem(r, kLight, light);
    table_->setItem(r, kReading,
                    new QTableWidgetItem(pending ? tr("Computing...") : EngineText(row.reading)));
    table_->setItem(r, kShownIn, new QTableWidgetItem(DesktopPlace(row)));
  }
  table_->resizeColumnToContents(kContaminant);
  table_->resizeColumnToContents(kLine);
  table_->resizeColumnToContents(kShownIn);
  table_->setColumnWidth(kLight, 70);
}
