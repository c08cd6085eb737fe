// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The main window: a fixed-size dialog with menu bar, tool bar and the page
// tabs. It owns the one current project; the menus' commands live in units
// of their own (FileCommands, DataCommands, HelpCommands).
#pragma once

#include <QAction>
#include <QDialog>
#include <QIcon>
#include <QList>
#include <functional>

#include "pages/PropPage.h"

class DataCommands;
class FileCommands;
class HelpCommands;
class PageTabs;
class QMenu;
class QMenuBar;
class QToolBar;
struct Project;

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

  QAction* viewActions[4];

  // The menus' commands, one unit per menu.
  FileCommands* fileCommands = nullptr;
  DataCommands* dataCommands = nullptr;
  HelpCommands* helpCommands = nullptr;

  // Adds the command `text` to `menu`; `keys` become accelerators of the
  // whole window. The menu units build their menus with it.
  QAction* addCommand(QMenu* menu, const QString& text, std::function<void()> handler,
                      QList<QKeySequence> keys = {});
  // Marks the project modified when a page holds edits not yet applied.
  void foldPageFlags();
  // Frees the project once the pages that read it lazily have let go.
  void releaseProject();
  // After the contaminant list was replaced: drops the results that index
  // into the old list and shows the new one on every page.
  void ReplaceContaminantList();
  // The page (0..3) that holds `widget`, or -1.
  int pageOf(const QWidget* widget) const;
  // Set once Exit has begun, so the close box does not ask again.
  bool closing = false;

 public slots:
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
};
