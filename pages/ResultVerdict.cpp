// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ResultVerdict.h"

#include <QCoreApplication>

#include "engine/core/verdict.h"
#include "engine/evidence/evidence.h"
#include "pages/VerdictMarks.h"

namespace {

QString concentration(double v, const QString& unit) {
  return QStringLiteral("%1 %2").arg(QString::fromStdString(FormatConcentration(v)), unit);
}

}  // namespace

void FillScreeningConcentrations(const Contaminant& contaminant, const ContaminantResult& result,
                                 VerdictBasis basis, ResultListModel::Row* row) {
  row->receptor = ReceptorConcentrationsOf(contaminant, result).screening;
  if (basis == VerdictBasis::Screening) row->target = TargetConcentration(contaminant, result, basis);
}

void FillVerdict(const Contaminant& contaminant, const ContaminantResult& result, AssessmentRange range,
                 VerdictBasis basis, const QString& unit, ResultListModel::Row* row) {
  const ReceptorConcentrations at = ReceptorConcentrationsOf(contaminant, result);
  row->receptor = at.screening;
  row->receptorExact = at.exact;
  // A verdict given with the chain and the wells brought its own target.
  if (!row->verdictKnown) row->target = TargetConcentration(contaminant, result, basis);
  // The light follows the basis; without an exact value an exact verdict
  // cannot be given, and the row says so rather than keep a screening Green.
  // A verdict given with the chain and the wells already holds the basis.
  if (basis != VerdictBasis::Screening && !row->verdictKnown) {
    row->cls = VerdictClass(result, range, basis);
    const bool worse = row->cls != AssessmentClass::Problems && row->cls < row->screeningClass;
    row->reasons = worse ? kReasonExact : 0u;
    row->verdictTip = VerdictSentence(row->cls, row->screeningClass, row->reasons, false, basis);
  }
  row->straddles = StraddlesAcceptable(contaminant, result);
  if (row->straddles)
    row->straddleTip = QCoreApplication::translate(
                           "VerdictMarks",
                           "Straddles CA: the screening model predicts %1 at the receptor, the exact "
                           "solution %2; CA is %3.\n"
                           "Whether the receptor exceeds CA depends on the model.")
                           .arg(concentration(at.screening, unit), concentration(at.exact, unit),
                                concentration(contaminant.ca, unit));
}

QString VerdictBasisEntry(VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return QCoreApplication::translate("ResultVerdict", "Screening model");
    case VerdictBasis::Exact: return QCoreApplication::translate("ResultVerdict", "Exact solution");
    case VerdictBasis::Worse: return QCoreApplication::translate("ResultVerdict", "Worse of the two");
  }
  return QCoreApplication::translate("ResultVerdict", "Screening model");
}
