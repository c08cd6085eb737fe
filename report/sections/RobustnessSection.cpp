// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// For each contaminant's results, how far each input would have to move,
// all others as they are, before the class changes: the break-even values,
// as the Robustness window lists them, its plume length and attenuation
// factor side by side.
#include <QCoreApplication>

#include "engine/case/projectcase.h"
#include "engine/core/breakeven.h"
#include "report/ReportSection.h"

namespace {

bool anyResultWithoutProblems(const ReportContext& report) {
  for (const ContaminantResult* r : report.resultsWith(kAssessPlumeLength))
    if (!HasPlumeLengthProblems(*r)) return true;
  for (const ContaminantResult* r : report.resultsWith(kAssessAttenuationFactor))
    if (!HasAttenuationFactorProblems(*r)) return true;
  return false;
}

QString breakEvenValue(const std::optional<double>& at, const std::optional<double>& factor) {
  if (!at) return QStringLiteral("-");
  QString text = QString::fromStdString(FormatResultValue(*at, "%.6g", "%.6g"));
  if (factor) text += QStringLiteral(" (&#215;%1)").arg(QString::fromStdString(FormatFactor(*factor)));
  return text;
}

QString fragileWord() {
  return QCoreApplication::translate("ReportRobustness", "fragile");
}

// Each cell ends in a blank before its tab: a digit right before a tab
// loses part of its last glyph in the PDF (a "0" reads as "[").
const QString kCellEnd = QStringLiteral(" \t");

QString noOtherClass() {
  return QCoreApplication::translate("ReportRobustness", "No value the input checks accept changes a class");
}

QString sideName(bool plume) {
  return plume ? QCoreApplication::translate("ReportRobustness", "plume length")
               : QCoreApplication::translate("ReportRobustness", "attenuation factor");
}

// The words over a side's two columns: the classes a step worse and a step
// better, with the side's short name where both sides share the lines.
QStringList sideColumns(const BreakEvenTable& table, const QString& prefix) {
  const auto neighbour = [&table](int step) {
    const int k = static_cast<int>(table.cls) + step;
    return k < static_cast<int>(AssessmentClass::Red) || k > static_cast<int>(AssessmentClass::Green)
               ? QString()
               : reportClassName(static_cast<AssessmentClass>(k));
  };
  const QString worse = neighbour(-1), better = neighbour(+1);
  return {prefix + (worse.isEmpty() ? QCoreApplication::translate("ReportRobustness", "Worse at")
                                    : QCoreApplication::translate("ReportRobustness", "%1 at").arg(worse)),
          prefix + (better.isEmpty() ? QCoreApplication::translate("ReportRobustness", "Better at")
                                     : QCoreApplication::translate("ReportRobustness", "%1 at").arg(better))};
}

// An input of one side whose every value the input checks accept leaves
// the class as it is; an input the side does not use counts as one.
bool reachesNoOtherClass(const BreakEven* e) {
  return !e || (!e->worseAt && !e->betterAt);
}

const BreakEven* entryFor(const BreakEvenTable* table, BreakEvenInput input) {
  if (!table) return nullptr;
  for (const BreakEven& e : table->inputs)
    if (e.input == input) return &e;
  return nullptr;
}

// A contaminant's robustness as one block: a line per input, its columns set
// by tab stops (the document sets them), with the plume length's and the
// attenuation factor's break-even values side by side where both are
// assessed. A report may hold thousands of these lines, and lines lay out far
// faster than table cells.
void robustnessBlock(ReportContext& report, const ContaminantResult& r, const BreakEvenTable* plume,
                     const BreakEvenTable* factor) {
  const bool both = plume && factor;
  QStringList verdicts;
  for (const BreakEvenTable* table : {plume, factor})
    if (table)
      verdicts << QStringLiteral("%1: %2, %3")
                      .arg(sideName(table == plume), reportClassName(table->cls),
                           IsFragile(*table) ? QStringLiteral("<b>%1</b>").arg(fragileWord())
                                             : QCoreApplication::translate("ReportRobustness", "robust"));
  // A heading of its own that opens the block's group, so that the page
  // keeps it with its lines.
  report.group(QStringLiteral("<h4><b>%1</b>, %2</h4>")
                   .arg(contaminantName(report.project(), report.contaminantOf(r).name),
                        verdicts.join(QStringLiteral("; "))));
  QStringList head{QCoreApplication::translate("ReportRobustness", "Input"),
                   QCoreApplication::translate("ReportRobustness", "Value")};
  if (plume) head << sideColumns(*plume, both ? QStringLiteral("PL ") : QString());
  if (factor) head << sideColumns(*factor, both ? QStringLiteral("AF ") : QString());
  const QString style = QStringLiteral("white-space: pre; font-size: %1pt; margin-top: 0; margin-bottom: 0")
                            .arg(both ? QStringLiteral("7") : QStringLiteral("7.5"));
  report.add(QStringLiteral("<p style=\"%1; background-color: #e8e8e8\"><b>%2</b></p>")
                 .arg(style, head.join(kCellEnd)));
  QStringList unmoved;
  for (int k = 0; k <= static_cast<int>(BreakEvenInput::CA); ++k) {
    const auto input = static_cast<BreakEvenInput>(k);
    const BreakEven* pl = entryFor(plume, input);
    const BreakEven* af = entryFor(factor, input);
    if (!pl && !af) continue;
    const QString value = QString::fromStdString(FormatResultValue((pl ? pl : af)->value, "%.6g", "%.6g"));
    if (reachesNoOtherClass(pl) && reachesNoOtherClass(af)) {
      unmoved << QStringLiteral("%1 %2").arg(esc(QString::fromLatin1(BreakEvenInputName(input))),
                                             report.num(value));
      continue;
    }
    QStringList cells{esc(QString::fromLatin1(BreakEvenInputName(input))), report.num(value)};
    bool fragile = false;
    for (auto [table, e] : {std::pair{plume, pl}, std::pair{factor, af}}) {
      if (!table) continue;
      if (!e) {
        // The plume length does not depend on the dispersivities or the
        // source's size.
        cells << QCoreApplication::translate("ReportRobustness", "not used") << QString();
        continue;
      }
      // Where both sides share the line, the side that makes it fragile is
      // set in bold.
      const QString bold = both && IsFragile(*e) ? QStringLiteral("<b>%1</b>") : QStringLiteral("%1");
      cells << bold.arg(report.num(breakEvenValue(e->worseAt, WorseFactor(*e))))
            << bold.arg(report.num(breakEvenValue(e->betterAt, BetterFactor(*e))));
      fragile = fragile || IsFragile(*e);
    }
    cells << (fragile ? QStringLiteral("<b>%1</b>").arg(fragileWord()) : QString());
    report.add(QStringLiteral("<p style=\"%1%2\">%3</p>")
                   .arg(style, fragile ? QStringLiteral("; background-color: #ffe0b2") : QString(),
                        cells.join(kCellEnd)));
  }
  // Inputs that move no class share one line after the others (it has no
  // tab, so the columns above are set without it).
  if (!unmoved.isEmpty())
    report.add(QStringLiteral("<p style=\"%1\">%2: %3</p>")
                   .arg(style, noOtherClass(), unmoved.join(QStringLiteral(", "))));
}

}  // namespace

