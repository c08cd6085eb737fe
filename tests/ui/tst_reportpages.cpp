// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The report's pages as a reader sees them in the PDF: no number, unit or
// well name broken across lines, nothing past the right margin, no page
// that ends with a heading; the examples and a site whose wells have long
// names (wide wells tables, tables two to a row). Each report is written
// once and read for every rule.
#include <QAbstractTextDocumentLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <map>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "report/ReportLayout.h"
#include "report/ReportPagination.h"
#include "support/ContaminantProjects.h"
#include "support/PdfLines.h"

namespace {

// The PDF's page: A4 in points, the report's margins (16 mm left and right,
// 12 mm at the foot) and the footer of 26 pt above the foot's margin.
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kSideMargin = 16 * kPointsPerMm;
constexpr double kFooterTop = 841.89 - 12 * kPointsPerMm - 26.0;

struct Word {
  double left, top, right, bottom;
  QString text;
};
struct Page {
  double width = 0;
  std::vector<Word> words;
};

std::vector<Page> pdfWords(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(60000)) return {};
  static const QRegularExpression pageTag(QStringLiteral("<page width=\"([\\d.]+)\""));
  static const QRegularExpression wordTag(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*)</word>"));
  std::vector<Page> pages;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
    if (const auto m = pageTag.match(line); m.hasMatch()) {
      pages.push_back({m.captured(1).toDouble(), {}});
    } else if (const auto w = wordTag.match(line); w.hasMatch() && !pages.empty()) {
      QString text = w.captured(5);
      text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
          .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
          .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
      pages.back().words.push_back({w.captured(1).toDouble(), w.captured(2).toDouble(),
                                    w.captured(3).toDouble(), w.captured(4).toDouble(), text});
    }
  }
  return pages;
}

// The lowest line of a page's body, above the footer, its words in order.
QString lastBodyLine(const Page& page) {
  double lowest = -1;
  for (const Word& w : page.words)
    if (w.bottom < kFooterTop) lowest = std::max(lowest, w.top);
  std::map<double, QString> line;
  for (const Word& w : page.words)
    if (w.bottom < kFooterTop && std::abs(w.top - lowest) < 2.0) line[w.left] = w.text;
  QStringList words;
  for (const auto& [left, text] : line) words << text;
  return words.join(QLatin1Char(' '));
}

// The sentences the sections declare as leading into what follows.
QStringList leadsOf(const QTextDocument& doc) {
  QStringList list;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    if (LayoutRoleOf(b) == LayoutRole::kLead) list << b.text().simplified();
  return list;
}

QStringList headingsOf(const QTextDocument& doc) {
  QStringList list;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    if (b.blockFormat().headingLevel() > 0 && b.blockFormat().headingLevel() < 4)
      list << b.text().simplified();
  return list;
}

// Every place where the reading order goes on from a line that ends in the
// first words of a name to one that starts with the rest of it, or where a
// line ends inside a unit ("[µg/", "1/").
QStringList namesBrokenAcrossLines(const QString& pdf, int pages, const QStringList& names) {
  static const QRegularExpression slashAtEnd(QStringLiteral("\\S/$"));
  QStringList broken;
  for (int page = 1; page <= pages; ++page) {
    QStringList lines = pageLines(pdf, page);
    for (QString& line : lines) line.replace(QChar(0x00A0), QLatin1Char(' '));
    for (qsizetype k = 0; k + 1 < lines.size(); ++k) {
      if (slashAtEnd.match(lines[k]).hasMatch())
        broken << QStringLiteral("page %1: \"%2\" / \"%3\"").arg(page).arg(lines[k], lines[k + 1]);
      for (const QString& name : names) {
        const QStringList words = name.split(QLatin1Char(' '));
        for (qsizetype cut = 1; cut < words.size(); ++cut)
          if (lines[k].endsWith(words.mid(0, cut).join(QLatin1Char(' '))) &&
              lines[k + 1].startsWith(words.mid(cut).join(QLatin1Char(' '))))
            broken << QStringLiteral("page %1: \"%2\" / \"%3\"").arg(page).arg(lines[k], lines[k + 1]);
      }
    }
  }
  return broken;
}

struct Findings {
  int pages = 0;
  QStringList faults;
};

