// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Data menu, built from a table of entries. A new Data command is a
// handler in a file of its own (declared below) and one line in the table
// in DataCommands.cpp; the main window does not change.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class MainDialog;
class QAction;
class QMenu;

using DataHandler = void (*)(MainDialog& window);

struct DataMenuEntry {
  const char* name;      // how the action is found (tests, tool bar); null for a separator
  const char* text;      // menu text with its & mnemonic
  const char* shortcut;  // portable key text such as "Ctrl+D"; empty for none
  DataHandler handler;
};

// Handlers of the Data menu.
void EditGenericData(MainDialog& window);
void SaveGenericDataAsDefault(MainDialog& window);
void LoadApplicationDefaults(MainDialog& window);
void ShowUncertainty(MainDialog& window);
void OpenSiteData(MainDialog& window);
void OpenDecayChain(MainDialog& window);
void OpenTransportInputs(MainDialog& window);
void OpenTime(MainDialog& window);
void OpenEvidence(MainDialog& window);

class DataCommands : public QObject {
 public:
  // Fills `menu` with the table's entries for `window`.
  DataCommands(MainDialog& window, QMenu* menu);
  // The action of the entry called `name`, or null.
  QAction* action(const char* name) const;

 private:
  QHash<QString, QAction*> actions_;
};
