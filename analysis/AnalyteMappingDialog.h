// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Site data window's offer to name what the laboratory named its own
// way: each analyte of the site data that no name matches, with how many
// samples name it, and a choice of the contaminant or indicator it is. A
// choice becomes the project's alias, and the samples held take its name.
#pragma once

#include <QDialog>

#include "engine/project/records.h"

class QLabel;
class QTableWidget;
class QComboBox;

class AnalyteMappingDialog : public QDialog {
  Q_OBJECT
 public:
  AnalyteMappingDialog(Project* project, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  // The choice of row `row` (first item: keep the name as it is).
  QComboBox* choice(int row) const;
  QLabel* problemLabel() const { return problem_; }

  // Saves the choices made as aliases and renames the samples; false, with
  // the reason shown and the project as it was, when a renamed sample would
  // be a second value of its well, date and analyte.
  bool Apply();

 signals:
  void siteChanged();

 private:
  Project* project_;
  QTableWidget* table_ = nullptr;
  QLabel* problem_ = nullptr;
};
