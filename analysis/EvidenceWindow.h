// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Lines of evidence window: one row per line of evidence and contaminant
// (plume behaviour, geochemistry, the model, the time frame), each with its
// light, its reading and where its evidence is shown. It states the case and
// changes no verdict.
#pragma once

#include <QDialog>
#include <vector>

#include "analysis/RunController.h"
#include "engine/case/linesofevidence.h"

class QLabel;
class QTableWidget;

// Opens the window modally (through the Platform) over a calculated project,
// judged under `options` (the Results page's ranges and the project's basis).
void RunEvidenceWindow(const Project& project, const VerdictOptions& options, QWidget* parent);

class EvidenceWindow : public QDialog {
  Q_OBJECT
 public:
  // Reads the project when constructed and starts computing the times the
  // time-frame lines read; the other lines show at once.
  EvidenceWindow(const Project& project, const VerdictOptions& options, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  QLabel* statusLabel() const { return status_; }
  RunController* controller() const { return controller_; }
  const std::vector<EvidenceRow>& rows() const { return rows_; }

 private:
  void fill();

  const Project& project_;
  ProjectCase case_;
  EvidenceTimes times_;
  std::vector<EvidenceRow> rows_;
  RunController* controller_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* status_ = nullptr;
};
