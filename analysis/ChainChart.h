// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The chart of a decay chain: every species' concentration along the centre
// line under the screening formula (solid) and the exact solution (dashed),
// each species' acceptable concentration (dotted, in its colour) and the
// receptor, on a logarithmic concentration axis. Built without a view, so
// that the chain window and the printed report draw the same chart.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "engine/chains/chaincalc.h"

class QChart;

struct ChainCurves {
  std::vector<QString> names;
  std::vector<double> ca;  // NaN for the end product
  double x = 0.0;          // receptor distance
  double sMax = 0.0;
  QString unit;  // concentration unit, may be empty
  std::vector<double> s;
  // [species][point]
  std::vector<std::vector<double>> screening, exact;
};

// The curves of a resolved chain at `points` points up to twice the
// receptor distance.
ChainCurves BuildChainCurves(const Project& project, const ResolvedChain& chain, const QString& unit,
                             int points = 200);

// The colour of species i in the chart and in the window's table.
QColor ChainSpeciesColour(int i);

// Names of the chart's series (QObject::objectName): "screening:i",
// "exact:i", "ca:i" and "receptor".
QChart* BuildChainChart(const ChainCurves& curves);
