// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "resources/shell_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace shell_pictures {

namespace {

// Colours shared by the pictures, so that icon, strip and logos belong together.
const QColor kWater(30, 110, 200);
const QColor kWaterLight(120, 185, 240);
const QColor kSoil(150, 110, 70);
const QColor kSoilLight(205, 170, 120);
const QColor kPlume(70, 160, 70);
const QColor kOutline(40, 40, 40);

void drawNewPicture(QPainter& p, int x0) {
  // A blank sheet with its top right corner folded down.
  QPainterPath sheet;
  sheet.moveTo(x0 + 3.5, 1.5);
  sheet.lineTo(x0 + 9.5, 1.5);
  sheet.lineTo(x0 + 12.5, 4.5);
  sheet.lineTo(x0 + 12.5, 13.5);
  sheet.lineTo(x0 + 3.5, 13.5);
  sheet.closeSubpath();
  p.setPen(QPen(kOutline, 1));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  p.setBrush(QColor(210, 210, 210));
  QPainterPath fold;
  fold.moveTo(x0 + 9.5, 1.5);
  fold.lineTo(x0 + 9.5, 4.5);
  fold.lineTo(x0 + 12.5, 4.5);
  fold.closeSubpath();
  p.drawPath(fold);
}

void drawOpenPicture(QPainter& p, int x0) {
  // A folder with its lid opened towards the viewer.
  p.setPen(QPen(QColor(120, 90, 10), 1));
  p.setBrush(QColor(230, 190, 60));
  QPainterPath back;
  back.moveTo(x0 + 1.5, 3.5);
  back.lineTo(x0 + 5.5, 3.5);
  back.lineTo(x0 + 6.5, 4.5);
  back.lineTo(x0 + 12.5, 4.5);
  back.lineTo(x0 + 12.5, 12.5);
  back.lineTo(x0 + 1.5, 12.5);
  back.closeSubpath();
  p.drawPath(back);
  p.setBrush(QColor(250, 220, 110));
  QPainterPath lid;
  lid.moveTo(x0 + 3.5, 7.5);
  lid.lineTo(x0 + 15.5, 7.5);
  lid.lineTo(x0 + 12.5, 12.5);
  lid.lineTo(x0 + 1.5, 12.5);
  lid.closeSubpath();
  p.drawPath(lid);
}

void drawSavePicture(QPainter& p, int x0) {
  // A diskette: dark body, light label, metal shutter.
  p.setPen(QPen(kOutline, 1));
  p.setBrush(QColor(60, 70, 120));
  p.drawRect(QRectF(x0 + 1.5, 1.5, 12, 12));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(x0 + 3, 2, 9, 5));
  p.setBrush(QColor(190, 190, 200));
  p.drawRect(QRectF(x0 + 4, 9, 7, 4));
  p.setBrush(QColor(60, 70, 120));
  p.drawRect(QRectF(x0 + 8, 10, 2, 2));
}

void drawInfoPicture(QPainter& p, int x0) {
  // A blue disc with a white "i" made of a dot and a bar.
  p.setPen(QPen(QColor(20, 60, 140), 1));
  p.setBrush(kWater);
  p.drawEllipse(QRectF(x0 + 1.5, 1, 13, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(x0 + 6.8, 3.2, 2.4, 2.4));
  p.drawRect(QRectF(x0 + 7, 6.5, 2, 5.5));
}

void drawContextHelpPicture(QPainter& p, int x0) {
  // The mouse arrow with a question mark beside it.
  QPainterPath arrow;
  arrow.moveTo(x0 + 1.5, 1.5);
  arrow.lineTo(x0 + 1.5, 11.5);
  arrow.lineTo(x0 + 4, 9);
  arrow.lineTo(x0 + 6, 13);
  arrow.lineTo(x0 + 7.5, 12.3);
  arrow.lineTo(x0 + 5.5, 8.5);
  arrow.lineTo(x0 + 8.5, 8.5);
  arrow.closeSubpath();
  p.setPen(QPen(kOutline, 1));
  p.setBrush(Qt::white);
  p.drawPath(arrow);
  // Question mark: an open hook and a dot.
  QPen pen(QColor(20, 60, 140), 1.6);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  QPainterPath hook;
  hook.moveTo(x0 + 10.2, 3.2);
  hook.cubicTo(x0 + 10.5, 0.8, x0 + 15.0, 0.8, x0 + 14.6, 3.6);
  hook.cubicTo(x0 + 14.4, 5.2, x0 + 12.4, 5.4, x0 + 12.4, 7.6);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 60, 140));
  p.drawEllipse(QRectF(x0 + 11.5, 9.0, 1.8, 1.8));
}

