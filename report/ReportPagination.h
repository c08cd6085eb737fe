// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Page breaks as a reader expects them in the report: a heading stays with
// what it heads, a table row is never cut in two, and a block of input
// lines under a result (the robustness lines) stays on one page, as does a
// table of fewer than ten rows. The text layout knows none of these rules;
// this pass moves what breaks them to the next page after the document has
// been laid out, in one sweep from the top. Each move is one change the
// layout takes up by itself: it measures the part changed again, lays every
// table after it out anew and carries the paragraphs below along, breaking
// their lines at the pages' feet as they now fall. Nothing more is laid out
// on the pass's behalf: a long table moved along costs one layout of it per
// move before it, so the report's tables are the moves' main cost.
#pragma once

class QTextDocument;

// Adjusts the page breaks of a laid-out document with a page size.
// Returns the number of places moved to a new page.
int KeepReportPartsTogether(QTextDocument* doc);
