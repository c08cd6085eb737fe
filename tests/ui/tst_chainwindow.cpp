// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The decay-chain window, driven as a user drives it (buttons clicked,
// yields typed into their cells, species chosen with the keys): what it
// proposes, how edits reach the project's chains, which range classes the
// receptor, and what the table at the receptor and the results page say
// about a daughter that has no source of its own.
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <cmath>

#include "analysis/ChainWindow.h"
#include "engine/project/extras.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "shell_fixture.h"
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

QPushButton* button(QWidget* root, const QString& text) {
  for (QPushButton* b : root->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

// A click on the button of that text, as a user gives it.
bool click(QWidget* root, const QString& text) {
  QPushButton* b = button(root, text);
  if (!b || !b->isEnabled()) return false;
  QTest::mouseClick(b, Qt::LeftButton);
  QCoreApplication::processEvents();
  return true;
}

// A click on a cell that takes no text: it makes the cell's row the current one.
void selectRow(QTableWidget* table, int row) {
  const QRect cellRect = table->visualRect(table->model()->index(row, 2));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellRect.center());
}

// Types `text` into a cell as a user does: a click on it, F2, the text over
// the old one, Return.
bool typeIntoCell(QTableWidget* table, int row, int column, const QString& text) {
  const QRect cellRect = table->visualRect(table->model()->index(row, column));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellRect.center());
  QTest::keyClick(table, Qt::Key_F2);
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : table->viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  if (!editor) return false;
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The delegate commits after the key, and the window applies the yield
  // after the commit: both wait for the event loop.
  for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents();
  return true;
}

// The species box of an editor row.
QComboBox* speciesBox(ChainWindow& window, int row) {
  return qobject_cast<QComboBox*>(window.editor()->cellWidget(row, 0));
}

}  // namespace

class TestChainWindow : public QObject {
  Q_OBJECT

 private slots:
  void proposesTheChlorinatedEthenesAndShowsVinylChlorideArriving() {
    ProjectPtr project = solventProject();
    std::vector<DecayChain> chains;
    ChainWindow window(project.get(), &chains, AssessmentRange{0.3, 2.0}, QStringLiteral("ug/L"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.currentChain(), -1);
    QVERIFY(window.problemLabel()->text().contains("no decay chain"));
    QVERIFY(button(&window, "&Remove"));
    QVERIFY(!button(&window, "&Remove")->isEnabled());
    QVERIFY(click(&window, "&New chain"));
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
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.currentChain(), 0);
    QVERIFY(!project->modified);
    QTableWidget* editor = window.editor();
    QCOMPARE(editor->rowCount(), 4);

    // A yield typed with a decimal comma, as a German desktop writes it.
    QVERIFY(typeIntoCell(editor, 2, 1, "0,55"));
    QCOMPARE(chains[0].yields.size(), size_t{3});
    QCOMPARE(chains[0].yields[1], 0.55);
    QCOMPARE(cell(editor, 2, 1), QString("0.55"));
    // Removing TCE joins PCE to cis-DCE: that yield starts from the molar
    // masses, the one below (cis-DCE to VC) keeps the user's value.
    selectRow(editor, 1);
    QVERIFY(click(&window, "&Remove"));
    QCOMPARE(chains[0].species.size(), size_t{3});
    QCOMPARE(editor->rowCount(), 3);
    QCOMPARE(chains[0].yields.size(), size_t{2});
    QVERIFY(std::fabs(chains[0].yields[0] - 96.938 / 165.822) < 1e-15);
    QCOMPARE(chains[0].yields[1], 0.5);
    QVERIFY(project->modified);

    // A yield that is no number leaves the chain unusable, and says why.
    QVERIFY(typeIntoCell(editor, 1, 1, "abc"));
    QCOMPARE(chains[0].yields.size(), size_t{2});
    QVERIFY(std::isnan(chains[0].yields[0]));
    QVERIFY(window.problemLabel()->isVisibleTo(&window));
    QVERIFY(window.problemLabel()->text().contains("yield"));
    QCOMPARE(window.receptorTable()->rowCount(), 0);
    QVERIFY(click(&window, "Default &yields"));
    QVERIFY(!window.problemLabel()->isVisibleTo(&window));
    QCOMPARE(window.receptorTable()->rowCount(), 3);

    // The end product, ticked and unticked with the space bar.
    QTest::keyClick(window.endProductBox(), Qt::Key_Space);
    QCOMPARE(chains[0].species.back(), std::string("Ethene"));
    QCOMPARE(chains[0].yields.size(), chains[0].species.size() - 1);
    QCOMPARE(editor->rowCount(), 4);
    QCOMPARE(cell(window.receptorTable(), 3, 0), QString("Ethene"));
    QTest::keyClick(window.endProductBox(), Qt::Key_Space);
    QCOMPARE(chains[0].species.size(), size_t{3});
    QCOMPARE(chains[0].yields.size(), size_t{2});

    // "Released: PCE only", ticked and unticked as the user does.
    QCOMPARE(window.releasedBox()->text(), QString("Released: Tetrachloroethene (PCE) only"));
    QVERIFY(chains[0].released.empty());
    QTest::keyClick(window.releasedBox(), Qt::Key_Space);
    QCOMPARE(chains[0].released, std::vector<std::string>{"Tetrachloroethene (PCE)"});
    QVERIFY(window.releasedBox()->isChecked());
    QTest::keyClick(window.releasedBox(), Qt::Key_Space);
    QVERIFY(chains[0].released.empty());

    // Choosing another contaminant in a row, as a user does with the arrow
    // keys on its box: the yields on either side start again from the molar
    // masses. The box lists the project's contaminants in their order, and
    // TCE stands above cis-DCE.
    QComboBox* box = speciesBox(window, 1);
    QVERIFY(box);
    QCOMPARE(box->currentText(), QString("cis-1,2-Dichloroethene"));
    QTest::keyClick(box, Qt::Key_Up);
    for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents();
    QCOMPARE(chains[0].species[1], std::string("Trichloroethene (TCE)"));
    QVERIFY(std::fabs(chains[0].yields[0] - 131.38 / 165.822) < 1e-15);
    QVERIFY(std::fabs(chains[0].yields[1] - 62.496 / 131.38) < 1e-15);
    QVERIFY(speciesBox(window, 1));
    QCOMPARE(speciesBox(window, 1)->currentText(), QString("Trichloroethene (TCE)"));
    // Vinyl chloride one up.
    selectRow(editor, 2);
    QVERIFY(click(&window, "&Up"));
    QCOMPARE(chains[0].species[1], std::string("Vinyl chloride"));
    QVERIFY(std::fabs(chains[0].yields[1] - 131.38 / 62.496) < 1e-15);
    QCOMPARE(cell(window.receptorTable(), 1, 0), QString("Vinyl chloride"));
    QVERIFY(click(&window, "&Delete chain"));
    QVERIFY(chains.empty());
    QCOMPARE(window.currentChain(), -1);
    QCOMPARE(editor->rowCount(), 0);
    QVERIFY(button(&window, "&Up"));
    QVERIFY(!button(&window, "&Up")->isEnabled());
  }

