// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Classification of results against assessment ranges, and the display format
// of result values. Shared by the results page and virelo-cli.
#pragma once

#include <string>

#include "engine/project/records.h"

struct AssessmentRange {
  double lower;
  double upper;
};

constexpr int kAssessmentRangeCount = 4;
struct AssessmentRangeEntry {
  const char* text;  // "0,3  < ... < 2,0", shown as it stands
  AssessmentRange range;
};
extern const AssessmentRangeEntry kAssessmentRanges[kAssessmentRangeCount];
// The range of entry `index`; an index outside the table (a damaged or
// foreign settings block) gets the first entry, the program's default.
AssessmentRange AssessmentRangeOf(int index);

enum class AssessmentClass { Problems = 0, Red = 1, Yellow = 2, Green = 3 };
const char* AssessmentClassName(AssessmentClass c);  // "Problems", "Red", ...

// Plume length: Green if ratio <= lower, Yellow if <= upper, else Red (NaN, +inf Red).
AssessmentClass ClassifyPlumeLength(double plumeLengthRatio, AssessmentRange range);
// Attenuation factor: Green if ratio <= lower or infinite (nothing arrives),
// Yellow if <= upper, else Red; an undefined (NaN) ratio is Red.
AssessmentClass ClassifyAttenuationFactor(double sourceRatio, AssessmentRange range);

// Problem state of one assessment of a result.
bool HasPlumeLengthProblems(const ContaminantResult& r);
bool HasAttenuationFactorProblems(const ContaminantResult& r);

// "infinite!" for NaN/inf; fixedFormat when 1e-7 < |v| < 1e7; else exponentFormat.
// Cut at 99 characters.
std::string FormatResultValue(double v, const char* fixedFormat, const char* exponentFormat);
