// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteFlowView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/SiteDataWindow.h"
#include "analysis/SiteMapPlan.h"
#include "engine/project/extras.h"
#include "engine/site/flowapply.h"
#include "engine/site/flowdirection.h"
#include "engine/site/flowfield.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"

namespace {

QString Number(double value, int digits) {
  return QString::number(value, 'g', digits);
}

// A field's number: the one it was filled with while not edited, else its
// text (a decimal comma read as a point). Empty is `*empty`.
bool FieldNumber(const QLineEdit* edit, double* value, bool* empty) {
  *empty = false;
  if (UneditedFieldNumber(edit, value)) return true;
  QString text = edit->text().trimmed();
  if (text.isEmpty()) return *empty = true, true;
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  *value = text.toDouble(&ok);
  return ok && std::isfinite(*value);
}

// A residual in millimetres of a metre, signed; one that rounds to zero is
// shown without a sign, not as "-0.000".
QString Residual(double metres) {
  const double mm = std::round(metres * 1000.0);
  return mm == 0.0 ? QStringLiteral("0.000") : QString::asprintf("%+.3f", mm / 1000.0);
}

// The decimals that show a standard error with one significant digit, or
// two when it begins with 1 or 2 (so 0.14 does not read as 0.1).
int ErrorDecimals(double se) {
  const int exponent = static_cast<int>(std::floor(std::log10(se)));
  const double lead = se / std::pow(10.0, exponent);
  return std::clamp(-exponent + (lead < 2.95 ? 1 : 0), 0, 12);
}

QString Fixed(double value, int decimals) {
  return QString::number(value + 0.0, 'f', decimals);
}

// An azimuth rounded to `decimals`, reading 0 rather than 360.
QString AzimuthFixed(double degrees, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double rounded = std::round(degrees * scale) / scale;
  return Fixed(rounded >= 360.0 ? rounded - 360.0 : rounded, decimals);
}

const SiteData& SiteOf(const Project& project) {
  return virelo_ExtrasOf(project).site;
}

}  // namespace

QStringList FlowOriginLines(const Project& project) {
  const SiteMap& map = SiteOf(project).map;
  QStringList lines;
  const bool hasI = (project.aquifer.setMask & kAquiferI) != 0;
  if (hasI && OriginHolds(map.gradientOrigin, project.aquifer.gradientI)) {
    lines << QCoreApplication::translate("SiteFlowView", "Hydraulic gradient i = %1 from the %2.")
                 .arg(Number(project.aquifer.gradientI, 6), QString::fromStdString(map.gradientOrigin.text));
  } else if (!map.gradientOrigin.empty()) {
    lines << QCoreApplication::translate(
                 "SiteFlowView",
                 "Hydraulic gradient: changed since i = %1 was taken from the heads; the heads no longer "
                 "speak for it.")
                 .arg(Number(map.gradientOrigin.value, 6));
  }
  if (map.hasAzimuth && OriginHolds(map.azimuthOrigin, map.flowAzimuth)) {
    lines << QCoreApplication::translate("SiteFlowView", "Flow azimuth %1\u00b0 from the %2.")
                 .arg(Number(map.flowAzimuth, 6), QString::fromStdString(map.azimuthOrigin.text));
  } else if (!map.azimuthOrigin.empty()) {
    // The origin's own words say which direction it was.
    const bool axis = map.azimuthOrigin.text.rfind("plume axis", 0) == 0;
    lines << QCoreApplication::translate("SiteFlowView",
                                         "Flow azimuth: changed since %1\u00b0 was taken from the %2.")
                 .arg(Number(map.azimuthOrigin.value, 6),
                      axis ? QCoreApplication::translate("SiteFlowView", "plume axis")
                           : QCoreApplication::translate("SiteFlowView", "heads"));
  }
  return lines;
}

