// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A whole session as a new user has it: start, describe the aquifer, pick
// contaminants and enter their concentrations, look at the results, save,
// leave; then start again with the saved file and find everything back.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTreeView>

#include "pages/CPropAqui.h"
#include "pages/CPropConts.h"
#include "pages/CPropProject.h"
#include "pages/CPropResults.h"
#include "shell_fixture.h"

namespace {

void typeInto(QWidget* root, const char* name, const QString& text) {
  auto* edit = child<QLineEdit>(root, name);
  QVERIFY2(edit, name);
  QVERIFY2(edit->isEnabled(), name);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

// Clicks a check box or radio button on its indicator, as a person aims.
void clickIndicator(QAbstractButton* button) {
  QVERIFY(button);
  const bool before = button->isChecked();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  QVERIFY(button->isChecked() != before || qobject_cast<QRadioButton*>(button));
}

void clickTab(MainDialog* window, int index) {
  QTabBar* tabs = window->pageTabs->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  QCOMPARE(window->pageTabs->currentIndex(), index);
}

// Finds a contaminant by name in the tree, opens its group and clicks it.
void pickContaminant(QTreeView* tree, const QString& name) {
  const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, name, 1,
                                                     Qt::MatchExactly | Qt::MatchRecursive);
  QVERIFY2(!found.isEmpty(), qPrintable(name));
  tree->scrollTo(found[0]);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(found[0]).center());
  QCOMPARE(tree->currentIndex(), found[0]);
}

// Every text a result list shows, row by row.
QStringList shownRows(QTreeView* list) {
  QStringList rows;
  QAbstractItemModel* model = list->model();
  for (int r = 0; r < model->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
    rows << cells.join(" | ");
  }
  return rows;
}

struct Inputs {
  QStringList aquifer;
  QStringList perContaminant;
  QStringList plumeResults;
  QStringList afResults;
};

const char* const kAquiferEdits[] = {"xEdit",         "kfEdit", "iEdit",  "neEdit", "widthEdit",
                                     "thicknessEdit", "axEdit", "ayEdit", "azEdit"};

Inputs readBack(MainDialog* window, const QStringList& names) {
  Inputs in;
  for (const char* name : kAquiferEdits) in.aquifer << child<QLineEdit>(window, name)->text();
  in.aquifer << QString::number(child<QRadioButton>(window, "redoxSulfate")->isChecked());
  window->ViewPage(2);
  auto* tree = child<QTreeView>(window, "contaminantTree");
  for (const QString& name : names) {
    pickContaminant(tree, name);
    in.perContaminant << name + ": " + child<QLineEdit>(window, "c0Edit")->text() + " / " +
                             child<QLineEdit>(window, "caEdit")->text() + " / " +
                             QString::number(child<QCheckBox>(window, "assessPlumeCheck")->isChecked()) +
                             QString::number(child<QCheckBox>(window, "assessAfCheck")->isChecked());
  }
  window->ViewPage(3);
  in.plumeResults = shownRows(child<QTreeView>(window, "plumeList"));
  in.afResults = shownRows(child<QTreeView>(window, "afList"));
  return in;
}

}  // namespace

class TestEndToEnd : public QObject {
  Q_OBJECT

 private slots:
  void assessSaveAndReopen();
};

void TestEndToEnd::assessSaveAndReopen() {
  ShellSession session;
  const QString file = session.path("depot.vrp");
  const QStringList picked = {"Benzene", "Toluene"};
  Inputs first;
  {
    auto window = session.start();
    MainDialog* w = window.get();
    typeInto(w, "titleEdit", "Former depot");
    clickTab(w, 1);
    typeInto(w, "xEdit", "250");
    typeInto(w, "kfEdit", "8,64");  // a comma works as the decimal separator
    typeInto(w, "iEdit", "0.002");
    typeInto(w, "neEdit", "0.2");
    typeInto(w, "widthEdit", "10");  // a source 10 m wide and 40 m thick
    typeInto(w, "thicknessEdit", "40");
    clickIndicator(child<QCheckBox>(w, "approximateCheck"));
    clickIndicator(child<QRadioButton>(w, "redoxSulfate"));

    clickTab(w, 2);
    auto* tree = child<QTreeView>(w, "contaminantTree");
    const char* c0[] = {"1200", "35"};
    const char* ca[] = {"10", "5"};
    for (int i = 0; i < picked.size(); ++i) {
      pickContaminant(tree, picked[i]);
      clickIndicator(child<QCheckBox>(w, "assessPlumeCheck"));
      clickIndicator(child<QCheckBox>(w, "assessAfCheck"));
      typeInto(w, "c0Edit", c0[i]);
      typeInto(w, "caEdit", ca[i]);
    }

    clickTab(w, 3);
    QCOMPARE(shownRows(child<QTreeView>(w, "plumeList")).size(), 2);
    QCOMPARE(shownRows(child<QTreeView>(w, "afList")).size(), 2);
    QCOMPARE(w->project->resultCount, 2);
    for (int i = 0; i < w->project->resultCount; ++i) {
      const ContaminantResult& r = w->project->results[i];
      QCOMPARE(r.plContaminantProblemCount + r.plAquiferProblemCount, 0);
      QCOMPARE(r.afContaminantProblemCount + r.afAquiferProblemCount, 0);
      QVERIFY(r.plumeLength > 0);
    }

    session.platform.saveFileNames.push_back(file);
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w->windowTitle(), QStringLiteral("[depot.vrp] Virelo 1.0"));
    QVERIFY(session.platform.messages.isEmpty());
    first = readBack(w, picked);
    w->ViewPage(0);
    QTest::keyClick(w, Qt::Key_Escape);  // saved: Exit asks nothing
    QVERIFY(!w->isVisible());
    QVERIFY(session.platform.messages.isEmpty());
  }
  // Dispersivities approximated from x; the picked contaminants assessed both ways.
  QCOMPARE(first.aquifer.mid(6, 4), QStringList({"25.00", "2.50", "0.25", "1"}));
  QCOMPARE(first.perContaminant,
           QStringList({"Benzene: 1200.000000 / 10.000000 / 11", "Toluene: 35.000000 / 5.000000 / 11"}));
  QVERIFY(first.plumeResults.value(0).startsWith("Benzene | "));
  QVERIFY(first.afResults.value(1).startsWith("Toluene | "));
  QCOMPARE(first.aquifer.value(0).toDouble(), 250.0);
  QCOMPARE(first.aquifer.value(1).toDouble(), 8.64);

  auto window = session.start(file);
  QCOMPARE(window->windowTitle(), QStringLiteral("[depot.vrp] Virelo 1.0"));
  QCOMPARE(child<QLineEdit>(window.get(), "titleEdit")->text(), QStringLiteral("Former depot"));
  const Inputs second = readBack(window.get(), picked);
  QCOMPARE(second.aquifer, first.aquifer);
  QCOMPARE(second.perContaminant, first.perContaminant);
  QCOMPARE(second.plumeResults, first.plumeResults);
  QCOMPARE(second.afResults, first.afResults);
  QVERIFY(session.platform.messages.isEmpty());
  QCOMPARE(window->project->modified, 0);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
