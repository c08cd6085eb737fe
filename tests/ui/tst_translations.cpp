// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The desktop in German and Dutch: the language chosen on the command line,
// in View > Language or by the desktop, the translators built into the
// program, and what the windows then show. Nothing here follows the
// machine's own language: the suite also runs on a German desktop.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeView>

#include "app/Language.h"
#include "app/VireloApp.h"
#include "pages/CPropAqui.h"
#include "pages/CPropConts.h"
#include "pages/CPropResults.h"
#include "shell_fixture.h"

namespace {
// Every menu of the menu bar as "title: item | item", submenus included.
QStringList menuTexts(MainDialog& window) {
  QStringList menus;
  for (QAction* menuAction : window.menuBar->actions()) {
    QStringList items;
    for (QAction* item : menuAction->menu()->actions()) items << (item->isSeparator() ? "-" : item->text());
    menus << menuAction->text() + ": " + items.join(" | ");
  }
  return menus;
}

QStringList tabTexts(MainDialog& window) {
  QStringList tabs;
  QTabBar* bar = window.pageTabs->tabBar();
  for (int i = 0; i < bar->count(); ++i) tabs << bar->tabText(i);
  return tabs;
}

QStringList groupTitles(QWidget* page) {
  QStringList titles;
  for (QGroupBox* group : page->findChildren<QGroupBox*>()) titles << group->title();
  return titles;
}

QStringList headers(QTreeView* list) {
  QStringList texts;
  QAbstractItemModel* model = list->model();
  for (int i = 0; i < model->columnCount(); ++i) texts << model->headerData(i, Qt::Horizontal).toString();
  return texts;
}

QAction* languageAction(MainDialog& window, const QString& text) {
  auto* menu = window.findChild<QMenu*>(QStringLiteral("languageMenu"));
  if (!menu) return nullptr;
  for (QAction* action : menu->actions())
    if (action->text() == text) return action;
  return nullptr;
}

// argv as main() receives it, from writable copies of the words.
struct Arguments {
  std::vector<QByteArray> words;
  std::vector<char*> argv;
  explicit Arguments(std::initializer_list<const char*> list) {
    for (const char* word : list) words.emplace_back(word);
    for (QByteArray& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(words.size()); }
};
}  // namespace

class TestTranslations : public QObject {
  Q_OBJECT

  QTemporaryDir config_;

  // Takes out every translator a test installed, so the next test starts in
  // English as the program does without one.
  void removeTranslators() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }

 private slots:
  void initTestCase() {
    // The saved language goes to a folder of the test's own, never to the
    // user's settings.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    QStandardPaths::setTestModeEnabled(true);
  }
  void cleanup() {
    removeTranslators();
    language::saveChoice(QString());
  }

  void languageFromTheDesktop();
  void commandLineOption();
  void commandLineBeforeSavedBeforeDesktop();
  void germanWindow();
  void dutchWindow();
  void englishWithoutTranslator();
  void languageMenuSavesForNextStart();
  void germanWindowFitsLaptop();
};

