// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The plume as a whole: for each contaminant of the site data, its mass and
// centre of mass per sampling round on one fixed well set, their trends and
// the light, as `virelo-cli stability` gives them. A project whose site data
// give no mass for any contaminant has no such section.
#include <QCoreApplication>
#include <cmath>

#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/site/massdischarge.h"
#include "engine/site/plumemass.h"
#include "engine/site/sitefit.h"
#include "report/ReportSection.h"
#include "report/sections/SiteTrends.h"

namespace {

QString number(const ReportContext& report, double value, int digits = 4) {
  return std::isfinite(value) ? report.num(QString::number(value, 'g', digits)) : QStringLiteral("-");
}

QString latin(const std::string& text) {
  return esc(QString::fromStdString(RecordTextToUtf8(text)));
}

QString trend(const PlumeTrend& t) {
  const QString words = TrendClassWords(t.mannKendall.trend);
  return words.isEmpty() ? QStringLiteral("-") : words;
}

QString lightWords(PlumeLight light) {
  switch (light) {
    case PlumeLight::kGreen: return QCoreApplication::translate("ReportStability", "green");
    case PlumeLight::kYellow: return QCoreApplication::translate("ReportStability", "yellow");
    case PlumeLight::kRed: return QCoreApplication::translate("ReportStability", "red");
    case PlumeLight::kNone: break;
  }
  return QStringLiteral("-");
}

QString th(const QString& text) {
  return QStringLiteral("<th bgcolor=\"#e8e8e8\">%1</th>").arg(text);
}

// One row per contaminant: the rounds compared, the mass from the first
// round to the last, the classes, half-life, drift beside v/R and the light.
QString row(const ReportContext& report, const PlumeMassResult& r) {
  QString unit = r.estimator == "line" ? QStringLiteral("kg/m") : QStringLiteral("kg");
  if (r.perMetreThickness) unit = QCoreApplication::translate("ReportStability", "%1 per m of b").arg(unit);
  QString rounds = QString::number(r.rounds.size());
  if (!r.leftOut.empty())
    rounds =
        QCoreApplication::translate("ReportStability", "%1 (%2 left out)").arg(rounds).arg(r.leftOut.size());
  QString massTrend = trend(r.mass);
  if (r.mass.mannKendall.n >= 4) massTrend += QStringLiteral(" (S = %1)").arg(r.mass.mannKendall.s);
  const QString halfLife =
      std::isfinite(r.halfLife)
          ? QCoreApplication::translate("ReportStability", "%1 (%2 to %3)")
                .arg(number(report, r.halfLife), number(report, r.halfLifeLow),
                     std::isinf(r.halfLifeHigh) ? QStringLiteral("&#8734;") : number(report, r.halfLifeHigh))
          : QStringLiteral("-");
  return QStringLiteral(
             "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4 &#8594; %5 %6</td><td>%7</td><td>%8</td><td>%9</td>"
             "<td>%10 / %11</td><td>%12</td></tr>")
      .arg(latin(r.contaminant), rounds,
           r.estimator == "line" ? QCoreApplication::translate("ReportStability", "line")
                                 : QCoreApplication::translate("ReportStability", "delaunay"),
           number(report, r.rounds.front().moments.mass), number(report, r.rounds.back().moments.mass), unit,
           massTrend, trend(r.centreS), halfLife)
      .arg(number(report, r.drift, 2), number(report, r.retardedVelocity, 2), lightWords(r.light));
}

// The mass discharge through the project's transects, one row per
// contaminant and transect along the flow.
void writeDischarge(ReportContext& report, const std::vector<PlumeMassResult>& plumes) {
  const Project& project = report.project();
  const ProjectExtras& extras = virelo_ExtrasOf(project);
  if (extras.monitoring.transects.empty()) return;
  QString rows;
  QStringList problems;
  for (const PlumeMassResult& plume : plumes) {
    const MassDischargeResult r = MassDischargeOf(extras.site, plume.contaminant, extras.monitoring.transects,
                                                  MassDischargeOptionsFor(project));
    if (!r.problem.empty()) {
      problems << latin(r.contaminant) + QStringLiteral(": ") + report.num(latin(r.problem));
      continue;
    }
    for (size_t k = 0; k < r.transects.size(); ++k) {
      const TransectDischarge& t = r.transects[k];
      QString ratio = QStringLiteral("-");
      for (const TransectDecline& d : r.declines)
        if (d.upstream == t.name && std::isfinite(d.ratio))
          ratio = QCoreApplication::translate("ReportStability", "%1 % at %2 (%3)")
                      .arg(number(report, 100.0 * d.ratio, 3), latin(d.downstream),
                           QString::fromStdString(d.date));
      const QString words = TrendClassWords(t.trend.trend);
      rows +=
          QStringLiteral(
              "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td>"
              "</tr>")
              .arg(k == 0 ? latin(r.contaminant) : QString(), latin(t.name), number(report, t.s, 3),
                   QString::number(t.rounds.size()),
                   t.rounds.empty() ? QStringLiteral("-")
                                    : number(report, t.rounds.back().discharge) + QStringLiteral(" (") +
                                          QString::fromStdString(t.rounds.back().date) + QStringLiteral(")"),
                   words.isEmpty() ? QStringLiteral("-") : words, ratio);
    }
  }
  const bool perMetre = !IsAcceptedSaturatedThickness(virelo_SettingsOf(project).saturatedThickness);
  // The sentence says what the table's columns are: it stays with it.
  report.lead(QCoreApplication::translate(
                  "ReportStability",
                  "<p>Mass discharge Md = &#931; C&#183;Kf&#183;i&#183;w&#183;b through each transect "
                  "of wells across the flow, each well standing for the strip w halfway to its "
                  "neighbours%1; the dispersive flux is neglected (ITRC 2010).</p>")
                  .arg(perMetre ? QCoreApplication::translate(
                                      "ReportStability", ", per metre of saturated thickness (b not entered)")
                                : QString()));
  if (!rows.isEmpty())
    report.table(tableStart() +
                 QStringLiteral("<tr>%1%2%3%4%5%6%7</tr>")
                     .arg(th(QCoreApplication::translate("ReportStability", "Contaminant")),
                          th(QCoreApplication::translate("ReportStability", "Transect")),
                          th(QStringLiteral("s [m]")),
                          th(QCoreApplication::translate("ReportStability", "Rounds")),
                          th(QCoreApplication::translate("ReportStability", "Md latest [g/d]")),
                          th(QCoreApplication::translate("ReportStability", "Md trend")),
                          th(QCoreApplication::translate("ReportStability", "Next transect downstream"))) +
                 rows + QStringLiteral("</table>"));
  if (!problems.isEmpty())
    report.add(QCoreApplication::translate("ReportStability", "<p>No mass discharge: %1.</p>")
                   .arg(problems.join(QStringLiteral("; "))));
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
  report.heading(2, QCoreApplication::translate("ReportStability", "The plume as a whole"), "stability");
  report.lead(QCoreApplication::translate(
      "ReportStability",
      "<p>The dissolved mass M0 = ne&#183;b&#183;&#8747;C dA and the centre of mass per sampling round, on "
      "the same wells in every round, interpolated linearly between them (on their Delaunay triangles, or "
      "along a row of wells per metre of plume width). Green: the mass decreases and the centre of mass does "
      "not move downstream; red: either increases; yellow otherwise.</p>"));
  QString table =
      tableStart() + QStringLiteral("<tr>%1%2%3%4%5%6%7%8%9</tr>")
                         .arg(th(QCoreApplication::translate("ReportStability", "Contaminant")),
                              th(QCoreApplication::translate("ReportStability", "Rounds")),
                              th(QCoreApplication::translate("ReportStability", "Estimator")),
                              th(QCoreApplication::translate("ReportStability", "Mass first &#8594; last")),
                              th(QCoreApplication::translate("ReportStability", "Mass trend")),
                              th(QCoreApplication::translate("ReportStability", "Centre of mass")),
                              th(QCoreApplication::translate("ReportStability", "Half-life [d]")),
                              th(QCoreApplication::translate("ReportStability", "Drift / v/R [m/d]")),
                              th(QCoreApplication::translate("ReportStability", "Light")));
  for (const PlumeMassResult& r : results) table += row(report, r);
  report.table(table + QStringLiteral("</table>"));
  report.add(QCoreApplication::translate(
      "ReportStability",
      "<p>Rounds missing a well of the set are left out; <code>virelo-cli stability</code> "
      "lists them with the "
      "mass, centre and spread of every round.</p>"));
  writeDischarge(report, results);
}