SiteFlowView::SiteFlowView(Project* project, QWidget* parent) : QWidget(parent), project_(project) {
  plan_ = new SiteMapPlan;
  setControlId(plan_, kIdSiteFlowPlan);

  sourceE_ = new QLineEdit;
  sourceN_ = new QLineEdit;
  azimuth_ = new QLineEdit;
  sourceE_->setObjectName(QStringLiteral("siteSourceEasting"));
  sourceN_->setObjectName(QStringLiteral("siteSourceNorthing"));
  azimuth_->setObjectName(QStringLiteral("siteFlowAzimuth"));
  for (QLineEdit* edit : {sourceE_, sourceN_, azimuth_}) KeepShownDecimalSign(edit);
  place_ = new QPushButton(tr("&Place wells"));
  place_->setObjectName(QStringLiteral("sitePlaceWells"));
  auto* mapBox = new QGroupBox(tr("Site on the map"));
  setControlId(mapBox, kIdSiteMapFields);
  for (QWidget* w : {static_cast<QWidget*>(sourceE_), static_cast<QWidget*>(sourceN_),
                     static_cast<QWidget*>(azimuth_), static_cast<QWidget*>(place_)})
    setControlId(w, kIdSiteMapFields);
  auto* form = new QFormLayout(mapBox);
  form->addRow(tr("Source easting [m]"), sourceE_);
  form->addRow(tr("Source northing [m]"), sourceN_);
  form->addRow(tr("Flow azimuth [\u00b0 from north]"), azimuth_);
  form->addRow(QString(), place_);
  connect(place_, &QPushButton::clicked, this, [this] { ApplyMap(); });

  date_ = new QComboBox;
  date_->setObjectName(QStringLiteral("siteHeadsDate"));
  numbers_ = new QLabel;
  numbers_->setObjectName(QStringLiteral("siteFlowNumbers"));
  numbers_->setWordWrap(true);
  numbers_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  setControlId(date_, kIdSiteFlowNumbers);
  setControlId(numbers_, kIdSiteFlowNumbers);
  applyGradient_ = new QPushButton(tr("Apply to a&quifer"));
  applyGradient_->setObjectName(QStringLiteral("siteApplyGradient"));
  setControlId(applyGradient_, kIdSiteApplyGradient);
  useAzimuth_ = new QPushButton(tr("Use as &flow direction"));
  useAzimuth_->setObjectName(QStringLiteral("siteUseAzimuth"));
  setControlId(useAzimuth_, kIdSiteUseAzimuth);
  connect(applyGradient_, &QPushButton::clicked, this, [this] { ApplyGradient(); });
  connect(useAzimuth_, &QPushButton::clicked, this, [this] { UseAzimuth(); });
  connect(date_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) showFit();
  });

  auto* headsBox = new QGroupBox(tr("Flow field from the heads"));
  auto* heads = new QVBoxLayout(headsBox);
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(new QLabel(tr("Date")));
  dateRow->addWidget(date_, 1);
  heads->addLayout(dateRow);
  heads->addWidget(numbers_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(applyGradient_);
  buttons->addWidget(useAzimuth_);
  buttons->addStretch();
  heads->addLayout(buttons);
  heads->addStretch();

  origin_ = new QLabel;
  origin_->setObjectName(QStringLiteral("siteFlowOrigin"));
  origin_->setWordWrap(true);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("siteFlowStatus"));
  status_->setWordWrap(true);

  auto* side = new QVBoxLayout;
  side->addWidget(mapBox);
  side->addWidget(headsBox, 1);
  side->addWidget(makeAxisBox());
  side->addWidget(origin_);
  side->addWidget(status_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(plan_, 3);
  layout->addLayout(side, 2);
}

