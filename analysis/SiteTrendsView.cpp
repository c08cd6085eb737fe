// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteTrendsView.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "analysis/SiteCharts.h"
#include "analysis/SiteDataWindow.h"
#include "analysis/SiteTables.h"
#include "engine/project/extras.h"
#include "engine/project/redoxchange.h"
#include "engine/site/redox.h"
#include "engine/site/siteproject.h"
#include "engine/site/solventscore.h"
#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"

namespace {

QString Num(double value, int digits = 3) {
  return sitetable::Num(value, digits);
}

QString RedoxName(int condition) {
  const char* text = virelo_RedoxText(condition);
  return EngineTerm(text ? text : "none");
}

QString Lambda(double value) {
  return QString::number(value, 'g', 6);
}

// "MTBE (now 0.0021 1/d, the preset under UNKOWN / VARIABLE)" for a value
// that goes, "Benzene: 0.001899 -> 0.009 1/d" for one replaced.
QString ChangeLine(const Project& project, const RedoxLambdaChange& change) {
  const QString name = contaminantName(project, change.contaminant);
  if (!change.hasTo)
    return QCoreApplication::translate("SiteTrendsView", "%1 (now %2 1/d, the preset under %3)")
        .arg(name, Lambda(change.from), RedoxName(change.fromCondition));
  return QStringLiteral("%1: %2 \u2192 %3 1/d").arg(name, Lambda(change.from), Lambda(change.to));
}

// The redox table's column of the chlorinated-solvent screening score.
constexpr int kSolventColumn = 12;

}  // namespace

SiteTrendsView::SiteTrendsView(Project* project, QWidget* parent) : QWidget(parent), project_(project) {
  contaminant_ = new QComboBox;
  contaminant_->setObjectName(QStringLiteral("siteTrendContaminant"));
  well_ = new QComboBox;
  well_->setObjectName(QStringLiteral("siteTrendWell"));
  connect(contaminant_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) fillTrends();
  });
  connect(well_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) showWell();
  });
  chartView_ = new QChartView;
  chartView_->setObjectName(QStringLiteral("siteTrendChart"));
  chartView_->setRenderHint(QPainter::Antialiasing);
  chartView_->setMinimumSize(300, 260);
  setControlId(chartView_, kIdSiteTrendChart);

  trendTable_ =
      sitetable::ReadOnly({tr("Well"), QStringLiteral("n"), tr("k point [1/d]"), tr("Half-life [d]"),
                           QStringLiteral("S"), tr("Confidence"), tr("COV"), tr("Trend")},
                          "siteTrendTable");
  setControlId(trendTable_, kIdSiteTrendTable);
  connect(trendTable_, &QTableWidget::cellClicked, this, [this](int row) { well_->setCurrentIndex(row); });
  redoxTable_ = sitetable::ReadOnly(
      {tr("Well"), tr("Date"), QStringLiteral("O2"), QStringLiteral("NO3-N"), QStringLiteral("Mn"),
       QStringLiteral("Fe(II)"), QStringLiteral("SO4"), QStringLiteral("H2S"), QStringLiteral("CH4"),
       tr("Redox class"), tr("Rests on"), tr("Missing"), tr("Solvent score"), tr("Why")},
      "siteRedoxTable");
  setControlId(redoxTable_, kIdSiteRedoxTable);
  suggestion_ = new QLabel;
  suggestion_->setObjectName(QStringLiteral("siteRedoxSuggestion"));
  suggestion_->setWordWrap(true);
  apply_ = new QPushButton(tr("A&pply to aquifer"));
  apply_->setObjectName(QStringLiteral("siteApplyRedox"));
  setControlId(apply_, kIdSiteApplyRedox);
  connect(apply_, &QPushButton::clicked, this, [this] { ApplyRedox(); });
  applied_ = new QLabel;
  applied_->setObjectName(QStringLiteral("siteRedoxApplied"));
  applied_->setWordWrap(true);
  applied_->setTextFormat(Qt::PlainText);
  applied_->hide();

  auto* form = new QFormLayout;
  form->addRow(tr("C&ontaminant:"), contaminant_);
  form->addRow(tr("&Well:"), well_);
  auto* top = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addWidget(trendTable_, 1);
  // The trend table takes the larger share: at the window's default size
  // all its columns show without scrolling sideways.
  top->addLayout(left, 3);
  top->addWidget(chartView_, 2);
  auto* topBox = new QWidget;
  topBox->setLayout(top);

  auto* bottom = new QVBoxLayout;
  bottom->addWidget(
      new QLabel(tr("Redox indicators [mg/L] and their class (thresholds of the USGS redox framework)")));
  bottom->addWidget(redoxTable_, 1);
  auto* suggestionRow = new QHBoxLayout;
  suggestionRow->addWidget(suggestion_, 1);
  suggestionRow->addWidget(apply_);
  bottom->addLayout(suggestionRow);
  bottom->addWidget(applied_);
  auto* bottomBox = new QWidget;
  bottomBox->setLayout(bottom);

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(topBox);
  splitter->addWidget(bottomBox);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);
}

