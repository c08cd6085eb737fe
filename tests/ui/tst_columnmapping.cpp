// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A lab table whose columns Virelo does not know, imported through the Site
// data window as a user does it: the window asks what the columns hold, the
// table is read with the answer, and the project keeps the answer through a
// save so that the lab's next delivery reads without asking.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "analysis/ColumnMappingDialog.h"
#include "analysis/SiteDataWindow.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "support/FakePlatform.h"
#include "support/SiteExample.h"

namespace {

// Dutch names for all but the well and the date, which this lab calls its
// own way, and a remarks column that is not read.
const char kTable[] =
    "Probe;Tag;Parameter;Resultaat;Eenheid;Opmerking\n"
    "MW1;03.06.2025;Benzeen;7,5;\xC2\xB5g/l;ok\n"
    "MW2;03.06.2025;Benzeen;<0,5;\xC2\xB5g/l;\n";

const SiteSample* Find(const Project& project, const char* well, const char* analyte) {
  for (const SiteSample& s : virelo_ExtrasOf(project).site.samples)
    if (s.well == well && s.date == "2025-06-03" && s.analyte == analyte) return &s;
  return nullptr;
}

QString WriteTable(const QTemporaryDir& dir) {
  const QString path = dir.filePath("lab.csv");
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(kTable);
  return path;
}

void ClickImport(SiteDataWindow& window) {
  QTest::mouseClick(window.findChild<QPushButton*>("siteImport"), Qt::LeftButton);
}

}  // namespace

class TestColumnMapping : public QObject {
  Q_OBJECT
 private slots:
  void unknownColumnsAreAskedForReadAndKeptWithTheProject() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTemporaryDir dir;
    QStringList asked;
    platform.dialogHandler = [&](QDialog* dialog) {
      auto* mapping = qobject_cast<ColumnMappingDialog*>(dialog);
      if (!mapping) return int(QDialog::Rejected);
      for (int row = 0; row < mapping->table()->rowCount(); ++row)
        asked << mapping->table()->item(row, 0)->text();
      // Chosen as a user does, by the combo box's text.
      QComboBox* well = mapping->choice(0);
      well->setCurrentIndex(well->findText("well"));
      mapping->choose(1, "date");
      return int(QDialog::Accepted);
    };
    platform.openFileNames.push_back(WriteTable(dir));
    ClickImport(window);
    // Only the columns no name gives are asked for, in the table's order.
    QCOMPARE(asked, (QStringList{"Probe", "Tag"}));
    const QString status = window.statusLabel()->text();
    QVERIFY2(status.startsWith("Imported 0 wells and 2 samples"), qPrintable(status));
    QVERIFY2(status.contains("the column \"Opmerking\" is not read"), qPrintable(status));
    const SiteSample* mw1 = Find(*project, "MW1", "Benzene");
    QVERIFY(mw1);
    QCOMPARE(mw1->value, 7.5);
    const SiteSample* mw2 = Find(*project, "MW2", "Benzene");
    QVERIFY(mw2 && mw2->nonDetect);
    QCOMPARE(mw2->value, 0.5);
    const std::map<std::string, std::string> kept = {{"probe", "well"}, {"tag", "date"}};
    QVERIFY(virelo_ExtrasOf(*project).siteColumns == kept);
    QCOMPARE(project->modified, int16_t(1));

    // Through a save and a load the mapping stays, and the lab's next
    // delivery reads without a question.
    const QString saved = dir.filePath("p.vrp");
    QVERIFY(virelo_SaveProject(project.get(), saved.toLocal8Bit().constData()));
    Owned back(virelo_LoadProject(saved.toLocal8Bit().constData(), "rb"));
    QVERIFY(back);
    QVERIFY(virelo_ExtrasOf(*back).siteColumns == kept);
    virelo_Extras(back.get()).site.samples.clear();
    SiteDataWindow again(back.get());
    platform.dialogTitles.clear();
    platform.openFileNames.push_back(WriteTable(dir));
    ClickImport(again);
    QVERIFY(platform.dialogTitles.isEmpty());
    QVERIFY2(again.statusLabel()->text().startsWith("Imported 0 wells and 2 samples"),
             qPrintable(again.statusLabel()->text()));
    QVERIFY(Find(*back, "MW1", "Benzene"));
  }

  void aDeclinedMappingImportsNothingAndKeepsNothing() {
    FakePlatform platform;
    Owned project = Example();
    const size_t before = virelo_ExtrasOf(*project).site.samples.size();
    SiteDataWindow window(project.get());
    QTemporaryDir dir;
    platform.openFileNames.push_back(WriteTable(dir));
    ClickImport(window);
    QCOMPARE(platform.dialogTitles, (QStringList{"Map table columns"}));
    QVERIFY2(window.statusLabel()->text().contains("Nothing imported"),
             qPrintable(window.statusLabel()->text()));
    QCOMPARE(virelo_ExtrasOf(*project).site.samples.size(), before);
    QVERIFY(virelo_ExtrasOf(*project).siteColumns.empty());
  }
};

QTEST_MAIN(TestColumnMapping)
#include "tst_columnmapping.moc"
