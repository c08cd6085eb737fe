// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The assessment report of a project: the document the consultant hands to
// the authority, on A4 portrait pages. One document serves the PDF export,
// the printer and the print preview, so that screen and paper agree.
//
// The project must be computed (virelo_math_CalcAll) before a report is
// made; the report reads it and changes nothing.
#pragma once

#include <QDateTime>
#include <QSizeF>
#include <QString>
#include <memory>

#include "engine/project/records.h"

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

struct ReportSettings {
  int plumeRangeIndex = 0;  // into kAssessmentRanges
  int afRangeIndex = 0;
  QDateTime date = QDateTime::currentDateTime();
  // The project as it stands is the file at its path. False for a new
  // project and for one with unsaved changes: the report then says "not
  // saved" instead of naming a file and its checksum.
  bool saved = false;
  // The sign the report writes numbers with: the windows' own in the
  // desktop, the one of `virelo-cli report --lang` on the command line.
  QChar decimalSign = QLatin1Char('.');
};

// The settings of a report of `project`: saved when the project has a path,
// no unsaved changes and its file can be read.
ReportSettings ReportSettingsFor(const Project& project, int plumeRangeIndex, int afRangeIndex);

// Index of `range` in kAssessmentRanges, 0 when it is none of them.
int AssessmentRangeIndex(double lower, double upper);

// Lowercase hex SHA-256 of a file's bytes; empty when it cannot be read.
QString FileSha256(const QString& path);

// The report as a document laid out on pages of `pageSize` points (the
// footer's room excluded). The document's charts refer into `project`,
// which must outlive it.
std::unique_ptr<QTextDocument> BuildReportDocument(const Project& project, const ReportSettings& settings,
                                                   const QSizeF& pageSize);

// Paints the report page by page onto `device` (a PDF writer or a printer),
// each page with its footer. Returns the number of pages, 0 on failure.
int PaintReport(const Project& project, const ReportSettings& settings, QPagedPaintDevice* device);

// Prepares a printer for the report: A4 portrait with the report's margins.
void PrepareReportPrinter(QPrinter* printer);

// Writes the report as a PDF at `path`, through a temporary file in the same
// folder renamed over the target, so a failed export never leaves a
// truncated file. An existing file is replaced only when it is a PDF.
// Returns false with `error` set (in words) on failure.
bool WriteReportPdf(const Project& project, const ReportSettings& settings, const QString& path,
                    QString* error);
