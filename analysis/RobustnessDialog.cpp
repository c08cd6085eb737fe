// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/RobustnessDialog.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLegendMarker>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/ChartNumbers.h"
#include "engine/case/projectcase.h"
#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"
#include "resources/result_pictures.h"

namespace {

// Help identifier of the window: F1 opens its section of the manual.
constexpr int kIdRobustness = 1360;

enum Column { kInput, kValue, kWorseAt, kWorseFactor, kBetterAt, kBetterFactor, kColumnCount };

const QColor kFragileBackground(255, 224, 178);
const QColor kWorseColour(214, 69, 65);
const QColor kBetterColour(76, 160, 76);

// What each input is, in the words of the aquifer and contaminant pages.
QString InputDescription(BreakEvenInput input) {
  switch (input) {
    case BreakEvenInput::X:
      return QCoreApplication::translate("RobustnessDialog", "distance source to receptor");
    case BreakEvenInput::Kf: return QCoreApplication::translate("RobustnessDialog", "hydraulic conductivity");
    case BreakEvenInput::I: return QCoreApplication::translate("RobustnessDialog", "hydraulic gradient");
    case BreakEvenInput::Ne: return QCoreApplication::translate("RobustnessDialog", "effective porosity");
    case BreakEvenInput::Lambda: return QCoreApplication::translate("RobustnessDialog", "decay constant");
    case BreakEvenInput::Ax:
      return QCoreApplication::translate("RobustnessDialog", "longitudinal dispersivity");
    case BreakEvenInput::Ay:
      return QCoreApplication::translate("RobustnessDialog", "horizontal transverse dispersivity");
    case BreakEvenInput::Az: return QCoreApplication::translate("RobustnessDialog", "vertical dispersivity");
    // What the model does with them: Sy is half the width across the flow
    // (the Aquifer page shows 2 Sy), Sz the thickness below the water table.
    case BreakEvenInput::Sy:
      return QCoreApplication::translate("RobustnessDialog", "half the source width across the flow");
    case BreakEvenInput::Sz:
      return QCoreApplication::translate("RobustnessDialog", "source thickness below the water table");
    case BreakEvenInput::C0:
      return QCoreApplication::translate("RobustnessDialog", "concentration at source");
    case BreakEvenInput::CA:
      return QCoreApplication::translate("RobustnessDialog", "accepted concentration at receptor");
  }
  return {};
}

// A number as the reader writes it: with the windows' decimal sign.
QString ValueText(double value) {
  const std::string text = FormatResultValue(value, "%.6g", "%.6g");
  return ShownNumbers(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

// A class name in the windows' language.
QString ClassText(AssessmentClass c) {
  return EngineTerm(AssessmentClassName(c));
}

AssessmentClass Neighbour(AssessmentClass c, int step) {
  const int k = static_cast<int>(c) + step;
  if (k < static_cast<int>(AssessmentClass::Red) || k > static_cast<int>(AssessmentClass::Green))
    return AssessmentClass::Problems;
  return static_cast<AssessmentClass>(k);
}

// The factor of the nearer break-even value, as it is (0.82, not 1.22).
double NearerFactor(const BreakEven& e) {
  const std::optional<double> worse = WorseFactor(e), better = BetterFactor(e);
  if (worse && better) return std::fabs(std::log(*worse)) <= std::fabs(std::log(*better)) ? *worse : *better;
  return worse ? *worse : better ? *better : std::nan("");
}

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(alignment);
  return item;
}

}  // namespace

QString RobustnessDialog::factorText(double factor) {
  return QStringLiteral("\u00d7") + ShownNumbers(QString::fromStdString(FormatFactor(factor)));
}

RobustnessDialog::RobustnessDialog(const Project* project, int resultIndex, bool plumeLength, int rangeIndex,
                                   QWidget* parent)
    : QDialog(parent), project_(project), resultIndex_(resultIndex), plumeLength_(plumeLength) {
  setWindowTitle(tr("Robustness"));
  setObjectName(QStringLiteral("robustnessDialog"));
  AnswerF1WithManual(this, kIdRobustness);

  heading_ = new QLabel;
  heading_->setObjectName(QStringLiteral("robustnessHeading"));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  heading_->setTextFormat(Qt::PlainText);

  auto* rangeLabel = new QLabel(tr("Assessment &range : "));
  rangeCombo_ = new QComboBox;
  rangeCombo_->setObjectName(QStringLiteral("robustnessRangeCombo"));
  for (const AssessmentRangeEntry& entry : kAssessmentRanges)
    rangeCombo_->addItem(QString::fromLatin1(entry.text));
  rangeCombo_->setCurrentIndex(std::clamp(rangeIndex, 0, kAssessmentRangeCount - 1));
  rangeLabel->setBuddy(rangeCombo_);
  connect(rangeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
    emit rangeChosen(index);
    Refresh();
  });
  icon_ = new QLabel;
  icon_->setFixedSize(kResultPictureSize, kResultPictureSize);
  auto* top = new QHBoxLayout;
  top->addWidget(icon_);
  top->addWidget(heading_, 1);
  top->addWidget(rangeLabel);
  top->addWidget(rangeCombo_);

