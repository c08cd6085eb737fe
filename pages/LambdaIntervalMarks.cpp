// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/LambdaIntervalMarks.h"

#include <QCoreApplication>
#include <utility>

#include "engine/project/extras.h"
#include "engine/uncertainty/lambdainterval.h"
#include "platform/EngineText.h"

void MarkLambdaIntervals(const Project& project, bool plume, AssessmentRange range,
                         std::vector<ResultListModel::Row>& rows) {
  // Most projects keep no interval: a refresh of a long list must not look
  // each of its rows up in an empty table.
  if (virelo_SettingsOf(project).lambdaIntervals.empty()) return;
  for (ResultListModel::Row& row : rows) {
    // A row with problems has no class for the interval to qualify.
    if (!row.hasValues || row.resultIndex < 0 || row.resultIndex >= project.resultCount) continue;
    const int index = project.results[row.resultIndex].contaminantIndex;
    if (index < 0 || index >= project.contaminantCount) continue;
    const Contaminant& c = project.contaminants[index];
    const SiteLambdaInterval* interval = ActiveLambdaInterval(project, c);
    if (!interval) continue;
    const LambdaIntervalClasses classes = ClassesOverLambdaInterval(project, c, *interval, plume, range);
    const QString sentence = EngineText(LambdaIntervalSentence(classes, interval->level));
    // A badge painted in the classes at the interval's ends, better first.
    AssessmentClass better = classes.atLow, worse = classes.atHigh;
    if (better < worse) std::swap(better, worse);
    row.badges.push_back(
        {QStringLiteral("\u03bb"),
         QCoreApplication::translate("VerdictMarks", "Decay constant from the site's wells: %1")
             .arg(sentence),
         better, worse});
  }
}
