// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/PlumeView.h"

#include <QApplication>
#include <QBrush>
#include <QChart>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "analysis/CentrelineChart.h"
#include "analysis/PlanView.h"
#include "engine/case/projectcase.h"
#include "engine/core/exact.h"
#include "engine/project/records.h"
#include "engine/project/transport.h"
#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

// Help identifier of the window: F1 opens its section of the manual.
constexpr int kIdPlumeView = 1370;

QString concentration(double v) {
  if (!std::isfinite(v)) return QCoreApplication::translate("PlumeView", "infinite!");
  return ShownNumbers(QString::number(v, 'E', 2));
}

QString metres(double v) {
  return ShownNumbers(QString::number(v, 'g', 4));
}

}  // namespace

CentrelineChartView::CentrelineChartView(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
  setMinimumSize(360, 200);
}

void CentrelineChartView::showProfile(const PlumeProfile& profile) {
  profile_ = &profile;
  QChart* old = chart();
  setChart(BuildCentrelineChart(profile));
  delete old;  // setChart leaves the old chart to the caller
  // The hover marks live in the new chart's scene, above the series.
  cursor_ = new QGraphicsLineItem(chart());
  cursor_->setPen(QPen(QColor(0x60, 0x60, 0x60), 1.0, Qt::DotLine));
  const QColor colours[2] = {QColor(0x1f, 0x5f, 0xa8), QColor(0xd9, 0x5f, 0x0e)};
  for (int i = 0; i < 2; ++i) {
    dots_[i] = new QGraphicsEllipseItem(-4, -4, 8, 8, chart());
    dots_[i]->setBrush(colours[i]);
    dots_[i]->setPen(QPen(Qt::white, 1.2));
  }
  callout_ = new QGraphicsRectItem(chart());
  callout_->setBrush(QColor(255, 255, 255, 230));
  callout_->setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
  calloutText_ = new QGraphicsSimpleTextItem(callout_);
  for (QGraphicsItem* item : std::initializer_list<QGraphicsItem*>{cursor_, dots_[0], dots_[1], callout_}) {
    item->setZValue(100);
    item->hide();
  }
  setHoverText({});
}

void CentrelineChartView::mouseMoveEvent(QMouseEvent* event) {
  hover(event->position());
  QChartView::mouseMoveEvent(event);
}

void CentrelineChartView::leaveEvent(QEvent* event) {
  hover(QPointF(-1, -1));
  QChartView::leaveEvent(event);
}

void CentrelineChartView::setHoverText(const QString& text) {
  if (text == hoverText_) return;
  hoverText_ = text;
  emit hoverChanged(text);
}

void CentrelineChartView::hover(const QPointF& at) {
  QChart* c = chart();
  if (!profile_ || !c || !cursor_ || profile_->s.empty() || c->series().isEmpty()) return;
  const QPointF inChart = c->mapFromScene(mapToScene(at.toPoint()));
  const QRectF plot = c->plotArea();
  if (!plot.contains(inChart)) {
    for (QGraphicsItem* item : std::initializer_list<QGraphicsItem*>{cursor_, dots_[0], dots_[1], callout_})
      item->hide();
    setHoverText({});
    return;
  }
  QAbstractSeries* screeningSeries = c->series().first();
  const double s = c->mapToValue(inChart, screeningSeries).x();
  // The samples are evenly spaced: the nearest is found by rounding.
  const int n = static_cast<int>(profile_->s.size());
  const int k = std::clamp(static_cast<int>(std::lround(s / profile_->sMax * n)) - 1, 0, n - 1);
  const double sk = profile_->s[k];
  const double values[2] = {profile_->screening[k], profile_->exact[k]};

  const double top = plot.top();
  const double bottom = plot.bottom();
  const double xPos = c->mapToPosition(QPointF(sk, 1.0), screeningSeries).x();
  cursor_->setLine(xPos, top, xPos, bottom);
  cursor_->show();
  for (int i = 0; i < 2; ++i) {
    const QPointF p = c->mapToPosition(QPointF(sk, values[i] > 0.0 ? values[i] : 1e-300), screeningSeries);
    dots_[i]->setPos(p);
    dots_[i]->setVisible(values[i] > 0.0 && p.y() >= top - 1 && p.y() <= bottom + 1);
  }
  const QString text = tr("s = %1 m\nScreening C/C0 = %2\nExact C/C0 = %3")
                           .arg(metres(sk), concentration(values[0]), concentration(values[1]));
  calloutText_->setText(text);
  const QRectF textRect = calloutText_->boundingRect();
  QRectF box(0, 0, textRect.width() + 10, textRect.height() + 8);
  calloutText_->setPos(5, 4);
  // Beside the cursor, on whichever side has room, inside the plot.
  double left = inChart.x() + 14;
  if (left + box.width() > plot.right()) left = inChart.x() - 14 - box.width();
  const double boxTop =
      std::max(top + 2, std::min(inChart.y() - box.height() - 10, bottom - box.height() - 2));
  callout_->setRect(box);
  callout_->setPos(std::max(plot.left() + 2, left), boxTop);
  callout_->show();
  setHoverText(QString(text).replace(QLatin1Char('\n'), QStringLiteral(";  ")));
}

