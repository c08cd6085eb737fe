// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// When things happen at the receptor and at the source, in days since the
// source appeared, under the screening form and the exact solution of
// engine/time/transient.h. A time that does not occur is an empty optional, never
// 0 or infinity: 0 means "at once" (a source already at its target).
#pragma once

#include <functional>
#include <optional>

#include "engine/time/transient.h"

struct TransientTimes {
  // Plug flow: arrival x R / v of the front, and the time ln(C0/CA) / mu the
  // plug-flow plume needs to reach its full length (none without decay, or
  // with C0 <= CA, where no plume exceeds CA).
  double frontTime = 0.0;
  std::optional<double> fullLengthTime;

  // Constant source only: when the receptor reaches 50 % and 95 % of its
  // steady value (closed form for the screening form, root finding for the
  // exact solution).
  std::optional<double> t50Screening, t50Exact, t95Screening, t95Exact;

  // When the receptor first exceeds CA, and (decaying source) when it falls
  // back below CA afterwards.
  std::optional<double> exceedScreening, exceedExact;
  std::optional<double> belowAgainScreening, belowAgainExact;

  // The highest C/C0 at the receptor and when it occurs. A constant source
  // approaches its steady value without reaching it: the peak is the steady
  // value and its time is empty. peakScreening is NaN where the screening
  // form gives no value.
  double peakScreening = 0.0, peakExact = 0.0;
  std::optional<double> peakTimeScreening, peakTimeExact;

  // Decaying source: ln(C0 / target) / ks until the source falls to the
  // target (0 when it is there already).
  std::optional<double> sourceTimeToTarget;

  // Null where the screening form gives values, else why it gives none.
  const char* screeningReason = nullptr;
};

// The times of one contaminant. c0 and ca are its source and acceptable
// concentrations (any one unit), target the source's remedial target CA * AF
// under the verdict basis the caller chose (NaN or <= 0: no source time).
TransientTimes TransientTiming(const TransientInputs& in, double c0, double ca, double target);

// The first time t at which the screening form's constant-source receptor
// reaches `fraction` (0 < fraction < 1) of its steady value: the closed form
// of 1/2 erfc((x - u t P) / (2 sqrt(ax u t))) = fraction. Empty for a
// fraction outside (0, 1) or inputs without a steady value.
std::optional<double> ScreeningFractionTime(const TransientInputs& in, double fraction);

// The same for the exact solution, by root finding in log t.
std::optional<double> ExactFractionTime(const TransientInputs& in, double fraction);

// A receptor given by its two curves in one concentration unit: a decay
// chain's species, which has no source concentration of its own to divide
// by. The screening curve is NaN where the form gives no value.
struct ReceptorCurves {
  std::function<double(double)> screening, exact;
  double frontTime = 0.0;
  // True where a source that feeds the receptor fades: it rises to a peak
  // and falls away, to nothing or (settles) to the steady value of its
  // constant sources. Else it approaches that steady value from below.
  bool fades = false;
  bool settles = false;
  // Where the scan of a fading receptor begins and ends [d]: by the end the
  // fading sources are gone.
  double scanStart = 0.0, scanEnd = 0.0;
  const char* screeningReason = nullptr;
};

// The times of such a receptor against the acceptable concentration `ca` in
// the curves' unit: arrival, 50 % and 95 % of the steady value (constant
// sources only), first above and back below ca, peak (in the curves' unit;
// the steady value, without a time, where the receptor settles higher than
// any earlier peak). The
// plug-flow full-length and the source's own target time are left empty.
TransientTimes CurveTiming(const ReceptorCurves& curves, double ca);
