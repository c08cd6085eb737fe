// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The page protocol shared by the four pages of the main window's tab control.
#pragma once

#include <QPointer>
#include <QWidget>

struct Project;

// What a page may ask of the window that holds it (the main window).
class PageHost {
 public:
  virtual ~PageHost() = default;
  // Applies every page with pending edits to the current project.
  virtual int CommitPageEdits() = 0;
  // Marks the contaminants page modified (the aquifer page does this on
  // every edit, because presets and markers depend on the aquifer).
  virtual void MarkContaminantsPageModified() = 0;
};

class PropPage : public QWidget {
  Q_OBJECT
 public:
  explicit PropPage(PageHost* host, QWidget* parent = nullptr);
  ~PropPage() override;

  // Fills the page from the project and clears pageModified.
  virtual int ShowProject(Project* project) = 0;
  // Writes the page's controls back into the project.
  virtual int ApplyToProject(Project*) { return 1; }

  bool pageModified = false;

 protected:
  // Remembers the focused child when the page loses focus and passes focus
  // back to it when the page receives focus (fallback when none is
  // remembered: defaultFocusWidget(), or the page itself).
  virtual QWidget* defaultFocusWidget() { return nullptr; }
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // Enter does nothing; Escape goes to the window (Exit)
  void restoreFocus();

  PageHost* host_;
  QPointer<QWidget> rememberedFocus_;

 private:
  void onFocusChanged(QWidget* old, QWidget* now);
};
