// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The verdict of the results rows whose contaminant stands in a decay chain
// or has samples in the site data: the worst of the class under the verdict
// basis, the chain class and the wells' class, with a badge for each piece
// of evidence and a sentence saying what made the verdict worse. The rows of
// every other contaminant keep the class under the basis and cost nothing
// here, so that a project without chains or site data refreshes as quickly
// as before.
#pragma once

#include <QString>
#include <vector>

#include "engine/case/projectcase.h"
#include "engine/evidence/evidence.h"
#include "engine/project/records.h"
#include "pages/ResultListModel.h"

// `rows` are the rows of one list (plume true: the plume-length list) of the
// calculated project. Attenuation-factor rows under a basis that needs the
// exact solution get it first, into the project's result.
void MarkVerdicts(Project& project, ProjectCase& evaluated, bool plume, const QString& unit,
                  std::vector<ResultListModel::Row>& rows);

// "Verdict: Red. Alone, the screening model gives Green; the decay chain
// makes it worse." Empty where nothing made the verdict worse.
QString VerdictSentence(AssessmentClass verdict, AssessmentClass screeningClass, unsigned reasons, bool plume,
                        VerdictBasis basis);
