// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/MainDialog.h"

#include <sys/stat.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <vector>

#include "app/AboutDialog.h"
#include "app/AnalysisCommands.h"
#include "app/DataCommands.h"
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/Language.h"
#include "app/PageTabs.h"
#include "app/WaitCursor.h"
#include "diagnostics/util.h"
#include "engine/project/records.h"
#include "pages/CPropAqui.h"
#include "pages/CPropConts.h"
#include "pages/CPropProject.h"
#include "pages/CPropResults.h"
#include "persistence/database.h"
#include "persistence/filekind.h"
#include "persistence/projectfile.h"
#include "platform/Platform.h"
#include "resources/shell_pictures.h"

namespace {
const QString kProgramCaption = QStringLiteral("Virelo 1.0");
constexpr int kSplashTime = 1200;

// A zero-terminated, trimmed copy of path bytes.
std::vector<char> trimmedBytes(const QByteArray& bytes) {
  std::vector<char> buffer(bytes.begin(), bytes.end());
  buffer.push_back('\0');
  TrimString(buffer.data());
  return buffer;
}
}  // namespace

MainDialog::MainDialog(QWidget* parent) : QDialog(parent), pageTabs(new PageTabs(this, this)) {
  setObjectName("mainWindow");
  setWindowTitle(QStringLiteral("Virelo"));
  // A top-level window of its own (listed in the task bar) with caption,
  // system menu and minimise button, but no maximise button: it cannot be
  // resized.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setControlId(this, kIdMainWindow);
  setControlId(pageTabs, kIdPageTabs);
  pageTabs->setObjectName("pageTabs");

  icon = shell_pictures::applicationIcon();
  setWindowIcon(icon);

  buildMenus();
  buildToolBar();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar);
  layout->addWidget(toolBar);
  auto* tabsArea = new QVBoxLayout;
  tabsArea->setContentsMargins(4, 4, 4, 4);
  tabsArea->addWidget(pageTabs);
  layout->addLayout(tabsArea);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Context help clicks arrive as What's-this events at the widget under the
  // pointer; the filter turns those inside a page into help requests.
  qApp->installEventFilter(this);
}

MainDialog::~MainDialog() {
  qApp->removeEventFilter(this);
  releaseProject();
  Platform::instance().requestHelp(0, Platform::HelpKind::Close);
}

QAction* MainDialog::addCommand(QMenu* menu, const QString& text, std::function<void()> handler,
                                QList<QKeySequence> keys) {
  auto* action = new QAction(text, this);
  if (!keys.isEmpty()) {
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    accelerators.append(action);
    addAction(action);  // accelerators work whatever has the focus
  }
  action->setIconVisibleInMenu(false);
  connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  menu->addAction(action);
  return action;
}

void MainDialog::buildMenus() {
  menuBar = new QMenuBar(this);
  menuBar->setObjectName("menuBar");
  menuBar->setNativeMenuBar(false);

  fileCommands = new FileCommands(*this, menuBar->addMenu(tr("&File")));

  QMenu* view = menuBar->addMenu(tr("&View"));
  const QString viewTexts[4] = {tr("&Project settings\tCtrl+1"), tr("&Aquifer settings\tCtrl+2"),
                                tr("C&ontaminant settings\tCtrl+3"), tr("&Results\tCtrl+4")};
  const Qt::Key digits[4] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
  for (int i = 0; i < 4; ++i) {
    viewActions[i] = addCommand(view, viewTexts[i], [this, i] { ViewPage(i); },
                                {QKeySequence(Qt::CTRL | digits[i]), QKeySequence(Qt::ALT | digits[i])});
  }
  view->addSeparator();
  QMenu* languages = view->addMenu(tr("&Language"));
  languages->setObjectName("languageMenu");
  language::fillMenu(languages, this);

  dataCommands = new DataCommands(*this, menuBar->addMenu(tr("&Data")));
  helpCommands = new HelpCommands(*this, menuBar->addMenu(tr("&Help")));
}

