// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteTableModel.h"

#include <QColor>
#include <QLocale>
#include <QPersistentModelIndex>
#include <QRegularExpression>
#include <sstream>

#include "engine/project/extras.h"
#include "persistence/analytenames.h"
#include "persistence/csv.h"
#include "persistence/sitecsv.h"
#include "platform/DecimalSign.h"

namespace {

enum WellColumn { kWellName, kWellS, kWellY, kWellInFit, kWellColumns };
enum SampleColumn {
  kSampleWell,
  kSampleDate,
  kSampleAnalyte,
  kSampleValue,
  kSampleUnit,
  kSampleNonDetect,
  kSampleColumns
};

// The tint of a row not taken.
const QColor kPendingTint(250, 226, 222);

QString FromRecord(const std::string& text) {
  return QString::fromStdString(RecordTextToUtf8(text));
}

// Ten digits shown, with the reader's decimal sign; the shortest text that
// reads back as the number kept.
QString Shown(double value) {
  return ShownNumbers(QString::number(value, 'g', 10));
}
QString Whole(double value) {
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString Source(SiteTableModel::Kind kind) {
  return kind == SiteTableModel::Wells ? QStringLiteral("wells") : QStringLiteral("samples");
}

// The line of a row in the table as a spreadsheet would hold it, below its header.
QString Line(SiteTableModel::Kind kind, int row) {
  return Source(kind) + QLatin1Char(':') + QString::number(row + 2);
}

QString Quoted(const std::string& latin1) {
  return QLatin1Char('"') + FromRecord(latin1) + QLatin1Char('"');
}

}  // namespace

SiteTableModel::SiteTableModel(Project* project, Kind kind, QObject* parent)
    : QAbstractTableModel(parent), project_(project), kind_(kind) {}

namespace {
// A well surveyed on the map keeps its place there through an edit of its
// name or "In fit"; typing its s or y takes it off the map, to be placed by
// those from then on.
SiteWell KeepMapPlace(const SiteWell& held, SiteWell edited) {
  if (held.mapped && edited.s == held.s && edited.y == held.y) {
    edited.mapped = true;
    edited.easting = held.easting;
    edited.northing = held.northing;
  }
  return edited;
}
}  // namespace

SiteData& SiteTableModel::site() const {
  return virelo_Extras(project_).site;
}

int SiteTableModel::recordCount() const {
  const SiteData& data = virelo_ExtrasOf(*project_).site;
  return static_cast<int>(kind_ == Wells ? data.wells.size() : data.samples.size());
}

int SiteTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : recordCount() + static_cast<int>(added_.size());
}

int SiteTableModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return kind_ == Wells ? static_cast<int>(kWellColumns) : static_cast<int>(kSampleColumns);
}

QVariant SiteTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  static const char* const kWellHeaders[] = {QT_TR_NOOP("Well"), "s [m]", "y [m]", QT_TR_NOOP("In fit")};
  static const char* const kSampleHeaders[] = {QT_TR_NOOP("Well"),    QT_TR_NOOP("Date"),
                                               QT_TR_NOOP("Analyte"), QT_TR_NOOP("Value"),
                                               QT_TR_NOOP("Unit"),    QT_TR_NOOP("Non-detect")};
  if (section < 0 || section >= columnCount()) return {};
  return tr(kind_ == Wells ? kWellHeaders[section] : kSampleHeaders[section]);
}

bool SiteTableModel::isFlagColumn(int column) const {
  return kind_ == Wells && column == kWellInFit;
}

Qt::ItemFlags SiteTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (isFlagColumn(index.column())) return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

