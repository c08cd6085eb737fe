// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The centre-line chart of one contaminant: C/C0 of the screening model and
// of the exact solution over the distance from the source, on a logarithmic
// concentration axis, with the receptor distance, the line CA/C0 and, where
// that assessment is set, the plug-flow plume length. Built without a view,
// so that the plume view and the printed report draw the same chart.
#pragma once

#include <QRectF>

#include "analysis/PlumeProfile.h"

class QPainter;
class QChart;

// Names of the chart's series (QObject::objectName), for those who look them up.
namespace centreline {
inline constexpr const char* kScreening = "screening";
inline constexpr const char* kExact = "exact";
inline constexpr const char* kAcceptable = "acceptable";
inline constexpr const char* kReceptor = "receptor";
inline constexpr const char* kPlugFlow = "plugFlow";
inline constexpr const char* kFieldDetected = "fieldDetected";
inline constexpr const char* kFieldNonDetect = "fieldNonDetect";
}  // namespace centreline

// Bounds of the concentration axis: whole decades from below the smaller of
// CA/C0 and the receptor's values (at most four decades further down, so
// that a curve falling to nothing does not squash the part that matters) up
// to 1.
struct CentrelineAxis {
  double lower;
  double upper;
};
CentrelineAxis CentrelineAxisRange(const PlumeProfile& profile);

// A new chart (the caller owns it) for a profile.
QChart* BuildCentrelineChart(const PlumeProfile& profile);
// The same for a result of a project with current results, at `points`
// points; null when the result has no attenuation factor to show.
QChart* BuildCentrelineChart(const Project& project, int resultIndex, int points = 200);

// Draws a chart that is in no scene into `target` of any painter (image,
// SVG, PDF): the chart is resized to the target and drawn through a scene of
// its own for the time of the call.
void RenderChart(QChart* chart, QPainter* painter, const QRectF& target);
