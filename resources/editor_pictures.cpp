// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "resources/editor_pictures.h"

#include <QImage>
#include <QPainter>

namespace {

QImage blankPicture() {
  QImage image(kEditorPictureSize, kEditorPictureSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

QPixmap editorPlusPicture() {
  QImage image = blankPicture();
  QPainter painter(&image);
  // Two bars of 2 pixels crossing in the middle, with a darker rim so that the
  // plus stays visible on a light button face.
  const QColor rim(0, 100, 0);
  const QColor fill(0, 170, 0);
  painter.fillRect(QRect(0, 4, 12, 4), rim);
  painter.fillRect(QRect(4, 0, 4, 12), rim);
  painter.fillRect(QRect(1, 5, 10, 2), fill);
  painter.fillRect(QRect(5, 1, 2, 10), fill);
  painter.end();
  return QPixmap::fromImage(image);
}

QPixmap editorCrossPicture() {
  QImage image = blankPicture();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(210, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(pen);
  painter.drawLine(QPointF(2, 2), QPointF(10, 10));
  painter.drawLine(QPointF(10, 2), QPointF(2, 10));
  painter.end();
  return QPixmap::fromImage(image);
}
