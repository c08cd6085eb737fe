// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Help menu (manual, about) and the window's context help: F1 for the
// section of the manual on the focused control, Shift+F1 and the tool bar's
// What's-this button for a short text beside a control.
#pragma once

#include <QObject>

class MainDialog;
class QAction;
class QMenu;

class HelpCommands : public QObject {
 public:
  // Fills `menu` with the Help commands and gives `window` the help keys.
  HelpCommands(MainDialog& window, QMenu* menu);

  void OnHelpManual();
  void OnHelpAbout();
  void OnHelpWhatsThis();

  QAction* manualAction;
  QAction* aboutAction;
  QAction* whatsThisAction;  // the tool bar's button
  QAction* helpAction;
  QAction* whatsThisKeyAction;

 private:
  void helpOnFocus();
  void whatsThisOnFocus();
  MainDialog& window_;
};
