// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A lab export imported through the Site data window as a user does it: the
// file picked with Import CSV..., the names no table knows offered for
// mapping and mapped with clicks, the choice kept as the project's alias for
// later imports, a Windows-1252 export's lab marks read and the skipped ones
// said in the status, and slashed dates read only in the order chosen.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "analysis/AnalyteMappingDialog.h"
#include "analysis/SiteDataWindow.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "support/FakePlatform.h"
#include "support/SiteExample.h"

namespace {

const SiteSample* Find(const Project& project, const char* well, const char* date, const char* analyte) {
  for (const SiteSample& s : virelo_ExtrasOf(project).site.samples)
    if (s.well == well && s.date == date && s.analyte == analyte) return &s;
  return nullptr;
}

}  // namespace

class TestLabImport : public QObject {
  Q_OBJECT
 private slots:
  void labExportImportsAndUnknownNamesAreMappedByClicks() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.mapNamesButton()->isEnabled());
    const size_t before = virelo_ExtrasOf(*project).site.samples.size();

    // German names, micro sign in UTF-8, DD.MM.YYYY, "<", and one name
    // that no table knows.
    QTemporaryDir dir;
    const QString path = dir.filePath("lab.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "well;date;Benzol [\xC2\xB5g/l];Toluol [\xC2\xB5g/l];BTEX-Summe-X [\xC2\xB5g/l]\n"
        "MW1;02.04.2025;12,5;<1;20\nMW2;02.04.2025;3;2;7\n");
    file.close();
    platform.openFileNames.push_back(path);
    QTest::mouseClick(window.findChild<QPushButton*>("siteImport"), Qt::LeftButton);
    const QString status = window.statusLabel()->text();
    QVERIFY2(status.startsWith("Imported 0 wells and 6 samples"), qPrintable(status));
    QVERIFY2(status.contains("\"BTEX-Summe-X\": 2 samples"), qPrintable(status));
    QCOMPARE(virelo_ExtrasOf(*project).site.samples.size(), before + 6);
    const SiteSample* benzene = Find(*project, "MW1", "2025-04-02", "Benzene");
    QVERIFY(benzene);
    QCOMPARE(benzene->value, 12.5);
    QCOMPARE(benzene->unit, std::string("ug/L"));
    const SiteSample* toluene = Find(*project, "MW1", "2025-04-02", "Toluene");
    QVERIFY(toluene && toluene->nonDetect);

    QVERIFY(window.mapNamesButton()->isEnabled());
    QCOMPARE(window.mapNamesButton()->text(), QString("Map 1 unknown &names..."));
    QTest::mouseClick(window.mapNamesButton(), Qt::LeftButton);
    QPointer<AnalyteMappingDialog> dialog = window.findChild<AnalyteMappingDialog*>();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    QCOMPARE(dialog->table()->rowCount(), 1);
    QCOMPARE(dialog->table()->item(0, 0)->text(), QString("BTEX-Summe-X"));
    QCOMPARE(dialog->table()->item(0, 1)->text(), QString("2"));
    QComboBox* choice = dialog->choice(0);
    QCOMPARE(choice->currentIndex(), 0);  // kept as written until chosen
    choice->setFocus();
    QTest::keyClicks(choice, "Xylenes");
    QCOMPARE(choice->currentText(), QString("Xylenes"));
    QTest::mouseClick(dialog->findChild<QPushButton*>("analyteMappingSave"), Qt::LeftButton);
    QTRY_VERIFY(!dialog || !dialog->isVisible());

    QVERIFY(Find(*project, "MW1", "2025-04-02", "Xylenes"));
    QVERIFY(!Find(*project, "MW1", "2025-04-02", "BTEX-Summe-X"));
    const AnalyteAliases& aliases = virelo_ExtrasOf(*project).analyteAliases;
    QCOMPARE(aliases.entries.size(), size_t(1));
    QVERIFY(aliases.entries[0] == (AnalyteAlias{"BTEX-Summe-X", "Xylenes"}));
    QCOMPARE(project->modified, int16_t(1));
    QVERIFY(!window.mapNamesButton()->isEnabled());

    // A later import reads the name through the alias, and the project
    // keeps the alias through a save.
    QVERIFY(
        window.ImportTable("well,date,analyte,value,unit\nMW2,2025-05-02,btex-summe-x,5,ug/L\n", "t.csv"));
    QVERIFY(Find(*project, "MW2", "2025-05-02", "Xylenes"));
    const QString saved = dir.filePath("p.vrp");
    QVERIFY(virelo_SaveProject(project.get(), saved.toLocal8Bit().constData()));
    Owned back(virelo_LoadProject(saved.toLocal8Bit().constData(), "rb"));
    QVERIFY(back);
    QVERIFY(virelo_ExtrasOf(*back).analyteAliases == aliases);
  }

  // A laboratory's samples and a surveyor's wells chosen together, the
  // samples first: both go in, and the status names each file.
  void severalFilesAtOnceInAnyOrder() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const size_t before = virelo_ExtrasOf(*project).site.samples.size();
    QTemporaryDir dir;
    auto write = [&](const char* name, const char* text) {
      QFile file(dir.filePath(name));
      if (!file.open(QIODevice::WriteOnly)) return QString();
      file.write(text);
      return file.fileName();
    };
    const QString lab = write("lab.csv", "well;date;analyte;value;unit\nMW7;2025-04-02;Benzene;4,5;ug/L\n");
    const QString wells = write("wells.csv", "well;s;y;inFit\nMW7;150;0;yes\n");
    const QString missing = dir.filePath("missing.csv");
    platform.openFileLists.push_back({lab, wells, missing});
    QTest::mouseClick(window.findChild<QPushButton*>("siteImport"), Qt::LeftButton);
    const QString status = window.statusLabel()->text();
    QVERIFY2(status.contains("Imported 1 wells and 0 samples from " + wells), qPrintable(status));
    QVERIFY2(status.contains("Imported 0 wells and 1 samples from " + lab), qPrintable(status));
    QVERIFY2(status.contains("Cannot read " + missing), qPrintable(status));
    QCOMPARE(virelo_ExtrasOf(*project).site.samples.size(), before + 1);
    const SiteSample* benzene = Find(*project, "MW7", "2025-04-02", "Benzene");
    QVERIFY(benzene && benzene->value == 4.5);
  }

  void dutchExportWithMarksImportsAndTheStatusSaysWhatWasSkipped() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const size_t before = virelo_ExtrasOf(*project).site.samples.size();

    // Windows-1252 with an en dash (0x96), "n.b.", "n.n." at the row's
    // rapportagegrens and a head above NAP.
    QTemporaryDir dir;
    const QString path = dir.filePath("lab.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "well;date;analyte;value;unit;rapportagegrens\n"
        "MW1;14-05-2025;benzeen;n.n.;\xB5g/l;0,2\n"
        "MW1;14-05-2025;tolueen;n.b.;\xB5g/l;0,2\n"
        "MW2;14-05-2025;tolueen;\x96;\xB5g/l;0,2\n"
        "MW2;14-05-2025;stijghoogte;1,05;m NAP;\n");
    file.close();
    platform.openFileNames.push_back(path);
    QTest::mouseClick(window.findChild<QPushButton*>("siteImport"), Qt::LeftButton);
    const QString status = window.statusLabel()->text();
    QVERIFY2(status.startsWith("Imported 0 wells and 2 samples"), qPrintable(status));
    QVERIFY2(status.contains("Note: " + path + ": 2 values not determined (n.b.) were skipped"),
             qPrintable(status));
    QCOMPARE(virelo_ExtrasOf(*project).site.samples.size(), before + 2);
    const SiteSample* benzene = Find(*project, "MW1", "2025-05-14", "Benzene");
    QVERIFY(benzene);
    QVERIFY(benzene->nonDetect);
    QCOMPARE(benzene->value, 0.2);
    const SiteSample* head = Find(*project, "MW2", "2025-05-14", "Head");
    QVERIFY(head);
    QCOMPARE(head->value, 1.05);
    QCOMPARE(head->unit, std::string("m"));
  }

  void slashedDatesOnlyInTheOrderChosen() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const char* table = "well,date,analyte,value,unit\nMW1,05/06/2025,Benzene,1,ug/L\n";
    QVERIFY(!window.ImportTable(table, "s.csv"));
    QVERIFY2(window.statusLabel()->text().contains("s.csv:2: date: \"05/06/2025\" may be day/month"),
             qPrintable(window.statusLabel()->text()));
    QComboBox* order = window.dateOrderBox();
    order->setFocus();
    QTest::keyClick(order, Qt::Key_Down);
    QCOMPARE(order->currentIndex(), 1);  // day first
    QVERIFY(window.ImportTable(table, "s.csv"));
    QVERIFY(Find(*project, "MW1", "2025-06-05", "Benzene"));
    QTest::keyClick(order, Qt::Key_Down);  // month first
    QVERIFY(window.ImportTable("well,date,analyte,value,unit\nMW1,05/07/2025,Benzene,1,ug/L\n", "s.csv"));
    QVERIFY(Find(*project, "MW1", "2025-05-07", "Benzene"));
  }
};

QTEST_MAIN(TestLabImport)
#include "tst_labimport.moc"
