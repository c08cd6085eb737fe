// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Placeholder until the wells' evidence lands: no site data give a class.
#include "engine/wellsevidence.h"

WellsEvidence WellsEvidenceOf(const Project&, int, AssessmentRange, VerdictBasis) {
  return {};
}
