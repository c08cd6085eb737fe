// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The report's charts on paper: every kind (centre line, decay chain, time,
// the wells' decay fits, the uncertainty histograms) drawn by the page's
// painter as lines and text, none as a picture, each where its section puts
// it and inside the page's margins. One report with all of them serves
// every check, as writing it is the slow part.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"

namespace {

// A4 with the report's margins (16 mm left and right, 14 mm top, 12 mm
// bottom), in points as pdftotext measures from the page's top left.
constexpr double kLeft = 16 / 25.4 * 72, kRight = 595.28 - kLeft;
constexpr double kTop = 14 / 25.4 * 72, kBottom = 841.89 - 12 / 25.4 * 72;

// The dry cleaner (its chain, and its sorption and shrinking source for the
// time charts) with three wells of PCE for one decay fit and a drawn source
// concentration for the histograms.
ProjectPtr everyChartProject() {
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
  if (!project) return project;
  const std::string pce = "Tetrachloroethene (PCE)";
  SiteData& site = virelo_Extras(project.get()).site;
  const double s[] = {5.0, 60.0, 150.0};
  for (int w = 0; w < 3; ++w) {
    const std::string well = "MW" + std::to_string(w + 1);
    site.wells.push_back({well, s[w], 0.0, true});
    site.samples.push_back({well, "2024-09-10", pce, 4000.0 * std::exp(-0.02 * s[w]), kUnitUgL, false});
  }
  UncertaintyPlan& plan = virelo_Extras(project.get()).uncertainty;
  plan.samples = 50;
  plan.inputs = {{UncertainInput::C0, pce, DistributionKind::LogNormal, {8000.0, 2.0}}};
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of the PDF outside the margins, each as "page N: word (x, y)";
// `words` counts those read.
QStringList wordsOutsideMargins(const QString& pdf, int* words) {
  static const QRegularExpression page(QStringLiteral("<page "));
  static const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  QStringList outside;
  int number = 0;
  for (const QString& line :
       run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"}).split('\n')) {
    if (line.contains(page)) ++number;
    const QRegularExpressionMatch m = word.match(line);
    if (!m.hasMatch()) continue;
    ++*words;
    const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
    const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
    if (x0 < kLeft - 1 || x1 > kRight + 1 || y0 < kTop - 1 || y1 > kBottom + 1)
      outside << QStringLiteral("page %1: %2 (%3, %4)").arg(number).arg(m.captured(5)).arg(x0).arg(y0);
  }
  return outside;
}

}  // namespace

class TestReportCharts : public QObject {
  Q_OBJECT

 private slots:
  void everyChartIsDrawnAsLinesAndTextWhereItsSectionPutsIt();
};

void TestReportCharts::everyChartIsDrawnAsLinesAndTextWhereItsSectionPutsIt() {
  ProjectPtr project = everyChartProject();
  QVERIFY(project);
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);

  // The document holds no picture: each chart is an object the page's
  // painter draws, four on the centre line, one chain, four time charts
  // (one per species), one decay fit and eight histograms (each species
  // for its plume length and its attenuation factor).
  const auto doc = BuildReportDocument(*project, settings, QSizeF(515, 760));
  const QString html = doc->toHtml();
  QVERIFY(!html.contains(QStringLiteral("data:image")));
  QVERIFY(!html.contains(QStringLiteral("<img")));
  // Each at the size its picture had, in points, in the order of the
  // sections: the histograms, the centre line two to a line, the decay
  // fit at half the width, the chain across it, the time charts, each of
  // the last two centred.
  QStringList sizes;
  int images = 0;
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().isImageFormat()) ++images;
      if (fragment.charFormat().objectType() < QTextFormat::UserObject) continue;
      for (int k = 0; k < fragment.length(); ++k) {
        const QTextLine line =
            block.layout()->lineForTextPosition(fragment.position() + k - block.position());
        const double left = line.cursorToX(fragment.position() + k - block.position());
        const double right = line.cursorToX(fragment.position() + k + 1 - block.position());
        sizes << QStringLiteral("%1x%2 at %3")
                     .arg(qRound(right - left))
                     .arg(qRound(line.ascent()))
                     .arg(qRound(left));
      }
    }
  QCOMPARE(images, 0);
  // Left edges from the start of their line: a cell's, or the page's
  // text width with the line centred.
  QStringList expected;
  for (int k = 0; k < 8; ++k) expected << QStringLiteral("90x50 at 0");
  for (int k = 0; k < 2; ++k) expected << QStringLiteral("254x152 at 3") << QStringLiteral("254x152 at 259");
  expected << QStringLiteral("188x77 at 0") << QStringLiteral("480x156 at 18");
  for (int k = 0; k < 4; ++k) expected << QStringLiteral("315x158 at 100");
  QCOMPARE(sizes, expected);

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("charts.pdf"));
  QString error;
  QVERIFY2(WriteReportPdf(*project, settings, pdf, &error), qPrintable(error));
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY(bytes.startsWith("%PDF-"));
  QVERIFY2(!bytes.contains("/Subtype /Image"), "the PDF holds a raster image");

  // Each chart's lettering is text of the page, in the order of the
  // sections, after the sentence that leads into it.
  const QString text =
      run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"})
          .simplified();
  QVERIFY(!text.isEmpty());
  const QStringList inOrder = {
      QStringLiteral("Uncertainty"),
      QStringLiteral("C0/C (log scale)"),
      QStringLiteral("Centre-line charts"),
      QStringLiteral("Tetrachloroethene (PCE), CA/C0 = 0.00125"),
      QStringLiteral("Tetrachloroethene (PCE): decay constant from the wells"),
      QStringLiteral("Tetrachloroethene (PCE) on 2024-09-10"),
      QStringLiteral("Daughters formed along the plume"),
      QStringLiteral("Concentrations on the centre line (solid: screening, dashed: exact, dotted: each CA)"),
      QStringLiteral("Distance from the source s [m]"),
      QStringLiteral("Ethene"),
      QStringLiteral("Species Yield CA"),
      QStringLiteral("Time"),
      QStringLiteral("At the receptor"),
      QStringLiteral("Screening form"),
      QStringLiteral("Exact solution"),
      QStringLiteral("Time since the source appeared"),
  };
  qsizetype from = 0;
  for (const QString& part : inOrder) {
    const qsizetype at = text.indexOf(part, from);
    QVERIFY2(at >= 0, qPrintable(QStringLiteral("not found in order: ") + part));
    from = at + part.size();
  }
  QCOMPARE(text.count(QStringLiteral("At the receptor")), 4);
  QCOMPARE(text.count(QStringLiteral("(log scale)")), 8);
  // No lettering is cut short: each concentration axis (four time charts and
  // the chain's) has its whole title, and no label stands as a bare "..." (the
  // assessment range's "0.3 < ... < 2.0" aside).
  QCOMPARE(text.count(QString::fromUtf8("Concentration [\u00b5g/L]")), 5);
  QString rest = text;
  rest.remove(QStringLiteral("< ... <"));
  QVERIFY2(!rest.contains(QStringLiteral(" ... ")) && !rest.contains(QStringLiteral("[\u00b5...")),
           qPrintable(rest));

  int words = 0;
  const QStringList outside = wordsOutsideMargins(pdf, &words);
  QVERIFY(words > 1000);
  QVERIFY2(outside.isEmpty(), qPrintable(outside.join('\n')));
}

QTEST_MAIN(TestReportCharts)
#include "tst_reportcharts.moc"
