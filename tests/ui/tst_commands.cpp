// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The File, Data and Help commands: the save question and its answers, failed
// saves, the contaminant list commands and the manual; the analysis windows
// opened alike from the menu and the results page.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <cstring>

#include "analysis/PlumeView.h"
#include "analysis/RobustnessDialog.h"
#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "pages/CPropConts.h"
#include "pages/CPropProject.h"
#include "pages/CPropResults.h"
#include "pages/ContaminantEditorDialog.h"
#include "pages/ContaminantTreeModel.h"
#include "pages/ResultListModel.h"
#include "shell_fixture.h"

namespace {
const QString kSavePrompt = QStringLiteral("Current project was modified. Save?");
const QString kSaveError = QStringLiteral("Error saving project-file!\nCheck access-rights!");

void typeTitle(MainDialog* window, const char* text) {
  auto* title = child<QLineEdit>(window, "titleEdit");
  title->setFocus();
  title->selectAll();
  QTest::keyClicks(title, text);
}

QByteArray contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList texts(const FakePlatform& platform) {
  QStringList list;
  for (const RecordedMessage& m : platform.messages) list << m.text;
  return list;
}

QString loadedTitle(const QString& fileName) {
  Project* project = virelo_LoadProject(QFile::encodeName(fileName).constData(), "rb");
  if (!project) return QStringLiteral("<not loaded>");
  const QString title = QString::fromLatin1(project->title);
  virelo_FreeProject(project);
  return title;
}
}  // namespace

class TestCommands : public QObject {
  Q_OBJECT

 private slots:
  void exitAnswers();
  void saveQuestionWithAPathSavesInPlace();
  void saveOfEmptyListFailsAndKeepsOldFile();
  void failedSaveAsThenSaveWritesChosenFile();
  void ctrlSWhileTypingCommitsTitle();
  void openAnsweredNoThenCancelled();
  void openAnsweredNoLeavesPendingEditsBehind();
  void saveGenericDataAsDefault();
  void loadApplicationDefaults();
  void editGenericData();
  void manualOpensBesideProgram();
  void analysisWindowsOpenThroughTheirCommands();
};

void TestCommands::exitAnswers() {
  ShellSession session;
  auto window = session.start();
  typeTitle(window.get(), "Unsaved");
  // Cancel: the window stays, the project unchanged.
  session.platform.answers = {Platform::Cancel};
  window->fileCommands->OnFileExit();
  QVERIFY(window->isVisible());
  QVERIFY(window->project);
  QCOMPARE(session.platform.messages.size(), 1);
  const RecordedMessage& question = session.platform.messages[0];
  QCOMPARE(question.text, kSavePrompt);
  QCOMPARE(question.caption, QStringLiteral("Virelo"));
  QCOMPARE(question.buttons, Platform::Yes | Platform::No | Platform::Cancel);
  QCOMPARE(question.icon, Platform::Icon::Warning);
  QCOMPARE(window->project->modified, 1);
  // Yes on a never-saved project: the save dialog, cancelled, keeps the window.
  session.platform.answers = {Platform::Yes};
  window->fileCommands->OnFileExit();
  QCOMPARE(session.platform.saveDialogs, 1);
  QVERIFY(window->isVisible());
  QVERIFY(window->project);
  // No: closes without writing anything.
  session.platform.answers = {Platform::No};
  window->fileCommands->OnFileExit();
  QVERIFY(!window->isVisible());
  QVERIFY(!window->project);
  QCOMPARE(session.platform.saveDialogs, 1);
  QCOMPARE(QDir(session.home.path()).entryList({"*.vrp"}).size(), 0);
}

void TestCommands::saveQuestionWithAPathSavesInPlace() {
  ShellSession session;
  auto window = session.start();
  const QString file = session.path("kept.vrp");
  session.platform.saveFileNames.push_back(file);
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 1);
  typeTitle(window.get(), "Before new");
  // New commits the pages before asking, then Yes saves to the known path.
  session.platform.answers = {Platform::Yes};
  window->fileCommands->OnFileNew();
  QCOMPARE(texts(session.platform), QStringList({kSavePrompt}));
  QCOMPARE(session.platform.saveDialogs, 1);
  QCOMPARE(loadedTitle(file), QStringLiteral("Before new"));
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
  QCOMPARE(window->project->modified, 0);
}

