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
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/core/breakeven.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/verdict.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/assessment.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "engine/site/redox.h"
#include "engine/site/sitefit.h"
#include "engine/site/siteproject.h"
#include "engine/site/sitestats.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "report/ReportChart.h"
#include "support/ContaminantProjects.h"
#include "support/PdfLines.h"

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

// The text of a table cell, white space collapsed.
QString cellText(QTextTable* table, int row, int column) {
  const QTextTableCell cell = table->cellAt(row, column);
  if (!cell.isValid()) return QStringLiteral("(no cell %1, %2)").arg(row).arg(column);
  QTextCursor cursor(table->document());
  cursor.setPosition(cell.firstPosition());
  cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
  return cursor.selectedText().simplified();
}

// The top-level tables of a document, in order.
std::vector<QTextTable*> tables(const QTextDocument& doc) {
  std::vector<QTextTable*> list;
  for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it)
    if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) list.push_back(table);
  return list;
}

// The first table after the paragraph that starts with `text`.
QTextTable* tableAfter(const QTextDocument& doc, const QString& text) {
  bool seen = false;
  for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
    if (it.currentBlock().isValid() && it.currentBlock().text().startsWith(text)) seen = true;
    if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()); table && seen) return table;
  }
  return nullptr;
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
  void dryCleanerWithWellsAndDistributionsFitsEightPages();
  void histogramsStandFourToARowUnderTheirOwnTitles();
  void trendsAreTabledOncePerSetOfWells();
  void robustnessSharesALinePerInputWithAlignedColumns();
  void chainYieldsStandBesideTheClassesOrAloneWhenTheChainFails();
  void robustnessLinesAreTheEnginesUnderEachSidesRange();
  void wellsAndRedoxReadingsShareRowsAsTheirDataAllow();
  void sourcesWriteASharedCitationOnceAndKeepEachOwnPart();
  void wellsTablesHoldTheEnginesRatiosAndMarks();
  void centreLineChartsDrawEachModelAtItsOwnDistances();
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
  // A paragraph split at a page's foot after a line that ends in a hyphen
  // ("attenuation-" / "factor") reads with a blank there; nothing is lost.
  auto plain = [](const QTextDocument& doc) {
    return doc.toPlainText().simplified().replace(QStringLiteral("- "), QStringLiteral("-"));
  };
  const QString whole = plain(*endless);
  const QStringList rows = lastRows(*endless);
  QVERIFY(rows.size() >= 10);

  for (double height : {560.0, 613.0, 700.0, 760.0}) {
    const auto doc = BuildReportDocument(*project, settings, QSizeF(515, height));
    QVERIFY(doc->pageCount() > 3);
    QCOMPARE(headings(*doc), titles);
    QCOMPARE(lastRows(*doc), rows);
    QVERIFY2(plain(*doc) == whole, qPrintable(QStringLiteral("at height %1").arg(height)));
  }

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("every.pdf"));
  QString error;
  QVERIFY2(WriteReportPdf(*project, settings, pdf, &error), qPrintable(error));
  const QString text = pdfText(pdf);
  QVERIFY(pdfPages(text) > 3);
  QString missing = missingInOrder(text, titles);
  QVERIFY2(missing.isEmpty(), qPrintable(missing));
  // A table's last row, as the first line of its first cell reads: the
  // PDF's text may put the other lines and cells of a wrapped row elsewhere.
  QStringList firstCells;
  for (auto it = endless->rootFrame()->begin(); !it.atEnd(); ++it)
    if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
      const QTextTableCell cell = table->cellAt(table->rows() - 1, 0);
      QTextCursor cursor(endless.get());
      cursor.setPosition(cell.firstPosition());
      cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
      // A grid of charts or of parts with tables of their own reads cell
      // by cell across the page in the PDF's text; the document's own check
      // above covers it.
      const QString selected = cursor.selectedText();
      if (selected.contains(QChar::ObjectReplacementCharacter) || selected.contains(QChar(0xfdd0))) continue;
      const QTextBlock block = endless->findBlock(cell.firstPosition());
      QVERIFY(block.layout() && block.layout()->lineCount() > 0);
      const QTextLine line = block.layout()->lineAt(0);
      firstCells << block.text().mid(line.textStart(), line.textLength()).simplified();
    }
  missing = missingInOrder(text, firstCells);
  QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

