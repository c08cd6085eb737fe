// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One list of the results page: a contaminant name and two values per row,
// with the row's verdict as its traffic light and the index of its result as
// its item data. Values are kept as numbers and formatted when a row is
// drawn, and the exact-solution mark and the margin of a row are worked out
// only when the row is drawn or asked for, so that long lists refill quickly.
// Whatever else bears on the verdict (its decay chain, the site's wells, a
// decay constant from the wells, models on both sides of CA) stands in a
// column of small badges, each with its sentence as tooltip.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "engine/core/breakeven.h"
#include "engine/project/assessment.h"
#include "resources/exact_marks.h"

class ResultListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // ClassRole: the verdict, which the traffic light shows. BadgesRole,
  // BadgeTipsRole and BadgeClassesRole: the badges of a row's marks column
  // (texts, sentences, and the classes they are painted in as ints, two
  // per badge, Problems for none). BadgeWarningsRole: per badge, whether it
  // is a warning (painted in the warning colour, not in a class).
  enum Role {
    ResultIndexRole = Qt::UserRole,
    ClassRole,
    FragileRole,
    BadgesRole,
    BadgeTipsRole,
    BadgeClassesRole,
    BadgeWarningsRole
  };
  // The fourth column, "Margin": the smallest factor by which one input
  // would change the row's class, marked where that is within a factor of
  // 2 (a fragile verdict).
  static constexpr int kMarginColumn = 3;
  // The column of badges, "Marks": after the concentration columns where
  // the list has them, else after "Margin".
  int marksColumn() const;
  // The What's-this help of the marks column (the manual's "Marks" paragraph).
  static constexpr int kMarksHelpId = 1331;
  // The last column, "P(G / Y / R)", once an uncertainty run exists: the
  // probability of each class of a row's result. It follows the marks.
  int probabilityColumn() const;
  // A mark beside the verdict: a short text in a pill painted in the
  // class it gives (two classes: split in two; none: grey), and the whole
  // sentence for its tooltip. A warning gives no class of its own but must
  // not read as "no evidence": it is painted in the warning colour.
  struct Badge {
    QString text;
    QString tip;
    AssessmentClass cls = AssessmentClass::Problems;
    AssessmentClass secondCls = AssessmentClass::Problems;
    bool warning = false;
  };
  struct Row {
    QString name;
    double first = 0.0;      // "d" or "AF"
    double second = 0.0;     // "d/x" or "C0/C"
    bool hasValues = false;  // false: both value columns stay empty
    // The verdict: the traffic light. Without chain or wells evidence, the
    // class under the verdict basis (the plume-length class).
    AssessmentClass cls = AssessmentClass::Problems;
    // The screening class (the plume-length class), what the verdict is
    // measured against.
    AssessmentClass screeningClass = AssessmentClass::Problems;
    // Set where the verdict with its chain and wells evidence was given when
    // the rows were made: the exact source leaves `cls` as it is.
    bool verdictKnown = false;
    unsigned reasons = 0;  // VerdictReason bits: what made the verdict worse
    // The verdict in words, first in the row's tooltip, where it is not the
    // screening class.
    QString verdictTip;
    // The chain, wells, underprediction and lambda-interval marks, in that
    // order; the straddle mark follows them once the exact solution is known.
    std::vector<Badge> badges;
    int resultIndex = -1;
    // Where the exact solution disagrees: a mark beside the "C0/C" value and
    // a tooltip over the row with both values. Filled by the exact source
    // the first time the row is drawn or read.
    ExactMark exactMark = ExactMark::None;
    QString exactTip;
    // Attenuation-factor rows: the concentration each model predicts at the
    // receptor and the remedial target under the verdict basis (NaN until
    // known), and the mark of a row whose two models fall on opposite sides
    // of CA. The exact ones come with the exact source.
    double receptor = std::numeric_limits<double>::quiet_NaN();
    double receptorExact = std::numeric_limits<double>::quiet_NaN();
    double target = std::numeric_limits<double>::quiet_NaN();
    bool straddles = false;
    QString straddleTip;
  };
  // The concentration columns after "Margin" (attenuation-factor list only).
  enum ConcentrationColumn { kReceptorColumn = 4, kReceptorExactColumn, kTargetColumn };

  // Column formats: fixed inside 1e-7 < |v| < 1e7, exponent outside.
  struct Column {
    QString header;
    const char* fixedFormat;
    const char* exponentFormat;
  };
  ResultListModel(Column first, Column second, QObject* parent = nullptr);

  void setRows(std::vector<Row> rows);
  // Where the break-even values of a row's result come from. They are
  // computed when a row is first drawn or asked for, and forgotten when the
  // rows are set again.
  void setBreakEvenSource(std::function<BreakEvenTable(int resultIndex)> source) {
    breakEvenSource_ = std::move(source);
  }
  // Where the probabilities come from (text by result index); null hides
  // the column.
  void setProbabilitySource(std::function<QString(int resultIndex)> source);
  bool hasProbabilityColumn() const { return static_cast<bool>(probabilitySource_); }
  // Where the exact-solution mark of a row comes from: called at most once
  // per row with values, when it is first drawn or read, until the rows are
  // set again. It fills the row's exactMark and exactTip, and may set its
  // class where the verdict rests on the exact solution: the class icon, the
  // class role and row() all wait for it.
  void setExactSource(std::function<void(Row& row)> source) { exactSource_ = std::move(source); }
  // Whether the exact source has been asked about a row (for tests and
  // benchmarks that check the work stays with the rows drawn).
  bool exactKnown(int row) const { return row >= 0 && row < size() && exactKnown_[static_cast<size_t>(row)]; }
  // Whether the verdict of a row is fragile (false for rows with problems).
  bool fragile(int row) const;
  // The badges of a row: its own and, once its exact solution is there, the
  // straddle mark.
  std::vector<Badge> badges(int row) const;
  // Keeps room for the exact-solution mark before every "C0/C" value, so
  // that marked and unmarked values stay aligned.
  void setExactMarkColumn(bool on) { exactMarkColumn_ = on; }
  // Shows the concentration columns, headed with `unit`.
  void setConcentrationColumns(const QString& unit);
  // Whether a row's class is known only with its exact solution (a verdict
  // basis other than the screening model): its light is then drawn from
  // the row with the exact source applied.
  void setClassNeedsExact(bool on) { classNeedsExact_ = on; }
  void clear() { setRows({}); }
  const Row& row(int r) const {
    withExact(r);
    return rows_[static_cast<size_t>(r)];
  }
  int size() const { return static_cast<int>(rows_.size()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  struct Margin {
    double factor = 0.0;  // NearestFactor over the inputs; infinite: none
    QString nearest;      // "Kf ×0.82, x ×1.2": the fragile inputs
  };
  const Margin& margin(int row) const;
  // The row's whole story for its tooltip.
  QString rowTip(const Row& r) const;
  // The row with its exact-solution mark filled in.
  const Row& withExact(int row) const;

  Column columns_[2];
  // Mutable for the marks filled in lazily; nothing else changes a row
  // between two setRows calls.
  mutable std::vector<Row> rows_;
  mutable std::vector<bool> exactKnown_;
  std::function<void(Row& row)> exactSource_;
  std::function<BreakEvenTable(int resultIndex)> breakEvenSource_;
  std::function<QString(int resultIndex)> probabilitySource_;
  mutable std::vector<std::optional<Margin>> margins_;
  bool exactMarkColumn_ = false;
  bool concentrationColumns_ = false;
  bool classNeedsExact_ = false;
  QString unit_;
};
