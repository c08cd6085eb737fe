// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What each part of the report is, as its section declares it: a heading
// that goes with what follows, a lead sentence that goes with the table or
// chart it introduces, a group kept whole (a contaminant's robustness
// lines), a line of charts, a table with the columns that never wrap. The
// sections say so through ReportContext, which leaves a mark in the HTML;
// once the document holds the HTML, the marks become properties of the
// paragraphs' and tables' formats, which the page breaks read. So the page
// breaks follow what a section says its parts are, not the HTML's shape,
// and a new section needs no change to them.
#pragma once

#include <QString>
#include <QTextFormat>

class QTextBlock;
class QTextDocument;
class QTextTable;

enum class LayoutRole : int {
  kNone = 0,
  // Stays on one page with the first line or table row of what follows.
  kHeading = 1,
  // A short sentence leading into what follows, which keeps it as a
  // heading would.
  kLead = 2,
  // Opens a group kept on one page with the unmarked paragraphs after it.
  kGroup = 3,
  // A line of charts.
  kChart = 4,
  // A table, its rows kept together when they are fewer than ten.
  kTable = 5,
  // A table kept on one page whatever its rows.
  kKeep = 6,
};

// The properties the marks become.
inline constexpr int kLayoutRoleProperty = QTextFormat::UserProperty + 20;
// A table's columns that never wrap, as a string: 'n' for a column that
// does not, anything else for one that may wrap between words.
inline constexpr int kLayoutNoWrapProperty = QTextFormat::UserProperty + 21;

// The mark of a role (with a table's column letters), to stand at the very
// start of the part's text: inside its paragraph or its table's first cell.
QString LayoutMark(LayoutRole role, const QString& columns = QString());
// The HTML of one element with the mark put inside its first tag (a
// paragraph's <p>, a table's first <td> or <th>).
QString WithLayoutMark(const QString& html, LayoutRole role, const QString& columns = QString());

// Turns the marks of a document just made from HTML into format
// properties, takes them out of the text, and sets the table cells that
// must not wrap: a cell below the header rows of a column declared so, and a cell of any table
// whose text is one word, which the layout must not break.
void ApplyLayoutMarks(QTextDocument* doc);

LayoutRole LayoutRoleOf(const QTextBlock& block);
LayoutRole LayoutRoleOf(const QTextTable* table);

// A name kept on one line ("GWM 1"): a no-break space for each space, which
// reads as a space in the PDF's text.
QString Unbroken(const QString& text);

// The text layout may end a line after a slash inside a word, which splits
// a unit ("µg/" and "L]", "1/" and "d"): such a word is joined there, so that
// it moves to the next line whole. Returns the number of places joined.
int KeepSlashedWordsWhole(QTextDocument* doc);

// Makes every top-level table that the layout squeezes (a word broken
// inside, a line through a cell's edge) or that runs past the right margin
// fit the page's width, by setting its text smaller in steps. Lays the
// document out; returns the number of tables made smaller.
int FitReportTables(QTextDocument* doc);
