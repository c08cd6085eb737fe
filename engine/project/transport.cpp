// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Retardation, the steady decay convention, the source's decay rate and the
// checks of the transport inputs.
#include "engine/project/transport.h"

#include <cmath>
#include <cstdio>

#include "diagnostics/text.h"
#include "engine/project/extras.h"
#include "engine/project/projectunit.h"
#include "engine/project/settings.h"

const char* DecayOfKey(DecayOf decayOf) {
  return decayOf == DecayOf::DissolvedAndSorbed ? "dissolvedAndSorbed" : "dissolved";
}

bool DecayOfFromKey(const std::string& key, DecayOf* decayOf) {
  if (key == "dissolved") {
    *decayOf = DecayOf::Dissolved;
  } else if (key == "dissolvedAndSorbed") {
    *decayOf = DecayOf::DissolvedAndSorbed;
  } else {
    return false;
  }
  return true;
}

const ContaminantTransport& ContaminantTransportOf(const TransportInputs& inputs, const char* name) {
  static const ContaminantTransport defaults;
  const auto found = inputs.contaminants.find(name ? name : "");
  return found == inputs.contaminants.end() ? defaults : found->second;
}

void SetContaminantTransport(TransportInputs* inputs, const char* name, const ContaminantTransport& value) {
  if (!inputs || !name) return;
  if (value.IsDefault()) {
    inputs->contaminants.erase(name);
  } else {
    inputs->contaminants[name] = value;
  }
}

const TransportInputs& TransportOf(const Project& project) {
  return virelo_ExtrasOf(project).transport;
}

bool TransportIsDefault(const Project& project) {
  const TransportInputs& t = TransportOf(project);
  if (!(t.aquifer == AquiferSorption{})) return false;
  for (int k = 0; k < project.contaminantCount; ++k)
    if (!ContaminantTransportOf(t, project.contaminants[k].name).IsDefault()) return false;
  return true;
}

bool IsAcceptedBulkDensity(double value) {
  return std::isfinite(value) && value > 0.0;
}
bool IsAcceptedOrganicCarbon(double value) {
  return std::isfinite(value) && value >= 0.0 && value < 1.0;
}
bool IsAcceptedKoc(double value) {
  return std::isfinite(value) && value >= 0.0;
}
bool IsAcceptedSourceRate(double value) {
  return std::isfinite(value) && value >= 0.0;
}
bool IsAcceptedSourceMass(double value) {
  return std::isfinite(value) && value > 0.0;
}

std::vector<ProblemCode> virelo_CheckSorption(const AquiferSorption& a) {
  std::vector<ProblemCode> codes;
  if (a.bulkDensity && !IsAcceptedBulkDensity(*a.bulkDensity)) codes.push_back(kProblemBulkDensity);
  if (a.organicCarbon && !IsAcceptedOrganicCarbon(*a.organicCarbon)) codes.push_back(kProblemOrganicCarbon);
  return codes;
}

std::vector<ProblemCode> virelo_CheckContaminantTransport(const ContaminantTransport& c) {
  std::vector<ProblemCode> codes;
  if (c.koc && !IsAcceptedKoc(*c.koc)) codes.push_back(kProblemKoc);
  if (c.sourceDecay == SourceDecayKind::Rate && !IsAcceptedSourceRate(c.rate))
    codes.push_back(kProblemSourceRate);
  if (c.sourceDecay == SourceDecayKind::Mass && !IsAcceptedSourceMass(c.mass))
    codes.push_back(kProblemSourceMass);
  return codes;
}

namespace {
std::string Number(double value) {
  char text[32];
  FormatCNumber(text, sizeof text, "%g", value);
  return text;
}
}  // namespace

std::vector<std::string> virelo_SorptionWarnings(const AquiferSorption& a) {
  std::vector<std::string> warnings;
  if (a.bulkDensity && IsAcceptedBulkDensity(*a.bulkDensity) &&
      (*a.bulkDensity < kPlausibleBulkDensityLowest || *a.bulkDensity > kPlausibleBulkDensityHighest))
    warnings.push_back("rho_b = " + Number(*a.bulkDensity) +
                       " kg/L lies outside 1.2 to 2.4 kg/L, the bulk densities of aquifer sediments: "
                       "entered in g/cm3 or t/m3 it is the same number; in kg/m3 divide by 1000.");
  if (a.organicCarbon && IsAcceptedOrganicCarbon(*a.organicCarbon) &&
      *a.organicCarbon > kPlausibleOrganicCarbonHighest)
    warnings.push_back("foc = " + Number(*a.organicCarbon) +
                       " is above 0.05, more organic carbon than aquifer sands and gravels hold: "
                       "a percentage typed as a fraction? 0.1 % is foc = 0.001.");
  return warnings;
}

Retardation virelo_Retardation(const AquiferSorption& aquifer, const ContaminantTransport& contaminant,
                               const Aquifer& record) {
  Retardation r;
  if (!contaminant.koc || !IsAcceptedKoc(*contaminant.koc)) return r;
  if (!aquifer.bulkDensity || !aquifer.organicCarbon || !IsAcceptedBulkDensity(*aquifer.bulkDensity) ||
      !IsAcceptedOrganicCarbon(*aquifer.organicCarbon)) {
    r.basis = Retardation::Basis::NoAquifer;
    return r;
  }
  const double ne = record.porosityNe;
  if (!(record.setMask & kAquiferNe) || !std::isfinite(ne) || !(ne > 0.0) || ne > 1.0) {
    r.basis = Retardation::Basis::NoPorosity;
    return r;
  }
  r.basis = Retardation::Basis::Computed;
  r.value = 1.0 + *aquifer.bulkDensity * *contaminant.koc * *aquifer.organicCarbon / ne;
  return r;
}

