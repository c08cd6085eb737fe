// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Uncertainty window: distributions typed into the editor reach the
// project, a run on the worker fills the table, histogram and ranking, and
// Cancel, or a change to the inputs while it draws, leaves no results
// behind.
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstddef>
#include <cstring>
#include "support/RunWait.h"

#include "../engine/support/worked_example.h"
#include "analysis/DistributionTableModel.h"
#include "analysis/RatioHistogram.h"
#include "analysis/UncertaintyWindow.h"
#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "engine/project/extras.h"
#include "engine/site/siteproject.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "persistence/projectfile.h"
#include "platform/ManualHelp.h"
#include "platform/Platform.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"
#include "support/FakePlatform.h"
#include "support/TableDriving.h"

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

// The first problem, for a failure's message (QVERIFY2 builds its message
// whether the check fails or not).
const char* firstProblem(const UncertaintyWindow& window) {
  return window.problems().empty() ? "" : window.problems().front().c_str();
}

// What a cell of the editor shows.
QString cell(UncertaintyWindow& window, int row, int column) {
  return window.distributionsModel()->index(row, column).data().toString();
}
QString parameter(UncertaintyWindow& window, int row, int k) {
  return cell(window, row, DistributionTableModel::kFirstParameter + k);
}

// Types a parameter into its cell as a person does.
bool typeParameter(UncertaintyWindow& window, int row, int k, const QString& text) {
  return typeIntoCell(window.distributionsTable(), row, DistributionTableModel::kFirstParameter + k, text);
}

QString result(UncertaintyWindow& window, int row, int column) {
  return window.resultsModel()->index(row, column).data().toString();
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
  void aRunIsDroppedWhenTheSamplesChangeMeanwhile();
  void aRecordComparesEveryFieldAndNoPadding();
  void probabilitiesOnlyForADrawnRowWithoutProblems();
};