  verdict_ = new QLabel;
  verdict_->setObjectName(QStringLiteral("robustnessVerdict"));
  verdict_->setWordWrap(true);
  verdict_->setTextFormat(Qt::PlainText);

  tableWidget_ = new QTableWidget(0, kColumnCount);
  tableWidget_->setObjectName(QStringLiteral("robustnessTable"));
  tableWidget_->verticalHeader()->setVisible(false);
  tableWidget_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tableWidget_->setSelectionMode(QAbstractItemView::SingleSelection);
  tableWidget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tableWidget_->setWordWrap(false);
  tableWidget_->horizontalHeader()->setStretchLastSection(false);
  tableWidget_->verticalHeader()->setDefaultSectionSize(tableWidget_->fontMetrics().height() + 8);
  tableWidget_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  tableWidget_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  chart_ = WithShownNumbers(new QChart);
  chart_->setBackgroundRoundness(0);
  chart_->setMargins(QMargins(4, 4, 20, 4));  // room for the last factor label
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chartView_ = new QChartView(chart_);
  chartView_->setObjectName(QStringLiteral("robustnessChart"));
  chartView_->setRenderHint(QPainter::Antialiasing);
  chartView_->setMinimumWidth(300);

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(tableWidget_);
  splitter->addWidget(chartView_);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);

  auto* note = new QLabel(
      tr("Each value is where the class changes while every other input stays as it is; the factor is that "
         "value over the current one. \u2014 : no value the input checks accept reaches the bound. Inputs "
         "within a factor of 2 are marked as fragile."));
  note->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(verdict_);
  layout->addWidget(splitter, 1);
  layout->addWidget(note);
  layout->addWidget(buttons);
  OpenAtSessionSize(this, QSize(1020, 500));
  Refresh();
}

int RobustnessDialog::rangeIndex() const {
  return rangeCombo_->currentIndex();
}

void RobustnessDialog::Refresh() {
  table_ = BreakEvenTable{};
  table_.plumeLength = plumeLength_;
  const ContaminantResult* result = nullptr;
  if (project_ && project_->results && resultIndex_ >= 0 && resultIndex_ < project_->resultCount)
    result = &project_->results[resultIndex_];
  if (result)
    table_ = ProjectCase(*project_).BreakEven(*result, plumeLength_, AssessmentRangeOf(rangeIndex()));
  // Nearest class change first; inputs without one keep their order.
  std::stable_sort(table_.inputs.begin(), table_.inputs.end(), [](const BreakEven& a, const BreakEven& b) {
    return NearestFactor(a) < NearestFactor(b);
  });

  QString name;
  if (result && result->contaminantIndex >= 0 && result->contaminantIndex < project_->contaminantCount)
    name = fromRecordText(project_->contaminants[result->contaminantIndex].name);
  const QString assessment = plumeLength_ ? tr("plume length") : tr("attenuation factor");
  QString heading = QStringLiteral("%1, %2: %3").arg(name, assessment, ClassText(table_.cls));
  if (result && table_.cls != AssessmentClass::Problems) {
    const double ratio = plumeLength_ ? result->plumeLengthRatio : result->sourceRatio;
    heading += QStringLiteral("   (%1 = %2)")
                   .arg(plumeLength_ ? QStringLiteral("d/x") : QStringLiteral("C0/C"), ValueText(ratio));
  }
  heading_->setText(heading);
  icon_->setPixmap(resultPicture(table_.cls));

  QStringList fragile;
  for (const BreakEven& entry : table_.inputs)
    if (IsFragile(entry))
      fragile << QStringLiteral("%1 (%2)").arg(BreakEvenInputName(entry.input),
                                               factorText(NearerFactor(entry)));
  if (table_.cls == AssessmentClass::Problems) {
    verdict_->setText(tr("This assessment has problems: there are no break-even values."));
  } else if (fragile.isEmpty()) {
    verdict_->setText(tr("Robust: no single input changes the class within a factor of 2."));
  } else {
    verdict_->setText(tr("Fragile: the class changes within a factor of 2 of %1.").arg(fragile.join(", ")));
  }
  verdict_->setStyleSheet(fragile.isEmpty() ? QString()
                                            : QStringLiteral("color: #a04000; font-weight: bold;"));
  fillTable();
  fillChart();
}

