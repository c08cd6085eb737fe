// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The assessment report as a sequence of sections. Each section is a
// function that writes its part of the report's HTML through a
// ReportContext; the sequence (ReportSections.cpp) puts them in order. A
// new capability adds its section in a file of its own under
// report/sections/ and one line in the sequence.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "engine/case/projectcase.h"
#include "engine/evidence/evidence.h"
#include "engine/project/assessment.h"
#include "engine/project/fulltexts.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "report/AssessmentReport.h"
#include "report/ReportChart.h"

// What every section reads (the project and the report's settings) and the
// HTML they write, with the pieces several sections share.
class ReportContext {
 public:
  ReportContext(const Project& project, const ReportSettings& settings);

  const Project& project() const { return project_; }
  const ReportSettings& settings() const { return settings_; }
  AssessmentRange plumeRange() const { return plumeRange_; }
  AssessmentRange afRange() const { return afRange_; }
  AssessmentRange range(bool plume) const { return plume ? plumeRange_ : afRange_; }

  void add(const QString& html) { html_ += html; }
  // Parts that say what they are, so that the page breaks keep them as
  // such (report/ReportLayout.h). A lead sentence goes with the table or
  // chart after it; a group (a heading of a result with its lines) stays
  // whole up to the next part so declared; a line of charts; a table, with
  // the letter 'n' for each column whose cells never wrap ("nwnn"); a
  // table kept on one page whatever its rows.
  void lead(const QString& html);
  void group(const QString& html);
  void charts(const QString& html);
  void table(const QString& html, const QString& columns = QString());
  void keptTable(const QString& html);
  // A table written in pieces: `start` (its opening tag) now, its rows with
  // add(), its end with closeTable, which declares it as table() does.
  void openTable(const QString& start);
  void closeTable(const QString& columns);
  // What the sections before have written.
  const QString& html() const { return html_; }
  // A numbered heading: level 2 counts the sections, level 3 their parts
  // ("4.3 Problems"). `key`, when given, lets other sections refer to it.
  // It stays on a page with what follows it.
  void heading(int level, const QString& title, const char* key = nullptr);
  // The same heading as HTML, numbered in turn, for a section that places
  // it itself (in a cell beside another).
  QString headingHtml(int level, const QString& title, const char* key = nullptr);
  // The number of the heading `key` as other text cites it ("4.3"). The
  // heading may come later in the report: the number is filled in when the
  // report is complete.
  QString ref(const char* key);
  // A label/value row of a two-column table.
  void row(const QString& label, const QString& value);
  // Parts (each its heading and what follows it) two to a row of the page,
  // each row a table of its own so that a page break falls between rows.
  void addTwoToARow(const QStringList& parts);

  // The report's HTML, with every reference resolved.
  QString finish();

  // A chart in the text, `width` by `height` points, which the document
  // paints with `draw` when it paints the page it stands on: the HTML
  // holds only its mark, and the chart stays vectors on paper.
  QString drawing(ReportDrawing draw, double width, double height);
  // The charts placed so far, by the number their marks carry.
  std::vector<ReportDrawing> takeDrawings() { return std::move(drawings_); }

  // The verdict of a result's row (the worst of the models, the chain and
  // the wells) under the report's ranges and the project's basis, made once
  // for every section that reads it.
  const RowVerdict& verdict(const ContaminantResult& result, bool plume);
  // The wells' evidence of a contaminant of the project, made once.
  const WellsEvidence& wells(int contaminantIndex);
  VerdictOptions verdictOptions() const;
  // The case every section reads: verdicts, targets, wells, evidence left out.
  ProjectCase& evaluated() { return case_; }
  // Where the evidence behind a reason stands: the number of the section
  // (resolved when the report is complete), "" for no such reason.
  QString evidenceRef(const RowVerdict& verdict, unsigned reason);

