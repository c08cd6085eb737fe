// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The example site with monitoring data: a former petrol station with six
// wells and eight quarterly sampling rounds of BTEX, MTBE and the redox
// indicators, as the manual's worked example of the Site data window uses
// it. The concentrations follow a first-order decline along the centre line
// with a fixed scatter, so that the fitted numbers are stable and plausible.
#include <cmath>
#include <cstring>
#include <string>

#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "persistence/database.h"
#include "persistence/projectfile.h"

namespace {

// Distance along the centre line and lateral offset of each well; MW6
// stands upstream of the source and shows the background water.
struct WellDef {
  const char* name;
  double s, y;
  bool inFit;
};
constexpr WellDef kWells[] = {{"MW1", 0, 0, true},  {"MW2", 25, 1.5, true}, {"MW3", 50, -2, true},
                              {"MW4", 80, 3, true}, {"MW5", 120, -1, true}, {"MW6", -40, 0, false}};
constexpr const char* kRounds[] = {"2022-03-15", "2022-06-14", "2022-09-13", "2022-12-13",
                                   "2023-03-14", "2023-06-13", "2023-09-12", "2023-12-12"};

// Source concentration [ug/L] and slope along the line [1/m] of each
// substance; the source declines by 0.0004 1/d.
struct SubstanceDef {
  const char* name;
  double source, slope;
};
constexpr SubstanceDef kSubstances[] = {{"Benzene", 2400, -0.030},
                                        {"Toluene", 3800, -0.045},
                                        {"Ethylbenzene", 600, -0.038},
                                        {"Xylenes", 2900, -0.036},
                                        {"MTBE", 900, -0.012}};

// A fixed scatter of about +-15 %, the same at every build.
double Scatter(int well, int round, int substance) {
  return std::exp(0.15 * std::sin(1.7 * well + 2.3 * round + 0.9 * substance));
}

// Values as a laboratory reports them: three significant digits.
double Reported(double value) {
  const double scale = std::pow(10.0, std::floor(std::log10(value)) - 2.0);
  return std::round(value / scale) * scale;
}

void AddSample(SiteData* site, const char* well, const char* date, const char* analyte, double value,
               const char* unit, bool nonDetect = false) {
  site->samples.push_back({well, date, analyte, value, unit, nonDetect});
}

// Indicators [mg/L] of one well: the source zone iron-reducing, the fringe
// mixed, the far well and the background oxic.
void AddIndicators(SiteData* site, int w, const char* date) {
  struct Water {
    double oxygen, nitrateN, manganese, iron, sulfate, sulfide, methane, orp, doc, chloride;
  };
  static const Water kWater[] = {
      {0.2, 0.1, 0.8, 6.5, 18, 0.05, 0.9, -110, 14, 48},  {0.3, 0.2, 0.6, 4.1, 22, 0.08, 0.4, -80, 9, 46},
      {0.4, 0.3, 0.4, 2.2, 28, 0.10, 0.1, -40, 6, 45},    {1.6, 1.1, 0.2, 0.6, 34, 0.02, 0.02, 60, 4, 44},
      {4.8, 3.2, 0.01, 0.03, 38, 0.01, 0.01, 180, 2, 44}, {7.9, 4.0, 0.01, 0.02, 40, 0.01, 0.01, 220, 2, 43},
  };
  const Water& x = kWater[w];
  const char* well = kWells[w].name;
  AddSample(site, well, date, "Oxygen", x.oxygen, "mg/L");
  AddSample(site, well, date, "Nitrate-N", x.nitrateN, "mg/L");
  AddSample(site, well, date, "Manganese", x.manganese, "mg/L");
  AddSample(site, well, date, "Iron(II)", x.iron, "mg/L");
  AddSample(site, well, date, "Sulfate", x.sulfate, "mg/L");
  AddSample(site, well, date, "Sulfide", x.sulfide, "mg/L", x.sulfide <= 0.01);
  AddSample(site, well, date, "Methane", x.methane, "mg/L", x.methane <= 0.01);
  AddSample(site, well, date, "ORP", x.orp, "mV");
  AddSample(site, well, date, "DOC", x.doc, "mg/L");
  AddSample(site, well, date, "Chloride", x.chloride, "mg/L");
}

}  // namespace

