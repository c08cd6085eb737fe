// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/DataCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <cstdlib>
#include <cstring>

#include "app/MainDialog.h"
#include "engine/project/records.h"
#include "pages/ContaminantEditorDialog.h"
#include "persistence/database.h"
#include "platform/Platform.h"

namespace {
// The Data menu, top to bottom. A new command adds its line here.
const DataMenuEntry kDataMenu[] = {
    {"editGeneric", QT_TRANSLATE_NOOP("DataCommands", "&Edit generic contaminant data"), "",
     &EditGenericData},
    {"saveGeneric", QT_TRANSLATE_NOOP("DataCommands", "&Save generic data as default"), "",
     &SaveGenericDataAsDefault},
    {"siteData", QT_TRANSLATE_NOOP("DataCommands", "Si&te data..."), "", &OpenSiteData},
    {"decayChain", QT_TRANSLATE_NOOP("DataCommands", "&Decay chain..."), "", &OpenDecayChain},
    {"uncertainty", QT_TRANSLATE_NOOP("DataCommands", "&Uncertainty..."), "", &ShowUncertainty},
    {"transport", QT_TRANSLATE_NOOP("DataCommands", "S&orption and source..."), "", &OpenTransportInputs},
    {"time", QT_TRANSLATE_NOOP("DataCommands", "T&ime..."), "", &OpenTime},
    {"evidence", QT_TRANSLATE_NOOP("DataCommands", "&Lines of evidence..."), "", &OpenEvidence},
    {nullptr, nullptr, nullptr, nullptr},
    {"loadDefaults", QT_TRANSLATE_NOOP("DataCommands", "Load &application defaults"), "",
     &LoadApplicationDefaults},
};
}  // namespace

DataCommands::DataCommands(MainDialog& window, QMenu* menu) : QObject(&window) {
  for (const DataMenuEntry& entry : kDataMenu) {
    if (!entry.name) {
      menu->addSeparator();
      continue;
    }
    QList<QKeySequence> keys;
    if (entry.shortcut && entry.shortcut[0]) keys.append(QKeySequence(QString::fromLatin1(entry.shortcut)));
    const DataHandler handler = entry.handler;
    actions_.insert(QString::fromLatin1(entry.name),
                    window.addCommand(
                        menu, QCoreApplication::translate("DataCommands", entry.text),
                        [&window, handler] { handler(window); }, keys));
  }
}

QAction* DataCommands::action(const char* name) const {
  return actions_.value(QString::fromLatin1(name), nullptr);
}

void EditGenericData(MainDialog& window) {
  Project* project = window.project;
  if (!project) return;
  const int count = project->contaminantCount;
  Contaminant* copy = virelo_AllocateContaminants(count);
  if (!copy && count > 0) return;
  if (count > 0) std::memcpy(copy, project->contaminants, sizeof(Contaminant) * static_cast<size_t>(count));

  ContaminantEditorDialog editor(&window);
  editor.workingList = copy;
  editor.workingCount = count;
  if (Platform::instance().execDialog(&editor) != QDialog::Accepted) {
    std::free(editor.workingList);
    return;
  }
  // Pending edits of the contaminants page belong to the old list: apply them
  // there before it goes.
  window.CommitPageEdits();
  std::free(project->contaminants);
  project->contaminants = editor.workingList;
  project->contaminantCount = static_cast<int16_t>(editor.workingCount);
  project->modified = 1;
  window.ReplaceContaminantList();
}

void SaveGenericDataAsDefault(MainDialog& window) {
  Project* project = window.project;
  if (!project || project->contaminantCount <= 0) return;
  if (Platform::instance().messageBox(
          &window,
          QCoreApplication::translate(
              "DataCommands", "This will change your currently used default-contaminants.\nAre you shure?"),
          QCoreApplication::translate("DataCommands", "Changing generic contaminant data"),
          Platform::Yes | Platform::No, Platform::Icon::Warning) != Platform::Yes)
    return;
  if (virelo_SaveDefaultConts(project))
    Platform::instance().messageBox(
        &window, QCoreApplication::translate("DataCommands", "Contaminants saved!"),
        QCoreApplication::translate("DataCommands", "Virelo"), Platform::Ok, Platform::Icon::None);
  else
    Platform::instance().messageBox(
        &window, QCoreApplication::translate("DataCommands", "Saving contaminant-data failed!"),
        QCoreApplication::translate("DataCommands", "Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

void LoadApplicationDefaults(MainDialog& window) {
  Project* project = window.project;
  if (!project) return;
  if (Platform::instance().messageBox(
          &window, QCoreApplication::translate("DataCommands", "Loading application default contaminants?"),
          QCoreApplication::translate("DataCommands", "contaminant data"), Platform::Yes | Platform::No,
          Platform::Icon::Warning) != Platform::Yes)
    return;
  window.CommitPageEdits();
  if (!virelo_LoadApplicationDefaultConts(project)) {
    Platform::instance().messageBox(
        &window, QCoreApplication::translate("DataCommands", "Loading contaminant-data failed!"),
        QCoreApplication::translate("DataCommands", "Virelo-Error"), Platform::Ok, Platform::Icon::Error);
    return;
  }
  project->modified = 1;
  // The pages let go of the released list before the message box can hand
  // the focus around.
  window.ReplaceContaminantList();
  Platform::instance().messageBox(
      &window, QCoreApplication::translate("DataCommands", "Default contaminants loaded!"),
      QCoreApplication::translate("DataCommands", "Virelo"), Platform::Ok, Platform::Icon::None);
}
