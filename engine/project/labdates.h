// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Dates as laboratories print them, read into the YYYY-MM-DD the project
// stores. A time of day is dropped: the fits and trends count in days.
#pragma once

#include <string>
#include <string_view>

// How a slashed date (05/04/2024) is to be read. Labs write both orders, so
// without the user's word such a date is refused rather than guessed.
enum class SlashedDates { kRefused, kDayMonth, kMonthDay };

enum class LabDateResult { kRead, kNotADate, kAmbiguous };

// Reads YYYY-MM-DD with or without a time of day (T or a blank, then
// hh:mm[:ss[.fff]] and an optional Z or offset), DD.MM.YYYY, DD-MM-YYYY
// (each also with a time after a blank) and, by `slashed`, DD/MM/YYYY or
// MM/DD/YYYY. Day and month may have one digit outside ISO dates.
LabDateResult ReadLabDate(std::string_view text, SlashedDates slashed, std::string* iso);
