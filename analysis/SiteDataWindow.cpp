// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteDataWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <sstream>

#include "analysis/SiteDecayView.h"
#include "analysis/SiteTrendsView.h"
#include "engine/extras.h"
#include "persistence/csv.h"
#include "persistence/sitecsv.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"

namespace {

QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString Number(double value) {
  return QString::number(value, 'g', 10);
}

QTableWidgetItem* Cell(const QString& text) {
  return new QTableWidgetItem(text);
}

// A number shown with ten digits that keeps every digit of the stored one:
// a cell the user leaves alone goes back into the project unrounded when
// another cell is edited. `prefix` stands before the number ("<").
QTableWidgetItem* NumberCell(double value, const QString& prefix = QString()) {
  auto* item = new QTableWidgetItem;
  ShowCellNumber(item, prefix + Number(value), value);
  return item;
}

// The text of a cell for the tables' CSV: an unedited number cell in the
// shortest form that reads back as the stored number, whatever it shows.
QString CellText(const QTableWidgetItem* item) {
  double value = 0.0;
  if (!UneditedCellNumber(item, &value)) return item->text();
  const QString text = item->text();
  const QString prefix = text.startsWith(QLatin1Char('<')) ? QStringLiteral("<") : QString();
  return prefix + QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// A table's cells as CSV text with the header of its kind, so that edits
// pass through exactly the checks of an imported table.
std::string TableCsv(const QTableWidget* table, const std::vector<std::string>& columns) {
  std::string text = CsvJoin(columns) + "\n";
  for (int row = 0; row < table->rowCount(); ++row) {
    std::vector<std::string> fields;
    bool empty = true;
    for (int column = 0; column < table->columnCount(); ++column) {
      const QTableWidgetItem* item = table->item(row, column);
      QString value = item ? CellText(item) : QString();
      // Every item may be checked; only the "In fit" cells hold a check state.
      if (item && item->data(Qt::CheckStateRole).isValid())
        value = item->checkState() == Qt::Checked ? QStringLiteral("yes") : QStringLiteral("no");
      else
        empty = empty && value.trimmed().isEmpty();
      fields.push_back(value.toUtf8().toStdString());
    }
    if (!empty) text += CsvJoin(fields) + "\n";
  }
  return text;
}

QTableWidget* MakeTable(const QStringList& headers, const char* name) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
  table->setObjectName(QString::fromLatin1(name));
  table->setHorizontalHeaderLabels(headers);
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  return table;
}

}  // namespace

