// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The attenuation-factor verdict in concentrations: what each model predicts
// at the receptor, the source concentration that would just meet the
// acceptable concentration there, and the class under the project's verdict
// basis (engine/project/settings.h).
//
// The screening formula can predict less than the exact solution, so a
// project may ask for the exact solution's verdict, or the worse of the two.
// An undefined value never passes for attenuation: it is classed Red.
#pragma once

#include <string>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"

struct ReceptorConcentrations {
  double screening;  // C0 · C/C0 of the screening formula
  double exact;      // C0 · C/C0 of the exact solution; NaN without one
  bool hasExact;     // the exact solution was computed for this result
};

// The receptor concentrations of an attenuation-factor result.
ReceptorConcentrations ReceptorConcentrationsOf(const Contaminant& contaminant,
                                                const ContaminantResult& result);

// Remedial target: the source concentration C = CA · AF that just meets CA at
// the receptor, under the basis. For the worse of the two it is the lower
// (stricter) of both models' targets. NaN where the basis needs the exact
// solution and there is none.
double TargetConcentration(const Contaminant& contaminant, const ContaminantResult& result,
                           VerdictBasis basis);

// The class of the attenuation factor under the basis: the screening class,
// the exact class, or the worse of the two. Problems when the result has
// problems or the basis needs an exact value that was not computed.
AssessmentClass VerdictClass(const ContaminantResult& result, AssessmentRange range, VerdictBasis basis);

// Whether the two models fall on opposite sides of CA: one receptor
// concentration above CA and the other at or below it, whatever the classes
// say. False without an exact value, with problems, or with an undefined
// concentration.
bool StraddlesAcceptable(const Contaminant& contaminant, const ContaminantResult& result);

// A concentration as the results page and the report show it: four
// significant digits, in fixed notation from 0.001 to below 1e6 (19.74,
// 0.01001, 353884), else with an exponent (1.303E+19); "0" for zero and
// "infinite!" for what is not a number. Always with a decimal point.
std::string FormatConcentration(double value);
