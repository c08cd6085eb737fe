// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Column widths of the results page's lists: every column shows its widest
// value, and the names and the marks take what room is left.
#pragma once

#include <QString>

class QTreeView;

// Sizes the columns of a list to its viewport; `plume` says which of the
// page's two lists it is, `unit` the concentration unit in its headers.
void FitResultColumns(QTreeView* list, bool plume, const QString& unit);
// Room for every column a list can show, without scrolling.
int ResultListWidth(const QTreeView* list, bool plume, const QString& unit);
