// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/core/dispersivity.h"

#include <cmath>

#include "diagnostics/text.h"

namespace {

// The page's fields hold at most this many characters.
constexpr int kFieldLimit = 50;

// The rounding below without its text, wherever the text could not tell
// otherwise: N, the whole number nearest to 1000 * value, gives the text
// "N/1000" that the page shows, and N / 1000.0 is the double nearest to that
// text, as reading it back gives (a division is rounded correctly). Returns
// false for a value within a rounding error of an exact half, and for one
// too large for N to be exact; the text settles those. The break-even
// search rounds at every trial of x, where the text took most of its time.
bool NearestThousandth(double value, double* rounded) {
  const double product = value * 1000.0;
  if (!(std::fabs(product) < 0x1p52)) return false;
  // 1000 * value is product + error exactly.
  const double error = std::fma(value, 1000.0, -product);
  const double whole = std::floor(product);
  // Exact but for a product in (-1, 0), where it is off by at most 2^-53.
  const double aboveHalf = (product - whole) - 0.5;
  if (!(std::fabs(aboveHalf) > std::fabs(error) + 0x1p-50)) return false;
  const double nearest = aboveHalf > 0.0 ? whole + 1.0 : whole;
  // "-0.000" reads back as -0.0.
  *rounded = std::copysign(nearest / 1000.0, value);
  return true;
}

// The value the page stores after showing `value` with three decimals. The
// toolkit behind the page rounds an exact half away from zero (0.0625 shows
// as 0.063) where the C library rounds it to even, so exact halves are
// settled here; every other value is rounded alike by both.
double ThreeDecimals(double value) {
  double rounded = 0.0;
  if (NearestThousandth(value, &rounded)) return rounded;
  char text[400];
  const int length = FormatCNumber(text, sizeof text, "%.3f", value);
  if (length < 0 || length > kFieldLimit) return value;

  // An exact half: 2000 * value is an odd whole number, with no rounding in
  // the product.
  const double doubled = value * 2000.0;
  if (std::fma(value, 2000.0, -doubled) == 0.0 && std::fabs(doubled) < 9007199254740992.0 &&
      std::fmod(doubled, 2.0) != 0.0 && doubled == std::trunc(doubled)) {
    const double thousandths = (std::fabs(doubled) + 1.0) / 2.0;
    return std::copysign(thousandths / 1000.0, value);
  }
  return ParseCNumber(text);
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
