// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Flow field" part of the Site data window: the site on the map (source
// point and flow azimuth, from which the wells in map coordinates take s and
// y), and the plane through the groundwater heads of one date with its
// gradient and flow direction. These reach the aquifer and the map only
// through "Apply to aquifer" and "Use as flow direction", each recording
// where the value came from.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/project/records.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SiteMapPlan;
struct FlowFieldFit;

// The lines telling where the aquifer's gradient and the flow azimuth come
// from, while they still hold the values taken from the heads; empty when
// nothing is recorded. Shown by the window and the report.
QStringList FlowOriginLines(const Project& project);

// The gradient and the flow azimuth of a fit with their standard errors,
// rounded to the errors' digits: "0.0040 +/- 0.0003" and "244 deg +/- 12 deg
// (90 %: 220 deg to 268 deg)", with the signs themselves. Three wells fit
// their plane exactly and say so instead. Shown by the window and the report.
QString FlowGradientText(const FlowFieldFit& fit);
QString FlowAzimuthText(const FlowFieldFit& fit);
// One date's fit as the cells of a table row, rounded as the texts above
// round them: gradient i, its standard error, the flow azimuth [deg], its
// standard error [deg], the azimuth's interval [deg] ("any direction" where
// it spans the circle) and the rms residual [m]. "-" where three wells leave
// no error to give.
QStringList FlowFitCells(const FlowFieldFit& fit);

class SiteFlowView : public QWidget {
  Q_OBJECT
 public:
  explicit SiteFlowView(Project* project, QWidget* parent = nullptr);

  void Refresh();
  // Takes the source and azimuth fields into the site's map and places the
  // wells on it again; false, with the reason in the status line, when a
  // field holds no number.
  bool ApplyMap();
  // Sets the aquifer's i to the fitted gradient; false without a fit.
  bool ApplyGradient();
  // Sets the flow azimuth to the fitted one and places the wells again.
  bool UseAzimuth();
  // Sets the flow azimuth to the plume axis of the contaminant chosen and
  // places the wells again; false, with the reason in the status line,
  // without an axis.
  bool UsePlumeAxis();

  SiteMapPlan* plan() const { return plan_; }
  QLineEdit* sourceEastingField() const { return sourceE_; }
  QLineEdit* sourceNorthingField() const { return sourceN_; }
  QLineEdit* azimuthField() const { return azimuth_; }
  QPushButton* placeButton() const { return place_; }
  QComboBox* dateCombo() const { return date_; }
  QLabel* numbersLabel() const { return numbers_; }
  QLabel* originLabel() const { return origin_; }
  QLabel* statusLabel() const { return status_; }
  QPushButton* applyGradientButton() const { return applyGradient_; }
  QPushButton* useAzimuthButton() const { return useAzimuth_; }
  QComboBox* axisAnalyteCombo() const { return axisAnalyte_; }
  QLabel* axisLabel() const { return axisLabel_; }
  QPushButton* usePlumeAxisButton() const { return useAxis_; }

 signals:
  // The aquifer's gradient changed.
  void projectChanged();
  // The wells' s and y changed with the map.
  void siteChanged();

 private:
  void showFit();
  void showAxis();
  QWidget* makeAxisBox();

  Project* project_;
  SiteMapPlan* plan_ = nullptr;
  QLineEdit* sourceE_ = nullptr;
  QLineEdit* sourceN_ = nullptr;
  QLineEdit* azimuth_ = nullptr;
  QPushButton* place_ = nullptr;
  QComboBox* date_ = nullptr;
  QLabel* numbers_ = nullptr;
  QLabel* origin_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* applyGradient_ = nullptr;
  QPushButton* useAzimuth_ = nullptr;
  QComboBox* axisAnalyte_ = nullptr;
  QLabel* axisLabel_ = nullptr;
  QPushButton* useAxis_ = nullptr;
  bool filling_ = false;
};