// Writes the report of `project` and reads its PDF for every rule; the
// faults name the page and the text.
Findings readReport(const Project& project, const QStringList& names) {
  Findings found;
  const ReportSettings settings = ReportSettingsFor(project, 0, 0);
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
  QString error;
  if (!WriteReportPdf(project, settings, pdf, &error)) {
    found.faults << QStringLiteral("not written: ") + error;
    return found;
  }
  found.faults << numbersBrokenAcrossLines(pdf, &found.pages);
  found.faults << namesBrokenAcrossLines(pdf, found.pages, names);
  // The same document the PDF was painted from, for its headings.
  const auto doc = BuildReportDocument(project, settings,
                                       QSizeF(595.28 - 2 * kSideMargin, kFooterTop - 14 * kPointsPerMm));
  const QStringList headings = headingsOf(*doc);
  const QStringList leads = leadsOf(*doc);
  static const QRegularExpression numbered(QStringLiteral("^\\d+(\\.\\d+)? \\S"));
  const std::vector<Page> pages = pdfWords(pdf);
  for (size_t p = 0; p < pages.size(); ++p) {
    for (const Word& w : pages[p].words)
      if (w.right > pages[p].width - kSideMargin + 0.5 || w.left < kSideMargin - 0.5)
        found.faults << QStringLiteral("page %1: \"%2\" beyond the margin (%3 to %4 pt)")
                            .arg(p + 1)
                            .arg(w.text)
                            .arg(w.left)
                            .arg(w.right);
    // The last page may end anywhere; no other ends with a heading.
    const QString last = lastBodyLine(pages[p]).replace(QChar(0x00A0), QLatin1Char(' '));
    if (p + 1 < pages.size() && numbered.match(last).hasMatch())
      for (const QString& heading : headings)
        if (heading.startsWith(last))
          found.faults << QStringLiteral("page %1 ends with the heading \"%2\"").arg(p + 1).arg(heading);
    // Nor with a sentence that leads into a table or charts.
    if (p + 1 < pages.size() && last.size() >= 10)
      for (const QString& lead : leads)
        if (lead.endsWith(last))
          found.faults << QStringLiteral("page %1 ends with the lead \"%2\"").arg(p + 1).arg(lead.left(60));
  }
  return found;
}

ProjectPtr loadExample(const char* name) {
  return ProjectPtr(virelo_LoadProject(
      QStringLiteral(VIRELO_SOURCE_DIR "/examples/%1.vrp").arg(QLatin1String(name)).toLocal8Bit().constData(),
      "rb"));
}

