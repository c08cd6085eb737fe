// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/ReportLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace {

// A mark stands between these two characters of Unicode's private use area
// (which no record or report text holds, and which the reference numbers
// do not use): the role as a digit, then a table's column letters.
constexpr QChar kMarkOpen(0xE002);
constexpr QChar kMarkClose(0xE003);

// How much smaller a table that does not fit is set at each step, and the
// steps at most: 0.88^5 is about half the size, as small as print stays
// legible from the report's 7 to 8 pt.
constexpr double kFitScale = 0.88;
constexpr int kFitSteps = 5;
constexpr int kJoinRounds = 3;
// Joins the letters either side of it: no line breaks there. It has no
// width and no glyph, and a reader copying the text does not see it.
constexpr QChar kWordJoiner(0x2060);

struct Mark {
  int position = 0;
  int length = 0;
  LayoutRole role = LayoutRole::kNone;
  QString columns;
};

std::vector<Mark> marksOf(const QTextDocument* doc) {
  std::vector<Mark> marks;
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    for (qsizetype at = text.indexOf(kMarkOpen); at >= 0; at = text.indexOf(kMarkOpen, at + 1)) {
      const qsizetype close = text.indexOf(kMarkClose, at);
      if (close < at + 2) break;
      marks.push_back({block.position() + static_cast<int>(at), static_cast<int>(close - at + 1),
                       static_cast<LayoutRole>(text[at + 1].unicode() - u'0'),
                       text.mid(at + 2, close - at - 2)});
    }
  }
  return marks;
}

void collectTables(QTextFrame* frame, std::vector<QTextTable*>* tables) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) tables->push_back(table);
    collectTables(child, tables);
  }
}

// One word: no space or tab between its letters (a no-break space joins).
bool isOneWord(const QString& text) {
  const QString trimmed = text.trimmed();
  return !trimmed.isEmpty() && !trimmed.contains(QLatin1Char(' ')) && !trimmed.contains(QLatin1Char('\t'));
}

void setNoWrapCells(QTextDocument* doc) {
  std::vector<QTextTable*> tables;
  collectTables(doc->rootFrame(), &tables);
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  QTextBlockFormat noWrap;
  noWrap.setNonBreakableLines(true);
  for (QTextTable* table : tables) {
    const QString columns = table->format().property(kLayoutNoWrapProperty).toString();
    // A column's title is words ("Decay constant [1/d]") that wrap in a
    // narrow column; the declaration is for the values under it.
    const int header = std::max(0, table->format().headerRowCount());
    for (int r = 0; r < table->rows(); ++r) {
      for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(r, c);
        if (cell.row() != r || cell.column() != c) continue;
        const bool declared = r >= header && c < columns.size() && columns[c] == QLatin1Char('n');
        // The cell's own paragraphs; a table inside it is set on its own.
        for (auto it = cell.begin(); !it.atEnd(); ++it) {
          const QTextBlock block = it.currentBlock();
          if (!block.isValid() || !(declared || isOneWord(block.text()))) continue;
          cursor.setPosition(block.position());
          cursor.mergeBlockFormat(noWrap);
        }
      }
    }
  }
  cursor.endEditBlock();
}

// True where the layout broke a line inside a word: the line before ends
// in neither a space nor a character after which a word may break.
bool breaksAWord(const QTextBlock& block) {
  const QTextLayout* layout = block.layout();
  if (!layout) return false;
  const QString text = block.text();
  for (int k = 1; k < layout->lineCount(); ++k) {
    const int start = layout->lineAt(k).textStart();
    if (start <= 0 || start >= text.size()) continue;
    const QChar before = text[start - 1];
    const QChar after = text[start];
    if (before.isSpace() || after.isSpace() || before == QChar::LineSeparator) continue;
    if (before == QLatin1Char('-') || before == QChar(0x2013) || before == QLatin1Char('/')) continue;
    return true;
  }
  return false;
}

// The right end of the text of a paragraph's widest line, in the
// document's coordinates.
double textRight(QAbstractTextDocumentLayout* layout, const QTextBlock& block) {
  const QTextLayout* text = block.layout();
  const double left = layout->blockBoundingRect(block).left();
  double right = left;
  for (int k = 0; text && k < text->lineCount(); ++k) {
    const QTextLine line = text->lineAt(k);
    right = std::max(right, left + line.x() + line.naturalTextWidth());
  }
  return right;
}

// A table fits when none of its lines breaks a word or reaches past the
// text's width (the table's frame, its border and spacing, may stand a
// little beyond it, as every table of full width does).
bool fits(QTextDocument* doc, QTextTable* table, double width) {
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  for (QTextBlock block = doc->findBlock(table->firstPosition());
       block.isValid() && block.position() <= table->lastPosition(); block = block.next())
    if (breaksAWord(block) || textRight(layout, block) > width + 0.5) return false;
  return true;
}

void shrink(QTextDocument* doc, QTextTable* table, double scale) {
  const double standard = doc->defaultFont().pointSizeF();
  struct Span {
    int from, to;
    double size;
  };
  std::vector<Span> spans;
  for (QTextBlock block = doc->findBlock(table->firstPosition());
       block.isValid() && block.position() <= table->lastPosition(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      const double size = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : standard;
      spans.push_back({it.fragment().position(), it.fragment().position() + it.fragment().length(), size});
    }
  }
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  for (const Span& span : spans) {
    QTextCharFormat smaller;
    smaller.setFontPointSize(span.size * scale);
    cursor.setPosition(span.from);
    cursor.setPosition(span.to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(smaller);
  }
  // Inside the edit, so that the smaller text and the table's new measure
  // are laid out in one pass.
  doc->markContentsDirty(table->firstPosition() - 1, table->lastPosition() - table->firstPosition() + 2);
  cursor.endEditBlock();
}

}  // namespace

