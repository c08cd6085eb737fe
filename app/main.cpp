// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Virelo desktop program: decision support for monitored natural attenuation.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "app/Language.h"
#include "app/VireloApp.h"
#include "platform/DecimalSign.h"
#include "platform/HelpViewer.h"

namespace {
void printUsage() {
  std::printf(
      "Usage: virelo [--lang en|de|nl] [PROJECT-FILE]\n"
      "       virelo --version | --help\n"
      "\n"
      "Opens PROJECT-FILE (*.vrp), or starts with a new project filled from the\n"
      "generic contaminant database.\n"
      "\n"
      "  --lang en|de|nl  the language of the windows: English, German or Dutch\n"
      "                   (without it, the one chosen under View > Language, else\n"
      "                   the desktop's language)\n");
}
}  // namespace

int main(int argc, char** argv) {
  QString lang;
  QString langError;
  argc = language::takeOption(argc, argv, &lang, &langError);
  if (!langError.isEmpty()) {
    std::fprintf(stderr, "virelo: %s\n", langError.toLocal8Bit().constData());
    return 2;
  }
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
  // Only here: windows built without main(), as the tests build them, stay
  // in English whatever the desktop's language.
  const QString code = language::effective(lang, language::savedChoice(), QLocale::system());
  language::installTranslators(&app, code);
  SetShownDecimalSign(DecimalSignFor(code));
  help::setLanguage(code);
  // Qt has taken its own options out of argv; the rest names the project.
  VireloApp virelo;
  return virelo.Run(VireloApp::commandLineText(argc, argv));
}
