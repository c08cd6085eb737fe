// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the `breakthrough` and `timing` commands share: a time as a CSV
// field, empty where it does not occur.
#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "tools/cli/cli_common.h"

inline std::string TimeField(const std::optional<double>& value) {
  return value ? FormatDouble(*value) : std::string();
}

// A value that is not a number (no value under that model) is an empty field.
inline std::string ValueField(double value) {
  return std::isnan(value) ? std::string() : FormatDouble(value);
}