void TestTranslations::languageFromTheDesktop() {
  QCOMPARE(language::fromLocale(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("de"));
  QCOMPARE(language::fromLocale(QLocale(QLocale::German, QLocale::Switzerland)), QStringLiteral("de"));
  QCOMPARE(language::fromLocale(QLocale(QLocale::Dutch, QLocale::Belgium)), QStringLiteral("nl"));
  QCOMPARE(language::fromLocale(QLocale(QLocale::Dutch, QLocale::Netherlands)), QStringLiteral("nl"));
  QCOMPARE(language::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("en"));
  // A language without texts of its own gets English, not a neighbour's.
  QCOMPARE(language::fromLocale(QLocale(QLocale::French, QLocale::Belgium)), QStringLiteral("en"));
  QCOMPARE(language::fromLocale(QLocale(QLocale::LowGerman, QLocale::Germany)), QStringLiteral("en"));
  QCOMPARE(language::fromLocale(QLocale::c()), QStringLiteral("en"));
}

void TestTranslations::commandLineOption() {
  QString code, error;
  Arguments split({"virelo", "--lang", "de", "site.vrp"});
  int argc = language::takeOption(split.argc(), split.argv.data(), &code, &error);
  QCOMPARE(error, QString());
  QCOMPARE(code, QStringLiteral("de"));
  QCOMPARE(argc, 2);
  // The project path is what is left, as VireloApp joins it.
  QCOMPARE(VireloApp::commandLineText(argc, split.argv.data()), QStringLiteral("site.vrp"));

  code.clear();
  Arguments joined({"virelo", "my site.vrp", "--lang=nl"});
  argc = language::takeOption(joined.argc(), joined.argv.data(), &code, &error);
  QCOMPARE(code, QStringLiteral("nl"));
  QCOMPARE(VireloApp::commandLineText(argc, joined.argv.data()), QStringLiteral("my site.vrp"));

  code.clear();
  Arguments none({"virelo", "site.vrp"});
  QCOMPARE(language::takeOption(none.argc(), none.argv.data(), &code, &error), 2);
  QCOMPARE(code, QString());
  QCOMPARE(error, QString());

  Arguments missing({"virelo", "--lang"});
  language::takeOption(missing.argc(), missing.argv.data(), &code, &error);
  QVERIFY(error.contains(QStringLiteral("en, de or nl")));

  error.clear();
  Arguments unknown({"virelo", "--lang", "fr", "site.vrp"});
  language::takeOption(unknown.argc(), unknown.argv.data(), &code, &error);
  QVERIFY(error.contains(QStringLiteral("'fr'")));
}

void TestTranslations::commandLineBeforeSavedBeforeDesktop() {
  const QLocale german(QLocale::German, QLocale::Germany);
  const QLocale english(QLocale::English, QLocale::UnitedKingdom);
  QCOMPARE(language::effective("nl", "de", german), QStringLiteral("nl"));
  QCOMPARE(language::effective("en", "de", german), QStringLiteral("en"));
  QCOMPARE(language::effective("", "de", english), QStringLiteral("de"));
  QCOMPARE(language::effective("", "", german), QStringLiteral("de"));
  QCOMPARE(language::effective("", "", english), QStringLiteral("en"));
  QCOMPARE(language::effective("xx", "", german), QStringLiteral("de"));
}

void TestTranslations::germanWindow() {
  // As main() does with "--lang de".
  QString code, error;
  Arguments args({"virelo", "--lang", "de"});
  language::takeOption(args.argc(), args.argv.data(), &code, &error);
  QCOMPARE(language::installTranslators(qApp, language::effective(code, QString(), QLocale::c())), 2);

  ShellSession session;
  auto window = session.start();
  const QStringList menus = menuTexts(*window);
  QCOMPARE(menus.size(), 4);
  QVERIFY2(menus[0].startsWith("&Datei: &Neu\tCtrl+N | Ö&ffnen ...\tCtrl+O"), qPrintable(menus[0]));
  QVERIFY2(menus[1].startsWith("&Ansicht: &Projekteinstellungen\tCtrl+1 | &Grundwasserleiter\tCtrl+2"),
           qPrintable(menus[1]));
  QVERIFY2(menus[1].endsWith("- | Spr&ache"), qPrintable(menus[1]));
  // The Data menu's texts come from a table, translated where they are shown.
  QVERIFY2(menus[2].startsWith("Da&ten: Generische Schadstoffdaten &bearbeiten"), qPrintable(menus[2]));
  QVERIFY2(menus[2].contains("S&tandortdaten... | &Abbaukette..."), qPrintable(menus[2]));
  QVERIFY2(menus[3].startsWith("&Hilfe: &Handbuch"), qPrintable(menus[3]));
  QCOMPARE(tabTexts(*window), QStringList({"Projekt", "Grundwasserleiter", "Schadstoffe", "Ergebnisse"}));
  QCOMPARE(window->pageTabs->tabBar()->tabToolTip(1), QStringLiteral("Grundwasserleiter ... Ctrl+2"));

  // The shortcut behind a translated menu text still opens its page.
  QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
  QCOMPARE(window->pageTabs->currentIndex(), 1);
  CPropAqui* aquifer = window->pageTabs->aquiferPage;
  const QStringList aquiferGroups = groupTitles(aquifer);
  QVERIFY(aquiferGroups.contains("Hydraulische Kennwerte"));
  QVERIFY(aquiferGroups.contains("Redoxbedingungen"));
  // The redox labels come from a table too.
  QCOMPARE(child<QRadioButton>(aquifer, "redoxSulfate")->text(), QStringLiteral("Anaerob &SO4"));
  QCOMPARE(child<QCheckBox>(aquifer, "approximateCheck")->text(), QStringLiteral("Aus &x abschätzen"));

  QVERIFY(groupTitles(window->pageTabs->contaminantsPage).contains("Zerfallskonstante ( lambda )"));
  CPropResults* results = window->pageTabs->resultsPage;
  const QStringList afHeaders = headers(results->list(CPropResults::AttenuationFactorSide));
  QCOMPARE(afHeaders.value(0), QStringLiteral("Schadstoff"));
  QVERIFY2(afHeaders.contains("Abstand") && afHeaders.contains("Hinweise"), qPrintable(afHeaders.join("|")));
  // Symbols keep their form; the unit follows the project.
  QVERIFY2(afHeaders.contains("AF") && afHeaders.contains("C0/C"), qPrintable(afHeaders.join("|")));
  QVERIFY2(afHeaders.filter(QRegularExpression("^Ziel C \\[.+\\]$")).size() == 1,
           qPrintable(afHeaders.join("|")));
}

void TestTranslations::dutchWindow() {
  QCOMPARE(language::installTranslators(qApp, QStringLiteral("nl")), 2);
  ShellSession session;
  auto window = session.start();
  const QStringList menus = menuTexts(*window);
  QVERIFY2(menus.value(0).startsWith("&Bestand: &Nieuw\tCtrl+N"), qPrintable(menus.value(0)));
  QVERIFY2(menus.value(1).endsWith("- | &Taal"), qPrintable(menus.value(1)));
  QVERIFY2(menus.value(2).contains("Loca&tiegegevens... | &Afbraakketen..."), qPrintable(menus.value(2)));
  QCOMPARE(tabTexts(*window), QStringList({"Project", "Watervoerend pakket", "Stoffen", "Resultaten"}));
  QVERIFY(groupTitles(window->pageTabs->aquiferPage).contains("Redoxcondities"));
  QCOMPARE(child<QRadioButton>(window->pageTabs->aquiferPage, "redoxAerobic")->text(),
           QStringLiteral("&Aërobe condities"));
  QCOMPARE(headers(window->pageTabs->resultsPage->list(CPropResults::PlumeLengthSide)).value(0),
           QStringLiteral("Stof"));
}

void TestTranslations::englishWithoutTranslator() {
  // Built without main(), as every other test builds it: English, and the
  // language names in the menu in their own language.
  QCOMPARE(language::installTranslators(qApp, QStringLiteral("en")), 0);
  ShellSession session;
  auto window = session.start();
  QCOMPARE(tabTexts(*window), QStringList({"Project", "Aquifer", "Contaminants", "Results"}));
  auto* menu = window->findChild<QMenu*>(QStringLiteral("languageMenu"));
  QVERIFY(menu);
  QStringList choices;
  for (QAction* action : menu->actions()) choices << action->text();
  QCOMPARE(choices, QStringList({"&System language", "&English", "&Deutsch", "&Nederlands"}));
}

void TestTranslations::languageMenuSavesForNextStart() {
  ShellSession session;
  {
    auto window = session.start();
    QAction* system = languageAction(*window, QStringLiteral("&System language"));
    QVERIFY(system && system->isChecked());
    QAction* german = languageAction(*window, QStringLiteral("&Deutsch"));
    QVERIFY(german);
    german->trigger();
    QCOMPARE(language::savedChoice(), QStringLiteral("de"));
    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY(session.platform.messages[0].text.contains(QStringLiteral("started again")));
    QCOMPARE(session.platform.messages[0].icon, Platform::Icon::Information);
    // This window keeps its language; the choice is for the next start.
    QCOMPARE(tabTexts(*window).value(0), QStringLiteral("Project"));
    // Picking the same again says nothing more.
    german->trigger();
    QCOMPARE(session.platform.messages.size(), 1);
  }
  {
    // The next start shows the saved choice checked and starts in it.
    auto window = session.start();
    QVERIFY(languageAction(*window, QStringLiteral("&Deutsch"))->isChecked());
    QVERIFY(!languageAction(*window, QStringLiteral("&English"))->isChecked());
    QCOMPARE(language::effective(QString(), language::savedChoice(), QLocale(QLocale::Dutch)),
             QStringLiteral("de"));
    languageAction(*window, QStringLiteral("&English"))->trigger();
    QCOMPARE(language::savedChoice(), QStringLiteral("en"));
    languageAction(*window, QStringLiteral("&System language"))->trigger();
    QCOMPARE(language::savedChoice(), QString());
    QCOMPARE(session.platform.messages.size(), 3);
  }
}

void TestTranslations::germanWindowFitsLaptop() {
  // German texts run longer than English; the main window still has to open
  // whole on a 1366x768 laptop, on every page.
  QCOMPARE(language::installTranslators(qApp, QStringLiteral("de")), 2);
  ShellSession session;
  auto window = session.start();
  for (int page = 0; page < PageTabs::kPageCount; ++page) {
    window->ViewPage(page);
    QApplication::processEvents();
    const QSize size = window->frameGeometry().size();
    QVERIFY2(size.width() <= 1366 && size.height() <= 768,
             qPrintable(QStringLiteral("page %1: %2x%3").arg(page).arg(size.width()).arg(size.height())));
  }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
