// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/labdates.h"

#include <cstdio>

#include "engine/project/sitedata.h"

namespace {

bool Digits(std::string_view text, size_t from, size_t count) {
  if (from + count > text.size()) return false;
  for (size_t k = from; k < from + count; ++k)
    if (text[k] < '0' || text[k] > '9') return false;
  return true;
}

// hh:mm[:ss[.fff]] and an optional zone; the value itself is not kept.
bool TimeOfDay(std::string_view text) {
  if (!Digits(text, 0, 2) || text.size() < 5 || text[2] != ':' || !Digits(text, 3, 2)) return false;
  if ((text[0] - '0') * 10 + (text[1] - '0') > 24 || (text[3] - '0') * 10 + (text[4] - '0') > 59)
    return false;
  size_t at = 5;
  if (at < text.size() && text[at] == ':') {
    if (!Digits(text, at + 1, 2)) return false;
    at += 3;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
      ++at;
      const size_t start = at;
      while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
      if (at == start) return false;
    }
  }
  if (at == text.size()) return true;
  if (text[at] == 'Z') return at + 1 == text.size();
  if (text[at] != '+' && text[at] != '-') return false;
  const std::string_view zone = text.substr(at + 1);
  return (zone.size() == 5 && Digits(zone, 0, 2) && zone[2] == ':' && Digits(zone, 3, 2)) ||
         (zone.size() == 4 && Digits(zone, 0, 4)) || (zone.size() == 2 && Digits(zone, 0, 2));
}

// A one- or two-digit number ending at `separator`; advances `at` past it.
bool SmallNumber(std::string_view text, size_t* at, char separator, int* value) {
  size_t k = *at;
  *value = 0;
  while (k < text.size() && k - *at < 2 && text[k] >= '0' && text[k] <= '9')
    *value = *value * 10 + (text[k++] - '0');
  if (k == *at || k >= text.size() || text[k] != separator) return false;
  *at = k + 1;
  return true;
}

bool Iso(int y, int m, int d, std::string* iso) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", y, m, d);
  long day = 0;
  if (!ParseSiteDate(buffer, &day)) return false;
  *iso = buffer;
  return true;
}

}  // namespace

LabDateResult ReadLabDate(std::string_view text, SlashedDates slashed, std::string* iso) {
  // ISO 8601: the date, then nothing or a time of day after T or a blank.
  if (text.size() >= 10 && Digits(text, 0, 4) && text[4] == '-' && Digits(text, 5, 2) && text[7] == '-' &&
      Digits(text, 8, 2)) {
    long day = 0;
    const std::string_view date = text.substr(0, 10);
    if (!ParseSiteDate(date, &day)) return LabDateResult::kNotADate;
    if (text.size() > 10 && ((text[10] != 'T' && text[10] != ' ') || !TimeOfDay(text.substr(11))))
      return LabDateResult::kNotADate;
    *iso = std::string(date);
    return LabDateResult::kRead;
  }
  // Day first: DD.MM.YYYY, DD-MM-YYYY, and slashed dates in either order.
  for (const char separator : {'.', '-', '/'}) {
    size_t at = 0;
    int first = 0, second = 0;
    if (!SmallNumber(text, &at, separator, &first) || !SmallNumber(text, &at, separator, &second)) continue;
    if (!Digits(text, at, 4)) return LabDateResult::kNotADate;
    const int year = std::stoi(std::string(text.substr(at, 4)));
    at += 4;
    if (at < text.size() && (text[at] != ' ' || !TimeOfDay(text.substr(at + 1))))
      return LabDateResult::kNotADate;
    if (separator == '/' && slashed == SlashedDates::kRefused) return LabDateResult::kAmbiguous;
    const bool monthFirst = separator == '/' && slashed == SlashedDates::kMonthDay;
    return Iso(year, monthFirst ? first : second, monthFirst ? second : first, iso)
               ? LabDateResult::kRead
               : LabDateResult::kNotADate;
  }
  return LabDateResult::kNotADate;
}
