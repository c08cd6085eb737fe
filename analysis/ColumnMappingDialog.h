// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Site data window's offer to name a table's columns that no recognised
// name gives: each such column with a choice of its role (well, date, value,
// ..., or not read). The choices are kept with the project, so that the
// lab's next delivery reads without asking.
#pragma once

#include <QDialog>
#include <map>
#include <string>
#include <vector>

class QComboBox;
class QTableWidget;

class ColumnMappingDialog : public QDialog {
  Q_OBJECT
 public:
  // `columns`: the header's unrecognised names, UTF-8.
  explicit ColumnMappingDialog(const std::vector<std::string>& columns, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  // The role choice of row `row`; its first item leaves the column unnamed.
  QComboBox* choice(int row) const;
  // Selects the role `role` (as SiteColumnRoles names it) in row `row`.
  void choose(int row, const QString& role);

  // The roles chosen, keyed as headers are matched; columns left unnamed
  // are not among them.
  std::map<std::string, std::string> Mappings() const;

 private:
  std::vector<std::string> columns_;
  QTableWidget* table_ = nullptr;
};
