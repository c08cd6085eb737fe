// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A value keeps every digit and its origin while the user only looks: on the
// Aquifer and Contaminants pages, in the database editor and in the
// analysis windows, clicking into a number field and leaving it (by Tab, by
// a click elsewhere, by choosing another contaminant) stores nothing from
// its display. Typed values still go in. A decay constant taken from the
// wells shows where it comes from, and a daughter's fitted rate is called
// apparent before it is taken.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>

#include "analysis/ChainWindow.h"
#include "analysis/DistributionTableModel.h"
#include "analysis/SiteDataWindow.h"
#include "analysis/SiteDecayView.h"
#include "analysis/UncertaintyWindow.h"
#include "engine/core/dispersivity.h"
#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/lambdainterval.h"
#include "pages/CPropAqui.h"
#include "pages/CPropConts.h"
#include "pages/ContaminantEditorDialog.h"
#include "pages/ContaminantTreeModel.h"
#include "persistence/projectfile.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"
#include "support/TableDriving.h"

namespace {

// More digits than any field shows.
constexpr double kManyDigits = 0.0012345678901;

bool SameBits(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

#define VERIFY_SAME(actual, expected, what)                                                              \
  QVERIFY2(SameBits((actual), (expected)), qPrintable(QStringLiteral("%1: %2 stored, %3 expected")       \
                                                          .arg(what, QString::number((actual), 'g', 17), \
                                                               QString::number((expected), 'g', 17))))

// A click into the middle of a control, which gives it the focus.
void clickInto(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

bool activate(QWidget* w) {
  w->show();
  w->activateWindow();
  return QTest::qWaitForWindowActive(w);
}

// Clicks a cell and opens its editor with F2 where the click opened none;
// the click on another cell then closes it, which commits its text.
void clickIntoCellAndOut(QAbstractItemView* table, int row, int column, int elsewhereRow,
                         int elsewhereColumn) {
  clickCell(table, row, column);
  if (!openLineEditor(table)) QTest::keyClick(table, Qt::Key_F2);
  QVERIFY2(openLineEditor(table), "the cell opened no editor");
  clickCell(table, elsewhereRow, elsewhereColumn);
  QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));  // the editor closed
  QCoreApplication::processEvents();                                // queued edits, if any
}

bool markerHasProblems(int marker) {
  const int m = marker - 1;  // 3 * plume + af, each 0 (none), 1 (complete), 2 (problems)
  return m / 3 == 2 || m % 3 == 2;
}

// A chlorinated-solvent site: four wells along the centre line, TCE and PCE
// falling along them on one date.
void addSolventWells(Project* project) {
  SiteData& site = virelo_Extras(project).site;
  site = SiteData{};
  const double s[] = {0.0, 30.0, 60.0, 90.0};
  const double pce[] = {4000.0, 2100.0, 950.0, 480.0};
  const double tce[] = {900.0, 520.0, 300.0, 160.0};
  for (int k = 0; k < 4; ++k) {
    const std::string well = "MW" + std::to_string(k + 1);
    site.wells.push_back({well, s[k], 0.0, true});
    site.samples.push_back({well, "2024-01-10", "Tetrachloroethene (PCE)", pce[k], kUnitUgL, false});
    site.samples.push_back({well, "2024-01-10", "Trichloroethene (TCE)", tce[k], kUnitUgL, false});
  }
}

Contaminant* Find(Project* project, const char* name) {
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::strcmp(project->contaminants[k].name, name) == 0) return &project->contaminants[k];
  return nullptr;
}

struct OwnedProject {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using Loaded = std::unique_ptr<Project, OwnedProject>;

Loaded loadExample(const char* name) {
  return Loaded(virelo_LoadProject((QByteArray(VIRELO_SOURCE_DIR "/examples/") + name).constData(), "rb"));
}

}  // namespace

class TestFieldOrigin : public QObject {
  Q_OBJECT

 private slots:
  void aquiferFieldsKeepTheirDigits();
  void contaminantFieldsKeepTheirDigitsAndTheInterval();
  void untickedPresetBecomesTheUserValueWhole();
  void editorFieldsKeepTheirDigits();
  void uncertaintyParametersKeepTheirDigits();
  void siteTablesKeepTheirDigits();
  void chainYieldsKeepTheirDigits();
  void lambdaOriginLineKeepsTheFieldsInPlace();
  void typedSourceGoesWithTheTypedValue();
  void treeMarkerFollowsUseAsDecayConstant();
  void daughterRateIsCalledApparentBeforeItIsTaken();
};