void WriteRobustnessSection(ReportContext& report) {
  report.heading(3, QCoreApplication::translate("ReportRobustness", "Robustness"), "robustness");
  if (!anyResultWithoutProblems(report)) {
    report.add(QStringLiteral("<p><i>%1</i></p>")
                   .arg(QCoreApplication::translate("ReportRobustness", "No result without problems.")));
    return;
  }
  report.add(
      QStringLiteral("<p>%1</p>")
          .arg(QCoreApplication::translate(
                   "ReportRobustness",
                   "For each contaminant and each input: its value and, for the plume length (PL) and the "
                   "attenuation factor (AF) each, the value at which the class would become worse and the "
                   "one at "
                   "which it would become better, with the factor to each (all other inputs as they are). An "
                   "input "
                   "whose nearer break-even value lies within a factor %1 of its value makes the verdict "
                   "fragile; "
                   "such lines are shaded and marked <b>fragile</b>, the value that makes them so in bold "
                   "where "
                   "both assessments share the line. A dash: no value the input checks accept reaches that "
                   "class; "
                   "\"not used\": the plume length does not depend on the input. Inputs that would show only "
                   "dashes and \"not used\" share the block's last line.")
                   .arg(report.num(QStringLiteral("%1").arg(kFragileFactor)))));
  for (const ContaminantResult* r : report.resultsWith(kAssessPlumeLength | kAssessAttenuationFactor)) {
    const int assess = report.contaminantOf(*r).assess;
    std::optional<BreakEvenTable> tables[2];
    for (bool plume : {true, false}) {
      if (!(assess & (plume ? kAssessPlumeLength : kAssessAttenuationFactor))) continue;
      BreakEvenTable table = report.evaluated().BreakEven(*r, plume, report.range(plume));
      if (table.cls != AssessmentClass::Problems) tables[plume ? 0 : 1] = std::move(table);
    }
    if (tables[0] || tables[1])
      robustnessBlock(report, *r, tables[0] ? &*tables[0] : nullptr, tables[1] ? &*tables[1] : nullptr);
  }
}
