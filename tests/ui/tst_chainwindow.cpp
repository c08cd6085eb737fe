// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The decay-chain window: what it proposes, how edits reach the project's
// chains, and what the table at the receptor says about a daughter that has
// no source of its own.
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include <QTextDocument>

#include "analysis/ChainWindow.h"
#include "engine/extras.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"

namespace {

// A dry-cleaner plume: PCE, TCE and cis-DCE at the source, no VC there.
ProjectPtr solventProject() {
  ProjectPtr project = makeProject(5);
  completeAquifer(*project, true);
  const char* names[] = {"Benzene", "Tetrachloroethene (PCE)", "Trichloroethene (TCE)",
                         "cis-1,2-Dichloroethene", "Vinyl chloride"};
  const double c0[] = {10.0, 5000.0, 1200.0, 800.0, 0.0}, ca[] = {1.0, 10.0, 10.0, 50.0, 0.5};
  const double k[] = {0.01, 0.01, 0.003, 0.002, 0.003};
  for (int i = 0; i < 5; ++i) {
    Contaminant& c = addContaminant(*project, 0, names[i]);
    completeInputs(c, c0[i] > 0 ? c0[i] : 1.0, ca[i], k[i]);
    if (c0[i] == 0.0) c.valueMask = static_cast<uint16_t>(c.valueMask & ~kValueC0);
  }
  return project;
}

QString cell(QTableWidget* table, int row, int column) {
  return table->item(row, column) ? table->item(row, column)->text() : QString();
}

}  // namespace

class TestChainWindow : public QObject {
  Q_OBJECT

 private slots:
  void proposesTheChlorinatedEthenesAndShowsVinylChlorideArriving() {
    ProjectPtr project = solventProject();
    std::vector<DecayChain> chains;
    ChainWindow window(project.get(), &chains, AssessmentRange{0.3, 2.0}, QStringLiteral("ug/L"));
    QCOMPARE(window.currentChain(), -1);
    QVERIFY(window.problemLabel()->text().contains("no decay chain"));
    window.newChain();
    QCOMPARE(chains.size(), size_t{1});
    const std::vector<std::string> expected = {"Tetrachloroethene (PCE)", "Trichloroethene (TCE)",
                                               "cis-1,2-Dichloroethene", "Vinyl chloride", "Ethene"};
    QCOMPARE(chains[0].species, expected);
    QCOMPARE(chains[0].yields.size(), size_t{4});
    QVERIFY(std::fabs(chains[0].yields[3] - 28.054 / 62.496) < 1e-15);
    QVERIFY(project->modified);
    QVERIFY(window.endProductBox()->isChecked());

    QTableWidget* table = window.receptorTable();
    QCOMPARE(table->rowCount(), 5);
    // VC cannot be assessed alone (no C0) but arrives far above its CA.
    QCOMPARE(cell(table, 3, 6), QString("Problems"));
    QCOMPARE(cell(table, 3, 3), QString("Red"));
    QCOMPARE(cell(table, 3, 5), QString("Red"));
    QCOMPARE(cell(table, 4, 3), QString("-"));  // the end product has no class
    // Every species has its screening and exact curve and, but the end
    // product, its CA line.
    const QList<QAbstractSeries*> series = window.chartView()->chart()->series();
    QCOMPARE(series.size(), 5 * 2 + 4 + 1);
  }

