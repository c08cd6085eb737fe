// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/CPropResults.h"

#include "platform/DecimalSign.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>
#include <vector>

#include "analysis/PlumeProfile.h"
#include "analysis/UncertaintyRecord.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "pages/LambdaIntervalMarks.h"
#include "pages/ProblemsDialog.h"
#include "pages/ResultBadgeDelegate.h"
#include "pages/ResultColumns.h"
#include "pages/ResultListModel.h"
#include "pages/ResultVerdict.h"
#include "pages/VerdictMarks.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"
#include "resources/result_pictures.h"

int CPropResults::ShowProject(Project* project) {
  project_ = project;
  showSavedSettings();
  RefreshResults();
  return 1;
}

void CPropResults::showSavedSettings() {
  if (!project_) return;
  const ProjectSettings& saved = virelo_SettingsOf(*project_);
  // Showing what the project holds changes nothing in it.
  const QSignalBlocker plume(plumeRangeCombo_), af(afRangeCombo_), basis(verdictBasisCombo_);
  if (IsAssessmentRangeIndex(saved.plumeRange)) plumeRangeCombo_->setCurrentIndex(saved.plumeRange);
  if (IsAssessmentRangeIndex(saved.afRange)) afRangeCombo_->setCurrentIndex(saved.afRange);
  verdictBasisCombo_->setCurrentIndex(static_cast<int>(saved.verdictBasis));
  verdictBasis_ = saved.verdictBasis;
  takeRange(PlumeLengthSide);
  takeRange(AttenuationFactorSide);
}

QString CPropResults::concentrationUnit() const {
  return project_ ? QString::fromStdString(virelo_SettingsOf(*project_).concentrationUnit) : QString();
}

void CPropResults::ApplyVerdictBasis() {
  const int entry = verdictBasisCombo_->currentIndex();
  if (entry < 0 || entry >= kVerdictBasisCount) return;
  verdictBasis_ = static_cast<VerdictBasis>(entry);
  if (project_ && virelo_SettingsOf(*project_).verdictBasis != verdictBasis_) {
    virelo_Extras(project_).settings.verdictBasis = verdictBasis_;
    project_->modified = 1;
  }
  RefreshResults();
}

bool CPropResults::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    for (QTreeView* list : {plumeList_, afList_})
      if (list && watched == list->viewport())
        FitResultColumns(list, list == plumeList_, concentrationUnit());
  }
  return PropPage::eventFilter(watched, event);
}

void CPropResults::showEvent(QShowEvent* event) {
  // Only the page itself becoming visible (its tab selected) recomputes; the
  // window coming back from the task bar shows the lists as they were, with
  // the marked rows kept.
  if (!event->spontaneous()) RefreshResults();
  PropPage::showEvent(event);
}

void CPropResults::RefreshResults() {
  if (!plumeList_ || !afList_) return;
  plumeModel_->clear();
  afModel_->clear();
  if (!project_) return;
  const int columns = afModel_->columnCount();
  afModel_->setConcentrationColumns(concentrationUnit());
  if (afModel_->columnCount() != columns) FitResultColumns(afList_, false, concentrationUnit());
  afModel_->setClassNeedsExact(verdictBasis_ != VerdictBasis::Screening);
  if (host_) host_->CommitPageEdits();
  virelo_FreeResults(project_);
  // The exact solution is worked out row by row as rows are drawn (see the
  // exact source in buildSide): all of it at once held up long lists.
  virelo_math_CalcAll(project_);

  std::vector<ResultListModel::Row> plumeRows;
  std::vector<ResultListModel::Row> afRows;
  const int count = project_->results ? project_->resultCount : 0;
  plumeRows.reserve(count);
  afRows.reserve(count);
  for (int i = 0; i < count; ++i) {
    const ContaminantResult& r = project_->results[i];
    if (r.contaminantIndex < 0 || r.contaminantIndex >= project_->contaminantCount) continue;
    const Contaminant& c = project_->contaminants[r.contaminantIndex];
    const QString name = contaminantName(*project_, r.contaminantIndex);
    if (c.assess & kAssessPlumeLength) {
      ResultListModel::Row row;
      row.name = name;
      row.resultIndex = i;
      if (HasPlumeLengthProblems(r)) {
        row.cls = AssessmentClass::Problems;
      } else {
        row.hasValues = true;
        row.first = r.plumeLength;
        row.second = r.plumeLengthRatio;
        row.cls = ClassifyPlumeLength(r.plumeLengthRatio, plumeRange_);
        row.screeningClass = row.cls;
      }
      plumeRows.push_back(std::move(row));
    }
    if (c.assess & kAssessAttenuationFactor) {
      ResultListModel::Row row;
      row.name = name;
      row.resultIndex = i;
      if (HasAttenuationFactorProblems(r)) {
        row.cls = AssessmentClass::Problems;
      } else {
        row.hasValues = true;
        row.first = r.attenuationFactor;
        row.second = r.sourceRatio;
        row.cls = ClassifyAttenuationFactor(r.sourceRatio, afRange_);
        row.screeningClass = row.cls;
        FillScreeningConcentrations(c, r, verdictBasis_, &row);
      }
      afRows.push_back(std::move(row));
    }
  }
  if (plumeButton_)
    plumeButton_->setEnabled(std::any_of(afRows.begin(), afRows.end(),
                                         [](const ResultListModel::Row& row) { return row.hasValues; }));
  // The verdicts of the rows with chain or wells evidence; the others keep
  // the class under the basis.
  const VerdictOptions options{plumeRange_, afRange_, verdictBasis_};
  ProjectCase evaluated(*project_, options);
  MarkVerdicts(*project_, evaluated, true, concentrationUnit(), plumeRows);
  MarkVerdicts(*project_, evaluated, false, concentrationUnit(), afRows);
  MarkLambdaIntervals(*project_, true, plumeRange_, plumeRows);
  MarkLambdaIntervals(*project_, false, afRange_, afRows);
  plumeModel_->setRows(std::move(plumeRows));
  afModel_->setRows(std::move(afRows));
  omitted_ = evaluated.Omitted();
  showOmittedEvidence();
  updateProbabilities();
}

