// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/TimingTableModel.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>

#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"

namespace {

const char* const kTitles[] = {QT_TRANSLATE_NOOP("TimingTableModel", "Contaminant"),
                               "R",
                               QT_TRANSLATE_NOOP("TimingTableModel", "Front [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "t50 screening [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "t50 exact [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "t95 screening [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "t95 exact [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "Above CA, screening [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "Above CA, exact [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "Below CA again, exact [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "Peak C/C0 (chain: C), exact"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "Peak time, exact [d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "Source ks [1/d]"),
                               QT_TRANSLATE_NOOP("TimingTableModel", "Source at target [d]")};
constexpr int kColumns = sizeof kTitles / sizeof kTitles[0];

QString Time(const std::optional<double>& t) {
  return t ? QString::number(*t, 'f', 0) : QStringLiteral("-");
}

QString Value(double v) {
  return std::isfinite(v) ? ShownNumbers(QString::number(v, 'g', 4)) : QStringLiteral("-");
}

}  // namespace

void TimingTableModel::setRows(std::vector<TimingRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int TimingTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TimingTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

int TimingTableModel::ColumnCount() {
  return kColumns;
}

QString TimingTableModel::ColumnTitle(int column) {
  return column >= 0 && column < kColumns ? tr(kTitles[column]) : QString();
}

QString TimingTableModel::CellText(const TimingRow& row, int column, const Project* project) {
  const TransientTimes& t = row.times;
  switch (column) {
    case 0: return project ? contaminantNameOf(*project, row.name) : fromRecordText(row.name.c_str());
    case 1: return Value(row.retardation);
    case 2: return QString::number(t.frontTime, 'f', 0);
    case 3: return Time(t.t50Screening);
    case 4: return Time(t.t50Exact);
    case 5: return Time(t.t95Screening);
    case 6: return Time(t.t95Exact);
    case 7: return Time(t.exceedScreening);
    case 8: return Time(t.exceedExact);
    case 9: return Time(t.belowAgainExact);
    // A daughter formed in the plume has no C0 to divide by.
    case 10: return row.chain ? QStringLiteral("C = %1").arg(Value(t.peakExact)) : Value(t.peakExact);
    case 11: return Time(t.peakTimeExact);
    case 12: return row.sourceDecay > 0.0 ? Value(row.sourceDecay) : tr("constant");
    case 13: return Time(t.sourceTimeToTarget);
  }
  return {};
}

QVariant TimingTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const TimingRow& row = rows_[static_cast<size_t>(index.row())];
  if (role == Qt::DisplayRole) return CellText(row, index.column(), project_);
  if (role == Qt::ToolTipRole && row.times.screeningReason && index.column() >= 3 && index.column() <= 7)
    return EngineText(QString::fromLatin1(row.times.screeningReason));
  if (role == Qt::ToolTipRole && row.chain)
    return tr("Followed through its decay chain: concentrations in the project's unit.");
  if (role == Qt::TextAlignmentRole && index.column() > 0)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant TimingTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  // The window and the report name the columns alike, in the reader's language.
  if (orientation == Qt::Horizontal) return ColumnTitle(section);
  return section + 1;
}
