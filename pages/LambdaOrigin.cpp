// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/LambdaOrigin.h"

#include <QStringList>
#include <cstring>
#include <string>

#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "engine/uncertainty/lambdainterval.h"

namespace {

// In the format of the decay-constant field, so that the two compare at a glance.
QString Lambda(double value) {
  return QString::asprintf("%.6f", value);
}

}  // namespace

QString LambdaOriginText(const Project& project, const Contaminant& c) {
  if (c.lambdaSelected != kLambdaUser || !(c.lambdaMask & kLambdaUser)) return {};
  const ProjectSettings& settings = virelo_SettingsOf(project);
  const std::string name(c.name, strnlen(c.name, sizeof c.name));
  QStringList lines;
  if (const SiteLambdaInterval* interval = ActiveLambdaInterval(project, c)) {
    lines << QStringLiteral("%1 % interval of \u03bb from the wells: %2 to %3 [1/d]")
                 .arg(interval->level)
                 .arg(Lambda(interval->low), Lambda(interval->high));
  } else if (const auto recorded = settings.lambdaIntervals.find(name);
             recorded != settings.lambdaIntervals.end()) {
    lines << QStringLiteral(
                 "Changed since it was taken from the wells (\u03bb = %1 [1/d]): their interval no "
                 "longer applies.")
                 .arg(Lambda(recorded->second.lambda));
  }
  return lines.join(QLatin1Char('\n'));
}
