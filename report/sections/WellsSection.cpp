// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The model against the site's own wells: for each assessed contaminant
// with a distance fit, the fit extrapolated to the receptor with its class
// (the wells' part of the verdict), and beside every well with a detected
// value on the fit's date what the screening formula and the exact solution
// predict there. A well in the fit that holds more than twice the model is
// marked: the model then underpredicts the site. A project whose wells say
// nothing of an assessed contaminant has no such section.
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <set>

#include "engine/core/verdict.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "report/ReportLayout.h"
#include "report/ReportSection.h"

namespace {

// The longest well name, in letters, that the wells table of half the
// page's width holds in its column of 9 % at 7 pt.
constexpr size_t kHalfWidthWellName = 8;

QString concentration(const ReportContext& report, double value) {
  return std::isnan(value) ? QStringLiteral("-")
                           : report.num(esc(QString::fromStdString(FormatConcentration(value))));
}

QString number(const ReportContext& report, double value, int digits = 4) {
  return std::isfinite(value) ? report.num(QString::number(value, 'g', digits)) : QStringLiteral("-");
}

// Measured over model with three digits, as a whole number from 1000 on
// (6691 rather than 6.69e+03), so that it keeps to its narrow column.
QString factor(const ReportContext& report, double value) {
  if (std::isfinite(value) && value >= 1000.0 && value < 1e7) return QString::number(value, 'f', 0);
  return number(report, value, 3);
}

QString className(AssessmentClass cls) {
  switch (cls) {
    case AssessmentClass::Green: return QCoreApplication::translate("ReportWells", "Green");
    case AssessmentClass::Yellow: return QCoreApplication::translate("ReportWells", "Yellow");
    case AssessmentClass::Red: return QCoreApplication::translate("ReportWells", "Red");
    default: break;
  }
  return QLatin1String(AssessmentClassName(cls));
}

// The assessed contaminants in the order of the results, each once.
std::vector<int> assessedContaminants(const ReportContext& report) {
  std::vector<int> list;
  std::set<int> seen;
  for (const ContaminantResult* r : report.resultsWith(kAssessPlumeLength | kAssessAttenuationFactor))
    if (seen.insert(r->contaminantIndex).second) list.push_back(r->contaminantIndex);
  return list;
}

QString extrapolation(const ReportContext& report, const Contaminant& c, const WellsEvidence& wells) {
  const QString unit = report.unit();
  QString html =
      QCoreApplication::translate(
          "ReportWells", "<p>Distance fit of %1 (%2 %, the wells in the fit): slope m = %3 1/m (%4 to %5).")
          .arg(esc(QString::fromStdString(wells.date)))
          .arg(wells.levelPercent)
          .arg(number(report, wells.slope), number(report, wells.slopeLow), number(report, wells.slopeHigh));
  if (!wells.hasClass) {
    // Without a class the wells do not enter the verdict; their warnings
    // say why, so that nobody reads the missing class as a Green.
    html += QCoreApplication::translate("ReportWells", " The wells give no class:</p><ul>");
    for (const std::string& w : wells.warnings)
      html += QStringLiteral("<li><i>%1</i></li>")
                  .arg(report.num(esc(QString::fromStdString(RecordTextToUtf8(w.c_str())))));
    if (wells.warnings.empty())
      html += QStringLiteral("<li><i>%1</i></li>")
                  .arg(QCoreApplication::translate("ReportWells", "the fit gives no concentration"));
    return html + QStringLiteral("</ul>");
  }
  return html + QCoreApplication::translate(
                    "ReportWells",
                    " Extrapolated to the receptor: C(x) = %1 %2 against CA = %3 %2, <b>%4</b>; with the "
                    "slope at the ends of its interval %5 %2 (%6) and %7 %2 (%8).</p>")
                    .arg(concentration(report, wells.concentration), unit, concentration(report, c.ca),
                         className(wells.cls), concentration(report, wells.concentrationLow),
                         className(wells.clsAtLow), concentration(report, wells.concentrationHigh),
                         className(wells.clsAtHigh));
}

QString comparison(const ReportContext& report, const WellsEvidence& wells) {
  if (wells.wells.empty())
    return QCoreApplication::translate("ReportWells",
                                       "<p><i>No well has a detected value on the fit's date.</i></p>");
  const QString unit = report.unit();
  // A point smaller, so that a row stays on one line in half the page.
  QString table = tableStart();
  table.replace(QLatin1String("style=\""), QLatin1String("style=\"font-size: 7pt; "));
  // Widths that hold a concentration such as 0.03307 and "6.69e+03 under"
  // on one line; each title keeps to one line too, the least width of its
  // column, as the values under it do.
  table += QStringLiteral(
               "<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"9%\">%7</th><th align=\"left\" "
               "width=\"7%\">%1</th><th align=\"left\" width=\"5%\">%2</th><th align=\"left\" "
               "width=\"15%\">%3</th><th align=\"left\" width=\"16%\">%4</th><th "
               "align=\"left\" width=\"16%\">%5</th><th align=\"left\" width=\"32%\">%6</th></tr></thead>")
               .arg(Unbroken(QStringLiteral("s [m]")), Unbroken(QStringLiteral("y [m]")),
                    Unbroken(QCoreApplication::translate("ReportWells", "Measured [%1]").arg(unit)),
                    Unbroken(QCoreApplication::translate("ReportWells", "Screening [%1]").arg(unit)),
                    Unbroken(QCoreApplication::translate("ReportWells", "Exact [%1]").arg(unit)),
                    Unbroken(QCoreApplication::translate("ReportWells", "Measured / model")))
               .arg(QCoreApplication::translate("ReportWells", "Well"));
  for (const WellComparison& w : wells.wells) {
    const QString name =
        Unbroken(esc(QString::fromStdString(RecordTextToUtf8(w.well.c_str())))) +
        (w.inFit ? QString() : QCoreApplication::translate("ReportWells", " <i>(not in the fit)</i>"));
    // The mark is a word as well as a colour, so that it survives a print
    // in grey and a copy of the text.
    const QString ratio = w.underpredicted ? QStringLiteral("<td bgcolor=\"#f3b6b0\">%1</td>")
                                                 .arg(QCoreApplication::translate("ReportWells", "%1 under"))
                                           : QStringLiteral("<td>%1</td>");
    table += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td>%7</tr>")
                 .arg(name, number(report, w.s, 6), number(report, w.y, 6), concentration(report, w.measured),
                      concentration(report, w.screening), concentration(report, w.exact),
                      ratio.arg(factor(report, w.factor)));
  }
  // The well's name may wrap before "(not in the fit)"; a number never.
  return WithLayoutMark(table + QStringLiteral("</table>"), LayoutRole::kTable, QStringLiteral("wnnnnnn"));
}

}  // namespace

