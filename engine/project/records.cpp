// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Records: group and redox tables, value operations, creation and release.
#include "engine/project/records.h"

#include <cmath>
#include <cstdlib>

#include "diagnostics/report.h"
#include "engine/project/extras.h"

const ContaminantGroup kContaminantGroups[] = {
    {0, "BTEX"},
    {1, "Chlorobenzenes"},
    {2, "Chlorinated Aliphatics"},
    {3, "Hydrocarbons"},
    {4, "PAH"},
    {5, "Pesticides"},
    {6, "Compounds"},
    {7, "Other"},
    {-1, "__end__"},
};

const RedoxCondition kRedoxConditions[kRedoxConditionCount] = {
    {0, "UNKOWN / VARIABLE", kLambdaUnknown}, {1, "AEROBIC", kLambdaAerobic},
    {2, "ANAEROBIC-NO3", kLambdaNitrate},     {3, "ANAEROBIC-FE", kLambdaIron},
    {4, "ANAEROBIC-SO4", kLambdaSulfate},     {5, "ANAEROBIC-MIXED-PLUMES", kLambdaMixedPlumes},
    {6, "ANAEROBIC-CH4", kLambdaMethane},
};

const char* virelo_GroupName(int code) {
  for (const ContaminantGroup* group = kContaminantGroups; group->code != -1; ++group) {
    if (group->code == code) return group->name;
  }
  return nullptr;
}

uint16_t virelo_RedoxLambdaBit(int redoxCondition) {
  if (redoxCondition < 0 || redoxCondition >= kRedoxConditionCount) return 0;
  return kRedoxConditions[redoxCondition].lambdaBit;
}

const char* virelo_RedoxText(int redoxCondition) {
  if (redoxCondition < 0 || redoxCondition >= kRedoxConditionCount) return nullptr;
  return kRedoxConditions[redoxCondition].text;
}

void virelo_SetAquiferValue(Aquifer* aquifer, int bit, double value) {
  if (!aquifer) return;
  double* field = nullptr;
  switch (bit) {
    case kAquiferX: field = &aquifer->distanceX; break;
    case kAquiferKf: field = &aquifer->conductivityKf; break;
    case kAquiferNe: field = &aquifer->porosityNe; break;
    case kAquiferI: field = &aquifer->gradientI; break;
    case kAquiferAx: field = &aquifer->dispersivityAx; break;
    case kAquiferAy: field = &aquifer->dispersivityAy; break;
    case kAquiferAz: field = &aquifer->dispersivityAz; break;
    case kAquiferSz: field = &aquifer->sourceWidthSz; break;
    case kAquiferSy: field = &aquifer->sourceThicknessSy; break;
    default: return;
  }
  *field = value;
  aquifer->setMask = static_cast<uint16_t>(aquifer->setMask | bit);
}

double* virelo_LambdaField(Contaminant* contaminant, int bit) {
  if (!contaminant) return nullptr;
  switch (bit) {
    case kLambdaUser: return &contaminant->lambdaUser;
    case kLambdaUnknown: return &contaminant->lambdaUnknown;
    case kLambdaAerobic: return &contaminant->lambdaAerobic;
    case kLambdaNitrate: return &contaminant->lambdaNitrate;
    case kLambdaSulfate: return &contaminant->lambdaSulfate;
    case kLambdaIron: return &contaminant->lambdaIron;
    case kLambdaMethane: return &contaminant->lambdaMethane;
    case kLambdaMixedPlumes: return &contaminant->lambdaMixedPlumes;
    default: return nullptr;
  }
}

int virelo_GetLambda(const Contaminant* contaminant, double* value) {
  // The selected constant counts whether or not its mask bit is set: the
  // check of the inputs, not this getter, decides whether it is usable.
  const double* field =
      contaminant ? virelo_LambdaField(const_cast<Contaminant*>(contaminant), contaminant->lambdaSelected)
                  : nullptr;
  if (value) *value = field ? *field : 0.0;
  return field ? 1 : 0;
}

