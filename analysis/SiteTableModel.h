// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project's monitoring wells or samples as an editable table, row for
// row the site data's own list. An edit goes into the site data at once
// when the row it leaves is sound, by the rules of an imported table
// (persistence/sitecsv.h) and against the other rows; otherwise the row
// keeps the text typed into it, marked with the reason, while the site data
// keeps the row as it was, so that a half-typed row never reaches a fit.
// A number the user has not typed over goes back unrounded, whatever its
// cell shows. One edit checks one row, however long the table: a
// laboratory export has thousands.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <map>
#include <string>
#include <vector>

struct Project;
struct SiteCsvRows;
struct SiteData;

class SiteTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Kind { Wells, Samples };
  SiteTableModel(Project* project, Kind kind, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A typed text (edit role) or, for a well's "In fit", a check state.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // Shows the site data again, forgetting rows not taken.
  void Reset();
  // An empty row at the end, taken once it is sound (a well's "In fit" ticked).
  void AddRow();
  // Rows whose text is not taken yet.
  int pendingRows() const;

 signals:
  // The project's site data took an edit.
  void siteChanged();
  // What became of the last edit, for the status line.
  void statusChanged(const QString& status);

 private:
  // A cell of a row not taken: the text a table would hold, and the text
  // shown (the same once typed; for a number, its digits are in `text`).
  struct Cell {
    QString text, shown;
  };
  struct Draft {
    std::vector<Cell> cells;
    QString reason;
  };

  SiteData& site() const;
  int recordCount() const;
  bool isFlagColumn(int column) const;
  std::vector<Cell> cellsOf(int row) const;
  Cell recordCell(int record, int column) const;
  const Draft* draftOf(int row) const;
  void take(int row, std::vector<Cell> cells);
  // The row's record by the import's rules and against the other rows;
  // false with the reason. `merge`: another row holds the same already.
  bool check(int row, const std::vector<Cell>& cells, SiteCsvRows* parsed, QString* reason,
             bool* merge) const;
  // Whether the record of a row may leave the site data: a well may not
  // while samples name it.
  bool mayGo(int row, QString* reason) const;
  void keepDraft(int row, std::vector<Cell> cells, QString reason);
  void removeRow(int row);
  void removeLater(int row);
  // The site data took an edit: the project is modified and told.
  void taken();
  void rowChanged(int row);

  Project* project_;
  Kind kind_;
  std::map<int, Draft> pending_;  // rows of records whose text is not taken, by record
  std::vector<Draft> added_;      // rows after the records, not yet in the site data
};
