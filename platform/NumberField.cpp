// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/NumberField.h"

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

void ShowFieldNumber(QLineEdit* edit, const QString& text, double value) {
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

bool UneditedFieldNumber(const QLineEdit* edit, double* value) {
  const QVariant number = edit->property(kShownNumber);
  // A text set past ShowFieldNumber (or cut by a length limit) is read as
  // the text it is.
  if (!number.isValid() || edit->isModified() || edit->text() != edit->property(kShownText).toString())
    return false;
  *value = number.toDouble();
  return true;
}

void ShowCellNumber(QTableWidgetItem* item, const QString& text, double value) {
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
