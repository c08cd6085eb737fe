// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The results page's controls: the verdict basis above two lists, each with
// its range, buttons and legend. What the controls do is in CPropResults.cpp.
#include "pages/CPropResults.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QCoreApplication>
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
#include "engine/case/projectcase.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/transport.h"
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
  // list's column. Each model's line names that model's own class: the
  // row's light is the verdict, which chain or wells evidence may have made
  // worse than either.
  row.exactTip =
      QCoreApplication::translate(
          "VerdictMarks",
          "Screening model: %1, C(x)/C0 = %2 (C0/C = %3)\nExact solution: %4, C(x)/C0 = %5 (C0/C = %6)")
          .arg(EngineTerm(AssessmentClassName(ClassifyAttenuationFactor(r.sourceRatio, range))),
               formatRatio(r.relativeConcentration), formatRatio(r.sourceRatio),
               EngineTerm(AssessmentClassName(ClassifyExactAttenuationFactor(r, range))),
               formatRatio(r.exactRelativeConcentration), formatRatio(r.exactSourceRatio));
  const double low = std::min(std::fabs(r.relativeConcentration), std::fabs(r.exactRelativeConcentration));
  const double high = std::max(std::fabs(r.relativeConcentration), std::fabs(r.exactRelativeConcentration));
  if (low > 0.0)
    row.exactTip +=
        QCoreApplication::translate(
            "VerdictMarks", "\nThe exact concentration at the receptor is %1 times the screening value.")
            .arg(QString::number(higher ? high / low : low / high, 'g', 2));
  row.exactTip += QCoreApplication::translate("VerdictMarks", "\nThe verdict is that of the %1.")
                      .arg(EngineTerm(VerdictBasisText(basis)));
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
  auto* basisLabel = new QLabel(tr("&Verdict basis : "));
  verdictBasisCombo_ = new QComboBox;
  verdictBasisCombo_->setObjectName(QStringLiteral("verdictBasisCombo"));
  for (int k = 0; k < kVerdictBasisCount; ++k)
    verdictBasisCombo_->addItem(VerdictBasisEntry(static_cast<VerdictBasis>(k)));
  verdictBasisCombo_->setToolTip(QCoreApplication::translate(
      "CPropResults", "Which model's receptor concentration decides the class of the attenuation factor"));
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
  // The evidence the verdicts leave out, in words where the verdicts stand.
  omittedLabel_ = new QLabel;
  omittedLabel_->setObjectName(QStringLiteral("omittedEvidenceLabel"));
  omittedLabel_->setWordWrap(true);
  omittedLabel_->setTextFormat(Qt::PlainText);
  omittedLabel_->setVisible(false);
  layout->addWidget(omittedLabel_);
  connect(verdictBasisCombo_, &QComboBox::currentIndexChanged, this, [this] { ApplyVerdictBasis(); });
}

QWidget* CPropResults::buildSide(int side) {
  const bool plume = side == PlumeLengthSide;
  auto* frame = new QGroupBox(plume ? tr("Plume length :") : tr("Attenuation factor :"));
  setControlId(frame, controlIdOf(side, kFrame));

  auto* rangeLabel = new QLabel(tr("Assessment range : "));
  setControlId(rangeLabel, controlIdOf(side, kRangeLabel));
  auto* combo = new QComboBox;
  combo->setObjectName(plume ? QStringLiteral("plumeRangeCombo") : QStringLiteral("afRangeCombo"));
  combo->setEditable(false);
  for (const AssessmentRangeEntry& entry : kAssessmentRanges) combo->addItem(QString::fromLatin1(entry.text));
  setControlId(combo, controlIdOf(side, kRangeCombo));
  rangeLabel->setBuddy(combo);
  auto* robustness = new QPushButton(tr("Ro&bustness..."));
  robustness->setObjectName(plume ? QStringLiteral("plumeRobustnessButton")
                                  : QStringLiteral("afRobustnessButton"));
  robustness->setToolTip(QCoreApplication::translate(
      "CPropResults", "How far each input is from changing the marked result's class"));
  robustness->setEnabled(false);
  robustnessButton_[side] = robustness;
  setControlId(robustness, controlIdOf(side, kRobustnessButton));
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(rangeLabel);
  rangeRow->addWidget(combo);
  rangeRow->addWidget(robustness);
  if (!plume) {
    plumeButton_ = new QPushButton(tr("Pl&ume..."));
    plumeButton_->setObjectName(QStringLiteral("plumeViewButton"));
    plumeButton_->setToolTip(QCoreApplication::translate(
        "CPropResults", "Centre line and plan view of the selected contaminant's plume"));
    plumeButton_->setEnabled(false);
    setControlId(plumeButton_, controlIdOf(side, kPlumeButton));
    connect(plumeButton_, &QPushButton::clicked, this, [this] {
      const int row = markedRow(AttenuationFactorSide);
      ShowPlume(row >= 0 ? afModel_->row(row).resultIndex : -1);
    });
    rangeRow->addWidget(plumeButton_);
    uncertaintyButton_ = new QPushButton(tr("Uncer&tainty..."));
    uncertaintyButton_->setObjectName(QStringLiteral("uncertaintyButton"));
    uncertaintyButton_->setToolTip(QCoreApplication::translate(
        "CPropResults", "The probability of each class from ranges of the inputs"));
    setControlId(uncertaintyButton_, kIdUncertaintyButton);
    connect(uncertaintyButton_, &QPushButton::clicked, this, &CPropResults::ShowUncertainty);
    rangeRow->addWidget(uncertaintyButton_);
    auto* chain = new QPushButton(tr("&Chain..."));
    chain->setObjectName(QStringLiteral("chainButton"));
    chain->setToolTip(QCoreApplication::translate(
        "CPropResults", "The project's decay chains: parents and the daughters they form"));
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
    return ProjectCase(*project_).BreakEven(project_->results[resultIndex], plume,
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
      ProjectCase::AddExact(*project_, r);
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
      plume ? tr("Plume extension") : tr("Acceptable concentration at source"),
      plume ? QStringLiteral("x -") : QStringLiteral("C0 -"),
      plume ? tr("Distance source receptor") : tr("Concentration at source"),
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
  list->setMinimumWidth(ResultListWidth(list, plume, QStringLiteral("\u00b5g/L")));
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
