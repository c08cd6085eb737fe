// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The charts of the time capability, built without a view so that the Time
// window and the printed report draw the same ones: the breakthrough curve
// at the receptor and the centre line at one time, both models, in the
// project's concentration unit on a logarithmic axis, with CA.
#pragma once

#include <QString>
#include <vector>

#include "engine/time/timing_table.h"

class QChart;

namespace timechart {
inline constexpr const char* kScreening = "screening";
inline constexpr const char* kExact = "exact";
inline constexpr const char* kAcceptable = "acceptable";
// Times beyond this many days are drawn in years: a reader counts decades,
// not tens of thousands of days.
inline constexpr double kYearsFromDays = 3.0 * 365.25;
// Days per unit of a breakthrough chart's time axis: 1 in days, 365.25 in
// years.
double DaysPerUnit(const QChart* chart);
// "1520 d" up to kYearsFromDays, "45.2 years (16510 d)" beyond.
QString TimeText(double days);
}  // namespace timechart

// C = C0 * C/C0 over time at the receptor; `ca` drawn as a line.
QChart* BuildBreakthroughChart(const std::vector<BreakthroughPoint>& curve, double c0, double ca,
                               const QString& unit);

// C over the distance s at one time; points as BreakthroughPoint with t the
// distance.
QChart* BuildTimeProfileChart(const std::vector<BreakthroughPoint>& line, double c0, double ca,
                              const QString& unit, double atTime);
