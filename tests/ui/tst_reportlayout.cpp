// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The report's length and layout: moving parts to new pages loses or
// reorders nothing, the dry cleaner with its wells and distributions stays
// short, the histograms stand side by side and the wells' trends are
// tabled once for the contaminants that share them.
#include <QAbstractTextDocumentLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cmath>
#include <cstring>

#include "engine/calc.h"
#include "engine/exact.h"
#include "engine/extras.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"

namespace {

Contaminant* Find(Project* project, const char* name) {
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::strcmp(project->contaminants[k].name, name) == 0) return &project->contaminants[k];
  return nullptr;
}

constexpr const char* kSolvents[] = {"Tetrachloroethene (PCE)", "Trichloroethene (TCE)",
                                     "cis-1,2-Dichloroethene", "Vinyl chloride"};

// The dry cleaner's plume as its monitoring shows it: five wells along the
// centre line and one upstream, four rounds of the four solvents falling
// with distance and slowly with time, and the redox indicators of the last
// round.
void addSolventMonitoring(Project* project) {
  SiteData& site = virelo_Extras(project).site;
  const double s[] = {5.0, 40.0, 80.0, 120.0, 170.0};
  for (int w = 0; w < 5; ++w) site.wells.push_back({"MW" + std::to_string(w + 1), s[w], 0.0, true});
  site.wells.push_back({"MW6", -30.0, 4.0, false});
  const char* dates[] = {"2023-03-14", "2023-09-12", "2024-03-11", "2024-09-10"};
  const double source[] = {8000.0, 1500.0, 900.0, 20.0};
  const double slope[] = {0.025, 0.018, 0.012, 0.008};  // 1/m
  for (int d = 0; d < 4; ++d)
    for (int w = 0; w < 5; ++w)
      for (int a = 0; a < 4; ++a) {
        // Each round a little lower, with a wobble so that no trend is exact.
        const double value =
            source[a] * std::exp(-slope[a] * s[w]) * (1.0 - 0.12 * d + 0.03 * ((w + a + d) % 3));
        site.samples.push_back(
            {"MW" + std::to_string(w + 1), dates[d], kSolvents[a], value, kUnitUgL, false});
      }
  for (int w = 0; w < 5; ++w) {
    const std::string well = "MW" + std::to_string(w + 1);
    site.samples.push_back({well, dates[3], kIndicatorOxygen, 0.2, kUnitMgL, false});
    site.samples.push_back({well, dates[3], kIndicatorNitrate, 0.3, kUnitMgL, false});
    site.samples.push_back({well, dates[3], kIndicatorIron, 2.5, kUnitMgL, false});
    site.samples.push_back({well, dates[3], kIndicatorSulfate, 4.0, kUnitMgL, false});
    site.samples.push_back({well, dates[3], kIndicatorMethane, 1.8, kUnitMgL, false});
  }
}

// Conductivity, gradient and the source concentration of PCE drawn: every
// one of the eight results gets a histogram.
void addSolventDistributions(Project* project) {
  UncertaintyPlan& plan = virelo_Extras(project).uncertainty;
  plan.samples = 400;
  plan.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {5.0, 1.5}},
                 {UncertainInput::I, "", DistributionKind::Uniform, {0.002, 0.004}},
                 {UncertainInput::C0, kSolvents[0], DistributionKind::LogNormal, {8000.0, 2.0}}};
}