// Ground section: soil above, a water-bearing layer with a plume that fades
// towards the receptor. Used by the icon and the program logo.
void drawGroundSection(QPainter& p, const QRectF& r) {
  const double h = r.height();
  QLinearGradient soil(r.topLeft(), r.bottomLeft());
  soil.setColorAt(0, kSoilLight);
  soil.setColorAt(1, kSoil);
  p.setPen(Qt::NoPen);
  p.setBrush(soil);
  p.drawRect(r);
  QRectF aquifer(r.left(), r.top() + h * 0.45, r.width(), h * 0.4);
  QLinearGradient water(aquifer.topLeft(), aquifer.bottomLeft());
  water.setColorAt(0, kWaterLight);
  water.setColorAt(1, kWater);
  p.setBrush(water);
  QPainterPath band;
  band.moveTo(aquifer.left(), aquifer.top() + h * 0.04);
  band.cubicTo(aquifer.left() + aquifer.width() * 0.35, aquifer.top() - h * 0.05,
               aquifer.left() + aquifer.width() * 0.65, aquifer.top() + h * 0.1, aquifer.right(),
               aquifer.top());
  band.lineTo(aquifer.bottomRight());
  band.lineTo(aquifer.bottomLeft());
  band.closeSubpath();
  p.drawPath(band);
  // The plume: strong at the source on the left, gone before the right edge.
  QLinearGradient plume(aquifer.left(), 0, aquifer.left() + aquifer.width() * 0.8, 0);
  QColor strong = kPlume;
  strong.setAlpha(230);
  QColor faint = kPlume;
  faint.setAlpha(0);
  plume.setColorAt(0, strong);
  plume.setColorAt(1, faint);
  p.setBrush(plume);
  p.drawEllipse(QRectF(aquifer.left() - aquifer.width() * 0.1, aquifer.top() + aquifer.height() * 0.2,
                       aquifer.width() * 0.9, aquifer.height() * 0.55));
}

}  // namespace

QImage renderApplicationIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const QRectF badge(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
  QPainterPath clip;
  clip.addRoundedRect(badge, s * 0.18, s * 0.18);
  p.save();
  p.setClipPath(clip);
  // Sky above the ground line.
  p.fillRect(badge, QColor(225, 240, 250));
  drawGroundSection(p,
                    QRectF(badge.left(), badge.top() + s * 0.32, badge.width(), badge.height() - s * 0.32));
  // Monitoring well: a grey pipe from the surface down into the water.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 90, 100));
  p.drawRect(QRectF(s * 0.64, s * 0.2, s * 0.07, s * 0.62));
  p.setBrush(QColor(200, 40, 40));
  p.drawRect(QRectF(s * 0.6, s * 0.16, s * 0.15, s * 0.07));
  p.restore();
  p.setPen(QPen(QColor(30, 50, 80), qMax(1.0, s / 48.0)));
  p.setBrush(Qt::NoBrush);
  p.drawPath(clip);
  return image;
}

QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(renderApplicationIcon(size)));
  return icon;
}

QPixmap toolBarStrip() {
  QImage strip(kToolPictureWidth * kToolPictureCount, kToolPictureHeight,
               QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  drawNewPicture(p, kPictureNew * kToolPictureWidth);
  drawOpenPicture(p, kPictureOpen * kToolPictureWidth);
  drawSavePicture(p, kPictureSave * kToolPictureWidth);
  drawInfoPicture(p, kPictureAbout * kToolPictureWidth);
  drawContextHelpPicture(p, kPictureContextHelp * kToolPictureWidth);
  p.end();
  return QPixmap::fromImage(strip);
}

QPixmap toolPicture(ToolPicture which) {
  return toolBarStrip().copy(which * kToolPictureWidth, 0, kToolPictureWidth, kToolPictureHeight);
}

QPixmap programLogo() {
  return QPixmap::fromImage(renderApplicationIcon(64));
}

QPixmap institutionLogo() {
  // Three stacked strata with a drop of water: the research side of the tool.
  QImage image(96, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor strata[] = {kSoilLight, kSoil, kWater};
  for (int i = 0; i < 3; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(strata[i]);
    p.drawRoundedRect(QRectF(4 + i * 6, 8 + i * 9, 58 - i * 12, 7), 3, 3);
  }
  QPainterPath drop;
  drop.moveTo(78, 4);
  drop.cubicTo(84, 14, 90, 20, 90, 26);
  drop.cubicTo(90, 34, 66, 34, 66, 26);
  drop.cubicTo(66, 20, 72, 14, 78, 4);
  QLinearGradient g(66, 4, 90, 34);
  g.setColorAt(0, kWaterLight);
  g.setColorAt(1, kWater);
  p.setBrush(g);
  p.setPen(QPen(QColor(20, 60, 140), 1.2));
  p.drawPath(drop);
  return QPixmap::fromImage(image);
}

QPixmap makerLogo() {
  // Interlocking hexagons: the software side of the tool.
  QImage image(96, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  auto hexagon = [](QPointF c, double r) {
    QPainterPath path;
    for (int i = 0; i < 6; ++i) {
      const double a = (60.0 * i + 30.0) * 3.14159265358979 / 180.0;
      QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
      if (i == 0)
        path.moveTo(pt);
      else
        path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
  };
  const QColor fills[] = {QColor(60, 70, 120), kPlume, QColor(230, 190, 60)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(fills[i]);
    p.drawPath(hexagon(QPointF(24 + i * 24, i == 1 ? 22 : 18), 14));
  }
  return QPixmap::fromImage(image);
}

}  // namespace shell_pictures
