// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/CPropResults.h"

#include <algorithm>
#include <cmath>

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
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>
#include <vector>

#include "analysis/PlumeProfile.h"
#include "analysis/UncertaintyRecord.h"
#include "engine/calc.h"
#include "engine/exact.h"
#include "engine/extras.h"
#include "engine/records.h"
#include "engine/validation.h"
#include "pages/LambdaIntervalMarks.h"
#include "pages/ProblemsDialog.h"
#include "pages/ResultBadgeDelegate.h"
#include "pages/ResultListModel.h"
#include "pages/ResultVerdict.h"
#include "pages/VerdictMarks.h"
#include "platform/Platform.h"
#include "resources/result_pictures.h"

namespace {

constexpr int kLegendLight = 20;
constexpr int kLegendGap = 3;

// Help identifiers: 1300 for the page, 1300 + side * 10 + control for its
// controls.
constexpr int kIdPage = 1300;
// The "Uncertainty..." button answers with the window's own text.
constexpr int kIdUncertaintyButton = 1600;
// The decay-chain button answers help with the window it opens.
constexpr int kIdChainWindow = 1385;
constexpr int kIdVerdictBasis = 1330;
int controlIdOf(int side, int control) {
  return 1300 + side * 10 + control;
}
enum SideControl {
  kFrame = 1,
  kRangeLabel,
  kRangeCombo,
  kList,
  kLegendStrip,
  kLegendRed,
  kLegendYellow,
  kLegendGreen,
  kPlumeButton,
  kRobustnessButton = 10
};

// The least width of each column of a list, whether or not the list shows
// it yet: its header, or the widest text its values take, whichever is
// wider. Values are sized for fixed notation up to 1e7, the widest their
// formats give; names for the longest of the common database; the marks for
// four badges; the probabilities of an uncertainty run count from the
// start, since the window keeps one size.
std::vector<int> leastWidths(const QTreeView* list, bool plume, const QString& unit) {
  const QFontMetrics values = list->fontMetrics();
  // Headers measured bold, as the header view measures them: a highlighted
  // section is drawn bold.
  QFont bold = list->header()->font();
  bold.setBold(true);
  const QFontMetrics headers(bold);
  const int text = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) + 6;
  const int header = 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list) + 8;
  const int icon = list->iconSize().width() + 4;
  auto column = [&](const QString& title, const QString& widest, int extra = 0) {
    return std::max(headers.horizontalAdvance(title) + header,
                    values.horizontalAdvance(widest) + text + extra);
  };
  const QString ratio = QStringLiteral("9999999.9999999");
  std::vector<int> widths = {
      column(QStringLiteral("Contaminant"), QStringLiteral("Tetrachloroethene (PCE)"), icon),
      column(plume ? QStringLiteral("d") : QStringLiteral("AF"),
             plume ? QStringLiteral("9999999.99") : ratio),
      column(plume ? QStringLiteral("d/x") : QStringLiteral("C0/C"), ratio, plume ? 0 : icon),
      column(QStringLiteral("Margin"), QStringLiteral("\u00d71000"), icon)};
  if (!plume)
    for (const char* title : {"C(x) [%1]", "C(x) exact [%1]", "Target C [%1]"})
      widths.push_back(column(QString::fromLatin1(title).arg(unit), QStringLiteral("9.999E-05")));
  widths.push_back(
      std::max(headers.horizontalAdvance(QStringLiteral("Marks")) + header,
               ResultBadgeDelegate::pillsWidth(values, {QStringLiteral("chain"), QStringLiteral("wells"),
                                                        QStringLiteral("under"), QStringLiteral("\u03bb")})));
  widths.push_back(
      column(QStringLiteral("P(G / Y / R)"), QStringLiteral("G 0.000 \u00b7 Y 0.000 \u00b7 R 0.000")));
  return widths;
}

// Every column at least its least width. The room left over goes to the
// names, up to a few more characters than the least, and then to the marks,
// so that values stay beside their names and the badges have room to spare.
void fitColumns(QTreeView* list, bool plume, const QString& unit) {
  const std::vector<int> least = leastWidths(list, plume, unit);
  const auto* model = static_cast<const ResultListModel*>(list->model());
  const int count = model->columnCount();
  int used = 0;
  // The marks and the probabilities are the last two of `least`, wherever
  // the list shows them.
  auto leastOf = [&](int column) {
    if (column == model->marksColumn()) return least[least.size() - 2];
    if (column == model->probabilityColumn()) return least.back();
    return least[static_cast<size_t>(column)];
  };
  for (int column = 0; column < count; ++column) used += leastOf(column);
  const int extra = std::max(0, list->viewport()->width() - used);
  const int toNames = std::min(extra, least[0] / 2);
  QHeaderView* header = list->header();
  for (int column = 0; column < count; ++column) {
    int width = leastOf(column);
    if (column == 0) width += toNames;
    if (column == model->marksColumn()) width += extra - toNames;
    header->resizeSection(column, width);
  }
}

