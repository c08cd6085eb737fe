// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/HelpCommands.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QUrl>
#include <QWhatsThis>
#include <vector>

#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "engine/project/records.h"
#include "persistence/database.h"
#include "platform/Platform.h"

HelpCommands::HelpCommands(MainDialog& window, QMenu* help) : QObject(&window), window_(window) {
  manualAction = window.addCommand(
      help, QCoreApplication::translate("HelpCommands", "&Manual (requires Adobe Acrobat Reader)"),
      [this] { OnHelpManual(); });
  help->addSeparator();
  aboutAction = window.addCommand(help, QCoreApplication::translate("HelpCommands", "&About Virelo"),
                                  [this] { OnHelpAbout(); });

  helpAction = new QAction(&window);
  helpAction->setShortcut(QKeySequence(Qt::Key_F1));
  helpAction->setShortcutContext(Qt::WindowShortcut);
  connect(helpAction, &QAction::triggered, this, [this] { helpOnFocus(); });
  window.addAction(helpAction);
  window.accelerators.append(helpAction);

  whatsThisKeyAction = new QAction(&window);
  whatsThisKeyAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  whatsThisKeyAction->setShortcutContext(Qt::WindowShortcut);
  connect(whatsThisKeyAction, &QAction::triggered, this, [this] { whatsThisOnFocus(); });
  window.addAction(whatsThisKeyAction);
  window.accelerators.append(whatsThisKeyAction);

  whatsThisAction = new QAction(&window);
  whatsThisAction->setToolTip(QCoreApplication::translate("HelpCommands", "What's this - Help"));
  connect(whatsThisAction, &QAction::triggered, this, [this] { OnHelpWhatsThis(); });
}

// F1: help on the control that has the focus.
void HelpCommands::helpOnFocus() {
  // The control with the focus names its section of the manual; outside
  // the pages (tab bar, tool bar) the current page does.
  const QWidget* focus = QApplication::focusWidget();
  int id = window_.pageOf(focus) >= 0 ? helpControlId(focus, &window_) : 0;
  PageTabs* tabs = window_.pageTabs;
  if (!id && tabs->projectPage) id = controlId(tabs->page(tabs->currentIndex()));
  if (!id) id = kIdMainWindow;
  Platform::instance().requestHelp(id, Platform::HelpKind::Topic);
}

// Shift+F1: the short text of the control with the focus, beside it; where
// there is none, What's-this mode lets the user point at a control.
void HelpCommands::whatsThisOnFocus() {
  QWidget* focus = QApplication::focusWidget();
  const int index = window_.pageOf(focus);
  const int id = index >= 0 ? helpControlId(focus, window_.pageTabs->page(index)) : 0;
  if (!id ||
      !Platform::instance().requestHelp(id, Platform::HelpKind::Popup,
                                        focus->mapToGlobal(QPoint(focus->width() / 2, focus->height()))))
    QWhatsThis::enterWhatsThisMode();
}

void HelpCommands::OnHelpManual() {
  // Beside the program in the build tree, in the data folder once installed.
  std::vector<char> path(kPathCapacity, '\0');
  virelo_FindInstalledFile(kManualFileName, path.data());
  Platform::instance().openUrl(QUrl::fromLocalFile(QFile::decodeName(path.data())));
}

void HelpCommands::OnHelpAbout() {
  AboutDialog about(&window_, 0);
  Platform::instance().execDialog(&about);
}

void HelpCommands::OnHelpWhatsThis() {
  QWhatsThis::enterWhatsThisMode();
}