// The dry cleaner with its wells and distributions: every section it has,
// on no more than nine pages (eight before the lines of evidence and the
// plume as a whole joined it), and the chain's short table on one of them.
void TestReportLayout::dryCleanerWithWellsAndDistributionsFitsEightPages() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  // The report as it was asked to shrink: chain, wells and distributions.
  // The example's sorption and shrinking source add the Time section, two
  // pages of their own, measured below.
  const TransportInputs transport = virelo_ExtrasOf(*project).transport;
  virelo_Extras(project.get()).transport = {};
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
  const QStringList titles = headings(*BuildReportDocument(*project, settings, QSizeF(515, 1e7)));
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("dry-cleaner.pdf"));
  QString error;
  QVERIFY2(WriteReportPdf(*project, settings, pdf, &error), qPrintable(error));
  const QString text = pdfText(pdf);
  const int pages = pdfPages(text);
  QVERIFY2(pages >= 4 && pages <= 9, qPrintable(QString::number(pages)));
  for (const char* section :
       {"Results", "Plausibility warnings", "Comparison with the exact solution", "Robustness", "Uncertainty",
        "Centre-line charts", "Site data", "Monitoring wells",
        "Tetrachloroethene (PCE): decay constant from the wells", "Trends at the wells",
        "Redox condition from the indicators", "Model against the wells", "Decay chain", "Methods",
        "Sources of the database values used"}) {
    const QStringList found = titles.filter(
        QRegularExpression(QStringLiteral("^[0-9.]+ ") + QRegularExpression::escape(section) + "$"));
    QVERIFY2(found.size() == 1, section);
  }
  const QString missing = missingInOrder(text, titles);
  QVERIFY2(missing.isEmpty(), qPrintable(missing));
  // Half-width tables (decay fits, wells against the model) keep their
  // numbers whole.
  const QStringList broken = numbersBrokenAcrossLines(pdf);
  QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
  // The chain's results, six rows, open and close on the same page.
  int chainPages = 0;
  for (int page = 1; page <= pages; ++page) {
    const QStringList lines = pageLines(pdf, page);
    if (lines.contains(QStringLiteral("Exact class")) && lines.contains(QStringLiteral("Alone"))) {
      ++chainPages;
      QVERIFY(lines.contains(QStringLiteral("Ethene (end product)")));
    }
  }
  QCOMPARE(chainPages, 1);
  // The four decay fits stand two to a line, and so do the four
  // centre-line charts, each titled with its contaminant and CA/C0. They
  // used to share one page each; below the lines of evidence the report
  // keeps short by breaking them between two lines, never inside one.
  const std::pair<QString, QString> shared[] = {
      {QStringLiteral("Tetrachloroethene (PCE), CA/C0 = 0.00125"), QStringLiteral(", CA/C0 = ")},
      {QStringLiteral("Tetrachloroethene (PCE): decay constant"), QStringLiteral(": decay constant")}};
  for (const auto& [first, each] : shared) {
    int found = 0, total = 0;
    for (int page = 1; page <= pages; ++page) {
      const QString onPage = pageLines(pdf, page).join(QLatin1Char(' '));
      total += onPage.count(each);
      QVERIFY2(onPage.count(each) % 2 == 0, qPrintable(onPage));
      if (!onPage.contains(first)) continue;
      ++found;
      // Tetrachloroethene's axis spans nine decades and labels every
      // second; the others, four to six, label each.
      if (each.startsWith(QLatin1Char(','))) {
        QVERIFY2(onPage.contains(QStringLiteral(" 1e-08 ")) && !onPage.contains(QStringLiteral(" 1e-07 ")),
                 qPrintable(onPage));
        QVERIFY(onPage.contains(QStringLiteral(" 0.1 ")));
      }
    }
    QCOMPARE(found, 1);
    QCOMPARE(total, 4);
  }

  // With its sorption and source again: the Time section follows the
  // others, and every number of its tables stays whole.
  virelo_Extras(project.get()).transport = transport;
  const QString timed = folder.filePath(QStringLiteral("dry-cleaner-time.pdf"));
  QVERIFY2(WriteReportPdf(*project, settings, timed, &error), qPrintable(error));
  const QString timedText = pdfText(timed);
  const QStringList timedTitles = headings(*BuildReportDocument(*project, settings, QSizeF(515, 1e7)));
  QCOMPARE(timedTitles.size(), titles.size() + 1 + 4);  // "Time" and one heading per contaminant
  QVERIFY(timedTitles.filter(QRegularExpression(QStringLiteral("^[0-9.]+ Time$"))).size() == 1);
  QVERIFY2(pdfPages(timedText) <= pages + 3, qPrintable(QString::number(pdfPages(timedText))));
}

