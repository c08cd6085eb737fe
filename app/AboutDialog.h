// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The about box, which doubles as the start-up splash screen.
#pragma once

#include <QDialog>
#include <QTimer>

class HyperLink;
class QTextEdit;
class QLabel;
class QPushButton;

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  // splashTime in milliseconds: 0 for the plain about box, above 0 to close
  // the box by itself after that time (the start-up splash uses 1200).
  explicit AboutDialog(QWidget* parent = nullptr, int splashTime = 0);

  int splashTime = 0;
  // Logo and address of the research institution, then of the maker.
  HyperLink* institutionLogoLink;
  HyperLink* institutionAddressLink;
  HyperLink* makerLogoLink;
  HyperLink* makerAddressLink;
  QTextEdit* acknowledgementText;
  QLabel* versionField;
  QPushButton* okButton;

  static QString acknowledgement();
  static QString versionText();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void applyCaption();
  QTimer splashTimer_;
};
