// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Plume as a whole" part of the Site data window: a contaminant's
// dissolved mass and centre of mass per sampling round with their trends and
// the plume's light, the mass discharge through the transects the user
// names, and the wells that stand for the background. The round length, the
// transects and the background wells are the project's: the report, the
// lines of evidence and the command line read the same.
#pragma once

#include <QWidget>

#include "engine/project/records.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class SitePlumeView : public QWidget {
  Q_OBJECT
 public:
  explicit SitePlumeView(Project* project, QWidget* parent = nullptr);

  void Refresh();

  QComboBox* contaminantCombo() const { return contaminant_; }
  QSpinBox* roundDaysSpin() const { return roundDays_; }
  QTableWidget* roundsTable() const { return rounds_; }
  QLabel* summaryLabel() const { return summary_; }
  QTableWidget* transectTable() const { return transects_; }
  QTableWidget* dischargeTable() const { return discharge_; }
  QLineEdit* backgroundEdit() const { return background_; }
  QLabel* messageLabel() const { return message_; }
  QPushButton* addTransectButton() const { return addTransect_; }
  QPushButton* removeTransectButton() const { return removeTransect_; }
  QChartView* chartView() const { return chart_; }

  // Takes the transect table's row as typed ("T1" and "MW1, MW2, MW3");
  // false, with the reason in the message line and the row as it was,
  // where the name is taken or empty, or a well is unknown or named twice.
  bool CommitTransect(int row);
  // Takes the background wells as typed, comma-separated; false where a
  // well is unknown.
  bool CommitBackground();

 signals:
  void projectChanged();

 private:
  void buildTransectControls();
  void fillPlume();
  void fillTransects();
  void fillDischarge();
  void fillBackground();
  void changed();

  Project* project_;
  QComboBox* contaminant_ = nullptr;
  QSpinBox* roundDays_ = nullptr;
  QTableWidget* rounds_ = nullptr;
  QLabel* summary_ = nullptr;
  QChartView* chart_ = nullptr;
  QTableWidget* transects_ = nullptr;
  QTableWidget* discharge_ = nullptr;
  QLineEdit* background_ = nullptr;
  QLabel* message_ = nullptr;
  QPushButton* addTransect_ = nullptr;
  QPushButton* removeTransect_ = nullptr;
  bool filling_ = false;
};