// The petrol station with its wells named as a surveyor might ("GWM 1
// Mill Lane upstream"), which widens the wells tables two to a row, and
// two transects, so that the mass discharge is written.
ProjectPtr longWellNamesProject(QStringList* names) {
  ProjectPtr project = loadExample("petrol-station");
  if (!project) return project;
  SiteData& site = virelo_Extras(project.get()).site;
  std::map<std::string, std::string> renamed;
  const char* places[] = {"Mill Lane upstream",  "forecourt pump island", "Mill Lane kerb",
                          "garden of number 12", "meadow by the brook",   "car park north"};
  for (size_t k = 0; k < site.wells.size(); ++k) {
    const std::string name = "GWM " + std::to_string(k + 1) + " " + places[k % 6];
    renamed[site.wells[k].name] = name;
    site.wells[k].name = name;
    *names << QString::fromStdString(name);
  }
  for (SiteSample& sample : site.samples)
    if (const auto found = renamed.find(sample.well); found != renamed.end()) sample.well = found->second;
  MonitoringSettings& monitoring = virelo_Extras(project.get()).monitoring;
  for (std::string& well : monitoring.backgroundWells)
    if (const auto found = renamed.find(well); found != renamed.end()) well = found->second;
  monitoring.transects = {{"Near the source", {renamed["MW2"], renamed["MW3"]}},
                          {"Towards the brook", {renamed["MW4"], renamed["MW5"]}}};
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

// A page of 300 pt with a paragraph of `fillerLines` lines and a table of
// `rows` rows under it, its page breaks adjusted: the pages of the table's
// first and last rows.
std::pair<int, int> tableRowPages(int fillerLines, int rows) {
  QTextDocument doc;
  doc.setPageSize(QSizeF(400, 300));
  doc.setDocumentMargin(0);
  QString html = QStringLiteral("<p>") + QStringLiteral("line<br>").repeated(fillerLines) +
                 QStringLiteral("</p><table border=\"1\" cellspacing=\"0\">");
  for (int r = 0; r < rows; ++r)
    html += QStringLiteral("<tr><td>row %1</td><td>%2</td></tr>").arg(r).arg(r * 0.5);
  doc.setHtml(html + QStringLiteral("</table>"));
  doc.documentLayout()->documentSize();
  KeepReportPartsTogether(&doc);
  auto pageOfRow = [&doc](int row) {
    const QTextTable* table = nullptr;
    for (QTextFrame* frame : doc.rootFrame()->childFrames())
      if ((table = qobject_cast<QTextTable*>(frame))) break;
    const QTextBlock block = doc.findBlock(table->cellAt(row, 0).firstPosition());
    return static_cast<int>(doc.documentLayout()->blockBoundingRect(block).top() / 300.0);
  };
  return {pageOfRow(0), pageOfRow(rows - 1)};
}

// A table of `columns` numbers of ten digits on a page `width` wide,
// marked and fitted as the report does: the lines of its cells, the
// smallest point size in it and whether every line stays within the width.
struct Fitted {
  int tablesFitted = 0;
  bool wordBroken = false;
  bool pastWidth = false;
  double smallest = 1e9;
};
Fitted fitTable(int columns, double width) {
  QTextDocument doc;
  doc.setPageSize(QSizeF(width, 800));
  doc.setDocumentMargin(0);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(8);
  doc.setDefaultFont(font);
  QString html =
      QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2.5\"><tr>");
  for (int c = 0; c < columns; ++c) html += QStringLiteral("<td>0.%1</td>").arg(123456789 + c);
  doc.setHtml(html + QStringLiteral("</tr></table>"));
  ApplyLayoutMarks(&doc);
  Fitted fitted;
  fitted.tablesFitted = FitReportTables(&doc);
  doc.documentLayout()->documentSize();
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (b.text().isEmpty()) continue;
    const QRectF rect = doc.documentLayout()->blockBoundingRect(b);
    fitted.wordBroken = fitted.wordBroken || b.layout()->lineCount() > 1;
    fitted.pastWidth =
        fitted.pastWidth || rect.left() + b.layout()->lineAt(0).naturalTextWidth() > width + 0.5;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      fitted.smallest =
          std::min(fitted.smallest, f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : 8.0);
    }
  }
  return fitted;
}

}  // namespace

class TestReportPages : public QObject {
  Q_OBJECT

 private slots:
  void examplesReadWholeOnEveryPage();
  void longWellNamesStayWholeAndWithinTheMargins();
  void tablesOfFewerThanTenRowsStayOnOnePage();
  void aTableTooWideForItsNumbersIsSetSmaller();
  void marksBecomeFormatsAndLeaveNoTrace();
};

void TestReportPages::examplesReadWholeOnEveryPage() {
  for (const char* name : {"dry-cleaner", "petrol-station", "fuel-depot", "worked-example"}) {
    ProjectPtr project = loadExample(name);
    QVERIFY2(project, name);
    const Findings found = readReport(*project, {});
    QVERIFY2(found.faults.isEmpty(), qPrintable(QLatin1String(name) + QStringLiteral(": ") +
                                                found.faults.mid(0, 8).join(QStringLiteral("; "))));
    if (QLatin1String(name) == QLatin1String("dry-cleaner")) QVERIFY2(found.pages <= 8, name);
  }
}

void TestReportPages::longWellNamesStayWholeAndWithinTheMargins() {
  QStringList names;
  ProjectPtr project = longWellNamesProject(&names);
  QVERIFY(project);
  const Findings found = readReport(*project, names);
  QVERIFY2(found.faults.isEmpty(), qPrintable(found.faults.mid(0, 8).join(QStringLiteral("; "))));
  // The mass discharge's sentence stands on the page of its table.
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("wells.pdf"));
  QVERIFY(WriteReportPdf(*project, ReportSettingsFor(*project, 0, 0), pdf, nullptr));
  int sentence = 0, table = 0;
  for (int page = 1; page <= found.pages; ++page) {
    const QString text = pageLines(pdf, page).join(QLatin1Char(' '));
    if (text.contains(QStringLiteral("Mass discharge Md"))) sentence = page;
    if (text.contains(QStringLiteral("Next transect downstream"))) table = page;
  }
  QVERIFY(sentence > 0);
  QCOMPARE(table, sentence);
}

