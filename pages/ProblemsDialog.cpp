// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ProblemsDialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdarg>
#include <cstdio>

#include "engine/core/plausibility.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {
// Help identifier of the dialog and its text.
constexpr int kIdProblems = 1350;
}  // namespace

ProblemsDialog::ProblemsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Problems"));
  setObjectName(QStringLiteral("problemsDialog"));
  textBox_ = new QPlainTextEdit;
  textBox_->setObjectName(QStringLiteral("problemText"));
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  textBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  okButton_ = new QPushButton(tr("OK"));
  okButton_->setDefault(true);
  okButton_->setAutoDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(okButton_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(textBox_, 1);
  layout->addLayout(buttons);
  OpenAtSessionSize(this, QSize(440, 260));

  // F1 opens the manual at the list of problems and their remedies.
  AnswerF1WithManual(this, kIdProblems);
  setControlId(textBox_, kIdProblems);
}

void ProblemsDialog::AppendLine(const char* format, ...) {
  char line[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  problemText_.append(line);
  problemText_.append("\r\n");
  showText();
}

int ProblemsDialog::AppendPlausibilityWarnings(const Aquifer& aquifer, bool plumeLength) {
  int count = 0;
  for (const PlausibilityWarning& warning : virelo_CheckPlausibility(aquifer)) {
    if (plumeLength && warning.attenuationFactorOnly) continue;
    if (count == 0) {
      AppendLine("%s", "");
      AppendLine("%s", tr("PLAUSIBILITY WARNINGS (they do not change the verdict):").toLatin1().constData());
    }
    AppendLine("%d. %s", ++count, EngineText(warning.text).toLatin1().constData());
  }
  return count;
}

void ProblemsDialog::showEvent(QShowEvent* event) {
  showText();  // whatever the user typed into the box last time is gone
  QDialog::showEvent(event);
}

void ProblemsDialog::showText() {
  // The text box keeps its lines apart by itself; CR LF would show the CR.
  QString text = QString::fromLatin1(problemText_);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  textBox_->setPlainText(text);
}
