// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The site's own monitoring data: the wells, each contaminant's
// concentration-distance fit with its chart and warnings, the trend at each
// well, the redox classes of the indicators, and the source of every decay
// constant taken from them. A project without site data has no such section.
#include <QChart>
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "analysis/CentrelineChart.h"
#include "analysis/SiteCharts.h"
#include "engine/project/extras.h"
#include "engine/site/redox.h"
#include "engine/site/siteproject.h"
#include "engine/site/solventscore.h"
#include "engine/uncertainty/lambdainterval.h"
#include "platform/EngineText.h"
#include "report/ReportLayout.h"
#include "report/ReportSection.h"
#include "report/sections/ChartLanguage.h"
#include "report/sections/SiteTrends.h"

namespace {

QString num(const ReportContext& report, double value, int digits = 4) {
  return std::isfinite(value) ? report.num(QString::number(value + 0.0, 'g', digits)) : QStringLiteral("-");
}

QString recordText(const std::string& text) {
  return record(text.c_str());
}

QString headerRow(const QStringList& cells, const QList<int>& widths = {}) {
  QString html = QStringLiteral("<tr>");
  for (qsizetype k = 0; k < cells.size(); ++k)
    html +=
        QStringLiteral("<th bgcolor=\"#e8e8e8\"%1>%2</th>")
            .arg(k < widths.size() ? QStringLiteral(" width=\"%1%\"").arg(widths[k]) : QString(), cells[k]);
  return html + QStringLiteral("</tr>");
}

QString bodyRow(const QStringList& cells) {
  QString html = QStringLiteral("<tr>");
  for (const QString& c : cells) html += QStringLiteral("<td>%1</td>").arg(c);
  return html + QStringLiteral("</tr>");
}

// The chart in the page, laid out at 520 by 212 and shown at half the
// page's width, so that its lettering is about 5 pt and stays legible
// beside the fit's numbers.
QString chartHtml(ReportContext& report, QChart* chart) {
  WithReportDecimalSign(chart, report.settings().decimalSign);
  return report.drawing(ChartDrawing(chart, QSizeF(520, 212)), 187.5, 76.5);
}

// Whether any reading holds an indicator of the water itself. Ethene comes
// into the readings as the end of a dechlorination chain, measured with
// the contaminants: on its own it classes no well and scores next to
// nothing.
bool AnyRedoxIndicator(const std::vector<RedoxReading>& readings) {
  for (const RedoxReading& r : readings) {
    const RedoxIndicators& in = r.indicators;
    for (const Indicator* indicator :
         {&in.oxygen, &in.nitrateN, &in.manganese, &in.iron, &in.sulfate, &in.sulfide, &in.methane, &in.orp,
          &in.doc, &in.ph, &in.temperature, &in.toc, &in.chloride, &in.ethane, &in.hydrogen, &in.fattyAcids,
          &in.alkalinity, &in.carbonDioxide})
      if (indicator->present) return true;
  }
  return false;
}

// The redox class and solvent score of each well and date with indicators,
// and the condition suggested for the aquifer.
void WriteRedoxReadings(ReportContext& report, const Project& project, const SiteData& site,
                        const std::vector<RedoxReading>& readings) {
  report.heading(3, QCoreApplication::translate("ReportSiteData", "Redox condition from the indicators"));
  QString table = tableStart() + headerRow({QCoreApplication::translate("ReportSiteData", "Well"),
                                            QCoreApplication::translate("ReportSiteData", "Date"),
                                            QCoreApplication::translate("ReportSiteData", "Class"),
                                            QCoreApplication::translate("ReportSiteData", "Rule"),
                                            QCoreApplication::translate("ReportSiteData", "Rests on"),
                                            QCoreApplication::translate("ReportSiteData", "Missing"),
                                            QCoreApplication::translate("ReportSiteData", "Solvent score")},
                                           // The rule's words take the room, so that a row is a few lines.
                                           {10, 10, 14, 30, 10, 8, 18});
  // Wells whose readings of one date say the same share a row, so that a
  // site of uniform chemistry is one row and not one per well; rows stand
  // in the order of their first well.
  std::vector<QStringList> rows;
  const SolventBackground background = SolventBackgroundOf(project);
  for (const RedoxReading& r : readings) {
    const SolventScore score = ScoreSolvent(
        r.indicators, SolventDaughtersAt(site, virelo_ExtrasOf(project).chains, r.well, r.date), background);
    // The parameters in the report's language, as the window names them
    // ("temperature" is "Temperatur" in German); symbols stay as they are.
    QStringList points, missing;
    for (const SolventPoints& p : score.used)
      points << EngineTerm(p.parameter.c_str()) + QLatin1Char(' ') + QString::number(p.points);
    for (const std::string& parameter : score.missing) missing << EngineTerm(parameter.c_str());
    QString scoreCell = score.scored ? QStringLiteral("%1, %2 (%3)")
                                           .arg(score.total)
                                           .arg(EngineTerm(SolventReadingWord(score.total)),
                                                report.num(esc(points.join(QStringLiteral(", ")))))
                                     : QStringLiteral("-");
    if (!score.missing.empty())
      scoreCell += QCoreApplication::translate("ReportSiteData", "; not measured: %1")
                       .arg(esc(missing.join(QLatin1Char(';'))));
    const QStringList cells = {Unbroken(recordText(r.well)),
                               QString::fromLatin1(r.date.c_str()),
                               EngineTerm(kRedoxConditions[r.condition].text),
                               report.num(esc(EngineText(r.rule))),
                               report.num(esc(EngineText(r.basis))),
                               report.num(esc(QString::fromStdString(r.missing))),
                               scoreCell};
    const auto same = std::find_if(rows.begin(), rows.end(),
                                   [&](const QStringList& row) { return row.mid(1) == cells.mid(1); });
    if (same == rows.end())
      rows.push_back(cells);
    else
      (*same)[0] += QStringLiteral(", ") + cells[0];
  }
  for (const QStringList& cells : rows) table += bodyRow(cells);
  std::string reason;
  const int suggested = SuggestRedox(site, readings, &reason);
  // The date stays whole; a list of wells wraps between their names, and
  // the words of a class, a rule and a score wrap.
  report.table(table + QStringLiteral("</table>"), QStringLiteral("wnwwwww"));
  report.add(QCoreApplication::translate(
                 "ReportSiteData",
                 "<p>Classes by the thresholds of McMahon and Chapelle 2008 and Jurgens et al. "
                 "2009. Suggested redox condition: <b>%1</b> (%2). The aquifer is "
                 "assessed as %3.</p>")
                 .arg(EngineTerm(kRedoxConditions[suggested].text), report.num(esc(EngineText(reason))),
                      EngineTerm(virelo_RedoxText(project.aquifer.redoxCondition)
                                     ? virelo_RedoxText(project.aquifer.redoxCondition)
                                     : "-")));
  // The rows not scored are those of the first reading: every reading
  // leaves out the same, given the project's chains and background.
  const SolventScore first = ScoreSolvent(
      {},
      SolventDaughtersAt(site, virelo_ExtrasOf(project).chains, readings.front().well, readings.front().date),
      background);
  // The rows and reasons in the report's language, as the window gives them.
  QStringList rowsLeftOut;
  for (const SolventRowLeftOut& row : first.leftOut)
    rowsLeftOut << EngineTerm(row.row) + QStringLiteral(": ") + EngineTerm(row.reason);
  const QString leftOut = esc(rowsLeftOut.join(QStringLiteral("; ")));
  report.add(
      QCoreApplication::translate(
          "ReportSiteData",
          "<p>The solvent score is the screening for reductive dechlorination of chlorinated solvents "
          "(Wiedemeier et al. 1998, US EPA/600/R-98/128, Table 2.3), scored on the parameters measured: "
          "O2 below 0.5 mg/L 3 points, above 5 mg/L &#8722;3; nitrate below 1 mg/L (read as NO3) 2; "
          "iron(II) above 1 mg/L 3; sulfate below 20 mg/L 2; sulfide above 1 mg/L 3; methane above "
          "0.5 mg/L 3; ORP below 50 mV 1, below &#8722;100 mV 2; TOC above 20 mg/L 2 (a DOC above "
          "20 mg/L where no TOC was measured); temperature above 20 &#176;C 1; ethene and ethane "
          "together above 0.01 mg/L 2, above 0.1 mg/L 3; alkalinity above twice background 1; where a "
          "decay chain records the released solvents, TCE, DCE and VC found and not released 2 each. "
          "A total of 5 or less is inadequate evidence, 6 to 14 limited, 15 to 20 adequate, above 20 "
          "strong. Rows not measured at a well are named beside its score. Background: %2. The table's "
          "other rows are not scored: %1. The pH row counts a pH outside 5 to 9 against dechlorination, "
          "so a total without it may be too high as well as too low.</p>")
          .arg(report.num(leftOut), report.num(esc(EngineText(SolventBackgroundText(background))))));
}

// The wells with their place along and across the flow, and the number of
// samples.
void WriteWellsTable(ReportContext& report, const SiteData& site) {
  report.heading(3, QCoreApplication::translate("ReportSiteData", "Monitoring wells"));
  // Two wells to a row: four short columns need no more than half the page.
  // The document fills a short last row with empty cells.
  const QStringList head = {QCoreApplication::translate("ReportSiteData", "Well"), QStringLiteral("s [m]"),
                            QStringLiteral("y [m]"), QCoreApplication::translate("ReportSiteData", "In fit")};
  QString wells = tableStart() + headerRow(site.wells.size() > 1 ? head + head : head);
  for (size_t k = 0; k < site.wells.size(); k += 2) {
    QStringList cells;
    for (size_t w = k; w < std::min(k + 2, site.wells.size()); ++w) {
      const SiteWell& well = site.wells[w];
      cells << Unbroken(recordText(well.name)) << num(report, well.s, 6) << num(report, well.y, 6)
            << (well.inFit ? QCoreApplication::translate("ReportSiteData", "yes")
                           : QCoreApplication::translate("ReportSiteData", "no"));
    }
    wells += bodyRow(cells);
  }
  report.table(wells + QStringLiteral("</table>"), QStringLiteral("nnnnnnnn"));
  report.add(QCoreApplication::translate("ReportSiteData", "<p>%1 samples.</p>").arg(site.samples.size()));
}

}  // namespace

