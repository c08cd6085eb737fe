// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The results as the results page shows them: the class and both values of
// each assessed contaminant, for the plume length and the attenuation factor.
#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QStringList>

#include "engine/core/validation.h"
#include "engine/core/verdict.h"
#include "engine/evidence/verdicttarget.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/lambdainterval.h"
#include "platform/EngineText.h"
#include "report/ReportSection.h"

namespace {

// A concentration to six significant digits, written out in full from
// 1e-4 to below 1e9 (the range of field data and limits), in the exponent
// form only beyond.
QString concentration(double value) {
  if (std::isnan(value)) return QStringLiteral("-");
  const double magnitude = std::fabs(value);
  if (!std::isfinite(value) || magnitude == 0.0 || magnitude < 1e-4 || magnitude >= 1e9)
    return resultValue(value, "%.4E", "%.4E");
  const int decimals = std::clamp(5 - static_cast<int>(std::floor(std::log10(magnitude))), 0, 9);
  return QString::number(value, 'f', decimals);
}

// The column titles every result table shares.
QString contaminantWord() {
  return QCoreApplication::translate("ReportResults", "Contaminant");
}
QString classWord() {
  return QCoreApplication::translate("ReportResults", "Class");
}
QString verdictWord() {
  return QCoreApplication::translate("ReportResults", "Verdict");
}
QString screeningHeader(const ReportContext& report) {
  return QCoreApplication::translate("ReportResults", "Receptor, screening [%1]").arg(report.unit());
}
QString exactHeader(const ReportContext& report) {
  return QCoreApplication::translate("ReportResults", "Receptor, exact [%1]").arg(report.unit());
}
QString targetHeader(const ReportContext& report) {
  return QCoreApplication::translate("ReportResults", "Target C = CA &#183; AF [%1]").arg(report.unit());
}

// The verdict with the inputs that made it worse than the screening class,
// each with the section that holds its evidence ("chain: see 9").
QString verdictCell(ReportContext& report, const RowVerdict& verdict) {
  QStringList why;
  for (unsigned reason : {kReasonExact, kReasonChain, kReasonWells}) {
    if (!(verdict.reasons & reason)) continue;
    why << QCoreApplication::translate("ReportResults", "%1: see %2")
               .arg(EngineText(VerdictReasonWords(reason)), report.evidenceRef(verdict, reason));
  }
  // The wells left out stand beside the verdict they might have changed.
  if (verdict.wells.omitted) why << EngineText(WellsOmissionWords(verdict.wells.omitted)).toHtmlEscaped();
  return classCell(verdict.verdict, why.join(QStringLiteral("<br>")));
}

// The remedial target of the row's verdict, named where it is not the
// models' own ("4.2 from the wells").
QString targetCell(ReportContext& report, const Contaminant& c, const ContaminantResult& r, bool plume,
                   VerdictBasis basis) {
  const VerdictTarget target = plume ? VerdictTarget{} : report.evaluated().Target(r);
  if (target.origin == TargetOrigin::None) return report.num(concentration(TargetConcentration(c, r, basis)));
  if (target.origin == TargetOrigin::Models) return report.num(concentration(target.value));
  return QStringLiteral("%1 %2").arg(report.num(concentration(target.value)),
                                     EngineTerm(TargetOriginWords(target.origin)));
}

// The value cells of one row and its class (Problems for a row with
// problems). A chain species whose own inputs allow no single-species model
// is judged by its chain (`chainAlone`): its problems hold for that model
// only, and its target is the chain's.
QString valueCells(ReportContext& report, const ContaminantResult& row, bool plume, bool chainAlone,
                   AssessmentClass* cls) {
  const ContaminantResult* r = &row;
  const Contaminant& c = report.contaminantOf(row);
  const AssessmentRange range = report.range(plume);
  const VerdictBasis basis = virelo_SettingsOf(report.project()).verdictBasis;
  const bool problems = plume ? HasPlumeLengthProblems(row) : HasAttenuationFactorProblems(row);
  QString cells;
  if (chainAlone) {
    cells = QStringLiteral("<td colspan=\"%1\"><i>%2</i></td>")
                .arg(plume ? 2 : 4)
                .arg(QCoreApplication::translate("ReportResults", "single-species model: see problems"));
    if (!plume) cells += QStringLiteral("<td>%1</td>").arg(targetCell(report, c, *r, plume, basis));
  } else if (problems) {
    cells = QStringLiteral("<td colspan=\"%1\"><i>%2</i></td>")
                .arg(plume ? 2 : 5)
                .arg(QCoreApplication::translate("ReportResults", "see problems"));
  } else if (plume) {
    *cls = ClassifyPlumeLength(r->plumeLengthRatio, range);
    cells = QStringLiteral("<td>%1</td><td>%2</td>")
                .arg(report.num(resultValue(r->plumeLength, "%.2f", "%.2E")),
                     report.num(resultValue(r->plumeLengthRatio, "%.7f", "%.4E")));
  } else {
    *cls = ClassifyAttenuationFactor(r->sourceRatio, range);
    const ReceptorConcentrations receptor = ReceptorConcentrationsOf(c, *r);
    cells = QStringLiteral("<td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>")
                .arg(report.num(resultValue(r->attenuationFactor, "%.7f", "%.4E")),
                     report.num(resultValue(r->sourceRatio, "%.7f", "%.4E")),
                     report.num(concentration(receptor.screening)),
                     receptor.hasExact ? report.num(concentration(receptor.exact)) : QStringLiteral("-"),
                     targetCell(report, c, *r, plume, basis));
  }
  return cells;
}

// The columns of a result table whose values stay whole: the class and
// the values. The name wraps, as do a target with its origin and a verdict
// with its reasons.
QString wholeColumns(bool plume, bool verdictColumn) {
  if (plume) return verdictColumn ? QStringLiteral("wnnnw") : QStringLiteral("wnnn");
  return verdictColumn ? QStringLiteral("wnnnnnww") : QStringLiteral("wnnnnnw");
}

// The column titles of a result table: the attenuation factor's with its
// concentrations, the verdict where it has a column.
void tableHead(ReportContext& report, bool plume, bool evidence, bool verdictColumn) {
  if (plume && verdictColumn) {
    report.add(
        QStringLiteral(
            "<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"30%\">%1</th>"
            "<th align=\"left\" width=\"12%\">%2</th><th align=\"left\" width=\"18%\">d [m]</th><th "
            "align=\"left\" width=\"18%\">d/x</th><th align=\"left\" width=\"22%\">%3</th></tr></thead>")
            .arg(contaminantWord(), classWord(), verdictWord()));
  } else if (plume) {
    report.add(QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"38%\">%1</th>"
                              "<th align=\"left\" width=\"14%\">%2</th><th align=\"left\" width=\"24%\">d "
                              "[m]</th><th align=\"left\" width=\"24%\">d/x</th></tr></thead>")
                   .arg(contaminantWord(), classWord()));
  } else if (evidence) {
    report.add(
        QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"16%\">%1</th>"
                       "<th align=\"left\" width=\"8%\">%2</th><th align=\"left\" width=\"16%\">AF</th>"
                       "<th align=\"left\" width=\"11%\">C0/C</th><th align=\"left\" width=\"12%\">%3</th>"
                       "<th align=\"left\" width=\"12%\">%4</th><th "
                       "align=\"left\" width=\"13%\">%5</th><th align=\"left\" "
                       "width=\"12%\">%6</th></tr></thead>")
            .arg(contaminantWord(), classWord(), screeningHeader(report), exactHeader(report),
                 targetHeader(report), verdictWord()));
  } else {
    report.add(
        QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"22%\">%1</th>"
                       "<th align=\"left\" width=\"8%\">%2</th><th align=\"left\" width=\"15%\">AF</th>"
                       "<th align=\"left\" width=\"12%\">C0/C</th><th align=\"left\" width=\"13%\">%3</th>"
                       "<th align=\"left\" width=\"13%\">%4</th><th "
                       "align=\"left\" width=\"17%\">%5</th>%6</tr></thead>")
            .arg(
                contaminantWord(), classWord(), screeningHeader(report), exactHeader(report),
                targetHeader(report),
                verdictColumn ? QStringLiteral("<th align=\"left\">%1</th>").arg(verdictWord()) : QString()));
  }
}

