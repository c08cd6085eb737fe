// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/projectunit.h"

#include <string>

#include "engine/project/extras.h"
#include "engine/project/labunits.h"
#include "engine/project/sitedata.h"

ConcentrationUnit ReadConcentrationUnit(std::string_view text) {
  // The UTF-8 micro sign, Greek mu and superscript three in their Latin-1
  // forms, so that one reading serves both encodings.
  std::string latin1;
  for (size_t k = 0; k < text.size(); ++k) {
    const unsigned char c = static_cast<unsigned char>(text[k]);
    const unsigned char next = k + 1 < text.size() ? static_cast<unsigned char>(text[k + 1]) : 0;
    if ((c == 0xC2 && (next == 0xB5 || next == 0xB3)) || (c == 0xCE && next == 0xBC)) {
      latin1 += static_cast<char>(next == 0xB3 ? 0xB3 : 0xB5);
      ++k;
    } else {
      latin1 += static_cast<char>(c);
    }
  }
  const std::string key = FoldLabUnitText(latin1);
  // 1 mg/L = 1 g/m3 = 1e-3 kg/m3. Each factor is written out rather than
  // derived, so that every reader gets the same bits.
  static const struct {
    const char* text;
    ConcentrationUnit unit;
  } kUnits[] = {
      {"ug/l", {true, 1.0, 1.0, 1e-6}},    {"mg/l", {true, 1000.0, 1.0, 1e-3}},
      {"ng/l", {true, 1.0, 1000.0, 1e-9}}, {"g/l", {true, 1e6, 1.0, 1.0}},
      {"g/m3", {true, 1000.0, 1.0, 1e-3}}, {"mg/m3", {true, 1.0, 1.0, 1e-6}},
      {"kg/m3", {true, 1e6, 1.0, 1.0}},
  };
  for (const auto& u : kUnits)
    if (key == u.text) return u.unit;
  return {};
}

ConcentrationUnit ProjectConcentrationUnit(const Project& project) {
  return ReadConcentrationUnit(virelo_SettingsOf(project).concentrationUnit);
}

bool FromMicrogramsPerLitre(double ugL, const ConcentrationUnit& unit, double* out) {
  if (!unit.known) return false;
  *out = unit.micrograms == 1.0 && unit.divisor == 1.0 ? ugL : ugL * unit.divisor / unit.micrograms;
  return true;
}

bool ToMicrogramsPerLitre(double value, const ConcentrationUnit& unit, double* out) {
  if (!unit.known) return false;
  *out = value * unit.micrograms / unit.divisor;
  return true;
}

bool SampleValueIn(double value, std::string_view sampleUnit, const ConcentrationUnit& unit, double* out) {
  double perSample = 0.0;  // ug/L in one of the sample's unit
  if (sampleUnit == kUnitUgL) {
    perSample = 1.0;
  } else if (sampleUnit == kUnitMgL) {
    perSample = 1000.0;
  } else {
    return false;
  }
  if (!unit.known) return false;
  if (unit.divisor == 1.0) {
    *out = perSample == unit.micrograms ? value : value * perSample / unit.micrograms;
  } else {
    *out = value * perSample * unit.divisor / unit.micrograms;
  }
  return true;
}
