// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The CSV reader and writer moved to persistence/, where the desktop program
// reads the bundled literature table with it as well.
#pragma once

#include "persistence/csv.h"