void WriteWellsSection(ReportContext& report) {
  const Project& project = report.project();
  std::vector<int> withWells;
  for (int index : assessedContaminants(report))
    if (report.wells(index).hasFit) withWells.push_back(index);
  if (withWells.empty()) return;
  const VerdictBasis basis = virelo_SettingsOf(project).verdictBasis;
  const AssessmentRange range = report.afRange();
  report.heading(2, QCoreApplication::translate("ReportWells", "Model against the wells"), "wells");
  report.add(
      QCoreApplication::translate(
          "ReportWells",
          "<p>The concentration-distance fit of the site data (section %1, at its default date, the latest "
          "with at least three detected values in the fit, and %2 %) extrapolated to the receptor, C(x) = "
          "exp(a + m&#183;x), is the site's own estimate "
          "of the receptor's concentration. It is classed as a species of a decay chain is: C(x)/CA against "
          "the attenuation-factor range, green where C(x) &lt;= %3 CA, yellow up to %4 CA, red above; this "
          "class enters the verdict of every row of the contaminant. A fit with warnings gives no class. "
          "Beside each well with a detected value on the fit's date stand the concentrations the screening "
          "formula and the exact solution predict at its distance s along the flow and y across it, and the "
          "measured value over the model under the verdict basis (%5). A well in the fit that holds more "
          "than %6 times the model is marked \"under\": there the model underpredicts the wells.</p>")
          .arg(report.ref("site"))
          .arg(kWellsLevelPercent)
          .arg(report.num(QStringLiteral("%1").arg(range.lower)),
               report.num(QStringLiteral("%1").arg(range.upper)), QLatin1String(VerdictBasisText(basis)),
               report.num(QStringLiteral("%1").arg(kUnderpredictionFactor))));
  // Two contaminants to a row of the page, each its heading, its estimate
  // at the receptor and its wells; one to a row where a well's name is too
  // long for a column of half the page's width, which would run past the
  // margin.
  size_t longest = 0;
  for (const SiteWell& well : virelo_ExtrasOf(project).site.wells)
    longest = std::max(longest, well.name.size());
  const bool twoToARow = longest <= kHalfWidthWellName;
  QStringList cells;
  for (int index : withWells) {
    const Contaminant& c = project.contaminants[index];
    const WellsEvidence& wells = report.wells(index);
    const QString title = contaminantName(report.project(), c.name);
    if (twoToARow) {
      cells << report.headingHtml(3, title, wellsKey(index).constData()) + extrapolation(report, c, wells) +
                   comparison(report, wells);
      continue;
    }
    report.heading(3, title, wellsKey(index).constData());
    report.add(extrapolation(report, c, wells));
    report.add(comparison(report, wells));
  }
  report.addTwoToARow(cells);
}
