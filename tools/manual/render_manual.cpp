// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Renders the user manual (Markdown) into the PDF that the Help menu opens.
// Usage: render_manual MANUAL.md OUT.pdf [VERSION]
// "@VERSION@" in the text becomes VERSION. Runs headless (offscreen).
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdio>

namespace {

// Chapters stand apart from what precedes them; the short ones share pages.
void SpaceChapters(QTextDocument* doc) {
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 1 || level > 2) continue;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(level == 1 ? 22 : 12);
    format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    cursor.setBlockFormat(format);
  }
}

// Tables read better with thin rules, some padding and the full text width.
void StyleTables(QTextFrame* frame) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) {
      QTextTableFormat format = table->format();
      format.setBorder(1);
      format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      format.setBorderBrush(QColor(0x60, 0x60, 0x60));
      format.setBorderCollapse(true);
      format.setCellPadding(4);
      format.setTopMargin(4);
      format.setBottomMargin(8);
      format.setCellSpacing(0);
      format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
      format.setHeaderRowCount(1);
      table->setFormat(format);
    }
    StyleTables(child);
  }
}

}  // namespace

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
  QString text = QString::fromUtf8(input.readAll());
  if (argc > 3) text.replace(QStringLiteral("@VERSION@"), QString::fromLocal8Bit(argv[3]));

  QTextDocument doc;
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPointSizeF(10.5);
  doc.setDefaultFont(font);
  doc.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
  SpaceChapters(&doc);
  StyleTables(doc.rootFrame());

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