void SiteTrendsView::Refresh() {
  filling_ = true;
  const QString current = contaminant_->currentText();
  contaminant_->clear();
  const SiteData& site = virelo_ExtrasOf(*project_).site;
  for (const ContaminantSeries& s : GatherSeries(site))
    contaminant_->addItem(fromRecordText(s.contaminant.c_str()));
  const int again = contaminant_->findText(current);
  if (again >= 0) contaminant_->setCurrentIndex(again);
  filling_ = false;
  fillTrends();

  const std::vector<RedoxReading> readings = ReadRedox(site);
  const SolventBackground background = SolventBackgroundOf(*project_);
  const QString backgroundText = EngineText(SolventBackgroundText(background));
  redoxTable_->setRowCount(static_cast<int>(readings.size()));
  for (int row = 0; row < redoxTable_->rowCount(); ++row) {
    const RedoxReading& r = readings[static_cast<size_t>(row)];
    // Indicators in mg/L; "<" marks a detection limit, "-" a missing value.
    auto shown = [](const Indicator& i) {
      if (!i.present) return QStringLiteral("-");
      return (i.nonDetect ? QStringLiteral("<") : QString()) + ShownNumbers(QString::number(i.value, 'g', 3));
    };
    const RedoxIndicators& in = r.indicators;
    const SolventScore score = ScoreSolvent(
        in, SolventDaughtersAt(site, virelo_ExtrasOf(*project_).chains, r.well, r.date), background);
    sitetable::SetRow(
        redoxTable_, row,
        {fromRecordText(r.well.c_str()), QString::fromLatin1(r.date.c_str()), shown(in.oxygen),
         shown(in.nitrateN), shown(in.manganese), shown(in.iron), shown(in.sulfate), shown(in.sulfide),
         shown(in.methane), EngineTerm(kRedoxConditions[r.condition].text), EngineText(r.basis),
         EngineText(r.missing),
         score.scored
             ? QStringLiteral("%1 (%2)").arg(score.total).arg(EngineTerm(SolventReadingWord(score.total)))
             : QString(),
         EngineText(QString::fromStdString(r.rule))});
    // Every row without points is named, measured or not, so that a total
    // is never read as the whole table.
    // The rows and reasons are the engine's words, each shown in the
    // windows' language.
    QStringList leftOut, missing, points;
    for (const SolventRowLeftOut& left : score.leftOut)
      leftOut << EngineTerm(left.row) + QStringLiteral(": ") + EngineTerm(left.reason);
    for (const std::string& parameter : score.missing) missing << EngineTerm(parameter.c_str());
    for (const SolventPoints& p : score.used)
      points << EngineTerm(p.parameter.c_str()) + QLatin1Char(' ') + QString::number(p.points);
    const QString notScored = leftOut.join(QLatin1Char('\n'));
    const QString notMeasured = missing.isEmpty() ? QStringLiteral("-") : missing.join(QLatin1Char(';'));
    redoxTable_->item(row, kSolventColumn)
        ->setToolTip(score.scored
                         ? tr("%1\nPoints: %2\nNot measured: %3\nNot scored:\n%4\nBackground: %5")
                               .arg(EngineText(SolventReadingText(score.total)),
                                    points.join(QStringLiteral(", ")), notMeasured, notScored, backgroundText)
                         : tr("No screening row measured: %1\nNot scored:\n%2\nBackground: %3")
                               .arg(notMeasured, notScored, backgroundText));
  }
  redoxTable_->resizeColumnsToContents();
  std::string reason;
  suggested_ = SuggestRedox(site, readings, &reason);
  suggestion_->setText(tr("Suggested redox condition: <b>%1</b> (%2). The aquifer has %3.")
                           .arg(EngineTerm(kRedoxConditions[suggested_].text), EngineText(reason),
                                EngineTerm(virelo_RedoxText(project_->aquifer.redoxCondition)
                                               ? virelo_RedoxText(project_->aquifer.redoxCondition)
                                               : "none")));
  const bool applicable = !readings.empty() && suggested_ != project_->aquifer.redoxCondition;
  apply_->setEnabled(applicable);
  // Said before the click, so that the question that follows it is no surprise.
  if (const size_t changing = applicable ? RedoxLambdaChanges(*project_, suggested_).size() : 0)
    suggestion_->setText(suggestion_->text() +
                         tr(" Applying it changes the preset decay constant of %1 assessed %2.")
                             .arg(changing)
                             .arg(changing == 1 ? tr("contaminant") : tr("contaminants")));
}

