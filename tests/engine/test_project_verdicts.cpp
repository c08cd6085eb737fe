// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project's verdicts as the pages, the report and the commands take
// them: one row per assessment asked for, in result order, with the site's
// wells on the side of the models where the project has samples.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"

namespace {

struct Calculated {
  Project* project;
  explicit Calculated(const char* example)
      : project(virelo_LoadProject((std::string(VIRELO_SOURCE_DIR) + "/examples/" + example).c_str(), "rb")) {
    if (!project) return;
    virelo_math_CalcAll(project);
    virelo_math_CalcExactAll(project, 1);
  }
  ~Calculated() { virelo_FreeProject(project); }
  Calculated(const Calculated&) = delete;
  Calculated& operator=(const Calculated&) = delete;
  int Index(const char* name) const {
    for (int k = 0; k < project->contaminantCount; ++k)
      if (std::strcmp(project->contaminants[k].name, name) == 0) return k;
    return -1;
  }
};

// MTBE at the petrol station is Green by both models, but its wells, fitted
// and carried to the receptor, put it above CA: Yellow, and the wells are
// the reason. Without samples the same row keeps the models' Green.
TEST(ProjectVerdicts, EveryAssessmentInResultOrderWithTheWellsOnTheirSide) {
  Calculated petrol("petrol-station.vrp");
  ASSERT_NE(petrol.project, nullptr);
  const int mtbe = petrol.Index("MTBE");
  ASSERT_GE(mtbe, 0);
  const VerdictOptions options = VerdictOptionsOf(*petrol.project);
  const std::vector<RowVerdict> rows = ProjectVerdicts(*petrol.project, options);

  // One row per assessment asked for, plume length before attenuation
  // factor, in the results' order.
  std::vector<std::pair<int, bool>> want;
  for (int k = 0; k < petrol.project->resultCount; ++k) {
    const int index = petrol.project->results[k].contaminantIndex;
    const int32_t assess = petrol.project->contaminants[index].assess;
    if (assess & kAssessPlumeLength) want.emplace_back(index, true);
    if (assess & kAssessAttenuationFactor) want.emplace_back(index, false);
  }
  ASSERT_EQ(rows.size(), want.size());
  ASSERT_GE(rows.size(), 10u);
  for (size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k].contaminantIndex, want[k].first) << k;
    EXPECT_EQ(rows[k].plumeLength, want[k].second) << k;
  }

  const RowVerdict* af = nullptr;
  for (const RowVerdict& row : rows)
    if (row.contaminantIndex == mtbe && !row.plumeLength) af = &row;
  ASSERT_NE(af, nullptr);
  EXPECT_EQ(af->models.screeningClass, AssessmentClass::Green);
  EXPECT_EQ(af->models.cls, AssessmentClass::Green);
  ASSERT_TRUE(af->wells.hasClass);
  EXPECT_EQ(af->wells.cls, AssessmentClass::Yellow);
  EXPECT_EQ(af->verdict, AssessmentClass::Yellow);
  EXPECT_EQ(af->reasons, static_cast<unsigned>(kReasonWells));
  const ContaminantResult* result = nullptr;
  for (int k = 0; k < petrol.project->resultCount; ++k)
    if (petrol.project->results[k].contaminantIndex == mtbe) result = &petrol.project->results[k];
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(VerdictOfResult(*petrol.project, *result, false, options).verdict, AssessmentClass::Yellow);

  virelo_Extras(petrol.project).site.samples.clear();
  const std::vector<RowVerdict> without = ProjectVerdicts(*petrol.project, options);
  ASSERT_EQ(without.size(), rows.size());
  for (const RowVerdict& row : without) {
    EXPECT_FALSE(row.wells.hasClass);
    EXPECT_EQ(row.reasons & kReasonWells, 0u);
    if (row.contaminantIndex == mtbe && !row.plumeLength) EXPECT_EQ(row.verdict, AssessmentClass::Green);
  }
}

// A result that names no contaminant of the list (a list shortened under
// it) gives no verdict and no wells, and is read no further.
TEST(ProjectVerdicts, AResultOfNoContaminantHasNoVerdict) {
  Calculated petrol("petrol-station.vrp");
  ASSERT_NE(petrol.project, nullptr);
  ASSERT_GT(petrol.project->resultCount, 0);
  const VerdictOptions options = VerdictOptionsOf(*petrol.project);
  ContaminantResult stray = petrol.project->results[0];
  for (int index : {-1, static_cast<int>(petrol.project->contaminantCount), 32767}) {
    stray.contaminantIndex = index;
    for (bool plumeLength : {true, false}) {
      const RowVerdict v = VerdictOfResult(*petrol.project, stray, plumeLength, options);
      EXPECT_EQ(v.verdict, AssessmentClass::Problems) << index;
      EXPECT_FALSE(v.wells.hasFit) << index;
    }
    const WellsEvidence wells = WellsEvidenceOf(*petrol.project, index, options.afRange, options.basis);
    EXPECT_FALSE(wells.hasFit) << index;
    EXPECT_FALSE(wells.hasClass) << index;
  }
  const size_t all = ProjectVerdicts(*petrol.project, options).size();
  petrol.project->results[0].contaminantIndex = petrol.project->contaminantCount;
  EXPECT_EQ(ProjectVerdicts(*petrol.project, options).size(), all - 2);  // its two rows are left out
}

}  // namespace
