// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/ReportPagination.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <vector>

#include "report/ReportLayout.h"

namespace {

// A table with fewer rows than this, header included, is never split.
constexpr int kShortTableRows = 10;

// A top-level part of the document: a paragraph or a table.
struct Item {
  QTextBlock block;
  QTextTable* table = nullptr;
};

struct Span {
  double top = 0, bottom = 0;
};

class Pager {
 public:
  explicit Pager(QTextDocument* doc)
      : doc_(doc), layout_(doc->documentLayout()), pageHeight_(doc->pageSize().height()) {}

  int run() {
    if (pageHeight_ <= 0) return 0;
    list_ = items();
    int moved = 0;
    size_t from = 0;
    // A move changes only what follows it, so the search goes on from the
    // part moved. The layout takes each move up as it is made: the parts
    // the rules read next are measured where they now stand. A bound on
    // the rounds keeps a rule that cannot be met from looping.
    for (int round = 0; round < 100000; ++round) {
      // A move that takes several edits (a row's padding in every cell) is
      // laid out once, when it is complete.
      QTextCursor change(doc_);
      change.beginEditBlock();
      const int at = firstFault(&from);
      change.endEditBlock();
      if (at < 0) break;
      ++moved;
    }
    return moved;
  }

  int page(double y) const { return static_cast<int>(std::floor(y / pageHeight_)); }
  // A stretch is on one page when its bottom edge is on the page of its top;
  // a bottom exactly on a page's edge still belongs to that page.
  bool onOnePage(const Span& s) const { return page(s.top) == page(std::max(s.top, s.bottom - 0.01)); }

  std::vector<Item> items() const {
    std::vector<Item> list;
    for (auto it = doc_->rootFrame()->begin(); !it.atEnd(); ++it) {
      if (it.currentBlock().isValid())
        list.push_back({it.currentBlock(), nullptr});
      else if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
        list.push_back({QTextBlock(), table});
    }
    return list;
  }

  static int positionOf(const Item& item) {
    return item.table ? item.table->firstPosition() - 1 : item.block.position();
  }
  static int endOf(const Item& item) {
    return item.table ? item.table->lastPosition() + 1 : item.block.position() + item.block.length();
  }

  Span blockSpan(const QTextBlock& block) const {
    const QRectF rect = layout_->blockBoundingRect(block);
    return {rect.top(), rect.bottom()};
  }
  // Line `k` of a top-level paragraph, in document coordinates.
  Span line(const QTextBlock& block, int k) const {
    const QTextLayout* text = block.layout();
    const QTextLine line = text->lineAt(k);
    const double top = text->position().y() + line.y();
    return {top, top + line.height()};
  }
  // The lines of a top-level paragraph, without its margins.
  Span lines(const QTextBlock& block) const {
    const QTextLayout* text = block.layout();
    if (!text || text->lineCount() == 0) return blockSpan(block);
    return {line(block, 0).top, line(block, text->lineCount() - 1).bottom};
  }
  Span firstLine(const QTextBlock& block) const {
    const QTextLayout* text = block.layout();
    if (!text || text->lineCount() == 0) return blockSpan(block);
    return line(block, 0);
  }
  // The text of one table row, from the top of its highest cell's first
  // line to the bottom of its lowest cell's last.
  Span rowSpan(QTextTable* table, int row) const {
    Span span{1e300, -1e300};
    for (int c = 0; c < table->columns(); ++c) {
      const QTextTableCell cell = table->cellAt(row, c);
      if (cell.row() != row || cell.column() != c) continue;
      for (QTextBlock b = doc_->findBlock(cell.firstPosition());
           b.isValid() && b.position() <= cell.lastPosition(); b = b.next()) {
        const Span s = blockSpan(b);
        span.top = std::min(span.top, s.top);
        span.bottom = std::max(span.bottom, s.bottom);
      }
    }
    return span;
  }