  void editsReachTheChainAndKeepTheYieldsThatStillApply() {
    ProjectPtr project = solventProject();
    std::vector<DecayChain> chains = {
        {{"Tetrachloroethene (PCE)", "Trichloroethene (TCE)", "cis-1,2-Dichloroethene", "Vinyl chloride"},
         {0.7, 0.6, 0.5}}};
    ChainWindow window(project.get(), &chains, AssessmentRange{0.3, 2.0}, QString());
    QCOMPARE(window.currentChain(), 0);
    QVERIFY(!project->modified);

    // A yield typed with a decimal comma, as a German desktop writes it.
    window.editor()->item(2, 1)->setText("0,55");
    QCoreApplication::processEvents();
    QCOMPARE(chains[0].yields[1], 0.55);
    // Removing TCE joins PCE to cis-DCE: that yield starts from the molar
    // masses, the one below (cis-DCE to VC) keeps the user's value.
    window.removeSpecies(1);
    QCOMPARE(chains[0].species.size(), size_t{3});
    QVERIFY(std::fabs(chains[0].yields[0] - 96.938 / 165.822) < 1e-15);
    QCOMPARE(chains[0].yields[1], 0.5);
    QVERIFY(project->modified);

    // A yield that is no number leaves the chain unusable, and says why.
    window.editor()->item(1, 1)->setText("abc");
    QCoreApplication::processEvents();
    QVERIFY(std::isnan(chains[0].yields[0]));
    QVERIFY(window.problemLabel()->isVisibleTo(&window));
    QVERIFY(window.problemLabel()->text().contains("yield"));
    QCOMPARE(window.receptorTable()->rowCount(), 0);
    window.restoreDefaultYields();
    QVERIFY(!window.problemLabel()->isVisibleTo(&window));

    window.setEndProduct(true);
    QCOMPARE(chains[0].species.back(), std::string("Ethene"));
    QCOMPARE(chains[0].yields.size(), chains[0].species.size() - 1);
    window.setEndProduct(false);
    QCOMPARE(chains[0].species.size(), size_t{3});
    QCOMPARE(chains[0].yields.size(), size_t{2});

    // Choosing another contaminant in a row, as a user does: the yields on
    // either side start again from the molar masses.
    auto* box = qobject_cast<QComboBox*>(window.editor()->cellWidget(1, 0));
    QVERIFY(box);
    box->setCurrentText("Trichloroethene (TCE)");
    QCoreApplication::processEvents();
    QCOMPARE(chains[0].species[1], std::string("Trichloroethene (TCE)"));
    QVERIFY(std::fabs(chains[0].yields[0] - 131.38 / 165.822) < 1e-15);
    QVERIFY(std::fabs(chains[0].yields[1] - 62.496 / 131.38) < 1e-15);
    window.moveSpecies(2, -1);
    QCOMPARE(chains[0].species[1], std::string("Vinyl chloride"));
    QVERIFY(std::fabs(chains[0].yields[1] - 131.38 / 62.496) < 1e-15);
    window.deleteChain();
    QVERIFY(chains.empty());
    QCOMPARE(window.currentChain(), -1);
  }

  // The dry-cleaner example: every contaminant is green alone, but vinyl
  // chloride formed along the plume arrives above its CA. Its light follows
  // the chain and its chain badge says why; the report has the chain's
  // section.
  void resultsPageMarksAndReportSection() {
    ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
    QVERIFY(project);
    FakePageHost host;
    CPropResults page(&host);
    page.ShowProject(project.get());
    ResultListModel* rows = page.listModel(CPropResults::AttenuationFactorSide);
    QCOMPARE(rows->size(), 4);
    int worse = 0;
    for (int i = 0; i < rows->size(); ++i) {
      QCOMPARE(int(rows->row(i).screeningClass), static_cast<int>(AssessmentClass::Green));
      const int light = rows->data(rows->index(i, 0), ResultListModel::ClassRole).toInt();
      const QStringList badges =
          rows->index(i, rows->marksColumn()).data(ResultListModel::BadgesRole).toStringList();
      QVERIFY(badges.contains("chain"));  // every species stands in the chain
      if (light == static_cast<int>(AssessmentClass::Green)) continue;
      ++worse;
      if (rows->data(rows->index(i, 0), Qt::DisplayRole).toString() == "Vinyl chloride") {
        QCOMPARE(light, static_cast<int>(AssessmentClass::Red));
        const QString tip = rows->data(rows->index(i, 1), Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(
                     "Verdict: Red. The screening model alone gives Green; the decay chain made it worse."),
                 qPrintable(tip));
      }
    }
    QCOMPARE(worse, 3);  // TCE and cis-DCE are yellow in the chain

    const QString report = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 760))
                               ->toPlainText()
                               .simplified();
    QVERIFY(report.contains("Decay chain Daughters formed along the plume"));
    QVERIFY2(report.contains("Vinyl chloride 0.5 23.87 Red 41.14 Red Green"), qPrintable(report));

    // Without the chain the marks and the section are gone.
    virelo_Extras(project.get()).chains.clear();
    page.RefreshResults();
    for (int i = 0; i < rows->size(); ++i) {
      QVERIFY(rows->index(i, rows->marksColumn()).data(ResultListModel::BadgesRole).toStringList().isEmpty());
      QCOMPARE(rows->data(rows->index(i, 0), ResultListModel::ClassRole).toInt(),
               static_cast<int>(AssessmentClass::Green));
    }
    QVERIFY(!BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 760))
                 ->toPlainText()
                 .contains("Daughters formed along the plume"));
  }
};

QTEST_MAIN(TestChainWindow)
#include "tst_chainwindow.moc"
