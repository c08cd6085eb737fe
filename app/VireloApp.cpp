// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/VireloApp.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>

#include "app/MainDialog.h"
#include "app/ReportBoxes.h"
#include "diagnostics/report.h"
#include "persistence/database.h"

QString VireloApp::commandLineText(int argc, char** argv) {
  QByteArray text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return QFile::decodeName(text);
}

int VireloApp::Run(const QString& commandLine) {
  MainDialog window;
  QApplication::setWindowIcon(window.icon);
  // Engine failures become message boxes from here until the window closes.
  SetInstalledReportHandlers(ShowErrorBox, ShowWarningBox, PrintDebugLine);
  virelo_Init();
  window.Initialise(commandLine);
  window.exec();
  virelo_Exit();
  return 0;
}