QString LayoutMark(LayoutRole role, const QString& columns) {
  return QString(kMarkOpen) + QChar(u'0' + static_cast<int>(role)) + columns + kMarkClose;
}

QString WithLayoutMark(const QString& html, LayoutRole role, const QString& columns) {
  // A table's mark goes into its first cell (text between a table's tags
  // and its cells has no place in the document); a paragraph's after its
  // opening tag; text without a tag takes it in front.
  static const QRegularExpression firstCell(QStringLiteral("<t[dh](\\s[^>]*)?>"));
  static const QRegularExpression firstTag(QStringLiteral("^\\s*<[a-zA-Z][^>]*>"));
  const bool table = role == LayoutRole::kTable || role == LayoutRole::kKeep;
  // A cell that opens with a paragraph or a heading takes the mark inside
  // it: in front of it, the mark would stand in an empty line of its own.
  static const QRegularExpression cellBlock(QStringLiteral("\\s*<(?:p|h[1-6]|div)(?:\\s[^>]*)?>"));
  const QRegularExpressionMatch found = (table ? firstCell : firstTag).match(html);
  qsizetype at = found.hasMatch() ? found.capturedEnd() : 0;
  if (table && found.hasMatch()) {
    const QRegularExpressionMatch inner = cellBlock.match(html, at, QRegularExpression::NormalMatch,
                                                          QRegularExpression::AnchorAtOffsetMatchOption);
    if (inner.hasMatch()) at = inner.capturedEnd();
  }
  QString marked = html;
  marked.insert(at, LayoutMark(role, columns));
  return marked;
}

void ApplyLayoutMarks(QTextDocument* doc) {
  const std::vector<Mark> marks = marksOf(doc);
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  // From the end, so that taking a mark out moves none still to come.
  for (auto it = marks.rbegin(); it != marks.rend(); ++it) {
    cursor.setPosition(it->position);
    QTextTable* table = cursor.currentTable();
    if (table && table->cellAt(0, 0).firstPosition() == it->position) {
      QTextTableFormat format = table->format();
      format.setProperty(kLayoutRoleProperty, static_cast<int>(it->role));
      if (!it->columns.isEmpty()) format.setProperty(kLayoutNoWrapProperty, it->columns);
      table->setFormat(format);
    } else {
      QTextBlockFormat format;
      format.setProperty(kLayoutRoleProperty, static_cast<int>(it->role));
      cursor.mergeBlockFormat(format);
    }
    cursor.setPosition(it->position + it->length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  cursor.endEditBlock();
  setNoWrapCells(doc);
}

LayoutRole LayoutRoleOf(const QTextBlock& block) {
  return static_cast<LayoutRole>(block.blockFormat().intProperty(kLayoutRoleProperty));
}

LayoutRole LayoutRoleOf(const QTextTable* table) {
  return static_cast<LayoutRole>(table->format().intProperty(kLayoutRoleProperty));
}

QString Unbroken(const QString& text) {
  QString joined = text;
  joined.replace(QLatin1Char(' '), QChar(0x00A0));
  return joined;
}

int KeepSlashedWordsWhole(QTextDocument* doc) {
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  int joined = 0;
  // A join moves the word to the next line, where a second slash of it may
  // end the line in turn: a few rounds settle any word.
  for (int round = 0; round < kJoinRounds; ++round) {
    std::vector<int> breaks;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
      if (!block.text().contains(QLatin1Char('/'))) continue;
      layout->blockBoundingRect(block);  // lays the paragraph out if it is not
      const QTextLayout* text = block.layout();
      const QString letters = block.text();
      for (int k = 1; text && k < text->lineCount(); ++k) {
        const int start = text->lineAt(k).textStart();
        if (start >= 2 && start < letters.size() && letters[start - 1] == QLatin1Char('/') &&
            !letters[start - 2].isSpace() && !letters[start].isSpace())
          breaks.push_back(block.position() + start);
      }
    }
    if (breaks.empty()) break;
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (auto it = breaks.rbegin(); it != breaks.rend(); ++it) {
      cursor.setPosition(*it);
      cursor.insertText(QString(kWordJoiner));
    }
    cursor.endEditBlock();
    joined += static_cast<int>(breaks.size());
  }
  return joined;
}

int FitReportTables(QTextDocument* doc) {
  const double width = doc->pageSize().width() - 2 * doc->documentMargin();
  if (width <= 0) return 0;
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  layout->documentSize();
  std::vector<QTextTable*> tables;
  for (QTextFrame* child : doc->rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(child)) tables.push_back(table);
  int fitted = 0;
  for (QTextTable* table : tables) {
    int step = 0;
    for (; step < kFitSteps && !fits(doc, table, width); ++step) shrink(doc, table, kFitScale);
    if (step > 0) ++fitted;
  }
  // The layout moved what follows a table made smaller along without
  // measuring it again; the page breaks need it measured.
  if (fitted) doc->markContentsDirty(0, doc->characterCount());
  return fitted;
}