void CPropResults::showOmittedEvidence() {
  if (!omittedLabel_) return;
  QStringList lines;
  char text[256];
  for (const OmittedEvidence& entry : omitted_)
    if (virelo_GetProblemText(entry.code, text))
      lines << tr("Problem %1: %2 %3")
                   .arg(QString::number(entry.code), EngineTerm(text),
                        EngineText(QString::fromStdString(OmittedContaminantsText(entry))));
  omittedLabel_->setText(lines.join(QLatin1Char('\n')));
  omittedLabel_->setVisible(!lines.isEmpty());
}

std::vector<ProblemCode> CPropResults::omittedCodes(int resultIndex) const {
  std::vector<ProblemCode> codes;
  if (!project_ || !project_->results || resultIndex < 0 || resultIndex >= project_->resultCount)
    return codes;
  const int k = project_->results[resultIndex].contaminantIndex;
  if (k < 0 || k >= project_->contaminantCount) return codes;
  const Contaminant& c = project_->contaminants[k];
  const std::string name(c.name, strnlen(c.name, sizeof c.name));
  for (const OmittedEvidence& entry : omitted_)
    if (std::find(entry.contaminants.begin(), entry.contaminants.end(), name) != entry.contaminants.end())
      codes.push_back(entry.code);
  return codes;
}

void CPropResults::ApplyRange(int side) {
  takeRange(side);
  // The range chosen is the project's: its report and virelo-cli use it too.
  const int entry = (side == PlumeLengthSide ? plumeRangeCombo_ : afRangeCombo_)->currentIndex();
  if (project_ && IsAssessmentRangeIndex(entry)) {
    const ProjectSettings& saved = virelo_SettingsOf(*project_);
    if ((side == PlumeLengthSide ? saved.plumeRange : saved.afRange) != entry) {
      ProjectSettings& settings = virelo_Extras(project_).settings;
      (side == PlumeLengthSide ? settings.plumeRange : settings.afRange) = entry;
      project_->modified = 1;
    }
  }
  RefreshResults();
}

void CPropResults::takeRange(int side) {
  const bool plume = side == PlumeLengthSide;
  QComboBox* combo = plume ? plumeRangeCombo_ : afRangeCombo_;
  AssessmentRange& range = plume ? plumeRange_ : afRange_;
  const int entry = combo->currentIndex();
  if (IsAssessmentRangeIndex(entry)) range = AssessmentRangeOf(entry);
  const double lower = range.lower;
  const double upper = range.upper;
  if (plume) {
    legend_[side][0]->setText(ShownNumbers(QString::asprintf(" d > %.1f x", upper)));
    legend_[side][1]->setText(ShownNumbers(QString::asprintf(" %.1f x < d <= %.1f x", lower, upper)));
    legend_[side][2]->setText(ShownNumbers(QString::asprintf(" d <= %.1f x", lower)));
  } else {
    // The ratio classified is C0 / C: green when the source concentration is
    // at most the lower bound times what the receptor can accept.
    legend_[side][0]->setText(ShownNumbers(QString::asprintf(" C0 > %.1f C", upper)));
    legend_[side][1]->setText(ShownNumbers(QString::asprintf(" %.1f C < C0 <= %.1f C", lower, upper)));
    legend_[side][2]->setText(ShownNumbers(QString::asprintf(" C0 <= %.1f C", lower)));
  }
}

