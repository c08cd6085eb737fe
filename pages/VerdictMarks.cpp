// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/VerdictMarks.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <cstring>
#include <string>
#include <unordered_set>

#include "engine/chains/chaincalc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/core/verdict.h"
#include "engine/evidence/verdicttarget.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "engine/project/transport.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"

namespace {

// The tooltips' sentences are the windows' own, in their language; the
// engine's words in them (class names, the fit's warnings) go through
// EngineText.
struct VerdictMarks {
  Q_DECLARE_TR_FUNCTIONS(VerdictMarks)
};

QString className(AssessmentClass c) {
  return EngineTerm(AssessmentClassName(c));
}

QString concentration(double v, const QString& unit) {
  return QStringLiteral("%1 %2").arg(QString::fromStdString(FormatConcentration(v)), unit);
}

QString metres(double v) {
  return QString::fromStdString(FormatResultValue(v, "%.2f", "%.2E")) + QStringLiteral(" m");
}

// "by the screening model", as the basis reads a concentration.
QString byBasis(VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return VerdictMarks::tr("by the screening model");
    case VerdictBasis::Exact: return VerdictMarks::tr("by the exact solution");
    case VerdictBasis::Worse: return VerdictMarks::tr("by the worse of the two models");
  }
  return {};
}

// The names of every contaminant that may have chain or wells evidence: the
// species of the project's chains and the site's analytes. A row of any
// other contaminant has none, and is not asked.
std::unordered_set<std::string> namesWithEvidence(const Project& project) {
  std::unordered_set<std::string> names;
  const ProjectExtras& extras = virelo_ExtrasOf(project);
  for (const DecayChain& chain : extras.chains) names.insert(chain.species.begin(), chain.species.end());
  for (const SiteSample& sample : extras.site.samples)
    if (!IsSiteIndicator(sample.analyte)) names.insert(sample.analyte);
  return names;
}

ResultListModel::Badge chainBadge(const Project& project, const RowVerdict& v, const QString& unit,
                                  VerdictBasis basis) {
  const ModelAssessment& m = v.models;
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(project).chains;
  QStringList names;
  if (m.chainIndex >= 0 && m.chainIndex < static_cast<int>(chains.size()))
    for (const std::string& name : chains[static_cast<size_t>(m.chainIndex)].species)
      names << fromRecordText(name.c_str());
  const Contaminant& c = project.contaminants[v.contaminantIndex];
  QString tip = VerdictMarks::tr("Decay chain %1: %2. ")
                    .arg(names.join(QStringLiteral(" \u2192 ")), className(m.chainClass));
  if (!v.plumeLength) {
    tip += VerdictMarks::tr("C(x) = %1 at the receptor %2, CA = %3.")
               .arg(concentration(m.chainValue, unit), byBasis(basis), concentration(c.ca, unit));
  } else if (std::isinf(m.chainValue)) {
    tip += VerdictMarks::tr("Plug flow along the chain never brings it below CA = %1.")
               .arg(concentration(c.ca, unit));
  } else if (m.chainValue == 0.0) {
    tip += VerdictMarks::tr("Plug flow along the chain never brings it up to CA = %1.")
               .arg(concentration(c.ca, unit));
  } else {
    tip += VerdictMarks::tr(
               "Plug flow along the chain keeps it at or above CA = %1 up to %2 from the source, "
               "%3 times the distance x.")
               .arg(concentration(c.ca, unit), metres(m.chainValue),
                    QString::number(m.chainValue / project.aquifer.distanceX, 'g', 3));
  }
  tip += VerdictMarks::tr("\nData > Decay chain shows the chain.");
  return {EngineTerm("chain"), tip, m.chainClass};
}

ResultListModel::Badge wellsBadge(const Project& project, const RowVerdict& v, const QString& unit) {
  const WellsEvidence& w = v.wells;
  if (!w.hasClass) {
    QStringList warnings;
    for (const std::string& warning : w.warnings) warnings << EngineText(fromRecordText(warning.c_str()));
    // Why the wells were left out stands in the badge itself, beside the
    // verdict it might have changed; the tooltip gives the fit's words.
    const QString words = QString::fromStdString(WellsOmissionWords(w.omitted));
    return {words.isEmpty() ? EngineTerm("wells") : EngineText(words),
            VerdictMarks::tr("The site's wells give no class: %1").arg(warnings.join(QStringLiteral("; ")))};
  }
  const Contaminant& c = project.contaminants[v.contaminantIndex];
  // The better end's class first, as for the interval of lambda.
  AssessmentClass better = w.clsAtLow, worse = w.clsAtHigh;
  if (better < worse) std::swap(better, worse);
  const QString ends = better == worse ? VerdictMarks::tr("%1 over the slope's whole %2 % interval")
                                             .arg(className(better))
                                             .arg(w.levelPercent)
                                       : VerdictMarks::tr("%1 to %2 over the slope's %3 % interval")
                                             .arg(className(better), className(worse))
                                             .arg(w.levelPercent);
  const QString tip =
      VerdictMarks::tr(
          "The site's wells, distance fit of %1 (slope %2 per m): extrapolated to the receptor, "
          "C(x) = exp(a + m x) = %3 against CA = %4: %5; %6.")
          .arg(QString::fromStdString(w.date), QString::number(w.slope, 'g', 3),
               concentration(w.concentration, unit), concentration(c.ca, unit), className(w.cls), ends);
  return {EngineTerm("wells"), tip, w.cls};
}

