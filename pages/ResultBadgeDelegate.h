// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Draws the marks column of a results list as small pills, one per badge of
// the row (ResultListModel::BadgesRole), each painted in the class it gives
// and split in two where it gives two; resting the mouse on a pill shows its
// own sentence. Every other cell is drawn as usual.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <vector>

class ResultBadgeDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

  // Where the pills of `texts` stand in a cell of `rect`, left to right.
  static std::vector<QRect> pillRects(const QRect& rect, const QFontMetrics& metrics,
                                      const QStringList& texts);
  // The width the pills of `texts` take, with the cell's margins.
  static int pillsWidth(const QFontMetrics& metrics, const QStringList& texts);
  // The fill of a warning badge (BadgeWarningsRole), such as "under".
  static QColor warningColour();
};
