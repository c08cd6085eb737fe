// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/WindowSize.h"

#include <QEvent>
#include <QHash>
#include <QSize>
#include <QWidget>

#include "platform/Platform.h"

namespace {

QHash<QByteArray, QSize>& SessionSizes() {
  static QHash<QByteArray, QSize> sizes;
  return sizes;
}

// Notes the window's size as it closes; hidden rather than destroyed, since a
// modal window is hidden before its owner destroys it.
class SizeKeeper : public QObject {
 public:
  SizeKeeper(QWidget* window, QByteArray kind) : QObject(window), kind_(std::move(kind)) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched == parent())
      SessionSizes().insert(kind_, static_cast<QWidget*>(watched)->size());
    return false;
  }

 private:
  QByteArray kind_;
};

}  // namespace

void OpenAtSessionSize(QWidget* window, const QSize& wanted) {
  const QByteArray kind(window->metaObject()->className());
  const QSize last = SessionSizes().value(kind);
  ResizeWithinScreen(window, last.isValid() ? last : wanted);
  new SizeKeeper(window, kind);
}

QSize SessionSizeOf(const char* className) {
  return SessionSizes().value(QByteArray(className));
}
