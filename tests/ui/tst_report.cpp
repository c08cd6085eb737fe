// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The assessment report, read back from the PDF as text: it says what the
// results page shows, names the file it comes from (or says it has none),
// lists problems in words, and is written headless by virelo-cli.
#include <QCryptographicHash>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>
#include <cerrno>
#include <cstring>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cmath>

#include "engine/core/breakeven.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"
#include "support/PdfLines.h"

namespace {

const QString kExample = QStringLiteral(VIRELO_SOURCE_DIR "/examples/fuel-depot.vrp");

// The PDF's text with its white space collapsed; ligatures the fonts use
// become their letters again.
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

QString sha256(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
}

// Every row of the results page as its cells read on screen, joined by
// blanks: the name, the class in words, both values.
QStringList screenRows(MainDialog* window) {
  QStringList rows;
  CPropResults* page = window->pageTabs->resultsPage;
  for (int side : {CPropResults::PlumeLengthSide, CPropResults::AttenuationFactorSide}) {
    const ResultListModel* model = page->listModel(side);
    for (int r = 0; r < model->rowCount(); ++r) {
      QStringList cells = {model->data(model->index(r, 0)).toString(),
                           QLatin1String(AssessmentClassName(model->row(r).cls))};
      if (model->row(r).hasValues)
        cells << model->data(model->index(r, 1)).toString() << model->data(model->index(r, 2)).toString();
      rows << cells.join(QLatin1Char(' '));
    }
  }
  return rows;
}

// The texts of every problem of the project's results.
QStringList problemTexts(const Project& project) {
  QStringList texts;
  auto add = [&texts](const ProblemCode* codes, int count) {
    char text[256];
    for (int k = 0; codes && k < count; ++k)
      if (virelo_GetProblemText(codes[k], text)) texts << QString::fromLatin1(text);
  };
  for (int k = 0; k < project.resultCount; ++k) {
    const ContaminantResult& r = project.results[k];
    add(r.plAquiferProblems, r.plAquiferProblemCount);
    add(r.plContaminantProblems, r.plContaminantProblemCount);
    add(r.afAquiferProblems, r.afAquiferProblemCount);
    add(r.afContaminantProblems, r.afContaminantProblemCount);
  }
  return texts;
}

int pageCount(const QString& text) {
  const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Page 1 of (\\d+)")).match(text);
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

struct CliRun {
  int exitCode = -1;
  QString standardError;
};

// virelo-cli as a user runs it, without a display.
CliRun runCli(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(VIRELO_BINARY_DIR "/virelo-cli"), arguments);
  process.waitForFinished(120000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLocal8Bit(process.readAllStandardError())};
}

// The report as the document holds it, white space collapsed: what the
// sections wrote, without a PDF in between. The layout joins a unit that a
// line would end inside ("mg/" and "L") with a joiner no reader sees.
QString documentText(const Project& project, int plumeRange, int afRange) {
  const ReportSettings settings = ReportSettingsFor(project, plumeRange, afRange);
  return BuildReportDocument(project, settings, QSizeF(515, 760))
      ->toPlainText()
      .remove(QChar(0x2060))
      .simplified();
}

// The stretch of `text` from `from` up to `to` (or its end).
QString between(const QString& text, const QString& from, const QString& to) {
  const qsizetype start = text.indexOf(from);
  if (start < 0) return {};
  const qsizetype end = text.indexOf(to, start + from.size());
  return text.mid(start, end < 0 ? -1 : end - start);
}

// A comparison row as the report writes it: name, screening C0/C and class,
// exact C0/C and class, mark.
QString exactRow(const char* name, const ContaminantResult& r, AssessmentRange range) {
  const char* marks[] = {"-", "! differs", "!! worse"};
  return QStringLiteral("%1 %2 %3 %4 %5 %6")
      .arg(QLatin1String(name), QString::fromStdString(FormatResultValue(r.sourceRatio, "%.7f", "%.4E")),
           QLatin1String(AssessmentClassName(ClassifyAttenuationFactor(r.sourceRatio, range))),
           QString::fromStdString(FormatResultValue(r.exactSourceRatio, "%.7f", "%.4E")),
           QLatin1String(AssessmentClassName(ClassifyExactAttenuationFactor(r, range))),
           QLatin1String(marks[static_cast<int>(CompareExactWithScreening(r, range))]));
}

// The PDF's text line by line as laid out on the page, white space within
// each line collapsed: a table row reads as one line.
QString pdfLayoutText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  QString text = QString::fromUtf8(process.readAllStandardOutput());
  text.replace(QChar(0xFB00), QLatin1String("ff"));
  text.replace(QChar(0xFB01), QLatin1String("fi"));
  text.replace(QChar(0xFB02), QLatin1String("fl"));
  QStringList lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) lines << line.simplified();
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

class TestReport : public QObject {
  Q_OBJECT

 private slots:
  void exportedReportSaysWhatTheScreenShows();
  void unsavedEditsGoIntoTheReportMarkedNotSaved();
  void printAndPreviewPaintTheSameReport();
  void cliWritesTheReportHeadlessAndFailsClearly();
  void headlessReportComparesEveryAttenuationFactorWithTheExactSolution();
  void marksFollowTheAttenuationFactorRangeToItsBounds();
  void fragileMarkFollowsTheFactorToItsBound();
  void sourcesNameTheLiteratureOrSayTheValueDiffers();
  void pagesKeepHeadingsRowsAndResultsTogether();
  void pdfTextHoldsEachLineOnceWithNumbersOnTheAxes();
  void concentrationsUnitBasisWarningsAndSourcesAsChosen();
  void chainAndUncertaintySectionsClassWithTheSavedFactorRange();
  void examplesKeepNumbersAndShortTablesWhole();
};

