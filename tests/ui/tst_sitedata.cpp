// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Site data window on the petrol-station example: its tables take only
// sound edits, the decay constant reaches the contaminant with its source
// only through its button, and the redox suggestion reaches the aquifer only
// through its own.
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeView>
#include <cstring>
#include <vector>

#include "analysis/PlumeView.h"
#include "analysis/SiteDataWindow.h"
#include "analysis/SiteDecayView.h"
#include "analysis/SiteTableModel.h"
#include "analysis/SiteTrendsView.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/project/assessment.h"
#include "engine/project/extras.h"
#include "engine/project/redoxchange.h"
#include "pages/CPropConts.h"
#include "pages/ContaminantTreeModel.h"
#include "persistence/projectfile.h"
#include "platform/DecimalSign.h"
#include "report/AssessmentReport.h"
#include "shell_fixture.h"
#include "support/FakePlatform.h"
#include "support/SiteExample.h"
#include "support/TableDriving.h"

namespace {

QString text(QTableView* table, int row, int column) {
  return table->model()->index(row, column).data().toString();
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// virelo-cli as a script runs it.
int RunCli(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(VIRELO_BINARY_DIR "/virelo-cli"), arguments);
  if (!process.waitForFinished(120000)) return -1;
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

constexpr int kBoth = kAssessPlumeLength | kAssessAttenuationFactor;

Contaminant* Find(Project* p, const char* name) {
  for (int k = 0; k < p->contaminantCount; ++k)
    if (std::strcmp(p->contaminants[k].name, name) == 0) return &p->contaminants[k];
  return nullptr;
}

}  // namespace

class TestSiteData : public QObject {
  Q_OBJECT
 private slots:
  void decayConstantReachesTheContaminantOnlyThroughItsButton() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    Contaminant* benzene = Find(project.get(), "Benzene");
    QVERIFY(benzene);
    const int16_t selectedBefore = benzene->lambdaSelected;
    SiteDataWindow window(project.get());
    QCOMPARE(window.wellsModel()->rowCount(), 6);
    SiteDecayView* decay = window.decayView();
    QCOMPARE(decay->contaminantCombo()->currentText(), QString("Benzene"));
    QCOMPARE(decay->dateCombo()->currentText(), QString("2023-12-12"));
    QVERIFY(decay->fit().hasLambda);
    QCOMPARE(benzene->lambdaSelected, selectedBefore);  // showing a fit changes nothing
    QVERIFY(decay->useButton()->isEnabled());

    QSignalSpy changed(&window, &SiteDataWindow::projectChanged);
    decay->useButton()->click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(benzene->lambdaSelected, int16_t(kLambdaUser));
    QCOMPARE(benzene->lambdaUser, decay->fit().lambda);
    const QString source = QString::fromStdString(LambdaSourceOf(virelo_SettingsOf(*project), "Benzene"));
    QVERIFY2(source.startsWith(
                 QString::fromUtf8("site wells MW1\u2013MW5, 2023-12-12, Buscheck\u2013Alcantar, 90 % "
                                   "interval 0.0027\u20130.0035 1/d")),
             qPrintable(source));

    // The 95 % level widens the interval; a date without three detects gives
    // the reason and no button.
    decay->levelCombo()->setCurrentIndex(2);
    QVERIFY(decay->fit().lambdaHigh > decay->fit().lambda);
    QCOMPARE(decay->fit().levelPercent, 95);
    SiteData& site = virelo_Extras(project.get()).site;
    site.wells[1].y = 12.0;  // beyond the source half-width Sy = 10 m
    window.Refresh();
    QVERIFY(!decay->useButton()->isEnabled());
    QVERIFY(decay->warningsLabel()->text().contains("off the centre line"));
  }

  // The wells suggest iron reduction; the fuel compounds use the presets of
  // an unknown condition, and under iron reduction MTBE has none.
  void redoxReachesTheAquiferOnlyThroughApply() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    window.tabs()->setCurrentWidget(window.trendsView());
    SiteTrendsView* trends = window.trendsView();
    QCOMPARE(trends->suggestedRedox(), 3);  // ANAEROBIC-FE
    QVERIFY(trends->suggestionLabel()->text().contains("ANAEROBIC-FE"));
    QVERIFY2(trends->suggestionLabel()->text().contains("changes the preset decay constant of 5 assessed"),
             qPrintable(trends->suggestionLabel()->text()));
    QCOMPARE(project->aquifer.redoxCondition, int16_t(0));
    QCOMPARE(trends->trendTable()->rowCount(), 6);
    QCOMPARE(trends->trendTable()->item(0, 7)->text(), QString("Probably Decreasing"));
    const std::vector<Contaminant> before(project->contaminants,
                                          project->contaminants + project->contaminantCount);
    const int16_t modifiedBefore = project->modified;
    QSignalSpy changed(&window, &SiteDataWindow::projectChanged);

