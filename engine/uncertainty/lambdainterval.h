// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// How far a verdict rests on a decay constant fitted to the site's wells:
// the class with lambda at either end of the fit's interval beside the class
// under the lambda taken. A verdict that turns Red at one end of the interval
// is no firm Green, and the reader is told so beside it.
#pragma once

#include <string>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"

// The interval that speaks for a contaminant: recorded for its name, its
// selected decay constant is the user lambda, and that still equals the
// recorded lambda. Null otherwise.
const SiteLambdaInterval* ActiveLambdaInterval(const Project& project, const Contaminant& contaminant);

// The wells' λ as recorded for the contaminant when its user λ was taken
// from them and has been changed since (the source text then no longer speaks
// for the value in use); null otherwise, also where no interval was recorded.
const SiteLambdaInterval* SupersededLambdaInterval(const Project& project, const Contaminant& contaminant);

struct LambdaIntervalClasses {
  AssessmentClass current = AssessmentClass::Problems;  // under the lambda taken
  AssessmentClass atLow = AssessmentClass::Problems;    // lambda = low
  AssessmentClass atHigh = AssessmentClass::Problems;   // lambda = high
};

// The classes of one contaminant of the project, recomputed as the
// calculation does with only the user lambda replaced (under the project's
// decay convention): the plume length (plume true) or the attenuation
// factor. The attenuation factor is classed by the screening formula, as
// the results list's class column is.
LambdaIntervalClasses ClassesOverLambdaInterval(const Project& project, const Contaminant& contaminant,
                                                const SiteLambdaInterval& interval, bool plume,
                                                AssessmentRange range);
// The same in an aquifer of its own, under the default convention (lambda
// as typed).
LambdaIntervalClasses ClassesOverLambdaInterval(const Aquifer& aquifer, const Contaminant& contaminant,
                                                const SiteLambdaInterval& interval, bool plume,
                                                AssessmentRange range);

// "Yellow; Green to Red over the 90 % interval of λ" (UTF-8): the current
// class, then the better end's class to the worse end's; "Green; Green over
// the whole 90 % interval of λ" when both ends agree.
std::string LambdaIntervalSentence(const LambdaIntervalClasses& classes, int level);

// The sentence of a contaminant with an active interval, else empty.
std::string LambdaIntervalSentenceOf(const Project& project, const Contaminant& contaminant, bool plume,
                                     AssessmentRange range);
