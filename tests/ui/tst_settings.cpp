// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The settings a project keeps on the desktop, typed, chosen and saved with
// the keys as a user does: the concentration unit of the Project page (to
// its 24 characters, more bytes than that), the results page's verdict
// basis and ranges, and settings that could not be read, which a save must
// not replace unasked.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <cmath>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"

namespace {

const QString kUnreadable = QStringLiteral("The settings saved with this project could not be read: ");
const QString kReplaceQuestion =
    QStringLiteral("The settings saved with this project could not be read when it was opened");

QByteArray contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// A project of the database's contaminants with a chosen unit, its block's
// last byte flipped.
QByteArray damagedProject(const QString& fileName) {
  Project* project = virelo_NewProject();
  virelo_Extras(project).settings.concentrationUnit = "mg/L";
  virelo_Extras(project).settings.afRange = 2;
  virelo_SaveProject(project, QFile::encodeName(fileName).constData());
  virelo_FreeProject(project);
  QByteArray bytes = contents(fileName);
  bytes[bytes.size() - 2] = static_cast<char>(bytes[bytes.size() - 2] ^ 0x20);
  writeBytes(fileName, bytes);
  return bytes;
}

// Types `text` key by key; letters beyond ASCII come as the key events a
// keyboard layout with them sends (QTest::keyClicks takes ASCII only).
void typeText(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    if (ch.unicode() < 0x80) {
      QTest::keyClick(widget, ch.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
    }
  }
}

// Moves a combo box to `index` with the arrow keys.
void chooseWithKeys(QComboBox* box, int index) {
  for (int presses = 0; presses < box->count() && box->currentIndex() != index; ++presses)
    QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

// Ctrl+O, the file dialog answered with `file`.
void openWithKeys(ShellSession& session, MainDialog* window, const QString& file) {
  session.platform.openFileNames.push_back(file);
  QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
}

int countMessages(const FakePlatform& platform, const QString& start) {
  int count = 0;
  for (const RecordedMessage& m : platform.messages) count += m.text.startsWith(start);
  return count;
}

std::string savedUnit(const QString& fileName) {
  Project* project = virelo_LoadProject(QFile::encodeName(fileName).constData(), "rb");
  if (!project) return "<not loaded>";
  const std::string unit = virelo_SettingsOf(*project).concentrationUnit;
  virelo_FreeProject(project);
  return unit;
}

// C(x)/C0 of both models for the sample aquifer (the same for every
// contaminant of one decay constant).
void bothModels(Project& project, double* screening, double* exact) {
  virelo_math_CalcAll(&project);
  virelo_math_CalcExactAll(&project, 1);
  *screening = project.results[0].relativeConcentration;
  *exact = project.results[0].exactRelativeConcentration;
  virelo_FreeResults(&project);
}

}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

 private slots:
  void unitOfTheProjectPageIsSavedAndShown();
  void unreadableSettingsAreReplacedOnlyWhenAllowed();
  void resultsPageShowsTheVerdictInConcentrations();
};

