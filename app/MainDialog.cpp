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
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/AboutDialog.h"
#include "app/PageTabs.h"
#include "diagnostics/util.h"
#include "engine/exact.h"
#include "engine/records.h"
#include "pages/CPropAqui.h"
#include "pages/CPropConts.h"
#include "pages/CPropProject.h"
#include "pages/CPropResults.h"
#include "pages/ContaminantEditorDialog.h"
#include "persistence/database.h"
#include "persistence/filekind.h"
#include "persistence/projectfile.h"
#include "platform/Platform.h"
#include "report/AssessmentReport.h"
#include "resources/shell_pictures.h"

namespace {
const QString kProgramCaption = QStringLiteral("Virelo 1.0");
const QString kFileFilter = QStringLiteral("Virelo Project (*.vrp)");
const QString kDefaultSuffix = QStringLiteral("vrp");
constexpr int kSplashTime = 1200;

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

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

void MainDialog::buildMenus() {
  menuBar = new QMenuBar(this);
  menuBar->setObjectName("menuBar");
  menuBar->setNativeMenuBar(false);
  auto add = [this](QMenu* menu, const QString& text, auto slot, QList<QKeySequence> keys = {}) {
    auto* action = new QAction(text, this);
    if (!keys.isEmpty()) {
      action->setShortcuts(keys);
      action->setShortcutContext(Qt::WindowShortcut);
      accelerators.append(action);
      addAction(action);  // accelerators work whatever has the focus
    }
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
  };

  QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
  newAction =
      add(file, QStringLiteral("&New\tCtrl+N"), &MainDialog::OnFileNew, {QKeySequence(Qt::CTRL | Qt::Key_N)});
  openAction = add(file, QStringLiteral("&Open ...\tCtrl+O"), &MainDialog::OnFileOpen,
                   {QKeySequence(Qt::CTRL | Qt::Key_O)});
  saveAction = add(file, QStringLiteral("&Save\tCtrl+S"), &MainDialog::OnFileSave,
                   {QKeySequence(Qt::CTRL | Qt::Key_S)});
  saveAsAction = add(file, QStringLiteral("Save &as ..."), &MainDialog::OnFileSaveAs);
  file->addSeparator();
  exportReportAction = add(file, QStringLiteral("&Export report..."), &MainDialog::OnFileExportReport);
  printAction = add(file, QStringLiteral("&Print..."), &MainDialog::OnFilePrint);
  printPreviewAction = add(file, QStringLiteral("Print pre&view..."), &MainDialog::OnFilePrintPreview);
  file->addSeparator();
  exitAction = add(file, QStringLiteral("E&xit"), &MainDialog::OnFileExit);

  QMenu* view = menuBar->addMenu(QStringLiteral("&View"));
  const QString viewTexts[4] = {
      QStringLiteral("&Project settings\tCtrl+1"), QStringLiteral("&Aquifer settings\tCtrl+2"),
      QStringLiteral("C&ontaminant settings\tCtrl+3"), QStringLiteral("&Results\tCtrl+4")};
  const Qt::Key digits[4] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
  for (int i = 0; i < 4; ++i) {
    viewActions[i] = add(view, viewTexts[i], [this, i] { ViewPage(i); },
                         {QKeySequence(Qt::CTRL | digits[i]), QKeySequence(Qt::ALT | digits[i])});
  }

  QMenu* data = menuBar->addMenu(QStringLiteral("&Data"));
  editGenericAction =
      add(data, QStringLiteral("&Edit generic contaminant data"), &MainDialog::OnDataEditGeneric);
  saveGenericAction =
      add(data, QStringLiteral("&Save generic data as default"), &MainDialog::OnDataSaveGenericAsDefault);
  data->addSeparator();
  loadDefaultsAction =
      add(data, QStringLiteral("Load &application defaults"), &MainDialog::OnDataLoadApplicationDefaults);

  QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
  manualAction =
      add(help, QStringLiteral("&Manual (requires Adobe Acrobat Reader)"), &MainDialog::OnHelpManual);
  help->addSeparator();
  aboutAction = add(help, QStringLiteral("&About Virelo"), &MainDialog::OnHelpAbout);

  // F1: help on the control that has the focus.
  helpAction = new QAction(this);
  helpAction->setShortcut(QKeySequence(Qt::Key_F1));
  helpAction->setShortcutContext(Qt::WindowShortcut);
  connect(helpAction, &QAction::triggered, this, [this] {
    // The control with the focus names its section of the manual; outside
    // the pages (tab bar, tool bar) the current page does.
    const QWidget* focus = QApplication::focusWidget();
    int id = pageOf(focus) >= 0 ? helpControlId(focus, this) : 0;
    if (!id && pageTabs->projectPage) id = controlId(pageTabs->page(pageTabs->currentIndex()));
    if (!id) id = kIdMainWindow;
    Platform::instance().requestHelp(id, Platform::HelpKind::Topic);
  });
  addAction(helpAction);
  accelerators.append(helpAction);

  // Shift+F1: the short text of the control with the focus, beside it; where
  // there is none, What's-this mode lets the user point at a control.
  whatsThisKeyAction = new QAction(this);
  whatsThisKeyAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  whatsThisKeyAction->setShortcutContext(Qt::WindowShortcut);
  connect(whatsThisKeyAction, &QAction::triggered, this, [this] {
    QWidget* focus = QApplication::focusWidget();
    const int index = pageOf(focus);
    const int id = index >= 0 ? helpControlId(focus, pageTabs->page(index)) : 0;
    if (!id ||
        !Platform::instance().requestHelp(id, Platform::HelpKind::Popup,
                                          focus->mapToGlobal(QPoint(focus->width() / 2, focus->height()))))
      QWhatsThis::enterWhatsThisMode();
  });
  addAction(whatsThisKeyAction);
  accelerators.append(whatsThisKeyAction);
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
  newAction->setIcon(picture(shell_pictures::kPictureNew));
  openAction->setIcon(picture(shell_pictures::kPictureOpen));
  saveAction->setIcon(picture(shell_pictures::kPictureSave));
  aboutAction->setIcon(picture(shell_pictures::kPictureAbout));
  newAction->setToolTip(QStringLiteral("Create a new Virelo-Project"));
  openAction->setToolTip(QStringLiteral("Open a Virelo-Project"));
  saveAction->setToolTip(QStringLiteral("Save current Virelo-Project"));
  aboutAction->setToolTip(QStringLiteral("Informations about Virelo"));
  whatsThisAction = new QAction(picture(shell_pictures::kPictureContextHelp), QString(), this);
  whatsThisAction->setToolTip(QStringLiteral("What's this - Help"));
  connect(whatsThisAction, &QAction::triggered, this, &MainDialog::OnHelpWhatsThis);

  toolBar->addAction(newAction);
  toolBar->addAction(openAction);
  toolBar->addAction(saveAction);
  toolBar->addSeparator();
  toolBar->addAction(aboutAction);
  toolBar->addAction(whatsThisAction);
}

void MainDialog::Initialise(const QString& commandLine) {
  if (pageTabs->projectPage) return;
  project = nullptr;
  {
    AboutDialog splash(this, kSplashTime);
    Platform::instance().execDialog(&splash);
  }
  pageTabs->CreatePages();
  const QString tabTips[PageTabs::kPageCount] = {
      QStringLiteral("Project settings ... Ctrl+1"), QStringLiteral("Aquifer settings ... Ctrl+2"),
      QStringLiteral("Contaminant settings ... Ctrl+3"), QStringLiteral("Results ... Ctrl+4")};
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
  SetCurrentProject(fresh, QStringLiteral("[%1] %2").arg(fromLatin1Record(fresh->title), kProgramCaption));
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
                                    QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
    return 0;
  }
  WaitCursor wait;
  Project* loaded = virelo_LoadProject(path.data(), "rb");
  if (!loaded) return 0;
  loaded->modified = 0;
  SetCurrentProject(loaded, fileCaption(QByteArray(path.data())));
  return 1;
}

