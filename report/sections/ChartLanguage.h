// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A chart of the analysis windows drawn into the report takes the report's
// decimal sign: its title, its series' names, its axes' titles and the
// numbers at the axes' ticks. The words are translated where the chart is
// built; only the numbers are the report's business.
#pragma once

#include <QChar>

class QChart;

// Leaves the chart as it is for the decimal point.
void WithReportDecimalSign(QChart* chart, QChar sign);
