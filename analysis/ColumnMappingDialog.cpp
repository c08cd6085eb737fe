// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/ColumnMappingDialog.h"

#include <QCoreApplication>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/project/recordtext.h"
#include "persistence/sitecolumns.h"

namespace {

// What each role means to the person choosing it.
QString RoleText(const std::string& role) {
  static const std::map<std::string, const char*> texts = {
      {"well", QT_TRANSLATE_NOOP("ColumnMappingDialog", "well")},
      {"date", QT_TRANSLATE_NOOP("ColumnMappingDialog", "sampling date")},
      {"analyte", QT_TRANSLATE_NOOP("ColumnMappingDialog", "analyte (contaminant or indicator)")},
      {"value", QT_TRANSLATE_NOOP("ColumnMappingDialog", "value")},
      {"unit", QT_TRANSLATE_NOOP("ColumnMappingDialog", "unit")},
      {"nonDetect", QT_TRANSLATE_NOOP("ColumnMappingDialog", "not detected (yes/no)")},
      {"detectionLimit", QT_TRANSLATE_NOOP("ColumnMappingDialog", "detection limit")},
      {"easting", QT_TRANSLATE_NOOP("ColumnMappingDialog", "easting [m]")},
      {"northing", QT_TRANSLATE_NOOP("ColumnMappingDialog", "northing [m]")},
      {"s", QT_TRANSLATE_NOOP("ColumnMappingDialog", "s, distance along the flow [m]")},
      {"y", QT_TRANSLATE_NOOP("ColumnMappingDialog", "y, offset across the flow [m]")},
      {"inFit", QT_TRANSLATE_NOOP("ColumnMappingDialog", "in the decay fit (yes/no)")},
      {"head", QT_TRANSLATE_NOOP("ColumnMappingDialog", "groundwater head [m]")},
      {"skip", QT_TRANSLATE_NOOP("ColumnMappingDialog", "not read")}};
  const auto at = texts.find(role);
  if (at == texts.end()) return QString::fromUtf8(role.c_str());
  return QCoreApplication::translate("ColumnMappingDialog", at->second);
}

}  // namespace

ColumnMappingDialog::ColumnMappingDialog(const std::vector<std::string>& columns, QWidget* parent)
    : QDialog(parent), columns_(columns) {
  setWindowTitle(tr("Map table columns"));
  setObjectName(QStringLiteral("columnMappingDialog"));
  auto* intro = new QLabel(
      tr("The table has columns whose names Virelo does not know. Choose what each one holds; the project "
         "keeps the choice for later imports."));
  intro->setWordWrap(true);
  table_ = new QTableWidget(static_cast<int>(columns.size()), 2);
  table_->setObjectName(QStringLiteral("columnMappingTable"));
  table_->setHorizontalHeaderLabels({tr("Column in the table"), tr("Holds")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < static_cast<int>(columns.size()); ++row) {
    auto* name = new QTableWidgetItem(QString::fromUtf8(columns[static_cast<size_t>(row)].c_str()));
    name->setFlags(name->flags() & ~Qt::ItemIsEditable);
    table_->setItem(row, 0, name);
    auto* combo = new QComboBox;
    combo->addItem(tr("(leave unnamed)"), QString());
    for (const std::string& role : SiteColumnRoles())
      combo->addItem(RoleText(role), QString::fromStdString(role));
    table_->setCellWidget(row, 1, combo);
  }
  table_->resizeColumnsToContents();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Import with these columns"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("columnMappingApply"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(table_, 1);
  layout->addWidget(buttons);
  resize(560, 320);
}

QComboBox* ColumnMappingDialog::choice(int row) const {
  return qobject_cast<QComboBox*>(table_->cellWidget(row, 1));
}

void ColumnMappingDialog::choose(int row, const QString& role) {
  if (QComboBox* combo = choice(row)) combo->setCurrentIndex(combo->findData(role));
}

std::map<std::string, std::string> ColumnMappingDialog::Mappings() const {
  std::map<std::string, std::string> mappings;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QComboBox* combo = choice(row);
    const std::string role = combo ? combo->currentData().toString().toStdString() : std::string();
    std::string latin1;
    if (role.empty() || !Utf8ToRecordText(columns_[static_cast<size_t>(row)], &latin1)) continue;
    mappings[SiteColumnKey(latin1)] = role;
  }
  return mappings;
}
