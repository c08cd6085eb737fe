// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/SiteDataWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <sstream>

#include "analysis/AnalyteMappingDialog.h"
#include "analysis/ColumnMappingDialog.h"
#include "analysis/SiteDecayView.h"
#include "analysis/SiteFlowView.h"
#include "analysis/SitePlumeView.h"
#include "analysis/SiteTableModel.h"
#include "analysis/SiteTrendsView.h"
#include "engine/project/extras.h"
#include "persistence/analytenames.h"
#include "persistence/sitecsv.h"
#include "persistence/siteheader.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

// The status box's height in lines: the longest import summary fits, a
// list of refused rows scrolls.
constexpr int kStatusLines = 6;

QTableView* MakeTable(SiteTableModel* model, const char* name) {
  auto* table = new QTableView;
  table->setObjectName(QString::fromLatin1(name));
  table->setModel(model);
  // Only a typed text goes back: a number visited keeps every digit.
  table->setItemDelegate(new TypedTextDelegate(table));
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  return table;
}

}  // namespace

SiteDataWindow::SiteDataWindow(Project* project, QWidget* parent) : QDialog(parent), project_(project) {
  setWindowTitle(tr("Site data"));
  setObjectName(QStringLiteral("siteDataWindow"));
  setSizeGripEnabled(true);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  AnswerF1WithManual(this, kIdSiteWindow);

  tabs_ = new QTabWidget;
  tabs_->addTab(buildTablesTab(), tr("&Wells and samples"));
  decay_ = new SiteDecayView(project_);
  tabs_->addTab(decay_, tr("&Decay constant"));
  trends_ = new SiteTrendsView(project_);
  tabs_->addTab(trends_, tr("&Trends and redox"));
  connect(decay_, &SiteDecayView::projectChanged, this, &SiteDataWindow::projectChanged);
  connect(trends_, &SiteTrendsView::projectChanged, this, &SiteDataWindow::projectChanged);
  plume_ = new SitePlumeView(project_);
  tabs_->addTab(plume_, tr("&Plume as a whole"));
  connect(plume_, &SitePlumeView::projectChanged, this, &SiteDataWindow::projectChanged);
  // Marked background wells change the solvent score the redox table shows.
  connect(plume_, &SitePlumeView::projectChanged, trends_, &SiteTrendsView::Refresh);
  flow_ = new SiteFlowView(project_);
  tabs_->addTab(flow_, tr("&Flow field"));
  connect(flow_, &SiteFlowView::projectChanged, this, &SiteDataWindow::projectChanged);
  // New s and y move the wells in the tables and the fits.
  connect(flow_, &SiteFlowView::siteChanged, this, [this] {
    fillTables();
    onSiteChanged();
  });

  auto* close = new QPushButton(tr("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  // A user who made it larger to read the redox table finds it so again.
  OpenAtSessionSize(this, QSize(980, 680));
  Refresh();
}

QWidget* SiteDataWindow::buildTablesTab() {
  auto* page = new QWidget;
  status_ = new QLabel;
  wellsModel_ = new SiteTableModel(project_, SiteTableModel::Wells, this);
  samplesModel_ = new SiteTableModel(project_, SiteTableModel::Samples, this);
  wells_ = MakeTable(wellsModel_, "siteWellsTable");
  samples_ = MakeTable(samplesModel_, "siteSamplesTable");
  setControlId(wells_, kIdSiteWells);
  setControlId(samples_, kIdSiteSamples);
  for (SiteTableModel* model : {wellsModel_, samplesModel_}) {
    connect(model, &SiteTableModel::siteChanged, this, &SiteDataWindow::onSiteChanged);
    connect(model, &SiteTableModel::statusChanged, status_, &QLabel::setText);
  }

  auto* wellsBox = new QWidget;
  auto* wellsLayout = new QVBoxLayout(wellsBox);
  wellsLayout->setContentsMargins(0, 0, 0, 0);
  wellsLayout->addWidget(new QLabel(tr("Monitoring wells")));
  wellsLayout->addWidget(wells_);
  auto* addWell = new QPushButton(tr("Add &well"));
  addWell->setObjectName(QStringLiteral("siteAddWell"));
  connect(addWell, &QPushButton::clicked, this, [this] {
    wellsModel_->AddRow();
    const QModelIndex name = wellsModel_->index(wellsModel_->rowCount() - 1, 0);
    wells_->setCurrentIndex(name);
    wells_->edit(name);
  });
  wellsLayout->addWidget(addWell);

  auto* samplesBox = new QWidget;
  auto* samplesLayout = new QVBoxLayout(samplesBox);
  samplesLayout->setContentsMargins(0, 0, 0, 0);
  samplesLayout->addWidget(new QLabel(tr("Samples (concentrations and indicators)")));
  samplesLayout->addWidget(samples_);
  auto* addSample = new QPushButton(tr("Add &sample"));
  addSample->setObjectName(QStringLiteral("siteAddSample"));
  connect(addSample, &QPushButton::clicked, this, [this] {
    samplesModel_->AddRow();
    samples_->scrollToBottom();
  });
  samplesLayout->addWidget(addSample);

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(wellsBox);
  splitter->addWidget(samplesBox);
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 3);

  auto* import = new QPushButton(tr("&Import CSV..."));
  import->setObjectName(QStringLiteral("siteImport"));
  setControlId(import, kIdSiteImport);
  connect(import, &QPushButton::clicked, this, &SiteDataWindow::onImport);
  auto* paste = new QPushButton(tr("&Paste table"));
  paste->setObjectName(QStringLiteral("sitePaste"));
  setControlId(paste, kIdSitePaste);
  connect(paste, &QPushButton::clicked, this, &SiteDataWindow::onPaste);
  auto* exportWells = new QPushButton(tr("Export w&ells..."));
  auto* exportSamples = new QPushButton(tr("Export sa&mples..."));
  setControlId(exportWells, kIdSiteExport);
  setControlId(exportSamples, kIdSiteExport);
  connect(exportWells, &QPushButton::clicked, this, [this] { onExport(true); });
  connect(exportSamples, &QPushButton::clicked, this, [this] { onExport(false); });

  mapNames_ = new QPushButton(tr("Map &names..."));
  mapNames_->setObjectName(QStringLiteral("siteMapNames"));
  setControlId(mapNames_, kIdSiteMapNames);
  connect(mapNames_, &QPushButton::clicked, this, &SiteDataWindow::onMapNames);
  dateOrder_ = new QComboBox;
  dateOrder_->setObjectName(QStringLiteral("siteDateOrder"));
  dateOrder_->addItems(
      {tr("Slashed dates refused"), tr("Slashed dates day/month"), tr("Slashed dates month/day")});
  setControlId(dateOrder_, kIdSiteDateOrder);

  status_->setObjectName(QStringLiteral("siteStatus"));
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {import, paste, exportWells, exportSamples}) buttons->addWidget(b);
  buttons->addWidget(dateOrder_);
  buttons->addStretch();
  buttons->addWidget(mapNames_);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
  // An import can be refused for hundreds of rows: the reasons scroll in a
  // box of a few lines, so the window keeps its size and never grows past
  // the screen.
  auto* statusBox = new QScrollArea;
  statusBox->setObjectName(QStringLiteral("siteStatusBox"));
  statusBox->setWidget(status_);
  statusBox->setWidgetResizable(true);
  statusBox->setFrameShape(QFrame::NoFrame);
  statusBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  statusBox->setMaximumHeight(kStatusLines * status_->fontMetrics().lineSpacing() + 8);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(statusBox);
  return page;
}

