// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The report's site and evidence sections in German: their headings,
// tables and charts read German, and every number in their tables is the
// English report's number with a decimal comma, cell by cell. The German
// catalogue is installed for each German report and removed after it, so
// that every other test reads English.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTranslator>
#include <cmath>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "report/sections/SiteTrends.h"
#include "support/ContaminantProjects.h"

namespace {

using Table = QList<QStringList>;

// The dry cleaner (chain, time, uncertainty) with three wells of PCE for a
// decay fit, as the charts test has it.
ProjectPtr dryCleaner() {
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

// The petrol station (site data, trends, wells against the model, the plume
// as a whole) with four wells surveyed on the map whose heads give a flow
// field, a source point with decimals and two transects.
ProjectPtr petrolStation() {
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
  if (!project) return project;
  SiteData& site = virelo_Extras(project.get()).site;
  // Two transects across the flow for the mass discharge.
  virelo_Extras(project.get()).monitoring.transects = {{"T1", {"MW2", "MW3"}}, {"T2", {"MW4", "MW5"}}};
  site.map.hasSource = true;
  site.map.sourceEasting = 1000.5;
  site.map.sourceNorthing = 2000.25;
  const double east[] = {0.0, 40.0, 0.0, 40.0}, north[] = {0.0, 0.0, 30.0, 30.0};
  const double head[] = {10.12, 10.05, 9.98, 9.93};
  for (int w = 0; w < 4; ++w) {
    const std::string name = "H" + std::to_string(w + 1);
    SiteWell well{name, 0.0, 0.0, false};
    well.mapped = true;
    well.easting = east[w];
    well.northing = north[w];
    site.wells.push_back(well);
    site.samples.push_back({name, "2023-06-01", kIndicatorHead, head[w], kUnitM, false});
  }
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

// Installs a translator for the lifetime of a scope.
class Installed {
 public:
  explicit Installed(QTranslator* translator) : translator_(translator) {
    QCoreApplication::installTranslator(translator_);
  }
  ~Installed() { QCoreApplication::removeTranslator(translator_); }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

 private:
  QTranslator* translator_;
};

QString cellText(QTextTable* table, int row, int column) {
  const QTextTableCell cell = table->cellAt(row, column);
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
  return cursor.selectedText().replace(QChar(0x2029), QLatin1Char(' ')).simplified();
}

void collectTables(QTextFrame* frame, QList<Table>* tables) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) {
      Table rows;
      for (int r = 0; r < table->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columns(); ++c) cells << cellText(table, r, c);
        rows << cells;
      }
      tables->append(rows);
    }
    collectTables(child, tables);
  }
}

struct Report {
  QString text;
  QList<Table> tables;
};

// The report as the document holds it: its text and every table's cells.
Report build(const Project& project, QChar sign) {
  ReportSettings settings = ReportSettingsFor(project, 0, 0);
  settings.decimalSign = sign;
  const auto doc = BuildReportDocument(project, settings, QSizeF(515, 760));
  Report report{doc->toPlainText(), {}};
  collectTables(doc->rootFrame(), &report.tables);
  return report;
}

Report buildGerman(const Project& project) {
  QTranslator german;
  if (!german.load(QStringLiteral(":/i18n/virelo_de"))) return {};
  Installed installed(&german);
  return build(project, QLatin1Char(','));
}

// A line of the text that is the heading `title`, numbered ("6.2 Flow
// field") or not.
bool hasHeading(const QString& text, const QString& title) {
  const QRegularExpression line(
      QStringLiteral("^(\\d+(\\.\\d+)? )?%1$").arg(QRegularExpression::escape(title)),
      QRegularExpression::MultilineOption);
  return line.match(text).hasMatch();
}

// A cell that is one number: "0.0125", "-3.1e-05", "42".
bool isNumber(const QString& cell) {
  static const QRegularExpression number(
      QStringLiteral("^[-\u2212+]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][-+]?\\d+)?$"));
  return number.match(cell).hasMatch();
}

// A decimal point between digits, standing as a number does (not inside a
// name such as "MW1.2").
bool hasDecimalPoint(const QString& text) {
  static const QRegularExpression point(QStringLiteral("(?<![\\w.])\\d+\\.\\d+(?![\\w.])"));
  return point.match(text).hasMatch();
}

// The numbers in a text, in their order, each written with `sign`; not
// those of a name ("cis-1,2-Dichloroethene") or a date.
QStringList numbersIn(const QString& text, QChar sign) {
  const QRegularExpression number(
      QStringLiteral("(?<!\\w)\\d+(?:%1\\d+)?(?![\\w-])").arg(QRegularExpression::escape(sign)));
  QStringList found;
  for (auto it = number.globalMatch(text); it.hasNext();)
    found << it.next().captured().replace(sign, QLatin1Char('.'));
  return found;
}