// Each histogram is titled with the contaminant and assessment whose
// shares it repeats from the table of probabilities, four to a row.
void TestReportLayout::histogramsStandFourToARowUnderTheirOwnTitles() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 760));
  QTextTable* probabilities = nullptr;
  for (QTextTable* table : tables(*doc))
    if (!probabilities && table->columns() >= 5 && cellText(table, 0, 2) == QLatin1String("P(Green)"))
      probabilities = table;
  QVERIFY(probabilities);
  QCOMPARE(probabilities->rows(), 1 + 8);
  // Contaminant, assessment and P(Green), P(Yellow), P(Red) of each result.
  QStringList expected;
  const auto longName = [](const QString& key) {
    return key == QLatin1String("PL") ? QStringLiteral("plume length") : QStringLiteral("attenuation factor");
  };
  int found = 0;
  for (QTextTable* table : tables(*doc)) {
    if (table == probabilities) {
      found = 1;
      continue;
    }
    if (!found || table->rows() != 1) continue;
    if (!cellText(table, 0, 0).contains(QStringLiteral("Rank correlation"))) continue;
    QCOMPARE(table->columns(), 4);
    for (int c = 0; c < 4; ++c) {
      const QString cell = cellText(table, 0, c);
      if (cell.isEmpty()) continue;
      expected << cell;
    }
  }
  QCOMPARE(expected.size(), 8);
  for (int r = 1; r < probabilities->rows(); ++r) {
    const QString title =
        QStringLiteral("%1, %2").arg(cellText(probabilities, r, 0), longName(cellText(probabilities, r, 1)));
    const QString shares =
        QStringLiteral("Green %1, Yellow %2, Red %3.")
            .arg(cellText(probabilities, r, 2), cellText(probabilities, r, 3), cellText(probabilities, r, 4));
    QVERIFY2(expected[r - 1].startsWith(title), qPrintable(expected[r - 1] + " / " + title));
    QVERIFY2(expected[r - 1].contains(shares), qPrintable(expected[r - 1] + " / " + shares));
  }
}

// Contaminants measured at the same wells share one table that names them;
// one measured at fewer wells has its own. Every row holds the trend of
// the contaminant it names at the well it names.
void TestReportLayout::trendsAreTabledOncePerSetOfWells() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const QString all = QStringLiteral(
      "Trends of Tetrachloroethene (PCE), Trichloroethene (TCE), cis-1,2-Dichloroethene and Vinyl chloride "
      "at the "
      "wells");
  {
    const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 1e7));
    const QString text = doc->toPlainText();
    QCOMPARE(text.count(QStringLiteral("at the wells (Mann")), 1);
    QVERIFY(text.contains(all));
    QTextTable* trends = tableAfter(*doc, QStringLiteral("Trends of "));
    QVERIFY(trends);
    QCOMPARE(trends->rows(), 1 + 5);
    QCOMPARE(trends->columns(), 1 + 4);
  }
  // Vinyl chloride no longer measured at the farthest well.
  SiteData& site = virelo_Extras(project.get()).site;
  std::erase_if(site.samples,
                [](const SiteSample& s) { return s.analyte == kSolvents[3] && s.well == "MW5"; });
  QVERIFY(virelo_math_CalcAll(project.get()));
  const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 1e7));
  const QString text = doc->toPlainText();
  QVERIFY(!text.contains(all));
  QVERIFY(text.contains(QStringLiteral(
      "Trends of Tetrachloroethene (PCE), Trichloroethene (TCE) and cis-1,2-Dichloroethene at the wells")));
  QVERIFY(text.contains(QStringLiteral("Trends of Vinyl chloride at the wells")));
  QTextTable* three = tableAfter(*doc, QStringLiteral("Trends of Tetrachloroethene"));
  QTextTable* one = tableAfter(*doc, QStringLiteral("Trends of Vinyl chloride"));
  QVERIFY(three && one && three != one);
  QCOMPARE(three->rows(), 1 + 5);
  QCOMPARE(three->columns(), 1 + 3);
  QCOMPARE(one->rows(), 1 + 4);
  QCOMPARE(one->columns(), 1 + 1);
  // Each cell: the trend of the column's contaminant at the row's well, in
  // words over its numbers.
  for (QTextTable* table : {three, one})
    for (int r = 1; r < table->rows(); ++r)
      for (int c = 1; c < table->columns(); ++c) {
        const std::string well = cellText(table, r, 0).toStdString();
        const std::string name = cellText(table, 0, c).toStdString();
        const std::vector<TimeFit> fits = FitTimes(site, name, SiteFitOptionsFor(*project, name, 90));
        const auto fit =
            std::find_if(fits.begin(), fits.end(), [&](const TimeFit& t) { return t.well == well; });
        QVERIFY2(fit != fits.end(), (well + " " + name).c_str());
        const QString cell = cellText(table, r, c);
        QVERIFY2(cell.startsWith(QString::fromLatin1(TrendClassText(fit->mannKendall.trend))),
                 qPrintable(cell));
        QVERIFY2(
            cell.contains(QStringLiteral("n %1, S %2, ").arg(fit->points.size()).arg(fit->mannKendall.s)),
            qPrintable(cell));
        QVERIFY2(cell.endsWith(QStringLiteral("k point %1").arg(fit->kPoint, 0, 'g', 3)), qPrintable(cell));
      }
  // Without vinyl chloride at all: three decay fits, the third alone in its
  // row.
  std::erase_if(site.samples, [](const SiteSample& s) { return s.analyte == kSolvents[3]; });
  QVERIFY(virelo_math_CalcAll(project.get()));
  const QStringList fits =
      headings(*BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 1e7)))
          .filter(QStringLiteral(": decay constant from the wells"));
  QCOMPARE(fits.size(), 3);
  QVERIFY(fits.last().endsWith(QStringLiteral("cis-1,2-Dichloroethene: decay constant from the wells")));
}

