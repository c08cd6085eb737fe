// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Lines of evidence: the case on one page, before the detail. One row per
// line and contaminant with its light, its reading and the section that
// holds its evidence. It changes no verdict.
#include "engine/case/linesofevidence.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "report/ReportSection.h"

namespace {

// The light's cell; no light is a white "none", never taken for a Green.
QString LightCell(const EvidenceRow& row) {
  if (!row.hasLight) return QStringLiteral("<td>none</td>");
  return classCell(row.light);
}

// Where the report holds each line's evidence, in one sentence.
QString Places(ReportContext& report) {
  const Project& project = report.project();
  const bool site = !virelo_ExtrasOf(project).site.empty();
  QString text = QStringLiteral("Evidence: ");
  if (site)
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
  report.add(QStringLiteral("<h2>Lines of evidence</h2>"));
  report.add(
      QStringLiteral("<p>The case of each contaminant assessed by the attenuation factor, line by line; the "
                     "lines change no verdict. %1</p>")
          .arg(Places(report)));
  // Without monitoring data the plume and geochemistry lines of every
  // contaminant say the same; the report says it once.
  const bool site = !virelo_ExtrasOf(report.project()).site.empty();
  if (!site)
    report.add(QStringLiteral(
        "<p>No monitoring data: the lines of the plume's behaviour and of the geochemistry have no light. "
        "They need the wells' samples and redox indicators (Data &gt; Site data...).</p>"));
  // A summary in small type, so that the case stays on the first pages.
  QString table = tableStart();
  table.replace(QLatin1String("style=\""), QLatin1String("style=\"font-size: 7pt; "));
  table.replace(QLatin1String("cellpadding=\"2.5\""), QLatin1String("cellpadding=\"1\""));
  report.add(table + QStringLiteral("<tr><th width=\"15%\">Line</th><th width=\"8%\">Light</th>"
                                    "<th>Reading</th></tr>"));
  // A contaminant's heading row carries a line without a light that still
  // has a reading (the wells' trends), so that the table stays short.
  for (size_t k = 0; k < rows.size(); ++k) {
    const EvidenceRow& row = rows[k];
    if (k == 0 || rows[k - 1].contaminant != row.contaminant) {
      QString heading = QStringLiteral("<b>%1</b>").arg(esc(QString::fromStdString(row.contaminant)));
      for (size_t j = k; j < rows.size() && rows[j].contaminant == row.contaminant; ++j)
        if (rows[j].line == EvidenceLine::kPlume && !rows[j].hasLight && site)
          heading += QStringLiteral(" &#8212; %1 (no light): %2")
                         .arg(QLatin1String(EvidenceLineName(rows[j].line)),
                              esc(QString::fromStdString(rows[j].reading)));
      report.add(QStringLiteral("<tr><td colspan=\"3\" bgcolor=\"#eeeeee\">%1</td></tr>").arg(heading));
    }
    if (row.line == EvidenceLine::kPlume && !row.hasLight) continue;
    if (!site && row.line == EvidenceLine::kGeochemistry) continue;
    report.add(QStringLiteral("<tr><td>%1</td>%2<td>%3</td></tr>")
                   .arg(QLatin1String(EvidenceLineName(row.line)), LightCell(row),
                        esc(QString::fromStdString(row.reading))));
  }
  report.add(QStringLiteral("</table>"));
}