Retardation virelo_RetardationOf(const Project& project, const char* name) {
  const TransportInputs& t = TransportOf(project);
  return virelo_Retardation(t.aquifer, ContaminantTransportOf(t, name), project.aquifer);
}

std::string RetardationText(const Retardation& r) {
  switch (r.basis) {
    case Retardation::Basis::Computed: return "R = 1 + rho_b Koc foc / ne = " + Number(r.value);
    case Retardation::Basis::NoKoc: return "R = 1: no Koc for this contaminant";
    case Retardation::Basis::NoAquifer: return "R = 1: bulk density or foc not entered for the aquifer";
    case Retardation::Basis::NoPorosity: return "R = 1: no usable effective porosity ne";
  }
  return "";
}

double SteadyDecayFactorWith(const TransportInputs& t, const Aquifer& aquifer, const char* name) {
  if (t.aquifer.decayOf != DecayOf::DissolvedAndSorbed) return 1.0;
  const Retardation r = virelo_Retardation(t.aquifer, ContaminantTransportOf(t, name), aquifer);
  // An R that overflowed is left to the input checks: lambda * inf would
  // read as "nothing arrives", which is the one answer never to give by
  // accident.
  return std::isfinite(r.value) ? r.value : 1.0;
}

Contaminant SteadyContaminantWith(const TransportInputs& t, const Aquifer& aquifer,
                                  const Contaminant& contaminant) {
  Contaminant steady = contaminant;
  const double factor = SteadyDecayFactorWith(t, aquifer, contaminant.name);
  if (factor == 1.0) return steady;
  for (double* lambda :
       {&steady.lambdaUnknown, &steady.lambdaAerobic, &steady.lambdaNitrate, &steady.lambdaSulfate,
        &steady.lambdaIron, &steady.lambdaMethane, &steady.lambdaMixedPlumes, &steady.lambdaUser})
    *lambda *= factor;
  return steady;
}

double virelo_SteadyDecayFactor(const Project& project, const char* name) {
  return SteadyDecayFactorWith(TransportOf(project), project.aquifer, name);
}

Contaminant virelo_SteadyContaminant(const Project& project, const Contaminant& contaminant) {
  return SteadyContaminantWith(TransportOf(project), project.aquifer, contaminant);
}

double KilogramsPerCubicMetre(const std::string& unitText) {
  return ReadConcentrationUnit(unitText).kgPerCubicMetre;
}

SourceDecay virelo_SourceDecay(const ContaminantTransport& transport, const Aquifer& a, const Contaminant& c,
                               const std::string& unit) {
  SourceDecay d;
  d.kind = transport.sourceDecay;
  switch (transport.sourceDecay) {
    case SourceDecayKind::Constant: return d;
    case SourceDecayKind::Rate:
      if (!IsAcceptedSourceRate(transport.rate)) {
        d.problem = "The source's decay rate ks must be a finite number of at least 0 1/d.";
      } else {
        d.ks = transport.rate;
      }
      return d;
    case SourceDecayKind::Mass: break;
  }
  if (!IsAcceptedSourceMass(transport.mass)) {
    d.problem = "The source's mass M0 must be a finite number above 0 kg.";
    return d;
  }
  const uint16_t needed = kAquiferKf | kAquiferI | kAquiferSy | kAquiferSz;
  const double kf = a.conductivityKf, i = a.gradientI, width = 2.0 * a.sourceThicknessSy,
               thickness = a.sourceWidthSz;
  if ((a.setMask & needed) != needed || !(kf > 0.0) || !(i > 0.0) || !(width > 0.0) || !(thickness > 0.0) ||
      !std::isfinite(kf * i * width * thickness)) {
    d.problem =
        "The flow through the source needs Kf, i, the source width and its thickness on the Aquifer page.";
    return d;
  }
  const double perUnit = KilogramsPerCubicMetre(unit);
  if (perUnit == 0.0) {
    d.problem = "The project's concentration unit \"" + unit +
                "\" is not one Virelo converts to kg/m3 (ug/L, mg/L, ng/L, g/L, g/m3, mg/m3, kg/m3): "
                "no source decay from the mass.";
    return d;
  }
  if (!(c.valueMask & kValueC0) || !std::isfinite(c.c0) || !(c.c0 > 0.0)) {
    d.problem = "The source decay from the mass needs C0.";
    return d;
  }
  // Kf in m/d: Q in m3/d; C0 in kg/m3; so Q C0 is the mass the water carries
  // away per day and ks = Q C0 / M0 in 1/d.
  d.flow = kf * i * width * thickness;
  d.ks = d.flow * (c.c0 * perUnit) / transport.mass;
  if (!std::isfinite(d.ks)) {
    d.problem = "The source decay rate from the mass is beyond the range of numbers.";
    d.ks = 0.0;
  }
  return d;
}

SourceDecay virelo_SourceDecayOf(const Project& project, const Contaminant& contaminant) {
  return virelo_SourceDecay(ContaminantTransportOf(TransportOf(project), contaminant.name), project.aquifer,
                            contaminant, virelo_SettingsOf(project).concentrationUnit);
}
