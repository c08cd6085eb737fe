// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteDecayView.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstring>
#include <set>

#include "analysis/SiteCharts.h"
#include "analysis/SiteDataWindow.h"
#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "engine/site/sitelambda.h"
#include "engine/site/siteproject.h"
#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"

namespace {

QString Num(double value) {
  return std::isfinite(value) ? ShownNumbers(QString::number(value + 0.0, 'g', 4)) : QStringLiteral("-");
}

}  // namespace

SiteDecayView::SiteDecayView(Project* project, QWidget* parent) : QWidget(parent), project_(project) {
  contaminant_ = new QComboBox;
  contaminant_->setObjectName(QStringLiteral("siteDecayContaminant"));
  date_ = new QComboBox;
  date_->setObjectName(QStringLiteral("siteDecayDate"));
  level_ = new QComboBox;
  level_->setObjectName(QStringLiteral("siteDecayLevel"));
  for (int level : {80, 90, 95}) level_->addItem(QStringLiteral("%1 %").arg(level), level);
  level_->setCurrentIndex(1);
  for (QWidget* w :
       {static_cast<QWidget*>(contaminant_), static_cast<QWidget*>(date_), static_cast<QWidget*>(level_)})
    setControlId(w, kIdSiteDecayOptions);
  connect(contaminant_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_) return;
    fillDates();
    refit();
  });
  connect(date_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) refit();
  });
  connect(level_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) refit();
  });

  chartView_ = new QChartView;
  chartView_->setObjectName(QStringLiteral("siteDecayChart"));
  chartView_->setRenderHint(QPainter::Antialiasing);
  chartView_->setMinimumSize(420, 300);
  setControlId(chartView_, kIdSiteDecayChart);

  numbers_ = new QLabel;
  numbers_->setObjectName(QStringLiteral("siteDecayNumbers"));
  numbers_->setTextFormat(Qt::RichText);
  numbers_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  setControlId(numbers_, kIdSiteDecayNumbers);
  warnings_ = new QLabel;
  warnings_->setObjectName(QStringLiteral("siteDecayWarnings"));
  warnings_->setWordWrap(true);
  warnings_->setStyleSheet(QStringLiteral("color: #a33;"));
  setControlId(warnings_, kIdSiteDecayNumbers);
  use_ = new QPushButton(tr("&Use as decay constant"));
  use_->setObjectName(QStringLiteral("siteUseLambda"));
  setControlId(use_, kIdSiteUseLambda);
  connect(use_, &QPushButton::clicked, this, [this] { UseAsDecayConstant(); });

  auto* form = new QFormLayout;
  form->addRow(tr("&Contaminant:"), contaminant_);
  form->addRow(tr("D&ate:"), date_);
  form->addRow(tr("&Level:"), level_);
  auto* side = new QVBoxLayout;
  side->addLayout(form);
  side->addWidget(numbers_);
  side->addWidget(warnings_);
  side->addStretch();
  side->addWidget(use_);
  auto* sideBox = new QWidget;
  sideBox->setLayout(side);
  sideBox->setMaximumWidth(360);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(chartView_, 1);
  layout->addWidget(sideBox);
}

void SiteDecayView::Refresh() {
  filling_ = true;
  const QString current = contaminant_->currentText();
  contaminant_->clear();
  for (const ContaminantSeries& s : GatherSeries(virelo_ExtrasOf(*project_).site))
    contaminant_->addItem(fromRecordText(s.contaminant.c_str()));
  const int again = contaminant_->findText(current);
  if (again >= 0) contaminant_->setCurrentIndex(again);
  filling_ = false;
  fillDates();
  refit();
}

void SiteDecayView::fillDates() {
  filling_ = true;
  date_->clear();
  const SiteData& site = virelo_ExtrasOf(*project_).site;
  const std::string name = recordBytes(contaminant_->currentText());
  std::set<std::string> dates;
  for (const SiteSample& s : site.samples)
    if (s.analyte == name) dates.insert(s.date);
  for (auto it = dates.rbegin(); it != dates.rend(); ++it) date_->addItem(QString::fromLatin1(it->c_str()));
  const int chosen = date_->findText(QString::fromLatin1(DefaultFitDate(site, name).c_str()));
  if (chosen >= 0) date_->setCurrentIndex(chosen);
  filling_ = false;
}

