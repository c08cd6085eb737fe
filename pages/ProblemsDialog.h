// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The modal "Problems" dialog: the numbered problem texts of one assessment
// of one contaminant, in a text box the user may scroll and copy from.
#pragma once

#include <QByteArray>
#include <QDialog>

struct Aquifer;
class QPlainTextEdit;
class QPushButton;

class ProblemsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ProblemsDialog(QWidget* parent = nullptr);

  // Formats one line (printf style, at most 1023 bytes, Latin-1 arguments)
  // and appends it with CR LF to the problem text.
  void AppendLine(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  // Appends, under a heading of their own, the plausibility warnings on the
  // aquifer that concern the assessment (the dispersivity warnings only the
  // attenuation factor); nothing when there are none. Returns their number.
  int AppendPlausibilityWarnings(const Aquifer& aquifer, bool plumeLength);

  // The whole problem text, every line ended by CR LF.
  QString problemText() const {
    return QString::fromLatin1(problemText_);
  }
  QPlainTextEdit* textBox() const {
    return textBox_;
  }
  QPushButton* okButton() const {
    return okButton_;
  }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showText();

  QByteArray problemText_;
  QPlainTextEdit* textBox_ = nullptr;
  QPushButton* okButton_ = nullptr;
};
