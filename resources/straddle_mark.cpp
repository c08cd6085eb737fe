// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "resources/straddle_mark.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon drawMark(bool on) {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (on) {
      const double s = size;
      QPainter p(&pixmap);
      p.setRenderHint(QPainter::Antialiasing, true);
      const QColor violet(110, 40, 160);
      p.setPen(QPen(violet, s / 14));
      p.setBrush(QColor(240, 228, 250));
      p.drawRoundedRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88), s * 0.18, s * 0.18);
      p.setPen(QPen(violet, s / 10, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(s * 0.2, s * 0.5), QPointF(s * 0.8, s * 0.5));  // CA
      p.setPen(Qt::NoPen);
      p.setBrush(violet);
      p.drawEllipse(QPointF(s * 0.34, s * 0.28), s * 0.11, s * 0.11);  // one model above
      p.drawEllipse(QPointF(s * 0.66, s * 0.72), s * 0.11, s * 0.11);  // the other below
      p.end();
    }
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

const QIcon& straddleMarkIcon(bool on) {
  static const QIcon marked = drawMark(true);
  static const QIcon blank = drawMark(false);
  return on ? marked : blank;
}
