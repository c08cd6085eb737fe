// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The site on the map and the flow field from the wells' heads: the source
// point and flow azimuth the wells' s and y are measured by, the plane
// through the heads of each date, and where the aquifer's gradient and the
// flow azimuth come from when they were taken from the heads. A project
// without map or heads has no such section.
#include <QCoreApplication>
#include <cmath>

#include "analysis/SiteFlowView.h"
#include "engine/project/extras.h"
#include "engine/site/flowfield.h"
#include "report/ReportSection.h"

namespace {

QString num(const ReportContext& report, double value, int digits) {
  return std::isfinite(value) ? report.num(QString::number(value, 'g', digits)) : QStringLiteral("-");
}

}  // namespace

void WriteFlowFieldSection(ReportContext& report) {
  const Project& project = report.project();
  const SiteData& site = virelo_ExtrasOf(project).site;
  const std::vector<std::string> dates = FlowFieldDates(site);
  if (site.map.empty() && dates.empty()) return;
  report.heading(3, QCoreApplication::translate("ReportFlowField", "Flow field"), "flowfield");
  QString text;
  if (site.map.hasSource)
    text += QCoreApplication::translate("ReportFlowField", "Source point: easting %1 m, northing %2 m. ")
                .arg(num(report, site.map.sourceEasting, 12), num(report, site.map.sourceNorthing, 12));
  if (site.map.hasAzimuth)
    text += QCoreApplication::translate("ReportFlowField", "Flow azimuth: %1&#176; clockwise from north. ")
                .arg(num(report, site.map.flowAzimuth, 6));
  if (SiteMapPlacesWells(site.map))
    text += QCoreApplication::translate(
        "ReportFlowField",
        "Wells surveyed in map coordinates take s along the flow from the source and y across it, positive "
        "to the left looking downstream.");
  if (!text.isEmpty()) report.add(QStringLiteral("<p>%1</p>").arg(text));

  if (!dates.empty()) {
    // One value to a column, as `virelo-cli flow --csv` gives them.
    const QString level = report.num(QString::number(kFlowAzimuthLevel * 100.0, 'g', 3));
    QString table = tableStart() + QStringLiteral("<tr>");
    for (const QString& title :
         {QCoreApplication::translate("ReportFlowField", "Date"),
          QCoreApplication::translate("ReportFlowField", "Wells"),
          QCoreApplication::translate("ReportFlowField", "Gradient i"), QStringLiteral("&#177;"),
          QCoreApplication::translate("ReportFlowField", "Flow azimuth [&#176;]"),
          QStringLiteral("&#177; [&#176;]"),
          QCoreApplication::translate("ReportFlowField", "%1 % interval [&#176;]").arg(level),
          QCoreApplication::translate("ReportFlowField", "rms residual [m]")})
      table += QStringLiteral("<th bgcolor=\"#e8e8e8\">%1</th>").arg(title);
    table += QStringLiteral("</tr>");
    QStringList refused;
    bool threeWells = false;
    for (const std::string& date : dates) {
      FlowFieldFit fit;
      std::string why;
      const QString d = QString::fromLatin1(date.c_str());
      if (!FitFlowField(HeadsOn(site, date), &fit, &why)) {
        refused << QStringLiteral("%1: %2").arg(d, esc(QString::fromStdString(why)));
        continue;
      }
      threeWells = threeWells || !std::isfinite(fit.azimuthSe);
      table += QStringLiteral("<tr><td>%1</td><td>%2</td>").arg(d).arg(fit.n);
      for (const QString& cell : FlowFitCells(fit))
        table += QStringLiteral("<td>%1</td>").arg(report.num(esc(cell)));
      table += QStringLiteral("</tr>");
      // Wells nearly in a row: the date's direction is weak, said under its row.
      if (!fit.warning.empty())
        table += QStringLiteral("<tr><td colspan=\"8\"><i>%1</i></td></tr>")
                     .arg(QCoreApplication::translate("ReportFlowField", "Warning: %1")
                              .arg(report.num(esc(QString::fromStdString(fit.warning)))));
    }
    report.lead(QCoreApplication::translate(
        "ReportFlowField",
        "<p>The least-squares plane through the groundwater heads of each date gives "
        "the hydraulic gradient and the flow azimuth (the direction of steepest "
        "descent), each with its standard error and the azimuth with its 90 % "
        "interval (Student's t with n - 3 degrees of freedom for n wells).</p>"));
    report.table(table + QStringLiteral("</table>"), QStringLiteral("nnnnnnwn"));
    if (threeWells)
      report.add(QCoreApplication::translate(
          "ReportFlowField",
          "<p>A dash: 3 wells: no uncertainty; the plane passes through every head and "
          "leaves no residual to judge it by.</p>"));
    if (!refused.isEmpty()) report.add(QStringLiteral("<p>%1</p>").arg(refused.join(QStringLiteral("<br>"))));
  }
  const QStringList origins = FlowOriginLines(project);
  if (!origins.isEmpty()) {
    QStringList lines;
    for (const QString& line : origins) lines << report.num(esc(line));
    report.add(QStringLiteral("<p>%1</p>").arg(lines.join(QStringLiteral("<br>"))));
  }
}
