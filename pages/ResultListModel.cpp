// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ResultListModel.h"

#include "resources/result_pictures.h"

ResultListModel::ResultListModel(Column first, Column second, QObject* parent)
    : QAbstractTableModel(parent), columns_{std::move(first), std::move(second)} {}

void ResultListModel::setRows(std::vector<Row> rows) {
  if (rows.empty() && rows_.empty()) return;
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const Row& r = rows_[index.row()];
  switch (role) {
    case Qt::DisplayRole: {
      if (index.column() == 0) return r.name;
      if (!r.hasValues) return QString();
      const Column& column = columns_[index.column() - 1];
      const std::string text = FormatResultValue(index.column() == 1 ? r.first : r.second, column.fixedFormat,
                                                 column.exponentFormat);
      return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::DecorationRole:
      if (index.column() == 0) return resultIcon(r.cls);
      if (index.column() == 2 && r.hasValues && exactMarkColumn_) return exactMarkIcon(r.exactMark);
      return {};
    case Qt::ToolTipRole:
      if (!r.exactTip.isEmpty()) return r.exactTip;
      return {};
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case ResultIndexRole: return r.resultIndex;
    case ClassRole: return static_cast<int>(r.cls);
    default: return {};
  }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section > 2) return {};
  if (role == Qt::DisplayRole)
    return section == 0 ? QStringLiteral("Contaminant") : columns_[section - 1].header;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}
