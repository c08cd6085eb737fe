// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ChainMarks.h"

#include <QStringList>

#include "engine/chaincalc.h"
#include "engine/extras.h"
#include "platform/Platform.h"

namespace {

QString Concentration(double v) {
  return QString::fromStdString(FormatResultValue(v, "%.4g", "%.3E"));
}

}  // namespace

void MarkChainWarnings(const Project& project, AssessmentRange range,
                       std::vector<ResultListModel::Row>& rows) {
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(project).chains;
  if (chains.empty()) return;
  const std::vector<ChainWarning> warnings = ChainWarnings(project, chains, range);
  for (ResultListModel::Row& row : rows) {
    if (row.resultIndex < 0 || row.resultIndex >= project.resultCount) continue;
    const int contaminant = project.results[row.resultIndex].contaminantIndex;
    // The worst chain the contaminant is in speaks for the row.
    const ChainWarning* worst = nullptr;
    for (const ChainWarning& w : warnings)
      if (w.contaminantIndex == contaminant && (!worst || w.chainClass < worst->chainClass)) worst = &w;
    if (!worst) continue;
    QStringList names;
    for (const std::string& name : chains[worst->chain].species) names << fromLatin1Record(name.c_str());
    const QString chainClass = QString::fromLatin1(AssessmentClassName(worst->chainClass));
    // In front of the name, where a narrow column does not cut it off.
    row.name = QStringLiteral("[chain: %1] ").arg(chainClass) + row.name;
    const QString tip =
        QStringLiteral(
            "In the decay chain %1: %2, C(x) = %3 at the receptor (exact solution: %4, C(x) = %5)\n"
            "Assessed alone: %6\nThe row's verdict is that of the contaminant alone; Data > Decay "
            "chain shows the chain.")
            .arg(names.join(QStringLiteral(" \u2192 ")), chainClass, Concentration(worst->screening),
                 QString::fromLatin1(AssessmentClassName(worst->exactClass)), Concentration(worst->exact),
                 QString::fromLatin1(AssessmentClassName(worst->singleClass)));
    row.chainTip = tip;
  }
}
