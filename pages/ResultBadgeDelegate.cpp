// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ResultBadgeDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "engine/project/assessment.h"
#include "pages/ResultListModel.h"

namespace {

constexpr int kCellMargin = 4;   // left of the first pill, right of the last
constexpr int kPillPadding = 5;  // text to the pill's rounded ends
constexpr int kPillGap = 3;

// The light's colours, a little paler so that black or white text reads on
// them; grey for a badge without a class.
QColor fillOf(AssessmentClass c) {
  switch (c) {
    case AssessmentClass::Red: return QColor(214, 56, 48);
    case AssessmentClass::Yellow: return QColor(243, 197, 50);
    case AssessmentClass::Green: return QColor(62, 150, 70);
    case AssessmentClass::Problems: break;
  }
  return QColor(206, 206, 210);
}

QColor textOn(AssessmentClass c) {
  return c == AssessmentClass::Red || c == AssessmentClass::Green ? Qt::white : Qt::black;
}

}  // namespace

// Deep orange: apart from the lights' red and yellow, and far from the grey
// of a badge that has nothing to say.
QColor ResultBadgeDelegate::warningColour() {
  return QColor(230, 110, 20);
}

namespace {}  // namespace

std::vector<QRect> ResultBadgeDelegate::pillRects(const QRect& rect, const QFontMetrics& metrics,
                                                  const QStringList& texts) {
  std::vector<QRect> rects;
  const int height = std::min(rect.height() - 2, metrics.height() + 2);
  int x = rect.left() + kCellMargin;
  for (const QString& text : texts) {
    const int width = metrics.horizontalAdvance(text) + 2 * kPillPadding;
    rects.emplace_back(x, rect.top() + (rect.height() - height) / 2, width, height);
    x += width + kPillGap;
  }
  return rects;
}

int ResultBadgeDelegate::pillsWidth(const QFontMetrics& metrics, const QStringList& texts) {
  int width = 2 * kCellMargin;
  for (const QString& text : texts) width += metrics.horizontalAdvance(text) + 2 * kPillPadding;
  return width + kPillGap * std::max<int>(0, texts.size() - 1);
}

void ResultBadgeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QStringList texts = index.data(ResultListModel::BadgesRole).toStringList();
  if (texts.isEmpty()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The cell's background and selection as usual, without its text.
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  cell.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

  const QVariantList classes = index.data(ResultListModel::BadgeClassesRole).toList();
  const QVariantList warnings = index.data(ResultListModel::BadgeWarningsRole).toList();
  QFont font = option.font;
  const QFontMetrics metrics(font);
  const std::vector<QRect> rects = pillRects(option.rect, metrics, texts);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setFont(font);
  for (int k = 0; k < texts.size(); ++k) {
    const QRectF pill = QRectF(rects[static_cast<size_t>(k)]).adjusted(0.5, 0.5, -0.5, -0.5);
    const auto first = static_cast<AssessmentClass>(classes.value(2 * k).toInt());
    const auto second = static_cast<AssessmentClass>(classes.value(2 * k + 1).toInt());
    QPainterPath shape;
    shape.addRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    if (warnings.value(k).toBool()) {
      painter->setPen(QPen(warningColour().darker(140), 1.0));
      painter->setBrush(warningColour());
      painter->drawPath(shape);
      painter->setPen(Qt::white);
      painter->drawText(pill, Qt::AlignCenter, texts[k]);
      continue;
    }
    painter->setPen(Qt::NoPen);
    painter->setBrush(fillOf(first));
    painter->drawPath(shape);
    if (second != AssessmentClass::Problems && second != first) {
      // The second class on the right half.
      painter->save();
      painter->setClipRect(QRectF(pill.center().x(), pill.top(), pill.width() / 2 + 1, pill.height()));
      painter->setBrush(fillOf(second));
      painter->drawPath(shape);
      painter->restore();
    }
    painter->setPen(QPen(fillOf(first).darker(140), 1.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(shape);
    const bool split = second != AssessmentClass::Problems && second != first;
    const bool yellow = first == AssessmentClass::Yellow || second == AssessmentClass::Yellow;
    painter->setPen(split ? QColor(yellow ? Qt::black : Qt::white) : textOn(first));
    painter->drawText(pill, Qt::AlignCenter, texts[k]);
  }
  painter->restore();
}

QSize ResultBadgeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const QStringList texts = index.data(ResultListModel::BadgesRole).toStringList();
  if (!texts.isEmpty()) size.setWidth(pillsWidth(QFontMetrics(option.font), texts));
  return size;
}

bool ResultBadgeDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event && view && event->type() == QEvent::ToolTip) {
    const QStringList texts = index.data(ResultListModel::BadgesRole).toStringList();
    const QStringList tips = index.data(ResultListModel::BadgeTipsRole).toStringList();
    const std::vector<QRect> rects = pillRects(option.rect, QFontMetrics(option.font), texts);
    for (size_t k = 0; k < rects.size() && static_cast<qsizetype>(k) < tips.size(); ++k) {
      if (!rects[k].contains(event->pos())) continue;
      QToolTip::showText(event->globalPos(), tips[static_cast<qsizetype>(k)], view->viewport(), rects[k]);
      return true;
    }
  }
  return QStyledItemDelegate::helpEvent(event, view, option, index);
}