void MainDialog::foldPageFlags() {
  if (!project || !pageTabs->projectPage) return;
  if (pageTabs->projectPage->pageModified || pageTabs->aquiferPage->pageModified ||
      pageTabs->contaminantsPage->pageModified)
    project->modified = 1;
}

void MainDialog::showSaveError() {
  Platform::instance().messageBox(this, QStringLiteral("Error saving project-file!\nCheck access-rights!"),
                                  QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

bool MainDialog::SaveIfModified(bool forNew) {
  if (!project) return true;
  foldPageFlags();
  if (!project->modified) return true;
  if (forNew) CommitPageEdits();
  const int answer = Platform::instance().messageBox(
      this, QStringLiteral("Current project was modified. Save?"), QStringLiteral("Virelo"),
      Platform::Yes | Platform::No | Platform::Cancel, Platform::Icon::Warning);
  if (answer == Platform::No) return true;
  if (answer != Platform::Yes) return false;
  if (project->path[0] != '\0') {
    CommitPageEdits();
    if (!virelo_SaveProject(project, nullptr)) {
      showSaveError();
      return false;
    }
    project->modified = 0;
    RefreshPages();
    return true;
  }
  return OnFileSaveAs() != 0;
}

void MainDialog::OnFileNew() {
  if (!SaveIfModified(true)) return;
  StartNewProject();
}

void MainDialog::OnFileOpen() {
  if (!SaveIfModified(false)) return;
  const QString name = Platform::instance().getOpenFileName(this, kFileFilter, kDefaultSuffix);
  if (name.isEmpty()) return;
  OpenProjectFile(name);
}

int MainDialog::OnFileSave() {
  if (!project) return 0;
  if (project->path[0] == '\0') return OnFileSaveAs();
  CommitPageEdits();
  if (!virelo_SaveProject(project, nullptr)) {
    showSaveError();
    return 0;
  }
  project->modified = 0;
  RefreshPages();
  return 1;
}

int MainDialog::OnFileSaveAs() {
  if (!project) return 0;
  const QString name = Platform::instance().getSaveFileName(this, kFileFilter, kDefaultSuffix);
  if (name.isEmpty()) return 0;
  const QByteArray path = QFile::encodeName(name);
  CommitPageEdits();
  // A path the project record cannot hold whole would be written under a
  // cut name; refuse it like any other failed save.
  if (path.size() >= kPathCapacity || !virelo_SaveProject(project, path.constData())) {
    showSaveError();
    return 0;
  }
  project->modified = 0;
  setWindowTitle(fileCaption(path));
  RefreshPages();
  return 1;
}

void MainDialog::OnFileExit() {
  if (!SaveIfModified(false)) return;
  closing_ = true;
  // The window goes first: focus changes while it closes may still reach
  // the pages, and they must find the project alive.
  QDialog::done(QDialog::Accepted);
  releaseProject();
}

void MainDialog::releaseProject() {
  if (!project) return;
  // The results lists compute their margins from the project whenever a row
  // is drawn, even while the window goes; they let go of it first.
  if (pageTabs && pageTabs->resultsPage) pageTabs->resultsPage->ShowProject(nullptr);
  virelo_FreeProject(project);
  project = nullptr;
}

bool MainDialog::prepareReport(ReportSettings* settings) {
  if (!project || !pageTabs->resultsPage) return false;
  CPropResults* results = pageTabs->resultsPage;
  // The results page commits every page's edits and recomputes, so the
  // report shows what the results page shows.
  results->ShowProject(project);
  virelo_math_CalcExactAll(project, 0);
  foldPageFlags();
  *settings = ReportSettingsFor(
      *project, AssessmentRangeIndex(results->plumeRange().lower, results->plumeRange().upper),
      AssessmentRangeIndex(results->afRange().lower, results->afRange().upper));
  return true;
}

void MainDialog::OnFileExportReport() {
  if (!project) return;
  const QString name = Platform::instance().getSaveFileName(this, QStringLiteral("PDF document (*.pdf)"),
                                                            QStringLiteral("pdf"));
  if (name.isEmpty()) return;
  ReportSettings settings;
  if (!prepareReport(&settings)) return;
  QString reason;
  bool written = false;
  {
    WaitCursor wait;
    written = WriteReportPdf(*project, settings, name, &reason);
  }
  if (!written)
    Platform::instance().messageBox(this,
                                    QStringLiteral("Error writing the report \"%1\":\n%2").arg(name, reason),
                                    QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

void MainDialog::OnFilePrint() {
  ReportSettings settings;
  if (!prepareReport(&settings)) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPrinter(&printer);
  QPrintDialog dialog(&printer, this);
  if (Platform::instance().execDialog(&dialog) != QDialog::Accepted) return;
  bool printed = false;
  {
    WaitCursor wait;
    printed = PaintReport(*project, settings, &printer) > 0;
  }
  if (!printed)
    Platform::instance().messageBox(this, QStringLiteral("Error printing the report!"),
                                    QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

void MainDialog::OnFilePrintPreview() {
  ReportSettings settings;
  if (!prepareReport(&settings)) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPrinter(&printer);
  QPrintPreviewDialog preview(&printer, this);
  preview.setWindowTitle(QStringLiteral("Print preview - Virelo"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this, &settings](QPrinter* target) { PaintReport(*project, settings, target); });
  Platform::instance().execDialog(&preview);
}

void MainDialog::reject() {
  // Escape and the close box run Exit, with its save question.
  if (closing_) return;
  OnFileExit();
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();  // the window has no default action
    return;
  }
  QDialog::keyPressEvent(event);
}

void MainDialog::replaceContaminantList() {
  // Results index into the list, so they go with the old list; the tree
  // lets go of the old list before any page shows the new one.
  virelo_FreeResults(project);
  pageTabs->contaminantsPage->RebuildContaminantTree(project);
  RefreshPages();
}

void MainDialog::OnDataEditGeneric() {
  if (!project) return;
  const int count = project->contaminantCount;
  Contaminant* copy = virelo_AllocateContaminants(count);
  if (!copy && count > 0) return;
  if (count > 0) std::memcpy(copy, project->contaminants, sizeof(Contaminant) * static_cast<size_t>(count));

  ContaminantEditorDialog editor(this);
  editor.workingList = copy;
  editor.workingCount = count;
  if (Platform::instance().execDialog(&editor) != QDialog::Accepted) {
    std::free(editor.workingList);
    return;
  }
  // Pending edits of the contaminants page belong to the old list: apply them
  // there before it goes.
  CommitPageEdits();
  std::free(project->contaminants);
  project->contaminants = editor.workingList;
  project->contaminantCount = static_cast<int16_t>(editor.workingCount);
  project->modified = 1;
  replaceContaminantList();
}

void MainDialog::OnDataSaveGenericAsDefault() {
  if (!project || project->contaminantCount <= 0) return;
  if (Platform::instance().messageBox(
          this, QStringLiteral("This will change your currently used default-contaminants.\nAre you shure?"),
          QStringLiteral("Changing generic contaminant data"), Platform::Yes | Platform::No,
          Platform::Icon::Warning) != Platform::Yes)
    return;
  if (virelo_SaveDefaultConts(project))
    Platform::instance().messageBox(this, QStringLiteral("Contaminants saved!"), QStringLiteral("Virelo"),
                                    Platform::Ok, Platform::Icon::None);
  else
    Platform::instance().messageBox(this, QStringLiteral("Saving contaminant-data failed!"),
                                    QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

void MainDialog::OnDataLoadApplicationDefaults() {
  if (!project) return;
  if (Platform::instance().messageBox(this, QStringLiteral("Loading application default contaminants?"),
                                      QStringLiteral("contaminant data"), Platform::Yes | Platform::No,
                                      Platform::Icon::Warning) != Platform::Yes)
    return;
  CommitPageEdits();
  if (!virelo_LoadApplicationDefaultConts(project)) {
    Platform::instance().messageBox(this, QStringLiteral("Loading contaminant-data failed!"),
                                    QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
    return;
  }
  project->modified = 1;
  // The pages let go of the released list before the message box can hand
  // the focus around.
  replaceContaminantList();
  Platform::instance().messageBox(this, QStringLiteral("Default contaminants loaded!"),
                                  QStringLiteral("Virelo"), Platform::Ok, Platform::Icon::None);
}

void MainDialog::OnHelpManual() {
  // Beside the program in the build tree, in the data folder once installed.
  std::vector<char> path(kPathCapacity, '\0');
  virelo_FindInstalledFile(kManualFileName, path.data());
  Platform::instance().openUrl(QUrl::fromLocalFile(QFile::decodeName(path.data())));
}

void MainDialog::OnHelpAbout() {
  AboutDialog about(this, 0);
  Platform::instance().execDialog(&about);
}

void MainDialog::OnHelpWhatsThis() {
  QWhatsThis::enterWhatsThisMode();
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
  const int id = helpControlId(child, page);
  if (id) Platform::instance().requestHelp(id, Platform::HelpKind::Popup, help->globalPos());
  // One click answers one question, as the desktop's context help does.
  QTimer::singleShot(0, this, [] { QWhatsThis::leaveWhatsThisMode(); });
  return true;
}
