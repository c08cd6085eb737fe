// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The decay-chain window: the editor of the project's decay chains (species,
// order, yields, end product), the chart of every species along the centre
// line under both models, and the table at the receptor with each species'
// class in the chain and on its own.
#pragma once

#include <QDialog>
#include <vector>

#include "engine/project/assessment.h"
#include "engine/project/chain.h"
#include "engine/project/records.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

// Opens the window modally (through the Platform) over the project's own
// chains, with the project's concentration unit; true when the chains were
// changed.
bool RunChainWindow(Project* project, AssessmentRange range, QWidget* parent);

class ChainWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPoints = 200;

  // Edits `chains` (the project's, owned by the caller) of `project`, whose
  // contaminants and aquifer supply the rates, concentrations and distances.
  // A change marks the project modified. `range` classifies at the receptor;
  // `unit` names the concentration unit on the chart (may be empty).
  ChainWindow(Project* project, std::vector<DecayChain>* chains, AssessmentRange range, const QString& unit,
              QWidget* parent = nullptr);

  // The chain shown and edited (-1 when the project has none).
  int currentChain() const { return current_; }
  void showChain(int index);
  // A new chain proposed from the project's chlorinated ethenes (or its first
  // two contaminants); it becomes the current one.
  void newChain();
  void deleteChain();
  // Editing the current chain, as the buttons do.
  void addSpecies();
  void removeSpecies(int row);
  void moveSpecies(int row, int by);
  void setSpecies(int row, const QString& name);
  void setYield(int daughter, double yield);
  void setEndProduct(bool on);
  // "Released: PCE only": the chain's first species was released at the
  // site and the others formed in the aquifer; off, the project does not say.
  void setReleasedFirstOnly(bool on);
  void restoreDefaultYields();

  QComboBox* chainBox() const { return chainBox_; }
  QTableWidget* editor() const { return editor_; }
  QTableWidget* receptorTable() const { return receptor_; }
  QLabel* problemLabel() const { return problems_; }
  QChartView* chartView() const { return chartView_; }
  QCheckBox* endProductBox() const { return endProduct_; }
  QCheckBox* releasedBox() const { return released_; }

 private:
  DecayChain* chain();
  void changed();  // the current chain was edited: mark the project, redraw
  void addTickBoxes(QVBoxLayout* layout);
  void fillChainBox();
  void fillEditor();
  void refresh();
  QStringList contaminantNames() const;

  Project* project_;
  std::vector<DecayChain>* chains_;
  AssessmentRange range_;
  QString unit_;
  int current_ = -1;
  bool filling_ = false;
  QComboBox* chainBox_ = nullptr;
  QTableWidget* editor_ = nullptr;
  QCheckBox* endProduct_ = nullptr;
  QCheckBox* released_ = nullptr;
  QLabel* problems_ = nullptr;
  QChartView* chartView_ = nullptr;
  QTableWidget* receptor_ = nullptr;
  std::vector<QPushButton*> editButtons_;
};
