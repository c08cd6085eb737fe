// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/DistributionTableModel.h"

#include <cmath>

#include "analysis/UncertaintyTexts.h"
#include "engine/core/validation.h"
#include "engine/evidence/evidence.h"
#include "engine/project/records.h"
#include "engine/site/siteproject.h"
#include "platform/Platform.h"

namespace {

// Ten digits: enough to read, and the number itself is kept beside it.
QString Number(double v) {
  return QString::number(v, 'g', 10);
}

}  // namespace

DistributionTableModel::DistributionTableModel(const Project* project, QObject* parent)
    : QAbstractTableModel(parent), project_(project) {}

int DistributionTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DistributionTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant DistributionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kInput: return tr("Input");
    case kContaminant: return tr("Contaminant");
    case kKind: return tr("Distribution");
    case kMeaning: return tr("Parameters");
    default: return QString::number(section - kFirstParameter + 1);
  }
}

Qt::ItemFlags DistributionTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.row() >= rowCount()) return Qt::NoItemFlags;
  const Row& row = rows_[static_cast<size_t>(index.row())];
  // Only lambda, C0 and CA name a contaminant; the others show none.
  if (index.column() == kContaminant && !IsContaminantInput(row.input)) return Qt::ItemIsSelectable;
  if (index.column() == kMeaning) return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant DistributionTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const Row& row = rows_[static_cast<size_t>(index.row())];
  const int column = index.column();
  if (role == Qt::ToolTipRole)
    return column == kMeaning && !row.siteNote.isEmpty() ? row.siteNote : QVariant();
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const bool edit = role == Qt::EditRole;
  switch (column) {
    case kInput: return edit ? QVariant(static_cast<int>(row.input)) : UncertainInputText(row.input);
    case kContaminant: return row.contaminant;
    case kKind: return edit ? QVariant(static_cast<int>(row.kind)) : DistributionKindText(row.kind);
    case kMeaning:
      return row.siteNote.isEmpty() ? DistributionMeaning(row.kind)
                                    : row.siteNote + QStringLiteral("; ") + DistributionMeaning(row.kind);
    default: return row.text[column - kFirstParameter];
  }
}

bool DistributionTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  Row& row = rows_[static_cast<size_t>(index.row())];
  bool offer = false;
  switch (index.column()) {
    case kInput: {
      const int input = value.toInt();
      if (input < 0 || input >= kUncertainInputCount) return false;
      if (static_cast<int>(row.input) == input) return true;
      row.input = static_cast<UncertainInput>(input);
      const QStringList names = ContaminantChoices(index.row());
      if (!IsContaminantInput(row.input))
        row.contaminant.clear();
      else if (row.contaminant.isEmpty() && !names.isEmpty())
        row.contaminant = names.front();
      offer = true;
      break;
    }
    case kContaminant: {
      const QString name = value.toString();
      if (name == row.contaminant) return true;
      row.contaminant = name;
      offer = true;
      break;
    }
    case kKind: {
      const int kind = value.toInt();
      if (kind < 0 || kind > static_cast<int>(DistributionKind::LogNormal)) return false;
      if (static_cast<int>(row.kind) == kind) return true;
      row.kind = static_cast<DistributionKind>(kind);
      break;
    }
    case kMeaning: return false;
    default: {
      // Typed, so read as typed from now on.
      const int k = index.column() - kFirstParameter;
      row.text[k] = value.toString();
      row.shown[k].reset();
      break;
    }
  }
  row.siteNote.clear();
  if (offer) fillFromSite(row);
  rowChanged(index.row());
  emit edited();
  return true;
}

void DistributionTableModel::rowChanged(int row) {
  emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void DistributionTableModel::AddRow(const InputDistribution& d, bool offerSite) {
  Row row;
  row.input = d.input;
  row.kind = d.kind;
  row.contaminant = fromRecordText(d.contaminant.c_str());
  if (IsContaminantInput(row.input) && row.contaminant.isEmpty()) {
    const QStringList names = ContaminantChoices(-1);
    if (!names.isEmpty()) row.contaminant = names.front();
  }
  if (!IsContaminantInput(row.input)) row.contaminant.clear();
  for (int k = 0; k < kParameterCount && k < static_cast<int>(d.params.size()); ++k) {
    row.text[k] = Number(d.params[static_cast<size_t>(k)]);
    row.shown[k] = d.params[static_cast<size_t>(k)];
  }
  if (offerSite && d.params.empty()) fillFromSite(row);
  const int at = rowCount();
  beginInsertRows({}, at, at);
  rows_.push_back(std::move(row));
  endInsertRows();
}

void DistributionTableModel::RemoveRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

QStringList DistributionTableModel::ContaminantChoices(int row) const {
  QStringList names;
  for (int k = 0; project_->contaminants && k < project_->contaminantCount; ++k) {
    // A chain's species reach its assessed daughters, assessed or not.
    if (project_->contaminants[k].assess || IsChainSpecies(*project_, k))
      names << fromRecordText(project_->contaminants[k].name);
  }
  // A name the list no longer has stays visible, so that the check can say so.
  if (row >= 0 && row < rowCount()) {
    const QString own = rows_[static_cast<size_t>(row)].contaminant;
    if (!own.isEmpty() && !names.contains(own)) names << own;
  }
  return names;
}

void DistributionTableModel::fillFromSite(Row& row) {
  if (row.input != UncertainInput::Lambda) return;
  SiteLambdaLogNormal site;
  if (!SiteLambdaLogNormalFor(*project_, recordBytes(row.contaminant), &site)) return;
  row.kind = DistributionKind::LogNormal;
  const double params[] = {site.median, site.geometricSd};
  for (int k = 0; k < kParameterCount; ++k) {
    row.text[k] = k < 2 ? Number(params[k]) : QString();
    if (k < 2)
      row.shown[k] = params[k];
    else
      row.shown[k].reset();
  }
  row.siteNote = tr("from the site's wells, %1 % interval %2–%3 1/d")
                     .arg(site.levelPercent)
                     .arg(QString::number(site.low, 'g', 2), QString::number(site.high, 'g', 2));
}

std::vector<InputDistribution> DistributionTableModel::Distributions(
    std::vector<std::string>* problems) const {
  std::vector<InputDistribution> read;
  for (size_t r = 0; r < rows_.size(); ++r) {
    const Row& row = rows_[r];
    InputDistribution d;
    d.input = row.input;
    if (IsContaminantInput(d.input)) d.contaminant = recordBytes(row.contaminant);
    d.kind = row.kind;
    bool ended = false;
    for (int k = 0; k < kParameterCount; ++k) {
      const QString text = row.text[k].trimmed();
      if (text.isEmpty()) {
        ended = true;
        continue;
      }
      double value = 0.0;
      QByteArray bytes = editTextBytes(text);
      const bool number =
          row.shown[k] ? (value = *row.shown[k], true) : virelo_ParseNumber(bytes.data(), &value);
      if (ended || !number || !std::isfinite(value)) {
        if (problems)
          problems->push_back("Row " + std::to_string(r + 1) + ": parameter " + std::to_string(k + 1) +
                              (ended ? " follows an empty one." : " is not a number."));
        ended = true;
        continue;
      }
      d.params.push_back(value);
    }
    read.push_back(std::move(d));
  }
  return read;
}
