// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/core/plausibility.h"

#include <cmath>

#include "diagnostics/text.h"

namespace {

// "%g" with a decimal point whatever locale the desktop has set.
std::string Number(double value) {
  char text[64];
  FormatCNumber(text, sizeof text, "%g", value);
  return text;
}

bool Entered(const Aquifer& a, uint16_t bit, double value) {
  return (a.setMask & bit) && std::isfinite(value);
}

}  // namespace

std::vector<PlausibilityWarning> virelo_CheckPlausibility(const Aquifer& a) {
  std::vector<PlausibilityWarning> warnings;
  auto warn = [&](uint16_t fields, bool afOnly, std::string text) {
    warnings.push_back({fields, afOnly, std::move(text)});
  };

  const bool kf = Entered(a, kAquiferKf, a.conductivityKf) && a.conductivityKf > 0.0;
  if (kf && a.conductivityKf < kPlausibleKfLowest)
    warn(kAquiferKf, false,
         "Kf = " + Number(a.conductivityKf) + " m/d is below " + Number(kPlausibleKfLowest) +
             " m/d, as tight as silt or clay: entered in m/s? 1e-4 m/s = 8.64 m/d");
  if (kf && a.conductivityKf > kPlausibleKfHighest)
    warn(kAquiferKf, false,
         "Kf = " + Number(a.conductivityKf) + " m/d is above " + Number(kPlausibleKfHighest) +
             " m/d, more than even open gravel conducts");

  const bool i = Entered(a, kAquiferI, a.gradientI) && a.gradientI > 0.0;
  if (i && a.gradientI > kPlausibleGradientHighest)
    warn(kAquiferI, false,
         "i = " + Number(a.gradientI) + " is above " + Number(kPlausibleGradientHighest) +
             ", steeper than groundwater gradients usually are: entered in per cent or per mille?");

  const bool ne = Entered(a, kAquiferNe, a.porosityNe) && a.porosityNe > 0.0 && a.porosityNe <= 1.0;
  if (ne && a.porosityNe < kPlausiblePorosityLowest)
    warn(kAquiferNe, false,
         "ne = " + Number(a.porosityNe) + " is below " + Number(kPlausiblePorosityLowest) +
             ", less than even fractured rock usually offers to the flow");
  if (ne && a.porosityNe > kPlausiblePorosityHighest)
    warn(kAquiferNe, false,
         "ne = " + Number(a.porosityNe) + " is above " + Number(kPlausiblePorosityHighest) +
             ", more than the total porosity of sand and gravel");

  if (kf && i && ne) {
    const double v = a.conductivityKf * a.gradientI / a.porosityNe;
    const uint16_t fields = kAquiferKf | kAquiferI | kAquiferNe;
    if (v > kPlausibleVelocityHighest)
      warn(fields, false,
           "The seepage velocity v = Kf * i / ne = " + Number(v) + " m/d is above " +
               Number(kPlausibleVelocityHighest) + " m/d: check Kf, i and ne");
    if (v < kPlausibleVelocityLowest)
      warn(fields, false,
           "The seepage velocity v = Kf * i / ne = " + Number(v) + " m/d is below " +
               Number(kPlausibleVelocityLowest) + " m/d: check Kf, i and ne");
  }

  const bool x = Entered(a, kAquiferX, a.distanceX);
  const bool ax = Entered(a, kAquiferAx, a.dispersivityAx);
  const bool ay = Entered(a, kAquiferAy, a.dispersivityAy);
  const bool az = Entered(a, kAquiferAz, a.dispersivityAz);
  if (x && ax && a.dispersivityAx > a.distanceX)
    warn(kAquiferAx | kAquiferX, true,
         "ax = " + Number(a.dispersivityAx) + " m is greater than the distance x = " + Number(a.distanceX) +
             " m; field values lie far below x");
  if (ax && ay && a.dispersivityAy > a.dispersivityAx)
    warn(kAquiferAy | kAquiferAx, true,
         "ay = " + Number(a.dispersivityAy) + " m is greater than ax = " + Number(a.dispersivityAx) +
             " m; transverse spreading is usually about a tenth of the longitudinal");
  if (ay && az && a.dispersivityAz > a.dispersivityAy)
    warn(kAquiferAz | kAquiferAy, true,
         "az = " + Number(a.dispersivityAz) + " m is greater than ay = " + Number(a.dispersivityAy) +
             " m; vertical spreading is usually far smaller than horizontal");
  return warnings;
}