void TestFieldOrigin::aquiferFieldsKeepTheirDigits() {
  struct Field {
    const char* edit;
    int bit;
    double Aquifer::*member;
    double value;
  };
  // Each beyond its field's decimals ("%.2f" for x, "%.9f" for Kf, ...);
  // the width shows twice the stored Sy.
  const Field fields[] = {
      {"xEdit", kAquiferX, &Aquifer::distanceX, 123.45678901234},
      {"kfEdit", kAquiferKf, &Aquifer::conductivityKf, kManyDigits},
      {"iEdit", kAquiferI, &Aquifer::gradientI, 0.0023456789012},
      {"neEdit", kAquiferNe, &Aquifer::porosityNe, 0.23456789012},
      {"widthEdit", kAquiferSy, &Aquifer::sourceThicknessSy, 10.123456789012},
      {"thicknessEdit", kAquiferSz, &Aquifer::sourceWidthSz, 4.9876543210987},
      {"axEdit", kAquiferAx, &Aquifer::dispersivityAx, 12.345678901234},
      {"ayEdit", kAquiferAy, &Aquifer::dispersivityAy, 1.2345678901234},
      {"azEdit", kAquiferAz, &Aquifer::dispersivityAz, 0.12345678901234},
  };
  FakePageHost host;
  CPropAqui page(&host);
  QVERIFY(activate(&page));
  ProjectPtr project = makeProject(1);
  for (const Field& f : fields) virelo_SetAquiferValue(&project->aquifer, f.bit, f.value);
  project->aquifer.redoxCondition = 2;
  auto edit = [&](const char* name) { return page.findChild<QLineEdit*>(name); };

  for (const bool approximate : {false, true}) {
    project->approximateDispersivity = approximate ? 1 : 0;
    page.ShowProject(project.get());
    // Showing brings approximated dispersivities up to date with x once.
    const Aquifer shown = project->aquifer;
    for (const Field& f : fields) {
      if (!edit(f.edit)->isEnabled()) continue;
      page.ShowProject(project.get());
      clickInto(edit(f.edit));
      QVERIFY2(edit(f.edit)->hasFocus(), f.edit);
      QTest::keyClick(edit(f.edit), Qt::Key_Tab);
      QVERIFY(!edit(f.edit)->hasFocus());
      // As when another field was edited: the whole page is applied.
      page.ApplyToProject(project.get());
      for (const Field& g : fields)
        VERIFY_SAME(project->aquifer.*g.member, shown.*g.member,
                    QStringLiteral("%1 after visiting %2%3")
                        .arg(g.edit, f.edit, approximate ? " (approximated)" : ""));
      QCOMPARE(project->aquifer.setMask, shown.setMask);
      QCOMPARE(project->aquifer.redoxCondition, int16_t(2));
    }
  }

  // Typed values still go in, the approximation follows a typed x, and the
  // fields the user only visited keep theirs.
  page.ShowProject(project.get());
  const Aquifer before = project->aquifer;
  edit("kfEdit")->setFocus();
  edit("kfEdit")->selectAll();
  QTest::keyClicks(edit("kfEdit"), "2.5");
  QTest::keyClick(edit("kfEdit"), Qt::Key_Tab);
  clickInto(edit("xEdit"));
  edit("xEdit")->selectAll();
  QTest::keyClicks(edit("xEdit"), "200");
  QTest::keyClick(edit("xEdit"), Qt::Key_Tab);
  QVERIFY(page.pageModified);
  page.ApplyToProject(project.get());
  QCOMPARE(project->aquifer.conductivityKf, 2.5);
  QCOMPARE(project->aquifer.distanceX, 200.0);
  double ax = 0, ay = 0, az = 0;
  virelo_DispersivitiesFromX(200.0, &ax, &ay, &az);
  VERIFY_SAME(project->aquifer.dispersivityAx, ax, QStringLiteral("ax from a typed x"));
  VERIFY_SAME(project->aquifer.dispersivityAz, az, QStringLiteral("az from a typed x"));
  VERIFY_SAME(project->aquifer.gradientI, before.gradientI, QStringLiteral("i"));
  VERIFY_SAME(project->aquifer.sourceThicknessSy, before.sourceThicknessSy, QStringLiteral("Sy"));
}