// Compares the tables whose English header holds `marker`: the same shape,
// in each cell the English numbers in their order with a comma, no decimal
// point left in any German cell. Returns the numbers compared, -1 when a
// table differs or none is found.
int compareTables(const Report& english, const Report& german, const QString& marker) {
  int numbers = 0, found = 0;
  if (english.tables.size() != german.tables.size()) {
    qWarning("%lld English tables, %lld German", static_cast<long long>(english.tables.size()),
             static_cast<long long>(german.tables.size()));
    return -1;
  }
  for (qsizetype t = 0; t < english.tables.size(); ++t) {
    const Table& en = english.tables[t];
    const Table& de = german.tables[t];
    if (en.isEmpty() || !en.front().join(QLatin1Char('|')).contains(marker)) continue;
    // A table that lays out others (two parts to a row) holds their
    // headings; the tables inside it are compared on their own.
    if (en.front().join(QString()).contains(QChar(0xfdd0))) continue;
    ++found;
    if (en.size() != de.size()) return -1;
    for (qsizetype r = 0; r < en.size(); ++r)
      for (qsizetype c = 0; c < en[r].size(); ++c) {
        const QString& e = en[r][c];
        const QString& g = de[r][c];
        if (hasDecimalPoint(g)) {
          qWarning("%s: decimal point in the German cell \"%s\"", qPrintable(marker), qPrintable(g));
          return -1;
        }
        if (r == 0) continue;  // the column titles, in words
        const QStringList shown = numbersIn(g, QLatin1Char(','));
        if (shown != numbersIn(e, QLatin1Char('.'))) {
          qWarning("%s: \"%s\" became \"%s\"", qPrintable(marker), qPrintable(e), qPrintable(g));
          return -1;
        }
        numbers += static_cast<int>(shown.size());
        // A number standing alone is the English one with the comma.
        if (isNumber(e) && g != QString(e).replace(QLatin1Char('.'), QLatin1Char(','))) return -1;
      }
  }
  return found ? numbers : -1;
}

// Checks that each cell of the tables whose English header holds `marker`
// that starts with a trend class or a light starts with its German word.
// Returns the cells so checked, -1 at the first that does not.
int wordsFollow(const Report& english, const Report& german, const QString& marker) {
  // The longer first, so that "Probably Decreasing" is not read as "Decreasing".
  const QList<QPair<QString, QString>> words = {{"Probably Increasing", "Wahrscheinlich zunehmend"},
                                                {"Probably Decreasing", "Wahrscheinlich abnehmend"},
                                                {"Increasing", "Zunehmend"},
                                                {"Decreasing", "Abnehmend"},
                                                {"No Trend", "Kein Trend"},
                                                {"Stable", "Stabil"},
                                                {"green", "grün"},
                                                {"yellow", "gelb"},
                                                {"red", "rot"}};
  int checked = 0;
  for (qsizetype t = 0; t < english.tables.size() && t < german.tables.size(); ++t) {
    const Table& en = english.tables[t];
    if (en.isEmpty() || !en.front().join(QLatin1Char('|')).contains(marker)) continue;
    for (qsizetype r = 1; r < en.size(); ++r)
      for (qsizetype c = 0; c < en[r].size(); ++c)
        for (const auto& [word, german_word] : words) {
          if (!en[r][c].startsWith(word)) continue;
          if (!german.tables[t][r][c].startsWith(german_word)) {
            qWarning("\"%s\" became \"%s\"", qPrintable(en[r][c]), qPrintable(german.tables[t][r][c]));
            return -1;
          }
          ++checked;
          break;
        }
  }
  return checked;
}

