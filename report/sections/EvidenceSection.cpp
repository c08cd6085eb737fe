// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Lines of evidence: the case on one page, before the detail. One row per
// line and contaminant with its light and its reading; the sentence above
// the table names the sections that hold the evidence. It changes no
// verdict.
#include <algorithm>

#include "engine/case/linesofevidence.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "report/ReportLayout.h"
#include "report/ReportSection.h"

namespace {

// The light's cell; no light is a white "none", never taken for a Green.
QString LightCell(const EvidenceRow& row) {
  if (!row.hasLight) return QStringLiteral("<td>none</td>");
  return classCell(row.light);
}

// Where the report holds each line's evidence, in one sentence.
QString Places(ReportContext& report, bool plumeSection) {
  const Project& project = report.project();
  const bool site = !virelo_ExtrasOf(project).site.empty();
  QString text = QStringLiteral("Evidence: ");
  if (site && plumeSection)
    text += QStringLiteral(
                "the plume as a whole and its mass discharge in section %1, the wells and the geochemistry "
                "in section %2, ")
                .arg(report.ref("stability"), report.ref("site"));
  else if (site)
    text +=
        QStringLiteral("the plume's behaviour and the geochemistry in section %1, ").arg(report.ref("site"));
  text += QStringLiteral("the model in section %1, ").arg(report.ref("results"));
  // The Time section is written only for a project with sorption or source
  // inputs; without, the desktop's Time window shows the times.
  text += TransportIsDefault(project)
              ? QStringLiteral("the time frame in the Time window (Data &gt; Time...).")
              : QStringLiteral("the time frame in section %1.").arg(report.ref("time"));
  return text;
}

}  // namespace

void WriteEvidenceSection(ReportContext& report) {
  const std::vector<EvidenceRow> rows = LinesOfEvidence(report.project(), report.evaluated());
  if (rows.empty()) return;
  // Unnumbered, as a summary ahead of the numbered sections: the numbers
  // the other sections cite stay as they are with or without it.
  report.add(WithLayoutMark(QStringLiteral("<h2>Lines of evidence</h2>"), LayoutRole::kHeading));
  report.lead(
      QStringLiteral(
          "<p>The case of each contaminant assessed by the attenuation factor, line by line (lines of "
          "evidence after US EPA 1999); the lines change no verdict. %1</p>")
          .arg(Places(report, std::any_of(rows.begin(), rows.end(), [](const EvidenceRow& row) {
                        return row.line == EvidenceLine::kPlume && row.section != "Site data: Trends";
                      }))));
  // Without monitoring data the plume and geochemistry lines of every
  // contaminant say the same; the report says it once.
  const bool site = !virelo_ExtrasOf(report.project()).site.empty();
  if (!site)
    report.lead(QStringLiteral(
        "<p>No monitoring data: the lines of the plume's behaviour and of the geochemistry have no light. "
        "They need the wells' samples and redox indicators (Data &gt; Site data...).</p>"));
  // Without transects every contaminant's discharge line says the same.
  const bool transects = site && !virelo_ExtrasOf(report.project()).monitoring.transects.empty();
  if (site && !transects)
    report.lead(QStringLiteral(
        "<p>No transect of wells is named: the mass discharge line has no light (Data &gt; Site data..., "
        "Plume as a whole).</p>"));
  // A summary in small type, so that the case stays on the first pages.
  QString table = tableStart();
  table.replace(QLatin1String("style=\""), QLatin1String("style=\"font-size: 7pt; "));
  table.replace(QLatin1String("cellpadding=\"2.5\""), QLatin1String("cellpadding=\"1\""));
  report.openTable(table);
  report.add(
      QStringLiteral("<tr><th width=\"22%\">Contaminant, line</th><th width=\"7%\">Light</th>"
                     "<th>Reading</th></tr>"));
  // The contaminant's name heads its first line's cell, so that the table
  // needs no rows of its own for the names.
  std::string current;
  for (const EvidenceRow& row : rows) {
    if (!site && (row.line == EvidenceLine::kPlume || row.line == EvidenceLine::kGeochemistry)) continue;
    if (!transects && row.line == EvidenceLine::kDischarge) continue;
    const QString line = QLatin1String(EvidenceLineName(row.line));
    const QString first =
        row.contaminant != current
            ? QStringLiteral("<b>%1</b><br>").arg(esc(QString::fromStdString(row.contaminant)))
            : QString();
    current = row.contaminant;
    report.add(QStringLiteral("<tr><td>%1%2</td>%3<td>%4</td></tr>")
                   .arg(first, line, LightCell(row), esc(QString::fromStdString(row.reading))));
  }
  // The light is one word; the line and its reading wrap.
  report.closeTable(QStringLiteral("wnw"));
}
