// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/PropPage.h"

#include <QApplication>
#include <QKeyEvent>

PropPage::PropPage(PageHost* host, QWidget* parent) : QWidget(parent), host_(host) {
  // The page takes the focus when told to (its tab was selected) or clicked,
  // and hands it on; it is no stop of its own in the Tab order, where it
  // would send Tab back to the remembered control instead of onwards.
  setFocusPolicy(Qt::ClickFocus);
  connect(qApp, &QApplication::focusChanged, this, &PropPage::onFocusChanged);
}

PropPage::~PropPage() {
  // Destroying the children moves the focus; by then rememberedFocus_ is
  // gone, so the page must stop listening first.
  disconnect(qApp, &QApplication::focusChanged, this, &PropPage::onFocusChanged);
}

void PropPage::onFocusChanged(QWidget* old, QWidget* now) {
  // The page loses the focus when it moves from one of our children to a
  // widget outside the page.
  if (old && old != this && isAncestorOf(old) && (!now || (now != this && !isAncestorOf(now))))
    rememberedFocus_ = old;
}

void PropPage::restoreFocus() {
  if (rememberedFocus_ && rememberedFocus_->isEnabled() && rememberedFocus_->isVisibleTo(this)) {
    rememberedFocus_->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (QWidget* w = defaultFocusWidget()) w->setFocus(Qt::OtherFocusReason);
}

void PropPage::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  restoreFocus();
}

void PropPage::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();  // a page is never closed by the keyboard
      return;
    default: QWidget::keyPressEvent(event);
  }
}
