// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "resources/result_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>

namespace {

const QColor kLampOn[3] = {QColor(255, 40, 30), QColor(255, 210, 0), QColor(40, 220, 60)};
const QColor kLampOff(70, 70, 74);

// A traffic light filling `area`; lamp 0 (red, top), 1 (yellow) or 2 (green)
// lit. The unlit lamps stay dark grey so that the lit one stands out even at
// 16 x 16.
void drawTrafficLight(QPainter& p, const QRectF& area, int lit) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const double h = area.height();
  const double w = std::max(8.0, h * 0.56);
  const QRectF body(area.center().x() - w / 2, area.top(), w, h);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(25, 25, 28));
  p.drawRoundedRect(body, w * 0.3, w * 0.3);
  const double pitch = h / 3.0;
  const double lamp = std::min(w - 2.0, pitch - 0.6);
  for (int i = 0; i < 3; ++i) {
    const QPointF centre(body.center().x(), body.top() + pitch * (i + 0.5));
    const QRectF r(centre.x() - lamp / 2, centre.y() - lamp / 2, lamp, lamp);
    if (i == lit) {
      QRadialGradient glow(centre, lamp / 2);
      glow.setColorAt(0.0, kLampOn[i].lighter(150));
      glow.setColorAt(1.0, kLampOn[i]);
      p.setBrush(glow);
    } else {
      p.setBrush(kLampOff);
    }
    p.drawEllipse(r);
  }
  p.restore();
}

void drawWarningSign(QPainter& p, const QRectF& area) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const double s = area.width();
  p.setPen(QPen(QColor(210, 20, 20), s / 8));
  p.setBrush(QColor(255, 215, 0));
  p.drawEllipse(area.adjusted(s / 16, s / 16, -s / 16, -s / 16));
  // The "!": a bar and a dot.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const double cx = area.center().x();
  const double bar = s / 7;
  p.drawRect(QRectF(cx - bar / 2, area.top() + s * 0.22, bar, s * 0.38));
  p.drawRect(QRectF(cx - bar / 2, area.top() + s * 0.66, bar, bar));
  p.restore();
}

QPixmap drawPicture(AssessmentClass c) {
  QPixmap pixmap(kResultPictureSize, kResultPictureSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  const QRectF area(0, 0, kResultPictureSize, kResultPictureSize);
  switch (c) {
    case AssessmentClass::Problems: drawWarningSign(p, area); break;
    case AssessmentClass::Red: drawTrafficLight(p, area, 0); break;
    case AssessmentClass::Yellow: drawTrafficLight(p, area, 1); break;
    case AssessmentClass::Green: drawTrafficLight(p, area, 2); break;
  }
  return pixmap;
}

struct ResultSet {
  std::array<QPixmap, 4> pictures;
  std::array<QIcon, 4> icons;
  ResultSet() {
    for (int i = 0; i < 4; ++i) {
      pictures[i] = drawPicture(static_cast<AssessmentClass>(i));
      icons[i] = QIcon(pictures[i]);
    }
  }
};

const ResultSet& results() {
  static const ResultSet set;
  return set;
}

int slot(AssessmentClass c) {
  const int i = static_cast<int>(c);
  return i < 0 || i > 3 ? 0 : i;
}

}  // namespace

const QPixmap& resultPicture(AssessmentClass c) {
  return results().pictures[slot(c)];
}
const QIcon& resultIcon(AssessmentClass c) {
  return results().icons[slot(c)];
}
const QPixmap& problemsPicture() {
  return results().pictures[0];
}

QPixmap legendStrip(int lightSize, int gap) {
  QPixmap pixmap(lightSize, 3 * lightSize + 2 * gap);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  for (int i = 0; i < 3; ++i) drawTrafficLight(p, QRectF(0, i * (lightSize + gap), lightSize, lightSize), i);
  return pixmap;
}
