// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plan of the site on the map: the wells surveyed in map coordinates,
// north up and to one scale in both directions, the source point, the flow
// direction the project uses (solid arrow from the source) and the one the
// heads of the chosen date give (dashed arrow through their centre).
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

#include "engine/project/sitedata.h"
#include "engine/site/flowfield.h"

class SiteMapPlan : public QWidget {
  Q_OBJECT
 public:
  explicit SiteMapPlan(QWidget* parent = nullptr);

  // The wells and map of `site`; `fit` (may be null) the heads' plane.
  void SetSite(const SiteData& site, const FlowFieldFit* fit);

  // Where a map point is drawn, for tests and tool tips.
  QPointF ToWidget(double easting, double northing) const;
  int wellCount() const { return static_cast<int>(wells_.size()); }
  bool showsFittedArrow() const { return hasFit_; }

  QSize sizeHint() const override { return {420, 360}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Well {
    QString name;
    double easting, northing;
  };
  void frame(double* left, double* bottom, double* scale, QPointF* origin) const;

  std::vector<Well> wells_;
  SiteMap map_;
  bool hasFit_ = false;
  double fitAzimuth_ = 0.0, fitEasting_ = 0.0, fitNorthing_ = 0.0;
};
