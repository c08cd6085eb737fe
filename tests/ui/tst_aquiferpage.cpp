// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The aquifer page on its own: values to and from the record in their
// formats, the approximated dispersivities, the redox buttons with the preset
// list, and the contaminants page being told of every change.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <cstring>
#include <memory>

#include "app/PageTabs.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "pages/CPropAqui.h"
#include "persistence/projectfile.h"
#include "shell_fixture.h"
#include "support/FakePageHost.h"

namespace {

struct ProjectDeleter {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using ProjectPtr = std::unique_ptr<Project, ProjectDeleter>;

struct Preset {
  const char* name;
  uint16_t lambdaMask;
};

ProjectPtr newProject(std::initializer_list<Preset> contaminants = {}) {
  ProjectPtr project(virelo_AllocateProject());
  project->contaminants = virelo_AllocateContaminants(static_cast<long>(contaminants.size()) + 1);
  for (const Preset& preset : contaminants) {
    Contaminant& c = project->contaminants[project->contaminantCount++];
    std::strcpy(c.name, preset.name);
    c.lambdaMask = preset.lambdaMask;
  }
  return project;
}

// Object names of the redox buttons, indexed by the stored condition.
const char* const kRedoxButtons[] = {"redoxUnknown", "redoxAerobic",     "redoxNitrate", "redoxIron",
                                     "redoxSulfate", "redoxMixedPlumes", "redoxMethane"};
const char* const kDispersivities[] = {"axEdit", "ayEdit", "azEdit"};

}  // namespace

class TestAquiferPage : public QObject {
  Q_OBJECT

 private:
  FakePageHost host;
  std::unique_ptr<CPropAqui> page;

  QLineEdit* edit(const char* name) { return page->findChild<QLineEdit*>(name); }
  QString text(const char* name) { return edit(name)->text(); }
  QRadioButton* radio(const char* name) { return page->findChild<QRadioButton*>(name); }
  QString shownList() { return page->findChild<QTextEdit*>("presetList")->toPlainText(); }
  void type(const char* name, const QString& typed) {
    edit(name)->setFocus();
    edit(name)->clear();
    QTest::keyClicks(edit(name), typed);
  }
  // Clicks on the box or circle itself (the widget may be wider than its text).
  void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void clickApproximate() { click(page->findChild<QCheckBox*>("approximateCheck")); }
  // Moves the keyboard focus out of the edit that has it.
  void leave(const char* name) {
    QVERIFY(edit(name)->hasFocus());
    QTest::keyClick(edit(name), Qt::Key_Tab);
    QVERIFY(!edit(name)->hasFocus());
  }

 private slots:
  void init() {
    host = FakePageHost();
    page = std::make_unique<CPropAqui>(&host);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
  }
  void cleanup() { page.reset(); }

  void leavingXApproximatesTheDispersivities() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    clickApproximate();
    for (const char* name : kDispersivities) QVERIFY(!edit(name)->isEnabled());
    type("xEdit", "100");
    QCOMPARE(text("axEdit"), QString());  // not while x is being typed
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("10.000"));
    QCOMPARE(text("ayEdit"), QString("1.000"));
    QCOMPARE(text("azEdit"), QString("0.100"));
    QCOMPARE(project->aquifer.setMask, 0);  // only an apply changes the record

    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QCOMPARE(project->approximateDispersivity, 1);
    QCOMPARE(project->aquifer.dispersivityAz, 0.1);
    page->ShowProject(project.get());
    QCOMPARE(text("axEdit"), QString("10.00"));
    QCOMPARE(text("ayEdit"), QString("1.00"));
    QCOMPARE(text("azEdit"), QString("0.10"));
    for (const char* name : kDispersivities) QVERIFY(!edit(name)->isEnabled());

