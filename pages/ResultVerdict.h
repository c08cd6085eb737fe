// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The verdict in concentrations on an attenuation-factor row of the results
// page: what each model predicts at the receptor, the remedial target, the
// class under the project's verdict basis and the "straddles CA" mark.
#pragma once

#include <QString>

#include "engine/project/assessment.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "pages/ResultListModel.h"

// What is known without the exact solution, when the rows are made: the
// screening receptor concentration and, under the screening basis, the
// target.
void FillScreeningConcentrations(const Contaminant& contaminant, const ContaminantResult& result,
                                 VerdictBasis basis, ResultListModel::Row* row);

// The rest, once the row's exact solution is there: the exact receptor
// concentration, the target and, unless the row's verdict is known already,
// the class under the basis with its reason, and the straddle mark with its
// tooltip (concentrations in `unit`).
void FillVerdict(const Contaminant& contaminant, const ContaminantResult& result, AssessmentRange range,
                 VerdictBasis basis, const QString& unit, ResultListModel::Row* row);

// The entries of the verdict-basis selector, in VerdictBasis order.
QString VerdictBasisEntry(VerdictBasis basis);
