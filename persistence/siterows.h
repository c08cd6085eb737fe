// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the site readers hand on: the wells and samples read from tables,
// each with where it came from. Its own header, so that the long and the
// wide readers share it without including each other.
#pragma once

#include <string>
#include <vector>

#include "engine/project/sitedata.h"

// Rows read from tables, with where each came from for the messages.
struct SiteCsvRows {
  struct Origin {
    std::string source;
    int line = 0;
    // A well's row gave "inFit"; without, a well upstream of the source
    // stays out of the decay fit, where a table giving yes puts it in.
    bool inFitGiven = true;
  };
  std::vector<SiteWell> wells;
  std::vector<Origin> wellOrigins;
  std::vector<SiteSample> samples;
  std::vector<Origin> sampleOrigins;
};