void TestUncertaintyWindow::editorRunTableAndHistogram() {
  FakePlatform platform;
  ProjectPtr project = siteProject();
  UncertaintyPlan plan;
  plan.samples = 4000;
  plan.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}}};
  UncertaintyWindow window(project.get(), &plan, UncertaintyOptions{});
  // The table's views rely on the model's signals naming real cells.
  QAbstractItemModelTester tester(window.distributionsModel(),
                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
  QVERIFY(showActive(window));
  int changes = 0;
  connect(&window, &UncertaintyWindow::planChanged, [&] { ++changes; });
  QCOMPARE(window.distributionsModel()->rowCount(), 1);
  QCOMPARE(parameter(window, 0, 1), QStringLiteral("2"));

  // A decay constant for Benzene, typed with a decimal comma.
  window.AddDistribution({UncertainInput::Lambda, "Benzene", DistributionKind::LogUniform, {}});
  QVERIFY(!window.runButton()->isEnabled());  // no parameters yet
  QVERIFY(typeParameter(window, 1, 0, QStringLiteral("0,0005")));
  QVERIFY(typeParameter(window, 1, 1, QStringLiteral("0.005")));
  QVERIFY2(window.problems().empty(), firstProblem(window));
  QCOMPARE(plan.inputs.size(), size_t{2});
  QCOMPARE(plan.inputs[1].contaminant, std::string("Benzene"));
  QCOMPARE(plan.inputs[1].params, (std::vector<double>{0.0005, 0.005}));
  QVERIFY(changes > 0);

  // An untruncated normal porosity can draw refused values: Run waits.
  QTableView* table = window.distributionsTable();
  QVERIFY(chooseInCell(table, 0, DistributionTableModel::kInput, QStringLiteral("ne, effective porosity")));
  QVERIFY(chooseInCell(table, 0, DistributionTableModel::kKind, QStringLiteral("normal")));
  QCOMPARE(cell(window, 0, DistributionTableModel::kMeaning), QStringLiteral("mean, sd [, min, max]"));
  QVERIFY(typeParameter(window, 0, 0, QStringLiteral("0.25")));
  QVERIFY(typeParameter(window, 0, 1, QStringLiteral("0.1")));
  QVERIFY(!window.runButton()->isEnabled());
  QVERIFY(window.problemsLabel()->text().startsWith(QStringLiteral("ne: the normal distribution")));
  // The problems follow every key typed, before Enter.
  clickCell(table, 0, DistributionTableModel::kFirstParameter + 2);
  QLineEdit* editor = openLineEditor(table);
  QVERIFY(editor);
  QTest::keyClicks(editor, QStringLiteral("0.05"));
  QCOMPARE(plan.inputs[0].params.size(), size_t{3});
  QTest::keyClick(editor, Qt::Key_Tab);  // on to the next parameter
  editor = openLineEditor(table);
  QVERIFY(editor);
  QTest::keyClicks(editor, QStringLiteral("0.5"));
  QTest::keyClick(editor, Qt::Key_Return);
  QVERIFY(window.runButton()->isEnabled());
  QCOMPARE(plan.inputs[0].params, (std::vector<double>{0.25, 0.1, 0.05, 0.5}));
  // A parameter that is no number is named, and ends the list.
  QVERIFY(typeParameter(window, 0, 1, QStringLiteral("0.1x")));
  QVERIFY(window.problemsLabel()->text().contains(QStringLiteral("Row 1: parameter 2 is not a number.")));
  QVERIFY(!window.runButton()->isEnabled());
  QVERIFY(typeParameter(window, 0, 1, QStringLiteral("0.1")));
  QVERIFY(window.runButton()->isEnabled());

  QTest::mouseClick(window.runButton(), Qt::LeftButton);
  QVERIFY(!window.distributionsTable()->isEnabled());  // the run reads them as they were
  QTRY_VERIFY_WITH_TIMEOUT(window.lastRun() != nullptr, kRunFinishesWithinMs);
  QVERIFY(!window.running());
  QVERIFY(window.distributionsTable()->isEnabled());
  QCOMPARE(window.progressBar()->value(), 1000);
  const UncertaintyRun& run = *window.lastRun();
  QCOMPARE(window.resultsModel()->rowCount(), 3);  // Benzene PL and AF, TCE AF
  QCOMPARE(result(window, 0, 0), QStringLiteral("Benzene"));
  QCOMPARE(result(window, 0, 2), QString::number(run.rows[0].pGreen, 'f', 3));
  QCOMPARE(result(window, 1, 4), QString::number(run.rows[1].pRed, 'f', 3));
  QCOMPARE(result(window, 2, 0), QStringLiteral("TCE"));
  QCOMPARE(result(window, 2, 2), QStringLiteral("problems"));

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
  // A click on the next row shows its attenuation factor.
  clickCell(window.resultsTable(), 1, 0);
  QVERIFY(!window.histogram()->data().plumeLength);
  QVERIFY(window.rowHeading()->text().startsWith(QStringLiteral("Benzene, attenuation factor: Green ")));
  clickCell(window.resultsTable(), 2, 0);
  QVERIFY(window.rowHeading()->text().contains(QStringLiteral("the project's own inputs have problems")));
  QCOMPARE(window.rankingTable()->rowCount(), 0);
  // Closed after its run, the window has nothing to stop: the results stay.
  QTest::keyClick(&window, Qt::Key_Escape);
  QVERIFY(!window.isVisible());
  QVERIFY(window.lastRun() != nullptr);
  QCOMPARE(window.progressBar()->value(), 1000);
  QCOMPARE(window.resultsModel()->rowCount(), 3);
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
  QCOMPARE(window.resultsModel()->rowCount(), 0);
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
  ShellSession session;
  auto shell = session.start();
  ProjectPtr owned = siteProject();
  // Under the exact solution as verdict basis the attenuation factor's
  // column shows that basis.
  virelo_Extras(owned.get()).settings.verdictBasis = VerdictBasis::Exact;
  Project* project = owned.get();
  shell->SetCurrentProject(owned.release(), QStringLiteral("site"));
  shell->ViewPage(PageTabs::kPageCount - 1);
  CPropResults* page = shell->pageTabs->resultsPage;
  project->modified = 0;
  std::shared_ptr<const UncertaintyRun> run;
  session.platform.dialogHandler = [&](QDialog* dialog) {
    auto* window = qobject_cast<UncertaintyWindow*>(dialog);
    if (!window) return int(QDialog::Rejected);
    window->AddDistribution({UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}});
    QTest::mouseClick(window->runButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return window->lastRun() != nullptr; }, 20000)) return int(QDialog::Rejected);
    run = window->lastRun();
    return int(QDialog::Rejected);
  };
  QVERIFY(!page->listModel(0)->hasProbabilityColumn());
  session.platform.dialogTitles.clear();  // the splash
  QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("uncertaintyButton")), Qt::LeftButton);
  QCOMPARE(session.platform.dialogTitles, QStringList({QStringLiteral("Uncertainty")}));
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
  // A contaminant's value changed by a single bit is a change too.
  project->contaminants[0].c0 = std::nextafter(project->contaminants[0].c0, 1e300);
  page->RefreshResults();
  QVERIFY(!page->listModel(0)->hasProbabilityColumn());
  QVERIFY(!page->listModel(1)->hasProbabilityColumn());
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
      if (!showActive(*uncertainty)) opened = -100;
      clickCell(uncertainty->distributionsTable(), 0, DistributionTableModel::kContaminant);
      QComboBox* names = openList(uncertainty->distributionsTable(), 0, DistributionTableModel::kContaminant);
      if (!names || names->count() != 6 || names->itemText(0) != QStringLiteral("Benzene")) opened = -100;
      if (names) names->hidePopup();
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
  QVERIFY(showActive(window));
  QTableView* table = window.distributionsTable();

  // The plain Add gives a Kf row; choosing lambda, then Benzene, fills it
  // with the site's lognormal whichever contaminant came first.
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("uncertaintyAdd")), Qt::LeftButton);
  QVERIFY(
      chooseInCell(table, 0, DistributionTableModel::kInput, QStringLiteral("lambda, decay constant (1/d)")));
  QVERIFY(chooseInCell(table, 0, DistributionTableModel::kContaminant, QStringLiteral("Benzene")));
  QCOMPARE(plan.inputs.size(), size_t{1});
  QCOMPARE(plan.inputs[0].contaminant, std::string("Benzene"));
  QCOMPARE(plan.inputs[0].kind, DistributionKind::LogNormal);
  QCOMPARE(plan.inputs[0].params.size(), size_t{2});
  // The shown figures carry ten digits; the number taken is the site's own.
  QCOMPARE(plan.inputs[0].params[0], site.median);
  QCOMPARE(plan.inputs[0].params[1], site.geometricSd);
  QCOMPARE(parameter(window, 0, 0), QString::number(site.median, 'g', 10));
  QVERIFY(parameter(window, 0, 2).isEmpty());
  QVERIFY2(window.problems().empty(), firstProblem(window));
  const QString note = cell(window, 0, DistributionTableModel::kMeaning);
  QVERIFY2(note.contains(QStringLiteral("from the site's wells, 90 % interval 0.0027\u20130.0035 1/d")),
           qPrintable(note));

  // Typing over the offer keeps the typed value and drops the note.
  QVERIFY(typeParameter(window, 0, 1, QStringLiteral("1.5")));
  QCOMPARE(plan.inputs[0].params[1], 1.5);
  QVERIFY(!cell(window, 0, DistributionTableModel::kMeaning).contains(QStringLiteral("site")));
  QCOMPARE(plan.inputs[0].params[0], site.median);  // its neighbour keeps the site's number
  // Choosing the same contaminant again, as a visit to its list does, keeps
  // what was typed; another kind is taken, the last of the list too.
  QVERIFY(chooseInCell(table, 0, DistributionTableModel::kContaminant, QStringLiteral("Benzene")));
  QCOMPARE(plan.inputs[0].params[1], 1.5);
  QVERIFY(!cell(window, 0, DistributionTableModel::kMeaning).contains(QStringLiteral("site")));
  QVERIFY(chooseInCell(table, 0, DistributionTableModel::kKind, QStringLiteral("log-uniform")));
  QCOMPARE(plan.inputs[0].kind, DistributionKind::LogUniform);
  QVERIFY(chooseInCell(table, 0, DistributionTableModel::kKind, QStringLiteral("lognormal")));
  QCOMPARE(plan.inputs[0].kind, DistributionKind::LogNormal);
  QCOMPARE(cell(window, 0, DistributionTableModel::kMeaning),
           QStringLiteral("median, geometric sd [, min, max]"));
  QCOMPARE(plan.inputs[0].params, (std::vector<double>{site.median, 1.5}));
  // Choosing the input again offers the site's values again.
  QVERIFY(
      chooseInCell(table, 0, DistributionTableModel::kInput, QStringLiteral("C0, concentration at source")));
  QVERIFY(!cell(window, 0, DistributionTableModel::kMeaning).contains(QStringLiteral("site")));
  QVERIFY(
      chooseInCell(table, 0, DistributionTableModel::kInput, QStringLiteral("lambda, decay constant (1/d)")));
  QCOMPARE(plan.inputs[0].params[1], site.geometricSd);
  QVERIFY(cell(window, 0, DistributionTableModel::kMeaning).contains(QStringLiteral("site")));
  // Remove takes the marked row away.
  clickCell(table, 0, DistributionTableModel::kMeaning);
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("uncertaintyRemove")), Qt::LeftButton);
  QCOMPARE(window.distributionsModel()->rowCount(), 0);
  QVERIFY(plan.inputs.empty());
  // Closed without a run, it has nothing to stop.
  QTest::keyClick(&window, Qt::Key_Escape);
  QVERIFY(!window.isVisible());
  QVERIFY(window.lastRun() == nullptr);
}