void TestSettings::unitOfTheProjectPageIsSavedAndShown() {
  ShellSession session;
  auto window = session.start();
  auto* unit = child<QLineEdit>(window.get(), "unitEdit");
  QCOMPARE(unit->text(), QStringLiteral("\u00b5g/L"));
  // The longest unit the field takes, 24 characters but 28 bytes in UTF-8,
  // typed over the old one; a 25th character is not taken.
  const QString longest = QStringLiteral("\u00b5g/m\u00b3 Bodenluft, S\u00fcd-\u00d6st");
  QCOMPARE(longest.size(), 24);
  QTest::keyClick(unit, Qt::Key_A, Qt::ControlModifier);
  typeText(unit, longest + QStringLiteral("x"));
  QCOMPARE(unit->text(), longest);
  // The Contaminants page shows it beside C0 and CA once it is looked at.
  QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
  QCOMPARE(window->pageTabs->currentIndex(), 2);
  QCOMPARE(child<QLabel>(window.get(), "c0UnitLabel")->text(), "[" + longest + "]");
  QCOMPARE(child<QLabel>(window.get(), "caUnitLabel")->text(), "[" + longest + "]");
  QCOMPARE(window->project->modified, 1);

  const QString file = session.path("unit.vrp");
  session.platform.saveFileNames.push_back(file);
  window->fileCommands->saveAsAction->trigger();
  QCOMPARE(savedUnit(file), longest.toStdString());
  // Opened again, the file gives the unit back whole: it was not cut or
  // refused for its bytes.
  QCOMPARE(window->project->modified, 0);
  openWithKeys(session, window.get(), file);
  QCOMPARE(QString::fromLocal8Bit(window->project->path), file);
  QVERIFY(!virelo_ExtrasOf(*window->project).settingsUnreadable);
  QCOMPARE(countMessages(session.platform, kUnreadable), 0);
  QCOMPARE(child<QLabel>(window.get(), "c0UnitLabel")->text(), "[" + longest + "]");
  QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
  QCOMPARE(unit->text(), longest);

  // An emptied field is the default unit again, and the file has no block.
  QTest::keyClick(unit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(unit, Qt::Key_Backspace);
  QCOMPARE(unit->text(), QString());
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(savedUnit(file), std::string(kDefaultConcentrationUnit));
  QCOMPARE(contents(file).size(), 1879 + 216 * window->project->contaminantCount);
}

void TestSettings::unreadableSettingsAreReplacedOnlyWhenAllowed() {
  ShellSession session;
  const QString file = session.path("damaged.vrp");
  const QByteArray damaged = damagedProject(file);
  auto window = session.start();
  session.platform.messages.clear();
  openWithKeys(session, window.get(), file);
  QCOMPARE(QString::fromLocal8Bit(window->project->path), file);
  QCOMPARE(countMessages(session.platform, kUnreadable), 1);
  QVERIFY(session.platform.messages[0].text.endsWith(QStringLiteral("The project itself was opened.")));

  // No: nothing is written, and the unreadable settings stay in the file.
  session.platform.answers = {Platform::No};
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 1);
  QCOMPARE(contents(file), damaged);
  // Saving under another name leaves them where they are, without a question.
  const QString other = session.path("other.vrp");
  session.platform.saveFileNames.push_back(other);
  window->fileCommands->saveAsAction->trigger();
  QVERIFY(QFile::exists(other));
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 1);
  QCOMPARE(contents(file), damaged);

  // Open it again; Yes replaces the settings with the project's own.
  openWithKeys(session, window.get(), file);
  QCOMPARE(QString::fromLocal8Bit(window->project->path), file);
  session.platform.answers = {Platform::Yes};
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 2);
  QVERIFY(contents(file) != damaged);
  session.platform.messages.clear();
  QCOMPARE(savedUnit(file), std::string(kDefaultConcentrationUnit));
  QCOMPARE(countMessages(session.platform, kUnreadable), 0);
  // Once written anew, a save asks no more.
  const QByteArray written = contents(file);
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 0);
  QCOMPARE(contents(file), written);
}

