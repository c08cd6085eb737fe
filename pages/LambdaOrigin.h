// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the Contaminants page shows under a user-defined decay constant and
// its source field: while the value is still the one fitted to the site's
// wells, the fit's interval.
#pragma once

#include <QString>

struct Contaminant;
struct Project;

// The lines for the contaminant's selected user lambda; empty when a preset
// is selected or nothing is recorded for it. A recorded interval whose
// lambda is no longer the one selected says so instead of giving it.
QString LambdaOriginText(const Project& project, const Contaminant& contaminant);
