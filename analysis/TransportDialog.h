// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Sorption and source...: the aquifer's bulk density and organic
// carbon, the decay convention, and per contaminant its Koc with the Koc's
// source and how its source behaves with time. The dialog edits a copy; OK
// is offered only while every value would be accepted, so the project never
// holds a value the checks refuse.
#pragma once

#include <QDialog>
#include <QStringList>

#include "engine/project/transport.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// Help identifiers of the dialog's controls.
enum TransportControlId {
  kIdTransportDialog = 1750,
  kIdTransportBulkDensity = 1751,
  kIdTransportOrganicCarbon = 1752,
  kIdTransportDecayOf = 1753,
  kIdTransportTable = 1754,
  kIdTransportKocFromDatabase = 1755,
};

class TransportDialog : public QDialog {
  Q_OBJECT
 public:
  // Columns of the contaminants' table.
  enum Column { kName, kKoc, kKocSource, kSource, kRate, kMass, kRetardation, kSourceRate, kColumnCount };

  TransportDialog(const Project& project, QWidget* parent = nullptr);

  // The inputs as the dialog holds them now (valid while problems() is empty).
  const TransportInputs& inputs() const { return inputs_; }
  // Why OK is not offered: one line per refused or missing value.
  const QStringList& problems() const { return problems_; }
  // Fills the Koc and its source from the bundled literature table into every
  // row without a Koc; returns how many rows it filled.
  int fillKocFromDatabase();

 private:
  // Hides the rows of contaminants not assessed unless the user asks for all.
  void showRows();
  void build();
  void fill();
  // Reads every control into inputs_, and the problems and the derived
  // columns (R, ks) from them.
  void refresh();
  void updateRateFields(int row);

  const Project& project_;
  TransportInputs inputs_;
  QStringList problems_;
  bool filling_ = false;

  QLineEdit* bulkDensity_ = nullptr;
  QLineEdit* organicCarbon_ = nullptr;
  QCheckBox* decayOf_ = nullptr;
  QCheckBox* showAll_ = nullptr;
  QLabel* decayNote_ = nullptr;
  QLabel* warnings_ = nullptr;
  QLabel* problemText_ = nullptr;
  QTableWidget* table_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

// Runs the dialog on `project`; true when the user accepted changed inputs
// (then the project holds them and is marked modified).
bool RunTransportDialog(Project* project, QWidget* parent);