// The plume's own axis, beside the heads' azimuth: wells off the centre
// line under one direction may sit on it under the other.
QWidget* SiteFlowView::makeAxisBox() {
  axisAnalyte_ = new QComboBox;
  axisAnalyte_->setObjectName(QStringLiteral("sitePlumeAxisAnalyte"));
  axisLabel_ = new QLabel;
  axisLabel_->setObjectName(QStringLiteral("sitePlumeAxis"));
  axisLabel_->setWordWrap(true);
  axisLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  useAxis_ = new QPushButton(tr("Use plume a&xis as flow direction"));
  useAxis_->setObjectName(QStringLiteral("siteUsePlumeAxis"));
  for (QWidget* w : {static_cast<QWidget*>(axisAnalyte_), static_cast<QWidget*>(axisLabel_),
                     static_cast<QWidget*>(useAxis_)})
    setControlId(w, kIdSitePlumeAxis);
  connect(useAxis_, &QPushButton::clicked, this, [this] { UsePlumeAxis(); });
  connect(axisAnalyte_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) showAxis();
  });

  auto* axisBox = new QGroupBox(tr("Plume axis from the concentrations"));
  auto* axis = new QVBoxLayout(axisBox);
  auto* analyteRow = new QHBoxLayout;
  analyteRow->addWidget(new QLabel(tr("Contaminant")));
  analyteRow->addWidget(axisAnalyte_, 1);
  axis->addLayout(analyteRow);
  axis->addWidget(axisLabel_);
  auto* axisButtons = new QHBoxLayout;
  axisButtons->addWidget(useAxis_);
  axisButtons->addStretch();
  axis->addLayout(axisButtons);

  return axisBox;
}

void SiteFlowView::Refresh() {
  const SiteMap& map = SiteOf(*project_).map;
  if (map.hasSource) {
    ShowFieldNumber(sourceE_, Number(map.sourceEasting, 12), map.sourceEasting);
    ShowFieldNumber(sourceN_, Number(map.sourceNorthing, 12), map.sourceNorthing);
  } else {
    ShowFieldText(sourceE_);
    ShowFieldText(sourceN_);
  }
  if (map.hasAzimuth)
    ShowFieldNumber(azimuth_, Number(map.flowAzimuth, 10), map.flowAzimuth);
  else
    ShowFieldText(azimuth_);

  filling_ = true;
  const QString shown = date_->currentText();
  date_->clear();
  for (const std::string& d : FlowFieldDates(SiteOf(*project_)))
    date_->addItem(QString::fromLatin1(d.c_str()));
  // The date shown stays; the latest first otherwise.
  const int keep = date_->findText(shown);
  date_->setCurrentIndex(keep >= 0 ? keep : date_->count() - 1);
  const QByteArray analyte = axisAnalyte_->currentData().toByteArray();
  axisAnalyte_->clear();
  for (const std::string& a : PlumeAxisAnalytes(SiteOf(*project_)))
    axisAnalyte_->addItem(fromRecordText(a.c_str()), QByteArray::fromStdString(a));
  // The contaminant shown stays; the one detected at the most wells otherwise.
  axisAnalyte_->setCurrentIndex(std::max(0, axisAnalyte_->findData(analyte)));
  filling_ = false;
  showFit();
  showAxis();
}

void SiteFlowView::showAxis() {
  const SiteData& site = SiteOf(*project_);
  useAxis_->setEnabled(false);
  if (axisAnalyte_->count() == 0) {
    axisLabel_->setText(
        tr("No contaminant is detected at two or more wells with map coordinates to give the plume's axis."));
    return;
  }
  PlumeAxis axis;
  std::string why;
  if (!FitPlumeAxis(site, axisAnalyte_->currentData().toByteArray().toStdString(), &axis, &why)) {
    axisLabel_->setText(fromRecordText(why.c_str()));
    return;
  }
  axisLabel_->setText(tr("Plume axis <b>%1\u00b0</b> through %2 wells (concentration-weighted mean "
                         "bearing from the source point; resultant length %3, 1 on one bearing).")
                          .arg(Number(axis.azimuth, 4))
                          .arg(axis.wells)
                          .arg(Number(axis.resultant, 3)));
  useAxis_->setEnabled(!site.map.hasAzimuth || site.map.flowAzimuth != axis.azimuth ||
                       !OriginHolds(site.map.azimuthOrigin, axis.azimuth));
}

