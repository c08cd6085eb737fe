// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "resources/exact_marks.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <array>

namespace {

QIcon drawMark(ExactMark mark) {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (mark == ExactMark::None) {
      icon.addPixmap(pixmap);
      continue;
    }
    const double s = size;
    const bool up = mark != ExactMark::LowerExact;
    QPolygonF triangle;
    if (up)
      triangle << QPointF(s * 0.5, s * 0.12) << QPointF(s * 0.92, s * 0.86) << QPointF(s * 0.08, s * 0.86);
    else
      triangle << QPointF(s * 0.5, s * 0.88) << QPointF(s * 0.92, s * 0.14) << QPointF(s * 0.08, s * 0.14);
    if (mark == ExactMark::WorseClass) {
      p.setPen(QPen(QColor(140, 10, 20), s / 16));
      p.setBrush(QColor(215, 25, 32));
    } else {
      p.setPen(QPen(QColor(205, 125, 0), s / 9));
      p.setBrush(QColor(255, 236, 190));
    }
    p.drawPolygon(triangle);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

const QIcon& exactMarkIcon(ExactMark mark) {
  static const std::array<QIcon, 4> icons = {drawMark(ExactMark::None), drawMark(ExactMark::WorseClass),
                                             drawMark(ExactMark::HigherExact),
                                             drawMark(ExactMark::LowerExact)};
  return icons[static_cast<size_t>(mark)];
}
