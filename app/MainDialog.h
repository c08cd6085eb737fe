// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The main window: a fixed-size dialog with menu bar, tool bar and the page
// tabs. It owns the one current project and runs the menu commands.
#pragma once

#include <QAction>
#include <QDialog>
#include <QIcon>
#include <QList>

#include "pages/PropPage.h"

class PageTabs;
class QMenuBar;
class QToolBar;
struct Project;
struct ReportSettings;

// Help identifiers of the main window's own controls.
enum MainControlId {
  kIdMainWindow = 100,
  kIdPageTabs = 101,
  kIdToolBar = 102,
};

class MainDialog : public QDialog, public PageHost {
  Q_OBJECT
 public:
  explicit MainDialog(QWidget* parent = nullptr);
  ~MainDialog() override;

  // Window initialisation, once, before the window is shown: splash, pages,
  // the project named by `commandLine` (or a new one), focus to the project
  // page.
  void Initialise(const QString& commandLine);

  // Page protocol.
  int CommitPageEdits() override;
  void MarkContaminantsPageModified() override;
  void RefreshPages();

  void SetCurrentProject(Project* newProject, const QString& caption);
  // Loads `pathText` and makes it current. Returns 1 or 0.
  int OpenProjectFile(const QString& pathText);
  void StartNewProject();

  // Commands.
  // True to go on, false when the asking command must stop.
  bool SaveIfModified(bool forNew);
  void OnFileNew();
  void OnFileOpen();
  int OnFileSave();
  int OnFileSaveAs();
  void OnFileExit();
  // The assessment report of the current project: as a PDF, on a printer,
  // or in the print preview. Each commits the pages' edits first.
  void OnFileExportReport();
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnDataEditGeneric();
  void OnDataSaveGenericAsDefault();
  void OnDataLoadApplicationDefaults();
  void OnHelpManual();
  void OnHelpAbout();
  void OnHelpWhatsThis();
  // View items: switches to tab `index` unless it is already selected.
  void ViewPage(int index);

  // The window caption for a project opened from or saved to `path` (bytes
  // of the file system).
  static QString fileCaption(const QByteArray& path);

  PageTabs* pageTabs;
  QIcon icon;
  Project* project = nullptr;
  QList<QAction*> accelerators;
  QToolBar* toolBar = nullptr;
  QMenuBar* menuBar = nullptr;

  // Actions by command, for tests and the tool bar.
  QAction* newAction;
  QAction* openAction;
  QAction* saveAction;
  QAction* saveAsAction;
  QAction* exitAction;
  QAction* exportReportAction;
  QAction* printAction;
  QAction* printPreviewAction;
  QAction* viewActions[4];
  QAction* editGenericAction;
  QAction* saveGenericAction;
  QAction* loadDefaultsAction;
  QAction* manualAction;
  QAction* aboutAction;
  QAction* whatsThisAction;
  QAction* helpAction;
  QAction* whatsThisKeyAction;

 public slots:
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
  void foldPageFlags();
  void showSaveError();
  void replaceContaminantList();
  // Frees the project once the pages that read it lazily have let go.
  void releaseProject();
  // Commits the pages' edits and recomputes the results as the results page
  // shows them; false without a project.
  bool prepareReport(ReportSettings* settings);
  int pageOf(const QWidget* widget) const;
  bool closing_ = false;
};
