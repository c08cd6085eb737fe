// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// examples/petrol-station.vrp changed so that its wells are left out of the
// verdicts for one reason of kWellsOmissions, for the tests that follow
// each reason to every face that shows a verdict. A reason without a case
// here makes those tests fail, so that a new reason cannot go unsaid.
#pragma once

#include <string>

#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"

// The contaminants of the petrol station with samples in its site data, all
// marked for both assessments.
inline const char* const kPetrolStationSampled[] = {"Benzene", "Toluene", "Ethylbenzene", "Xylenes", "MTBE"};

// The unit Virelo cannot relate to the samples' units: a molar one.
inline const std::string kMicromolesPerLitre = "\xC2\xB5mol/L";

// Changes the petrol station for `reason`; false for a reason it does not
// know.
inline bool LeaveWellsOut(Project* petrol, unsigned reason) {
  switch (reason) {
    case kWellsUnit: virelo_Extras(petrol).settings.concentrationUnit = kMicromolesPerLitre; return true;
    case kWellsTooFew:
      // Two wells in the fit, the source's and the farthest: a line through
      // two distances is no fit.
      for (SiteWell& well : virelo_Extras(petrol).site.wells)
        well.inFit = well.name == "MW1" || well.name == "MW5";
      return true;
    case kWellsFitWarnings:
      // A receptor at 100 m puts MW5 (120 m) beyond it, whichever other
      // wells are in the fit.
      virelo_SetAquiferValue(&petrol->aquifer, kAquiferX, 100.0);
      return true;
  }
  return false;
}
