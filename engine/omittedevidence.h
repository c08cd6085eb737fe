// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The evidence a project's verdicts leave out, gathered for the faces that
// list problems: the Results page, the problems dialog, the report and
// virelo-cli assess. One entry per reason of kWellsOmissions that applies,
// naming the contaminants whose wells were not compared. The verdicts stand
// as they are; the list says what they could not take in.
#pragma once

#include <string>
#include <vector>

#include "engine/assessment.h"
#include "engine/records.h"
#include "engine/settings.h"

struct OmittedEvidence {
  unsigned reason = 0;  // one WellsOmission bit
  ProblemCode code = 0;
  std::vector<std::string> contaminants;  // record names (Latin-1), in project order
};

// Every contaminant marked for assessment whose site data hold samples of
// it, with its wells' evidence under the range and basis; entries in the
// order of kWellsOmissions, none for a reason that does not apply. The
// project need not be calculated.
std::vector<OmittedEvidence> OmittedEvidenceOf(const Project& project, AssessmentRange afRange,
                                               VerdictBasis basis);

// "Wells not compared: MTBE, Benzene." (Latin-1, as the names are).
std::string OmittedContaminantsText(const OmittedEvidence& omitted);
