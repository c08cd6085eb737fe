// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/DataCommands.h"

#include <QAction>
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
    {"editGeneric", "&Edit generic contaminant data", "", &EditGenericData},
    {"saveGeneric", "&Save generic data as default", "", &SaveGenericDataAsDefault},
    {"siteData", "Si&te data...", "", &OpenSiteData},
    {"decayChain", "&Decay chain...", "", &OpenDecayChain},
    {"uncertainty", "&Uncertainty...", "", &ShowUncertainty},
    {"transport", "S&orption and source...", "", &OpenTransportInputs},
    {"time", "T&ime...", "", &OpenTime},
    {"evidence", "&Lines of evidence...", "", &OpenEvidence},
    {nullptr, nullptr, nullptr, nullptr},
    {"loadDefaults", "Load &application defaults", "", &LoadApplicationDefaults},
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
                        menu, QString::fromUtf8(entry.text), [&window, handler] { handler(window); }, keys));
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
          QStringLiteral("This will change your currently used default-contaminants.\nAre you shure?"),
          QStringLiteral("Changing generic contaminant data"), Platform::Yes | Platform::No,
          Platform::Icon::Warning) != Platform::Yes)
    return;
  if (virelo_SaveDefaultConts(project))
    Platform::instance().messageBox(&window, QStringLiteral("Contaminants saved!"), QStringLiteral("Virelo"),
                                    Platform::Ok, Platform::Icon::None);
  else
    Platform::instance().messageBox(&window, QStringLiteral("Saving contaminant-data failed!"),
                                    QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
}

void LoadApplicationDefaults(MainDialog& window) {
  Project* project = window.project;
  if (!project) return;
  if (Platform::instance().messageBox(&window, QStringLiteral("Loading application default contaminants?"),
                                      QStringLiteral("contaminant data"), Platform::Yes | Platform::No,
                                      Platform::Icon::Warning) != Platform::Yes)
    return;
  window.CommitPageEdits();
  if (!virelo_LoadApplicationDefaultConts(project)) {
    Platform::instance().messageBox(&window, QStringLiteral("Loading contaminant-data failed!"),
                                    QStringLiteral("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
    return;
  }
  project->modified = 1;
  // The pages let go of the released list before the message box can hand
  // the focus around.
  window.ReplaceContaminantList();
  Platform::instance().messageBox(&window, QStringLiteral("Default contaminants loaded!"),
                                  QStringLiteral("Virelo"), Platform::Ok, Platform::Icon::None);
}
