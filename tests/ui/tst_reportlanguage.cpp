// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The assessment report in German and Dutch, as a user makes it: with
// `virelo-cli report --lang` and from the desktop in its language. The
// words change, the numbers do not: the same values in the same order, each
// with the reader's decimal comma, on about as many pages.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <algorithm>

#include "app/Language.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/assessment.h"
#include "persistence/projectfile.h"
#include "platform/DecimalSign.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"

namespace {

const QStringList kExamples = {QStringLiteral("dry-cleaner"), QStringLiteral("fuel-depot")};

struct CliRun {
  int exitCode = -1;
  QString standardError;
};

CliRun runCli(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(VIRELO_BINARY_DIR "/virelo-cli"), arguments);
  if (!process.waitForFinished(300000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardError())};
}

// The PDF's text, white space collapsed, ligatures as their letters; in
// the order the pages paint it (`raw`: cell by cell as the document holds
// them, whatever wraps), else as the lines read.
QString pdfText(const QString& pdf, bool raw = false) {
  QProcess process;
  QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")};
  if (raw) arguments.prepend(QStringLiteral("-raw"));
  process.start(QStringLiteral("pdftotext"), arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  QString text = QString::fromUtf8(process.readAllStandardOutput());
  text.replace(QChar(0xFB00), QLatin1String("ff"));
  text.replace(QChar(0xFB01), QLatin1String("fi"));
  text.replace(QChar(0xFB02), QLatin1String("fl"));
  return text.simplified();
}

// The footer's page numbers in any of the three languages.
const QRegularExpression kFooter(QStringLiteral("(Page|Seite|Pagina) (\\d+) (of|von|van) (\\d+)"));

int pageCount(const QString& text) {
  const QRegularExpressionMatch match = kFooter.match(text);
  return match.hasMatch() ? match.captured(4).toInt() : 0;
}

// Every number of the text in reading order, the footers left out, with a
// comma between digits read as the point it stands for. A name such as
// "cis-1,2-Dichloroethene" reads the same in every language, so it cannot
// make two reports differ. The report's date is left out: two runs may
// straddle a minute.
QStringList numbersOf(QString text) {
  text.remove(kFooter);
  text.remove(QRegularExpression(QStringLiteral("\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}")));
  static const QRegularExpression number(QStringLiteral("\\d+(?:[.,]\\d+)*"));
  QStringList list;
  for (auto it = number.globalMatch(text); it.hasNext();)
    list << it.next().captured(0).replace(QLatin1Char(','), QLatin1Char('.'));
  return list;
}

// The first place two lists part, with a few items either side, for the
// failure message.
QString firstDifference(const QStringList& a, const QStringList& b) {
  qsizetype k = 0;
  while (k < a.size() && k < b.size() && a[k] == b[k]) ++k;
  if (k == a.size() && k == b.size()) return {};
  const qsizetype from = std::max<qsizetype>(0, k - 4);
  return QStringLiteral("at number %1: \"%2\" against \"%3\"")
      .arg(k)
      .arg(a.mid(from, 9).join(QLatin1Char(' ')), b.mid(from, 9).join(QLatin1Char(' ')));
}

// The headings the report's core sections write, in each language, as the
// PDF shows them after their number ("4.2 Plume length").
struct Headings {
  QStringList en, de, nl;
};
const Headings kHeadings = {
    {"Description", "Aquifer", "Contaminants", "Results", "Plume length", "Attenuation factor", "Problems",
     "Plausibility warnings", "Comparison with the exact solution", "Robustness", "Methods",
     "Assumptions and limits", "Sources of the database values used", "References"},
    {"Beschreibung", "Grundwasserleiter", "Schadstoffe", "Ergebnisse", "Fahnenlänge", "Abminderungsfaktor",
     "Probleme", "Plausibilitätswarnungen", "Vergleich mit der exakten Lösung", "Robustheit", "Methoden",
     "Annahmen und Grenzen", "Quellen der verwendeten Datenbankwerte", "Literatur"},
    {"Beschrijving", "Watervoerend pakket", "Verontreinigingen", "Resultaten", "Lengte van de pluim",
     "Afnamefactor", "Problemen", "Plausibiliteitswaarschuwingen", "Vergelijking met de exacte oplossing",
     "Robuustheid", "Methoden", "Aannamen en grenzen", "Bronnen van de gebruikte databasewaarden",
     "Literatuur"},
};

// Where a heading stands in the text, -1 where it does not.
qsizetype headingAt(const QString& text, const QString& title) {
  return QRegularExpression(
             QStringLiteral("(^| )\\d+(\\.\\d+)? %1( |$)").arg(QRegularExpression::escape(title)))
      .match(text)
      .capturedStart();
}

// The text from one heading to the next one named, footers left out.
QString between(QString text, const QString& from, const QString& to) {
  text.remove(kFooter);
  const qsizetype start = headingAt(text, from), end = headingAt(text, to);
  return start >= 0 && end > start ? text.mid(start, end - start) : QString();
}

// The text from a heading to the next section's ("5 Methods"), footers
// left out.
QString sectionText(QString text, const QString& from) {
  text.remove(kFooter);
  const qsizetype start = headingAt(text, from);
  if (start < 0) return {};
  static const QRegularExpression section(QStringLiteral(" \\d+ [A-Z]"));
  const qsizetype end = text.indexOf(section, start + 1);
  return text.mid(start, end > start ? end - start : -1);
}

// The first number in `text` written with a decimal point, with the text
// around it; empty when there is none. A heading's number ("5.1 Lengte")
// and a section a verdict cites ("zie 9.2") keep theirs.
QString decimalPoint(QString text) {
  for (const QStringList* titles : {&kHeadings.de, &kHeadings.nl})
    for (const QString& title : *titles)
      text.remove(
          QRegularExpression(QStringLiteral("\\d+\\.\\d+ (?=%1)").arg(QRegularExpression::escape(title))));
  static const QRegularExpression pointed(QStringLiteral("(?<![\\w.,])(\\d+\\.\\d+)(?![\\w.,])"));
  for (auto it = pointed.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const QString before = text.left(match.capturedStart(1)).right(10);
    static const QRegularExpression citing(QStringLiteral("(siehe|zie|Abschnitt|paragraaf) $"));
    if (citing.match(before).hasMatch()) continue;
    return text.mid(std::max<qsizetype>(0, match.capturedStart(1) - 60), 90);
  }
  return {};
}

bool hasHeading(QString text, const QString& title) {
  // The footer's "of 8" must not number the next page's first words.
  text.remove(kFooter);
  return QRegularExpression(
             QStringLiteral("(^| )\\d+(\\.\\d+)? %1( |$)").arg(QRegularExpression::escape(title)))
      .match(text)
      .hasMatch();
}

// The example as the report command computes it.
ProjectPtr computedExample(const QString& name) {
  const QByteArray path = QFile::encodeName(QStringLiteral(VIRELO_SOURCE_DIR "/examples/%1.vrp").arg(name));
  ProjectPtr project(virelo_LoadProject(path.constData(), "rb"));
  if (!project) return project;
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 0);
  return project;
}

