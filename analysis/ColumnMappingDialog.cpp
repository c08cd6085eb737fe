// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/ColumnMappingDialog.h"

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
  static const std::map<std::string, const char*> texts = {{"well", "well"},
                                                           {"date", "sampling date"},
                                                           {"analyte", "analyte (contaminant or indicator)"},
                                                           {"value", "value"},
                                                           {"unit", "unit"},
                                                           {"nonDetect", "not detected (yes/no)"},
                                                           {"detectionLimit", "detection limit"},
                                                           {"easting", "easting [m]"},
                                                           {"northing", "northing [m]"},
                                                           {"s", "s, distance along the flow [m]"},
                                                           {"y", "y, offset across the flow [m]"},
                                                           {"inFit", "in the decay fit (yes/no)"},
                                                           {"head", "groundwater head [m]"},
                                                           {"skip", "not read"}};
  const auto at = texts.find(role);
  return QString::fromUtf8(at == texts.end() ? role.c_str() : at->second);
}

}  // namespace

ColumnMappingDialog::ColumnMappingDialog(const std::vector<std::string>& columns, QWidget* parent)
    : QDialog(parent), columns_(columns) {
  setWindowTitle(QStringLiteral("Map table columns"));
  setObjectName(QStringLiteral("columnMappingDialog"));
  auto* intro = new QLabel(QStringLiteral(
      "The table has columns whose names Virelo does not know. Choose what each one holds; the project "
      "keeps the choice for later imports."));
  intro->setWordWrap(true);
  table_ = new QTableWidget(static_cast<int>(columns.size()), 2);
  table_->setObjectName(QStringLiteral("columnMappingTable"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Column in the table"), QStringLiteral("Holds")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < static_cast<int>(columns.size()); ++row) {
    auto* name = new QTableWidgetItem(QString::fromUtf8(columns[static_cast<size_t>(row)].c_str()));
    name->setFlags(name->flags() & ~Qt::ItemIsEditable);
    table_->setItem(row, 0, name);
    auto* combo = new QComboBox;
    combo->addItem(QStringLiteral("(leave unnamed)"), QString());
    for (const std::string& role : SiteColumnRoles())
      combo->addItem(RoleText(role), QString::fromStdString(role));
    table_->setCellWidget(row, 1, combo);
  }
  table_->resizeColumnsToContents();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Import with these columns"));
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