void RobustnessDialog::fillTable() {
  const AssessmentClass worse = Neighbour(table_.cls, -1);
  const AssessmentClass better = Neighbour(table_.cls, +1);
  const auto at = [](AssessmentClass c, const char* fallback) {
    return c == AssessmentClass::Problems ? tr(fallback) : tr("%1 at").arg(ClassText(c));
  };
  tableWidget_->setHorizontalHeaderLabels({tr("Input"), tr("Current value"),
                                           at(worse, QT_TR_NOOP("Worse at")), tr("Factor"),
                                           at(better, QT_TR_NOOP("Better at")), tr("Factor")});
  tableWidget_->setRowCount(static_cast<int>(table_.inputs.size()));
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  for (int row = 0; row < static_cast<int>(table_.inputs.size()); ++row) {
    const BreakEven& e = table_.inputs[static_cast<size_t>(row)];
    const QString input = QString::fromLatin1(BreakEvenInputName(e.input));
    auto* name = Item(input);
    name->setToolTip(InputDescription(e.input));
    tableWidget_->setItem(row, kInput, name);
    tableWidget_->setItem(row, kValue, Item(ValueText(e.value), right));
    const struct {
      const std::optional<double>& at;
      std::optional<double> factor;
      AssessmentClass target;
      int column;
    } sides[2] = {{e.worseAt, WorseFactor(e), worse, kWorseAt},
                  {e.betterAt, BetterFactor(e), better, kBetterAt}};
    for (const auto& side : sides) {
      auto* value = Item(side.at ? ValueText(*side.at) : QStringLiteral("\u2014"), right);
      auto* factor = Item(side.factor ? factorText(*side.factor) : QString(), right);
      if (!side.at) {
        value->setToolTip(side.target == AssessmentClass::Problems
                              ? tr("There is no class beyond %1.").arg(ClassText(table_.cls))
                              : tr("No value of %1 that the input checks accept reaches %2.")
                                    .arg(input, ClassText(side.target)));
      } else {
        value->setToolTip(tr("With %1 = %2 the class becomes %3 (all other inputs as they are).")
                              .arg(input, ValueText(*side.at), ClassText(side.target)));
      }
      tableWidget_->setItem(row, side.column, value);
      tableWidget_->setItem(row, side.column + 1, factor);
    }
    if (IsFragile(e)) {
      for (int column = 0; column < kColumnCount; ++column) {
        QTableWidgetItem* item = tableWidget_->item(row, column);
        item->setBackground(kFragileBackground);
        QFont font = item->font();
        font.setBold(column == kInput);
        item->setFont(font);
      }
      name->setToolTip(
          tr("%1: fragile, the class changes within a factor of 2").arg(InputDescription(e.input)));
    }
  }
  tableWidget_->resizeColumnsToContents();
  for (int column = 0; column < kColumnCount; ++column)
    tableWidget_->setColumnWidth(column, tableWidget_->columnWidth(column) + 12);
}

