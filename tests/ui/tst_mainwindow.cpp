// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The main window as the user meets it: start-up with and without a project
// on the command line, captions, page switching by keys and tabs, the keys
// that must not close the window, and context help.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QWhatsThis>

#include "app/AboutDialog.h"
#include "app/VireloApp.h"
#include "pages/CPropAqui.h"
#include "pages/CPropConts.h"
#include "pages/CPropProject.h"
#include "pages/CPropResults.h"
#include "pages/ContaminantTreeModel.h"
#include "shell_fixture.h"

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void startWithoutArgumentMakesNewProject();
  void startWithQuotedPathOpensIt();
  void startWithMissingFileReportsAndMakesNewProject();
  void startWithoutDatabaseWarnsAndStartsEmpty();
  void startWithDatabaseSaysWhatItIs();
  void fileNamesWithQuotesAndForeignLetters();
  void commandLineJoinsArguments();
  void captionsFollowNewOpenAndSaveAs();
  void openedProjectShowsItsFirstAssessedContaminant();
  void pageKeysSwitchTabs();
  void enterKeepsWindowAndEscapeRunsExit();
  void tabSwitchCommitsPendingEdits();
  void menusToolBarAndTooltips();
  void helpRequestsCarryControlIds();
  void desktopMessageBoxShowsNamesAsTheyAre();
};

void TestMainWindow::startWithoutArgumentMakesNewProject() {
  ShellSession session;
  auto window = session.start();
  QCOMPARE(session.platform.dialogTitles.value(0), QStringLiteral("Virelo 1.0 Loading ..."));
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
  QVERIFY(session.platform.messages.isEmpty());
  QVERIFY(window->project);
  QCOMPARE(window->project->modified, 0);
  QVERIFY(window->project->contaminantCount > 0);
  QCOMPARE(window->pageTabs->currentIndex(), 0);
  QVERIFY(window->pageTabs->projectPage->isVisible());
  QVERIFY(!window->pageTabs->aquiferPage->isVisible());
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus);
  QVERIFY(focus == window->pageTabs->projectPage || window->pageTabs->projectPage->isAncestorOf(focus));
  // A fixed-size window.
  QCOMPARE(window->minimumSize(), window->maximumSize());
  // Every page lies on the same rectangle below the tab headers.
  const QRect r = window->pageTabs->pageRect();
  for (int i = 0; i < PageTabs::kPageCount; ++i) QCOMPARE(window->pageTabs->page(i)->geometry(), r);
  QCOMPARE(r.top(), window->pageTabs->tabBar()->tabRect(0).height() + 5);
}

void TestMainWindow::startWithQuotedPathOpensIt() {
  ShellSession session;
  const QString file = session.path("site.vrp");
  QVERIFY(writeProject(file, "Quoted start"));
  auto window = session.start("\"" + file + "\"  ");
  QVERIFY(session.platform.messages.isEmpty());
  QCOMPARE(window->windowTitle(), QStringLiteral("[site.vrp] Virelo 1.0"));
  QCOMPARE(QString::fromLatin1(window->project->title), QStringLiteral("Quoted start"));
  QCOMPARE(child<QLineEdit>(window.get(), "titleEdit")->text(), QStringLiteral("Quoted start"));
  QCOMPARE(window->project->modified, 0);
}

void TestMainWindow::startWithMissingFileReportsAndMakesNewProject() {
  ShellSession session;
  auto window = session.start(session.path("missing.vrp"));
  QCOMPARE(session.platform.messages.size(), 1);
  QCOMPARE(session.platform.messages[0].caption, QStringLiteral("Virelo-Error"));
  QCOMPARE(session.platform.messages[0].icon, Platform::Icon::Error);
  QCOMPARE(session.platform.messages[0].buttons, int(Platform::Ok));
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
  QVERIFY(window->project);
}

void TestMainWindow::startWithoutDatabaseWarnsAndStartsEmpty() {
  ShellSession session(ShellSession::NoDatabase);
  auto window = session.start();
  QCOMPARE(session.platform.messages.size(), 1);
  QCOMPARE(session.platform.messages[0].caption, QStringLiteral("Virelo-Warning"));
  QCOMPARE(session.platform.messages[0].icon, Platform::Icon::Warning);
  QVERIFY(window->project);
  QCOMPARE(window->project->contaminantCount, 0);
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
}

