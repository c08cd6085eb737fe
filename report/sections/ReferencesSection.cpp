// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The reference list, last: written from what the sections before cited,
// so that a work a project's report does not cite (a decay chain, wells or
// transects it has not) stands out of its list.
#include <QCoreApplication>

#include "report/ReportReferences.h"
#include "report/ReportSection.h"

void WriteReferencesSection(ReportContext& report) {
  const QStringList entries = CitedReferenceEntries(report.html());
  if (entries.isEmpty()) return;
  report.heading(3, QCoreApplication::translate("ReportReferences", "References"), "references");
  report.add(QStringLiteral("<ul><li>%1</li></ul>").arg(entries.join(QStringLiteral("</li><li>"))));
}
