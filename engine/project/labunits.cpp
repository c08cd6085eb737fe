// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/labunits.h"

#include <string>

#include "engine/project/sitedata.h"

std::string FoldLabUnitText(std::string_view latin1) {
  std::string text;
  for (unsigned char c : latin1) {
    if (c == ' ' || c == '\t') continue;
    if (c == 0xB5) {
      text += 'u';
    } else if (c == 0xB3) {
      text += '3';
    } else {
      text += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
  }
  return text;
}

bool ReadLabUnit(std::string_view latin1, LabUnit* out) {
  const std::string text = FoldLabUnitText(latin1);
  // ppb and ppm are mass fractions; in water (1 kg per litre) they are
  // ug/L and mg/L, which is how every lab that prints them means them.
  static const struct {
    const char* text;
    LabUnit unit;
  } kUnits[] = {
      {"ug/l", {kUnitUgL, 1.0, nullptr}},
      {"mg/l", {kUnitMgL, 1.0, nullptr}},
      {"ng/l", {kUnitUgL, 1000.0, nullptr}},
      {"mv", {kUnitMv, 1.0, nullptr}},
      {"m", {kUnitM, 1.0, nullptr}},
      // Heads as surveyors write them, metres above their national datum
      // (Dutch NAP, German NHN or NN, British OD, sea level): the site's heads
      // share one datum, so the datum's name changes nothing in the metres.
      {"mnap", {kUnitM, 1.0, nullptr}},
      {"m+nap", {kUnitM, 1.0, nullptr}},
      {"mnhn", {kUnitM, 1.0, nullptr}},
      {"m\xFC.nhn", {kUnitM, 1.0, nullptr}},
      {"mnn", {kUnitM, 1.0, nullptr}},
      {"m\xFC.nn", {kUnitM, 1.0, nullptr}},
      {"m\xFCnn", {kUnitM, 1.0, nullptr}},
      {"ma.s.l.", {kUnitM, 1.0, nullptr}},
      {"masl", {kUnitM, 1.0, nullptr}},
      {"maod", {kUnitM, 1.0, nullptr}},
      {"-", {kUnitNone, 1.0, nullptr}},
      {"degc", {kUnitCelsius, 1.0, nullptr}},
      {"\xB0"
       "c",
       {kUnitCelsius, 1.0, nullptr}},
      {"ppb", {kUnitUgL, 1.0, "ppb is read as ug/L, as for water"}},
      {"ppm", {kUnitMgL, 1.0, "ppm is read as mg/L, as for water"}},
  };
  for (const auto& u : kUnits) {
    if (text == u.text) {
      *out = u.unit;
      return true;
    }
  }
  return false;
}

void ReplaceGreekMu(std::string* utf8) {
  for (size_t at = utf8->find("\xCE\xBC"); at != std::string::npos; at = utf8->find("\xCE\xBC", at + 2))
    utf8->replace(at, 2, "\xC2\xB5");
}
