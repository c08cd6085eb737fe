// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the site's own wells say of a contaminant's verdict: the distance
// fit of the Site data window (default date, 90 %, its rules) extrapolated
// to the receptor, C(x) = exp(a + m x), classed against CA under the
// attenuation-factor range; and the model against the wells, the screening
// and exact concentrations at each well with a detected value on the fit's
// date beside what was measured there. A species of a decay chain is held
// against its chain's concentrations there, the model its verdict rests on.
//
// The fit's slope is the concentration-versus-distance rate of the rate
// constant guidance (Newell et al. 2002, EPA/540/S-02/500); extrapolated, it
// is the site's own estimate of the receptor's concentration.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"

// The distance fit's confidence level used by the verdict, as the Site data
// window shows it first.
constexpr int kWellsLevelPercent = 90;

// A model beneath measured values by more than this factor is marked.
constexpr double kUnderpredictionFactor = 2.0;

// One well with a detected value of the contaminant on the fit's date.
struct WellComparison {
  std::string well;
  double s = 0.0, y = 0.0;  // [m]
  bool inFit = true;
  double measured = 0.0;                // in the project's concentration unit
  double screening = 0.0, exact = 0.0;  // the models at (s, y), same unit; NaN where not defined
  // measured / model under the basis (the worse of both: the larger model value)
  double factor = std::numeric_limits<double>::quiet_NaN();
  bool underpredicted = false;  // in the fit and factor > kUnderpredictionFactor
};

// Why the wells' evidence of a contaminant is left out of its verdict. A
// verdict without it may be better than the site allows, so every face that
// shows a verdict names the reason beside it, with the problem code of
// kWellsOmissions (texts in kProblemMessages). The rows keep their class:
// this is evidence left out, not an input the models lack.
enum WellsOmission : unsigned {
  kWellsUnit = 1,         // the project's unit does not relate to the samples' units
  kWellsTooFew = 2,       // fewer than three detected values at different distances
  kWellsFitWarnings = 4,  // the distance fit has (other) warnings
};
struct WellsOmissionEntry {
  unsigned bit;
  ProblemCode code;
  const char* words;  // "unit", as in "wells not compared (unit)"
};
inline constexpr WellsOmissionEntry kWellsOmissions[] = {
    {kWellsUnit, 800, "unit"},
    {kWellsTooFew, 810, "too few wells"},
    {kWellsFitWarnings, 820, "fit warnings"},
};
// "wells not compared (unit, fit warnings)"; empty for none.
std::string WellsOmissionWords(unsigned omitted);

struct WellsEvidence {
  bool hasFit = false;                // the site data hold a distance fit of the contaminant
  bool hasClass = false;              // ... without warnings, in a known unit: the wells give a class
  unsigned omitted = 0;               // WellsOmission bits: why a fit gives no class
  std::vector<std::string> warnings;  // the fit's warnings (why there is no class)
  std::string date;
  int levelPercent = kWellsLevelPercent;
  double slope = 0.0, slopeLow = 0.0, slopeHigh = 0.0;  // [1/m]
  // C(x) at the receptor in the project's unit, and at the slope
  // interval's ends (pivoting about the fit's centroid).
  double concentration = std::numeric_limits<double>::quiet_NaN();
  double concentrationLow = std::numeric_limits<double>::quiet_NaN();
  double concentrationHigh = std::numeric_limits<double>::quiet_NaN();
  AssessmentClass cls = AssessmentClass::Problems;
  AssessmentClass clsAtLow = AssessmentClass::Problems;   // slope at its lower end
  AssessmentClass clsAtHigh = AssessmentClass::Problems;  // slope at its upper end
  std::vector<WellComparison> wells;
  bool underpredicts = false;  // any well underpredicted
  // The chain whose concentrations at the wells the comparison holds (into
  // the project's chain list), as the verdict judges a chain species: of its
  // chains, the one highest at the receptor under the basis. -1: the
  // contaminant's own single-species model.
  int chainIndex = -1;
};

// The wells' evidence of one contaminant of the project (by index). Empty
// (hasFit false) where the project holds no site data of it.
WellsEvidence WellsEvidenceOf(const Project& project, int contaminantIndex, AssessmentRange afRange,
                              VerdictBasis basis);