// Room for every column a list can show, without scrolling.
int listWidth(const QTreeView* list, bool plume, const QString& unit) {
  int width = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
  for (int w : leastWidths(list, plume, unit)) width += w;
  return width;
}

QString formatRatio(double v) {
  return QString::fromStdString(FormatResultValue(v, "%.7f", "%.4E"));
}

// Where the exact centre-line solution disagrees with a row's screening
// result, the row says so; the screening class stays the row's verdict.
void markExactDifference(const ContaminantResult& r, AssessmentRange range, VerdictBasis basis,
                         ResultListModel::Row& row) {
  const ExactComparison comparison = CompareExactWithScreening(r, range);
  if (comparison == ExactComparison::None) return;
  const bool higher = r.exactRelativeConcentration > r.relativeConcentration;
  row.exactMark = comparison == ExactComparison::WorseClass ? ExactMark::WorseClass
                  : higher                                  ? ExactMark::HigherExact
                                                            : ExactMark::LowerExact;
  // C(x)/C0 is the concentration reaching the receptor, C0/C the ratio
  // that is classified (C the acceptable source concentration), as in the
  // list's column.
  row.exactTip =
      QStringLiteral(
          "Screening model: %1, C(x)/C0 = %2 (C0/C = %3)\nExact solution: %4, C(x)/C0 = %5 (C0/C = %6)")
          .arg(QString::fromLatin1(AssessmentClassName(row.cls)), formatRatio(r.relativeConcentration),
               formatRatio(r.sourceRatio),
               QString::fromLatin1(AssessmentClassName(ClassifyExactAttenuationFactor(r, range))),
               formatRatio(r.exactRelativeConcentration), formatRatio(r.exactSourceRatio));
  const double low = std::min(std::fabs(r.relativeConcentration), std::fabs(r.exactRelativeConcentration));
  const double high = std::max(std::fabs(r.relativeConcentration), std::fabs(r.exactRelativeConcentration));
  if (low > 0.0)
    row.exactTip +=
        QStringLiteral("\nThe exact concentration at the receptor is %1 times the screening value.")
            .arg(QString::number(higher ? high / low : low / high, 'g', 2));
  row.exactTip +=
      QStringLiteral("\nThe verdict is that of the %1.").arg(QString::fromLatin1(VerdictBasisText(basis)));
}

}  // namespace

CPropResults::CPropResults(PageHost* host, QWidget* parent) : PropPage(host, parent) {
  setControlId(this, kIdPage);
  buildControls();
  // Both drop-down lists start at the first range; each side's legend and
  // range follow it.
  for (QComboBox* combo : {plumeRangeCombo_, afRangeCombo_}) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(0);
  }
  ApplyRange(PlumeLengthSide);
  ApplyRange(AttenuationFactorSide);
  connect(plumeRangeCombo_, &QComboBox::currentIndexChanged, this, [this] { ApplyRange(PlumeLengthSide); });
  connect(afRangeCombo_, &QComboBox::currentIndexChanged, this,
          [this] { ApplyRange(AttenuationFactorSide); });
}

void CPropResults::buildControls() {
  // Above both lists: which model's prediction decides the verdict.
  auto* basisLabel = new QLabel(QStringLiteral("&Verdict basis : "));
  verdictBasisCombo_ = new QComboBox;
  verdictBasisCombo_->setObjectName(QStringLiteral("verdictBasisCombo"));
  for (int k = 0; k < kVerdictBasisCount; ++k)
    verdictBasisCombo_->addItem(VerdictBasisEntry(static_cast<VerdictBasis>(k)));
  verdictBasisCombo_->setToolTip(
      QStringLiteral("Which model's receptor concentration decides the class of the attenuation factor"));
  basisLabel->setBuddy(verdictBasisCombo_);
  setControlId(verdictBasisCombo_, kIdVerdictBasis);
  auto* basisRow = new QHBoxLayout;
  basisRow->addWidget(basisLabel);
  basisRow->addWidget(verdictBasisCombo_);
  basisRow->addStretch(1);

  // One list above the other, each as wide as the page: the
  // attenuation-factor list has up to nine columns to show in full.
  auto* sides = new QVBoxLayout;
  sides->setSpacing(4);
  sides->addWidget(buildSide(PlumeLengthSide), 1);
  sides->addWidget(buildSide(AttenuationFactorSide), 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);
  layout->addLayout(basisRow);
  layout->addLayout(sides, 1);
  connect(verdictBasisCombo_, &QComboBox::currentIndexChanged, this, [this] { ApplyVerdictBasis(); });
}

