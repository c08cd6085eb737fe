// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A German or Dutch user reads and types "0,005". The windows then show every
// number with a comma, read either sign as typed, and still save the very
// file an English session saves: the sign is the screen's, never the file's.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTreeView>

#include "pages/CPropAqui.h"
#include "pages/CPropResults.h"
#include "platform/DecimalSign.h"
#include "shell_fixture.h"

namespace {

// The sign for one test, set back when it ends, so that no other test reads it.
struct ShownSign {
  explicit ShownSign(QChar sign) { SetShownDecimalSign(sign); }
  ~ShownSign() { SetShownDecimalSign(QLatin1Char('.')); }
};

void typeInto(QWidget* root, const char* name, const QString& text) {
  auto* edit = child<QLineEdit>(root, name);
  QVERIFY2(edit, name);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void clickTab(MainDialog* window, int index) {
  QTabBar* tabs = window->pageTabs->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  QCOMPARE(window->pageTabs->currentIndex(), index);
}

// Types the aquifer of a small case with `gradient` as typed, leaves the page
// (which applies it), and returns the hydraulic gradient field's text as the
// page shows it when the user comes back.
QString typeAquifer(MainDialog* w, const QString& gradient, const QString& kf) {
  clickTab(w, 1);
  typeInto(w, "xEdit", "250");
  typeInto(w, "kfEdit", kf);
  typeInto(w, "iEdit", gradient);
  typeInto(w, "neEdit", "0.2");
  clickTab(w, 0);
  clickTab(w, 1);
  return child<QLineEdit>(w, "iEdit")->text();
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves the session's project as `name` and returns the file's bytes.
QByteArray saveAs(ShellSession& session, MainDialog* w, const QString& name) {
  const QString file = session.path(name);
  session.platform.saveFileNames.push_back(file);
  QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
  return fileBytes(file);
}

QStringList numberCells(QTreeView* list) {
  QStringList cells;
  QAbstractItemModel* model = list->model();
  for (int r = 0; r < model->rowCount(); ++r)
    for (int c = 1; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
  return cells;
}

}  // namespace

class TestDecimalComma : public QObject {
  Q_OBJECT

 private slots:
  void signInTextsOfNumbersOnly();
  void typedEitherSignSavesTheEnglishFile();
  void resultListsShowTheComma();
};

void TestDecimalComma::signInTextsOfNumbersOnly() {
  const QChar comma(QLatin1Char(','));
  QCOMPARE(WithDecimalSign("0.005", comma), QStringLiteral("0,005"));
  QCOMPARE(WithDecimalSign("-1.5E-03 mg/L", comma), QStringLiteral("-1,5E-03 mg/L"));
  QCOMPARE(WithDecimalSign("327.89 m (x 1.09)", comma), QStringLiteral("327,89 m (x 1,09)"));
  QCOMPARE(WithDecimalSign("1234.5", comma), QStringLiteral("1234,5"));  // no grouping
  // Names, codes, section numbers and dates keep their points.
  QCOMPARE(WithDecimalSign("GWM1.2 and B-3.5", comma), QStringLiteral("GWM1.2 and B-3.5"));
  QCOMPARE(WithDecimalSign("section 10.3.1, 01.02.2024", comma),
           QStringLiteral("section 10.3.1, 01.02.2024"));
  QCOMPARE(WithDecimalSign("\u00a74.3", comma), QStringLiteral("\u00a74.3"));
  QCOMPARE(WithDecimalSign("well_1.5", comma), QStringLiteral("well_1.5"));
  // A sentence's full stop after a number is no decimal point.
  QCOMPARE(WithDecimalSign("It is 12. Then 3.25.", comma), QStringLiteral("It is 12. Then 3,25."));
  // English leaves every text as it is.
  QCOMPARE(WithDecimalSign("0.005", QLatin1Char('.')), QStringLiteral("0.005"));
  QCOMPARE(DecimalSignFor("de"), comma);
  QCOMPARE(DecimalSignFor("nl"), comma);
  QCOMPARE(DecimalSignFor("en"), QChar(QLatin1Char('.')));
  QCOMPARE(DecimalSignFor(""), QChar(QLatin1Char('.')));
}

void TestDecimalComma::typedEitherSignSavesTheEnglishFile() {
  QByteArray english;
  {
    ShellSession session;
    auto window = session.start();
    QCOMPARE(typeAquifer(window.get(), "0.005", "8.64"), QStringLiteral("0.005"));
    QCOMPARE(window->project->aquifer.gradientI, 0.005);
    english = saveAs(session, window.get(), "en.vrp");
    QVERIFY(!english.isEmpty());
  }
  const ShownSign german(QLatin1Char(','));
  for (const QString& typed : {QStringLiteral("0,005"), QStringLiteral("0.005")}) {
    ShellSession session;
    auto window = session.start();
    // The field shows the number back with the reader's sign, as typed.
    QCOMPARE(typeAquifer(window.get(), typed, "8,64"), QStringLiteral("0,005"));
    QCOMPARE(window->project->aquifer.gradientI, 0.005);
    QCOMPARE(window->project->aquifer.conductivityKf, 8.64);
    QCOMPARE(child<QLineEdit>(window.get(), "neEdit")->text(), QStringLiteral("0,2"));
    // Going through the page again reads the number behind the comma, not
    // its display: nothing is rounded or changed.
    clickTab(window.get(), 0);
    QCOMPARE(window->project->aquifer.gradientI, 0.005);
    QCOMPARE(saveAs(session, window.get(), "de.vrp"), english);
    // Opened again, every field shows the stored number with a comma.
    window.reset();
    auto again = session.start(session.path("de.vrp"));
    clickTab(again.get(), 1);
    QCOMPARE(child<QLineEdit>(again.get(), "iEdit")->text(), QStringLiteral("0,0050000"));
    QCOMPARE(child<QLineEdit>(again.get(), "kfEdit")->text(), QStringLiteral("8,640000000"));
  }
}

void TestDecimalComma::resultListsShowTheComma() {
  QStringList english;
  {
    ShellSession session;
    auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp"));
    clickTab(window.get(), 3);
    english = numberCells(child<QTreeView>(window.get(), "plumeList")) +
              numberCells(child<QTreeView>(window.get(), "afList"));
  }
  const ShownSign dutch(QLatin1Char(','));
  ShellSession session;
  auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp"));
  clickTab(window.get(), 3);
  const QStringList shown = numberCells(child<QTreeView>(window.get(), "plumeList")) +
                            numberCells(child<QTreeView>(window.get(), "afList"));
  QCOMPARE(shown.size(), english.size());
  static const QRegularExpression decimal(QStringLiteral("\\d\\.\\d"));
  int commas = 0;
  for (int k = 0; k < shown.size(); ++k) {
    QVERIFY2(!shown[k].contains(decimal), qPrintable(shown[k]));
    QString back = shown[k];
    QCOMPARE(back.replace(QLatin1Char(','), QLatin1Char('.')), english[k]);
    commas += shown[k].count(QLatin1Char(','));
  }
  QVERIFY(commas > 20);  // d, d/x, AF, C0/C and the concentrations all carry one
}

QTEST_MAIN(TestDecimalComma)
#include "tst_decimalcomma.moc"
