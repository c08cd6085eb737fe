// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The words of the Uncertainty window: what each input and distribution is,
// what a distribution's parameters mean, and how shares and ratios show.
#pragma once

#include <QString>

#include "engine/uncertainty/montecarlo.h"

// What each input is, with its unit, in the words of the pages.
QString UncertainInputText(UncertainInput input);
// "fixed", "uniform", "log-uniform", ...
QString DistributionKindText(DistributionKind kind);
// What the parameters of a kind are: "min, mode, max".
QString DistributionMeaning(DistributionKind kind);
// "plume length", "attenuation factor", "AF, exact solution", ...
QString UncertaintyAssessmentText(const UncertaintyRow& row);
// A probability with three decimals.
QString UncertaintyShare(double p);
// A ratio with three significant digits, as the results page writes values.
QString UncertaintyValue(double v);