QWidget* CPropResults::buildSide(int side) {
  const bool plume = side == PlumeLengthSide;
  auto* frame =
      new QGroupBox(plume ? QStringLiteral("Plume length :") : QStringLiteral("Attenuation factor :"));
  setControlId(frame, controlIdOf(side, kFrame));

  auto* rangeLabel = new QLabel(QStringLiteral("Assessment range : "));
  setControlId(rangeLabel, controlIdOf(side, kRangeLabel));
  auto* combo = new QComboBox;
  combo->setObjectName(plume ? QStringLiteral("plumeRangeCombo") : QStringLiteral("afRangeCombo"));
  combo->setEditable(false);
  for (const AssessmentRangeEntry& entry : kAssessmentRanges) combo->addItem(QString::fromLatin1(entry.text));
  setControlId(combo, controlIdOf(side, kRangeCombo));
  rangeLabel->setBuddy(combo);
  auto* robustness = new QPushButton(QStringLiteral("Ro&bustness..."));
  robustness->setObjectName(plume ? QStringLiteral("plumeRobustnessButton")
                                  : QStringLiteral("afRobustnessButton"));
  robustness->setToolTip(QStringLiteral("How far each input is from changing the marked result's class"));
  robustness->setEnabled(false);
  robustnessButton_[side] = robustness;
  setControlId(robustness, controlIdOf(side, kRobustnessButton));
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(rangeLabel);
  rangeRow->addWidget(combo);
  rangeRow->addWidget(robustness);
  if (!plume) {
    plumeButton_ = new QPushButton(QStringLiteral("Pl&ume..."));
    plumeButton_->setObjectName(QStringLiteral("plumeViewButton"));
    plumeButton_->setToolTip(QStringLiteral("Centre line and plan view of the selected contaminant's plume"));
    plumeButton_->setEnabled(false);
    setControlId(plumeButton_, controlIdOf(side, kPlumeButton));
    connect(plumeButton_, &QPushButton::clicked, this, [this] {
      const int row = markedRow(AttenuationFactorSide);
      ShowPlume(row >= 0 ? afModel_->row(row).resultIndex : -1);
    });
    rangeRow->addWidget(plumeButton_);
    uncertaintyButton_ = new QPushButton(QStringLiteral("Uncer&tainty..."));
    uncertaintyButton_->setObjectName(QStringLiteral("uncertaintyButton"));
    uncertaintyButton_->setToolTip(QStringLiteral("The probability of each class from ranges of the inputs"));
    setControlId(uncertaintyButton_, kIdUncertaintyButton);
    connect(uncertaintyButton_, &QPushButton::clicked, this, &CPropResults::ShowUncertainty);
    rangeRow->addWidget(uncertaintyButton_);
    auto* chain = new QPushButton(QStringLiteral("&Chain..."));
    chain->setObjectName(QStringLiteral("chainButton"));
    chain->setToolTip(QStringLiteral("The project's decay chains: parents and the daughters they form"));
    setControlId(chain, kIdChainWindow);
    connect(chain, &QPushButton::clicked, this, [this] {
      if (project_) emit chainRequested();
    });
    rangeRow->addWidget(chain);
  }
  rangeRow->addStretch(1);

  auto* model = plume ? new ResultListModel({QStringLiteral("d"), "%.2f", "%.2E"},
                                            {QStringLiteral("d/x"), "%.7f", "%.4E"}, this)
                      : new ResultListModel({QStringLiteral("AF"), "%.7f", "%.4E"},
                                            {QStringLiteral("C0/C"), "%.7f", "%.4E"}, this);
  // The margin column asks for the break-even values of a row when it is
  // drawn, against the side's range of that moment.
  model->setBreakEvenSource([this, plume](int resultIndex) {
    if (!project_ || !project_->results || resultIndex < 0 || resultIndex >= project_->resultCount)
      return BreakEvenTable{};
    return ResultBreakEvenValues(*project_, project_->results[resultIndex], plume,
                                 plume ? plumeRange_ : afRange_);
  });
  if (!plume) {
    // The exact solution of a row, when the row is first drawn or read. It
    // goes into the project's result, where the plume view and the report
    // find it; a refresh starts the results afresh.
    model->setExactSource([this](ResultListModel::Row& row) {
      if (!project_ || !project_->results || row.resultIndex < 0 || row.resultIndex >= project_->resultCount)
        return;
      ContaminantResult& r = project_->results[row.resultIndex];
      if (r.contaminantIndex < 0 || r.contaminantIndex >= project_->contaminantCount ||
          HasAttenuationFactorProblems(r))
        return;
      if (!r.exactComputed)
        virelo_math_CalcExactAttenuationFactor(&project_->aquifer,
                                               &project_->contaminants[r.contaminantIndex], &r);
      markExactDifference(r, afRange_, verdictBasis_, row);
      FillVerdict(project_->contaminants[r.contaminantIndex], r, afRange_, verdictBasis_, concentrationUnit(),
                  &row);
    });
  }
  auto* list = new QTreeView;
  list->setObjectName(plume ? QStringLiteral("plumeList") : QStringLiteral("afList"));
  list->setModel(model);
  list->setRootIsDecorated(false);
  list->setItemsExpandable(false);
  list->setUniformRowHeights(true);
  list->setSortingEnabled(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setIconSize(QSize(16, 16));
  list->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  list->header()->setSectionsClickable(false);
  list->header()->setSectionsMovable(false);
  list->header()->setStretchLastSection(false);
  list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  list->setItemDelegate(new ResultBadgeDelegate(list));
  list->viewport()->installEventFilter(this);
  setControlId(list, controlIdOf(side, kList));
  connect(list, &QWidget::customContextMenuRequested, this,
          [this, side](const QPoint& pos) { onContextMenu(side, pos); });
  connect(list, &QAbstractItemView::doubleClicked, this, [this, side] { onDoubleClick(side); });
  connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, side] { updateRobustnessButton(side); });
  connect(model, &QAbstractItemModel::modelReset, this, [this, side] { updateRobustnessButton(side); });
  connect(robustness, &QPushButton::clicked, this, [this, side] {
    const int row = markedRow(side);
    if (row >= 0) ShowRobustness(listModel(side)->row(row).resultIndex, side);
  });

  // Legend, in one line below the list: the three lights, each with the
  // rule of its class, then what the symbols stand for.
  auto* legend = new QHBoxLayout;
  legend->setSpacing(4);
  const QPixmap strip = legendStrip(kLegendLight, kLegendGap);
  static const char* const kColour[3] = {"Red", "Yellow", "Green"};
  for (int i = 0; i < 3; ++i) {
    auto* light = new QLabel;
    light->setPixmap(strip.copy(0, i * (kLegendLight + kLegendGap), kLegendLight, kLegendLight));
    light->setFixedSize(kLegendLight, kLegendLight);
    setControlId(light, controlIdOf(side, kLegendStrip));
    auto* field = new QLabel(QStringLiteral("---"));
    field->setObjectName(QStringLiteral("%1Legend%2").arg(plume ? "plume" : "af", kColour[i]));
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setFixedHeight(kLegendLight);
    field->setMinimumWidth(140);
    setControlId(field, controlIdOf(side, kLegendRed + i));
    legend_[side][i] = field;
    legend->addWidget(light);
    legend->addWidget(field);
    legend->addSpacing(6);
  }
  // What the symbols of the legend stand for.
  const QString texts[4] = {
      plume ? QStringLiteral("d - ") : QStringLiteral("C -"),
      plume ? QStringLiteral("Plume extension") : QStringLiteral("Acceptable concentration at source"),
      plume ? QStringLiteral("x -") : QStringLiteral("C0 -"),
      plume ? QStringLiteral("Distance source receptor") : QStringLiteral("Concentration at source"),
  };
  for (int i = 0; i < 4; ++i) {
    if (i == 2) legend->addSpacing(8);
    legend->addWidget(new QLabel(texts[i]));
  }
  legend->addStretch(1);

  auto* column = new QVBoxLayout(frame);
  column->setSpacing(4);
  column->addLayout(rangeRow);
  column->addWidget(list, 1);
  column->addLayout(legend);

  if (plume) {
    plumeRangeCombo_ = combo;
    plumeList_ = list;
    plumeModel_ = model;
  } else {
    afRangeCombo_ = combo;
    afList_ = list;
    afModel_ = model;
    afModel_->setExactMarkColumn(true);
  }
  // Room for every column without scrolling: the main window takes the size
  // its pages ask for.
  list->setMinimumWidth(listWidth(list, plume, QStringLiteral("\u00b5g/L")));
  return frame;
}