// The dry-cleaner example with its chain, the monitoring above and the
// distributions, computed as the report expects.
ProjectPtr solventSiteProject() {
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
  if (!project) return project;
  addSolventMonitoring(project.get());
  addSolventDistributions(project.get());
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

// The same with one more result that has a problem (benzene without a
// decay constant), so that every section of the report is written.
ProjectPtr everySectionProject() {
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
  if (!project) return project;
  addSolventMonitoring(project.get());
  addSolventDistributions(project.get());
  if (Contaminant* benzene = Find(project.get(), "Benzene")) {
    benzene->assess = kAssessPlumeLength;
    virelo_SetContaminantValue(benzene, kValueC0, 100.0);
    virelo_SetContaminantValue(benzene, kValueCa, 1.0);
    benzene->lambdaSelected = kLambdaUser;
    virelo_SetLambda(benzene, kLambdaUser, 0.0);
  }
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

// The headings of a document in order, as they read.
QStringList headings(const QTextDocument& doc) {
  QStringList list;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    if (b.blockFormat().headingLevel() > 0) list << b.text().simplified();
  return list;
}

// The text of the last row of every table of the document, cells joined
// by blanks, in order.
QStringList lastRows(const QTextDocument& doc) {
  QStringList list;
  for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
    auto* table = qobject_cast<QTextTable*>(it.currentFrame());
    if (!table) continue;
    QStringList cells;
    for (int c = 0; c < table->columns(); ++c) {
      const QTextTableCell cell = table->cellAt(table->rows() - 1, c);
      QTextCursor cursor(const_cast<QTextDocument*>(&doc));
      cursor.setPosition(cell.firstPosition());
      cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
      cells << cursor.selectedText().simplified();
    }
    list << cells.join(QLatin1Char(' '));
  }
  return list;
}

// The PDF's text, white space collapsed.
QString pdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  QString text = QString::fromUtf8(process.readAllStandardOutput());
  text.replace(QChar(0xFB00), QLatin1String("ff"));
  text.replace(QChar(0xFB01), QLatin1String("fi"));
  text.replace(QChar(0xFB02), QLatin1String("fl"));
  return text.simplified();
}

int pdfPages(const QString& text) {
  const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Page 1 of (\\d+)")).match(text);
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// Whether `parts` occur in `text` one after the other; the first missing
// or out of order otherwise.
QString missingInOrder(const QString& text, const QStringList& parts) {
  qsizetype at = 0;
  for (const QString& part : parts) {
    const qsizetype found = text.indexOf(part, at);
    if (found < 0) return part;
    at = found + part.size();
  }
  return {};
}

}  // namespace

class TestReportLayout : public QObject {
  Q_OBJECT

 private slots:
  void pagesLoseNothingOfAnySection();
};

// The page breaks move parts, never drop or reorder them: the paginated
// document says word for word what the same report on one endless page
// says, at page heights that put every kind of part at a page's foot, and
// the PDF holds every heading and every table's last row in order.
void TestReportLayout::pagesLoseNothingOfAnySection() {
  ProjectPtr project = everySectionProject();
  QVERIFY(project);
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
  const auto endless = BuildReportDocument(*project, settings, QSizeF(515, 1e7));
  QCOMPARE(endless->pageCount(), 1);
  const QStringList titles = headings(*endless);
  for (const char* section :
       {"Results", "Problems", "Plausibility warnings", "Comparison with the exact solution", "Robustness",
        "Uncertainty", "Centre-line charts", "Site data", "Monitoring wells", "Model against the wells",
        "Decay chain", "Methods", "Sources of the database"})
    QVERIFY2(titles.filter(QRegularExpression(QStringLiteral("^[0-9.]+ ") +
                                              QRegularExpression::escape(QLatin1String(section))))
                     .size() >= 1,
             section);
  const QString whole = endless->toPlainText().simplified();
  const QStringList rows = lastRows(*endless);
  QVERIFY(rows.size() >= 10);

  for (double height : {560.0, 613.0, 700.0, 760.0}) {
    const auto doc = BuildReportDocument(*project, settings, QSizeF(515, height));
    QVERIFY(doc->pageCount() > 3);
    QCOMPARE(headings(*doc), titles);
    QCOMPARE(lastRows(*doc), rows);
    QVERIFY2(doc->toPlainText().simplified() == whole,
             qPrintable(QStringLiteral("at height %1").arg(height)));
  }

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("every.pdf"));
  QString error;
  QVERIFY2(WriteReportPdf(*project, settings, pdf, &error), qPrintable(error));
  const QString text = pdfText(pdf);
  QVERIFY(pdfPages(text) > 3);
  QString missing = missingInOrder(text, titles);
  QVERIFY2(missing.isEmpty(), qPrintable(missing));
  // A table's last row, as its first cell reads: the PDF's text may put
  // the other cells of a wrapped row elsewhere.
  QStringList firstCells;
  for (auto it = endless->rootFrame()->begin(); !it.atEnd(); ++it)
    if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
      const QTextTableCell cell = table->cellAt(table->rows() - 1, 0);
      QTextCursor cursor(endless.get());
      cursor.setPosition(cell.firstPosition());
      cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
      firstCells << cursor.selectedText().simplified();
    }
  missing = missingInOrder(text, firstCells);
  QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
