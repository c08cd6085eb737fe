// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SitePlumeView.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/ChartNumbers.h"
#include "analysis/PlumeMassChart.h"
#include "analysis/SiteDataWindow.h"
#include "analysis/SiteTables.h"
#include "engine/project/extras.h"
#include "engine/site/massdischarge.h"
#include "engine/site/plumemass.h"
#include "engine/site/sitefit.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"

namespace {

QString Num(double value, int digits = 4) {
  return sitetable::Num(value, digits);
}

// A time in days as people read it: whole days from a thousand on, never
// an exponent.
QString Days(double days) {
  return std::isfinite(days) && std::fabs(days) >= 1000.0 ? QString::number(days, 'f', 0) : Num(days, 3);
}

QString TrendText(const MannKendallResult& mk) {
  const QString words = EngineTerm(TrendClassText(mk.trend));
  if (words.isEmpty()) return QCoreApplication::translate("SitePlumeView", "no class");
  if (mk.n < 4 || TrendClassText(mk.trend)[0] == '\0') return words;
  return QStringLiteral("%1 (S = %2, %3 %)").arg(words).arg(mk.s).arg(Num(100.0 * mk.confidence, 3));
}

// Names typed with commas between them, as the records hold them.
std::vector<std::string> NameList(const QString& text) {
  std::vector<std::string> names;
  for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QString name = part.trimmed();
    if (!name.isEmpty()) names.push_back(recordBytes(name));
  }
  return names;
}

QString NameText(const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& name : names) list << fromRecordText(name.c_str());
  return list.join(QStringLiteral(", "));
}

const char* kLightColours[] = {"", "#2e7d32", "#b58900", "#c62828"};

}  // namespace

SitePlumeView::SitePlumeView(Project* project, QWidget* parent) : QWidget(parent), project_(project) {
  contaminant_ = new QComboBox;
  contaminant_->setObjectName(QStringLiteral("sitePlumeContaminant"));
  connect(contaminant_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_) return;
    fillPlume();
    fillDischarge();
  });
  roundDays_ = new QSpinBox;
  roundDays_->setObjectName(QStringLiteral("siteRoundDays"));
  roundDays_->setRange(kMinRoundDays, kMaxRoundDays);
  roundDays_->setSuffix(tr(" days"));
  roundDays_->setToolTip(
      tr("A sample date within this many days of the round's previous date joins that round. "
         "Saved with the project; the report and the lines of evidence use it too."));
  setControlId(roundDays_, kIdSiteRoundDays);
  connect(roundDays_, &QSpinBox::valueChanged, this, [this](int days) {
    if (filling_ || days == virelo_ExtrasOf(*project_).monitoring.roundDays) return;
    virelo_Extras(project_).monitoring.roundDays = days;
    changed();
  });

  rounds_ =
      sitetable::ReadOnly({tr("Round"), tr("Wells"), tr("Mass"), tr("Mass, ND at limit"), tr("Centre s [m]"),
                           tr("Centre y [m]"), tr("Spread \u03c3s [m]"), tr("Spread \u03c3y [m]")},
                          "sitePlumeRounds");
  setControlId(rounds_, kIdSitePlumeRounds);
  summary_ = new QLabel;
  summary_->setObjectName(QStringLiteral("sitePlumeSummary"));
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  chart_ = new QChartView(WithShownNumbers(new QChart));
  chart_->setObjectName(QStringLiteral("sitePlumeChart"));
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->setMinimumWidth(260);

  buildTransectControls();

  auto* options = new QHBoxLayout;
  options->addWidget(new QLabel(tr("Contaminant:")));
  options->addWidget(contaminant_, 1);
  auto* daysLabel = new QLabel(tr("&Rounds join within:"));
  daysLabel->setBuddy(roundDays_);
  options->addWidget(daysLabel);
  options->addWidget(roundDays_);
  auto* upper = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(rounds_, 1);
  left->addWidget(summary_);
  upper->addLayout(left, 3);
  upper->addWidget(chart_, 2);
  auto* upperBox = new QWidget;
  auto* upperLayout = new QVBoxLayout(upperBox);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->addLayout(options);
  upperLayout->addLayout(upper, 1);

  auto* lower = new QGroupBox(tr("Mass discharge through transects, and the background"));
  auto* lowerLayout = new QVBoxLayout(lower);
  auto* tables = new QHBoxLayout;
  auto* transectColumn = new QVBoxLayout;
  transectColumn->addWidget(transects_, 1);
  auto* transectButtons = new QHBoxLayout;
  transectButtons->addWidget(addTransect_);
  transectButtons->addWidget(removeTransect_);
  transectButtons->addStretch();
  transectColumn->addLayout(transectButtons);
  tables->addLayout(transectColumn, 2);
  tables->addWidget(discharge_, 3);
  lowerLayout->addLayout(tables, 1);
  auto* backgroundRow = new QHBoxLayout;
  auto* backgroundLabel = new QLabel(tr("&Background wells:"));
  backgroundLabel->setBuddy(background_);
  backgroundRow->addWidget(backgroundLabel);
  backgroundRow->addWidget(background_, 1);
  lowerLayout->addLayout(backgroundRow);
  lowerLayout->addWidget(message_);

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(upperBox);
  splitter->addWidget(lower);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);
}

