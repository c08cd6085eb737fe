// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Windows open at the size the user last gave a window of their kind in this
// session, within the screen's free area: someone who widened the Time
// window to read its table finds it so on the next look, and a laptop's
// 1366x768 still shows every window's buttons.
#pragma once

class QSize;
class QWidget;

// Resizes `window` to its kind's last size in this session (its class name
// is the kind), else to `wanted`, bounded as ResizeWithinScreen bounds it;
// the size the window has when it is hidden becomes its kind's last size.
void OpenAtSessionSize(QWidget* window, const QSize& wanted);

// The size remembered for windows of class `className`; invalid when none
// has closed yet in this session.
QSize SessionSizeOf(const char* className);
