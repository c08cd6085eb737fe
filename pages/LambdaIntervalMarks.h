// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Gives the results rows whose decay constant came from the site's wells a
// badge with the classes at the ends of the fit's interval of lambda.
#pragma once

#include <vector>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "pages/ResultListModel.h"

void MarkLambdaIntervals(const Project& project, bool plume, AssessmentRange range,
                         std::vector<ResultListModel::Row>& rows);