bool PetrolStationExample(const char* databasePath, const char* folder) {
  Project* project = virelo_AllocateProject();
  if (!project) return false;
  if (!virelo_LoadDatabaseFile(project, databasePath, "WriteExampleProjects")) {
    virelo_FreeProject(project);
    return false;
  }
  CopyBounded(project->version, kFormatText, sizeof project->version);
  CopyBounded(project->title, "Former petrol station, Mill Lane", sizeof project->title);
  CopyBounded(project->description,
              "Petrol station (1971-2009), tanks removed 2010. Sand aquifer; six monitoring\n"
              "wells along the plume and upstream, sampled quarterly 2022-2023 for BTEX,\n"
              "MTBE and the redox indicators (Data > Site data). Receptor: a spring 300 m\n"
              "downstream. Concentrations in ug/L; CA are the drinking-water limits.",
              sizeof project->description);
  CopyBounded(project->author, "A. Example", sizeof project->author);
  CopyBounded(project->organisation, "Example Environmental Consultants", sizeof project->organisation);
  // v = Kf i / ne = 4 * 0.005 / 0.25 = 0.08 m/d; a source 20 m wide (Sy = 10 m), 3 m thick.
  Aquifer* a = &project->aquifer;
  const int bits[] = {kAquiferX,  kAquiferKf, kAquiferI,  kAquiferNe, kAquiferSy,
                      kAquiferSz, kAquiferAx, kAquiferAy, kAquiferAz};
  const double values[] = {300.0, 4.0, 0.005, 0.25, 10.0, 3.0, 10.0, 1.0, 0.1};
  for (int k = 0; k < 9; ++k) virelo_SetAquiferValue(a, bits[k], values[k]);
  a->redoxCondition = 0;  // to be read from the indicators

  const double ca[] = {1.0, 700.0, 300.0, 500.0, 15.0};
  for (int k = 0; k < 5; ++k) {
    for (int c = 0; c < project->contaminantCount; ++c) {
      Contaminant& x = project->contaminants[c];
      if (std::strcmp(x.name, kSubstances[k].name) != 0) continue;
      x.assess = kAssessPlumeLength | kAssessAttenuationFactor;
      virelo_SetContaminantValue(&x, kValueC0, kSubstances[k].source);
      virelo_SetContaminantValue(&x, kValueCa, ca[k]);
      x.lambdaSelected = static_cast<int16_t>(virelo_RedoxLambdaBit(a->redoxCondition));
    }
  }

  // A sand with a little organic carbon; the measured Koc of the BTEX (US
  // EPA 1996, as the bundled literature table gives them). MTBE has none
  // there and so moves with the water. The tanks are gone, the source is
  // left constant: the wells show how it behaves.
  TransportInputs& transport = virelo_Extras(project).transport;
  transport.aquifer = {1.7, 0.001, DecayOf::Dissolved};
  const double koc[] = {61.7, 140.0, 204.0, 241.0};
  for (int k = 0; k < 4; ++k) {
    ContaminantTransport t;
    t.koc = koc[k];
    t.kocSource =
        "US EPA 1996, Soil Screening Guidance: Technical Background Document (EPA/540/R-95/128), Appendix K, "
        "Table K-1, measured Koc (geometric mean)";
    SetContaminantTransport(&transport, kSubstances[k].name, t);
  }

  SiteData& site = virelo_Extras(project).site;
  for (const WellDef& w : kWells) site.wells.push_back({w.name, w.s, w.y, w.inFit});
  for (int r = 0; r < 8; ++r) {
    const double days = 91.0 * r;
    for (int w = 0; w < 6; ++w) {
      for (int k = 0; k < 5; ++k) {
        const SubstanceDef& sub = kSubstances[k];
        const double c =
            w == 5 ? 0.0 : sub.source * std::exp(sub.slope * kWells[w].s - 0.0004 * days) * Scatter(w, r, k);
        // Below 1 ug/L the laboratory reports a non-detect at its limit.
        if (c < 1.0)
          AddSample(&site, kWells[w].name, kRounds[r], sub.name, 1.0, "ug/L", true);
        else
          AddSample(&site, kWells[w].name, kRounds[r], sub.name, Reported(c), "ug/L");
      }
      if (r >= 6) AddIndicators(&site, w, kRounds[r]);
    }
  }
  const std::string path = std::string(folder) + "/petrol-station.vrp";
  const bool saved = virelo_SaveProject(project, path.c_str()) == 1;
  virelo_FreeProject(project);
  return saved;
}
