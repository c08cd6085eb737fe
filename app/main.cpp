// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Virelo desktop program: decision support for monitored natural attenuation.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "app/VireloApp.h"

namespace {
void printUsage() {
  std::printf(
      "Usage: virelo [PROJECT-FILE]\n"
      "       virelo --version | --help\n"
      "\n"
      "Opens PROJECT-FILE (*.vrp), or starts with a new project filled from the\n"
      "generic contaminant database.\n");
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("Virelo %s\n", VIRELO_VERSION);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    printUsage();
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Virelo"));
  QApplication::setApplicationVersion(QStringLiteral(VIRELO_VERSION));
  // Qt takes the desktop's locale for the C library too; numbers in Virelo
  // are always written with a point, whatever the desktop's convention.
  std::setlocale(LC_NUMERIC, "C");
  // Qt has taken its own options out of argv; the rest names the project.
  VireloApp virelo;
  return virelo.Run(VireloApp::commandLineText(argc, argv));
}