SiteDataWindow::SiteDataWindow(Project* project, QWidget* parent) : QDialog(parent), project_(project) {
  setWindowTitle(QStringLiteral("Site data"));
  setObjectName(QStringLiteral("siteDataWindow"));
  setSizeGripEnabled(true);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  AnswerF1WithManual(this, kIdSiteWindow);

  tabs_ = new QTabWidget;
  tabs_->addTab(buildTablesTab(), QStringLiteral("&Wells and samples"));
  decay_ = new SiteDecayView(project_);
  tabs_->addTab(decay_, QStringLiteral("&Decay constant"));
  trends_ = new SiteTrendsView(project_);
  tabs_->addTab(trends_, QStringLiteral("&Trends and redox"));
  connect(decay_, &SiteDecayView::projectChanged, this, &SiteDataWindow::projectChanged);
  connect(trends_, &SiteTrendsView::projectChanged, this, &SiteDataWindow::projectChanged);

  auto* close = new QPushButton(QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  resize(980, 680);
  Refresh();
}

QWidget* SiteDataWindow::buildTablesTab() {
  auto* page = new QWidget;
  wells_ = MakeTable(
      {QStringLiteral("Well"), QStringLiteral("s [m]"), QStringLiteral("y [m]"), QStringLiteral("In fit")},
      "siteWellsTable");
  samples_ = MakeTable({QStringLiteral("Well"), QStringLiteral("Date"), QStringLiteral("Analyte"),
                        QStringLiteral("Value"), QStringLiteral("Unit"), QStringLiteral("Non-detect")},
                       "siteSamplesTable");
  setControlId(wells_, kIdSiteWells);
  setControlId(samples_, kIdSiteSamples);
  connect(wells_, &QTableWidget::cellChanged, this, [this] { onCellChanged(); });
  connect(samples_, &QTableWidget::cellChanged, this, [this] { onCellChanged(); });

  auto* wellsBox = new QWidget;
  auto* wellsLayout = new QVBoxLayout(wellsBox);
  wellsLayout->setContentsMargins(0, 0, 0, 0);
  wellsLayout->addWidget(new QLabel(QStringLiteral("Monitoring wells")));
  wellsLayout->addWidget(wells_);
  auto* addWell = new QPushButton(QStringLiteral("Add &well"));
  addWell->setObjectName(QStringLiteral("siteAddWell"));
  connect(addWell, &QPushButton::clicked, this, [this] {
    filling_ = true;
    const int row = wells_->rowCount();
    wells_->insertRow(row);
    for (int column = 0; column < 3; ++column) wells_->setItem(row, column, Cell(QString()));
    auto* fit = Cell(QString());
    fit->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    fit->setCheckState(Qt::Checked);
    wells_->setItem(row, 3, fit);
    filling_ = false;
    wells_->editItem(wells_->item(row, 0));
  });
  wellsLayout->addWidget(addWell);

  auto* samplesBox = new QWidget;
  auto* samplesLayout = new QVBoxLayout(samplesBox);
  samplesLayout->setContentsMargins(0, 0, 0, 0);
  samplesLayout->addWidget(new QLabel(QStringLiteral("Samples (concentrations and indicators)")));
  samplesLayout->addWidget(samples_);
  auto* addSample = new QPushButton(QStringLiteral("Add &sample"));
  addSample->setObjectName(QStringLiteral("siteAddSample"));
  connect(addSample, &QPushButton::clicked, this, [this] {
    filling_ = true;
    samples_->insertRow(samples_->rowCount());
    filling_ = false;
  });
  samplesLayout->addWidget(addSample);

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(wellsBox);
  splitter->addWidget(samplesBox);
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 3);

  auto* import = new QPushButton(QStringLiteral("&Import CSV..."));
  import->setObjectName(QStringLiteral("siteImport"));
  setControlId(import, kIdSiteImport);
  connect(import, &QPushButton::clicked, this, &SiteDataWindow::onImport);
  auto* paste = new QPushButton(QStringLiteral("&Paste table"));
  paste->setObjectName(QStringLiteral("sitePaste"));
  setControlId(paste, kIdSitePaste);
  connect(paste, &QPushButton::clicked, this, &SiteDataWindow::onPaste);
  auto* exportWells = new QPushButton(QStringLiteral("Export w&ells..."));
  auto* exportSamples = new QPushButton(QStringLiteral("Export sa&mples..."));
  setControlId(exportWells, kIdSiteExport);
  setControlId(exportSamples, kIdSiteExport);
  connect(exportWells, &QPushButton::clicked, this, [this] { onExport(true); });
  connect(exportSamples, &QPushButton::clicked, this, [this] { onExport(false); });

  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("siteStatus"));
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {import, paste, exportWells, exportSamples}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
  layout->addWidget(status_);
  return page;
}

void SiteDataWindow::Refresh() {
  fillTables();
  decay_->Refresh();
  trends_->Refresh();
}

void SiteDataWindow::fillTables() {
  filling_ = true;
  const SiteData& site = virelo_ExtrasOf(*project_).site;
  wells_->setRowCount(static_cast<int>(site.wells.size()));
  for (int row = 0; row < wells_->rowCount(); ++row) {
    const SiteWell& w = site.wells[static_cast<size_t>(row)];
    wells_->setItem(row, 0, Cell(FromLatin1(w.name)));
    wells_->setItem(row, 1, NumberCell(w.s));
    wells_->setItem(row, 2, NumberCell(w.y));
    auto* fit = Cell(QString());
    fit->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    fit->setCheckState(w.inFit ? Qt::Checked : Qt::Unchecked);
    wells_->setItem(row, 3, fit);
  }
  samples_->setRowCount(static_cast<int>(site.samples.size()));
  for (int row = 0; row < samples_->rowCount(); ++row) {
    const SiteSample& s = site.samples[static_cast<size_t>(row)];
    samples_->setItem(row, 0, Cell(FromLatin1(s.well)));
    samples_->setItem(row, 1, Cell(QString::fromLatin1(s.date.c_str())));
    samples_->setItem(row, 2, Cell(FromLatin1(s.analyte)));
    samples_->setItem(row, 3, NumberCell(s.value, s.nonDetect ? QStringLiteral("<") : QString()));
    samples_->setItem(row, 4, Cell(QString::fromLatin1(s.unit.c_str())));
    samples_->setItem(row, 5, Cell(s.nonDetect ? QStringLiteral("yes") : QString()));
  }
  wells_->resizeColumnsToContents();
  samples_->resizeColumnsToContents();
  filling_ = false;
}

