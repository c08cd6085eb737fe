// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Renders the application icon into the freedesktop icon-theme layout
// (<out>/hicolor/<n>x<n>/apps/virelo.png) at build time.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "resources/shell_pictures.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_icons OUTPUT-FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
    if (!QDir().mkpath(folder)) return 1;
    if (!shell_pictures::renderApplicationIcon(size).save(folder + QStringLiteral("/virelo.png"))) return 1;
  }
  return 0;
}