void TestReport::exportedReportSaysWhatTheScreenShows() {
  ShellSession session;
  const QString project = session.path(QStringLiteral("depot.vrp"));
  QVERIFY(QFile::copy(kExample, project));
  auto window = session.start(project);
  window->ViewPage(3);
  const QStringList rows = screenRows(window.get());
  QVERIFY(rows.size() >= 8);
  const QStringList problems = problemTexts(*window->project);
  QVERIFY(!problems.isEmpty());  // the example's vinyl chloride has no decay constant

  session.platform.saveFileNames = {session.path(QStringLiteral("depot-report"))};
  window->fileCommands->OnFileExportReport();
  QVERIFY(session.platform.messages.isEmpty());
  const QString text = pdfText(session.path(QStringLiteral("depot-report.pdf")));
  QVERIFY2(!text.isEmpty(), "pdftotext read nothing");

  QVERIFY(text.contains(QString::fromLatin1(window->project->title)));
  QVERIFY(text.contains(QStringLiteral("depot.vrp")));
  QVERIFY(text.contains(sha256(project)));
  QVERIFY(!text.contains(QStringLiteral("not saved")));
  QVERIFY(text.contains(QStringLiteral("Virelo " VIRELO_VERSION)));
  // Each row as on screen: name, class in words and both values in order,
  // on one line of the page.
  const QString lines = pdfLayoutText(session.path(QStringLiteral("depot-report.pdf")));
  for (const QString& row : rows) QVERIFY2(lines.contains(row), qPrintable(row));
  for (const QString& problem : problems) QVERIFY2(text.contains(problem), qPrintable(problem));
  // The comparison with the exact solution: its value and the strong mark
  // wherever the exact class is worse.
  int worse = 0;
  const AssessmentRange afRange = window->pageTabs->resultsPage->afRange();
  for (int k = 0; k < window->project->resultCount; ++k) {
    const ContaminantResult& r = window->project->results[k];
    if (!r.exactComputed) continue;
    const QString exact = QString::fromStdString(FormatResultValue(r.exactSourceRatio, "%.7f", "%.4E"));
    QVERIFY2(text.contains(exact), qPrintable(exact));
    if (CompareExactWithScreening(r, afRange) == ExactComparison::WorseClass) ++worse;
  }
  QVERIFY(worse > 0);
  // Each result without problems has its robustness lines, headed by its
  // class as on screen; a contaminant's two assessments share one heading.
  CPropResults* page = window->pageTabs->resultsPage;
  for (int side : {CPropResults::PlumeLengthSide, CPropResults::AttenuationFactorSide}) {
    const ResultListModel* model = page->listModel(side);
    for (int r = 0; r < model->rowCount(); ++r) {
      if (!model->row(r).hasValues) continue;
      const QString cls = QLatin1String(AssessmentClassName(model->row(r).cls));
      const QRegularExpression heading(
          side == CPropResults::PlumeLengthSide
              ? QRegularExpression::escape(model->row(r).name + ", plume length: " + cls + ",")
              : QRegularExpression::escape(model->row(r).name) +
                    QStringLiteral(", (plume length: \\w+, \\w+; )?attenuation factor: ") + cls + ",");
      QVERIFY2(text.contains(heading), qPrintable(heading.pattern()));
    }
  }
  QCOMPARE(text.count(QStringLiteral("!! worse")), worse);
  // Every page has its footer.
  const int pages = pageCount(text);
  QVERIFY(pages >= 3);
  for (int page = 1; page <= pages; ++page)
    QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
  QCOMPARE(text.count(QString::fromLatin1(window->project->title)), pages + 2);
  // The export went through a temporary file that is gone.
  QCOMPARE(QDir(session.home.path()).entryList({QStringLiteral(".*tmp*")}, QDir::Files | QDir::Hidden).size(),
           0);
}

