// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Units as laboratories print them. The project stores only ug/L, mg/L, mV
// and m (heads); other spellings and ng/L are read into those on import, so
// that every file reads the stored samples alike.
#pragma once

#include <string>
#include <string_view>

struct LabUnit {
  const char* unit = nullptr;  // kUnitUgL, kUnitMgL, kUnitMv or kUnitM
  double divisor = 1.0;        // the value as printed, divided by this, is in `unit`
  const char* note = nullptr;  // why the reading needs saying, or null
};

// Reads a unit ignoring case and blanks around it, with l or L for litre and
// u, the micro sign or the Greek mu for micro (Latin-1; the Greek mu arrives
// as the micro sign, see LabTextForLatin1). False when it is none of ug/L,
// mg/L, ng/L, mV, m, ppb and ppm.
bool ReadLabUnit(std::string_view latin1, LabUnit* out);
// The text ReadLabUnit matches: blanks dropped, ASCII letters in lower
// case, the micro sign as u and the superscript three as 3 (Latin-1).
std::string FoldLabUnitText(std::string_view latin1);

// UTF-8 bytes with the Greek small mu (U+03BC), which many labs print for
// micro, replaced by the micro sign (U+00B5), which Latin-1 holds; other
// bytes as they are.
void ReplaceGreekMu(std::string* utf8);
