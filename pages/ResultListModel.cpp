// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ResultListModel.h"

#include "platform/DecimalSign.h"

#include <QPainterPath>
#include <cmath>

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <limits>

#include "engine/core/verdict.h"
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

int ResultListModel::marksColumn() const {
  return concentrationColumns_ ? kTargetColumn + 1 : kMarginColumn + 1;
}

int ResultListModel::probabilityColumn() const {
  return marksColumn() + 1;
}

void ResultListModel::setProbabilitySource(std::function<QString(int resultIndex)> source) {
  beginResetModel();
  probabilitySource_ = std::move(source);
  endResetModel();
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return probabilityColumn() + (probabilitySource_ ? 1 : 0);
}

void ResultListModel::setConcentrationColumns(const QString& unit) {
  if (concentrationColumns_ && unit == unit_) return;
  if (!concentrationColumns_) {
    beginInsertColumns({}, kReceptorColumn, kTargetColumn);
    concentrationColumns_ = true;
    unit_ = unit;
    endInsertColumns();
    return;
  }
  unit_ = unit;
  emit headerDataChanged(Qt::Horizontal, kReceptorColumn, kTargetColumn);
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
                         .arg(BreakEvenInputName(entry.input),
                              QString::fromStdString(FormatMarginFactor(factor)));
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

std::vector<ResultListModel::Badge> ResultListModel::badges(int row) const {
  if (row < 0 || row >= size()) return {};
  const Row& r = withExact(row);
  std::vector<Badge> all = r.badges;
  if (r.straddles) all.push_back({QStringLiteral("\u00b1CA"), r.straddleTip});
  return all;
}

QString ResultListModel::rowTip(const Row& r) const {
  QStringList parts;
  if (!r.verdictTip.isEmpty()) parts << r.verdictTip;
  for (const Badge& badge : r.badges) parts << badge.tip;
  if (r.straddles) parts << r.straddleTip;
  if (!r.exactTip.isEmpty()) parts << r.exactTip;
  return parts.join(QStringLiteral("\n\n"));
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  // Only the tooltips, the mark beside "C0/C", the exact concentrations, the
  // straddle badge and (under a basis that needs it) the class need the
  // exact solution.
  const bool marks = index.column() == marksColumn();
  const bool needsExact =
      (role == Qt::ToolTipRole && index.column() != kMarginColumn) ||
      (role == Qt::DecorationRole && index.column() == 2) ||
      (concentrationColumns_ && (index.column() == kReceptorExactColumn || index.column() == kTargetColumn ||
                                 (marks && role != Qt::TextAlignmentRole))) ||
      (classNeedsExact_ && ((role == Qt::DecorationRole && index.column() == 0) || role == ClassRole));
  const Row& r = needsExact ? withExact(index.row()) : rows_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole: {
      if (index.column() == 0) return r.name;
      if (marks) {
        QStringList texts;
        for (const Badge& badge : badges(index.row())) texts << badge.text;
        return texts.join(QLatin1Char(' '));
      }
      if (index.column() == probabilityColumn())
        return r.hasValues && probabilitySource_ ? probabilitySource_(r.resultIndex) : QString();
      if (index.column() == kMarginColumn) {
        if (!r.hasValues) return QString();
        const double factor = margin(index.row()).factor;
        return std::isfinite(factor) ? QStringLiteral("\u00d7") +
                                           ShownNumbers(QString::fromStdString(FormatMarginFactor(factor)))
                                     : QStringLiteral("\u2014");
      }
      // A row its decay chain alone judges has no values of its own, but a
      // target from the chain.
      if (!r.hasValues &&
          !(index.column() == kTargetColumn && concentrationColumns_ && !std::isnan(r.target)))
        return QString();
      if (index.column() >= kReceptorColumn) {
        const double value = index.column() == kReceptorColumn        ? r.receptor
                             : index.column() == kReceptorExactColumn ? r.receptorExact
                                                                      : r.target;
        const std::string text = FormatConcentration(value);
        return ShownNumbers(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
      }
      const Column& column = columns_[index.column() - 1];
      const std::string text = FormatResultValue(index.column() == 1 ? r.first : r.second, column.fixedFormat,
                                                 column.exponentFormat);
      return ShownNumbers(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    case Qt::DecorationRole:
      if (index.column() == 0) return resultIcon(r.cls);
      if (index.column() == kMarginColumn && r.hasValues && fragile(index.row())) return fragileIcon();
      if (index.column() == 2 && r.hasValues && exactMarkColumn_) return exactMarkIcon(r.exactMark);
      return {};
    case Qt::ToolTipRole:
      if (marks) {
        QStringList tips;
        for (const Badge& badge : badges(index.row())) tips << badge.tip;
        return tips.isEmpty() ? QVariant() : QVariant(ShownNumbers(tips.join(QStringLiteral("\n\n"))));
      }
      if (index.column() != kMarginColumn) {
        const QString tip = rowTip(r);
        return tip.isEmpty() ? QVariant() : QVariant(ShownNumbers(tip));
      }
      if (!r.hasValues) return {};
      if (fragile(index.row()))
        return ShownNumbers(
            tr("Fragile: the class changes within a factor of 2 of %1.").arg(margin(index.row()).nearest));
      return std::isfinite(margin(index.row()).factor)
                 ? tr("The smallest change of one input that changes the class.")
                 : tr("No single input changes the class.");
    case Qt::ForegroundRole:
      if (index.column() == kMarginColumn && fragile(index.row())) return QBrush(QColor(160, 64, 0));
      return {};
    case FragileRole: return fragile(index.row());
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case ResultIndexRole: return r.resultIndex;
    case ClassRole: return static_cast<int>(r.cls);
    case BadgesRole:
    case BadgeTipsRole:
    case BadgeClassesRole:
    case BadgeWarningsRole: {
      if (!marks) return {};
      QStringList texts, tips;
      QVariantList classes, warnings;
      for (const Badge& badge : badges(index.row())) {
        texts << badge.text;
        tips << badge.tip;
        classes << static_cast<int>(badge.cls) << static_cast<int>(badge.secondCls);
        warnings << badge.warning;
      }
      if (role == BadgesRole) return texts;
      if (role == BadgeTipsRole) return tips;
      if (role == BadgeWarningsRole) return warnings;
      return classes;
    }
    default: return {};
  }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole && section == probabilityColumn()) return QStringLiteral("P(G / Y / R)");
  if (role == Qt::DisplayRole && section == marksColumn()) return tr("Marks");
  // The marks have a help text of their own (What's this on the column).
  if (role == Qt::WhatsThisRole && section == marksColumn()) return kMarksHelpId;
  if (role == Qt::ToolTipRole && section == marksColumn())
    return tr(
        "What else bears on the verdict: its decay chain (chain), the site's wells (wells), a model "
        "beneath the wells (under), a decay constant from the wells (λ), models on both sides of CA "
        "(±CA). Rest the mouse on a mark to read it.");
  if (role == Qt::ToolTipRole && section == probabilityColumn())
    return tr("The probability of each class from the last uncertainty run");
  if (section >= kReceptorColumn && section <= kTargetColumn) {
    static const char* const kHeaders[] = {"C(x) [%1]", QT_TR_NOOP("C(x) exact [%1]"),
                                           QT_TR_NOOP("Target C [%1]")};
    static const char* const kTips[] = {
        QT_TR_NOOP("Concentration the screening model predicts at the receptor: C0 · C(x)/C0"),
        QT_TR_NOOP(
            "Concentration the exact solution predicts at the receptor; marked where the two models fall on "
            "opposite sides of CA"),
        QT_TR_NOOP(
            "Remedial target: the source concentration C = CA · AF at which the receptor just meets CA, "
            "under the verdict basis")};
    if (role == Qt::DisplayRole) return tr(kHeaders[section - kReceptorColumn]).arg(unit_);
    if (role == Qt::ToolTipRole) return tr(kTips[section - kReceptorColumn]);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
  }
  if (role == Qt::DisplayRole && section == kMarginColumn) return tr("Margin");
  if (role == Qt::ToolTipRole && section == kMarginColumn)
    return tr(
        "The smallest factor by which one input would change the class; "
        "marked where it is within a factor of 2 (a fragile verdict)");
  if (role == Qt::DisplayRole) return section == 0 ? tr("Contaminant") : columns_[section - 1].header;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}