// A contaminant's plume length and attenuation factor share its robustness
// lines, input by input, with the plume length's "not used" where it does
// not depend on the input; and every column of a block starts at one place
// on every line, however long a value, so that no value pushes the rest of
// its line into the next column.
void TestReportLayout::robustnessSharesALinePerInputWithAlignedColumns() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
  const auto doc = BuildReportDocument(*project, settings, QSizeF(482, 1e7));
  QStringList heads;
  int blocks = 0, lines = 0;
  std::vector<std::vector<double>> starts;  // of the block's lines, per cell
  QStringList misaligned;
  // The header has no mark column; every other cell starts where the
  // header's does.
  const auto closeBlock = [&] {
    if (starts.empty()) return;
    ++blocks;
    for (const std::vector<double>& line : starts)
      for (size_t k = 0; k < std::min(line.size(), starts.front().size()); ++k)
        if (line[k] != starts.front()[k])
          misaligned << QStringLiteral("block %1 cell %2").arg(blocks).arg(k + 1);
    starts.clear();
  };
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    const QString text = b.text();
    if (!text.contains(QLatin1Char('\t'))) {
      closeBlock();
      if (b.blockFormat().headingLevel() == 4) heads << text;
      continue;
    }
    ++lines;
    QTextLayout* layout = b.layout();
    QVERIFY(layout && layout->lineCount() == 1);
    std::vector<double> line;
    for (qsizetype k = text.indexOf(QLatin1Char('\t')); k >= 0; k = text.indexOf(QLatin1Char('\t'), k + 1))
      line.push_back(layout->lineAt(0).cursorToX(static_cast<int>(k + 1)));
    starts.push_back(line);
  }
  closeBlock();
  QVERIFY2(misaligned.isEmpty(), qPrintable(misaligned.join(QStringLiteral(", "))));
  // Four contaminants, each with both assessments: four blocks of a header
  // and twelve inputs, of which those that move no class share a last line.
  const QString plain = doc->toPlainText();
  const QRegularExpression unmovedLine(
      QStringLiteral("\nNo value the input checks accept changes a class: ([^\n]+)"));
  int unmoved = 0;
  for (const QRegularExpressionMatch& m : unmovedLine.globalMatch(plain)) {
    const QStringList inputs = m.captured(1).split(QStringLiteral(", "));
    // The dispersivities across the flow and the source's size move
    // neither class of the example's solvents.
    for (const char* input : {"ay 2", "az 0.2", "Sy 15", "Sz 5"})
      QVERIFY2(inputs.contains(QLatin1String(input)), qPrintable(m.captured(1)));
    unmoved += static_cast<int>(inputs.size());
  }
  QCOMPARE(blocks, 4);
  QCOMPARE(lines, 4 * 13 - unmoved);
  QCOMPARE(heads.size(), 4);
  for (const QString& head : heads)
    QVERIFY2(head.contains(QRegularExpression(QStringLiteral(
                 "^.+, plume length: (Green|Yellow|Red), (robust|fragile); attenuation factor: "
                 "(Green|Yellow|Red), (robust|fragile)$"))),
             qPrintable(head));
  QVERIFY(plain.contains(QStringLiteral("Input \tValue \tPL ")));
  QVERIFY(plain.contains(QStringLiteral(" \tAF ")));
  // ax moves the attenuation factor only.
  QCOMPARE(plain.count(QRegularExpression(QStringLiteral("\\n(ax|ay|az|Sy|Sz) \t[^\t]+ \tnot used \t \t"))),
           4);
  // No digit or bracket stands right before a tab: the PDF clips such a
  // last glyph, and a "0" would read as "[".
  QVERIFY(!plain.contains(QRegularExpression(QStringLiteral("[0-9)]\t"))));
}

