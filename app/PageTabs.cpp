// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/PageTabs.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "pages/CPropAqui.h"
#include "pages/CPropConts.h"
#include "pages/CPropProject.h"
#include "pages/CPropResults.h"

namespace {
// Smallest page area, so that a page with a small size hint still gets a
// window of a sensible size.
constexpr int kMinPageWidth = 560;
constexpr int kMinPageHeight = 380;
}  // namespace

PageTabs::PageTabs(PageHost* host, QWidget* parent)
    : QWidget(parent), host_(host), tabBar_(new QTabBar(this)) {
  tabBar_->setObjectName("pageTabBar");
  tabBar_->setDrawBase(false);
  tabBar_->setExpanding(false);
  setFocusPolicy(Qt::NoFocus);
}

void PageTabs::CreatePages() {
  if (projectPage) return;
  projectPage = new CPropProject(host_, this);
  aquiferPage = new CPropAqui(host_, this);
  contaminantsPage = new CPropConts(host_, this);
  resultsPage = new CPropResults(host_, this);
  projectPage->setObjectName("projectPage");
  aquiferPage->setObjectName("aquiferPage");
  contaminantsPage->setObjectName("contaminantsPage");
  resultsPage->setObjectName("resultsPage");
  for (int i = 0; i < kPageCount; ++i) page(i)->hide();

  const QSignalBlocker quiet(tabBar_);
  tabBar_->addTab(tr("Project"));
  tabBar_->addTab(tr("Aquifer"));
  tabBar_->addTab(tr("Contaminants"));
  tabBar_->addTab(tr("Results"));
  tabBar_->adjustSize();
  // Every tab change, by mouse, keyboard or command, goes through SelectPage.
  connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0) SelectPage(index);
  });

  updateGeometry();
  layoutPages();
  tabBar_->setCurrentIndex(0);
  SelectPage(0);
}

void PageTabs::SelectPage(int index) {
  if (index < 0 || index >= kPageCount || !projectPage) return;
  host_->CommitPageEdits();
  for (int i = 0; i < kPageCount; ++i)
    if (i != index) page(i)->hide();
  page(index)->show();
  page(index)->setFocus(Qt::TabFocusReason);
}

PropPage* PageTabs::page(int index) const {
  switch (index) {
    case 0: return projectPage;
    case 1: return aquiferPage;
    case 2: return contaminantsPage;
    case 3: return resultsPage;
    default: return nullptr;
  }
}

int PageTabs::currentIndex() const {
  return tabBar_->currentIndex();
}

void PageTabs::setCurrentIndex(int index) {
  tabBar_->setCurrentIndex(index);
}

QRect PageTabs::pageRect() const {
  // The client rectangle less 2 pixels on the left, right and bottom, and
  // less the first tab header's height plus 5 pixels at the top.
  const int headerHeight = tabBar_->count() > 0 ? tabBar_->tabRect(0).height() : tabBar_->sizeHint().height();
  return rect().adjusted(2, headerHeight + 5, -2, -2);
}

QSize PageTabs::sizeHint() const {
  int w = kMinPageWidth;
  int h = kMinPageHeight;
  for (int i = 0; i < kPageCount; ++i) {
    if (const QWidget* p = page(i)) {
      w = qMax(w, p->sizeHint().width());
      h = qMax(h, p->sizeHint().height());
    }
  }
  const int headerHeight = tabBar_->sizeHint().height();
  return {qMax(w + 4, tabBar_->sizeHint().width()), h + headerHeight + 7};
}

void PageTabs::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutPages();
}

void PageTabs::layoutPages() {
  tabBar_->setGeometry(0, 0, qMin(width(), tabBar_->sizeHint().width()), tabBar_->sizeHint().height());
  const QRect r = pageRect();
  for (int i = 0; i < kPageCount; ++i)
    if (QWidget* p = page(i)) p->setGeometry(r);
}

void PageTabs::paintEvent(QPaintEvent*) {
  // The frame around the pages, joined to the selected tab header.
  QPainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.shape = QTabBar::RoundedNorth;
  frame.tabBarSize = tabBar_->size();
  frame.tabBarRect = tabBar_->geometry();
  frame.selectedTabRect = tabBar_->tabRect(tabBar_->currentIndex());
  const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
  frame.rect = rect().adjusted(0, tabBar_->height() - overlap, 0, 0);
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
