// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "resources/marker_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

// 3 x 5 pixel letters for the row labels; each string is one row, '#' set.
const char* const kGlyphP[5] = {"##.", "#.#", "##.", "#..", "#.."};
const char* const kGlyphL[5] = {"#..", "#..", "#..", "#..", "###"};
const char* const kGlyphA[5] = {".#.", "#.#", "###", "#.#", "#.#"};
const char* const kGlyphF[5] = {"###", "#..", "##.", "#..", "#.."};

void drawGlyph(QPainter& p, const char* const glyph[5], int x, int y) {
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col)
      if (glyph[row][col] == '#') p.fillRect(x + col, y + row, 1, 1, Qt::black);
}

// One state symbol in a 6 x 6 box at (x, y).
void drawState(QPainter& p, int state, int x, int y) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF box(x + 0.5, y + 0.5, 5, 5);
  if (state == kMarkerNotRequested) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box);
  } else if (state == kMarkerComplete) {
    p.setPen(QPen(QColor(0, 100, 0), 1));
    p.setBrush(QColor(40, 190, 40));
    p.drawEllipse(box);
  } else {
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(225, 30, 30));
    p.drawRect(box);
  }
  p.restore();
}

void drawGroupSymbol(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // A folder: tab, then body.
  QPainterPath tab;
  tab.moveTo(1.5, 4.5);
  tab.lineTo(1.5, 2.5);
  tab.lineTo(6.5, 2.5);
  tab.lineTo(7.5, 4.5);
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(240, 200, 80));
  p.drawPath(tab);
  p.drawRect(QRectF(1.5, 4.5, 13, 9));
  p.setPen(QPen(QColor(255, 235, 160), 1));
  p.drawLine(QPointF(2.5, 5.5), QPointF(13.5, 5.5));
  p.restore();
}

QPixmap drawPicture(int index) {
  QPixmap pixmap(kMarkerPictureSize, kMarkerPictureSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  if (index == 0) {
    drawGroupSymbol(p);
    return pixmap;
  }
  const int plumeState = (index - 1) / 3;
  const int afState = (index - 1) % 3;
  drawGlyph(p, kGlyphP, 0, 1);
  drawGlyph(p, kGlyphL, 4, 1);
  drawState(p, plumeState, 9, 0);
  drawGlyph(p, kGlyphA, 0, 9);
  drawGlyph(p, kGlyphF, 4, 9);
  drawState(p, afState, 9, 8);
  return pixmap;
}

struct MarkerSet {
  std::array<QPixmap, kMarkerPictureCount> pictures;
  std::array<QIcon, kMarkerPictureCount> icons;
  QPixmap strip;
  MarkerSet() {
    strip = QPixmap(kMarkerPictureSize * kMarkerPictureCount, kMarkerPictureSize);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < kMarkerPictureCount; ++i) {
      pictures[i] = drawPicture(i);
      p.drawPixmap(i * kMarkerPictureSize, 0, pictures[i]);
      QIcon icon;
      icon.addPixmap(pictures[i], QIcon::Normal);
      icon.addPixmap(pictures[i], QIcon::Selected);  // the same picture when selected
      icons[i] = icon;
    }
  }
};

const MarkerSet& markers() {
  static const MarkerSet set;
  return set;
}

int clampIndex(int index) {
  return index < 0 ? 0 : index >= kMarkerPictureCount ? kMarkerPictureCount - 1 : index;
}

}  // namespace

const QPixmap& markerStrip() {
  return markers().strip;
}
const QPixmap& markerPicture(int index) {
  return markers().pictures[clampIndex(index)];
}
const QIcon& markerIcon(int index) {
  return markers().icons[clampIndex(index)];
}
