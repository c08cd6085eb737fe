// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/AnalyteMappingDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <sstream>

#include "engine/project/extras.h"
#include "persistence/analytenames.h"
#include "persistence/sitecsv.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

std::vector<std::pair<std::string, int>> Unknown(const Project& project, const AnalyteResolver& resolver) {
  std::vector<std::string> analytes;
  for (const SiteSample& s : virelo_ExtrasOf(project).site.samples) analytes.push_back(s.analyte);
  return UnknownAnalytes(analytes, resolver);
}

}  // namespace

AnalyteMappingDialog::AnalyteMappingDialog(Project* project, QWidget* parent)
    : QDialog(parent), project_(project) {
  setWindowTitle(tr("Map analyte names"));
  setObjectName(QStringLiteral("analyteMappingDialog"));
  const AnalyteResolver resolver = ProjectAnalyteResolver(*project_);
  const auto unknown = Unknown(*project_, resolver);
  const std::vector<std::string> targets = resolver.Targets();

  auto* intro = new QLabel(
      tr("No contaminant or indicator has these names, so the fits and the redox rules cannot use their "
         "samples. Choose what each one is; the project keeps the choice as an alias for later imports."));
  intro->setWordWrap(true);
  table_ = new QTableWidget(static_cast<int>(unknown.size()), 3);
  table_->setObjectName(QStringLiteral("analyteMappingTable"));
  table_->setHorizontalHeaderLabels({tr("Name in the data"), tr("Samples"), tr("Is")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < static_cast<int>(unknown.size()); ++row) {
    auto* name = new QTableWidgetItem(fromRecordText(unknown[static_cast<size_t>(row)].first.c_str()));
    name->setFlags(name->flags() & ~Qt::ItemIsEditable);
    auto* count = new QTableWidgetItem(QString::number(unknown[static_cast<size_t>(row)].second));
    count->setFlags(count->flags() & ~Qt::ItemIsEditable);
    table_->setItem(row, 0, name);
    table_->setItem(row, 1, count);
    auto* combo = new QComboBox;
    combo->addItem(tr("(keep as written)"));
    for (const std::string& target : targets) combo->addItem(fromRecordText(target.c_str()));
    table_->setCellWidget(row, 2, combo);
  }
  table_->resizeColumnsToContents();
  problem_ = new QLabel;
  problem_->setObjectName(QStringLiteral("analyteMappingProblem"));
  problem_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Save as aliases"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("analyteMappingSave"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (Apply()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(table_, 1);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
  OpenAtSessionSize(this, QSize(620, 360));
}

QComboBox* AnalyteMappingDialog::choice(int row) const {
  return qobject_cast<QComboBox*>(table_->cellWidget(row, 2));
}

bool AnalyteMappingDialog::Apply() {
  SiteData site = virelo_ExtrasOf(*project_).site;
  AnalyteAliases aliases = virelo_ExtrasOf(*project_).analyteAliases;
  std::ostringstream err;
  bool any = false;
  for (int row = 0; row < table_->rowCount(); ++row) {
    QComboBox* combo = choice(row);
    if (!combo || combo->currentIndex() <= 0) continue;
    const std::string name = recordBytes(table_->item(row, 0)->text());
    const std::string analyte = recordBytes(combo->currentText());
    aliases.Set(name, analyte);
    if (RenameSiteAnalyte(&site, name, analyte, err) < 0) continue;
    any = true;
  }
  if (!err.str().empty()) {
    problem_->setText(tr("Nothing saved: %1").arg(QString::fromUtf8(err.str()).trimmed()));
    return false;
  }
  if (!any) return true;
  ProjectExtras& extras = virelo_Extras(project_);
  extras.site = std::move(site);
  extras.analyteAliases = std::move(aliases);
  project_->modified = 1;
  emit siteChanged();
  return true;
}
