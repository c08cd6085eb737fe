// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The grouped contaminant tree of the contaminants page: one root entry per
// contaminant group, with the contaminants of that group as its children.
//
// Whether an entry is a group or a contaminant is kept in the entry itself
// (its parent), never guessed from its item value, so lists of any length
// (up to the 32767 contaminants a project holds) are told apart correctly.
#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <cstdint>
#include <vector>

struct Project;

// A contaminant group's name as the windows show it.
QString ContaminantGroupText(const char* name);

class ContaminantTreeModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  enum EntryKind { GroupEntry = 0, ContaminantEntry = 1 };
  enum Role {
    KindRole = Qt::UserRole + 1,  // EntryKind
    ItemValueRole,                // group: 1000 + group code; contaminant: its index in the list
    MarkerRole,                   // picture index 0..9
  };

  explicit ContaminantTreeModel(QObject* parent = nullptr);

  // Refills the tree from the project's contaminant list (group table order,
  // then list order). Every contaminant marker starts at picture 1; a
  // contaminant whose group is not in the table is not shown. Null empties
  // the groups.
  void rebuild(const Project* project);

  bool isContaminantEntry(const QModelIndex& index) const;
  // Index in the project's list of a contaminant entry, else -1.
  int contaminantIndex(const QModelIndex& index) const;
  // The entry of a contaminant, or an invalid index when it is not shown.
  QModelIndex indexForContaminant(int contaminantIndex) const;
  int contaminantCount() const { return static_cast<int>(position_.size()); }
  // Group rows with at least one child, and the contaminant indices below.
  const std::vector<int>& groupMembers(int groupRow) const { return groups_[groupRow].members; }

  int marker(int contaminantIndex) const;
  // Sets one marker and repaints its entry when it changed.
  void setMarker(int contaminantIndex, int picture);
  // Sets a marker without telling the views; call markersChanged() after a
  // batch.
  void setMarkerQuietly(int contaminantIndex, int picture);
  void markersChanged();

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  struct Group {
    int code = 0;
    QString text;
    std::vector<int> members;  // contaminant indices, in list order
  };
  struct Position {
    int groupRow = -1;  // -1: not shown
    int childRow = -1;
  };
  std::vector<Group> groups_;
  std::vector<Position> position_;  // by contaminant index
  std::vector<QString> names_;      // by contaminant index
  std::vector<uint8_t> markers_;    // by contaminant index
};
