// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Units, indicator names and dates of the site data.
#include "engine/project/sitedata.h"

#include <cstdio>

const SiteWell* SiteData::FindWell(std::string_view name) const {
  for (const SiteWell& well : wells)
    if (well.name == name) return &well;
  return nullptr;
}

const char* ParseSiteUnit(std::string_view text) {
  if (text == "ug/L") return kUnitUgL;
  // The micro sign in UTF-8 and in Latin-1 (the records' encoding).
  if (text == "\xC2\xB5g/L" || text == "\xB5g/L") return kUnitUgL;
  if (text == "mg/L") return kUnitMgL;
  if (text == "mV") return kUnitMv;
  if (text == "m") return kUnitM;
  if (text == "-") return kUnitNone;
  // The degree sign in UTF-8 and in Latin-1.
  if (text == "degC" ||
      text ==
          "\xC2\xB0"
          "C" ||
      text ==
          "\xB0"
          "C")
    return kUnitCelsius;
  return nullptr;
}

namespace {
// Units that measure one kind of parameter only and convert to nothing else.
bool IsFixedUnit(std::string_view unit) {
  return unit == kUnitMv || unit == kUnitM || unit == kUnitNone || unit == kUnitCelsius;
}

// Micrograms per litre in one unit of a concentration; 0 when not one.
double MicrogramsPer(std::string_view unit) {
  if (unit == kUnitUgL) return 1.0;
  if (unit == kUnitMgL) return 1000.0;
  return 0.0;
}
}  // namespace

bool ConvertSiteValue(double value, std::string_view from, std::string_view to, double* converted) {
  if (IsFixedUnit(from) || IsFixedUnit(to)) {
    if (from != to) return false;
    *converted = value;
    return true;
  }
  const double f = MicrogramsPer(from), t = MicrogramsPer(to);
  if (f == 0.0 || t == 0.0) return false;
  *converted = f == t ? value : value * f / t;
  return true;
}

bool IsSiteConcentrationUnit(std::string_view unit) {
  return unit == kUnitUgL || unit == kUnitMgL;
}

const char* FixedSiteUnit(std::string_view analyte) {
  if (analyte == kIndicatorOrp) return kUnitMv;
  if (analyte == kIndicatorHead) return kUnitM;
  if (analyte == kIndicatorPh) return kUnitNone;
  if (analyte == kIndicatorTemperature) return kUnitCelsius;
  return nullptr;
}

bool IsSiteIndicator(std::string_view analyte) {
  for (const char* name : kSiteIndicators)
    if (analyte == name) return true;
  return false;
}

namespace {
// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's
// days_from_civil), valid for every year a monitoring table can hold.
long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

bool LeapYear(long y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
}  // namespace

bool ParseSiteDate(std::string_view text, long* day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  long parts[3] = {0, 0, 0};
  const size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
  for (int p = 0; p < 3; ++p) {
    for (size_t k = starts[p]; k < starts[p] + lengths[p]; ++k) {
      if (text[k] < '0' || text[k] > '9') return false;
      parts[p] = parts[p] * 10 + (text[k] - '0');
    }
  }
  const long y = parts[0], m = parts[1], d = parts[2];
  static const int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1900 || m < 1 || m > 12 || d < 1) return false;
  const int last = kMonthDays[m - 1] + (m == 2 && LeapYear(y) ? 1 : 0);
  if (d > last) return false;
  *day = DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d));
  return true;
}

std::string SiteDateText(long z) {
  // The inverse of DaysFromCivil (civil_from_days).
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04ld-%02u-%02u", y, m, d);
  return buffer;
}
