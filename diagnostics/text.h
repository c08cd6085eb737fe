// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The text rules that every layer shares: blanks trimmed from a cell or a
// name, numbers written so that they read back as the same double, and
// numbers read and written with a decimal point whatever locale the desktop
// has set. Each rule lives here once, so that a table, a project file and a
// message never disagree about it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Without leading and trailing spaces and tabs. Line ends stay: inside a
// quoted CSV field they are part of the text.
std::string TrimBlanks(std::string_view text);

// "%.17g" whatever the locale: the double read back is the same one.
std::string RoundTripNumber(double value);

// strtod with a decimal point whatever the locale: the longest prefix of
// text that reads as a number (0.0 when there is none); end as strtod's.
double ParseCNumber(const char* text, char** end = nullptr);

// snprintf of one double with a decimal point whatever the locale. Returns
// what snprintf returns.
int FormatCNumber(char* buffer, size_t size, const char* format, double value);
