// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The desktop's answer to help requests: the manual in a window of Virelo's
// own, opened at a section, and short pop-up texts for single controls. Both
// read the manual built into the program (ManualHelp::builtIn).
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class ManualHelp;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(const ManualHelp& manual, QWidget* parent = nullptr);

  // Scrolls to the section whose heading reads `heading` ("" or unknown: the
  // beginning) and marks it in the contents.
  void showSection(const QString& heading);
  QString currentSection() const { return section_; }

  QTextBrowser* browser() const { return browser_; }
  QTreeWidget* contents() const { return contents_; }

 private:
  QTextBrowser* browser_;
  QTreeWidget* contents_;
  QString section_;
};

namespace help {
// Shows the help window at the section holding `controlId`'s text. False when
// the manual cannot be shown.
bool showTopic(int controlId);
// Shows `controlId`'s text as a pop-up at the screen point `at` (the mouse
// pointer when null). False when the control has no text.
bool showPopup(int controlId, const QPoint& at);
// Closes the help window, if one is open.
void closeWindow();
// The open help window, or null.
HelpWindow* window();
// The language of the What's-this texts: "de" and "nl" have their own, the
// manual and every other language read the English. main() sets it once.
void setLanguage(const QString& code);
QString language();
// `controlId`'s What's-this text in `code`'s language, in Markdown; the
// manual's English where that language has none.
QString whatsThisText(int controlId, const QString& code);
}  // namespace help
