// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "diagnostics/text.h"

#include <locale.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace {

// The "C" locale, made once (the first call from any thread makes it) and
// kept for the whole run; null when the system cannot make one.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return "";
  const size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::string RoundTripNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  return std::string(buffer, result.ptr);
}

double ParseCNumber(const char* text, char** end) {
  const locale_t c = CLocale();
  return c ? strtod_l(text, end, c) : std::strtod(text, end);
}

int FormatCNumber(char* buffer, size_t size, const char* format, double value) {
  // uselocale changes the calling thread's locale only, and only until it
  // is put back below.
  const locale_t c = CLocale();
  const locale_t previous = c ? uselocale(c) : static_cast<locale_t>(nullptr);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  const int length = std::snprintf(buffer, size, format, value);
#pragma GCC diagnostic pop
  if (previous) uselocale(previous);
  return length;
}
