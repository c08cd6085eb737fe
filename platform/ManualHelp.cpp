// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/ManualHelp.h"

#include <QColor>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

const QRegularExpression kMarkerStart(QStringLiteral("^<!--\\s*help\\b"));
const QRegularExpression kMarker(QStringLiteral("^<!--\\s*help((?:\\s+\\d+)+)\\s*-->$"));
const QRegularExpression kHeading(QStringLiteral("^#{1,6}\\s+(.*?)\\s*#*\\s*$"));
const QRegularExpression kListItem(QStringLiteral("^\\s*(?:[-*+]|\\d+\\.)\\s+"));

bool headingText(const QString& line, QString* text) {
  const QRegularExpressionMatch match = kHeading.match(line);
  if (!match.hasMatch()) return false;
  *text = match.captured(1);
  return true;
}

// Chapters stand apart from what precedes them; the short ones share pages.
void spaceChapters(QTextDocument* document) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
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
void styleTables(QTextFrame* frame) {
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
    styleTables(child);
  }
}

// Every heading becomes an anchor named by its text, so that help can open
// the manual at a section.
void anchorHeadings(QTextDocument* document) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() < 1 || block.length() <= 1) continue;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setAnchor(true);
    format.setAnchorNames({block.text()});
    cursor.mergeCharFormat(format);
  }
}

}  // namespace

ManualHelp::ManualHelp(const QString& source, const QString& version) {
  QString text = source;
  if (!version.isEmpty()) text.replace(QStringLiteral("@VERSION@"), version);
  const QStringList lines = text.split(QLatin1Char('\n'));
  QStringList kept;
  QString section;
  bool inFence = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QStringLiteral("```"))) inFence = !inFence;
    if (!inFence && kMarkerStart.match(trimmed).hasMatch()) {
      const QString where = QStringLiteral("manual line %1: ").arg(i + 1);
      const QRegularExpressionMatch match = kMarker.match(trimmed);
      if (!match.hasMatch()) {
        errors_ << where + QStringLiteral("a help marker reads <!-- help ID [ID ...] -->");
        continue;
      }
      // The paragraph after the marker.
      QStringList paragraph;
      QString ignored;
      for (qsizetype j = i + 1; j < lines.size(); ++j) {
        const QString& next = lines[j];
        if (next.trimmed().isEmpty() || headingText(next, &ignored) ||
            kMarkerStart.match(next.trimmed()).hasMatch() || (j > i + 1 && kListItem.match(next).hasMatch()))
          break;
        paragraph << next.trimmed();
      }
      QString body = paragraph.join(QLatin1Char('\n'));
      body.remove(kListItem);
      if (body.isEmpty()) errors_ << where + QStringLiteral("no paragraph follows the help marker");
      const QStringList ids = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
      for (const QString& idText : ids) {
        const int id = idText.toInt();
        if (topics_.contains(id))
          errors_ << where + QStringLiteral("control %1 has a help text already").arg(id);
        else
          topics_.insert(id, {body, section});
      }
      continue;  // the marker itself never shows
    }
    if (!inFence) headingText(line, &section);
    kept << line;
  }
  markdown_ = kept.join(QLatin1Char('\n'));
}

void ManualHelp::layOut(QTextDocument* document) const {
  document->setMarkdown(markdown_, QTextDocument::MarkdownDialectGitHub);
  spaceChapters(document);
  styleTables(document->rootFrame());
  anchorHeadings(document);
}

QString ManualHelp::toHtml(const QString& markdownText) {
  // A unit such as m/d stays on one line of the narrow pop-up.
  static const QRegularExpression unitSlash(QStringLiteral("(\\w)/(\\w)"));
  QString text = markdownText;
  text.replace(unitSlash, QStringLiteral("\\1/\u2060\\2"));
  QTextDocument document;
  document.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
  return document.toHtml();
}
