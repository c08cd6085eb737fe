// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// For each result, how far each input would have to move, all others as
// they are, before the class changes: the break-even values, as the
// Robustness window lists them.
#include "engine/breakeven.h"
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

// One line per input, its columns set by tab stops (the document sets them):
// a report may hold thousands of these lines, and lines lay out far faster
// than table cells.
void robustnessTable(ReportContext& report, const ContaminantResult& r, bool plume,
                     const BreakEvenTable& table) {
  const auto neighbour = [&table](int step) {
    const int k = static_cast<int>(table.cls) + step;
    return k < static_cast<int>(AssessmentClass::Red) || k > static_cast<int>(AssessmentClass::Green)
               ? QString()
               : QLatin1String(AssessmentClassName(static_cast<AssessmentClass>(k)));
  };
  const QString worse = neighbour(-1), better = neighbour(+1);
  // A heading of its own (h4), so that the page keeps it with its lines.
  report.add(QStringLiteral("<h4><b>%1</b>, %2: %3, %4</h4>")
                 .arg(contaminantName(report.project(), report.contaminantOf(r).name),
                      plume ? QStringLiteral("plume length") : QStringLiteral("attenuation factor"),
                      QLatin1String(AssessmentClassName(table.cls)),
                      IsFragile(table) ? QStringLiteral("<b>fragile</b>") : QStringLiteral("robust")));
  report.add(QStringLiteral("<p style=\"white-space: pre; font-size: 7.5pt; margin-top: 0; margin-bottom: 0; background-color: "
                            "#e8e8e8\"><b>Input&#9;Value&#9;%1&#9;%2</b></p>")
                 .arg(worse.isEmpty() ? QStringLiteral("Worse at") : worse + QStringLiteral(" at"),
                      better.isEmpty() ? QStringLiteral("Better at") : better + QStringLiteral(" at")));
  for (const BreakEven& e : table.inputs) {
    const bool fragile = IsFragile(e);
    report.add(QStringLiteral("<p style=\"white-space: pre; font-size: 7.5pt; margin-top: 0; margin-bottom: "
                              "0%1\">%2&#9;%3&#9;%4&#9;%5&#9;%6</p>")
                   .arg(fragile ? QStringLiteral("; background-color: #ffe0b2") : QString(),
                        esc(QString::fromLatin1(BreakEvenInputName(e.input))),
                        QString::fromStdString(FormatResultValue(e.value, "%.6g", "%.6g")),
                        breakEvenValue(e.worseAt, WorseFactor(e)),
                        breakEvenValue(e.betterAt, BetterFactor(e)),
                        fragile ? QStringLiteral("<b>fragile</b>") : QString()));
  }
}

}  // namespace

void WriteRobustnessSection(ReportContext& report) {
  report.heading(3, QStringLiteral("Robustness"), "robustness");
  if (!anyResultWithoutProblems(report)) {
    report.add(QStringLiteral("<p><i>No result without problems.</i></p>"));
    return;
  }
  report.add(
      QStringLiteral(
          "<p>For each result and each input: its value, the value at which the class would become "
          "worse and the one at which it would become better, with the factor to each (all other "
          "inputs as they are). An input whose nearer break-even value lies within a factor %1 of its "
          "value makes the verdict fragile; such lines are shaded and marked <b>fragile</b>. A dash: no "
          "value the input checks accept reaches that class.</p>")
          .arg(kFragileFactor));
  for (bool plume : {true, false}) {
    const AssessmentRange range = report.range(plume);
    for (const ContaminantResult* r :
         report.resultsWith(plume ? kAssessPlumeLength : kAssessAttenuationFactor)) {
      const BreakEvenTable table = ResultBreakEvenValues(report.project(), *r, plume, range);
      if (table.cls != AssessmentClass::Problems) robustnessTable(report, *r, plume, table);
    }
  }
}