void SiteDecayView::refit() {
  const std::string name = recordBytes(contaminant_->currentText());
  SiteFitOptions options = SiteFitOptionsFor(*project_, name, level_->currentData().toInt());
  options.date = date_->currentText().toStdString();
  fit_ = FitDistance(virelo_ExtrasOf(*project_).site, name, options);

  QChart* old = chartView_->chart();
  chartView_->setChart(BuildSiteDecayChart(fit_));
  delete old;

  const LineFit& l = fit_.line;
  QString text = QStringLiteral("<table>");
  auto row = [&](const QString& label, const QString& value) {
    text += QStringLiteral("<tr><td>%1&nbsp;</td><td>%2</td></tr>").arg(label, value);
  };
  row(tr("Wells in the fit"), QString::number(fit_.points.size()));
  if (l.ok) row(tr("Slope m"), Num(l.slope) + QStringLiteral(" 1/m"));
  if (std::isfinite(l.slopeLow))
    row(tr("%1 % interval").arg(fit_.levelPercent),
        Num(l.slopeLow) + QStringLiteral(" to ") + Num(l.slopeHigh));
  if (std::isfinite(l.r2)) row(QStringLiteral("R\u00b2"), Num(l.r2));
  if (std::isfinite(fit_.bulkK))
    row(tr("Bulk rate k = \u2212m\u00b7v"), Num(fit_.bulkK) + QStringLiteral(" 1/d"));
  if (fit_.hasLambda) {
    row(tr("<b>\u03bb</b> (Buscheck\u2013"
           "Alcantar)"),
        QStringLiteral("<b>%1 1/d</b>").arg(Num(fit_.lambda)));
    row(tr("%1 % interval of \u03bb").arg(fit_.levelPercent),
        Num(fit_.lambdaLow) + QStringLiteral(" to ") + Num(fit_.lambdaHigh));
    row(tr("Half-life"), Num(fit_.halfLife) + QStringLiteral(" d"));
  }
  text += QStringLiteral("</table>");
  if (!fit_.nonDetects.empty()) {
    QStringList names;
    for (const SitePoint& p : fit_.nonDetects)
      names << QStringLiteral("%1 (&lt;%2)").arg(fromRecordText(p.well.c_str()), Num(p.value));
    text += tr("<p>Not detected, left out: %1</p>").arg(names.join(QStringLiteral(", ")));
  }
  numbers_->setText(text);
  QStringList warnings;
  for (const std::string& w : fit_.warnings) warnings << EngineText(fromRecordText(w.c_str()));
  warnings_->setText(warnings.join(QStringLiteral("\n")));
  use_->setEnabled(fit_.hasLambda);
}

bool SiteDecayView::UseAsDecayConstant() {
  if (!fit_.hasLambda) return false;
  // A daughter's concentrations fall by its decay less what its parent
  // forms along the way: the fit gives a net, apparent rate. The user
  // decides with that said, and the source keeps saying it.
  if (const DecayChain* chain = ChainWithDaughter(*project_, fit_.contaminant);
      chain && UseSiteLambdaWouldApply()) {
    QStringList species;
    for (const std::string& name : chain->species) species << contaminantNameOf(*project_, name);
    const QString name = contaminantNameOf(*project_, fit_.contaminant);
    const QString question =
        tr("%1 is a daughter product in the decay chain %2.\n\nAlong the wells its "
           "concentration falls by its own decay less what its parent forms, so the fitted "
           "\u03bb = %3 1/d is an apparent rate (formation minus decay), not the decay "
           "constant of %1. The decay chain adds the formation again.\n\nUse it as the "
           "decay constant of %1 all the same?")
            .arg(name, species.join(QStringLiteral(" \u2192 ")), Num(fit_.lambda));
    if (Platform::instance().messageBox(this, question, tr("Virelo"), Platform::Ok | Platform::Cancel,
                                        Platform::Icon::Question) != Platform::Ok)
      return false;
  }
  const SiteLambdaTaken taken = SiteLambdaFor(*project_, fit_);
  if (const Contaminant* c = UseSiteLambda(project_, fit_)) {
    QString text = tr("\u03bb = %1 1/d is now the user-defined decay constant of %2.")
                       .arg(Num(taken.lambda), contaminantNameOf(*project_, c->name));
    // The wells measure the effective rate; say how the constant came from it.
    if (taken.factor != 1.0)
      text += tr(" The wells' rate %1 1/d is \u03bb\u00b7R with R = %2 (decay of dissolved and "
                 "sorbed phase).")
                  .arg(Num(fit_.lambda), Num(taken.factor));
    warnings_->setText(text);
    emit projectChanged();
    return true;
  }
  warnings_->setText(
      tr("The project has no contaminant called %1.").arg(fromRecordText(fit_.contaminant.c_str())));
  return false;
}

// Whether the project has the fit's contaminant, so that a question about
// it is worth asking.
bool SiteDecayView::UseSiteLambdaWouldApply() const {
  for (int k = 0; k < project_->contaminantCount; ++k) {
    const Contaminant& c = project_->contaminants[k];
    if (fit_.contaminant == std::string(c.name, strnlen(c.name, sizeof c.name))) return true;
  }
  return false;
}