void TestCommands::saveOfEmptyListFailsAndKeepsOldFile() {
  ShellSession session(ShellSession::NoDatabase);
  auto window = session.start();
  QCOMPARE(window->project->contaminantCount, 0);
  session.platform.messages.clear();
  const QString file = session.path("old.vrp");
  {
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous contents");
  }
  typeTitle(window.get(), "Empty list");
  session.platform.saveFileNames.push_back(file);
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 0);
  QCOMPARE(texts(session.platform), QStringList({kSaveError}));
  QCOMPARE(session.platform.messages[0].caption, QStringLiteral("Virelo-Error"));
  QCOMPARE(session.platform.messages[0].icon, Platform::Icon::Error);
  QCOMPARE(contents(file), QByteArray("previous contents"));
  QCOMPARE(window->project->modified, 1);
  // Save now aims at that path and fails the same way.
  QCOMPARE(window->fileCommands->OnFileSave(), 0);
  QCOMPARE(session.platform.messages.size(), 2);
  QCOMPARE(contents(file), QByteArray("previous contents"));
  QCOMPARE(window->project->modified, 1);
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
  // A failed save during the question aborts the Exit.
  session.platform.answers = {Platform::Yes};
  window->fileCommands->OnFileExit();
  QVERIFY(window->isVisible());
  QCOMPARE(texts(session.platform).last(), kSaveError);
}

void TestCommands::failedSaveAsThenSaveWritesChosenFile() {
  ShellSession session;
  auto window = session.start();
  const QString folder = session.path("later");
  const QString file = folder + "/chosen.vrp";
  session.platform.saveFileNames.push_back(file);
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 0);  // the folder does not exist yet
  QCOMPARE(texts(session.platform).last(), kSaveError);
  QCOMPARE(QFile::decodeName(window->project->path), file);
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
  QVERIFY(QDir().mkpath(folder));
  const int dialogs = session.platform.saveDialogs;
  QCOMPARE(window->fileCommands->OnFileSave(), 1);
  QCOMPARE(session.platform.saveDialogs, dialogs);
  QVERIFY(QFile::exists(file));
  QCOMPARE(window->project->modified, 0);
  // Saving under the existing name keeps the caption.
  QCOMPARE(window->windowTitle(), QStringLiteral("[NewProject] Virelo 1.0"));
}

void TestCommands::ctrlSWhileTypingCommitsTitle() {
  ShellSession session;
  auto window = session.start();
  const QString file = session.path("typed.vrp");
  session.platform.saveFileNames.push_back(file);
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 1);
  auto* title = child<QLineEdit>(window.get(), "titleEdit");
  title->setFocus();
  title->selectAll();
  QTest::keyClicks(title, "Typed then saved");
  QTest::keyClick(title, Qt::Key_S, Qt::ControlModifier);
  QVERIFY(session.platform.messages.isEmpty());
  QCOMPARE(loadedTitle(file), QStringLiteral("Typed then saved"));
  QCOMPARE(window->windowTitle(), QStringLiteral("[typed.vrp] Virelo 1.0"));
  QCOMPARE(window->project->modified, 0);
  QVERIFY(!window->pageTabs->projectPage->pageModified);
  QCOMPARE(QApplication::focusWidget(), title);
}

void TestCommands::openAnsweredNoThenCancelled() {
  ShellSession session;
  auto window = session.start();
  typeTitle(window.get(), "Still here");
  Project* before = window->project;
  session.platform.answers = {Platform::No};
  QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);  // the dialog is cancelled
  QCOMPARE(session.platform.openDialogs, 1);
  QCOMPARE(window->project, before);
  QCOMPARE(window->project->modified, 1);
  session.platform.answers = {Platform::Cancel};
  window->fileCommands->OnFileExit();
  QCOMPARE(texts(session.platform), QStringList({kSavePrompt, kSavePrompt}));
  QVERIFY(window->isVisible());
}

