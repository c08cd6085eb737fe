// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The settings a user chooses for one project beside its inputs: the unit
// its concentrations are given in, which model's receptor concentration
// decides the verdict, the assessment ranges last chosen, and where each
// decay constant comes from. They travel with the project (settings block of
// the project file, top-level keys of its JSON form) so that a reopened
// project gives the verdict and the report that were handed in.
#pragma once

#include <map>
#include <string>

#include "engine/project/records.h"

// "µg/L" in UTF-8: the unit the literature values of the database are in.
inline constexpr const char* kDefaultConcentrationUnit = "\xC2\xB5g/L";
// Longest unit kept, in characters: it is printed beside every number.
constexpr int kConcentrationUnitMaxCharacters = 24;
// Longest decay-constant source kept, in characters.
constexpr int kLambdaSourceMaxCharacters = 2000;

// Whose receptor concentration decides a row's class.
enum class VerdictBasis {
  Screening = 0,  // the screening formula (the classic verdict)
  Exact = 1,      // the exact centre-line solution
  Worse = 2,      // whichever of the two gives the worse class
};
constexpr int kVerdictBasisCount = 3;
// "screening", "exact", "worse": the keys of the JSON forms.
const char* VerdictBasisKey(VerdictBasis basis);
// The basis of a key; false for any other text.
bool VerdictBasisFromKey(const std::string& key, VerdictBasis* basis);
// "screening model", "exact solution", "worse of the two": for people.
const char* VerdictBasisText(VerdictBasis basis);

// The interval of a decay constant fitted to the site's wells, kept beside
// the user lambda it was taken as. It speaks for the contaminant only while
// that user lambda is selected and still equals `lambda`: a later hand edit
// ends the claim without anyone having to remember to drop it.
struct SiteLambdaInterval {
  double lambda = 0.0;  // [1/d], the fit's lambda as taken
  double low = 0.0;     // [1/d], the interval's ends
  double high = 0.0;
  int level = 90;  // percent
  bool operator==(const SiteLambdaInterval&) const = default;
};

struct ProjectSettings {
  std::string concentrationUnit = kDefaultConcentrationUnit;  // UTF-8, free text
  VerdictBasis verdictBasis = VerdictBasis::Screening;
  // Indexes into kAssessmentRanges (engine/project/assessment.h); 0 is what the
  // results page starts with.
  int plumeRange = 0;
  int afRange = 0;
  // Source of each contaminant's decay constant, by the contaminant's name as
  // the record holds it (Latin-1). Keyed by name, not position, so that a
  // reordered or edited list keeps each text with its substance. An empty
  // text is no entry.
  std::map<std::string, std::string> lambdaSources;  // name -> UTF-8 text
  // The site fit's interval of each decay constant taken from the wells, by
  // name as above.
  std::map<std::string, SiteLambdaInterval> lambdaIntervals;
  // The aquifer's saturated thickness b [m] the plume's mass is taken over;
  // 0 is not entered (the mass is then per metre of thickness).
  double saturatedThickness = 0.0;
};

// The source text of a contaminant name, empty when none.
std::string LambdaSourceOf(const ProjectSettings& settings, const char* name);
// Sets or (for an empty text) removes the source text of a name.
void SetLambdaSource(ProjectSettings* settings, const char* name, const std::string& text);

// Whether the project's settings are those of a project that never chose
// any: then the project file carries none of them. Only sources of
// contaminants in the list count.
bool SettingsAreDefault(const Project& project);

// Whether a saturated thickness [m] can be kept: positive and finite.
bool IsAcceptedSaturatedThickness(double value);

// A valid range index (0 .. kAssessmentRangeCount - 1).
bool IsAssessmentRangeIndex(int index);