void SiteDataWindow::Refresh() {
  fillTables();
  updateMapNames();
  decay_->Refresh();
  trends_->Refresh();
  plume_->Refresh();
  flow_->Refresh();
}

void SiteDataWindow::fillTables() {
  wellsModel_->Reset();
  samplesModel_->Reset();
  wells_->resizeColumnsToContents();
  samples_->resizeColumnsToContents();
}

// Each table takes a sound edit into the site data at once; the fits follow.
void SiteDataWindow::onSiteChanged() {
  updateMapNames();
  decay_->Refresh();
  trends_->Refresh();
  plume_->Refresh();
  flow_->Refresh();
}

bool SiteDataWindow::ImportTable(const QByteArray& bytes, const QString& source) {
  SiteCsvRows rows;
  std::ostringstream err;
  SiteData merged;
  const std::string name = source.toUtf8().toStdString();
  const AnalyteResolver resolver = ProjectAnalyteResolver(*project_);
  std::vector<std::string> notes;
  SiteCsvOptions options;
  options.names = &resolver;
  options.notes = &notes;
  options.slashed = dateOrder_->currentIndex() == 1   ? SlashedDates::kDayMonth
                    : dateOrder_->currentIndex() == 2 ? SlashedDates::kMonthDay
                                                      : SlashedDates::kRefused;
  options.columns = &virelo_ExtrasOf(*project_).siteColumns;
  const bool read = ReadSiteCsv(bytes.toStdString(), name, &rows, err, options);
  // A table refused for columns Virelo does not know: once the user names
  // them, it is read again with the names.
  if (!read && OfferColumnMapping(bytes)) return ImportTable(bytes, source);
  if (!read || !MergeSiteRows(virelo_ExtrasOf(*project_).site, rows, false, &merged, err)) {
    status_->setText(tr("Nothing imported:\n%1").arg(QString::fromUtf8(err.str()).trimmed()));
    return false;
  }
  virelo_Extras(project_).site = std::move(merged);
  project_->modified = 1;
  Refresh();
  QString status = tr("Imported %1 wells and %2 samples from %3.")
                       .arg(rows.wells.size())
                       .arg(rows.samples.size())
                       .arg(source);
  for (const std::string& note : notes) status += tr("\nNote: %1").arg(QString::fromUtf8(note));
  if (const auto unplaced = UnplacedWells(virelo_ExtrasOf(*project_).site); !unplaced.empty())
    status += tr("\nNote: %1").arg(fromRecordText(UnplacedWellsText(unplaced).c_str()));
  std::vector<std::string> analytes;
  for (const SiteSample& s : rows.samples) analytes.push_back(s.analyte);
  const auto unknown = UnknownAnalytes(analytes, resolver);
  if (!unknown.empty()) {
    // One line per name, not per sample; the button offers to name them.
    status +=
        tr("\nNo contaminant or indicator has these names (kept as written; "
           "\"Map names\" names them):");
    for (const auto& [analyte, count] : unknown)
      status += tr("\n  \"%1\": %2 samples").arg(fromRecordText(analyte.c_str())).arg(count);
  }
  status_->setText(status);
  return true;
}

