// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Driving a table as a person does: a click into a cell, a text typed into
// the editor that opens, Enter; a list opened in a cell and an entry chosen
// in it. The table's window must be shown.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// Shows a window and makes it the active one, which keyboard focus needs.
inline bool showActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

// A click into the middle of a cell. The window is made active first: the
// headless platform does not give the activation back when a list that
// popped up closes, as a desktop does.
inline void clickCell(QAbstractItemView* view, int row, int column) {
  QTest::qWait(1);  // a closed list's change of the active window
  if (!view->window()->isActiveWindow()) {
    view->window()->activateWindow();
    (void)QTest::qWaitForWindowActive(view->window());  // the click tells if it failed
  }
  const QModelIndex index = view->model()->index(row, column);
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The line editor open in `view`, or null.
inline QLineEdit* openLineEditor(QAbstractItemView* view) {
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  return editor && view->isAncestorOf(editor) ? editor : nullptr;
}

// Clicks a cell, opens its editor with F2 where the click did not, types
// `text` over what it holds (an empty text deletes it) and presses Enter.
// False when no editor opened.
inline bool typeIntoCell(QAbstractItemView* view, int row, int column, const QString& text) {
  clickCell(view, row, column);
  QLineEdit* editor = openLineEditor(view);
  if (!editor) {
    QTest::keyClick(view, Qt::Key_F2);
    editor = openLineEditor(view);
  }
  if (!editor) return false;
  editor->selectAll();
  if (text.isEmpty())
    QTest::keyClick(editor, Qt::Key_Delete);
  else
    QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The delegate commits a text ended by Enter from the event loop; what
  // the table does with it may take one more turn.
  const bool closed = QTest::qWaitFor([view] { return !openLineEditor(view); }, 2000);
  QCoreApplication::processEvents();
  return closed;
}

// The drop-down list open in a cell of `view`, or null.
inline QComboBox* openList(QAbstractItemView* view, int row, int column) {
  return qobject_cast<QComboBox*>(view->indexWidget(view->model()->index(row, column)));
}

// Clicks a cell whose editor is a list and chooses the entry `text` with
// the keyboard in the list that opens. False when there is no such entry.
inline bool chooseInCell(QAbstractItemView* view, int row, int column, const QString& text) {
  clickCell(view, row, column);
  QComboBox* list = openList(view, row, column);
  if (!list) return false;
  const int entry = list->findText(text);
  if (entry < 0) return false;
  if (!list->view()->isVisible()) list->showPopup();
  QAbstractItemView* entries = list->view();
  QTest::keyClick(entries, Qt::Key_Home);
  for (int k = 0; k < entry; ++k) QTest::keyClick(entries, Qt::Key_Down);
  QTest::keyClick(entries, Qt::Key_Return);
  QCoreApplication::processEvents();
  return list->currentIndex() == entry;
}
