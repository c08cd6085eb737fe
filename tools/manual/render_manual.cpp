// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Renders the user manual (Markdown) into the PDF that the Help menu opens.
// Usage: render_manual MANUAL.md OUT.pdf [VERSION]
// "@VERSION@" in the text becomes VERSION; the help markers are taken out.
// Runs headless (offscreen).
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

#include "platform/ManualHelp.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "Usage: render_manual MANUAL.md OUT.pdf [VERSION]\n");
    return 2;
  }
  QFile input(QString::fromLocal8Bit(argv[1]));
  if (!input.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "render_manual: cannot read %s\n", argv[1]);
    return 1;
  }
  // The help markers are read here too, so a faulty one stops the build.
  const ManualHelp manual(QString::fromUtf8(input.readAll()),
                          argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
  for (const QString& error : manual.errors()) std::fprintf(stderr, "render_manual: %s\n", qPrintable(error));
  if (!manual.errors().isEmpty()) return 1;

  QTextDocument doc;
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPointSizeF(10.5);
  doc.setDefaultFont(font);
  manual.layOut(&doc);

  const QString output = QString::fromLocal8Bit(argv[2]);
  QPdfWriter writer(output);
  writer.setPageSize(QPageSize(QPageSize::A4));
  // QTextDocument::print keeps a 2 cm margin of its own and numbers the pages
  // in it; the writer adds none.
  writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  writer.setResolution(300);
  writer.setTitle(QStringLiteral("Virelo user manual"));
  writer.setCreator(QStringLiteral("Virelo"));
  doc.print(&writer);
  if (!QFile::exists(output)) {
    std::fprintf(stderr, "render_manual: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