void resultTable(ReportContext& report, bool plume) {
  const std::vector<const ContaminantResult*> list =
      report.resultsWith(plume ? kAssessPlumeLength : kAssessAttenuationFactor);
  if (list.empty()) {
    report.add(
        QStringLiteral("<p><i>%1</i></p>")
            .arg(plume ? QCoreApplication::translate("ReportResults",
                                                     "No contaminant is assessed for its plume length.")
                       : QCoreApplication::translate(
                             "ReportResults", "No contaminant is assessed for its attenuation factor.")));
    return;
  }
  const AssessmentRange range = report.range(plume);
  const VerdictBasis basis = virelo_SettingsOf(report.project()).verdictBasis;
  // Where a decay chain or the site's wells speak for a row, the verdict
  // is theirs too, and the table says so for every row.
  const bool evidence = std::any_of(list.begin(), list.end(), [&](const ContaminantResult* r) {
    const RowVerdict& v = report.verdict(*r, plume);
    return v.models.inChain || v.wells.hasFit;
  });
  // The verdict has a column of its own where another model than the
  // screening formula, or other evidence, decides it.
  const bool verdictColumn = evidence || (!plume && basis != VerdictBasis::Screening);
  report.lead(QStringLiteral("<p>%1</p>")
                  .arg(QCoreApplication::translate("ReportResults", "Assessment range %1.")
                           .arg(report.rangeText(plume))));
  // The attenuation factor's values and the verdict with its reasons share
  // one row: a point smaller, every number stays whole in its cell.
  QString table = tableStart();
  if (evidence && !plume)
    table.replace(QLatin1String("style=\""), QLatin1String("style=\"font-size: 7.5pt; "));
  report.openTable(table);
  tableHead(report, plume, evidence, verdictColumn);
  // Verdicts resting on a decay constant from the site's wells, with the
  // classes at the ends of its interval, printed under the table.
  QStringList intervals;
  for (const ContaminantResult* r : list) {
    const Contaminant& c = report.contaminantOf(*r);
    const bool problems = plume ? HasPlumeLengthProblems(*r) : HasAttenuationFactorProblems(*r);
    const bool chainAlone =
        problems && evidence && report.verdict(*r, plume).verdict != AssessmentClass::Problems;
    AssessmentClass cls = AssessmentClass::Problems;
    QString cells = valueCells(report, *r, plume, chainAlone, &cls);
    if (evidence)
      cells += problems && !chainAlone ? classCell(AssessmentClass::Problems)
                                       : verdictCell(report, report.verdict(*r, plume));
    else if (verdictColumn)
      cells += classCell(VerdictClass(*r, range, basis));
    if (!problems) {
      const std::string sentence = LambdaIntervalSentenceOf(report.project(), c, plume, range);
      if (!sentence.empty())
        intervals << QStringLiteral("%1: %2").arg(contaminantName(report.project(), c.name),
                                                  QString::fromStdString(sentence).toHtmlEscaped());
    }
    report.add(QStringLiteral("<tr><td>%1</td>%2%3</tr>")
                   .arg(contaminantName(report.project(), c.name), classCell(cls), cells));
  }
  report.closeTable(wholeColumns(plume, evidence || verdictColumn));
  if (!intervals.isEmpty())
    report.add(QStringLiteral("<p>%1<br>%2</p>")
                   .arg(QCoreApplication::translate("ReportResults", "Decay constant from the site's wells:"),
                        report.num(intervals.join(QStringLiteral("<br>")))));
  if (evidence)
    report.add(QStringLiteral("<p style=\"font-size: 8pt\">%1</p>")
                   .arg(QCoreApplication::translate(
                       "ReportResults",
                       "Verdict: the worst of the class under the verdict basis, the class the "
                       "contaminant's decay chain gives it and the class of the site's wells; beside it the "
                       "inputs that made it worse than the screening class (exact, chain, wells), each with "
                       "the section that holds its evidence.")));
  report.add(
      QStringLiteral("<p style=\"font-size: 8pt\">%1</p>")
          .arg(
              plume
                  ? QCoreApplication::translate("ReportResults",
                                                "d: plume extension; x: distance source - receptor.")
                  : QCoreApplication::translate(
                        "ReportResults",
                        "AF: attenuation factor C0/C(x); C0: concentration at the source; C: acceptable "
                        "concentration at the source (CA &#215; AF). Receptor: the concentration each model "
                        "predicts at x. Target: the source concentration that just meets CA at the receptor, "
                        "under the verdict basis (%1).")
                        .arg(verdictBasisWords(basis))));
}

}  // namespace

void WriteResultsSection(ReportContext& report) {
  report.heading(2, QCoreApplication::translate("ReportResults", "Results"), "results");
  report.heading(3, QCoreApplication::translate("ReportResults", "Plume length"));
  resultTable(report, true);
  report.heading(3, QCoreApplication::translate("ReportResults", "Attenuation factor"));
  resultTable(report, false);
}