    // Cancel: nothing changes, and the window says so.
    platform.answers = {Platform::Cancel};
    QVERIFY(!trends->ApplyRedox());
    QCOMPARE(platform.messages.size(), 1);
    const RecordedMessage& asked = platform.messages.front();
    QCOMPARE(asked.buttons, Platform::Yes | Platform::No | Platform::Cancel);
    QCOMPARE(asked.icon, Platform::Icon::Warning);
    QVERIFY2(asked.text.contains("Under ANAEROBIC-FE the database has no decay constant for:\n"
                                 "  MTBE (now 0.0021 1/d, the preset under UNKOWN / VARIABLE)"),
             qPrintable(asked.text));
    QVERIFY2(asked.text.contains(QString::fromUtf8("  Benzene: 0.001899 \u2192 0.009 1/d")),
             qPrintable(asked.text));
    for (const char* name : {"Toluene", "Ethylbenzene", "Xylenes"}) QVERIFY(asked.text.contains(name));
    QCOMPARE(project->aquifer.redoxCondition, int16_t(0));
    QCOMPARE(project->modified, modifiedBefore);
    QCOMPARE(changed.count(), 0);
    for (int k = 0; k < project->contaminantCount; ++k) {
      QCOMPARE(project->contaminants[k].lambdaSelected, before[k].lambdaSelected);
      QCOMPARE(project->contaminants[k].lambdaMask, before[k].lambdaMask);
    }
    QVERIFY(virelo_SettingsOf(*project).lambdaSources.empty());
    QVERIFY(trends->appliedLabel()->isVisible());
    QCOMPARE(trends->appliedLabel()->text(), QString("Not applied: the aquifer keeps UNKOWN / VARIABLE."));
    QVERIFY(trends->applyButton()->isEnabled());

