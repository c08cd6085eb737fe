#include "resources/result_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

const QColor kLampOn[3] = {QColor(230, 30, 30), QColor(250, 200, 0), QColor(30, 200, 50)};
const QColor kLampOff[3] = {QColor(90, 35, 35), QColor(95, 85, 30), QColor(35, 80, 40)};

// A traffic light filling `area`; lamp 0 (red, top), 1 (yellow) or 2 (green)
// lit.
void drawTrafficLight(QPainter& p, const QRectF& area, int lit) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const double h = area.height();
  const double w = h * 0.55;
  const QRectF body(area.center().x() - w / 2, area.top() + 0.5, w, h - 1);
  p.setPen(QPen(QColor(20, 20, 20), 1));
  p.setBrush(QColor(55, 55, 60));
  p.drawRoundedRect(body, w * 0.3, w * 0.3);
  const double lamp = std::min(w - 3.0, (h - 4.0) / 3.0);
  for (int i = 0; i < 3; ++i) {
    const double cy = body.top() + 1.5 + lamp / 2 + i * ((body.height() - 3 - lamp) / 2);
    const QRectF r(body.center().x() - lamp / 2, cy - lamp / 2, lamp, lamp);
    p.setPen(Qt::NoPen);
    p.setBrush(i == lit ? kLampOn[i] : kLampOff[i]);
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