int CPropResults::markedRow(int side) const {
  const QTreeView* view = list(side);
  const QModelIndexList rows = view->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void CPropResults::onContextMenu(int side, const QPoint& pos) {
  QTreeView* view = list(side);
  // A right click on a row marks it.
  const QModelIndex at = view->indexAt(pos);
  if (at.isValid()) view->setCurrentIndex(at);
  const int row = markedRow(side);
  if (row < 0) return;
  const int resultIndex = listModel(side)->row(row).resultIndex;

  QMenu menu(this);
  QIcon problemsIcon;
  problemsIcon.addPixmap(problemsPicture(), QIcon::Normal);
  problemsIcon.addPixmap(problemsPicture(), QIcon::Disabled);
  QAction* item = menu.addAction(problemsIcon, tr("Show &problems"));
  if (project_ && project_->results && resultIndex >= 0 && resultIndex < project_->resultCount) {
    const ContaminantResult& r = project_->results[resultIndex];
    const bool problems =
        (side == PlumeLengthSide ? HasPlumeLengthProblems(r) : HasAttenuationFactorProblems(r)) ||
        !omittedCodes(resultIndex).empty();
    const char* name = (r.contaminantIndex >= 0 && r.contaminantIndex < project_->contaminantCount)
                           ? project_->contaminants[r.contaminantIndex].name
                           : "";
    char text[256];
    std::snprintf(text, sizeof text, problems ? "\"%s\": show &problems" : "\"%s\": no &problems found",
                  name);
    item->setText(QString::fromLatin1(text));
    item->setEnabled(problems);
  }
  connect(item, &QAction::triggered, this, [this, side] { onShowProblemsCommand(side); });
  QAction* robustness = menu.addAction(tr("&Robustness..."));
  robustness->setEnabled(!hasProblems(resultIndex, side));
  connect(robustness, &QAction::triggered, this,
          [this, side, resultIndex] { ShowRobustness(resultIndex, side); });
  QAction* plumeItem = menu.addAction(tr("Show p&lume..."));
  plumeItem->setEnabled(project_ && HasPlumeProfile(*project_, resultIndex));
  connect(plumeItem, &QAction::triggered, this, [this, resultIndex] { ShowPlume(resultIndex); });
  menu.exec(view->viewport()->mapToGlobal(pos));
}

void CPropResults::onShowProblemsCommand(int menuSide) {
  // The list holding the keyboard focus decides; after a right click that
  // is the list clicked.
  int side = menuSide;
  if (plumeList_->hasFocus())
    side = PlumeLengthSide;
  else if (afList_->hasFocus())
    side = AttenuationFactorSide;
  const int row = markedRow(side);
  if (row < 0) return;
  ShowProblems(listModel(side)->row(row).resultIndex, side);
}

void CPropResults::onDoubleClick(int side) {
  const int row = markedRow(side);
  if (row < 0) return;
  // A result with problems has nothing to weigh: its problems are shown.
  const int resultIndex = listModel(side)->row(row).resultIndex;
  if (hasProblems(resultIndex, side)) {
    ShowProblems(resultIndex, side);
  } else {
    ShowRobustness(resultIndex, side);
  }
}

bool CPropResults::hasProblems(int resultIndex, int side) const {
  if (!project_ || !project_->results || resultIndex < 0 || resultIndex >= project_->resultCount) return true;
  const ContaminantResult& r = project_->results[resultIndex];
  return side == PlumeLengthSide ? HasPlumeLengthProblems(r) : HasAttenuationFactorProblems(r);
}

void CPropResults::updateRobustnessButton(int side) {
  QPushButton* button = robustnessButton_[side];
  if (!button || !list(side)) return;
  const int row = markedRow(side);
  button->setEnabled(row >= 0 && !hasProblems(listModel(side)->row(row).resultIndex, side));
}

void CPropResults::ShowRobustness(int resultIndex, int assessment) {
  if (hasProblems(resultIndex, assessment)) return;
  emit robustnessRequested(resultIndex, assessment);
}

void CPropResults::ShowProblems(int resultIndex, int assessment) {
  if (!project_ || !project_->results || resultIndex < 0 || resultIndex >= project_->resultCount) return;
  const ContaminantResult& r = project_->results[resultIndex];
  const bool plume = assessment == PlumeLengthSide;
  const ProblemCode* aquiferProblems = plume ? r.plAquiferProblems : r.afAquiferProblems;
  const ProblemCode* contaminantProblems = plume ? r.plContaminantProblems : r.afContaminantProblems;
  const int aquiferCount = std::max<int>(0, plume ? r.plAquiferProblemCount : r.afAquiferProblemCount);
  const int contaminantCount =
      std::max<int>(0, plume ? r.plContaminantProblemCount : r.afContaminantProblemCount);
  const std::vector<ProblemCode> omitted = omittedCodes(resultIndex);
  if (aquiferCount == 0 && contaminantCount == 0 && omitted.empty()) return;
  const char* name = (r.contaminantIndex >= 0 && r.contaminantIndex < project_->contaminantCount)
                         ? project_->contaminants[r.contaminantIndex].name
                         : "";

  ProblemsDialog dialog(this);
  // The headings are the windows' words; the name stays as the record holds it.
  const QString heading =
      plume ? tr("PLUME LENGTH ASSESSMENT: \"%1\"") : tr("ATTENUATION FACTOR ASSESSMENT: \"%1\"");
  dialog.AppendLine("%s", heading.arg(QString::fromLatin1(name)).toLatin1().constData());
  dialog.AppendLine("%s", tr("%1 problem(s):")
                              .arg(aquiferCount + contaminantCount + static_cast<int>(omitted.size()))
                              .toLatin1()
                              .constData());
  dialog.AppendLine("%s", "");
  char text[256];
  for (int k = 1; aquiferProblems && k <= aquiferCount; ++k)
    if (virelo_GetProblemText(aquiferProblems[k - 1], text))
      dialog.AppendLine("%d. %s", k, EngineTerm(text).toLatin1().constData());
  for (int j = 0; contaminantProblems && j < contaminantCount; ++j)
    if (virelo_GetProblemText(contaminantProblems[j], text))
      dialog.AppendLine("%d. %s", aquiferCount + 1 + j, EngineTerm(text).toLatin1().constData());
  // Evidence left out: the verdict stands without it, but must be read so.
  for (size_t j = 0; j < omitted.size(); ++j)
    if (virelo_GetProblemText(omitted[j], text))
      dialog.AppendLine("%d. %s", aquiferCount + contaminantCount + 1 + static_cast<int>(j),
                        tr("Problem %1 (the verdict stands without the wells): %2")
                            .arg(omitted[j])
                            .arg(EngineTerm(text))
                            .toLatin1()
                            .constData());
  dialog.AppendPlausibilityWarnings(project_->aquifer, plume);
  Platform::instance().execDialog(&dialog);
}

void CPropResults::ShowPlume(int resultIndex) {
  if (!project_ || !project_->results) return;
  bool any = false;
  for (int i = 0; i < project_->resultCount && !any; ++i) any = HasPlumeProfile(*project_, i);
  if (!any) return;
  emit plumeRequested(resultIndex);
}

void CPropResults::ShowUncertainty() {
  if (project_) emit uncertaintyRequested();
}

void CPropResults::SetUncertaintyRecord(std::shared_ptr<const UncertaintyRecord> record) {
  uncertainty_ = std::move(record);
  updateProbabilities();
}

void CPropResults::updateProbabilities() {
  UncertaintyOptions options = project_ ? UncertaintyOptionsOf(*project_) : UncertaintyOptions{};
  options.plumeLengthRange = plumeRange_;
  options.attenuationRange = afRange_;
  if (uncertainty_ && (!project_ || !uncertainty_->Holds(*project_, options))) uncertainty_.reset();
  for (const bool plume : {true, false}) {
    ResultListModel* model = plume ? plumeModel_ : afModel_;
    if (!model) continue;
    if (!uncertainty_) {
      if (model->hasProbabilityColumn()) model->setProbabilitySource(nullptr);
      continue;
    }
    const std::shared_ptr<const UncertaintyRecord> record = uncertainty_;
    model->setProbabilitySource([this, record, plume](int resultIndex) {
      if (!project_ || resultIndex < 0 || resultIndex >= project_->resultCount) return QString();
      return record->Probabilities(project_->results[resultIndex].contaminantIndex, plume);
    });
  }
  // The column came or went: the names take the room it leaves.
  for (QTreeView* list : {plumeList_, afList_})
    if (list) FitResultColumns(list, list == plumeList_, concentrationUnit());
}
