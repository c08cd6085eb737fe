// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A German and a Dutch user's walk through the desktop: the translators are
// installed as main() installs them, each example project (the dry
// cleaner with its chain, wells and distributions, the petrol station, the
// fuel depot) is opened and calculated, and every page, every window of
// the Data menu, the result windows, the menus and the dialogs on the way
// are looked at, tab by tab. No word of the interface's English may show:
// an English word is one the catalogues' English texts use and neither
// translation does, so symbols, units, names and the numbers' words pass,
// and a text that missed tr(), a translator's context or EngineText does not.
// Nor may a number show the English decimal point.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>
#include <algorithm>

#include "analysis/AnalyteMappingDialog.h"
#include "analysis/ColumnMappingDialog.h"
#include "analysis/TimeWindow.h"
#include "app/AboutDialog.h"
#include "app/AnalysisCommands.h"
#include "app/DataCommands.h"
#include "app/Language.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "pages/CPropResults.h"
#include "pages/ProblemsDialog.h"
#include "pages/VerdictMarks.h"
#include "platform/DecimalSign.h"
#include "shell_fixture.h"
#include "support/Catalogue.h"

namespace {

const QRegularExpression& wordPattern() {
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
  return word;
}

QSet<QString> wordsOf(const QString& text) {
  QSet<QString> words;
  for (auto it = wordPattern().globalMatch(text); it.hasNext();) words.insert(it.next().captured().toLower());
  return words;
}

// The interface's English words: those of the catalogues' English texts
// that no translation uses. A word both languages share ("Name", "Monitoring")
// or a symbol kept as it is ("Kf", "MTBE") is not one.
QSet<QString> englishWords() {
  QSet<QString> english, translated;
  for (const char* language : {"de", "nl"}) {
    for (const CatalogueMessage& m : ReadCatalogue(QString::fromLatin1(language))) {
      english.unite(wordsOf(m.source));
      translated.unite(wordsOf(m.translation));
    }
  }
  english.subtract(translated);
  return english;
}

// The fields of one line of the bundled database's CSV (quoted fields may
// hold commas and doubled quotes).
QStringList csvFields(const QString& line) {
  QStringList fields{QString()};
  bool quoted = false;
  for (qsizetype k = 0; k < line.size(); ++k) {
    const QChar c = line[k];
    if (c == QLatin1Char('"')) {
      if (quoted && k + 1 < line.size() && line[k + 1] == QLatin1Char('"')) {
        fields.back() += c;
        ++k;
      } else {
        quoted = !quoted;
      }
    } else if (c == QLatin1Char(',') && !quoted) {
      fields << QString();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

// What stays as it is in every language: the contaminants' names and the
// literature sources of the bundled database, longest first so that a name
// inside another goes with it.
QStringList namesAndSources() {
  QStringList kept;
  QFile file(QStringLiteral(VIRELO_SOURCE_DIR "/resources/generic-contaminants.csv"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return kept;
  const QStringList header = csvFields(QString::fromUtf8(file.readLine()).trimmed());
  const QList<qsizetype> columns{header.indexOf(QStringLiteral("name")),
                                 header.indexOf(QStringLiteral("source")),
                                 header.indexOf(QStringLiteral("kocSource"))};
  while (!file.atEnd()) {
    const QStringList fields = csvFields(QString::fromUtf8(file.readLine()).trimmed());
    for (qsizetype column : columns)
      if (column >= 0 && column < fields.size() && !fields[column].isEmpty()) kept << fields[column];
  }
  kept << QStringLiteral("Ethene");  // a chain's end product, named by the chain
  std::sort(kept.begin(), kept.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
  return kept;
}

// Rich text's tags and entities are markup, not words.
QString plain(const QString& text) {
  static const QRegularExpression markup(QStringLiteral("<[^<>]*>|&[a-zA-Z#0-9]+;"));
  QString cleaned = text;
  cleaned.replace(markup, QStringLiteral(" "));
  return cleaned;
}

// What a field or an editable cell holds stands behind this mark: the
// program put it there, but the user may type over it in any words, so only
// its numbers are read.
const QChar kField(0x1);

// Everything a user reads in `window` as it stands: titles, labels,
// buttons, tooltips, lists, tables with their headers, charts, read-only
// text, fields and menus. Hidden widgets (another tab's page) are not read.
QStringList shownTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  const auto shown = [window](QWidget* w) { return w == window || w->isVisibleTo(window); };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!shown(w)) continue;
    texts << w->toolTip();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      // Standard buttons (Close, OK) take their words from Qt's catalogue.
      auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
      if (!box || box->standardButton(button) == QDialogButtonBox::NoButton) texts << button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* combo = qobject_cast<QComboBox*>(w))
      for (int k = 0; k < combo->count(); ++k) texts << combo->itemText(k);
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int k = 0; k < tabs->count(); ++k) texts << tabs->tabText(k) << tabs->tabToolTip(k);
    if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->text().isEmpty())
      texts << kField + edit->text();
    if (auto* edit = qobject_cast<QTextEdit*>(w); edit && edit->isReadOnly()) texts << edit->toPlainText();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w); edit && edit->isReadOnly())
      texts << edit->toPlainText();
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
      QAbstractItemModel* model = view->model();
      for (int c = 0; c < model->columnCount(); ++c)
        texts << model->headerData(c, Qt::Horizontal).toString()
              << model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
      // Top-level rows and their first children: enough of a long list.
      const auto readRows = [&](const QModelIndex& parent, int depth, auto&& self) -> void {
        for (int r = 0; r < std::min(model->rowCount(parent), 60); ++r)
          for (int c = 0; c < model->columnCount(parent); ++c) {
            const QModelIndex index = model->index(r, c, parent);
            const QString cell = index.data().toString();
            texts << (model->flags(index) & Qt::ItemIsEditable && !cell.isEmpty() ? kField + cell : cell);
            texts << index.data(Qt::ToolTipRole).toString();
            if (c == 0 && depth < 1) self(index, depth + 1, self);
          }
      };
      readRows(QModelIndex(), 0, readRows);
    }
    if (auto* chartView = qobject_cast<QChartView*>(w); chartView && chartView->chart()) {
      QChart* chart = chartView->chart();
      texts << chart->title();
      for (QAbstractAxis* axis : chart->axes()) texts << axis->titleText();
      for (QAbstractSeries* series : chart->series()) texts << series->name();
    }
    if (auto* menu = qobject_cast<QMenu*>(w)) texts << menu->title();
  }
  // Menus are read whether open or not: a user opens each.
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    texts << menu->title();
    for (QAction* action : menu->actions()) texts << action->text() << action->toolTip();
  }
  texts.removeAll(QString());
  return texts;
}

