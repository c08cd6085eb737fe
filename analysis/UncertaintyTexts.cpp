// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/UncertaintyTexts.h"

#include <QCoreApplication>

#include "engine/project/assessment.h"

QString UncertainInputText(UncertainInput input) {
  switch (input) {
    case UncertainInput::X:
      return QCoreApplication::translate("UncertaintyTexts", "x, distance to receptor (m)");
    case UncertainInput::Kf:
      return QCoreApplication::translate("UncertaintyTexts", "Kf, hydraulic conductivity (m/d)");
    case UncertainInput::I: return QCoreApplication::translate("UncertaintyTexts", "i, hydraulic gradient");
    case UncertainInput::Ne: return QCoreApplication::translate("UncertaintyTexts", "ne, effective porosity");
    case UncertainInput::Ax:
      return QCoreApplication::translate("UncertaintyTexts", "ax, longitudinal dispersivity (m)");
    case UncertainInput::Ay:
      return QCoreApplication::translate("UncertaintyTexts", "ay, transverse dispersivity (m)");
    case UncertainInput::Az:
      return QCoreApplication::translate("UncertaintyTexts", "az, vertical dispersivity (m)");
    case UncertainInput::Width: return QCoreApplication::translate("UncertaintyTexts", "source width (m)");
    case UncertainInput::Thickness:
      return QCoreApplication::translate("UncertaintyTexts", "source thickness (m)");
    case UncertainInput::Lambda:
      return QCoreApplication::translate("UncertaintyTexts", "lambda, decay constant (1/d)");
    case UncertainInput::C0:
      return QCoreApplication::translate("UncertaintyTexts", "C0, concentration at source");
    case UncertainInput::CA:
      return QCoreApplication::translate("UncertaintyTexts", "CA, accepted concentration at receptor");
  }
  return {};
}

QString DistributionKindText(DistributionKind kind) {
  switch (kind) {
    case DistributionKind::Fixed: return QCoreApplication::translate("UncertaintyTexts", "fixed");
    case DistributionKind::Uniform: return QCoreApplication::translate("UncertaintyTexts", "uniform");
    case DistributionKind::LogUniform: return QCoreApplication::translate("UncertaintyTexts", "log-uniform");
    case DistributionKind::Triangular: return QCoreApplication::translate("UncertaintyTexts", "triangular");
    case DistributionKind::Normal: return QCoreApplication::translate("UncertaintyTexts", "normal");
    case DistributionKind::LogNormal: return QCoreApplication::translate("UncertaintyTexts", "lognormal");
  }
  return {};
}

QString DistributionMeaning(DistributionKind kind) {
  switch (kind) {
    case DistributionKind::Fixed:
      return QCoreApplication::translate("UncertaintyTexts", "keeps the project's value");
    case DistributionKind::Uniform:
    case DistributionKind::LogUniform: return QCoreApplication::translate("UncertaintyTexts", "min, max");
    case DistributionKind::Triangular:
      return QCoreApplication::translate("UncertaintyTexts", "min, mode, max");
    case DistributionKind::Normal:
      return QCoreApplication::translate("UncertaintyTexts", "mean, sd [, min, max]");
    case DistributionKind::LogNormal:
      return QCoreApplication::translate("UncertaintyTexts", "median, geometric sd [, min, max]");
  }
  return {};
}

QString UncertaintyAssessmentText(const UncertaintyRow& row) {
  if (row.plumeLength) return QCoreApplication::translate("UncertaintyTexts", "plume length");
  switch (row.model) {
    case UncertaintyModel::Exact:
      return QCoreApplication::translate("UncertaintyTexts", "AF, exact solution");
    case UncertaintyModel::Worse:
      return QCoreApplication::translate("UncertaintyTexts", "AF, worse of the two");
    default: return QCoreApplication::translate("UncertaintyTexts", "attenuation factor");
  }
}

QString UncertaintyShare(double p) {
  return QString::number(p, 'f', 3);
}

QString UncertaintyValue(double v) {
  const std::string text = FormatResultValue(v, "%.3g", "%.3g");
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
