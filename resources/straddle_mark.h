// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The mark of a results row whose two models fall on opposite sides of the
// acceptable concentration CA: a line for CA with one point above it and one
// below, in violet so that it is not read as a traffic light or as one of
// the exact-solution triangles.
#pragma once

#include <QIcon>

// A transparent icon when `on` is false, so that marked and unmarked values
// stay aligned.
const QIcon& straddleMarkIcon(bool on);
