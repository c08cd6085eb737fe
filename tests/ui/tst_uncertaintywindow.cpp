// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Uncertainty window: distributions typed into the editor reach the
// project, a run on the worker fills the table, histogram and ranking, and
// Cancel leaves no results behind.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "../engine/worked_example.h"
#include "analysis/RatioHistogram.h"
#include "analysis/UncertaintyWindow.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "engine/extras.h"
#include "engine/siteproject.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "persistence/projectfile.h"
#include "platform/ManualHelp.h"
#include "platform/Platform.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"
#include "support/FakePlatform.h"

namespace {

ProjectPtr siteProject() {
  ProjectPtr project = makeProject(2);
  project->aquifer = WorkedExampleAquifer();
  Contaminant& benzene = addContaminant(*project, 0, "Benzene");
  completeInputs(benzene, 100.0, 1.0, 0.002);
  benzene.lambdaSelected = kLambdaAerobic;
  benzene.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  Contaminant& broken = addContaminant(*project, 0, "TCE");
  broken.assess = kAssessAttenuationFactor;  // no C0, CA or decay constant
  return project;
}

QLineEdit* parameter(UncertaintyWindow& window, int row, int k) {
  return qobject_cast<QLineEdit*>(window.distributionsTable()->cellWidget(row, 3 + k));
}

}  // namespace

class TestUncertaintyWindow : public QObject {
  Q_OBJECT
 private slots:
  void editorRunTableAndHistogram();
  void cancelLeavesNoResults();
  void everyPartHasItsHelpText();
  void resultsPageShowsTheProbabilitiesWhileTheyHold();
  void dataMenuOpensTheWindowOnTheProject();
  void histogramClassesAsTheResultsPage();
  void lambdaFromTheSiteFillsALogNormal();
  void aChainsParentIsDrawnForItsDaughter();
};

void TestUncertaintyWindow::editorRunTableAndHistogram() {
  FakePlatform platform;
  ProjectPtr project = siteProject();
  UncertaintyPlan plan;
  plan.samples = 4000;
  plan.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}}};
  UncertaintyWindow window(project.get(), &plan, UncertaintyOptions{});
  int changes = 0;
  connect(&window, &UncertaintyWindow::planChanged, [&] { ++changes; });
  QCOMPARE(window.distributionsTable()->rowCount(), 1);
  QCOMPARE(parameter(window, 0, 1)->text(), QStringLiteral("2"));

  // A decay constant for Benzene, typed with a decimal comma.
  window.AddDistribution({UncertainInput::Lambda, "Benzene", DistributionKind::LogUniform, {}});
  QVERIFY(!window.runButton()->isEnabled());  // no parameters yet
  QTest::keyClicks(parameter(window, 1, 0), QStringLiteral("0,0005"));
  QTest::keyClicks(parameter(window, 1, 1), QStringLiteral("0.005"));
  QVERIFY2(window.problems().empty(), window.problems().front().c_str());
  QCOMPARE(plan.inputs.size(), size_t{2});
  QCOMPARE(plan.inputs[1].contaminant, std::string("Benzene"));
  QCOMPARE(plan.inputs[1].params, (std::vector<double>{0.0005, 0.005}));
  QVERIFY(changes > 0);

  // An untruncated normal porosity can draw refused values: Run waits.
  auto* input = qobject_cast<QComboBox*>(window.distributionsTable()->cellWidget(0, 0));
  input->setCurrentIndex(static_cast<int>(UncertainInput::Ne));
  auto* kind = qobject_cast<QComboBox*>(window.distributionsTable()->cellWidget(0, 2));
  kind->setCurrentIndex(static_cast<int>(DistributionKind::Normal));
  parameter(window, 0, 0)->setText(QStringLiteral("0.25"));
  parameter(window, 0, 1)->setText(QStringLiteral("0.1"));
  QVERIFY(!window.runButton()->isEnabled());
  QVERIFY(window.problemsLabel()->text().startsWith(QStringLiteral("ne: the normal distribution")));
  parameter(window, 0, 2)->setText(QStringLiteral("0.05"));
  parameter(window, 0, 3)->setText(QStringLiteral("0.5"));
  QVERIFY(window.runButton()->isEnabled());
  QCOMPARE(plan.inputs[0].params, (std::vector<double>{0.25, 0.1, 0.05, 0.5}));

  QTest::mouseClick(window.runButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(window.lastRun() != nullptr, 20000);
  QVERIFY(!window.running());
  const UncertaintyRun& run = *window.lastRun();
  QCOMPARE(window.resultsTable()->rowCount(), 3);  // Benzene PL and AF, TCE AF
  QCOMPARE(window.resultsTable()->item(0, 2)->text(), QString::number(run.rows[0].pGreen, 'f', 3));
  QCOMPARE(window.resultsTable()->item(1, 4)->text(), QString::number(run.rows[1].pRed, 'f', 3));
  QCOMPARE(window.resultsTable()->item(2, 2)->text(), QStringLiteral("problems"));

  // The first row is shown: every sample in a bar or counted apart, and
  // its three inputs ranked (x does not vary).
  const RatioHistogram::Bins bins = RatioHistogram::Count(window.histogram()->data(), 40);
  int drawn = bins.nothingArrives + bins.undefined, green = 0;
  for (size_t k = 0; k < bins.green.size(); ++k) {
    drawn += bins.green[k] + bins.yellow[k] + bins.red[k];
    green += bins.green[k];
  }
  QCOMPARE(drawn, 4000);
  QCOMPARE(green / 4000.0, run.rows[0].pGreen);
  QCOMPARE(window.rankingTable()->rowCount(), 2);
  QVERIFY(window.rankingTable()->item(0, 0)->text().startsWith(QStringLiteral("lambda")));
  window.resultsTable()->setCurrentCell(1, 0);
  QVERIFY(!window.histogram()->data().plumeLength);

  window.resize(1000, 820);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.grab().save(QStringLiteral(VIRELO_BINARY_DIR "/uncertainty-window.png"));
}