void MainDialog::buildToolBar() {
  toolBar = new QToolBar(this);
  toolBar->setObjectName("toolBar");
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->setIconSize(QSize(shell_pictures::kToolPictureWidth, shell_pictures::kToolPictureHeight));
  toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  setControlId(toolBar, kIdToolBar);

  const QPixmap strip = shell_pictures::toolBarStrip();
  auto picture = [&strip](int index) {
    return QIcon(strip.copy(index * shell_pictures::kToolPictureWidth, 0, shell_pictures::kToolPictureWidth,
                            shell_pictures::kToolPictureHeight));
  };
  FileCommands& file = *fileCommands;
  HelpCommands& help = *helpCommands;
  file.newAction->setIcon(picture(shell_pictures::kPictureNew));
  file.openAction->setIcon(picture(shell_pictures::kPictureOpen));
  file.saveAction->setIcon(picture(shell_pictures::kPictureSave));
  help.aboutAction->setIcon(picture(shell_pictures::kPictureAbout));
  help.whatsThisAction->setIcon(picture(shell_pictures::kPictureContextHelp));
  file.newAction->setToolTip(tr("Create a new Virelo-Project"));
  file.openAction->setToolTip(tr("Open a Virelo-Project"));
  file.saveAction->setToolTip(tr("Save current Virelo-Project"));
  help.aboutAction->setToolTip(tr("Informations about Virelo"));

  toolBar->addAction(file.newAction);
  toolBar->addAction(file.openAction);
  toolBar->addAction(file.saveAction);
  toolBar->addSeparator();
  toolBar->addAction(help.aboutAction);
  toolBar->addAction(help.whatsThisAction);
}

void MainDialog::Initialise(const QString& commandLine) {
  if (pageTabs->projectPage) return;
  project = nullptr;
  {
    AboutDialog splash(this, kSplashTime);
    Platform::instance().execDialog(&splash);
  }
  pageTabs->CreatePages();
  connect(pageTabs->aquiferPage, &CPropAqui::siteDataRequested, this, [this] { OpenSiteData(*this); });
  ConnectResultsPageCommands(*this);
  const QString tabTips[PageTabs::kPageCount] = {
      tr("Project settings ... Ctrl+1"), tr("Aquifer settings ... Ctrl+2"),
      tr("Contaminant settings ... Ctrl+3"), tr("Results ... Ctrl+4")};
  for (int i = 0; i < PageTabs::kPageCount; ++i) pageTabs->tabBar()->setTabToolTip(i, tabTips[i]);
  pageTabs->updateGeometry();
  adjustSize();

  if (commandLine.isEmpty() || !OpenProjectFile(commandLine)) StartNewProject();
  pageTabs->projectPage->setFocus(Qt::OtherFocusReason);
}

int MainDialog::CommitPageEdits() {
  if (!project || !pageTabs->projectPage) return 0;
  // The contaminants page reads aquifer values, so the aquifer page goes first.
  PropPage* editing[3] = {pageTabs->projectPage, pageTabs->aquiferPage, pageTabs->contaminantsPage};
  for (PropPage* page : editing) {
    if (!page->pageModified) continue;
    page->ApplyToProject(project);
    page->pageModified = false;
    project->modified = 1;
  }
  return 1;
}

void MainDialog::MarkContaminantsPageModified() {
  if (pageTabs->contaminantsPage) pageTabs->contaminantsPage->pageModified = true;
}

void MainDialog::RefreshPages() {
  if (!project || !pageTabs->projectPage) return;
  for (int i = 0; i < PageTabs::kPageCount; ++i) pageTabs->page(i)->ShowProject(project);
}

void MainDialog::SetCurrentProject(Project* newProject, const QString& caption) {
  // The old record is released only after every page has let go of it, so
  // no page can touch it in between.
  Project* old = project;
  project = newProject;
  setWindowTitle(caption);
  if (pageTabs->contaminantsPage) pageTabs->contaminantsPage->RebuildContaminantTree(project);
  RefreshPages();
  if (old && old != newProject) virelo_FreeProject(old);
}

void MainDialog::StartNewProject() {
  WaitCursor wait;
  Project* fresh = virelo_NewProject();
  // Without a record (memory) the old project stays current; the engine has
  // reported why.
  if (!fresh) return;
  SetCurrentProject(fresh, QStringLiteral("[%1] %2").arg(fromRecordText(fresh->title), kProgramCaption));
  project->modified = 0;
}

QString MainDialog::fileCaption(const QByteArray& path) {
  std::vector<char> name(kPathCapacity), extension(kPathCapacity);
  SplitPath(path.constData(), nullptr, name.data(), extension.data(), name.size());
  return QStringLiteral("[%1.%2] %3")
      .arg(QFile::decodeName(name.data()), QFile::decodeName(extension.data()), kProgramCaption);
}

