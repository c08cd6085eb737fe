// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Contaminants page's tree: the markers of its items, the item the user
// selects, and the menu that expands and collapses its groups.
#include "pages/CPropConts.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QTreeView>
#include <algorithm>
#include <vector>

#include "engine/core/validation.h"
#include "engine/project/records.h"
#include "pages/ContaminantTreeModel.h"

int CPropConts::markerFor(const Contaminant& c, int plumeAquiferProblems, int afAquiferProblems) const {
  if ((c.assess & (kAssessPlumeLength | kAssessAttenuationFactor)) == 0) return 1;
  const int contaminantProblems = virelo_CheckContaminant(&c, nullptr);
  int p = 0;
  int a = 0;
  if (c.assess & kAssessPlumeLength) p = (contaminantProblems == 0 && plumeAquiferProblems == 0) ? 1 : 2;
  if (c.assess & kAssessAttenuationFactor) a = (contaminantProblems == 0 && afAquiferProblems == 0) ? 1 : 2;
  return 1 + 3 * p + a;
}

void CPropConts::RebuildContaminantTree(Project* project) {
  rebuilding_ = true;
  currentContaminant_ = nullptr;
  currentIndex_ = -1;
  currentItem_ = QPersistentModelIndex();
  ClearContaminantControls();
  tree_->selectionModel()->clear();
  model_->rebuild(project);
  if (project && project->contaminants) {
    const int plumeAquifer = virelo_CheckAquiferPlumeLength(&project->aquifer, nullptr);
    const int afAquifer = virelo_CheckAquiferAF(&project->aquifer, nullptr);
    for (int i = 0; i < model_->contaminantCount(); ++i)
      if (model_->indexForContaminant(i).isValid())
        model_->setMarkerQuietly(i, markerFor(project->contaminants[i], plumeAquifer, afAquifer));
    model_->markersChanged();
  }
  tree_->collapseAll();
  rebuilding_ = false;
  tree_->viewport()->update();
  // A hidden page must not pull the focus away from the page on show; the
  // tree takes it when the page is entered.
  rememberedFocus_ = tree_;
  if (isVisible()) tree_->setFocus(Qt::OtherFocusReason);
}

void CPropConts::RefreshMarkers() {
  if (!project_ || !project_->contaminants) return;
  const int plumeAquifer = virelo_CheckAquiferPlumeLength(&project_->aquifer, nullptr);
  const int afAquifer = virelo_CheckAquiferAF(&project_->aquifer, nullptr);
  const int count = std::min<int>(project_->contaminantCount, model_->contaminantCount());
  for (int i = 0; i < count; ++i)
    if (FindItemForContaminant(i).isValid())
      model_->setMarkerQuietly(i, markerFor(project_->contaminants[i], plumeAquifer, afAquifer));
  model_->markersChanged();
}

void CPropConts::UpdateItemMarker(const QModelIndex& item, const Project* project) {
  const int ci = model_->contaminantIndex(item);
  if (ci < 0 || !project || !project->contaminants || ci >= project->contaminantCount) return;
  const int plumeAquifer = virelo_CheckAquiferPlumeLength(&project->aquifer, nullptr);
  const int afAquifer = virelo_CheckAquiferAF(&project->aquifer, nullptr);
  model_->setMarker(ci, markerFor(project->contaminants[ci], plumeAquifer, afAquifer));
}

QModelIndex CPropConts::FindItemForContaminant(int contaminantIndex) const {
  return model_->indexForContaminant(contaminantIndex);
}

void CPropConts::onSelectionChanged() {
  if (rebuilding_) return;
  ReadContaminant();
  const QModelIndexList selected = tree_->selectionModel()->selectedIndexes();
  currentItem_ = selected.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(selected.first());
  currentContaminant_ = nullptr;
  currentIndex_ = -1;
  if (!project_) return;
  const int ci = model_->contaminantIndex(currentItem_);
  if (ci >= 0 && project_->contaminants && ci < project_->contaminantCount) {
    currentContaminant_ = project_->contaminants + ci;
    currentIndex_ = ci;
    ShowContaminant();
  } else {
    ClearContaminantControls();
  }
}

void CPropConts::ExpandAll() {
  for (int row = 0; row < model_->rowCount(); ++row) tree_->expand(model_->index(row, 0));
}

void CPropConts::CollapseAll() {
  for (int row = 0; row < model_->rowCount(); ++row) tree_->collapse(model_->index(row, 0));
}

void CPropConts::ExpandCalculatedContaminants() {
  if (!project_ || !project_->contaminants) return;
  for (int row = 0; row < model_->rowCount(); ++row) {
    const std::vector<int>& members = model_->groupMembers(row);
    if (members.empty()) continue;
    bool calculated = false;
    for (int ci : members)
      if (ci < project_->contaminantCount && project_->contaminants[ci].assess != 0) {
        calculated = true;
        break;
      }
    const QModelIndex group = model_->index(row, 0);
    if (calculated)
      tree_->expand(group);
    else
      tree_->collapse(group);
  }
}

void CPropConts::SelectFirstContaminant() {
  if (!project_ || !project_->contaminants) return;
  ExpandCalculatedContaminants();
  QModelIndex first;
  for (int row = 0; row < model_->rowCount() && !first.isValid(); ++row)
    for (int ci : model_->groupMembers(row))
      if (ci < project_->contaminantCount && project_->contaminants[ci].assess != 0) {
        first = model_->indexForContaminant(ci);
        break;
      }
  if (!first.isValid() && model_->rowCount() > 0) {
    first = model_->index(0, 0, model_->index(0, 0));
    tree_->expand(model_->index(0, 0));
  }
  if (first.isValid()) tree_->setCurrentIndex(first);
}

void CPropConts::onTreeContextMenu(const QPoint& pos) {
  openTreeMenu(tree_->viewport()->mapToGlobal(pos));
}

void CPropConts::contextMenuEvent(QContextMenuEvent* event) {
  // A request on the tree's frame is passed on to the page; it lies inside
  // the tree's window all the same.
  if (!tree_->geometry().contains(event->pos())) {
    event->ignore();
    return;
  }
  event->accept();
  openTreeMenu(event->globalPos());
}

void CPropConts::openTreeMenu(const QPoint& globalPos) {
  QMenu menu(this);
  // Every choice counts as a click on the page: pending inputs are committed
  // before the choice is carried out.
  auto add = [&](const QString& text, void (CPropConts::*action)()) {
    connect(menu.addAction(text), &QAction::triggered, this, [this, action] {
      commitAndRedisplay(true);
      (this->*action)();
    });
  };
  add(QCoreApplication::translate("CPropConts", "e&xpand all"), &CPropConts::ExpandAll);
  add(QCoreApplication::translate("CPropConts", "&collapse all"), &CPropConts::CollapseAll);
  menu.addSeparator();
  add(QCoreApplication::translate("CPropConts", "expand &calculated contaminants"),
      &CPropConts::ExpandCalculatedContaminants);
  menu.exec(globalPos);
}
