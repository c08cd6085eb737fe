// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Mann-Kendall trends at the wells, for the site data section. The
// contaminants measured at the same wells share one table, which names
// them, so that a site with many analytes does not repeat the wells' list
// for every one.
#pragma once

#include <QString>
#include <vector>

#include "engine/site/sitefit.h"

class ReportContext;
struct SiteData;

// The Mann-Kendall class in the report's language; "" for none.
QString TrendClassWords(TrendClass trend);

void WriteSiteTrends(ReportContext& report, const SiteData& site, const std::vector<ContaminantSeries>& all);
