// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Traffic-light classification of results and the display format of values.
#include "engine/project/assessment.h"

#include <cmath>

#include "diagnostics/text.h"

const AssessmentRangeEntry kAssessmentRanges[kAssessmentRangeCount] = {
    {"0,3  < ... < 2,0", {0.3, 2.0}},
    {"0,5  < ... < 2,0", {0.5, 2.0}},
    {"0,1  < ... < 10,0", {0.1, 10.0}},
    {"0,2  < ... < 5,0", {0.2, 5.0}},
};

AssessmentRange AssessmentRangeOf(int index) {
  return index >= 0 && index < kAssessmentRangeCount ? kAssessmentRanges[index].range
                                                     : kAssessmentRanges[0].range;
}

const char* AssessmentClassName(AssessmentClass c) {
  switch (c) {
    case AssessmentClass::Problems: return "Problems";
    case AssessmentClass::Red: return "Red";
    case AssessmentClass::Yellow: return "Yellow";
    case AssessmentClass::Green: return "Green";
  }
  return "Problems";
}

AssessmentClass ClassifyPlumeLength(double plumeLengthRatio, AssessmentRange range) {
  // Comparisons with NaN are false, so an undefined ratio lands on Red.
  if (plumeLengthRatio <= range.lower) return AssessmentClass::Green;
  if (plumeLengthRatio <= range.upper) return AssessmentClass::Yellow;
  return AssessmentClass::Red;
}

AssessmentClass ClassifyAttenuationFactor(double sourceRatio, AssessmentRange range) {
  // An infinite ratio comes from an acceptable source concentration of zero:
  // nothing of the source reaches the receptor. An undefined ratio is no
  // evidence of attenuation and lands on Red.
  if (std::isnan(sourceRatio)) return AssessmentClass::Red;
  if (sourceRatio <= range.lower || std::isinf(sourceRatio)) return AssessmentClass::Green;
  if (sourceRatio <= range.upper) return AssessmentClass::Yellow;
  return AssessmentClass::Red;
}

bool HasPlumeLengthProblems(const ContaminantResult& r) {
  return r.plAquiferProblemCount != 0 || r.plContaminantProblemCount != 0;
}

bool HasAttenuationFactorProblems(const ContaminantResult& r) {
  return r.afAquiferProblemCount != 0 || r.afContaminantProblemCount != 0;
}

std::string FormatResultValue(double v, const char* fixedFormat, const char* exponentFormat) {
  if (!std::isfinite(v)) return "infinite!";
  const double magnitude = std::fabs(v);
  const char* format = (magnitude > 1e-7 && magnitude < 1e7) ? fixedFormat : exponentFormat;
  char buffer[100] = "";
  // Results are shown with a decimal point whatever locale the desktop runs
  // in: the toolkit adopts the user's locale at start-up, which would
  // otherwise turn 123.46 into 123,46 on a German desktop.
  if (format) FormatCNumber(buffer, sizeof buffer, format, v);
  return buffer;
}
