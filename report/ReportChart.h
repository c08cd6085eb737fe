// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The centre-line chart of one contaminant as the report draws it: the
// screening and the exact C/C0 along the plume axis, the acceptable level
// CA/C0 and the receptor at x. Drawn with the painter it is given, so on a PDF or a
// printer it stays vector graphics.
#pragma once

#include <QRectF>

#include "engine/records.h"

class QChart;
class QPainter;

// A chart of the contaminant's centre line in this aquifer; the caller owns
// it. Its fonts are sized in the scene's units, which the report lays out as
// points. Null when the attenuation factor cannot be computed.
QChart* BuildReportCentrelineChart(const Aquifer& aquifer, const Contaminant& contaminant);

// Paints `chart` into `target` (in the painter's coordinates).
void PaintReportChart(QChart* chart, QPainter* painter, const QRectF& target);
