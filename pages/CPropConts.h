// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Contaminants" page: the grouped contaminant tree and the inputs of the
// selected contaminant.
#pragma once

#include <QPersistentModelIndex>

#include "pages/PropPage.h"
#include "persistence/databasecsv.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTreeView;
class ContaminantTreeModel;
struct Contaminant;

class CPropConts : public PropPage {
  Q_OBJECT
 public:
  explicit CPropConts(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  int ApplyToProject(Project* project) override;
  // Forgets the current contaminant and refills the tree from the project.
  void RebuildContaminantTree(Project* project);

  // Refreshes every contaminant's marker from the project.
  void RefreshMarkers();
  // Refreshes the marker of a contaminant entry (group entries keep theirs).
  void UpdateItemMarker(const QModelIndex& item, const Project* project);
  // The entry showing a contaminant, or an invalid index.
  QModelIndex FindItemForContaminant(int contaminantIndex) const;
  // Shows the current contaminant's record in the inputs.
  void ShowContaminant();
  // Writes the inputs back into the current contaminant's record.
  void ReadContaminant();
  // Settles every contaminant's preset for the aquifer's redox condition and
  // refreshes all markers.
  void RederivePresets();
  void ClearContaminantControls();

  // Expands every group holding a contaminant with a requested assessment
  // and collapses the others.
  void ExpandCalculatedContaminants();
  void ExpandAll();
  void CollapseAll();
  // What an opened project shows first: the groups of the contaminants it
  // assesses expanded and the first of those selected, its inputs in the
  // fields; without an assessed contaminant the first group's first one.
  void SelectFirstContaminant();

  QTreeView* tree() const { return tree_; }
  ContaminantTreeModel* treeModel() const { return model_; }
  Contaminant* currentContaminant() const { return currentContaminant_; }
  int currentContaminantIndex() const { return currentIndex_; }

 protected:
  // Shows the project's concentration unit beside C0 and CA.
  void showEvent(QShowEvent* event) override;
  QWidget* defaultFocusWidget() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void buildControls();
  QGroupBox* buildDecayGroup();
  void ShowUnit();
  void ShowDecayConstant();
  // "Source: ..." under a value taken from the database: the bundled
  // literature table's source when it holds the same value.
  void ShowSource(QLabel* label, const Contaminant& c, uint16_t lambdaBit);
  // The origin of a selected user lambda under its field: source, and the
  // interval while the value is the one taken from the wells.
  void ShowLambdaOrigin();
  void ShowLambdaSource();
  void ReadDecayConstant();
  void onSelectionChanged();
  void onTextChanged();
  // A click, a context-menu choice or an edit losing the focus: commits the
  // inputs and shows them again in their formats.
  void commitAndRedisplay(bool markModified);
  void onTreeContextMenu(const QPoint& pos);
  void openTreeMenu(const QPoint& globalPos);
  int markerFor(const Contaminant& c, int plumeAquiferProblems, int afAquiferProblems) const;
  void setInputsEnabled(bool enabled);

  Project* project_ = nullptr;
  QPersistentModelIndex currentItem_;
  Contaminant* currentContaminant_ = nullptr;
  int currentIndex_ = -1;
  bool trackingChanges_ = true;
  bool rebuilding_ = false;
  bool committing_ = false;

  ContaminantTreeModel* model_ = nullptr;
  QTreeView* tree_ = nullptr;
  QCheckBox* assessPlumeCheck_ = nullptr;
  QCheckBox* assessAfCheck_ = nullptr;
  QLabel* entriesLabel_ = nullptr;
  QLineEdit* literatureEdit_ = nullptr;
  QLineEdit* c0Edit_ = nullptr;
  QLineEdit* caEdit_ = nullptr;
  QLabel* unitLabels_[2] = {};  // beside C0 and CA
  QCheckBox* presetCheck_ = nullptr;
  QLabel* presetLabel_ = nullptr;
  QLineEdit* lambdaEdit_ = nullptr;
  // Where a user-defined decay constant comes from, as the report cites it.
  QLineEdit* lambdaSourceEdit_ = nullptr;
  QLabel* literatureSourceLabel_ = nullptr;
  QLabel* presetSourceLabel_ = nullptr;
  QLabel* lambdaSourceLabel_ = nullptr;

  // The literature table installed beside the database; empty when missing.
  LiteratureTable literature_;
};
