// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plume as a whole: for each contaminant of the site data, its mass and
// centre of mass per sampling round on one fixed well set, their trends and
// the light, as `virelo-cli stability` gives them. A project whose site data
// give no mass for any contaminant has no such section.
#include <cmath>

#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/site/plumemass.h"
#include "engine/site/sitefit.h"
#include "report/ReportSection.h"

namespace {

QString number(double value, int digits = 4) {
  return std::isfinite(value) ? QString::number(value, 'g', digits) : QStringLiteral("-");
}

QString latin(const std::string& text) {
  return esc(QString::fromStdString(RecordTextToUtf8(text)));
}

QString trend(const PlumeTrend& t) {
  const QString words = QString::fromLatin1(TrendClassText(t.mannKendall.trend));
  return words.isEmpty() ? QStringLiteral("-") : words;
}

QString th(const QString& text) {
  return QStringLiteral("<th bgcolor=\"#e8e8e8\">%1</th>").arg(text);
}

// One row per contaminant: the rounds compared, the mass from the first
// round to the last, the classes, half-life, drift beside v/R and the light.
QString row(const PlumeMassResult& r) {
  QString unit = r.estimator == "line" ? QStringLiteral("kg/m") : QStringLiteral("kg");
  if (r.perMetreThickness) unit += QStringLiteral(" per m of b");
  QString rounds = QString::number(r.rounds.size());
  if (!r.leftOut.empty()) rounds += QStringLiteral(" (%1 left out)").arg(r.leftOut.size());
  QString massTrend = trend(r.mass);
  if (r.mass.mannKendall.n >= 4) massTrend += QStringLiteral(" (S = %1)").arg(r.mass.mannKendall.s);
  const QString halfLife =
      std::isfinite(r.halfLife)
          ? QStringLiteral("%1 (%2 to %3)")
                .arg(number(r.halfLife), number(r.halfLifeLow),
                     std::isinf(r.halfLifeHigh) ? QStringLiteral("&#8734;") : number(r.halfLifeHigh))
          : QStringLiteral("-");
  return QStringLiteral(
             "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4 &#8594; %5 %6</td><td>%7</td><td>%8</td><td>%9</td>"
             "<td>%10 / %11</td><td>%12</td></tr>")
      .arg(latin(r.contaminant), rounds, QString::fromLatin1(r.estimator.c_str()),
           number(r.rounds.front().moments.mass), number(r.rounds.back().moments.mass), unit, massTrend,
           trend(r.centreS), halfLife)
      .arg(number(r.drift, 2), number(r.retardedVelocity, 2),
           r.light == PlumeLight::kNone ? QStringLiteral("-") : QString::fromLatin1(PlumeLightKey(r.light)));
}

}  // namespace

void WriteStabilitySection(ReportContext& report) {
  const Project& project = report.project();
  const SiteData& site = virelo_ExtrasOf(project).site;
  std::vector<PlumeMassResult> results;
  for (const std::string& name : SiteContaminants(site)) {
    PlumeMassResult r = PlumeMassOf(site, name, PlumeMassOptionsFor(project, name));
    if (!r.rounds.empty()) results.push_back(std::move(r));
  }
  if (results.empty()) return;
  report.heading(2, QStringLiteral("The plume as a whole"), "stability");
  report.add(QStringLiteral(
      "<p>The dissolved mass M0 = ne&#183;b&#183;&#8747;C dA and the centre of mass per sampling round, on "
      "the same wells in every round, interpolated linearly between them (on their Delaunay triangles, or "
      "along a row of wells per metre of plume width). Green: the mass decreases and the centre of mass does "
      "not move downstream; red: either increases; yellow otherwise.</p>"));
  QString table =
      tableStart() + QStringLiteral("<tr>%1%2%3%4%5%6%7%8%9</tr>")
                         .arg(th(QStringLiteral("Contaminant")), th(QStringLiteral("Rounds")),
                              th(QStringLiteral("Estimator")), th(QStringLiteral("Mass first &#8594; last")),
                              th(QStringLiteral("Mass trend")), th(QStringLiteral("Centre of mass")),
                              th(QStringLiteral("Half-life [d]")), th(QStringLiteral("Drift / v/R [m/d]")),
                              th(QStringLiteral("Light")));
  for (const PlumeMassResult& r : results) table += row(r);
  report.add(table + QStringLiteral("</table>"));
  report.add(
      QStringLiteral("<p>Rounds missing a well of the set are left out; <code>virelo-cli stability</code> "
                     "lists them with the "
                     "mass, centre and spread of every round.</p>"));
}