void SiteTrendsView::fillTrends() {
  const std::string name = recordBytes(contaminant_->currentText());
  const std::vector<TimeFit> fits =
      FitTimes(virelo_ExtrasOf(*project_).site, name, SiteFitOptionsFor(*project_, name, 90));
  filling_ = true;
  const QString well = well_->currentText();
  well_->clear();
  trendTable_->setRowCount(static_cast<int>(fits.size()));
  for (int row = 0; row < trendTable_->rowCount(); ++row) {
    const TimeFit& f = fits[static_cast<size_t>(row)];
    const MannKendallResult& mk = f.mannKendall;
    well_->addItem(fromRecordText(f.well.c_str()));
    sitetable::SetRow(
        trendTable_, row,
        {fromRecordText(f.well.c_str()), QString::number(f.points.size()), Num(f.kPoint), Num(f.halfLife),
         mk.n >= 4 ? QString::number(mk.s) : QString(),
         std::isfinite(mk.confidence) ? Num(100.0 * mk.confidence, 4) + QStringLiteral(" %") : QString(),
         Num(mk.cov, 2), EngineTerm(TrendClassText(mk.trend))});
  }
  trendTable_->resizeColumnsToContents();
  const int again = well_->findText(well);
  if (again >= 0) well_->setCurrentIndex(again);
  filling_ = false;
  showWell();
}

void SiteTrendsView::showWell() {
  const std::string name = recordBytes(contaminant_->currentText());
  const std::string well = recordBytes(well_->currentText());
  QChart* chart = nullptr;
  for (const TimeFit& f :
       FitTimes(virelo_ExtrasOf(*project_).site, name, SiteFitOptionsFor(*project_, name, 90)))
    if (f.well == well) {
      chart = BuildSiteTrendChart(f);
      if (f.mannKendall.trend != TrendClass::kNone)
        chart->setTitle(chart->title() + QStringLiteral(": ") +
                        EngineTerm(TrendClassText(f.mannKendall.trend)));
    }
  QChart* old = chartView_->chart();
  chartView_->setChart(chart ? chart : new QChart);
  delete old;
}

bool SiteTrendsView::ApplyRedox() {
  if (redoxTable_->rowCount() == 0) return false;
  const int condition = suggested_;
  const QString to = RedoxName(condition);
  const std::vector<RedoxLambdaChange> changes = RedoxLambdaChanges(*project_, condition);
  RedoxPresetChoice choice = RedoxPresetChoice::TakeNewPresets;
  if (!changes.empty()) {
    // A decay constant the verdict rests on never changes or vanishes
    // unasked: the user sees each one and may keep it.
    QStringList lost, replaced;
    for (const RedoxLambdaChange& change : changes)
      (change.hasTo ? replaced : lost) << QStringLiteral("  ") + ChangeLine(*project_, change);
    QString text = tr("Applying %1 to the aquifer changes the decay constant of assessed "
                      "contaminants that use a database preset.")
                       .arg(to);
    if (!lost.isEmpty())
      text +=
          tr("\n\nUnder %1 the database has no decay constant for:\n").arg(to) + lost.join(QLatin1Char('\n'));
    if (!replaced.isEmpty())
      text +=
          tr("\n\nUnder %1 the database preset differs for:\n").arg(to) + replaced.join(QLatin1Char('\n'));
    text += tr("\n\nYes: apply it and keep their present decay constants as user-defined values.\n"
               "No: apply it; they take the presets under %1%2.\n"
               "Cancel: leave the aquifer as it is.")
                .arg(to, lost.isEmpty() ? QString()
                                        : tr(", and those without one are left without a decay "
                                             "constant"));
    const int answer = Platform::instance().messageBox(
        this, text, tr("Apply redox condition"), Platform::Yes | Platform::No | Platform::Cancel,
        lost.isEmpty() ? Platform::Icon::Question : Platform::Icon::Warning);
    if (answer != Platform::Yes && answer != Platform::No) {
      applied_->setText(
          tr("Not applied: the aquifer keeps %1.").arg(RedoxName(project_->aquifer.redoxCondition)));
      applied_->show();
      return false;
    }
    if (answer == Platform::Yes) choice = RedoxPresetChoice::KeepPresent;
  }
  ApplyRedoxCondition(project_, condition, choice);
  emit projectChanged();
  Refresh();
  applied_->setText(AppliedText(to, changes, choice));
  applied_->show();
  return true;
}

QString SiteTrendsView::AppliedText(const QString& to, const std::vector<RedoxLambdaChange>& changes,
                                    RedoxPresetChoice choice) const {
  QString text = tr("%1 applied to the aquifer.").arg(to);
  if (changes.empty()) return text + tr(" No assessed contaminant's decay constant changed.");
  QStringList kept, replaced, lost;
  for (const RedoxLambdaChange& change : changes) {
    const QString name = contaminantName(*project_, change.contaminant);
    if (choice == RedoxPresetChoice::KeepPresent)
      kept << QStringLiteral("%1 (%2 1/d)").arg(name, Lambda(change.from));
    else if (change.hasTo)
      replaced << ChangeLine(*project_, change);
    else
      lost << name;
  }
  if (!kept.isEmpty())
    text += tr(" Kept as user-defined decay constants: %1.").arg(kept.join(QStringLiteral(", ")));
  if (!replaced.isEmpty()) text += tr(" New presets: %1.").arg(replaced.join(QStringLiteral(", ")));
  if (!lost.isEmpty())
    text += tr(" No decay constant now (enter one on the Contaminants page): %1.")
                .arg(lost.join(QStringLiteral(", ")));
  return text;
}
