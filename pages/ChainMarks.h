// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The mark of an attenuation-factor row whose contaminant fares worse in a
// decay chain than alone: the class in the chain before the name, and both
// classes and concentrations in the row's tooltip. The row's own verdict
// stays that of the contaminant alone.
#pragma once

#include <vector>

#include "engine/assessment.h"
#include "engine/records.h"
#include "pages/ResultListModel.h"

void MarkChainWarnings(const Project& project, AssessmentRange range,
                       std::vector<ResultListModel::Row>& rows);