  // The results whose contaminant is assessed for `assessBit`, in order.
  std::vector<const ContaminantResult*> resultsWith(int assessBit) const;
  const Contaminant& contaminantOf(const ContaminantResult& r) const {
    return project_.contaminants[r.contaminantIndex];
  }
  // The assessment range with the class rule it stands for.
  QString rangeText(bool plume) const;
  // `text` (a number, or a text with numbers in it) with the report's
  // decimal sign; every number a section writes passes through here.
  QString num(const QString& text) const;
  // The project's concentration unit, escaped, as every concentration of
  // the report carries it.
  QString unit() const;

 private:
  const Project& project_;
  const ReportSettings& settings_;
  AssessmentRange plumeRange_;
  AssessmentRange afRange_;
  QString html_;
  qsizetype openTable_ = -1;  // where the table written in pieces starts
  int section_ = 0;
  int part_ = 0;
  std::map<QString, QString> numbers_;
  std::vector<ReportDrawing> drawings_;
  ProjectCase case_;
};

// --- Pieces of text several sections use.

QString esc(const QString& text);
// A single-byte text of a record, escaped.
QString record(const char* text);
// One of the project's texts as the user wrote it, escaped.
QString projectText(const Project& project, ProjectTextField field);
// A contaminant's name as the user wrote it, escaped.
QString contaminantName(const Project& project, const char* name);
QString resultValue(double value, const char* fixedFormat, const char* exponentFormat);
QString tableStart();
// The verdict basis in words: "screening model", "exact solution",
// "worse of the two".
QString verdictBasisWords(VerdictBasis basis);
// A class in words: "Green", "Yellow", "Red", "Problems".
QString reportClassName(AssessmentClass cls);
QString classCell(AssessmentClass cls);
// The same with a note in small type under the class.
QString classCell(AssessmentClass cls, const QString& note);
// The redox condition as the aquifer page's buttons name it, in English (the
// words the database's English source texts use) and in the report's language.
const char* redoxShortWords(int condition);
QString RedoxShortWordsShown(int condition);
// The redox condition whose preset a lambda bit is, or -1.
int redoxOfPreset(int bit);
// True when the decay constant in use is a preset the database holds.
bool usesPreset(const Contaminant& c);

// The keys by which a chain (by its index in the project's list) and a
// contaminant's wells evidence (by the contaminant's index) refer to their
// sections.
QByteArray chainKey(int chainIndex);
QByteArray wellsKey(int contaminantIndex);

// The image name by which the charts section places the chart of the
// contaminant with this index; the document turns it into a chart object.
inline constexpr char kReportChartMark[] = "virelo-chart:";
// The image name of a chart a section drew (ReportContext::drawing), with
// its number after it.
inline constexpr char kReportDrawingMark[] = "virelo-drawing:";

// --- The sections, in the order of kReportSections.

using ReportSectionWriter = void (*)(ReportContext&);
struct ReportSection {
  const char* name;
  ReportSectionWriter write;
};
extern const std::vector<ReportSection> kReportSections;

void WriteTitleSection(ReportContext&);
void WriteEvidenceSection(ReportContext&);
void WriteInputsSection(ReportContext&);
void WriteResultsSection(ReportContext&);
void WriteProblemsSection(ReportContext&);
void WritePlausibilitySection(ReportContext&);
void WriteExactSection(ReportContext&);
void WriteRobustnessSection(ReportContext&);
void WriteUncertaintySection(ReportContext&);
void WriteChartsSection(ReportContext&);
void WriteSiteDataSection(ReportContext&);
void WriteFlowFieldSection(ReportContext&);
void WriteWellsSection(ReportContext&);
void WriteStabilitySection(ReportContext&);
void WriteChainSection(ReportContext&);
void WriteTimeSection(ReportContext&);
void WriteMethodsSection(ReportContext&);
void WriteSourcesSection(ReportContext&);
void WriteReferencesSection(ReportContext&);