ResultListModel::Badge underBadge(const RowVerdict& v, const QString& unit, VerdictBasis basis) {
  QStringList wells;
  for (const WellComparison& well : v.wells.wells) {
    if (!well.underpredicted) continue;
    wells << VerdictMarks::tr(
                 "%1 (s = %2, y = %3): measured %4, screening model %5, exact solution %6, "
                 "%7 times the model")
                 .arg(fromRecordText(well.well.c_str()), metres(well.s), metres(well.y),
                      concentration(well.measured, unit), concentration(well.screening, unit),
                      concentration(well.exact, unit), QString::number(well.factor, 'g', 2));
  }
  ResultListModel::Badge badge{
      VerdictMarks::tr("under"),
      VerdictMarks::tr("The model underpredicts the wells: %1.\nMarked where a well in the fit holds more "
                       "than %2 times the %3.")
          .arg(wells.join(QStringLiteral("; ")), QString::number(kUnderpredictionFactor),
               EngineTerm(VerdictBasisText(basis)))};
  // The strongest warning the page gives: the models the verdict rests on
  // read low against the site itself.
  badge.warning = true;
  return badge;
}

}  // namespace

QString VerdictSentence(AssessmentClass verdict, AssessmentClass screeningClass, unsigned reasons, bool plume,
                        VerdictBasis basis) {
  if (reasons == 0 || verdict == screeningClass) return {};
  QStringList inputs;
  if (reasons & kReasonExact)
    inputs << (basis == VerdictBasis::Worse ? VerdictMarks::tr("the exact solution (the worse of the two)")
                                            : VerdictMarks::tr("the exact solution"));
  if (reasons & kReasonChain) inputs << VerdictMarks::tr("the decay chain");
  if (reasons & kReasonWells) inputs << VerdictMarks::tr("the site's wells");
  QString made = inputs.takeLast();
  if (!inputs.isEmpty()) made = inputs.join(QStringLiteral(", ")) + VerdictMarks::tr(" and ") + made;
  return VerdictMarks::tr("Verdict: %1. %2 alone gives %3; %4 made it worse.")
      .arg(className(verdict),
           plume ? VerdictMarks::tr("The plume length") : VerdictMarks::tr("The screening model"),
           className(screeningClass), made);
}

namespace {

// The remedial target of an attenuation-factor row, with a sentence where it
// is not the models' own.
void MarkTarget(ProjectCase& evaluated, const ContaminantResult& r, const QString& unit,
                ResultListModel::Row& row) {
  const VerdictTarget target = evaluated.Target(r);
  if (target.origin == TargetOrigin::None) return;
  row.target = target.value;
  if (target.origin == TargetOrigin::Models) return;
  const QString sentence =
      target.origin == TargetOrigin::Wells
          ? VerdictMarks::tr("Target %1 from the wells: C0 \u00b7 CA / C(x) of the wells' line.")
          : VerdictMarks::tr(
                "Target %1 from the chain: C0 \u00b7 CA / C(x) of the chain, its sources scaled "
                "alike.");
  row.verdictTip += (row.verdictTip.isEmpty() ? QString() : QStringLiteral("\n")) +
                    sentence.arg(concentration(target.value, unit));
}

}  // namespace

void MarkVerdicts(Project& project, ProjectCase& evaluated, bool plume, const QString& unit,
                  std::vector<ResultListModel::Row>& rows) {
  if (!evaluated.HasEvidence()) return;
  const VerdictOptions& options = evaluated.options();
  const std::unordered_set<std::string> names = namesWithEvidence(project);
  for (ResultListModel::Row& row : rows) {
    if (row.resultIndex < 0 || row.resultIndex >= project.resultCount) continue;
    ContaminantResult& r = project.results[row.resultIndex];
    if (r.contaminantIndex < 0 || r.contaminantIndex >= project.contaminantCount) continue;
    const Contaminant& c = project.contaminants[r.contaminantIndex];
    if (!names.count(std::string(c.name, strnlen(c.name, sizeof c.name)))) continue;
    if (!plume && options.basis != VerdictBasis::Screening && !HasAttenuationFactorProblems(r))
      ProjectCase::AddExact(project, r);
    const RowVerdict& v = evaluated.Verdict(r, plume);
    if (v.verdict == AssessmentClass::Problems) continue;
    row.cls = v.verdict;
    row.screeningClass = v.models.screeningClass;
    row.reasons = v.reasons;
    row.verdictKnown = true;
    row.verdictTip = VerdictSentence(v.verdict, v.models.screeningClass, v.reasons, plume, options.basis);
    if (!v.models.singleSpecies)
      row.verdictTip =
          VerdictMarks::tr(
              "Verdict: %1, by its decay chain. Its own inputs allow no single-species model: their "
              "problems hold for that model only (right-click: Show problems).")
              .arg(className(v.verdict));
    if (!plume) MarkTarget(evaluated, r, unit, row);
    if (v.models.inChain) row.badges.push_back(chainBadge(project, v, unit, options.basis));
    if (v.wells.hasFit) row.badges.push_back(wellsBadge(project, v, unit));
    if (v.wells.underpredicts) row.badges.push_back(underBadge(v, unit, options.basis));
  }
}
