// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plain records every part of Virelo works on, and the small operations
// that set or clear one value by its bit.
//
// The in-memory layout is free; the file layouts are written field by field
// by persistence/. Texts are zero-terminated single-byte (Latin-1) strings in
// fixed buffers whose size includes the terminator.
#pragma once

#include <cstdint>
#include <cstdio>

// Full path length of the platform. In-memory paths are never written to a
// file, so they get the whole length instead of a stored text's capacity.
constexpr int kPathCapacity = 4096;

constexpr int kTitleCapacity = 255;
constexpr int kDescriptionCapacity = 1024;
constexpr int kAuthorCapacity = 255;
constexpr int kOrganisationCapacity = 255;
constexpr int kVersionCapacity = 20;
constexpr int kNameCapacity = 100;
constexpr int kGroupNameCapacity = 50;

constexpr const char* kFormatText = "VIRELO 1.0";  // exactly 10 characters, no terminator in files
constexpr int kFormatTextLength = 10;

// Aquifer set bits (also the codes passed to virelo_SetAquiferValue).
enum AquiferBit : uint16_t {
  kAquiferX = 1,
  kAquiferKf = 2,
  kAquiferNe = 4,
  kAquiferI = 8,
  kAquiferAx = 32,
  kAquiferAy = 64,
  kAquiferAz = 128,
  kAquiferSz = 256,
  kAquiferSy = 512,
};

// Decay-constant bits of Contaminant::lambdaMask / lambdaSelected.
enum LambdaBit : uint16_t {
  kLambdaUser = 1,
  kLambdaUnknown = 2,
  kLambdaAerobic = 4,
  kLambdaNitrate = 8,
  kLambdaSulfate = 16,
  kLambdaIron = 32,
  kLambdaMethane = 64,
  kLambdaMixedPlumes = 128,
};

// Value bits of Contaminant::valueMask.
enum ValueBit : uint16_t {
  kValueLiteraturePlumeLength = 2,
  kValueLiteratureEntries = 4,
  kValueC0 = 8,
  kValueCa = 16,
};

// Bits of Contaminant::assess.
enum AssessBit : int32_t {
  kAssessPlumeLength = 1,
  kAssessAttenuationFactor = 2,
};

struct Aquifer {
  double distanceX;
  double conductivityKf;
  double porosityNe;
  double gradientI;
  double dispersivityAx;
  double dispersivityAy;
  double dispersivityAz;
  double sourceWidthSz;
  double sourceThicknessSy;
  uint16_t setMask;
  int16_t redoxCondition;
};

struct Contaminant {
  int32_t group;
  char name[kNameCapacity];
  double lambdaUnknown;
  double lambdaAerobic;
  double lambdaNitrate;
  double lambdaSulfate;
  double lambdaIron;
  double lambdaMethane;
  double lambdaMixedPlumes;
  double lambdaUser;
  uint16_t lambdaMask;
  int16_t lambdaSelected;
  double literaturePlumeLength;
  int16_t literatureEntries;
  double ca;
  double c0;
  uint16_t valueMask;
  int32_t assess;
};

using ProblemCode = int16_t;

struct ContaminantResult {
  int16_t contaminantIndex;
  double plumeLength;
  double plumeLengthRatio;
  double relativeConcentration;
  double attenuationFactor;
  double receptorConcentration;
  double acceptableSourceConcentration;
  double sourceRatio;
  ProblemCode* plContaminantProblems;
  int16_t plContaminantProblemCount;
  ProblemCode* afContaminantProblems;
  int16_t afContaminantProblemCount;
  ProblemCode* plAquiferProblems;
  int16_t plAquiferProblemCount;
  ProblemCode* afAquiferProblems;
  int16_t afAquiferProblemCount;
  // The exact centre-line solution beside the screening values above, filled
  // in by virelo_math_CalcExactAll (engine/core/exact.h) after the calculation;
  // 0 and unset until then. Never written to a file.
  int16_t exactComputed;
  double exactRelativeConcentration;
  double exactAttenuationFactor;
  double exactSourceRatio;
};

struct ProjectExtras;  // engine/project/extras.h

struct Project {
  FILE* file;  // open only during one load or save
  char title[kTitleCapacity];
  char description[kDescriptionCapacity];
  char author[kAuthorCapacity];
  char organisation[kOrganisationCapacity];
  char version[kVersionCapacity];
  char path[kPathCapacity];
  Contaminant* contaminants;  // owned, malloc'ed
  int16_t contaminantCount;
  Aquifer aquifer;
  ContaminantResult* results;  // owned, malloc'ed, or null
  int16_t resultCount;
  int16_t approximateDispersivity;
  int16_t modified;
  // Settings and later capabilities' data beyond the fields above; owned,
  // null meaning every one at its default (engine/project/extras.h).
  ProjectExtras* extras;
};

// ContaminantGroup table: codes 0..7, ended by {-1, "__end__"}.
struct ContaminantGroup {
  int16_t code;
  char name[kGroupNameCapacity];
};
extern const ContaminantGroup kContaminantGroups[];
// Name of a group code, or null when the table has no such code.
const char* virelo_GroupName(int code);

// RedoxCondition: index 0..6 -> text, lambda bit, field.
struct RedoxCondition {
  int16_t index;
  const char* text;  // "UNKOWN / VARIABLE", ...
  uint16_t lambdaBit;
};
constexpr int kRedoxConditionCount = 7;
extern const RedoxCondition kRedoxConditions[kRedoxConditionCount];
// Lambda bit of a redox index, or 0 outside 0..6.
uint16_t virelo_RedoxLambdaBit(int redoxCondition);
// Text of a redox index, or null outside 0..6.
const char* virelo_RedoxText(int redoxCondition);

// Value operations. A bit not listed leaves the record unchanged.
void virelo_SetAquiferValue(Aquifer* aquifer, int bit, double value);
// Returns 1 and the decay constant selected by lambdaSelected, else 0 and 0.0.
int virelo_GetLambda(const Contaminant* contaminant, double* value);
void virelo_SetLambda(Contaminant* contaminant, int bit, double value);
void virelo_ClearLambda(Contaminant* contaminant, int bit);
// Pointer to the decay-constant field of a lambda bit, or null.
double* virelo_LambdaField(Contaminant* contaminant, int bit);
void virelo_SetContaminantValue(Contaminant* contaminant, int bit, double value);
void virelo_ClearContaminantValue(Contaminant* contaminant, int bit);
int virelo_ApproximateDispersivity(double x, double* ax, double* ay, double* az);

// Creation and release. Arrays and projects are malloc'ed zero-filled.
// virelo_AllocateContaminants(0) returns a valid block with room for one
// record (release it with free()); null always means failure (count < 0 or
// no memory), reported under "virelo_AllocateContaminants".
Contaminant* virelo_AllocateContaminants(long count);
Project* virelo_AllocateProject();
void virelo_FreeResults(Project* project);
void virelo_FreeProject(Project* project);
