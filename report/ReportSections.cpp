// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The order of the report. Headings number themselves, so a section added
// here shifts the numbers of those after it, and their references with them.
#include "report/ReportSection.h"

const std::vector<ReportSection> kReportSections = {
    {"title", WriteTitleSection},     {"inputs", WriteInputsSection},
    {"results", WriteResultsSection}, {"problems", WriteProblemsSection},
    {"exact", WriteExactSection},     {"robustness", WriteRobustnessSection},
    {"uncertainty", WriteUncertaintySection},
    {"charts", WriteChartsSection},   {"methods", WriteMethodsSection},
    {"sources", WriteSourcesSection},
};
