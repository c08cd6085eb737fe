// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Results" page: both assessments of every assessed contaminant,
// classified against the chosen assessment ranges.
#pragma once

#include <memory>
#include <vector>

#include "engine/evidence/omittedevidence.h"
#include "engine/project/assessment.h"
#include "engine/project/settings.h"
#include "pages/PropPage.h"

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeView;
class ResultListModel;
struct UncertaintyRecord;

class CPropResults : public PropPage {
  Q_OBJECT
 public:
  // The two assessments, also the sides of the page.
  enum Side { PlumeLengthSide = 0, AttenuationFactorSide = 1 };

  explicit CPropResults(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  QSize sizeHint() const override;
  // Commits pending page edits, recalculates every result and refills both
  // lists.
  void RefreshResults();
  // Takes the range of one side from its drop-down list, rewrites that
  // side's legend and refreshes.
  void ApplyRange(int side);
  // Opens the problems dialog for one assessment of a result: its problems
  // and the evidence its verdict leaves out; nothing when the index is out
  // of range or there is neither.
  void ShowProblems(int resultIndex, int assessment);
  // Asks for the "Robustness" view of one assessment of a result; nothing
  // when the index is out of range or the assessment has problems.
  void ShowRobustness(int resultIndex, int assessment);
  // Asks for the plume view at a result (or at the first that has an
  // attenuation factor without problems); nothing when no result has one.
  void ShowPlume(int resultIndex);
  // Asks for the "Uncertainty" window on the project's distributions.
  void ShowUncertainty();
  // The record of the last uncertainty run: both lists show its class
  // probabilities while the inputs stay those it was drawn from.
  void SetUncertaintyRecord(std::shared_ptr<const UncertaintyRecord> record);

  // Takes the verdict basis from its selector into the project and
  // refreshes.
  void ApplyVerdictBasis();

  AssessmentRange plumeRange() const { return plumeRange_; }
  VerdictBasis verdictBasis() const { return verdictBasis_; }
  AssessmentRange afRange() const { return afRange_; }
  QTreeView* list(int side) const { return side == PlumeLengthSide ? plumeList_ : afList_; }
  ResultListModel* listModel(int side) const { return side == PlumeLengthSide ? plumeModel_ : afModel_; }
  QPushButton* robustnessButton(int side) const { return robustnessButton_[side]; }

 signals:
  // The windows the page offers. The main window opens each through its
  // command, as from the menu, so that every way to a window refreshes the
  // pages alike.
  void uncertaintyRequested();
  void chainRequested();
  void plumeRequested(int resultIndex);
  void robustnessRequested(int resultIndex, int side);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  // Range and legend of one side from its drop-down list, without a refresh.
  void takeRange(int side);
  // The ranges and the basis saved with the project into the selectors.
  void showSavedSettings();
  QString concentrationUnit() const;
  QWidget* buildSide(int side);
  // Row index of the list's marked (selected) row, or -1.
  int markedRow(int side) const;
  void onContextMenu(int side, const QPoint& pos);
  void onShowProblemsCommand(int menuSide);
  void onDoubleClick(int side);
  // Enables a side's "Robustness" button for a marked row without problems.
  void updateRobustnessButton(int side);
  bool hasProblems(int resultIndex, int side) const;
  // The evidence left out of the verdicts of a result's contaminant, and
  // the page's line that lists it for every contaminant.
  std::vector<ProblemCode> omittedCodes(int resultIndex) const;
  void showOmittedEvidence();

  Project* project_ = nullptr;
  AssessmentRange plumeRange_{};
  AssessmentRange afRange_{};
  VerdictBasis verdictBasis_ = VerdictBasis::Screening;
  QComboBox* verdictBasisCombo_ = nullptr;
  QComboBox* plumeRangeCombo_ = nullptr;
  QComboBox* afRangeCombo_ = nullptr;
  QTreeView* plumeList_ = nullptr;
  QTreeView* afList_ = nullptr;
  ResultListModel* plumeModel_ = nullptr;
  ResultListModel* afModel_ = nullptr;
  QLabel* legend_[2][3] = {};  // [side][red, yellow, green]
  QPushButton* robustnessButton_[2] = {};
  QPushButton* plumeButton_ = nullptr;
  QPushButton* uncertaintyButton_ = nullptr;
  QLabel* omittedLabel_ = nullptr;
  std::vector<OmittedEvidence> omitted_;
  std::shared_ptr<const UncertaintyRecord> uncertainty_;
  // Shows or hides the probability column as the last run still holds.
  void updateProbabilities();
};
