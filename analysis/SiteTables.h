// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The read-only tables of the Site data window's tabs, built and filled one
// way, so that each tab's numbers read alike.
#pragma once

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <cmath>
#include "platform/DecimalSign.h"

namespace sitetable {

// A number with `digits` significant digits; empty where undefined.
inline QString Num(double value, int digits) {
  return std::isfinite(value) ? ShownNumbers(QString::number(value + 0.0, 'g', digits)) : QString();
}

// A table the user reads and selects rows of, but does not edit.
inline QTableWidget* ReadOnly(const QStringList& headers, const char* name) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
  table->setObjectName(QString::fromLatin1(name));
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  // Each column as wide as its title before any row fills it: an empty table
  // (no transect yet) still names its columns whole.
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

inline void SetRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

}  // namespace sitetable