void TestReport::unsavedEditsGoIntoTheReportMarkedNotSaved() {
  ShellSession session;
  const QString project = session.path(QStringLiteral("depot.vrp"));
  QVERIFY(QFile::copy(kExample, project));
  auto window = session.start(project);
  // A title typed and not yet applied: the report takes it, en dash and
  // all, and says the project as it stands has no file.
  auto* title = child<QLineEdit>(window.get(), "titleEdit");
  title->setFocus();
  title->selectAll();
  QTest::keyClicks(title, "Depot ");
  // The en dash as a keyboard gives it: one key event with its text
  // (keyClicks takes Latin-1 keys only).
  QTest::sendKeyEvent(QTest::Click, title, Qt::Key_unknown, QString(QChar(0x2013)), Qt::NoModifier);
  QTest::keyClicks(title, " after the 2025 round");
  session.platform.saveFileNames = {session.path(QStringLiteral("draft.pdf"))};
  window->fileCommands->OnFileExportReport();
  const QString text = pdfText(session.path(QStringLiteral("draft.pdf")));
  QVERIFY2(text.contains(QString::fromUtf8("Depot – after the 2025 round")), qPrintable(text.left(400)));
  QVERIFY(text.contains(QStringLiteral("Project file not saved SHA-256 of the file not saved")));
  QVERIFY(text.contains(QStringLiteral("Note: this report was made from a project that is not saved")));
  QVERIFY(!text.contains(sha256(project)));
  QCOMPARE(window->project->modified, 1);

  // A report that cannot be written says so, and why.
  session.platform.saveFileNames = {session.path(QStringLiteral("no-such-folder/draft.pdf"))};
  window->fileCommands->OnFileExportReport();
  QCOMPARE(session.platform.messages.size(), 1);
  QCOMPARE(session.platform.messages[0].caption, QStringLiteral("Virelo-Error"));
  QVERIFY(session.platform.messages[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
}

void TestReport::printAndPreviewPaintTheSameReport() {
  ShellSession session;
  auto window = session.start(kExample);
  const QString printed = session.path(QStringLiteral("printed.pdf"));
  int previewPages = 0;
  session.platform.dialogHandler = [&](QDialog* dialog) {
    if (auto* print = qobject_cast<QPrintDialog*>(dialog)) {
      print->printer()->setOutputFormat(QPrinter::PdfFormat);
      print->printer()->setOutputFileName(printed);
      return int(QDialog::Accepted);
    }
    if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
      preview->updatePreview();
      previewPages = preview->pageCount();
    }
    return int(QDialog::Rejected);
  };
  const int before = session.platform.dialogTitles.size();
  window->fileCommands->OnFilePrint();
  window->fileCommands->OnFilePrintPreview();
  QCOMPARE(session.platform.dialogTitles.size(), before + 2);
  const QString text = pdfText(printed);
  QVERIFY(text.contains(QString::fromLatin1(window->project->title)));
  QVERIFY(pageCount(text) >= 3);
  QCOMPARE(previewPages, pageCount(text));
}

void TestReport::cliWritesTheReportHeadlessAndFailsClearly() {
  QTemporaryDir folder;
  const QString out = folder.filePath(QStringLiteral("report.pdf"));
  const QString worked = QStringLiteral(VIRELO_SOURCE_DIR "/examples/worked-example.vrp");
  CliRun run = runCli({QStringLiteral("report"), worked, QStringLiteral("-o"), out,
                       QStringLiteral("--plume-range"), QStringLiteral("2"), QStringLiteral("--af-range=3")});
  QCOMPARE(run.exitCode, 0);
  QCOMPARE(run.standardError, QString());
  const QString text = pdfText(out);
  QVERIFY(text.contains(sha256(worked)));
  QVERIFY(text.contains(QStringLiteral("green d <= 0.1 x, yellow 0.1 x < d <= 10.0 x")));
  // The methods, to the report's last words.
  for (const char* words : {"Steady state", "No sorption", "Domenico, P. A. (1987)",
                            "No database value is used: every decay constant in use is user-defined"})
    QVERIFY2(text.contains(QLatin1String(words)), words);
  QVERIFY(text.contains(QStringLiteral("green C0 <= 0.2 C, yellow 0.2 C < C0 <= 5.0 C")));
  const QByteArray written = [&out] {
    QFile file(out);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();

  // A project that cannot be read leaves the earlier report as it was.
  run = runCli(
      {QStringLiteral("report"), folder.filePath(QStringLiteral("missing.vrp")), QStringLiteral("-o"), out});
  QCOMPARE(run.exitCode, 1);
  QVERIFY2(run.standardError.contains(QStringLiteral("cannot read ")) &&
               run.standardError.contains(QStringLiteral("missing.vrp: No such file or directory")),
           qPrintable(run.standardError));
  QFile kept(out);
  QVERIFY(kept.open(QIODevice::ReadOnly));
  QCOMPARE(kept.readAll(), written);

  // A mistyped output name never turns a project into a report.
  const QString project = folder.filePath(QStringLiteral("site.vrp"));
  QVERIFY(QFile::copy(worked, project));
  run = runCli({QStringLiteral("report"), project, QStringLiteral("-o"), project});
  QCOMPARE(run.exitCode, 1);
  QVERIFY2(run.standardError.contains(QStringLiteral("is not a PDF")), qPrintable(run.standardError));
  QCOMPARE(sha256(project), sha256(worked));
  QVERIFY(QFile::remove(project));

  // A PDF that cannot be written.
  run = runCli({QStringLiteral("report"), kExample, QStringLiteral("-o"),
                folder.filePath(QStringLiteral("no-such-folder/report.pdf"))});
  QCOMPARE(run.exitCode, 1);
  QVERIFY2(run.standardError.contains(QStringLiteral("virelo-cli: cannot write ")),
           qPrintable(run.standardError));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestReport::headlessReportComparesEveryAttenuationFactorWithTheExactSolution() {
  // The two ranges differ, so that a section judging by the plume-length
  // range shows other classes and marks.
  const int plumeRange = 2, afRange = 0;
  ProjectPtr project(virelo_LoadProject(kExample.toLocal8Bit().constData(), "rb"));
  QVERIFY(project);
  QVERIFY(virelo_math_CalcAll(project.get()));
  QVERIFY(virelo_math_CalcExactAll(project.get(), 1));
  const AssessmentRange range = kAssessmentRanges[afRange].range;

  QTemporaryDir folder;
  const QString out = folder.filePath(QStringLiteral("report.pdf"));
  const CliRun run = runCli({QStringLiteral("report"), kExample, QStringLiteral("-o"), out,
                             QStringLiteral("--plume-range=%1").arg(plumeRange),
                             QStringLiteral("--af-range=%1").arg(afRange)});
  QCOMPARE(run.exitCode, 0);
  const QString section =
      between(pdfLayoutText(out), QStringLiteral("4.5 Comparison with the exact solution"),
              QStringLiteral("4.6 Robustness"));
  QVERIFY2(section.contains(QStringLiteral("numerical integration (section 6.2)")), qPrintable(section));
  int rows = 0, marked = 0;
  for (int k = 0; k < project->resultCount; ++k) {
    const ContaminantResult& r = project->results[k];
    if (!(project->contaminants[r.contaminantIndex].assess & kAssessAttenuationFactor) ||
        HasAttenuationFactorProblems(r))
      continue;
    QVERIFY(r.exactComputed);
    const QString row = exactRow(project->contaminants[r.contaminantIndex].name, r, range);
    QVERIFY2(section.contains(row), qPrintable(row + QStringLiteral("\n") + section));
    ++rows;
    if (CompareExactWithScreening(r, range) != ExactComparison::None) ++marked;
  }
  // The example has results to compare, some of them marked, and the
  // headless report computed every exact value.
  QVERIFY(rows >= 3);
  QVERIFY(marked >= 1);
  QVERIFY(!section.contains(QStringLiteral("not computed")));
}

void TestReport::marksFollowTheAttenuationFactorRangeToItsBounds() {
  // Rows whose exact values sit just inside or just outside the bounds of
  // the attenuation-factor range 0.3 .. 2.0; under the plume-length range
  // 0.2 .. 5.0 of the same report each would be marked otherwise.
  struct Case {
    const char* name;
    double screening, exact;         // C0/C
    double relative, exactRelative;  // C/C0 at the receptor
    const char* row;
  };
  const Case cases[] = {
      {"AtUpperBound", 1.0, 2.0, 0.25, 0.25, "AtUpperBound 1.0000000 Yellow 2.0000000 Yellow -"},
      {"AboveUpperBound", 1.0, 2.000001, 0.25, 0.25,
       "AboveUpperBound 1.0000000 Yellow 2.0000010 Red !! worse"},
      {"AtLowerBound", 0.3, 0.3, 0.25, 0.25, "AtLowerBound 0.3000000 Green 0.3000000 Green -"},
      {"AboveLowerBound", 0.3, 0.300001, 0.25, 0.25,
       "AboveLowerBound 0.3000000 Green 0.3000010 Yellow !! worse"},
      // Concentrations a factor 1.5 apart, then just more (1.5 * 0.25 is exact).
      {"AtFactor", 1.0, 1.5, 0.25, 0.375, "AtFactor 1.0000000 Yellow 1.5000000 Yellow -"},
      {"BeyondFactor", 1.0, 1.5, 0.25, 0.3750001, "BeyondFactor 1.0000000 Yellow 1.5000000 Yellow ! differs"},
      {"BeyondFactorBelow", 1.0, 0.8, 0.375, 0.2499999,
       "BeyondFactorBelow 1.0000000 Yellow 0.8000000 Yellow ! differs"},
      // A better exact class needs no warning, however far apart.
      {"BetterExact", 2.5, 0.25, 0.1, 0.9, "BetterExact 2.5000000 Red 0.2500000 Green -"},
  };
  constexpr int kCount = sizeof cases / sizeof cases[0];
  ProjectPtr project = makeProject(kCount + 2);
  completeAquifer(*project, true);
  for (const Case& c : cases) {
    Contaminant& contaminant = addContaminant(*project, 1, c.name);
    completeInputs(contaminant);
    contaminant.assess = kAssessAttenuationFactor;
  }
  Contaminant& skipped = addContaminant(*project, 1, "NotComputed");
  completeInputs(skipped);
  skipped.assess = kAssessAttenuationFactor;
  // Without CA the attenuation factor has problems: no comparison, no chart.
  Contaminant& incomplete = addContaminant(*project, 1, "WithoutCA");
  completeInputs(incomplete);
  virelo_ClearContaminantValue(&incomplete, kValueCa);
  incomplete.assess = kAssessAttenuationFactor;
  QVERIFY(virelo_math_CalcAll(project.get()));
  QCOMPARE(project->resultCount, kCount + 2);
  for (int k = 0; k < kCount; ++k) {
    ContaminantResult& r = project->results[k];
    QCOMPARE(r.contaminantIndex, k);
    r.sourceRatio = cases[k].screening;
    r.exactSourceRatio = cases[k].exact;
    r.relativeConcentration = cases[k].relative;
    r.exactRelativeConcentration = cases[k].exactRelative;
    r.exactComputed = 1;
  }
  project->results[kCount].exactComputed = 0;

  const QString text = documentText(*project, 3, 0);
  const QString section = between(text, QStringLiteral("4.5 Comparison with the exact solution"),
                                  QStringLiteral("4.6 Robustness"));
  QVERIFY(!section.contains(QStringLiteral("WithoutCA")));
  QVERIFY(text.contains(QStringLiteral(
      "WithoutCA: no chart, the inputs of the attenuation factor have problems (section 4.3).")));
  for (const Case& c : cases) QVERIFY2(section.contains(QLatin1String(c.row)), qPrintable(c.row + section));
  QVERIFY2(section.contains(QStringLiteral("NotComputed %1 Green not computed")
                                .arg(QString::fromStdString(FormatResultValue(
                                    project->results[kCount].sourceRatio, "%.7f", "%.4E")))),
           qPrintable(section));
}

void TestReport::fragileMarkFollowsTheFactorToItsBound() {
  // One plume length whose ratio d/x lies a factor 1.98 below the upper
  // bound of the range 0.3 .. 2.0, one a factor 2.02 below it: Kf, i, ne
  // and the decay constant each reach the bound by that factor, every other
  // input and the lower bound lie further off. The nearer one is fragile.
  ProjectPtr project = makeProject(2);
  completeAquifer(*project, false);
  const Aquifer& a = project->aquifer;
  const double v = a.conductivityKf * a.gradientI / a.porosityNe;
  for (auto [name, factor] : {std::pair{"Near", 1.98}, std::pair{"Far", 2.02}}) {
    Contaminant& c = addContaminant(*project, 1, name);
    const double ratio = 2.0 / factor;
    completeInputs(c, 100.0, 1.0, std::log(100.0) * v / (ratio * a.distanceX));
    c.assess = kAssessPlumeLength;
  }
  QVERIFY(virelo_math_CalcAll(project.get()));
  // The attenuation-factor range is another, so that judging the plume
  // length by it moves the bound.
  const QString text = documentText(*project, 0, 2);
  const QString section =
      between(text, QStringLiteral("4.6 Robustness"), QStringLiteral("Centre-line charts"));
  QVERIFY2(section.contains(QStringLiteral("Near, plume length: Yellow, fragile")), qPrintable(section));
  QVERIFY2(section.contains(QStringLiteral("Far, plume length: Yellow, robust")), qPrintable(section));
  // Only the plume length is assessed: no attenuation factor beside it.
  QVERIFY2(!section.contains(QStringLiteral("attenuation factor:")), qPrintable(section));
  // The lines of the inputs that reach the bound by the factor carry the
  // mark (x, Kf, i, ne, the decay constant), C0 and CA do not; the robust
  // table has none.
  const QString far = between(section, QStringLiteral("Far, plume length"), QStringLiteral("5 Centre"));
  QVERIFY(!far.contains(QStringLiteral("fragile")));
  const QString near = between(section, QStringLiteral("Near, plume length"), QStringLiteral("Far, plume"));
  QCOMPARE(near.count(QStringLiteral("fragile")), 1 + 5);
}

void TestReport::sourcesNameTheLiteratureOrSayTheValueDiffers() {
  ProjectPtr project(virelo_LoadProject(kExample.toLocal8Bit().constData(), "rb"));
  QVERIFY(project);
  QVERIFY(virelo_math_CalcAll(project.get()));
  const auto benzene = [&project] {
    return between(documentText(*project, 0, 0), QStringLiteral("Benzene: "), QStringLiteral("Toluene: "));
  };
  // The example uses the bundled sulfate-reducing decay constant of
  // benzene: the entry quotes the literature table's source of it.
  QString entry = benzene();
  QVERIFY2(entry.contains(QStringLiteral("Hanahan SC")), qPrintable(entry));
  QVERIFY2(!entry.contains(QStringLiteral("differ")), qPrintable(entry));
  Contaminant& c = project->contaminants[0];
  QCOMPARE(QLatin1String(c.name), QLatin1String("Benzene"));
  QCOMPARE(c.lambdaSelected, kLambdaSulfate);
  virelo_SetLambda(&c, kLambdaSulfate, 0.0031);
  entry = benzene();
  QVERIFY2(
      entry.contains(QStringLiteral("Note: the decay constant in this project differ(s) from the bundled "
                                    "database; no source is recorded for the value used.")),
      qPrintable(entry));

  // A Koc names the source recorded with it; without one, the bundled
  // table's where the value is the table's, and nothing where it is not.
  const auto koc = [&project] {
    const QString text = documentText(*project, 0, 0);
    return between(text, QStringLiteral("Organic-carbon partition coefficients:"), QStringLiteral("Toluene"));
  };
  ContaminantTransport sorbs;
  sorbs.koc = 61.7;
  SetContaminantTransport(&virelo_Extras(project.get()).transport, "Benzene", sorbs);
  entry = koc();
  QVERIFY2(entry.contains(QStringLiteral("Benzene: Koc 61.7 L/kg; US EPA 1996, Soil Screening Guidance")) &&
               entry.contains(QStringLiteral("(bundled database)")),
           qPrintable(entry));
  sorbs.koc = 70.0;
  SetContaminantTransport(&virelo_Extras(project.get()).transport, "Benzene", sorbs);
  QVERIFY2(koc().contains(QStringLiteral("Koc 70 L/kg; no source recorded")), qPrintable(koc()));
  sorbs.kocSource = "Site batch test 2024";
  SetContaminantTransport(&virelo_Extras(project.get()).transport, "Benzene", sorbs);
  QVERIFY2(koc().contains(QStringLiteral("Koc 70 L/kg; Site batch test 2024")), qPrintable(koc()));
}

void TestReport::pagesKeepHeadingsRowsAndResultsTogether() {
  // The fuel depot laid out on pages of many heights about A4's, so that
  // every kind of part meets a page's foot somewhere.
  ProjectPtr project(virelo_LoadProject(kExample.toLocal8Bit().constData(), "rb"));
  QVERIFY(project);
  QVERIFY(virelo_math_CalcAll(project.get()));
  QVERIFY(virelo_math_CalcExactAll(project.get(), 1));
  const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
  int headings = 0, rows = 0, shortTables = 0;
  for (double height = 560; height <= 800; height += 27) {
    const auto doc = BuildReportDocument(*project, settings, QSizeF(515, height));
    const QAbstractTextDocumentLayout* layout = doc->documentLayout();
    const auto page = [height](double y) { return int(std::floor(y / height)); };
    const auto lineSpan = [](const QTextBlock& b, int k) {
      const QTextLine line = b.layout()->lineAt(k);
      const double top = b.layout()->position().y() + line.y();
      return std::pair{top, top + line.height()};
    };
    std::vector<double> fill(doc->pageCount() + 1, 0.0);  // lowest text on each page
    const auto mark = [&](double top, double bottom) {
      const int p = page(top);
      fill[p] = std::max(fill[p], bottom - p * height);
    };
    const auto rowSpan = [&](QTextTable* table, int r) {
      double top = 1e300, bottom = -1e300;
      for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(r, c);
        for (QTextBlock b = doc->findBlock(cell.firstPosition());
             b.isValid() && b.position() <= cell.lastPosition(); b = b.next()) {
          top = std::min(top, layout->blockBoundingRect(b).top());
          bottom = std::max(bottom, layout->blockBoundingRect(b).bottom());
        }
      }
      return std::pair{top, bottom};
    };
    bool headingOpen = false;  // a heading waits for what it heads
    double headingTop = 0;
    for (auto it = doc->rootFrame()->begin(); !it.atEnd(); ++it) {
      double firstBottom = 0;
      if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
        for (int r = 0; r < table->rows(); ++r) {
          const auto [top, bottom] = rowSpan(table, r);
          QVERIFY2(
              page(top) == page(bottom - 0.01),
              qPrintable(QStringLiteral("row %1 of a table split at page height %2").arg(r).arg(height)));
          mark(top, bottom);
          ++rows;
          if (r == std::min(table->format().headerRowCount(), table->rows() - 1)) firstBottom = bottom;
        }
        // A table of fewer than ten rows, header included, is on one page.
        if (table->rows() < 10) {
          const double top = rowSpan(table, 0).first, bottom = rowSpan(table, table->rows() - 1).second;
          QVERIFY2(page(top) == page(bottom - 0.01),
                   qPrintable(QStringLiteral("a table of %1 rows split at page height %2")
                                  .arg(table->rows())
                                  .arg(height)));
          ++shortTables;
        }
      } else {
        const QTextBlock block = it.currentBlock();
        if (!block.layout() || block.layout()->lineCount() == 0 || block.length() <= 1) continue;
        const int last = block.layout()->lineCount() - 1;
        // A paragraph ends on the page it starts on: none of its lines is
        // drawn on two pages.
        QVERIFY2(page(lineSpan(block, 0).first) == page(lineSpan(block, last).second - 0.01),
                 qPrintable(block.text().left(60) + QStringLiteral(" at page height %1").arg(height)));
        mark(lineSpan(block, 0).first, lineSpan(block, last).second);
        firstBottom = lineSpan(block, 0).second;
        if (block.blockFormat().headingLevel() > 0) {
          if (!headingOpen) headingTop = lineSpan(block, 0).first;
          headingOpen = true;
          ++headings;
          continue;
        }
      }
      if (headingOpen)
        QVERIFY2(
            page(headingTop) == page(firstBottom - 0.01),
            qPrintable(QStringLiteral("a heading alone at a page's foot at page height %1").arg(height)));
      headingOpen = false;
    }
    // Every page but the last is well filled: what moves on whole (a
    // chart, a result's lines) is far shorter than a page.
    for (int p = 0; p + 1 < doc->pageCount(); ++p)
      QVERIFY2(fill[p] >= 0.45 * height, qPrintable(QStringLiteral("page %1 of %2 filled to %3 of %4")
                                                        .arg(p + 1)
                                                        .arg(doc->pageCount())
                                                        .arg(fill[p])
                                                        .arg(height)));
  }
  QVERIFY2(headings > 100 && rows > 100 && shortTables >= 45, qPrintable(QString::number(shortTables)));
}

void TestReport::pdfTextHoldsEachLineOnceWithNumbersOnTheAxes() {
  QTemporaryDir folder;
  const QString out = folder.filePath(QStringLiteral("report.pdf"));
  QCOMPARE(runCli({QStringLiteral("report"), kExample, QStringLiteral("-o"), out}).exitCode, 0);
  const QString text = pdfText(out);
  const int pages = pageCount(text);
  QVERIFY(pages >= 4);
  // What ends one page does not begin the next: the text layer holds no
  // line that the page's clip hides.
  for (int p = 1; p < pages; ++p) {
    QStringList end = pageLines(out, p);
    end = end.mid(0, end.size() - 2);  // the footer's title and page number
    const QStringList next = pageLines(out, p + 1);
    QVERIFY(!end.isEmpty() && !next.isEmpty());
    for (const QString& line : end.mid(std::max<qsizetype>(0, end.size() - 3)))
      QVERIFY2(!next.mid(0, 3).contains(line),
               qPrintable(QStringLiteral("page %1 and %2: %3").arg(p).arg(p + 1).arg(line)));
  }
  // Decades on the concentration axis as numbers, the exponent only where
  // the zeros would have to be counted; a long axis labels every second.
  const QString charts = between(text, QStringLiteral("5 Centre-line charts"), QStringLiteral("6 Methods"));
  QVERIFY(charts.contains(QStringLiteral(" 0.001 ")));
  QVERIFY(charts.contains(QStringLiteral(" 0.0001 ")));
  QVERIFY(charts.contains(QStringLiteral(" 1e-06 ")));
  QVERIFY(!charts.contains(QStringLiteral("1e-03")));
  QVERIFY(!charts.contains(QStringLiteral("1e-04")));
  QVERIFY(!charts.contains(QStringLiteral("e+")));
  // The sources name redox conditions as the aquifer page does, never by
  // the literature table's column names.
  const QString sources = text.mid(text.indexOf(QStringLiteral("Sources of the database values used")));
  QVERIFY(sources.contains(QStringLiteral("Decay constant, anaerobic SO4:")));
  // Only the preset in use is cited: the others' sources are not this project's.
  QVERIFY2(!sources.contains(QStringLiteral("Decay constant, unknown / variable:")), qPrintable(sources));
  QVERIFY2(!sources.contains(QStringLiteral("lambda")), qPrintable(sources));
}

void TestReport::concentrationsUnitBasisWarningsAndSourcesAsChosen() {
  ProjectPtr project = makeProject(3);
  completeAquifer(*project, true);  // W = 2 Sy = 4 m, Sz = 10 m
  // A conductivity typed in m/s into the m/d field, and approximated
  // dispersivities of which az is stale (x = 100 m gives 0.1 m).
  virelo_SetAquiferValue(&project->aquifer, kAquiferKf, 2e-4);
  project->approximateDispersivity = 1;
  virelo_SetAquiferValue(&project->aquifer, kAquiferAz, 0.2);
  Contaminant& alpha = addContaminant(*project, 1, "Alpha");
  completeInputs(alpha, 10.0, 0.1);
  alpha.assess = kAssessAttenuationFactor;
  for (const char* name : {"Beta", "Gamma"}) {
    Contaminant& c = addContaminant(*project, 1, name);
    completeInputs(c, 10.0, 0.1);
    virelo_SetLambda(&c, kLambdaUser, 0.02);
    c.lambdaSelected = kLambdaUser;
    c.assess = kAssessPlumeLength;
  }
  ProjectSettings& settings = virelo_Extras(project.get()).settings;
  settings.concentrationUnit = "mg/L";
  settings.verdictBasis = VerdictBasis::Worse;
  SetLambdaSource(&settings, "Beta", "half-life of 3 years at the site (2019 report)");
  QVERIFY(virelo_math_CalcAll(project.get()));
  // Alpha's results set by hand: C/C0 0.25 by the screening formula and 0.5
  // exactly, so the receptor sees 2.5 and 5 mg/L, and the worse target is
  // CA * exact AF = 0.1 * 2 = 0.2 mg/L (screening: 0.1 * 4 = 0.4).
  ContaminantResult& r = project->results[0];
  QCOMPARE(r.contaminantIndex, 0);
  r.relativeConcentration = 0.25;
  r.attenuationFactor = 4.0;
  r.sourceRatio = 25.0;
  r.exactComputed = 1;
  r.exactRelativeConcentration = 0.5;
  r.exactAttenuationFactor = 2.0;
  r.exactSourceRatio = 50.0;
  const QString text = documentText(*project, 0, 0);

  QVERIFY(text.contains(
      QStringLiteral("Verdict basis worse of the two (decides the class of each attenuation factor) "
                     "Concentration unit mg/L")));
  QVERIFY(text.contains(QStringLiteral("Source width across the flow W = 2 Sy 4.00 m")));
  QVERIFY(text.contains(QStringLiteral("Source thickness below the water table Sz 10.00 m")));
  QVERIFY2(text.contains(
               QStringLiteral("the dispersivities used differ from those x gives (ax = 10.000, ay = 1.000, "
                              "az = 0.100 m)")),
           qPrintable(text));
  QVERIFY(text.contains(QStringLiteral("C0 [mg/L] CA [mg/L]")));
  QVERIFY(text.contains(
      QStringLiteral("Receptor, screening [mg/L] Receptor, exact [mg/L] Target C = CA \u00b7 AF "
                     "[mg/L] Verdict")));
  QVERIFY2(text.contains(QStringLiteral("Alpha Red 4.0000000 25.0000000 2.50000 5.00000 0.200000 Red")),
           qPrintable(text));
  const QString warnings =
      between(text, QStringLiteral("4.4 Plausibility warnings"), QStringLiteral("4.5 Comparison"));
  QVERIFY2(warnings.contains(QStringLiteral("m/s")), qPrintable(warnings));
  QVERIFY2(
      text.contains(QStringLiteral("Beta: user-defined decay constant 0.020000 1/d; source: half-life of 3 "
                                   "years at the site (2019 report)")),
      qPrintable(text));
  QVERIFY(
      text.contains(QStringLiteral("Gamma: user-defined decay constant 0.020000 1/d; no source recorded")));

  // With the dispersivities x gives, and Kf in m/d, neither note is made.
  virelo_SetAquiferValue(&project->aquifer, kAquiferAz, 0.1);
  virelo_SetAquiferValue(&project->aquifer, kAquiferKf, 8.64);
  const QString plain = documentText(*project, 0, 0);
  QVERIFY(!plain.contains(QStringLiteral("dispersivities used differ")));
  QVERIFY(plain.contains(QStringLiteral("4.4 Plausibility warnings None")));
}

// The dry cleaner with saved ranges that differ from each other and from
// the defaults: 0.2 .. 5.0 for the plume length, 0.5 .. 2.0 for the factor.
// TCE arrives in the chain at 0.37 of its CA: Green in the factor's range,
// Yellow in the plume length's and in the default. The chain section and
// the uncertainty section (whose rows follow the chain) must both say Green,
// in the document and in the report the command line writes without options.
void TestReport::chainAndUncertaintySectionsClassWithTheSavedFactorRange() {
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
  QVERIFY(project);
  virelo_Extras(project.get()).settings.plumeRange = 3;
  virelo_Extras(project.get()).settings.afRange = 1;
  // One input drawn, so narrowly that every sample keeps the project's classes.
  Contaminant* pce = nullptr;
  for (int k = 0; k < project->contaminantCount; ++k)
    if (QLatin1String(project->contaminants[k].name) == QLatin1String("Tetrachloroethene (PCE)"))
      pce = &project->contaminants[k];
  QVERIFY(pce);
  virelo_Extras(project.get()).uncertainty.samples = 50;
  virelo_Extras(project.get()).uncertainty.inputs = {
      {UncertainInput::C0, pce->name, DistributionKind::Uniform, {pce->c0, pce->c0 * (1 + 1e-9)}}};
  QVERIFY(virelo_math_CalcAll(project.get()));

  const QString chainGreen =
      QStringLiteral("Trichloroethene (TCE) 0.792295 10 3.74 Green 7.853 Yellow Green");
  const QString chainYellow =
      QStringLiteral("Trichloroethene (TCE) 0.792295 10 3.74 Yellow 7.853 Yellow Green");
  const QString drawnGreen = QStringLiteral("Trichloroethene (TCE) AF 1.000 0.000 0.000");
  const QString drawnYellow = QStringLiteral("Trichloroethene (TCE) AF 0.000 1.000 0.000");
  const QString saved = documentText(*project, 3, 1);
  const QString chainSection =
      between(saved, QStringLiteral("Daughters formed along the plume"), QStringLiteral("Methods"));
  const QString uncertaintySection =
      between(saved, QStringLiteral("Uncertainty Every input below"), QStringLiteral("Centre-line charts"));
  QVERIFY2(chainSection.contains(chainGreen), qPrintable(chainSection));
  QVERIFY2(uncertaintySection.contains(drawnGreen), qPrintable(uncertaintySection));
  // The ranges swapped: the same sections say Yellow, so they do read the
  // factor's range.
  const QString swapped = documentText(*project, 1, 3);
  QVERIFY(swapped.contains(chainYellow));
  QVERIFY(swapped.contains(drawnYellow));

  // The command line's report without range options: the saved ranges.
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("ranges.vrp"));
  QCOMPARE(virelo_SaveProject(project.get(), QFile::encodeName(file).constData()), 1);
  const QString out = folder.filePath(QStringLiteral("ranges.pdf"));
  const CliRun run = runCli({QStringLiteral("report"), file, QStringLiteral("-o"), out});
  QCOMPARE(run.exitCode, 0);
  const QString pdf = pdfLayoutText(out);
  QVERIFY2(pdf.contains(chainGreen),
           qPrintable(between(pdf, QStringLiteral("Species CA"), QStringLiteral("Ethene"))));
  // A narrow column may wrap the name in the PDF.
  const QRegularExpression drawnRow(
      QStringLiteral("Trichloroethene (\\(TCE\\) )?AF 1\\.000 0\\.000 0\\.000"));
  QVERIFY2(pdf.contains(drawnRow),
           qPrintable(between(pdf, QStringLiteral("Uncertainty"), QStringLiteral("Rank"))));
}

