// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/dispersivity.h"

#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The page's fields hold at most this many characters.
constexpr int kFieldLimit = 50;

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// The value the page stores after showing `value` with three decimals. The
// toolkit behind the page rounds an exact half away from zero (0.0625 shows
// as 0.063) where the C library rounds it to even, so exact halves are
// settled here; every other value is rounded alike by both.
double ThreeDecimals(double value) {
  const locale_t c = CLocale();
  const locale_t previous = c ? uselocale(c) : static_cast<locale_t>(nullptr);
  char text[400];
  const int length = std::snprintf(text, sizeof text, "%.3f", value);
  if (previous) uselocale(previous);
  if (length < 0 || length > kFieldLimit) return value;

  // An exact half: 2000 * value is an odd whole number, with no rounding in
  // the product.
  const double doubled = value * 2000.0;
  if (std::fma(value, 2000.0, -doubled) == 0.0 && std::fabs(doubled) < 9007199254740992.0 &&
      std::fmod(doubled, 2.0) != 0.0 && doubled == std::trunc(doubled)) {
    const double thousandths = (std::fabs(doubled) + 1.0) / 2.0;
    return std::copysign(thousandths / 1000.0, value);
  }
  return c ? strtod_l(text, nullptr, c) : std::strtod(text, nullptr);
}

}  // namespace

void virelo_DispersivitiesFromX(double x, double* ax, double* ay, double* az) {
  double longitudinal = 0.0, transverse = 0.0, vertical = 0.0;
  virelo_ApproximateDispersivity(x, &longitudinal, &transverse, &vertical);
  if (ax) *ax = ThreeDecimals(longitudinal);
  if (ay) *ay = ThreeDecimals(transverse);
  if (az) *az = ThreeDecimals(vertical);
}

int virelo_RefreshApproximatedDispersivities(Project* project) {
  if (!project || !project->approximateDispersivity) return 0;
  Aquifer& a = project->aquifer;
  if (!(a.setMask & kAquiferX) || !std::isfinite(a.distanceX) || !(a.distanceX > 0.0)) return 0;
  double ax = 0.0, ay = 0.0, az = 0.0;
  virelo_DispersivitiesFromX(a.distanceX, &ax, &ay, &az);
  const uint16_t bits = kAquiferAx | kAquiferAy | kAquiferAz;
  if ((a.setMask & bits) == bits && a.dispersivityAx == ax && a.dispersivityAy == ay &&
      a.dispersivityAz == az)
    return 0;
  virelo_SetAquiferValue(&a, kAquiferAx, ax);
  virelo_SetAquiferValue(&a, kAquiferAy, ay);
  virelo_SetAquiferValue(&a, kAquiferAz, az);
  project->modified = 1;
  return 1;
}
