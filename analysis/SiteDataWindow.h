// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Site data" window: the project's monitoring wells and samples, the
// decay constant they give each contaminant, the trend at each well and the
// redox condition the indicators suggest. Edits go into the project's site
// data at once; the decay constant and the redox condition reach the
// contaminant and the aquifer only when the user applies them.
#pragma once

#include <QDialog>

#include "engine/project/records.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class SiteDecayView;
class SiteFlowView;
class SitePlumeView;
class SiteTableModel;
class SiteTrendsView;

// Help identifiers of the window's controls (texts in the manual).
enum SiteControlId {
  kIdSiteWindow = 1500,
  kIdSiteWells = 1501,
  kIdSiteSamples = 1502,
  kIdSiteImport = 1503,
  kIdSiteExport = 1504,
  kIdSitePaste = 1505,
  kIdSiteDecayChart = 1510,
  kIdSiteDecayOptions = 1511,
  kIdSiteDecayNumbers = 1512,
  kIdSiteUseLambda = 1513,
  kIdSiteTrendChart = 1520,
  kIdSiteTrendTable = 1521,
  kIdSiteRedoxTable = 1522,
  kIdSiteApplyRedox = 1523,
  kIdSiteMapNames = 1506,
  kIdSiteDateOrder = 1507,
  kIdSiteFlowPlan = 1530,
  kIdSiteMapFields = 1531,
  kIdSiteFlowNumbers = 1532,
  kIdSiteApplyGradient = 1533,
  kIdSiteUseAzimuth = 1534,
  kIdSitePlumeAxis = 1535,
  kIdSitePlumeRounds = 1540,
  kIdSiteRoundDays = 1541,
  kIdSiteTransects = 1542,
  kIdSiteBackground = 1543,
};

class SiteDataWindow : public QDialog {
  Q_OBJECT
 public:
  SiteDataWindow(Project* project, QWidget* parent = nullptr);

  // Shows the project's site data again (after an import or an edit).
  void Refresh();
  // Reads a table (laboratory or wells CSV) into the site data, adding to
  // it; false, with the refusals in the status line, when any row is bad.
  bool ImportTable(const QByteArray& bytes, const QString& source);

  QTabWidget* tabs() const { return tabs_; }
  QTableView* wellsTable() const { return wells_; }
  QTableView* samplesTable() const { return samples_; }
  SiteTableModel* wellsModel() const { return wellsModel_; }
  SiteTableModel* samplesModel() const { return samplesModel_; }
  QLabel* statusLabel() const { return status_; }
  SiteDecayView* decayView() const { return decay_; }
  SiteTrendsView* trendsView() const { return trends_; }
  SiteFlowView* flowView() const { return flow_; }
  SitePlumeView* plumeView() const { return plume_; }

 public:
  // How slashed dates of an import are read: refused, day first, month first.
  QComboBox* dateOrderBox() const { return dateOrder_; }
  // Opens the offer to name the analytes no name matches; enabled while any.
  QPushButton* mapNamesButton() const { return mapNames_; }

 signals:
  // A contaminant's decay constant, the aquifer's redox condition or its
  // gradient changed.
  void projectChanged();

 private:
  QWidget* buildTablesTab();
  void fillTables();
  void onSiteChanged();
  void onImport();
  void onExport(bool wells);
  void onPaste();
  void onMapNames();
  // Asks for the roles of the table's unknown columns; true when any was
  // named, and the project keeps the names.
  bool OfferColumnMapping(const QByteArray& bytes);
  void updateMapNames();

  Project* project_;
  QTabWidget* tabs_ = nullptr;
  SiteTableModel* wellsModel_ = nullptr;
  SiteTableModel* samplesModel_ = nullptr;
  QTableView* wells_ = nullptr;
  QTableView* samples_ = nullptr;
  QLabel* status_ = nullptr;
  SiteDecayView* decay_ = nullptr;
  SiteTrendsView* trends_ = nullptr;
  SiteFlowView* flow_ = nullptr;
  SitePlumeView* plume_ = nullptr;
  QComboBox* dateOrder_ = nullptr;
  QPushButton* mapNames_ = nullptr;
};