void TestUncertaintyWindow::cancelLeavesNoResults() {
  FakePlatform platform;
  ProjectPtr project = siteProject();
  UncertaintyPlan plan;
  plan.samples = kMaxUncertaintySamples;
  plan.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}}};
  UncertaintyOptions options;
  options.verdictBasis = UncertaintyModel::Exact;  // slow enough to catch running
  UncertaintyWindow window(project.get(), &plan, options);
  QTest::mouseClick(window.runButton(), Qt::LeftButton);
  QVERIFY(window.running());
  QVERIFY(window.cancelButton()->isEnabled());
  QVERIFY(!window.runButton()->isEnabled());
  QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
  QVERIFY(!window.running());
  QTest::qWait(50);  // a finished run's queued message must not bring results back
  QVERIFY(window.lastRun() == nullptr);
  QCOMPARE(window.resultsTable()->rowCount(), 0);
  QVERIFY(window.runButton()->isEnabled());
  QCOMPARE(window.progressBar()->value(), 0);
}

// F1 opens the window's section of the manual; each part has a What's-this
// text in that section.
void TestUncertaintyWindow::everyPartHasItsHelpText() {
  FakePlatform platform;
  ProjectPtr project = siteProject();
  UncertaintyPlan plan;
  UncertaintyWindow window(project.get(), &plan, UncertaintyOptions{});
  const ManualHelp& manual = ManualHelp::builtIn();
  const QString section = manual.section(controlId(&window));
  QVERIFY2(section.contains(QStringLiteral("Uncertainty")), qPrintable(section));
  int parts = 0;
  for (QWidget* part : window.findChildren<QWidget*>()) {
    const int id = controlId(part);
    if (!id) continue;
    ++parts;
    QVERIFY2(!manual.text(id).isEmpty(), qPrintable(part->objectName()));
    QCOMPARE(manual.section(id), section);
  }
  QVERIFY(parts >= 8);
}

