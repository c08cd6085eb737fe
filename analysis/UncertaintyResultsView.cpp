// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/UncertaintyResultsView.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "analysis/RatioHistogram.h"
#include "analysis/UncertaintyTexts.h"
#include "platform/Platform.h"

namespace {

enum ResultColumn {
  kName,
  kAssessment,
  kGreen,
  kYellow,
  kRed,
  kExceed,
  kError,
  kP05,
  kP50,
  kP95,
  kResultColumns
};

const QColor kGreenTint(214, 236, 214);
const QColor kYellowTint(250, 240, 200);
const QColor kRedTint(244, 210, 208);

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(alignment);
  return item;
}

}  // namespace

// The rows of a run, read-only; a run of many contaminants has thousands.
class UncertaintyResultsModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setRun(std::shared_ptr<const UncertaintyRun> run, QStringList names) {
    beginResetModel();
    run_ = std::move(run);
    names_ = std::move(names);
    endResetModel();
  }
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() || !run_ ? 0 : static_cast<int>(run_->rows.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : kResultColumns;
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const char* const kHeaders[kResultColumns] = {
        QT_TRANSLATE_NOOP("UncertaintyResultsView", "Contaminant"),
        QT_TRANSLATE_NOOP("UncertaintyResultsView", "Assessment"),
        QT_TRANSLATE_NOOP("UncertaintyResultsView", "P(Green)"),
        QT_TRANSLATE_NOOP("UncertaintyResultsView", "P(Yellow)"),
        QT_TRANSLATE_NOOP("UncertaintyResultsView", "P(Red)"),
        "P(C > CA)",
        "\u00b1 se",
        QT_TRANSLATE_NOOP("UncertaintyResultsView", "ratio 5 %"),
        "50 %",
        "95 %"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kResultColumns)
      return {};
    return QCoreApplication::translate("UncertaintyResultsView", kHeaders[section]);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const UncertaintyRow& row = run_->rows[static_cast<size_t>(index.row())];
    const int column = index.column();
    const bool text = column == kName || column == kAssessment || (row.HasProblems() && column == kGreen);
    if (role == Qt::TextAlignmentRole)
      return QVariant::fromValue(Qt::Alignment(text ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    const double shares[] = {row.pGreen, row.pYellow, row.pRed};
    if (role == Qt::BackgroundRole) {
      if (row.HasProblems() || column < kGreen || column > kRed || !(shares[column - kGreen] > 0.0))
        return {};
      const QColor tints[] = {kGreenTint, kYellowTint, kRedTint};
      return tints[column - kGreen];
    }
    if (role != Qt::DisplayRole) return {};
    if (column == kName)
      return row.contaminantIndex < names_.size() ? names_[row.contaminantIndex] : QString();
    if (column == kAssessment) return UncertaintyAssessmentText(row);
    if (row.HasProblems()) return column == kGreen ? QStringLiteral("problems") : QVariant();
    switch (column) {
      case kGreen:
      case kYellow:
      case kRed: return UncertaintyShare(shares[column - kGreen]);
      case kExceed: return UncertaintyShare(row.pExceed);
      case kError: return UncertaintyShare(row.LargestStandardError());
      default: return UncertaintyValue(row.ratio[column - kP05]);
    }
  }

 private:
  std::shared_ptr<const UncertaintyRun> run_;
  QStringList names_;
};

UncertaintyResultsView::UncertaintyResultsView(QWidget* parent)
    : QGroupBox(tr("Results of the last run (not saved with the project)"), parent) {
  model_ = new UncertaintyResultsModel(this);
  results_ = new QTableView;
  results_->setObjectName(QStringLiteral("uncertaintyResults"));
  results_->setModel(model_);
  results_->verticalHeader()->setVisible(false);
  results_->setSelectionBehavior(QAbstractItemView::SelectRows);
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setWordWrap(false);
  results_->verticalHeader()->setDefaultSectionSize(results_->fontMetrics().height() + 8);
  results_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(results_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { showRow(current.row()); });
  rowHeading_ = new QLabel;
  rowHeading_->setObjectName(QStringLiteral("uncertaintyRowHeading"));
  rowHeading_->setTextFormat(Qt::PlainText);
  rowHeading_->setWordWrap(true);
  histogram_ = new RatioHistogram;
  histogram_->setObjectName(QStringLiteral("uncertaintyHistogram"));
  ranking_ = new QTableWidget(0, 3);
  ranking_->setObjectName(QStringLiteral("uncertaintyRanking"));
  ranking_->setHorizontalHeaderLabels({tr("Input"), tr("Rank corr."), tr("Raising it")});
  ranking_->verticalHeader()->setVisible(false);
  ranking_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ranking_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  ranking_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  ranking_->setWordWrap(false);
  ranking_->verticalHeader()->setDefaultSectionSize(ranking_->fontMetrics().height() + 8);
  auto* detail = new QHBoxLayout;
  detail->addWidget(histogram_, 3);
  detail->addWidget(ranking_, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(results_, 2);
  layout->addWidget(rowHeading_);
  layout->addLayout(detail, 3);
}

QAbstractTableModel* UncertaintyResultsView::resultsModel() const {
  return model_;
}

void UncertaintyResultsView::Show(std::shared_ptr<const UncertaintyRun> run,
                                  const QStringList& contaminantNames, const UncertaintyOptions& options) {
  run_ = std::move(run);
  names_ = contaminantNames;
  options_ = options;
  model_->setRun(run_, names_);
  if (model_->rowCount() > 0)
    results_->setCurrentIndex(model_->index(0, 0));
  else
    showRow(-1);
}

void UncertaintyResultsView::ShowNote(const QString& note) {
  rowHeading_->setText(note);
}

void UncertaintyResultsView::showRow(int r) {
  ranking_->setRowCount(0);
  if (!run_ || r < 0 || r >= static_cast<int>(run_->rows.size())) {
    rowHeading_->clear();
    histogram_->setData({});
    return;
  }
  const UncertaintyRow& row = run_->rows[static_cast<size_t>(r)];
  const QString name = row.contaminantIndex < names_.size() ? names_[row.contaminantIndex] : QString();
  const QString assessment = UncertaintyAssessmentText(row);
  if (row.HasProblems()) {
    rowHeading_->setText(name + QStringLiteral(", ") + assessment +
                         tr(": the project's own inputs have problems (see the results page)."));
    histogram_->setData({});
    return;
  }
  rowHeading_->setText(tr("%1, %2: Green %3, Yellow %4, Red %5 (each \u00b1 %6 or better) from %7 "
                          "samples; the ratio %8 in 90 % of them.")
                           .arg(name, assessment, UncertaintyShare(row.pGreen), UncertaintyShare(row.pYellow),
                                UncertaintyShare(row.pRed), UncertaintyShare(row.LargestStandardError()))
                           .arg(row.samples)
                           .arg(tr("lies between %1 and %2")
                                    .arg(UncertaintyValue(row.ratio[0]), UncertaintyValue(row.ratio[2]))));
  RatioHistogramData data;
  data.sortedRatios = row.sortedRatios;
  data.plumeLength = row.plumeLength;
  data.range = row.plumeLength ? options_.plumeLengthRange : options_.attenuationRange;
  histogram_->setData(std::move(data));
  ranking_->setRowCount(static_cast<int>(row.ranking.size()));
  for (int k = 0; k < static_cast<int>(row.ranking.size()); ++k) {
    const InputInfluence& influence = row.ranking[static_cast<size_t>(k)];
    QString text = UncertainInputText(influence.input);
    if (!influence.otherSpecies.empty())
      text = tr("%1 of %2").arg(text, fromRecordText(influence.otherSpecies.c_str()));
    QTableWidgetItem* input = Item(text, Qt::AlignLeft | Qt::AlignVCenter);
    input->setToolTip(input->text());
    ranking_->setItem(k, 0, input);
    ranking_->setItem(k, 1, Item(QString::number(influence.rankCorrelation, 'f', 2)));
    const QString effect = std::fabs(influence.rankCorrelation) < 0.05 ? tr("hardly matters")
                           : influence.rankCorrelation > 0.0           ? tr("raises ratio")
                                                                       : tr("lowers ratio");
    ranking_->setItem(k, 2, Item(effect, Qt::AlignLeft | Qt::AlignVCenter));
  }
}