SiteTableModel::Cell SiteTableModel::recordCell(int record, int column) const {
  const SiteData& data = virelo_ExtrasOf(*project_).site;
  if (kind_ == Wells) {
    const SiteWell& w = data.wells[static_cast<size_t>(record)];
    switch (column) {
      case kWellName: return {FromRecord(w.name), FromRecord(w.name)};
      case kWellS: return {Whole(w.s), Shown(w.s)};
      case kWellY: return {Whole(w.y), Shown(w.y)};
      default: return {w.inFit ? QStringLiteral("yes") : QStringLiteral("no"), QString()};
    }
  }
  const SiteSample& s = data.samples[static_cast<size_t>(record)];
  switch (column) {
    case kSampleWell: return {FromRecord(s.well), FromRecord(s.well)};
    case kSampleDate: return {QString::fromLatin1(s.date.c_str()), QString::fromLatin1(s.date.c_str())};
    case kSampleAnalyte: return {FromRecord(s.analyte), FromRecord(s.analyte)};
    case kSampleValue: {
      const QString prefix = s.nonDetect ? QStringLiteral("<") : QString();
      return {prefix + Whole(s.value), prefix + Shown(s.value)};
    }
    case kSampleUnit: return {FromRecord(s.unit), FromRecord(s.unit)};
    default: {
      const QString flag = s.nonDetect ? QStringLiteral("yes") : QString();
      return {flag, flag};
    }
  }
}

const SiteTableModel::Draft* SiteTableModel::draftOf(int row) const {
  const int records = recordCount();
  if (row >= records) return &added_[static_cast<size_t>(row - records)];
  const auto found = pending_.find(row);
  return found == pending_.end() ? nullptr : &found->second;
}

std::vector<SiteTableModel::Cell> SiteTableModel::cellsOf(int row) const {
  if (const Draft* draft = draftOf(row)) return draft->cells;
  std::vector<Cell> cells;
  for (int column = 0; column < columnCount(); ++column) cells.push_back(recordCell(row, column));
  return cells;
}

QVariant SiteTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int row = index.row(), column = index.column();
  const Draft* draft = draftOf(row);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (isFlagColumn(column)) return {};
      return draft ? draft->cells[static_cast<size_t>(column)].shown : recordCell(row, column).shown;
    case Qt::CheckStateRole: {
      if (!isFlagColumn(column)) return {};
      const QString flag =
          draft ? draft->cells[static_cast<size_t>(column)].text : recordCell(row, column).text;
      return flag == QStringLiteral("no") ? Qt::Unchecked : Qt::Checked;
    }
    case Qt::BackgroundRole:
      if (draft && !draft->reason.isEmpty()) return kPendingTint;
      return {};
    case Qt::ToolTipRole:
      if (draft && !draft->reason.isEmpty()) return tr("Not taken yet: %1").arg(draft->reason);
      return {};
    default: return {};
  }
}

bool SiteTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= rowCount()) return false;
  const int column = index.column();
  std::vector<Cell> cells = cellsOf(index.row());
  Cell& cell = cells[static_cast<size_t>(column)];
  if (role == Qt::CheckStateRole && isFlagColumn(column)) {
    cell.text = value.toInt() == Qt::Checked ? QStringLiteral("yes") : QStringLiteral("no");
  } else if (role == Qt::EditRole && !isFlagColumn(column)) {
    const QString typed = value.toString();
    // The text it shows: a visit, and the number behind it stays whole.
    if (typed == cell.shown) return true;
    cell = {typed, typed};
  } else {
    return false;
  }
  take(index.row(), std::move(cells));
  return true;
}

