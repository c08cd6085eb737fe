// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ContaminantTreeModel.h"

#include <QCoreApplication>

#include "engine/project/records.h"
#include "platform/Platform.h"
#include "resources/marker_pictures.h"

namespace {
// Internal id of an entry: 0 for a group entry (at the root); for a
// contaminant entry, 1 + the row of its group.
constexpr quintptr kGroupId = 0;
}  // namespace

// The groups are fixed and the database keeps their English names; the tree
// and the editor show them in the windows' language.
[[maybe_unused]] static const char* const kGroupTexts[] = {
    QT_TRANSLATE_NOOP("ContaminantGroup", "BTEX"),
    QT_TRANSLATE_NOOP("ContaminantGroup", "Chlorobenzenes"),
    QT_TRANSLATE_NOOP("ContaminantGroup", "Chlorinated Aliphatics"),
    QT_TRANSLATE_NOOP("ContaminantGroup", "Hydrocarbons"),
    QT_TRANSLATE_NOOP("ContaminantGroup", "PAH"),
    QT_TRANSLATE_NOOP("ContaminantGroup", "Pesticides"),
    QT_TRANSLATE_NOOP("ContaminantGroup", "Compounds"),
    QT_TRANSLATE_NOOP("ContaminantGroup", "Other"),
};

QString ContaminantGroupText(const char* name) {
  return QCoreApplication::translate("ContaminantGroup", name);
}

ContaminantTreeModel::ContaminantTreeModel(QObject* parent) : QAbstractItemModel(parent) {
  rebuild(nullptr);
}

void ContaminantTreeModel::rebuild(const Project* project) {
  beginResetModel();
  groups_.clear();
  for (int row = 0; kContaminantGroups[row].code >= 0; ++row) {
    Group g;
    g.code = kContaminantGroups[row].code;
    g.text = QStringLiteral("[%1]").arg(ContaminantGroupText(kContaminantGroups[row].name));
    groups_.push_back(std::move(g));
  }
  const int count = project && project->contaminants ? std::max<int>(0, project->contaminantCount) : 0;
  position_.assign(count, Position{});
  names_.assign(count, QString());
  markers_.assign(count, 1);
  for (int i = 0; i < count; ++i) {
    const Contaminant& c = project->contaminants[i];
    for (size_t row = 0; row < groups_.size(); ++row) {
      if (groups_[row].code != c.group) continue;
      position_[i] = {static_cast<int>(row), static_cast<int>(groups_[row].members.size())};
      groups_[row].members.push_back(i);
      names_[i] = contaminantName(*project, i);
      break;
    }
  }
  endResetModel();
}

bool ContaminantTreeModel::isContaminantEntry(const QModelIndex& index) const {
  return index.isValid() && index.model() == this && index.internalId() != kGroupId;
}

int ContaminantTreeModel::contaminantIndex(const QModelIndex& index) const {
  if (!isContaminantEntry(index)) return -1;
  const auto& members = groups_[index.internalId() - 1].members;
  return index.row() < static_cast<int>(members.size()) ? members[index.row()] : -1;
}

QModelIndex ContaminantTreeModel::indexForContaminant(int contaminantIndex) const {
  if (contaminantIndex < 0 || contaminantIndex >= contaminantCount()) return {};
  const Position& pos = position_[contaminantIndex];
  if (pos.groupRow < 0) return {};
  return createIndex(pos.childRow, 0, static_cast<quintptr>(pos.groupRow + 1));
}

int ContaminantTreeModel::marker(int contaminantIndex) const {
  if (contaminantIndex < 0 || contaminantIndex >= contaminantCount()) return 0;
  return markers_[contaminantIndex];
}

void ContaminantTreeModel::setMarkerQuietly(int contaminantIndex, int picture) {
  if (contaminantIndex < 0 || contaminantIndex >= contaminantCount()) return;
  markers_[contaminantIndex] = static_cast<uint8_t>(picture);
}

void ContaminantTreeModel::setMarker(int contaminantIndex, int picture) {
  if (contaminantIndex < 0 || contaminantIndex >= contaminantCount()) return;
  if (markers_[contaminantIndex] == picture) return;
  markers_[contaminantIndex] = static_cast<uint8_t>(picture);
  const QModelIndex entry = indexForContaminant(contaminantIndex);
  if (entry.isValid()) emit dataChanged(entry, entry, {Qt::DecorationRole, MarkerRole});
}

void ContaminantTreeModel::markersChanged() {
  for (size_t row = 0; row < groups_.size(); ++row) {
    const int n = static_cast<int>(groups_[row].members.size());
    if (n == 0) continue;
    const QModelIndex groupEntry = index(static_cast<int>(row), 0);
    emit dataChanged(index(0, 0, groupEntry), index(n - 1, 0, groupEntry), {Qt::DecorationRole, MarkerRole});
  }
}

QModelIndex ContaminantTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  if (!parent.isValid()) {
    if (row >= static_cast<int>(groups_.size())) return {};
    return createIndex(row, 0, kGroupId);
  }
  if (parent.internalId() != kGroupId || parent.row() >= static_cast<int>(groups_.size())) return {};
  if (row >= static_cast<int>(groups_[parent.row()].members.size())) return {};
  return createIndex(row, 0, static_cast<quintptr>(parent.row() + 1));
}

QModelIndex ContaminantTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kGroupId) return {};
  return createIndex(static_cast<int>(child.internalId() - 1), 0, kGroupId);
}

int ContaminantTreeModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return static_cast<int>(groups_.size());
  if (parent.column() != 0 || parent.internalId() != kGroupId) return 0;
  return static_cast<int>(groups_[parent.row()].members.size());
}

int ContaminantTreeModel::columnCount(const QModelIndex&) const {
  return 1;
}

QVariant ContaminantTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (index.internalId() == kGroupId) {
    const Group& g = groups_[index.row()];
    switch (role) {
      case Qt::DisplayRole: return g.text;
      case Qt::DecorationRole: return markerIcon(0);
      case KindRole: return GroupEntry;
      case ItemValueRole: return 1000 + g.code;
      case MarkerRole: return 0;
      default: return {};
    }
  }
  const int c = contaminantIndex(index);
  if (c < 0) return {};
  switch (role) {
    case Qt::DisplayRole: return names_[c];
    case Qt::DecorationRole: return markerIcon(markers_[c]);
    case KindRole: return ContaminantEntry;
    case ItemValueRole: return c;
    case MarkerRole: return static_cast<int>(markers_[c]);
    default: return {};
  }
}

Qt::ItemFlags ContaminantTreeModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.internalId() != kGroupId) f |= Qt::ItemNeverHasChildren;
  return f;
}
