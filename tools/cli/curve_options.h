// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The options of the commands that print a curve (profile, chain,
// breakthrough): how many points, and how far it runs.
#pragma once

#include <string>

#include "tools/cli/cli_common.h"

// Enough for any chart or script, few enough that a mistyped count cannot
// exhaust the memory.
inline constexpr long kDefaultCurvePoints = 200;
inline constexpr long kMaxCurvePoints = 1000000;

// The whole text must be the number: "12x" or "" is refused.
bool ParseWholeNumber(const std::string& text, long* value);
bool ParseWholeNumber(const std::string& text, double* value);

// --points, 200 when not given. False, with the message, for anything but
// a whole number from 1 to kMaxCurvePoints.
bool CurvePointsOption(const CliArguments& parsed, long* points, std::string* error);

// An option that takes a number above 0 (`what` names it: "a distance in
// metres"). `given` says whether it stood there; false, with the message,
// when it stood with anything but a finite number above 0.
bool PositiveOption(const CliArguments& parsed, const std::string& name, const std::string& what,
                    double* value, bool* given, std::string* error);