// Every edit re-reads both tables through the import's checks; the project
// takes them only when every row is sound, so a half-typed row never
// reaches a fit.
void SiteDataWindow::onCellChanged() {
  if (filling_) return;
  SiteCsvRows rows;
  std::ostringstream err;
  SiteData edited;
  const bool ok = ReadSiteCsv(TableCsv(wells_, SiteWellsCsvColumns()), "wells", &rows, err) &&
                  ReadSiteCsv(TableCsv(samples_, SiteSamplesCsvColumns()), "samples", &rows, err) &&
                  MergeSiteRows(SiteData{}, rows, true, &edited, err);
  if (!ok) {
    status_->setText(QStringLiteral("Not taken yet: ") + QString::fromUtf8(err.str()).trimmed());
    return;
  }
  SiteData& site = virelo_Extras(project_).site;
  if (site == edited) return;
  site = std::move(edited);
  project_->modified = 1;
  status_->setText(QStringLiteral("%1 wells, %2 samples.").arg(site.wells.size()).arg(site.samples.size()));
  decay_->Refresh();
  trends_->Refresh();
}

bool SiteDataWindow::ImportTable(const QByteArray& bytes, const QString& source) {
  SiteCsvRows rows;
  std::ostringstream err;
  SiteData merged;
  const std::string name = source.toUtf8().toStdString();
  if (!ReadSiteCsv(bytes.toStdString(), name, &rows, err) ||
      !MergeSiteRows(virelo_ExtrasOf(*project_).site, rows, false, &merged, err)) {
    status_->setText(QStringLiteral("Nothing imported:\n") + QString::fromUtf8(err.str()).trimmed());
    return false;
  }
  virelo_Extras(project_).site = std::move(merged);
  project_->modified = 1;
  Refresh();
  status_->setText(QStringLiteral("Imported %1 wells and %2 samples from %3.")
                       .arg(rows.wells.size())
                       .arg(rows.samples.size())
                       .arg(source));
  return true;
}

void SiteDataWindow::onImport() {
  const QString path = Platform::instance().getOpenFileName(
      this, QStringLiteral("Site tables (*.csv *.txt);;All files (*)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    status_->setText(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return;
  }
  ImportTable(file.readAll(), path);
}

void SiteDataWindow::onExport(bool wells) {
  const QString path =
      Platform::instance().getSaveFileName(this, QStringLiteral("CSV tables (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  std::ostringstream out;
  if (wells)
    WriteSiteWellsCsv(virelo_ExtrasOf(*project_).site, out);
  else
    WriteSiteSamplesCsv(virelo_ExtrasOf(*project_).site, out);
  QFile file(path);
  const std::string text = out.str();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    status_->setText(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return;
  }
  status_->setText(QStringLiteral("Wrote %1.").arg(path));
}

// Spreadsheets copy cells as tab-separated lines. With the table's header
// copied too, the paste is read as a semicolon table (where a decimal comma
// is a point, as a German spreadsheet writes it).
void SiteDataWindow::onPaste() {
  QString text = QApplication::clipboard()->text();
  if (text.trimmed().isEmpty()) {
    status_->setText(QStringLiteral("The clipboard holds no table."));
    return;
  }
  if (text.contains(QLatin1Char('\t'))) text.replace(QLatin1Char('\t'), QLatin1Char(';'));
  ImportTable(text.toUtf8(), QStringLiteral("pasted table"));
}