// The plume lengths and attenuation factors of the results tables as the
// English report writes them.
QStringList resultValues(const Project& project) {
  QStringList values;
  for (int k = 0; k < project.resultCount; ++k) {
    const ContaminantResult& r = project.results[k];
    const Contaminant& c = project.contaminants[r.contaminantIndex];
    if ((c.assess & kAssessPlumeLength) && !HasPlumeLengthProblems(r))
      values << QString::fromStdString(FormatResultValue(r.plumeLength, "%.2f", "%.2E"));
    if ((c.assess & kAssessAttenuationFactor) && !HasAttenuationFactorProblems(r))
      values << QString::fromStdString(FormatResultValue(r.attenuationFactor, "%.7f", "%.4E"));
  }
  return values;
}

}  // namespace

class TestReportLanguage : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  // The text of each example's report in each language, by "example/lang".
  QMap<QString, QString> texts_;
  // The same in the order the pages paint it.
  QMap<QString, QString> raw_;

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    for (const QString& example : kExamples) {
      for (const QString lang : {"en", "de", "nl"}) {
        const QString pdf = dir_.filePath(QStringLiteral("%1-%2.pdf").arg(example, lang));
        QStringList arguments{QStringLiteral("report"),
                              QStringLiteral(VIRELO_SOURCE_DIR "/examples/%1.vrp").arg(example),
                              QStringLiteral("-o"), pdf};
        // English is the default: the report without the option is the
        // English one.
        if (lang != QLatin1String("en")) arguments << QStringLiteral("--lang") << lang;
        const CliRun run = runCli(arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        texts_[example + QLatin1Char('/') + lang] = pdfText(pdf);
        raw_[example + QLatin1Char('/') + lang] = pdfText(pdf, true);
        QVERIFY2(!texts_[example + QLatin1Char('/') + lang].isEmpty(), qPrintable(pdf));
      }
    }
  }

  void numbersAreTheSameInEveryLanguage_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("lang");
    for (const QString& example : kExamples)
      for (const QString lang : {"de", "nl"})
        QTest::newRow(qPrintable(example + QLatin1Char(' ') + lang)) << example << lang;
  }

  // The translation moves words only: no number is lost, added, reordered
  // or changed in value by the decimal comma.
  void numbersAreTheSameInEveryLanguage() {
    QFETCH(QString, example);
    QFETCH(QString, lang);
    const QStringList english = numbersOf(raw_.value(example + QStringLiteral("/en")));
    const QStringList translated = numbersOf(raw_.value(example + QLatin1Char('/') + lang));
    QVERIFY(english.size() > 100);
    const QString difference = firstDifference(english, translated);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  // No chart's lettering is cut short in any language: the fuel depot's
  // toluene falls through fourteen decades, whose labels are wider than the
  // benzene chart's before it, and a longer German axis title still fits.
  void chartLetteringIsNeverCutShort() {
    for (auto it = texts_.cbegin(); it != texts_.cend(); ++it) {
      QString rest = it.value().simplified();
      rest.remove(QStringLiteral("< ... <"));  // the assessment range's "0.3 < ... < 2.0"
      QVERIFY2(!rest.contains(QStringLiteral(" ... ")), qPrintable(it.key()));
      QVERIFY2(!rest.contains(QString::fromUtf8("\u00b5...")), qPrintable(it.key()));
    }
    QVERIFY(texts_.value(QStringLiteral("fuel-depot/en")).contains(QStringLiteral("1e-14")));
  }

  // Each contaminant's time chart stands on the page of its heading and of
  // the sentence that leads into it: the dry cleaner's four fill more than
  // what is left of the page the section starts on.
  void timeChartsStayWithTheirHeadings() {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                   dir_.filePath(QStringLiteral("dry-cleaner-de.pdf")), "-"});
    QVERIFY(process.waitForFinished(60000));
    const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    const QRegularExpression section(QStringLiteral("(?m)^(\\d+) Zeit$"));
    QString number;
    for (const QString& page : pages)
      if (const auto m = section.match(page); m.hasMatch()) number = m.captured(1);
    QVERIFY(!number.isEmpty());
    const QRegularExpression subsection(QStringLiteral("(?m)^%1\\.\\d+ .*$").arg(number));
    int headings = 0;
    for (const QString& page : pages)
      for (auto it = subsection.globalMatch(page); it.hasNext();) {
        const auto m = it.next();
        ++headings;
        QVERIFY2(page.indexOf(QStringLiteral("Am Schutzgut"), m.capturedEnd()) >= 0,
                 qPrintable(m.captured()));
      }
    QCOMPARE(headings, 4);
  }

  void numbersAreTheSameInEveryLanguage_normalisesOnlyTheDecimalSign() {
    // The comparison above would pass vacuously if it took "3,5" and "35"
    // for the same number, or dropped section numbers.
    QCOMPARE(numbersOf(QStringLiteral("d = 3,5 m, see 4.3")), (QStringList{"3.5", "4.3"}));
    QVERIFY(numbersOf(QStringLiteral("35")) != numbersOf(QStringLiteral("3,5")));
    QCOMPARE(numbersOf(QStringLiteral("x Page 2 of 9 y 2026-01-02 10:11 z 7")), QStringList{"7"});
  }

  void headingsAreInTheReportsLanguage_data() {
    QTest::addColumn<QString>("example");
    for (const QString& example : kExamples) QTest::newRow(qPrintable(example)) << example;
  }

  void headingsAreInTheReportsLanguage() {
    QFETCH(QString, example);
    const QString en = texts_.value(example + QStringLiteral("/en"));
    const QString de = texts_.value(example + QStringLiteral("/de"));
    const QString nl = texts_.value(example + QStringLiteral("/nl"));
    for (qsizetype k = 0; k < kHeadings.en.size(); ++k) {
      const QString& english = kHeadings.en[k];
      // Not every project has every section (references only where cited).
      if (!hasHeading(en, english)) continue;
      QVERIFY2(hasHeading(de, kHeadings.de[k]), qPrintable(kHeadings.de[k]));
      QVERIFY2(hasHeading(nl, kHeadings.nl[k]), qPrintable(kHeadings.nl[k]));
      // "Methoden" is the same word in both; only the English must be gone.
      QVERIFY2(!hasHeading(de, english), qPrintable(QStringLiteral("de still has ") + english));
      QVERIFY2(!hasHeading(nl, english), qPrintable(QStringLiteral("nl still has ") + english));
    }
    QVERIFY(hasHeading(en, QStringLiteral("Results")) && hasHeading(en, QStringLiteral("Methods")));
    // The title block, the tables' words and the footer follow the headings.
    for (const char* english : {"Project title", "Hydraulic conductivity", "Assessment range", "Page 1 of",
                                "Assumptions and limits", "screening model (decides"}) {
      QVERIFY2(en.contains(QLatin1String(english)), english);
      QVERIFY2(!de.contains(QLatin1String(english)), english);
      QVERIFY2(!nl.contains(QLatin1String(english)), english);
    }
    // Words the engine or a window's table lends the report are in its
    // language too (the PDF's text may break the line inside them): a
    // remedial target's origin, the redox condition of a preset, the Time
    // section's column titles and how a daughter is followed through its
    // chain.
    int lent = 0;
    for (const char* phrase :
         {"from\\s+the\\s+chain", "from\\s+the\\s+wells", "preset,\\s+anaerobic", "Above\\s+CA,\\s+screening",
          "followed\\s+through\\s+its\\s+decay\\s+chain", "own\\s+factors\\s+di(ff|\\x{fb00})er",
          "a\\s+source\\s+feeding\\s+it\\s+fades"}) {
      const QRegularExpression words(QString::fromLatin1(phrase));
      if (!en.contains(words)) continue;
      ++lent;
      QVERIFY2(!de.contains(words), phrase);
      QVERIFY2(!nl.contains(words), phrase);
    }
    // The dry cleaner has a chain over time and presets for its solvents
    // (the PDF's text writes "ff" as one ligature), the redox condition
    // named in the reader's words.
    if (example == QLatin1String("dry-cleaner")) {
      QCOMPARE(lent, 6);
      QVERIFY(de.contains(QRegularExpression(QStringLiteral("Vorgabe,\\s+anaerob\\s+CH4"))));
      QVERIFY(nl.contains(QRegularExpression(QString::fromUtf8("standaardwaarde,\\s+ana\u00ebroob\\s+CH4"))));
    }
    for (const char* german : {"Projekttitel", "Durchlässigkeitsbeiwert", "Bewertungsbereich", "Seite 1 von"})
      QVERIFY2(de.contains(QString::fromUtf8(german)), german);
    for (const char* dutch : {"Projecttitel", "Doorlatendheid", "Beoordelingsbereik", "Pagina 1 van"})
      QVERIFY2(nl.contains(QString::fromUtf8(dutch)), dutch);
  }

  void valuesCarryTheDecimalComma_data() {
    QTest::addColumn<QString>("example");
    for (const QString& example : kExamples) QTest::newRow(qPrintable(example)) << example;
  }

  // The results tables' plume lengths and attenuation factors, and the
  // aquifer's inputs, with a comma in German and Dutch and a point in
  // English.
  void valuesCarryTheDecimalComma() {
    QFETCH(QString, example);
    const ProjectPtr project = computedExample(example);
    QVERIFY(project);
    QStringList expected = resultValues(*project);
    QVERIFY(expected.size() >= 4);
    expected << QString::asprintf("%.9f", project->aquifer.conductivityKf)
             << QString::asprintf("%.7f", project->aquifer.gradientI)
             << QString::asprintf("%.3f", project->aquifer.porosityNe);
    const QString en =
        between(texts_.value(example + QStringLiteral("/en")), kHeadings.en[1], kHeadings.en[6]);
    for (const QString lang : {"de", "nl"}) {
      // From the aquifer to the results, and the comparison with the exact
      // solution: the sections of other faces of the report (chains, wells)
      // repeat these values in their own words, and the problems are the
      // engine's English sentences.
      const QStringList& words = lang == QLatin1String("de") ? kHeadings.de : kHeadings.nl;
      const QString values = between(texts_.value(example + QLatin1Char('/') + lang), words[1], words[6]) +
                             between(texts_.value(example + QLatin1Char('/') + lang), words[8], words[9]);
      QVERIFY2(values.size() > 500, qPrintable(lang));
      for (const QString& value : expected) {
        if (!value.contains(QLatin1Char('.'))) continue;
        QString comma = value;
        comma.replace(QLatin1Char('.'), QLatin1Char(','));
        const QRegularExpression whole(QStringLiteral("(^|[ (])%1( |$)"));
        QVERIFY2(
            QRegularExpression(whole.pattern().arg(QRegularExpression::escape(value))).match(en).hasMatch(),
            qPrintable(QStringLiteral("en lacks ") + value));
        QVERIFY2(QRegularExpression(whole.pattern().arg(QRegularExpression::escape(comma)))
                     .match(values)
                     .hasMatch(),
                 qPrintable(lang + QStringLiteral(" lacks ") + comma));
        QVERIFY2(!QRegularExpression(whole.pattern().arg(QRegularExpression::escape(value)))
                      .match(values)
                      .hasMatch(),
                 qPrintable(lang + QStringLiteral(" has ") + value));
      }
      // The assessment ranges' bounds, in the title block and over each
      // table.
      static const QRegularExpression red(QStringLiteral("(rot|rood) (d|C0) (&lt;|<|>|&gt;)=? (\\S+) (x|C)"));
      int bounds = 0;
      for (auto it = red.globalMatch(texts_.value(example + QLatin1Char('/') + lang)); it.hasNext();
           ++bounds) {
        const QString bound = it.next().captured(4);
        QVERIFY2(bound.contains(QLatin1Char(',')) && !bound.contains(QLatin1Char('.')), qPrintable(bound));
      }
      QVERIFY2(bounds >= 2, qPrintable(lang));
      const QString pointed = decimalPoint(values);
      QVERIFY2(pointed.isEmpty(), qPrintable(lang + QStringLiteral(": a decimal point in ") + pointed));
      // The break-even values and their factors.
      const QString robustness = sectionText(texts_.value(example + QLatin1Char('/') + lang), words[9]);
      QVERIFY2(robustness.size() > 500, qPrintable(lang));
      QVERIFY2(decimalPoint(robustness).isEmpty(), qPrintable(lang + QStringLiteral(": ") + robustness));
    }
  }

  // Longer words may push a page over, no more.
  void translatedReportsKeepTheirLength() {
    for (const QString& example : kExamples) {
      const int en = pageCount(texts_.value(example + QStringLiteral("/en")));
      QVERIFY(en > 1);
      for (const QString lang : {"de", "nl"}) {
        const int pages = pageCount(texts_.value(example + QLatin1Char('/') + lang));
        QVERIFY2(
            pages >= en && pages <= en + 1,
            qPrintable(QStringLiteral("%1 %2: %3 pages, English %4").arg(example, lang).arg(pages).arg(en)));
      }
    }
  }

  void unknownLanguageIsAUsageError_data() {
    QTest::addColumn<QStringList>("option");
    QTest::addColumn<QString>("message");
    QTest::newRow("xx") << QStringList{"--lang", "xx"} << QStringLiteral("unknown report language 'xx'");
    QTest::newRow("upper case") << QStringList{"--lang=NL"} << QStringLiteral("unknown report language 'NL'");
    QTest::newRow("no code") << QStringList{"--lang"} << QStringLiteral("--lang");
  }

  // Like any option the command cannot read: exit code 2, a sentence,
  // and no file.
  void unknownLanguageIsAUsageError() {
    QFETCH(QStringList, option);
    QFETCH(QString, message);
    const QString pdf = dir_.filePath(QStringLiteral("refused.pdf"));
    QFile::remove(pdf);
    const CliRun run = runCli(QStringList{QStringLiteral("report"),
                                          QStringLiteral(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp"),
                                          QStringLiteral("-o"), pdf} +
                              option);
    const CliRun other =
        runCli({QStringLiteral("report"), QStringLiteral(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp"),
                QStringLiteral("-o"), pdf, QStringLiteral("--plume-range")});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.exitCode, other.exitCode);
    QVERIFY2(run.standardError.contains(message), qPrintable(run.standardError));
    QVERIFY(!QFile::exists(pdf));
  }

  void usageNamesTheLanguages() {
    QProcess process;
    process.start(QStringLiteral(VIRELO_BINARY_DIR "/virelo-cli"), {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(60000));
    const QString help = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    QVERIFY2(help.contains(QStringLiteral("[--lang en|de|nl]")), qPrintable(help));
  }

  // The desktop's report speaks the windows' language: the translators
  // main() installs and the decimal sign it sets reach the exported PDF.
  void desktopReportFollowsTheWindowsLanguage() {
    QVERIFY(language::installTranslators(QCoreApplication::instance(), QStringLiteral("nl")) >= 1);
    SetShownDecimalSign(DecimalSignFor(QStringLiteral("nl")));
    const ProjectPtr project = computedExample(QStringLiteral("dry-cleaner"));
    QVERIFY(project);
    const ReportSettings settings = ReportSettingsFor(*project, 0, 0);
    QCOMPARE(settings.decimalSign, QLatin1Char(','));
    const QString pdf = dir_.filePath(QStringLiteral("desktop-nl.pdf"));
    QString error;
    const bool written = WriteReportPdf(*project, settings, pdf, &error);
    // Back to English for anything after this test.
    SetShownDecimalSign(QLatin1Char('.'));
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    QVERIFY2(written, qPrintable(error));
    const QString text = pdfText(pdf);
    QVERIFY(hasHeading(text, QStringLiteral("Resultaten")));
    QVERIFY(!hasHeading(text, QStringLiteral("Results")));
    const QString plume = resultValues(*project).first();
    QVERIFY2(text.contains(QString(plume).replace(QLatin1Char('.'), QLatin1Char(','))), qPrintable(plume));
  }
};

QTEST_MAIN(TestReportLanguage)
#include "tst_reportlanguage.moc"