void RobustnessDialog::fillChart() {
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  chart_->setTitle(tr("Factor to the next class change (log scale)"));
  if (table_.inputs.empty()) return;

  const AssessmentClass worse = Neighbour(table_.cls, -1);
  const AssessmentClass better = Neighbour(table_.cls, +1);
  auto* worseSet = new QBarSet(tr("towards %1").arg(ClassText(worse)));
  auto* betterSet = new QBarSet(tr("towards %1").arg(ClassText(better)));
  worseSet->setColor(kWorseColour);
  betterSet->setColor(kBetterColour);
  worseSet->setBorderColor(kWorseColour.darker(130));
  betterSet->setBorderColor(kBetterColour.darker(130));

  // The axis reaches one decade past the farthest bar, at least one and at
  // most four decades; a bar beyond that ends at the edge.
  double reach = 0.0;
  const auto decades = [](const std::optional<double>& factor) {
    return factor && *factor > 0.0 && std::isfinite(*factor) ? std::log10(*factor) : 0.0;
  };
  for (const BreakEven& e : table_.inputs)
    reach = std::max({reach, std::fabs(decades(WorseFactor(e))), std::fabs(decades(BetterFactor(e)))});
  const int limit = std::clamp(static_cast<int>(std::ceil(reach + 0.05)), 1, 4);
  // A horizontal bar chart draws its first category at the bottom: the
  // inputs go in from the last row of the table up, so that the nearest
  // class change is at the top in both.
  QStringList categories;
  const double band = std::log10(kFragileFactor);
  for (auto it = table_.inputs.rbegin(); it != table_.inputs.rend(); ++it) {
    const BreakEven& e = *it;
    categories << QString::fromLatin1(BreakEvenInputName(e.input));
    const double worse = decades(WorseFactor(e)), better = decades(BetterFactor(e));
    *worseSet << std::clamp(worse, -double(limit), double(limit));
    *betterSet << std::clamp(better, -double(limit), double(limit));
    // A bar inside the fragile band is drawn darker.
    const int index = static_cast<int>(categories.size()) - 1;
    if (WorseFactor(e) && std::fabs(worse) <= band) worseSet->selectBar(index);
    if (BetterFactor(e) && std::fabs(better) <= band) betterSet->selectBar(index);
  }
  worseSet->setSelectedColor(kWorseColour.darker(150));
  betterSet->setSelectedColor(kBetterColour.darker(150));
  auto* series = new QHorizontalStackedBarSeries;
  series->append(worseSet);
  series->append(betterSet);
  series->setBarWidth(0.6);
  chart_->addSeries(series);
  // Green has no better class and red no worse one: no legend entry for it.
  for (QLegendMarker* marker : chart_->legend()->markers(series)) {
    const bool none = (marker->label() == worseSet->label() && worse == AssessmentClass::Problems) ||
                      (marker->label() == betterSet->label() && better == AssessmentClass::Problems);
    marker->setVisible(!none);
  }

  auto* inputs = new QBarCategoryAxis;
  inputs->append(categories);
  // The names are short; a layout made before the view has its size would
  // otherwise leave them cut to "..." for good.
  inputs->setTruncateLabels(false);
  chart_->addAxis(inputs, Qt::AlignLeft);
  series->attachAxis(inputs);

  // Decades labelled as factors.
  auto* factors = new QCategoryAxis;
  factors->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  factors->setRange(-limit, limit);
  // A label sits at the end of its category: the first one needs a sliver
  // of a category before it.
  factors->setStartValue(-limit - 1e-9);
  // Past two decades each way every other decade is labelled, from x1 out:
  // eight labels such as "x0,0001" run into each other on a laptop's screen.
  const int step = limit > 2 ? 2 : 1;
  for (int k = -limit; k <= limit; ++k)
    if (k % step == 0)
      factors->append(QStringLiteral("\u00d7") + ShownNumbers(QString::number(std::pow(10.0, k), 'g', 6)), k);
  factors->setGridLineColor(QColor(200, 200, 200));
  factors->setTruncateLabels(false);
  chart_->addAxis(factors, Qt::AlignBottom);
  series->attachAxis(factors);
}