QString pdfText(const Project& project) {
  QTranslator german;
  if (!german.load(QStringLiteral(":/i18n/virelo_de"))) return {};
  Installed installed(&german);
  ReportSettings settings = ReportSettingsFor(project, 0, 0);
  settings.decimalSign = QLatin1Char(',');
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("de.pdf"));
  QString error;
  if (!WriteReportPdf(project, settings, pdf, &error)) return {};
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"});
  if (!process.waitForFinished(60000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

}  // namespace

class TestReportSiteLanguage : public QObject {
  Q_OBJECT

 private slots:
  void siteSectionsReadGermanWithTheEnglishNumbers();
  void chainTimeAndUncertaintyReadGermanWithTheEnglishNumbers();
  void chartsOfTheSectionsReadGerman();
  void theCatalogueIsGoneAfterwards();
  void trendClassesAreTheEngineOnesInEnglishAndTheirOwnInGerman();
};

void TestReportSiteLanguage::siteSectionsReadGermanWithTheEnglishNumbers() {
  ProjectPtr project = petrolStation();
  QVERIFY(project);
  const Report english = build(*project, QLatin1Char('.'));
  const Report german = buildGerman(*project);
  QVERIFY(!german.text.isEmpty());

  for (const char* heading :
       {"Standortdaten", "Strömungsfeld", "Grundwassermessstellen", "Trends an den Messstellen",
        "Modell gegen die Messstellen", "Die Fahne als Ganzes", "Beweislinien"})
    QVERIFY2(hasHeading(german.text, QString::fromUtf8(heading)), heading);
  for (const char* heading : {"Site data", "Flow field", "Monitoring wells", "Trends at the wells",
                              "Model against the wells", "The plume as a whole", "Lines of evidence"}) {
    QVERIFY2(hasHeading(english.text, QLatin1String(heading)), heading);
    QVERIFY2(!hasHeading(german.text, QLatin1String(heading)), heading);
  }

  // Tables by a word of their English header: the flow field, the site's
  // wells, the wells against the model, the plume as a whole, the lines of
  // evidence, the redox readings, the trends and the mass discharge; each
  // with about as many numbers as it holds.
  const int flow = compareTables(english, german, QStringLiteral("Gradient i"));
  QVERIFY2(flow >= 9, qPrintable(QString::number(flow)));
  QVERIFY(compareTables(english, german, QStringLiteral("In fit")) >= 20);
  QVERIFY(compareTables(english, german, QStringLiteral("Measured / model")) >= 100);
  QVERIFY(compareTables(english, german, QStringLiteral("Estimator")) >= 40);
  QVERIFY(compareTables(english, german, QStringLiteral("Contaminant, line")) >= 50);
  QVERIFY(compareTables(english, german, QStringLiteral("Solvent score")) >= 100);
  QVERIFY(compareTables(english, german, QStringLiteral("Well|Benzene")) >= 100);
  QVERIFY(compareTables(english, german, QStringLiteral("Md latest")) >= 40);
  // The solvent score names the parameters it scored or missed in the
  // reader's words, as the window does.
  QVERIFY(english.text.contains(QStringLiteral("not measured: temperature")));
  QVERIFY2(german.text.contains(QStringLiteral("nicht gemessen: Temperatur")), qPrintable(german.text));
  QVERIFY(!german.text.contains(QStringLiteral("temperature")));
  // So are the rows it does not score, with their reasons, and the
  // background it compares with.
  for (const char* words : {"not confirmed in a source", "not measured in a background well"}) {
    QVERIFY2(english.text.contains(QLatin1String(words)), words);
    QVERIFY2(!german.text.contains(QLatin1String(words)), words);
  }
  // The plume's estimator is named in words: "line" for wells in a row.
  int estimators = 0;
  for (qsizetype t = 0; t < english.tables.size() && t < german.tables.size(); ++t) {
    const Table& en = english.tables[t];
    if (en.isEmpty()) continue;
    const qsizetype column = en.front().indexOf(QStringLiteral("Estimator"));
    if (column < 0) continue;
    for (qsizetype r = 1; r < en.size(); ++r) {
      const QString& word = en[r][column];
      QVERIFY2(word == QLatin1String("line") || word == QLatin1String("delaunay"), qPrintable(word));
      QCOMPARE(german.tables[t][r][column],
               word == QLatin1String("line") ? QStringLiteral("Linie") : QStringLiteral("Delaunay"));
      ++estimators;
    }
  }
  QVERIFY(estimators >= 3);

  // The sentences carry their numbers with the comma too.
  QVERIFY(english.text.contains(QStringLiteral("easting 1000.5 m, northing 2000.25 m")));
  QVERIFY2(german.text.contains(QStringLiteral("Rechtswert 1000,5 m, Hochwert 2000,25 m")),
           qPrintable(german.text.left(200)));
  // Trend classes and the plume's light are the reader's words, each the
  // word of the English cell.
  QVERIFY(wordsFollow(english, german, QStringLiteral("Well|Benzene")) >= 20);
  QVERIFY(wordsFollow(english, german, QStringLiteral("Estimator")) >= 10);
}

void TestReportSiteLanguage::chainTimeAndUncertaintyReadGermanWithTheEnglishNumbers() {
  ProjectPtr project = dryCleaner();
  QVERIFY(project);
  const Report english = build(*project, QLatin1Char('.'));
  const Report german = buildGerman(*project);
  QVERIFY(!german.text.isEmpty());
  // The contaminant keeps the name the project gives it.
  for (const char* heading :
       {"Abbaukette", "Zeit", "Unsicherheit", "Diagramme der Fahnenachse", "Standortdaten",
        "Tetrachloroethene (PCE): Zerfallskonstante aus den Messstellen"})
    QVERIFY2(hasHeading(german.text, QString::fromUtf8(heading)), heading);
  for (const char* heading : {"Decay chain", "Time", "Uncertainty", "Centre-line charts"}) {
    QVERIFY2(hasHeading(english.text, QLatin1String(heading)), heading);
    QVERIFY2(!hasHeading(german.text, QLatin1String(heading)), heading);
  }

  // The chain's species at the receptor, the times, the distributions and
  // the probabilities of the classes.
  QVERIFY(compareTables(english, german, QStringLiteral("Exact class|Alone")) >= 15);
  QVERIFY(compareTables(english, german, QStringLiteral("t50 screening")) >= 8);
  QVERIFY(compareTables(english, german, QStringLiteral("Distribution")) >= 2);
  QVERIFY(compareTables(english, german, QStringLiteral("P(Green)")) >= 60);

  // The decay fit beside its chart: slope, interval and R² with commas.
  static const QRegularExpression slope(
      QStringLiteral("Steigung m \\[1/m\\], 90-%-Intervall: -?\\d+,\\d+ \\("));
  QVERIFY2(slope.match(german.text).hasMatch(), "the slope of the fit");
  // The class bounds of the chain's lead and the wells' (0.3 and 2 CA in
  // English) with the comma in both.
  static const QRegularExpression bounds(QStringLiteral("C\\(x\\) <= (\\S+) CA, gelb bis (\\S+) CA"));
  int leads = 0;
  for (auto it = bounds.globalMatch(german.text); it.hasNext(); ++leads) {
    const QRegularExpressionMatch m = it.next();
    QCOMPARE(m.captured(1), QStringLiteral("0,3"));
    QCOMPARE(m.captured(2), QStringLiteral("2"));
  }
  QCOMPARE(leads, 2);
  QCOMPARE(english.text.count(QStringLiteral("C(x) <= 0.3 CA, yellow up to 2 CA")), 2);
}

void TestReportSiteLanguage::chartsOfTheSectionsReadGerman() {
  ProjectPtr project = dryCleaner();
  QVERIFY(project);
  const QString text = pdfText(*project);
  QVERIFY(!text.isEmpty());
  // The chain's chart, the wells' decay fit and the time charts, with
  // their numbers in the report's sign.
  for (const char* words :
       {"Abstand vom Schadensherd s [m]", "Konzentrationen auf der Mittellinie", "Exakte Lösung",
        "Screening-Form", "Nachgewiesen", "Zeit seit Auftreten der Quelle"})
    QVERIFY2(text.contains(QString::fromUtf8(words)), words);
  // The chain's axis and the decay fit's.
  QVERIFY(text.count(QStringLiteral("Abstand vom Schadensherd s [m]")) >= 2);
  // The legend is elided after the sign, which is enough.
  QVERIFY2(text.contains(QStringLiteral("Anpassung, Steigung -0,")), "the fit's legend");
}

void TestReportSiteLanguage::theCatalogueIsGoneAfterwards() {
  ProjectPtr project = petrolStation();
  QVERIFY(project);
  buildGerman(*project);
  const Report english = build(*project, QLatin1Char('.'));
  QVERIFY(english.text.contains(QStringLiteral("Model against the wells")));
  QVERIFY(!english.text.contains(QStringLiteral("Modell gegen die Messstellen")));
}

void TestReportSiteLanguage::trendClassesAreTheEngineOnesInEnglishAndTheirOwnInGerman() {
  const QList<QPair<TrendClass, QString>> classes = {
      {TrendClass::kNone, QString()},
      {TrendClass::kIncreasing, QStringLiteral("Zunehmend")},
      {TrendClass::kProbablyIncreasing, QStringLiteral("Wahrscheinlich zunehmend")},
      {TrendClass::kNoTrend, QStringLiteral("Kein Trend")},
      {TrendClass::kStable, QStringLiteral("Stabil")},
      {TrendClass::kProbablyDecreasing, QStringLiteral("Wahrscheinlich abnehmend")},
      {TrendClass::kDecreasing, QStringLiteral("Abnehmend")}};
  for (const auto& [trend, german] : classes)
    QCOMPARE(TrendClassWords(trend), QString::fromLatin1(TrendClassText(trend)));
  QTranslator catalogue;
  QVERIFY(catalogue.load(QStringLiteral(":/i18n/virelo_de")));
  Installed installed(&catalogue);
  for (const auto& [trend, german] : classes) QCOMPARE(TrendClassWords(trend), german);
}

QTEST_MAIN(TestReportSiteLanguage)
#include "tst_reportsitelanguage.moc"
