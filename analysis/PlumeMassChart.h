// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plume's dissolved mass per sampling round against the round's date,
// with non-detects at their reporting limit as a dashed upper bound.
#pragma once

class QChart;
struct PlumeMassResult;

QChart* BuildPlumeMassChart(const PlumeMassResult& result);
