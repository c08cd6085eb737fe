// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The title block: what the report is of, by whom, from which file and
// under which assessment ranges.
#include <QFile>
#include <QFileInfo>

#include "engine/project/extras.h"
#include "report/ReportSection.h"

void WriteTitleSection(ReportContext& report) {
  const Project& project = report.project();
  const ReportSettings& settings = report.settings();
  report.add(
      QStringLiteral("<p style=\"font-size: 8pt; color: #555555\">Monitored natural attenuation - "
                     "assessment report</p>"));
  report.add(QStringLiteral("<h1>%1</h1>").arg(projectText(project, ProjectTextField::kTitle)));
  report.openTable(tableStart());
  report.row(QStringLiteral("Project title"), projectText(project, ProjectTextField::kTitle));
  report.row(QStringLiteral("Author"), projectText(project, ProjectTextField::kAuthor));
  report.row(QStringLiteral("Organisation"), projectText(project, ProjectTextField::kOrganisation));
  report.row(QStringLiteral("Report date"), esc(settings.date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
  const QString notSaved = QStringLiteral("<font color=\"#b00000\"><b>not saved</b></font>");
  QString sha;
  if (settings.saved) sha = FileSha256(QFile::decodeName(project.path));
  if (!sha.isEmpty()) {
    report.row(QStringLiteral("Project file"), esc(QFileInfo(QFile::decodeName(project.path)).fileName()));
    report.row(
        QStringLiteral("SHA-256 of the file"),
        QStringLiteral("<span style=\"font-family: 'DejaVu Sans Mono'; font-size: 7pt\">%1</span>").arg(sha));
  } else {
    report.row(QStringLiteral("Project file"), notSaved);
    report.row(QStringLiteral("SHA-256 of the file"), notSaved);
  }
  report.row(QStringLiteral("Program"), QStringLiteral("Virelo %1").arg(QLatin1String(VIRELO_VERSION)));
  report.row(QStringLiteral("Plume-length range"), report.rangeText(true));
  report.row(QStringLiteral("Attenuation-factor range"), report.rangeText(false));
  report.row(QStringLiteral("Verdict basis"),
             QStringLiteral("%1 (decides the class of each attenuation factor)")
                 .arg(QLatin1String(VerdictBasisText(virelo_SettingsOf(project).verdictBasis))));
  report.row(QStringLiteral("Concentration unit"), report.unit());
  report.closeTable(QStringLiteral("ww"));
  if (sha.isEmpty()) {
    report.table(QStringLiteral(
                     "<table width=\"100%\" border=\"1.5\" cellspacing=\"0\" cellpadding=\"5\" "
                     "style=\"border-color: #b00000; border-style: solid\"><tr><td><b>Note:</b> this report "
                     "was made from a project that is not saved as it stands (a new project, or one with "
                     "changes since it was last saved). No project file reproduces it. Save the project and "
                     "make the report again to give it a file and a checksum.</td></tr></table>"),
                 QStringLiteral("w"));
  }
}
