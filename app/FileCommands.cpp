// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/FileCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "app/WaitCursor.h"
#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "pages/CPropResults.h"
#include "persistence/projectfile.h"
#include "platform/Platform.h"
#include "report/AssessmentReport.h"

namespace {
const QString kFileFilter = QStringLiteral("Virelo Project (*.vrp)");
const QString kDefaultSuffix = QStringLiteral("vrp");
}  // namespace

FileCommands::FileCommands(MainDialog& window, QMenu* file) : QObject(&window), window_(window) {
  newAction = window.addCommand(file, QCoreApplication::translate("FileCommands", "&New\tCtrl+N"),
                                [this] { OnFileNew(); }, {QKeySequence(Qt::CTRL | Qt::Key_N)});
  openAction = window.addCommand(file, QCoreApplication::translate("FileCommands", "&Open ...\tCtrl+O"),
                                 [this] { OnFileOpen(); }, {QKeySequence(Qt::CTRL | Qt::Key_O)});
  saveAction = window.addCommand(file, QCoreApplication::translate("FileCommands", "&Save\tCtrl+S"),
                                 [this] { OnFileSave(); }, {QKeySequence(Qt::CTRL | Qt::Key_S)});
  saveAsAction = window.addCommand(file, QCoreApplication::translate("FileCommands", "Save &as ..."),
                                   [this] { OnFileSaveAs(); });
  file->addSeparator();
  exportReportAction =
      window.addCommand(file, QCoreApplication::translate("FileCommands", "&Export report..."),
                        [this] { OnFileExportReport(); });
  printAction = window.addCommand(file, QCoreApplication::translate("FileCommands", "&Print..."),
                                  [this] { OnFilePrint(); });
  printPreviewAction =
      window.addCommand(file, QCoreApplication::translate("FileCommands", "Print pre&view..."),
                        [this] { OnFilePrintPreview(); });
  file->addSeparator();
  exitAction =
      window.addCommand(file, QCoreApplication::translate("FileCommands", "E&xit"), [this] { OnFileExit(); });
}

