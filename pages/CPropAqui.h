// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Aquifer" page: distance, hydraulic parameters, saturated thickness,
// redox condition, source and dispersivities of the project's aquifer. The source is asked for as a
// site describes it: its full width across the flow (the model's Sy is half
// of it) and its thickness below the water table (the model's Sz).
#pragma once

#include <QString>
#include <map>

#include "pages/PropPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTextEdit;

class CPropAqui : public PropPage {
  Q_OBJECT
 public:
  explicit CPropAqui(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  int ApplyToProject(Project* project) override;

  // Every numeric edit accepts at most this many characters.
  static constexpr int kEditLimit = 50;

  // The redox condition of the first checked button (in value order), or -1.
  int ReadRedoxButtons() const;
  // Checks the button of `condition`; a value outside 0..6 checks none.
  void SetRedoxButtons(int condition);
  // Fills the preset list with the names of the project's contaminants that
  // have a decay constant for the checked redox condition.
  void ListDecayConstantContaminants();
  // Writes x/10, x/100, x/1000 (virelo_DispersivitiesFromX) into ax, ay, az
  // while "Approximate by x" is checked and x parses; the record changes
  // only when the page is applied.
  void ApproximateDispersivities();
  // Shows the plausibility warnings of the values in the edits beside their
  // fields; they change nothing in the record.
  void UpdatePlausibility();

  // The warnings shown now, one per line, in the order of the page.
  QString plausibilityText() const;

  // The preset list as built: each name followed by "\r\n".
  const QString& decayConstantListText() const { return listText_; }

  // False while the page writes into its own controls.
  bool trackingChanges = true;

 signals:
  // The user asked for the Site data window (its button beside the redox
  // conditions).
  void siteDataRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The redox buttons, the Site data button and the preset list.
  QGroupBox* buildRedoxGroup();
  void OnEditChanged();
  void OnButtonClicked();
  void OnApproximateClicked();
  // `scale` turns the stored value into the one shown (the width W = 2 Sy).
  void ShowValue(QLineEdit* edit, bool present, double value, const char* format, double scale = 1.0);
  void ReadValue(QLineEdit* edit, int bit, double scale = 1.0);
  // b goes into the project's settings, not the aquifer record.
  void ReadSaturatedThickness();
  // The number of an edit: the one it shows while the user has not edited
  // it, else its text parsed.
  static bool ReadNumber(const QLineEdit* edit, double* value);

  Project* project_ = nullptr;
  QString listText_;

  QLineEdit* xEdit_;
  QLineEdit* kfEdit_;
  QLineEdit* iEdit_;
  QLineEdit* neEdit_;
  QLineEdit* saturatedThicknessEdit_;  // b, in the project's settings; empty for 0
  QLineEdit* widthEdit_;               // W, stored as Sy = W / 2
  QLineEdit* thicknessEdit_;           // stored as Sz
  QLineEdit* axEdit_;
  QLineEdit* ayEdit_;
  QLineEdit* azEdit_;
  QCheckBox* approximateCheck_;
  // Indexed by redox condition 0..6 (not the on-screen order).
  QRadioButton* redoxButtons_[7];
  QTextEdit* presetList_;
  // A warning sign beside each field that a plausibility warning names, and
  // the warnings in words below the hydraulic and the dispersivity fields.
  std::map<int, QLabel*> warningSigns_;  // by AquiferBit
  QLabel* hydraulicWarnings_;
  QLabel* dispersivityWarnings_;
};
