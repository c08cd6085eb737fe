// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A decay chain the verdicts cannot use is named wherever the verdicts are
// shown: left out silently, it would turn vinyl chloride on the dry cleaner
// from Red to Green with nothing said.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "engine/evidence/omittedevidence.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"

namespace fs = std::filesystem;

namespace {

const std::string kDryCleaner = std::string(VIRELO_SOURCE_DIR) + "/examples/dry-cleaner.vrp";

int IndexOf(const Project& project, const char* prefix) {
  for (int k = 0; k < project.contaminantCount; ++k)
    if (std::strncmp(project.contaminants[k].name, prefix, std::strlen(prefix)) == 0) return k;
  return -1;
}

TEST(ChainOmission, AChainWithProblemsIsNamedWithItsSpecies) {
  Project* project = virelo_LoadProject(kDryCleaner.c_str(), "rb");
  ASSERT_NE(project, nullptr);
  const AssessmentRange range = kAssessmentRanges[0].range;
  // The example's chain is used: nothing is left out.
  EXPECT_TRUE(OmittedEvidenceOf(*project, range, VerdictBasis::Screening).empty());

  // cis-DCE without CA: the chain's species checks fail.
  const int dce = IndexOf(*project, "cis-1,2");
  ASSERT_GE(dce, 0);
  project->contaminants[dce].valueMask &= ~kValueCa;
  const std::vector<OmittedEvidence> omitted = OmittedEvidenceOf(*project, range, VerdictBasis::Screening);
  ASSERT_EQ(omitted.size(), 1u);
  EXPECT_EQ(omitted[0].code, kProblemChainNotUsed);
  EXPECT_EQ(OmittedContaminantsText(omitted[0]),
            "Judged without their decay chain: Tetrachloroethene (PCE), Trichloroethene (TCE), "
            "cis-1,2-Dichloroethene, Vinyl chloride.");

  // assess says so on standard error and keeps exit status 0.
  const fs::path path =
      fs::temp_directory_path() / ("virelo-chain-omission-" + std::to_string(::getpid()) + ".vrp");
  ASSERT_EQ(virelo_SaveProject(project, path.string().c_str()), 1);
  const CliResult run = Cli({"assess", path.string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("problem 830: A decay chain of the project has problems (Data > Decay chain names "
                         "them): its species were judged without it! Judged without their decay chain: "
                         "Tetrachloroethene (PCE), Trichloroethene (TCE), cis-1,2-Dichloroethene, Vinyl "
                         "chloride.\n"),
            std::string::npos)
      << run.err;
  fs::remove(path);

  // A contaminant assessed by neither side is not named.
  const int vc = IndexOf(*project, "Vinyl");
  ASSERT_GE(vc, 0);
  project->contaminants[vc].assess = 0;
  EXPECT_EQ(OmittedContaminantsText(OmittedEvidenceOf(*project, range, VerdictBasis::Screening).at(0)),
            "Judged without their decay chain: Tetrachloroethene (PCE), Trichloroethene (TCE), "
            "cis-1,2-Dichloroethene.");
  virelo_FreeProject(project);
}

}  // namespace
