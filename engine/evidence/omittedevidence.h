// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The evidence a project's verdicts leave out, gathered for the faces that
// list problems: the Results page, the problems dialog, the report and
// virelo-cli assess. One entry per reason of kWellsOmissions that applies,
// naming the contaminants whose wells were not compared, and one for the
// decay chains left out, naming their species. The verdicts stand as they
// are; the list says what they could not take in.
#pragma once

#include <string>
#include <vector>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"

// A decay chain whose species' checks fail (a species missing from the
// project, one without CA, ...) gives none of its species a chain class: they
// are judged as if it were not there, which may be better than the site
// allows.
constexpr unsigned kChainNotUsed = 0x100;
constexpr ProblemCode kProblemChainNotUsed = 830;

struct OmittedEvidence {
  unsigned reason = 0;  // one WellsOmission bit, or kChainNotUsed
  ProblemCode code = 0;
  std::vector<std::string> contaminants;  // record names (Latin-1), in project order
};

// Every contaminant marked for assessment whose site data hold samples of
// it, with its wells' evidence under the range and basis; entries in the
// order of kWellsOmissions, then the chains left out; none for a reason that
// does not apply. The project need not be calculated.
std::vector<OmittedEvidence> OmittedEvidenceOf(const Project& project, AssessmentRange afRange,
                                               VerdictBasis basis);

// The wells' entries alone.
std::vector<OmittedEvidence> OmittedWellsOf(const Project& project, AssessmentRange afRange,
                                            VerdictBasis basis);

// "Wells not compared: MTBE, Benzene." or "Judged without their decay
// chain: Vinyl chloride." (Latin-1, as the names are).
std::string OmittedContaminantsText(const OmittedEvidence& omitted);
