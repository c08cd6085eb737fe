// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A fresh desktop session for the shell's tests: its own per-user data folder
// (with or without the generic database), an empty program folder, the
// scripted platform, and the engine started as the program starts it.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "app/DataCommands.h"
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "app/ReportBoxes.h"
#include "diagnostics/report.h"
#include "engine/project/records.h"
#include "persistence/database.h"
#include "persistence/projectfile.h"
#include "support/FakePlatform.h"

inline QString bundledDatabase() {
  return QStringLiteral(VIRELO_BINARY_DIR "/generic.vrc");
}

struct ShellSession {
  enum Database { UserDatabase, NoDatabase };

  QTemporaryDir home;     // the per-user data folder base
  QTemporaryDir program;  // stands for the executable's folder
  FakePlatform platform;

  explicit ShellSession(Database database = UserDatabase, bool databaseBesideProgram = false) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    if (database == UserDatabase) {
      QDir(home.path()).mkpath(QStringLiteral("Virelo"));
      QFile::copy(bundledDatabase(), home.path() + QStringLiteral("/Virelo/generic.vrc"));
    }
    if (databaseBesideProgram)
      QFile::copy(bundledDatabase(), program.path() + QStringLiteral("/generic.vrc"));
    virelo_SetModulePathOverride(QFile::encodeName(program.path()).constData());
    SetInstalledReportHandlers(ShowErrorBox, ShowWarningBox, PrintDebugLine);
    virelo_Init();
  }
  ~ShellSession() { virelo_Exit(); }

  // A main window initialised with `commandLine` and shown.
  std::unique_ptr<MainDialog> start(const QString& commandLine = QString()) {
    auto window = std::make_unique<MainDialog>();
    window->Initialise(commandLine);
    window->show();
    window->activateWindow();
    // Focus checks need an active window; exposure is the least a test needs.
    if (!QTest::qWaitForWindowActive(window.get()) && !QTest::qWaitForWindowExposed(window.get()))
      qWarning("main window never exposed");
    return window;
  }

  QString path(const QString& name) const { return home.filePath(name); }
};

// Writes a project file made from the database with the given title.
inline bool writeProject(const QString& fileName, const char* title) {
  Project* project = virelo_NewProject();
  if (!project) return false;
  std::snprintf(project->title, sizeof project->title, "%s", title);
  const int ok = virelo_SaveProject(project, QFile::encodeName(fileName).constData());
  virelo_FreeProject(project);
  return ok == 1;
}

template <typename T>
T* child(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}