// A run reads a copy of the inputs; when they are no longer the project's by
// the time it ends (here the samples, typed while it draws), its results
// are dropped and the window says why.
void TestUncertaintyWindow::aRunIsDroppedWhenTheSamplesChangeMeanwhile() {
  FakePlatform platform;
  ProjectPtr project = siteProject();
  UncertaintyPlan plan;
  plan.samples = 20000;
  plan.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}}};
  UncertaintyWindow window(project.get(), &plan, UncertaintyOptions{});
  QVERIFY(showActive(window));
  int finished = 0;
  connect(&window, &UncertaintyWindow::runFinished, [&] { ++finished; });
  QTest::mouseClick(window.runButton(), Qt::LeftButton);
  QVERIFY(window.running());
  // The result reaches the window only through its event loop: whatever the
  // worker's speed, the samples change first.
  QSpinBox* samples = window.samplesBox();
  QVERIFY(samples->isEnabled());
  samples->setFocus();
  samples->selectAll();
  QTest::keyClicks(samples, QStringLiteral("5000"));
  QCOMPARE(plan.samples, 5000);
  QTRY_VERIFY_WITH_TIMEOUT(!window.running(), kRunFinishesWithinMs);
  QTest::qWait(20);
  QVERIFY(window.lastRun() == nullptr);
  QCOMPARE(finished, 0);
  QCOMPARE(window.resultsModel()->rowCount(), 0);
  QCOMPARE(window.progressBar()->value(), 0);
  QVERIFY2(window.rowHeading()->text().contains(QStringLiteral("results were dropped")),
           qPrintable(window.rowHeading()->text()));

  // Run again: the new samples are drawn.
  QVERIFY(window.runButton()->isEnabled());
  QTest::mouseClick(window.runButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(window.lastRun() != nullptr, kRunFinishesWithinMs);
  QCOMPARE(finished, 1);
  QCOMPARE(window.lastRun()->samples, 5000);
  QVERIFY(window.lastRecord()->Matches(*project, plan, UncertaintyOptions{}));
  // The project's own plan is not the window's here: the results page would not show it.
  QVERIFY(!window.lastRecord()->Holds(*project, UncertaintyOptions{}));
}

