// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the plume view and the report draw for one contaminant: the centre
// line from the source past the receptor under both models, the marks that
// belong on it, and the screening plume in plan. Built from a project's
// current results, without any widget.
#pragma once

#include <QString>
#include <functional>
#include <vector>

struct Project;

struct PlumeProfile {
  QString name;          // the contaminant's name
  int resultIndex = -1;  // position in the project's results
  double x = 0.0;        // receptor distance [m]
  double caRatio = 0.0;  // CA/C0: the line the centre line must stay below at x
  // Plug-flow plume length [m] where that assessment is set and has no
  // problems; otherwise not a number.
  double plugFlowLength = 0.0;
  double sMax = 0.0;  // the centre line runs over (0, sMax]
  std::vector<double> s;
  std::vector<double> screening;  // C/C0 of the screening model at s[k]
  std::vector<double> exact;      // C/C0 of the exact solution at s[k]
  double screeningAtX = 0.0;      // the results' values at the receptor
  double exactAtX = 0.0;
  // Half-width of the plan view: the source half-width plus the lateral
  // spreading at sMax.
  double yMax = 0.0;
  double sourceHalfWidth = 0.0;
  // Screening C(s, y, 0)/C0, for the plan view.
  std::function<double(double s, double y)> plan;
  // The site's measurements of the contaminant as C/C0 (with the project's
  // C0 and unit) at its wells downstream of the source, on the date a
  // decay-constant fit would take; empty without site data.
  struct FieldPoint {
    QString well;
    double s = 0.0, y = 0.0, ratio = 0.0;
    bool nonDetect = false;
  };
  std::vector<FieldPoint> field;
  QString fieldDate;
  // The wells with a value on that date that wait for the map, and so are
  // not drawn: a sentence naming them, empty for none.
  QString fieldNote;
};

// The profile of one result at `points` evenly spaced distances
// s_k = sMax * k / points (k = 1..points). sMax is twice the receptor
// distance, stretched to a round distance past the plug-flow plume length
// when that lies within ten receptor distances. False when the result has no
// attenuation factor to show (not assessed, or its inputs have problems).
bool BuildPlumeProfile(const Project& project, int resultIndex, int points, PlumeProfile* profile);

// Whether a result can be shown: it has an attenuation factor without
// problems.
bool HasPlumeProfile(const Project& project, int resultIndex);