// The results page opens the window; after a run both lists show the class
// probabilities of their rows until an input changes. Editing the
// distributions marks the project modified.
void TestUncertaintyWindow::resultsPageShowsTheProbabilitiesWhileTheyHold() {
  FakePlatform platform;
  FakePageHost host;
  ProjectPtr project = siteProject();
  // Under the exact solution as verdict basis the attenuation factor's
  // column shows that basis.
  virelo_Extras(project.get()).settings.verdictBasis = VerdictBasis::Exact;
  auto page = std::make_unique<CPropResults>(&host);
  page->ShowProject(project.get());
  std::shared_ptr<const UncertaintyRun> run;
  platform.dialogHandler = [&](QDialog* dialog) {
    auto* window = qobject_cast<UncertaintyWindow*>(dialog);
    if (!window) return int(QDialog::Rejected);
    window->AddDistribution({UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}});
    QTest::mouseClick(window->runButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return window->lastRun() != nullptr; }, 20000)) return int(QDialog::Rejected);
    run = window->lastRun();
    return int(QDialog::Rejected);
  };
  QVERIFY(!page->listModel(0)->hasProbabilityColumn());
  QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("uncertaintyButton")), Qt::LeftButton);
  QVERIFY(run);
  QCOMPARE(project->modified, int16_t(1));
  QCOMPARE(virelo_ExtrasOf(*project).uncertainty.inputs.size(), size_t{1});
  for (int side : {0, 1}) {
    ResultListModel* model = page->listModel(side);
    QVERIFY(model->hasProbabilityColumn());
    QCOMPARE(model->columnCount(), model->probabilityColumn() + 1);
    const UncertaintyRow& row = run->rows[side == 0 ? 0 : 2];  // Benzene PL, AF, AF exact
    QCOMPARE(row.model, side == 0 ? UncertaintyModel::Screening : UncertaintyModel::Exact);
    QCOMPARE(model->data(model->index(0, model->probabilityColumn())).toString(),
             QStringLiteral("G %1 \u00b7 Y %2 \u00b7 R %3")
                 .arg(row.pGreen, 0, 'f', 3)
                 .arg(row.pYellow, 0, 'f', 3)
                 .arg(row.pRed, 0, 'f', 3));
  }
  // The TCE row has problems: no probabilities.
  QCOMPARE(page->listModel(1)
               ->data(page->listModel(1)->index(1, page->listModel(1)->probabilityColumn()))
               .toString(),
           QString());
  page->RefreshResults();
  QVERIFY(page->listModel(0)->hasProbabilityColumn());
  project->aquifer.gradientI *= 2;
  page->RefreshResults();
  QVERIFY(!page->listModel(0)->hasProbabilityColumn());
  QVERIFY(!page->listModel(1)->hasProbabilityColumn());
  page->ShowProject(nullptr);
}

void TestUncertaintyWindow::dataMenuOpensTheWindowOnTheProject() {
  ShellSession session;
  auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/fuel-depot.vrp"));
  int opened = 0;
  session.platform.dialogHandler = [&](QDialog* dialog) {
    auto* uncertainty = qobject_cast<UncertaintyWindow*>(dialog);
    if (uncertainty) {
      ++opened;
      // The editor lists the project's assessed contaminants.
      uncertainty->AddDistribution({UncertainInput::CA, "", DistributionKind::Fixed, {}});
      auto* names = qobject_cast<QComboBox*>(uncertainty->distributionsTable()->cellWidget(0, 1));
      if (!names || names->count() != 6 || names->itemText(0) != QStringLiteral("Benzene")) opened = -100;
    }
    return int(QDialog::Rejected);
  };
  window->dataCommands->action("uncertainty")->trigger();
  QCOMPARE(opened, 1);
}

// A ratio on a bound belongs to the better class, as on the results page;
// nothing arriving and undefined ratios are counted apart.
void TestUncertaintyWindow::histogramClassesAsTheResultsPage() {
  RatioHistogramData data;
  data.sortedRatios = {0.0, 0.3, 1.0, 2.0, 2.0000001, INFINITY};
  data.range = {0.3, 2.0};
  const RatioHistogram::Bins bins = RatioHistogram::Count(data, 40);
  int counts[3] = {0, 0, 0};
  for (size_t k = 0; k < bins.green.size(); ++k) {
    counts[0] += bins.green[k];
    counts[1] += bins.yellow[k];
    counts[2] += bins.red[k];
  }
  QCOMPARE(counts[0], 1);
  QCOMPARE(counts[1], 2);
  QCOMPARE(counts[2], 1);
  QCOMPARE(bins.nothingArrives, 1);
  QCOMPARE(bins.undefined, 1);
}

