// Plume length and attenuation factor of every assessed contaminant.
#pragma once

#include "engine/records.h"

// Appends one ContaminantResult per contaminant with a non-zero `assess`.
// The caller frees earlier results first. Returns 1 when the pass completed,
// 0 for a null project or when growing the result array failed.
int virelo_math_CalcAll(Project* project);

// Error function used by the attenuation factor: erf(z) for a finite z, 1.0
// for a non-finite one.
double SeriesErf(double z);
