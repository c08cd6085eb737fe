// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The remedial target of an attenuation-factor row: the source concentration
// that just meets CA at the receptor by whatever gives the row its verdict.
// The results page, `assess`, the Time table and the report all take it from
// here, so that a row the wells or a chain make Red never shows a target the
// models alone would give.
#pragma once

#include <limits>

#include "engine/evidence/evidence.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"

enum class TargetOrigin {
  None,    // no target (a plume-length row, or no verdict)
  Models,  // CA * AF under the verdict basis
  Chain,   // C0 * CA / C_chain(x): the chain's sources scaled alike
  Wells,   // C0 * CA / C_wells(x): the wells' line scaled to meet CA
};

struct VerdictTarget {
  double value = std::numeric_limits<double>::quiet_NaN();
  TargetOrigin origin = TargetOrigin::None;
  int chainIndex = -1;  // the chain of a target from a chain
};

// The target of one row. Where the wells' class is worse than the models'
// (chains included), it is the wells'; else where a chain's class is worse
// than the class under the basis, or the contaminant has no single-species
// model, the chain's (the one the verdict cites); where both give the same
// class, the stricter of the two; else the models' (TargetConcentration).
// `contaminant` is the one the result was computed from.
VerdictTarget TargetOfVerdict(const Contaminant& contaminant, const ContaminantResult& result,
                              const RowVerdict& verdict, VerdictBasis basis);

// "from the models", "from the chain", "from the wells"; empty for None.
const char* TargetOriginWords(TargetOrigin origin);
