// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The site data's dense sample table in the settings block: what it lets in
// must be a site that a save writes and a load reads back.
#include <gtest/gtest.h>

#include <string>

#include "engine/project/extras.h"
#include "persistence/extras_json.h"

namespace {

// A date or analyte listed twice gave two indexes to one date: two values of
// one well, date and analyte came in, and the next save wrote a block its
// own load refused, so the site data were lost on the next opening.
TEST(SiteJson, DenseTableListsEachDateAndAnalyteOnce) {
  const std::string wells = R"({"name":"MW1","s":0,"y":0,"inFit":true})";
  const struct {
    std::string table;
    const char* where;
  } refused[] = {
      {R"({"dates":["2023-05-12","2023-05-12"],"analytes":["Benzene"],"rows":"0,0,0,0,0,1;0,1,0,0,0,2;"})",
       "/site/sampleTable/dates/1: listed twice"},
      {R"({"dates":["2023-05-12"],"analytes":["Benzene","Benzene"],"rows":"0,0,0,0,0,1;0,0,1,0,0,2;"})",
       "/site/sampleTable/analytes/1: listed twice"},
      {R"({"dates":["2023-05-12"],"analytes":["Benzene"],"rows":"0,0,0,0,0,1;0,0,0,0,0,2;"})",
       "/site/sampleTable/rows: row 1 is a second sample"},
  };
  for (const auto& c : refused) {
    Project* project = virelo_AllocateProject();
    std::string reason;
    EXPECT_FALSE(ExtrasFromPayload("{\"site\":{\"wells\":[" + wells + "],\"sampleTable\":" + c.table + "}}",
                                   project, &reason))
        << c.table;
    EXPECT_EQ(reason.rfind(c.where, 0), 0u) << reason;
    EXPECT_TRUE(virelo_ExtrasOf(*project).site.empty());
    virelo_FreeProject(project);
  }

  // What it accepts comes back through the payload the save writes.
  Project* project = virelo_AllocateProject();
  std::string reason;
  ASSERT_TRUE(ExtrasFromPayload(
      "{\"site\":{\"wells\":[" + wells +
          R"(],"sampleTable":{"dates":["2023-05-12","2024-01-31"],"analytes":["Benzene","ORP"],)"
          R"("rows":"0,0,0,0,0,1;0,1,0,1,1,0.5;0,1,1,2,0,-120.5;"}}})",
      project, &reason))
      << reason;
  const std::string written = ExtrasToPayload(*project);
  Project* again = virelo_AllocateProject();
  ASSERT_TRUE(ExtrasFromPayload(written, again, &reason)) << reason;
  EXPECT_EQ(virelo_ExtrasOf(*again).site, virelo_ExtrasOf(*project).site);
  EXPECT_EQ(virelo_ExtrasOf(*again).site.samples.size(), 3u);
  virelo_FreeProject(again);
  virelo_FreeProject(project);
}

}  // namespace