void TestSettings::resultsPageShowsTheVerdictInConcentrations() {
  FakePlatform platform;
  FakePageHost host;
  CPropResults page(&host);
  page.resize(900, 400);
  page.show();

  // Two contaminants of one decay constant: "Straddle" with C0 between the
  // two models' reach, so that one predicts less than CA at the receptor and
  // the other more; "Below" with both under CA, green on screening (C0/C
  // 0.27) and yellow when exact, since the exact solution predicts more here.
  ProjectPtr project = makeProject(2);
  completeAquifer(*project, true);
  Contaminant& straddle = addContaminant(*project, 0, "Straddle");
  Contaminant& below = addContaminant(*project, 0, "Below");
  for (Contaminant* c : {&straddle, &below}) {
    completeInputs(*c, 1.0, 1.0, 0.001);
    c->assess = kAssessAttenuationFactor;
  }
  double screening = 0.0, exact = 0.0;
  bothModels(*project, &screening, &exact);
  QVERIFY2(exact > 1.15 * screening,
           qPrintable(QStringLiteral("screening %1, exact %2").arg(screening).arg(exact)));
  virelo_SetContaminantValue(&straddle, kValueC0, 1.0 / std::sqrt(screening * exact));
  virelo_SetContaminantValue(&below, kValueC0, 0.27 / screening);
  virelo_Extras(project.get()).settings.concentrationUnit = "mg/L";
  page.ShowProject(project.get());
  ResultListModel* rows = page.listModel(CPropResults::AttenuationFactorSide);
  auto number = [&](int row, int column) { return rows->index(row, column).data().toString().toDouble(); };

  QCOMPARE(rows->headerData(ResultListModel::kReceptorColumn, Qt::Horizontal).toString(),
           QStringLiteral("C(x) [mg/L]"));
  QCOMPARE(rows->headerData(ResultListModel::kTargetColumn, Qt::Horizontal).toString(),
           QStringLiteral("Target C [mg/L]"));
  // Receptor concentrations C0 C(x)/C0 of both models, target CA AF = 1/(C/C0).
  // Four significant digits are shown.
  auto near = [](double shown, double value) { return std::fabs(shown / value - 1.0) < 1e-3; };
  QVERIFY(near(number(0, ResultListModel::kReceptorColumn), std::sqrt(screening / exact)));
  QVERIFY(near(number(0, ResultListModel::kReceptorExactColumn), std::sqrt(exact / screening)));
  QVERIFY(near(number(1, ResultListModel::kTargetColumn), 1.0 / screening));
  // Both rows are the same class on screening, the first straddles CA.
  QVERIFY(rows->row(0).straddles);
  QVERIFY(!rows->row(1).straddles);
  // The straddle mark is a badge in the marks column.
  const QModelIndex marks0 = rows->index(0, rows->marksColumn());
  QCOMPARE(marks0.data(ResultListModel::BadgesRole).toStringList(), QStringList({"\u00b1CA"}));
  QVERIFY(rows->index(1, rows->marksColumn()).data(ResultListModel::BadgesRole).toStringList().isEmpty());
  const QString tip = marks0.data(Qt::ToolTipRole).toString();
  QVERIFY2(tip.startsWith("Straddles CA: the screening model predicts ") && tip.contains("CA is 1.000 mg/L"),
           qPrintable(tip));
  QVERIFY(
      rows->index(0, ResultListModel::kReceptorExactColumn).data(Qt::ToolTipRole).toString().contains(tip));
  QCOMPARE(int(rows->row(1).cls), int(AssessmentClass::Green));
  QCOMPARE(project->modified, 0);

  // The worse of the two: the second row turns yellow, its target is the
  // exact one, and the project keeps the choice.
  chooseWithKeys(page.findChild<QComboBox*>("verdictBasisCombo"), int(VerdictBasis::Worse));
  QCOMPARE(virelo_SettingsOf(*project).verdictBasis, VerdictBasis::Worse);
  QCOMPARE(project->modified, 1);
  QCOMPARE(rows->index(1, 0).data(ResultListModel::ClassRole).toInt(), int(AssessmentClass::Yellow));
  QVERIFY(near(number(1, ResultListModel::kTargetColumn), 1.0 / exact));
  QVERIFY(rows->index(1, 0).data(Qt::ToolTipRole).toString().contains("The verdict is that of the worse"));
  QVERIFY(rows->index(1, 0)
              .data(Qt::ToolTipRole)
              .toString()
              .startsWith("Verdict: Yellow. The screening model alone gives Green; the exact solution (the "
                          "worse of the two) made it "
                          "worse."));
  chooseWithKeys(page.findChild<QComboBox*>("afRangeCombo"), 2);
  QCOMPARE(virelo_SettingsOf(*project).afRange, 2);
  QCOMPARE(virelo_SettingsOf(*project).plumeRange, 0);

  // Another project shows its own saved choices, and showing them is no change.
  ProjectPtr other = makeProject(1);
  completeAquifer(*other, true);
  completeInputs(addContaminant(*other, 0, "Other"), 1.0, 1.0, 0.001);
  other->contaminants[0].assess = kAssessAttenuationFactor;
  virelo_Extras(other.get()).settings.verdictBasis = VerdictBasis::Exact;
  virelo_Extras(other.get()).settings.plumeRange = 3;
  page.ShowProject(other.get());
  QCOMPARE(page.findChild<QComboBox*>("verdictBasisCombo")->currentIndex(), int(VerdictBasis::Exact));
  QCOMPARE(page.findChild<QComboBox*>("plumeRangeCombo")->currentIndex(), 3);
  QCOMPARE(page.findChild<QComboBox*>("afRangeCombo")->currentIndex(), 0);
  QCOMPARE(page.plumeRange().lower, 0.2);
  QCOMPARE(other->modified, 0);
  page.ShowProject(nullptr);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