void TestMainWindow::startWithDatabaseSaysWhatItIs() {
  ShellSession session;
  const QString database = session.path("generic.vrc");
  QVERIFY(QFile::copy(QStringLiteral(VIRELO_BINARY_DIR "/generic.vrc"), database));
  auto window = session.start(database);
  QCOMPARE(session.platform.messages.size(), 1);
  QCOMPARE(session.platform.messages[0].text,
           QStringLiteral("generic.vrc is a contaminant database, not a project."));
  QCOMPARE(session.platform.messages[0].caption, QStringLiteral("Virelo-Error"));
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
}

void TestMainWindow::fileNamesWithQuotesAndForeignLetters() {
  ShellSession session;
  // An apostrophe that belongs to the file name is kept.
  const QString apostrophe = session.path("O'Brien site.vrp");
  QVERIFY(writeProject(apostrophe, "Apostrophe"));
  auto window = session.start(apostrophe);
  QVERIFY(session.platform.messages.isEmpty());
  QCOMPARE(window->windowTitle(), QStringLiteral("[O'Brien site.vrp] Virelo 1.0"));
  QCOMPARE(QString::fromLatin1(window->project->title), QStringLiteral("Apostrophe"));

  // Quotes around a name with trailing blanks still open it.
  const QString plain = session.path("plain.vrp");
  QVERIFY(writeProject(plain, "Plain"));
  QCOMPARE(window->OpenProjectFile("'" + plain + "'   "), 1);
  QCOMPARE(window->windowTitle(), QStringLiteral("[plain.vrp] Virelo 1.0"));

  // A folder named with letters outside ASCII: saved and opened again.
  const QString folder = session.path(QStringLiteral("Grundwasser-Übersicht ñ"));
  QVERIFY(QDir().mkpath(folder));
  const QString foreign = folder + QStringLiteral("/Messstellen-Ä.vrp");
  session.platform.saveFileNames.push_back(foreign);
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 1);
  QVERIFY(QFile::exists(foreign));
  QCOMPARE(window->windowTitle(), QStringLiteral("[Messstellen-Ä.vrp] Virelo 1.0"));
  QCOMPARE(QFile::decodeName(window->project->path), foreign);
  window->StartNewProject();
  QCOMPARE(window->OpenProjectFile(foreign), 1);
  QCOMPARE(QString::fromLatin1(window->project->title), QStringLiteral("Plain"));
  QVERIFY(session.platform.messages.isEmpty());

  // A missing file in that folder: the error box names it as it is spelt.
  session.platform.messages.clear();
  const QString missing = folder + QStringLiteral("/fehlt-ß.vrp");
  QCOMPARE(window->OpenProjectFile(missing), 0);
  QCOMPARE(session.platform.messages.size(), 1);
  QCOMPARE(session.platform.messages[0].text, QStringLiteral("Error opening: \"%1\"").arg(missing));
  session.platform.messages.clear();

  // A name that is missing both as it stands and without its quotes fails and
  // keeps the current project.
  Project* before = window->project;
  QCOMPARE(window->OpenProjectFile("\"" + session.path("nothing.vrp") + "\""), 0);
  QCOMPARE(window->project, before);
  QCOMPARE(session.platform.messages.size(), 1);
  QCOMPARE(session.platform.messages[0].caption, QStringLiteral("Virelo-Error"));
}

void TestMainWindow::commandLineJoinsArguments() {
  char program[] = "virelo";
  char first[] = "/data/my";
  char second[] = "site.vrp";
  char* argv[] = {program, first, second};
  QCOMPARE(VireloApp::commandLineText(3, argv), QStringLiteral("/data/my site.vrp"));
  QCOMPARE(VireloApp::commandLineText(1, argv), QString());
}