void TestFieldOrigin::contaminantFieldsKeepTheirDigitsAndTheInterval() {
  FakePageHost host;
  CPropConts page(&host);
  page.resize(680, 460);
  QVERIFY(activate(&page));
  ProjectPtr project = makeProject(2);
  completeAquifer(*project, true);
  // TCE with a decay constant from the wells (its interval recorded), PCE
  // with one typed long ago.
  Contaminant& tce = addContaminant(*project, 0, "Trichloroethene (TCE)");
  Contaminant& pce = addContaminant(*project, 0, "Tetrachloroethene (PCE)");
  const double c0[] = {12.345678901234, 5000.0000001234};
  const double ca[] = {kManyDigits, 0.0098765432109};
  const double lambda[] = {0.0031234567891, 0.0023456789012};
  Contaminant* both[] = {&tce, &pce};
  for (int k = 0; k < 2; ++k) {
    virelo_SetContaminantValue(both[k], kValueC0, c0[k]);
    virelo_SetContaminantValue(both[k], kValueCa, ca[k]);
    virelo_SetLambda(both[k], kLambdaUser, lambda[k]);
    both[k]->lambdaSelected = kLambdaUser;
    both[k]->assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  ProjectSettings& settings = virelo_Extras(project.get()).settings;
  SetLambdaSource(&settings, tce.name, "site wells MW1\u2013MW4, 2024-01-10, Buscheck\u2013Alcantar");
  settings.lambdaIntervals[tce.name] = {lambda[0], 0.0027, 0.0035, 90};
  QVERIFY(ActiveLambdaInterval(*project, tce));

  ContaminantTreeModel* model = page.treeModel();
  auto select = [&](int index) {
    const QModelIndex entry = model->indexForContaminant(index);
    page.tree()->expand(entry.parent());
    page.tree()->scrollTo(entry);
    QTest::mouseClick(page.tree()->viewport(), Qt::LeftButton, {}, page.tree()->visualRect(entry).center());
    QCOMPARE(page.currentContaminantIndex(), index);
  };
  auto edit = [&](const char* name) { return page.findChild<QLineEdit*>(name); };
  auto verifyUntouched = [&](const QString& after) {
    for (int k = 0; k < 2; ++k) {
      VERIFY_SAME(both[k]->c0, c0[k], QStringLiteral("C0 %1, %2").arg(k).arg(after));
      VERIFY_SAME(both[k]->ca, ca[k], QStringLiteral("CA %1, %2").arg(k).arg(after));
      VERIFY_SAME(both[k]->lambdaUser, lambda[k], QStringLiteral("lambda %1, %2").arg(k).arg(after));
      QCOMPARE(both[k]->lambdaSelected, int16_t(kLambdaUser));
    }
    QVERIFY2(ActiveLambdaInterval(*project, tce), qPrintable(after));
  };

  // The user's report: into TCE's field, out by choosing PCE (or by Tab),
  // then the pages are applied as the Results page does.
  for (const char* field : {"c0Edit", "caEdit", "lambdaEdit"}) {
    for (const bool byTree : {true, false}) {
      page.RebuildContaminantTree(project.get());
      page.ShowProject(project.get());
      select(0);
      clickInto(edit(field));
      QVERIFY2(edit(field)->hasFocus(), field);
      if (byTree)
        select(1);
      else
        QTest::keyClick(edit(field), Qt::Key_Tab);
      const QString after = QStringLiteral("%1 left by %2").arg(field, byTree ? "the tree" : "Tab");
      verifyUntouched(after);
      page.ApplyToProject(project.get());
      verifyUntouched(after + QStringLiteral(", applied"));
    }
  }

  // A typed value goes in; a typed decay constant is no longer the wells'.
  page.RebuildContaminantTree(project.get());
  page.ShowProject(project.get());
  select(0);
  for (const auto& [field, typed] : {std::pair{"c0Edit", "7.5"}, std::pair{"lambdaEdit", "0.002"}}) {
    clickInto(edit(field));
    edit(field)->selectAll();
    QTest::keyClicks(edit(field), typed);
    QTest::keyClick(edit(field), Qt::Key_Tab);
  }
  select(1);
  QCOMPARE(tce.c0, 7.5);
  QCOMPARE(tce.lambdaUser, 0.002);
  QVERIFY(!ActiveLambdaInterval(*project, tce));
  VERIFY_SAME(tce.ca, ca[0], QStringLiteral("TCE's CA beside typed values"));
  select(0);
  QVERIFY(page.findChild<QLabel*>("lambdaSourceLabel")
              ->text()
              .contains("Changed since it was taken from the wells"));
}

void TestFieldOrigin::untickedPresetBecomesTheUserValueWhole() {
  FakePageHost host;
  CPropConts page(&host);
  QVERIFY(activate(&page));
  ProjectPtr project = makeProject(1);
  completeAquifer(*project, false, 1);
  Contaminant& c = addContaminant(*project, 0, "Benzene");
  completeInputs(c, 10.0, 0.1, kManyDigits);
  c.assess = kAssessPlumeLength;
  page.RebuildContaminantTree(project.get());
  page.ShowProject(project.get());
  const QModelIndex entry = page.treeModel()->indexForContaminant(0);
  page.tree()->expand(entry.parent());
  QTest::mouseClick(page.tree()->viewport(), Qt::LeftButton, {}, page.tree()->visualRect(entry).center());
  auto* preset = page.findChild<QCheckBox*>("presetCheck");
  QVERIFY(preset->isChecked());
  QTest::mouseClick(preset, Qt::LeftButton, {}, QPoint(6, preset->height() / 2));
  QCOMPARE(c.lambdaSelected, int16_t(kLambdaUser));
  VERIFY_SAME(c.lambdaUser, kManyDigits, QStringLiteral("the preset taken over"));
  QCOMPARE(page.findChild<QLineEdit*>("lambdaEdit")->text(), QString("0.001235"));
}

void TestFieldOrigin::editorFieldsKeepTheirDigits() {
  FakePlatform platform;
  auto* list = static_cast<Contaminant*>(std::calloc(2, sizeof(Contaminant)));
  std::strcpy(list[0].name, "Benzene");
  std::strcpy(list[1].name, "Toluene");
  const int bits[] = {kLambdaAerobic,     kLambdaNitrate, kLambdaIron,   kLambdaSulfate,
                      kLambdaMixedPlumes, kLambdaMethane, kLambdaUnknown};
  for (Contaminant* r : {&list[0], &list[1]}) {
    virelo_SetContaminantValue(r, kValueLiteraturePlumeLength, 123.45678901234);
    virelo_SetContaminantValue(r, kValueLiteratureEntries, 17);
    for (int k = 0; k < 7; ++k) virelo_SetLambda(r, bits[k], kManyDigits * (k + 1));
  }
  const Contaminant before = list[1];
  ContaminantEditorDialog dialog;
  dialog.workingList = list;
  dialog.workingCount = 2;
  QVERIFY(activate(&dialog));
  auto lambdaOf = [](Contaminant r, int bit) { return *virelo_LambdaField(&r, bit); };
  auto verify = [&](const Contaminant& r, const QString& after) {
    VERIFY_SAME(r.literaturePlumeLength, before.literaturePlumeLength,
                after + QStringLiteral(": plume length"));
    QCOMPARE(r.literatureEntries, before.literatureEntries);
    QCOMPARE(r.lambdaMask, before.lambdaMask);
    for (int k = 0; k < 7; ++k)
      VERIFY_SAME(lambdaOf(r, bits[k]), lambdaOf(before, bits[k]),
                  after + QStringLiteral(": lambda %1").arg(k));
  };
  const char* fields[] = {"plumeLengthEdit", "entriesEdit",     "aerobicEdit", "nitrateEdit", "ironEdit",
                          "sulfateEdit",     "mixedPlumesEdit", "methaneEdit", "unknownEdit"};
  for (const char* field : fields) {
    auto* edit = dialog.findChild<QLineEdit*>(field);
    clickInto(edit);
    QVERIFY2(edit->hasFocus(), field);
    QTest::keyClick(edit, Qt::Key_Tab);  // leaving stores the record and shows it again
    verify(list[0], QStringLiteral("after %1").arg(field));
  }
  // Another record and back, then a typed value.
  auto* names = dialog.findChild<QListWidget*>("contaminantList");
  names->setCurrentRow(1);
  names->setCurrentRow(0);
  auto* iron = dialog.findChild<QLineEdit*>("ironEdit");
  clickInto(iron);
  iron->selectAll();
  QTest::keyClicks(iron, "0.5");
  QTest::keyClick(iron, Qt::Key_Tab);
  QCOMPARE(dialog.workingList[0].lambdaIron, 0.5);
  QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
  verify(dialog.workingList[1], QStringLiteral("the record visited by the list"));
  QCOMPARE(dialog.workingList[0].lambdaIron, 0.5);
  VERIFY_SAME(dialog.workingList[0].lambdaMethane, before.lambdaMethane,
              QStringLiteral("beside the typed one"));
  std::free(dialog.workingList);
}

void TestFieldOrigin::uncertaintyParametersKeepTheirDigits() {
  FakePlatform platform;
  ProjectPtr project = makeProject(1);
  completeAquifer(*project, true);
  Contaminant& benzene = addContaminant(*project, 0, "Benzene");
  completeInputs(benzene, 100.0, 1.0, 0.002);
  benzene.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  UncertaintyPlan plan;
  plan.samples = 2000;
  plan.inputs = {
      {UncertainInput::Kf, "", DistributionKind::LogNormal, {8.6400000000012345, 2.7182818284590451}},
      {UncertainInput::Lambda,
       "Benzene",
       DistributionKind::Triangular,
       {kManyDigits, 0.0023456789012345, 0.0034567890123456}}};
  const UncertaintyPlan before = plan;
  UncertaintyWindow window(project.get(), &plan, UncertaintyOptions{});
  QVERIFY(activate(&window));
  QTableView* table = window.distributionsTable();
  for (int row = 0; row < 2; ++row) {
    for (int k = 0; k < static_cast<int>(before.inputs[row].params.size()); ++k) {
      // Into the cell's editor and out by Tab, which opens the next one.
      clickCell(table, row, DistributionTableModel::kFirstParameter + k);
      QLineEdit* edit = openLineEditor(table);
      QVERIFY2(edit && edit->hasFocus(), qPrintable(QStringLiteral("row %1 parameter %2").arg(row).arg(k)));
      QTest::keyClick(edit, Qt::Key_Tab);
    }
  }
  // And by a click elsewhere.
  clickIntoCellAndOut(table, 1, DistributionTableModel::kFirstParameter, 0, DistributionTableModel::kMeaning);
  // Any change reads the whole editor again.
  auto* samples = window.findChild<QSpinBox*>("uncertaintySamples");
  samples->setFocus();
  samples->selectAll();
  QTest::keyClicks(samples, "3000");
  QCOMPARE(plan.samples, 3000);
  QCOMPARE(plan.inputs.size(), before.inputs.size());
  for (size_t row = 0; row < 2; ++row)
    for (size_t k = 0; k < before.inputs[row].params.size(); ++k)
      VERIFY_SAME(plan.inputs[row].params[k], before.inputs[row].params[k],
                  QStringLiteral("row %1 parameter %2").arg(row).arg(k));
  // A typed parameter goes in.
  QVERIFY(typeIntoCell(table, 1, DistributionTableModel::kFirstParameter + 1, "0.002"));
  QCOMPARE(plan.inputs[1].params[1], 0.002);
  VERIFY_SAME(plan.inputs[1].params[0], kManyDigits, QStringLiteral("beside a typed parameter"));
}

void TestFieldOrigin::siteTablesKeepTheirDigits() {
  FakePlatform platform;
  Loaded project = loadExample("petrol-station.vrp");
  QVERIFY(project);
  SiteData& site = virelo_Extras(project.get()).site;
  site.wells[1].s = 25.123456789012345;
  site.wells[1].y = 1.5123456789012345;
  site.samples[0].value = 2400.1234567890123;  // the file holds more like it (78.60000000000001)
  SiteDataWindow window(project.get());
  QVERIFY(activate(&window));
  const SiteData before = site;
  QTableView* wells = window.wellsTable();
  QTableView* samples = window.samplesTable();
  clickIntoCellAndOut(wells, 1, 1, 0, 0);
  clickIntoCellAndOut(wells, 1, 2, 0, 0);
  clickIntoCellAndOut(samples, 0, 3, 1, 0);
  QVERIFY(virelo_ExtrasOf(*project).site == before);
  // A sound edit elsewhere, a well's "In fit" ticked with the space bar.
  clickCell(wells, 5, 3);
  QTest::keyClick(wells, Qt::Key_Space);
  const SiteData& after = virelo_ExtrasOf(*project).site;
  QCOMPARE(after.wells.size(), before.wells.size());
  QVERIFY(after.wells[5].inFit);
  for (size_t k = 0; k < before.wells.size(); ++k) {
    VERIFY_SAME(after.wells[k].s, before.wells[k].s, QStringLiteral("s of well %1").arg(k));
    VERIFY_SAME(after.wells[k].y, before.wells[k].y, QStringLiteral("y of well %1").arg(k));
  }
  QCOMPARE(after.samples.size(), before.samples.size());
  for (size_t k = 0; k < before.samples.size(); ++k)
    VERIFY_SAME(after.samples[k].value, before.samples[k].value, QStringLiteral("sample %1").arg(k));
  // The same text typed again is the number it shows, kept whole; a typed
  // distance goes in.
  QVERIFY(typeIntoCell(samples, 0, 3, "2400.123457"));
  VERIFY_SAME(virelo_ExtrasOf(*project).site.samples[0].value, before.samples[0].value,
              QStringLiteral("the value typed as shown"));
  QVERIFY(typeIntoCell(wells, 1, 1, "26"));
  QCOMPARE(virelo_ExtrasOf(*project).site.wells[1].s, 26.0);
  VERIFY_SAME(virelo_ExtrasOf(*project).site.wells[1].y, before.wells[1].y,
              QStringLiteral("y beside a typed s"));
}

void TestFieldOrigin::chainYieldsKeepTheirDigits() {
  Loaded project = loadExample("dry-cleaner.vrp");
  QVERIFY(project);
  std::vector<DecayChain>& chains = virelo_Extras(project.get()).chains;
  QCOMPARE(chains.size(), size_t(1));
  chains[0].yields[1] = 0.73784442076419551;  // more digits than the six shown
  const std::vector<double> before = chains[0].yields;
  ChainWindow window(project.get(), &chains, AssessmentRange{0.3, 2.0}, QStringLiteral("ug/L"));
  QVERIFY(activate(&window));
  QTableWidget* editor = window.editor();
  for (int row = 1; row <= static_cast<int>(before.size()); ++row) {
    clickIntoCellAndOut(editor, row, 1, 0, 2);
    for (size_t k = 0; k < before.size(); ++k)
      VERIFY_SAME(chains[0].yields[k], before[k],
                  QStringLiteral("yield %1 after visiting row %2").arg(k).arg(row));
  }
  // A typed yield goes in.
  QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                    editor->visualItemRect(editor->item(2, 1)).center());
  QTest::keyClick(editor, Qt::Key_F2);
  auto* typing = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  QVERIFY(typing);
  typing->selectAll();
  QTest::keyClicks(typing, "0.5");
  QTest::keyClick(typing, Qt::Key_Return);
  QTRY_COMPARE(chains[0].yields[1], 0.5);
  VERIFY_SAME(chains[0].yields[0], before[0], QStringLiteral("yield beside a typed one"));
}