// The texts of `window` on every tab of every tab widget in it.
QStringList textsOnEveryTab(QWidget* window) {
  QStringList texts = shownTexts(window);
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
    const int current = tabs->currentIndex();
    for (int k = 0; k < tabs->count(); ++k) {
      tabs->setCurrentIndex(k);
      QTest::qWait(20);
      texts += shownTexts(window);
    }
    tabs->setCurrentIndex(current);
  }
  texts.removeDuplicates();
  return texts;
}

// "Window: the text [its English words]" for each text with English in it.
// Names, literature sources, file names and the version are not the
// interface's words;
// nor are the language menu's entries, each in its own language, and the
// copyright notice with the institution's name.
QStringList englishIn(const QString& where, const QStringList& texts, const QSet<QString>& english) {
  static const QStringList kept = namesAndSources();
  static const QRegularExpression version(QStringLiteral("Virelo \\d+(\\.\\d+)*"),
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression fileName(QStringLiteral("[\\w.-]+\\.(csv|vrp|vrc|json|pdf)\\b"));
  QStringList found;
  for (const QString& text : texts) {
    if (text == QLatin1String("&English") || text == QLatin1String("English") ||
        text.startsWith(QLatin1String("Copyright (C)")))
      continue;
    const bool field = text.startsWith(kField);
    QString rest = plain(field ? text.mid(1) : text);
    for (const QString& name : kept) rest.replace(name, QStringLiteral(" "));
    rest.replace(fileName, QStringLiteral(" "));
    rest.replace(version, QStringLiteral(" "));
    QStringList words;
    for (const QString& word : wordsOf(rest))
      if (!field && english.contains(word)) words << word;
    // A number still written with the English point (names, codes, dates
    // and section numbers keep theirs).
    if (WithDecimalSign(rest, QLatin1Char(',')) != rest) words << QStringLiteral("decimal point");
    if (words.isEmpty()) continue;
    words.sort();
    found << QStringLiteral("%1: \"%2\" [%3]").arg(where, text.left(160), words.join(QStringLiteral(", ")));
  }
  return found;
}

void removeTranslators() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

}  // namespace

class TestWalkthrough : public QObject {
  Q_OBJECT

  QSet<QString> english_;

 private slots:
  void initTestCase() {
    english_ = englishWords();
    // The test's own premise: the catalogues give common words of the
    // interface, and keep symbols and shared words out.
    for (const char* word : {"the", "wells", "decay", "contaminant", "plume", "verdict"})
      QVERIFY2(english_.contains(QString::fromLatin1(word)), word);
    for (const char* word : {"mtbe", "name"}) QVERIFY2(!english_.contains(QString::fromLatin1(word)), word);
  }