// The yields of a chain that computes stand in its table of classes, each
// on its species' row; a chain that cannot be computed still shows them,
// in a table of their own above the reasons.
void TestReportLayout::chainYieldsStandBesideTheClassesOrAloneWhenTheChainFails() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const std::vector<double> yields = virelo_ExtrasOf(*project).chains.at(0).yields;
  QCOMPARE(yields.size(), size_t(4));
  {
    const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(482, 1e7));
    QVERIFY(!doc->toPlainText().contains(QStringLiteral("Yield (mass per mass")));
    QTextTable* table = tableAfter(*doc, QStringLiteral("Daughters formed along the plume"));
    QVERIFY(table);
    QCOMPARE(cellText(table, 0, 1), QStringLiteral("Yield"));
    QCOMPARE(table->rows(), 1 + 5);
    QCOMPARE(cellText(table, 1, 1), QStringLiteral("parent"));
    for (int r = 2; r <= 5; ++r) QCOMPARE(cellText(table, r, 1), QString::number(yields[r - 2], 'g', 6));
    QCOMPARE(cellText(table, 5, 0), QStringLiteral("Ethene (end product)"));
  }
  // A daughter the project does not hold: no classes, the yields alone.
  virelo_Extras(project.get()).chains[0].species[2] = "Unobtainium";
  const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(482, 1e7));
  const QString text = doc->toPlainText();
  QVERIFY(text.contains(QStringLiteral("The chain cannot be computed")));
  QTextTable* yieldsOnly = tableAfter(*doc, QStringLiteral("Daughters formed along the plume"));
  QVERIFY(yieldsOnly);
  QCOMPARE(cellText(yieldsOnly, 0, 1), QStringLiteral("Yield (mass per mass of the species above)"));
  QCOMPARE(cellText(yieldsOnly, 3, 0), QStringLiteral("Unobtainium"));
  QCOMPARE(cellText(yieldsOnly, 3, 1), QString::number(yields[1], 'g', 6));
}

// Each robustness line says what the break-even search gives for its input
// under its own side's range: the plume length's under the plume-length
// range, the attenuation factor's under the factor's (here another one), the
// heading the classes and fragility of both, and in bold exactly the values
// that make the line fragile.
void TestReportLayout::robustnessLinesAreTheEnginesUnderEachSidesRange() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const ReportSettings settings = ReportSettingsFor(*project, 0, 2);
  const AssessmentRange ranges[2] = {AssessmentRangeOf(0), AssessmentRangeOf(2)};
  const auto doc = BuildReportDocument(*project, settings, QSizeF(482, 1e7));
  const auto word = [](const BreakEvenTable& t) {
    return QStringLiteral("%1, %2").arg(QLatin1String(AssessmentClassName(t.cls)),
                                        IsFragile(t) ? QStringLiteral("fragile") : QStringLiteral("robust"));
  };
  const auto shown = [](const std::optional<double>& at) {
    return at ? QString::fromStdString(FormatResultValue(*at, "%.6g", "%.6g")) : QStringLiteral("-");
  };
  int checked = 0;
  for (int k = 0; k < project->resultCount; ++k) {
    const ContaminantResult& r = project->results[k];
    const QString name = QString::fromLatin1(project->contaminants[r.contaminantIndex].name);
    const BreakEvenTable pl = ResultBreakEvenValues(*project, r, true, ranges[0]);
    const BreakEvenTable af = ResultBreakEvenValues(*project, r, false, ranges[1]);
    const QString heading =
        QStringLiteral("%1, plume length: %2; attenuation factor: %3").arg(name, word(pl), word(af));
    QTextBlock b = doc->begin();
    while (b.isValid() && b.text() != heading) b = b.next();
    QVERIFY2(b.isValid(), qPrintable(heading));
    b = b.next().next();  // past the column heads
    QStringList unmoved;
    for (const BreakEven& e : af.inputs) {
      const auto onPlume = std::find_if(pl.inputs.begin(), pl.inputs.end(),
                                        [&e](const BreakEven& p) { return p.input == e.input; });
      // An input that moves neither side's class is named on the last line.
      if (!e.worseAt && !e.betterAt &&
          (onPlume == pl.inputs.end() || (!onPlume->worseAt && !onPlume->betterAt))) {
        unmoved << QStringLiteral("%1 %2").arg(
            QLatin1String(BreakEvenInputName(e.input)),
            QString::fromStdString(FormatResultValue(e.value, "%.6g", "%.6g")));
        ++checked;
        continue;
      }
      QVERIFY(b.isValid());
      QStringList cells = b.text().split(QLatin1Char('\t'));
      for (QString& cell : cells) cell = cell.trimmed();
      QCOMPARE(cells.size(), 7);
      QCOMPARE(cells[0], QLatin1String(BreakEvenInputName(e.input)));
      QVERIFY2(cells[4].startsWith(shown(e.worseAt)) && cells[5].startsWith(shown(e.betterAt)),
               qPrintable(b.text()));
      const auto side = std::find_if(pl.inputs.begin(), pl.inputs.end(),
                                     [&e](const BreakEven& p) { return p.input == e.input; });
      if (side == pl.inputs.end()) {
        QCOMPARE(cells[2], QStringLiteral("not used"));
      } else {
        QVERIFY2(cells[2].startsWith(shown(side->worseAt)) && cells[3].startsWith(shown(side->betterAt)),
                 qPrintable(b.text()));
      }
      const bool fragile = IsFragile(e) || (side != pl.inputs.end() && IsFragile(*side));
      QCOMPARE(cells[6], fragile ? QStringLiteral("fragile") : QString());
      // Bold: the value cells of the fragile side(s), and the mark.
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QString text = it.fragment().text();
        const bool bold = it.fragment().charFormat().fontWeight() >= QFont::Bold;
        if (text.contains(cells[4]) && !cells[4].isEmpty() && cells[4] != QStringLiteral("-"))
          QCOMPARE(bold, IsFragile(e));
        if (side != pl.inputs.end() && text.contains(cells[2]) && cells[2] != QStringLiteral("-"))
          QCOMPARE(bold, IsFragile(*side));
      }
      b = b.next();
      ++checked;
    }
    const QString last = QStringLiteral("No value the input checks accept changes a class: ");
    if (unmoved.isEmpty())
      QVERIFY2(!b.text().startsWith(last), qPrintable(b.text()));
    else
      QCOMPARE(b.text(), last + unmoved.join(QStringLiteral(", ")));
  }
  QCOMPARE(checked, 4 * 12);
}

