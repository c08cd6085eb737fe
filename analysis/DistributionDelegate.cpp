// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/DistributionDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>

#include "analysis/DistributionTableModel.h"
#include "analysis/UncertaintyTexts.h"
#include "platform/Platform.h"

using Column = DistributionTableModel::Column;

DistributionDelegate::DistributionDelegate(QObject* parent) : TypedTextDelegate(parent) {}

bool DistributionDelegate::IsChoiceColumn(int column) {
  return column == Column::kInput || column == Column::kContaminant || column == Column::kKind;
}

QWidget* DistributionDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
  auto* self = const_cast<DistributionDelegate*>(this);
  const int column = index.column();
  if (column == Column::kMeaning) return nullptr;
  if (!IsChoiceColumn(column)) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    replaceUnstorableWhileTyping(edit);
    connect(edit, &QLineEdit::textEdited, self, [self, edit] { emit self->commitData(edit); });
    return edit;
  }
  auto* combo = new QComboBox(parent);
  if (column == Column::kInput) {
    for (int k = 0; k < kUncertainInputCount; ++k)
      combo->addItem(UncertainInputText(static_cast<UncertainInput>(k)), k);
  } else if (column == Column::kKind) {
    for (int k = 0; k <= static_cast<int>(DistributionKind::LogNormal); ++k)
      combo->addItem(DistributionKindText(static_cast<DistributionKind>(k)), k);
  } else if (const auto* model = qobject_cast<const DistributionTableModel*>(index.model())) {
    for (const QString& name : model->ContaminantChoices(index.row())) combo->addItem(name, name);
  }
  // Chosen is taken, as with a list in a form.
  connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
  (void)option;
  return combo;
}

void DistributionDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QVariant value = index.data(Qt::EditRole);
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    // The table follows every key typed; its answer must not move the cursor.
    if (edit->text() == value.toString()) return;
    edit->setText(value.toString());
    edit->setModified(false);
    edit->setCursorPosition(0);  // the leading digits, not the last, in a narrow column
  } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(combo->findData(value));
  }
}

void DistributionDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    if (combo->currentIndex() >= 0) model->setData(index, combo->currentData());
    return;
  }
  // Only what the user typed: a visit leaves the number as it was.
  TypedTextDelegate::setModelData(editor, model, index);
}

void DistributionDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  if (!IsChoiceColumn(index.column())) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // A list not being edited looks like the list it becomes when clicked.
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  QStyleOptionComboBox box;
  box.rect = option.rect;
  // The view's own colours: an item's are those of a selected or inactive
  // row, which a list does not take.
  box.palette = widget ? widget->palette() : QApplication::palette();
  box.fontMetrics = option.fontMetrics;
  box.direction = option.direction;
  box.state = QStyle::State_Active;
  box.currentText = index.data(Qt::DisplayRole).toString();
  if ((index.flags() & Qt::ItemIsEnabled) && (option.state & QStyle::State_Enabled))
    box.state |= QStyle::State_Enabled;
  else
    box.palette.setCurrentColorGroup(QPalette::Disabled);
  box.frame = true;
  box.editable = false;
  style->drawComplexControl(QStyle::CC_ComboBox, &box, painter, widget);
  style->drawControl(QStyle::CE_ComboBoxLabel, &box, painter, widget);
}

void DistributionDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  TypedTextDelegate::initStyleOption(option, index);
  // A number too long for its narrow column shows its leading digits, as a
  // field does, rather than an ellipsis.
  if (index.column() >= Column::kFirstParameter && index.column() < Column::kMeaning)
    option->textElideMode = Qt::ElideNone;
}