void TestFieldOrigin::lambdaOriginLineKeepsTheFieldsInPlace() {
  FakePageHost host;
  CPropConts page(&host);
  page.resize(680, 460);
  QVERIFY(activate(&page));
  ProjectPtr project = makeProject(3);
  completeAquifer(*project, true, 1);
  Contaminant& fromWells = addContaminant(*project, 0, "Benzene");
  Contaminant& typed = addContaminant(*project, 0, "Toluene");
  Contaminant& preset = addContaminant(*project, 0, "Xylenes");
  for (Contaminant* c : {&fromWells, &typed, &preset}) {
    completeInputs(*c);
    c->assess = kAssessPlumeLength;
  }
  for (Contaminant* c : {&fromWells, &typed}) {
    virelo_SetLambda(c, kLambdaUser, 0.0031);
    c->lambdaSelected = kLambdaUser;
  }
  ProjectSettings& settings = virelo_Extras(project.get()).settings;
  SetLambdaSource(
      &settings, "Benzene",
      "site wells MW1\u2013MW5, 2023-12-12, Buscheck\u2013Alcantar, 90 % interval 0.0027\u20130.0035 1/d");
  settings.lambdaIntervals["Benzene"] = {0.0031, 0.0027, 0.0035, 90};
  page.RebuildContaminantTree(project.get());
  page.ShowProject(project.get());
  auto* line = page.findChild<QLabel*>("lambdaSourceLabel");

  auto select = [&](int index) {
    const QModelIndex entry = page.treeModel()->indexForContaminant(index);
    page.tree()->expand(entry.parent());
    QTest::mouseClick(page.tree()->viewport(), Qt::LeftButton, {}, page.tree()->visualRect(entry).center());
    QCOMPARE(page.currentContaminantIndex(), index);
  };
  // Where every field stands on the page.
  auto places = [&] {
    std::map<QString, QRect> at;
    for (QWidget* w : page.findChildren<QWidget*>())
      if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w)) && !w->objectName().isEmpty())
        at[w->objectName()] = QRect(w->mapTo(&page, QPoint(0, 0)), w->size());
    return at;
  };

  select(0);
  QVERIFY(line->isVisible());
  QCOMPARE(line->text(),
           QString::fromUtf8("90 % interval of \u03bb from the wells: 0.002700 to 0.003500 [1/d]"));
  auto* source = page.findChild<QLineEdit*>("lambdaSourceEdit");
  QVERIFY(source->isEnabled());
  QCOMPARE(source->text(),
           QString::fromUtf8("site wells MW1\u2013MW5, 2023-12-12, Buscheck\u2013Alcantar, 90 % "
                             "interval 0.0027\u20130.0035 1/d"));
  const auto withLine = places();
  QVERIFY(withLine.size() >= 6);
  select(1);  // a typed decay constant with nothing recorded
  QVERIFY(line->isHidden());
  QVERIFY(places() == withLine);
  QVERIFY(source->text().isEmpty() && source->isEnabled());
  select(2);  // a preset, whose own source line takes the place
  QVERIFY(line->isHidden());
  QVERIFY(source->text().isEmpty() && !source->isEnabled());
  QVERIFY(places() == withLine);
  // Unticking the preset on the wells' contaminant hides the line too.
  select(0);
  auto* presetCheck = page.findChild<QCheckBox*>("presetCheck");
  QTest::mouseClick(presetCheck, Qt::LeftButton, {}, QPoint(6, presetCheck->height() / 2));
  QVERIFY(presetCheck->isChecked());
  QVERIFY(line->isHidden());
  QVERIFY(places() == withLine);
}

