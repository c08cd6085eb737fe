// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/curve_options.h"

#include <charconv>
#include <cmath>

namespace {

template <typename T>
bool ParseWhole(const std::string& text, T* value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, *value);
  return result.ec == std::errc() && result.ptr == end && !text.empty();
}

}  // namespace

bool ParseWholeNumber(const std::string& text, long* value) {
  return ParseWhole(text, value);
}

bool ParseWholeNumber(const std::string& text, double* value) {
  return ParseWhole(text, value);
}

bool CurvePointsOption(const CliArguments& parsed, long* points, std::string* error) {
  *points = kDefaultCurvePoints;
  const auto found = parsed.values.find("--points");
  if (found == parsed.values.end()) return true;
  if (ParseWhole(found->second, points) && *points >= 1 && *points <= kMaxCurvePoints) return true;
  *error = "--points takes a whole number from 1 to " + std::to_string(kMaxCurvePoints) + ", not \"" +
           found->second + "\"";
  return false;
}

bool PositiveOption(const CliArguments& parsed, const std::string& name, const std::string& what,
                    double* value, bool* given, std::string* error) {
  const auto found = parsed.values.find(name);
  *given = found != parsed.values.end();
  if (!*given) return true;
  if (ParseWhole(found->second, value) && *value > 0.0 && std::isfinite(*value)) return true;
  *error = name + " takes " + what + " greater than 0, not \"" + found->second + "\"";
  return false;
}
