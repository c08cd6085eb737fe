// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/sections/SiteTrends.h"

#include <QStringList>
#include <cmath>

#include "engine/siteproject.h"
#include "report/ReportSection.h"

namespace {

QString recordText(const std::string& text) {
  return record(text.c_str());
}

QString num(double value, int digits) {
  return std::isfinite(value) ? QString::number(value, 'g', digits) : QStringLiteral("-");
}

// The contaminants whose trends are read at the same wells, in the order
// of the site's series, with their fits.
struct TrendGroup {
  std::vector<std::string> wells;
  QStringList names;
  std::vector<std::vector<TimeFit>> fits;  // per contaminant, per well as `wells`
};

// "A", "A and B", "A, B and C".
QString listed(const QStringList& names) {
  if (names.size() < 2) return names.join(QString());
  return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

}  // namespace

void WriteSiteTrends(ReportContext& report, const SiteData& site, const std::vector<ContaminantSeries>& all) {
  std::vector<TrendGroup> groups;
  for (const ContaminantSeries& series : all) {
    const SiteFitOptions options = SiteFitOptionsFor(report.project(), series.contaminant, 90);
    std::vector<TimeFit> fits = FitTimes(site, series, options);
    if (fits.empty()) continue;
    std::vector<std::string> wells;
    for (const TimeFit& t : fits) wells.push_back(t.well);
    TrendGroup* group = nullptr;
    for (TrendGroup& g : groups)
      if (g.wells == wells) group = &g;
    if (!group) group = &groups.emplace_back(TrendGroup{wells, {}, {}});
    group->names << recordText(series.contaminant);
    group->fits.push_back(std::move(fits));
  }
  if (groups.empty()) return;
  report.heading(3, QStringLiteral("Trends at the wells"));
  for (const TrendGroup& group : groups) {
    QString table = tableStart() + QStringLiteral("<tr>");
    for (const char* title : {"Well", "Contaminant", "n", "k point [1/d]", "S", "Confidence", "COV", "Trend"})
      table += QStringLiteral("<th bgcolor=\"#e8e8e8\">%1</th>").arg(QLatin1String(title));
    table += QStringLiteral("</tr>");
    // Well by well, each contaminant's trend beside the others'.
    for (size_t w = 0; w < group.wells.size(); ++w)
      for (qsizetype c = 0; c < group.names.size(); ++c) {
        const TimeFit& t = group.fits[static_cast<size_t>(c)][w];
        const MannKendallResult& mk = t.mannKendall;
        table += QStringLiteral(
                     "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td>"
                     "<td>%7</td><td>%8</td></tr>")
                     .arg(recordText(t.well), group.names[c], QString::number(t.points.size()),
                          num(t.kPoint, 3), mk.n >= 4 ? QString::number(mk.s) : QString(),
                          std::isfinite(mk.confidence) ? num(100.0 * mk.confidence, 4) + QStringLiteral(" %")
                                                       : QString(),
                          num(mk.cov, 2), QString::fromLatin1(TrendClassText(mk.trend)));
      }
    report.add(QStringLiteral("<p>Trends of %1 at the wells (Mann&#8211;Kendall, classes after Aziz et al. "
                              "2003):</p>")
                   .arg(listed(group.names)) +
               table + QStringLiteral("</table>"));
  }
}