  static LayoutRole roleOf(const Item& item) {
    return item.table ? LayoutRoleOf(item.table) : LayoutRoleOf(item.block);
  }
  static bool isHeading(const Item& item) { return roleOf(item) == LayoutRole::kHeading; }
  // A group's first line (a result's heading above its own lines), which
  // its lines stay together with.
  static bool isGroupHeading(const Item& item) { return roleOf(item) == LayoutRole::kGroup; }
  // A lead sentence goes with what it leads into, as a heading does.
  static bool isLead(const Item& item) { return roleOf(item) == LayoutRole::kLead; }
  static bool isChart(const Item& item) { return roleOf(item) == LayoutRole::kChart; }
  // What a section declared a part: the end of a group.
  static bool isDeclared(const Item& item) { return roleOf(item) != LayoutRole::kNone; }

  // Starts `item` on a new page; false when it already does, so that a
  // rule the layout cannot meet does not loop.
  bool breakBefore(const Item& item) {
    if (item.table) {
      QTextTableFormat format = item.table->format();
      if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      item.table->setFormat(format);
      return true;
    }
    QTextBlockFormat format = item.block.blockFormat();
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor cursor(doc_);
    cursor.setPosition(item.block.position());
    cursor.setBlockFormat(format);
    return true;
  }

  // Pads the row above `row` down past the page's foot, so that the layout
  // starts `row` on the next page, as it does with a row that has no room
  // at all. False when that row was padded before: the layout did not move
  // the row then, and padding again would loop.
  bool pushRow(QTextTable* table, int row, const Span& above) {
    if (table->cellAt(row - 1, 0).format().hasProperty(QTextFormat::TableCellBottomPadding)) return false;
    const double foot = (page(above.top) + 1) * pageHeight_;
    const double padding = table->format().cellPadding();
    for (int c = 0; c < table->columns(); ++c) {
      QTextTableCell cell = table->cellAt(row - 1, c);
      if (cell.column() != c) continue;
      QTextTableCellFormat format = cell.format().toTableCellFormat();
      const double bottom =
          format.hasProperty(QTextFormat::TableCellBottomPadding) ? format.bottomPadding() : padding;
      format.setBottomPadding(bottom + (foot - above.bottom) + 1.0);
      cell.setFormat(format);
    }
    return true;
  }

  // The first table row after the header rows, or the whole table's top.
  Span firstBodyRow(QTextTable* table) const {
    const int header = std::max(0, table->format().headerRowCount());
    return rowSpan(table, std::min(header, table->rows() - 1));
  }

  // The stretch that must stay on one page when list[first] opens it:
  // for a run of headings and lead sentences, through the first line of
  // what follows, the first row of a table or all lines of a group; `next`
  // is set to the first item after the run.
  Span headedSpan(const std::vector<Item>& list, size_t first, size_t* next) const {
    size_t k = first;
    while (k < list.size() && (isHeading(list[k]) || isLead(list[k]))) ++k;
    *next = k;
    Span span{lines(list[first].block).top, 0};
    if (k >= list.size()) {
      span.bottom = lines(list[k - 1].block).bottom;
    } else if (list[k].table) {
      span.bottom = firstBodyRow(list[k].table).bottom;
    } else if (isGroupHeading(list[k])) {
      size_t last = k + 1;
      while (last < list.size() && !isDeclared(list[last])) ++last;
      span.bottom = itemBottom(list[last - 1]);
      *next = k + 1;
    } else {
      span.bottom = firstLine(list[k].block).bottom;
    }
    return span;
  }

  double itemBottom(const Item& item) const {
    if (item.table) return layout_->frameBoundingRect(item.table).bottom();
    return lines(item.block).bottom;
  }

  bool startsPage(double top) const { return top - page(top) * pageHeight_ < 0.5; }

