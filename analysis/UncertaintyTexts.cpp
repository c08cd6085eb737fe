// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/UncertaintyTexts.h"

#include "engine/project/assessment.h"

QString UncertainInputText(UncertainInput input) {
  switch (input) {
    case UncertainInput::X: return QStringLiteral("x, distance to receptor (m)");
    case UncertainInput::Kf: return QStringLiteral("Kf, hydraulic conductivity (m/d)");
    case UncertainInput::I: return QStringLiteral("i, hydraulic gradient");
    case UncertainInput::Ne: return QStringLiteral("ne, effective porosity");
    case UncertainInput::Ax: return QStringLiteral("ax, longitudinal dispersivity (m)");
    case UncertainInput::Ay: return QStringLiteral("ay, transverse dispersivity (m)");
    case UncertainInput::Az: return QStringLiteral("az, vertical dispersivity (m)");
    case UncertainInput::Width: return QStringLiteral("source width (m)");
    case UncertainInput::Thickness: return QStringLiteral("source thickness (m)");
    case UncertainInput::Lambda: return QStringLiteral("lambda, decay constant (1/d)");
    case UncertainInput::C0: return QStringLiteral("C0, concentration at source");
    case UncertainInput::CA: return QStringLiteral("CA, accepted concentration at receptor");
  }
  return {};
}

QString DistributionKindText(DistributionKind kind) {
  switch (kind) {
    case DistributionKind::Fixed: return QStringLiteral("fixed");
    case DistributionKind::Uniform: return QStringLiteral("uniform");
    case DistributionKind::LogUniform: return QStringLiteral("log-uniform");
    case DistributionKind::Triangular: return QStringLiteral("triangular");
    case DistributionKind::Normal: return QStringLiteral("normal");
    case DistributionKind::LogNormal: return QStringLiteral("lognormal");
  }
  return {};
}

QString DistributionMeaning(DistributionKind kind) {
  switch (kind) {
    case DistributionKind::Fixed: return QStringLiteral("keeps the project's value");
    case DistributionKind::Uniform:
    case DistributionKind::LogUniform: return QStringLiteral("min, max");
    case DistributionKind::Triangular: return QStringLiteral("min, mode, max");
    case DistributionKind::Normal: return QStringLiteral("mean, sd [, min, max]");
    case DistributionKind::LogNormal: return QStringLiteral("median, geometric sd [, min, max]");
  }
  return {};
}

QString UncertaintyAssessmentText(const UncertaintyRow& row) {
  if (row.plumeLength) return QStringLiteral("plume length");
  switch (row.model) {
    case UncertaintyModel::Exact: return QStringLiteral("AF, exact solution");
    case UncertaintyModel::Worse: return QStringLiteral("AF, worse of the two");
    default: return QStringLiteral("attenuation factor");
  }
}

QString UncertaintyShare(double p) {
  return QString::number(p, 'f', 3);
}

QString UncertaintyValue(double v) {
  const std::string text = FormatResultValue(v, "%.3g", "%.3g");
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