  // The sentence of a verdict made worse by all three inputs: the list's
  // joining words are the windows' too.
  void verdictSentenceListsItsReasonsInTheLanguage() {
    QVERIFY(language::installTranslators(qApp, QStringLiteral("de")) >= 1);
    const QString german =
        VerdictSentence(AssessmentClass::Red, AssessmentClass::Green,
                        kReasonExact | kReasonChain | kReasonWells, false, VerdictBasis::Worse);
    removeTranslators();
    QCOMPARE(german,
             QStringLiteral("Urteil: Rot. Das Screening-Modell allein ergibt Grün; verschlechtert durch "
                            "die exakte Lösung (die ungünstigere der beiden), die Abbaukette und die "
                            "Messstellen des Standorts."));
    QVERIFY(englishIn(QStringLiteral("VerdictSentence"), {german}, english_).isEmpty());
  }

  void walkEveryWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("example");
    for (const char* example : {"dry-cleaner", "petrol-station", "fuel-depot"}) {
      QTest::addRow("German, %s", example) << QStringLiteral("de") << QString::fromLatin1(example);
      QTest::addRow("Dutch, %s", example) << QStringLiteral("nl") << QString::fromLatin1(example);
    }
  }
  void walkEveryWindow() {
    QFETCH(QString, language);
    QFETCH(QString, example);
    QVERIFY(language::installTranslators(qApp, language) >= 1);
    SetShownDecimalSign(DecimalSignFor(language));
    struct Restore {
      ~Restore() {
        removeTranslators();
        SetShownDecimalSign(QLatin1Char('.'));
      }
    } restore;

    ShellSession session;
    const QString file = session.path(example + QStringLiteral(".vrp"));
    QVERIFY(QFile::copy(QStringLiteral(VIRELO_SOURCE_DIR "/examples/%1.vrp").arg(example), file));
    std::unique_ptr<MainDialog> window = session.start(file);
    QStringList found;

    for (int page = 0; page < PageTabs::kPageCount; ++page) {
      window->ViewPage(page);
      QTest::qWait(30);
      found += englishIn(QStringLiteral("page %1").arg(page), textsOnEveryTab(window.get()), english_);
    }

    QStringList seen;
    session.platform.dialogHandler = [&](QDialog* dialog) {
      QTest::qWait(50);
      seen << dialog->metaObject()->className();
      QStringList texts = textsOnEveryTab(dialog);
      // The problems stand in a box the user may edit and copy from.
      if (auto* problems = qobject_cast<ProblemsDialog*>(dialog)) texts << problems->problemText();
      // Each contaminant over time, a chain's daughters with their chain.
      if (auto* time = qobject_cast<TimeWindow*>(dialog))
        for (int k = 0; k < time->contaminantBox()->count(); ++k) {
          time->contaminantBox()->setCurrentIndex(k);
          texts += shownTexts(dialog);
        }
      found += englishIn(QString::fromLatin1(dialog->metaObject()->className()), texts, english_);
      return int(QDialog::Rejected);
    };
    for (const char* name : {"siteData", "decayChain", "uncertainty", "transport", "time", "evidence"})
      window->dataCommands->action(name)->trigger();
    OpenPlumeView(*window, 0);
    OpenRobustness(*window, 0, CPropResults::AttenuationFactorSide);
    EditGenericData(*window);
    QCOMPARE(seen.size(), 9);
    // The problems of every result that has any, as a right-click shows them.
    CPropResults* results = window->pageTabs->resultsPage;
    const qsizetype before = seen.size();
    for (int k = 0; k < window->project->resultCount; ++k)
      for (int side : {CPropResults::PlumeLengthSide, CPropResults::AttenuationFactorSide})
        results->ShowProblems(k, side);
    if (example == QLatin1String("fuel-depot")) QCOMPARE(seen.size(), before + 1);

    ColumnMappingDialog columns({"Monsterpunt", "Monsternamedatum", "Resultaat"}, window.get());
    found += englishIn(QStringLiteral("ColumnMappingDialog"), textsOnEveryTab(&columns), english_);
    AnalyteMappingDialog analytes(window->project, window.get());
    found += englishIn(QStringLiteral("AnalyteMappingDialog"), textsOnEveryTab(&analytes), english_);
    // The plausibility warnings of an aquifer typed in the wrong units.
    Aquifer implausible = window->project->aquifer;
    implausible.conductivityKf = 1e-5;
    implausible.gradientI = 0.5;
    implausible.dispersivityAx = 2.0 * implausible.distanceX;
    ProblemsDialog problems(window.get());
    QVERIFY(problems.AppendPlausibilityWarnings(implausible, false) >= 3);
    problems.show();
    found += englishIn(QStringLiteral("ProblemsDialog"), textsOnEveryTab(&problems) << problems.problemText(),
                       english_);
    AboutDialog about(window.get(), 0);
    found += englishIn(QStringLiteral("AboutDialog"), textsOnEveryTab(&about), english_);

    found.removeDuplicates();
    for (const QString& line : found) qWarning("%s", qPrintable(line));
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 texts with English:\n").arg(found.size()) +
                                         found.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TestWalkthrough)
#include "tst_walkthrough.moc"