QSize CPropResults::sizeHint() const {
  // Each list asks for the rows of a common project, seven, rather than a
  // scroll area's default height, so that the window fits a small screen.
  QSize hint = PropPage::sizeHint();
  for (const QTreeView* list : {plumeList_, afList_}) {
    const int rows = list->header()->sizeHint().height() + 7 * (list->fontMetrics().height() + 4) +
                     2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    hint.rheight() -= std::max(0, list->sizeHint().height() - rows);
  }
  return hint;
}

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
      if (list && watched == list->viewport()) fitColumns(list, list == plumeList_, concentrationUnit());
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
  if (afModel_->columnCount() != columns) fitColumns(afList_, false, concentrationUnit());
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
    const QString name = fromLatin1Record(c.name);
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
  MarkVerdicts(*project_, true, options, concentrationUnit(), plumeRows);
  MarkVerdicts(*project_, false, options, concentrationUnit(), afRows);
  MarkLambdaIntervals(*project_, true, plumeRange_, plumeRows);
  MarkLambdaIntervals(*project_, false, afRange_, afRows);
  plumeModel_->setRows(std::move(plumeRows));
  afModel_->setRows(std::move(afRows));
  updateProbabilities();
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
  if (entry >= 0 && entry < kAssessmentRangeCount) range = kAssessmentRanges[entry].range;
  const double lower = range.lower;
  const double upper = range.upper;
  if (plume) {
    legend_[side][0]->setText(QString::asprintf(" d > %.1f x", upper));
    legend_[side][1]->setText(QString::asprintf(" %.1f x < d <= %.1f x", lower, upper));
    legend_[side][2]->setText(QString::asprintf(" d <= %.1f x", lower));
  } else {
    // The ratio classified is C0 / C: green when the source concentration is
    // at most the lower bound times what the receptor can accept.
    legend_[side][0]->setText(QString::asprintf(" C0 > %.1f C", upper));
    legend_[side][1]->setText(QString::asprintf(" %.1f C < C0 <= %.1f C", lower, upper));
    legend_[side][2]->setText(QString::asprintf(" C0 <= %.1f C", lower));
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
  QAction* item = menu.addAction(problemsIcon, QStringLiteral("Show &problems"));
  if (project_ && project_->results && resultIndex >= 0 && resultIndex < project_->resultCount) {
    const ContaminantResult& r = project_->results[resultIndex];
    const bool problems =
        side == PlumeLengthSide ? HasPlumeLengthProblems(r) : HasAttenuationFactorProblems(r);
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
  QAction* robustness = menu.addAction(QStringLiteral("&Robustness..."));
  robustness->setEnabled(!hasProblems(resultIndex, side));
  connect(robustness, &QAction::triggered, this,
          [this, side, resultIndex] { ShowRobustness(resultIndex, side); });
  QAction* plumeItem = menu.addAction(QStringLiteral("Show p&lume..."));
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
  if (aquiferCount == 0 && contaminantCount == 0) return;
  const char* name = (r.contaminantIndex >= 0 && r.contaminantIndex < project_->contaminantCount)
                         ? project_->contaminants[r.contaminantIndex].name
                         : "";

  ProblemsDialog dialog(this);
  dialog.AppendLine(plume ? "PLUME LENGTH ASSESSMENT: \"%s\"" : "ATTENUATION FACTOR ASSESSMENT: \"%s\"",
                    name);
  dialog.AppendLine("%d problem(s):", aquiferCount + contaminantCount);
  dialog.AppendLine("%s", "");
  char text[256];
  for (int k = 1; aquiferProblems && k <= aquiferCount; ++k)
    if (virelo_GetProblemText(aquiferProblems[k - 1], text)) dialog.AppendLine("%d. %s", k, text);
  for (int j = 0; contaminantProblems && j < contaminantCount; ++j)
    if (virelo_GetProblemText(contaminantProblems[j], text))
      dialog.AppendLine("%d. %s", aquiferCount + 1 + j, text);
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
    if (list) fitColumns(list, list == plumeList_, concentrationUnit());
}