void TestCommands::openAnsweredNoLeavesPendingEditsBehind() {
  ShellSession session;
  const QString file = session.path("other.vrp");
  QVERIFY(writeProject(file, "Other"));
  auto window = session.start();
  // Edits left pending on each editing page belong to the project the user
  // chose not to save; none of them may reach the opened one.
  for (int page : {0, 1, 2}) {
    window->ViewPage(page);
    if (page == 0) typeTitle(window.get(), "Typed");
    if (page == 1) {
      auto* x = child<QLineEdit>(window.get(), "xEdit");
      x->setFocus();
      QTest::keyClicks(x, "999");
    }
    if (page == 2) {
      auto* tree = child<QTreeView>(window.get(), "contaminantTree");
      const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole,
                                                         "Benzene", 1, Qt::MatchExactly | Qt::MatchRecursive);
      QVERIFY(!found.isEmpty());
      tree->scrollTo(found[0]);
      QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(found[0]).center());
      auto* assess = child<QCheckBox>(window.get(), "assessPlumeCheck");
      QTest::mouseClick(assess, Qt::LeftButton, {}, QPoint(6, assess->height() / 2));
      QVERIFY(assess->isChecked());
      auto* c0 = child<QLineEdit>(window.get(), "c0Edit");
      QVERIFY(c0->isEnabled());
      c0->setFocus();
      QTest::keyClicks(c0, "777");
    }
    session.platform.answers = {Platform::No};
    session.platform.openFileNames.push_back(file);
    window->fileCommands->OnFileOpen();
    QCOMPARE(window->windowTitle(), QStringLiteral("[other.vrp] Virelo 1.0"));
    QCOMPARE(QString::fromLatin1(window->project->title), QStringLiteral("Other"));
    QCOMPARE(window->project->aquifer.setMask, uint16_t(0));
    for (int i = 0; i < window->project->contaminantCount; ++i) {
      QVERIFY(!(window->project->contaminants[i].valueMask & kValueC0));
      QCOMPARE(window->project->contaminants[i].assess, 0);
    }
    QCOMPARE(window->project->modified, 0);
    window->fileCommands->OnFileNew();
  }
}

void TestCommands::saveGenericDataAsDefault() {
  const QString question =
      QStringLiteral("This will change your currently used default-contaminants.\nAre you shure?");
  {
    // An empty list: not even the question.
    ShellSession session(ShellSession::NoDatabase);
    auto window = session.start();
    session.platform.messages.clear();
    window->dataCommands->action("saveGeneric")->trigger();
    QVERIFY(session.platform.messages.isEmpty());
  }
  ShellSession session;
  auto window = session.start();
  const QString userFile = session.path("Virelo/generic.vrc");
  QVERIFY(QFile::remove(userFile));
  std::strcpy(window->project->contaminants[0].name, "Renamed entry");
  session.platform.answers = {Platform::No};
  window->dataCommands->action("saveGeneric")->trigger();
  QCOMPARE(texts(session.platform), QStringList({question}));
  QCOMPARE(session.platform.messages[0].caption, QStringLiteral("Changing generic contaminant data"));
  QCOMPARE(session.platform.messages[0].buttons, Platform::Yes | Platform::No);
  QVERIFY(!QFile::exists(userFile));
  session.platform.answers = {Platform::Yes};
  window->dataCommands->action("saveGeneric")->trigger();
  QCOMPARE(texts(session.platform), QStringList({question, question, "Contaminants saved!"}));
  QCOMPARE(session.platform.messages[2].caption, QStringLiteral("Virelo"));
  QCOMPARE(session.platform.messages[2].icon, Platform::Icon::None);
  QVERIFY(QFile::exists(userFile));
  QCOMPARE(window->project->modified, 0);
  // A new project takes the saved list.
  window->fileCommands->OnFileNew();
  QCOMPARE(QString::fromLatin1(window->project->contaminants[0].name), QStringLiteral("Renamed entry"));
}

