// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The contaminants page on its own: the grouped tree with its markers, the
// inputs of the selected contaminant, presets following the aquifer, the
// tree's context menu, and lists longer than a thousand contaminants.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTreeView>

#include "pages/CPropConts.h"
#include "pages/ContaminantTreeModel.h"
#include "persistence/database.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"

class TestContaminantsPage : public QObject {
  Q_OBJECT

 private:
  FakePageHost host;
  std::unique_ptr<CPropConts> page;

  QLineEdit* edit(const char* name) { return page->findChild<QLineEdit*>(name); }
  QCheckBox* check(const char* name) { return page->findChild<QCheckBox*>(name); }
  QString label(const char* name) { return page->findChild<QLabel*>(name)->text(); }
  QTreeView* tree() { return page->findChild<QTreeView*>("contaminantTree"); }
  ContaminantTreeModel* model() { return page->treeModel(); }

  // Loads a project the way the main window does.
  void load(Project* project) {
    page->RebuildContaminantTree(project);
    page->ShowProject(project);
  }
  // Clicks the tree entry of a contaminant (its group opened first).
  void clickContaminant(int index) {
    const QModelIndex entry = model()->indexForContaminant(index);
    QVERIFY(entry.isValid());
    tree()->expand(entry.parent());
    tree()->scrollTo(entry);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(entry).center());
    QCOMPARE(page->currentContaminantIndex(), index);
  }
  void clickGroup(int row) {
    const QModelIndex entry = model()->index(row, 0);
    tree()->scrollTo(entry);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(entry).center());
  }
  void clickCheck(const char* name) {
    QTest::mouseClick(check(name), Qt::LeftButton, {}, QPoint(6, check(name)->height() / 2));
  }
  void type(const char* name, const char* typed) {
    edit(name)->setFocus();
    edit(name)->selectAll();
    QTest::keyClicks(edit(name), typed);
  }
  void leave(const char* name) {
    QVERIFY(edit(name)->hasFocus());
    tree()->setFocus();
    QVERIFY(!edit(name)->hasFocus());
  }
  int markerOf(int index) { return model()->marker(index); }
  bool inputsDisabledAndEmpty() {
    for (const char* e : {"c0Edit", "caEdit", "lambdaEdit"})
      if (edit(e)->isEnabled() || !edit(e)->text().isEmpty()) return false;
    for (const char* c : {"assessPlumeCheck", "assessAfCheck", "presetCheck"})
      if (check(c)->isEnabled() || check(c)->isChecked()) return false;
    return edit("literatureEdit")->text().isEmpty() && label("entriesLabel").isEmpty() &&
           label("presetLabel").isEmpty();
  }

 private slots:
  void init() {
    host = FakePageHost();
    page = std::make_unique<CPropConts>(&host);
    page->resize(680, 460);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
  }
  void cleanup() { page.reset(); }

  void emptyListShowsTheEightGroups() {
    ProjectPtr project = makeProject(0);
    load(project.get());
    QCOMPARE(model()->rowCount(), 8);
    QCOMPARE(model()->index(0, 0).data().toString(), QString("[BTEX]"));
    QCOMPARE(model()->index(7, 0).data().toString(), QString("[Other]"));
    for (int row = 0; row < 8; ++row) {
      QCOMPARE(model()->rowCount(model()->index(row, 0)), 0);
      QCOMPARE(model()->index(row, 0).data(ContaminantTreeModel::ItemValueRole).toInt(), 1000 + row);
    }
    QVERIFY(inputsDisabledAndEmpty());
    QVERIFY(tree()->hasFocus());
  }

  // Markers 1 (nothing requested), 5 (both complete), 9 (C0 missing) and 6
  // (plume length complete, the aquifer lacks the dispersivities).
  void markersFollowTheChecks() {
    ProjectPtr project = makeProject(4);
    completeAquifer(*project, true);
    Contaminant& none = addContaminant(*project, 0, "Benzene");
    completeInputs(none);
    Contaminant& both = addContaminant(*project, 0, "Toluene");
    completeInputs(both);
    both.assess = kAssessPlumeLength | kAssessAttenuationFactor;
    Contaminant& noC0 = addContaminant(*project, 2, "TCE");
    completeInputs(noC0);
    virelo_ClearContaminantValue(&noC0, kValueC0);
    noC0.assess = kAssessPlumeLength | kAssessAttenuationFactor;
    addContaminant(*project, 9, "Not in any group");
    load(project.get());

    QCOMPARE(markerOf(0), 1);
    QCOMPARE(markerOf(1), 5);
    QCOMPARE(markerOf(2), 9);
    // A negative source thickness stops the attenuation factor like a missing one.
    virelo_SetAquiferValue(&project->aquifer, kAquiferSy, -2.0);
    load(project.get());
    QCOMPARE(markerOf(1), 6);
    virelo_SetAquiferValue(&project->aquifer, kAquiferSy, 2.0);
    load(project.get());
    QVERIFY(!model()->indexForContaminant(3).isValid());
    QCOMPARE(model()->rowCount(model()->index(0, 0)), 2);
    QCOMPARE(model()->indexForContaminant(1).data().toString(), QString("Toluene"));

    // Without an assessment the inputs are disabled, but the values stay.
    clickContaminant(0);
    QCOMPARE(edit("c0Edit")->text(), QString("10.000000"));
    for (const char* e : {"c0Edit", "caEdit", "lambdaEdit"}) QVERIFY(!edit(e)->isEnabled());
    QVERIFY(!check("presetCheck")->isEnabled());
    QVERIFY(check("assessPlumeCheck")->isEnabled());

    // Requesting the plume length lights the PL row green at once.
    clickCheck("assessPlumeCheck");
    QVERIFY(page->pageModified);
    QCOMPARE(none.assess, int(kAssessPlumeLength));
    QCOMPARE(markerOf(0), 4);
    QVERIFY(edit("c0Edit")->isEnabled());

    // The aquifer loses its dispersivities: after the next apply plume
    // length stays complete, attenuation factor shows a problem.
    project->aquifer.setMask &= ~(kAquiferAx | kAquiferAy | kAquiferAz);
    page->ApplyToProject(project.get());
    QCOMPARE(markerOf(1), 6);
    QCOMPARE(markerOf(0), 4);
  }

  void numbersAreReadOnLeavingAnEdit() {
    ProjectPtr project = makeProject(1);
    completeAquifer(*project, false);
    Contaminant& c = addContaminant(*project, 0, "Benzene");
    completeInputs(c, 2.5);
    c.assess = kAssessPlumeLength;
    load(project.get());
    clickContaminant(0);
    QCOMPARE(edit("c0Edit")->text(), QString("2.500000"));
    QCOMPARE(edit("caEdit")->text(), QString("0.100000"));
    QVERIFY(!page->pageModified);

    type("c0Edit", "1,5");
    QVERIFY(page->pageModified);
    leave("c0Edit");
    QCOMPARE(c.c0, 1.5);
    QCOMPARE(edit("c0Edit")->text(), QString("1.500000"));
    QCOMPARE(markerOf(0), 4);

    type("c0Edit", "1.5x");
    leave("c0Edit");
    QCOMPARE(edit("c0Edit")->text(), QString());
    QVERIFY(!(c.valueMask & kValueC0));
    QCOMPARE(c.c0, 0.0);
    QCOMPARE(markerOf(0), 7);  // C0 is missing now

    // A value whose display is longer than the typing limit is shown whole,
    // so leaving the field does not cut it.
    virelo_SetContaminantValue(&c, kValueCa, 1e60);
    page->ShowContaminant();
    edit("caEdit")->setFocus();
    leave("caEdit");
    QCOMPARE(c.ca, 1e60);
    QCOMPARE(edit("caEdit")->maxLength() >= edit("caEdit")->text().size(), true);
  }

  void literatureTexts() {
    ProjectPtr project = makeProject(3);
    Contaminant& full = addContaminant(*project, 0, "Benzene");
    virelo_SetContaminantValue(&full, kValueLiteraturePlumeLength, 120.0);
    full.literatureEntries = 7;
    full.valueMask |= kValueLiteratureEntries;
    Contaminant& noCount = addContaminant(*project, 0, "Toluene");
    virelo_SetContaminantValue(&noCount, kValueLiteraturePlumeLength, 80.5);
    addContaminant(*project, 0, "Xylene");
    load(project.get());

    clickContaminant(0);
    QCOMPARE(edit("literatureEdit")->text(), QString("120.00"));
    QCOMPARE(label("entriesLabel"), QString("( by 7 entries )"));
    QVERIFY(edit("literatureEdit")->isReadOnly());
    clickContaminant(1);
    QCOMPARE(edit("literatureEdit")->text(), QString("80.50"));
    QCOMPARE(label("entriesLabel"), QString("( by ? entries )"));
    clickContaminant(2);
    QCOMPARE(edit("literatureEdit")->text(), QString("no literature plume length available"));
    QCOMPARE(label("entriesLabel"), QString());

    // A group entry empties and disables everything; the contaminant again
    // shows its values.
    clickGroup(0);
    QCOMPARE(page->currentContaminant(), nullptr);
    QVERIFY(inputsDisabledAndEmpty());
    clickContaminant(0);
    QCOMPARE(edit("literatureEdit")->text(), QString("120.00"));
  }

  void presetOrUserDefinedDecayConstant() {
    ProjectPtr project = makeProject(2);
    completeAquifer(*project, false, 1);  // aerobic
    Contaminant& c = addContaminant(*project, 0, "Benzene");
    completeInputs(c, 10.0, 0.1, 0.0125);
    c.assess = kAssessPlumeLength;
    Contaminant& noFe = addContaminant(*project, 0, "Toluene");
    completeInputs(noFe);
    noFe.assess = kAssessPlumeLength;
    virelo_SetLambda(&noFe, kLambdaUser, 0.5);
    load(project.get());

    clickContaminant(0);
    QVERIFY(check("presetCheck")->isChecked());
    QVERIFY(check("presetCheck")->isEnabled());
    QCOMPARE(label("presetLabel"), QString("AEROBIC"));
    QVERIFY(!edit("lambdaEdit")->isEnabled());
    QCOMPARE(edit("lambdaEdit")->text(), QString("0.012500"));
    QCOMPARE(c.lambdaSelected, int16_t(kLambdaAerobic));

    // Unchecking the box turns the preset into the user-defined value.
    clickCheck("presetCheck");
    QVERIFY(!check("presetCheck")->isChecked());
    QVERIFY(edit("lambdaEdit")->isEnabled());
    QCOMPARE(c.lambdaSelected, int16_t(kLambdaUser));
    QCOMPARE(c.lambdaUser, 0.0125);
    QVERIFY(c.lambdaMask & kLambdaUser);
    QCOMPARE(c.lambdaAerobic, 0.0125);

    // A rejected user value leaves no user-defined constant: the preset of
    // the condition is used again.
    type("lambdaEdit", "x");
    leave("lambdaEdit");
    QVERIFY(!(c.lambdaMask & kLambdaUser));
    QCOMPARE(c.lambdaSelected, int16_t(kLambdaAerobic));
    QVERIFY(check("presetCheck")->isChecked());
    QCOMPARE(edit("lambdaEdit")->text(), QString("0.012500"));
    QCOMPARE(markerOf(0), 4);

    // Anaerobic Fe: no preset for either; the second shows its own value.
    project->aquifer.redoxCondition = 3;
    page->ApplyToProject(project.get());
    QCOMPARE(label("presetLabel"), QString("No preset data available!"));
    QVERIFY(!check("presetCheck")->isEnabled());
    QVERIFY(!check("presetCheck")->isChecked());
    QCOMPARE(edit("lambdaEdit")->text(), QString());
    clickContaminant(1);
    QCOMPARE(label("presetLabel"), QString("No preset data available!"));
    QCOMPARE(edit("lambdaEdit")->text(), QString("0.500000"));
    QCOMPARE(noFe.lambdaSelected, int16_t(kLambdaUser));
  }

  // After the redox condition changes and the pages are applied, every
  // contaminant without a user-defined selection uses the new preset (or
  // none), user-defined selections stay, and markers follow.
  void presetsFollowTheRedoxCondition() {
    ProjectPtr project = makeProject(3);
    completeAquifer(*project, false, 1);
    Contaminant& preset = addContaminant(*project, 0, "Benzene");
    completeInputs(preset);
    virelo_SetLambda(&preset, kLambdaIron, 0.02);
    preset.assess = kAssessPlumeLength;
    Contaminant& user = addContaminant(*project, 0, "Toluene");
    completeInputs(user);
    virelo_SetLambda(&user, kLambdaUser, 0.3);
    user.lambdaSelected = kLambdaUser;
    user.assess = kAssessPlumeLength;
    Contaminant& aerobicOnly = addContaminant(*project, 3, "Diesel");
    completeInputs(aerobicOnly);
    aerobicOnly.assess = kAssessPlumeLength;
    load(project.get());
    QCOMPARE(markerOf(2), 4);

    project->aquifer.redoxCondition = 3;  // anaerobic Fe
    page->ApplyToProject(project.get());
    QCOMPARE(preset.lambdaSelected, int16_t(kLambdaIron));
    QCOMPARE(user.lambdaSelected, int16_t(kLambdaUser));
    QCOMPARE(aerobicOnly.lambdaSelected, int16_t(0));
    QCOMPARE(markerOf(0), 4);
    QCOMPARE(markerOf(1), 4);
    QCOMPARE(markerOf(2), 7);

    clickContaminant(0);
    QCOMPARE(label("presetLabel"), QString("ANAEROBIC-FE"));
    QCOMPARE(edit("lambdaEdit")->text(), QString("0.020000"));
    clickContaminant(1);
    QVERIFY(!check("presetCheck")->isChecked());
    QCOMPARE(edit("lambdaEdit")->text(), QString("0.300000"));

    project->aquifer.redoxCondition = 1;
    page->ApplyToProject(project.get());
    QCOMPARE(aerobicOnly.lambdaSelected, int16_t(kLambdaAerobic));
    QCOMPARE(markerOf(2), 4);
    QCOMPARE(user.lambdaSelected, int16_t(kLambdaUser));
  }

  // Values of the bundled table name its source; any other value says it
  // has none. The table lies beside the build's generic.vrc.
  void presetsNameTheirSource() {
    virelo_SetModulePathOverride(VIRELO_BINARY_DIR);
    page = std::make_unique<CPropConts>(&host);
    virelo_SetModulePathOverride(nullptr);
    page->show();
    ProjectPtr project = makeProject(2);
    completeAquifer(*project, false, 1);
    Contaminant& tce = addContaminant(*project, 2, "Trichloroethene (TCE)");
    completeInputs(tce, 10.0, 0.1, 9.043e-05);
    virelo_SetContaminantValue(&tce, kValueLiteraturePlumeLength, 762);
    tce.assess = kAssessPlumeLength;
    Contaminant& own = addContaminant(*project, 7, "Own substance");
    completeInputs(own);
    own.assess = kAssessPlumeLength;
    load(project.get());
    QLabel* literature = page->findChild<QLabel*>("literatureSourceLabel");
    QLabel* preset = page->findChild<QLabel*>("presetSourceLabel");

    clickContaminant(0);
    QCOMPARE(literature->text(),
             QString("Source: 75th percentile 2500 ft of 75 sites whose main contaminant is a "
                     "chlorinated ethene (HGDB database, in Wypych (ed.) 2001, Handbook of "
                     "Solvents, sect. 23.1, Table 23.1.10)"));
    QCOMPARE(preset->text(),
             QString("Source: aerobic degradation half-life 21 years, slower end of 13-21 years "
                     "(Sorenson et al. 2000, Bioremediation Journal 4(4):337-357, INEEL TAN "
                     "plume)"));
    // A user-defined decay constant is no preset: no source line.
    clickCheck("presetCheck");
    QVERIFY(preset->isHidden());
    clickCheck("presetCheck");
    QVERIFY(preset->isVisible());

    clickContaminant(1);
    QCOMPARE(preset->text(), QString("Source: edited value, no source"));
    QVERIFY(literature->isHidden());  // no literature plume length at all
    tce.lambdaAerobic = 9.0e-05;
    clickContaminant(0);
    QCOMPARE(preset->text(), QString("Source: edited value, no source"));
  }

  void contextMenuOfTheTree() {
    ProjectPtr project = makeProject(3);
    addContaminant(*project, 0, "Benzene").assess = kAssessAttenuationFactor;
    addContaminant(*project, 2, "TCE");
    addContaminant(*project, 4, "Naphthalene");
    load(project.get());
    tree()->expand(model()->index(2, 0));

    {
      PopupMenuAnswer answer(QStringLiteral("expand &calculated contaminants"));
      requestContextMenu(tree()->viewport(), QPoint(5, 5));
      QVERIFY(answer.opened);
      QCOMPARE(answer.texts,
               QStringList({"e&xpand all", "&collapse all", "-", "expand &calculated contaminants"}));
    }
    QVERIFY(tree()->isExpanded(model()->index(0, 0)));
    for (int row = 1; row < 8; ++row) QVERIFY(!tree()->isExpanded(model()->index(row, 0)));

    {
      PopupMenuAnswer answer(QStringLiteral("e&xpand all"));
      requestContextMenu(tree()->viewport(), QPoint(5, 5));
    }
    for (int row = 0; row < 8; ++row) QVERIFY(tree()->isExpanded(model()->index(row, 0)));
    {
      PopupMenuAnswer answer(QStringLiteral("&collapse all"));
      requestContextMenu(tree()->viewport(), QPoint(5, 5));
    }
    for (int row = 0; row < 8; ++row) QVERIFY(!tree()->isExpanded(model()->index(row, 0)));

    // The tree's frame belongs to the tree: its corner opens the menu too.
    {
      PopupMenuAnswer answer(QStringLiteral("e&xpand all"));
      requestContextMenu(tree(), QPoint(0, 0));
      QVERIFY(answer.opened);
    }
    QVERIFY(tree()->isExpanded(model()->index(7, 0)));

    // Outside the tree no menu opens.
    PopupMenuAnswer outside;
    requestContextMenu(page.get(), QPoint(page->width() - 5, page->height() - 5));
    QTest::qWait(30);
    QVERIFY(!outside.opened);
  }

  // Entries are told apart by their kind, not by their value: with 1500
  // contaminants, group entry values (1000 + code) are also contaminant
  // indices.
  void longListsKeepGroupsAndContaminantsApart() {
    const int count = 1500;
    ProjectPtr project = makeProject(count);
    completeAquifer(*project, false);
    for (int i = 0; i < count; ++i) {
      Contaminant& c = addContaminant(*project, i % 8, QByteArray::number(i).prepend("C").constData());
      completeInputs(c, i + 1.0);
    }
    load(project.get());
    for (int row = 0; row < 8; ++row)
      QCOMPARE(model()->rowCount(model()->index(row, 0)), count / 8 + (row < count % 8));
    QCOMPARE(model()->index(2, 0).data(ContaminantTreeModel::ItemValueRole).toInt(), 1002);

    clickContaminant(1200);
    QCOMPARE(page->currentContaminant(), project->contaminants + 1200);
    QCOMPARE(edit("c0Edit")->text(), QString("1201.000000"));
    QCOMPARE(model()->indexForContaminant(1200).data().toString(), QString("C1200"));
    clickCheck("assessPlumeCheck");
    QCOMPARE(project->contaminants[1200].assess, int(kAssessPlumeLength));
    QCOMPARE(markerOf(1200), 4);
    QCOMPARE(model()->index(2, 0).data(ContaminantTreeModel::MarkerRole).toInt(), 0);

    // The group entry with value 1002 is a group, not contaminant 1002.
    clickGroup(2);
    QCOMPARE(page->currentContaminant(), nullptr);
    QVERIFY(inputsDisabledAndEmpty());
    QCOMPARE(project->contaminants[1002].assess, 0);
  }

  // Entering the page gives the focus back to the control that had it, or
  // to the tree the first time.
  void focusReturnsToTheRememberedControl() {
    page.reset();
    QWidget window;
    auto* outside = new QLineEdit(&window);
    page = std::make_unique<CPropConts>(&host, &window);
    const auto owned = qScopeGuard([this] { (void)page.release(); });  // the window deletes it
    page->setGeometry(0, 30, 680, 460);
    window.resize(680, 500);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ProjectPtr project = makeProject(1);
    Contaminant& c = addContaminant(*project, 0, "Benzene");
    completeInputs(c);
    c.assess = kAssessPlumeLength;
    load(project.get());

    outside->setFocus();
    page->setFocus();
    QVERIFY(tree()->hasFocus());
    clickContaminant(0);
    edit("caEdit")->setFocus();
    outside->setFocus();
    QVERIFY(!edit("caEdit")->hasFocus());
    page->setFocus();
    QVERIFY(edit("caEdit")->hasFocus());
  }

  void rebuildForgetsTheCurrentContaminant() {
    ProjectPtr project = makeProject(1);
    Contaminant& c = addContaminant(*project, 0, "Benzene");
    completeInputs(c);
    c.assess = kAssessPlumeLength;
    load(project.get());
    clickContaminant(0);
    type("c0Edit", "99");
    // The list is replaced: the typed text must not reach any record.
    ProjectPtr other = makeProject(1);
    addContaminant(*other, 1, "Chlorobenzene");
    page->RebuildContaminantTree(other.get());
    page->ShowProject(other.get());
    QCOMPARE(page->currentContaminant(), nullptr);
    QVERIFY(inputsDisabledAndEmpty());
    QCOMPARE(c.c0, 10.0);
    QCOMPARE(other->contaminants[0].c0, 0.0);
    QVERIFY(!page->pageModified);
  }
};

QTEST_MAIN(TestContaminantsPage)
#include "tst_contaminantspage.moc"