void virelo_SetLambda(Contaminant* contaminant, int bit, double value) {
  double* field = virelo_LambdaField(contaminant, bit);
  if (!field) return;
  *field = value;
  contaminant->lambdaMask = static_cast<uint16_t>(contaminant->lambdaMask | bit);
}

void virelo_ClearLambda(Contaminant* contaminant, int bit) {
  double* field = virelo_LambdaField(contaminant, bit);
  if (!field) return;
  *field = 0.0;
  contaminant->lambdaMask = static_cast<uint16_t>(contaminant->lambdaMask & ~bit);
}

namespace {

// The entry count is a 16-bit field: truncate toward zero and hold the result
// inside that range, so that a huge or non-numeric input cannot wrap around.
int16_t ToEntryCount(double value) {
  if (std::isnan(value)) return 0;
  const double truncated = std::trunc(value);
  if (truncated > INT16_MAX) return INT16_MAX;
  if (truncated < INT16_MIN) return INT16_MIN;
  return static_cast<int16_t>(truncated);
}

}  // namespace

void virelo_SetContaminantValue(Contaminant* contaminant, int bit, double value) {
  if (!contaminant) return;
  switch (bit) {
    case kValueLiteraturePlumeLength: contaminant->literaturePlumeLength = value; break;
    case kValueLiteratureEntries: contaminant->literatureEntries = ToEntryCount(value); break;
    case kValueC0: contaminant->c0 = value; break;
    case kValueCa: contaminant->ca = value; break;
    default: return;
  }
  contaminant->valueMask = static_cast<uint16_t>(contaminant->valueMask | bit);
}

void virelo_ClearContaminantValue(Contaminant* contaminant, int bit) {
  if (!contaminant) return;
  switch (bit) {
    case kValueLiteraturePlumeLength: contaminant->literaturePlumeLength = 0.0; break;
    case kValueLiteratureEntries: contaminant->literatureEntries = 0; break;
    case kValueC0: contaminant->c0 = 0.0; break;
    case kValueCa: contaminant->ca = 0.0; break;
    default: return;
  }
  contaminant->valueMask = static_cast<uint16_t>(contaminant->valueMask & ~bit);
}

int virelo_ApproximateDispersivity(double x, double* ax, double* ay, double* az) {
  const double longitudinal = 0.1 * x;
  const double transverse = 0.1 * longitudinal;
  const double vertical = 0.1 * transverse;
  if (ax) *ax = longitudinal;
  if (ay) *ay = transverse;
  if (az) *az = vertical;
  return 1;
}

Contaminant* virelo_AllocateContaminants(long count) {
  // An empty list still gets a block of its own, so that null always means
  // failure to the caller.
  Contaminant* block = nullptr;
  if (count >= 0) {
    block = static_cast<Contaminant*>(
        std::calloc(count > 0 ? static_cast<size_t>(count) : 1, sizeof(Contaminant)));
  }
  if (!block) {
    ReportError(ActiveReportCallbacks(), "virelo_AllocateContaminants", 0,
                "Memory allocation for contaminants failed");
  }
  return block;
}

Project* virelo_AllocateProject() {
  auto* project = static_cast<Project*>(std::calloc(1, sizeof(Project)));
  if (!project) {
    ReportError(ActiveReportCallbacks(), "virelo_AllocateProject", 0,
                "Memory allocation for project-settings failed");
  }
  return project;
}

void virelo_FreeResults(Project* project) {
  if (!project || !project->results) return;
  for (int16_t i = 0; i < project->resultCount; ++i) {
    ContaminantResult& result = project->results[i];
    std::free(result.plContaminantProblems);
    std::free(result.afContaminantProblems);
    std::free(result.plAquiferProblems);
    std::free(result.afAquiferProblems);
  }
  std::free(project->results);
  project->results = nullptr;
  project->resultCount = 0;
}

void virelo_FreeProject(Project* project) {
  if (!project) return;
  std::free(project->contaminants);
  project->contaminants = nullptr;
  if (project->file) {
    std::fclose(project->file);
    project->file = nullptr;
  }
  virelo_FreeResults(project);
  virelo_FreeExtras(project);
  std::free(project);
}