void TestCommands::loadApplicationDefaults() {
  const QString question = QStringLiteral("Loading application default contaminants?");
  {
    // Nothing beside the program: the engine's warning, then ours.
    ShellSession session;
    auto window = session.start();
    Contaminant* list = window->project->contaminants;
    const int count = window->project->contaminantCount;
    session.platform.answers = {Platform::Yes};
    window->dataCommands->action("loadDefaults")->trigger();
    QCOMPARE(session.platform.messages.size(), 3);
    QCOMPARE(session.platform.messages[0].text, question);
    QCOMPARE(session.platform.messages[0].caption, QStringLiteral("contaminant data"));
    QCOMPARE(session.platform.messages[1].caption, QStringLiteral("Virelo-Warning"));
    QVERIFY(session.platform.messages[1].text.startsWith("Error opening generic data: "));
    QCOMPARE(session.platform.messages[2].text, QStringLiteral("Loading contaminant-data failed!"));
    QCOMPARE(session.platform.messages[2].caption, QStringLiteral("Virelo-Error"));
    QCOMPARE(window->project->contaminants, list);
    QCOMPARE(window->project->contaminantCount, count);
    QCOMPARE(window->project->modified, 0);
  }
  // With the installed database: the list is replaced and the project modified.
  ShellSession session(ShellSession::NoDatabase, true);
  auto window = session.start();
  QVERIFY(window->project->contaminantCount > 0);
  const QByteArray name(window->project->contaminants[0].name);
  std::strcpy(window->project->contaminants[0].name, "Edited entry");
  session.platform.messages.clear();
  session.platform.answers = {Platform::No};
  window->dataCommands->action("loadDefaults")->trigger();
  QCOMPARE(QByteArray(window->project->contaminants[0].name), QByteArray("Edited entry"));
  session.platform.answers = {Platform::Yes};
  window->dataCommands->action("loadDefaults")->trigger();
  QCOMPARE(texts(session.platform), QStringList({question, question, "Default contaminants loaded!"}));
  QCOMPARE(QByteArray(window->project->contaminants[0].name), name);
  QCOMPARE(window->project->modified, 1);
}

void TestCommands::editGenericData() {
  ShellSession session;
  auto window = session.start();
  Project* project = window->project;
  const int count = project->contaminantCount;
  QVERIFY(count > 1);
  Contaminant* original = project->contaminants;

  // Cancel: nothing changes, even when the editor changed its copy.
  session.platform.dialogHandler = [](QDialog* dialog) {
    auto* editor = qobject_cast<ContaminantEditorDialog*>(dialog);
    std::strcpy(editor->workingList[0].name, "Changed in the copy");
    return int(QDialog::Rejected);
  };
  window->dataCommands->action("editGeneric")->trigger();
  QCOMPARE(session.platform.dialogTitles.last(), QStringLiteral("Edit contaminant data"));
  QCOMPARE(project->contaminants, original);
  QCOMPARE(project->contaminantCount, count);
  QVERIFY(std::strcmp(project->contaminants[0].name, "Changed in the copy") != 0);
  QCOMPARE(project->modified, 0);

  // OK without a change: same records, marked modified.
  std::vector<Contaminant> before(original, original + count);
  session.platform.dialogHandler = [&](QDialog* dialog) {
    auto* editor = qobject_cast<ContaminantEditorDialog*>(dialog);
    if (editor->workingCount != count || editor->workingList == original) return int(QDialog::Rejected);
    return int(QDialog::Accepted);
  };
  window->dataCommands->action("editGeneric")->trigger();
  QCOMPARE(project->contaminantCount, count);
  QCOMPARE(std::memcmp(project->contaminants, before.data(), sizeof(Contaminant) * count), 0);
  QCOMPARE(project->modified, 1);

  // OK after the editor shrank the list: the project takes the new list.
  session.platform.dialogHandler = [](QDialog* dialog) {
    auto* editor = qobject_cast<ContaminantEditorDialog*>(dialog);
    resizeArray(&editor->workingList, 1);
    editor->workingCount = 1;
    std::strcpy(editor->workingList[0].name, "Only one left");
    return int(QDialog::Accepted);
  };
  window->ViewPage(2);
  // With a C0 typed on the contaminants page for the last entry and not yet
  // applied: the OK releases the list that entry lives in, so nothing may
  // write into it afterwards (AddressSanitizer watches this in CI).
  CPropConts* page = window->pageTabs->contaminantsPage;
  const QModelIndex last = page->treeModel()->indexForContaminant(count - 1);
  page->tree()->expand(last.parent());
  page->tree()->scrollTo(last);
  QTest::mouseClick(page->tree()->viewport(), Qt::LeftButton, {}, page->tree()->visualRect(last).center());
  QCOMPARE(page->currentContaminantIndex(), count - 1);
  auto* assess = page->findChild<QCheckBox*>("assessPlumeCheck");
  QTest::mouseClick(assess, Qt::LeftButton, {}, QPoint(6, assess->height() / 2));
  auto* c0 = page->findChild<QLineEdit*>("c0Edit");
  c0->setFocus();
  c0->selectAll();
  QTest::keyClicks(c0, "7");
  QVERIFY(page->pageModified);
  window->dataCommands->action("editGeneric")->trigger();
  QCOMPARE(project->contaminantCount, 1);
  QCOMPARE(QString::fromLatin1(project->contaminants[0].name), QStringLiteral("Only one left"));
  QCOMPARE(project->contaminants[0].assess, 0);
  QCOMPARE(page->currentContaminantIndex(), -1);
  window->ViewPage(3);  // the results follow the new list
  QCOMPARE(window->project->resultCount <= 1, true);
}