    // Applied while x still has the focus, the dispersivities follow x all the same.
    type("xEdit", "250");
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.dispersivityAx, 25.0);
    QCOMPARE(project->aquifer.dispersivityAz, 0.25);

    // The page's own writes mark nothing.
    page->ShowProject(project.get());
    QCOMPARE(text("axEdit"), QString("25.00"));
    host.contaminantsMarked = 0;
    edit("xEdit")->setFocus();
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("25.000"));
    QVERIFY(!page->pageModified);
    QCOMPARE(host.contaminantsMarked, 0);
  }

  // A project whose stored dispersivities do not follow its x although
  // "Approximate by x" is set is brought up to date when shown.
  void staleDispersivitiesAreBroughtUpToDateWhenShown() {
    ProjectPtr project = newProject();
    project->approximateDispersivity = 1;
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, 200);
    virelo_SetAquiferValue(&project->aquifer, kAquiferAx, 10);
    virelo_SetAquiferValue(&project->aquifer, kAquiferAy, 1);
    virelo_SetAquiferValue(&project->aquifer, kAquiferAz, 0.1);
    project->modified = 0;
    page->ShowProject(project.get());
    QCOMPARE(project->aquifer.dispersivityAx, 20.0);
    QCOMPARE(project->aquifer.dispersivityAz, 0.2);
    QCOMPARE(text("axEdit"), QString("20.00"));
    QCOMPARE(project->modified, int16_t(1));
    project->modified = 0;
    page->ShowProject(project.get());  // current now: nothing to do
    QCOMPARE(project->modified, int16_t(0));
  }

  // Text that is not one number, and a number beyond a double, count as
  // missing and show so, like any other text that is no number.
  void ambiguousOrOverflowingTextCountsAsMissing() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    type("xEdit", "1.234,5");
    type("kfEdit", "1E400");
    type("iEdit", "1,2,3");
    type("neEdit", "0,25");
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.setMask, uint16_t(kAquiferNe));
    QCOMPARE(text("xEdit"), QString());
    QCOMPARE(text("kfEdit"), QString());
    QCOMPARE(text("iEdit"), QString());
    QCOMPARE(project->aquifer.porosityNe, 0.25);
  }

  // Warnings show beside their fields as the user types, and go again; they
  // never change what is applied.
  void plausibilityWarningsShowAtTheirFields() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    auto sign = [this](const char* name) { return page->findChild<QLabel*>(name); };
    auto words = [this](const char* name) { return page->findChild<QLabel*>(name); };
    QVERIFY(sign("kfEditWarning")->isHidden());
    type("kfEdit", "2e-4");
    QVERIFY(!sign("kfEditWarning")->isHidden());
    QVERIFY(sign("iEditWarning")->isHidden());
    QVERIFY(words("hydraulicWarnings")->text().contains("entered in m/s? 1e-4 m/s = 8.64 m/d"));
    QVERIFY(sign("kfEditWarning")->toolTip().contains("Kf = 0.0002 m/d is below 0.001 m/d"));
    type("iEdit", "0.5");
    type("neEdit", "0.25");                             // v = 0.0004 m/d: no velocity warning
    QCOMPARE(page->plausibilityText().count('\n'), 1);  // Kf and i
    type("kfEdit", "8.64");                             // v = 17 m/d: a warning on all three
    QVERIFY(!sign("kfEditWarning")->isHidden());
    QVERIFY(!sign("neEditWarning")->isHidden());
    QVERIFY(page->plausibilityText().contains("v = Kf * i / ne = 17.28 m/d is above 10 m/d"));
    type("iEdit", "0.005");
    QVERIFY(sign("kfEditWarning")->isHidden());
    QVERIFY(words("hydraulicWarnings")->isHidden());

    type("xEdit", "50");
    type("axEdit", "80");
    QVERIFY(!sign("axEditWarning")->isHidden());
    QVERIFY(!sign("xEditWarning")->isHidden());
    QVERIFY(
        words("dispersivityWarnings")->text().contains("ax = 80 m is greater than the distance x = 50 m"));
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.dispersivityAx, 80.0);
    QCOMPARE(project->aquifer.conductivityKf, 8.64);
  }

  void dispersivitiesKeepTheirTextsWithoutAUsableX() {
    ProjectPtr project = newProject();
    project->approximateDispersivity = 1;
    virelo_SetAquiferValue(&project->aquifer, kAquiferAx, 7);
    virelo_SetAquiferValue(&project->aquifer, kAquiferAy, 0.5);
    page->ShowProject(project.get());
    for (const char* x : {"", "abc", "+5"}) {
      type("xEdit", x);
      leave("xEdit");
      QCOMPARE(text("axEdit"), QString("7.00"));
      QCOMPARE(text("ayEdit"), QString("0.50"));
      QCOMPARE(text("azEdit"), QString());
    }
    // Unchecked, they are enabled with their texts, and x no longer drives them.
    clickApproximate();
    for (const char* name : kDispersivities) QVERIFY(edit(name)->isEnabled());
    QCOMPARE(text("axEdit"), QString("7.00"));
    type("xEdit", "900");
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("7.00"));
    page->ApplyToProject(project.get());
    QCOMPARE(project->approximateDispersivity, 0);
  }

  void valuesAreReadAndShownInTheirFormats() {
    ProjectPtr project = newProject();
    virelo_SetAquiferValue(&project->aquifer, kAquiferAx, 1e60);  // too long for "%.2f" in 50 characters
    page->ShowProject(project.get());
    type("xEdit", " 2,5 ");
    type("kfEdit", "8.64e-2");
    type("iEdit", "0.0015");
    type("neEdit", "0.25");
    type("thicknessEdit", "12.345");
    type("widthEdit", "6");  // the full width; the model holds half of it
    type("ayEdit", "2.5");
    type("azEdit", "0.25");
    page->ApplyToProject(project.get());
    const Aquifer& a = project->aquifer;
    QCOMPARE(a.setMask, 0x3EF);
    QCOMPARE(a.distanceX, 2.5);
    QCOMPARE(a.conductivityKf, 0.0864);
    QCOMPARE(a.dispersivityAx, 1e60);
    QCOMPARE(a.sourceThicknessSy, 3.0);
    QCOMPARE(a.sourceWidthSz, 12.345);
    QCOMPARE(text("xEdit"), QString(" 2,5 "));  // as typed until shown again

    page->ShowProject(project.get());
    QCOMPARE(text("xEdit"), QString("2.50"));
    QCOMPARE(text("kfEdit"), QString("0.086400000"));
    QCOMPARE(text("iEdit"), QString("0.0015000"));
    QCOMPARE(text("neEdit"), QString("0.250"));
    QCOMPARE(text("thicknessEdit"), QString("12.35"));
    QCOMPARE(text("widthEdit"), QString("6.00"));
    QCOMPARE(text("ayEdit"), QString("2.50"));
    QVERIFY(text("axEdit").size() <= CPropAqui::kEditLimit);
  }

  void invalidInputIsEmptiedAndLeftAbsent() {
    ProjectPtr project = newProject();
    virelo_SetAquiferValue(&project->aquifer, kAquiferKf, 0.5);
    virelo_SetAquiferValue(&project->aquifer, kAquiferNe, 0.3);
    page->ShowProject(project.get());
    type("kfEdit", "abc");
    type("neEdit", "");
    page->pageModified = false;
    host.contaminantsMarked = 0;
    page->ApplyToProject(project.get());
    QCOMPARE(text("kfEdit"), QString());
    QCOMPARE(project->aquifer.setMask & (kAquiferKf | kAquiferNe), 0);
    QCOMPARE(project->aquifer.conductivityKf, 0.5);  // the stored number is left as it was
    QVERIFY(!page->pageModified);                    // emptying is the page's doing, not the user's
    QCOMPARE(host.contaminantsMarked, 0);
  }

  // b lives in the project's settings, not the aquifer record: typed,
  // saved, reopened and cleared again as a user does it.
  void saturatedThicknessReachesTheSettingsAndTheFile() {
    QTemporaryDir dir;
    ProjectPtr project = newProject({{"Benzene", kLambdaAerobic}});
    page->ShowProject(project.get());
    QCOMPARE(text("saturatedThicknessEdit"), QString());
    QVERIFY(!project->extras);  // nothing entered, nothing kept
    type("saturatedThicknessEdit", "12,5");
    QVERIFY(page->pageModified);
    QVERIFY(host.contaminantsMarked > 0);
    page->ApplyToProject(project.get());
    QCOMPARE(virelo_SettingsOf(*project).saturatedThickness, 12.5);
    QCOMPARE(project->aquifer.setMask, 0);  // no other value appears with it

    const QByteArray file = QFile::encodeName(dir.filePath("b.vrp"));
    QCOMPARE(virelo_SaveProject(project.get(), file.constData()), 1);
    ProjectPtr reopened(virelo_LoadProject(file.constData(), "rb"));
    QVERIFY(reopened);
    QCOMPARE(virelo_SettingsOf(*reopened).saturatedThickness, 12.5);
    page->ShowProject(reopened.get());
    QCOMPARE(text("saturatedThicknessEdit"), QString("12.50"));
    QVERIFY(!page->pageModified);

    // Cleared, it is not entered again; the file keeps no thickness.
    type("saturatedThicknessEdit", "");
    page->ApplyToProject(reopened.get());
    QCOMPARE(virelo_SettingsOf(*reopened).saturatedThickness, 0.0);
    QCOMPARE(virelo_SaveProject(reopened.get(), file.constData()), 1);
    ProjectPtr again(virelo_LoadProject(file.constData(), "rb"));
    QCOMPARE(virelo_SettingsOf(*again).saturatedThickness, 0.0);
    page->ShowProject(again.get());
    QCOMPARE(text("saturatedThicknessEdit"), QString());
  }

  // In the main window: typed b makes the project one to save, and the
  // saved file reopens with it in the field.
  void saturatedThicknessIsSavedFromTheMainWindow() {
    ShellSession session;
    const QString file = session.path("b.vrp");
    QVERIFY(QFile::copy(QStringLiteral(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    auto window = session.start(file);
    QVERIFY(window->project && !window->project->modified);
    CPropAqui* aquifer = window->pageTabs->aquiferPage;
    window->ViewPage(window->pageOf(aquifer));
    auto* field = aquifer->findChild<QLineEdit*>("saturatedThicknessEdit");
    QCOMPARE(field->text(), QString());
    field->setFocus();
    QTest::keyClicks(field, "3");
    session.platform.answers = {Platform::Yes};
    window->fileCommands->OnFileNew();  // asks to save what was typed, and saves in place
    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY(virelo_SettingsOf(*window->project).saturatedThickness == 0.0);  // the new project
    window->OpenProjectFile(file);
    QCOMPARE(virelo_SettingsOf(*window->project).saturatedThickness, 3.0);
    QCOMPARE(aquifer->findChild<QLineEdit*>("saturatedThicknessEdit")->text(), QString("3.00"));
  }

  void saturatedThicknessRefusesWhatNoMassCouldBeTakenOver_data() {
    QTest::addColumn<QString>("typed");
    for (const char* typed : {"0", "-3", "abc", "1e400"}) QTest::newRow(typed) << QString(typed);
  }
  void saturatedThicknessRefusesWhatNoMassCouldBeTakenOver() {
    QFETCH(QString, typed);
    ProjectPtr project = newProject();
    virelo_Extras(project.get()).settings.saturatedThickness = 4.0;
    page->ShowProject(project.get());
    QCOMPARE(text("saturatedThicknessEdit"), QString("4.00"));
    type("saturatedThicknessEdit", typed);
    page->ApplyToProject(project.get());
    QCOMPARE(text("saturatedThicknessEdit"), QString());
    QCOMPARE(virelo_SettingsOf(*project).saturatedThickness, 0.0);
  }

  void redoxButtonsMapToTheirConditions_data() {
    QTest::addColumn<int>("condition");
    QTest::addColumn<int>("applied");
    for (int c = 0; c < 7; ++c) QTest::addRow("%s", kRedoxButtons[c]) << c << c;
    QTest::newRow("7: none") << 7 << -1;
    QTest::newRow("-1: none") << -1 << -1;
  }
  void redoxButtonsMapToTheirConditions() {
    QFETCH(int, condition);
    QFETCH(int, applied);
    ProjectPtr project = newProject({{"Benzene", 0xFF}});
    project->aquifer.redoxCondition = static_cast<int16_t>(condition);
    page->ShowProject(project.get());
    for (int c = 0; c < 7; ++c) QCOMPARE(radio(kRedoxButtons[c])->isChecked(), c == condition);
    QCOMPARE(page->decayConstantListText(), QString(applied < 0 ? "" : "Benzene\r\n"));
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.redoxCondition, applied);
  }

  void presetListFollowsTheClickedButton() {
    ProjectPtr project = newProject({{"Benzene", kLambdaNitrate | kLambdaAerobic},
                                     {"Toluene", kLambdaAerobic},
                                     {"Xylene", kLambdaNitrate | kLambdaUser},
                                     {"Naphthalene", kLambdaIron | kLambdaUnknown}});
    page->ShowProject(project.get());
    QCOMPARE(page->decayConstantListText(), QString("Naphthalene\r\n"));
    click(radio("redoxNitrate"));
    QCOMPARE(page->decayConstantListText(), QString("Benzene\r\nXylene\r\n"));
    QCOMPARE(shownList(), QString("Benzene\nXylene\n"));
    click(radio("redoxAerobic"));
    QCOMPARE(page->decayConstantListText(), QString("Benzene\r\nToluene\r\n"));
    click(radio("redoxIron"));
    QCOMPARE(page->decayConstantListText(), QString("Naphthalene\r\n"));
    click(radio("redoxMethane"));
    QCOMPARE(shownList(), QString());
    QCOMPARE(project->aquifer.redoxCondition, 0);  // the list follows the buttons, not the record
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.redoxCondition, 6);
  }

  void everyEditMarksTheContaminantsPage_data() {
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"xEdit", "kfEdit", "iEdit", "neEdit", "widthEdit", "thicknessEdit", "axEdit", "ayEdit", "azEdit",
          "saturatedThicknessEdit", "approximateCheck", "redoxMixedPlumes", "redoxUnknown"})
      QTest::newRow(name) << QString(name);
  }
  void everyEditMarksTheContaminantsPage() {
    QFETCH(QString, control);
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    QVERIFY(!page->pageModified);
    QCOMPARE(host.contaminantsMarked, 0);
    QWidget* target = page->findChild<QWidget*>(control);
    if (qobject_cast<QLineEdit*>(target))
      type(control.toLatin1().constData(), "1");
    else
      click(target);  // also the button that is already checked
    QVERIFY(page->pageModified);
    QVERIFY(host.contaminantsMarked > 0);
  }

  void focusComesBackAndTabRunsThroughThePage() {
    QTabWidget tabs;
    auto* aquifer = new CPropAqui(&host);
    tabs.addTab(aquifer, "Aquifer");
    tabs.show();
    tabs.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&tabs));
    auto focusName = [] {
      return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    };
    // Nothing remembered yet: the page keeps the focus, and Tab enters at x.
    aquifer->setFocus();
    QCOMPARE(QApplication::focusWidget(), aquifer);
    QTest::keyClick(aquifer, Qt::Key_Tab);
    QCOMPARE(focusName(), QString("xEdit"));
    aquifer->findChild<QLineEdit*>("kfEdit")->setFocus();
    tabs.tabBar()->setFocus();
    aquifer->setFocus();  // as when its tab is selected again
    QCOMPARE(focusName(), QString("kfEdit"));

    // Tab leaves after the last control and comes back in at the first.
    aquifer->findChild<QLineEdit*>("azEdit")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tabs.tabBar());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), QString("xEdit"));
  }
};

QTEST_MAIN(TestAquiferPage)
#include "tst_aquiferpage.moc"