void TestMainWindow::captionsFollowNewOpenAndSaveAs() {
  ShellSession session;
  auto window = session.start();
  // Save as with a name typed without extension: the dialog adds "vrp".
  session.platform.saveFileNames.push_back(session.path("first"));
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 1);
  QCOMPARE(window->windowTitle(), QStringLiteral("[first.vrp] Virelo 1.0"));
  // Editing the title and saving under the same name keeps the caption.
  auto* title = child<QLineEdit>(window.get(), "titleEdit");
  title->setFocus();
  title->selectAll();
  QTest::keyClicks(title, "Renamed");
  QCOMPARE(window->fileCommands->OnFileSave(), 1);
  QCOMPARE(window->windowTitle(), QStringLiteral("[first.vrp] Virelo 1.0"));
  QCOMPARE(QString::fromLatin1(window->project->title), QStringLiteral("Renamed"));
  // New shows the new project's title.
  window->fileCommands->OnFileNew();
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
  // Open shows base name and extension, even of a name without a dot.
  QVERIFY(QFile::copy(session.path("first.vrp"), session.path("noext")));
  session.platform.openFileNames.push_back(session.path("noext"));
  window->fileCommands->OnFileOpen();
  QCOMPARE(window->windowTitle(), QStringLiteral("[noext.] Virelo 1.0"));
  QCOMPARE(MainDialog::fileCaption("/a.b/c/site.tar.gz"), QStringLiteral("[site.tar.gz] Virelo 1.0"));
}