void TestCommands::manualOpensBesideProgram() {
  ShellSession session;
  auto window = session.start();
  window->helpCommands->manualAction->trigger();
  QCOMPARE(session.platform.openedUrls.size(), 1);
  QCOMPARE(session.platform.openedUrls[0], QUrl::fromLocalFile(session.program.path() + "/manual.pdf"));
  QVERIFY(session.platform.messages.isEmpty());
}

// The results page's buttons open the windows the menu opens, through the
// same commands: each window sees the C0 typed on the contaminants page and
// not yet applied, and the project's saved ranges.
void TestCommands::analysisWindowsOpenThroughTheirCommands() {
  ShellSession session;
  auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp"));
  Project* project = window->project;
  QVERIFY(project && project->contaminantCount > 0);
  virelo_Extras(project).settings.afRange = 2;  // 0.1 to 10
  window->RefreshPages();

  // A C0 typed for PCE, still in its field.
  int pce = 0;
  while (pce < project->contaminantCount &&
         std::strcmp(project->contaminants[pce].name, "Tetrachloroethene (PCE)") != 0)
    ++pce;
  QVERIFY(pce < project->contaminantCount);
  window->ViewPage(2);
  CPropConts* contaminants = window->pageTabs->contaminantsPage;
  const QModelIndex first = contaminants->treeModel()->indexForContaminant(pce);
  contaminants->tree()->expand(first.parent());
  contaminants->tree()->scrollTo(first);
  QTest::mouseClick(contaminants->tree()->viewport(), Qt::LeftButton, {},
                    contaminants->tree()->visualRect(first).center());
  auto* c0 = contaminants->findChild<QLineEdit*>("c0Edit");
  c0->setFocus();
  c0->selectAll();
  QTest::keyClicks(c0, "1234");
  QVERIFY(contaminants->pageModified);

  QStringList seen;
  session.platform.dialogHandler = [&](QDialog* dialog) {
    seen << QStringLiteral("%1 %2").arg(dialog->windowTitle()).arg(project->contaminants[pce].c0);
    if (auto* robustness = qobject_cast<RobustnessDialog*>(dialog))
      seen << QStringLiteral("range %1").arg(robustness->rangeIndex());
    if (auto* plume = qobject_cast<PlumeView*>(dialog))
      seen << QStringLiteral("shows %1").arg(plume->currentResult());
    return int(QDialog::Rejected);
  };
  window->dataCommands->action("decayChain")->trigger();
  QCOMPARE(seen, QStringList({"Decay chain 1234"}));
  QVERIFY(!contaminants->pageModified);

  // From the results page, each button through its command.
  window->ViewPage(3);
  CPropResults* results = window->pageTabs->resultsPage;
  seen.clear();
  QTest::mouseClick(results->findChild<QPushButton*>("chainButton"), Qt::LeftButton);
  QTest::mouseClick(results->findChild<QPushButton*>("uncertaintyButton"), Qt::LeftButton);
  QTreeView* afList = results->list(CPropResults::AttenuationFactorSide);
  int row = -1;
  for (int k = 0; k < results->listModel(CPropResults::AttenuationFactorSide)->size() && row < 0; ++k)
    if (results->listModel(CPropResults::AttenuationFactorSide)->row(k).hasValues) row = k;
  QVERIFY(row >= 0);
  const QModelIndex marked = afList->model()->index(row, 0);
  QTest::mouseClick(afList->viewport(), Qt::LeftButton, {}, afList->visualRect(marked).center());
  QTest::mouseClick(results->robustnessButton(CPropResults::AttenuationFactorSide), Qt::LeftButton);
  QTest::mouseClick(results->findChild<QPushButton*>("plumeViewButton"), Qt::LeftButton);
  const int resultIndex = results->listModel(CPropResults::AttenuationFactorSide)->row(row).resultIndex;
  QCOMPARE(seen, QStringList({"Decay chain 1234", "Uncertainty 1234", "Robustness 1234", "range 2",
                              "Plume view 1234", QStringLiteral("shows %1").arg(resultIndex)}));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