bool SiteTableModel::check(int row, const std::vector<Cell>& cells, SiteCsvRows* parsed, QString* reason,
                           bool* merge) const {
  // The row as the one line of a table of its kind: the import's checks and
  // messages, word for word.
  // Divided by semicolons, as a German or Dutch spreadsheet writes a table:
  // the reader then takes a number typed with a decimal comma, as every
  // other field of the windows does, and one with a point alike.
  const auto semicolonJoin = [](const std::vector<std::string>& fields, bool quote) {
    std::string line;
    for (size_t k = 0; k < fields.size(); ++k) {
      if (k > 0) line.push_back(';');
      if (!quote) {
        line += fields[k];
        continue;
      }
      line.push_back('"');
      for (char ch : fields[k]) line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
      line.push_back('"');
    }
    return line;
  };
  std::vector<std::string> fields;
  for (const Cell& cell : cells) fields.push_back(cell.text.toUtf8().toStdString());
  const std::vector<std::string>& columns = kind_ == Wells ? SiteWellsCsvColumns() : SiteSamplesCsvColumns();
  const std::string table = semicolonJoin(columns, false) + "\n" + semicolonJoin(fields, true) + "\n";
  std::ostringstream err;
  const std::string source = Source(kind_).toStdString();
  // A row typed in reads names as an import does, the project's aliases too.
  const AnalyteResolver names = ProjectAnalyteResolver(*project_);
  SiteCsvOptions options;
  options.names = &names;
  if (!ReadSiteCsv(table, source, parsed, err, options)) {
    *reason = QString::fromUtf8(err.str()).trimmed();
    reason->replace(QRegularExpression(QStringLiteral("^") + Source(kind_) + QStringLiteral(":\\d+:"),
                                       QRegularExpression::MultilineOption),
                    Line(kind_, row) + QLatin1Char(':'));
    return false;
  }
  const SiteData& data = virelo_ExtrasOf(*project_).site;
  const int records = recordCount();
  *merge = false;
  if (kind_ == Wells) {
    const SiteWell& w = parsed->wells.front();
    for (int k = 0; k < records; ++k) {
      if (k == row || data.wells[static_cast<size_t>(k)].name != w.name) continue;
      if (data.wells[static_cast<size_t>(k)] == w) return *merge = true, true;
      *reason = tr("%1: well: %2 is given other values on %3")
                    .arg(Line(kind_, row), Quoted(w.name), Line(kind_, k));
      return false;
    }
    // A well renamed would leave its samples without one.
    return row >= records || data.wells[static_cast<size_t>(row)].name == w.name || mayGo(row, reason);
  }
  const SiteSample& s = parsed->samples.front();
  if (!data.FindWell(s.well)) {
    *reason =
        tr("%1: well: %2 is no known well (add it with a wells table)").arg(Line(kind_, row), Quoted(s.well));
    return false;
  }
  for (int k = 0; k < records; ++k) {
    const SiteSample& held = data.samples[static_cast<size_t>(k)];
    if (k == row || held.well != s.well || held.date != s.date || held.analyte != s.analyte) continue;
    if (SameSiteSampleValue(held, s)) return *merge = true, true;
    *reason = tr("%1: value: %2 at %3 on %4 has another value than on %5")
                  .arg(Line(kind_, row), Quoted(s.analyte), Quoted(s.well),
                       QString::fromLatin1(s.date.c_str()), Line(kind_, k));
    return false;
  }
  return true;
}

bool SiteTableModel::mayGo(int row, QString* reason) const {
  if (kind_ != Wells) return true;
  const SiteData& data = virelo_ExtrasOf(*project_).site;
  const std::string& well = data.wells[static_cast<size_t>(row)].name;
  for (size_t k = 0; k < data.samples.size(); ++k) {
    if (data.samples[k].well != well) continue;
    *reason = tr("%1: well: %2 is no known well (add it with a wells table)")
                  .arg(Line(Samples, static_cast<int>(k)), Quoted(well));
    return false;
  }
  return true;
}

