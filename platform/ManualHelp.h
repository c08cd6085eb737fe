// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The user manual as the help system reads it. docs/manual.md is the one
// source of every help text: the PDF is rendered from it, the help window
// shows it, and the What's-this text of a control is a paragraph of it,
// marked by a line of its own right before the paragraph:
//
//   <!-- help 1101 -->
//   **x** — the distance from the source to the receptor, in m ...
//
// A marker may name several control identifiers that share one text. The
// paragraph runs to the next blank line, heading, marker or list item. F1 on a
// control opens the manual at the section that holds the control's paragraph.
// Marker lines are taken out before the manual is shown or printed.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QTextDocument;

class ManualHelp {
 public:
  // Reads the manual's Markdown; "@VERSION@" becomes `version`. Faults of the
  // markers (a marker without a paragraph, an identifier marked twice, a
  // marker that cannot be read) are listed in errors().
  explicit ManualHelp(const QString& markdown, const QString& version = QString());

  // The manual built into the program (empty when it is missing).
  static const ManualHelp& builtIn();

  // The manual without its markers.
  const QString& markdown() const { return markdown_; }
  // The paragraph marked for `controlId`, in Markdown; "" when none.
  QString text(int controlId) const { return topics_.value(controlId).text; }
  // The heading of the section holding that paragraph, as it reads in the
  // manual ("5. The Aquifer page"); "" when none.
  QString section(int controlId) const { return topics_.value(controlId).section; }
  QList<int> controlIds() const { return topics_.keys(); }
  const QStringList& errors() const { return errors_; }
  bool isEmpty() const { return markdown_.trimmed().isEmpty(); }

  // Fills `document` with the manual, laid out as the PDF and the help window
  // show it; every heading is an anchor named by its text.
  void layOut(QTextDocument* document) const;
  // A marked paragraph as rich text, for a pop-up.
  static QString toHtml(const QString& markdownText);

 private:
  struct Topic {
    QString text;
    QString section;
  };
  QString markdown_;
  QHash<int, Topic> topics_;
  QStringList errors_;
};
