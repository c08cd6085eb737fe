// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Input checks, problem texts and the edit-field number parser.
#include "engine/core/validation.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "diagnostics/text.h"
#include "diagnostics/util.h"

const ProblemMessage kProblemMessages[] = {
    {10, "You didn't set a C0 (concentration at source) > 0.0  for the contaminant!"},
    {20, "You need a CA  (accepted concentration at receptor) > 0.0 and <=C0 for the contaminant!"},
    {30, "You have to set/select a lambda (decay constant) > 0.0 for the contaminant!"},
    {510, "You have to set  x > 0.0 (distance source to receptor) for the aquifer!"},
    {520, "You didn't set i (hydraulic gradient) for the aquifer!"},
    {521, "i (aquifer: hydraulic gradient) must be > 0.0!"},
    {530, "You didn't set Kf (coefficient of hydraulic conductivity) for the aquifer!"},
    {531, "Kf (coefficient of hydraulic conductivity) should not be <= 0.0!"},
    {540, "You have to set ne (effective porosity) for the aquifer!"},
    {541, "Range of ne (effective porosity) is:  0.0 < ne <= 1.0 !"},
    {560, "You have to set ax, ay, az (dispersivity) for the aquifer!"},
    {570, "ax (dispersivity) has to be > 0.0 for the aquifer!"},
    {580, "You have to set Sz and Sy (width and thickness of plume) for the aquifer!"},
    {40, "C0, CA and lambda (decay constant) must be finite numbers for the contaminant!"},
    {590, "Dispersivities and source dimensions must not be negative for the aquifer!"},
    {600, "Source width and thickness must be greater than 0 for the aquifer!"},
    {610, "x, Kf, i, ne, dispersivities and source dimensions must be finite numbers for the aquifer!"},
    {50, "Koc (organic-carbon partition coefficient) must be a finite number >= 0.0 for the contaminant!"},
    {60, "ks (decay rate of the source) must be a finite number >= 0.0 for the contaminant!"},
    {70, "M0 (dissolvable mass of the source) must be a finite number > 0.0 for the contaminant!"},
    {650, "rho_b (bulk density) must be a finite number > 0.0 for the aquifer!"},
    {660, "foc (fraction of organic carbon) must be a finite number >= 0.0 and < 1.0 for the aquifer!"},
    // The wells left out of a verdict (engine/evidence/wellsevidence.h): said beside
    // the verdict, which stands without them.
    {800,
     "The project's concentration unit is not one Virelo relates to the samples' units (ng/L, ug/L, mg/L): "
     "the wells were not compared with CA!"},
    {810,
     "Fewer than three wells hold detected values at different distances: the wells were not compared "
     "with CA!"},
    {820, "The wells' distance fit has warnings: the wells were not compared with CA!"},
    // A decay chain left out of the verdicts (engine/evidence/omittedevidence.h).
    {830,
     "A decay chain of the project has problems (Data > Decay chain names them): its species were judged "
     "without it!"},
    {-1, "__end__"},
};

namespace {

// "Greater than 0.0" in the problem texts means at least this much. A value
// that is not a number compares false and so passes.
constexpr double kMinimum = 1e-10;

// The problems one check has found so far; each call has its own, so that
// the checks may run on several threads at once. No check finds more than 11.
struct Findings {
  static constexpr int kCapacity = 12;
  ProblemCode codes[kCapacity];
  int count = 0;

  void Add(ProblemCode code) {
    if (count < kCapacity) codes[count++] = code;
  }

  // The count, and with a non-null `out` a malloc'ed copy of the codes.
  int HandOut(ProblemCode** out) const {
    if (out) {
      auto* copy = static_cast<ProblemCode*>(std::malloc(static_cast<size_t>(count) * sizeof(ProblemCode)));
      if (copy && count > 0) std::memcpy(copy, codes, static_cast<size_t>(count) * sizeof(ProblemCode));
      *out = copy;
    }
    return count;
  }
};

bool Lacks(uint16_t mask, uint16_t bits) {
  return (mask & bits) != bits;
}

// An infinite or undefined value slips through every "< 1e-10" test above
// (an infinite x even makes the plume-length ratio 0, that is green), so a
// value that is entered must also be finite. Values not entered are already
// reported as missing.
bool AnyNonFinite(const Aquifer& a, uint16_t bits) {
  struct Value {
    uint16_t bit;
    double value;
  };
  const Value values[] = {
      {kAquiferX, a.distanceX},       {kAquiferKf, a.conductivityKf}, {kAquiferNe, a.porosityNe},
      {kAquiferI, a.gradientI},       {kAquiferAx, a.dispersivityAx}, {kAquiferAy, a.dispersivityAy},
      {kAquiferAz, a.dispersivityAz}, {kAquiferSz, a.sourceWidthSz},  {kAquiferSy, a.sourceThicknessSy},
  };
  for (const Value& v : values)
    if ((bits & v.bit) && (a.setMask & v.bit) && !std::isfinite(v.value)) return true;
  return false;
}

constexpr uint16_t kPlumeLengthInputs = kAquiferX | kAquiferKf | kAquiferNe | kAquiferI;

void CheckPlumeLengthAquifer(const Aquifer& a, Findings& found) {
  if (Lacks(a.setMask, kAquiferX) || a.distanceX < kMinimum) found.Add(510);
  if (Lacks(a.setMask, kAquiferI)) {
    found.Add(520);
  } else if (a.gradientI < kMinimum) {
    found.Add(521);
  }
  if (Lacks(a.setMask, kAquiferKf)) {
    found.Add(530);
  } else if (a.conductivityKf < kMinimum) {
    found.Add(531);
  }
  if (Lacks(a.setMask, kAquiferNe)) {
    found.Add(540);
  } else if (a.porosityNe < kMinimum || a.porosityNe > 1.0) {
    found.Add(541);
  }
}

}  // namespace