// The heading of the document that ends in `title`, as it reads ("6.1 Monitoring wells").
QString headingEndingIn(const QTextDocument& doc, const QString& title) {
  const QStringList found = headings(doc).filter(QRegularExpression(
      QStringLiteral("^[0-9.]+ ") + QRegularExpression::escape(title) + QStringLiteral("$")));
  return found.size() == 1 ? found.front() : QString();
}

// The monitoring wells stand two to a row, each with its own distance,
// offset and use; wells whose redox readings of a date agree share a row,
// and a well that reads otherwise gets its own, in the order of the wells.
void TestReportLayout::wellsAndRedoxReadingsShareRowsAsTheirDataAllow() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
  {
    const auto doc = BuildReportDocument(*project, settings, QSizeF(482, 1e7));
    QTextTable* wells = tableAfter(*doc, headingEndingIn(*doc, QStringLiteral("Monitoring wells")));
    QVERIFY(wells);
    const std::vector<SiteWell>& list = virelo_ExtrasOf(*project).site.wells;
    QCOMPARE(list.size(), size_t(6));
    QCOMPARE(wells->columns(), 8);
    QCOMPARE(wells->rows(), 1 + 3);
    for (size_t k = 0; k < list.size(); ++k) {
      const int row = 1 + static_cast<int>(k / 2), column = 4 * static_cast<int>(k % 2);
      QCOMPARE(cellText(wells, row, column), QString::fromStdString(list[k].name));
      QCOMPARE(cellText(wells, row, column + 1), QString::number(list[k].s, 'g', 6));
      QCOMPARE(cellText(wells, row, column + 2), QString::number(list[k].y, 'g', 6));
      QCOMPARE(cellText(wells, row, column + 3),
               list[k].inFit ? QStringLiteral("yes") : QStringLiteral("no"));
    }
    QTextTable* redox =
        tableAfter(*doc, headingEndingIn(*doc, QStringLiteral("Redox condition from the indicators")));
    QVERIFY(redox);
    QCOMPARE(redox->rows(), 1 + 1);
    QCOMPARE(cellText(redox, 1, 0), QStringLiteral("MW1, MW2, MW3, MW4, MW5"));
  }
  // An odd number of wells leaves the second half of the last row empty.
  {
    ProjectPtr five = solventSiteProject();
    QVERIFY(five);
    virelo_Extras(five.get()).site.wells.pop_back();  // MW6, upstream
    const auto doc = BuildReportDocument(*five, settings, QSizeF(482, 1e7));
    QTextTable* wells = tableAfter(*doc, headingEndingIn(*doc, QStringLiteral("Monitoring wells")));
    QVERIFY(wells);
    QCOMPARE(wells->columns(), 8);
    QCOMPARE(wells->rows(), 1 + 3);
    QCOMPARE(cellText(wells, 3, 0), QStringLiteral("MW5"));
    for (int c = 4; c < 8; ++c) QCOMPARE(cellText(wells, 3, c), QString());
  }
  // MW3 with oxygen: aerobic there, so it leaves the shared row, which
  // keeps the others; the rows stand in the order of their first well.
  SiteData& site = virelo_Extras(project.get()).site;
  for (SiteSample& sample : site.samples)
    if (sample.well == "MW3" && sample.analyte == kIndicatorOxygen) sample.value = 6.0;
  const auto doc = BuildReportDocument(*project, settings, QSizeF(482, 1e7));
  QTextTable* redox =
      tableAfter(*doc, headingEndingIn(*doc, QStringLiteral("Redox condition from the indicators")));
  QVERIFY(redox);
  QCOMPARE(redox->rows(), 1 + 2);
  QCOMPARE(cellText(redox, 1, 0), QStringLiteral("MW1, MW2, MW4, MW5"));
  QCOMPARE(cellText(redox, 2, 0), QStringLiteral("MW3"));
  QVERIFY2(cellText(redox, 1, 2) != cellText(redox, 2, 2), qPrintable(cellText(redox, 2, 2)));
  const std::vector<RedoxReading> readings = ReadRedox(site);
  for (const RedoxReading& r : readings) {
    const int row = r.well == "MW3" ? 2 : 1;
    QCOMPARE(cellText(redox, row, 2), QString::fromLatin1(kRedoxConditions[r.condition].text));
  }
}

