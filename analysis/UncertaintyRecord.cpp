// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/UncertaintyRecord.h"

#include <bit>
#include <cstring>

namespace {

bool SameBits(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

bool SameRange(AssessmentRange a, AssessmentRange b) {
  return a.lower == b.lower && a.upper == b.upper;
}

// A field added to a record must be compared below: these sizes (the
// fields with their padding on the 64-bit targets built for) fail the
// build until the comparison and they are brought up to date.
static_assert(sizeof(Aquifer) == 80, "compare every field of Aquifer in SameAquifer");
static_assert(sizeof(Contaminant) == 216, "compare every field of Contaminant in SameContaminant");

}  // namespace

bool SameAquifer(const Aquifer& a, const Aquifer& b) {
  return SameBits(a.distanceX, b.distanceX) && SameBits(a.conductivityKf, b.conductivityKf) &&
         SameBits(a.porosityNe, b.porosityNe) && SameBits(a.gradientI, b.gradientI) &&
         SameBits(a.dispersivityAx, b.dispersivityAx) && SameBits(a.dispersivityAy, b.dispersivityAy) &&
         SameBits(a.dispersivityAz, b.dispersivityAz) && SameBits(a.sourceWidthSz, b.sourceWidthSz) &&
         SameBits(a.sourceThicknessSy, b.sourceThicknessSy) && a.setMask == b.setMask &&
         a.redoxCondition == b.redoxCondition;
}

bool SameContaminant(const Contaminant& a, const Contaminant& b) {
  // The name up to its terminator: what follows it is no part of the name.
  return a.group == b.group && std::strncmp(a.name, b.name, kNameCapacity) == 0 &&
         SameBits(a.lambdaUnknown, b.lambdaUnknown) && SameBits(a.lambdaAerobic, b.lambdaAerobic) &&
         SameBits(a.lambdaNitrate, b.lambdaNitrate) && SameBits(a.lambdaSulfate, b.lambdaSulfate) &&
         SameBits(a.lambdaIron, b.lambdaIron) && SameBits(a.lambdaMethane, b.lambdaMethane) &&
         SameBits(a.lambdaMixedPlumes, b.lambdaMixedPlumes) && SameBits(a.lambdaUser, b.lambdaUser) &&
         a.lambdaMask == b.lambdaMask && a.lambdaSelected == b.lambdaSelected &&
         SameBits(a.literaturePlumeLength, b.literaturePlumeLength) &&
         a.literatureEntries == b.literatureEntries && SameBits(a.ca, b.ca) && SameBits(a.c0, b.c0) &&
         a.valueMask == b.valueMask && a.assess == b.assess;
}

UncertaintyRecord UncertaintyRecord::Of(const Project& project, const UncertaintyPlan& plan,
                                        const UncertaintyOptions& options) {
  UncertaintyRecord record;
  record.aquifer = project.aquifer;
  record.approximateDispersivity = project.approximateDispersivity;
  if (project.contaminants)
    record.contaminants.assign(project.contaminants,
                               project.contaminants + std::max<int>(project.contaminantCount, 0));
  record.chains = virelo_ExtrasOf(project).chains;
  record.transport = TransportOf(project);
  record.plan = plan;
  record.plumeLengthRange = options.plumeLengthRange;
  record.attenuationRange = options.attenuationRange;
  record.verdictBasis = options.verdictBasis;
  return record;
}

bool UncertaintyRecord::Matches(const Project& project, const UncertaintyPlan& now,
                                const UncertaintyOptions& options) const {
  if (!(now == plan) || project.approximateDispersivity != approximateDispersivity ||
      !(virelo_ExtrasOf(project).chains == chains) || !(TransportOf(project) == transport) ||
      !SameAquifer(project.aquifer, aquifer))
    return false;
  if (std::max<int>(project.contaminantCount, 0) != static_cast<int>(contaminants.size())) return false;
  if (!contaminants.empty() && !project.contaminants) return false;
  for (size_t k = 0; k < contaminants.size(); ++k)
    if (!SameContaminant(project.contaminants[k], contaminants[k])) return false;
  return SameRange(options.plumeLengthRange, plumeLengthRange) &&
         SameRange(options.attenuationRange, attenuationRange) && options.verdictBasis == verdictBasis;
}

bool UncertaintyRecord::Holds(const Project& project, const UncertaintyOptions& options) const {
  return run && Matches(project, virelo_ExtrasOf(project).uncertainty, options);
}

QString UncertaintyRecord::Probabilities(int contaminantIndex, bool plumeLength) const {
  if (!run) return {};
  const UncertaintyRow* found = nullptr;
  for (const UncertaintyRow& row : run->rows) {
    if (row.contaminantIndex != contaminantIndex || row.plumeLength != plumeLength) continue;
    // The attenuation factor's verdict basis row comes after its screening row.
    found = &row;
  }
  if (!found || found->HasProblems()) return {};
  const auto share = [](double p) { return QString::number(p, 'f', 3); };
  return QStringLiteral("G %1 \u00b7 Y %2 \u00b7 R %3")
      .arg(share(found->pGreen), share(found->pYellow), share(found->pRed));
}

UncertaintySnapshot::UncertaintySnapshot(const Project& from, const UncertaintyPlan& plan,
                                         const UncertaintyOptions& runOptions)
    : record(UncertaintyRecord::Of(from, plan, runOptions)), options(runOptions), project(from) {
  project.file = nullptr;
  project.contaminants = record.contaminants.data();
  project.results = nullptr;
  project.resultCount = 0;
  extras.chains = record.chains;
  extras.transport = record.transport;
  project.extras = &extras;
}
