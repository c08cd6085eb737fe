// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The application object: starts the engine, runs the main window as the
// process's only event loop and shuts the engine down again.
#pragma once

#include <QString>

class VireloApp {
 public:
  // Joins the arguments after the program name with blanks into the one
  // project path text of the command line (bytes of the file system).
  static QString commandLineText(int argc, char** argv);

  // Start-up to shutdown. Returns the process exit code.
  int Run(const QString& commandLine);
};