// The source of a typed decay constant is typed beside it, kept with the
// project whichever is typed first, and read back when the contaminant is
// shown again; a new source ends the claim of wells whose value was changed.
void TestFieldOrigin::typedSourceGoesWithTheTypedValue() {
  FakePageHost host;
  CPropConts page(&host);
  QVERIFY(activate(&page));
  ProjectPtr project = makeProject(2);
  completeAquifer(*project, false, 1);
  Contaminant& benzene = addContaminant(*project, 0, "Benzene");
  Contaminant& toluene = addContaminant(*project, 1, "Toluene");
  for (Contaminant* c : {&benzene, &toluene}) {
    completeInputs(*c, 10.0, 0.1, 0.002);
    c->assess = kAssessPlumeLength;
  }
  virelo_SetLambda(&toluene, kLambdaUser, 0.004);
  toluene.lambdaSelected = kLambdaUser;
  ProjectSettings& settings = virelo_Extras(project.get()).settings;
  SetLambdaSource(&settings, "Toluene", "site wells MW1-MW4, 2024-01-10");
  settings.lambdaIntervals["Toluene"] = {0.003, 0.002, 0.004, 90};  // since changed to 0.004
  page.RebuildContaminantTree(project.get());
  page.ShowProject(project.get());
  auto select = [&](int index) {
    const QModelIndex entry = page.treeModel()->indexForContaminant(index);
    page.tree()->expand(entry.parent());
    QTest::mouseClick(page.tree()->viewport(), Qt::LeftButton, {}, page.tree()->visualRect(entry).center());
    QCOMPARE(page.currentContaminantIndex(), index);
  };
  auto* source = page.findChild<QLineEdit*>("lambdaSourceEdit");
  auto* lambda = page.findChild<QLineEdit*>("lambdaEdit");
  auto* preset = page.findChild<QCheckBox*>("presetCheck");

  select(0);
  QVERIFY(preset->isChecked());
  QVERIFY(!source->isEnabled());  // a preset's source is the database's
  QTest::mouseClick(preset, Qt::LeftButton, {}, QPoint(6, preset->height() / 2));
  QVERIFY(source->isEnabled());
  // The source first, then the value: both are kept.
  const QString cited = QString::fromUtf8("M\u00fcller et al. 2019, Table 4 (sandy aquifer, 12 \u00b0C)");
  clickInto(source);
  source->insert(cited);  // keyClicks types ASCII only
  clickInto(lambda);
  lambda->selectAll();
  QTest::keyClicks(lambda, QStringLiteral("0.0035"));
  clickInto(source);
  QCOMPARE(benzene.lambdaUser, 0.0035);
  QCOMPARE(QString::fromStdString(LambdaSourceOf(settings, "Benzene")), cited);
  select(1);
  QCOMPARE(source->text(), QStringLiteral("site wells MW1-MW4, 2024-01-10"));
  select(0);
  QCOMPARE(source->text(), cited);

  // Toluene's value was changed after it came from the wells; typing the
  // new value's source drops the wells' old interval with the old text.
  select(1);
  QVERIFY(SupersededLambdaInterval(*project, toluene));
  clickInto(source);
  source->selectAll();
  QTest::keyClicks(source, QStringLiteral("lab microcosm 2025"));
  clickInto(lambda);
  QCOMPARE(LambdaSourceOf(settings, "Toluene"), std::string("lab microcosm 2025"));
  QVERIFY(!SupersededLambdaInterval(*project, toluene));
  QVERIFY(!settings.lambdaIntervals.count("Toluene"));

  // Ticking the preset again leaves the source field to the preset.
  select(0);
  QTest::mouseClick(preset, Qt::LeftButton, {}, QPoint(6, preset->height() / 2));
  QVERIFY(preset->isChecked());
  QVERIFY(!source->isEnabled() && source->text().isEmpty());
}

