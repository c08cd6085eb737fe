// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/NumberField.h"

#include "platform/DecimalSign.h"

#include <QLineEdit>
#include <QTableWidgetItem>
#include <QVariant>

namespace {

// The number an edit shows and the text it was shown as, kept on the edit.
constexpr const char* kShownNumber = "vireloShownNumber";
constexpr const char* kShownText = "vireloShownText";

// Roles of a cell: far above the roles Qt and the windows use.
constexpr int kCellShownNumberRole = Qt::UserRole + 0x5600;
constexpr int kCellShownTextRole = Qt::UserRole + 0x5601;

}  // namespace

void ShowFieldNumber(QLineEdit* edit, const QString& number, double value) {
  // The reader's decimal sign; the number behind it stays the stored one.
  const QString text = ShownNumbers(number);
  // Set first, so that whoever listens to the text's change reads the number.
  edit->setProperty(kShownNumber, value);
  edit->setProperty(kShownText, text);
  edit->setText(text);
  edit->setModified(false);
  // What the edit holds: a length limit may have cut the text, and then the
  // text no longer stands for `value`.
  edit->setProperty(kShownText, edit->text());
}

void ShowFieldText(QLineEdit* edit, const QString& text) {
  edit->setProperty(kShownText, QVariant());
  edit->setProperty(kShownNumber, QVariant());
  // clear() would be an undoable edit, counted as the user's.
  edit->setText(text);
  edit->setModified(false);
}

void KeepShownDecimalSign(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] {
    if (ShownDecimalSign() == QLatin1Char('.') || !edit->isModified()) return;
    const QString shown = ShownNumbers(edit->text());
    if (shown == edit->text()) return;
    const int cursor = edit->cursorPosition();
    edit->setText(shown);  // one character for one: the cursor stays put
    edit->setCursorPosition(cursor);
    edit->setModified(true);
  });
}

bool UneditedFieldNumber(const QLineEdit* edit, double* value) {
  const QVariant number = edit->property(kShownNumber);
  // A text set past ShowFieldNumber (or cut by a length limit) is read as
  // the text it is.
  if (!number.isValid() || edit->isModified() || edit->text() != edit->property(kShownText).toString())
    return false;
  *value = number.toDouble();
  return true;
}

void ShowCellNumber(QTableWidgetItem* item, const QString& number, double value) {
  const QString text = ShownNumbers(number);
  item->setText(text);
  item->setData(kCellShownTextRole, text);
  item->setData(kCellShownNumberRole, value);
}

bool UneditedCellNumber(const QTableWidgetItem* item, double* value) {
  const QVariant number = item->data(kCellShownNumberRole);
  if (!number.isValid() || item->text() != item->data(kCellShownTextRole).toString()) return false;
  *value = number.toDouble();
  return true;
}

void TypedTextDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    if (edit->isModified()) model->setData(index, edit->text());
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}