// A number the layout wraps inside its cell reads as two in the PDF's text:
// "0." on one line and "000817880" on the next, or "1.5" and "E-05". The
// examples' reports hold every kind of table the report writes.
void TestReport::examplesKeepNumbersAndShortTablesWhole() {
  QTemporaryDir folder;
  for (const char* name : {"dry-cleaner", "petrol-station"}) {
    const QString pdf = folder.filePath(QLatin1String(name) + QStringLiteral(".pdf"));
    const CliRun run = runCli({QStringLiteral("report"),
                               QStringLiteral(VIRELO_SOURCE_DIR "/examples/%1.vrp").arg(QLatin1String(name)),
                               QStringLiteral("-o"), pdf});
    QCOMPARE(run.exitCode, 0);
    int pages = 0;
    const QStringList broken = numbersBrokenAcrossLines(pdf, &pages);
    QVERIFY2(broken.isEmpty(),
             qPrintable(QLatin1String(name) + QStringLiteral(", ") + broken.join(QLatin1Char('\n'))));
    int lines = 0;
    for (int page = 1; page <= pages; ++page) lines += static_cast<int>(pageLines(pdf, page).size());
    QVERIFY2(pages >= 4 && lines > 300, name);
    if (QLatin1String(name) == QLatin1String("dry-cleaner")) {
      // The chain's results, a table of six rows, stand on one page.
      int chainPages = 0;
      for (int page = 1; page <= pages; ++page) {
        const QStringList text = pageLines(pdf, page);
        const bool opens =
            text.contains(QStringLiteral("Exact class")) && text.contains(QStringLiteral("Alone"));
        if (opens) {
          ++chainPages;
          QVERIFY(text.contains(QStringLiteral("Ethene (end product)")));
        }
      }
      QCOMPARE(chainPages, 1);
    }
  }
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
