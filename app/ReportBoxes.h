// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The report handlers the desktop program installs: errors and warnings of
// the engine become message boxes with no owner window.
#pragma once

#include <cstdint>

// "Virelo-Error" box, error icon, OK. Nothing happens when message is null.
void ShowErrorBox(const char* message, const char* module, int32_t errNo, uint32_t uid);
// "Virelo-Warning" box, warning icon, OK. Nothing happens when message is null.
void ShowWarningBox(const char* message, const char* module, uint32_t uid);