PlumeView::PlumeView(const Project* project, AssessmentRange range, int resultIndex, QWidget* parent)
    : QDialog(parent), project_(project), range_(range) {
  setWindowTitle(tr("Plume view"));
  setSizeGripEnabled(true);
  AnswerF1WithManual(this, kIdPlumeView);

  contaminants_ = new QComboBox;
  contaminants_->setObjectName(QStringLiteral("plumeContaminant"));
  const int count = (project_ && project_->results) ? project_->resultCount : 0;
  for (int i = 0; i < count; ++i) {
    if (!HasPlumeProfile(*project_, i)) continue;
    results_.push_back(i);
    contaminants_->addItem(
        fromRecordText(project_->contaminants[project_->results[i].contaminantIndex].name));
  }
  auto* label = new QLabel(tr("&Contaminant:"));
  label->setBuddy(contaminants_);
  auto* top = new QHBoxLayout;
  top->addWidget(label);
  top->addWidget(contaminants_, 1);
  top->addStretch(2);

  summary_ = new QLabel;
  summary_->setObjectName(QStringLiteral("plumeSummary"));
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  readout_ = new QLabel;
  readout_->setObjectName(QStringLiteral("plumeReadout"));
  readout_->setTextFormat(Qt::PlainText);
  readout_->setForegroundRole(QPalette::PlaceholderText);

  chartView_ = new CentrelineChartView;
  planView_ = new PlanViewWidget;
  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(chartView_);
  splitter->addWidget(planView_);
  splitter->setStretchFactor(0, 5);
  splitter->setStretchFactor(1, 4);
  connect(chartView_, &CentrelineChartView::hoverChanged, this, [this](const QString& text) {
    readout_->setText(text.isEmpty() ? tr("Point at the chart to read both values at a distance.") : text);
  });

  auto* buttons = new QHBoxLayout;
  for (bool chart : {true, false}) {
    auto* button = new QPushButton(chart ? tr("Export c&hart") : tr("Export p&lan view"));
    auto* menu = new QMenu(button);
    QAction* png = menu->addAction(tr("As &PNG image..."));
    QAction* svg = menu->addAction(tr("As &SVG drawing..."));
    png->setObjectName(chart ? QStringLiteral("exportChartPng") : QStringLiteral("exportPlanPng"));
    svg->setObjectName(chart ? QStringLiteral("exportChartSvg") : QStringLiteral("exportPlanSvg"));
    connect(png, &QAction::triggered, this, [this, chart] { exportAs(chart, false); });
    connect(svg, &QAction::triggered, this, [this, chart] { exportAs(chart, true); });
    button->setMenu(menu);
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  auto* close = new QPushButton(tr("Close"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(summary_);
  layout->addWidget(splitter, 1);
  layout->addWidget(readout_);
  layout->addLayout(buttons);
  OpenAtSessionSize(this, QSize(900, 760));

  const auto start = std::find(results_.begin(), results_.end(), resultIndex);
  const int entry = start != results_.end() ? static_cast<int>(start - results_.begin()) : 0;
  if (!results_.empty()) {
    contaminants_->setCurrentIndex(entry);
    showResult(results_[entry]);
  } else {
    summary_->setText(tr("No contaminant has an attenuation factor without problems."));
    chartView_->setEnabled(false);
  }
  emit chartView_->hoverChanged({});
  connect(contaminants_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0 && i < static_cast<int>(results_.size())) showResult(results_[i]);
  });
}

bool PlumeView::showResult(int resultIndex) {
  PlumeProfile profile;
  if (!project_ || !BuildPlumeProfile(*project_, resultIndex, kPoints, &profile)) return false;
  profile_ = std::move(profile);
  const auto at = std::find(results_.begin(), results_.end(), resultIndex);
  if (at != results_.end()) {
    const QSignalBlocker blocker(contaminants_);
    contaminants_->setCurrentIndex(static_cast<int>(at - results_.begin()));
  }
  chartView_->showProfile(profile_);
  // The plan's distances line up with the chart's: the chart leaves room
  // on its right for the plan's legend, and the plan follows the chart's
  // plot whenever that moves.
  QChart* chart = chartView_->chart();
  const QMarginsF margins = chart->margins();
  chart->setMargins(QMargins(static_cast<int>(margins.left()), static_cast<int>(margins.top()),
                             static_cast<int>(PlanViewPicture::legendRoom(QFontMetricsF(planView_->font()))),
                             static_cast<int>(margins.bottom())));
  connect(chart, &QChart::plotAreaChanged, this, &PlumeView::alignPlan);
  alignPlan();
  planView_->picture().setProfile(profile_, CentrelineAxisRange(profile_).lower);
  planView_->pictureChanged();

  // The results page fills the exact values; a result without them gets
  // them here, in a copy.
  ContaminantResult r = project_->results[resultIndex];
  ProjectCase::AddExact(*project_, r);
  const AssessmentClass screeningClass = ClassifyAttenuationFactor(r.sourceRatio, range_);
  const AssessmentClass exactClass = ClassifyExactAttenuationFactor(r, range_);
  QString text =
      tr("At the receptor (x = %1 m): C/C0 = %2 (screening model), %3 (exact solution); CA/C0 = %4.")
          .arg(metres(profile_.x), concentration(profile_.screeningAtX), concentration(profile_.exactAtX),
               concentration(profile_.caRatio));
  text += tr("\nVerdict (screening model): %1.").arg(EngineTerm(AssessmentClassName(screeningClass)));
  if (exactClass != screeningClass)
    text += tr(" The exact solution would give %1.").arg(EngineTerm(AssessmentClassName(exactClass)));
  if (!profile_.fieldNote.isEmpty()) text += QLatin1Char('\n') + profile_.fieldNote;
  summary_->setText(text);
  return true;
}

void PlumeView::alignPlan() {
  QChart* chart = chartView_->chart();
  const QRectF plot = chart->plotArea();
  if (!plot.isValid()) return;
  auto toPlan = [this, chart](QPointF at) {
    // The chart view keeps its scene the size of its viewport, at the
    // origin; mapping through the view would catch it mid-resize.
    const QPoint inView = chart->mapToScene(at).toPoint();
    return planView_->mapFrom(this, chartView_->viewport()->mapTo(this, inView)).x();
  };
  planView_->setPlotSpan(toPlan(plot.topLeft()), toPlan(plot.topRight()));
}

bool PlumeView::writePicture(const QString& fileName, bool svg, QSize size,
                             const std::function<void(QPainter&, QRectF)>& draw) {
  QSaveFile file(fileName);
  bool ok = file.open(QIODevice::WriteOnly);
  if (ok && svg) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(windowTitle());
    generator.setDescription(profile_.name);
    QPainter painter;
    ok = painter.begin(&generator);
    if (ok) {
      draw(painter, QRectF(QPointF(0, 0), size));
      ok = painter.end();
    }
  } else if (ok) {
    // Twice the size on screen, so that the picture stays sharp in documents.
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    ok = image.save(&file, "PNG");
  }
  ok = ok && file.commit();
  if (!ok) {
    Platform::instance().messageBox(
        this, tr("Could not write \"%1\": %2").arg(QFileInfo(fileName).fileName(), file.errorString()),
        tr("Virelo-Error"), Platform::Ok, Platform::Icon::Error);
  }
  return ok;
}

bool PlumeView::exportChart(const QString& fileName, bool svg) {
  if (profile_.resultIndex < 0) return false;
  return writePicture(fileName, svg, chartView_->size(), [this](QPainter& painter, QRectF target) {
    // A chart of its own, without the marks of the mouse.
    std::unique_ptr<QChart> chart(BuildCentrelineChart(profile_));
    RenderChart(chart.get(), &painter, target);
  });
}

bool PlumeView::exportPlan(const QString& fileName, bool svg) {
  if (profile_.resultIndex < 0) return false;
  return writePicture(fileName, svg, planView_->size(), [this](QPainter& painter, QRectF target) {
    planView_->picture().paint(painter, target);
  });
}

void PlumeView::exportAs(bool chart, bool svg) {
  const QString fileName =
      Platform::instance().getSaveFileName(this, svg ? tr("SVG drawing (*.svg)") : tr("PNG image (*.png)"),
                                           svg ? QStringLiteral("svg") : QStringLiteral("png"));
  if (fileName.isEmpty()) return;
  if (chart)
    exportChart(fileName, svg);
  else
    exportPlan(fileName, svg);
}