void WriteSiteDataSection(ReportContext& report) {
  const Project& project = report.project();
  const SiteData& site = virelo_ExtrasOf(project).site;
  if (site.empty()) return;
  report.heading(2, QCoreApplication::translate("ReportSiteData", "Site data"), "site");
  report.add(QCoreApplication::translate(
      "ReportSiteData",
      "<p>The site's own monitoring wells and samples. A concentration-distance fit along the centre line "
      "gives the bulk attenuation rate k = &#8722;m&#183;v and, corrected for dispersion after Buscheck and "
      "Alcantar (1995), the biodegradation rate &#955; = v/(4&#183;ax)&#183;([1 + "
      "2&#183;ax&#183;(&#8722;m)]&#178; "
      "&#8722; 1), with its 90 % interval from Student's t (Newell et al. 2002). Non-detects are left out of "
      "every fit and "
      "trend.</p>"));

  WriteWellsTable(report, site);
  const std::vector<ContaminantSeries> all = GatherSeries(site);
  // Two fits to a row of the page, each its heading, its chart and its
  // numbers, so that a site's contaminants share half a page.
  QStringList cells;
  for (const ContaminantSeries& series : all) {
    const SiteFitOptions options = SiteFitOptionsFor(project, series.contaminant, 90);
    const DistanceFit fit = FitDistance(site, series, options);
    QString cell = report.headingHtml(
        3, QCoreApplication::translate("ReportSiteData", "%1: decay constant from the wells")
               .arg(recordText(series.contaminant)));
    QStringList lines;
    auto row = [&](const QString& label, const QString& value) {
      lines << QStringLiteral("%1: %2").arg(label, value);
    };
    row(QCoreApplication::translate("ReportSiteData", "Date, wells in the fit"),
        QStringLiteral("%1, %2").arg(QString::fromLatin1(fit.date.c_str())).arg(fit.points.size()));
    if (fit.line.ok)
      row(QCoreApplication::translate("ReportSiteData", "Slope m [1/m], 90 % interval"),
          QCoreApplication::translate("ReportSiteData", "%1 (%2 to %3), R&#178; %4")
              .arg(num(report, fit.line.slope), num(report, fit.line.slopeLow),
                   num(report, fit.line.slopeHigh), num(report, fit.line.r2)));
    if (std::isfinite(fit.bulkK))
      row(QCoreApplication::translate("ReportSiteData", "Bulk rate k [1/d]"), num(report, fit.bulkK));
    if (fit.hasLambda)
      row(QCoreApplication::translate("ReportSiteData", "&#955; [1/d], 90 % interval"),
          QCoreApplication::translate("ReportSiteData", "<b>%1</b> (%2 to %3), half-life %4 d")
              .arg(num(report, fit.lambda), num(report, fit.lambdaLow), num(report, fit.lambdaHigh),
                   num(report, fit.halfLife)));
    for (const std::string& w : fit.warnings)
      lines << QStringLiteral("<i>%1</i>").arg(report.num(recordText(w)));
    if (!fit.nonDetects.empty()) {
      QStringList names;
      for (const SitePoint& p : fit.nonDetects) names << recordText(p.well);
      lines << QCoreApplication::translate("ReportSiteData", "Not detected, left out: %1.")
                   .arg(names.join(QStringLiteral(", ")));
    }
    if (!fit.points.empty())
      cell += QStringLiteral("<p>%1</p>").arg(chartHtml(report, BuildSiteDecayChart(fit)));
    for (const QString& line : lines) cell += QStringLiteral("<p>%1</p>").arg(line);
    cells << cell;
  }
  report.addTwoToARow(cells);
  WriteSiteTrends(report, site, all);

  const std::vector<RedoxReading> readings = ReadRedox(site);
  if (AnyRedoxIndicator(readings)) {
    WriteRedoxReadings(report, project, site, readings);
  } else {
    // A table of rows that all read "not measured" would say less than this.
    report.heading(3, QCoreApplication::translate("ReportSiteData", "Redox condition from the indicators"));
    report.add(
        QCoreApplication::translate("ReportSiteData", "<p>No redox indicator was measured at any well.</p>"));
  }

  // Where each decay constant taken from the wells comes from.
  QStringList sources;
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    const std::string source = LambdaSourceOf(virelo_SettingsOf(project), c.name);
    if (source.rfind("site wells", 0) != 0) continue;
    // A value typed over the wells' one is no longer theirs.
    if (const SiteLambdaInterval* wells = SupersededLambdaInterval(project, c)) {
      sources << QCoreApplication::translate(
                     "ReportSiteData",
                     "%1: the wells gave &#955; = %2 1/d (%3), but the value in use, %4 1/d, "
                     "was entered by hand since")
                     .arg(contaminantName(report.project(), c.name), num(report, wells->lambda),
                          esc(QString::fromStdString(source)), num(report, c.lambdaUser));
      continue;
    }
    sources << QCoreApplication::translate("ReportSiteData", "%1: &#955; = %2 1/d, %3")
                   .arg(contaminantName(report.project(), c.name), num(report, c.lambdaUser),
                        esc(QString::fromStdString(source)));
  }
  if (!sources.isEmpty())
    report.add(QCoreApplication::translate("ReportSiteData",
                                           "<p>Decay constants taken from the site data:<br>%1</p>")
                   .arg(sources.join(QStringLiteral("<br>"))));
}
