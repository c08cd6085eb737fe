// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What a project says about how its contaminants move besides the water:
// sorption to the aquifer's organic carbon, which retards a contaminant by
// R = 1 + rho_b * Koc * foc / ne, and a source that may shrink with time.
//
// Units: bulk density rho_b in kg/L, foc a fraction, Koc in L/kg (so that
// rho_b * Koc is dimensionless), the source's decay rate ks in 1/d, its
// dissolvable mass M0 in kg.
//
// Decay convention. The transport equation with sorption and first-order
// decay of the dissolved phase only is
//   R dC/dt = D d2C/dx2 - v dC/dx - lambda C;
// with decay of the sorbed phase too, the sorbed mass (R - 1) C decays as
// well and the last term becomes -lambda R C. At steady state the first
// convention is the equation without sorption (R drops out, the verdict is
// unchanged); the second is the same equation with lambda replaced by
// lambda * R. So "decay of dissolved and sorbed phase" changes the steady
// plume length (v / (lambda R) ln(C0/CA)) and the attenuation factor by
// replacing lambda with lambda * R in both; nothing else changes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/project/decayof.h"
#include "engine/project/records.h"

// "dissolved", "dissolvedAndSorbed": the keys of the JSON forms.
const char* DecayOfKey(DecayOf decayOf);
bool DecayOfFromKey(const std::string& key, DecayOf* decayOf);

// The aquifer's sorption inputs; unset until the user enters them.
struct AquiferSorption {
  std::optional<double> bulkDensity;    // rho_b [kg/L]
  std::optional<double> organicCarbon;  // foc [-]
  DecayOf decayOf = DecayOf::Dissolved;
  bool operator==(const AquiferSorption&) const = default;
};

enum class SourceDecayKind {
  Constant = 0,  // the source keeps C0 for ever (default)
  Rate = 1,      // C0 exp(-ks t) with the ks the user gives
  Mass = 2,      // ks = Q C0 / M0 from the dissolvable mass M0
};

// One contaminant's transport inputs.
struct ContaminantTransport {
  std::optional<double> koc;  // [L/kg]
  std::string kocSource;      // UTF-8, where the Koc comes from
  SourceDecayKind sourceDecay = SourceDecayKind::Constant;
  double rate = 0.0;  // ks [1/d], for Rate
  double mass = 0.0;  // M0 [kg], for Mass
  bool operator==(const ContaminantTransport&) const = default;
  bool IsDefault() const { return *this == ContaminantTransport{}; }
};

// Longest Koc source kept, in characters.
constexpr int kKocSourceMaxCharacters = 2000;

struct TransportInputs {
  AquiferSorption aquifer;
  // By the contaminant's name as the record holds it (Latin-1), as the decay
  // constants' sources are: a reordered list keeps each with its substance.
  // A default entry is no entry.
  std::map<std::string, ContaminantTransport> contaminants;
  bool operator==(const TransportInputs&) const = default;
};

// The inputs of a contaminant name; the defaults when it has none.
const ContaminantTransport& ContaminantTransportOf(const TransportInputs& inputs, const char* name);
// Sets the inputs of a name; default inputs remove its entry.
void SetContaminantTransport(TransportInputs* inputs, const char* name, const ContaminantTransport& value);
// The project's transport inputs for reading.
const TransportInputs& TransportOf(const Project& project);
// Whether the project keeps nothing of this: no aquifer input and no entry
// for a contaminant in its list.
bool TransportIsDefault(const Project& project);

// Thresholds of the plausibility warnings.
constexpr double kPlausibleBulkDensityLowest = 1.2;   // kg/L
constexpr double kPlausibleBulkDensityHighest = 2.4;  // kg/L
constexpr double kPlausibleOrganicCarbonHighest = 0.05;

