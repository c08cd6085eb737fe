// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/decimalform.h"

#include <charconv>
#include <cmath>

double DecimalForm(double value) {
  if (!std::isfinite(value) || value == 0.0) return value + 0.0;
  // Through text, locale-free: the rounding is the one a printed number shows.
  char buffer[40];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 11);
  double rounded = value;
  std::from_chars(buffer, written.ptr, rounded);
  return rounded;
}
