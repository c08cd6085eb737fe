// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ResultColumns.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include "pages/ResultBadgeDelegate.h"
#include "pages/ResultListModel.h"

namespace {

// The least width of each column of a list, whether or not the list shows
// it yet: its header, or the widest text its values take, whichever is
// wider. Values are sized for fixed notation up to 1e7, the widest their
// formats give; names for the longest of the common database; the marks for
// four badges; the probabilities of an uncertainty run count from the
// start, since the window keeps one size.
std::vector<int> leastWidths(const QTreeView* list, bool plume, const QString& unit) {
  const QFontMetrics values = list->fontMetrics();
  // Headers measured bold, as the header view measures them: a highlighted
  // section is drawn bold.
  QFont bold = list->header()->font();
  bold.setBold(true);
  const QFontMetrics headers(bold);
  const int text = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) + 6;
  const int header = 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list) + 8;
  const int icon = list->iconSize().width() + 4;
  auto column = [&](const QString& title, const QString& widest, int extra = 0) {
    return std::max(headers.horizontalAdvance(title) + header,
                    values.horizontalAdvance(widest) + text + extra);
  };
  const QString ratio = QStringLiteral("9999999.9999999");
  std::vector<int> widths = {
      column(QCoreApplication::translate("ResultListModel", "Contaminant"),
             QStringLiteral("Tetrachloroethene (PCE)"), icon),
      column(plume ? QStringLiteral("d") : QStringLiteral("AF"),
             plume ? QStringLiteral("9999999.99") : ratio),
      column(plume ? QStringLiteral("d/x") : QStringLiteral("C0/C"), ratio, plume ? 0 : icon),
      column(QCoreApplication::translate("ResultListModel", "Margin"), QStringLiteral("\u00d71000"), icon)};
  if (!plume)
    for (const char* title : {"C(x) [%1]", "C(x) exact [%1]", "Target C [%1]"})
      widths.push_back(column(QCoreApplication::translate("ResultListModel", title).arg(unit),
                              QStringLiteral("9.999E-05")));
  widths.push_back(
      std::max(headers.horizontalAdvance(QCoreApplication::translate("ResultListModel", "Marks")) + header,
               ResultBadgeDelegate::pillsWidth(values, {QStringLiteral("chain"), QStringLiteral("wells"),
                                                        QStringLiteral("under"), QStringLiteral("\u03bb")})));
  widths.push_back(
      column(QStringLiteral("P(G / Y / R)"), QStringLiteral("G 0.000 \u00b7 Y 0.000 \u00b7 R 0.000")));
  return widths;
}

}  // namespace

// Every column at least its least width. The room left over goes to the
// names, up to a few more characters than the least, and then to the marks,
// so that values stay beside their names and the badges have room to spare.
void FitResultColumns(QTreeView* list, bool plume, const QString& unit) {
  const std::vector<int> least = leastWidths(list, plume, unit);
  const auto* model = static_cast<const ResultListModel*>(list->model());
  const int count = model->columnCount();
  int used = 0;
  // The marks and the probabilities are the last two of `least`, wherever
  // the list shows them.
  auto leastOf = [&](int column) {
    if (column == model->marksColumn()) return least[least.size() - 2];
    if (column == model->probabilityColumn()) return least.back();
    return least[static_cast<size_t>(column)];
  };
  for (int column = 0; column < count; ++column) used += leastOf(column);
  const int extra = std::max(0, list->viewport()->width() - used);
  const int toNames = std::min(extra, least[0] / 2);
  QHeaderView* header = list->header();
  for (int column = 0; column < count; ++column) {
    int width = leastOf(column);
    if (column == 0) width += toNames;
    if (column == model->marksColumn()) width += extra - toNames;
    header->resizeSection(column, width);
  }
}

int ResultListWidth(const QTreeView* list, bool plume, const QString& unit) {
  int width = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
  for (int w : leastWidths(list, plume, unit)) width += w;
  return width;
}
