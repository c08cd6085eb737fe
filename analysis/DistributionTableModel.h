// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The distributions of an uncertainty plan as the editor's table: one row
// per distribution with its input, its contaminant, its kind, up to four
// parameters as typed and what they mean. A parameter filled from a number
// keeps that number whole until the user types over it, as the fields of
// platform/NumberField.h do, so that showing it with ten digits never
// rounds it. The table holds what the user typed, numbers or not; the plan
// is read from it (Distributions) with the problems of what is no number.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "engine/project/uncertainty.h"

struct Project;

class DistributionTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kInput, kContaminant, kKind, kFirstParameter, kMeaning = 7, kColumnCount };
  static constexpr int kParameterCount = 4;

  explicit DistributionTableModel(const Project* project, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Display: the texts. Edit: the input and kind as their enum's number,
  // the contaminant's name, a parameter's text. Tool tip: where a row's
  // values came from.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A user's edit, as data's edit role gives it. Choosing the input or the
  // contaminant of a lambda row fills it from the site's wells when they
  // give a decay constant with an interval; any edit makes the row the
  // user's own and drops the note that its values came from the site.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // Appends a row showing `distribution` (its parameters with ten digits,
  // kept whole). With `offerSite`, a lambda without parameters is filled
  // from the site's wells as if chosen.
  void AddRow(const InputDistribution& distribution, bool offerSite = false);
  void RemoveRow(int row);
  // The contaminants a row may name: those assessed or in a decay chain,
  // and the row's own name should the project no longer have it.
  QStringList ContaminantChoices(int row) const;
  // The distributions as the table holds them. A parameter list ends at the
  // first empty field; a field that is no number, or that follows an empty
  // one, ends it too and is named in `problems`.
  std::vector<InputDistribution> Distributions(std::vector<std::string>* problems) const;

 signals:
  // The user changed a row (not sent by AddRow or RemoveRow).
  void edited();

 private:
  struct Row {
    UncertainInput input = UncertainInput::Kf;
    QString contaminant;  // empty unless the input belongs to a contaminant
    DistributionKind kind = DistributionKind::Fixed;
    QString text[kParameterCount];
    // The number a field was filled with, while it shows that number's text.
    std::optional<double> shown[kParameterCount];
    QString siteNote;  // "from the site's wells, ..." while the site's values stand
  };
  void fillFromSite(Row& row);
  void rowChanged(int row);

  const Project* project_;
  std::vector<Row> rows_;
};