// Both sides of the bound: nine rows move to the next page whole, ten may
// be split, their first row staying under what comes before.
void TestReportPages::tablesOfFewerThanTenRowsStayOnOnePage() {
  for (int filler = 14; filler <= 18; filler += 2) {
    const auto [nineFirst, nineLast] = tableRowPages(filler, 9);
    QCOMPARE(nineFirst, nineLast);
    const auto [tenFirst, tenLast] = tableRowPages(filler, 10);
    QCOMPARE(tenFirst, 0);
    QCOMPARE(tenLast, 1);
  }
}

// Numbers too many for the width: set smaller until each stands on one
// line within the width; a table that fits keeps its size.
void TestReportPages::aTableTooWideForItsNumbersIsSetSmaller() {
  const Fitted wide = fitTable(7, 400);
  QCOMPARE(wide.tablesFitted, 1);
  QVERIFY(!wide.wordBroken);
  QVERIFY(!wide.pastWidth);
  QVERIFY(wide.smallest < 8.0);
  QVERIFY(wide.smallest > 3.5);
  const Fitted fits = fitTable(3, 400);
  QCOMPARE(fits.tablesFitted, 0);
  QVERIFY(!fits.wordBroken);
  QCOMPARE(fits.smallest, 8.0);
}

// What a section declares reaches the paragraph's or the table's format,
// the cells that must not wrap are set so, and no mark stays in the text.
void TestReportPages::marksBecomeFormatsAndLeaveNoTrace() {
  QTextDocument doc;
  const QString table = QStringLiteral(
      "<table><tr><th>Well name</th><th>Measured / model</th></tr>"
      "<tr><td>GWM 1 upstream</td><td>6.08 under</td></tr><tr><td>MW2</td><td>0.733</td></tr></table>");
  doc.setHtml(WithLayoutMark(QStringLiteral("<h2>1 Head</h2>"), LayoutRole::kHeading) +
              WithLayoutMark(QStringLiteral("<p>Leads in.</p>"), LayoutRole::kLead) +
              WithLayoutMark(QStringLiteral("<p>Chart line</p>"), LayoutRole::kChart) +
              WithLayoutMark(table, LayoutRole::kTable, QStringLiteral("wn")) +
              QStringLiteral("<p>Plain.</p>"));
  ApplyLayoutMarks(&doc);
  QVERIFY(doc.toPlainText().startsWith(QStringLiteral("1 Head\nLeads in.\nChart line\n")));
  QVERIFY(!doc.toPlainText().contains(QChar(0xE002)));
  QVERIFY(!doc.toPlainText().contains(QChar(0xE003)));
  std::map<QString, LayoutRole> roles;
  std::map<QString, bool> noWrap;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    roles[b.text()] = LayoutRoleOf(b);
    noWrap[b.text()] = b.blockFormat().nonBreakableLines();
  }
  QCOMPARE(roles[QStringLiteral("1 Head")], LayoutRole::kHeading);
  QCOMPARE(roles[QStringLiteral("Leads in.")], LayoutRole::kLead);
  QCOMPARE(roles[QStringLiteral("Chart line")], LayoutRole::kChart);
  QCOMPARE(roles[QStringLiteral("Plain.")], LayoutRole::kNone);
  // The table's mark is the table's, not its first cell's.
  QCOMPARE(roles[QStringLiteral("Well name")], LayoutRole::kNone);
  const QTextTable* marked = nullptr;
  for (QTextFrame* frame : doc.rootFrame()->childFrames())
    if ((marked = qobject_cast<QTextTable*>(frame))) break;
  QVERIFY(marked);
  QCOMPARE(LayoutRoleOf(marked), LayoutRole::kTable);
  // The first column wraps between words, the second never; one word never.
  QCOMPARE(noWrap[QStringLiteral("Well name")], false);
  QCOMPARE(noWrap[QStringLiteral("GWM 1 upstream")], false);
  QCOMPARE(noWrap[QStringLiteral("MW2")], true);
  QCOMPARE(noWrap[QStringLiteral("Measured / model")], true);
  QCOMPARE(noWrap[QStringLiteral("6.08 under")], true);
  QCOMPARE(noWrap[QStringLiteral("Plain.")], false);
}

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