int MainDialog::OpenProjectFile(const QString& pathText) {
  const QByteArray raw = QFile::encodeName(pathText);
  // A name that exists as it stands is opened as it stands, so a quote that
  // belongs to the file name survives. Otherwise quotes around a path (as a
  // command line may bring them) become blanks and are trimmed away.
  std::vector<char> path = trimmedBytes(raw);
  struct stat info;
  if (path[0] == '\0' || ::stat(path.data(), &info) != 0) {
    QByteArray unquoted = raw;
    for (char& c : unquoted)
      if (c == '"' || c == '\'') c = ' ';
    path = trimmedBytes(unquoted);
  }

  // A database begins like a project; the loader would only say that the
  // file is no project, so the user is told what it is instead.
  if (virelo_FileKind(path.data()) == VireloFileKind::Database) {
    const QString name = QFileInfo(QFile::decodeName(path.data())).fileName();
    const std::string text = virelo_WrongKindText(path.data(), name.toStdString(), VireloFileKind::Project);
    Platform::instance().messageBox(this, QString::fromStdString(text) + QStringLiteral("."),
                                    tr("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
    return 0;
  }
  WaitCursor wait;
  Project* loaded = virelo_LoadProject(path.data(), "rb");
  if (!loaded) return 0;
  loaded->modified = 0;
  SetCurrentProject(loaded, fileCaption(QByteArray(path.data())));
  // An opened project is looked at, not begun: its first assessed
  // contaminant shows at once.
  pageTabs->contaminantsPage->SelectFirstContaminant();
  return 1;
}

void MainDialog::foldPageFlags() {
  if (!project || !pageTabs->projectPage) return;
  if (pageTabs->projectPage->pageModified || pageTabs->aquiferPage->pageModified ||
      pageTabs->contaminantsPage->pageModified)
    project->modified = 1;
}

void MainDialog::releaseProject() {
  if (!project) return;
  // The results lists compute their margins from the project whenever a row
  // is drawn, even while the window goes; they let go of it first.
  if (pageTabs && pageTabs->resultsPage) pageTabs->resultsPage->ShowProject(nullptr);
  virelo_FreeProject(project);
  project = nullptr;
}

void MainDialog::reject() {
  // Escape and the close box run Exit, with its save question.
  if (closing) return;
  fileCommands->OnFileExit();
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();  // the window has no default action
    return;
  }
  QDialog::keyPressEvent(event);
}

void MainDialog::ReplaceContaminantList() {
  // Results index into the list, so they go with the old list; the tree
  // lets go of the old list before any page shows the new one.
  virelo_FreeResults(project);
  pageTabs->contaminantsPage->RebuildContaminantTree(project);
  RefreshPages();
}

void MainDialog::ViewPage(int index) {
  if (!pageTabs->projectPage || pageTabs->currentIndex() == index) return;
  pageTabs->setCurrentIndex(index);
}

int MainDialog::pageOf(const QWidget* widget) const {
  for (int i = 0; i < PageTabs::kPageCount; ++i) {
    const QWidget* page = pageTabs->page(i);
    if (page && (page == widget || page->isAncestorOf(widget))) return i;
  }
  return -1;
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() != QEvent::WhatsThis && event->type() != QEvent::QueryWhatsThis) ||
      !watched->isWidgetType())
    return QDialog::eventFilter(watched, event);
  auto* widget = static_cast<QWidget*>(watched);
  const int index = pageOf(widget);
  // Requests outside the four pages take their ordinary course.
  if (index < 0) return QDialog::eventFilter(watched, event);
  event->accept();
  if (event->type() == QEvent::QueryWhatsThis) return true;

  QWidget* page = pageTabs->page(index);
  const auto* help = static_cast<QHelpEvent*>(event);
  QWidget* child = page->childAt(page->mapFromGlobal(help->globalPos()));
  const int id = helpControlIdAt(child, help->globalPos(), page);
  if (id) Platform::instance().requestHelp(id, Platform::HelpKind::Popup, help->globalPos());
  // One click answers one question, as the desktop's context help does.
  QTimer::singleShot(0, this, [] { QWhatsThis::leaveWhatsThisMode(); });
  return true;
}
