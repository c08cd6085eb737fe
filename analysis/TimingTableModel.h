// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The timing table of the Time window: one row per contaminant, the times
// in days under both models; "-" where a time does not occur.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "engine/time/timing_table.h"

struct Project;

class TimingTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void setRows(std::vector<TimingRow> rows);
  // The project whose full contaminant names the first column shows.
  void setProject(const Project* project) { project_ = project; }
  const std::vector<TimingRow>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The text of one cell as shown, for the report too; the name as the
  // user wrote it when `project` is given, else as the record holds it.
  static QString CellText(const TimingRow& row, int column, const Project* project = nullptr);
  static QString ColumnTitle(int column);
  static int ColumnCount();

 private:
  std::vector<TimingRow> rows_;
  const Project* project_ = nullptr;
};