  // Data > Decay chain classes the receptor with the attenuation-factor
  // range saved with the project, not the default and not the plume-length
  // range: TCE arrives at 0.37 of its CA, Green in 0.5 .. 2.0 (saved for the
  // factor) and Yellow in 0.3 .. 2.0 and 0.2 .. 5.0.
  void menuOpensTheWindowWithTheSavedFactorRange() {
    ShellSession session;
    const QString file = session.path("ranges.vrp");
    {
      ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
      QVERIFY(project);
      virelo_Extras(project.get()).settings.plumeRange = 3;
      virelo_Extras(project.get()).settings.afRange = 1;
      QCOMPARE(virelo_SaveProject(project.get(), QFile::encodeName(file).constData()), 1);
    }
    auto window = session.start(file);
    QString tceClass, tceAlone;
    int rows = -1;
    session.platform.dialogHandler = [&](QDialog* dialog) {
      auto* chainWindow = qobject_cast<ChainWindow*>(dialog);
      if (!chainWindow) return int(QDialog::Rejected);
      QTableWidget* table = chainWindow->receptorTable();
      rows = table->rowCount();
      for (int row = 0; row < table->rowCount(); ++row) {
        if (cell(table, row, 0) != "Trichloroethene (TCE)") continue;
        tceClass = cell(table, row, 3);
        tceAlone = cell(table, row, 6);
      }
      return int(QDialog::Rejected);
    };
    window->dataCommands->action("decayChain")->trigger();
    QCOMPARE(rows, 5);
    QCOMPARE(tceClass, QString("Green"));
    QCOMPARE(tceAlone, QString("Green"));
  }

  // A daughter that cannot be assessed alone (no C0: its row has problems)
  // but arrives above its CA in the chain keeps its row's mark, and takes
  // the chain's class as its verdict: the only verdict it has.
  void rowWithProblemsKeepsItsChainMark() {
    ProjectPtr project = solventProject();
    for (int i = 1; i < 5; ++i) project->contaminants[i].assess = kAssessAttenuationFactor;
    virelo_Extras(project.get()).chains = {
        {{"Tetrachloroethene (PCE)", "Trichloroethene (TCE)", "cis-1,2-Dichloroethene", "Vinyl chloride"},
         DefaultChainYields({"Tetrachloroethene (PCE)", "Trichloroethene (TCE)", "cis-1,2-Dichloroethene",
                             "Vinyl chloride"})}};
    FakePageHost host;
    CPropResults page(&host);
    page.ShowProject(project.get());
    ResultListModel* rows = page.listModel(CPropResults::AttenuationFactorSide);
    QCOMPARE(rows->size(), 4);
    const int vc = 3;
    // Without a model of its own, its chain gives it its light.
    QCOMPARE(rows->data(rows->index(vc, 0), ResultListModel::ClassRole).toInt(),
             static_cast<int>(AssessmentClass::Red));
    QCOMPARE(rows->data(rows->index(vc, 0), Qt::DisplayRole).toString(), QString("Vinyl chloride"));
    const QModelIndex marks = rows->index(vc, rows->marksColumn());
    QCOMPARE(marks.data(ResultListModel::BadgesRole).toStringList(), QStringList({"chain"}));
    QCOMPARE(marks.data(ResultListModel::BadgeClassesRole).toList().value(0).toInt(),
             static_cast<int>(AssessmentClass::Red));
    const QString tip = marks.data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.startsWith("Decay chain Tetrachloroethene (PCE)") && tip.contains(": Red. C(x) = "),
             qPrintable(tip));
    const QString rowTip = rows->index(vc, 0).data(Qt::ToolTipRole).toString();
    QVERIFY2(
        rowTip.startsWith("Verdict: Red, by its decay chain. Its own inputs allow no single-species model: "
                          "their problems hold for that model only"),
        qPrintable(rowTip));
    page.ShowProject(nullptr);
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
    QVERIFY2(report.contains("Vinyl chloride 0.644701 0.5 23.87 Red 41.14 Red Green"), qPrintable(report));

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