int virelo_CheckContaminant(const Contaminant* contaminant, ProblemCode** codes) {
  Findings found;
  if (contaminant) {
    const Contaminant& c = *contaminant;
    if (Lacks(c.valueMask, kValueC0) || c.c0 < kMinimum) found.Add(10);
    if (Lacks(c.valueMask, kValueCa) || c.ca < kMinimum || c.ca > c.c0) found.Add(20);
    double lambda = 0.0;
    virelo_GetLambda(&c, &lambda);
    // A selected constant whose own bit is missing still counts when the
    // stored value is usable; only an empty mask or no selection fails.
    if (c.lambdaMask == 0 || c.lambdaSelected == 0 || lambda < kMinimum) found.Add(30);
    if (((c.valueMask & kValueC0) && !std::isfinite(c.c0)) ||
        ((c.valueMask & kValueCa) && !std::isfinite(c.ca)) || !std::isfinite(lambda))
      found.Add(40);
  } else {
    found.Add(10);
    found.Add(20);
    found.Add(30);
  }
  return found.HandOut(codes);
}

int virelo_CheckAquiferPlumeLength(const Aquifer* aquifer, ProblemCode** codes) {
  Findings found;
  const Aquifer empty{};
  const Aquifer& a = aquifer ? *aquifer : empty;
  CheckPlumeLengthAquifer(a, found);
  if (AnyNonFinite(a, kPlumeLengthInputs)) found.Add(610);
  return found.HandOut(codes);
}

int virelo_CheckAquiferAF(const Aquifer* aquifer, ProblemCode** codes) {
  Findings found;
  const Aquifer empty{};
  const Aquifer& a = aquifer ? *aquifer : empty;
  CheckPlumeLengthAquifer(a, found);
  if (Lacks(a.setMask, kAquiferAx | kAquiferAy | kAquiferAz)) found.Add(560);
  // The value is tested even when unset, so an ax never entered gives both
  // 560 and 570.
  if (std::fabs(a.dispersivityAx) < kMinimum) found.Add(570);
  if (Lacks(a.setMask, kAquiferSz | kAquiferSy)) found.Add(580);
  // A negative spread or source size makes the centre-line solution return
  // a meaningless, possibly negative concentration that would pass as green.
  if (a.dispersivityAx < 0.0 || a.dispersivityAy < 0.0 || a.dispersivityAz < 0.0 ||
      a.sourceThicknessSy < 0.0 || a.sourceWidthSz < 0.0)
    found.Add(590);
  // A source of no width or no thickness lets nothing reach the receptor in
  // the model, so every verdict would be green; it is an entry slip, not a
  // site without a source. (A negative one is 590's.)
  const auto vanishing = [](double size) { return size >= 0.0 && size < kMinimum; };
  if (((a.setMask & kAquiferSy) && vanishing(a.sourceThicknessSy)) ||
      ((a.setMask & kAquiferSz) && vanishing(a.sourceWidthSz)))
    found.Add(600);
  if (AnyNonFinite(a, 0xFFFF)) found.Add(610);
  return found.HandOut(codes);
}

int virelo_GetProblemText(ProblemCode code, char* text) {
  if (!text) return 0;
  for (const ProblemMessage* entry = kProblemMessages; entry->code != -1; ++entry) {
    if (entry->code == code) {
      CopyBounded(text, entry->text, sizeof entry->text);
      return 1;
    }
  }
  return 0;
}

namespace {

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 'E' || c == 'e';
}

}  // namespace

int virelo_ParseNumber(char* text, double* value) {
  double result = 0.0;
  int ok = 0;
  if (text) {
    TrimString(text);
    if (text[0] != '\0') {
      ok = 1;
      int separators = 0;
      for (char* p = text; *p; ++p) {
        if (*p == ',') *p = '.';
        separators += *p == '.';
        if (!IsNumberChar(*p)) {
          ok = 0;
          break;
        }
      }
      // "1.234,5" or "1,2,3" is a thousands separator or a slip; read as the
      // longest number at its start it would silently become 1.234.
      if (separators > 1) ok = 0;
      if (ok) {
        // The longest prefix that reads as a number; none gives 0.0. The
        // decimal point is always ".", whatever locale the desktop has set.
        result = ParseCNumber(text);
        // "1E400" overflows to infinity, which no input may hold.
        if (!std::isfinite(result)) {
          result = 0.0;
          ok = 0;
        }
      }
    }
  }
  if (value) *value = result;
  return ok;
}