// Every input a run reads makes a difference, to the last bit; what lies
// between fields or after a name's end makes none.
void TestUncertaintyWindow::aRecordComparesEveryFieldAndNoPadding() {
  ProjectPtr project = siteProject();
  virelo_Extras(project.get()).chains.push_back({{"Benzene", "TCE"}, {0.5}});
  const UncertaintyPlan plan = {100, 7, {{UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}}}};
  const UncertaintyOptions options;
  UncertaintyRecord record = UncertaintyRecord::Of(*project, plan, options);
  QVERIFY(record.Matches(*project, plan, options));
  QVERIFY(!record.Holds(*project, options));  // no run yet

  // Bytes no field owns: after the name's terminator, and (where the
  // platform pads) between fields.
  Contaminant& benzene = project->contaminants[0];
  std::memset(benzene.name + std::strlen(benzene.name) + 1, 'x', 10);
  unsigned char* bytes = reinterpret_cast<unsigned char*>(&benzene);
  bytes[offsetof(Contaminant, lambdaSelected) + sizeof(int16_t)] ^= 0xff;  // padding before a double
  QVERIFY(record.Matches(*project, plan, options));

  auto differs = [&](auto change) {
    ProjectPtr copy = siteProject();
    virelo_Extras(copy.get()).chains = virelo_ExtrasOf(*project).chains;
    change(*copy);
    return !record.Matches(*copy, plan, options);
  };
  auto bump = [](double& v) { v = std::nextafter(v, 1e300); };
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.distanceX); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.conductivityKf); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.porosityNe); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.gradientI); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.dispersivityAx); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.dispersivityAy); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.dispersivityAz); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.sourceWidthSz); }));
  QVERIFY(differs([&](Project& p) { bump(p.aquifer.sourceThicknessSy); }));
  QVERIFY(differs([&](Project& p) { p.aquifer.setMask ^= 1; }));
  QVERIFY(differs([&](Project& p) { p.aquifer.redoxCondition += 1; }));
  QVERIFY(differs([&](Project& p) { p.approximateDispersivity = 1; }));
  for (double Contaminant::*field :
       {&Contaminant::lambdaUnknown, &Contaminant::lambdaAerobic, &Contaminant::lambdaNitrate,
        &Contaminant::lambdaSulfate, &Contaminant::lambdaIron, &Contaminant::lambdaMethane,
        &Contaminant::lambdaMixedPlumes, &Contaminant::lambdaUser, &Contaminant::literaturePlumeLength,
        &Contaminant::ca, &Contaminant::c0})
    QVERIFY(differs([&](Project& p) { bump(p.contaminants[1].*field); }));
  QVERIFY(differs([&](Project& p) { p.contaminants[1].group += 1; }));
  QVERIFY(differs([&](Project& p) { p.contaminants[1].name[0] = 'X'; }));
  QVERIFY(differs([&](Project& p) { p.contaminants[1].lambdaMask ^= 1; }));
  QVERIFY(differs([&](Project& p) { p.contaminants[1].lambdaSelected += 1; }));
  QVERIFY(differs([&](Project& p) { p.contaminants[1].literatureEntries += 1; }));
  QVERIFY(differs([&](Project& p) { p.contaminants[1].valueMask ^= 1; }));
  QVERIFY(differs([&](Project& p) { p.contaminants[1].assess ^= kAssessPlumeLength; }));
  QVERIFY(differs([&](Project& p) { p.contaminantCount = 1; }));
  QVERIFY(differs([&](Project& p) { virelo_Extras(&p).chains.front().yields[0] = 0.25; }));
  QVERIFY(differs([&](Project& p) { virelo_Extras(&p).chains.clear(); }));
  UncertaintyPlan other = plan;
  other.seed = 8;
  QVERIFY(!record.Matches(*project, other, options));
  UncertaintyOptions exact;
  exact.verdictBasis = UncertaintyModel::Exact;
  QVERIFY(!record.Matches(*project, plan, exact));
  UncertaintyOptions wider;
  wider.attenuationRange = kAssessmentRanges[2].range;
  QVERIFY(!record.Matches(*project, plan, wider));
}