// The four solvents come from one literature table: its citation and the
// plume length they share are written once, naming all four, and each
// solvent keeps its own decay constant, and its note where its value is
// not the table's.
void TestReportLayout::sourcesWriteASharedCitationOnceAndKeepEachOwnPart() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const auto sourcesOf = [](const Project& p) {
    const QString text = BuildReportDocument(p, ReportSettingsFor(p, 0, 0), QSizeF(482, 1e7))->toPlainText();
    return text.mid(text.indexOf(QStringLiteral("Sources of the database values used")));
  };
  QString sources = sourcesOf(*project);
  const QString all = QStringLiteral(
      "Tetrachloroethene (PCE), Trichloroethene (TCE), cis-1,2-Dichloroethene, Vinyl chloride: ");
  QCOMPARE(sources.count(QStringLiteral("Suarez and Rifai 1999")), 1);
  QVERIFY2(sources.contains(all + QStringLiteral("Suarez and Rifai 1999")), qPrintable(sources));
  QCOMPARE(sources.count(QStringLiteral("Plume length: 75th percentile 2500 ft")), 1);
  QVERIFY2(sources.contains(
               QStringLiteral("(k in 1/d), each contaminant's values in its entry below; Plume length: "
                              "75th percentile 2500 ft")),
           qPrintable(sources));
  // Each one's own value, right after its name.
  for (const char* own : {"Tetrachloroethene (PCE): reductive dechlorination 0.010 1/d",
                          "Trichloroethene (TCE): reductive dechlorination 0.003 1/d",
                          "cis-1,2-Dichloroethene: reductive dechlorination 0.002 1/d",
                          "Vinyl chloride: aerobic (direct) 0.087 1/d"})
    QVERIFY2(sources.contains(QLatin1String(own)), own);
  // Ehlke et al. give TCE and cis-DCE values for an unknown redox
  // condition, which this methanogenic site does not use: not cited. Under
  // that condition each keeps its own part.
  QVERIFY2(!sources.contains(QStringLiteral("Ehlke")), qPrintable(sources));
  {
    ProjectPtr unknown = solventSiteProject();
    for (int k = 0; k < kRedoxConditionCount; ++k)
      if (kRedoxConditions[k].lambdaBit == kLambdaUnknown) unknown->aquifer.redoxCondition = k;
    for (int k = 0; k < unknown->contaminantCount; ++k)
      if (unknown->contaminants[k].lambdaMask & kLambdaUnknown)
        unknown->contaminants[k].lambdaSelected = kLambdaUnknown;
    const QString under = sourcesOf(*unknown);
    QCOMPARE(under.count(QStringLiteral("Decay constant, unknown / variable: 0.001 per week")), 1);
    QCOMPARE(under.count(QStringLiteral("Decay constant, unknown / variable: 0.01 per week")), 1);
    QVERIFY2(!under.contains(QStringLiteral("Decay constant, aerobic:")), qPrintable(under));
  }

  // PCE's decay constant typed over: its entry says so, while it still
  // shares the citation.
  Contaminant* pce = Find(project.get(), kSolvents[0]);
  QVERIFY(pce);
  double lambda = 0.0;
  QVERIFY(virelo_GetLambda(pce, &lambda));
  virelo_SetLambda(pce, pce->lambdaSelected, lambda * 2.0);
  sources = sourcesOf(*project);
  QVERIFY2(sources.contains(all + QStringLiteral("Suarez and Rifai 1999")), qPrintable(sources));
  QVERIFY2(sources.contains(
               QStringLiteral("Tetrachloroethene (PCE): reductive dechlorination 0.010 1/d, entered "
                              "for sulfate-reducing and methanogenic conditions, under which reductive "
                              "dechlorination proceeds Note: the decay constant in this project "
                              "differ(s)")),
           qPrintable(sources));
}

// Every table of a frame and of the tables in its cells, in order.
void allTables(QTextFrame* frame, std::vector<QTextTable*>* list) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) list->push_back(table);
    allTables(child, list);
  }
}

