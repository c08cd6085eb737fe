// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Break-even values: for one assessment of one contaminant and each input
// that enters its ratio, the input value at which the class would change
// while every other input stays as it is.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "engine/project/transport.h"

// The inputs, in the order in which they are listed. The plume length uses
// x, Kf, i, ne, lambda, C0, CA; the attenuation factor uses all twelve.
enum class BreakEvenInput { X, Kf, I, Ne, Lambda, Ax, Ay, Az, Sy, Sz, C0, CA };
// "x", "Kf", "i", "ne", "lambda", "ax", "ay", "az", "Sy", "Sz", "C0", "CA".
const char* BreakEvenInputName(BreakEvenInput input);

struct BreakEven {
  BreakEvenInput input;
  double value;  // the current value
  // The value at which the ratio reaches the bound to the next worse class
  // (Green -> Yellow at the lower bound, Yellow -> Red at the upper bound);
  // empty for Red, and where the bound cannot be reached by a value that the
  // input checks accept. At the value itself the class still holds.
  std::optional<double> worseAt;
  // The value at which the ratio reaches the bound to the next better class
  // (Red -> Yellow at the upper bound, Yellow -> Green at the lower bound);
  // empty for Green and where it cannot be reached by an accepted value. At
  // the value itself the better class holds.
  std::optional<double> betterAt;
};

struct BreakEvenTable {
  bool plumeLength = true;                          // else the attenuation factor
  AssessmentClass cls = AssessmentClass::Problems;  // classified as the results page does
  std::vector<BreakEven> inputs;                    // empty when cls is Problems
};

// How the values are found. Closed forms where there are some (the plume
// length), else bracketing on a log scale and refining to a relative 1e-12.
// Search uses the bracketing for every input; it exists to cross-check the
// closed forms.
enum class BreakEvenMethod { Best, Search };

// The break-even values of one assessment of contaminant in aquifer, against
// range. With approximateByX, varying x moves ax, ay and az with it
// (virelo_DispersivitiesFromX) as "Approximate by x" does. Inputs with problems give a
// table with class Problems and no inputs. Safe to call from several threads
// at once.
//
// With `transport`, the ratio of every trial is computed under its decay
// convention (engine/project/transport.h): under "decay of dissolved and sorbed
// phase" with lambda * R, R taken anew from each trial's ne. The values are
// still those of the inputs as typed: the break-even lambda is the lambda
// whose lambda * R reaches the bound.
BreakEvenTable BreakEvenValues(const Aquifer& aquifer, const Contaminant& contaminant, bool approximateByX,
                               bool plumeLength, AssessmentRange range,
                               BreakEvenMethod method = BreakEvenMethod::Best,
                               const TransportInputs* transport = nullptr);

// The same for one result of a project: its contaminant, the project's
// aquifer, approximation and decay convention. Class Problems and no inputs when the result
// has problems in that assessment, is not assessed that way or refers to no
// contaminant.
BreakEvenTable ResultBreakEvenValues(const Project& project, const ContaminantResult& result,
                                     bool plumeLength, AssessmentRange range);

// An input whose break-even value lies within this factor of its current
// value makes the verdict fragile.
constexpr double kFragileFactor = 2.0;

// The break-even value as a factor of the current value (worseAt / value);
// empty when there is no break-even value or the current value is 0.
std::optional<double> WorseFactor(const BreakEven& entry);
std::optional<double> BetterFactor(const BreakEven& entry);
// How far the nearer of the two break-even values is, as a factor of at
// least 1 (a factor 0.5 counts as 2); infinite when neither has a factor.
double NearestFactor(const BreakEven& entry);
bool IsFragile(const BreakEven& entry);       // NearestFactor <= kFragileFactor
bool IsFragile(const BreakEvenTable& table);  // any input fragile

// A factor with two significant digits, without an exponent inside
// 1e-7 .. 1e7 ("0.31", "4.2", "61", "1234"), else "3.1e-08"; "infinite!" for
// one that is not finite. The callers put the multiplication sign before it.
std::string FormatFactor(double factor);
// The Results page's margin (a NearestFactor, at least 1) with three
// significant digits ("1.05", "12.3", "250"), so that a verdict 5 % from its
// boundary does not read as one on it; same rules as FormatFactor otherwise.
std::string FormatMarginFactor(double factor);
