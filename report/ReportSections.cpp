// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The order of the report. Headings number themselves, so a section added
// here shifts the numbers of those after it, and their references with them.
#include "report/ReportSection.h"

// One line per section, so that a new one is one line here.
// clang-format off
const std::vector<ReportSection> kReportSections = {
    {"title", WriteTitleSection},
    {"evidence", WriteEvidenceSection},
    {"inputs", WriteInputsSection},
    {"results", WriteResultsSection},
    {"problems", WriteProblemsSection},
    {"plausibility", WritePlausibilitySection},
    {"exact", WriteExactSection},
    {"robustness", WriteRobustnessSection},
    {"uncertainty", WriteUncertaintySection},
    {"charts", WriteChartsSection},
    {"site", WriteSiteDataSection},
    {"flowfield", WriteFlowFieldSection},
    {"wells", WriteWellsSection},
    {"stability", WriteStabilitySection},
    {"chain", WriteChainSection},
    {"time", WriteTimeSection},
    {"methods", WriteMethodsSection},
    {"sources", WriteSourcesSection},
    {"references", WriteReferencesSection},
};
// clang-format on