void FileCommands::showSaveError() {
  Platform::instance().messageBox(
      &window_,
      QCoreApplication::translate("FileCommands", "Error saving project-file!\nCheck access-rights!"),
      QCoreApplication::translate("FileCommands", "Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

bool FileCommands::mayReplaceUnreadableSettings(const QByteArray& target) {
  const Project* project = window_.project;
  const ProjectExtras& extras = virelo_ExtrasOf(*project);
  if (!extras.settingsUnreadable) return true;
  // Another file leaves the damaged settings where they are.
  const QFileInfo own(QFile::decodeName(project->path));
  const QFileInfo other(QFile::decodeName(target));
  if (!own.exists() || !other.exists() || own.canonicalFilePath() != other.canonicalFilePath()) return true;
  const int answer = Platform::instance().messageBox(
      &window_,
      QCoreApplication::translate(
          "FileCommands",
          "The settings saved with this project could not be read when it was opened (%1).\n\n"
          "Saving replaces them with the settings the project has now (concentration unit, "
          "verdict basis, assessment ranges, decay-constant sources). Save anyway?")
          .arg(QString::fromStdString(extras.settingsProblem)),
      QCoreApplication::translate("FileCommands", "Virelo"), Platform::Yes | Platform::No,
      Platform::Icon::Warning);
  return answer == Platform::Yes;
}

bool FileCommands::SaveIfModified(bool forNew) {
  Project* project = window_.project;
  if (!project) return true;
  window_.foldPageFlags();
  if (!project->modified) return true;
  if (forNew) window_.CommitPageEdits();
  const int answer = Platform::instance().messageBox(
      &window_, QCoreApplication::translate("FileCommands", "Current project was modified. Save?"),
      QCoreApplication::translate("FileCommands", "Virelo"), Platform::Yes | Platform::No | Platform::Cancel,
      Platform::Icon::Warning);
  if (answer == Platform::No) return true;
  if (answer != Platform::Yes) return false;
  if (project->path[0] != '\0') {
    window_.CommitPageEdits();
    if (!mayReplaceUnreadableSettings(QByteArray(project->path))) return false;
    if (!virelo_SaveProject(project, nullptr)) {
      showSaveError();
      return false;
    }
    project->modified = 0;
    window_.RefreshPages();
    return true;
  }
  return OnFileSaveAs() != 0;
}

void FileCommands::OnFileNew() {
  if (!SaveIfModified(true)) return;
  window_.StartNewProject();
}

void FileCommands::OnFileOpen() {
  if (!SaveIfModified(false)) return;
  const QString name = Platform::instance().getOpenFileName(&window_, kFileFilter, kDefaultSuffix);
  if (name.isEmpty()) return;
  window_.OpenProjectFile(name);
}

int FileCommands::OnFileSave() {
  Project* project = window_.project;
  if (!project) return 0;
  if (project->path[0] == '\0') return OnFileSaveAs();
  window_.CommitPageEdits();
  if (!mayReplaceUnreadableSettings(QByteArray(project->path))) return 0;
  if (!virelo_SaveProject(project, nullptr)) {
    showSaveError();
    return 0;
  }
  project->modified = 0;
  window_.RefreshPages();
  return 1;
}

int FileCommands::OnFileSaveAs() {
  Project* project = window_.project;
  if (!project) return 0;
  const QString name = Platform::instance().getSaveFileName(&window_, kFileFilter, kDefaultSuffix);
  if (name.isEmpty()) return 0;
  const QByteArray path = QFile::encodeName(name);
  window_.CommitPageEdits();
  if (!mayReplaceUnreadableSettings(path)) return 0;
  // A path the project record cannot hold whole would be written under a
  // cut name; refuse it like any other failed save.
  if (path.size() >= kPathCapacity || !virelo_SaveProject(project, path.constData())) {
    showSaveError();
    return 0;
  }
  project->modified = 0;
  window_.setWindowTitle(MainDialog::fileCaption(path));
  window_.RefreshPages();
  return 1;
}

void FileCommands::OnFileExit() {
  if (!SaveIfModified(false)) return;
  window_.closing = true;
  // The window goes first: focus changes while it closes may still reach
  // the pages, and they must find the project alive.
  window_.done(QDialog::Accepted);
  window_.releaseProject();
}

bool FileCommands::prepareReport(ReportSettings* settings) {
  Project* project = window_.project;
  if (!project || !window_.pageTabs->resultsPage) return false;
  CPropResults* results = window_.pageTabs->resultsPage;
  // The results page commits every page's edits and recomputes, so the
  // report shows what the results page shows.
  results->ShowProject(project);
  virelo_math_CalcExactAll(project, 0);
  window_.foldPageFlags();
  *settings = ReportSettingsFor(
      *project, AssessmentRangeIndex(results->plumeRange().lower, results->plumeRange().upper),
      AssessmentRangeIndex(results->afRange().lower, results->afRange().upper));
  return true;
}

void FileCommands::OnFileExportReport() {
  if (!window_.project) return;
  const QString name = Platform::instance().getSaveFileName(&window_, QStringLiteral("PDF document (*.pdf)"),
                                                            QStringLiteral("pdf"));
  if (name.isEmpty()) return;
  ReportSettings settings;
  if (!prepareReport(&settings)) return;
  QString reason;
  bool written = false;
  {
    WaitCursor wait;
    written = WriteReportPdf(*window_.project, settings, name, &reason);
  }
  if (!written)
    Platform::instance().messageBox(
        &window_,
        QCoreApplication::translate("FileCommands", "Error writing the report \"%1\":\n%2").arg(name, reason),
        QCoreApplication::translate("FileCommands", "Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

void FileCommands::OnFilePrint() {
  ReportSettings settings;
  if (!prepareReport(&settings)) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPrinter(&printer);
  QPrintDialog dialog(&printer, &window_);
  if (Platform::instance().execDialog(&dialog) != QDialog::Accepted) return;
  bool printed = false;
  {
    WaitCursor wait;
    printed = PaintReport(*window_.project, settings, &printer) > 0;
  }
  if (!printed)
    Platform::instance().messageBox(
        &window_, QCoreApplication::translate("FileCommands", "Error printing the report!"),
        QCoreApplication::translate("FileCommands", "Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

void FileCommands::OnFilePrintPreview() {
  ReportSettings settings;
  if (!prepareReport(&settings)) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPrinter(&printer);
  QPrintPreviewDialog preview(&printer, &window_);
  preview.setWindowTitle(QCoreApplication::translate("FileCommands", "Print preview - Virelo"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this, &settings](QPrinter* target) { PaintReport(*window_.project, settings, target); });
  Platform::instance().execDialog(&preview);
}