void SiteFlowView::showFit() {
  const SiteData& site = SiteOf(*project_);
  const QStringList origins = FlowOriginLines(*project_);
  origin_->setText(origins.join(QLatin1Char('\n')));
  applyGradient_->setEnabled(false);
  useAzimuth_->setEnabled(false);
  if (date_->count() == 0) {
    numbers_->setText(
        tr("No date has heads at three or more wells with map coordinates. Heads are samples of the analyte "
           "Head in m; the wells need easting and northing."));
    plan_->SetSite(site, nullptr);
    return;
  }
  const std::string date = date_->currentText().toStdString();
  FlowFieldFit fit;
  std::string why;
  if (!FitFlowField(HeadsOn(site, date), &fit, &why)) {
    numbers_->setText(QString::fromStdString(why));
    plan_->SetSite(site, nullptr);
    return;
  }
  QString text = tr("%1 wells: gradient i = <b>%2</b>, flow azimuth <b>%3</b> (steepest descent, "
                    "clockwise from north), rms residual %4 m.")
                     .arg(fit.n)
                     .arg(FlowGradientText(fit), FlowAzimuthText(fit), Number(fit.rmsResidual, 3));
  const std::vector<HeadPoint> points = HeadsOn(site, date);
  QStringList residuals;
  for (size_t k = 0; k < points.size(); ++k)
    residuals << QStringLiteral("%1 %2").arg(fromRecordText(points[k].well.c_str()),
                                             Residual(fit.residuals[k]));
  text += tr("<br>Residuals [m]: ") + residuals.join(QStringLiteral(", "));
  if (!fit.warning.empty()) text += tr("<br><b>Warning:</b> ") + QString::fromStdString(fit.warning);
  AzimuthSpread spread;
  if (SummarizeFlowDates(site, &spread))
    text += tr("<br>Over %1 dates: mean flow azimuth %2\u00b0, circular standard deviation "
               "%3\u00b0 (all within %4\u00b0 to %5\u00b0).")
                .arg(spread.n)
                .arg(Number(spread.mean, 4), Number(spread.circularSd, 2), Number(spread.first, 4),
                     Number(spread.last, 4));
  if (const int unplaced = HeadsWithoutCoordinates(site, date))
    text +=
        tr("<br>%1 well(s) with a head on this date have no map coordinates and are left out.").arg(unplaced);
  numbers_->setText(text);
  plan_->SetSite(site, &fit);
  const bool hasI = (project_->aquifer.setMask & kAquiferI) != 0;
  applyGradient_->setEnabled(!hasI || project_->aquifer.gradientI != fit.gradient ||
                             !OriginHolds(site.map.gradientOrigin, fit.gradient));
  useAzimuth_->setEnabled(!site.map.hasAzimuth || site.map.flowAzimuth != fit.azimuth ||
                          !OriginHolds(site.map.azimuthOrigin, fit.azimuth));
}

QString FlowGradientText(const FlowFieldFit& fit) {
  if (!std::isfinite(fit.gradientSe)) return Number(fit.gradient, 4);
  // Heads on a plane to their last digit: an error of rounding, not of the heads.
  if (fit.gradientSe <= 1e-9 * fit.gradient) return Number(fit.gradient, 4) + QStringLiteral(" \u00b1 0");
  const int d = ErrorDecimals(fit.gradientSe);
  return QStringLiteral("%1 \u00b1 %2").arg(Fixed(fit.gradient, d), Fixed(fit.gradientSe, d));
}

QStringList FlowFitCells(const FlowFieldFit& fit) {
  const QString none = QStringLiteral("-");
  QStringList cells;
  if (!std::isfinite(fit.gradientSe)) {
    cells << Number(fit.gradient, 4) << none;
  } else if (fit.gradientSe <= 1e-9 * fit.gradient) {
    cells << Number(fit.gradient, 4) << QStringLiteral("0");
  } else {
    const int d = ErrorDecimals(fit.gradientSe);
    cells << Fixed(fit.gradient, d) << Fixed(fit.gradientSe, d);
  }
  if (!std::isfinite(fit.azimuthSe)) {
    cells << Number(fit.azimuth, 4) << none << none;
  } else if (fit.azimuthSe <= 1e-9) {
    cells << Number(fit.azimuth, 4) << QStringLiteral("0") << none;
  } else {
    const int d = ErrorDecimals(fit.azimuthSe);
    cells << AzimuthFixed(fit.azimuth, d) << Fixed(fit.azimuthSe, d)
          << (fit.azimuthHalfWidth >= 180.0
                  ? QStringLiteral("any direction")
                  : QStringLiteral("%1 to %2")
                        .arg(AzimuthFixed(fit.azimuthLow, d), AzimuthFixed(fit.azimuthHigh, d)));
  }
  return cells << Number(fit.rmsResidual, 3);
}