void SitePlumeView::buildTransectControls() {
  transects_ = new QTableWidget(0, 2);
  transects_->setObjectName(QStringLiteral("siteTransects"));
  transects_->setHorizontalHeaderLabels({tr("Transect"), tr("Wells, separated by commas")});
  transects_->verticalHeader()->hide();
  transects_->horizontalHeader()->setStretchLastSection(true);
  setControlId(transects_, kIdSiteTransects);
  connect(transects_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!filling_) CommitTransect(item->row());
  });
  addTransect_ = new QPushButton(tr("Add transect"));
  addTransect_->setObjectName(QStringLiteral("siteAddTransect"));
  connect(addTransect_, &QPushButton::clicked, this, [this] {
    const int row = transects_->rowCount();
    filling_ = true;
    transects_->insertRow(row);
    transects_->setItem(row, 0, new QTableWidgetItem(QStringLiteral("T%1").arg(row + 1)));
    transects_->setItem(row, 1, new QTableWidgetItem);
    filling_ = false;
    message_->setText(tr("Type the wells of the new transect, two or more, across the flow."));
    transects_->setCurrentCell(row, 1);
    transects_->editItem(transects_->item(row, 1));
  });
  removeTransect_ = new QPushButton(tr("Remove transect"));
  removeTransect_->setObjectName(QStringLiteral("siteRemoveTransect"));
  connect(removeTransect_, &QPushButton::clicked, this, [this] {
    const int row = transects_->currentRow();
    if (row < 0) return;
    std::vector<Transect>& kept = virelo_Extras(project_).monitoring.transects;
    if (row < static_cast<int>(kept.size())) {
      kept.erase(kept.begin() + row);
      changed();
    } else {
      fillTransects();  // a row never kept
    }
  });
  discharge_ = sitetable::ReadOnly({tr("Transect"), QStringLiteral("s [m]"), tr("Rounds"),
                                    tr("Md latest [g/d]"), tr("Md trend"), tr("Next downstream")},
                                   "siteDischarge");
  background_ = new QLineEdit;
  background_->setObjectName(QStringLiteral("siteBackgroundWells"));
  background_->setPlaceholderText(tr("none marked: the wells upstream of the source"));
  setControlId(background_, kIdSiteBackground);
  connect(background_, &QLineEdit::editingFinished, this, [this] { CommitBackground(); });
  message_ = new QLabel;
  message_->setObjectName(QStringLiteral("sitePlumeMessage"));
  message_->setWordWrap(true);
}

void SitePlumeView::Refresh() {
  filling_ = true;
  const QString current = contaminant_->currentText();
  contaminant_->clear();
  for (const std::string& name : SiteContaminants(virelo_ExtrasOf(*project_).site))
    contaminant_->addItem(fromRecordText(name.c_str()));
  const int again = contaminant_->findText(current);
  if (again >= 0) contaminant_->setCurrentIndex(again);
  roundDays_->setValue(virelo_ExtrasOf(*project_).monitoring.roundDays);
  filling_ = false;
  fillPlume();
  fillTransects();
  fillDischarge();
  fillBackground();
}