void TestUncertaintyWindow::lambdaFromTheSiteFillsALogNormal() {
  FakePlatform platform;
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
  QVERIFY(project);
  SiteLambdaLogNormal site;
  QVERIFY(SiteLambdaLogNormalFor(*project, "Benzene", &site));
  UncertaintyPlan plan;
  UncertaintyWindow window(project.get(), &plan, UncertaintyOptions{});
  QTableWidget* table = window.distributionsTable();
  auto combo = [&](int column) { return qobject_cast<QComboBox*>(table->cellWidget(0, column)); };

  // The plain Add gives a Kf row; choosing lambda, then Benzene, fills it
  // with the site's lognormal whichever contaminant came first.
  window.findChild<QPushButton*>(QStringLiteral("uncertaintyAdd"))->click();
  combo(0)->setCurrentIndex(static_cast<int>(UncertainInput::Lambda));
  combo(1)->setCurrentText(QStringLiteral("Benzene"));
  QCOMPARE(plan.inputs.size(), size_t{1});
  QCOMPARE(plan.inputs[0].contaminant, std::string("Benzene"));
  QCOMPARE(plan.inputs[0].kind, DistributionKind::LogNormal);
  QCOMPARE(plan.inputs[0].params.size(), size_t{2});
  // The shown figures carry ten digits: the median to that, not more.
  QVERIFY(std::abs(plan.inputs[0].params[0] / site.median - 1.0) < 1e-9);
  QVERIFY(std::abs(plan.inputs[0].params[1] / site.geometricSd - 1.0) < 1e-9);
  QVERIFY(parameter(window, 0, 2)->text().isEmpty());
  QVERIFY2(window.problems().empty(), window.problems().front().c_str());
  const QString note = table->item(0, 7)->text();
  QVERIFY2(note.contains(QStringLiteral("from the site's wells, 90 % interval 0.0027\u20130.0035 1/d")),
           qPrintable(note));

  // Typing over the offer keeps the typed value and drops the note.
  parameter(window, 0, 1)->setText(QStringLiteral("1.5"));
  QCOMPARE(plan.inputs[0].params[1], 1.5);
  QVERIFY(!table->item(0, 7)->text().contains(QStringLiteral("site")));
}

QTEST_MAIN(TestUncertaintyWindow)

// A parent that is not assessed itself still reaches its daughter: it is
// offered in the editor, drawn, and ranked by name.
void TestUncertaintyWindow::aChainsParentIsDrawnForItsDaughter() {
  FakePlatform platform;
  ProjectPtr project = makeProject(2);
  project->aquifer = WorkedExampleAquifer();
  Contaminant& parent = addContaminant(*project, 0, "A");
  completeInputs(parent, 100.0, 1.0, 0.002);
  parent.assess = 0;
  Contaminant& daughter = addContaminant(*project, 0, "B");
  completeInputs(daughter, 1.0, 0.5, 0.001);
  daughter.assess = kAssessAttenuationFactor;
  virelo_Extras(project.get()).chains.push_back({{"A", "B"}, {0.8}});
  UncertaintyPlan plan;
  plan.samples = 2000;
  UncertaintyWindow window(project.get(), &plan, UncertaintyOptions{});
  window.AddDistribution({UncertainInput::Lambda, "A", DistributionKind::LogUniform, {}});
  auto* species = qobject_cast<QComboBox*>(window.distributionsTable()->cellWidget(0, 1));
  QVERIFY(species);
  QVERIFY(species->findText(QStringLiteral("A")) >= 0);
  QVERIFY(species->findText(QStringLiteral("B")) >= 0);
  QCOMPARE(species->currentText(), QStringLiteral("A"));
  QTest::keyClicks(parameter(window, 0, 0), QStringLiteral("0.0002"));
  QTest::keyClicks(parameter(window, 0, 1), QStringLiteral("0.02"));
  QVERIFY2(window.problems().empty(), window.problems().front().c_str());
  QTest::mouseClick(window.runButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(window.lastRun() != nullptr, 20000);
  const UncertaintyRun& run = *window.lastRun();
  QCOMPARE(run.rows.size(), size_t{1});  // B's attenuation factor
  QVERIFY(run.rows[0].pGreen < 0.95);    // alone B is Green at every draw
  QCOMPARE(window.rankingTable()->rowCount(), 1);
  QCOMPARE(window.rankingTable()->item(0, 0)->text().endsWith(QStringLiteral(" of A")), true);
}

#include "tst_uncertaintywindow.moc"
