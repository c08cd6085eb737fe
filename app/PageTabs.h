// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The main window's tab control with its four property pages.
#pragma once

#include <QWidget>

class CPropProject;
class CPropAqui;
class CPropConts;
class CPropResults;
class PageHost;
class PropPage;
class QTabBar;

class PageTabs : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kPageCount = 4;

  PageTabs(PageHost* host, QWidget* parent = nullptr);

  CPropProject* projectPage = nullptr;
  CPropAqui* aquiferPage = nullptr;
  CPropConts* contaminantsPage = nullptr;
  CPropResults* resultsPage = nullptr;

  // Creates the pages (hidden) and the four tabs, lays the pages out and
  // selects the first one. Called once.
  void CreatePages();
  // Commits pending edits, then shows the page of `index` with the focus.
  void SelectPage(int index);

  PropPage* page(int index) const;
  int currentIndex() const;
  // Moves the tab selection; SelectPage follows as for a user's choice.
  void setCurrentIndex(int index);
  QTabBar* tabBar() const { return tabBar_; }
  // Rectangle every page occupies.
  QRect pageRect() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void layoutPages();
  PageHost* host_;
  QTabBar* tabBar_;
};