void SiteTableModel::take(int row, std::vector<Cell> cells) {
  const int records = recordCount();
  const bool empty = std::all_of(cells.begin(), cells.end() - (kind_ == Wells ? 1 : 0),
                                 [](const Cell& cell) { return cell.text.trimmed().isEmpty(); });
  SiteCsvRows parsed;
  QString reason;
  bool merge = false;
  if (empty) {
    // An emptied row is no row; a new one stays until it is filled.
    if (row >= records) {
      keepDraft(row, std::move(cells), QString());
      return;
    }
    if (!mayGo(row, &reason)) {
      keepDraft(row, std::move(cells), reason);
      emit statusChanged(tr("Not taken yet: %1").arg(reason));
      return;
    }
    removeLater(row);
    return;
  } else if (!check(row, cells, &parsed, &reason, &merge)) {
    keepDraft(row, std::move(cells), reason);
    emit statusChanged(tr("Not taken yet: %1").arg(reason));
    return;
  } else if (merge) {
    // The same again, as an import keeps it: once.
    removeLater(row);
    return;
  } else if (row < records) {
    SiteData& data = site();
    if (kind_ == Wells)
      data.wells[static_cast<size_t>(row)] =
          KeepMapPlace(data.wells[static_cast<size_t>(row)], parsed.wells.front());
    else
      data.samples[static_cast<size_t>(row)] = parsed.samples.front();
    pending_.erase(row);
    rowChanged(row);
  } else {
    // A new row joins the records after the last of them.
    const int added = row - records;
    const bool moves = added > 0;
    if (moves) beginMoveRows({}, row, row, {}, records);
    SiteData& data = site();
    if (kind_ == Wells)
      data.wells.push_back(parsed.wells.front());
    else
      data.samples.push_back(parsed.samples.front());
    added_.erase(added_.begin() + added);
    if (moves) endMoveRows();
    rowChanged(records);
  }
  taken();
}

void SiteTableModel::removeLater(int row) {
  // The editor whose text empties the row, or makes it a copy of another,
  // is still committing it: the row goes once it has closed.
  QMetaObject::invokeMethod(
      this,
      [this, at = QPersistentModelIndex(index(row, 0))] {
        if (!at.isValid()) return;
        removeRow(at.row());
        taken();
      },
      Qt::QueuedConnection);
}

void SiteTableModel::taken() {
  project_->modified = 1;
  const SiteData& data = virelo_ExtrasOf(*project_).site;
  QString status = tr("%1 wells, %2 samples.").arg(data.wells.size()).arg(data.samples.size());
  if (const int waiting = pendingRows()) status += tr(" %1 marked rows not taken yet.").arg(waiting);
  emit siteChanged();
  emit statusChanged(status);
}

void SiteTableModel::keepDraft(int row, std::vector<Cell> cells, QString reason) {
  const int records = recordCount();
  Draft& draft = row >= records ? added_[static_cast<size_t>(row - records)] : pending_[row];
  draft.cells = std::move(cells);
  draft.reason = std::move(reason);
  rowChanged(row);
}

void SiteTableModel::removeRow(int row) {
  const int records = recordCount();
  beginRemoveRows({}, row, row);
  if (row >= records) {
    added_.erase(added_.begin() + (row - records));
  } else {
    SiteData& data = site();
    if (kind_ == Wells)
      data.wells.erase(data.wells.begin() + row);
    else
      data.samples.erase(data.samples.begin() + row);
    // The rows below move up, and their texts with them.
    std::map<int, Draft> moved;
    for (auto& [at, draft] : pending_)
      if (at != row) moved.emplace(at > row ? at - 1 : at, std::move(draft));
    pending_ = std::move(moved);
  }
  endRemoveRows();
}

void SiteTableModel::rowChanged(int row) {
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int SiteTableModel::pendingRows() const {
  int count = static_cast<int>(pending_.size());
  for (const Draft& draft : added_) count += !draft.reason.isEmpty();
  return count;
}

void SiteTableModel::Reset() {
  beginResetModel();
  pending_.clear();
  added_.clear();
  endResetModel();
}

void SiteTableModel::AddRow() {
  Draft draft;
  for (int column = 0; column < columnCount(); ++column) draft.cells.push_back({});
  if (kind_ == Wells) draft.cells[kWellInFit].text = QStringLiteral("yes");
  const int row = rowCount();
  beginInsertRows({}, row, row);
  added_.push_back(std::move(draft));
  endInsertRows();
}
