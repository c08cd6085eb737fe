// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A static text or picture that behaves as a web link: link texts are drawn
// pure blue and underlined, the mouse shows the link cursor, and a click asks
// the desktop to open the target.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <optional>

class HyperLink : public QLabel {
  Q_OBJECT
 public:
  explicit HyperLink(QWidget* parent = nullptr);

  QColor linkColour{0, 0, 255};
  // Cursor over the control; none means the default cursor.
  std::optional<QCursor> linkCursor;
  // Handed to the desktop's "open"; by default the maker's web address.
  QString target;

  // Applies `linkCursor` (call after changing it).
  void applyCursor();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool showsText() const;
  void settleColouring();
  std::optional<QFont> underlinedFont_;
  bool pressed_ = false;
};
