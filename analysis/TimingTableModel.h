// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The timing table of the Time window: one row per contaminant, the times
// in days under both models; "-" where a time does not occur.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "engine/timing_table.h"

class TimingTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void setRows(std::vector<TimingRow> rows);
  const std::vector<TimingRow>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The text of one cell as shown, for the report too.
  static QString CellText(const TimingRow& row, int column);
  static QString ColumnTitle(int column);
  static int ColumnCount();

 private:
  std::vector<TimingRow> rows_;
};