  // Moves what of a paragraph does not fit to the next page. The text
  // layout lets a line hang over a page's foot now and then, and draws the
  // last line above a page's top again (hidden under the clip, but in the
  // PDF's text): a paragraph whose every line stands on one page, and ends
  // on it, leaves neither. Returns the position changed, or -1.
  int fitLines(size_t* index) {
    const std::vector<Item>& list = list_;
    const Item item = list[*index];
    const QTextBlock block = item.block;
    size_t first = *index;
    const QTextLayout* text = block.layout();
    // An empty paragraph draws nothing (the layout tucks the one after a
    // table into the table's corner).
    if (!text || block.length() <= 1) return -1;
    for (int k = 0; k < text->lineCount(); ++k) {
      const Span here = line(block, k);
      const bool hangs = !onOnePage(here) && !startsPage(here.top);
      const bool turns = k > 0 && page(here.top) != page(line(block, k - 1).top);
      if (!hangs && !turns) continue;
      // A list item is short and moves whole, as does a paragraph whose
      // first line hangs over the foot.
      if (k == 0 || (block.textList() && lines(block).bottom - lines(block).top < pageHeight_)) {
        if (startsPage(lines(block).top)) return -1;
        // The headings and lead sentences above it go along.
        while (first > 0 && (isHeading(list[first - 1]) || isLead(list[first - 1]))) --first;
        if (!breakBefore(list[first])) return -1;
        *index = first;
        return positionOf(list[first]);
      }
      QTextCursor cursor(doc_);
      const int split = block.position() + text->lineAt(k).textStart();
      // A line break (<br>) that ends the line above becomes the paragraph's
      // end: left in place, it would open an empty line of its own at the
      // foot, and that line would be split off again and again.
      const bool afterBreak =
          split > block.position() && doc_->characterAt(split - 1) == QChar::LineSeparator;
      cursor.setPosition(afterBreak ? split - 1 : split);
      if (afterBreak) cursor.setPosition(split, QTextCursor::KeepAnchor);
      QTextBlockFormat format = block.blockFormat();
      format.setTopMargin(0);
      if (hangs) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      cursor.insertBlock(format, cursor.charFormat());
      list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(*index) + 1, Item{block.next(), nullptr});
      return block.position();
    }
    return -1;
  }

  // Finds the first part from list_[*from] on that breaks a rule, moves it
  // to the next page and returns its position, with *from set to its
  // index; -1 when there is none.
  int firstFault(size_t* from) {
    const std::vector<Item>& list = list_;
    for (size_t i = *from; i < list.size(); ++i) {
      const Item item = list[i];
      *from = i;
      if (isHeading(item) || isLead(item) || isGroupHeading(item)) {
        size_t next = i;
        const Span span = headedSpan(list, i, &next);
        if (!onOnePage(span) && span.bottom - span.top < pageHeight_ && !startsPage(span.top) &&
            breakBefore(item))
          return positionOf(item);
        i = next - 1;
        continue;
      }
      if (item.table) {
        // A short table is read as one piece, as is one its section keeps
        // whole: it moves whole, with the headings and lead sentences that
        // lead into it.
        if (item.table->rows() < kShortTableRows || roleOf(item) == LayoutRole::kKeep) {
          const Span whole{rowSpan(item.table, 0).top, rowSpan(item.table, item.table->rows() - 1).bottom};
          if (!onOnePage(whole) && whole.bottom - whole.top < pageHeight_ && !startsPage(whole.top)) {
            size_t first = i;
            while (first > 0 && (isHeading(list[first - 1]) || isLead(list[first - 1]))) --first;
            if (breakBefore(list[first])) {
              *from = first;
              return positionOf(list[first]);
            }
          }
        }
        const int header = std::max(0, item.table->format().headerRowCount());
        for (int r = header; r < item.table->rows(); ++r) {
          const Span row = rowSpan(item.table, r);
          if (onOnePage(row) || row.bottom - row.top >= pageHeight_) continue;
          if (r == header) {
            if (!startsPage(rowSpan(item.table, 0).top) && breakBefore(item)) return positionOf(item);
            continue;
          }
          if (pushRow(item.table, r, rowSpan(item.table, r - 1)))
            return item.table->cellAt(r - 1, 0).firstPosition();
        }
        continue;
      }
      const int at = fitLines(from);
      if (at >= 0) return at;
    }
    return -1;
  }

  QTextDocument* doc_;
  std::vector<Item> list_;  // the document's top-level parts, in order
  QAbstractTextDocumentLayout* layout_;
  double pageHeight_;
};

}  // namespace

int KeepReportPartsTogether(QTextDocument* doc) {
  return Pager(doc).run();
}