// The results page shows a row's probabilities only where the run drew it
// without problems: shares of a row that was never drawn would pass for a
// verdict.
void TestUncertaintyWindow::probabilitiesOnlyForADrawnRowWithoutProblems() {
  UncertaintyRecord record;
  QCOMPARE(record.Probabilities(0, true), QString());  // no run yet
  auto run = std::make_shared<UncertaintyRun>();
  UncertaintyRow drawn;
  drawn.contaminantIndex = 0;
  drawn.plumeLength = true;
  drawn.pGreen = 0.25;
  drawn.pYellow = 0.5;
  drawn.pRed = 0.25;
  UncertaintyRow refused;
  refused.contaminantIndex = 1;
  refused.plumeLength = false;
  refused.pGreen = 1.0;
  refused.problems = {ProblemCode{}};
  run->rows = {drawn, refused};
  record.run = run;
  QCOMPARE(record.Probabilities(0, true), QStringLiteral("G 0.250 \u00b7 Y 0.500 \u00b7 R 0.250"));
  QCOMPARE(record.Probabilities(0, false), QString());  // not assessed
  QCOMPARE(record.Probabilities(1, false), QString());
  QCOMPARE(record.Probabilities(2, true), QString());
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
  QVERIFY(showActive(window));
  clickCell(window.distributionsTable(), 0, DistributionTableModel::kContaminant);
  QComboBox* species = openList(window.distributionsTable(), 0, DistributionTableModel::kContaminant);
  QVERIFY(species);
  QVERIFY(species->findText(QStringLiteral("A")) >= 0);
  QVERIFY(species->findText(QStringLiteral("B")) >= 0);
  QCOMPARE(species->currentText(), QStringLiteral("A"));
  species->hidePopup();
  QVERIFY(typeParameter(window, 0, 0, QStringLiteral("0.0002")));
  QVERIFY(typeParameter(window, 0, 1, QStringLiteral("0.02")));
  QVERIFY2(window.problems().empty(), firstProblem(window));
  QTest::mouseClick(window.runButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(window.lastRun() != nullptr, kRunFinishesWithinMs);
  const UncertaintyRun& run = *window.lastRun();
  QCOMPARE(run.rows.size(), size_t{1});  // B's attenuation factor
  QVERIFY(run.rows[0].pGreen < 0.95);    // alone B is Green at every draw
  QCOMPARE(window.rankingTable()->rowCount(), 1);
  QCOMPARE(window.rankingTable()->item(0, 0)->text().endsWith(QStringLiteral(" of A")), true);
}

#include "tst_uncertaintywindow.moc"