void SitePlumeView::fillPlume() {
  const std::string name = recordBytes(contaminant_->currentText());
  const PlumeMassResult r =
      PlumeMassOf(virelo_ExtrasOf(*project_).site, name, PlumeMassOptionsFor(*project_, name));
  QString unit = r.estimator == "line" ? QStringLiteral("kg/m") : QStringLiteral("kg");
  if (r.perMetreThickness) unit += tr(" per m of b");
  rounds_->setHorizontalHeaderItem(2, new QTableWidgetItem(tr("Mass [%1]").arg(unit)));
  rounds_->setHorizontalHeaderItem(3, new QTableWidgetItem(tr("Mass, ND at limit [%1]").arg(unit)));
  rounds_->setRowCount(static_cast<int>(r.rounds.size()));
  for (int row = 0; row < rounds_->rowCount(); ++row) {
    const PlumeRound& round = r.rounds[static_cast<size_t>(row)];
    const PlumeMoments& m = round.moments;
    sitetable::SetRow(rounds_, row,
                      {QString::fromStdString(round.date), QString::number(round.wells.size()), Num(m.mass),
                       Num(m.massUpper), Num(m.centreS), Num(m.centreY), Num(m.spreadS), Num(m.spreadY)});
  }
  rounds_->resizeColumnsToContents();

  QStringList lines;
  if (name.empty()) {
    lines << tr("No monitoring data: import the wells' samples on \"Wells and samples\".");
  } else if (r.estimator.empty()) {
    lines << tr("No mass: the wells with a value in every round are too few.");
  } else {
    lines << (r.estimator == "line"
                  ? tr("Estimator: linear along s between the wells, which lie nearly in a row "
                       "(mass per metre of plume width).")
                  : tr("Estimator: linear on the Delaunay triangles of the wells, over their hull."));
    lines << tr("Wells compared: %1.").arg(NameText(r.wells));
    lines << tr("Mass: %1; centre of mass: %2; spread: %3.")
                 .arg(TrendText(r.mass.mannKendall), TrendText(r.centreS.mannKendall),
                      TrendText(r.spreadS.mannKendall));
    if (std::isfinite(r.halfLife))
      lines << tr("Mass half-life %1 d (%2 to %3).")
                   .arg(Days(r.halfLife), Days(r.halfLifeLow),
                        std::isinf(r.halfLifeHigh) ? QStringLiteral("\u221e") : Days(r.halfLifeHigh));
    if (std::isfinite(r.drift))
      lines << tr("Drift of the centre %1 m/d (%2 to %3) against v/R %4 m/d.")
                   .arg(Num(r.drift, 2), Num(r.driftLow, 2), Num(r.driftHigh, 2),
                        std::isfinite(r.retardedVelocity) ? Num(r.retardedVelocity, 2) : tr("unknown"));
  }
  if (!name.empty()) {
    const int light = static_cast<int>(r.light);
    lines << (r.light == PlumeLight::kNone
                  ? tr("<b>No light</b>: four rounds of the same wells are needed, the site gives %1.")
                        .arg(r.rounds.size())
                  : tr("<b>Plume light: <span style=\"color:%1\">%2</span></b>")
                        .arg(QLatin1String(kLightColours[light]), light == 1   ? tr("Green")
                                                                  : light == 2 ? tr("Yellow")
                                                                               : tr("Red")));
  }
  for (const std::string& left : r.leftOut)
    lines << tr("Left out: %1").arg(EngineText(fromRecordText(left.c_str())).toHtmlEscaped());
  for (const std::string& note : r.notes) lines << EngineText(note).toHtmlEscaped();
  summary_->setText(lines.join(QStringLiteral("<br>")));

  QChart* old = chart_->chart();
  chart_->setChart(BuildPlumeMassChart(r));
  delete old;
}

void SitePlumeView::fillTransects() {
  filling_ = true;
  const std::vector<Transect>& kept = virelo_ExtrasOf(*project_).monitoring.transects;
  transects_->setRowCount(static_cast<int>(kept.size()));
  for (int row = 0; row < transects_->rowCount(); ++row) {
    const Transect& t = kept[static_cast<size_t>(row)];
    transects_->setItem(row, 0, new QTableWidgetItem(fromRecordText(t.name.c_str())));
    transects_->setItem(row, 1, new QTableWidgetItem(NameText(t.wells)));
  }
  transects_->resizeColumnToContents(0);
  filling_ = false;
}