    // Yes keeps each listed value as the user's own, with where it came from.
    platform.answers = {Platform::Yes};
    QTest::mouseClick(trends->applyButton(), Qt::LeftButton);
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(project->aquifer.redoxCondition, int16_t(3));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(project->modified, int16_t(1));
    for (const char* name : {"Benzene", "Toluene", "Ethylbenzene", "Xylenes", "MTBE"}) {
      const Contaminant* c = Find(project.get(), name);
      const Contaminant& was = before[static_cast<size_t>(c - project->contaminants)];
      double now = 0.0, then = 0.0;
      QVERIFY(virelo_GetLambda(c, &now) && virelo_GetLambda(&was, &then));
      QCOMPARE(c->lambdaSelected, int16_t(kLambdaUser));
      QCOMPARE(now, then);
      QCOMPARE(
          LambdaSourceOf(virelo_SettingsOf(*project), name),
          std::string("preset of the database under UNKOWN / VARIABLE, kept as the user's value when the "
                      "redox condition became ANAEROBIC-FE"));
    }
    QVERIFY2(
        trends->appliedLabel()->text().startsWith(
            "ANAEROBIC-FE applied to the aquifer. Kept as user-defined decay constants: Benzene (0.001899 "
            "1/d)"),
        qPrintable(trends->appliedLabel()->text()));
    QVERIFY(trends->appliedLabel()->text().contains("MTBE (0.0021 1/d)"));
    QVERIFY(!trends->applyButton()->isEnabled());
    QVERIFY(!trends->suggestionLabel()->text().contains("changes the preset"));
  }

  // No takes the new condition's presets and names the contaminant left
  // without one; where nothing changes, nothing is asked.
  void takingTheNewPresetsNamesWhatIsLeftWithout() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    SiteTrendsView* trends = window.trendsView();
    platform.answers = {Platform::No};
    QVERIFY(trends->ApplyRedox());
    QCOMPARE(project->aquifer.redoxCondition, int16_t(3));
    QCOMPARE(Find(project.get(), "Benzene")->lambdaSelected, int16_t(kLambdaIron));
    QCOMPARE(Find(project.get(), "MTBE")->lambdaSelected, int16_t(0));
    QVERIFY(virelo_SettingsOf(*project).lambdaSources.empty());
    const QString applied = trends->appliedLabel()->text();
    QVERIFY2(applied.contains(QString::fromUtf8("New presets: Benzene: 0.001899 \u2192 0.009 1/d")) &&
                 applied.endsWith("No decay constant now (enter one on the Contaminants page): MTBE."),
             qPrintable(applied));

    // Back under an unknown condition with MTBE alone assessed, one is named.
    for (int k = 0; k < project->contaminantCount; ++k)
      project->contaminants[k].assess = std::strcmp(project->contaminants[k].name, "MTBE") == 0 ? kBoth : 0;
    ApplyRedoxCondition(project.get(), 0, RedoxPresetChoice::TakeNewPresets);
    window.Refresh();
    QVERIFY2(trends->suggestionLabel()->text().endsWith("changes the preset decay constant of 1 assessed "
                                                        "contaminant."),
             qPrintable(trends->suggestionLabel()->text()));

    // With nothing assessed the condition is applied without a question.
    for (int k = 0; k < project->contaminantCount; ++k) project->contaminants[k].assess = 0;
    project->aquifer.redoxCondition = 0;
    window.Refresh();
    QVERIFY(!trends->suggestionLabel()->text().contains("changes the preset"));
    QVERIFY(trends->ApplyRedox());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(
        trends->appliedLabel()->text(),
        QString("ANAEROBIC-FE applied to the aquifer. No assessed contaminant's decay constant changed."));
  }

  // Through Data > Site data in the main window: the kept value is what the
  // Contaminants page shows and what the saved project reopens with.
  void keptDecayConstantReachesThePagesAndTheFile() {
    ShellSession session;
    auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp"));
    Project* project = window->project;
    QVERIFY(project);
    const int mtbe = static_cast<int>(Find(project, "MTBE") - project->contaminants);
    session.platform.dialogHandler = [&](QDialog* dialog) {
      if (auto* site = qobject_cast<SiteDataWindow*>(dialog)) {
        site->tabs()->setCurrentWidget(site->trendsView());
        session.platform.answers = {Platform::Yes};
        QTest::mouseClick(site->trendsView()->applyButton(), Qt::LeftButton);
      }
      return int(QDialog::Accepted);
    };
    window->dataCommands->action("siteData")->trigger();
    QCOMPARE(session.platform.messages.size(), 1);
    QCOMPARE(project->aquifer.redoxCondition, int16_t(3));

    CPropConts* page = window->pageTabs->contaminantsPage;
    window->ViewPage(window->pageOf(page));
    const QModelIndex entry = page->treeModel()->indexForContaminant(mtbe);
    page->tree()->expand(entry.parent());
    page->tree()->scrollTo(entry);
    QTest::mouseClick(page->tree()->viewport(), Qt::LeftButton, {}, page->tree()->visualRect(entry).center());
    QCOMPARE(page->currentContaminantIndex(), mtbe);
    QVERIFY(!page->findChild<QCheckBox*>("presetCheck")->isChecked());
    QCOMPARE(page->findChild<QLineEdit*>("lambdaEdit")->text(), QString("0.002100"));
    QVERIFY2(page->findChild<QLineEdit*>("lambdaSourceEdit")
                 ->text()
                 .contains("preset of the database under UNKOWN / VARIABLE, kept as the user's value"),
             qPrintable(page->findChild<QLineEdit*>("lambdaSourceEdit")->text()));
    const int marker = page->treeModel()->marker(mtbe);
    QVERIFY2(marker > 0 && (marker - 1) / 3 != 2 && (marker - 1) % 3 != 2,
             qPrintable(QString::number(marker)));

    const QString file = session.path("kept.vrp");
    session.platform.saveFileNames.push_back(file);
    QCOMPARE(window->fileCommands->OnFileSaveAs(), 1);
    Owned reopened(virelo_LoadProject(QFile::encodeName(file).constData(), "rb"));
    QVERIFY(reopened);
    QCOMPARE(reopened->aquifer.redoxCondition, int16_t(3));
    const Contaminant* kept = Find(reopened.get(), "MTBE");
    QCOMPARE(kept->lambdaSelected, int16_t(kLambdaUser));
    QCOMPARE(kept->lambdaUser, 0.0021);
    QVERIFY(!LambdaSourceOf(virelo_SettingsOf(*reopened), "MTBE").empty());
  }

  void tablesTakeOnlySoundEditsAndImports() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    const SiteData before = virelo_ExtrasOf(*project).site;
    QTableView* samples = window.samplesTable();
    QVERIFY(typeIntoCell(samples, 0, 4, "ppt"));  // an unknown unit
    QVERIFY2(window.statusLabel()->text().startsWith("Not taken yet"),
             qPrintable(window.statusLabel()->text()));
    QVERIFY(window.statusLabel()->text().contains("samples:2: unit"));
    QVERIFY(virelo_ExtrasOf(*project).site == before);
    // The row shows what was typed, marked with the reason.
    QCOMPARE(text(samples, 0, 4), QString("ppt"));
    QVERIFY(samples->model()->index(0, 0).data(Qt::ToolTipRole).toString().contains("unknown unit"));
    QVERIFY(samples->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!samples->model()->index(1, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(typeIntoCell(samples, 0, 4, "mg/L"));  // sound: 2400 mg/L
    QCOMPARE(virelo_ExtrasOf(*project).site.samples[0].unit, std::string("mg/L"));
    QCOMPARE(project->modified, int16_t(1));
    QVERIFY(!samples->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(window.statusLabel()->text().startsWith(QString("%1 wells, ").arg(before.wells.size())));

    const SiteData edited = virelo_ExtrasOf(*project).site;
    QVERIFY(!window.ImportTable("well,date,analyte,value,unit\nMW9,2024-01-01,Benzene,3,ug/L\n", "t.csv"));
    QVERIFY(window.statusLabel()->text().contains("t.csv:2: well"));
    QVERIFY(virelo_ExtrasOf(*project).site == edited);
    QVERIFY(window.ImportTable("well,date,analyte,value,unit\nMW1,2024-03-12,Benzene,<1,ug/L\n", "t.csv"));
    QCOMPARE(virelo_ExtrasOf(*project).site.samples.back().nonDetect, true);
    QCOMPARE(samples->model()->rowCount(), static_cast<int>(edited.samples.size()) + 1);
  }

  // A German reader sees the lab's values with a decimal comma, as in every
  // other window, and a value typed with one is taken as meant; a point
  // still reads as a point.
  void aGermanReaderTypesDecimalCommas() {
    FakePlatform platform;
    Owned project = Example();
    SetShownDecimalSign(QLatin1Char(','));
    // Back to the point however the test ends: the tests after it read points.
    const auto restore = qScopeGuard([] { SetShownDecimalSign(QLatin1Char('.')); });
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    const SiteData& site = virelo_ExtrasOf(*project).site;
    QTableView* samples = window.samplesTable();
    QTableView* wells = window.wellsTable();
    QVERIFY(typeIntoCell(samples, 0, 3, "12,5"));
    QCOMPARE(site.samples[0].value, 12.5);
    QCOMPARE(text(samples, 0, 3), QString("12,5"));
    QVERIFY(typeIntoCell(samples, 1, 3, "<0,5"));
    QCOMPARE(site.samples[1].value, 0.5);
    QVERIFY(site.samples[1].nonDetect);
    QCOMPARE(text(samples, 1, 3), QString("<0,5"));
    QVERIFY(typeIntoCell(samples, 2, 3, "7.25"));
    QCOMPARE(site.samples[2].value, 7.25);
    QVERIFY(typeIntoCell(wells, 0, 2, "-3,75"));
    QCOMPARE(site.wells[0].y, -3.75);
    QCOMPARE(text(wells, 0, 2), QString("-3,75"));
    // A new well's name may hold the table's dividers; it stays one field.
    const size_t wellsBefore = site.wells.size();
    QTest::mouseClick(window.findChild<QPushButton*>("siteAddWell"), Qt::LeftButton);
    QLineEdit* name = openLineEditor(wells);
    QVERIFY(name);
    QTest::keyClicks(name, "MW;7 \"north\"");
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(typeIntoCell(wells, static_cast<int>(wellsBefore), 1, "150,5"));
    QCOMPARE(site.wells.size(), wellsBefore + 1);
    QCOMPARE(site.wells.back().name, std::string("MW;7 \"north\""));
    QCOMPARE(site.wells.back().s, 150.5);
  }

  // A row typed in cell by cell reaches the site data only once it is
  // sound; the rules between rows hold as for an imported table.
  void rowsTypedInJoinWhenSound() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    const SiteData& site = virelo_ExtrasOf(*project).site;
    const size_t samplesBefore = site.samples.size(), wellsBefore = site.wells.size();
    QTableView* samples = window.samplesTable();
    QTest::mouseClick(window.findChild<QPushButton*>("siteAddSample"), Qt::LeftButton);
    const int row = samples->model()->rowCount() - 1;
    QCOMPARE(row, static_cast<int>(samplesBefore));
    for (const auto& [column, typed] : {std::pair{0, "MW9"}, {1, "2024-05-02"}, {2, "Benzene"}, {3, "12.5"}})
      QVERIFY(typeIntoCell(samples, row, column, typed));
    QCOMPARE(site.samples.size(), samplesBefore);  // no unit yet
    QVERIFY(typeIntoCell(samples, row, 4, "ug/L"));
    QCOMPARE(site.samples.size(), samplesBefore);  // MW9 is no well of the site
    QVERIFY2(window.statusLabel()->text().contains(
                 QString("samples:%1: well: \"MW9\" is no known well").arg(row + 2)),
             qPrintable(window.statusLabel()->text()));
    QVERIFY(typeIntoCell(samples, row, 0, "MW2"));
    QCOMPARE(site.samples.size(), samplesBefore + 1);
    QCOMPARE(site.samples.back().well, std::string("MW2"));
    QCOMPARE(site.samples.back().value, 12.5);
    QCOMPARE(samples->model()->rowCount(), static_cast<int>(samplesBefore + 1));

    // A second value for one well, date and analyte is refused; the same
    // value again is the same sample, kept once.
    const SiteSample first = site.samples[0];
    QVERIFY(typeIntoCell(samples, row, 1, QString::fromStdString(first.date)));
    QVERIFY(typeIntoCell(samples, row, 0, QString::fromStdString(first.well)));
    QCOMPARE(site.samples.back().well, std::string("MW2"));  // still the last sound text
    QVERIFY2(window.statusLabel()->text().contains("has another value than on samples:2"),
             qPrintable(window.statusLabel()->text()));
    QVERIFY(typeIntoCell(samples, row, 3, QString::number(first.value, 'g', 17)));
    QCOMPARE(site.samples.size(), samplesBefore);
    QCOMPARE(samples->model()->rowCount(), static_cast<int>(samplesBefore));
    QVERIFY(site.samples[0] == first);

    // A well its samples name may not be renamed or emptied; a new well may.
    QTableView* wells = window.wellsTable();
    QVERIFY(typeIntoCell(wells, 0, 0, "MW1a"));
    QVERIFY2(window.statusLabel()->text().contains("well: \"MW1\" is no known well"),
             qPrintable(window.statusLabel()->text()));
    QCOMPARE(site.wells[0].name, std::string("MW1"));
    QVERIFY(typeIntoCell(wells, 0, 0, "MW1"));
    QTest::mouseClick(window.findChild<QPushButton*>("siteAddWell"), Qt::LeftButton);
    QLineEdit* name = openLineEditor(wells);  // the new well's name is open for typing
    QVERIFY(name);
    QTest::keyClicks(name, "MW7");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(site.wells.size(), wellsBefore);  // no distance yet
    QVERIFY(typeIntoCell(wells, static_cast<int>(wellsBefore), 1, "150.5"));
    QCOMPARE(site.wells.size(), wellsBefore + 1);
    QCOMPARE(site.wells.back().s, 150.5);
    QVERIFY(site.wells.back().inFit);
    // Emptied, a row without samples leaves the site data.
    for (int column = 0; column < 3; ++column)
      QVERIFY(typeIntoCell(wells, static_cast<int>(wellsBefore), column, ""));
    QCOMPARE(site.wells.size(), wellsBefore);
    QCOMPARE(wells->model()->rowCount(), static_cast<int>(wellsBefore));
    // Refresh forgets what was not taken.
    QVERIFY(typeIntoCell(samples, 3, 3, "-1"));
    QCOMPARE(window.samplesModel()->pendingRows(), 1);
    window.Refresh();
    QCOMPARE(window.samplesModel()->pendingRows(), 0);
    QCOMPARE(text(samples, 3, 3), QString::number(site.samples[3].value, 'g', 10));
  }

  // A figure shows ten digits and is edited in full; a well typed in again
  // with its own values is the same well, kept once, and with other values
  // is refused; a new row emptied before it was ever taken stays as a draft.
  void figuresDuplicateWellsAndEmptiedNewRows() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    const SiteData& site = virelo_ExtrasOf(*project).site;
    QTableView* samples = window.samplesTable();

    QVERIFY(typeIntoCell(samples, 0, 3, "1234.567891"));
    QCOMPARE(site.samples[0].value, 1234.567891);
    QCOMPARE(text(samples, 0, 3), QString("1234.567891"));
    QVERIFY(typeIntoCell(samples, 0, 3, "0.123456789012345"));
    QCOMPARE(site.samples[0].value, 0.123456789012345);
    QCOMPARE(text(samples, 0, 3), QString("0.123456789"));
    // Enter on the text as shown is a visit: the number behind it stays whole.
    QVERIFY(typeIntoCell(samples, 0, 3, "0.123456789"));
    QCOMPARE(site.samples[0].value, 0.123456789012345);

    QTableView* wells = window.wellsTable();
    int known = 0;  // a well in the fit, as a new row starts
    while (known < static_cast<int>(site.wells.size()) && !site.wells[static_cast<size_t>(known)].inFit)
      ++known;
    QVERIFY(known < static_cast<int>(site.wells.size()));
    const SiteWell held = site.wells[static_cast<size_t>(known)];
    const size_t wellsBefore = site.wells.size();
    const int row = static_cast<int>(wellsBefore);
    QTest::mouseClick(window.findChild<QPushButton*>("siteAddWell"), Qt::LeftButton);
    QLineEdit* name = openLineEditor(wells);
    QVERIFY(name);
    QTest::keyClicks(name, QString::fromStdString(held.name));
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(typeIntoCell(wells, row, 2, QString::number(held.y, 'g', 17)));
    QVERIFY(typeIntoCell(wells, row, 1, QString::number(held.s + 1.0, 'g', 17)));
    QCOMPARE(site.wells.size(), wellsBefore);
    QCOMPARE(wells->model()->rowCount(), row + 1);
    QVERIFY2(
        window.statusLabel()->text().contains(QString("is given other values on wells:%1").arg(known + 2)),
        qPrintable(window.statusLabel()->text()));
    QVERIFY(typeIntoCell(wells, row, 1, QString::number(held.s, 'g', 17)));
    QTRY_COMPARE(wells->model()->rowCount(), row);
    QCOMPARE(site.wells.size(), wellsBefore);
    QVERIFY(site.wells[static_cast<size_t>(known)] == held);

    const size_t samplesBefore = site.samples.size();
    QTest::mouseClick(window.findChild<QPushButton*>("siteAddSample"), Qt::LeftButton);
    const int added = static_cast<int>(samplesBefore);
    QVERIFY(typeIntoCell(samples, added, 0, "MW2"));
    QVERIFY(typeIntoCell(samples, added, 0, ""));
    QTest::qWait(20);  // a removal would come from the event loop
    QCOMPARE(samples->model()->rowCount(), added + 1);
    QCOMPARE(site.samples.size(), samplesBefore);
    QVERIFY(typeIntoCell(samples, added, 0, "MW2"));
    QCOMPARE(text(samples, added, 0), QString("MW2"));
  }

  // The button and use-decay write one and the same file, on the default
  // fit and on a level and date the user picks.
  void useDecayCommandWritesWhatTheButtonWrites() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const struct {
      int levelIndex;
      QStringList options;
    } cases[] = {{1, {}}, {2, {"--level", "95", "--date", "2023-12-12"}}};
    for (const auto& c : cases) {
      const QString byWindow = dir.filePath("window.vrp"), byCli = dir.filePath("cli.vrp");
      QFile::remove(byWindow);
      QFile::remove(byCli);
      QVERIFY(QFile::copy(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", byCli));
      {
        FakePlatform platform;
        Owned project = Example();
        SiteDataWindow window(project.get());
        window.tabs()->setCurrentIndex(1);
        QVERIFY(showActive(window));
        SiteDecayView* decay = window.decayView();
        decay->levelCombo()->setCurrentIndex(c.levelIndex);
        QTest::mouseClick(decay->useButton(), Qt::LeftButton);
        QCOMPARE(project->aquifer.redoxCondition, int16_t(0));
        QVERIFY(virelo_SaveProject(project.get(), byWindow.toLocal8Bit().constData()));
      }
      QCOMPARE(RunCli(QStringList{"use-decay", byCli, "--contaminant", "Benzene"} + c.options), 0);
      const QByteArray window = Bytes(byWindow), cli = Bytes(byCli);
      QVERIFY(!window.isEmpty());
      QVERIFY2(window == cli, qPrintable(c.options.join(' ')));
      QVERIFY(cli != Bytes(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp"));
    }
  }

  // A dry cleaner's laboratory table, pasted as a user copies it from a
  // spreadsheet: O2, nitrate, iron(II), sulfate and methane, no sulfide.
  void redoxTableShowsMethaneTheBasisAndTheSolventScore() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    QApplication::clipboard()->setText(
        "well\tdate\tanalyte\tvalue\tunit\n"
        "MW1\t2024-03-05\tOxygen\t0,3\tmg/L\nMW1\t2024-03-05\tNitrate\t0,8\tmg/L\n"
        "MW1\t2024-03-05\tIron(II)\t2,5\tmg/L\nMW1\t2024-03-05\tSulfate\t35\tmg/L\n"
        "MW1\t2024-03-05\tMethane\t2\tmg/L\n"
        "MW2\t2024-03-05\tOxygen\t0,2\tmg/L\nMW2\t2024-03-05\tNitrate-N\t0,1\tmg/L\n"
        "MW2\t2024-03-05\tIron(II)\t50\tug/L\nMW2\t2024-03-05\tSulfate\t0,2\tmg/L\n"
        "MW2\t2024-03-05\tMethane\t3500\tug/L\n"
        "MW2\t2024-03-05\tpH-Wert\t4,5\t\nMW2\t2024-03-05\tWassertemperatur\t22\t\xC2\xB0"
        "C\n"
        "MW2\t2024-03-05\tEthen\t40\tug/L\nMW2\t2024-03-05\tethaan\t70\tug/L\n");
    QPushButton* paste = window.findChild<QPushButton*>("sitePaste");
    QVERIFY(paste);
    QTest::mouseClick(paste, Qt::LeftButton);
    QVERIFY2(window.statusLabel()->text().startsWith("Imported"), qPrintable(window.statusLabel()->text()));

    QTableWidget* redox = window.trendsView()->findChild<QTableWidget*>("siteRedoxTable");
    QVERIFY(redox);
    auto column = [&](const QString& header) {
      for (int c = 0; c < redox->columnCount(); ++c)
        if (redox->horizontalHeaderItem(c)->text() == header) return c;
      return -1;
    };
    auto row = [&](const QString& well, const QString& date) {
      for (int r = 0; r < redox->rowCount(); ++r)
        if (redox->item(r, 0)->text() == well && redox->item(r, 1)->text() == date) return r;
      return -1;
    };
    const int mw1 = row("MW1", "2024-03-05"), mw2 = row("MW2", "2024-03-05");
    QVERIFY(mw1 >= 0 && mw2 >= 0);
    QCOMPARE(redox->item(mw2, column("CH4"))->text(), QString("3.5"));
    QCOMPARE(redox->item(mw1, column("H2S"))->text(), QString("-"));
    QCOMPARE(redox->item(mw1, column("Redox class"))->text(), QString("ANAEROBIC-MIXED-PLUMES"));
    QCOMPARE(redox->item(mw1, column("Rests on"))->text(), QString("Fe(II);SO4"));
    QCOMPARE(redox->item(mw1, column("Missing"))->text(), QString("Mn;H2S"));
    QCOMPARE(redox->item(mw2, column("Redox class"))->text(), QString("ANAEROBIC-CH4"));
    QCOMPARE(redox->item(mw2, column("Rests on"))->text(), QString("SO4;CH4"));
    // MW1: O2 3, NO3 2, Fe(II) 3, SO4 0, CH4 3 = 11; MW2: O2 3, NO3 2, Fe(II) 0, SO4 2, CH4 3,
    // 22 degC 1, ethene and ethane 0.11 mg/L together 3 = 14; its pH is named, not scored.
    QTableWidgetItem* score = redox->item(mw1, column("Solvent score"));
    QCOMPARE(score->text(), QString("11 (limited)"));
    QVERIFY2(score->toolTip().contains("O2 3, NO3 2, Fe(II) 3, SO4 0, CH4 3"), qPrintable(score->toolTip()));
    QVERIFY2(score->toolTip().contains("Not measured: H2S;ORP;TOC;temperature;C2H4/C2H6\n"),
             qPrintable(score->toolTip()));
    QTableWidgetItem* score2 = redox->item(mw2, column("Solvent score"));
    QCOMPARE(score2->text(), QString("14 (limited)"));
    QVERIFY2(score2->toolTip().contains("temperature 1, C2H4/C2H6 3"), qPrintable(score2->toolTip()));
    for (const char* row : {"pH: ", "chloride: ", "BTEX: ", "daughter products: "})
      QVERIFY2(score2->toolTip().contains(QString("Not scored:\n")) && score2->toolTip().contains(row),
               qPrintable(score2->toolTip()));

    // The report's site section carries the same.
    // The word joiners that keep "C2H4/C2H6" on one line are not text.
    const QString text = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))
                             ->toPlainText()
                             .remove(QChar(0x2060));
    QVERIFY(text.contains("Rests on"));
    QVERIFY2(text.contains("11, limited (O2 3, NO3 2, Fe(II) 3, SO4 0, CH4 3); not measured: "
                           "H2S;ORP;TOC;temperature;C2H4/C2H6"),
             qPrintable(text));
    QVERIFY(text.contains("Table 2.3"));
    QVERIFY2(text.contains("not scored: pH: the points for a pH outside 5 to 9"), qPrintable(text));
    QVERIFY(!text.contains("can only be too low"));
  }

  // Alkalinity pasted for the upstream well MW6 and two plume wells: the
  // score's row compares each with MW6's water, and the tooltip and the
  // report say what the background was.
  void alkalinityScoresAgainstTheUpstreamWell() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    QApplication::clipboard()->setText(
        "well\tdate\tanalyte\tvalue\tunit\n"
        "MW6\t2024-03-05\tOxygen\t7,9\tmg/L\nMW6\t2024-03-05\tAlkalinität\t110\tmg/L\n"
        "MW2\t2024-03-05\tOxygen\t0,2\tmg/L\nMW2\t2024-03-05\tKS4.3\t230\tmg/L\n"
        "MW3\t2024-03-05\tOxygen\t0,2\tmg/L\nMW3\t2024-03-05\talkaliniteit\t220000\tug/L\n");
    QTest::mouseClick(window.findChild<QPushButton*>("sitePaste"), Qt::LeftButton);
    QVERIFY2(window.statusLabel()->text().startsWith("Imported"), qPrintable(window.statusLabel()->text()));

    QTableWidget* redox = window.trendsView()->findChild<QTableWidget*>("siteRedoxTable");
    QVERIFY(redox);
    int scoreColumn = -1;
    for (int c = 0; c < redox->columnCount(); ++c)
      if (redox->horizontalHeaderItem(c)->text() == "Solvent score") scoreColumn = c;
    auto score = [&](const QString& well) -> QTableWidgetItem* {
      for (int r = 0; r < redox->rowCount(); ++r)
        if (redox->item(r, 0)->text() == well && redox->item(r, 1)->text() == "2024-03-05")
          return redox->item(r, scoreColumn);
      return nullptr;
    };
    QVERIFY(score("MW2") && score("MW3"));
    // MW2: oxygen 3, alkalinity 230 above twice 110 1; MW3: 220 mg/L is not.
    QCOMPARE(score("MW2")->text(), QString("4 (inadequate)"));
    QVERIFY2(score("MW2")->toolTip().contains("Points: O2 3, alkalinity 1\n"),
             qPrintable(score("MW2")->toolTip()));
    QCOMPARE(score("MW3")->text(), QString("3 (inadequate)"));
    QVERIFY2(score("MW3")->toolTip().contains("alkalinity 0"), qPrintable(score("MW3")->toolTip()));
    const QString background = "alkalinity 110 mg/L (median of the latest values at upstream MW6)";
    QVERIFY2(score("MW2")->toolTip().endsWith("Background: " + background),
             qPrintable(score("MW2")->toolTip()));
    QVERIFY2(!score("MW2")->toolTip().contains("alkalinity: "), qPrintable(score("MW2")->toolTip()));

    const QString text =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY2(text.contains("4, inadequate (O2 3, alkalinity 1)"), qPrintable(text));
    QVERIFY2(text.contains("Background: " + background), qPrintable(text));
    QVERIFY2(
        text.contains("not scored: pH: the points for a pH outside 5 to 9") &&
            text.contains("chloride: the points for a chloride above twice background were not confirmed"),
        qPrintable(text));
  }

  void reportHasTheSectionOnlyWithSiteData() {
    Owned project = Example();
    QVERIFY(virelo_math_CalcAll(project.get()));
    // Benzene's source text goes into the section when its lambda came from the wells.
    {
      FakePlatform platform;
      SiteDataWindow window(project.get());
      QVERIFY(window.decayView()->UseAsDecayConstant());
    }
    const QString text =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY(text.contains("Monitoring wells"));
    QVERIFY(text.contains("Benzene: decay constant from the wells"));
    QVERIFY(text.contains("Suggested redox condition: ANAEROBIC-FE"));
    QVERIFY(text.contains(QString::fromUtf8("Benzene: \u03bb = 0.003098 1/d, site wells MW1\u2013MW5")));
    // The verdicts resting on that lambda carry the classes at its interval's ends.
    QVERIFY2(
        text.contains(QRegularExpression(QString::fromUtf8(
            "Benzene: (Green|Yellow|Red); (Green|Yellow|Red)( to (Green|Yellow|Red))? over the (whole )?90 % "
            "interval of \u03bb"))),
        qPrintable(text));
    // A value typed over the wells' one is credited to the hand, not the wells.
    Contaminant* benzene = Find(project.get(), "Benzene");
    QVERIFY(benzene);
    virelo_SetLambda(benzene, kLambdaUser, 0.005);
    const QString typed =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY(!typed.contains(QString::fromUtf8("Benzene: \u03bb = 0.005 1/d, site wells")));
    QVERIFY2(typed.contains(QString::fromUtf8("Benzene: the wells gave \u03bb = 0.003098 1/d")),
             qPrintable(typed));
    QVERIFY(typed.contains("entered by hand; the recorded source (site wells"));
    virelo_Extras(project.get()).site = SiteData{};
    const QString without =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY(!without.contains("Monitoring wells"));
  }
};

QTEST_MAIN(TestSiteData)
#include "tst_sitedata.moc"
