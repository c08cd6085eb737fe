// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Lines of evidence: the case on one page, before the detail. One row per
// line and contaminant with its light and its reading; the sentence above
// the table names the sections that hold the evidence. It changes no
// verdict.
#include <QCoreApplication>
#include <algorithm>

#include "engine/case/linesofevidence.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "platform/EngineText.h"
#include "report/ReportLayout.h"
#include "report/ReportSection.h"

namespace {

// The light's cell; no light is a white "none", never taken for a Green.
QString LightCell(const EvidenceRow& row) {
  if (!row.hasLight)
    return QStringLiteral("<td>%1</td>").arg(QCoreApplication::translate("ReportEvidence", "none"));
  return classCell(row.light);
}

// The line's name in the reader's language.
QString LineName(EvidenceLine line) {
  switch (line) {
    case EvidenceLine::kPlume: return QCoreApplication::translate("ReportEvidence", "plume behaviour");
    case EvidenceLine::kDischarge: return QCoreApplication::translate("ReportEvidence", "mass discharge");
    case EvidenceLine::kGeochemistry: return QCoreApplication::translate("ReportEvidence", "geochemistry");
    case EvidenceLine::kModel: return QCoreApplication::translate("ReportEvidence", "model");
    case EvidenceLine::kTimeFrame: return QCoreApplication::translate("ReportEvidence", "time frame");
  }
  return QLatin1String(EvidenceLineName(line));
}

// Where the report holds each line's evidence, in one sentence.
QString Places(ReportContext& report, bool plumeSection) {
  const Project& project = report.project();
  const bool site = !virelo_ExtrasOf(project).site.empty();
  // One sentence in a piece, so that a translation may order its parts as
  // its language does.
  const QString model = report.ref("results");
  // The Time section is written only for a project with sorption or source
  // inputs; without, the desktop's Time window shows the times.
  const bool timeWindow = TransportIsDefault(project);
  if (site && plumeSection) {
    const QString refs[] = {report.ref("stability"), report.ref("site"), model};
    if (timeWindow)
      return QCoreApplication::translate(
                 "ReportEvidence",
                 "Evidence: the plume as a whole and its mass discharge in section %1, the wells and the "
                 "geochemistry in section %2, the model in section %3, the time frame in the Time window "
                 "(Data &gt; Time...).")
          .arg(refs[0], refs[1], refs[2]);
    return QCoreApplication::translate(
               "ReportEvidence",
               "Evidence: the plume as a whole and its mass discharge in section %1, the wells and the "
               "geochemistry in section %2, the model in section %3, the time frame in section %4.")
        .arg(refs[0], refs[1], refs[2], report.ref("time"));
  }
  if (site) {
    const QString place = report.ref("site");
    if (timeWindow)
      return QCoreApplication::translate("ReportEvidence",
                                         "Evidence: the plume's behaviour and the geochemistry in section "
                                         "%1, the model in section %2, "
                                         "the time frame in the Time window (Data &gt; Time...).")
          .arg(place, model);
    return QCoreApplication::translate(
               "ReportEvidence",
               "Evidence: the plume's behaviour and the geochemistry in section %1, the "
               "model in section %2, the time frame in section %3.")
        .arg(place, model, report.ref("time"));
  }
  if (timeWindow)
    return QCoreApplication::translate(
               "ReportEvidence",
               "Evidence: the model in section %1, the time frame in the Time window (Data &gt; Time...).")
        .arg(model);
  return QCoreApplication::translate("ReportEvidence",
                                     "Evidence: the model in section %1, the time frame in section %2.")
      .arg(model, report.ref("time"));
}

}  // namespace

void WriteEvidenceSection(ReportContext& report) {
  const std::vector<EvidenceRow> rows = LinesOfEvidence(report.project(), report.evaluated());
  if (rows.empty()) return;
  // Unnumbered, as a summary ahead of the numbered sections: the numbers
  // the other sections cite stay as they are with or without it.
  report.add(WithLayoutMark(
      QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("ReportEvidence", "Lines of evidence")),
      LayoutRole::kHeading));
  report.lead(
      QCoreApplication::translate(
          "ReportEvidence",
          "<p>The case of each contaminant assessed by the attenuation factor, line by line (lines of "
          "evidence after US EPA 1999); the lines change no verdict. %1</p>")
          .arg(Places(report, std::any_of(rows.begin(), rows.end(), [](const EvidenceRow& row) {
                        return row.line == EvidenceLine::kPlume && row.section != "Site data: Trends";
                      }))));
  // Without monitoring data the plume and geochemistry lines of every
  // contaminant say the same; the report says it once.
  const bool site = !virelo_ExtrasOf(report.project()).site.empty();
  if (!site)
    report.lead(QCoreApplication::translate(
        "ReportEvidence",
        "<p>No monitoring data: the lines of the plume's behaviour and of the geochemistry have no light. "
        "They need the wells' samples and redox indicators (Data &gt; Site data...).</p>"));
  // Without transects every contaminant's discharge line says the same.
  const bool transects = site && !virelo_ExtrasOf(report.project()).monitoring.transects.empty();
  if (site && !transects)
    report.lead(QCoreApplication::translate(
        "ReportEvidence",
        "<p>No transect of wells is named: the mass discharge line has no light (Data &gt; Site data..., "
        "Plume as a whole).</p>"));
  // A summary in small type, so that the case stays on the first pages.
  QString table = tableStart();
  table.replace(QLatin1String("style=\""), QLatin1String("style=\"font-size: 7pt; "));
  table.replace(QLatin1String("cellpadding=\"2.5\""), QLatin1String("cellpadding=\"1\""));
  report.openTable(table);
  report.add(QStringLiteral("<tr><th width=\"22%\">%1</th><th width=\"7%\">%2</th><th>%3</th></tr>")
                 .arg(QCoreApplication::translate("ReportEvidence", "Contaminant, line"),
                      QCoreApplication::translate("ReportEvidence", "Light"),
                      QCoreApplication::translate("ReportEvidence", "Reading")));
  // The contaminant's name heads its first line's cell, so that the table
  // needs no rows of its own for the names.
  std::string current;
  for (const EvidenceRow& row : rows) {
    if (!site && (row.line == EvidenceLine::kPlume || row.line == EvidenceLine::kGeochemistry)) continue;
    if (!transects && row.line == EvidenceLine::kDischarge) continue;
    const QString line = LineName(row.line);
    const QString first =
        row.contaminant != current
            ? QStringLiteral("<b>%1</b><br>").arg(esc(QString::fromStdString(row.contaminant)))
            : QString();
    current = row.contaminant;
    report.add(QStringLiteral("<tr><td>%1%2</td>%3<td>%4</td></tr>")
                   .arg(first, line, LightCell(row), report.num(esc(EngineText(row.reading)))));
  }
  // The light is one word; the line and its reading wrap.
  report.closeTable(QStringLiteral("wnw"));
}
