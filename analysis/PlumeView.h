// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plume view: for one contaminant at a time, the centre-line chart of
// both models and the screening plume in plan, with export of either as PNG
// or SVG. Opened from the results page over the project's current results;
// it is modal, so those results cannot change while it is open.
#pragma once

#include <QChartView>
#include <QDialog>
#include <functional>
#include <vector>

#include "analysis/PlumeProfile.h"
#include "engine/project/assessment.h"

class PlanViewWidget;
class QComboBox;
class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QPushButton;

// The chart in the view: the mouse over it shows both curves' values at the
// nearest sampled distance.
class CentrelineChartView : public QChartView {
  Q_OBJECT
 public:
  explicit CentrelineChartView(QWidget* parent = nullptr);
  // Takes a new chart for a profile (the view owns the chart).
  void showProfile(const PlumeProfile& profile);
  // What the mouse shows now; empty when it is not over the plot.
  QString hoverText() const { return hoverText_; }

 signals:
  void hoverChanged(const QString& text);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void hover(const QPointF& at);
  void setHoverText(const QString& text);
  const PlumeProfile* profile_ = nullptr;
  QGraphicsLineItem* cursor_ = nullptr;
  QGraphicsEllipseItem* dots_[2] = {};
  QGraphicsRectItem* callout_ = nullptr;
  QGraphicsSimpleTextItem* calloutText_ = nullptr;
  QString hoverText_;
};

class PlumeView : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPoints = 200;

  // `project` holds current results; `range` is the attenuation-factor range
  // of the results page. Starts with the result at `resultIndex` (or the
  // first that can be shown).
  PlumeView(const Project* project, AssessmentRange range, int resultIndex, QWidget* parent = nullptr);

  // Rebuilds the chart and the plan for a result; false when it has no
  // attenuation factor to show.
  bool showResult(int resultIndex);
  int currentResult() const { return profile_.resultIndex; }
  const PlumeProfile& profile() const { return profile_; }

  // Writes the chart or the plan at the size shown, as an SVG drawing or a
  // PNG image; through a temporary file, so a failed export leaves an
  // existing file as it was. False (with a message box) when the file
  // cannot be written.
  bool exportChart(const QString& fileName, bool svg);
  bool exportPlan(const QString& fileName, bool svg);

  QComboBox* contaminantBox() const { return contaminants_; }
  CentrelineChartView* chartView() const { return chartView_; }
  PlanViewWidget* planView() const { return planView_; }
  QLabel* summary() const { return summary_; }

 private:
  void exportAs(bool chart, bool svg);
  void alignPlan();
  bool writePicture(const QString& fileName, bool svg, QSize size,
                    const std::function<void(QPainter&, QRectF)>& draw);

  const Project* project_;
  AssessmentRange range_;
  PlumeProfile profile_;
  std::vector<int> results_;  // result index of each entry of the contaminant box
  QComboBox* contaminants_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* readout_ = nullptr;
  CentrelineChartView* chartView_ = nullptr;
  PlanViewWidget* planView_ = nullptr;
};
