// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A computed value as the numbers entered say it is. A ratio or a mean of
// values typed with a few decimals lands a unit in the last place off its
// decimal result (0.7 / 0.07 gives 9.999999999999998, not 10); a class
// decided on a threshold must follow the decimal result, or two equal
// entries fall into different classes by accident of binary rounding.
#pragma once

// `value` rounded to 12 significant decimal digits: far below what any
// measurement holds, far above the binary noise of a few operations.
// Infinities and NaN pass through.
double DecimalForm(double value);
