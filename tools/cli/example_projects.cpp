// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "tools/cli/example_projects.h"

#include <cstring>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "persistence/database.h"
#include "persistence/projectfile.h"

namespace {

constexpr const char* kModule = "WriteExampleProjects";

Project* LoadDatabase(const char* databasePath) {
  Project* project = virelo_AllocateProject();
  if (!project) return nullptr;
  if (!virelo_LoadDatabaseFile(project, databasePath, kModule)) {
    virelo_FreeProject(project);
    return nullptr;
  }
  CopyBounded(project->version, kFormatText, sizeof project->version);
  return project;
}

void SetTexts(Project* project, const char* title, const char* description, const char* author,
              const char* organisation) {
  CopyBounded(project->title, title, sizeof project->title);
  CopyBounded(project->description, description, sizeof project->description);
  CopyBounded(project->author, author, sizeof project->author);
  CopyBounded(project->organisation, organisation, sizeof project->organisation);
}

Contaminant* Find(Project* project, const char* name) {
  for (int k = 0; k < project->contaminantCount; ++k) {
    if (std::strcmp(project->contaminants[k].name, name) == 0) return &project->contaminants[k];
  }
  ReportError(ActiveReportCallbacks(), kModule, 0, "The database has no contaminant \"%s\"!", name);
  return nullptr;
}

// lambdaUser <= 0 keeps the database's decay constant for the aquifer's
// redox condition (which may be missing: the assessment then lists it as a
// problem).
bool Assess(Project* project, const char* name, int assess, double c0, double ca, double lambdaUser) {
  Contaminant* c = Find(project, name);
  if (!c) return false;
  c->assess = assess;
  virelo_SetContaminantValue(c, kValueC0, c0);
  virelo_SetContaminantValue(c, kValueCa, ca);
  if (lambdaUser > 0.0) {
    virelo_SetLambda(c, kLambdaUser, lambdaUser);
    c->lambdaSelected = kLambdaUser;
  } else {
    c->lambdaSelected = static_cast<int16_t>(virelo_RedoxLambdaBit(project->aquifer.redoxCondition));
  }
  return true;
}

// The source as a site describes it: its width across the flow and its
// thickness below the water table. The model keeps half the width in Sy and
// the thickness in Sz.
void SetAquifer(Project* project, double x, double kf, double i, double ne, double width, double thickness) {
  Aquifer* a = &project->aquifer;
  virelo_SetAquiferValue(a, kAquiferX, x);
  virelo_SetAquiferValue(a, kAquiferKf, kf);
  virelo_SetAquiferValue(a, kAquiferI, i);
  virelo_SetAquiferValue(a, kAquiferNe, ne);
  virelo_SetAquiferValue(a, kAquiferSy, width / 2.0);
  virelo_SetAquiferValue(a, kAquiferSz, thickness);
}

void SetDispersivity(Project* project, double ax, double ay, double az) {
  virelo_SetAquiferValue(&project->aquifer, kAquiferAx, ax);
  virelo_SetAquiferValue(&project->aquifer, kAquiferAy, ay);
  virelo_SetAquiferValue(&project->aquifer, kAquiferAz, az);
}

// The measured Koc of the bundled literature table, with its source.
constexpr const char* kKocSource =
    "US EPA 1996, Soil Screening Guidance: Technical Background Document (EPA/540/R-95/128), Appendix K, "
    "Table K-1, measured Koc (geometric mean)";

void SetSorption(Project* project, double bulkDensity, double organicCarbon) {
  virelo_Extras(project).transport.aquifer = {bulkDensity, organicCarbon, DecayOf::Dissolved};
}

void SetKoc(Project* project, const char* name, double koc, SourceDecayKind decay = SourceDecayKind::Constant,
            double decayValue = 0.0) {
  TransportInputs& t = virelo_Extras(project).transport;
  ContaminantTransport c = ContaminantTransportOf(t, name);
  c.koc = koc;
  c.kocSource = kKocSource;
  c.sourceDecay = decay;
  if (decay == SourceDecayKind::Rate) c.rate = decayValue;
  if (decay == SourceDecayKind::Mass) c.mass = decayValue;
  SetContaminantTransport(&t, name, c);
}

bool Save(Project* project, const char* folder, const char* fileName) {
  const std::string path = std::string(folder) + "/" + fileName;
  const bool saved = virelo_SaveProject(project, path.c_str()) == 1;
  virelo_FreeProject(project);
  return saved;
}

// The hand calculation of the manual: one contaminant, every value chosen
// so that the results can be checked with a pocket calculator.
bool WorkedExample(const char* databasePath, const char* folder) {
  Project* project = LoadDatabase(databasePath);
  if (!project) return false;
  SetTexts(project, "Worked example",
           "The hand calculation of the user manual: x = 100 m, Kf = 1 m/d, i = 0.01, ne = 0.25,\n"
           "ax = 10 m, ay = 1 m, az = 0.1 m, a source 20 m wide (Sy = 10 m) and 5 m thick (Sz = 5 m);\n"
           "benzene with C0 = 100, CA = 1 "
           "and a user-defined decay constant of 0.01 1/d.\n"
           "Expected: plume length 18.42 m, attenuation factor about 279849.4.",
           "Virelo developers", "Virelo");
  SetAquifer(project, 100.0, 1.0, 0.01, 0.25, 20.0, 5.0);
  SetDispersivity(project, 10.0, 1.0, 0.1);
  project->aquifer.redoxCondition = 0;
  if (!Assess(project, "Benzene", kAssessPlumeLength | kAssessAttenuationFactor, 100.0, 1.0, 0.01)) {
    virelo_FreeProject(project);
    return false;
  }
  return Save(project, folder, "worked-example.vrp");
}

// A plausible site: a former fuel depot next to a dry cleaner, with a
// drinking-water well downstream.
bool SiteExample(const char* databasePath, const char* folder) {
  Project* project = LoadDatabase(databasePath);
  if (!project) return false;
  SetTexts(project, "Former fuel depot, Riverside industrial estate",
           "Fuel depot (1962-1998) and a neighbouring dry cleaner. Sandy gravel aquifer,\n"
           "groundwater sulfate-reducing below the source zone. Receptor: drinking-water\n"
           "well 250 m downstream. Concentrations in ug/L from the 2024 monitoring round;\n"
           "CA are the drinking-water limits. Dispersivities approximated from x.",
           "A. Example", "Example Environmental Consultants");
  // v = Kf i / ne = 5 * 0.004 / 0.2 = 0.1 m/d; a source 20 m wide and 4 m thick.
  SetAquifer(project, 250.0, 5.0, 0.004, 0.2, 20.0, 4.0);
  double ax = 0, ay = 0, az = 0;
  virelo_ApproximateDispersivity(250.0, &ax, &ay, &az);
  SetDispersivity(project, ax, ay, az);
  project->approximateDispersivity = 1;
  project->aquifer.redoxCondition = 4;  // ANAEROBIC-SO4
  const int both = kAssessPlumeLength | kAssessAttenuationFactor;
  const bool ok =
      // Database decay constants for sulfate-reducing conditions.
      Assess(project, "Benzene", both, 1200.0, 1.0, 0.0) &&
      Assess(project, "Toluene", both, 3000.0, 700.0, 0.0) &&
      // Site-specific decay constants from the monitoring record.
      Assess(project, "MTBE", both, 700.0, 15.0, 0.0005) &&
      Assess(project, "Naphthalene", both, 250.0, 2.0, 0.002) &&
      Assess(project, "Trichloroethene (TCE)", kAssessAttenuationFactor, 1500.0, 5.0, 0.0004) &&
      // No decay constant for this redox condition in the database and none
      // entered: the assessment lists the missing input.
      Assess(project, "Vinyl chloride", kAssessPlumeLength, 50.0, 0.5, 0.0);
  if (!ok) {
    virelo_FreeProject(project);
    return false;
  }
  return Save(project, folder, "fuel-depot.vrp");
}

// A dry cleaner's chlorinated-solvent plume with its decay chain: PCE
// attenuates well, but vinyl chloride forms all the way to the well.
bool SolventExample(const char* databasePath, const char* folder) {
  Project* project = LoadDatabase(databasePath);
  if (!project) return false;
  SetTexts(project, "Former dry cleaner, Mill Lane",
           "Dry cleaner (1958-2004) with PCE losses from the machine room. Silty sand aquifer,\n"
           "methanogenic below the source zone, where PCE is dechlorinated to TCE, cis-DCE, vinyl\n"
           "chloride and ethene. Receptor: domestic well 200 m downstream. Concentrations in ug/L\n"
           "from the 2024 monitoring round; CA are the drinking-water limits. Dispersivities\n"
           "approximated from x. Data > Decay chain shows the chain.",
           "A. Example", "Example Environmental Consultants");
  // v = Kf i / ne = 5 * 0.003 / 0.25 = 0.06 m/d; a source 30 m wide and 5 m thick.
  SetAquifer(project, 200.0, 5.0, 0.003, 0.25, 30.0, 5.0);
  double ax = 0, ay = 0, az = 0;
  virelo_ApproximateDispersivity(200.0, &ax, &ay, &az);
  SetDispersivity(project, ax, ay, az);
  project->approximateDispersivity = 1;
  project->aquifer.redoxCondition = 6;  // ANAEROBIC-CH4
  // Both assessments, so that the chain shows in the plume lengths too.
  const int both = kAssessPlumeLength | kAssessAttenuationFactor;
  // The database's decay constants for methanogenic conditions.
  const bool ok = Assess(project, "Tetrachloroethene (PCE)", both, 8000.0, 10.0, 0.0) &&
                  Assess(project, "Trichloroethene (TCE)", both, 1500.0, 10.0, 0.0) &&
                  Assess(project, "cis-1,2-Dichloroethene", both, 900.0, 50.0, 0.0) &&
                  Assess(project, "Vinyl chloride", both, 20.0, 0.5, 0.0);
  if (!ok) {
    virelo_FreeProject(project);
    return false;
  }
  DecayChain chain;
  chain.species = {"Tetrachloroethene (PCE)", "Trichloroethene (TCE)", "cis-1,2-Dichloroethene",
                   "Vinyl chloride", kChainEndProduct};
  chain.yields = DefaultChainYields(chain.species);
  virelo_Extras(project).chains.push_back(chain);
  // Silty sand with some organic carbon, and a PCE source of about 300 kg
  // that the groundwater dissolves away: ks = Kf i W H C0 / M0.
  SetSorption(project, 1.7, 0.002);
  SetKoc(project, "Tetrachloroethene (PCE)", 265.0, SourceDecayKind::Mass, 300.0);
  SetKoc(project, "Trichloroethene (TCE)", 94.3);
  return Save(project, folder, "dry-cleaner.vrp");
}

}  // namespace

// In a file of its own: the example with monitoring data.
bool PetrolStationExample(const char* databasePath, const char* folder);

const std::vector<ExampleProject>& ExampleProjects() {
  static const std::vector<ExampleProject> projects = {
      {"worked-example.vrp", "the hand calculation of the manual (plume length 18.42 m, AF about 279849.4)"},
      {"fuel-depot.vrp",
       "a former fuel depot with six contaminants: green, yellow and red results and one "
       "assessment with a missing decay constant"},
      {"petrol-station.vrp",
       "a former petrol station with six monitoring wells and eight sampling rounds of BTEX, MTBE and "
       "redox indicators, for the Site data window"},
      {"dry-cleaner.vrp",
       "a chlorinated-solvent plume with its decay chain PCE, TCE, cis-DCE, vinyl chloride and ethene"},
  };
  return projects;
}

int WriteExampleProjects(const char* databasePath, const char* folder) {
  const bool worked = WorkedExample(databasePath, folder);
  const bool site = SiteExample(databasePath, folder);
  const bool petrol = PetrolStationExample(databasePath, folder);
  const bool solvent = SolventExample(databasePath, folder);
  return worked && site && petrol && solvent ? 1 : 0;
}