QString FlowAzimuthText(const FlowFieldFit& fit) {
  if (!std::isfinite(fit.azimuthSe))
    return QCoreApplication::translate("SiteFlowView", "%1\u00b0 (%2 wells: no uncertainty)")
        .arg(Number(fit.azimuth, 4))
        .arg(fit.n);
  if (fit.azimuthSe <= 1e-9) return QStringLiteral("%1\u00b0 \u00b1 0\u00b0").arg(Number(fit.azimuth, 4));
  const int d = ErrorDecimals(fit.azimuthSe);
  const QString level = QString::number(kFlowAzimuthLevel * 100.0, 'g', 3);
  const QString interval = fit.azimuthHalfWidth >= 180.0
                               ? QCoreApplication::translate("SiteFlowView", "any direction")
                               : QStringLiteral("%1\u00b0 to %2\u00b0")
                                     .arg(AzimuthFixed(fit.azimuthLow, d), AzimuthFixed(fit.azimuthHigh, d));
  return QStringLiteral("%1\u00b0 \u00b1 %2\u00b0 (%3 %: %4)")
      .arg(AzimuthFixed(fit.azimuth, d), Fixed(fit.azimuthSe, d), level, interval);
}

bool SiteFlowView::ApplyMap() {
  double e = 0, n = 0, a = 0;
  bool noE = false, noN = false, noA = false;
  if (!FieldNumber(sourceE_, &e, &noE) || !FieldNumber(sourceN_, &n, &noN) || noE != noN) {
    status_->setText(tr("The source point needs both easting and northing in metres."));
    return false;
  }
  if (!FieldNumber(azimuth_, &a, &noA) || (!noA && !NormalizeAzimuth(a, &a))) {
    status_->setText(tr("The flow azimuth is given in degrees clockwise from north."));
    return false;
  }
  SiteData site = SiteOf(*project_);
  site.map.hasSource = !noE;
  site.map.sourceEasting = noE ? 0.0 : e;
  site.map.sourceNorthing = noE ? 0.0 : n;
  site.map.hasAzimuth = !noA;
  site.map.flowAzimuth = noA ? 0.0 : a;
  // Without both the wells in map coordinates wait for them, out of the
  // decay fit, keeping their easting and northing.
  const bool placed = DeriveWellOffsets(&site);
  if (site == SiteOf(*project_)) return true;
  virelo_Extras(project_).site = std::move(site);
  project_->modified = 1;
  status_->setText(placed ? tr("The wells on the map have their s and y from the new map.")
                          : tr("The wells in map coordinates take their s and y once the map has "
                               "both the source point and the flow azimuth."));
  emit siteChanged();
  Refresh();
  return true;
}

bool SiteFlowView::ApplyGradient() {
  std::string why;
  if (!ApplyHeadsGradient(project_, date_->currentText().toStdString(), &why)) return false;
  project_->modified = 1;
  emit projectChanged();
  Refresh();
  return true;
}

bool SiteFlowView::UseAzimuth() {
  std::string why;
  if (!ApplyHeadsAzimuth(project_, date_->currentText().toStdString(), &why)) return false;
  project_->modified = 1;
  emit siteChanged();
  Refresh();
  return true;
}

bool SiteFlowView::UsePlumeAxis() {
  std::string why;
  if (!ApplyPlumeAxis(project_, axisAnalyte_->currentText().toStdString(), &why)) {
    status_->setText(QString::fromStdString(why));
    return false;
  }
  project_->modified = 1;
  emit siteChanged();
  Refresh();
  return true;
}