void TestFieldOrigin::treeMarkerFollowsUseAsDecayConstant() {
  ShellSession session;
  auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp"));
  Project* project = window->project;
  QVERIFY(project);
  Contaminant* benzene = Find(project, "Benzene");
  QVERIFY(benzene && benzene->assess);
  const int index = static_cast<int>(benzene - project->contaminants);
  // Without any decay constant Benzene's inputs are incomplete.
  benzene->lambdaMask = 0;
  benzene->lambdaSelected = 0;
  CPropConts* page = window->pageTabs->contaminantsPage;
  page->RebuildContaminantTree(project);
  window->RefreshPages();
  QVERIFY(markerHasProblems(page->treeModel()->marker(index)));

  int markerInside = -1;
  session.platform.dialogHandler = [&](QDialog* dialog) {
    if (auto* site = qobject_cast<SiteDataWindow*>(dialog)) {
      SiteDecayView* decay = site->decayView();
      decay->contaminantCombo()->setCurrentText("Benzene");
      decay->useButton()->click();
      // Still inside the window: the tree behind it has followed.
      markerInside = page->treeModel()->marker(index);
    }
    return int(QDialog::Accepted);
  };
  window->dataCommands->action("siteData")->trigger();
  QVERIFY(markerInside > 0);
  QVERIFY2(!markerHasProblems(markerInside), qPrintable(QString::number(markerInside)));
  QCOMPARE(page->treeModel()->marker(index), markerInside);
  QCOMPARE(benzene->lambdaSelected, int16_t(kLambdaUser));
}

