// One list of the results page: a contaminant name and two values per row,
// with the row's assessment class as its icon and the index of its result
// as its item data.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "engine/assessment.h"

class ResultListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Role { ResultIndexRole = Qt::UserRole, ClassRole };
  struct Row {
    QString name;
    QString first;   // "d" or "AF"
    QString second;  // "d/x" or "C/C0"
    AssessmentClass cls = AssessmentClass::Problems;
    int resultIndex = -1;
  };

  ResultListModel(const QString& firstHeader, const QString& secondHeader, QObject* parent = nullptr);

  void setRows(std::vector<Row> rows);
  void clear() { setRows({}); }
  const Row& row(int r) const { return rows_[r]; }
  int size() const { return static_cast<int>(rows_.size()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  QString headers_[3];
  std::vector<Row> rows_;
};
