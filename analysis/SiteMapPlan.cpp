// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteMapPlan.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/Platform.h"

namespace {

constexpr double kMargin = 36.0;

void Arrow(QPainter& painter, QPointF from, QPointF to) {
  painter.drawLine(from, to);
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length < 1.0) return;
  const QPointF u = d / length, n(-u.y(), u.x());
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to - 10.0 * u + 5.0 * n);
  head.lineTo(to - 10.0 * u - 5.0 * n);
  head.closeSubpath();
  painter.fillPath(head, painter.pen().color());
}

// The screen step of an azimuth: east is right, north is up.
QPointF Towards(double azimuth) {
  const double t = azimuth * std::numbers::pi / 180.0;
  return {std::sin(t), -std::cos(t)};
}

}  // namespace

SiteMapPlan::SiteMapPlan(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("siteMapPlan"));
  setMinimumSize(240, 200);
}

void SiteMapPlan::SetSite(const SiteData& site, const FlowFieldFit* fit) {
  wells_.clear();
  map_ = site.map;
  for (const SiteWell& w : site.wells) {
    if (!w.mapped) continue;
    wells_.push_back({fromRecordText(w.name.c_str()), w.easting, w.northing});
  }
  hasFit_ = fit != nullptr;
  if (fit) {
    fitAzimuth_ = fit->azimuth;
    fitEasting_ = fit->centreEasting;
    fitNorthing_ = fit->centreNorthing;
  }
  update();
}

void SiteMapPlan::frame(double* left, double* bottom, double* scale, QPointF* origin) const {
  double e0 = INFINITY, e1 = -INFINITY, n0 = INFINITY, n1 = -INFINITY;
  auto take = [&](double e, double n) {
    e0 = std::min(e0, e), e1 = std::max(e1, e), n0 = std::min(n0, n), n1 = std::max(n1, n);
  };
  for (const Well& w : wells_) take(w.easting, w.northing);
  if (map_.hasSource) take(map_.sourceEasting, map_.sourceNorthing);
  if (!std::isfinite(e0)) e0 = e1 = n0 = n1 = 0.0;
  // One scale for both axes, so that angles on the plan are angles on site;
  // a lone point gets a 20 m square around it.
  const double span = std::max({e1 - e0, n1 - n0, 20.0});
  const double w = std::max(1.0, width() - 2 * kMargin), h = std::max(1.0, height() - 2 * kMargin);
  *scale = std::min(w, h) / span;
  *left = (e0 + e1) / 2.0 - w / 2.0 / *scale;
  *bottom = (n0 + n1) / 2.0 - h / 2.0 / *scale;
  *origin = QPointF(kMargin, height() - kMargin);
}

QPointF SiteMapPlan::ToWidget(double easting, double northing) const {
  double left = 0, bottom = 0, scale = 1;
  QPointF origin;
  frame(&left, &bottom, &scale, &origin);
  return {origin.x() + (easting - left) * scale, origin.y() - (northing - bottom) * scale};
}

void SiteMapPlan::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().base());
  const QFontMetrics metrics = painter.fontMetrics();
  if (wells_.empty() && !map_.hasSource) {
    painter.setPen(palette().text().color());
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("No wells with map coordinates. Import a wells table with the columns "
                        "well,easting,northing to see them here."));
    return;
  }
  // North arrow in the upper right corner.
  painter.setPen(QPen(palette().text().color(), 1.5));
  const QPointF north(width() - 18.0, 40.0);
  Arrow(painter, north, north + QPointF(0, -24));
  painter.drawText(QRectF(north.x() - 10, north.y() + 2, 20, metrics.height()), Qt::AlignCenter,
                   QStringLiteral("N"));

  const double arrowLength = std::min(width(), height()) * 0.25;
  if (map_.hasSource) {
    const QPointF source = ToWidget(map_.sourceEasting, map_.sourceNorthing);
    if (map_.hasAzimuth) {
      painter.setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 2.5));
      Arrow(painter, source, source + arrowLength * Towards(map_.flowAzimuth));
    }
    painter.setPen(QPen(QColor(0xb0, 0x20, 0x20), 1.5));
    painter.setBrush(QColor(0xe0, 0x40, 0x40));
    painter.drawRect(QRectF(source.x() - 5, source.y() - 5, 10, 10));
    painter.drawText(QPointF(source.x() + 8, source.y() + metrics.height()), tr("Source"));
  }
  if (hasFit_) {
    QPen dashed(QColor(0x20, 0x80, 0x40), 2.0, Qt::DashLine);
    painter.setPen(dashed);
    const QPointF centre = ToWidget(fitEasting_, fitNorthing_);
    const QPointF step = 0.5 * arrowLength * Towards(fitAzimuth_);
    Arrow(painter, centre - step, centre + step);
  }
  painter.setBrush(palette().text());
  painter.setPen(QPen(palette().text().color(), 1.0));
  for (const Well& w : wells_) {
    const QPointF at = ToWidget(w.easting, w.northing);
    painter.drawEllipse(at, 3.5, 3.5);
    painter.drawText(QPointF(at.x() + 6, at.y() - 4), w.name);
  }
  painter.setBrush(Qt::NoBrush);
  painter.drawText(QRectF(6, height() - metrics.height() - 4, width() - 12, metrics.height()), Qt::AlignLeft,
                   tr("solid: flow direction used; dashed: from the heads"));
}