// The wells against the model stand two contaminants to a row; each
// well's ratio is the engine's measured over model, with three digits
// (a whole number from 1000 on, as PCE's farthest well has it), and
// "under" beside it exactly where the engine finds the model too low.
void TestReportLayout::wellsTablesHoldTheEnginesRatiosAndMarks() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(482, 1e7));
  std::vector<QTextTable*> list;
  allTables(doc->rootFrame(), &list);
  int checked = 0, whole = 0;
  for (int a = 0; a < 4; ++a) {
    const Contaminant* c = Find(project.get(), kSolvents[a]);
    QVERIFY(c);
    const WellsEvidence wells = WellsEvidenceOf(*project, static_cast<int>(c - project->contaminants),
                                                AssessmentRangeOf(0), VerdictBasis::Screening);
    QVERIFY(wells.hasClass);
    // The contaminant's table: the one whose rows hold its measured values.
    QTextTable* table = nullptr;
    for (QTextTable* t : list)
      if (t->columns() == 7 && t->rows() == 1 + static_cast<int>(wells.wells.size()) &&
          cellText(t, 1, 3) == QString::fromStdString(FormatConcentration(wells.wells[0].measured)))
        table = t;
    QVERIFY2(table, kSolvents[a]);
    QCOMPARE(cellText(table, 0, 6), QStringLiteral("Measured / model"));
    for (size_t k = 0; k < wells.wells.size(); ++k) {
      const WellComparison& w = wells.wells[k];
      const int row = 1 + static_cast<int>(k);
      QCOMPARE(cellText(table, row, 0), QString::fromStdString(w.well));
      const QString ratio = cellText(table, row, 6);
      const QString number = ratio.section(QLatin1Char(' '), 0, 0);
      QVERIFY2(std::fabs(number.toDouble() / w.factor - 1.0) < 0.005, qPrintable(ratio));
      if (w.factor >= 1000.0) {
        QVERIFY2(!number.contains(QLatin1Char('e')) && !number.contains(QLatin1Char('.')), qPrintable(ratio));
        ++whole;
      } else {
        QCOMPARE(number, QString::number(w.factor, 'g', 3));
      }
      QCOMPARE(ratio.endsWith(QStringLiteral(" under")), w.underpredicted);
      ++checked;
    }
  }
  QCOMPARE(checked, 4 * 5);
  QVERIFY(whole >= 1);
}

// A centre-line chart draws the screening model at fifty points and the
// exact solution at every second of them, each value the engine's at the
// distance it is drawn at, up to a quarter beyond the receptor; what is too
// small for the axis is left out. Also with dispersivities far from the
// usual and a decay strong enough to empty the far end.
void TestReportLayout::centreLineChartsDrawEachModelAtItsOwnDistances() {
  ProjectPtr project = solventSiteProject();
  QVERIFY(project);
  const Contaminant* pce = Find(project.get(), kSolvents[0]);
  QVERIFY(pce);
  double lambda = 0.0;
  QVERIFY(virelo_GetLambda(pce, &lambda));
  struct Case {
    const char* name;
    double ax, decay;  // longitudinal dispersivity [m], factor on the decay constant
  };
  for (const Case& c : {Case{"as entered", 20.0, 1.0}, Case{"tiny dispersivity", 0.01, 1.0},
                        Case{"huge dispersivity", 400.0, 1.0}, Case{"strong decay", 20.0, 200.0}}) {
    Aquifer aquifer = project->aquifer;
    virelo_SetAquiferValue(&aquifer, kAquiferAx, c.ax);
    const double x = aquifer.distanceX;
    const CentreLineChartPoints points = CentreLineChartPointsOf(aquifer, lambda * c.decay);
    QCOMPARE(points.right, 1.25 * x);
    QVERIFY2(!points.screening.isEmpty() && !points.exact.isEmpty(), c.name);
    for (const QPointF& p : points.screening) {
      QCOMPARE(p.y(), virelo_math_ScreeningConcentration(&aquifer, lambda * c.decay, p.x()));
      QVERIFY(p.y() >= 1e-15);
    }
    for (const QPointF& p : points.exact) {
      const double engine = virelo_math_ExactConcentration(&aquifer, lambda * c.decay, p.x());
      QVERIFY2(std::fabs(p.y() / engine - 1.0) < 1e-12, c.name);
      QVERIFY(p.y() >= 1e-15);
      // On the screening model's grid, every second point of it.
      const double step = points.right / 50.0;
      const double index = p.x() / step;
      QVERIFY2(std::fabs(index - std::round(index)) < 1e-9 && static_cast<int>(std::round(index)) % 2 == 0,
               qPrintable(QStringLiteral("%1: s = %2").arg(QLatin1String(c.name)).arg(p.x())));
    }
    // The solvent as entered reaches the chart's end above the axis's
    // floor; a strong decay does not.
    if (c.ax == 20.0 && c.decay == 1.0) {
      QCOMPARE(points.screening.size(), 50);
      QCOMPARE(points.exact.size(), 25);
      QCOMPARE(points.exact.back().x(), points.right);
    }
    if (c.decay > 1.0) QVERIFY2(points.screening.size() < 50 && points.exact.size() < 25, c.name);
  }
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
