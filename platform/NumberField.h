// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A field shows a stored number in a format that may hold fewer digits than
// the number (six decimals of a decay constant fitted to the wells, ten
// digits in a table). Read back, that text would round the stored number at
// every apply, although the user only clicked into the field and out again.
// So a field filled here remembers the number it shows, and gives it back
// unchanged until the user edits the text; only an edited text is parsed.
#pragma once

#include <QString>
#include <QStyledItemDelegate>

class QLineEdit;
class QTableWidgetItem;

// Fills `edit` with `text`, the display of `value`, as not edited by the user.
void ShowFieldNumber(QLineEdit* edit, const QString& text, double value);
// Fills `edit` with a text that stands for no number (empty, or a note), as
// not edited by the user.
void ShowFieldText(QLineEdit* edit, const QString& text = QString());
// True, with the number the field was last filled with, while the user has
// not edited it since; false when it was edited or holds no number, and the
// caller reads its text.
bool UneditedFieldNumber(const QLineEdit* edit, double* value);

// A number the user typed with the other sign ("0.005" in German) is shown
// with the reader's sign once the user leaves the field. The text stays an
// edit of the user's: it is parsed as typed, and English changes nothing.
void KeepShownDecimalSign(QLineEdit* edit);

// The same for a table cell, which has no edited flag: a cell is unedited
// while it still holds the text it was filled with.
void ShowCellNumber(QTableWidgetItem* item, const QString& text, double value);
bool UneditedCellNumber(const QTableWidgetItem* item, double* value);

// The same for a table over a model: a cell's line editor writes its text
// back only when the user edited it, so that opening a cell and leaving it
// stores nothing from its display. The model keeps the number a cell shows.
class TypedTextDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
