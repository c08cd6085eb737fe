// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Taking a distance fit's lambda as a contaminant's decay constant: the
// value, its source and its interval, written the one way the Site data
// window's button and the command line both use.
#pragma once

#include <string>

#include "engine/project/records.h"
#include "engine/site/sitefit.h"

struct DecayChain;

// Where the fit's lambda comes from, as the project records it (UTF-8):
// "site wells MW1–MW5, 2023-12-12, Buscheck–Alcantar, 90 % interval 0.0027–0.0035 1/d".
std::string SiteLambdaSourceText(const DistanceFit& fit);

// The first of the project's chains in which `name` (Latin-1) is formed
// from a parent, or null when it is a daughter in none. Along the wells such
// a daughter's fit gives an apparent rate, formation minus decay.
const DecayChain* ChainWithDaughter(const Project& project, const std::string& name);

// The decay constant a fit gives the project's contaminant, as the user
// types it. The distance fit measures the effective rate of the steady
// equation; under "decay of dissolved and sorbed phase" that is lambda R, so
// the constant taken is lambda_fit / R (R from the contaminant's Koc and
// the aquifer), and the steady model then declines along the wells at the
// fitted slope. Under the default convention factor is 1 and the values are
// the fit's own.
struct SiteLambdaTaken {
  double factor = 1.0;                         // R, or 1
  double lambda = 0.0, low = 0.0, high = 0.0;  // [1/d], the fit's divided by factor
};
SiteLambdaTaken SiteLambdaFor(const Project& project, const DistanceFit& fit);
// What the recorded source adds under that convention (UTF-8), empty
// under the default one: "; λ = λ_fit / R, R = 2.08 (decay of dissolved and
// sorbed phase)".
std::string SiteLambdaConventionText(const SiteLambdaTaken& taken);

// Makes the fit's lambda (SiteLambdaFor) the user-defined decay constant of the project's
// contaminant of that name, selects it, records its source (saying so for
// a daughter's apparent rate) and its interval, and marks the project
// modified. Returns the contaminant, or null when the fit gives no lambda or
// the project has no contaminant of that name (nothing is changed then).
Contaminant* UseSiteLambda(Project* project, const DistanceFit& fit);
