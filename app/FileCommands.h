// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The File menu: new, open, save, save as, the report (PDF, printer,
// preview) and exit. The commands act on the window's current project.
#pragma once

#include <QObject>

class MainDialog;
class QAction;
class QMenu;
struct ReportSettings;

class FileCommands : public QObject {
 public:
  // Fills `menu` with the File commands of `window`.
  FileCommands(MainDialog& window, QMenu* menu);

  // Asks whether to save a modified project. True to go on, false when the
  // asking command must stop.
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

  QAction* newAction;
  QAction* openAction;
  QAction* saveAction;
  QAction* saveAsAction;
  QAction* exportReportAction;
  QAction* printAction;
  QAction* printPreviewAction;
  QAction* exitAction;

 private:
  void showSaveError();
  // A project whose saved settings could not be read must not lose them
  // unasked: before its own file is written over, the user says whether the
  // current settings take their place. True to go on with the save.
  bool mayReplaceUnreadableSettings(const QByteArray& target);
  // Commits the pages' edits and recomputes the results as the results page
  // shows them; false without a project.
  bool prepareReport(ReportSettings* settings);
  MainDialog& window_;
};
