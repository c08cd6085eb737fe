// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// "Approximate by x" rounds the dispersivities as the Aquifer page writes
// them, and the break-even search of x rounds them at every trial. The
// rounding takes a short way round the text wherever the text could not
// differ; these tests hold it to the text everywhere, and the break-even
// values of x to the ones the search gave when it rounded through the text.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ios>
#include <string>
#include <vector>

#include "engine/core/breakeven.h"
#include "engine/core/dispersivity.h"
#include "tests/engine/support/worked_example.h"

namespace {

// The page's rule, written out from its text: three decimals as the C
// library prints them (correctly rounded, an exact half to even), read back;
// an exact half goes away from zero instead; a text longer than the page's
// field (50 characters) leaves the value as it is.
double PageRounding(double value) {
  char text[400];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
  if (written.ec != std::errc() || written.ptr - text > 50) return value;
  const double doubled = value * 2000.0;
  if (std::fma(value, 2000.0, -doubled) == 0.0 && std::fabs(doubled) < 0x1p53 &&
      std::fmod(doubled, 2.0) != 0.0 && doubled == std::trunc(doubled))
    return std::copysign((std::fabs(doubled) + 1.0) / 2000.0, value);
  double read = 0.0;
  std::from_chars(text, written.ptr, read);
  return std::copysign(read, text[0] == '-' ? -1.0 : 1.0);
}

// Bits, so that -0.0 and 0.0 differ.
uint64_t Bits(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

void ExpectRoundedAsThePage(double x) {
  double longitudinal = 0.0, transverse = 0.0, vertical = 0.0;
  virelo_ApproximateDispersivity(x, &longitudinal, &transverse, &vertical);
  double ax = 0.0, ay = 0.0, az = 0.0;
  virelo_DispersivitiesFromX(x, &ax, &ay, &az);
  EXPECT_EQ(Bits(ax), Bits(PageRounding(longitudinal))) << std::hexfloat << x << " ax " << ax;
  EXPECT_EQ(Bits(ay), Bits(PageRounding(transverse))) << std::hexfloat << x << " ay " << ay;
  EXPECT_EQ(Bits(az), Bits(PageRounding(vertical))) << std::hexfloat << x << " az " << az;
}

TEST(Rounding, DispersivitiesFollowThePageEverywhere) {
  uint64_t state = 2024;
  auto uniform = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  };
  // Distances over twenty decades, of either sign.
  for (int k = 0; k < 40000; ++k) {
    const double x = std::pow(10.0, -6.0 + 20.0 * uniform());
    ExpectRoundedAsThePage(k % 5 == 0 ? -x : x);
  }
  // Distances whose ax lies at or a few units in the last place beside a
  // half of the third decimal, where the short way must give way to the text.
  for (int k = 0; k < 5000; ++k) {
    const double half = (std::floor(uniform() * 1e7) + 0.5) / 1000.0;
    const double x = 10.0 * half;
    ExpectRoundedAsThePage(x);
    ExpectRoundedAsThePage(std::nextafter(x, 0.0));
    ExpectRoundedAsThePage(std::nextafter(x, 1e300));
    ExpectRoundedAsThePage(-x);
  }
  // Exact halves, nothing, the sign of a tiny negative value, and values too
  // large for a whole number of thousandths or for the field.
  for (double x : {0.625, 6.25, 1.25, 0.0, -0.0, -0.004, -1e-300, 4e-320, 4.5e13, 4.6e15, 1e60, -1e60})
    ExpectRoundedAsThePage(x);
  double ax = 0.0;
  virelo_DispersivitiesFromX(NAN, &ax, nullptr, nullptr);
  EXPECT_TRUE(std::isnan(ax));
}

Contaminant Pinned(double c0, double ca, double lambda) {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueC0, c0);
  virelo_SetContaminantValue(&c, kValueCa, ca);
  virelo_SetLambda(&c, kLambdaUser, lambda);
  c.lambdaSelected = kLambdaUser;
  return c;
}

// The attenuation factor's break-even values under "Approximate by x" on the
// worked-example aquifer, range 0.3 .. 2.0, as the search gave them while it
// rounded every trial's dispersivities through their text. Every bit stays.
TEST(Rounding, BreakEvenValuesOfXStayWhereTheyWere) {
  struct Row {
    Contaminant contaminant;
    AssessmentClass cls;
    BreakEvenInput input;
    double worseAt, betterAt;  // -1: none
  } const rows[] = {
      {Pinned(100, 1, 0.01), AssessmentClass::Green, BreakEvenInput::X, 0x1.221a1b7187096p+5, -1},
      {Pinned(100, 1, 0.01), AssessmentClass::Green, BreakEvenInput::Kf, 0x1.bc46248b75f1dp+1, -1},
      {Pinned(100, 1, 0.01), AssessmentClass::Green, BreakEvenInput::Ax, 0x1.569c075d91be3p+6, -1},
      {Pinned(50, 2, 0.003), AssessmentClass::Green, BreakEvenInput::X, 0x1.20d9e75fd6dcdp+6, -1},
      {Pinned(50, 2, 0.003), AssessmentClass::Green, BreakEvenInput::Lambda, 0x1.e90ad93993879p-10, -1},
      {Pinned(1000, 0.5, 0.0004), AssessmentClass::Red, BreakEvenInput::X, -1, 0x1.b1f33333348bep+8},
      {Pinned(1000, 0.5, 0.0004), AssessmentClass::Red, BreakEvenInput::Ay, -1, 0x1.afc599fdd8692p+14},
      {Pinned(1000, 0.5, 0.0004), AssessmentClass::Red, BreakEvenInput::Sz, -1, 0x1.b8fc88fe36c6dp-6},
  };
  for (const Row& row : rows) {
    const BreakEvenTable table =
        BreakEvenValues(WorkedExampleAquifer(), row.contaminant, true, false, kAssessmentRanges[0].range);
    EXPECT_EQ(table.cls, row.cls);
    bool seen = false;
    for (const BreakEven& e : table.inputs) {
      if (e.input != row.input) continue;
      seen = true;
      EXPECT_EQ(e.worseAt.value_or(-1), row.worseAt)
          << BreakEvenInputName(row.input) << std::hexfloat << " " << e.worseAt.value_or(-1);
      EXPECT_EQ(e.betterAt.value_or(-1), row.betterAt)
          << BreakEvenInputName(row.input) << std::hexfloat << " " << e.betterAt.value_or(-1);
    }
    EXPECT_TRUE(seen) << BreakEvenInputName(row.input);
  }
}

}  // namespace
