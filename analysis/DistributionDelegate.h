// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The editors of the distributions table (analysis/DistributionTableModel.h):
// a drop-down list for the input, the contaminant and the kind, drawn as
// one while not edited, and a line for a parameter. A choice goes into the
// table as soon as it is made and a parameter with every key typed, so the
// problems below the table follow the typing; a parameter the user only
// visited is never written back, so its number stays whole.
#pragma once

#include "platform/NumberField.h"

class DistributionDelegate : public TypedTextDelegate {
  Q_OBJECT
 public:
  explicit DistributionDelegate(QObject* parent = nullptr);

  // The columns edited with a drop-down list.
  static bool IsChoiceColumn(int column);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
