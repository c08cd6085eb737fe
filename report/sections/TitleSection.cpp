// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The title block: what the report is of, by whom, from which file and
// under which assessment ranges.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "engine/project/extras.h"
#include "report/ReportSection.h"

void WriteTitleSection(ReportContext& report) {
  const Project& project = report.project();
  const ReportSettings& settings = report.settings();
  report.add(QStringLiteral("<p style=\"font-size: 8pt; color: #555555\">%1</p>")
                 .arg(QCoreApplication::translate("ReportTitle",
                                                  "Monitored natural attenuation - assessment report")));
  report.add(QStringLiteral("<h1>%1</h1>").arg(projectText(project, ProjectTextField::kTitle)));
  report.openTable(tableStart());
  report.row(QCoreApplication::translate("ReportTitle", "Project title"),
             projectText(project, ProjectTextField::kTitle));
  report.row(QCoreApplication::translate("ReportTitle", "Author"),
             projectText(project, ProjectTextField::kAuthor));
  report.row(QCoreApplication::translate("ReportTitle", "Organisation"),
             projectText(project, ProjectTextField::kOrganisation));
  report.row(QCoreApplication::translate("ReportTitle", "Report date"),
             esc(settings.date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
  const QString notSaved = QStringLiteral("<font color=\"#b00000\"><b>%1</b></font>")
                               .arg(QCoreApplication::translate("ReportTitle", "not saved"));
  QString sha;
  if (settings.saved) sha = FileSha256(QFile::decodeName(project.path));
  if (!sha.isEmpty()) {
    report.row(QCoreApplication::translate("ReportTitle", "Project file"),
               esc(QFileInfo(QFile::decodeName(project.path)).fileName()));
    report.row(
        QCoreApplication::translate("ReportTitle", "SHA-256 of the file"),
        QStringLiteral("<span style=\"font-family: 'DejaVu Sans Mono'; font-size: 7pt\">%1</span>").arg(sha));
  } else {
    report.row(QCoreApplication::translate("ReportTitle", "Project file"), notSaved);
    report.row(QCoreApplication::translate("ReportTitle", "SHA-256 of the file"), notSaved);
  }
  report.row(QCoreApplication::translate("ReportTitle", "Program"),
             QStringLiteral("Virelo %1").arg(QLatin1String(VIRELO_VERSION)));
  report.row(QCoreApplication::translate("ReportTitle", "Plume-length range"), report.rangeText(true));
  report.row(QCoreApplication::translate("ReportTitle", "Attenuation-factor range"), report.rangeText(false));
  report.row(QCoreApplication::translate("ReportTitle", "Verdict basis"),
             QCoreApplication::translate("ReportTitle", "%1 (decides the class of each attenuation factor)")
                 .arg(verdictBasisWords(virelo_SettingsOf(project).verdictBasis)));
  report.row(QCoreApplication::translate("ReportTitle", "Concentration unit"), report.unit());
  report.closeTable(QStringLiteral("ww"));
  if (sha.isEmpty()) {
    report.table(
        QStringLiteral("<table width=\"100%\" border=\"1.5\" cellspacing=\"0\" cellpadding=\"5\" "
                       "style=\"border-color: #b00000; border-style: solid\"><tr><td>%1</td></tr></table>")
            .arg(QCoreApplication::translate(
                "ReportTitle",
                "<b>Note:</b> this report was made from a project that is not saved as it stands (a "
                "new project, or one with changes since it was last saved). No project file "
                "reproduces it. Save the project and make the report again to give it a file and a "
                "checksum.")),
        QStringLiteral("w"));
  }
}