// The input checks. Each returns the problem codes (texts in
// kProblemMessages) of the values given; an unset value raises none.
std::vector<ProblemCode> virelo_CheckSorption(const AquiferSorption& aquifer);
std::vector<ProblemCode> virelo_CheckContaminantTransport(const ContaminantTransport& contaminant);
// Whether one value would be accepted (the field checks of the editors).
bool IsAcceptedBulkDensity(double value);
bool IsAcceptedOrganicCarbon(double value);
bool IsAcceptedKoc(double value);
bool IsAcceptedSourceRate(double value);
bool IsAcceptedSourceMass(double value);
// The problem codes of the values above.
constexpr ProblemCode kProblemBulkDensity = 650;
constexpr ProblemCode kProblemOrganicCarbon = 660;
constexpr ProblemCode kProblemKoc = 50;
constexpr ProblemCode kProblemSourceRate = 60;
constexpr ProblemCode kProblemSourceMass = 70;

// Plausibility warnings (never problems) on accepted aquifer values: one
// sentence each, ASCII.
std::vector<std::string> virelo_SorptionWarnings(const AquiferSorption& aquifer);

// The retardation factor of one contaminant, and why it is 1 when it is.
struct Retardation {
  enum class Basis {
    Computed,    // R = 1 + rho_b Koc foc / ne
    NoKoc,       // the contaminant has no Koc: R = 1
    NoAquifer,   // rho_b or foc not entered: R = 1
    NoPorosity,  // ne not usable (not set, <= 0 or > 1, not finite): R = 1
  };
  double value = 1.0;
  Basis basis = Basis::NoKoc;
};
Retardation virelo_Retardation(const AquiferSorption& aquifer, const ContaminantTransport& contaminant,
                               const Aquifer& aquiferRecord);
Retardation virelo_RetardationOf(const Project& project, const char* name);
// "R = 1: no Koc for this contaminant" and the like: what a window says.
std::string RetardationText(const Retardation& r);

// The factor the steady calculations multiply the decay constant by: R under
// "decay of dissolved and sorbed phase" when R is a finite number, else 1.
double virelo_SteadyDecayFactor(const Project& project, const char* name);
// A copy of the contaminant whose decay constants are multiplied by that
// factor: what the steady plume length and attenuation factor compute with.
// Under the default convention the copy is the record itself, bit for bit.
Contaminant virelo_SteadyContaminant(const Project& project, const Contaminant& contaminant);
// The same for a contaminant and an aquifer that are not the project's own
// (a Monte Carlo draw, a break-even trial): R follows the ne of `aquifer`.
// Every steady computation applies the convention through this one place.
double SteadyDecayFactorWith(const TransportInputs& inputs, const Aquifer& aquifer, const char* name);
Contaminant SteadyContaminantWith(const TransportInputs& inputs, const Aquifer& aquifer,
                                  const Contaminant& contaminant);

// kg/m3 in one unit of the project's concentration unit, read as
// ReadConcentrationUnit reads it (engine/project/projectunit.h); 0 when it is not a
// mass per volume Virelo knows.
double KilogramsPerCubicMetre(const std::string& unit);

// The source's decay rate ks [1/d], or why there is none.
struct SourceDecay {
  SourceDecayKind kind = SourceDecayKind::Constant;
  double ks = 0.0;      // [1/d]; 0 for a constant source
  double flow = 0.0;    // Q = Kf i W H [m3/d], for Mass
  std::string problem;  // empty when ks is usable; else a sentence
};
// For Mass: Q = Kf * i * W * H with W = 2 Sy the source's width across the
// flow and H = Sz its thickness, Kf in m/d; C0 converted from the project's
// unit to kg/m3; ks = Q C0 / M0.
SourceDecay virelo_SourceDecay(const ContaminantTransport& transport, const Aquifer& aquifer,
                               const Contaminant& contaminant, const std::string& concentrationUnit);
SourceDecay virelo_SourceDecayOf(const Project& project, const Contaminant& contaminant);
