// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The analysis windows the results page offers for one of its results. Each
// opens through its command, in a file of its own, as the Data menu's
// windows do (app/DataCommands.h), so that every way to a window readies
// and refreshes the pages alike.
#pragma once

class MainDialog;

// The plume view at the result `resultIndex` of the project.
void OpenPlumeView(MainDialog& window, int resultIndex);
// The "Robustness" view of one side (CPropResults::Side) of a result.
void OpenRobustness(MainDialog& window, int resultIndex, int side);
// Connects the results page's requests for windows to their commands.
void ConnectResultsPageCommands(MainDialog& window);