// Opening a project, from the command line or by File > Open, selects its
// first assessed contaminant in its open group with the inputs in the fields,
// and changes nothing; a new project starts with nothing selected.
void TestMainWindow::openedProjectShowsItsFirstAssessedContaminant() {
  ShellSession session;
  const QString file = session.path("cleaner.vrp");
  QVERIFY(QFile::copy(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", file));
  auto window = session.start(file);
  CPropConts* page = window->pageTabs->contaminantsPage;
  auto shown = [&]() -> QString {
    const QModelIndex current = page->tree()->currentIndex();
    const int ci = page->treeModel()->contaminantIndex(current);
    if (ci < 0 || !page->tree()->selectionModel()->isSelected(current)) return QString();
    if (!page->tree()->isExpanded(current.parent())) return QStringLiteral("collapsed");
    return QString::fromLatin1(window->project->contaminants[ci].name);
  };
  for (int round = 0; round < 2; ++round) {
    window->ViewPage(2);
    QCOMPARE(shown(), QStringLiteral("Tetrachloroethene (PCE)"));
    const int ci = page->treeModel()->contaminantIndex(page->tree()->currentIndex());
    QVERIFY(window->project->contaminants[ci].assess != 0);
    auto* c0 = child<QLineEdit>(window.get(), "c0Edit");
    QCOMPARE(c0->text().toDouble(), window->project->contaminants[ci].c0);
    window->ViewPage(0);
    QCOMPARE(window->project->modified, int16_t(0));
    QVERIFY(!window->isWindowModified());
    window->fileCommands->OnFileNew();
    window->ViewPage(2);
    QVERIFY(shown().isEmpty());
    session.platform.openFileNames.push_back(file);
    window->fileCommands->OnFileOpen();
  }
  // Assessed in two groups: the first in the tree's order is selected, and
  // both groups are open.
  int benzene = -1, pce = -1;
  for (int k = 0; k < window->project->contaminantCount; ++k) {
    const QString name = QString::fromLatin1(window->project->contaminants[k].name);
    if (name == QStringLiteral("Benzene")) benzene = k;
    if (name == QStringLiteral("Tetrachloroethene (PCE)")) pce = k;
  }
  QVERIFY(benzene >= 0 && pce >= 0);
  window->project->contaminants[benzene].assess = kAssessAttenuationFactor;
  const QString both = session.path("both.vrp");
  QCOMPARE(virelo_SaveProject(window->project, QFile::encodeName(both).constData()), 1);
  window->fileCommands->OnFileNew();
  session.platform.openFileNames.push_back(both);
  window->fileCommands->OnFileOpen();
  window->ViewPage(2);
  QCOMPARE(shown(), QStringLiteral("Benzene"));
  QVERIFY(page->tree()->isExpanded(page->FindItemForContaminant(pce).parent()));
  QVERIFY(session.platform.messages.isEmpty());
}

void TestMainWindow::pageKeysSwitchTabs() {
  ShellSession session;
  auto window = session.start();
  for (Qt::KeyboardModifier modifier : {Qt::ControlModifier, Qt::AltModifier}) {
    for (int i : {2, 3, 1, 0, 2}) {
      QTest::keyClick(window.get(), Qt::Key(Qt::Key_1 + i), modifier);
      QCOMPARE(window->pageTabs->currentIndex(), i);
      QVERIFY(window->pageTabs->page(i)->isVisible());
      for (int other = 0; other < PageTabs::kPageCount; ++other)
        if (other != i) QVERIFY(!window->pageTabs->page(other)->isVisible());
    }
    // Again on the shown tab: nothing changes.
    QTest::keyClick(window.get(), Qt::Key_3, modifier);
    QCOMPARE(window->pageTabs->currentIndex(), 2);
    window->ViewPage(0);
  }
  QVERIFY(session.platform.messages.isEmpty());
}

void TestMainWindow::enterKeepsWindowAndEscapeRunsExit() {
  ShellSession session;
  auto window = session.start();
  auto* title = child<QLineEdit>(window.get(), "titleEdit");
  title->setFocus();
  QTest::keyClick(title, Qt::Key_Return);
  QTest::keyClick(window.get(), Qt::Key_Enter);
  QVERIFY(window->isVisible());

  // Modified: Escape asks; Cancel keeps the window.
  QTest::keyClicks(title, "x");
  session.platform.answers = {Platform::Cancel};
  QTest::keyClick(title, Qt::Key_Escape);
  QCOMPARE(session.platform.messages.size(), 1);
  QCOMPARE(session.platform.messages[0].text, QStringLiteral("Current project was modified. Save?"));
  QVERIFY(window->isVisible());
  QVERIFY(window->project);
  // The close box runs the same Exit; No closes without writing.
  session.platform.answers = {Platform::No};
  window->close();
  QCOMPARE(session.platform.messages.size(), 2);
  QVERIFY(!window->isVisible());
  QCOMPARE(window->result(), int(QDialog::Accepted));
  QVERIFY(!window->project);
  QCOMPARE(session.platform.saveDialogs, 0);

  // Unmodified: Escape closes at once.
  auto second = session.start();
  QTest::keyClick(second.get(), Qt::Key_Escape);
  QVERIFY(!second->isVisible());
  QCOMPARE(session.platform.messages.size(), 2);
}

void TestMainWindow::tabSwitchCommitsPendingEdits() {
  ShellSession session;
  auto window = session.start();
  auto* title = child<QLineEdit>(window.get(), "titleEdit");
  title->setFocus();
  title->selectAll();
  QTest::keyClicks(title, "Depot North");
  QCOMPARE(window->project->modified, 0);
  QTabBar* tabs = window->pageTabs->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  QCOMPARE(window->pageTabs->currentIndex(), 1);
  QCOMPARE(window->project->modified, 1);
  QCOMPARE(QString::fromLatin1(window->project->title), QStringLiteral("Depot North"));
  QVERIFY(!window->pageTabs->projectPage->pageModified);
  // The caption keeps the new project's title.
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
  session.platform.answers = {Platform::Cancel};
  window->fileCommands->OnFileExit();
  QCOMPARE(session.platform.messages.size(), 1);
  QVERIFY(window->isVisible());
}

void TestMainWindow::menusToolBarAndTooltips() {
  ShellSession session;
  auto window = session.start();
  QStringList menus;
  for (QAction* menuAction : window->menuBar->actions()) {
    QStringList items;
    for (QAction* item : menuAction->menu()->actions()) items << (item->isSeparator() ? "-" : item->text());
    menus << menuAction->text() + ": " + items.join(" | ");
  }
  QCOMPARE(menus, QStringList({
                      "&File: &New\tCtrl+N | &Open ...\tCtrl+O | &Save\tCtrl+S | Save &as ... | - | "
                      "&Export report... | &Print... | Print pre&view... | - | E&xit",
                      "&View: &Project settings\tCtrl+1 | &Aquifer settings\tCtrl+2 | "
                      "C&ontaminant settings\tCtrl+3 | &Results\tCtrl+4 | - | &Language",
                      "&Data: &Edit generic contaminant data | &Save generic data as default | Si&te data... "
                      "| &Decay chain... | "
                      "&Uncertainty... | S&orption and source... | T&ime... | &Lines of evidence... | - | "
                      "Load &application defaults",
                      "&Help: &Manual (requires Adobe Acrobat Reader) | - | &About Virelo",
                  }));
  QStringList tools;
  for (QAction* action : window->toolBar->actions()) {
    if (action->isSeparator()) {
      tools << "-";
      continue;
    }
    QVERIFY(!action->icon().isNull());
    QCOMPARE(action->icon().actualSize(QSize(16, 15)), QSize(16, 15));
    tools << action->toolTip();
  }
  QCOMPARE(tools,
           QStringList({"Create a new Virelo-Project", "Open a Virelo-Project", "Save current Virelo-Project",
                        "-", "Informations about Virelo", "What's this - Help"}));
  QStringList tips;
  for (int i = 0; i < 4; ++i)
    tips << window->pageTabs->tabBar()->tabText(i) + "=" + window->pageTabs->tabBar()->tabToolTip(i);
  QCOMPARE(tips, QStringList({"Project=Project settings ... Ctrl+1", "Aquifer=Aquifer settings ... Ctrl+2",
                              "Contaminants=Contaminant settings ... Ctrl+3", "Results=Results ... Ctrl+4"}));
  // The About button opens the plain about box.
  auto* aboutButton =
      qobject_cast<QToolButton*>(window->toolBar->widgetForAction(window->helpCommands->aboutAction));
  QVERIFY(aboutButton);
  QTest::mouseClick(aboutButton, Qt::LeftButton);
  QCOMPARE(session.platform.dialogTitles.last(), QStringLiteral("About Virelo 1.0"));
}

void TestMainWindow::helpRequestsCarryControlIds() {
  ShellSession session;
  {
    auto window = session.start();
    auto* title = child<QLineEdit>(window.get(), "titleEdit");
    const int titleId = controlId(title);
    QVERIFY(titleId != 0);
    title->setFocus();
    QTest::keyClick(title, Qt::Key_F1);
    QCOMPARE(session.platform.helpRequests.size(), 1);
    QCOMPARE(session.platform.helpRequests[0].contextId, titleId);
    QCOMPARE(session.platform.helpRequests[0].kind, Platform::HelpKind::Topic);

    // What's this, then a click on the title edit: a pop-up for its id.
    window->helpCommands->whatsThisAction->trigger();
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(session.platform.helpRequests.size(), 2);
    QCOMPARE(session.platform.helpRequests[1].contextId, titleId);
    QCOMPARE(session.platform.helpRequests[1].kind, Platform::HelpKind::Popup);
    QTRY_VERIFY(!QWhatsThis::inWhatsThisMode());

    // A click where the page has no control asks nothing.
    QWidget* page = window->pageTabs->projectPage;
    QPoint empty(-1, -1);
    for (int y = page->height() - 3; y > 0 && empty.x() < 0; y -= 4)
      for (int x = page->width() - 3; x > 0; x -= 4)
        if (!page->childAt(x, y)) {
          empty = QPoint(x, y);
          break;
        }
    QVERIFY(empty.x() >= 0);
    window->helpCommands->whatsThisAction->trigger();
    QTest::mouseClick(page, Qt::LeftButton, {}, empty);
    QCOMPARE(session.platform.helpRequests.size(), 2);
    if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
  }
  // The window's end closes the help viewer.
  QCOMPARE(session.platform.helpRequests.last().kind, Platform::HelpKind::Close);
}

void TestMainWindow::desktopMessageBoxShowsNamesAsTheyAre() {
  // The desktop's own box, as an engine report raised while a file loads
  // (under the loader's wait cursor) shows it.
  Platform desktop;
  struct Seen {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    Qt::TextFormat format = Qt::AutoText;
    Qt::CursorShape cursor = Qt::BlankCursor;
  } seen;
  QTimer::singleShot(0, [&seen] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(top);
      if (!box || !box->isVisible()) continue;
      seen.caption = box->windowTitle();
      seen.text = box->text();
      seen.icon = box->icon();
      seen.buttons = box->buttons().size();
      if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) seen.format = label->textFormat();
      if (QApplication::overrideCursor()) seen.cursor = QApplication::overrideCursor()->shape();
      box->button(QMessageBox::Ok)->click();
    }
  });
  const QString message = QStringLiteral("Error opening: \"/data/<b>site</b> &amp; more.vrp\"");
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const int answer = desktop.messageBox(nullptr, message, QStringLiteral("Virelo-Error"), Platform::Ok,
                                        Platform::Icon::Error);
  const Qt::CursorShape after = QApplication::overrideCursor()->shape();
  QApplication::restoreOverrideCursor();
  QCOMPARE(answer, int(Platform::Ok));
  QCOMPARE(seen.caption, QStringLiteral("Virelo-Error"));
  QCOMPARE(seen.text, message);
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.buttons, 1);
  // The file name is not read as markup, and the box waits with the arrow.
  QCOMPARE(seen.format, Qt::PlainText);
  QCOMPARE(seen.cursor, Qt::ArrowCursor);
  QCOMPARE(after, Qt::WaitCursor);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