void TestFieldOrigin::daughterRateIsCalledApparentBeforeItIsTaken() {
  FakePlatform platform;
  Loaded project = loadExample("dry-cleaner.vrp");
  QVERIFY(project);
  addSolventWells(project.get());
  Contaminant* tce = Find(project.get(), "Trichloroethene (TCE)");
  Contaminant* pce = Find(project.get(), "Tetrachloroethene (PCE)");
  QVERIFY(tce && pce);
  const Contaminant tceBefore = *tce;
  SiteDataWindow window(project.get());
  SiteDecayView* decay = window.decayView();
  decay->contaminantCombo()->setCurrentText("Trichloroethene (TCE)");
  QVERIFY(decay->fit().hasLambda);

  platform.answers = {Platform::Cancel};
  QVERIFY(!decay->UseAsDecayConstant());
  QCOMPARE(platform.messages.size(), 1);
  const RecordedMessage& asked = platform.messages.front();
  QCOMPARE(asked.icon, Platform::Icon::Question);
  QCOMPARE(asked.buttons, Platform::Ok | Platform::Cancel);
  QVERIFY2(asked.text.contains("daughter product") &&
               asked.text.contains("apparent rate (formation minus decay)") &&
               asked.text.contains(QString::fromUtf8("Tetrachloroethene (PCE) \u2192 Trichloroethene (TCE)")),
           qPrintable(asked.text));
  QCOMPARE(tce->lambdaSelected, tceBefore.lambdaSelected);
  QCOMPARE(tce->lambdaMask, tceBefore.lambdaMask);
  VERIFY_SAME(tce->lambdaUser, tceBefore.lambdaUser, QStringLiteral("TCE's user lambda after Cancel"));
  QVERIFY(LambdaSourceOf(virelo_SettingsOf(*project), tce->name).empty());
  QCOMPARE(virelo_SettingsOf(*project).lambdaIntervals.count(tce->name), size_t(0));

  platform.answers = {Platform::Ok};
  QVERIFY(decay->UseAsDecayConstant());
  QCOMPARE(tce->lambdaSelected, int16_t(kLambdaUser));
  VERIFY_SAME(tce->lambdaUser, decay->fit().lambda, QStringLiteral("TCE's lambda taken"));
  const std::string source = LambdaSourceOf(virelo_SettingsOf(*project), tce->name);
  QVERIFY2(source.rfind("site wells MW1", 0) == 0, source.c_str());
  QVERIFY2(source.ends_with("; apparent rate of a daughter product (formation minus decay)"), source.c_str());

  // The chain's parent is asked nothing.
  decay->contaminantCombo()->setCurrentText("Tetrachloroethene (PCE)");
  QVERIFY(decay->UseAsDecayConstant());
  QCOMPARE(platform.messages.size(), 2);
  QVERIFY(!LambdaSourceOf(virelo_SettingsOf(*project), pce->name).ends_with("(formation minus decay)"));
}

QTEST_MAIN(TestFieldOrigin)
#include "tst_fieldorigin.moc"
