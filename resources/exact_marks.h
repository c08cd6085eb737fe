// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The marks of the results page where the exact centre-line solution
// disagrees with the screening result of a row: a solid red triangle when
// the exact class is worse, a light outlined one (pointing to where the
// exact concentration lies) when only the concentrations differ.
#pragma once

#include <QIcon>

enum class ExactMark {
  None = 0,
  WorseClass,   // the exact class is worse than the screening class
  HigherExact,  // same verdict, exact concentration more than 1.5 times higher
  LowerExact,   // the exact concentration more than 1.5 times lower
};

// A transparent icon for None, so that it takes the same room.
const QIcon& exactMarkIcon(ExactMark mark);