void SitePlumeView::fillDischarge() {
  const ProjectExtras& extras = virelo_ExtrasOf(*project_);
  const std::string name = recordBytes(contaminant_->currentText());
  discharge_->setRowCount(0);
  message_->clear();
  if (name.empty()) return;
  if (extras.monitoring.transects.empty()) {
    message_->setText(
        tr("No transect yet: \"Add transect\" and type the wells across the flow to see "
           "the mass discharge; the lines of evidence show it too."));
    return;
  }
  const MassDischargeResult r =
      MassDischargeOf(extras.site, name, extras.monitoring.transects, MassDischargeOptionsFor(*project_));
  if (!r.problem.empty()) {
    message_->setText(tr("No mass discharge: %1").arg(fromRecordText(r.problem.c_str())));
    return;
  }
  discharge_->setRowCount(static_cast<int>(r.transects.size()));
  for (int row = 0; row < discharge_->rowCount(); ++row) {
    const TransectDischarge& t = r.transects[static_cast<size_t>(row)];
    QString next;
    for (const TransectDecline& d : r.declines)
      if (d.upstream == t.name && std::isfinite(d.ratio))
        next = QStringLiteral("%1: %2 % (%3)")
                   .arg(fromRecordText(d.downstream.c_str()), Num(100.0 * d.ratio, 3),
                        QString::fromStdString(d.date));
    sitetable::SetRow(
        discharge_, row,
        {fromRecordText(t.name.c_str()), Num(t.s, 3), QString::number(t.rounds.size()),
         t.rounds.empty() ? QString()
                          : QStringLiteral("%1 (%2)").arg(Num(t.rounds.back().discharge),
                                                          QString::fromStdString(t.rounds.back().date)),
         TrendText(t.trend), next});
    if (!t.leftOut.empty())
      discharge_->item(row, 2)->setToolTip(
          tr("Left out:\n%1").arg(fromRecordText(t.leftOut.front().c_str())));
  }
  discharge_->resizeColumnsToContents();
  if (r.perMetreThickness)
    message_->setText(tr("Saturated thickness b not entered (Aquifer page): Md per metre of thickness."));
}

void SitePlumeView::fillBackground() {
  const ProjectExtras& extras = virelo_ExtrasOf(*project_);
  background_->setText(NameText(extras.monitoring.backgroundWells));
  // A mark outlives its well when the site data are imported again without
  // it; the score reads only the wells still there, and the tab says so
  // rather than leaving a name in the field that silently counts for nothing.
  QStringList gone;
  for (const std::string& well : extras.monitoring.backgroundWells)
    if (!extras.site.FindWell(well)) gone << fromRecordText(well.c_str());
  if (gone.isEmpty()) return;
  const QString note = gone.size() == 1
                           ? tr("Background well %1 is no longer in the site data and counts for nothing.")
                           : tr("Background wells %1 are no longer in the site data and count for nothing.");
  const QString before = message_->text();
  message_->setText((before.isEmpty() ? QString() : before + QLatin1Char(' ')) +
                    note.arg(gone.join(QStringLiteral(", "))));
}

bool SitePlumeView::CommitTransect(int row) {
  if (row < 0 || row >= transects_->rowCount()) return false;
  const QTableWidgetItem* nameItem = transects_->item(row, 0);
  const QTableWidgetItem* wellsItem = transects_->item(row, 1);
  Transect t;
  t.name = recordBytes(nameItem ? nameItem->text().trimmed() : QString());
  t.wells = NameList(wellsItem ? wellsItem->text() : QString());
  std::vector<Transect> kept = virelo_ExtrasOf(*project_).monitoring.transects;
  const bool isNew = row >= static_cast<int>(kept.size());
  std::vector<Transect> others = kept;
  if (!isNew) others.erase(others.begin() + row);
  std::string problem = TransectProblem(t, others);
  const SiteData& site = virelo_ExtrasOf(*project_).site;
  for (const std::string& well : t.wells)
    if (problem.empty() && !site.FindWell(well)) problem = "There is no well " + well + ".";
  if (!problem.empty()) {
    message_->setText(fromRecordText(problem.c_str()));
    // A kept transect stays as it was; a new row waits to be completed.
    if (!isNew) fillTransects();
    return false;
  }
  if (isNew)
    kept.push_back(t);
  else
    kept[static_cast<size_t>(row)] = t;
  virelo_Extras(project_).monitoring.transects = kept;
  message_->clear();
  changed();
  return true;
}

bool SitePlumeView::CommitBackground() {
  const std::vector<std::string> wells = NameList(background_->text());
  const SiteData& site = virelo_ExtrasOf(*project_).site;
  const std::vector<std::string>& marked = virelo_ExtrasOf(*project_).monitoring.backgroundWells;
  for (const std::string& well : wells)
    // A well marked before and since gone from the site may stay while the
    // user edits the others; only a newly typed name must exist.
    if (!site.FindWell(well) && std::find(marked.begin(), marked.end(), well) == marked.end()) {
      message_->setText(
          tr("There is no well %1: the background wells are as before.").arg(fromRecordText(well.c_str())));
      fillBackground();
      return false;
    }
  if (wells == virelo_ExtrasOf(*project_).monitoring.backgroundWells) return true;
  virelo_Extras(project_).monitoring.backgroundWells = wells;
  message_->clear();
  changed();
  return true;
}

void SitePlumeView::changed() {
  project_->modified = 1;
  emit projectChanged();
  Refresh();
}