bool SiteDataWindow::OfferColumnMapping(const QByteArray& bytes) {
  const std::vector<std::string> unknown =
      UnrecognisedSiteColumns(bytes.toStdString(), &virelo_ExtrasOf(*project_).siteColumns);
  if (unknown.empty()) return false;
  ColumnMappingDialog dialog(unknown, this);
  if (Platform::instance().execDialog(&dialog) != QDialog::Accepted) return false;
  const std::map<std::string, std::string> mappings = dialog.Mappings();
  if (mappings.empty()) return false;
  for (const auto& [key, role] : mappings) virelo_Extras(project_).siteColumns[key] = role;
  project_->modified = 1;
  emit projectChanged();
  return true;
}

void SiteDataWindow::onImport() {
  const QStringList paths =
      Platform::instance().getOpenFileNames(this, tr("Site tables (*.csv *.txt);;All files (*)"));
  if (paths.isEmpty()) return;
  // Each file on its own, as if imported one after the other; a table that
  // needs another (samples of wells a later wells table gives) is tried
  // again once the others are in.
  QStringList reports;
  std::vector<std::pair<QString, QByteArray>> waiting;
  for (const QString& path : paths) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      reports << tr("Cannot read %1: %2").arg(path, file.errorString());
      continue;
    }
    waiting.emplace_back(path, file.readAll());
  }
  for (int pass = 0; pass < 2 && !waiting.empty(); ++pass) {
    std::vector<std::pair<QString, QByteArray>> again;
    const bool last = pass == 1 || waiting.size() == 1;
    for (const auto& [path, bytes] : waiting) {
      if (ImportTable(bytes, path) || last)
        reports << status_->text();
      else
        again.emplace_back(path, bytes);
    }
    if (again.size() == waiting.size() && !last) {
      // Nothing went in: a second pass would fail the same way.
      for (const auto& [path, bytes] : again) {
        ImportTable(bytes, path);
        reports << status_->text();
      }
      again.clear();
    }
    waiting = std::move(again);
  }
  status_->setText(reports.join(QStringLiteral("\n\n")));
}

void SiteDataWindow::onExport(bool wells) {
  const QString path =
      Platform::instance().getSaveFileName(this, tr("CSV tables (*.csv)"), QStringLiteral("csv"));
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
    status_->setText(tr("Cannot write %1: %2").arg(path, file.errorString()));
    return;
  }
  status_->setText(tr("Wrote %1.").arg(path));
}

// Spreadsheets copy cells as tab-separated lines. With the table's header
// copied too, the paste is read as a semicolon table (where a decimal comma
// is a point, as a German spreadsheet writes it).
void SiteDataWindow::onPaste() {
  QString text = QApplication::clipboard()->text();
  if (text.trimmed().isEmpty()) {
    status_->setText(tr("The clipboard holds no table."));
    return;
  }
  if (text.contains(QLatin1Char('\t'))) text.replace(QLatin1Char('\t'), QLatin1Char(';'));
  ImportTable(text.toUtf8(), tr("pasted table"));
}

void SiteDataWindow::updateMapNames() {
  std::vector<std::string> analytes;
  for (const SiteSample& s : virelo_ExtrasOf(*project_).site.samples) analytes.push_back(s.analyte);
  const size_t unknown = UnknownAnalytes(analytes, ProjectAnalyteResolver(*project_)).size();
  mapNames_->setEnabled(unknown > 0);
  mapNames_->setText(unknown > 0 ? tr("Map %1 unknown &names...").arg(unknown) : tr("Map &names..."));
}

// Window-modal but not blocking, so that the window's own refresh follows the
// mapping at once.
void SiteDataWindow::onMapNames() {
  auto* dialog = new AnalyteMappingDialog(project_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &AnalyteMappingDialog::siteChanged, this, [this] {
    Refresh();
    status_->setText(tr("Saved the names as the project's aliases."));
    emit projectChanged();
  });
  dialog->open();
}
