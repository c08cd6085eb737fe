// The aquifer page on its own: values to and from the record in their
// formats, the approximated dispersivities, the redox buttons with the preset
// list, and the contaminants page being told of every change.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <cmath>
#include <cstring>
#include <memory>

#include "engine/records.h"
#include "pages/CPropAqui.h"
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
  if (contaminants.size()) {
    project->contaminants = virelo_AllocateContaminants(static_cast<long>(contaminants.size()));
    for (const Preset& preset : contaminants) {
      Contaminant& c = project->contaminants[project->contaminantCount++];
      std::strcpy(c.name, preset.name);
      c.lambdaMask = preset.lambdaMask;
    }
  }
  return project;
}

// Object names of the redox buttons, indexed by the stored condition.
const char* const kRedoxButtonNames[] = {"redoxUnknown", "redoxAerobic",     "redoxNitrate", "redoxIron",
                                         "redoxSulfate", "redoxMixedPlumes", "redoxMethane"};

}  // namespace

class TestAquiferPage : public QObject {
  Q_OBJECT

 private:
  FakePageHost host;
  std::unique_ptr<CPropAqui> page;

  QLineEdit* edit(const char* name) { return page->findChild<QLineEdit*>(name); }
  QString text(const char* name) { return edit(name)->text(); }
  QCheckBox* approximate() { return page->findChild<QCheckBox*>("approximateCheck"); }
  QRadioButton* radio(const char* name) { return page->findChild<QRadioButton*>(name); }
  QString shownList() { return page->findChild<QTextEdit*>("presetList")->toPlainText(); }
  void type(const char* name, const char* typed) {
    edit(name)->setFocus();
    edit(name)->selectAll();
    QTest::keyClicks(edit(name), typed);
  }
  // Clicks the check box on its box (the widget may be wider than its text).
  void clickCheck() {
    QTest::mouseClick(approximate(), Qt::LeftButton, {}, QPoint(6, approximate()->height() / 2));
  }
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
    page->resize(680, 460);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
  }
  void cleanup() { page.reset(); }

  void startsWithUnknownChecked() {
    QVERIFY(radio("redoxUnknown")->isChecked());
    QCOMPARE(page->ReadRedoxButtons(), 0);
    QVERIFY(!page->pageModified);
    QCOMPARE(edit("xEdit")->maxLength(), 50);
  }

  void leavingXApproximatesTheDispersivities() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    clickCheck();
    QVERIFY(approximate()->isChecked());
    for (const char* name : {"axEdit", "ayEdit", "azEdit"}) QVERIFY(!edit(name)->isEnabled());

    type("xEdit", "100");
    QCOMPARE(text("axEdit"), QString());  // not while x is being typed
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("10.000"));
    QCOMPARE(text("ayEdit"), QString("1.000"));
    QCOMPARE(text("azEdit"), QString("0.100"));
    QCOMPARE(project->aquifer.setMask, 0);  // only an apply changes the record

    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QCOMPARE(project->approximateDispersivity, 1);
    QCOMPARE(project->aquifer.dispersivityAx, 10.0);
    QCOMPARE(project->aquifer.dispersivityAy, 1.0);
    QCOMPARE(project->aquifer.dispersivityAz, 0.1);
    page->ShowProject(project.get());
    QCOMPARE(text("axEdit"), QString("10.00"));
    QCOMPARE(text("ayEdit"), QString("1.00"));
    QCOMPARE(text("azEdit"), QString("0.10"));
    for (const char* name : {"axEdit", "ayEdit", "azEdit"}) QVERIFY(!edit(name)->isEnabled());
  }

  void emptyOrInvalidXKeepsTheDispersivities_data() {
    QTest::addColumn<QString>("x");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("plus sign") << "+5";
  }
  void emptyOrInvalidXKeepsTheDispersivities() {
    QFETCH(QString, x);
    ProjectPtr project = newProject();
    project->approximateDispersivity = 1;
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, 40);
    virelo_SetAquiferValue(&project->aquifer, kAquiferAx, 7);
    virelo_SetAquiferValue(&project->aquifer, kAquiferAy, 0.5);
    page->ShowProject(project.get());
    edit("xEdit")->setFocus();
    edit("xEdit")->clear();
    QTest::keyClicks(edit("xEdit"), x);
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("7.00"));
    QCOMPARE(text("ayEdit"), QString("0.50"));
    QCOMPARE(text("azEdit"), QString());
  }

  void uncheckingEnablesTheDispersivitiesWithTheirTexts() {
    ProjectPtr project = newProject();
    project->approximateDispersivity = 1;
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, 50);
    page->ShowProject(project.get());
    QVERIFY(approximate()->isChecked());
    edit("xEdit")->setFocus();
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("5.000"));
    clickCheck();
    QVERIFY(!approximate()->isChecked());
    for (const char* name : {"axEdit", "ayEdit", "azEdit"}) QVERIFY(edit(name)->isEnabled());
    QCOMPARE(text("axEdit"), QString("5.000"));
    QCOMPARE(text("azEdit"), QString("0.050"));
    // Unchecked, x no longer drives them.
    type("xEdit", "900");
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("5.000"));
    page->ApplyToProject(project.get());
    QCOMPARE(project->approximateDispersivity, 0);
  }

  void valuesAreShownInTheirFormats() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    for (const char* name :
         {"xEdit", "kfEdit", "iEdit", "neEdit", "szEdit", "syEdit", "axEdit", "ayEdit", "azEdit"})
      QCOMPARE(text(name), QString());  // absent values

    type("xEdit", "250");
    type("kfEdit", "8.64e-2");
    type("iEdit", "0.0015");
    type("neEdit", "0.25");
    type("szEdit", "12.345");
    type("syEdit", "3");
    type("axEdit", "25");
    type("ayEdit", "2.5");
    type("azEdit", "0.25");
    page->ApplyToProject(project.get());
    const Aquifer& a = project->aquifer;
    QCOMPARE(a.setMask, 1 | 2 | 4 | 8 | 32 | 64 | 128 | 256 | 512);
    QCOMPARE(a.distanceX, 250.0);
    QCOMPARE(a.conductivityKf, 0.0864);
    QCOMPARE(a.gradientI, 0.0015);
    QCOMPARE(a.porosityNe, 0.25);
    QCOMPARE(a.sourceWidthSz, 12.345);
    QCOMPARE(a.sourceThicknessSy, 3.0);

    page->ShowProject(project.get());
    QCOMPARE(text("xEdit"), QString("250.00"));
    QCOMPARE(text("kfEdit"), QString("0.086400000"));
    QCOMPARE(text("iEdit"), QString("0.0015000"));
    QCOMPARE(text("neEdit"), QString("0.250"));
    QCOMPARE(text("szEdit"), QString("12.35"));
    QCOMPARE(text("syEdit"), QString("3.00"));
    QCOMPARE(text("axEdit"), QString("25.00"));
    QCOMPARE(text("ayEdit"), QString("2.50"));
    QCOMPARE(text("azEdit"), QString("0.25"));
  }

  void aNumberTooLongForTheFormatSurvivesShowAndApply() {
    ProjectPtr project = newProject();
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, 1e60);
    page->ShowProject(project.get());
    QVERIFY(text("xEdit").size() <= 50);
    project->aquifer.distanceX = 0;
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.distanceX, 1e60);
  }

  void commaInputKeepsTheTypedTextUntilShown() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    type("xEdit", " 2,5 ");
    page->ApplyToProject(project.get());
    QVERIFY(project->aquifer.setMask & kAquiferX);
    QCOMPARE(project->aquifer.distanceX, 2.5);
    QCOMPARE(text("xEdit"), QString(" 2,5 "));
    page->ShowProject(project.get());
    QCOMPARE(text("xEdit"), QString("2.50"));
  }

  void invalidInputIsEmptiedAndLeftAbsent() {
    ProjectPtr project = newProject();
    virelo_SetAquiferValue(&project->aquifer, kAquiferKf, 0.5);
    virelo_SetAquiferValue(&project->aquifer, kAquiferNe, 0.3);
    page->ShowProject(project.get());
    type("kfEdit", "abc");
    edit("neEdit")->clear();
    page->pageModified = false;
    host.contaminantsMarked = 0;
    page->ApplyToProject(project.get());
    QCOMPARE(text("kfEdit"), QString());
    QVERIFY(!(project->aquifer.setMask & kAquiferKf));
    QVERIFY(!(project->aquifer.setMask & kAquiferNe));
    QCOMPARE(project->aquifer.conductivityKf, 0.5);  // the stored number is left as it was
    // Emptying the edit is the page's own doing, not an edit of the user.
    QVERIFY(!page->pageModified);
    QCOMPARE(host.contaminantsMarked, 0);
  }

  void redoxButtonsMapToTheirConditions_data() {
    QTest::addColumn<int>("condition");
    for (int c = 0; c < 7; ++c) QTest::addRow("%s", kRedoxButtonNames[c]) << c;
  }
  void redoxButtonsMapToTheirConditions() {
    QFETCH(int, condition);
    ProjectPtr project = newProject();
    project->aquifer.redoxCondition = static_cast<int16_t>(condition);
    page->ShowProject(project.get());
    for (int c = 0; c < 7; ++c) QCOMPARE(radio(kRedoxButtonNames[c])->isChecked(), c == condition);
    project->aquifer.redoxCondition = 99;
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.redoxCondition, condition);
  }

  void presetListFollowsTheClickedButton() {
    ProjectPtr project = newProject({{"Benzene", kLambdaNitrate | kLambdaAerobic},
                                     {"Toluene", kLambdaAerobic},
                                     {"Xylene", kLambdaNitrate | kLambdaUser},
                                     {"Naphthalene", kLambdaIron | kLambdaUnknown}});
    page->ShowProject(project.get());
    QCOMPARE(page->decayConstantListText(), QString("Naphthalene\r\n"));

    host.contaminantsMarked = 0;
    QTest::mouseClick(radio("redoxNitrate"), Qt::LeftButton);
    QCOMPARE(page->decayConstantListText(), QString("Benzene\r\nXylene\r\n"));
    QCOMPARE(shownList().split('\n', Qt::SkipEmptyParts), QStringList({"Benzene", "Xylene"}));
    QVERIFY(page->pageModified);
    QVERIFY(host.contaminantsMarked > 0);

    QTest::mouseClick(radio("redoxAerobic"), Qt::LeftButton);
    QCOMPARE(page->decayConstantListText(), QString("Benzene\r\nToluene\r\n"));
    QTest::mouseClick(radio("redoxIron"), Qt::LeftButton);
    QCOMPARE(page->decayConstantListText(), QString("Naphthalene\r\n"));
    QTest::mouseClick(radio("redoxMethane"), Qt::LeftButton);
    QCOMPARE(page->decayConstantListText(), QString());
    QCOMPARE(shownList(), QString());
    // The list follows the buttons, not the record.
    QCOMPARE(project->aquifer.redoxCondition, 0);
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.redoxCondition, 6);
  }

  void conditionOutsideTheRangeChecksNoButton_data() {
    QTest::addColumn<int>("condition");
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
    QTest::newRow("-300") << -300;
  }
  void conditionOutsideTheRangeChecksNoButton() {
    QFETCH(int, condition);
    ProjectPtr project = newProject({{"Benzene", 0xFF}});
    project->aquifer.redoxCondition = static_cast<int16_t>(condition);
    page->ShowProject(project.get());
    for (const char* name : kRedoxButtonNames) QVERIFY(!radio(name)->isChecked());
    QCOMPARE(page->decayConstantListText(), QString());
    QCOMPARE(shownList(), QString());
    page->ApplyToProject(project.get());
    QCOMPARE(project->aquifer.redoxCondition, -1);
    // A click checks one again.
    QTest::mouseClick(radio("redoxSulfate"), Qt::LeftButton);
    QCOMPARE(page->ReadRedoxButtons(), 4);
    QCOMPARE(page->decayConstantListText(), QString("Benzene\r\n"));
  }

  void everyEditMarksTheContaminantsPage_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"xEdit", "kfEdit", "iEdit", "neEdit", "szEdit", "syEdit", "axEdit", "ayEdit",
                             "azEdit", "approximateCheck", "redoxMixedPlumes", "redoxUnknown"})
      QTest::newRow(name) << QString(name);
  }
  void everyEditMarksTheContaminantsPage() {
    QFETCH(QString, control);
    ProjectPtr project = newProject();
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, 10);
    host.contaminantsMarked = 0;
    page->ShowProject(project.get());
    QVERIFY(!page->pageModified);
    QCOMPARE(host.contaminantsMarked, 0);

    QWidget* target = page->findChild<QWidget*>(control);
    QVERIFY(target);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(target)) {
      lineEdit->setFocus();
      QTest::keyClicks(lineEdit, "1");
    } else {
      // Also the button that is already checked.
      QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    }
    QVERIFY(page->pageModified);
    QVERIFY(host.contaminantsMarked > 0);
  }

  void approximatingMarksNothing() {
    ProjectPtr project = newProject();
    project->approximateDispersivity = 1;
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, 300);
    host.contaminantsMarked = 0;
    page->ShowProject(project.get());
    edit("xEdit")->setFocus();
    leave("xEdit");
    QCOMPARE(text("axEdit"), QString("30.000"));
    QVERIFY(!page->pageModified);
    QCOMPARE(host.contaminantsMarked, 0);
  }

  void withoutAProjectNothingIsApplied() {
    QCOMPARE(page->ApplyToProject(nullptr), 0);
    page->ShowProject(nullptr);
    QTest::mouseClick(radio("redoxAerobic"), Qt::LeftButton);  // no list without a project
    QCOMPARE(page->decayConstantListText(), QString());
  }
};

QTEST_MAIN(TestAquiferPage)
#include "tst_aquiferpage.moc"
