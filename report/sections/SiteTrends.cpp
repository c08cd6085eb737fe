// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/sections/SiteTrends.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "engine/site/siteproject.h"
#include "report/ReportLayout.h"
#include "report/ReportSection.h"

namespace {

QString recordText(const std::string& text) {
  return record(text.c_str());
}

QString num(const ReportContext& report, double value, int digits) {
  return std::isfinite(value) ? report.num(QString::number(value, 'g', digits)) : QStringLiteral("-");
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
  return QCoreApplication::translate("ReportSiteTrends", "%1 and %2")
      .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

}  // namespace

QString TrendClassWords(TrendClass trend) {
  switch (trend) {
    case TrendClass::kIncreasing: return QCoreApplication::translate("ReportSiteTrends", "Increasing");
    case TrendClass::kProbablyIncreasing:
      return QCoreApplication::translate("ReportSiteTrends", "Probably Increasing");
    case TrendClass::kNoTrend: return QCoreApplication::translate("ReportSiteTrends", "No Trend");
    case TrendClass::kStable: return QCoreApplication::translate("ReportSiteTrends", "Stable");
    case TrendClass::kProbablyDecreasing:
      return QCoreApplication::translate("ReportSiteTrends", "Probably Decreasing");
    case TrendClass::kDecreasing: return QCoreApplication::translate("ReportSiteTrends", "Decreasing");
    default: break;
  }
  return QString::fromLatin1(TrendClassText(trend));
}

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
  report.heading(3, QCoreApplication::translate("ReportSiteTrends", "Trends at the wells"));
  // A row per well and a column per contaminant, four at most to a table:
  // each cell the trend in words over its numbers, so that a set of wells
  // takes a line or three per well, not one per well and contaminant.
  constexpr qsizetype kPerTable = 4;
  for (const TrendGroup& group : groups) {
    for (qsizetype first = 0; first < group.names.size(); first += kPerTable) {
      const qsizetype last = std::min(first + kPerTable, group.names.size());
      QString table = tableStart() + QStringLiteral("<tr><th bgcolor=\"#e8e8e8\" width=\"8%\">%1</th>")
                                         .arg(QCoreApplication::translate("ReportSiteTrends", "Well"));
      for (qsizetype c = first; c < last; ++c)
        table += QStringLiteral("<th bgcolor=\"#e8e8e8\" width=\"%1%\">%2</th>")
                     .arg(92 / (last - first))
                     .arg(group.names[c]);
      table += QStringLiteral("</tr>");
      for (size_t w = 0; w < group.wells.size(); ++w) {
        table += QStringLiteral("<tr><td>%1</td>").arg(Unbroken(recordText(group.wells[w])));
        for (qsizetype c = first; c < last; ++c) {
          const TimeFit& t = group.fits[static_cast<size_t>(c)][w];
          const MannKendallResult& mk = t.mannKendall;
          QStringList numbers{QStringLiteral("n %1").arg(t.points.size())};
          if (mk.n >= 4) numbers << QStringLiteral("S %1").arg(mk.s);
          if (std::isfinite(mk.confidence))
            numbers << num(report, 100.0 * mk.confidence, 4) + QStringLiteral(" %");
          numbers
              << QStringLiteral("COV %1").arg(num(report, mk.cov, 2))
              << QCoreApplication::translate("ReportSiteTrends", "k point %1").arg(num(report, t.kPoint, 3));
          table += QStringLiteral("<td><b>%1</b><br><span style=\"font-size: 7.5pt\">%2</span></td>")
                       .arg(TrendClassWords(mk.trend), numbers.join(QStringLiteral(", ")));
        }
        table += QStringLiteral("</tr>");
      }
      if (first == 0)
        report.lead(QCoreApplication::translate(
                        "ReportSiteTrends",
                        "<p>Trends of %1 at the wells (Mann&#8211;Kendall, classes after Aziz et al. "
                        "2003; S the Mann&#8211;Kendall statistic with its confidence, COV the "
                        "coefficient of variation, k point the rate of the concentration over "
                        "time [1/d]):</p>")
                        .arg(listed(group.names)));
      report.table(table + QStringLiteral("</table>"), QStringLiteral("n"));
    }
  }
}
