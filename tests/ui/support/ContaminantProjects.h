// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Small project builders for the contaminants and results page tests: an
// aquifer complete for one or both assessments, and contaminants with the
// inputs a test needs.
#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPoint>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <memory>

#include "engine/project/records.h"

struct ProjectDeleter {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using ProjectPtr = std::unique_ptr<Project, ProjectDeleter>;

// A project with room for `capacity` contaminants (none used yet).
inline ProjectPtr makeProject(int capacity) {
  ProjectPtr project(virelo_AllocateProject());
  if (capacity > 0) project->contaminants = virelo_AllocateContaminants(capacity);
  return project;
}

// Fills the aquifer so that the plume-length checks pass; with `forAf` the
// attenuation-factor checks pass as well.
inline void completeAquifer(Project& project, bool forAf, int redox = 1) {
  Aquifer& a = project.aquifer;
  virelo_SetAquiferValue(&a, kAquiferX, 100.0);
  virelo_SetAquiferValue(&a, kAquiferKf, 1e-4 * 86400.0);
  virelo_SetAquiferValue(&a, kAquiferI, 0.001);
  virelo_SetAquiferValue(&a, kAquiferNe, 0.2);
  if (forAf) {
    virelo_SetAquiferValue(&a, kAquiferAx, 10.0);
    virelo_SetAquiferValue(&a, kAquiferAy, 1.0);
    virelo_SetAquiferValue(&a, kAquiferAz, 0.1);
    virelo_SetAquiferValue(&a, kAquiferSz, 10.0);
    virelo_SetAquiferValue(&a, kAquiferSy, 2.0);
  }
  a.redoxCondition = static_cast<int16_t>(redox);
}

// Appends a contaminant of `group` named `name` (the project must have room).
inline Contaminant& addContaminant(Project& project, int group, const char* name) {
  Contaminant& c = project.contaminants[project.contaminantCount++];
  c.group = group;
  std::strncpy(c.name, name, sizeof c.name - 1);
  return c;
}

// Gives a contaminant complete inputs: C0, CA and an aerobic preset.
inline void completeInputs(Contaminant& c, double c0 = 10.0, double ca = 0.1, double aerobic = 0.01) {
  virelo_SetContaminantValue(&c, kValueC0, c0);
  virelo_SetContaminantValue(&c, kValueCa, ca);
  virelo_SetLambda(&c, kLambdaAerobic, aerobic);
  c.lambdaSelected = kLambdaAerobic;
}

// Answers the next popup menu while it is open: records its item texts and
// enabled states, closes it and then triggers the item with text `choose`
// (none when empty). Stops looking when destroyed.
class PopupMenuAnswer {
 public:
  QStringList texts;
  QList<bool> enabled;
  bool opened = false;

  explicit PopupMenuAnswer(const QString& choose = {}) : choose_(choose) {
    timer_ = new QTimer;
    timer_->setInterval(5);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { answer(); });
    timer_->start();
  }
  ~PopupMenuAnswer() { delete timer_; }
  PopupMenuAnswer(const PopupMenuAnswer&) = delete;
  PopupMenuAnswer& operator=(const PopupMenuAnswer&) = delete;

 private:
  void answer() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    timer_->stop();
    opened = true;
    QAction* chosen = nullptr;
    for (QAction* a : menu->actions()) {
      texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
      enabled << a->isEnabled();
      if (!choose_.isEmpty() && a->text() == choose_) chosen = a;
    }
    menu->close();
    if (chosen && chosen->isEnabled()) chosen->trigger();
  }

  QString choose_;
  QTimer* timer_;
};

// Asks `widget` for its context menu at `pos` (widget coordinates), as a
// right click does.
inline void requestContextMenu(QWidget* widget, QPoint pos) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
  QApplication::sendEvent(widget, &event);
}
