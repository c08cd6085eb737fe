// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ResultListModel.h"

#include <QPainterPath>
#include <cmath>

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <limits>

#include "resources/result_pictures.h"

namespace {

// The mark of a fragile verdict: an orange disc with a white tilde, unlike
// the warning sign of a row with problems.
const QIcon& fragileIcon() {
  static const QIcon icon = [] {
    QPixmap pixmap(kResultPictureSize, kResultPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(170, 90, 0));
    painter.setBrush(QColor(240, 150, 30));
    painter.drawEllipse(QRectF(1.5, 1.5, kResultPictureSize - 3, kResultPictureSize - 3));
    painter.setPen(QPen(Qt::white, 1.6));
    QPainterPath tilde;
    tilde.moveTo(4.5, 9);
    tilde.cubicTo(6, 5.5, 8, 10.5, 11.5, 7);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tilde);
    painter.end();
    return QIcon(pixmap);
  }();
  return icon;
}

}  // namespace

ResultListModel::ResultListModel(Column first, Column second, QObject* parent)
    : QAbstractTableModel(parent), columns_{std::move(first), std::move(second)} {}

void ResultListModel::setRows(std::vector<Row> rows) {
  if (rows.empty() && rows_.empty()) return;
  beginResetModel();
  rows_ = std::move(rows);
  margins_.assign(rows_.size(), std::nullopt);
  exactKnown_.assign(rows_.size(), false);
  endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

void ResultListModel::setProbabilitySource(std::function<QString(int resultIndex)> source) {
  beginResetModel();
  probabilitySource_ = std::move(source);
  endResetModel();
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : probabilitySource_ ? 5 : 4;
}

const ResultListModel::Margin& ResultListModel::margin(int row) const {
  std::optional<Margin>& cached = margins_[static_cast<size_t>(row)];
  if (!cached) {
    cached = Margin{std::numeric_limits<double>::infinity(), QString()};
    const Row& r = rows_[static_cast<size_t>(row)];
    if (r.hasValues && breakEvenSource_) {
      QStringList fragile;
      for (const BreakEven& entry : breakEvenSource_(r.resultIndex).inputs) {
        const double factor = NearestFactor(entry);
        cached->factor = std::min(cached->factor, factor);
        if (factor <= kFragileFactor)
          fragile << QStringLiteral("%1 \u00d7%2")
                         .arg(BreakEvenInputName(entry.input), QString::fromStdString(FormatFactor(factor)));
      }
      cached->nearest = fragile.join(QStringLiteral(", "));
    }
  }
  return *cached;
}

const ResultListModel::Row& ResultListModel::withExact(int row) const {
  Row& r = rows_[static_cast<size_t>(row)];
  if (!exactKnown_[static_cast<size_t>(row)]) {
    // Set first: a source that reads the row again must not come back here.
    exactKnown_[static_cast<size_t>(row)] = true;
    if (r.hasValues && exactSource_) exactSource_(r);
  }
  return r;
}

bool ResultListModel::fragile(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
  return margin(row).factor <= kFragileFactor;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  // The tooltips, the marks and the class are what may depend on the exact
  // solution; the values and names never do.
  const bool needsExact = role == ClassRole || ((role == Qt::ToolTipRole || role == Qt::DecorationRole) &&
                                                index.column() != kMarginColumn);
  const Row& r = needsExact ? withExact(index.row()) : rows_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole: {
      if (index.column() == 0) return r.name;
      if (index.column() == kProbabilityColumn)
        return r.hasValues && probabilitySource_ ? probabilitySource_(r.resultIndex) : QString();
      if (index.column() == kMarginColumn) {
        if (!r.hasValues) return QString();
        const double factor = margin(index.row()).factor;
        return std::isfinite(factor) ? QStringLiteral("\u00d7") + QString::fromStdString(FormatFactor(factor))
                                     : QStringLiteral("\u2014");
      }
      if (!r.hasValues) return QString();
      const Column& column = columns_[index.column() - 1];
      const std::string text = FormatResultValue(index.column() == 1 ? r.first : r.second, column.fixedFormat,
                                                 column.exponentFormat);
      return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::DecorationRole:
      if (index.column() == 0) return resultIcon(r.cls);
      if (index.column() == kMarginColumn && r.hasValues && fragile(index.row())) return fragileIcon();
      if (index.column() == 2 && r.hasValues && exactMarkColumn_) return exactMarkIcon(r.exactMark);
      return {};
    case Qt::ToolTipRole:
      if (index.column() != kMarginColumn) {
        const QString tip = r.chainTip.isEmpty() || r.exactTip.isEmpty()
                                ? r.chainTip + r.exactTip
                                : r.chainTip + QStringLiteral("\n\n") + r.exactTip;
        return tip.isEmpty() ? QVariant() : QVariant(tip);
      }
      if (!r.hasValues) return {};
      if (fragile(index.row()))
        return QStringLiteral("Fragile: the class changes within a factor of 2 of %1.")
            .arg(margin(index.row()).nearest);
      return std::isfinite(margin(index.row()).factor)
                 ? QStringLiteral("The smallest change of one input that changes the class.")
                 : QStringLiteral("No single input changes the class.");
    case Qt::ForegroundRole:
      if (index.column() == kMarginColumn && fragile(index.row())) return QBrush(QColor(160, 64, 0));
      return {};
    case FragileRole: return fragile(index.row());
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case ResultIndexRole: return r.resultIndex;
    case ClassRole: return static_cast<int>(r.cls);
    default: return {};
  }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole && section == kProbabilityColumn) return QStringLiteral("P(G / Y / R)");
  if (role == Qt::ToolTipRole && section == kProbabilityColumn)
    return QStringLiteral("The probability of each class from the last uncertainty run");
  if (role == Qt::DisplayRole && section == kMarginColumn) return QStringLiteral("Margin");
  if (role == Qt::ToolTipRole && section == kMarginColumn)
    return QStringLiteral(
        "The smallest factor by which one input would change the class; "
        "marked where it is within a factor of 2 (a fragile verdict)");
  if (role == Qt::DisplayRole)
    return section == 0 ? QStringLiteral("Contaminant") : columns_[section - 1].header;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}
