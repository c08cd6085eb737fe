// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The projects every face of a case is checked on: an example with the
// decay convention, the verdict basis, its chains, its wells and the
// spelling of its concentration unit set as a user would set them. Shared
// by the command-line and the window tests, so that both read the same
// cases.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "engine/project/transport.h"

struct CaseVariant {
  std::string example;  // a path
  bool sorbedDecays = false;
  VerdictBasis basis = VerdictBasis::Screening;
  bool chains = true;
  bool wells = true;
  std::string unit = "\xC2\xB5g/L";
  bool milligrams = false;  // C0 and CA given in mg/l

  std::string Label() const {
    return std::filesystem::path(example).stem().string() + (sorbedDecays ? " sorbed-decays" : " dissolved") +
           " basis " + std::to_string(static_cast<int>(basis)) + (chains ? " chains" : " no-chains") +
           (wells ? " wells" : " no-wells") + " unit " + unit;
  }

  // Sets what the variant names: under "dissolved and sorbed" with
  // rho_b 1.8 kg/L, foc 0.01 and Koc 100 L/kg for every contaminant.
  void ApplyTo(Project* project) const {
    ProjectExtras& extras = virelo_Extras(project);
    extras.settings.verdictBasis = basis;
    extras.settings.concentrationUnit = unit;
    if (!chains) extras.chains.clear();
    if (!wells) extras.site.samples.clear();
    if (sorbedDecays) {
      extras.transport.aquifer.bulkDensity = 1.8;
      extras.transport.aquifer.organicCarbon = 0.01;
      extras.transport.aquifer.decayOf = DecayOf::DissolvedAndSorbed;
      for (int k = 0; k < project->contaminantCount; ++k) {
        ContaminantTransport t = ContaminantTransportOf(extras.transport, project->contaminants[k].name);
        t.koc = 100.0;
        SetContaminantTransport(&extras.transport, project->contaminants[k].name, t);
      }
    }
    if (milligrams) {
      for (int k = 0; k < project->contaminantCount; ++k) {
        project->contaminants[k].c0 /= 1000.0;
        project->contaminants[k].ca /= 1000.0;
      }
    }
  }
};

// The spellings of the unit users type, each with whether C0 and CA are
// then given in milligrams.
inline std::vector<std::pair<std::string, bool>> CaseUnitSpellings() {
  return {{"\xC2\xB5g/L", false}, {"\xC2\xB5g/l", false}, {"ug/L", false},
          {"UG/L", false},        {"\xCE\xBCg/L", false}, {"mg/l", true}};
}

// Every variant of the dry cleaner (chain and wells) and the petrol station
// (wells): both conventions, the three bases, with and without the chain
// and the wells, and each spelling of the unit. `spellings` false keeps the
// unit "\u00b5g/L" alone, for faces too slow to run every spelling.
inline std::vector<CaseVariant> CaseVariants(const std::string& sourceDir, bool spellings) {
  std::vector<CaseVariant> variants;
  const std::string dryCleaner = sourceDir + "/examples/dry-cleaner.vrp";
  const std::string petrolStation = sourceDir + "/examples/petrol-station.vrp";
  std::vector<std::pair<std::string, bool>> units = CaseUnitSpellings();
  if (!spellings) units.resize(1);
  for (const std::string& example : {dryCleaner, petrolStation})
    for (bool sorbed : {false, true})
      for (int basis = 0; basis < kVerdictBasisCount; ++basis)
        for (bool chains : {true, false})
          for (bool wells : {true, false})
            for (const auto& [unit, milligrams] : units) {
              // The chain switch matters only where there is a chain.
              if (!chains && example == petrolStation) continue;
              variants.push_back(
                  {example, sorbed, static_cast<VerdictBasis>(basis), chains, wells, unit, milligrams});
            }
  return variants;
}
