// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/HyperLink.h"

#include <QMouseEvent>
#include <QPalette>
#include <QUrl>

#include "platform/Platform.h"

HyperLink::HyperLink(QWidget* parent) : QLabel(parent), target(QStringLiteral(VIRELO_MAKER_URL)) {
  setTextFormat(Qt::PlainText);
  setAutoFillBackground(false);
}

void HyperLink::applyCursor() {
  if (linkCursor)
    setCursor(*linkCursor);
  else
    unsetCursor();
}

bool HyperLink::showsText() const {
  return pixmap().isNull() && !text().isEmpty();
}

bool HyperLink::event(QEvent* event) {
  // Settling the font at polish time lets the first layout use the
  // underlined font's size.
  if (event->type() == QEvent::Polish) settleColouring();
  return QLabel::event(event);
}

void HyperLink::paintEvent(QPaintEvent* event) {
  settleColouring();
  QLabel::paintEvent(event);
}

void HyperLink::settleColouring() {
  // Settled again before every paint, so a text set after construction is
  // drawn as a link as well; pictures keep their normal colours.
  if (showsText()) {
    if (!underlinedFont_) {
      QFont f = font();
      f.setUnderline(true);
      underlinedFont_ = f;
    }
    if (font() != *underlinedFont_) setFont(*underlinedFont_);
    QPalette pal = palette();
    if (pal.color(QPalette::WindowText) != linkColour) {
      pal.setColor(QPalette::WindowText, linkColour);
      pal.setColor(QPalette::Text, linkColour);
      setPalette(pal);
    }
  }
}

void HyperLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void HyperLink::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) {
    // The desktop decides how to open it; a failure is not ours to report.
    Platform::instance().openUrl(QUrl(target));
    event->accept();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}
