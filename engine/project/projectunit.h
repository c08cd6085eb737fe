// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project's concentration unit as the calculations read it. The unit is
// free text and stays as typed wherever it is shown; it is read as the lab
// import reads a unit (engine/project/labunits.h): ignoring case and blanks, l or L
// for litre, u, the micro sign or the Greek mu for micro. The masses per
// volume among them relate to the samples, which the project keeps in ug/L
// and mg/L, by their factors.
#pragma once

#include <string_view>

#include "engine/project/records.h"

struct ConcentrationUnit {
  bool known = false;  // a mass per volume Virelo relates to the samples
  // One of the unit is micrograms / divisor ug/L. Both are exact powers
  // of ten and kept apart, so that ug/L and mg/L convert exactly as the site
  // tables always converted them.
  double micrograms = 0.0;
  double divisor = 1.0;
  double kgPerCubicMetre = 0.0;  // kg/m3 in one of the unit
};

// ng/L, ug/L, mg/L, g/L, g/m3, mg/m3 and kg/m3 (the 3 also as a
// superscript), in UTF-8 or Latin-1; anything else is not known. ppb and
// ppm are not read: a project may hold them per kilogram of soil.
ConcentrationUnit ReadConcentrationUnit(std::string_view text);
// The unit of the project's settings, read as above.
ConcentrationUnit ProjectConcentrationUnit(const Project& project);

// A value in ug/L (as the samples are kept) in the unit; false and no value
// where the unit is not known.
bool FromMicrogramsPerLitre(double ugL, const ConcentrationUnit& unit, double* out);
// A value in the unit in ug/L; false where the unit is not known.
bool ToMicrogramsPerLitre(double value, const ConcentrationUnit& unit, double* out);
// A sample's value in its stored unit (ug/L or mg/L) in the unit; false
// where either is no concentration Virelo knows.
bool SampleValueIn(double value, std::string_view sampleUnit, const ConcentrationUnit& unit, double* out);
